// What each platform's console layer provides to the shared report code.
#pragma once

// Whether standard output is an interactive console or terminal; text
// written there must show before report returns.
bool stdoutIsTerminal();

// The platform's own start-up step for standard output.
void preparePlatformConsole();
