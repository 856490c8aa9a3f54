#include "contentgen/rank_sheet_art.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "content/rank_sheet.h"
#include "contentgen/icon_painter.h"
#include "contentgen/match_art_style.h"
#include "contentgen/sheet_words.h"

using namespace paletteLayout;

namespace {

// Stripe colours by difficulty: easy green, normal blue, hard red.
const int stripeRamps[3] = {rampGreen, rampBlue, rampRed};

// Lettering of the ranking lines: white over a dark navy rim, readable on
// every stripe colour and on the pale tiles.
LabelStyle LineLetter() {
    LabelStyle s;
    s.face = displayFace;
    s.bold = false;
    s.thicken = 0.3f;
    s.outline = PaletteColour(SteelShade(0));
    s.outlineWidth = 1.6f;
    s.shadowed = false;
    s.fill = [](float, float y) {
        const float t = static_cast<float>(static_cast<int>(y) % 25) / 24.0f;
        return MixRgb(MakeRgb(255, 255, 255), PaletteColour(SteelShade(8)), t);
    };
    return s;
}

// The font's Latin letters are narrow; the ranking's are set wider, to fill
// their cells like the rest of the game's lettering.
AlphaMask Widen(const AlphaMask& mask, int width) {
    if (mask.width == 0 || width <= mask.width) return mask;
    AlphaMask out;
    out.width = width;
    out.height = mask.height;
    out.alpha.assign(static_cast<size_t>(out.width) * static_cast<size_t>(out.height), 0.0f);
    const float scale = static_cast<float>(mask.width) / static_cast<float>(width);
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            const float sx = (x + 0.5f) * scale - 0.5f;
            const int x0 = static_cast<int>(std::floor(sx));
            const float f = sx - static_cast<float>(x0);
            auto at = [&](int xi) {
                if (xi < 0 || xi >= mask.width) return 0.0f;
                return mask.alpha[static_cast<size_t>(y) * static_cast<size_t>(mask.width) + static_cast<size_t>(xi)];
            };
            out.alpha[static_cast<size_t>(y) * static_cast<size_t>(out.width) + static_cast<size_t>(x)] = at(x0) * (1.0f - f) + at(x0 + 1) * f;
        }
    }
    return out;
}

// A letter or digit of a line: ink height inkHeight, widened by widen (at
// most to the cell less its rim), centred in the cell.
void LineGlyph(Canvas& sheet, const char* text, SheetRect cell, int inkHeight, float widen) {
    LabelStyle s = LineLetter();
    int size = 6;
    for (int k = 6; k < 60; ++k) {
        s.size = k;
        if (LabelInk(text, s).height <= inkHeight) size = k;
    }
    s.size = size;
    AlphaMask ink = LabelInk(text, s);
    const int room = cell.Width() - 2 * static_cast<int>(std::ceil(s.outlineWidth)) - 1;
    ink = Widen(ink, std::min(room, static_cast<int>(std::lround(ink.width * widen))));
    const AlphaMask rim = GrowMask(ink, s.outlineWidth);
    const int pad = (rim.width - ink.width) / 2;
    const int x = cell.left + (cell.Width() - ink.width) / 2, y = cell.top + (cell.Height() - ink.height) / 2;
    DrawMask(sheet, rim, x - pad, y - pad, Solid(s.outline));
    DrawMask(sheet, ink, x, y, s.fill);
}

LabelStyle HeadingStyle() {
    LabelStyle s = PlateLabel(rampBlue, 18);
    s.shadowed = false;
    s.outlineWidth = 1.5f;
    return s;
}

// A heading: a small navy plate with its word at the given size.
void Heading(Canvas& sheet, SheetRect r, const char* word, int size) {
    DrawPlate(sheet, r.left + 0.5f, r.top + 0.5f, r.right - 0.5f, r.bottom - 0.5f, 7.0f, rampBlue);
    if (word[0] == '\0') return;
    LabelStyle s = HeadingStyle();
    s.size = size;
    DrawSizedLabel(sheet, word, r, s, 2);
}

void Letters(Canvas& sheet) {
    for (int code = 0; code <= 27; ++code) {
        const SheetRect r = rankSheetLayout::Letter(code);
        const char letter[2] = {code < 26 ? static_cast<char>('A' + code) : code == 26 ? '!' : '?', '\0'};
        LineGlyph(sheet, letter, r, 17, 1.0f);
    }
    // The full stop: a square dot on the baseline.
    const SheetRect stop = rankSheetLayout::Letter(28);
    FillRoundRect(sheet, stop.left + 9.0f, stop.top + 14.0f, stop.left + 16.0f, stop.top + 21.0f, 1.5f, SolidIndex(SteelShade(0)));
    FillRoundRect(sheet, stop.left + 10.6f, stop.top + 15.6f, stop.left + 14.4f, stop.top + 19.4f, 0.8f, SolidIndex(white));
    // The blank: a bar along the foot of the cell.
    const SheetRect b = rankSheetLayout::blankLetter;
    FillRoundRect(sheet, b.left + 3.5f, b.top + 17.5f, b.right - 3.5f, b.top + 22.5f, 2.0f, SolidIndex(SteelShade(0)));
    FillRoundRect(sheet, b.left + 5.0f, b.top + 19.0f, b.right - 5.0f, b.top + 21.0f, 1.0f, SolidIndex(white));
}

