#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "netlink/lan_datagrams.h"

namespace {

std::vector<uint8_t> AnswerBytes(uint16_t port, uint32_t hostId, const char* name) {
    uint8_t bytes[lanAnswerBytes];
    WriteLanAnswer(port, hostId, name, bytes);
    return {bytes, bytes + lanAnswerBytes};
}

TEST(LanDatagramsTest, AnAnswerReadsBackAsWritten) {
    const auto bytes = AnswerBytes(41730, 0xA1B2C3D4u, "ゲーム機-2");
    // Little-endian port and id after the magic and protocol.
    EXPECT_EQ(bytes[6], 0x02);
    EXPECT_EQ(bytes[7], 0xA3);
    EXPECT_EQ(bytes[8], 0xD4);
    LanAnswer read;
    ASSERT_TRUE(ReadLanAnswer(bytes.data(), bytes.size(), read));
    EXPECT_EQ(read.port, 41730);
    EXPECT_EQ(read.hostId, 0xA1B2C3D4u);
    EXPECT_STREQ(read.name, "ゲーム機-2");
}

TEST(LanDatagramsTest, ASearchIsKnownOnlyByItsExactBytes) {
    uint8_t search[lanSearchBytes];
    WriteLanSearch(search);
    EXPECT_TRUE(IsLanSearch(search, sizeof search));
    EXPECT_FALSE(IsLanSearch(search, sizeof search - 1));
    for (size_t i = 0; i < sizeof search; ++i) {
        uint8_t changed[lanSearchBytes];
        std::memcpy(changed, search, sizeof search);
        changed[i] ^= 0x40;
        EXPECT_FALSE(IsLanSearch(changed, sizeof changed)) << "byte " << i;
    }
    const auto answer = AnswerBytes(1, 1, "a");
    EXPECT_FALSE(IsLanSearch(answer.data(), lanSearchBytes));
}

// A written name is cut at a whole character within its record, and a
// character that cannot be shown becomes '?'.
TEST(LanDatagramsTest, AWrittenNameFitsItsRecordAndCanBeShown) {
    struct Case {
        std::string name;
        std::string expected;
    };
    const Case cases[] = {
        {"plain", "plain"},
        {std::string(40, 'x'), std::string(31, 'x')},
        // Ten three-byte characters are 30 bytes; the eleventh does not fit.
        {"あいうえおかきくけこさ", "あいうえおかきくけこ"},
        {"tab\there", "tab?here"},
        {"bad\xC3", "bad?"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto bytes = AnswerBytes(7, 7, c.name.c_str());
        LanAnswer read;
        ASSERT_TRUE(ReadLanAnswer(bytes.data(), bytes.size(), read));
        EXPECT_EQ(std::string(read.name), c.expected);
    }
}

TEST(LanDatagramsTest, AnAnswerThatIsNotExactlyRightIsRefused) {
    const auto good = AnswerBytes(41730, 5, "host");
    struct Case {
        const char* what;
        size_t offset;  // the byte changed
        uint8_t value;
    };
    const Case cases[] = {
        {"magic", 0, 'X'},
        {"protocol", 4, 2},
        {"port 0", 6, 0},  // with the high byte below
        {"no terminator", 12 + 31, 'z'},
        {"bytes after the name", 12 + 20, 'z'},
        {"empty name", 12, 0},
        {"control character", 13, 0x1B},
        {"stray continuation byte", 13, 0x80},
        {"delete", 12, 0x7F},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto bytes = good;
        bytes[c.offset] = c.value;
        if (std::string(c.what) == "port 0") bytes[7] = 0;
        if (std::string(c.what) == "no terminator") std::memset(bytes.data() + 12, 'z', lanNameBytes);
        LanAnswer read;
        read.port = 99;
        EXPECT_FALSE(ReadLanAnswer(bytes.data(), bytes.size(), read));
        EXPECT_EQ(read.port, 99);  // untouched
    }
    LanAnswer read;
    EXPECT_FALSE(ReadLanAnswer(good.data(), good.size() - 1, read));
    auto longer = good;
    longer.push_back(0);
    EXPECT_FALSE(ReadLanAnswer(longer.data(), longer.size(), read));
}

}  // namespace
