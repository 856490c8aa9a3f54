#pragma once

#include "platform/pad_keys.h"

// The pads' side of keyDown (platform/keys.h). A pad sits in a seat: the
// first pad plugged in takes seat 0, the next seat 1. While one player plays
// (menus, every mode but a versus match) both seats play player 1, so either
// pad works there, and a direction holds the arrow key too; in a versus
// match seat 1 plays player 2.

constexpr int padSeatCount = 2;

// A button of the pad in the seat went down or up. A press and release
// within one frame still reach that frame, as a quick key tap does
// (platform/keys.h).
void SetPadButton(int seat, PadButton button, bool down);

// A left-stick axis (0 across, 1 down) moved to value (-32768..32767): past
// half way it holds that direction, back under a third it lets go.
void SetPadStick(int seat, int axis, int value);

// The pad in the seat is gone (unplugged): every key it held is let go.
void ReleasePadSeat(int seat);
// Every pad lets go (the window lost the focus; start-up).
void ReleaseAllPads();

// True while the button of the pad in the seat is down (the controls
// screen takes the one pressed).
bool PadButtonDown(int seat, PadButton button);

// How many players the seats play: 1 or 2. Keys held across a change follow
// the buttons holding them.
void SetPadPlayers(int players);
int PadPlayers();

// Back to the start: nothing held, one player.
void ResetPads();
