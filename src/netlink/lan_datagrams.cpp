#include "netlink/lan_datagrams.h"

#include <cstring>

#include "platform/utf8.h"

namespace {

constexpr uint8_t searchMagic[4] = {'S', 'L', 'N', 'S'};
constexpr uint8_t answerMagic[4] = {'S', 'L', 'N', 'A'};

void Put16(uint8_t* at, uint16_t value) {
    at[0] = static_cast<uint8_t>(value);
    at[1] = static_cast<uint8_t>(value >> 8);
}

void Put32(uint8_t* at, uint32_t value) {
    for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(value >> (8 * i));
}

uint16_t Get16(const uint8_t* at) { return static_cast<uint16_t>(at[0] | at[1] << 8); }

uint32_t Get32(const uint8_t* at) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | at[i];
    return value;
}

// Whether the NUL-terminated text is a name we show: valid UTF-8, no control
// characters (a name is drawn on one line), not empty.
bool IsShowableName(const char* text) {
    if (text[0] == '\0') return false;
    while (*text != '\0') {
        uint32_t codepoint = 0;
        int used = DecodeUtf8(text, codepoint);
        if (codepoint == invalidCodepoint || codepoint < 0x20 || (codepoint >= 0x7F && codepoint < 0xA0))
            return false;
        text += used;
    }
    return true;
}

}  // namespace

void WriteLanSearch(uint8_t (&out)[lanSearchBytes]) {
    std::memset(out, 0, sizeof out);
    std::memcpy(out, searchMagic, 4);
    Put16(out + 4, lanSearchProtocol);
}

bool IsLanSearch(const uint8_t* data, size_t size) {
    uint8_t expected[lanSearchBytes];
    WriteLanSearch(expected);
    return size == lanSearchBytes && std::memcmp(data, expected, lanSearchBytes) == 0;
}

void WriteLanAnswer(uint16_t port, uint32_t hostId, const char* from, uint8_t (&out)[lanAnswerBytes]) {
    std::memset(out, 0, sizeof out);
    std::memcpy(out, answerMagic, 4);
    Put16(out + 4, lanSearchProtocol);
    Put16(out + 6, port);
    Put32(out + 8, hostId);
    // Whole characters only, up to the room, leaving the terminator.
    char* name = reinterpret_cast<char*>(out + 12);
    size_t length = 0;
    while (*from != '\0' && length < lanNameBytes - 1) {
        uint32_t codepoint = 0;
        int used = DecodeUtf8(from, codepoint);
        bool bad = codepoint == invalidCodepoint || codepoint < 0x20 || (codepoint >= 0x7F && codepoint < 0xA0);
        if (bad) {
            name[length++] = '?';
        } else {
            if (length + static_cast<size_t>(used) > lanNameBytes - 1) break;
            std::memcpy(name + length, from, static_cast<size_t>(used));
            length += static_cast<size_t>(used);
        }
        from += used;
    }
}

bool ReadLanAnswer(const uint8_t* data, size_t size, LanAnswer& answer) {
    if (size != lanAnswerBytes || std::memcmp(data, answerMagic, 4) != 0 || Get16(data + 4) != lanSearchProtocol)
        return false;
    const uint16_t port = Get16(data + 6);
    if (port == 0) return false;
    const uint8_t* name = data + 12;
    const void* end = std::memchr(name, 0, lanNameBytes);
    if (end == nullptr) return false;
    for (const uint8_t* rest = static_cast<const uint8_t*>(end); rest < name + lanNameBytes; ++rest)
        if (*rest != 0) return false;
    if (!IsShowableName(reinterpret_cast<const char*>(name))) return false;
    answer.port = port;
    answer.hostId = Get32(data + 8);
    std::memcpy(answer.name, name, lanNameBytes);
    return true;
}
