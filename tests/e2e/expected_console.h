// The console block the program's own analysis code writes for a curve,
// computed in-process through the recording fake: the reference for what
// the real program must print after a drag.
#pragma once

#include "x_harness.h"

ConsoleBlock expectedBlock(const float points[8]);
