#include "puzzlebook/solution_replay.h"

#include <algorithm>
#include <fstream>
#include <functional>

#include "content/game_sheet.h"
#include "frontend/logo_scene.h"
#include "frontend/main_menu.h"
#include "harness/harness.h"
#include "match/match_scene.h"
#include "match/match_setup.h"
#include "match/match_state.h"
#include "match/puzzle_rules.h"
#include "platform/virtual/virtual_backend.h"
#include "platform/wipe.h"
#include "puzzle/puzzle_file.h"
#include "puzzle/puzzle_test_util.h"
#include "shell/game_mode.h"
#include "shell/scene.h"

namespace solutionReplay {

namespace {

using puzzleBook::Cell;
using puzzleBook::Move;
using puzzleBook::MoveKind;

// Longest wait for any one thing the player waits for (20 s of play): a
// settling board, a cursor on its way, a swap, the end of the match.
constexpr int waitCap = 1000;
// Steps from the last move by which the match must have ended: longer than
// the slowest clear, a fall from the top and a missed line's animation.
constexpr int endCap = 300;
// Steps from the end of the match by which CLEAR! must have been shown.
constexpr int bannerCap = 200;

constexpr int vkSwap = 'X';
constexpr int vkSelect = 'S';
// Board directions 1 up, 2 right, 3 down, 4 left, as the game counts them.
constexpr int directionKeys[5] = {0, 'Y', 'H', 'B', 'G'};

// In the picker: once its opening wipe is over, the problem is put up
// (browsing to it is the picker's own test) and X is pressed for two frames.
int pickerIndex = 0;
bool pickerDone = false;

void ChooseInPicker() {
    if (pickerDone || currentScene != MatchSetupScene || wipeState != 0) return;
    pickerDone = true;
    puzzleIndex = static_cast<int8_t>(pickerIndex);
    ShowPuzzle(pickerIndex);
    const uint32_t now = virtualBackend::state.framesPresented;
    virtualBackend::state.keyScript.push_back({now, vkSwap, true});
    virtualBackend::state.keyScript.push_back({now + 2, vkSwap, false});
}

bool SameCell(int x, int y, Cell cell) { return x == cell.col && y == cell.row; }

class Replayer {
public:
    explicit Replayer(ReplayResult& result) : result_(result) {}

    // Plays the moves, then waits for the end of the match; the failure is
    // set when a move went wrong or the match was lost.
    void Play(const std::vector<Move>& moves) {
        for (size_t i = 0; i < moves.size(); ++i) {
            move_ = &moves[i];
            moveName_ = "move " + std::to_string(i + 1) + " (" + puzzleBook::FormatMove(moves[i]) + ")";
            result_.moves.push_back({});
            Current().begun = result_.steps;
            const Move* next = i + 1 < moves.size() ? &moves[i + 1] : nullptr;
            const bool put = moves[i].kind == MoveKind::swap ? Swap(next) : Line();
            if (!result_.failure.empty()) return;
            if (!put) {
                // The match ended before the move could be put in.
                Ended();
                return;
            }
            Current().put = result_.steps;
            result_.movesPut = static_cast<int>(i + 1);
            settling_ = static_cast<int>(i);
            NoteSettled();
        }
        move_ = nullptr;
        moveName_ = "after the last move";
        if (!Wait([] { return matchState != 0; }, endCap, "the goal was not met")) return;
        Ended();
    }

    // After the end of a solved match: waits for CLEAR! on the screen.
    void WatchForTheBanner() {
        for (int i = 0; i < bannerCap && !result_.clearShown; ++i) {
            result_.clearShown = resultPhase == 2 && matchEnd == 1 &&
                                 puzzleTest::PictureShown(gameSheetLayout::clearPicture, 68, 150);
            if (!result_.clearShown) StepWith(0);
        }
    }

private:
    MoveSteps& Current() { return result_.moves.back(); }
    const Player& Me() const { return players[0]; }

    bool Quiet() const {
        const Player& pl = Me();
        return pl.swapState == 0 && pl.lineState == -1 && !pl.clearingLine.Active() && !pl.failingLine.Active() &&
               pl.needsGravity == 0;
    }

    // The last move put in, until the board is quiet after it.
    void NoteSettled() {
        if (settling_ < 0 || !Quiet()) return;
        result_.moves[static_cast<size_t>(settling_)].settled = result_.steps;
        settling_ = -1;
    }

    bool Playing() const { return currentScene == MatchScene && matchState == 0; }

    // One match step with key vk (0 none) held through it; every other key
    // of the player is released. A key held on the step before is released
    // for this one instead, so that every press is a new one; the caller
    // then simply asks again on the next step.
    void StepWith(int vk) {
        const uint32_t now = harness::Frames();
        if (held_ != 0 && held_ != vk) virtualBackend::state.keyScript.push_back({now, held_, false});
        if (vk != 0 && held_ == vk) {
            virtualBackend::state.keyScript.push_back({now, held_, false});
            vk = 0;
        } else if (vk != 0 && held_ != vk) {
            virtualBackend::state.keyScript.push_back({now, vk, true});
        }
        held_ = vk;
        const uint32_t last = matchStep;
        harness::RunUntil([last] { return matchStep != last || currentScene != MatchScene; }, 1000);
        // The step that ends the match is the last one counted.
        if (!endSeen_) ++result_.steps;
        result_.chain = std::max<int>(result_.chain, Me().chain);
        NoteSettled();
        if (matchState != 0 && !endSeen_) {
            endSeen_ = true;
            result_.secondsLeft = static_cast<int>(clockMinutes * 60 + clockSeconds);
        }
    }

