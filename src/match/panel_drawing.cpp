#include "content/game_sheet.h"
#include "match/match_state.h"
#include "match/player_update.h"
#include "options/options_file.h"
#include "platform/blit.h"
#include "platform/surface.h"

namespace {

constexpr uint32_t blinkHalf = 300;
constexpr uint32_t blinkCycle = 600;

SheetRect PanelPicture(int v, bool failingRow) {
    const int shape = options.panelShape == 1 ? 1 : 0;
    return failingRow ? gameSheetLayout::FailingPanel(v, shape) : gameSheetLayout::Panel(v, shape);
}

// Stretches the picture over (x + left, y)-(x + right, y + 24); rows above
// clipTop are left out by starting the source lower by the same amount.
void DrawPanelPart(int v, int x, int y, int left, int right, bool failingRow, int clipTop) {
    if (v < 0 || v > 7 || right <= left) return;
    const SheetRect r = PanelPicture(v, failingRow);
    const int cut = y < clipTop ? clipTop - y : 0;
    if (cut >= r.Height()) return;
    BlitStretched(&backBuffer, mainSheet, keyedStretch, x + left, y + cut, x + right, y + r.Height(), r.left,
                  r.top + cut, r.right, r.bottom);
}

}  // namespace

int BlinkPhase() {
    // Match time, so that a step draws the same however it is run.
    const uint32_t now = frameClock.now;
    const uint32_t elapsed = now - blinkClock;
    if (elapsed >= blinkCycle) {
        blinkClock = now;
        return 0;
    }
    return elapsed < blinkHalf ? 0 : 1;
}

void DrawPanel(int v, int x, int y) {
    if (v < 0 || v > 7) return;
    const SheetRect r = PanelPicture(v, false);
    BlitClipped(&backBuffer, x, y, mainSheet, keyedCopy, r.left, r.top, r.right, r.bottom);
}

void DrawPanelSqueezed(int v, int x, int y, int left, int right, bool failingRow) {
    DrawPanelPart(v, x, y, left, right, failingRow, -(1 << 20));
}

void DrawPanelInField(int v, int x, int y, int left, int right, bool failingRow) {
    DrawPanelPart(v, x, y, left, right, failingRow, fieldTop);
}

void CoverWithBackground(int x, int y, int w, int h) {
    BlitClipped(&backBuffer, x, y, tileSurface, opaqueCopy, x, y, x + w, y + h);
}
