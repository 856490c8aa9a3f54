#include "puzzle/puzzle_ideas.h"

#include <cstring>
#include <string>

#include "platform/game_files.h"
#include "platform/text.h"
#include "platform/utf8.h"
#include "shell/menu_input.h"

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

bool BreakAfter(uint32_t codepoint) {
    return codepoint == 0x3002 || codepoint == 0x3001 || codepoint == 0xFF1A || codepoint == 0xFF0C ||
           codepoint == ' ';  // 。、：， and a space
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

void BreakIntoLines(char* text, int bytes, int width, int maxLines) {
    // Measured a line at a time in a copy, so the text itself only ever
    // gains line breaks in place of nothing: a break goes in a spare byte.
    std::string out;
    std::string line;
    std::string sinceBreak;  // the part of line after its last good break
    int lines = 1;
    const char* p = text;
    uint32_t codepoint = 0;
    while (const int used = DecodeUtf8(p, codepoint)) {
        const std::string glyph(p, static_cast<size_t>(used));
        p += used;
        if (TextWidth((line + glyph).c_str()) > width && !line.empty()) {
            if (lines == maxLines) break;
            // Break at the last stop or comma when one is in the line.
            const std::string kept = sinceBreak.size() < line.size() ? line.substr(0, line.size() - sinceBreak.size())
                                                                      : line;
            const std::string carried = sinceBreak.size() < line.size() ? sinceBreak : "";
            out += kept + "\n";
            line = carried;
            sinceBreak = carried;
            ++lines;
        }
        line += glyph;
        sinceBreak = BreakAfter(codepoint) ? "" : sinceBreak + glyph;
    }
    out += line;
    if (static_cast<int>(out.size()) >= bytes) out.resize(static_cast<size_t>(bytes - 1));
    std::memcpy(text, out.c_str(), out.size() + 1);
}

void ReadPuzzleIdeas(const PuzzleFile& tables, FontHandle font, int ideaWidth, int hintWidth) {
    ResetPuzzleIdeas();
    PuzzleFile shipped;
    DefaultPuzzleFile(shipped);
    if (ReadGameFile("defaults\\PZL.dat", &shipped, sizeof shipped) != static_cast<long>(sizeof shipped)) return;
    ClampPuzzleFile(shipped);
    std::string text;
    if (!ReadWholeGameFile("Text\\Ideas.txt", text, ideasFileBytes)) return;
    ParsePuzzleIdeas(text.data(), static_cast<long>(text.size()), puzzleIdeas);
    BeginPanelText(font);
    for (int i = 0; i < puzzleCount; ++i) {
        if (!SameProblem(tables, shipped, i)) {
            puzzleIdeas.idea[i][0] = '\0';
            puzzleIdeas.hint[i][0] = '\0';
            continue;
        }
        BreakIntoLines(puzzleIdeas.idea[i], ideaBytes, ideaWidth, 3);
        BreakIntoLines(puzzleIdeas.hint[i], hintBytes, hintWidth, 3);
    }
    EndText();
}

void ResetPuzzleIdeas() { std::memset(&puzzleIdeas, 0, sizeof puzzleIdeas); }
