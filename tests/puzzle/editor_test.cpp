#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "content/game_sheet.h"
#include "editor/editor_scene.h"
#include "editor/editor_state.h"
#include "frontend/frontend_steps.h"
#include "match/match_state.h"
#include "platform/keys.h"
#include "platform/sound.h"
#include "platform/surface.h"
#include "platform/wipe.h"
#include "puzzle/puzzle_file.h"
#include "puzzle/puzzle_test_util.h"
#include "shell/game_mode.h"
#include "shell/menu_input.h"

namespace {

using frontendSteps::At;
using puzzleTest::DataPath;
using puzzleTest::PictureShown;
using puzzleTest::ReadRaw;

// Boots and opens the editor as the main menu hands it over (wipe closed,
// the menu's sounds in their slots); returns once it takes keys.
void OpenEditor() {
    harness::Boot();
    wipeState = 2;
    currentScene = EditorEnterScene;
    ASSERT_TRUE(harness::RunUntil([] { return At(EditorScene) && wipeState == 0; }));
}

// Presses a key for one step, then lets go for two.
void Press(int vk, int times = 1) {
    for (int i = 0; i < times; ++i) {
        harness::Tap(vk, 1);
        harness::RunFrames(3);
    }
}

int Plays(const char* file, int slot) {
    int n = 0;
    for (const auto& e : harness::SoundLog())
        n += e.call == virtualBackend::SoundCall::play && e.slot == slot && harness::SoundName(e) == file ? 1 : 0;
    return n;
}

TEST(PuzzleEditor, ChosenFromTheMenuItStopsTheMusicAndStartsOnProblemOne) {
    ASSERT_TRUE(frontendSteps::BootToMenu());
    gameMode = editorMode;
    harness::Tap('X');
    ASSERT_TRUE(harness::RunUntil([] { return At(EditorScene) && wipeState == 0; }));
    EXPECT_EQ(bgmBuffer.sound, nullptr);
    EXPECT_EQ(virtualBackend::state.voicePlaying[0], 0);
    EXPECT_EQ(itemSheet, nullptr);
    harness::RunFrames(1);
    EXPECT_TRUE(PictureShown(gameSheetLayout::Cursor(0), 43 + 24 * 3, 346)) << "column 3, row 2";
    EXPECT_TRUE(PictureShown(gameSheetLayout::Digit(1, 0), 538, 102)) << "problem 1";
}

TEST(PuzzleEditor, XCountsACellUpAndZDown) {
    struct Case {
        int xPresses, zPresses, expected;
    };
    const Case cases[] = {{4, 0, 3}, {8, 0, 7}, {9, 0, 0}, {0, 1, 7}, {0, 2, 6}, {1, 1, -1}, {2, 2, -1}};
    OpenEditor();
    for (const Case& c : cases) {
        EditorCell(0, 2, 3) = -1;
        harness::ClearSoundLog();
        Press('X', c.xPresses);
        Press('Z', c.zPresses);
        EXPECT_EQ(EditorCell(0, 2, 3), c.expected) << c.xPresses << " X, " << c.zPresses << " Z";
        EXPECT_EQ(Plays("Select.wav", 1), c.xPresses + c.zPresses);
    }
    // The panel shows in its cell, row 2 of the field.
    Press('X', 4);
    EXPECT_TRUE(PictureShown(gameSheetLayout::Panel(3, 0), 49 + 24 * 3, 352));
}

TEST(PuzzleEditor, TheCursorKeepsToColumnsNoughtToSixAndRowsOneToFourteen) {
    OpenEditor();
    struct Edge {
        int key;
        const int8_t* coordinate;
        int limit;
    };
    const Edge edges[] = {{vkRight, &editorCursorX, 6}, {vkLeft, &editorCursorX, 0},
                          {vkUp, &editorCursorY, 14},   {vkDown, &editorCursorY, 1}};
    for (const Edge& e : edges) {
        harness::Hold(e.key);
        ASSERT_TRUE(harness::RunUntil([&] { return *e.coordinate == e.limit && editorMoveDir == 0; }, 20000));
        harness::Release(e.key);
        harness::RunFrames(2);
        harness::ClearSoundLog();
        Press(e.key);
        EXPECT_EQ(editorMoveDir, 0) << "no step past the edge";
        EXPECT_EQ(Plays("Select.wav", 1), 0);
    }
    // Row 1 is the incoming row, in the NEXT strip.
    EXPECT_TRUE(PictureShown(gameSheetLayout::Cursor(0), 43, 382));
    Press('X', 6);
    EXPECT_EQ(EditorCell(0, 1, 0), 5);
    Press(vkUp);
    ASSERT_TRUE(harness::RunUntil([] { return editorMoveDir == 0; }));
    harness::RunFrames(1);
    EXPECT_TRUE(PictureShown(gameSheetLayout::Panel(5, 0), 49, 389));
}

// A field's value as two numbers: the problem number, minutes and seconds,
// goal type and value, the sum, or the swap limit (of problem 0).
struct Pair {
    int a, b;
    bool operator==(const Pair&) const = default;
};
void SetField(int field, Pair v) {
    PuzzleFile& t = editorTables;
    if (field == problemField) editorProblem = v.a;
    if (field == timeField) t.minutes[0] = v.a, t.seconds[0] = v.b;
    if (field == goalField) t.goalTypes[0] = static_cast<int8_t>(v.a), t.goalValues[0] = v.b;
    if (field == sumField) t.targetSums[0] = static_cast<int8_t>(v.a);
    if (field == limitField) t.swapLimits[0] = static_cast<int8_t>(v.a);
}
Pair GetField(int field) {
    const PuzzleFile& t = editorTables;
    switch (field) {
        case problemField: return {editorProblem, 0};
        case timeField: return {t.minutes[0], t.seconds[0]};
        case goalField: return {t.goalTypes[0], t.goalValues[0]};
        case sumField: return {t.targetSums[0], 0};
        default: return {t.swapLimits[0], 0};
    }
}

TEST(PuzzleEditor, EachFieldStepsWithinItsRangeAndSoundsOnAChange) {
    struct Case {
        int field;
        Pair before;
        int key;
        Pair after;
        bool heard;
    };
    const Case cases[] = {
        {problemField, {0, 0}, vkLeft, {0, 0}, false},      {problemField, {98, 0}, vkRight, {99, 0}, true},
        {problemField, {99, 0}, vkRight, {99, 0}, false},   {timeField, {0, 10}, vkLeft, {0, 0}, true},
        {timeField, {0, 0}, vkLeft, {0, 0}, false},         {timeField, {1, 0}, vkLeft, {0, 50}, true},
        {timeField, {9, 50}, vkRight, {10, 0}, true},       {timeField, {10, 0}, vkRight, {10, 0}, true},
        // A new goal type starts from its smallest value; clearing the board keeps the value stored.
        {goalField, {2, 500}, vkRight, {3, 1000}, true},    {goalField, {3, 1000}, vkRight, {0, 1000}, true},
        {goalField, {0, 1000}, vkLeft, {3, 1000}, true},    {goalField, {0, 1000}, vkRight, {1, 2}, true},
        {goalField, {1, 50}, vkLeft, {0, 50}, true},        {goalField, {0, 50}, vkUp, {0, 50}, false},
        {goalField, {1, 50}, vkUp, {1, 51}, true},          {goalField, {1, 100}, vkUp, {1, 100}, false},
        {goalField, {1, 2}, vkDown, {1, 2}, false},         {goalField, {2, 500}, vkDown, {2, 490}, true},
        {goalField, {2, 1000}, vkUp, {2, 1000}, false},     {goalField, {2, 10}, vkDown, {2, 10}, false},
        {goalField, {3, 1000}, vkUp, {3, 2000}, true},      {goalField, {3, 9000}, vkUp, {3, 10000}, true},
        {goalField, {3, 10000}, vkUp, {3, 15000}, true},    {goalField, {3, 95000}, vkUp, {3, 100000}, true},
        {goalField, {3, 100000}, vkUp, {3, 110000}, true},  {goalField, {3, 990000}, vkUp, {3, 1000000}, true},
        {goalField, {3, 1000000}, vkUp, {3, 1000000}, false}, {goalField, {3, 1000000}, vkDown, {3, 990000}, true},
        {goalField, {3, 100000}, vkDown, {3, 95000}, true}, {goalField, {3, 10000}, vkDown, {3, 9000}, true},
        {goalField, {3, 1000}, vkDown, {3, 1000}, false},   {sumField, {8, 0}, vkRight, {9, 0}, true},
        {sumField, {10, 0}, vkRight, {10, 0}, false},       {sumField, {7, 0}, vkLeft, {7, 0}, false},
        // No limit and one swap meet across 0.
        {limitField, {-1, 0}, vkRight, {1, 0}, true},       {limitField, {1, 0}, vkLeft, {-1, 0}, true},
        {limitField, {-2, 0}, vkRight, {-1, 0}, true},      {limitField, {-2, 0}, vkLeft, {-2, 0}, false},
        {limitField, {100, 0}, vkRight, {100, 0}, false},
    };
    OpenEditor();
    for (const Case& c : cases) {
        editorField = static_cast<int8_t>(c.field);
        editorProblem = 0;
        SetField(c.field, c.before);
        harness::ClearSoundLog();
        Press(c.key);
        const Pair got = GetField(c.field);
        EXPECT_TRUE(got == c.after) << "field " << c.field << " from " << c.before.a << "," << c.before.b << ": got "
                                    << got.a << "," << got.b;
        EXPECT_EQ(Plays("Select.wav", 1), c.heard ? 1 : 0) << "field " << c.field << " from " << c.before.a;
    }
}

TEST(PuzzleEditor, AHeldArrowActsAtOnceThenEveryTenStepsThenEveryStepAfterOneHundredAndTwenty) {
    OpenEditor();
    editorField = problemField;
    harness::Hold(vkRight);
    std::vector<int> changedAt;
    for (int step = 0; step < 125; ++step) {
        const int before = editorProblem;
        harness::RunFrames(1);
        if (editorProblem != before) changedAt.push_back(step);
    }
    const std::vector<int> expected{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120, 121, 122, 123, 124};
    EXPECT_EQ(changedAt, expected);
}

TEST(PuzzleEditor, AAndSStepThroughTheSixFieldsRound) {
    OpenEditor();
    std::vector<int> fields;
    for (int i = 0; i < 6; ++i) {
        Press('S');
        fields.push_back(editorField);
    }
    Press('A');
    fields.push_back(editorField);
    EXPECT_EQ(fields, (std::vector<int>{1, 2, 3, 4, 5, 0, 5}));
}

TEST(PuzzleEditor, TheProblemNumberHasThreePlaces) {
    OpenEditor();
    using gameSheetLayout::Digit;
    editorProblem = 99;
    harness::RunFrames(2);
    EXPECT_TRUE(PictureShown(Digit(1, 0), 510, 102));
    EXPECT_TRUE(PictureShown(Digit(0, 0), 524, 102));
    EXPECT_TRUE(PictureShown(Digit(0, 0), 538, 102));
}

// C, then the answers; what was written and where the editor went.
struct SaveCase {
    const char* name;
    int saveAnswer, leaveAnswer;
    bool written, left;
};

TEST(PuzzleEditor, TheSaveQuestionIsFollowedByTheLeaveQuestion) {
    const SaveCase cases[] = {{"no, no", 1, 1, false, false}, {"yes, no", 0, 1, true, false},
                              {"no, yes", 1, 0, false, true}, {"yes, yes", 0, 0, true, true}};
    for (const SaveCase& c : cases) {
        OpenEditor();
        Press('C');
        ASSERT_EQ(editorDialog, saveDialog) << c.name;
        harness::RunFrames(10);
        EXPECT_TRUE(PictureShown(gameSheetLayout::pauseMarker, 190, 241)) << "yes is preset";
        if (c.saveAnswer == 1) Press(vkRight);
        EXPECT_TRUE(PictureShown(gameSheetLayout::pauseMarker, 190 + 120 * c.saveAnswer, 241)) << c.name;
        harness::ClearSoundLog();
        Press('C');
        EXPECT_EQ(editorDialog, leaveDialog) << c.name;
        EXPECT_EQ(pauseMenuCursor, 0) << c.name;
        EXPECT_EQ(std::filesystem::exists(DataPath("PZL.dat")), c.written) << c.name;
        EXPECT_EQ(Plays("Select.wav", 1), c.written ? 1 : 0) << c.name;
        if (c.leaveAnswer == 1) Press(vkLeft);
        Press('C');
        EXPECT_EQ(editorDialog, noDialog) << c.name;
        const bool left = harness::RunUntil([] { return At(MainMenuScene); }, 3000);
        EXPECT_EQ(left, c.left) << c.name;
    }
}

TEST(PuzzleEditor, AnUnchangedSaveIsTheDefaultFileByteForByte) {
    OpenEditor();
    Press('C');
    Press('C');
    const std::vector<uint8_t> bytes = ReadRaw("PZL.dat");
    std::vector<uint8_t> expected(10500, 0xFF);
    expected.insert(expected.end(), 100, 7);
    expected.insert(expected.end(), 100, 0xFF);
    expected.insert(expected.end(), 100 + 1200, 0);
    EXPECT_EQ(bytes, expected);
}

TEST(PuzzleEditor, EscapeWithNothingChangedLeavesAtOnceAndTheMenuComesBack) {
    OpenEditor();
    // A change undone is no change: the problems are as the file had them.
    Press('X');
    Press('Z');
    harness::ClearSoundLog();
    harness::Tap(vkEscape);
    harness::RunFrames(2);
    EXPECT_EQ(editorDialog, noDialog);
    EXPECT_EQ(wipeState, 1);
    ASSERT_TRUE(harness::RunUntil([] { return At(MainMenuScene); }, 20000));
    EXPECT_FALSE(std::filesystem::exists(DataPath("PZL.dat")));
    EXPECT_EQ(Plays("Ok.wav", 2), 1);
    EXPECT_TRUE(harness::Played("Opening.wav", 0, true));
    EXPECT_EQ(mainSheet->width, 390);
}

// True when the question box of the last frame holds the words, as the
// practice pause's question draws them.
bool EscapeQuestionShown() {
    return puzzleTest::QuestionShown("保存しないで終了しますか？");
}

struct EscapeCase {
    const char* name;
    int answerKey;  // C or X decides
    int turns;      // Right presses before deciding: 0 yes, 1 no
    bool left;
};

// Escape with an unsaved change asks before the change is lost: yes leaves
// without saving, no goes back to editing with the change kept.
TEST(PuzzleEditor, EscapeWithUnsavedChangesAsksFirst) {
    const EscapeCase cases[] = {{"yes with C", 'C', 0, true},
                                {"yes with X", 'X', 0, true},
                                {"no with C", 'C', 1, false},
                                {"no with X", 'X', 1, false}};
    for (const EscapeCase& c : cases) {
        SCOPED_TRACE(c.name);
        OpenEditor();
        Press('X');
        harness::ClearSoundLog();
        Press(vkEscape);
        ASSERT_EQ(editorDialog, discardDialog);
        EXPECT_EQ(wipeState, 0);
        EXPECT_EQ(Plays("Ok.wav", 2), 1);
        harness::RunFrames(16);
        EXPECT_TRUE(EscapeQuestionShown());
        EXPECT_TRUE(PictureShown(gameSheetLayout::pauseMarker, 190, 241)) << "yes is preset";
        // Held on, Escape neither answers nor asks again.
        harness::Hold(vkEscape);
        harness::RunFrames(6);
        harness::Release(vkEscape);
        harness::RunFrames(2);
        EXPECT_EQ(editorDialog, discardDialog);
        EXPECT_EQ(wipeState, 0);
        Press(vkRight, c.turns);
        EXPECT_TRUE(PictureShown(gameSheetLayout::pauseMarker, 190 + 120 * c.turns, 241));
        Press(c.answerKey);
        EXPECT_EQ(editorDialog, noDialog);
        EXPECT_EQ(EditorCell(0, 2, 3), 0) << "the answer does not change a cell";
        const bool left = harness::RunUntil([] { return At(MainMenuScene); }, 3000);
        EXPECT_EQ(left, c.left);
        EXPECT_FALSE(std::filesystem::exists(DataPath("PZL.dat")));
        if (!c.left) {
            // Editing goes on, and the next Escape asks again.
            Press('X');
            EXPECT_EQ(EditorCell(0, 2, 3), 1);
            Press(vkEscape);
            EXPECT_EQ(editorDialog, discardDialog);
        }
    }
}

// What was saved is no longer a change: Escape after a save leaves at once.
TEST(PuzzleEditor, EscapeAfterASaveLeavesAtOnce) {
    OpenEditor();
    Press('X');
    Press('C');
    Press('C');
    ASSERT_EQ(editorDialog, leaveDialog);
    Press(vkRight);
    Press('C');
    ASSERT_EQ(editorDialog, noDialog);
    Press(vkEscape);
    EXPECT_EQ(editorDialog, noDialog);
    EXPECT_TRUE(harness::RunUntil([] { return At(MainMenuScene); }, 3000));
    EXPECT_EQ(ReadRaw("PZL.dat")[2 * 7 + 3], 0);
}

TEST(PuzzleEditor, TakesAtMostOneStepPerTwentyMilliseconds) {
    OpenEditor();
    const uint32_t frames = harness::Frames();
    harness::RunMs(1000);
    EXPECT_LE(harness::Frames() - frames, 50u);
    EXPECT_GE(harness::Frames() - frames, 25u);
}

}  // namespace
