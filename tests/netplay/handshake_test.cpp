#include "netplay/net_handshake.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

HelloMessage Hello(uint16_t protocol, const char* version, const char* build) {
    HelloMessage hello;
    hello.protocol = protocol;
    std::strncpy(hello.version, version, sizeof hello.version - 1);
    std::strncpy(hello.build, build, sizeof hello.build - 1);
    return hello;
}

TEST(Handshake, TwoGamesPlayOnlyWhenProtocolVersionAndBuildAgree) {
    const HelloMessage ours = Hello(1, "1.0.0", "gcc 12.2.0 x86_64");
    struct Case {
        HelloMessage theirs;
        bool agree;
        std::string reason;
    };
    const Case cases[] = {
        {Hello(1, "1.0.0", "gcc 12.2.0 x86_64"), true, ""},
        {Hello(1, "1.0.1", "gcc 12.2.0 x86_64"), false, "バージョンが違います（こちら 1.0.0／相手 1.0.1）"},
        // The version is named first even when more differs.
        {Hello(2, "0.9.0", "clang 14.0.6 x86_64"), false, "バージョンが違います（こちら 1.0.0／相手 0.9.0）"},
        {Hello(2, "1.0.0", "gcc 12.2.0 x86_64"), false, "通信の方式が違います（こちら 1／相手 2）"},
        {Hello(1, "1.0.0", "clang 14.0.6 x86_64"), false,
         "バージョン 1.0.0 どうしですが、ビルドが違います\nこちら gcc 12.2.0 x86_64／相手 clang 14.0.6 x86_64"},
        {Hello(1, "1.0.0", "gcc 12.2.0 aarch64"), false,
         "バージョン 1.0.0 どうしですが、ビルドが違います\nこちら gcc 12.2.0 x86_64／相手 gcc 12.2.0 aarch64"},
    };
    for (const Case& c : cases) {
        char reason[160] = "unchanged";
        EXPECT_EQ(HellosAgree(ours, c.theirs, reason, sizeof reason), c.agree) << c.theirs.version << c.theirs.build;
        EXPECT_EQ(std::string(reason), c.reason);
    }
}

// The build names what must agree for the same steps, and fits its field.
TEST(Handshake, ThisBuildsHelloNamesVersionCompilerAndArchitecture) {
    const HelloMessage hello = BuildHello();
    EXPECT_EQ(hello.protocol, netProtocolVersion);
    EXPECT_STREQ(hello.version, SUMLINE_TEST_VERSION);
    const std::string build = hello.build;
    EXPECT_TRUE(build.rfind("gcc ", 0) == 0 || build.rfind("clang ", 0) == 0) << build;
#if defined(__x86_64__)
    EXPECT_NE(build.find(" x86_64"), std::string::npos) << build;
#endif
    EXPECT_LT(build.size(), sizeof hello.build);
}

}  // namespace
