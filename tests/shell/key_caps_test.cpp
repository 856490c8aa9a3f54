#include "shell/key_caps.h"

#include <gtest/gtest.h>

#include "platform/keys.h"

namespace {

TEST(KeyCaps, EachKeyTheGameReadsHasItsLabel) {
    const struct {
        int vk;
        const char* label;
    } cases[] = {
        {'A', "A"},          {'X', "X"},        {'Z', "Z"},  {vkDigit8, "8"}, {'0', "0"},
        {vkReturn, "Enter"}, {vkEscape, "Esc"}, {vkUp, "↑"}, {vkDown, "↓"},   {vkLeft, "←"},
        {vkRight, "→"},      {vkF1, "F1"},      {0x20, "Space"}, {0x07, "?"}, {-1, "?"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(KeyCapLabel(c.vk), c.label) << c.vk;
}

}  // namespace
