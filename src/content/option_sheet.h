#pragma once
#include "content/sheet_rect.h"

// "Back\Option.bmp" (394x310): the options screen's setting labels, the
// pictures of every value, its three buttons, the sample frame and the answer
// pointer of the save question.
namespace optionSheetLayout {

constexpr int width = 394;
constexpr int height = 310;

constexpr int16_t I(int v) { return static_cast<int16_t>(v); }

// Label of setting i (0 target total, 1 sound, 2 difficulty, 3 background,
// 4 panel shape), 150x50, one under the other.
constexpr int settingCount = 5;
constexpr SheetRect Label(int i) { return SheetRect{0, I(52 * i), 150, I(52 * i + 50)}; }

// The buttons under the settings.
constexpr SheetRect endButton{152, 208, 302, 258};
constexpr SheetRect recommendedButton{0, 260, 150, 310};
constexpr SheetRect resetButton{152, 260, 352, 310};

// Target total 7 + v (v 0..3), 33x36.
constexpr SheetRect TargetValue(int v) { return SheetRect{I(152 + 35 * v), 0, I(185 + 35 * v), 36}; }
// Sound on (v 0) and off (v 1), 52x36.
constexpr SheetRect SoundValue(int v) { return SheetRect{I(152 + 54 * v), 38, I(204 + 54 * v), 74}; }
// Difficulty plate v (0..2), 181x36.
constexpr SheetRect DifficultyValue(int v) { return SheetRect{152, I(76 + 38 * v), 333, I(112 + 38 * v)}; }

// The frame shown before the background and panel-shape samples.
constexpr SheetRect sampleFrame{260, 38, 344, 74};
// Background sample v (0..3), 23x36, two to a row.
constexpr SheetRect BackgroundValue(int v) {
    return SheetRect{I(346 + 25 * (v % 2)), I(38 + 38 * (v / 2)), I(369 + 25 * (v % 2)), I(74 + 38 * (v / 2))};
}
// Panel-shape sample v (0, 1), 23x36, in the row under the backgrounds: each
// shape has a picture of its own, not one of the backgrounds'.
constexpr SheetRect PanelShapeValue(int v) { return SheetRect{I(346 + 25 * v), 114, I(369 + 25 * v), 150}; }

// Points at the chosen answer of the save question, 24x24.
constexpr SheetRect answerPointer{292, 0, 316, 24};

}  // namespace optionSheetLayout
