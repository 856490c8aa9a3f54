#include "puzzle/puzzle_ideas.h"

#include <cstring>
#include <string>

#include "platform/game_files.h"
#include "platform/language.h"
#include "platform/text.h"
#include "platform/utf8.h"
#include "shell/menu_input.h"

// The set-up's part of the words: the files read, the words kept for the
// problems still shipped and broken into lines in the font they are drawn in.

namespace {

// How the words were last read, to read them the same way in another language.
struct IdeasReading {
    const PuzzleFile* tables = nullptr;
    FontHandle font = -1;
    int ideaWidth = 0;
    int hintWidth = 0;
};
IdeasReading lastReading;

int8_t ReadInNow() { return static_cast<int8_t>(static_cast<int>(CurrentLanguage()) + 1); }

bool BreakAfter(uint32_t codepoint) {
    return codepoint == 0x3002 || codepoint == 0x3001 || codepoint == 0xFF1A || codepoint == 0xFF0C ||
           codepoint == ' ';  // 。、：， and a space
}

}  // namespace

void BreakIntoLines(char* text, int bytes, int width, int maxLines) {
    // Built in a copy (set-up time, never in play) and written back whole,
    // cut to the room the text has.
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
    lastReading = IdeasReading{&tables, font, ideaWidth, hintWidth};
    // Even a missing file counts as read: the other language's may be there.
    puzzleIdeas.readIn = ReadInNow();
    PuzzleFile shipped;
    DefaultPuzzleFile(shipped);
    if (ReadGameFile("defaults\\PZL.dat", &shipped, sizeof shipped) != static_cast<long>(sizeof shipped)) return;
    ClampPuzzleFile(shipped);
    std::string text;
    if (!ReadWholeGameFile("Text\\Ideas.txt", text, ideasFileBytes)) return;
    ParsePuzzleIdeas(text.data(), static_cast<long>(text.size()), puzzleIdeas);
    puzzleIdeas.readIn = ReadInNow();
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


bool PuzzleIdeasFollowLanguage() {
    if (puzzleIdeas.readIn == 0 || puzzleIdeas.readIn == ReadInNow() || lastReading.tables == nullptr) return false;
    // A copy: the tables the last reading named may be the ones read into.
    const IdeasReading again = lastReading;
    ReadPuzzleIdeas(*again.tables, again.font, again.ideaWidth, again.hintWidth);
    return true;
}
