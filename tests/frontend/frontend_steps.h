#pragma once
#include "frontend/logo_scene.h"
#include "frontend/main_menu.h"
#include "frontend/title_scene.h"
#include "harness/harness.h"
#include "platform/clock.h"
#include "platform/keys.h"
#include "platform/sound.h"
#include "platform/surface.h"
#include "platform/wipe.h"
#include "shell/scene.h"

// Common walks through the front end for the tests.
namespace frontendSteps {

inline bool At(Scene scene) { return currentScene == scene; }

// Boots and waits until the title screen is open and taking keys.
inline bool BootToTitle() {
    harness::Boot();
    return harness::RunUntil([] { return At(TitleScene) && wipeState == 0; });
}

// From the open title: start, and wait until the menu is open.
inline bool TitleToMenu() {
    harness::Tap('X');
    return harness::RunUntil([] { return At(MainMenuScene) && wipeState == 0; });
}

inline bool BootToMenu() { return BootToTitle() && TitleToMenu(); }

}  // namespace frontendSteps
