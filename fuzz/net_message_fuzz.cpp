// A message from the other game: from any bytes the decoder either refuses
// them whole, leaving the record as it was, or gives a message whose every
// value lies where the session and the screens can take it: a known kind,
// texts ending inside their fields in valid UTF-8, a profile and a start
// record in their ranges, one to netInputsMax input steps naming only input
// bits, steps below the sign bit, answers among their choices. Such a
// message written back gives exactly the bytes it came from, and reads back
// the same.

#include <cstring>

#include "fuzz_support.h"
#include "netplay/net_messages.h"
#include "platform/utf8.h"
#include "replay/replay_codec.h"

namespace {

bool Within(int64_t v, int64_t low, int64_t high) { return v >= low && v <= high; }

void CheckText(const char* text, size_t field) {
    const size_t length = strnlen(text, field);
    FUZZ_CHECK(length < field);
    for (size_t i = 0; i < length;) {
        uint32_t codepoint = 0;
        const int used = DecodeUtf8(text + i, codepoint);
        FUZZ_CHECK(codepoint != invalidCodepoint && used >= 1);
        i += static_cast<size_t>(used);
    }
}

void CheckMessage(const NetMessage& m) {
    switch (m.kind) {
    case NetKind::hello:
        CheckText(m.hello.version, sizeof m.hello.version);
        CheckText(m.hello.build, sizeof m.hello.build);
        break;
    case NetKind::profile:
        for (int8_t level : m.profile.params) FUZZ_CHECK(Within(level, 0, 15));
        for (int8_t item : m.profile.items) FUZZ_CHECK(Within(item, -1, 49));
        FUZZ_CHECK(Within(m.profile.itemUseOff, 0, 1));
        break;
    case NetKind::accept: FUZZ_CHECK(Within(m.accept.choice, 0, 1)); break;
    case NetKind::start: {
        const MatchStart& s = m.start.start;
        FUZZ_CHECK(Within(s.mode, 0, 3));
        for (int p = 0; p < 2; ++p) {
            for (int8_t level : s.params[p]) FUZZ_CHECK(Within(level, 0, 15));
            for (int8_t item : s.items[p]) FUZZ_CHECK(Within(item, -1, 49));
            FUZZ_CHECK(Within(s.versusWins[p], 0, 99));
        }
        break;
    }
    case NetKind::inputs:
        FUZZ_CHECK(Within(m.inputs.count, 1, netInputsMax));
        for (int i = 0; i < m.inputs.count; ++i) FUZZ_CHECK(m.inputs.bits[i] <= 0x0FFF);
        FUZZ_CHECK(int64_t{m.inputs.firstStep} + m.inputs.count - 1 <= INT32_MAX);
        FUZZ_CHECK(m.inputs.ackStep <= INT32_MAX && m.inputs.presentStep <= INT32_MAX);
        break;
    case NetKind::checksum: FUZZ_CHECK(m.checksum.step <= INT32_MAX); break;
    case NetKind::rematch: FUZZ_CHECK(Within(m.rematch.yes, 0, 1)); break;
    case NetKind::bye: FUZZ_CHECK(Within(m.bye.reason, 0, 2)); break;
    default: FUZZ_CHECK(!"a kind the decoder does not know");
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    EnterFuzzFolder(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    NetMessage decoded;
    decoded.kind = NetKind::checksum;
    decoded.checksum.step = 77;
    if (!DecodeNetMessage(data, size, decoded)) {
        FUZZ_CHECK(decoded.kind == NetKind::checksum && decoded.checksum.step == 77);
        return 0;
    }
    CheckMessage(decoded);
    uint8_t written[1200];
    const size_t length = EncodeNetMessage(decoded, written, sizeof written);
    FUZZ_CHECK(length == size && std::memcmp(written, data, size) == 0);
    NetMessage again;
    FUZZ_CHECK(DecodeNetMessage(written, length, again));
    uint8_t rewritten[1200];
    FUZZ_CHECK(EncodeNetMessage(again, rewritten, sizeof rewritten) == length);
    FUZZ_CHECK(std::memcmp(written, rewritten, length) == 0);
    return 0;
}
