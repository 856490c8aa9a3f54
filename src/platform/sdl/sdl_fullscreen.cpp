#include <SDL_syswm.h>

#include "platform/sdl/sdl_backend.h"

// Desktop full screen is a window manager's job on X11. On a bare X server
// (no manager, as under Xvfb) SDL's request changes only SDL's idea of the
// window size, so there the window is moved over the display by hand.
namespace backend {

namespace {

bool coveringByHand = false;
SDL_Rect windowedPlace{};

using InternAtomCall = Atom (*)(Display*, const char*, Bool);
using GetPropertyCall = int (*)(Display*, Window, Atom, long, long, Bool, Atom, Atom*, int*, unsigned long*,
                                unsigned long*, unsigned char**);
using FreeCall = int (*)(void*);

// An EWMH window manager announces itself on the root window.
bool WindowManagerMissing() {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(gameWindow, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) return false;
    // SDL already has the library loaded; this only finds its functions.
    void* xlib = SDL_LoadObject("libX11.so.6");
    if (xlib == nullptr) return false;
    const auto internAtom = reinterpret_cast<InternAtomCall>(SDL_LoadFunction(xlib, "XInternAtom"));
    const auto getProperty = reinterpret_cast<GetPropertyCall>(SDL_LoadFunction(xlib, "XGetWindowProperty"));
    const auto freeData = reinterpret_cast<FreeCall>(SDL_LoadFunction(xlib, "XFree"));
    bool missing = false;
    if (internAtom != nullptr && getProperty != nullptr && freeData != nullptr) {
        Display* display = info.info.x11.display;
        const Atom check = internAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
        Atom type = 0;
        int format = 0;
        unsigned long count = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        if (getProperty(display, DefaultRootWindow(display), check, 0, 1, False, XA_WINDOW, &type, &format, &count,
                        &after, &data) == Success) {
            missing = count == 0;
        }
        if (data != nullptr) freeData(data);
    }
    SDL_UnloadObject(xlib);
    return missing;
}

void CoverDisplay() {
    SDL_Rect bounds{};
    if (SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(gameWindow), &bounds) != 0) return;
    SDL_GetWindowPosition(gameWindow, &windowedPlace.x, &windowedPlace.y);
    SDL_GetWindowSize(gameWindow, &windowedPlace.w, &windowedPlace.h);
    SDL_SetWindowPosition(gameWindow, bounds.x, bounds.y);
    SDL_SetWindowSize(gameWindow, bounds.w, bounds.h);
    coveringByHand = true;
}

void UncoverDisplay() {
    SDL_SetWindowSize(gameWindow, windowedPlace.w, windowedPlace.h);
    SDL_SetWindowPosition(gameWindow, windowedPlace.x, windowedPlace.y);
    coveringByHand = false;
}

}  // namespace

void ToggleFullScreen() {
    if (gameWindow == nullptr) return;
    if (coveringByHand) {
        UncoverDisplay();
    } else if ((SDL_GetWindowFlags(gameWindow) & SDL_WINDOW_FULLSCREEN) != 0) {
        SDL_SetWindowFullscreen(gameWindow, 0);
    } else if (WindowManagerMissing()) {
        CoverDisplay();
    } else {
        SDL_SetWindowFullscreen(gameWindow, SDL_WINDOW_FULLSCREEN_DESKTOP);
    }
    ForgetWindowSurface();
}

}  // namespace backend
