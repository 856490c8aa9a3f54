// The puzzle words "Text\Ideas.txt": from any bytes every idea and hint is a
// terminated string in its place, UTF-8 throughout with no control
// characters, and a problem's words are exactly its line's when that line
// is clean and fits (else none). Reading the same bytes twice gives the same.

#include <cstring>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "platform/utf8.h"
#include "puzzle/puzzle_ideas.h"

namespace {

bool Clean(const char* text, size_t room) {
    if (std::memchr(text, '\0', room) == nullptr) return false;
    uint32_t codepoint = 0;
    while (const int used = DecodeUtf8(text, codepoint)) {
        if (codepoint == invalidCodepoint || codepoint < 0x20 || codepoint == 0x7F) return false;
        text += used;
    }
    return true;
}

// The first puzzleCount lines of the bytes, as the reader splits them.
std::vector<std::string> Lines(const uint8_t* data, size_t size) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < size && lines.size() < static_cast<size_t>(puzzleCount)) {
        const void* stop = std::memchr(data + start, '\n', size - start);
        const size_t end = stop == nullptr ? size : static_cast<size_t>(static_cast<const uint8_t*>(stop) - data);
        lines.emplace_back(reinterpret_cast<const char*>(data + start), end - start);
        start = end + 1;
    }
    lines.resize(static_cast<size_t>(puzzleCount));
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    EnterFuzzFolder(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static PuzzleIdeas ideas;
    static PuzzleIdeas again;
    std::memset(&ideas, 0x5A, sizeof ideas);
    ParsePuzzleIdeas(reinterpret_cast<const char*>(data), static_cast<long>(size), ideas);
    const std::vector<std::string> lines = Lines(data, size);
    for (int i = 0; i < puzzleCount; ++i) {
        FUZZ_CHECK(Clean(ideas.idea[i], ideaBytes));
        FUZZ_CHECK(Clean(ideas.hint[i], hintBytes));
        // What a problem keeps is its line's own words or nothing.
        const std::string& line = lines[static_cast<size_t>(i)];
        const size_t tab = line.find('\t');
        const std::string idea = line.substr(0, tab);
        FUZZ_CHECK(ideas.idea[i][0] == '\0' || idea == ideas.idea[i]);
        const std::string hint = tab == std::string::npos ? "" : line.substr(tab + 1);
        FUZZ_CHECK(ideas.hint[i][0] == '\0' || hint == ideas.hint[i]);
    }
    ParsePuzzleIdeas(reinterpret_cast<const char*>(data), static_cast<long>(size), again);
    FUZZ_CHECK(std::memcmp(&ideas, &again, sizeof ideas) == 0);
    return 0;
}
