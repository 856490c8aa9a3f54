#include "setup/player_params.h"

#include "setup/opponent_choice.h"
#include "setup/opponent_question.h"
#include "setup/remote_opponent.h"
#include "setup/setup_state.h"

int8_t playerParams[2][5] = {};
int8_t pointsLeft[2] = {budgetItemsOn, budgetItemsOn};
int8_t itemSlots[2][2] = {{-1, -1}, {-1, -1}};
int8_t itemUseOff[2] = {};

void ResetPlayerProfile(int p) {
    for (int8_t& v : playerParams[p]) v = 0;
    pointsLeft[p] = budgetItemsOn;
    itemUseOff[p] = 0;
}

void ResetSetupRecords() {
    for (int p = 0; p < 2; ++p) {
        ResetPlayerProfile(p);
        for (int8_t& slot : itemSlots[p]) slot = -1;
    }
    ResetSetupState();
    computerOpponent = twoPeople;
    remoteOpponent = RemoteOpponent{};
    opponentQuestion = OpponentQuestionState{};
}
