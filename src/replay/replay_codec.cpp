#include "replay/replay_codec.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "gallery/item_file.h"
#include "options/options_file.h"
#include "puzzle/puzzle_file.h"

namespace {

// Input changes: one byte of gap and key, then what the byte cannot hold.
// The high four bits are the steps since the player's last change, less one
// (15: fifteen or more, the rest in a number that follows); the low four bits
// name the one key that changed (0..11), or 15 when several did and their
// bits follow as a number.
constexpr int gapInByte = 15;
constexpr int severalKeys = 15;
constexpr int keyCount = 12;
constexpr int changeStepShift = 12;
// Numbers are little-endian base-128, seven bits a byte, the high bit saying
// another byte follows; three bytes at most, and never a longer spelling
// than needed, so every replay has exactly one encoding.
constexpr int numberBytesMax = 3;

constexpr size_t resultBytes = 1 + 1 + 4 + 8 + 8 + 4 + 4 + 12;

bool SingleBit(uint32_t bits) { return bits != 0 && (bits & (bits - 1)) == 0; }

int BitIndex(uint32_t bit) {
    int i = 0;
    while ((bit >> i) != 1) ++i;
    return i;
}

// ---- writing ----

void PutByte(std::string& out, uint32_t v) { out.push_back(static_cast<char>(static_cast<uint8_t>(v))); }

void PutLe(std::string& out, uint64_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) PutByte(out, static_cast<uint32_t>(v >> (8 * i)) & 0xFF);
}

void PutNumber(std::string& out, uint32_t v) {
    while (v >= 0x80) {
        PutByte(out, (v & 0x7F) | 0x80);
        v >>= 7;
    }
    PutByte(out, v);
}

