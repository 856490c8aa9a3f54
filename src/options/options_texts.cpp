#include "options/options_texts.h"

const char* const optionsDescription[8] = {
    "合計いくつで消えるかを設定します。",
    "サウンドの有無を設定します。",
    "ゲーム難易度を設定します。",
    "背景の模様を設定します。",
    "パネルの形を設定します。",
    "設定を終了します。",
    "おすすめの設定に変更します。",
    "最初の状態に戻します。",
};

const char* const savePromptQuestion = "変更したデータを保存しますか？";
const char* const savePromptAnswers = "はい      いいえ";
