#include "app/display.h"

#include "analysis/analysis.h"
#include "app/curve.h"
#include "app/gl.h"
#include "app/glyphs.h"
#include "app/state.h"
#include "report/report.h"

// The glyph lists are built once per process, on the first caption. The
// flag drops before the lists are allocated, so a failed allocation is not
// retried: the captions are then simply missing.
void buildGlyphLists() {
    if (glyphsPending == 0) {
        return;
    }
    glyphsPending = 0;
    glyphBase = glGenLists(128);
    fillGlyphLists(glyphBase);
}

// Each byte calls the list glyphBase + byte, the byte taken as signed and
// the sum formed in unsigned 32-bit arithmetic.
void drawCaption(const char* text, float x, float y) {
    glRasterPos2f(x, y);
    buildGlyphLists();
    for (const char* c = text; *c != '\0'; ++c) {
        const int code = static_cast<signed char>(*c);
        glCallList(glyphBase + static_cast<unsigned int>(code));
    }
}

static void drawCurve() {
    glBegin(GL_LINE_STRIP);
    for (int i = 0; i <= 100; ++i) {
        const float t = static_cast<float>(i) / 100.0f;
        const Point2f p = evalCurve(ctrlPoints, t);
        glVertex2f(p.x, p.y);
    }
    glEnd();
}

static void drawControlVertices() {
    for (const Point2f& p : ctrlPoints) {
        glVertex2f(p.x, p.y);
    }
}

void onDisplay() {
    glClear(GL_COLOR_BUFFER_BIT);
    glColor3ub(0, 0, 0);  // captions and curve
    for (float& slot : splitParams) {
        slot = 0.0f;
    }
    drawCaption("Cubic Bezier Curve", 10.0f, 460.0f);
    drawCaption("---by Tormalind", 10.0f, 440.0f);
    drawCurve();

    glColor3ub(255, 0, 0);  // control polygon
    glBegin(GL_LINE_STRIP);
    drawControlVertices();
    glEnd();

    glColor3ub(0, 0, 255);  // control points, 10 x 10 squares
    glPointSize(10.0f);
    glBegin(GL_POINTS);
    drawControlVertices();
    glEnd();

    findAxisExtremaAndInflections();
    for (int i = 0; i < splitCount - 1; ++i) {
        findCurvatureExtrema(i, splitParams[i], splitParams[i + 1], ctrlPoints[0],
                             ctrlPoints[1], ctrlPoints[2], ctrlPoints[3]);
    }
    report("\n\n");
    flushReport();
    glutSwapBuffers();
}
