#include "e2e_fixture.h"

#include <cstdlib>

VirtualDisplay* OnVirtualDisplay::display_ = nullptr;

const char* programUnderTest() {
    const char* program = std::getenv("QUORVEL_PROGRAM");
    return program != nullptr && *program != '\0' ? program : QUORVEL_BINARY;
}
