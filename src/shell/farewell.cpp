#include "shell/farewell.h"

#include "platform/blit.h"
#include "platform/clock.h"
#include "platform/present.h"
#include "platform/sound.h"
#include "platform/surface.h"
#include "platform/text.h"
#include "shell/scene.h"

bool quitPosted = false;

void BeginFarewell() {
    sceneClock.now = TimeGetTime();
    sceneClock.mark = sceneClock.now;
    StopSound(bgmBuffer);
    LoadSoundBuffer(bgmBuffer, "Sound\\GameEnd.wav");
    RestartSound(bgmBuffer, false);
    currentScene = ExitScene;
}

void WindowClosed() {
    // A second close while saying goodbye changes nothing.
    if (currentScene == ExitScene || currentScene == ShutdownScene) return;
    BeginFarewell();
}

void ExitScene() {
    sceneClock.now = TimeGetTime();
    if (sceneClock.now - sceneClock.mark > 3000) {
        StopSound(bgmBuffer);
        StopSound(seBuffer1);
        StopSound(seBuffer2);
        currentScene = ShutdownScene;
        return;
    }
    ColorFill(&backBuffer, 0, 0, screenWidth, screenHeight, 0);
    BeginText();
    SelectBrush(pinkBrush);
    SelectFont(bigFont);
    SetBkMode(bkTransparent);
    SetTextColor(MakeRgb(255, 255, 255));
    DrawTextInRect("お", textCenter, 150, 190, 220, 260);
    DrawTextInRect("し", textCenter, 240, 220, 310, 290);
    DrawTextInRect("ま", textCenter, 330, 190, 400, 260);
    DrawTextInRect("い", textCenter, 420, 220, 490, 290);
    EndText();
    Present();
}

void ShutdownScene() {
    EmptyAllSlots();
    ReleaseSoundSlots();
    quitPosted = true;
}
