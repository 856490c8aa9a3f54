#include <gtest/gtest.h>

#include "platform/keys.h"
#include "setup/remote_opponent.h"
#include "setup/setup_guides.h"
#include "shell/key_guide.h"
#include "setup/setup_steps.h"

namespace {

using namespace setupSteps;

int decidedCalls = 0;
int leftCalls = 0;
int frameCalls = 0;

void CountDecided() {
    ++decidedCalls;
    currentScene = SetupConfirmScene;
}
void CountLeft() { ++leftCalls; }
void CountFrame() { ++frameCalls; }

int keepAliveCalls = 0;
bool linkGone = false;
bool CountKeepAlive() {
    ++keepAliveCalls;
    return linkGone;
}

// Player 1's setup reached through the menu, then bent as the online code
// bends it for the joiner: only the right board's profile, set up here.
bool BootToRightSideSetup() {
    if (!BootToSetup()) return false;
    decidedCalls = leftCalls = frameCalls = 0;
    remoteOpponent.ownSide = 1;
    remoteOpponent.eachFrame = CountFrame;
    remoteOpponent.decided = CountDecided;
    remoteOpponent.left = CountLeft;
    remoteOpponent.hidden[0] = 1;
    S().setupPlayer = 1;
    harness::RunFrames(2);
    return true;
}

class RemoteSetup : public ::testing::Test {
protected:
    void TearDown() override { remoteOpponent = RemoteOpponent{}; }
};

TEST_F(RemoteSetup, TheRightBoardIsSetUpWithPlayerOnesKeysAndNotPlayerTwos) {
    ASSERT_TRUE(BootToRightSideSetup());
    EXPECT_GT(frameCalls, 0) << "the link is read every frame";
    S().setupCursor = paramSpeed;
    StepTimes('H', 3);
    Step('Z');
    EXPECT_EQ(playerParams[1][paramSpeed], 2) << "H raises, Z lowers, on the right board's profile";
    EXPECT_EQ(playerParams[0][paramSpeed], 0);
    Step('L');
    Step('K');
    EXPECT_EQ(playerParams[1][paramSpeed], 2) << "player 2's decide and back keys do nothing";
    Step('B');
    EXPECT_EQ(S().setupCursor, paramLuck) << "player 1's letters steer";
    harness::RunFrames(1);
    EXPECT_TRUE(TextShown("2 Player", textCenter, 10, 12, 110, 32));
    EXPECT_TRUE(At(SetupScene));
    EXPECT_EQ(decidedCalls, 0);
}

// The first pad plays player 1 here, whichever board this machine has.
TEST_F(RemoteSetup, TheFirstPadSetsUpTheRightBoardToo) {
    ASSERT_TRUE(BootToRightSideSetup());
    S().setupCursor = paramLuck;
    harness::TapPad(0, PadButton::right);
    harness::RunFrames(2);
    harness::TapPad(0, PadButton::a);
    harness::RunFrames(2);
    harness::TapPad(0, PadButton::b);
    harness::RunFrames(2);
    harness::TapPad(0, PadButton::a);
    harness::RunFrames(2);
    EXPECT_EQ(playerParams[1][paramLuck], 2) << "right and A raise, B lowers";
    S().setupCursor = decideEntry;
    harness::TapPad(0, PadButton::a);
    harness::RunFrames(2);
    EXPECT_EQ(decidedCalls, 1);
}

TEST_F(RemoteSetup, TheDecideButtonHandsTheProfileOverInsteadOfAskingTheOtherPlayer) {
    ASSERT_TRUE(BootToRightSideSetup());
    S().setupCursor = decideEntry;
    Step('X');
    EXPECT_EQ(decidedCalls, 1);
    EXPECT_TRUE(At(SetupConfirmScene)) << "where the hook sent it";
    EXPECT_EQ(S().setupPlayer, 1) << "no other player is set up on this machine";
    EXPECT_EQ(S().setupCursor, 0);
}

TEST_F(RemoteSetup, CancelAndEscapeLeaveOnlinePlayAtOnce) {
    for (const bool escape : {false, true}) {
        SCOPED_TRACE(escape ? "Escape" : "cancel button");
        ASSERT_TRUE(BootToRightSideSetup());
        if (escape) {
            Step(vkEscape);
        } else {
            S().setupCursor = cancelEntry;
            Step('X');
        }
        EXPECT_EQ(leftCalls, 1);
        EXPECT_EQ(wipeState, 0) << "the set-up does not wipe to the menu by itself";
        EXPECT_EQ(S().setupPlayer, 1) << "never back to player 1 on this machine";
    }
}

// F1 shows what the keys do here online: one column of player 1's keys, and
// Escape leaving online play.
TEST_F(RemoteSetup, TheKeyGuideShowsTheOnlinePagesWithOneColumn) {
    ASSERT_TRUE(BootToRightSideSetup());
    struct PageCase {
        int8_t page;
        const KeyGuidePage* guide;
    };
    for (const PageCase& c : {PageCase{0, &onlineParamPageGuide}, PageCase{1, &onlineItemPageGuide}}) {
        SCOPED_TRACE(c.page);
        S().setupPage = c.page;
        harness::RunFrames(2);
        harness::Tap(vkF1);
        harness::RunFrames(3);
        ASSERT_TRUE(KeyGuideOpen());
        harness::SaveFramePng("/tmp/sumline-netsetup-guide-" + std::to_string(c.page) + ".png");
        EXPECT_EQ(KeyGuidePageOpen(), c.guide);
        EXPECT_EQ(KeyGuidePageOpen()->players, 1);
        const KeyGuideLine& last = KeyGuidePageOpen()->lines[KeyGuidePageOpen()->lineCount - 1];
        EXPECT_STREQ(last.action, "ネット対戦をやめる");
        EXPECT_EQ(*last.keys[0][0], vkEscape);
        harness::Tap(vkF1, 3);
        harness::RunFrames(10);
        EXPECT_FALSE(KeyGuideOpen());
        EXPECT_EQ(leftCalls, 0) << "closing the guide leaves nothing";
    }
}

// Under the guide the link is kept going every frame; once it is gone the
// guide gives way, so that the screen can say so.
TEST_F(RemoteSetup, TheGuideKeepsTheLinkGoingAndGivesWayWhenItIsGone) {
    ASSERT_TRUE(BootToRightSideSetup());
    keepAliveCalls = 0;
    linkGone = false;
    remoteOpponent.keepAlive = CountKeepAlive;
    harness::Tap(vkF1);
    harness::RunFrames(10);
    ASSERT_TRUE(KeyGuideOpen());
    EXPECT_GE(keepAliveCalls, 8);
    const int framesBefore = frameCalls;
    harness::RunFrames(5);
    EXPECT_EQ(frameCalls, framesBefore) << "the screen itself stands still";
    linkGone = true;
    harness::RunFrames(2);
    EXPECT_FALSE(KeyGuideOpen());
    EXPECT_GT(frameCalls, framesBefore) << "the screen runs again";
}

// A side whose profile has not come shows an empty chart, and the line
// under the charts says what this side waits for.
TEST_F(RemoteSetup, TheConfirmationLeavesAHiddenSideOutAndSaysItsLine) {
    ASSERT_TRUE(BootToSetup());
    Raise(paramLuck, 5);
    ASSERT_TRUE(ToConfirmation());
    const uint8_t red = NearestPaletteIndex(MakeRgb(255, 0, 0));
    EXPECT_GT(harness::CountIndex(red, 320, 100, 640, 400), 0) << "both charts first";
    remoteOpponent.hidden[1] = 1;
    remoteOpponent.confirmLine = "相手の設定を待っています";
    harness::RunFrames(2);
    harness::SaveFramePng("/tmp/sumline-netsetup-confirm-hidden.png");
    EXPECT_EQ(harness::CountIndex(red, 320, 100, 640, 400), 0) << "no levels on the hidden side";
    EXPECT_GT(harness::CountIndex(red, 0, 100, 320, 400), 0);
    EXPECT_TRUE(TextShown("相手の設定を待っています", textCenter, 0, 440, 639, 460, 22));
    EXPECT_TRUE(TextShown("1 Player", textCenter, 10, 20, 100, 40));
    EXPECT_TRUE(TextShown("2 Player", textCenter, 330, 20, 420, 40)) << "whose side it is still shows";
}

}  // namespace
