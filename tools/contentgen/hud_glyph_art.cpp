#include <algorithm>
#include <cmath>

#include "content/game_sheet.h"
#include "contentgen/game_sheet_art.h"
#include "contentgen/match_art_style.h"
#include "contentgen/sheet_words.h"

using namespace paletteLayout;

namespace {

// Lettering of colour c (-1 neutral, 0 and 1 the players): a fill that is
// lighter at the top, over a dark rim.
LabelStyle GlyphStyle(int c, float top, float bottom) {
    LabelStyle s;
    s.face = displayFace;
    s.bold = false;
    s.thicken = 0.2f;
    s.outlineWidth = 1.5f;
    s.shadowed = false;
    Rgb light, deep;
    if (c < 0) {
        light = MakeRgb(255, 255, 255);
        deep = PaletteColour(GreyShade(11));
        s.outline = PaletteColour(GreyShade(0));
    } else if (c == 0) {
        light = PaletteColour(HueShade(rampYellow, 10));
        deep = PaletteColour(HueShade(rampOrange, 6));
        s.outline = PaletteColour(HueShade(rampOrange, 0));
    } else {
        light = PaletteColour(HueShade(rampCyan, 11));
        deep = PaletteColour(HueShade(rampCyan, 5));
        s.outline = PaletteColour(HueShade(rampBlue, 0));
    }
    s.fill = LinearGradient(0, top, light, 0, bottom, deep);
    return s;
}

void PaintDigit(Canvas& sheet, int d, int c) {
    const SheetRect r = gameSheetLayout::Digit(d, c);
    const char text[2] = {static_cast<char>('0' + d), '\0'};
    const LabelStyle s = GlyphStyle(c, r.top + 3.0f, r.bottom - 3.0f);
    // Ink 15 high leaves room for the rim inside the 13x19 cell.
    DrawGlyphOfHeight(sheet, text, r.left + 6.5f, r.top + 9.5f, 15, s);
}

void TimesSign(Canvas& sheet, int c) {
    const SheetRect r = gameSheetLayout::Times(c);
    const float cx = r.left + 6.5f, cy = r.top + 7.5f, arm = 4.2f;
    const LabelStyle s = GlyphStyle(c, r.top + 2.0f, r.bottom - 2.0f);
    auto cross = [=](float x, float y) {
        return std::min(SegmentDistance(x, y, Point{cx - arm, cy - arm}, Point{cx + arm, cy + arm}),
                        SegmentDistance(x, y, Point{cx - arm, cy + arm}, Point{cx + arm, cy - arm}));
    };
    FillShape(sheet, r.left, r.top, r.right, r.bottom, [=](float x, float y) { return cross(x, y) - 3.0f; },
              Solid(s.outline));
    FillShape(sheet, r.left, r.top, r.right, r.bottom, [=](float x, float y) { return cross(x, y) - 1.5f; }, s.fill);
}

void Colon(Canvas& sheet) {
    const SheetRect r = gameSheetLayout::colon;
    const LabelStyle s = GlyphStyle(-1, r.top + 3.0f, r.bottom - 3.0f);
    for (const float cy : {r.top + 6.0f, r.top + 14.0f}) {
        FillRoundRect(sheet, r.left + 0.5f, cy - 3.0f, r.left + 5.5f, cy + 2.5f, 1.5f, Solid(s.outline));
        FillRoundRect(sheet, r.left + 1.5f, cy - 2.0f, r.left + 4.5f, cy + 1.5f, 0.8f, s.fill);
    }
}

}  // namespace

void DrawHudGlyphs(Canvas& sheet) {
    for (int c = -1; c <= 1; ++c) {
        for (int d = 0; d < 10; ++d) PaintDigit(sheet, d, c);
    }
    TimesSign(sheet, 0);
    TimesSign(sheet, 1);
    Colon(sheet);
    // "勝" after each versus win count.
    const SheetRect w = gameSheetLayout::winLabel;
    LabelStyle win = GlyphStyle(-1, w.top + 2.0f, w.bottom - 2.0f);
    win.fill = LinearGradient(0, w.top + 2.0f, PaletteColour(HueShade(rampYellow, 11)), 0, w.bottom - 2.0f,
                              PaletteColour(HueShade(rampYellow, 6)));
    win.outline = PaletteColour(HueShade(rampOrange, 0));
    win.face = gothicFace;  // the display face has no kanji
    win.thicken = 0.0f;
    DrawFittedLabel(sheet, Word(SheetWord::HudWins), w, win, 0);
}
