#include <gtest/gtest.h>

#include <cstring>

#include "platform/surface.h"
#include "platform/wipe.h"

namespace {

void Paint() { std::memset(backBuffer.pixels, 7, 640 * 480); }
uint8_t Back(int x, int y) { return backBuffer.pixels[y * 640 + x]; }

TEST(StripeWipe, CloseTakes41CallsAndLeavesStateClosed) {
    wipeState = 0;
    wipeWidth = 0;
    int calls = 0;
    bool done = false;
    while (!done && calls < 100) {
        Paint();
        done = StripeWipe(0);
        ++calls;
        if (!done) {
            EXPECT_EQ(wipeState, 1);
        }
    }
    EXPECT_EQ(calls, 41);
    EXPECT_EQ(wipeState, 2);
    EXPECT_EQ(wipeWidth, 82);
}

// The width is a signed byte: closing on past the end would wrap round and
// uncover the screen again.
TEST(StripeWipe, AClosedWipeAskedToCloseAgainStaysWhole) {
    wipeState = 2;
    wipeWidth = 82;
    for (int call = 0; call < 100; ++call) {
        Paint();
        EXPECT_TRUE(StripeWipe(0)) << call;
        int uncovered = 0;
        for (int i = 0; i < 640 * 480; ++i) uncovered += backBuffer.pixels[i] != 0;
        ASSERT_EQ(uncovered, 0) << call;
    }
    EXPECT_EQ(wipeState, 2);
    EXPECT_EQ(wipeWidth, 82);
}

TEST(StripeWipe, OpenTakes41CallsAndEndsAtZero) {
    wipeState = 2;
    wipeWidth = 82;
    int calls = 0;
    bool done = false;
    while (!done && calls < 100) {
        done = StripeWipe(1);
        ++calls;
    }
    EXPECT_EQ(calls, 41);
    EXPECT_EQ(wipeState, 0);
    EXPECT_EQ(wipeWidth, 0);
}

TEST(StripeWipe, CloseCoversTheLeftOfEachStripByTheWidth) {
    wipeState = 0;
    wipeWidth = 10;
    Paint();
    StripeWipe(0);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(Back(40 * i, 100), 0);
        EXPECT_EQ(Back(40 * i + 9, 479), 0);
        EXPECT_EQ(Back(40 * i + 10, 0), 7);
    }
    EXPECT_EQ(wipeWidth, 12);
}

TEST(StripeWipe, OpenUncoversFromTheLeftOfEachStrip) {
    wipeState = 2;
    wipeWidth = 30;
    Paint();
    StripeWipe(1);
    // Covered: the rightmost 30 pixels of each strip.
    EXPECT_EQ(Back(9, 200), 7);
    EXPECT_EQ(Back(10, 200), 0);
    EXPECT_EQ(Back(39, 200), 0);
    EXPECT_EQ(Back(40 + 9, 200), 7);
    EXPECT_EQ(wipeWidth, 28);
}

TEST(StripeWipe, WidthsFromFortyCoverEverything) {
    for (int w : {40, 60, 82}) {
        for (int mode : {0, 1}) {
            wipeWidth = static_cast<int8_t>(w);
            Paint();
            StripeWipe(mode);
            int uncovered = 0;
            for (int i = 0; i < 640 * 480; ++i) uncovered += backBuffer.pixels[i] != 0;
            EXPECT_EQ(uncovered, 0) << "width " << w << " mode " << mode;
        }
    }
}

}  // namespace
