#pragma once

// The options screen's words.

// What the entry under the cursor does, by cursor entry (0..7).
extern const char* const optionsDescription[8];

// The save question and its two answers (six blanks between them).
extern const char* const savePromptQuestion;
extern const char* const savePromptAnswers;
