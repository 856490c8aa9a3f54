#pragma once
#include "shell/key_guide.h"

// The key guide's pages of a match: play and pause in each mode (both
// players' keys in versus), and the puzzle picker.

// The page of the match as it stands: its mode, paused or not; none once
// the result is up.
const KeyGuidePage* MatchGuidePage();

extern const KeyGuidePage puzzlePickerGuide;
