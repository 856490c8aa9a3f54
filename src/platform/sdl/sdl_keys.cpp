#include "platform/keys.h"
#include "platform/sdl/sdl_backend.h"

namespace backend {

namespace {

// One physical key, remembered by scancode so its release always clears the
// game key its press set, whatever the layout does in between. A release
// that comes before any frame saw the press is no concern here: the press
// stays marked for the next frame (platform/keys.h).
struct PhysicalKey {
    int16_t vk = -1;
    bool down = false;
    bool swallowed = false;  // Alt+Enter: never shown to the game
};

PhysicalKey physical[SDL_NUM_SCANCODES];

// The game's key code for a key, or -1 for keys it never reads. Letters
// follow the layout, as the classic key codes do; the digit row, and letter
// keys on layouts without Latin letters, count by their position.
int VirtualKey(const SDL_Keysym& key) {
    const SDL_Keycode sym = key.sym;
    switch (sym) {
        case SDLK_RETURN:
        case SDLK_KP_ENTER: return vkReturn;
        case SDLK_ESCAPE: return vkEscape;
        case SDLK_LEFT: return vkLeft;
        case SDLK_UP: return vkUp;
        case SDLK_RIGHT: return vkRight;
        case SDLK_DOWN: return vkDown;
        case SDLK_F1: return vkF1;
        default: break;
    }
    if (sym >= SDLK_a && sym <= SDLK_z) return 'A' + (sym - SDLK_a);
    if (sym >= SDLK_0 && sym <= SDLK_9) return sym;
    const SDL_Scancode code = key.scancode;
    if (code >= SDL_SCANCODE_1 && code <= SDL_SCANCODE_9) return '1' + (code - SDL_SCANCODE_1);
    if (code == SDL_SCANCODE_0) return '0';
    const bool latin = sym > 0 && sym < 0x80;
    if (!latin && code >= SDL_SCANCODE_A && code <= SDL_SCANCODE_Z) return 'A' + (code - SDL_SCANCODE_A);
    return -1;
}

// Two physical keys can feed one game key (both Enters).
void RefreshGameKey(int vk) {
    bool held = false;
    for (const PhysicalKey& key : physical) {
        if (key.vk == vk && key.down && !key.swallowed) held = true;
    }
    keyboardDown[vk] = held;
    RefreshKey(vk);
}

void Release(PhysicalKey& key) {
    const int vk = key.vk;
    key = PhysicalKey{};
    if (vk >= 0) RefreshGameKey(vk);
}

}  // namespace

void HandleKeyEvent(const SDL_KeyboardEvent& event) {
    const int code = event.keysym.scancode;
    if (code < 0 || code >= SDL_NUM_SCANCODES) return;
    PhysicalKey& key = physical[code];
    if (event.type == SDL_KEYUP) {
        if (key.down) Release(key);
        return;
    }
    if (event.repeat != 0 || key.down) return;  // held keys stay down; F11 toggles once
    if (event.keysym.sym == SDLK_F11) {
        ToggleFullScreen();
        return;
    }
    const int vk = VirtualKey(event.keysym);
    if (vk < 0) return;
    key.vk = static_cast<int16_t>(vk);
    key.down = true;
    key.swallowed = vk == vkReturn && (event.keysym.mod & KMOD_ALT) != 0;
    if (key.swallowed) {
        ToggleFullScreen();
        return;
    }
    keyboardDown[vk] = true;
    RefreshKey(vk);
}

void ReleaseAllKeys() {
    for (PhysicalKey& key : physical) key = PhysicalKey{};
    for (int vk = 0; vk < 256; ++vk) {
        keyboardDown[vk] = false;
        RefreshKey(vk);
    }
}

}  // namespace backend
