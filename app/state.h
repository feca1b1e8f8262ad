// Program-wide state of Quorvel.
//
// This header declares every mutable variable that outlives a single call.
// The window system's callbacks read and write them directly, on the one
// thread that runs the event loop. Any other mutable global anywhere in the
// program is a bug: put it here, with its initial value in state.cpp.
#pragma once

struct Point2f {
    float x;
    float y;
};

// Window drawing-area size in pixels, kept current by onReshape.
extern int winWidth;   // 640 at start
extern int winHeight;  // 480 at start

// Index 0..3 of the control point being dragged, or -1 when none is.
extern int pickedPoint;

// The four control points P0..P3 in window pixels (origin lower left).
// All zero until initScene sets the default curve.
extern Point2f ctrlPoints[4];

// Split-parameter list of the current display pass: 0, the parameters the
// axis/inflection search accepted, and 1, sorted ascending. Only slots
// 0..splitCount-1 are used (at most 8); the display pass zeroes all ten
// slots at the start of every pass.
extern float splitParams[10];
extern int splitCount;

// Caption glyphs: 128 display lists built once, in the first display pass.
extern unsigned int glyphBase;  // first list name
extern int glyphsPending;       // non-zero until the lists are built

// Standard output's buffer when it is a file or pipe: large enough for the
// text of any one callback, which the report hands on in one write at the
// callback's end (flushReport), never part-way through.
extern char reportBuffer[65536];
