#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "replay/replay_record.h"

// The bytes of a replay file, laid out in docs/replay-format.md: magic,
// format version, game version, the start record field by field, each
// player's input changes run-length coded, the checkpoints and the result.
// Decoding trusts nothing: every count is checked against what the bytes
// can hold and against the record's room before it is used, and every value
// against its range, so any bytes give either a replay the match can play or
// a reason.

constexpr uint16_t replayFormatVersion = 1;
inline constexpr char replayMagic[8] = {'S', 'L', 'R', 'E', 'P', 'L', 'A', 'Y'};
// Larger than any replay the recorder can fill (about 1.7 MB at most); a
// file above it is refused without being read.
constexpr size_t replayMaxBytes = 2u << 20;

// Why a replay cannot be played.
enum class ReplayProblem : uint8_t {
    none,
    missing,
    notRegularFile,  // a folder, a pipe, a device
    cannotOpen,
    tooLarge,
    readError,
    notReplay,       // no replay magic at its start
    otherFormat,     // a replay of another format version
    truncated,       // ends before its last part
    damaged,         // a value out of range, a count too large, extra bytes
};

// The reason in one line of plain words (no file name, no newline), for
// standard error and for the game's two-second notice.
struct ReplayReport {
    ReplayProblem problem = ReplayProblem::none;
    char reason[128] = {};
};

// The start record's bytes, field by field, as a replay file holds it and
// as the online start message carries it.
constexpr size_t matchStartBytes = 1 + 5 + 10 + 4 + 2 + 2 + 1 + 105 + 3 + 12 + 4;
// Writes exactly matchStartBytes bytes at out.
void EncodeMatchStart(const MatchStart& start, uint8_t* out);
// Reads matchStartBytes bytes and checks every value against the range the
// match set-up gives it; false (start untouched, the report saying why)
// otherwise.
bool DecodeMatchStart(const uint8_t* bytes, MatchStart& start, ReplayReport& report);

// Decodes a whole file's bytes into replay. False, with the report saying
// why, when they are not a replay this game can play; replay then holds no
// match (its counts are zero).
bool DecodeReplay(const uint8_t* bytes, size_t size, Replay& replay, ReplayReport& report);

// The file's bytes of a replay. A replay decoded from bytes encodes back to
// exactly those bytes.
void EncodeReplay(const Replay& replay, std::string& out);
