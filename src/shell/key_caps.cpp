#include "shell/key_caps.h"

#include "platform/keys.h"

namespace {

// One string per letter and digit, so a label is never built at run time.
constexpr const char* letterCaps[26] = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
                                        "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"};
constexpr const char* digitCaps[10] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};

}  // namespace

const char* KeyCapLabel(int vk) {
    if (vk >= 'A' && vk <= 'Z') return letterCaps[vk - 'A'];
    if (vk >= '0' && vk <= '9') return digitCaps[vk - '0'];
    switch (vk) {
        case vkReturn:
            return "Enter";
        case vkEscape:
            return "Esc";
        case vkLeft:
            return "←";
        case vkUp:
            return "↑";
        case vkRight:
            return "→";
        case vkDown:
            return "↓";
        case vkF1:
            return "F1";
        default:
            return "?";
    }
}
