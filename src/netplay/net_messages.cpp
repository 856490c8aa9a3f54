#include "netplay/net_messages.h"

#include <cstring>

#include "gallery/item_file.h"
#include "match/match_input.h"
#include "match/param_levels.h"
#include "platform/utf8.h"
#include "replay/replay_codec.h"

namespace {

// Steps are counted in 32 bits on the wire but never reach the sign bit: a
// match of that length would run for over a year.
constexpr uint32_t stepLargest = 0x7FFFFFFFu;

// Each kind's size to the byte (inputs: with no bits; each step adds two).
constexpr size_t helloBytes = 1 + 2 + sizeof(HelloMessage::version) + sizeof(HelloMessage::build);
constexpr size_t profileBytes = 1 + 5 + 2 + 1;
constexpr size_t answerBytes = 1 + 1;
constexpr size_t startBytes = 1 + matchStartBytes;
constexpr size_t inputsBaseBytes = 1 + 4 + 1 + 4 + 4;
constexpr size_t checksumBytes = 1 + 4 + 8;

// ---- writing ----

struct Writer {
    uint8_t* at;

    void Byte(uint32_t v) { *at++ = static_cast<uint8_t>(v); }
    void Le(uint64_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) Byte(static_cast<uint32_t>(v >> (8 * i)) & 0xFF);
    }
    void Signed(const int8_t* values, size_t count) {
        for (size_t i = 0; i < count; ++i) Byte(static_cast<uint8_t>(values[i]));
    }
    // The field whole: the text, then zeros to its end, so that one message
    // has exactly one spelling.
    void Text(const char* text, size_t field) {
        const size_t length = strnlen(text, field - 1);
        std::memcpy(at, text, length);
        std::memset(at + length, 0, field - length);
        at += field;
    }
};

size_t SizeOf(const NetMessage& m) {
    switch (m.kind) {
    case NetKind::hello: return helloBytes;
    case NetKind::profile: return profileBytes;
    case NetKind::accept:
    case NetKind::rematch:
    case NetKind::bye: return answerBytes;
    case NetKind::start: return startBytes;
    case NetKind::inputs:
        return m.inputs.count >= 1 && m.inputs.count <= netInputsMax ? inputsBaseBytes + 2u * m.inputs.count : 0;
    case NetKind::checksum: return checksumBytes;
    }
    return 0;
}

// ---- reading ----

struct Reader {
    const uint8_t* at;

    uint32_t Byte() { return *at++; }
    uint64_t Le(int bytes) {
        uint64_t v = 0;
        for (int i = 0; i < bytes; ++i) v |= static_cast<uint64_t>(*at++) << (8 * i);
        return v;
    }
    void Signed(int8_t* values, size_t count) {
        for (size_t i = 0; i < count; ++i) values[i] = static_cast<int8_t>(*at++);
    }
};

bool Within(int v, int low, int high) { return v >= low && v <= high; }

// NUL-terminated inside its field, nothing but zeros after the end, and
// valid UTF-8 before it.
bool TakeText(Reader& r, char* text, size_t field) {
    const auto* bytes = reinterpret_cast<const char*>(r.at);
    const size_t length = strnlen(bytes, field);
    if (length == field) return false;
    for (size_t i = length; i < field; ++i)
        if (bytes[i] != 0) return false;
    for (size_t i = 0; i < length;) {
        uint32_t codepoint = 0;
        const int used = DecodeUtf8(bytes + i, codepoint);
        if (codepoint == invalidCodepoint) return false;
        i += static_cast<size_t>(used);
    }
    std::memcpy(text, bytes, field);
    r.at += field;
    return true;
}

bool TakeHello(Reader& r, HelloMessage& m) {
    m.protocol = static_cast<uint16_t>(r.Le(2));
    return TakeText(r, m.version, sizeof m.version) && TakeText(r, m.build, sizeof m.build);
}

bool TakeProfile(Reader& r, ProfileMessage& m) {
    r.Signed(m.params, 5);
    r.Signed(m.items, 2);
    r.Signed(&m.itemUseOff, 1);
    for (const int8_t level : m.params)
        if (!Within(level, 0, paramLevelMax)) return false;
    for (const int8_t item : m.items)
        if (!Within(item, -1, itemCount - 1)) return false;
    return Within(m.itemUseOff, 0, 1);
}

