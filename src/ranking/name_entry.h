#pragma once
#include <cstdint>

#include "platform/text.h"

struct MatchResult;

// The result screen after a match: its phase, and the name entry of a
// ranked endless result.
extern int8_t entryPhase;     // 0 ranking, 1 name entry, 2 the question after it
extern int8_t rankPlace;      // -1 none
extern int8_t entryName[4];
extern int8_t entryCursor;    // letter 0..3 or OK (4); the answer in phase 2
extern int8_t charRepeat;
extern int8_t entryMoveHeld;
extern int32_t scrollPos;

// The result screen's decide keys: C, X or Enter.
bool EntryDecideHeld();

// Ranks the result once; a ranked player hears the jingle and types a name
// (phase 1, true: the call ends here), anyone else goes on to the question
// (phase 2, false).
bool EnterRanking(const MatchResult& result);

// One step of the name entry, drawn with the given font; the letter cursor
// blinks from blinkMark. True when the name was decided (the call ends here).
bool NameEntryStep(FontHandle font, uint32_t now, uint32_t& blinkMark);

// Every value of the result screen back to its process start.
void ResetRankingRecords();
