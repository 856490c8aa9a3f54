#include "platform/backend.h"
#include "platform/pad_input.h"
#include "platform/sdl/sdl_backend.h"

namespace backend {

namespace {

bool closeReported = false;

void HandleWindowEvent(const SDL_WindowEvent& window) {
    switch (window.event) {
        case SDL_WINDOWEVENT_SIZE_CHANGED:
        case SDL_WINDOWEVENT_RESIZED: ForgetWindowSurface(); break;
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_RESTORED: RepaintWindow(); break;
        // Keys released while another window has the focus never reach us.
        case SDL_WINDOWEVENT_FOCUS_LOST:
            ReleaseAllKeys();
            ReleaseAllPads();
            break;
        default: break;
    }
}

}  // namespace

bool PumpEvents() {
    bool closed = false;
    FollowTypedText();
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
        switch (event.type) {
            case SDL_QUIT:
                if (!closeReported) closed = true;
                closeReported = true;
                break;
            case SDL_KEYDOWN:
                HandleTypedEvent(event);
                HandleKeyEvent(event.key);
                break;
            case SDL_KEYUP: HandleKeyEvent(event.key); break;
            case SDL_TEXTINPUT: HandleTypedEvent(event); break;
            case SDL_WINDOWEVENT: HandleWindowEvent(event.window); break;
            case SDL_KEYMAPCHANGED: ReadKeyLabels(); break;
            default: HandlePadEvent(event); break;
        }
    }
    return closed;
}

}  // namespace backend
