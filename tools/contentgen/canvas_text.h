#pragma once
#include <vector>

#include "contentgen/canvas.h"

// Text for the sheets, rendered with SDL_ttf from the installed Japanese
// faces the game itself uses, as coverage masks that are then painted.

constexpr int gothicFace = 0;  // "HG創英角ｺﾞｼｯｸUB": the bold lettering
constexpr int minchoFace = 1;  // "ＭＳ 明朝"
// A heavy, wide Latin face for big display words and Latin letters (the
// Japanese faces' Latin is narrow); the Gothic stands in when it is missing.
constexpr int displayFace = 2;

struct AlphaMask {
    int width = 0;
    int height = 0;
    std::vector<float> alpha;
};

// Starts SDL_ttf and finds the font files; false when no font can be found.
bool OpenTextFonts();
void CloseTextFonts();

AlphaMask RenderTextMask(int face, int pixelSize, const char* utf8, bool bold = false);
// The mask cut down to its inked pixels.
AlphaMask TrimMask(const AlphaMask& mask);
// The mask squeezed horizontally to at most maxWidth pixels.
AlphaMask FitMaskWidth(const AlphaMask& mask, int maxWidth);
// The mask thickened by radius pixels on every side (for outlines and
// heavier strokes), grown by ceil(radius) on each edge.
AlphaMask GrowMask(const AlphaMask& mask, float radius);
void DrawMask(Canvas& canvas, const AlphaMask& mask, int x, int y, const Paint& paint, float opacity = 1.0f);

// A finished label: fill over an outline over a drop shadow.
struct LabelStyle {
    int face = gothicFace;
    int size = 16;
    bool bold = true;
    float thicken = 0.0f;  // extra weight beyond the font's bold
    Paint fill;
    bool outlined = true;
    Rgb outline{};
    float outlineWidth = 2.0f;
    bool shadowed = false;
    Rgb shadow{};
    int shadowX = 1, shadowY = 1;
    int maxWidth = 0;  // 0: no limit
    // Centre on the ink vertically (labels) or on the font's line box, which
    // keeps letters drawn one by one on a common baseline.
    bool centreInk = true;
};

// The fill's coverage: trimmed to the ink (horizontally always, vertically
// when centreInk), thickened and squeezed as the style says.
AlphaMask LabelInk(const char* utf8, const LabelStyle& style);
// Draws the label centred on (cx, cy); returns the inked width of the fill.
int DrawLabel(Canvas& canvas, const char* utf8, float cx, float cy, const LabelStyle& style);