void Digits(Canvas& sheet) {
    for (int d = 0; d < 10; ++d) {
        const char text[2] = {static_cast<char>('0' + d), '\0'};
        LineGlyph(sheet, text, rankSheetLayout::Digit(d), 18, 1.0f);
    }
}

void Colon(Canvas& sheet) {
    const SheetRect r = rankSheetLayout::colon;
    for (const float cy : {r.top + 8.5f, r.top + 17.5f}) {
        FillRoundRect(sheet, r.left + 0.5f, cy - 3.0f, r.left + 5.5f, cy + 2.5f, 1.5f, SolidIndex(SteelShade(0)));
        FillRoundRect(sheet, r.left + 1.7f, cy - 1.8f, r.left + 4.3f, cy + 1.3f, 0.6f, SolidIndex(white));
    }
}

// Difficulty stripe: caps and a middle column, 23 rows of which rows 8..15
// are plain body, because a line repeats them between its two halves.
Rgb StripeRow(int ramp, int row) {
    if (row == 0 || row == 22) return PaletteColour(RampShade(ramp, 0));
    if (row < 8) return MixRgb(PaletteColour(RampShade(ramp, 10)), PaletteColour(RampShade(ramp, 6)), (row - 1) / 7.0f);
    if (row <= 15) return PaletteColour(RampShade(ramp, 6));
    return MixRgb(PaletteColour(RampShade(ramp, 5)), PaletteColour(RampShade(ramp, 2)), (row - 16) / 5.0f);
}

void Stripe(Canvas& sheet, int d) {
    const int ramp = stripeRamps[d];
    const int left = rankSheetLayout::StripeUpper(d, 0).left, top = rankSheetLayout::StripeUpper(d, 0).top;
    for (int row = 0; row < 23; ++row) {
        for (int x = 0; x < 18; ++x) {
            // Distance in from the nearer end of the stripe, with rounded corners
            // that stay within the caps' top and bottom rows.
            const float px = x + 0.5f, py = row + 0.5f;
            const float end = RoundRectDistance(px, py, 0.0f, 0.0f, 18.0f, 23.0f, 5.5f);
            if (end > 0.0f) continue;
            Rgb c = StripeRow(ramp, row);
            if (end > -1.0f) c = PaletteColour(RampShade(ramp, 0));
            SetPixel(sheet, left + x, top + row, DitheredIndex(c, left + x, top + row, 0.0f));
        }
    }
    // The middle column repeats one column of the body, so stretching is clean.
    for (int row = 0; row < 23; ++row) {
        const uint8_t c = PixelAt(sheet, left + 9, top + row);
        for (int x = 6; x < 12; ++x) SetPixel(sheet, left + x, top + row, c);
    }
}

void ScrollMark(Canvas& sheet, SheetRect r, bool up) {
    const float l = r.left, t = r.top;
    auto at = [&](float x, float y) { return Point{l + x, up ? t + y : t + 24.0f - y}; };
    const std::vector<Point> tri = {at(12, 3), at(22.5f, 20), at(1.5f, 20)};
    FillShape(sheet, l, t, l + 24, t + 24, [&](float x, float y) { return PolygonDistance(x, y, tri) - 1.2f; },
              SolidIndex(HueShade(rampOrange, 0)));
    FillShape(sheet, l, t, l + 24, t + 24, [&](float x, float y) { return PolygonDistance(x, y, tri) + 0.6f; },
              LinearGradient(0, t + 4, PaletteColour(HueShade(rampYellow, 10)), 0, t + 20, PaletteColour(HueShade(rampOrange, 5))));
}

