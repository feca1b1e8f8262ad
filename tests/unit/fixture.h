// Shared helpers of the unit tests.
#pragma once

#include <string>
#include <vector>

#include "app/gl.h"
#include "app/state.h"
#include "fake_calls.h"

// Puts every program-wide variable back to its start-up value and clears
// the call record.
void resetProgramState();

// Sets ctrlPoints from P0.x, P0.y, ..., P3.x, P3.y.
void setCurve(const float coords[8]);

// The records of one kind, in call order.
std::vector<FakeCall> callsOf(FakeCallId id);

// Everything written with report, concatenated.
std::string consoleText();

// Index of the first record of the given kind at or after start, or -1.
long findCall(FakeCallId id, std::size_t start = 0);
