#include "contentgen/item_sheet_art.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "content/item_sheet.h"
#include "contentgen/icon_painter.h"
#include "contentgen/item_icons.h"
#include "contentgen/match_art_style.h"
#include "contentgen/sheet_words.h"

using namespace paletteLayout;

namespace {

constexpr float pi = 3.14159265f;

// Not yet unlocked: a grey tile with a padlock.
void LockedIcon(Canvas& sheet) {
    const SheetRect r = itemSheetLayout::lockedIcon;
    const IconPainter p{sheet, static_cast<float>(r.left), static_cast<float>(r.top)};
    p.Box(1, 1, 31, 31, 6, greyRamp, 6, 3);
    p.Part([](float x, float y) { return std::max(std::fabs(CircleDistance(x, y, 16, 13, 6)) - 1.6f, y - 14.0f); }, greyRamp, 13, 9);
    p.Box(8, 13, 24, 27, 2, greyRamp, 14, 10);
    p.Spot(16, 19, 2.0f, GreyShade(2));
    p.Dab([](float x, float y) { return RoundRectDistance(x, y, 15.2f, 19, 16.8f, 24, 0.5f); }, GreyShade(2));
}

// A key cap in the corner of an attack picture: the key that fires it.
void KeyCap(Canvas& sheet, float left, float top, const char* key) {
    const IconPainter p{sheet, left, top};
    p.Box(18, 18, 31, 31, 2.5f, greyRamp, 15, 11);
    LabelStyle s;
    s.face = gothicFace;
    s.bold = true;
    s.outlined = false;
    s.fill = Solid(PaletteColour(GreyShade(1)));
    DrawGlyphOfHeight(sheet, key, left + 24.5f, top + 24.5f, 8, s);
}

std::vector<Point> Burst(float cx, float cy, float outer, float inner, int points, float turn) {
    std::vector<Point> star;
    for (int i = 0; i < 2 * points; ++i) {
        const float a = turn + pi * i / points;
        const float r = i % 2 == 0 ? outer : inner;
        star.push_back(Point{cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return star;
}

// Delete: a bomb with a lit fuse (it clears the lowest rows).
void DeletePicture(Canvas& sheet) {
    const SheetRect r = itemSheetLayout::deleteAttackPicture;
    const IconPainter p{sheet, static_cast<float>(r.left), static_cast<float>(r.top)};
    p.Box(0.5f, 0.5f, 31.5f, 31.5f, 6, rampBlue, 6, 2);
    p.Disc(14, 18, 10, steelRamp, 6, 0);
    p.Shine(10, 13, 3, 2, 0.6f);
    p.Box(11, 6, 17, 9.5f, 1, steelRamp, 8, 4);
    p.Stroke({14, 6.5f}, {19, 3}, 1.4f, rampOrange, 4);
    p.Dab([](float x, float y) { return PolygonDistance(x, y, Burst(21, 3, 4.5f, 1.8f, 6, 0.2f)); }, HueShade(rampRed, 6));
    p.Spot(21, 3, 1.6f, HueShade(rampYellow, 10));
    KeyCap(sheet, r.left, r.top, "Q");
}

// Maxdelete: a big blast (it clears every panel of one number).
void MaxdeletePicture(Canvas& sheet) {
    const SheetRect r = itemSheetLayout::maxdeleteAttackPicture;
    const IconPainter p{sheet, static_cast<float>(r.left), static_cast<float>(r.top)};
    p.Box(0.5f, 0.5f, 31.5f, 31.5f, 6, rampRed, 6, 2);
    p.Poly(Burst(15, 15, 14, 7, 9, 0.1f), rampOrange, 9, 5);
    p.Poly(Burst(15, 15, 9, 4.5f, 7, 0.4f), rampYellow, 11, 8);
    p.Spot(15, 15, 3.0f, white);
    KeyCap(sheet, r.left, r.top, "W");
}

// The gallery's title plate: caps 10 wide, a middle that stretches.
void TitleFrame(Canvas& sheet) {
    const SheetRect l = itemSheetLayout::titleFrameLeft, m = itemSheetLayout::titleFrameMiddle, rt = itemSheetLayout::titleFrameRight;
    // Draw one plate over a long strip and keep its two ends and a middle column.
    Canvas plate = MakeCanvas(300, 50);
    DrawPlate(plate, 0.5f, 0.5f, 299.5f, 49.5f, 10, rampPink);
    for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 10; ++x) {
            SetPixel(sheet, l.left + x, l.top + y, PixelAt(plate, x, y));
            SetPixel(sheet, rt.left + x, rt.top + y, PixelAt(plate, 290 + x, y));
        }
        for (int x = 0; x < m.Width(); ++x) SetPixel(sheet, m.left + x, m.top + y, PixelAt(plate, 150, y));
    }
}

void GalleryTitle(Canvas& sheet) {
    const SheetRect r = itemSheetLayout::galleryTitle;
    LabelStyle s = PlateLabel(rampPink, 30);
    s.thicken = 0.4f;
    s.fill = LinearGradient(0, r.top + 10, MakeRgb(255, 255, 255), 0, r.bottom - 10, PaletteColour(HueShade(rampYellow, 9)));
    DrawFittedLabel(sheet, Word(SheetWord::GalleryTitle), SheetRect{static_cast<int16_t>(r.left + 34), r.top, static_cast<int16_t>(r.right - 34), r.bottom}, s, 5);
    // Sparkles at both ends.
    for (const float x : {1.0f, 247.0f}) {
        const IconPainter p{sheet, r.left + x, r.top + 9.0f};
        p.Poly(Burst(16, 16, 11, 3.5f, 4, -pi / 2), rampYellow, 11, 7);
    }
}

}  // namespace

Canvas DrawItemSheet() {
    Canvas sheet = MakeCanvas(itemSheetLayout::width, itemSheetLayout::height);
    // Icons show on the blue setup panels, the pale gallery and the match's
    // slate boxes: crisp edges suit them all.
    sheet.blendOverKey = false;
    for (int k = 0; k < itemSheetLayout::itemCount; ++k) {
        const SheetRect r = itemSheetLayout::Icon(k);
        DrawItemIcon(sheet, k, r.left, r.top);
    }
    LockedIcon(sheet);
    DeletePicture(sheet);
    MaxdeletePicture(sheet);
    TitleFrame(sheet);
    GalleryTitle(sheet);
    return sheet;
}
