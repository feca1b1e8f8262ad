#include "draw/marker.h"

#include <cmath>

#include "app/gl.h"

// Vertex k lies at angle k * 0.31415926 (the literal, not pi/10, so the
// polygon closes with a slightly short last edge); offsets are formed in
// double around the widened centre and narrowed once per coordinate.
void drawMarker(float x, float y) {
    const double angleStep = 0.31415926;
    const double radius = 5.0;
    glBegin(GL_POLYGON);
    for (int k = 0; k < 20; ++k) {
        const double a = static_cast<double>(k) * angleStep;
        const float vy = static_cast<float>(static_cast<double>(y) + radius * std::sin(a));
        const float vx = static_cast<float>(static_cast<double>(x) + radius * std::cos(a));
        glVertex2f(vx, vy);
    }
    glEnd();
}
