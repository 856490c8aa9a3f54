#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/backend.h"
#include "platform/sdl/sdl_backend.h"

namespace backend {

SDL_Window* gameWindow = nullptr;

namespace {

char failureLine[512];

const char* Failure(const char* what, const char* why) {
    std::snprintf(failureLine, sizeof failureLine, "%s: %s", what, why);
    return failureLine;
}

// Without a display SDL falls back to drivers that draw nowhere; the game
// would run unseen. They count only when asked for by name.
bool DrawsNowhere(const char* driver) {
    if (std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0) return false;
    const char* requested = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    return requested == nullptr || std::strstr(requested, driver) == nullptr;
}

// Says which display could not be reached, in one line.
const char* NoDisplay() {
    const char* x11Display = std::getenv("DISPLAY");
    char reason[256];
    if (x11Display == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr) {
        std::snprintf(reason, sizeof reason, "no display (DISPLAY is not set)");
    } else if (x11Display != nullptr) {
        std::snprintf(reason, sizeof reason, "display \"%s\" cannot be reached (%s)", x11Display, SDL_GetError());
    } else {
        std::snprintf(reason, sizeof reason, "%s", SDL_GetError());
    }
    return Failure("cannot open a window", reason);
}

}  // namespace

bool Start(const char*& failure, bool fullScreen) {
    // Wayland cannot be reached without its runtime folder, and probing it
    // anyway only prints noise next to our own message.
    if (SDL_GetHint(SDL_HINT_VIDEODRIVER) == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr &&
        std::getenv("XDG_RUNTIME_DIR") == nullptr) {
        SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
    }
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
        failure = NoDisplay();
        return false;
    }
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver == nullptr || DrawsNowhere(driver)) {
        SDL_SetError("no usable video driver");
        failure = NoDisplay();
        SDL_Quit();
        return false;
    }
    // On X11 the window surface goes straight to the server through shared
    // memory; the default would route it through a GL texture, which costs
    // far more for our small, mostly unchanged frames.
    if (std::strcmp(driver, "x11") == 0) {
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    }
    gameWindow = SDL_CreateWindow("Direct X", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 960, 640,
                                  SDL_WINDOW_RESIZABLE);
    if (gameWindow == nullptr) {
        failure = Failure("cannot open a window", SDL_GetError());
        SDL_Quit();
        return false;
    }
    SetWindowIcon();
    SDL_ShowCursor(SDL_DISABLE);
    // Only key presses matter; text and mouse motion would just be traffic.
    SDL_StopTextInput();
    SDL_EventState(SDL_MOUSEMOTION, SDL_IGNORE);
    ReadKeyLabels();
    ResetPresenter();
    ResetPacing();
    OpenAudio();
    OpenPads();
    if (fullScreen) ToggleFullScreen();
    return true;
}

void Shutdown() {
    ClosePads();
    CloseAudio();
    ReleaseAllKeys();
    ResetPresenter();
    if (gameWindow != nullptr) SDL_DestroyWindow(gameWindow);
    gameWindow = nullptr;
    SDL_Quit();
}

}  // namespace backend
