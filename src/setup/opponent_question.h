#pragma once
#include <cstdint>

// Before the versus set-up: who plays on the right. 「ふたりで」 (a second
// person) or 「コンピュータ」 at a strength 1..5 on the upper row, chosen with
// Left and Right; 「ネットで対戦（ホスト）」 and 「ネットで対戦（さんか）」 on the
// lower row, Up and Down between the rows. The decide key goes on (online
// play through the scene links to its own screens); the back key returns to
// the main menu.
struct OpponentQuestionState {
    int8_t choice = 0;       // 0 two people, 1..5 the computer's strength
    int8_t row = 0;          // 0 at this keyboard, 1 over the network
    int8_t netChoice = 0;    // on the lower row: 0 host, 1 join
    int8_t horizontalHold = 0;
    int8_t verticalHold = 0;
};
extern OpponentQuestionState opponentQuestion;

void OpponentQuestionScene();
