#include "setup/confirm_drawing.h"

#include <cstdio>

#include "content/title_sheet.h"
#include "platform/text.h"
#include "setup/player_params.h"
#include "setup/radar_chart.h"
#include "setup/remote_opponent.h"
#include "setup/setup_pictures.h"
#include "setup/setup_state.h"
#include "setup/setup_texts.h"
#include "shell/menu_input.h"

namespace {

SetupScreenState& s = setupState;

// A side whose profile has not come from the other machine shows its chart
// empty: no levels, points, items or answer.
bool Shown(int i) { return remoteOpponent.hidden[i] == 0; }
bool ShowsItems(int i) { return Shown(i) && itemUseOff[i] == 0 && itemSlots[i][0] != -1; }
bool ShowsLeftover(int i) { return Shown(i) && pointsLeft[i] > 0; }

void Panels() {
    const int g = boxGrowth;
    BeginPanelText(smallFont);
    RoundRect(319 - 30 * g, 450 - 2 * g, 319 + 30 * g, 450 + 2 * g, 10, 10);
    for (int i = 0; i < 2; ++i) {
        const int cx = 160 + 320 * i;
        if (ShowsLeftover(i)) RoundRect(cx - 15 * g, 80 - 2 * g, cx + 15 * g, 80 + 2 * g, 10, 10);
        if (ShowsItems(i)) RoundRect(cx - 12 * g, 380 - 2 * g, cx + 12 * g, 380 + 2 * g, 10, 10);
        const int px = 55 + 320 * i;
        RoundRect(px - 5 * g, 30 - 2 * g, px + 5 * g, 30 + 2 * g, 10, 10);
    }
    EndText();
}

void PlayerTexts(int i) {
    const int x = 320 * i;
    char line[48];
    BeginPanelText(smallFont);
    if (ShowsLeftover(i)) {
        std::snprintf(line, sizeof line, Tr(TextName::SetupLeftover), pointsLeft[i]);
        DrawTextInRect(line, textCenter, 10 + x, 70, 310 + x, 90);
    }
    if (ShowsItems(i)) DrawTextInRect(Tr(TextName::SetupItemsLabel), textLeft, 50 + x, 370, 270 + x, 390);
    std::snprintf(line, sizeof line, Tr(TextName::SetupPlayer), i + 1);
    DrawTextInRect(line, textCenter, 10 + x, 20, 100 + x, 40);
    EndText();
}

void PlayerPictures(int i, int f) {
    const int x = 320 * i;
    if (ShowsItems(i)) {
        for (int j = 0; j < 2; ++j)
            if (itemSlots[i][j] != -1) ItemIcon(itemSlots[i][j], 150 + x + 40 * j, 364);
    }
    TitlePicture(titleSheetLayout::decideButton, 125 + x, 10);
    TitlePicture(titleSheetLayout::backTile, 220 + x, 10);
    if (!Shown(i)) return;
    // A player who has answered sees his brackets stand still.
    const int c = s.confirmChoice[i];
    DrawBrackets(110 + x + 95 * c, 205 + x + 95 * c, 10, s.confirmDone[i] != 0 ? 0 : f);
}

}  // namespace

void DrawConfirmScreen() {
    const int f = CursorPhase(s.confirmBlink);
    ShowRadarCanvas();
    Panels();
    if (boxGrowth < 10) {
        ++boxGrowth;
        return;
    }
    BeginPanelText(smallFont);
    const char* line = remoteOpponent.confirmLine != nullptr ? remoteOpponent.confirmLine : Tr(TextName::SetupConfirmQuestion);
    DrawTextInRect(line, textCenter, 0, 440, 639, 460);
    EndText();
    for (int i = 0; i < 2; ++i) {
        if (Shown(i)) DrawLevelPolygon(i, playerParams[i]);
        DrawPlateNames(i);
        PlayerTexts(i);
        PlayerPictures(i, f);
    }
}
