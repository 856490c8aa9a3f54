#include "platform/keys.h"

bool keyDown[256];
bool keyboardDown[256];
uint8_t padHolds[256];

bool KeyHeld(int vk) { return keyDown[vk & 0xFF]; }

void RefreshKey(int vk) {
    const int key = vk & 0xFF;
    keyDown[key] = keyboardDown[key] || padHolds[key] > 0;
}
