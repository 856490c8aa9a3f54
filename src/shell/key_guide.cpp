#include "shell/key_guide.h"

#include <cstring>

#include "platform/keys.h"
#include "platform/present.h"
#include "platform/surface.h"
#include "platform/wipe.h"
#include "shell/controls_screen.h"
#include "shell/menu_input.h"

namespace {

const KeyGuidePage* shownPage = nullptr;    // named by the screen on show
const KeyGuidePage* pendingPage = nullptr;  // to open once no wipe runs
const KeyGuidePage* openPage = nullptr;     // on screen, or null
const KeyGuidePage* coveredPage = nullptr;  // whose screen the guide or the controls cover
bool controlsOpen = false;                  // the controls screen is up

// The screen under the guide, put back as it closes: some screens draw only
// what changes, and must find their frame as they left it.
uint8_t coveredFrame[screenWidth * screenHeight];

void Cover(const KeyGuidePage* page) {
    coveredPage = page;
    HoldBackHeldKeys();
    std::memcpy(coveredFrame, backBuffer.pixels, sizeof coveredFrame);
    if (page->covered != nullptr) page->covered(true);
}

void Uncover() {
    const KeyGuidePage* page = coveredPage;
    coveredPage = nullptr;
    HoldBackHeldKeys();
    std::memcpy(backBuffer.pixels, coveredFrame, sizeof coveredFrame);
    if (page != nullptr && page->covered != nullptr) page->covered(false);
}

void Open(const KeyGuidePage* page) {
    openPage = page;
    pendingPage = nullptr;
    Cover(page);
    DrawKeyGuide(*page);
    Present();
}

// One frame of the controls screen over the dimmed screen it covers.
void ControlsPass() {
    // The screen under it may keep a link going, as under the guide.
    const bool gone = coveredPage != nullptr && coveredPage->underneath != nullptr && coveredPage->underneath();
    std::memcpy(backBuffer.pixels, coveredFrame, sizeof coveredFrame);
    DimScreen();
    if (!ControlsScreenFrame() || gone) {
        controlsOpen = false;
        Uncover();
    }
    Present();
}

void OpenControls() {
    controlsOpen = true;
    openPage = nullptr;
    HoldBackHeldKeys();
    BeginControlsScreen();
    ControlsPass();
}

bool CloseKeyHeld() { return KeyHeld(menuKeys.guide) || KeyHeld(menuKeys.back) || KeyHeld(menuKeys.escape); }

}  // namespace

void SetKeyGuidePage(const KeyGuidePage* page) { shownPage = page; }

const KeyGuidePage* KeyGuidePageShown() { return shownPage; }

void OpenKeyGuideSoon(const KeyGuidePage* page) { pendingPage = page; }

bool KeyGuidePass() {
    if (controlsOpen) {
        ControlsPass();
        return true;
    }
    if (openPage == nullptr) {
        if (wipeState != 0) return false;
        if (pendingPage != nullptr) {
            Open(pendingPage);
            return true;
        }
        if (shownPage == nullptr) return false;
        if (KeyHeld(menuKeys.controls)) {
            Cover(shownPage);
            OpenControls();
            return true;
        }
        if (!KeyHeld(menuKeys.guide)) return false;
        Open(shownPage);
        return true;
    }
    // From the guide on to the controls screen, over the same screen.
    if (KeyHeld(menuKeys.controls)) {
        OpenControls();
        return true;
    }
    if (CloseKeyHeld() || (openPage->underneath != nullptr && openPage->underneath())) CloseKeyGuide();
    // Nothing changes under the guide: the frame is shown again, which paces
    // the pass like any other frame. Closed, the screen shows as it was.
    Present();
    return true;
}

void CloseKeyGuide() {
    if (openPage == nullptr && !controlsOpen) return;
    openPage = nullptr;
    controlsOpen = false;
    Uncover();
}

bool KeyGuideOpen() { return openPage != nullptr || controlsOpen; }

bool ControlsScreenOpen() { return controlsOpen; }

const KeyGuidePage* KeyGuidePageOpen() { return openPage; }

void ResetKeyGuide() {
    shownPage = nullptr;
    pendingPage = nullptr;
    openPage = nullptr;
    coveredPage = nullptr;
    controlsOpen = false;
}
