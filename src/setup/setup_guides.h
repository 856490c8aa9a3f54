#pragma once
#include "shell/key_guide.h"

// The key guide's pages of the versus set-up: the question of who plays on
// the right, the parameter page, the item page and the confirmation, each
// with both players' keys.
extern const KeyGuidePage opponentGuide;
extern const KeyGuidePage paramPageGuide;
extern const KeyGuidePage itemPageGuide;
extern const KeyGuidePage confirmGuide;
// The same screens online: one column, player 1's keys, and Escape ends
// the game against the other machine.
extern const KeyGuidePage onlineParamPageGuide;
extern const KeyGuidePage onlineItemPageGuide;
extern const KeyGuidePage onlineConfirmGuide;
