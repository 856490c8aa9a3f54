#include <cstdio>
#include <cstring>

#include "platform/backend.h"
#include "platform/sdl/sdl_backend.h"

namespace backend {

SDL_Window* gameWindow = nullptr;

namespace {

char failureLine[512];

const char* Failure(const char* what) {
    std::snprintf(failureLine, sizeof failureLine, "%s: %s", what, SDL_GetError());
    return failureLine;
}

}  // namespace

bool Start(const char*& failure) {
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
        failure = Failure("cannot open a window");
        return false;
    }
    // On X11 the window surface goes straight to the server through shared
    // memory; the default would route it through a GL texture, which costs
    // far more for our small, mostly unchanged frames.
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver != nullptr && std::strcmp(driver, "x11") == 0) {
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    }
    gameWindow = SDL_CreateWindow("Direct X", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 960, 640,
                                  SDL_WINDOW_RESIZABLE);
    if (gameWindow == nullptr) {
        failure = Failure("cannot open a window");
        SDL_Quit();
        return false;
    }
    SDL_ShowCursor(SDL_DISABLE);
    // Only key presses matter; text and mouse motion would just be traffic.
    SDL_StopTextInput();
    SDL_EventState(SDL_MOUSEMOTION, SDL_IGNORE);
    ResetPresenter();
    ResetPacing();
    OpenAudio();
    return true;
}

void Shutdown() {
    CloseAudio();
    ReleaseAllKeys();
    ResetPresenter();
    if (gameWindow != nullptr) SDL_DestroyWindow(gameWindow);
    gameWindow = nullptr;
    SDL_Quit();
}

}  // namespace backend
