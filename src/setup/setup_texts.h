#pragma once

// The setup screens' words.

// Row labels of the parameter page: the five parameters, then item use.
extern const char* const rowLabels[6];
// Rows 0..4: what the parameter does and its scale.
extern const char* const paramDescription[5][2];
constexpr const char* notUsedDescription = "使用しません";
constexpr const char* itemUseDescription = "(使用する) ON … OFF (使用しない)";
constexpr const char* cancelDescription = "1つ前の画面に戻ります";
constexpr const char* decideDescription = "これでいいなら、ここを選んでください";
constexpr const char* itemsRowLabel = "使用するアイテム";
constexpr const char* budgetItemsOnText = "15Point 振り分けてください";
constexpr const char* budgetItemsOffText = "10Point 振り分けてください";
constexpr const char* playerFormat = "%d Player";
constexpr const char* remainingLabel = "残り";
constexpr const char* pointsFormat = "%d P";
constexpr const char* itemDecideText = "決定";
constexpr const char* itemCancelText = "ｷｬﾝｾﾙ";
constexpr const char* confirmQuestion = "これでいいですか？";
constexpr const char* leftoverFormat = "%2dポイント余っています";
constexpr const char* itemsLabel = "アイテム";
constexpr const char* itemsNoEffectText = "アイテムは対戦の結果に影響しません";

// The two lines describing the parameter-page entry under the cursor for
// player p (a line may be null).
void EntryDescription(int p, int cursor, const char*& first, const char*& second);
