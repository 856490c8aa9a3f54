#pragma once
#include <cstdint>

// Before the versus set-up: who plays on the right. 「ふたりで」 (a second
// person) or 「コンピュータ」 at a strength 1..5, chosen with Left and Right
// and decided; the back key returns to the main menu.
struct OpponentQuestionState {
    int8_t choice = 0;       // 0 two people, 1..5 the computer's strength
    int8_t horizontalHold = 0;
};
extern OpponentQuestionState opponentQuestion;

void OpponentQuestionScene();
