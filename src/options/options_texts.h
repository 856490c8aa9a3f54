#pragma once
#include "shell/screen_words.h"

// The options screen's words.

// What the entry under the cursor does, by cursor entry (0..7).
extern const ScreenWords optionsDescription[8];

// The save question and its two answers (set apart so that each stands
// beside its pointer).
extern const ScreenWords savePromptQuestion;
extern const ScreenWords savePromptAnswers;