    // The direction key that brings the cursor one cell nearer to the cell,
    // or 0 when it is there or still on its way.
    int TravelKey(Cell cell) const {
        const Player& pl = Me();
        if (pl.cursorMoveDir != 0 || pl.moveOffset != 0 || pl.lineState != -1) return 0;
        if (pl.cursorX < cell.col) return directionKeys[2];
        if (pl.cursorX > cell.col) return directionKeys[4];
        if (pl.cursorY < cell.row) return directionKeys[1];
        if (pl.cursorY > cell.row) return directionKeys[3];
        return 0;
    }

    bool CursorAt(Cell cell) const {
        const Player& pl = Me();
        return SameCell(pl.cursorX, pl.cursorY, cell) && pl.cursorMoveDir == 0 && pl.moveOffset == 0;
    }

    void Fail(const std::string& what) { result_.failure = moveName_ + ": " + what; }

    // Steps (with no key) until done holds; false when the match ended first
    // or the cap was reached (then with the failure set).
    bool Wait(const std::function<bool()>& done, int cap, const char* what) {
        for (int i = 0; i < cap; ++i) {
            if (done()) return true;
            if (!Playing()) return false;
            StepWith(0);
        }
        if (done()) return true;
        Fail(std::string(what) + " within " + std::to_string(cap) + " frames");
        return false;
    }

    // Brings the cursor to the cell; with quiet set, also waits for a
    // quiet board there. False when the match ended or the cap was reached.
    bool Travel(Cell cell, bool quiet, const std::function<bool()>& stillOn = nullptr) {
        for (int i = 0; i < waitCap; ++i) {
            if (!Playing()) return false;
            if (stillOn && !stillOn()) return false;
            if (CursorAt(cell) && (!quiet || Quiet())) return true;
            StepWith(TravelKey(cell));
        }
        Fail("timeout: the cursor did not reach " + puzzleBook::CellName(cell) + (quiet ? " on a quiet board" : "") +
             " within " + std::to_string(waitCap) + " frames");
        return false;
    }

    // While the two cells turn, the cursor already heads for the next move.
    bool Swap(const Move* next) {
        if (!Travel(move_->from, true)) return false;
        Current().reached = result_.steps;
        StepWith(vkSwap);
        if (!Playing()) return false;
        Current().keyed = result_.steps;
        if (Me().swapState != 1) {
            Fail("the swap was refused (no panel on " + puzzleBook::CellName(move_->from) + " or no swap left)");
            return false;
        }
        const auto picked = [this] { return Me().swapState == 1; };
        if (!Travel(move_->to, false, picked)) {
            if (result_.failure.empty() && Playing()) Fail("the picked panel was let go");
            return false;
        }
        StepWith(vkSwap);
        if (!Playing()) return false;
        if (Me().swapState != 2) {
            Fail("the swap was refused on " + puzzleBook::CellName(move_->to));
            return false;
        }
        for (int i = 0; i < waitCap; ++i) {
            if (!Playing()) return false;
            if (Me().swapState == 0) return true;
            StepWith(next != nullptr ? TravelKey(next->from) : 0);
        }
        Fail("timeout: the swap did not finish within " + std::to_string(waitCap) + " frames");
        return false;
    }

    // The direction from the line's end one cell toward its target.
    int LineKey() const {
        const Player& pl = Me();
        const Cell to = move_->to;
        if (pl.lineEndX < to.col) return directionKeys[2];
        if (pl.lineEndX > to.col) return directionKeys[4];
        if (pl.lineEndY < to.row) return directionKeys[1];
        if (pl.lineEndY > to.row) return directionKeys[3];
        return 0;
    }

