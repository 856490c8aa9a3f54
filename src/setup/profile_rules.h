#pragma once

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
