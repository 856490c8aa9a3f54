#include "platform/keys.h"

bool keyDown[256];

bool KeyHeld(int vk) { return keyDown[vk & 0xFF]; }
