#pragma once

// The computer takes player 2's place in versus when the question before the
// set-up chose it: this source asks the one it replaced (the keys, the pads)
// for the step's record, then fills player 2's bits itself. Player 1 may
// steer with the arrows too, as he may outside versus. A match against the
// computer is thus a record of inputs like any other, and a replay of it
// plays without the computer.
void InstallComputerOpponent();
