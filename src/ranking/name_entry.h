#pragma once
#include <cstdint>

extern int8_t entryPhase;     // 0 ranking, 1 name entry, 2 retry question
extern int8_t rankPlace;      // -1 none
extern int8_t entryName[4];
extern int8_t entryCursor;
extern int8_t charRepeat;
extern int8_t entryMoveHeld;
extern int32_t scrollPos;

// The result screen, each step while matchState is 2.
void RunNameEntry(int rankingSkipped);
// The ranking line of the shared table's entry at place into the canvas.
void DrawRankingRow(int place);
