#include "contentgen/app_icon_art.h"

#include "contentgen/art_style.h"

using namespace paletteLayout;

namespace {

void Panel(Canvas& icon, float left, float top, float size, int ramp, const char* digit) {
    if (size >= 12.0f) {
        DrawNumberPanel(icon, left, top, size, ramp, digit);
        return;
    }
    const float radius = size * 0.22f;
    FillRoundRect(icon, left, top, left + size, top + size, radius, SolidIndex(RampShade(ramp, 1)));
    FillRoundRect(icon, left + 1.0f, top + 1.0f, left + size - 1.0f, top + size - 1.0f, radius * 0.7f,
                  RampGradient(ramp, top, 8, top + size, 4));
}

}  // namespace

Canvas DrawAppIcon(int size) {
    Canvas icon = MakeCanvas(size, size);
    const float s = static_cast<float>(size);
    const float inset = s >= 32 ? s * 0.03f : 0.0f;
    DrawPlate(icon, inset, inset, s - inset, s - inset, s * 0.2f, rampBlue);
    // 3 + 4 and 5 + 2: each row one of the game's lines of seven.
    const float panel = s * 0.37f;
    const float gap = s * 0.05f;
    const float left = (s - 2 * panel - gap) * 0.5f;
    const float top = (s - 2 * panel - gap) * 0.5f;
    Panel(icon, left, top, panel, rampRed, "3");
    Panel(icon, left + panel + gap, top, panel, rampOrange, "4");
    Panel(icon, left, top + panel + gap, panel, rampGreen, "5");
    Panel(icon, left + panel + gap, top + panel + gap, panel, rampYellow, "2");
    return icon;
}
