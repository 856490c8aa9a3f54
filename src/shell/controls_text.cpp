#include "shell/controls_text.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <iterator>

#include "platform/key_places.h"

const char* const bindingActionWords[bindingActionCount] = {
    "up", "right", "down", "left", "swap", "line", "row", "ex-delete", "ex-maxdelete", "cancel", "pause",
};

namespace {

constexpr const char* buttonWords[padButtonCount] = {
    "up", "down", "left", "right", "stick-up", "stick-down", "stick-left", "stick-right", "a",
    "b",  "x",    "y",    "left-shoulder", "right-shoulder", "start", "back", "guide",
};

constexpr int maxWords = 5;
constexpr int wordBytes = 24;

struct Line {
    char words[maxWords][wordBytes];
    int count = 0;
};

// Splits one line (up to its end or a "#") into words; a word too long to be
// ours becomes an empty one, which nothing accepts.
void SplitLine(const char* text, size_t size, Line& line) {
    line.count = 0;
    size_t i = 0;
    while (i < size && text[i] != '#') {
        if (text[i] == ' ' || text[i] == '\t' || text[i] == '\r') {
            ++i;
            continue;
        }
        const size_t start = i;
        while (i < size && text[i] != ' ' && text[i] != '\t' && text[i] != '\r' && text[i] != '#') ++i;
        if (line.count == maxWords) {
            line.count = maxWords + 1;  // too many: the line is not ours
            return;
        }
        char* word = line.words[line.count++];
        const size_t length = i - start;
        if (length >= wordBytes) {
            word[0] = '\0';
        } else {
            std::memcpy(word, text + start, length);
            word[length] = '\0';
        }
    }
}

int WordIndex(const char* word, const char* const* words, int count) {
    for (int i = 0; i < count; ++i)
        if (std::strcmp(word, words[i]) == 0) return i;
    return -1;
}

// A scancode written as a plain decimal number of at most three digits.
int Scancode(const char* word) {
    const size_t length = std::strlen(word);
    if (length == 0 || length > 3) return -1;
    int value = 0;
    for (size_t i = 0; i < length; ++i) {
        if (word[i] < '0' || word[i] > '9') return -1;
        value = value * 10 + (word[i] - '0');
    }
    return value;
}

void NoteBadLine(ControlsFallback& fallback, int number) {
    if (fallback.badLineCount < static_cast<int8_t>(std::size(fallback.badLines))) {
        fallback.badLines[fallback.badLineCount++] = number;
    } else {
        fallback.moreBadLines = true;
    }
}

// One line's binding, or false when the line is not a sound one.
bool ReadBinding(const Line& line, int& player, int& action, int& vk, PadButton& button) {
    if (line.count != 4) return false;
    if (std::strcmp(line.words[0], "1") != 0 && std::strcmp(line.words[0], "2") != 0) return false;
    player = line.words[0][0] - '1';
    action = WordIndex(line.words[1], bindingActionWords, bindingActionCount);
    if (action < 0) return false;
    const int code = Scancode(line.words[2]);
    vk = code >= 0 ? KeyOfPlace(code) : -1;
    if (vk < 0 || ReservedKey(vk)) return false;
    const int b = WordIndex(line.words[3], buttonWords, padButtonCount);
    if (b < 0 || !BindableButton(static_cast<PadButton>(b))) return false;
    button = static_cast<PadButton>(b);
    return true;
}

// Text written into a fixed buffer, as far as it fits.
struct Text {
    char* out;
    size_t capacity;
    size_t used = 0;
};

__attribute__((format(printf, 2, 3))) void Append(Text& text, const char* format, ...) {
    if (text.used >= text.capacity) return;
    va_list values;
    va_start(values, format);
    const int n = std::vsnprintf(text.out + text.used, text.capacity - text.used, format, values);
    va_end(values);
    if (n > 0) text.used += static_cast<size_t>(n);
}

void PutBack(int p, int a, ControlsFallback& fallback) {
    BoundKey(p, a) = DefaultKey(p, a);
    playerButtons[p][a] = defaultButtons[a];
    fallback.action[p][a] = true;
}

}  // namespace

const char* PadButtonWord(PadButton button) {
    const int index = static_cast<int>(button);
    return index < padButtonCount ? buttonWords[index] : "?";
}

