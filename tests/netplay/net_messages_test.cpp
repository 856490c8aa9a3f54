#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "netplay/net_messages.h"
#include "replay/replay_codec.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Encoded(const NetMessage& m) {
    Bytes out(1200);
    const size_t size = EncodeNetMessage(m, out.data(), out.size());
    out.resize(size);
    return out;
}

bool Decodes(const Bytes& bytes, NetMessage& m) { return DecodeNetMessage(bytes.data(), bytes.size(), m); }

bool Decodes(const Bytes& bytes) {
    NetMessage m;
    return Decodes(bytes, m);
}

NetMessage Hello(const char* version, const char* build) {
    NetMessage m;
    m.kind = NetKind::hello;
    std::snprintf(m.hello.version, sizeof m.hello.version, "%s", version);
    std::snprintf(m.hello.build, sizeof m.hello.build, "%s", build);
    return m;
}

NetMessage Profile() {
    NetMessage m;
    m.kind = NetKind::profile;
    const int8_t params[5] = {15, 0, 3, 7, 1};
    std::memcpy(m.profile.params, params, sizeof params);
    m.profile.items[0] = 49;
    m.profile.items[1] = -1;
    m.profile.itemUseOff = 1;
    return m;
}

NetMessage Start() {
    NetMessage m;
    m.kind = NetKind::start;
    MatchStart& s = m.start.start;
    s.mode = 1;
    const int8_t options[5] = {3, 1, 2, 3, 1};
    std::memcpy(s.options, options, sizeof options);
    for (int p = 0; p < 2; ++p)
        for (int k = 0; k < 5; ++k) s.params[p][k] = static_cast<int8_t>(p * 5 + k);
    s.items[0][0] = 12;
    s.items[1][1] = 49;
    s.itemUseOff[1] = 1;
    s.versusWins[0] = 7;
    s.versusWins[1] = 99;
    s.seed = 0xC0FFEE11u;
    return m;
}

NetMessage Inputs(uint32_t first, int count) {
    NetMessage m;
    m.kind = NetKind::inputs;
    m.inputs.firstStep = first;
    m.inputs.count = static_cast<uint8_t>(count);
    for (int i = 0; i < count && i < netInputsMax; ++i) m.inputs.bits[i] = static_cast<uint16_t>((i * 0x0155u + 3u) & inputBitsMask);
    m.inputs.ackStep = first + 3;
    m.inputs.presentStep = first + static_cast<uint32_t>(count) + 2;
    return m;
}

NetMessage Checksum() {
    NetMessage m;
    m.kind = NetKind::checksum;
    m.checksum.step = 1250;
    m.checksum.sum = 0x0123456789ABCDEFull;
    return m;
}

NetMessage Answer(NetKind kind, int8_t value) {
    NetMessage m;
    m.kind = kind;
    m.accept.choice = m.rematch.yes = m.bye.reason = value;
    return m;
}

// The part of the message its kind carries.
void ExpectSame(const NetMessage& a, const NetMessage& b) {
    ASSERT_EQ(a.kind, b.kind);
    switch (a.kind) {
    case NetKind::hello:
        EXPECT_EQ(a.hello.protocol, b.hello.protocol);
        EXPECT_STREQ(a.hello.version, b.hello.version);
        EXPECT_STREQ(a.hello.build, b.hello.build);
        break;
    case NetKind::profile: EXPECT_EQ(0, std::memcmp(&a.profile, &b.profile, sizeof a.profile)); break;
    case NetKind::accept: EXPECT_EQ(a.accept.choice, b.accept.choice); break;
    case NetKind::start: {
        uint8_t x[matchStartBytes], y[matchStartBytes];
        EncodeMatchStart(a.start.start, x);
        EncodeMatchStart(b.start.start, y);
        EXPECT_EQ(0, std::memcmp(x, y, sizeof x));
        EXPECT_EQ(a.start.start.seed, b.start.start.seed);
        break;
    }
    case NetKind::inputs:
        EXPECT_EQ(a.inputs.firstStep, b.inputs.firstStep);
        ASSERT_EQ(a.inputs.count, b.inputs.count);
        for (int i = 0; i < a.inputs.count; ++i) EXPECT_EQ(a.inputs.bits[i], b.inputs.bits[i]) << i;
        EXPECT_EQ(a.inputs.ackStep, b.inputs.ackStep);
        EXPECT_EQ(a.inputs.presentStep, b.inputs.presentStep);
        break;
    case NetKind::checksum:
        EXPECT_EQ(a.checksum.step, b.checksum.step);
        EXPECT_EQ(a.checksum.sum, b.checksum.sum);
        break;
    case NetKind::rematch: EXPECT_EQ(a.rematch.yes, b.rematch.yes); break;
    case NetKind::bye: EXPECT_EQ(a.bye.reason, b.bye.reason); break;
    }
}

TEST(NetMessages, EveryKindComesBackAsSentInItsExactSize) {
    struct Case {
        NetMessage message;
        size_t size;
    };
    const Case cases[] = {
        {Hello("1.0.0", "x86_64 gcc 12.2 a1b2c3"), 43},
        {Hello("1.0.0", "ビルド"), 43},
        {Profile(), 9},
        {Answer(NetKind::accept, 1), 2},
        {Start(), 1 + matchStartBytes},
        {Inputs(0, 1), 16},
        {Inputs(4000000, netInputsMax), 14 + 2 * netInputsMax},
        {Checksum(), 13},
        {Answer(NetKind::rematch, 1), 2},
        {Answer(NetKind::bye, 2), 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.message.kind));
        const Bytes bytes = Encoded(c.message);
        ASSERT_EQ(bytes.size(), c.size);
        EXPECT_EQ(bytes[0], static_cast<uint8_t>(c.message.kind));
        NetMessage back;
        ASSERT_TRUE(Decodes(bytes, back));
        ExpectSame(c.message, back);
        EXPECT_EQ(Encoded(back), bytes);
    }
}

