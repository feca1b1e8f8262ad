// The GL and GLU calls the program makes, drawn on the page's canvas with
// the Canvas 2D API: the same picture as the desktop's fixed-function GL in
// window pixels, with y up from the lower left corner.
#include <emscripten.h>

#include "app/gl.h"

#include "web/web.h"

// The canvas state the calls share: colours, the primitive being built,
// raster position, viewport and orthographic projection. Kept on the JS
// side, next to the canvas it draws on.
EM_JS(void, webCanvasInit, (), {
    const ctx = Module.canvas.getContext("2d");
    Module.gl = {
        ctx : ctx,
        clear : "rgb(0,0,0)",
        colour : "rgb(255,255,255)",
        pointSize : 1,
        mode : -1,
        vertices : [],
        raster : [ 0, 0 ],
        glyphBase : -1,
        viewport : [ 0, 0, Module.canvas.width, Module.canvas.height ],
        ortho : [ -1, 1, -1, 1 ],
        // Window pixels (y up) to canvas pixels (y down).
        toCanvas : function(x, y) {
            const g = Module.gl;
            const o = g.ortho;
            const v = g.viewport;
            const wx = v[0] + (x - o[0]) / (o[1] - o[0]) * v[2];
            const wy = v[1] + (y - o[2]) / (o[3] - o[2]) * v[3];
            return [ wx, Module.canvas.height - wy ];
        },
    };
});

static int channel(float c) {
    const float clamped = c < 0.0f ? 0.0f : (c > 1.0f ? 1.0f : c);
    return static_cast<int>(clamped * 255.0f + 0.5f);
}

EM_JS(void, canvasSetColour, (int r, int g, int b), {
    Module.gl.colour = "rgb(" + r + "," + g + "," + b + ")";
});

EM_JS(void, canvasSetClearColour, (int r, int g, int b), {
    Module.gl.clear = "rgb(" + r + "," + g + "," + b + ")";
});

EM_JS(void, canvasClear, (), {
    const g = Module.gl;
    g.ctx.setTransform(1, 0, 0, 1, 0, 0);
    g.ctx.fillStyle = g.clear;
    g.ctx.fillRect(0, 0, Module.canvas.width, Module.canvas.height);
});

EM_JS(void, canvasBegin, (int mode), {
    Module.gl.mode = mode;
    Module.gl.vertices = [];
});

EM_JS(void, canvasVertex, (float x, float y), {
    Module.gl.vertices.push(Module.gl.toCanvas(x, y));
});

// Lines are stroked through pixel centres, one pixel wide; points are
// squares of the point size centred on the vertex, as GL rasterises them;
// polygons are filled.
EM_JS(void, canvasEnd, (), {
    const g = Module.gl;
    const c = g.ctx;
    const v = g.vertices;
    if (g.mode === 0) {  // GL_POINTS
        c.fillStyle = g.colour;
        const s = g.pointSize;
        for (const p of v) {
            c.fillRect(Math.round(p[0] - s / 2), Math.round(p[1] - s / 2), s, s);
        }
    } else if (g.mode === 3 && v.length > 1) {  // GL_LINE_STRIP
        c.strokeStyle = g.colour;
        c.lineWidth = 1;
        c.beginPath();
        c.moveTo(v[0][0] + 0.5, v[0][1] - 0.5);
        for (let i = 1; i < v.length; ++i) {
            c.lineTo(v[i][0] + 0.5, v[i][1] - 0.5);
        }
        c.stroke();
    } else if (g.mode === 9 && v.length > 2) {  // GL_POLYGON
        c.fillStyle = g.colour;
        c.beginPath();
        c.moveTo(v[0][0], v[0][1]);
        for (let i = 1; i < v.length; ++i) {
            c.lineTo(v[i][0], v[i][1]);
        }
        c.closePath();
        c.fill();
    }
    g.mode = -1;
    g.vertices = [];
});

EM_JS(void, canvasRasterPos, (float x, float y), {
    Module.gl.raster = Module.gl.toCanvas(x, y);
});

// Display lists: only the caption glyphs use them, as the glyph source
// fills them; list base + k draws character k.
EM_JS(void, webSetGlyphBase, (unsigned int base), { Module.gl.glyphBase = base; });

// A caption glyph: the character on the baseline at the raster position,
// which then moves on by the 9-pixel advance of the desktop's bitmap font.
EM_JS(void, canvasCallList, (unsigned int list), {
    const g = Module.gl;
    const code = list - g.glyphBase;
    if (g.glyphBase < 0 || code < 0 || code >= 128) {
        return;
    }
    if (code > 32 && code < 127) {
        g.ctx.fillStyle = g.colour;
        g.ctx.font = "15px monospace";
        g.ctx.textBaseline = "alphabetic";
        g.ctx.fillText(String.fromCharCode(code), g.raster[0], g.raster[1]);
    }
    g.raster[0] += 9;
});

EM_JS(void, canvasPointSize, (float size), { Module.gl.pointSize = size; });

EM_JS(void, canvasViewport, (int x, int y, int w, int h), {
    Module.gl.viewport = [ x, y, w, h ];
});

EM_JS(void, canvasOrtho, (double l, double r, double b, double t), {
    Module.gl.ortho = [ l, r, b, t ];
});

extern "C" {

void glClear(GLbitfield) {
    canvasClear();
}

void glClearColor(GLclampf r, GLclampf g, GLclampf b, GLclampf) {
    canvasSetClearColour(channel(r), channel(g), channel(b));
}

void glColor3ub(GLubyte r, GLubyte g, GLubyte b) {
    canvasSetColour(r, g, b);
}

void glColor3f(GLfloat r, GLfloat g, GLfloat b) {
    canvasSetColour(channel(r), channel(g), channel(b));
}

void glBegin(GLenum mode) {
    canvasBegin(static_cast<int>(mode));
}

void glEnd() {
    canvasEnd();
}

void glVertex2f(GLfloat x, GLfloat y) {
    canvasVertex(x, y);
}

void glPointSize(GLfloat size) {
    canvasPointSize(size);
}

void glRasterPos2f(GLfloat x, GLfloat y) {
    canvasRasterPos(x, y);
}

GLuint glGenLists(GLsizei) {
    return 1;  // the only lists are the 128 glyphs
}

void glCallList(GLuint list) {
    canvasCallList(list);
}

void glMatrixMode(GLenum) {}  // only the projection is ever used

void glLoadIdentity() {
    canvasOrtho(-1.0, 1.0, -1.0, 1.0);
}

void glViewport(GLint x, GLint y, GLsizei w, GLsizei h) {
    canvasViewport(x, y, w, h);
}

void gluOrtho2D(GLdouble l, GLdouble r, GLdouble b, GLdouble t) {
    canvasOrtho(l, r, b, t);
}

}  // extern "C"
