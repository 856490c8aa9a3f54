#include "netplay/address_field.h"

#include <gtest/gtest.h>

#include <string>

#include "netlink/net_game.h"
#include "platform/typed_text.h"

namespace {

// Types each character of typed (0x08 for Backspace) and returns the field's
// text and how many characters were refused.
std::pair<std::string, int> TypeAll(const std::u32string& typed, AddressField field = {}) {
    int refused = 0;
    for (const char32_t c : typed) refused += TypeIntoAddress(field, static_cast<uint32_t>(c)) ? 0 : 1;
    EXPECT_EQ(field.length, static_cast<int>(std::string(field.text).size()));
    return {field.text, refused};
}

TEST(AddressField, TakesDigitsDotsAndColonsAndBackspaceOnly) {
    struct Case {
        std::u32string typed;
        std::string text;
        int refused;
    };
    const Case cases[] = {
        {U"192.168.0.2:41730", "192.168.0.2:41730", 0},
        {U"10.0.0.1\b7", "10.0.0.7", 0},
        {U"\b", "", 1},                          // nothing to take off
        {U"a1b2 -/;", "12", 6},                  // letters, space and signs refused
        {U"1あ2", "12", 1},                      // other scripts too
        {U"255.255.255.255:655351", "255.255.255.255:65535", 1},  // full at 21
        {U"255.255.255.255:65535\b9", "255.255.255.255:65539", 0},
    };
    for (const Case& c : cases) {
        const auto [text, refused] = TypeAll(c.typed);
        EXPECT_EQ(text, c.text) << c.text;
        EXPECT_EQ(refused, c.refused) << c.text;
    }
}

TEST(AddressField, SplitsHostAndPortWithTheDefaultPort) {
    struct Case {
        const char* text;
        bool ok;
        std::string host;
        uint16_t port;
    };
    const Case cases[] = {
        {"192.168.0.2", true, "192.168.0.2", defaultGamePort},
        {"192.168.0.2:5000", true, "192.168.0.2", 5000},
        {"localhost:1", true, "localhost", 1},
        {"example.net:65535", true, "example.net", 65535},
        {"", false, "", 0},
        {":41730", false, "", 0},
        {"10.0.0.1:", false, "", 0},
        {"10.0.0.1:0", false, "", 0},
        {"10.0.0.1:65536", false, "", 0},
        {"10.0.0.1:123456", false, "", 0},
        {"10.0.0.1:12a", false, "", 0},
        {"10.0.0.1:1:2", false, "", 0},
    };
    for (const Case& c : cases) {
        char host[48] = "unchanged";
        uint16_t port = 7;
        EXPECT_EQ(SplitAddress(c.text, host, sizeof host, port), c.ok) << c.text;
        if (!c.ok) continue;
        EXPECT_EQ(std::string(host), c.host) << c.text;
        EXPECT_EQ(port, c.port) << c.text;
    }
    // A name longer than the room for it is refused, never cut.
    char small[8];
    uint16_t port = 0;
    EXPECT_FALSE(SplitAddress("abcdefgh:1", small, sizeof small, port));
    EXPECT_TRUE(SplitAddress("abcdefg:1", small, sizeof small, port));
}

// What the keyboard hands over reaches a field only while a screen wants
// typing, as characters (several bytes of UTF-8 make one), in order.
TEST(TypedText, KeepsTheCharactersTypedWhileAFieldWantsThem) {
    ResetTypedText();
    AddTypedText("12");
    uint32_t c = 0;
    EXPECT_FALSE(NextTypedChar(c)) << "nothing is kept while no field wants it";
    WantTypedText();
    AddTypedText("1.あ");
    AddTypedBackspace();
    const uint32_t expected[] = {'1', '.', 0x3042, typedBackspace};
    for (const uint32_t e : expected) {
        ASSERT_TRUE(NextTypedChar(c));
        EXPECT_EQ(c, e);
    }
    EXPECT_FALSE(NextTypedChar(c));
    // A frame without the wish drops what came meanwhile.
    EXPECT_TRUE(FollowTypingWish());
    AddTypedText("9");
    EXPECT_FALSE(FollowTypingWish());
    EXPECT_FALSE(NextTypedChar(c));
    // More than the room is dropped, the first kept.
    WantTypedText();
    for (int k = 0; k < typedTextMax + 5; ++k) AddTypedText("7");
    int kept = 0;
    while (NextTypedChar(c)) ++kept;
    EXPECT_EQ(kept, typedTextMax);
    ResetTypedText();
}

}  // namespace
