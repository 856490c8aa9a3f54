#pragma once
#include <cstdint>

#include "platform/keys.h"
#include "platform/pad_keys.h"

// Each player's key and pad button for each match action. The keys are the
// game's key codes, that is the keyboard's places (platform/key_places.h);
// the players change them on the controls screen and they are kept in the
// player's folder. A pad's button holds the key of the action it is bound
// to, so every screen reads pads through these keys.

// The match actions in the order the controls screen and the file list them.
enum BindingAction : int8_t {
    bindUp,
    bindRight,
    bindDown,
    bindLeft,
    bindSwap,
    bindLine,
    bindRow,
    bindExDelete,
    bindExMaxdelete,
    bindCancel,
    bindPause,
};
constexpr int bindingActionCount = 11;
constexpr int bindingPlayerCount = 2;

struct PlayerKeys {
    int up, right, down, left;
    int swap, select, drop, exDelete, exMaxdelete, cancel, pause;
};

// The keys in force, per player.
extern PlayerKeys playerKeys[bindingPlayerCount];
// The pad buttons in force, per player and action.
extern PadButton playerButtons[bindingPlayerCount][bindingActionCount];

// The game's own keys and buttons.
inline constexpr PlayerKeys defaultPlayerKeys[bindingPlayerCount] = {
    {'Y', 'H', 'B', 'G', 'X', 'S', 'A', 'Q', 'W', 'Z', 'C'},
    {vkUp, vkRight, vkDown, vkLeft, 'L', 'O', 'I', vkDigit8, vkDigit9, 'K', vkReturn},
};
inline constexpr PadButton defaultButtons[bindingActionCount] = {
    PadButton::up, PadButton::right,        PadButton::down,          PadButton::left,
    PadButton::a,  PadButton::x,            PadButton::y,             PadButton::leftShoulder,
    PadButton::rightShoulder, PadButton::b, PadButton::start,
};

// The key of player p's action (both in range).
int& BoundKey(int player, int action);
int DefaultKey(int player, int action);

// Escape leaves, F1 opens the key guide, F2 the controls screen and F3
// switches the language on the options screen: no action may take them.
bool ReservedKey(int vk);
// The buttons an action may take: the d-pad, the four face buttons, the
// shoulders and Start (the stick follows the d-pad; Back and the middle
// button stand for Escape and F1).
bool BindableButton(PadButton button);

// Who holds a key or a button: player -1 when nobody does.
struct BindingHolder {
    int8_t player = -1;
    int8_t action = -1;
};
// The action holding the key, leaving out player p's action itself. A key
// is held once among both players' actions: they all sound in a match.
BindingHolder KeyHolder(int vk, int player, int action);
// The action of player p holding the button, leaving out the action itself
// (the two players' pads are two pads).
int ButtonHolder(int player, PadButton button, int action);

// True when every key is a key the game reads, none is reserved or held
// twice, and every player's buttons are bindable and held once.
bool BindingsSound();

// Both players back to the game's own keys and buttons.
void ResetBindings();

// The ready-made sets for player 1: the arrows with Z/X, and W/A/S/D with
// J/K. Player 2 gives up any key the set takes and gets, for that action,
// the key player 1 let go.
enum class KeySet : int8_t { arrows, wasd };
void TakeKeySet(KeySet set);
