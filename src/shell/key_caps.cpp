#include "shell/key_caps.h"

#include "platform/key_places.h"

const char* KeyCapLabel(int vk) { return KeyLabel(vk); }
