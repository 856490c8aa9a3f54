#include "netplay/online_input.h"

#include <iterator>

#include "content/game_texts.h"
#include "match/controls.h"
#include "match/step_input.h"
#include "platform/keys.h"
#include "shell/menu_input.h"

namespace {

constexpr const PlayerKeys& k1 = playerKeys[0];
constexpr const MenuKeys& m = menuKeys;

constexpr KeyGuideLine onlineLines[] = {
    {TextName::OnlineGuideMove, {{&k1.up, &k1.down, &k1.left, &k1.right, &m.up, &m.down, &m.left, &m.right}}},
    {TextName::OnlineGuideSwap, {{&k1.swap}}},
    {TextName::OnlineGuideSelect, {{&k1.select}}},
    {TextName::OnlineGuideDrop, {{&k1.drop}}},
    {TextName::OnlineGuideCancel, {{&k1.cancel}}},
    {TextName::OnlineGuideLeave, {{&m.escape}}},
};

struct Arrow {
    int key;
    uint16_t bit;
};
constexpr Arrow arrows[] = {{vkUp, inputUp}, {vkRight, inputRight}, {vkDown, inputDown}, {vkLeft, inputLeft}};

}  // namespace

const KeyGuidePage onlineMatchGuide = {TextName::OnlineGuideMatchTitle, onlineLines,
                                       static_cast<int>(std::size(onlineLines)), 1, nullptr};

uint16_t OnlineMatchBits() {
    // The keyboard source fills player 0 with player 1's keys (and the first
    // pad, which plays as him); the arrows are his too, online.
    MatchInput input{};
    KeyboardMatchInput(input);
    uint16_t bits = input.player[0];
    for (const Arrow& a : arrows)
        if (KeyHeld(a.key)) bits = static_cast<uint16_t>(bits | a.bit);
    return static_cast<uint16_t>(bits & inputBitsMask & ~(inputPause | inputLeave));
}
