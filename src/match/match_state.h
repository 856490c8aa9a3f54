#pragma once

// match: the match engine (boards, players, keys, rises, lines, drops and
// scores), its display, the pause, the puzzles, the set-up before a match and
// the result flow after it. It stands on ranking (the result goes there),
// setup (the players' parameters), options, shell, content and platform.
//
// A map of the folder, along the course of a match:
//   records        match_state, match_values.h (the list of match values),
//                  puzzle_rules (the problem being played), game_random
//   start, inputs  match_start.h and match_begin (the start record a match
//                  is a function of), match_input.h and step_input (a step's
//                  inputs and their source), keyboard_input
//   set-up, driver match_setup, start_sequence, match_step (one step of the
//                  rules), match_scene (the paced frame), board_pass
//   state          match_snapshot (snapshot, restore, checksum)
//   inputs, board  player_update, controls.h, direction_keys, cursor, swap,
//                  line_select, limit, ex_attack
//   lines, score   vanish_rule, clear_animation, score, chain_end
//   stack          gravity, rise, new_rows, idle_clean_up
//   from above     drops, drop_fall, attack_meter
//   display        hud, hud_parts.h, numbers, panel_drawing, playfield_frame,
//                  match_clock, bonus_banner, puzzle_box
//   pause, end     pause, result_flow, result_screen

#include <cstdint>
#include <type_traits>

#include "match/match_start.h"

// The records the match engine shares: two boards, everything each player
// owns, and the values of the match as a whole. Fields keep the widths the
// game's arithmetic depends on (signed bytes where -1 means none or idle).

constexpr int boardRows = 15;
constexpr int boardColumns = 7;
constexpr int boardCells = boardRows * boardColumns;

// Cell values: -1 empty, 0..7 a panel, 8 a marked empty cell, 9..16 a marked panel.
constexpr int8_t emptyCell = -1;
constexpr int8_t markedEmpty = 8;
constexpr int8_t markOffset = 9;

// Both boards, row 0 (the bottom, below the field) first: cell (r, c) of
// player p is board[p * 105 + r * 7 + c].
extern int8_t board[2 * boardCells];

// Cell (r, c) of player p; callers keep r in 0..14 and c in 0..6.
inline int8_t& Cell(int p, int r, int c) { return board[p * boardCells + r * boardColumns + c]; }
inline bool HoldsPanel(int8_t v) { return v >= 0 && v <= 7; }
inline bool Occupied(int8_t v) { return v >= 0; }
// True when v lies from a to b, whichever way round they are (a line's or a
// swap's two ends).
inline bool Between(int v, int a, int b) { return a <= b ? (a <= v && v <= b) : (b <= v && v <= a); }

// A line of cells: start and end column, start and end row; startX -1 = idle.
struct LineCells {
    int8_t startX = -1;
    int8_t endX = -1;
    int8_t startY = -1;
    int8_t endY = -1;
    bool Active() const { return startX != -1; }
};

struct Player {
    // Cursor, swap and selected line.
    int8_t cursorX = 3;
    int8_t cursorY = 2;
    int8_t swapFirstX = 0;
    int8_t swapSecondX = 0;
    int8_t swapFirstY = 0;
    int8_t swapSecondY = 0;
    int8_t lineStartX = -1;
    int8_t lineEndX = -1;
    int8_t lineStartY = -1;
    int8_t lineEndY = -1;
    LineCells clearingLine;
    LineCells failingLine;

