#include "platform/key_places.h"
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

// The game's key code for a key: its place on the keyboard, whatever the
// layout prints on it (platform/key_places.h), or -1 for keys it never reads.
int VirtualKey(const SDL_Keysym& key) { return KeyOfPlace(key.scancode); }

// A layout's label is taken when it is one character the game's fonts have
// (Latin letters, digits, signs, and the accented letters of Latin-1);
// otherwise, and for the keys that print no character, the US label stays.
bool DrawableLabel(const char* name) {
    const unsigned char* c = reinterpret_cast<const unsigned char*>(name);
    if (c[0] == 0) return false;
    if (c[0] > 0x20 && c[0] < 0x7F) return c[1] == 0;
    return (c[0] == 0xC2 || c[0] == 0xC3) && (c[1] & 0xC0) == 0x80 && c[2] == 0;
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

void ReadKeyLabels() {
    ResetKeyLabels();
    for (int code = 0; code < SDL_NUM_SCANCODES; ++code) {
        const int vk = KeyOfPlace(code);
        if (vk < 0 || PlaceOfKey(vk) != code) continue;
        const SDL_Keycode sym = SDL_GetKeyFromScancode(static_cast<SDL_Scancode>(code));
        if ((sym & SDLK_SCANCODE_MASK) != 0 || sym == SDLK_UNKNOWN) continue;
        const char* name = SDL_GetKeyName(sym);
        if (name != nullptr && DrawableLabel(name)) SetKeyLabel(vk, name);
    }
}

void ReleaseAllKeys() {
    for (PhysicalKey& key : physical) key = PhysicalKey{};
    for (int vk = 0; vk < 256; ++vk) {
        keyboardDown[vk] = false;
        RefreshKey(vk);
    }
}

}  // namespace backend
