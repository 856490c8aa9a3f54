#include <gtest/gtest.h>

#include <cstring>

#include "match/result_flow.h"
#include "match/vanish_rule.h"
#include "match/versus_run.h"
#include "ranking/name_entry.h"
#include "shell/menu_input.h"

// Whole versus matches through the real scenes, both players' records set as
// the set-up screens leave them.
namespace {

using matchRun::Press;
using versusRun::FillToTheTop;
using versusRun::Profile;
using versusRun::StartVersus;
using versusRun::StepUntil;

Profile WithLuck(int luck) {
    Profile pr;
    pr.params[paramLuck] = static_cast<int8_t>(luck);
    return pr;
}

// Both boards start from the same rows, whatever each player's LUCK.
TEST(VersusMatch, BothBoardsOpenWithTheSameRows) {
    const int lucks[][2] = {{5, 5}, {0, 15}, {15, 0}};
    for (const auto& l : lucks) {
        ASSERT_TRUE(StartVersus(WithLuck(l[0]), WithLuck(l[1])));
        EXPECT_EQ(std::memcmp(&Cell(0, 0, 0), &Cell(1, 0, 0), boardCells), 0) << l[0] << " " << l[1];
        int panels = 0;
        for (int c = 0; c < boardColumns; ++c) panels += HoldsPanel(Cell(0, 4, c)) ? 1 : 0;
        EXPECT_EQ(panels, boardColumns);
        EXPECT_EQ(players[0].cursorX, players[1].cursorX);
    }
}

// A chain of n that ends sends n - 1 panels to the other board (none for a
// single line), and nothing to the chaining player's own.
TEST(VersusMatch, AnEndingChainOfNQueuesNMinusOnePanelsForTheOther) {
    struct Case {
        int player, chain, pending, overflow;
    };
    const Case cases[] = {{0, 1, 0, 0}, {0, 2, 1, 0}, {1, 4, 3, 0}, {0, 8, 7, 0}, {1, 40, 35, 4}};
    for (const Case& c : cases) {
        ASSERT_TRUE(StartVersus());
        const int other = 1 - c.player;
        players[c.player].chain = c.chain;
        players[c.player].chainTimer = 0;
        ASSERT_TRUE(StepUntil([&] { return players[c.player].chain == 0; }, 400)) << c.chain;
        EXPECT_EQ(players[other].dropPending, c.pending) << c.chain;
        EXPECT_EQ(players[other].dropOverflow, c.overflow) << c.chain;
        EXPECT_EQ(players[other].dropActive, c.chain > 1 ? 1 : 0) << c.chain;
        EXPECT_EQ(players[c.player].dropActive, 0) << c.chain;
        EXPECT_EQ(players[c.player].dropPending, 0) << c.chain;
    }
}

// Puts a two-panel line that adds up at the cursor's cell and the one to its
// right, and selects, extends and confirms it with the player's own keys.
void ClearAPairAtTheCursor(int p) {
    Cell(p, 2, 3) = 3;
    Cell(p, 2, 4) = static_cast<int8_t>(TargetTotal() - 3);
    Press(playerKeys[p].select);
    ASSERT_EQ(players[p].lineState, 0);
    Press(playerKeys[p].right);
    ASSERT_TRUE(StepUntil([p] { return players[p].lineState == 0; }, 40));
    Press(playerKeys[p].select);
}

// A clear fills the player's own EX gauge by 2 + EX with items on, banks a
// full gauge of 150 as stock, and leaves the gauge alone with items off.
TEST(VersusMatch, ClearsFillTheOwnExGaugeByTheExLevel) {
    struct Case {
        int player, ex, itemsOff, gaugeBefore, gaugeAfter, stockAfter;
    };
    const Case cases[] = {
        {0, 0, 0, 0, 2, 0},    {1, 5, 0, 0, 7, 0},     {0, 10, 0, 0, 12, 0}, {1, 15, 0, 0, 17, 0},
        {0, 15, 0, 140, 7, 1}, {1, 5, 0, 148, 5, 1},   {0, 3, 1, 0, 0, 0},
    };
    for (const Case& c : cases) {
        Profile chooser;
        chooser.params[paramEx] = static_cast<int8_t>(c.ex);
        chooser.itemsOff = static_cast<int8_t>(c.itemsOff);
        ASSERT_TRUE(c.player == 0 ? StartVersus(chooser, Profile{}) : StartVersus(Profile{}, chooser));
        players[c.player].exGauge = c.gaugeBefore;
        ClearAPairAtTheCursor(c.player);
        EXPECT_EQ(players[c.player].chain, 1) << c.ex;
        EXPECT_EQ(players[c.player].exGauge, c.gaugeAfter) << c.player << " EX " << c.ex;
        EXPECT_EQ(players[c.player].exStock, c.stockAfter) << c.player << " EX " << c.ex;
        EXPECT_EQ(players[1 - c.player].exGauge, 0);
        EXPECT_EQ(players[1 - c.player].chain, 0);
    }
}

// A top-out gives the match to the other player and counts his win (at most
// 99); both on the same step is a draw that counts none.
TEST(VersusMatch, TopOutGivesTheWinToTheOtherPlayer) {
    struct Case {
        bool leftTops, rightTops;
        int winsBefore[2];
        int result;
        int winsAfter[2];
    };
    const Case cases[] = {
        {true, false, {0, 0}, 2, {0, 1}},
        {false, true, {5, 0}, 1, {6, 0}},
        {true, false, {7, 99}, 2, {7, 99}},
        {false, true, {99, 3}, 1, {99, 3}},
        {true, true, {3, 4}, 3, {3, 4}},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(StartVersus());
        versusWins[0] = static_cast<int8_t>(c.winsBefore[0]);
        versusWins[1] = static_cast<int8_t>(c.winsBefore[1]);
        if (c.leftTops) FillToTheTop(0);
        if (c.rightTops) FillToTheTop(1);
        ASSERT_TRUE(StepUntil([] { return matchState == 1; }, 400));
        EXPECT_EQ(topOutResult, c.result);
        ASSERT_TRUE(StepUntil([] { return resultPhase == 2; }, 400));
        EXPECT_EQ(versusWins[0], c.winsAfter[0]);
        EXPECT_EQ(versusWins[1], c.winsAfter[1]);
    }
}

// Plays a versus match to a win of the right player and answers the
// question after it: yes (cursor 0) or no (1).
void WinOnTheRightAndAnswer(int answer) {
    FillToTheTop(0);
    ASSERT_TRUE(StepUntil([] { return resultPhase == 2; }, 800));
    Press('X');
    ASSERT_TRUE(StepUntil([] { return matchState == 2 && entryPhase == 2 && confirmHeld == 0; }, 100));
    versusRun::Steps(15);
    if (answer == 1) Press(vkRight);
    ASSERT_EQ(entryCursor, answer);
    Press('X');
    ASSERT_EQ(wipeState, 1);
}

// Yes plays again with the same profiles and the series' wins.
TEST(VersusMatch, RematchKeepsTheProfilesAndTheWins) {
    Profile left, right;
    left.params = {3, 4, 2, 5, 1};
    left.items = {4, 9};
    right.params = {0, 1, 6, 2, 0};
    right.itemsOff = 1;
    ASSERT_TRUE(StartVersus(left, right));
    versusWins[0] = 2;
    versusWins[1] = 5;
    int8_t params[2][5], slots[2][2], off[2];
    std::memcpy(params, playerParams, sizeof params);
    std::memcpy(slots, itemSlots, sizeof slots);
    std::memcpy(off, itemUseOff, sizeof off);

    WinOnTheRightAndAnswer(0);
    ASSERT_TRUE(harness::RunUntil(
        [] { return currentScene == MatchScene && matchStarted == 1 && matchState == 0; }, 5000000));
    EXPECT_EQ(gameMode, versusMode);
    EXPECT_EQ(twoPlayers, 1);
    EXPECT_EQ(matchState, 0);
    EXPECT_EQ(versusWins[0], 2);
    EXPECT_EQ(versusWins[1], 6);
    EXPECT_EQ(std::memcmp(params, playerParams, sizeof params), 0);
    EXPECT_EQ(std::memcmp(slots, itemSlots, sizeof slots), 0);
    EXPECT_EQ(std::memcmp(off, itemUseOff, sizeof off), 0);
    // A fresh match: both boards open identical again.
    EXPECT_EQ(std::memcmp(&Cell(0, 0, 0), &Cell(1, 0, 0), boardCells), 0);
    EXPECT_EQ(players[0].exGauge, 0);
    EXPECT_EQ(players[1].score, 0);
}

// No ends the series: back to the menu with both win counters cleared.
TEST(VersusMatch, NoEndsTheSeriesAtTheMainMenu) {
    ASSERT_TRUE(StartVersus());
    versusWins[0] = 4;
    versusWins[1] = 1;
    WinOnTheRightAndAnswer(1);
    ASSERT_TRUE(harness::RunUntil([] { return currentScene == MainMenuScene; }, 5000000));
    EXPECT_EQ(versusWins[0], 0);
    EXPECT_EQ(versusWins[1], 0);
}

// What a key may change: one player's board and actions.
struct Seen {
    int cursorX, cursorY, moveDir, swapState, lineState, dropActive, dropPending, paused;
    bool operator==(const Seen&) const = default;
};

Seen SeenOf(int p) {
    const Player& pl = players[p];
    return {pl.cursorX, pl.cursorY, pl.cursorMoveDir, pl.swapState, pl.lineState, pl.dropActive, pl.dropPending,
            pl.paused};
}

void Settle(int p) {
    StepUntil([p] { return players[p].cursorMoveDir == 0 && players[p].moveOffset == 0; }, 40);
}

// Each player's keys act on his own board only: the directions, swap,
// select, drop request, cancel and pause of the left player (Y H B G, X, S,
// A, Z, C) and of the right player (the arrows, L, O, I, K, Enter).
TEST(VersusMatch, EachPlayersKeysActOnlyOnHisBoard) {
    ASSERT_TRUE(StartVersus());
    for (int p = 0; p < 2; ++p) {
        const PlayerKeys& k = playerKeys[p];
        struct Row {
            int key;
            const char* what;
            bool (*done)(const Player&);
        };
        const Row rows[] = {
            {k.up, "up", [](const Player& pl) { return pl.cursorY == 3 && pl.cursorX == 3; }},
            {k.right, "right", [](const Player& pl) { return pl.cursorY == 3 && pl.cursorX == 4; }},
            {k.down, "down", [](const Player& pl) { return pl.cursorY == 2 && pl.cursorX == 4; }},
            {k.left, "left", [](const Player& pl) { return pl.cursorY == 2 && pl.cursorX == 3; }},
            {k.swap, "swap", [](const Player& pl) { return pl.swapState == 1; }},
            {k.cancel, "cancel", [](const Player& pl) { return pl.swapState == 0 && pl.lineState == -1; }},
            {k.select, "select", [](const Player& pl) { return pl.lineState == 0; }},
            {k.cancel, "cancel", [](const Player& pl) { return pl.lineState == -1; }},
            {k.drop, "drop", [](const Player& pl) { return pl.dropActive == 1 && pl.dropImmediate == 1; }},
            {k.pause, "pause", [](const Player& pl) { return pl.paused > 0; }},
            {k.pause, "resume", [](const Player& pl) { return pl.paused == 0; }},
        };
        for (const Row& row : rows) {
            const Seen before = SeenOf(1 - p);
            Press(row.key);
            Settle(p);
            EXPECT_TRUE(row.done(players[p])) << "player " << p << " " << row.what;
            EXPECT_TRUE(SeenOf(1 - p) == before) << "player " << p << " " << row.what << " moved the other board";
            if (players[p].dropActive == 1 && players[p].paused == 0)
                StepUntil([p] { return players[p].dropActive == 0; }, 300);
        }
    }
}

}  // namespace
