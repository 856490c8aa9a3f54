#pragma once

// Where the options screen puts its pictures and boxes on the 640x480 screen.
namespace optionsLayout {

// Labels of the settings, one row of 60 pixels each.
constexpr int labelX = 100;
constexpr int LabelY(int i) { return 40 + 60 * i; }

// Buttons.
constexpr int buttonY = 340;
constexpr int endButtonX = 30;
constexpr int recommendedButtonX = 220;
constexpr int resetButtonX = 410;

// Value pictures of the settings.
constexpr int targetX = 444, targetY = 47;
constexpr int soundX = 434, soundY = 107;
constexpr int difficultyX = 370, difficultyY = 167;
constexpr int sampleFrameX = 399, sampleValueX = 489;
constexpr int backgroundY = 227;
constexpr int panelShapeY = 287;

// Cursor frame around entry e: two rows of 30 pixels.
struct FrameBox {
    int left, top, right;
};
constexpr int frameRowHeight = 30;
constexpr FrameBox CursorBox(int entry) {
    if (entry < 5) return FrameBox{92, 32 + 60 * entry, 258};
    if (entry == 5) return FrameBox{22, 332, 188};
    if (entry == 6) return FrameBox{212, 332, 378};
    return FrameBox{402, 332, 618};
}

// Description box: grows from its centre by 20 x 1 pixels a step.
constexpr int descriptionCentreX = 319;
constexpr int descriptionTop = 426, descriptionBottom = 434;
constexpr int descriptionTextLeft = 10, descriptionTextTop = 420, descriptionTextRight = 629, descriptionTextBottom = 440;

// Save question box: grows from (319, 239) by 18 x 3 pixels a step.
constexpr int promptCentreX = 319, promptCentreY = 239;
constexpr int promptTextLeft = 145, promptTextRight = 495;
constexpr int promptQuestionTop = 211, promptQuestionBottom = 235;
constexpr int promptAnswersTop = 245, promptAnswersBottom = 269;
// Answer pointer beside "はい" (answer 0) or "いいえ" (answer 1).
constexpr int AnswerPointerX(int answer) { return 190 + 120 * answer; }
constexpr int answerPointerY = 245;

}  // namespace optionsLayout
