#include "puzzle/puzzle_ideas.h"

#include <cstring>
#include <string>

#include "platform/utf8.h"

PuzzleIdeas puzzleIdeas;

namespace {

// One field of a line, [from, to), into out when it fits and is clean text:
// anything else is not ours, and no words beat wrong ones.
void TakeField(const char* from, const char* to, char* out, int bytes) {
    out[0] = '\0';
    const long length = to - from;
    if (length <= 0 || length >= bytes) return;
    std::string field(from, static_cast<size_t>(length));
    if (field.find('\0') != std::string::npos) return;
    const char* p = field.c_str();
    uint32_t codepoint = 0;
    while (const int used = DecodeUtf8(p, codepoint)) {
        if (codepoint == invalidCodepoint || codepoint < 0x20 || codepoint == 0x7F) return;
        p += used;
    }
    std::memcpy(out, field.c_str(), static_cast<size_t>(length) + 1);
}

}  // namespace

void ParsePuzzleIdeas(const char* text, long length, PuzzleIdeas& ideas) {
    std::memset(&ideas, 0, sizeof ideas);
    const char* end = text + length;
    const char* line = text;
    for (int i = 0; i < puzzleCount && line < end; ++i) {
        const char* stop = static_cast<const char*>(std::memchr(line, '\n', static_cast<size_t>(end - line)));
        if (stop == nullptr) stop = end;
        const char* tab = static_cast<const char*>(std::memchr(line, '\t', static_cast<size_t>(stop - line)));
        if (tab == nullptr) {
            TakeField(line, stop, ideas.idea[i], ideaBytes);
        } else {
            TakeField(line, tab, ideas.idea[i], ideaBytes);
            TakeField(tab + 1, stop, ideas.hint[i], hintBytes);
        }
        line = stop + 1;
    }
}

bool SameProblem(const PuzzleFile& tables, const PuzzleFile& shipped, int index) {
    if (index < 0 || index >= puzzleCount) return false;
    const int i = index;
    return std::memcmp(tables.boards[i], shipped.boards[i], puzzleCells) == 0 &&
           tables.targetSums[i] == shipped.targetSums[i] && tables.swapLimits[i] == shipped.swapLimits[i] &&
           tables.goalTypes[i] == shipped.goalTypes[i] && tables.goalValues[i] == shipped.goalValues[i] &&
           tables.seconds[i] == shipped.seconds[i] && tables.minutes[i] == shipped.minutes[i];
}

void ResetPuzzleIdeas() { std::memset(&puzzleIdeas, 0, sizeof puzzleIdeas); }
