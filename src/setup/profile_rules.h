#pragma once
#include <cstdint>

// How a player's profile may change: levels bought with points, the item
// switch, the two item slots.

// Highest level a parameter may reach: 5, unless the hidden key lifted it.
int LevelCap();
// True when parameter k of player p may be raised at all: every one with
// items on, only SPEED, LUCK and CHAIN with items off.
bool ParamRaisable(int p, int k);
// One level up for one point; false when the cap, the budget or the item
// switch forbids it.
bool RaiseParam(int p, int k);
// One level down, the point back; false at level 0.
bool LowerParam(int p, int k);
// Items on becomes off and back: every level to 0 and the whole budget back;
// switched off, both slots empty.
void FlipItemUse(int p);
// An item chosen in the grid: into the first slot when it is empty, else
// into the second unless it is the first slot's item. A negative item
// (an empty cell) fills nothing.
void PickItem(int p, int item);
// Empties the second slot if filled, else the first; false when both were
// empty already.
bool DropLastItem(int p);

// A whole profile made elsewhere (on the other machine) as these rules could
// have built it: the item switch 0 or 1; every level 0 or more, together
// within the budget (the lifted cap lets one level take all of it); with
// items off EX and LOCK at 0 and no item; items 0..49, the second slot
// filled only after the first and never with the same item.
bool ProfileKeepsRules(const int8_t levels[5], const int8_t slots[2], int8_t itemsOff);
// Player p's profile becomes the given one, its points left what the levels
// did not spend; false, leaving p as he was, when it breaks the rules.
bool TakeProfile(int p, const int8_t levels[5], const int8_t slots[2], int8_t itemsOff);
