#include "shell/menu_input.h"

#include "content/title_sheet.h"
#include "platform/blit.h"
#include "platform/clock.h"
#include "platform/key_bindings.h"
#include "platform/keys.h"
#include "platform/surface.h"
#include "platform/text.h"

int8_t confirmHeld = 0;
int8_t cancelHeld = 0;
int8_t escapeHeld = 0;
int8_t boxGrowth = 0;

MenuKeys menuKeys = {vkUp, vkDown, vkLeft, vkRight, 'Y', 'B', 'G', 'H', 'X', 'Z', vkEscape, vkF1, vkReturn, vkF2, vkF3};

void FollowBoundKeys() {
    const PlayerKeys& keys = playerKeys[0];
    menuKeys.upLetter = keys.up;
    menuKeys.downLetter = keys.down;
    menuKeys.leftLetter = keys.left;
    menuKeys.rightLetter = keys.right;
    menuKeys.decide = keys.swap;
    menuKeys.back = keys.cancel;
}

bool UpHeld() { return KeyHeld(menuKeys.up) || KeyHeld(menuKeys.upLetter); }
bool DownHeld() { return KeyHeld(menuKeys.down) || KeyHeld(menuKeys.downLetter); }
bool LeftHeld() { return KeyHeld(menuKeys.left) || KeyHeld(menuKeys.leftLetter); }
bool RightHeld() { return KeyHeld(menuKeys.right) || KeyHeld(menuKeys.rightLetter); }
bool DecideHeld() { return KeyHeld(menuKeys.decide) || KeyHeld(menuKeys.enter); }

bool RepeatStep(int8_t& counter) {
    const bool move = counter == 0 || (counter >= 30 && counter % 10 == 0);
    ++counter;
    return move;
}

void SettleRepeat(int8_t& counter, bool anyHeld) {
    if (!anyHeld) {
        counter = 0;
    } else if (counter >= 100) {
        counter = static_cast<int8_t>(counter - 70);
    }
}

int CursorPhase(CursorAnimation& animation) {
    animation.now = TimeGetTime();
    if (animation.now - animation.cycleStart >= 200) animation.cycleStart = animation.now;
    return static_cast<int>((animation.now - animation.cycleStart) / 100);
}

void RestartCursorCycle(CursorAnimation& animation) { animation.cycleStart = animation.now; }

void DrawCursorFrame(int x, int y, int w, int h, int f) {
    const SheetRect box = titleSheetLayout::CursorFrame(f);
    const int b = titleSheetLayout::frameBorder;
    const int l = box.left, t = box.top, r = box.right - b, bt = box.bottom - b;
    // Corners at their own size.
    BlitStretched(&backBuffer, mainSheet, keyedStretch, x, y, x + b, y + b, l, t, l + b, t + b);
    BlitStretched(&backBuffer, mainSheet, keyedStretch, x + w - b, y, x + w, y + b, r, t, r + b, t + b);
    BlitStretched(&backBuffer, mainSheet, keyedStretch, x, y + h - b, x + b, y + h, l, bt, l + b, bt + b);
    BlitStretched(&backBuffer, mainSheet, keyedStretch, x + w - b, y + h - b, x + w, y + h, r, bt, r + b, bt + b);
    // Edges stretched between them.
    BlitStretched(&backBuffer, mainSheet, keyedStretch, x + b, y, x + w - b, y + b, l + b, t, l + 2 * b, t + b);
    BlitStretched(&backBuffer, mainSheet, keyedStretch, x + b, y + h - b, x + w - b, y + h, l + b, bt, l + 2 * b, bt + b);
    BlitStretched(&backBuffer, mainSheet, keyedStretch, x, y + b, x + b, y + h - b, l, t + b, l + b, t + 2 * b);
    BlitStretched(&backBuffer, mainSheet, keyedStretch, x + w - b, y + b, x + w, y + h - b, r, t + b, r + b, t + 2 * b);
}

void DrawCappedCursorFrame(int x, int y, int w, int rowHeight, int f) {
    const SheetRect box = titleSheetLayout::CursorFrame(f);
    const int b = titleSheetLayout::frameBorder;
    const int l = box.left, r = box.right - b;
    for (int row = 0; row < 2; ++row) {
        const int sy = row == 0 ? box.top : box.bottom - rowHeight;
        const int dy = y + rowHeight * row;
        BlitClipped(&backBuffer, x, dy, mainSheet, keyedCopy, l, sy, l + b, sy + rowHeight);
        BlitStretched(&backBuffer, mainSheet, keyedStretch, x + b, dy, x + w - b, dy + rowHeight, l + b, sy, l + 2 * b,
                      sy + rowHeight);
        BlitClipped(&backBuffer, x + w - b, dy, mainSheet, keyedCopy, r, sy, r + b, sy + rowHeight);
    }
}

void DrawCornerFrame(int x, int y, int f) {
    const SheetRect box = titleSheetLayout::CursorFrame(f);
    // Corners of 23 x 23 from the 40 x 40 box, overlapping in its middle.
    for (int corner = 0; corner < 4; ++corner) {
        const int right = corner % 2;
        const int lower = corner / 2;
        const int sx = box.left + 17 * right;
        const int sy = box.top + 17 * lower;
        BlitClipped(&backBuffer, x + 23 * right, y + 23 * lower, mainSheet, keyedCopy, sx, sy, sx + 23, sy + 23);
    }
}

void BeginPanelText(FontHandle font) {
    BeginText();
    SelectPen(whitePen);
    SelectBrush(blueBrush);
    SelectFont(font);
    SetBkMode(bkTransparent);
    SetTextColor(MakeRgb(255, 255, 255));
}