TEST(NetMessages, IntegersAreLittleEndian) {
    const Bytes bytes = Encoded(Checksum());
    const Bytes expected = {6, 0xE2, 0x04, 0, 0, 0xEF, 0xCD, 0xAB, 0x89, 0x67, 0x45, 0x23, 0x01};
    EXPECT_EQ(bytes, expected);
}

TEST(NetMessages, EncodingRefusesWhatCannotBeSent) {
    uint8_t out[64];
    EXPECT_EQ(EncodeNetMessage(Inputs(0, 0), out, sizeof out), 0u);
    EXPECT_EQ(EncodeNetMessage(Inputs(0, netInputsMax + 1), out, sizeof out), 0u);
    EXPECT_EQ(EncodeNetMessage(Hello("1.0.0", "b"), out, 42), 0u);
    EXPECT_EQ(EncodeNetMessage(Hello("1.0.0", "b"), out, 43), 43u);
}

// One byte changed (or the length), and the message is no longer one.
TEST(NetMessages, DecodingRefusesEveryMalformedMessage) {
    struct Case {
        const char* what;
        NetMessage message;
        int at;        // byte to change, -1 none
        uint8_t value;
        int sizeChange;
    };
    const Case cases[] = {
        {"unknown kind 0", Answer(NetKind::bye, 0), 0, 0, 0},
        {"unknown kind 9", Answer(NetKind::bye, 0), 0, 9, 0},
        {"one byte short", Checksum(), -1, 0, -1},
        {"one byte over", Checksum(), -1, 0, 1},
        {"hello cut", Hello("1.0.0", "b"), -1, 0, -20},
        {"version without its end", Hello("123456789012345", "b"), 3 + 15, 'x', 0},
        {"build without its end", Hello("1.0.0", "12345678901234567890123"), 3 + 16 + 23, 'x', 0},
        {"bytes after the version's end", Hello("1.0.0", "b"), 3 + 10, 'x', 0},
        {"version not UTF-8", Hello("1.0.0", "b"), 3, 0xC3, 0},
        {"build a stray continuation", Hello("1.0.0", "b"), 3 + 16, 0x80, 0},
        {"parameter above its largest", Profile(), 1, 16, 0},
        {"parameter below 0", Profile(), 3, 0xFF, 0},
        {"item past the last", Profile(), 6, 50, 0},
        {"item below empty", Profile(), 7, 0xFE, 0},
        {"item switch 2", Profile(), 8, 2, 0},
        {"accept 2", Answer(NetKind::accept, 0), 1, 2, 0},
        {"rematch -1", Answer(NetKind::rematch, 0), 1, 0xFF, 0},
        {"bye reason 3", Answer(NetKind::bye, 0), 1, 3, 0},
        {"start mode 4", Start(), 1, 4, 0},
        {"start option out of range", Start(), 1 + 1 + 1, 2, 0},
        {"start parameter 16", Start(), 1 + 6, 16, 0},
        {"start wins 100", Start(), 1 + 1 + 5 + 10 + 4 + 2, 100, 0},
        {"start cut", Start(), -1, 0, -1},
        {"inputs count 0", Inputs(10, 1), 5, 0, 0},
        {"inputs count past the most", Inputs(10, 1), 5, netInputsMax + 1, 0},
        {"inputs count larger than the bytes", Inputs(10, 2), 5, 3, 0},
        {"inputs count smaller than the bytes", Inputs(10, 2), 5, 1, 0},
        {"inputs bit above the mask", Inputs(10, 2), 6 + 3, 0x10, 0},
        {"inputs first step past the largest", Inputs(10, 2), 4, 0x80, 0},
        {"inputs acknowledgement past the largest", Inputs(10, 2), 6 + 4 + 3, 0x80, 0},
        {"inputs present step past the largest", Inputs(10, 2), 6 + 4 + 4 + 3, 0x80, 0},
        {"checksum step past the largest", Checksum(), 4, 0x80, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes bytes = Encoded(c.message);
        ASSERT_TRUE(Decodes(bytes));
        if (c.at >= 0) bytes[static_cast<size_t>(c.at)] = c.value;
        bytes.resize(static_cast<size_t>(static_cast<int>(bytes.size()) + c.sizeChange));
        NetMessage m = Checksum();
        EXPECT_FALSE(Decodes(bytes, m));
        // Nothing of a refused message reaches the record.
        EXPECT_EQ(m.kind, NetKind::checksum);
        EXPECT_EQ(m.checksum.step, 1250u);
    }
    NetMessage none;
    EXPECT_FALSE(DecodeNetMessage(nullptr, 0, none));
}

TEST(NetMessages, StartCarriesTheReplaysBytesOfTheStartRecord) {
    const NetMessage m = Start();
    const Bytes bytes = Encoded(m);
    uint8_t record[matchStartBytes];
    EncodeMatchStart(m.start.start, record);
    EXPECT_EQ(0, std::memcmp(bytes.data() + 1, record, sizeof record));
}

}  // namespace
