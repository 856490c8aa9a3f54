#include "match/match_guides.h"

#include <iterator>

#include "match/controls.h"
#include "match/match_state.h"
#include "match/puzzle_picker.h"
#include "shell/game_mode.h"
#include "shell/menu_input.h"

namespace {

constexpr const PlayerKeys& k1 = playerKeys[0];
constexpr const PlayerKeys& k2 = playerKeys[1];
constexpr const MenuKeys& m = menuKeys;

// Outside versus player 1 also steers with the arrows.
constexpr KeyGuideLine soloMove = {TextName::MatchGuideMove,
                                   {{&k1.up, &k1.down, &k1.left, &k1.right, &m.up, &m.down, &m.left, &m.right}}};
constexpr KeyGuideLine soloSwap = {TextName::MatchGuideSwap, {{&k1.swap}}};
constexpr KeyGuideLine soloLine = {TextName::MatchGuideLine, {{&k1.select}}};
constexpr KeyGuideLine soloCancel = {TextName::MatchGuideCancel, {{&k1.cancel}}};
constexpr KeyGuideLine leave = {TextName::MatchGuideLeave, {{&m.escape}, {&m.escape}}};

constexpr KeyGuideLine endlessLines[] = {
    soloMove,
    soloSwap,
    soloLine,
    {TextName::MatchGuideDrop, {{&k1.drop}}},
    {TextName::MatchGuideExDelete, {{&k1.exDelete}}},
    {TextName::MatchGuideExMaxDelete, {{&k1.exMaxdelete}}},
    soloCancel,
    {TextName::MatchGuidePause, {{&k1.pause}}},
    leave,
};

constexpr KeyGuideLine versusLines[] = {
    {TextName::MatchGuideMove, {{&k1.up, &k1.down, &k1.left, &k1.right}, {&k2.up, &k2.down, &k2.left, &k2.right}}},
    {TextName::MatchGuideSwap, {{&k1.swap}, {&k2.swap}}},
    {TextName::MatchGuideLine, {{&k1.select}, {&k2.select}}},
    {TextName::MatchGuideDrop, {{&k1.drop}, {&k2.drop}}},
    {TextName::MatchGuideCancel, {{&k1.cancel}, {&k2.cancel}}},
    {TextName::MatchGuidePause, {{&k1.pause}, {&k2.pause}}},
    leave,
};

constexpr KeyGuideLine puzzleLines[] = {
    soloMove,   soloSwap, soloLine, {TextName::MatchGuideDrop, {{&k1.drop}}},
    soloCancel, {TextName::MatchGuidePauseMenu, {{&k1.pause}}},
    leave,
};

constexpr KeyGuideLine practiceLines[] = {
    soloMove,   soloSwap, soloLine, {TextName::MatchGuideRaise, {{&k1.drop}}},
    soloCancel, {TextName::MatchGuidePauseMenu, {{&k1.pause}}},
    leave,
};

constexpr KeyGuideLine pauseLines[] = {
    {TextName::MatchGuideResume, {{&k1.pause}}},
    leave,
};

constexpr KeyGuideLine versusPauseLines[] = {
    {TextName::MatchGuideResume, {{&k1.pause}, {&k2.pause}}},
    leave,
};

// The practice pause asks whether to go back to the menu.
constexpr KeyGuideLine practicePauseLines[] = {
    {TextName::MatchGuideYesNo, {{&k1.left, &k1.right, &m.left, &m.right}}},
    {TextName::KeyGuideConfirm, {{&k1.pause}}},
    leave,
};

constexpr KeyGuideLine puzzlePauseLines[] = {
    {TextName::MatchGuideChoose, {{&k1.up, &k1.down, &m.up, &m.down}}},
    {TextName::KeyGuideConfirm, {{&k1.swap, &k1.pause}}},
    {TextName::MatchGuideBackToProblem, {{&k1.cancel}}},
    leave,
};

constexpr KeyGuideLine pickerLines[] = {
    {TextName::MatchGuideChooseProblem, {{&m.left, &m.right, &m.leftLetter, &m.rightLetter}}},
    {TextName::MatchGuideStart, {{&k1.swap, &k1.pause}}},
    {TextName::MatchGuideBackToMenu, {{&m.escape}}},
};

template <size_t n>
constexpr KeyGuidePage Page(TextName title, const KeyGuideLine (&lines)[n], int players) {
    // The match's clocks count its steps, and no step runs under the guide:
    // they stand still by themselves.
    return {title, lines, static_cast<int>(n), players, nullptr};
}

constexpr KeyGuidePage endlessGuide = Page(TextName::MatchGuideEndlessTitle, endlessLines, 1);
constexpr KeyGuidePage versusGuide = Page(TextName::MatchGuideVersusTitle, versusLines, 2);
constexpr KeyGuidePage puzzleGuide = Page(TextName::MatchGuidePuzzleTitle, puzzleLines, 1);
constexpr KeyGuidePage practiceGuide = Page(TextName::MatchGuidePracticeTitle, practiceLines, 1);
constexpr KeyGuidePage pauseGuide = Page(TextName::MatchGuidePauseTitle, pauseLines, 1);
constexpr KeyGuidePage versusPauseGuide = Page(TextName::MatchGuidePauseTitle, versusPauseLines, 2);
constexpr KeyGuidePage practicePauseGuide = Page(TextName::MatchGuidePauseTitle, practicePauseLines, 1);
constexpr KeyGuidePage puzzlePauseGuide = Page(TextName::MatchGuidePauseMenuTitle, puzzlePauseLines, 1);

}  // namespace

const KeyGuidePage puzzlePickerGuide = {TextName::MatchGuidePickerTitle, pickerLines,
                                        static_cast<int>(std::size(pickerLines)), 1, nullptr};

const KeyGuidePage* MatchGuidePage() {
    if (matchState != 0) return nullptr;
    const bool paused = AnyPaused();
    switch (gameMode) {
        case endlessMode:
            return paused ? &pauseGuide : &endlessGuide;
        case versusMode:
            return paused ? &versusPauseGuide : &versusGuide;
        case puzzleMode:
            return paused ? &puzzlePauseGuide : &puzzleGuide;
        case practiceMode:
            return paused ? &practicePauseGuide : &practiceGuide;
        default:
            return nullptr;
    }
}