bool TakeAnswer(Reader& r, int8_t& answer, int largest) {
    r.Signed(&answer, 1);
    return Within(answer, 0, largest);
}

bool TakeInputs(Reader& r, size_t size, InputsMessage& m) {
    m.firstStep = static_cast<uint32_t>(r.Le(4));
    m.count = static_cast<uint8_t>(r.Byte());
    if (m.count < 1 || m.count > netInputsMax || size != inputsBaseBytes + 2u * m.count) return false;
    if (m.firstStep > stepLargest - (m.count - 1u)) return false;
    for (int i = 0; i < m.count; ++i) {
        m.bits[i] = static_cast<uint16_t>(r.Le(2));
        if ((m.bits[i] & ~inputBitsMask) != 0) return false;
    }
    m.ackStep = static_cast<uint32_t>(r.Le(4));
    m.presentStep = static_cast<uint32_t>(r.Le(4));
    return m.ackStep <= stepLargest && m.presentStep <= stepLargest;
}

bool TakeChecksum(Reader& r, ChecksumMessage& m) {
    m.step = static_cast<uint32_t>(r.Le(4));
    m.sum = r.Le(8);
    return m.step <= stepLargest;
}

bool TakeBody(Reader& r, size_t size, NetMessage& m) {
    switch (m.kind) {
    case NetKind::hello: return TakeHello(r, m.hello);
    case NetKind::profile: return TakeProfile(r, m.profile);
    case NetKind::accept: return TakeAnswer(r, m.accept.choice, 1);
    case NetKind::start: {
        ReplayReport report;
        return DecodeMatchStart(r.at, m.start.start, report);
    }
    case NetKind::inputs: return TakeInputs(r, size, m.inputs);
    case NetKind::checksum: return TakeChecksum(r, m.checksum);
    case NetKind::rematch: return TakeAnswer(r, m.rematch.yes, 1);
    case NetKind::bye: return TakeAnswer(r, m.bye.reason, 2);
    }
    return false;
}

}  // namespace

size_t EncodeNetMessage(const NetMessage& m, uint8_t* out, size_t capacity) {
    const size_t size = SizeOf(m);
    if (size == 0 || size > capacity) return 0;
    Writer w{out};
    w.Byte(static_cast<uint8_t>(m.kind));
    switch (m.kind) {
    case NetKind::hello:
        w.Le(m.hello.protocol, 2);
        w.Text(m.hello.version, sizeof m.hello.version);
        w.Text(m.hello.build, sizeof m.hello.build);
        break;
    case NetKind::profile:
        w.Signed(m.profile.params, 5);
        w.Signed(m.profile.items, 2);
        w.Signed(&m.profile.itemUseOff, 1);
        break;
    case NetKind::accept: w.Signed(&m.accept.choice, 1); break;
    case NetKind::start:
        EncodeMatchStart(m.start.start, w.at);
        w.at += matchStartBytes;
        break;
    case NetKind::inputs:
        w.Le(m.inputs.firstStep, 4);
        w.Byte(m.inputs.count);
        for (int i = 0; i < m.inputs.count; ++i) w.Le(m.inputs.bits[i], 2);
        w.Le(m.inputs.ackStep, 4);
        w.Le(m.inputs.presentStep, 4);
        break;
    case NetKind::checksum:
        w.Le(m.checksum.step, 4);
        w.Le(m.checksum.sum, 8);
        break;
    case NetKind::rematch: w.Signed(&m.rematch.yes, 1); break;
    case NetKind::bye: w.Signed(&m.bye.reason, 1); break;
    }
    return size;
}

bool DecodeNetMessage(const uint8_t* data, size_t size, NetMessage& message) {
    if (data == nullptr || size == 0) return false;
    NetMessage m;
    m.kind = static_cast<NetKind>(data[0]);
    if (data[0] < static_cast<uint8_t>(NetKind::hello) || data[0] > static_cast<uint8_t>(NetKind::bye)) return false;
    // Inputs vary with their count (checked once the count is read); every
    // other kind has one size.
    const size_t expected = m.kind == NetKind::inputs ? inputsBaseBytes + 2 : SizeOf(m);
    if (m.kind == NetKind::inputs ? size < expected : size != expected) return false;
    Reader r{data + 1};
    if (!TakeBody(r, size, m)) return false;
    message = m;
    return true;
}
