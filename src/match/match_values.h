#pragma once
#include "match/match_state.h"

// Every single value of the match with its process start value. The one list
// defines the values and puts them back (ResetMatchRecords, match_state.cpp),
// and the snapshot copies and checksums them (match_snapshot.cpp), so a value
// added here can be missed by none of them.
#define MATCH_VALUES(X)                  \
    X(int8_t, twoPlayers, 0)             \
    X(int8_t, matchState, 0)             \
    X(int8_t, matchEnd, 0)               \
    X(int8_t, matchStarted, 0)           \
    X(int8_t, pauseMenuCursor, 0)        \
    X(FrameClock, frameClock, )          \
    X(uint32_t, matchStep, 0)            \
    X(int8_t, matchLeft, 0)              \
    X(int8_t, puzzleIndex, 0)            \
    X(int8_t, skipPicker, 0)             \
    X(uint32_t, blinkClock, 0)           \
    X(int32_t, level, 1)                 \
    X(int32_t, panelsCleared, 0)         \
    X(int8_t, exAttackKind, 0)           \
    X(int32_t, exAttackClock, 0)         \
    X(int8_t, gaugeFullSounded, 0)       \
    X(int8_t, maxdeleteValue, 0)         \
    X(int32_t, maxChain, 0)              \
    X(int32_t, chainBonus, 0)            \
    X(int32_t, clearBannerY, -50)        \
    X(int32_t, clockHours, 0)            \
    X(int32_t, clockMinutes, 0)          \
    X(int32_t, clockSeconds, 0)          \
    X(uint32_t, clockMark, 0)            \
    X(int8_t, blinkPhase, 0)             \
    X(int8_t, attackMeterSize, 0)        \
    X(int8_t, attackMeterLit, -3)        \
    X(uint32_t, attackMark, 0)           \
    X(int8_t, attackAmount, 0)           \
    X(int8_t, topLineStep, 0)            \
    X(int8_t, topOutResult, 0)           \
    X(int8_t, dangerInCheerSlot, 0)      \
    X(uint32_t, pausedClockElapsed, 0)   \
    X(uint32_t, pausedAttackElapsed, 0)  \
    X(uint32_t, leaveWipeStep, ~0u)      \
    X(int8_t, resultPhase, 0)            \
    X(int8_t, resultPulse, 0)            \
    X(int8_t, resultPulseStep, 1)        \
    X(int32_t, resultWait, 0)            \
    X(int8_t, itemsChecked, 0)           \
    X(KeptMarks, keptMarks, )            \
    X(PuzzleProblem, matchPuzzle, )
