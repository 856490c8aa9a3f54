#include <algorithm>
#include <cmath>

#include "content/game_sheet.h"
#include "contentgen/game_sheet_art.h"
#include "contentgen/match_art_style.h"

using namespace paletteLayout;

namespace {

// Big display lettering: the fill inside a light inner rim inside a dark
// outer rim, sized so the whole stays inside the box.
struct BigLook {
    Rgb top, bottom;  // fill, shaded from the top of the ink to its bottom
    Rgb inner, outer;
    float innerWidth = 2.0f, outerWidth = 2.0f;
};

void BigLetters(Canvas& sheet, const char* text, SheetRect box, const BigLook& look, int padding = 1) {
    const float rims = look.innerWidth + look.outerWidth;
    const int pad = static_cast<int>(std::ceil(rims)) + padding;
    const int roomX = box.Width() - 2 * pad, roomY = box.Height() - 2 * pad;
    LabelStyle s;
    s.face = displayFace;
    s.bold = false;
    s.thicken = 0.6f;
    AlphaMask ink;
    for (int size = roomY * 2; size > 6; --size) {
        s.size = size;
        ink = LabelInk(text, s);
        if (ink.height <= roomY && ink.width <= roomX) break;
    }
    if (ink.width == 0) return;
    const int x = box.left + (box.Width() - ink.width) / 2, y = box.top + (box.Height() - ink.height) / 2;
    const AlphaMask inner = GrowMask(ink, look.innerWidth);
    const AlphaMask outer = GrowMask(ink, rims);
    const int innerPad = (inner.width - ink.width) / 2, outerPad = (outer.width - ink.width) / 2;
    DrawMask(sheet, outer, x - outerPad, y - outerPad, Solid(look.outer));
    DrawMask(sheet, inner, x - innerPad, y - innerPad, Solid(look.inner));
    const float y0 = static_cast<float>(y), y1 = static_cast<float>(y + ink.height);
    const Rgb top = look.top, bottom = look.bottom;
    DrawMask(sheet, ink, x, y, [=](float, float py) {
        const float t = std::clamp((py - y0) / (y1 - y0), 0.0f, 1.0f);
        // A hard gloss line across the middle, like a lacquered sign.
        return t < 0.5f ? MixRgb(top, MixRgb(top, bottom, 0.35f), t * 2.0f) : MixRgb(MixRgb(top, bottom, 0.6f), bottom, (t - 0.5f) * 2.0f);
    });
}

Rgb Ramp(int ramp, int shade) { return PaletteColour(RampShade(ramp, shade)); }

BigLook LookOf(int ramp) {
    return BigLook{Ramp(ramp, 10), Ramp(ramp, 5), MakeRgb(255, 255, 255), Ramp(ramp, 0), 2.0f, 2.0f};
}

void PaintCountdown(Canvas& sheet) {
    const char* const numbers[3] = {"3", "2", "1"};
    const int ramps[3] = {rampBlue, rampGreen, rampRed};
    for (int i = 0; i < 3; ++i) {
        BigLook look = LookOf(ramps[i]);
        look.innerWidth = 2.5f;
        look.outerWidth = 2.5f;
        BigLetters(sheet, numbers[i], gameSheetLayout::Countdown(i), look, 0);
    }
}

// "START!" over the four quarters, which fly in and out on their own.
void StartLogo(Canvas& sheet) {
    const SheetRect whole{gameSheetLayout::startLogoTopLeft.left, gameSheetLayout::startLogoTopLeft.top,
                          gameSheetLayout::startLogoBottomRight.right, gameSheetLayout::startLogoBottomRight.bottom};
    BigLook look{PaletteColour(HueShade(rampYellow, 11)), PaletteColour(HueShade(rampOrange, 5)), MakeRgb(255, 255, 255),
                 PaletteColour(HueShade(rampRed, 1)), 2.0f, 2.5f};
    BigLetters(sheet, "START!", whole, look, 0);
}

}  // namespace

void DrawMatchPictures(Canvas& sheet) {
    using namespace gameSheetLayout;
    const bool blend = sheet.blendOverKey;
    // These fly over the backdrops, the frames and the boards alike.
    sheet.blendOverKey = false;
    PaintCountdown(sheet);
    StartLogo(sheet);
    BigLook pause = LookOf(rampCyan);
    pause.top = MakeRgb(255, 255, 255);
    pause.bottom = Ramp(rampCyan, 6);
    pause.inner = Ramp(rampBlue, 2);
    pause.outer = MakeRgb(255, 255, 255);
    BigLetters(sheet, "PAUSE", pausePicture, pause, 2);
    BigLook win{PaletteColour(HueShade(rampYellow, 11)), PaletteColour(HueShade(rampOrange, 5)), MakeRgb(255, 255, 255),
                PaletteColour(HueShade(rampRed, 1)), 2.0f, 2.0f};
    BigLetters(sheet, "WIN!", winPicture, win, 1);
    BigLook lose{PaletteColour(SteelShade(10)), PaletteColour(SteelShade(4)), PaletteColour(SteelShade(1)),
                 PaletteColour(SteelShade(9)), 2.0f, 1.5f};
    BigLetters(sheet, "LOSE", losePicture, lose, 2);
    BigLetters(sheet, "DRAW", drawPicture, LookOf(rampGreen), 3);
    BigLook clear{PaletteColour(HueShade(rampPink, 11)), PaletteColour(HueShade(rampPink, 5)), MakeRgb(255, 255, 255),
                  PaletteColour(HueShade(rampPurple, 0)), 2.0f, 2.0f};
    BigLetters(sheet, "CLEAR!", clearPicture, clear, 1);
    sheet.blendOverKey = blend;
}
