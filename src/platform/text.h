#pragma once
#include <cstdint>
#include "platform/palette.h"

// Text and shapes drawn in software into the back buffer (or another
// surface, BeginSurfaceText), in the manner of
// the classic device-context calls: select a font, brush and pen, then draw.
// Colours map to the nearest palette entry.

using FontHandle = int8_t;   // index into the font table, -1 none

struct Pen {
    Rgb color;
    int8_t width = 1;
};

struct Point {
    int x = 0, y = 0;
};

constexpr int textLeft = 0;    // lines broken only at "\n"
constexpr int textCenter = 1;  // each line centred
constexpr int textRight = 2;   // each line right-aligned
constexpr int bkTransparent = 1;
constexpr int bkOpaque = 2;       // text cells filled white first (the default)

// --- text.cpp
// Creates (or finds the identical) font: pixel height, weight (400 normal,
// 700 and up bold), face name as the game asks for it.
FontHandle CreateGameFont(int height, int weight, const char* face);
// The faces the game asks for by name (platform/font_match.h): a Mincho and
// a bold Gothic. Names, never shown, so they live here and not in the table.
extern const char* const minchoFace;
extern const char* const gothicFace;

// Draws UTF-8 text in the rectangle with the format above; clipped to it.
void DrawTextInRect(const char* text, int format, int left, int top, int right, int bottom);
// Text with its top-left at (x,y), unclipped except by the screen.
void TextOut(int x, int y, const char* text);
// Width in pixels of one line of text in the selected font.
int TextWidth(const char* text);

// The process-wide objects every scene uses.
extern FontHandle smallFont;
extern FontHandle bigFont;
extern Rgb pinkBrush;
extern Rgb blueBrush;
extern Pen whitePen;
void CreateSharedTextObjects();
// Forgets every font (closing the faces) and empties the font table; the
// shared handles go back to none. For shutdown.
void ReleaseTextObjects();

// --- draw_context.cpp
struct Surface;
// Opens the context on the back buffer.
void BeginText();
// Opens the context on another surface (a canvas drawn once and copied many
// times); the same calls then draw into it, clipped to its size. A null
// surface is the back buffer.
void BeginSurfaceText(Surface* surface);
void EndText();
void SelectFont(FontHandle font);
void SelectBrush(Rgb color);
void SelectPen(const Pen& pen);
void SetTextColor(Rgb color);
void SetBkMode(int mode);

// --- shapes.cpp
// Filled with the brush, outlined with the pen; ellipse corners ew x eh.
void RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
void Polygon(const Point* points, int count);
void MoveTo(int x, int y);
void LineTo(int x, int y);
