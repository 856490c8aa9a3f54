#include "setup/setup_drawing.h"

#include <algorithm>
#include <cstdio>

#include "content/title_sheet.h"
#include "platform/text.h"
#include "platform/wipe.h"
#include "setup/player_params.h"
#include "setup/radar_chart.h"
#include "setup/setup_pictures.h"
#include "setup/setup_state.h"
#include "setup/setup_texts.h"
#include "shell/menu_input.h"

namespace {

const SetupScreenState& s = setupState;

bool Grown() { return boxGrowth >= 10; }
bool ItemsOn() { return itemUseOff[s.setupPlayer] == 0; }

// Without items EX and LOCK are not used: their rows wear the two covers.
// The covers are narrower than the label cells, so those labels are left
// out rather than showing round them.
constexpr int coveredRows[2] = {0, 4};
bool Covered(int k) { return !ItemsOn() && (k == coveredRows[0] || k == coveredRows[1]); }

void Text(const char* text, int format, int left, int top, int right, int bottom) {
    DrawTextInRect(text, format, left, top, right, bottom);
}

}  // namespace

void DrawSetupPanels() {
    BeginPanelText(smallFont);
    const int g = boxGrowth;
    if (s.setupPage == 0) RoundRect(319 - 30 * g, 439 - 3 * g, 319 + 30 * g, 439 + 3 * g, 10, 10);
    if (ItemsOn()) {
        RoundRect(489 - 15 * g, 205 - 14 * g, 489 + 15 * g, 207 + 14 * g, 10, 10);
    } else {
        RoundRect(489 - 15 * g, 190 - 13 * g, 489 + 15 * g, 190 + 13 * g, 10, 10);
    }
    RoundRect(275 - 15 * g, 22 - 2 * g, 275 + 15 * g, 22 + 2 * g, 10, 10);
    RoundRect(60 - 5 * g, 22 - 2 * g, 60 + 5 * g, 22 + 2 * g, 10, 10);
    RoundRect(270 - 5 * g, 75 - 2 * g, 270 + 5 * g, 75 + 2 * g, 10, 10);
    EndText();
}

void DrawSetupChart() {
    if (!Grown()) return;
    ShowRadarCanvas();
    if (wipeState == 0) DrawLevelPolygon(0, playerParams[s.setupPlayer]);
    DrawPlateNames(0);
}

void DrawParamTable() {
    if (!Grown()) return;
    const int p = s.setupPlayer;
    char line[32];
    BeginPanelText(smallFont);
    for (int k = 0; k <= itemUseRow; ++k)
        if (!Covered(k)) Text(Tr(RowLabel(k)), textLeft, 420, 80 + 40 * k, 635, 100 + 40 * k);
    if (wipeState == 0) {
        std::snprintf(line, sizeof line, Tr(TextName::SetupPlayer), p + 1);
        Text(line, textCenter, 10, 12, 110, 32);
        Text(Tr(ItemsOn() ? TextName::SetupBudgetItemsOn : TextName::SetupBudgetItemsOff), textCenter, 125, 12, 425, 32);
        std::snprintf(line, sizeof line, Tr(TextName::SetupPoints), pointsLeft[p]);
        // The label may run on into the room the points leave: English says
        // "Left 15" where Japanese says 残り 15 P.
        const int labelRight = std::max(270, 315 - TextWidth(line) - 4);
        Text(Tr(TextName::SetupRemaining), textLeft, 230, 65, labelRight, 85);
        Text(line, textRight, 265, 65, 315, 85);
        for (int k = 0; k < paramCount; ++k) {
            std::snprintf(line, sizeof line, "%d", playerParams[p][k]);
            Text(line, textCenter, 380, 80 + 40 * k, 415, 100 + 40 * k);
        }
        // "OFF" is nearly as wide as the value column: centred a few pixels
        // further left, it keeps clear of the table's line, as the row
        // marker does on the other side.
        Text(Tr(ItemsOn() ? TextName::SetupItemsOn : TextName::SetupItemsOff), textCenter, 376, 280, 411, 300);
        if (ItemsOn()) Text(Tr(TextName::SetupItemsRow), textCenter, 385, 317, 635, 337);
        const int lines = ItemsOn() ? 6 : 5;
        for (int k = 0; k < lines; ++k) {
            MoveTo(380, 110 + 40 * k);
            LineTo(630, 110 + 40 * k);
        }
        MoveTo(415, 70);
        LineTo(415, 310);
    }
    EndText();
    TitlePicture(titleSheetLayout::decideButton, 445, 10);
    TitlePicture(titleSheetLayout::backTile, 545, 10);
    if (!ItemsOn()) {
        for (int k : coveredRows) {
            TitlePicture(titleSheetLayout::notUsedCoverA, 440, 70 + 40 * k);
            TitlePicture(titleSheetLayout::notUsedCoverB, 520, 70 + 40 * k);
        }
    }
    if (wipeState == 0) {
        for (int j = 0; j < 2; ++j)
            if (itemSlots[p][j] >= 0) ItemIcon(itemSlots[p][j], 388 + 210 * j, 312);
    }
}

void DrawParamPage(int f) {
    if (Grown()) {
        const char* first = nullptr;
        const char* second = nullptr;
        EntryDescription(s.setupPlayer, s.setupCursor, first, second);
        BeginPanelText(smallFont);
        if (first != nullptr) Text(first, textCenter, 0, 420, 639, 440);
        if (second != nullptr) Text(second, textCenter, 0, 445, 639, 465);
        EndText();
    }
    if (s.setupCursor >= 0) {
        TitlePicture(titleSheetLayout::rowMarker, 350, 78 + 40 * s.setupCursor);
    } else {
        DrawCappedCursorFrame(342 - 100 * s.setupCursor, 7, 86, 23, f);
    }
}
