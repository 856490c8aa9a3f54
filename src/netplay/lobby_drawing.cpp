#include "netplay/lobby_drawing.h"

#include "platform/tiled_background.h"
#include "shell/key_guide.h"
#include "shell/menu_input.h"

void DrawLobbyFrame(const char* title) {
    ScrollTiledBackground();
    BeginPanelText(smallFont);
    RoundRect(160, 24, 480, 64, 10, 10);
    DrawTextInRect(title, textCenter, 160, 34, 480, 56);
    EndText();
    DrawKeyGuideHint(610, 450);
}

void DrawLobbyLine(const char* text, int top) {
    BeginPanelText(smallFont);
    RoundRect(40, top, 600, top + 34, 10, 10);
    DrawTextInRect(text, textCenter, 40, top + 7, 600, top + 29);
    EndText();
}

bool LobbyBackPressed() {
    const bool back = KeyHeld(menuKeys.back) || KeyHeld(menuKeys.escape);
    const bool pressed = back && cancelHeld == 0;
    cancelHeld = back ? 1 : 0;
    return pressed;
}
