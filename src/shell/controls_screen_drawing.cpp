#include "content/game_texts.h"
#include "platform/key_bindings.h"
#include "platform/palette.h"
#include "platform/surface.h"
#include "platform/text.h"
#include "shell/controls_screen.h"
#include "shell/key_caps.h"
#include "shell/key_guide.h"

namespace {

constexpr int panelLeft = 16;
constexpr int panelTop = 10;
constexpr int panelRight = 624;
constexpr int panelBottom = 470;
constexpr int nameLeft = 32;
constexpr int firstRowTop = 78;
constexpr int rowHeight = 25;
constexpr int cellWidth = 100;
constexpr int cellLeft[controlsColumns] = {184, 292, 406, 514};
constexpr int setRowTop = 362;
constexpr int setWidth = 180;
constexpr int setLeft[controlsSetCount] = {36, 230, 424};
constexpr int messageTop = 398;
constexpr int footerTop = 434;

constexpr Rgb white = MakeRgb(255, 255, 255);
constexpr Rgb chosen = MakeRgb(255, 224, 64);
constexpr Rgb waitingFace = MakeRgb(255, 128, 64);
constexpr Rgb padFace = MakeRgb(200, 232, 255);

constexpr TextName setNames[controlsSetCount] = {TextName::ControlsSetDefault, TextName::ControlsSetArrows,
                                                 TextName::ControlsSetWasd};

void DrawCell(int x, int y, int w, const char* label, Rgb face) { DrawKeyCap(x, y, label, face, w); }

Rgb FaceOf(int row, int column, Rgb normal) {
    const ControlsScreenState& s = controlsScreen;
    if (row != s.row || column != s.column) return normal;
    return s.waiting != 0 ? waitingFace : chosen;
}

}  // namespace

int ControlsCellX(int row, int column) { return row == controlsSetRow ? setLeft[column] : cellLeft[column]; }

int ControlsCellY(int row) { return row == controlsSetRow ? setRowTop : firstRowTop + rowHeight * row; }

void DrawControlsScreen() {
    const ControlsScreenState& s = controlsScreen;
    BeginText();
    SetBkMode(bkTransparent);
    SelectPen(whitePen);
    SelectBrush(blueBrush);
    RoundRect(panelLeft, panelTop, panelRight, panelBottom, 10, 10);
    SelectFont(smallFont);
    SetTextColor(white);
    DrawTextInRect(Tr(TextName::ControlsTitle), textCenter, panelLeft, panelTop + 10, panelRight, panelTop + 36);
    MoveTo(panelLeft + 16, panelTop + 38);
    LineTo(panelRight - 16, panelTop + 38);
    for (int c = 0; c < controlsColumns; ++c)
        DrawTextInRect(Tr(TextAfter(TextName::ControlsHeading1PKey, c)), textCenter, cellLeft[c], panelTop + 44,
                       cellLeft[c] + cellWidth, firstRowTop);

    for (int a = 0; a < bindingActionCount; ++a) {
        const int y = ControlsCellY(a);
        SelectFont(smallFont);
        SetTextColor(white);
        DrawTextInRect(bindingActionNames[a], textLeft, nameLeft, y + 2, cellLeft[0] - 4, y + rowHeight);
        for (int c = 0; c < controlsColumns; ++c) {
            const int p = c / 2;
            const bool waitingHere = s.waiting != 0 && s.row == a && s.column == c;
            const char* label = waitingHere ? Tr(TextName::ControlsWaitingCell)
                                : c % 2 == 0 ? KeyCapLabel(BoundKey(p, a))
                                             : PadButtonLabel(playerButtons[p][a]);
            DrawCell(cellLeft[c], y, cellWidth, label, FaceOf(a, c, c % 2 == 0 ? white : padFace));
        }
    }
    for (int c = 0; c < controlsSetCount; ++c) DrawCell(setLeft[c], setRowTop, setWidth, Tr(setNames[c]), FaceOf(controlsSetRow, c, white));

    SelectFont(smallFont);
    SetTextColor(white);
    DrawTextInRect(s.message, textCenter, panelLeft + 8, messageTop, panelRight - 8, messageTop + 26);
    MoveTo(panelLeft + 16, footerTop - 6);
    LineTo(panelRight - 16, footerTop - 6);
    EndText();
    DrawKeyHint(panelRight - 24, footerTop, vkEscape, Tr(TextName::ControlsFooterBack));
    DrawKeyHint(panelRight - 150, footerTop, vkReturn, Tr(TextName::ControlsFooterChoose));
    DrawKeyHint(panelRight - 290, footerTop, vkDown, "");
    DrawKeyHint(panelRight - 318, footerTop, vkUp, "");
    DrawKeyHint(panelRight - 346, footerTop, vkRight, "");
    DrawKeyHint(panelRight - 374, footerTop, vkLeft, "");
}