    bool Line() {
        const Cell from = move_->from;
        const Cell to = move_->to;
        if (from.row != to.row && from.col != to.col) {
            Fail("the ends are not in one row or one column");
            return false;
        }
        if (from == to) {
            Fail("a line needs two cells at least");
            return false;
        }
        if (!Travel(from, true)) return false;
        Current().reached = result_.steps;
        StepWith(vkSelect);
        if (!Playing()) return false;
        Current().keyed = result_.steps;
        if (Me().lineState != 0) {
            Fail("the line could not be anchored on " + puzzleBook::CellName(from));
            return false;
        }
        // Stretch the end a cell at a time, each once the one before is over.
        for (int i = 0;; ++i) {
            if (!Playing()) return false;
            const Player& pl = Me();
            if (pl.lineState == -1) {
                Fail("the line was let go before it was confirmed");
                return false;
            }
            if (pl.lineState == 0 && SameCell(pl.lineEndX, pl.lineEndY, to)) break;
            if (i >= waitCap) {
                Fail("timeout: the line's end did not reach " + puzzleBook::CellName(to));
                return false;
            }
            if (pl.lineState != 0) {
                StepWith(0);
                continue;
            }
            const int endX = pl.lineEndX;
            const int endY = pl.lineEndY;
            const int key = LineKey();
            const bool fresh = held_ != key;
            StepWith(key);
            if (fresh && Playing() && Me().lineState == 0 && Me().lineEndX == endX && Me().lineEndY == endY) {
                Fail("the line's end could not go on from " + puzzleBook::CellName({endY, endX}) + " toward " +
                     puzzleBook::CellName(to));
                return false;
            }
        }
        // Confirm: S pressed anew once the end is at rest.
        for (int i = 0; i < waitCap; ++i) {
            if (!Playing()) return false;
            if (Me().lineState != 0) break;
            StepWith(vkSelect);
        }
        if (!Playing()) {
            // A missed line of a puzzle loses it; the check below names it.
            if (!Me().failingLine.Active()) return false;
        }
        const Player& pl = Me();
        if (pl.lineState != -1) {
            Fail("the line could not be confirmed");
            return false;
        }
        if (pl.failingLine.Active() && !pl.clearingLine.Active()) {
            Fail("the line did not vanish");
            return false;
        }
        if (!pl.clearingLine.Active()) {
            Fail("the line was let go before it was confirmed");
            return false;
        }
        return true;
    }

    // The match ended: solved, or lost with the reason.
    void Ended() {
        result_.solved = gameMode == puzzleMode && matchEnd == 1;
        if (result_.solved) return;
        if (matchState == 0) {
            Fail("the match did not end");
            return;
        }
        if (!result_.failure.empty()) return;
        const Player& pl = Me();
        if (pl.failingLine.Active()) Fail("lost: a line did not vanish");
        else if (topOutResult != 0) Fail("lost: the stack reached the top");
        else if (result_.secondsLeft == 0) Fail("lost: the time ran out");
        else Fail("lost");
    }

    ReplayResult& result_;
    const Move* move_ = nullptr;
    std::string moveName_;
    int held_ = 0;
    bool endSeen_ = false;
    int settling_ = -1;
};

// Writes the book's tables as Data\PZL.dat. A plain write: the game's own
// writer syncs the disk twice, which would cost more than the replay.
bool WriteBook(const std::vector<puzzleBook::Problem>& book) {
    const PuzzleFile tables = puzzleBook::BookTables(book);
    std::ofstream out(puzzleTest::DataPath("PZL.dat"), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(&tables), sizeof tables);
    return static_cast<bool>(out);
}

// From boot into problem `number` of the book: false with the failure set
// when the match did not start.
bool StartProblem(const std::vector<puzzleBook::Problem>& book, int number, int64_t seed, ReplayResult& result) {
    const auto fail = [&result](const std::string& what) {
        result.failure = "set-up: " + what;
        return false;
    };
    if (!EnterPuzzleMode(book)) return fail("the puzzle mode was not entered");
    virtualBackend::state.calendarSeconds = seed;
    pickerIndex = number - 1;
    pickerDone = false;
    virtualBackend::state.afterPresent = ChooseInPicker;
    harness::Pass();
    virtualBackend::state.afterPresent = nullptr;
    if (currentScene != MatchScene || matchStarted != 1) return fail("the problem did not start");
    if (puzzleIndex != number - 1) return fail("the picker started problem " + std::to_string(puzzleIndex + 1));
    return true;
}

}  // namespace

// The logo and the title are left out: the game's start-up runs, then the
// menu opens the way every mode comes back to it, and PUZZLE is chosen there.
bool EnterPuzzleMode(const std::vector<puzzleBook::Problem>& book) {
    harness::Boot();
    harness::Pass();
    if (currentScene != LogoScene || !WriteBook(book)) return false;
    ReturnToMainMenu();
    gameMode = puzzleMode;
    harness::Tap(vkSwap);
    return harness::RunUntil([] { return currentScene == MatchSetupScene; });
}

ReplayResult Replay(const std::vector<puzzleBook::Problem>& book, int number, int64_t seed) {
    for (const puzzleBook::Problem& problem : book)
        if (problem.number == number) return Replay(book, number, seed, problem.solution);
    ReplayResult result;
    result.failure = "set-up: no problem " + std::to_string(number) + " in the book";
    return result;
}

ReplayResult Replay(const std::vector<puzzleBook::Problem>& book, int number, int64_t seed,
                    const std::vector<puzzleBook::Move>& moves) {
    ReplayResult result;
    for (const puzzleBook::Problem& problem : book)
        if (problem.number == number) result.timeLimitSeconds = problem.TimeLimitSeconds();
    if (!StartProblem(book, number, seed, result)) return result;
    Replayer player(result);
    player.Play(moves);
    if (result.solved) player.WatchForTheBanner();
    return result;
}

}  // namespace solutionReplay
