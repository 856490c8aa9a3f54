#include <gtest/gtest.h>

#include "content/palette_layout.h"
#include "options/options_steps.h"
#include "options/options_texts.h"
#include "platform/blit.h"
#include "platform/text.h"

namespace {

using namespace optionsSteps;
using paletteLayout::blue;
using paletteLayout::white;

class OptionsBoxes : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(BootToOptions()); }
};

// True when the inside of a rounded box of the last frame holds exactly the
// given lines: they are drawn the same way on the same box into the back
// buffer and compared pixel for pixel, away from the outline.
struct Words {
    const char* text;
    int left, top, right, bottom;
};
bool BoxHolds(int l, int t, int r, int b, const Words* words, int count, int pointerX = -1) {
    BeginPanelText(smallFont);
    RoundRect(l, t, r, b, 10, 10);
    for (int k = 0; k < count; ++k)
        DrawTextInRect(words[k].text, textCenter, words[k].left, words[k].top, words[k].right, words[k].bottom);
    EndText();
    if (pointerX >= 0) {
        const SheetRect& p = optionSheetLayout::answerPointer;
        BlitClipped(&backBuffer, pointerX, optionsLayout::answerPointerY, backdropSurface, keyedCopy, p.left, p.top,
                    p.right, p.bottom);
    }
    for (int y = t + 4; y < b - 4; ++y)
        for (int x = l + 6; x < r - 6; ++x)
            if (backBuffer.pixels[y * backBuffer.width + x] != harness::PixelAt(x, y)) return false;
    return true;
}

bool DescriptionShows(const char* text) {
    const Words w{text, 10, 420, 629, 440};
    return BoxHolds(119, 416, 519, 444, &w, 1);
}

TEST_F(OptionsBoxes, DescriptionBoxGrowsFromItsCentreThenShowsTheText) {
    // It started growing when the wipe opened: grow it again from nothing.
    optionsState.optionsBoxGrowth = 0;
    for (int g = 0; g < 10; ++g) {
        harness::RunFrames(1);
        EXPECT_EQ(optionsState.optionsBoxGrowth, g + 1);
        // The box of step g: (319 - 20g, 426 - g)-(319 + 20g, 434 + g).
        if (g >= 2) {
            EXPECT_EQ(harness::PixelAt(319, 430), blue) << g;
            EXPECT_EQ(harness::PixelAt(319 - 20 * g + 4, 430), blue) << g;
            EXPECT_NE(harness::PixelAt(319 - 20 * g - 3, 430), blue) << g;
            EXPECT_NE(harness::PixelAt(319, 434 + g + 2), blue) << g;
        }
        // No words while it grows.
        EXPECT_EQ(harness::CountIndex(white, 319 - 20 * g + 4, 428, 319 + 20 * g - 4, 433), 0) << g;
    }
    harness::RunFrames(1);
    EXPECT_EQ(optionsState.optionsBoxGrowth, 10);
    EXPECT_EQ(harness::PixelAt(125, 430), blue);
    EXPECT_NE(harness::PixelAt(115, 430), blue);
    EXPECT_GT(harness::CountIndex(white, 130, 420, 510, 440), 60);
    EXPECT_TRUE(DescriptionShows(optionsDescription[0]));
}

TEST_F(OptionsBoxes, DescriptionFollowsTheCursor) {
    const char* const expected[8] = {
        "合計いくつで消えるかを設定します。", "サウンドの有無を設定します。", "ゲーム難易度を設定します。",
        "背景の模様を設定します。",           "パネルの形を設定します。",     "設定を終了します。",
        "おすすめの設定に変更します。",       "最初の状態に戻します。",
    };
    harness::RunFrames(12);
    for (int entry = 0; entry < optionsEntryCount; ++entry) {
        CursorTo(entry);
        EXPECT_TRUE(DescriptionShows(expected[entry])) << entry;
        EXPECT_FALSE(DescriptionShows(expected[(entry + 1) % 8])) << entry;
    }
}

TEST_F(OptionsBoxes, SaveQuestionGrowsThenAsksAndPointsAtTheAnswer) {
    Step(vkRight);
    CursorTo(endEntry);
    Step('X');
    ASSERT_TRUE(InSavePrompt());
    EXPECT_LT(optionsState.optionsBoxGrowth, 10);
    // The description box is gone while the question grows; no pointer yet.
    EXPECT_NE(harness::PixelAt(125, 430), blue);
    const SheetRect& pointer = optionSheetLayout::answerPointer;
    EXPECT_FALSE(ShowsPicture(optionsLayout::AnswerPointerX(0), optionsLayout::answerPointerY, pointer));
    harness::RunFrames(10);
    EXPECT_EQ(optionsState.optionsBoxGrowth, 10);
    // Fully grown: (139, 209)-(499, 269).
    EXPECT_EQ(harness::PixelAt(145, 239), blue);
    EXPECT_NE(harness::PixelAt(135, 239), blue);
    const Words words[2] = {{savePromptQuestion, 145, 211, 495, 235}, {savePromptAnswers, 145, 245, 495, 269}};
    EXPECT_TRUE(BoxHolds(139, 209, 499, 269, words, 2, 190));
    EXPECT_STREQ(savePromptQuestion, "変更したデータを保存しますか？");
    EXPECT_STREQ(savePromptAnswers, "はい      いいえ");
    EXPECT_TRUE(ShowsPicture(optionsLayout::AnswerPointerX(0), optionsLayout::answerPointerY, pointer));
    EXPECT_TRUE(ShowsPicture(190, 245, pointer));
    Step(vkRight);
    EXPECT_TRUE(ShowsPicture(310, 245, pointer));
    EXPECT_FALSE(ShowsPicture(190, 245, pointer));
}

}  // namespace
