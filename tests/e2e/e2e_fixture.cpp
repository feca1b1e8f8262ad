#include "e2e_fixture.h"

VirtualDisplay* OnVirtualDisplay::display_ = nullptr;
