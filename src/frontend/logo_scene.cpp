#include "frontend/logo_scene.h"

#include "content/logo_sheet.h"
#include "content/palette_layout.h"
#include "frontend/title_scene.h"
#include "platform/blit.h"
#include "platform/clock.h"
#include "platform/present.h"
#include "platform/sound.h"
#include "platform/surface.h"
#include "platform/tiled_background.h"
#include "platform/wipe.h"
#include "shell/menu_assets.h"
#include "shell/scene.h"

LogoState logoState;

namespace {

constexpr int logoX = 200;

void DrawEmblem() {
    using namespace logoSheetLayout;
    LogoState& s = logoState;
    if (s.bounceCount == 6 && s.spinCount < 6) {
        // The emblem turns like a coin: it narrows to its centre line and widens again.
        const int e = static_cast<int>((sceneClock.now - sceneClock.mark) / 10);
        if (e < 17) {
            BlitStretched(&backBuffer, logoSheet, keyedStretch, 350 + e, 210, 384 - e, 243, emblem.left, emblem.top,
                          emblem.right, emblem.bottom);
        } else if (e > 17) {
            BlitStretched(&backBuffer, logoSheet, keyedStretch, 384 - e, 210, 350 + e, 243, emblem.left, emblem.top,
                          emblem.right, emblem.bottom);
        }
        if (sceneClock.now - sceneClock.mark >= 340) {
            sceneClock.mark = sceneClock.now;
            ++s.spinCount;
        }
    } else if (s.spinCount >= 6) {
        BlitStretched(&backBuffer, logoSheet, keyedStretch, 350, 210, 384, 243, emblem.left, emblem.top, emblem.right,
                      emblem.bottom);
    }
}

void StepPhase() {
    LogoState& s = logoState;
    if (s.logoY >= logoFloor && s.bounceCount < 5) {
        s.logoY = logoFloor;
        s.logoVelocity = -bounceTable[s.bounceCount];
        ++s.bounceCount;
    } else if (s.logoY >= logoFloor && s.bounceCount == 5) {
        sceneClock.now = TimeGetTime();
        if (sceneClock.now - sceneClock.mark > 500) {
            sceneClock.mark = sceneClock.now;
            s.bounceCount = 6;
            RestartSound(bgmBuffer, false);
        }
    } else if (s.spinCount == 6) {
        sceneClock.now = TimeGetTime();
        if (sceneClock.now - sceneClock.mark > 2500) {
            sceneClock.mark = sceneClock.now;
            s.bounceCount = 7;
            s.spinCount = 7;
        }
    }
}

}  // namespace

void LogoScene() {
    LogoState& s = logoState;
    ColorFill(&backBuffer, 0, 0, screenWidth, screenHeight, paletteLayout::logoBackground);
    const SheetRect& logo = logoSheetLayout::bouncingLogo;
    if (wipeState <= 0) {
        if (s.bounceCount < 5) {
            s.logoY += s.logoVelocity;
            s.logoVelocity += 1;
        }
        BlitClipped(&backBuffer, logoX, s.logoY, logoSheet, keyedCopy, logo.left, logo.top, logo.right, logo.bottom);
        sceneClock.now = TimeGetTime();
        DrawEmblem();
        StepPhase();
    } else {
        // While a wipe runs the picture stands still but stays on screen, so
        // the logo does not blink out as the wipe starts to close.
        BlitClipped(&backBuffer, logoX, s.logoY, logoSheet, keyedCopy, logo.left, logo.top, logo.right, logo.bottom);
        if (s.spinCount >= 6) {
            const SheetRect& e = logoSheetLayout::emblem;
            BlitStretched(&backBuffer, logoSheet, keyedStretch, 350, 210, 384, 243, e.left, e.top, e.right, e.bottom);
        }
    }
    if (wipeState == 2) {
        StripeWipe(1);
    } else if (s.spinCount >= 7) {
        if (StripeWipe(0)) {
            s = LogoState{};
            BuildTiledBackground();
            currentScene = TitleScene;
        }
    }
    Present();
}
