#include "setup/setup_texts.h"

#include "setup/player_params.h"
#include "setup/setup_state.h"

const char* const rowLabels[6] = {
    "EXゲージの増加量", "カーソルの移動速度", "運の良さ", "リミットゲージの長さ", "EXゲージの凍結時間", "アイテムの使用",
};

const char* const paramDescription[5][2] = {
    {"パネルを消した時に起こる、EXゲージの増加量", "(少ない) 0 … 1 … 2 … 3 … 4 … 5 (多い)"},
    {"方向キーを押した時に起こる、カーソルの移動速度", "(遅い) 0 … 1 … 2 … 3 … 4 … 5 (速い)"},
    {"あらゆることに対しての、運の良さ", "(悪い) 0 … 1 … 2 … 3 … 4 … 5 (良い)"},
    {"NEXTの上にあるリミットゲージの長さ", "(短い) 0 … 1 … 2 … 3 … 4 … 5 (長い)"},
    {"アイテムを使用した時に起こるEXゲージの凍結時間の長さ", "(遅い) 0 … 1 … 2 … 3 … 4 … 5 (速い)"},
};

void EntryDescription(int p, int cursor, const char*& first, const char*& second) {
    first = nullptr;
    second = nullptr;
    if (cursor == cancelEntry) {
        first = cancelDescription;
    } else if (cursor == decideEntry) {
        first = decideDescription;
    } else if (cursor == paramEx || cursor == paramLock) {
        if (itemUseOff[p] != 0) {
            first = notUsedDescription;
        } else {
            first = paramDescription[cursor][0];
            second = paramDescription[cursor][1];
        }
    } else if (cursor > paramEx && cursor < paramLock) {
        first = paramDescription[cursor][0];
        second = paramDescription[cursor][1];
    } else if (cursor == itemUseRow) {
        first = itemUseDescription;
    }
}
