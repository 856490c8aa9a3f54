#pragma once
#include <cstdint>
#include <string>

#include "replay/replay_record.h"

// Trusting a replay: its match run again from the start record and the
// inputs, without a window or sound, every checkpoint's checksum compared
// with the one recorded.

struct ReplayVerdict {
    ReplayResult result{};      // what the re-played match came to
    int32_t steps = 0;          // steps re-played
    int32_t failedStep = -1;    // the step of the first checkpoint that differed, -1 none
};

// Re-plays the whole replay (it leaves the match records as the re-play ends
// them, and drawing and sounds switched off). True when every checkpoint
// matched.
bool VerifyReplay(const Replay& replay, ReplayVerdict& verdict);

// The one-line report, without its newline:
// "<mode> score <s1>[ <s2>] result <result> steps <n> checkpoints ok", or
// "... checkpoints FAILED at step <k>"; versus names both scores.
std::string VerdictLine(const Replay& replay, const ReplayVerdict& verdict);

// The whole of sumline --verify-replay FILE: the report on out, or why the
// file cannot be read on err. Returns the exit status: 0 every checkpoint
// matched, 1 one differed, 2 the file cannot be read.
int VerifyReplayFile(const std::string& path, std::string& out, std::string& err);