void PutStart(std::string& out, const MatchStart& s) {
    uint8_t bytes[matchStartBytes];
    EncodeMatchStart(s, bytes);
    out.append(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

void PutChanges(std::string& out, const Replay& r, int p) {
    PutLe(out, static_cast<uint32_t>(r.changeCount[p]), 4);
    int64_t last = -1;
    for (int i = 0; i < r.changeCount[p]; ++i) {
        const uint32_t word = r.changes[p][i];
        const int64_t step = word >> changeStepShift;
        const uint32_t bits = word & inputBitsMask;
        const uint32_t gap = static_cast<uint32_t>(step - last - 1);
        last = step;
        const uint32_t key = SingleBit(bits) ? static_cast<uint32_t>(BitIndex(bits)) : severalKeys;
        PutByte(out, (gap < gapInByte ? gap : gapInByte) << 4 | key);
        if (gap >= gapInByte) PutNumber(out, gap - gapInByte);
        if (key == severalKeys) PutNumber(out, bits);
    }
}

void PutResult(std::string& out, const ReplayResult& e) {
    PutByte(out, static_cast<uint8_t>(e.outcome));
    PutByte(out, e.truncated != 0 ? 1 : 0);
    PutLe(out, static_cast<uint32_t>(e.steps), 4);
    for (int p = 0; p < 2; ++p) PutLe(out, static_cast<uint32_t>(e.score[p]), 4);
    for (int p = 0; p < 2; ++p) PutLe(out, static_cast<uint32_t>(e.scoreHigh[p]), 4);
    PutLe(out, static_cast<uint32_t>(e.level), 4);
    PutLe(out, static_cast<uint32_t>(e.maxChain), 4);
    PutLe(out, static_cast<uint32_t>(e.hours), 4);
    PutLe(out, static_cast<uint32_t>(e.minutes), 4);
    PutLe(out, static_cast<uint32_t>(e.seconds), 4);
}

// The start record goes into a fixed buffer: the online start message
// holds the same bytes.
uint8_t* PutSignedAt(uint8_t* at, const int8_t* values, size_t count) {
    for (size_t i = 0; i < count; ++i) *at++ = static_cast<uint8_t>(values[i]);
    return at;
}

uint8_t* PutLeAt(uint8_t* at, uint32_t v) {
    for (int i = 0; i < 4; ++i) *at++ = static_cast<uint8_t>(v >> (8 * i));
    return at;
}

// ---- reading ----

// The bytes still to read, and the part of the file they belong to, for the
// reason when they run out.
struct Bytes {
    const uint8_t* at;
    size_t left;
    const char* part;
};

__attribute__((format(printf, 3, 4))) bool Fail(ReplayReport& report, ReplayProblem problem, const char* format,
                                                 ...) {
    report.problem = problem;
    va_list args;
    va_start(args, format);
    std::vsnprintf(report.reason, sizeof report.reason, format, args);
    va_end(args);
    return false;
}

bool Short(Bytes& b, ReplayReport& report) {
    return Fail(report, ReplayProblem::truncated, "truncated: it ends inside %s", b.part);
}

bool TakeLe(Bytes& b, ReplayReport& report, int bytes, uint64_t& v) {
    if (b.left < static_cast<size_t>(bytes)) return Short(b, report);
    v = 0;
    for (int i = 0; i < bytes; ++i) v |= static_cast<uint64_t>(b.at[i]) << (8 * i);
    b.at += bytes;
    b.left -= static_cast<size_t>(bytes);
    return true;
}

bool TakeU32(Bytes& b, ReplayReport& report, uint32_t& v) {
    uint64_t wide = 0;
    if (!TakeLe(b, report, 4, wide)) return false;
    v = static_cast<uint32_t>(wide);
    return true;
}

bool TakeI32(Bytes& b, ReplayReport& report, int32_t& v) {
    uint32_t u = 0;
    if (!TakeU32(b, report, u)) return false;
    v = static_cast<int32_t>(u);
    return true;
}

bool TakeI8(Bytes& b, ReplayReport& report, int8_t* values, size_t count) {
    if (b.left < count) return Short(b, report);
    for (size_t i = 0; i < count; ++i) values[i] = static_cast<int8_t>(b.at[i]);
    b.at += count;
    b.left -= count;
    return true;
}

bool TakeNumber(Bytes& b, ReplayReport& report, uint32_t& v) {
    v = 0;
    for (int i = 0; i < numberBytesMax; ++i) {
        if (b.left == 0) return Short(b, report);
        const uint8_t byte = *b.at++;
        --b.left;
        v |= static_cast<uint32_t>(byte & 0x7F) << (7 * i);
        if ((byte & 0x80) == 0) {
            if (byte == 0 && i > 0) return Fail(report, ReplayProblem::damaged, "damaged: a number in %s is spelt too long", b.part);
            return true;
        }
    }
    return Fail(report, ReplayProblem::damaged, "damaged: a number in %s is too large", b.part);
}

bool InRange(ReplayReport& report, const char* what, int64_t value, int64_t low, int64_t high) {
    if (value >= low && value <= high) return true;
    return Fail(report, ReplayProblem::damaged, "damaged: %s is %lld, not %lld..%lld", what,
                static_cast<long long>(value), static_cast<long long>(low), static_cast<long long>(high));
}

bool TakeVersion(Bytes& b, ReplayReport& report, Replay& r) {
    b.part = "the header";
    uint64_t length = 0;
    if (!TakeLe(b, report, 1, length)) return false;
    if (!InRange(report, "the game version's length", static_cast<int64_t>(length), 1, replayVersionChars)) return false;
    if (b.left < length) return Short(b, report);
    for (size_t i = 0; i < length; ++i) {
        if (b.at[i] < 0x20 || b.at[i] > 0x7E)
            return Fail(report, ReplayProblem::damaged, "damaged: the game version is not printable");
        r.gameVersion[i] = static_cast<char>(b.at[i]);
    }
    b.at += length;
    b.left -= length;
    return true;
}

// Every field of the start record in the range the match set-up gives it.
bool CheckStart(const MatchStart& s, ReplayReport& report) {
    char what[64];
    if (!InRange(report, "the mode", s.mode, 0, 3)) return false;
    for (int i = 0; i < 5; ++i) {
        std::snprintf(what, sizeof what, "option %d", i + 1);
        if (!InRange(report, what, s.options[i], 0, optionMax[i])) return false;
    }
    for (int p = 0; p < 2; ++p) {
        for (int k = 0; k < 5; ++k) {
            std::snprintf(what, sizeof what, "parameter %d of player %d", k + 1, p + 1);
            if (!InRange(report, what, s.params[p][k], 0, 15)) return false;
        }
        for (int k = 0; k < 2; ++k) {
            std::snprintf(what, sizeof what, "item slot %d of player %d", k + 1, p + 1);
            if (!InRange(report, what, s.items[p][k], -1, itemCount - 1)) return false;
        }
        std::snprintf(what, sizeof what, "the item switch of player %d", p + 1);
        if (!InRange(report, what, s.itemUseOff[p], 0, 1)) return false;
        std::snprintf(what, sizeof what, "the wins of player %d", p + 1);
        if (!InRange(report, what, s.versusWins[p], 0, 99)) return false;
    }
    if (!InRange(report, "the puzzle number", s.puzzleIndex, -1, puzzleCount - 1)) return false;
    const PuzzleProblem& z = s.puzzle;
    for (int i = 0; i < puzzleCells; ++i) {
        std::snprintf(what, sizeof what, "puzzle cell %d", i + 1);
        if (!InRange(report, what, z.cells[i], -1, 7)) return false;
    }
    if (!InRange(report, "the puzzle's target", z.targetSum, 7, 10)) return false;
    if (!InRange(report, "the puzzle's swap limit", z.swapLimit, -2, 100)) return false;
    if (z.swapLimit == 0) return Fail(report, ReplayProblem::damaged, "damaged: the puzzle's swap limit is 0");
    if (!InRange(report, "the puzzle's goal", z.goalType, 0, 3)) return false;
    const GoalRange range = goalRanges[z.goalType];
    if (!InRange(report, "the puzzle's goal value", z.goalValue, range.low, range.high)) return false;
    if (!InRange(report, "the puzzle's minutes", z.minutes, 0, 10)) return false;
    if (!InRange(report, "the puzzle's seconds", z.seconds, 0, z.minutes == 10 ? 0 : 50)) return false;
    if (z.seconds % 10 != 0)
        return Fail(report, ReplayProblem::damaged, "damaged: the puzzle's seconds are %d, not whole tens",
                    static_cast<int>(z.seconds));
    return true;
}

bool TakeStart(Bytes& b, ReplayReport& report, MatchStart& s) {
    b.part = "the start record";
    if (b.left < matchStartBytes) return Short(b, report);
    PuzzleProblem& z = s.puzzle;
    uint32_t seed = 0;
    const bool taken = TakeI8(b, report, &s.mode, 1) && TakeI8(b, report, s.options, 5) &&
                       TakeI8(b, report, &s.params[0][0], 10) && TakeI8(b, report, &s.items[0][0], 4) &&
                       TakeI8(b, report, s.itemUseOff, 2) && TakeI8(b, report, s.versusWins, 2) &&
                       TakeI8(b, report, &s.puzzleIndex, 1) && TakeI8(b, report, z.cells, 105) &&
                       TakeI8(b, report, &z.targetSum, 1) && TakeI8(b, report, &z.swapLimit, 1) &&
                       TakeI8(b, report, &z.goalType, 1) && TakeI32(b, report, z.goalValue) &&
                       TakeI32(b, report, z.seconds) && TakeI32(b, report, z.minutes) && TakeU32(b, report, seed);
    s.seed = seed;
    return taken && CheckStart(s, report);
}

bool TakeChanges(Bytes& b, ReplayReport& report, Replay& r, int p) {
    b.part = p == 0 ? "the inputs of player 1" : "the inputs of player 2";
    uint32_t count = 0;
    if (!TakeU32(b, report, count)) return false;
    char what[64];
    std::snprintf(what, sizeof what, "the change count of player %d", p + 1);
    // A change takes a byte at least, and a step holds one at most.
    const int32_t most = r.steps < replayMaxChanges ? r.steps : replayMaxChanges;
    if (!InRange(report, what, count, 0, most)) return false;
    if (count > b.left) return Short(b, report);
    int64_t last = -1;
    uint16_t held = 0;
    for (uint32_t i = 0; i < count; ++i) {
        if (b.left == 0) return Short(b, report);
        const uint8_t byte = *b.at++;
        --b.left;
        uint32_t gap = byte >> 4;
        const uint32_t key = byte & 0x0F;
        if (gap == gapInByte) {
            uint32_t more = 0;
            if (!TakeNumber(b, report, more)) return false;
            gap += more;
        }
        uint32_t bits = 0;
        if (key < keyCount) {
            bits = 1u << key;
        } else if (key == severalKeys) {
            if (!TakeNumber(b, report, bits)) return false;
            if (bits > inputBitsMask || SingleBit(bits) || bits == 0)
                return Fail(report, ReplayProblem::damaged, "damaged: a change in %s is not one a step can make", b.part);
        } else {
            return Fail(report, ReplayProblem::damaged, "damaged: %s name key %u, not 0..11", b.part, key);
        }
        const int64_t step = last + 1 + gap;
        if (step >= r.steps)
            return Fail(report, ReplayProblem::damaged, "damaged: %s go past the last step %d", b.part,
                        static_cast<int>(r.steps));
        r.changes[p][i] = static_cast<uint32_t>(step) << changeStepShift | bits;
        held = static_cast<uint16_t>(held ^ bits);
        last = step;
    }
    r.changeCount[p] = static_cast<int32_t>(count);
    r.held[p] = held;
    return true;
}

bool TakeCheckpoints(Bytes& b, ReplayReport& report, Replay& r) {
    b.part = "the checkpoints";
    uint32_t count = 0;
    if (!TakeU32(b, report, count)) return false;
    if (!InRange(report, "the checkpoint count", count, 0, r.steps / replayCheckpointInterval)) return false;
    if (b.left / 8 < count) return Short(b, report);
    for (uint32_t k = 0; k < count; ++k) {
        uint64_t sum = 0;
        TakeLe(b, report, 8, sum);
        r.checkpoints[k] = sum;
    }
    r.checkpointCount = static_cast<int32_t>(count);
    return true;
}

bool TakeResult(Bytes& b, ReplayReport& report, Replay& r) {
    b.part = "the result";
    if (b.left < resultBytes) return Short(b, report);
    ReplayResult& e = r.result;
    int8_t flags = 0;
    TakeI8(b, report, &e.outcome, 1);
    TakeI8(b, report, &flags, 1);
    TakeI32(b, report, e.steps);
    for (int p = 0; p < 2; ++p) TakeI32(b, report, e.score[p]);
    for (int p = 0; p < 2; ++p) TakeI32(b, report, e.scoreHigh[p]);
    TakeI32(b, report, e.level);
    TakeI32(b, report, e.maxChain);
    TakeI32(b, report, e.hours);
    TakeI32(b, report, e.minutes);
    TakeI32(b, report, e.seconds);
    if (!InRange(report, "the outcome", e.outcome, 0, replayOutcomeCount - 1)) return false;
    if (!InRange(report, "the result's flags", flags, 0, 1)) return false;
    e.truncated = flags;
    // A whole recording ran as long as the match; a truncated one stopped before.
    if (e.truncated == 0 && !InRange(report, "the match's steps", e.steps, r.steps, r.steps)) return false;
    if (e.truncated != 0 && !InRange(report, "the match's steps", e.steps, int64_t{r.steps} + 1, INT32_MAX))
        return false;
    for (int p = 0; p < 2; ++p) {
        if (!InRange(report, p == 0 ? "the score of player 1" : "the score of player 2", e.score[p], 0, 99999999) ||
            !InRange(report, "a score's hundred-millions", e.scoreHigh[p], 0, 9999))
            return false;
    }
    return InRange(report, "the level", e.level, 0, 999) && InRange(report, "the longest chain", e.maxChain, 0, 999) &&
           InRange(report, "the clock's hours", e.hours, 0, 99) &&
           InRange(report, "the clock's minutes", e.minutes, 0, 59) &&
           InRange(report, "the clock's seconds", e.seconds, 0, 59);
}

void Clear(Replay& r) {
    BeginRecording(r, MatchStart{});
    std::memset(r.gameVersion, 0, sizeof r.gameVersion);
}

}  // namespace

void EncodeMatchStart(const MatchStart& s, uint8_t* out) {
    uint8_t* at = out;
    at = PutSignedAt(at, &s.mode, 1);
    at = PutSignedAt(at, s.options, 5);
    at = PutSignedAt(at, &s.params[0][0], 10);
    at = PutSignedAt(at, &s.items[0][0], 4);
    at = PutSignedAt(at, s.itemUseOff, 2);
    at = PutSignedAt(at, s.versusWins, 2);
    at = PutSignedAt(at, &s.puzzleIndex, 1);
    at = PutSignedAt(at, s.puzzle.cells, 105);
    at = PutSignedAt(at, &s.puzzle.targetSum, 1);
    at = PutSignedAt(at, &s.puzzle.swapLimit, 1);
    at = PutSignedAt(at, &s.puzzle.goalType, 1);
    at = PutLeAt(at, static_cast<uint32_t>(s.puzzle.goalValue));
    at = PutLeAt(at, static_cast<uint32_t>(s.puzzle.seconds));
    at = PutLeAt(at, static_cast<uint32_t>(s.puzzle.minutes));
    PutLeAt(at, s.seed);
}

bool DecodeMatchStart(const uint8_t* bytes, MatchStart& start, ReplayReport& report) {
    report = ReplayReport{};
    Bytes b{bytes, matchStartBytes, "the start record"};
    MatchStart taken{};
    if (!TakeStart(b, report, taken)) return false;
    start = taken;
    return true;
}

void EncodeReplay(const Replay& r, std::string& out) {
    out.clear();
    out.append(replayMagic, sizeof replayMagic);
    PutLe(out, replayFormatVersion, 2);
    const size_t length = strnlen(r.gameVersion, replayVersionChars);
    PutByte(out, static_cast<uint32_t>(length));
    out.append(r.gameVersion, length);
    PutStart(out, r.start);
    PutLe(out, static_cast<uint32_t>(r.steps), 4);
    for (int p = 0; p < 2; ++p) PutChanges(out, r, p);
    PutLe(out, static_cast<uint32_t>(r.checkpointCount), 4);
    for (int k = 0; k < r.checkpointCount; ++k) PutLe(out, r.checkpoints[k], 8);
    PutResult(out, r.result);
}

bool DecodeReplay(const uint8_t* bytes, size_t size, Replay& r, ReplayReport& report) {
    report = ReplayReport{};
    Clear(r);
    Bytes b{bytes, bytes == nullptr ? 0 : size, "the header"};
    if (b.left < sizeof replayMagic || std::memcmp(b.at, replayMagic, sizeof replayMagic) != 0) {
        // A file that could still grow into the magic is a cut-short replay.
        if (b.left < sizeof replayMagic && (b.left == 0 || std::memcmp(b.at, replayMagic, b.left) == 0))
            return Short(b, report);
        return Fail(report, ReplayProblem::notReplay, "not a replay file");
    }
    b.at += sizeof replayMagic;
    b.left -= sizeof replayMagic;
    uint64_t version = 0;
    if (!TakeLe(b, report, 2, version)) return false;
    if (version != replayFormatVersion)
        return Fail(report, ReplayProblem::otherFormat, "a replay of format version %u; this game reads version %u",
                    static_cast<unsigned>(version), static_cast<unsigned>(replayFormatVersion));
    bool ok = TakeVersion(b, report, r) && TakeStart(b, report, r.start);
    if (ok) {
        b.part = "the inputs";
        uint32_t steps = 0;
        ok = TakeU32(b, report, steps) && InRange(report, "the step count", steps, 0, replayMaxSteps);
        if (ok) r.steps = static_cast<int32_t>(steps);
    }
    ok = ok && TakeChanges(b, report, r, 0) && TakeChanges(b, report, r, 1) && TakeCheckpoints(b, report, r) &&
         TakeResult(b, report, r);
    if (ok && b.left != 0)
        ok = Fail(report, ReplayProblem::damaged, "damaged: %zu bytes follow the result", b.left);
    if (!ok) {
        const ReplayReport why = report;
        Clear(r);
        report = why;
        return false;
    }
    r.stepsSeen = r.result.steps;
    r.ended = 1;
    return true;
}