bool ParseControls(const char* text, size_t size, ControlsFallback& fallback) {
    fallback = ControlsFallback{};
    ResetBindings();
    bool given[bindingPlayerCount][bindingActionCount] = {};
    size_t start = 0;
    int number = 0;
    while (start < size) {
        const char* end = static_cast<const char*>(std::memchr(text + start, '\n', size - start));
        const size_t length = end != nullptr ? static_cast<size_t>(end - (text + start)) : size - start;
        ++number;
        Line line;
        SplitLine(text + start, length, line);
        start += length + 1;
        if (line.count == 0) continue;
        int p = 0, a = 0, vk = 0;
        PadButton button = PadButton::a;
        if (!ReadBinding(line, p, a, vk, button) || given[p][a]) {
            NoteBadLine(fallback, number);
            continue;
        }
        given[p][a] = true;
        BoundKey(p, a) = vk;
        playerButtons[p][a] = button;
    }
    // The first holder of a key or button keeps it; a later one, and an
    // action no line gave, go back to the game's own.
    for (int p = 0; p < bindingPlayerCount; ++p) {
        for (int a = 0; a < bindingActionCount; ++a) {
            if (!given[p][a]) {
                fallback.action[p][a] = true;
                continue;
            }
            bool taken = false;
            for (int q = 0; q <= p && !taken; ++q) {
                for (int b = 0; b < (q == p ? a : bindingActionCount); ++b) {
                    if (given[q][b] && BoundKey(q, b) == BoundKey(p, a)) taken = true;
                    if (q == p && given[q][b] && playerButtons[q][b] == playerButtons[p][a]) taken = true;
                }
            }
            if (taken) {
                given[p][a] = false;
                PutBack(p, a, fallback);
            }
        }
    }
    for (int p = 0; p < bindingPlayerCount; ++p)
        for (int a = 0; a < bindingActionCount; ++a)
            if (!given[p][a]) PutBack(p, a, fallback);
    // An action the file left out is back on the game's own key, which a
    // line may have given another action: that one goes back too, and so on
    // until nothing clashes (the game's own keys never do).
    for (int pass = 0; pass < bindingPlayerCount * bindingActionCount && !BindingsSound(); ++pass) {
        for (int p = 0; p < bindingPlayerCount; ++p) {
            for (int a = 0; a < bindingActionCount; ++a) {
                const bool clash = KeyHolder(BoundKey(p, a), p, a).player >= 0 ||
                                   ButtonHolder(p, playerButtons[p][a], a) >= 0;
                if (clash && (BoundKey(p, a) != DefaultKey(p, a) || playerButtons[p][a] != defaultButtons[a]))
                    PutBack(p, a, fallback);
            }
        }
    }
    if (!BindingsSound()) {
        ResetBindings();
        for (auto& player : fallback.action)
            for (bool& back : player) back = true;
    }
    if (fallback.badLineCount > 0) return false;
    for (const auto& player : fallback.action)
        for (const bool back : player)
            if (back) return false;
    return true;
}

void ControlsFallbackLine(const char* path, const ControlsFallback& fallback, char* out, size_t capacity) {
    if (capacity == 0) return;
    Text text{out, capacity};
    Append(text, "sumline: %s: the game's own keys for", path);
    int count = 0;
    for (const auto& player : fallback.action)
        for (const bool back : player) count += back ? 1 : 0;
    if (count == bindingPlayerCount * bindingActionCount) {
        Append(text, " every action");
    } else {
        const char* separator = " ";
        for (int p = 0; p < bindingPlayerCount; ++p) {
            for (int a = 0; a < bindingActionCount; ++a) {
                if (!fallback.action[p][a]) continue;
                Append(text, "%s%dP %s", separator, p + 1, bindingActionWords[a]);
                separator = ", ";
            }
        }
        if (count == 0) Append(text, " none");
    }
    if (fallback.badLineCount > 0) {
        Append(text, " (%s", fallback.badLineCount == 1 && !fallback.moreBadLines ? "line" : "lines");
        for (int i = 0; i < fallback.badLineCount; ++i) Append(text, "%s%d", i == 0 ? " " : ", ", fallback.badLines[i]);
        Append(text, "%s not understood)", fallback.moreBadLines ? " and more" : "");
    }
    if (text.used >= capacity) out[capacity - 1] = '\0';
}

size_t FormatControls(char* out, size_t capacity) {
    Text text{out, capacity};
    Append(text, "# Sum Line keys: player, action, the key's place on the keyboard (scancode), pad button\n");
    for (int p = 0; p < bindingPlayerCount; ++p) {
        for (int a = 0; a < bindingActionCount; ++a) {
            const int vk = BoundKey(p, a);
            Append(text, "%d %s %d %s  # %s\n", p + 1, bindingActionWords[a], PlaceOfKey(vk), PadButtonWord(playerButtons[p][a]),
                KeyLabel(vk));
        }
    }
    return text.used < capacity ? text.used : capacity;
}

