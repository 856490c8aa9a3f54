#include "shell/key_guide.h"

#include <cstring>

#include "platform/keys.h"
#include "platform/present.h"
#include "platform/surface.h"
#include "platform/wipe.h"
#include "shell/menu_input.h"

namespace {

const KeyGuidePage* shownPage = nullptr;    // named by the screen on show
const KeyGuidePage* pendingPage = nullptr;  // to open once no wipe runs
const KeyGuidePage* openPage = nullptr;     // on screen, or null

// The screen under the guide, put back as it closes: some screens draw only
// what changes, and must find their frame as they left it.
uint8_t coveredFrame[screenWidth * screenHeight];

void Open(const KeyGuidePage* page) {
    openPage = page;
    pendingPage = nullptr;
    HoldBackHeldKeys();
    std::memcpy(coveredFrame, backBuffer.pixels, sizeof coveredFrame);
    if (page->covered != nullptr) page->covered(true);
    DrawKeyGuide(*page);
    Present();
}

bool CloseKeyHeld() { return KeyHeld(menuKeys.guide) || KeyHeld(menuKeys.back) || KeyHeld(menuKeys.escape); }

}  // namespace

void SetKeyGuidePage(const KeyGuidePage* page) { shownPage = page; }

const KeyGuidePage* KeyGuidePageShown() { return shownPage; }

void OpenKeyGuideSoon(const KeyGuidePage* page) { pendingPage = page; }

bool KeyGuidePass() {
    if (openPage == nullptr) {
        if (wipeState != 0) return false;
        if (pendingPage != nullptr) {
            Open(pendingPage);
            return true;
        }
        if (shownPage == nullptr || !KeyHeld(menuKeys.guide)) return false;
        Open(shownPage);
        return true;
    }
    if (CloseKeyHeld() || (openPage->underneath != nullptr && openPage->underneath())) CloseKeyGuide();
    // Nothing changes under the guide: the frame is shown again, which paces
    // the pass like any other frame. Closed, the screen shows as it was.
    Present();
    return true;
}

void CloseKeyGuide() {
    if (openPage == nullptr) return;
    const KeyGuidePage* page = openPage;
    openPage = nullptr;
    HoldBackHeldKeys();
    std::memcpy(backBuffer.pixels, coveredFrame, sizeof coveredFrame);
    if (page->covered != nullptr) page->covered(false);
}

bool KeyGuideOpen() { return openPage != nullptr; }

const KeyGuidePage* KeyGuidePageOpen() { return openPage; }

void ResetKeyGuide() {
    shownPage = nullptr;
    pendingPage = nullptr;
    openPage = nullptr;
}
