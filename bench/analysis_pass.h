// The analysis part of a display pass, as the benchmarks time it.
#pragma once

#include "analysis/analysis.h"
#include "app/state.h"
#include "report/report.h"

// What the display pass does after drawing the control points.
inline void analysisPass() {
    for (float& s : splitParams) {
        s = 0.0f;
    }
    findAxisExtremaAndInflections();
    for (int i = 0; i < splitCount - 1; ++i) {
        findCurvatureExtrema(i, splitParams[i], splitParams[i + 1], ctrlPoints[0],
                             ctrlPoints[1], ctrlPoints[2], ctrlPoints[3]);
    }
    report("\n\n");
}