    // Actions in progress.
    int8_t cursorMoveDir = 0;   // 0 none, 1 up, 2 right, 3 down, 4 left
    int8_t moveOffset = 0;      // pixels of the cursor or line-end step
    int32_t cursorPin = 0;      // cursor picture pushed down under the field top
    int8_t lineState = -1;      // -1 none, 0 anchored, 1..4 end moving
    int8_t lineRetracting = 0;
    int8_t swapState = 0;       // 0 none, 1 first cell picked, 2 swapping
    int8_t swapStep = 0;        // 0..24, +2 per step
    int8_t selectLatch = 0;     // 0 released, 1 held since anchoring, 2 since confirming
    int8_t swapLatch = 0;
    int8_t repeatCount = 0;     // steps a direction key has been held
    int8_t needsGravity = 0;
    int8_t fallOffset = 0;      // pixels 0..24 of the gravity step
    int8_t riseOffset = 0;      // pixels 0..24 risen toward the next row
    int8_t extraRises = 0;
    int8_t highestRow = 0;
    int32_t riseTimer = 0;      // steps since the last rise started, at most 600
    int32_t limitCounter = 0;   // steps spent in the pending swap or line

    // Vanish rule, score and gauges.
    int32_t clearTimer = 0;     // +3 per step while clearingLine is active
    int32_t lineScore = 0;      // points of the last confirmed line, at most 999999
    int32_t lineWeight = 0;     // its multiplier: cells plus chain
    int32_t chain = 0;          // 0..999
    int32_t chainTimer = 0;
    int32_t score = 0;          // 0..99999999
    int32_t scoreHigh = 0;      // hundred-millions, 0..9999
    int32_t exGauge = 0;
    int8_t failTimer = -1;      // fail animation frame, -1 idle
    int8_t exStock = 0;         // banked full gauges in versus, 0..9
    int8_t exAttackActive = 0;
    int8_t popupTimer = 0;
    int32_t popupX = 0;
    int32_t popupY = 0;

    // Panels from above.
    int8_t dropPending = 0;     // panels of the current batch, at most 35
    int8_t dropOverflow = 0;    // panels waiting behind it
    int8_t dropActive = 0;
    int8_t dropImmediate = 0;
    int8_t dropPhase = -1;      // -1 idle, 0 generate, 1 warning, 2 falling
    int8_t dropPhaseCounter = 0;
    int8_t dropFallOffset = 0;
    int8_t dropColumnCursor = 0;
    int32_t dropRow = 15;
    int8_t nextPanels[5][boardColumns] = {{-1, -1, -1, -1, -1, -1, -1}, {-1, -1, -1, -1, -1, -1, -1},
                                          {-1, -1, -1, -1, -1, -1, -1}, {-1, -1, -1, -1, -1, -1, -1},
                                          {-1, -1, -1, -1, -1, -1, -1}};

    // Display, rewards, top-out and pause.
    int8_t bonusState = 0;      // 0 none, 1 clear banner, 2 level bonus pending
    int8_t bonusBannerTimer = 0;
    // 1 while the banner pays the level bonus: fixed when it starts, so that
    // a bonus earned while the other one is shown waits for its own banner.
    int8_t payingLevelBonus = 0;
    int8_t paused = 0;          // 0 off, 1..80 on (blink cycle)
    int8_t pauseLatch = 0;
    int32_t topOutTimer = 0;    // steps with a panel in the top row, 0..201

    // What the items ask of a match: the longest finished chain and the
    // lines of every finished chain.
    int32_t longestChain = 0;
    int32_t linesCleared = 0;
};
// The snapshot copies a player whole and the checksum reads his bytes: the
// fields are ordered so that no padding lies between them. A new field goes
// where it keeps it so.
static_assert(std::has_unique_object_representations_v<Player>, "Player must hold no padding");

extern Player players[2];

// Match as a whole.
extern int8_t twoPlayers;     // 1 in versus
extern int8_t matchState;     // 0 playing, 1 result flow, 2 result screen
extern int8_t matchEnd;       // 0 normal, 1 puzzle solved, 2 puzzle retry chosen
extern int8_t matchStarted;
extern int8_t pauseMenuCursor;
struct FrameClock {
    uint32_t now = 0;
    uint32_t lastStep = 0;
};
// The rules' clock: a step's now is the match's step count x 20 ms, the
// same for every run of the same inputs; lastStep is the same stamp (the
// step being run).
extern FrameClock frameClock;
// Steps of the match run so far (MatchStep).
extern uint32_t matchStep;
// 1 once the screen has closed on leaving the match (MatchOver).
extern int8_t matchLeft;
// Wall-clock time of the last step MatchScene ran: its pacing only, no part
// of the match.
extern uint32_t matchPaceMark;
extern int8_t puzzleIndex;
extern int8_t skipPicker;
extern int8_t matchFontBig;   // font handle, made at set-up