// First place: a gold crown, drawn narrow because it is shown 30 wide.
void FirstPlaceMark(Canvas& sheet) {
    const SheetRect r = rankSheetLayout::firstPlaceMark;
    const float l = r.left, t = r.top, sx = 18.0f / 30.0f;
    auto at = [&](float x, float y) { return Point{l + x * sx, t + y}; };
    const std::vector<Point> crown = {at(2, 6), at(8.5f, 12), at(15, 3), at(21.5f, 12), at(28, 6), at(26, 21), at(4, 21)};
    FillShape(sheet, l, t, r.right, r.bottom, [&](float x, float y) { return PolygonDistance(x, y, crown) - 1.2f; },
              SolidIndex(HueShade(rampOrange, 0)));
    FillShape(sheet, l, t, r.right, r.bottom, [&](float x, float y) { return PolygonDistance(x, y, crown) + 0.3f; },
              LinearGradient(0, t + 4, PaletteColour(HueShade(rampYellow, 10)), 0, t + 21, PaletteColour(HueShade(rampOrange, 5))));
    FillShape(sheet, l, t, r.right, r.bottom,
              [&](float x, float y) { return EllipseDistance(x, y, l + 15 * sx, t + 16, 2.5f * sx + 0.6f, 2.5f); },
              SolidIndex(HueShade(rampRed, 5)));
}

void SuffixMarks(Canvas& sheet) {
    const SheetRect first = rankSheetLayout::firstPlaceSuffix, other = rankSheetLayout::placeSuffix;
    FillCircle(sheet, first.left + 3.0f, first.top + 3.0f, 2.8f, SolidIndex(HueShade(rampOrange, 0)));
    FillCircle(sheet, first.left + 3.0f, first.top + 3.0f, 1.7f, SolidIndex(HueShade(rampYellow, 9)));
    FillCircle(sheet, other.left + 3.0f, other.top + 3.0f, 2.8f, SolidIndex(SteelShade(0)));
    FillCircle(sheet, other.left + 3.0f, other.top + 3.0f, 1.7f, SolidIndex(white));
}

void OrderLabel(Canvas& sheet, SheetRect r, const char* word, bool down, int size) {
    Heading(sheet, r, "", size);
    LabelStyle s = HeadingStyle();
    s.size = size;
    const SheetRect text{static_cast<int16_t>(r.left + 30), r.top, static_cast<int16_t>(r.right - 8), r.bottom};
    DrawSizedLabel(sheet, word, text, s, 2);
    // An arrow saying which way the list runs.
    const float cx = r.left + 20.0f, cy = r.top + 12.0f, dir = down ? 1.0f : -1.0f;
    const std::vector<Point> tri = {{cx - 6, cy - 4 * dir}, {cx + 6, cy - 4 * dir}, {cx, cy + 5 * dir}};
    FillShape(sheet, r.left, r.top, r.left + 30, r.bottom, [&](float x, float y) { return PolygonDistance(x, y, tri) - 1.0f; },
              SolidIndex(HueShade(rampOrange, 0)));
    FillShape(sheet, r.left, r.top, r.left + 30, r.bottom, [&](float x, float y) { return PolygonDistance(x, y, tri) + 0.5f; },
              SolidIndex(HueShade(rampYellow, 8)));
}

}  // namespace

Canvas DrawRankSheet() {
    Canvas sheet = MakeCanvas(rankSheetLayout::width, rankSheetLayout::height);
    // Shown over the pale tiles of the viewer and over the match screen:
    // crisp edges, with outlines doing the smoothing.
    sheet.blendOverKey = false;
    struct HeadingWord {
        SheetRect rect;
        const char* text;
    };
    const HeadingWord headings[] = {
        {rankSheetLayout::scoreHeading, Word(SheetWord::RankScore)},
        {rankSheetLayout::levelHeading, Word(SheetWord::RankLevel)},
        {rankSheetLayout::timeHeading, Word(SheetWord::RankTime)},
        {rankSheetLayout::nameHeading, Word(SheetWord::RankName)},
        {rankSheetLayout::gradeHeading, Word(SheetWord::RankGrade)},
        {rankSheetLayout::maxChainHeadingTop, Word(SheetWord::RankMaxChainTop)},
        {rankSheetLayout::maxChainHeadingBottom, Word(SheetWord::RankMaxChainBottom)},
    };
    // One size for every heading: the largest at which all of them fit.
    int size = 40;
    for (const HeadingWord& w : headings) size = std::min(size, FittingSize(w.text, w.rect, HeadingStyle(), 3));
    for (const HeadingWord& w : headings) Heading(sheet, w.rect, w.text, size);
    OrderLabel(sheet, rankSheetLayout::orderNormalLabel, Word(SheetWord::RankOrderNormal), true, size);
    OrderLabel(sheet, rankSheetLayout::orderReversedLabel, Word(SheetWord::RankOrderReversed), false, size);
    ScrollMark(sheet, rankSheetLayout::scrollUpMark, true);
    ScrollMark(sheet, rankSheetLayout::scrollDownMark, false);
    FirstPlaceMark(sheet);
    SuffixMarks(sheet);
    Colon(sheet);
    Letters(sheet);
    Digits(sheet);
    for (int d = 0; d < 3; ++d) Stripe(sheet, d);
    return sheet;
}
