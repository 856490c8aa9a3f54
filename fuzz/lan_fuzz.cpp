// The local network search's datagrams, which come from anyone on the
// network: an answer that is read is exactly what the writer makes of what
// was read (so nothing in it went unchecked), its port is not 0 and its name
// is clean, terminated UTF-8; a search is known only by its exact bytes; and
// any name the writer is given comes out as an answer the reader takes.

#include <cstring>

#include "fuzz_support.h"
#include "netlink/lan_datagrams.h"
#include "platform/utf8.h"

namespace {

bool Clean(const char* text) {
    if (text[0] == '\0') return false;
    uint32_t codepoint = 0;
    while (const int used = DecodeUtf8(text, codepoint)) {
        if (codepoint == invalidCodepoint || codepoint < 0x20 || (codepoint >= 0x7F && codepoint < 0xA0)) return false;
        text += used;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    LanAnswer answer;
    if (ReadLanAnswer(data, size, answer)) {
        FUZZ_CHECK(size == lanAnswerBytes);
        FUZZ_CHECK(answer.port != 0);
        FUZZ_CHECK(std::memchr(answer.name, '\0', sizeof answer.name) != nullptr);
        FUZZ_CHECK(Clean(answer.name));
        uint8_t again[lanAnswerBytes];
        WriteLanAnswer(answer.port, answer.hostId, answer.name, again);
        FUZZ_CHECK(std::memcmp(again, data, lanAnswerBytes) == 0);
    }
    if (IsLanSearch(data, size)) {
        uint8_t search[lanSearchBytes];
        WriteLanSearch(search);
        FUZZ_CHECK(size == lanSearchBytes && std::memcmp(search, data, size) == 0);
    }
    // The bytes as a name to write (up to the first NUL, at most 63 bytes).
    char name[64] = {};
    std::memcpy(name, data, size < sizeof name - 1 ? size : sizeof name - 1);
    uint8_t bytes[lanAnswerBytes];
    WriteLanAnswer(1, 0, name, bytes);
    LanAnswer read;
    if (name[0] != '\0') {
        FUZZ_CHECK(ReadLanAnswer(bytes, sizeof bytes, read));
        FUZZ_CHECK(read.port == 1);
    }
    return 0;
}