// Shared blink of the match pictures: phase A below 300 ms, B to 599 ms.
extern uint32_t blinkClock;

// Scoring.
extern int32_t level;          // 1..999
extern int32_t panelsCleared;
extern int8_t exAttackKind;    // 0 Delete, 1 Maxdelete
extern int32_t exAttackClock;
extern int8_t gaugeFullSounded;
extern int8_t maxdeleteValue;  // value removed by the running Maxdelete

// Display, clock and rewards.
extern int32_t maxChain;
extern int32_t chainBonus;
extern int32_t clearBannerY;   // -50 when idle
extern int8_t versusWins[2];   // survives from match to match in a series
extern int32_t clockHours;
extern int32_t clockMinutes;
extern int32_t clockSeconds;
extern uint32_t clockMark;
extern int8_t blinkPhase;
extern int8_t attackMeterSize;
extern int8_t attackMeterLit;
extern uint32_t attackMark;
extern int8_t attackAmount;
extern int8_t topLineStep;

// 1 while seBuffer1 holds the danger warning instead of the chain cheer.
extern int8_t dangerInCheerSlot;

// Top-out: 0 none, 1 left won, 2 right won, 3 draw.
extern int8_t topOutResult;

// Pause: how far into the clock second and the attack interval the pause began.
extern uint32_t pausedClockElapsed;
extern uint32_t pausedAttackElapsed;
// The match step (its frameClock.lastStep) that last moved the closing wipe
// of a match being left: one wipe step per match step, however many players.
extern uint32_t leaveWipeStep;

// A swap cell that was already marked when the swap took it (a cell of a line
// being cleared, or one left by a cancelled swap) stays marked once rather
// than twice, so cells never leave -1..16; the flag remembers it so that the
// end of the swap leaves that cell marked, as a second mark would have.
struct KeptMarks {
    int8_t cells[2][2];  // [player][0 first cell, 1 second cell]
};
extern KeptMarks keptMarks;

// The problem being played (puzzle mode): the match reads its rules here,
// and counts its swap allowance down here; the puzzle tables stay as read.
extern PuzzleProblem matchPuzzle;

// Result flow.
extern int8_t resultPhase;
extern int8_t resultPulse;
extern int8_t resultPulseStep;
extern int32_t resultWait;
// 1 once the match's achievements have been weighed for the items.
extern int8_t itemsChecked;
struct FlyingPanel {
    int32_t flyAngle = 0;
    double flyX = 0;
    double flyY = 0;
    int8_t flyGone = 0;
};
extern FlyingPanel flyingPanels[2][boardRows][boardColumns];

// Geometry of board p.
inline int ColumnLeft(int p, int c) { return 49 + 374 * p + 24 * c; }
inline int RowTop(int p, int r) { return 352 - 24 * (r - 2) - players[p].riseOffset; }
constexpr int fieldTop = 64;

// The target total of the vanish rule: 7 + targetSumOffset.
int TargetTotal();
// True when any player's pause is on / EX attack runs.
bool AnyPaused();
bool AnyExAttack();
// The limit length of a CHAIN level: 138 + 6 x CHAIN (CHAIN 0..15).
int LimitFramesOf(int chainLevel);
// The player's limit length, of the player's own CHAIN level.
int LimitFrames(int p);

// Every value of a new match (the per-player records, the boards, the
// process-wide values), as match set-up resets them.
void ResetMatchValues();
// Every record of the match engine back to its process start value, as a
// fresh run has them.
void ResetMatchRecords();
