#include "shell/farewell.h"

#include "content/game_texts.h"
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
    // Four letters in boxes 90 apart, every other one 30 lower.
    for (int i = 0; i < 4; ++i) {
        const int left = 150 + 90 * i;
        const int top = i % 2 == 0 ? 190 : 220;
        DrawTextInRect(Tr(TextAfter(TextName::FarewellLetter1, i)), textCenter, left, top, left + 70, top + 70);
    }
    EndText();
    Present();
}

void ShutdownScene() {
    EmptyAllSlots();
    ReleaseSoundSlots();
    quitPosted = true;
}
