#include <cmath>

#include "content/game_sheet.h"
#include "content/option_sheet.h"
#include "contentgen/backdrop_art.h"
#include "contentgen/game_sheet_art.h"
#include "contentgen/match_art_style.h"
#include "contentgen/option_sheet_art.h"

using namespace paletteLayout;

namespace {

// Mean colour of a box of a picture; colour-key pixels count as `under`.
Rgb MeanColour(const Canvas& picture, float left, float top, float right, float bottom, Rgb under) {
    float r = 0, g = 0, b = 0;
    int n = 0;
    for (int y = static_cast<int>(top); y < static_cast<int>(std::ceil(bottom)); ++y) {
        for (int x = static_cast<int>(left); x < static_cast<int>(std::ceil(right)); ++x) {
            const uint8_t i = PixelAt(picture, x, y);
            const Rgb c = i == transparent ? under : PaletteColour(i);
            r += c.r;
            g += c.g;
            b += c.b;
            ++n;
        }
    }
    if (n == 0) return under;
    return MakeRgb(static_cast<uint8_t>(r / n), static_cast<uint8_t>(g / n), static_cast<uint8_t>(b / n));
}

// Shrinks the part (sl,st)-(sr,sb) of a picture into (dl,dt) w x h of the sheet.
void Shrink(Canvas& sheet, int dl, int dt, int w, int h, const Canvas& picture, float sl, float st, float sr, float sb,
            Rgb under) {
    const float sx = (sr - sl) / static_cast<float>(w), sy = (sb - st) / static_cast<float>(h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const Rgb c = MeanColour(picture, sl + sx * x, st + sy * y, sl + sx * (x + 1), st + sy * (y + 1), under);
            SetPixel(sheet, dl + x, dt + y, DitheredIndex(c, dl + x, dt + y, 4.0f));
        }
    }
}

// A card for a sample: a dark rounded rim one pixel wide.
void Card(Canvas& sheet, const SheetRect& r, Rgb inside) {
    FillRoundRect(sheet, r.left, r.top, r.right, r.bottom, 3.0f, SolidIndex(SteelShade(0)));
    FillRoundRect(sheet, r.left + 1.0f, r.top + 1.0f, r.right - 1.0f, r.bottom - 1.0f, 2.0f, Solid(inside));
}

// Each backdrop in small: its right part, where the sun and the moon stand,
// at the card's upright shape.
void BackdropSamples(Canvas& sheet) {
    for (int v = 0; v < 4; ++v) {
        const SheetRect r = optionSheetLayout::BackgroundValue(v);
        const Canvas backdrop = DrawBackdrop(v);
        const int w = r.Width() - 2, h = r.Height() - 2;
        const float cropWidth = static_cast<float>(backdrop.height) * w / h;
        const float right = backdrop.width - 12.0f;
        Card(sheet, r, MakeRgb(0, 0, 0));
        Shrink(sheet, r.left + 1, r.top + 1, w, h, backdrop, right - cropWidth, 0.0f, right,
               static_cast<float>(backdrop.height), MakeRgb(0, 0, 0));
        // Round off the corners the card's rim leaves.
        for (const int x : {r.left + 1, r.right - 2}) {
            for (const int y : {r.top + 1, r.bottom - 2}) SetPixel(sheet, x, y, SteelShade(1));
        }
    }
}

// Each panel shape as two panels, 3 over 4, on the board's dark field.
void PanelShapeSamples(Canvas& sheet) {
    Canvas panels = MakeCanvas(gameSheetLayout::width, gameSheetLayout::height);
    panels.blendOverKey = true;
    panels.keyBackdrop = FieldColour();
    DrawPanels(panels);
    constexpr int size = 17;
    for (int shape = 0; shape < 2; ++shape) {
        const SheetRect r = optionSheetLayout::PanelShapeValue(shape);
        Card(sheet, r, FieldColour());
        const int left = r.left + (r.Width() - size) / 2;
        for (int k = 0; k < 2; ++k) {
            const SheetRect p = gameSheetLayout::Panel(3 + k, shape);
            Shrink(sheet, left, r.top + 1 + size * k, size, size, panels, p.left, p.top, p.right, p.bottom, FieldColour());
        }
    }
}

}  // namespace

void DrawOptionSamples(Canvas& sheet) {
    BackdropSamples(sheet);
    PanelShapeSamples(sheet);
}
