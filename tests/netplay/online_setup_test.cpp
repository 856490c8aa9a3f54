#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "content/game_texts.h"
#include "content/item_sheet.h"
#include "match/match_state.h"
#include "netlink/enet_link.h"
#include "netlink/net_game.h"
#include "netplay/net_lobby.h"
#include "netplay/net_messages.h"
#include "netplay/online_flow.h"
#include "netplay/online_setup.h"
#include "platform/keys.h"
#include "setup/remote_opponent.h"
#include "setup/setup_guides.h"
#include "setup/setup_steps.h"
#include "shell/key_guide.h"
#include "shell/line_notice.h"

namespace {

using namespace setupSteps;

// The game under test talks over its real link to a peer played by hand
// here: an ENet link of the test's own, hosting on the loopback address, so
// the peer's messages are typed in and the game's read back.
class OnlineSetup : public ::testing::Test {
protected:
    EnetLink peer;

    void SetUp() override {
        ASSERT_TRUE(frontendSteps::BootToMenu());
        // As the game's start-up does: a link left is closed in the
        // background, so the peer hears the goodbye rather than the silence.
        LinkOnlineScreens();
        ASSERT_TRUE(peer.Host(0, 0));
        ASSERT_TRUE(JoinNetGame("127.0.0.1", peer.HostedPort()));
        ASSERT_TRUE(Await([] { return netGameLink.State() == LinkState::connected; }, false));
        ASSERT_TRUE(Await([this] { return peer.State() == LinkState::connected; }, false));
    }

    void TearDown() override {
        CloseNetGame();
        peer.Close();
        onlineSide = -1;
        remoteOpponent = RemoteOpponent{};
        onlineSetup = OnlineSetupState{};
    }

    // A fresh game and peer for the next case of a loop.
    void Again() {
        TearDown();
        SetUp();
    }

    // The game's side after the handshake, on its set-up screen, grown.
    bool Enter(int8_t side) {
        onlineSide = side;
        OnlineSetupEnterScene();
        if (!harness::RunUntil([] { return At(SetupScene) && wipeState == 0; })) return false;
        harness::RunFrames(12);
        return true;
    }

    // Moves both ends of the link on (and the game by a frame when asked)
    // until done holds; the loopback needs a moment of real time.
    bool Await(const std::function<bool()>& done, bool frames = true) {
        for (int i = 0; i < 3000; ++i) {
            peer.Service();
            if (frames) {
                harness::RunFrames(1);
            } else {
                netGameLink.Service();
            }
            if (done()) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return false;
    }

    void Send(const NetMessage& message) {
        uint8_t bytes[netMessageMax];
        const size_t size = EncodeNetMessage(message, bytes, sizeof bytes);
        ASSERT_GT(size, 0u);
        ASSERT_TRUE(peer.Send(bytes, size, true));
        peer.Service();
    }

    void SendProfile(std::array<int8_t, 5> levels, std::array<int8_t, 2> items = {-1, -1}, int8_t itemsOff = 0) {
        NetMessage message;
        message.kind = NetKind::profile;
        for (int k = 0; k < 5; ++k) message.profile.params[k] = levels[static_cast<size_t>(k)];
        message.profile.items[0] = items[0];
        message.profile.items[1] = items[1];
        message.profile.itemUseOff = itemsOff;
        Send(message);
    }

    void SendAnswer(int8_t choice) {
        NetMessage message;
        message.kind = NetKind::accept;
        message.accept.choice = choice;
        Send(message);
    }

    // The next message of this kind the game sends (others passed over).
    bool Receive(NetKind kind, NetMessage& out) {
        return Await([&] {
            uint8_t bytes[netMessageMax];
            size_t size = 0;
            while (peer.Receive(bytes, size)) {
                if (DecodeNetMessage(bytes, size, out) && out.kind == kind) return true;
            }
            return false;
        });
    }

    // Lets the peer's messages in: a few frames with the link moved on.
    void Settle() {
        for (int i = 0; i < 20; ++i) {
            peer.Service();
            harness::RunFrames(1);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }

    // This side decides its profile as it stands, with player 1's key.
    void DecideOwn() {
        S().setupCursor = decideEntry;
        Step('X');
    }

    bool OnConfirmation() {
        if (!Await([] { return At(OnlineConfirmScene); })) return false;
        harness::RunFrames(12);
        return true;
    }

    // Online play ended with this notice over the main menu.
    bool LeftWith(const char* notice) {
        if (!Await([] { return onlineSide == -1; })) return false;
        harness::RunFrames(2);
        return At(MainMenuScene) && LineNoticeShown() && std::string(LineNoticeText(0)) == notice;
    }
};

uint8_t Red() { return NearestPaletteIndex(MakeRgb(255, 0, 0)); }
int RedIn(int side) { return harness::CountIndex(Red(), 320 * side, 100, 320 * side + 320, 400); }

TEST_F(OnlineSetup, TheJoinerSetsUpTheRightBoardWithPlayerOnesKeysAndSendsIt) {
    ASSERT_TRUE(Enter(1));
    EXPECT_EQ(S().setupPlayer, 1);
    EXPECT_TRUE(TextShown("2 Player", textCenter, 10, 12, 110, 32));
    S().setupCursor = paramSpeed;
    StepTimes('H', 3);
    S().setupCursor = paramChain;
    StepTimes(vkRight, 2);
    Step('L');
    EXPECT_EQ(Levels(1), (std::array<int, 5>{0, 3, 0, 2, 0})) << "player 2's decide key does nothing";
    EXPECT_EQ(Levels(0), (std::array<int, 5>{0, 0, 0, 0, 0}));
    harness::SaveFramePng("/tmp/sumline-netsetup-joiner-setup.png");
    DecideOwn();
    NetMessage sent;
    ASSERT_TRUE(Receive(NetKind::profile, sent));
    EXPECT_EQ((std::array<int8_t, 5>{sent.profile.params[0], sent.profile.params[1], sent.profile.params[2],
                                     sent.profile.params[3], sent.profile.params[4]}),
              (std::array<int8_t, 5>{0, 3, 0, 2, 0}));
    EXPECT_EQ(sent.profile.items[0], -1);
    EXPECT_EQ(sent.profile.itemUseOff, 0);
    ASSERT_TRUE(OnConfirmation());
    harness::SaveFramePng("/tmp/sumline-netsetup-joiner-waits.png");
    EXPECT_TRUE(TextShown("相手の設定を待っています", textCenter, 0, 440, 639, 460, 22));
    EXPECT_GT(RedIn(1), 0) << "own chart on the right";
    EXPECT_EQ(RedIn(0), 0) << "nothing of the host's yet";
    Step('X');
    EXPECT_EQ(S().confirmDone[1], 0) << "no answer before the other profile is shown";
}

TEST_F(OnlineSetup, ThePeersProfileShowsOnTheConfirmationWhenItComes) {
    for (const bool early : {true, false}) {
        SCOPED_TRACE(early ? "sent while this side still sets up" : "sent while this side waits");
        ASSERT_TRUE(Enter(0));
        if (early) SendProfile({2, 3, 4, 1, 0}, {5, -1});
        Settle();
        DecideOwn();
        ASSERT_TRUE(OnConfirmation());
        if (!early) {
            SendProfile({2, 3, 4, 1, 0}, {5, -1});
            Settle();
        }
        EXPECT_EQ(Levels(1), (std::array<int, 5>{2, 3, 4, 1, 0}));
        EXPECT_EQ(pointsLeft[1], 5);
        EXPECT_EQ(itemSlots[1][0], 5);
        EXPECT_EQ(Levels(0), (std::array<int, 5>{0, 0, 0, 0, 0})) << "this side's own stays";
        harness::SaveFramePng("/tmp/sumline-netsetup-both.png");
        EXPECT_GT(RedIn(1), 0);
        EXPECT_TRUE(TextShown("これでいいですか？", textCenter, 0, 440, 639, 460, 22));
        EXPECT_TRUE(TextShown(" 5ポイント余っています", textCenter, 330, 70, 630, 90));
        EXPECT_TRUE(pictureProbe::PictureShown(itemSheet, itemSheetLayout::Icon(5), 470, 364));
        Again();
    }
}

TEST_F(OnlineSetup, AProfileThatBreaksTheRulesEndsOnlinePlay) {
    for (const bool waiting : {false, true}) {
        SCOPED_TRACE(waiting ? "on the confirmation" : "on the set-up");
        ASSERT_TRUE(Enter(1));
        if (waiting) {
            DecideOwn();
            ASSERT_TRUE(OnConfirmation());
        }
        SendProfile({5, 5, 5, 1, 0});
        EXPECT_TRUE(LeftWith(Tr(TextName::OnlineLinkLost)));
        EXPECT_EQ(remoteOpponent.ownSide, -1) << "the set-up is for one keyboard again";
        EXPECT_TRUE(Await([this] { return peer.State() != LinkState::connected; })) << "the peer is let go";
        Again();
    }
}

// An English game's confirmation waits in English: for the peer's set-up,
// for his answer once this side has accepted, and while he redoes his.
TEST_F(OnlineSetup, AnEnglishGameWaitsInEnglish) {
    SetLanguage(Language::english);
    struct Stage {
        const char* name;
        std::function<void()> act;
        TextName line;
    };
    const Stage stages[] = {
        {"his set-up", [this] { DecideOwn(); }, TextName::OnlineSetupWaitingForProfile},
        {"his answer", [this] { SendProfile({0, 5, 5, 5, 0}); Settle(); Step('X'); }, TextName::OnlineSetupWaitingForAnswer},
        {"his redo", [this] { SendAnswer(1); Settle(); }, TextName::OnlineSetupPeerRedoing},
    };
    ASSERT_TRUE(Enter(1));
    for (const Stage& stage : stages) {
        SCOPED_TRACE(stage.name);
        stage.act();
        ASSERT_TRUE(OnConfirmation());
        harness::SaveFramePng(std::string("/tmp/sumline-en-netsetup-") + stage.name + ".png");
        EXPECT_TRUE(TextShown(TextIn(Language::english, stage.line), textCenter, 0, 440, 639, 460, 22));
    }
}

// Both answer: this side's with player 1's keys, the peer's by message; the
// match follows only when both have accepted.
TEST_F(OnlineSetup, BothAcceptingHandsOverToTheMatch) {
    ASSERT_TRUE(Enter(1));
    SendProfile({0, 5, 5, 5, 0});
    DecideOwn();
    ASSERT_TRUE(OnConfirmation());
    Step('H');
    Step(vkLeft);
    EXPECT_EQ(S().confirmChoice[1], 0) << "toggled there and back";
    Step('X');
    NetMessage answer;
    ASSERT_TRUE(Receive(NetKind::accept, answer));
    EXPECT_EQ(answer.accept.choice, 0);
    harness::RunFrames(1);
    EXPECT_TRUE(TextShown("相手の返事を待っています", textCenter, 0, 440, 639, 460, 22));
    harness::RunFrames(30);
    EXPECT_EQ(wipeState, 0) << "the peer has not answered";
    SendAnswer(0);
    // The match's first word, right behind the accept: not the set-up's to read.
    NetMessage matchWord;
    matchWord.kind = NetKind::checksum;
    matchWord.checksum.step = 25;
    matchWord.checksum.sum = 0x1234;
    Send(matchWord);
    ASSERT_TRUE(Await([] { return wipeState == 1; }));
    EXPECT_EQ(S().confirmDone[0], 1);
    ASSERT_TRUE(harness::RunUntil([] { return At(OnlineMatchEnterScene); }, 200));
    EXPECT_EQ(Levels(0), (std::array<int, 5>{0, 5, 5, 5, 0})) << "the match gets both profiles";
    EXPECT_EQ(onlineSide, 1);
    NetMessage left;
    ASSERT_TRUE(NextOnlineMessage(left)) << "left in the link for the match";
    EXPECT_EQ(left.kind, NetKind::checksum);
    EXPECT_EQ(left.checksum.sum, 0x1234u);
}

// An English joiner, both sides having accepted, waits for the host's start
// record in English, the line inside its box in the match's big font.
TEST_F(OnlineSetup, AnEnglishJoinerWaitsForTheHostInEnglish) {
    SetLanguage(Language::english);
    ASSERT_TRUE(Enter(1));
    SendProfile({0, 5, 5, 5, 0});
    DecideOwn();
    ASSERT_TRUE(OnConfirmation());
    Step('X');
    SendAnswer(0);
    ASSERT_TRUE(Await([] { return wipeState == 1; }));
    ASSERT_TRUE(harness::RunUntil([] { return At(OnlineMatchEnterScene); }, 200));
    harness::RunFrames(3);
    harness::SaveFramePng("/tmp/sumline-en-online-waits-for-host.png");
    BeginPanelText(matchFontBig);
    const int width = TextWidth(Tr(TextName::OnlineMatchWaiting));
    EndText();
    EXPECT_GT(width, 0);
    EXPECT_LE(width, 505 - 135 - 8) << Tr(TextName::OnlineMatchWaiting);
    EXPECT_GT(harness::CountIndex(NearestPaletteIndex(MakeRgb(255, 255, 255)), 135, 219, 505, 259), 0)
        << "the line is drawn in its box";
}

TEST_F(OnlineSetup, ThePeersRedoAsksThisSideAgainOnceHeHasDecided) {
    ASSERT_TRUE(Enter(0));
    SendProfile({1, 1, 1, 1, 1});
    DecideOwn();
    ASSERT_TRUE(OnConfirmation());
    Step('X');
    ASSERT_EQ(S().confirmDone[0], 1);
    SendAnswer(1);
    ASSERT_TRUE(Await([] { return onlineSetup.peerRedoing == 1; }));
    harness::RunFrames(1);
    harness::SaveFramePng("/tmp/sumline-netsetup-peer-redo.png");
    EXPECT_EQ(S().confirmDone[0], 0) << "this side's accept is asked again";
    EXPECT_TRUE(TextShown("相手が設定をやり直しています", textCenter, 0, 440, 639, 460, 22));
    EXPECT_EQ(RedIn(1), 0);
    Step('X');
    EXPECT_EQ(S().confirmDone[0], 0) << "nothing to answer while he sets up";
    SendProfile({0, 2, 2, 2, 0});
    Settle();
    EXPECT_EQ(Levels(1), (std::array<int, 5>{0, 2, 2, 2, 0}));
    EXPECT_TRUE(TextShown("これでいいですか？", textCenter, 0, 440, 639, 460, 22));
    SendAnswer(0);
    Settle();
    EXPECT_EQ(wipeState, 0) << "this side has not answered the new profile";
    Step('X');
    ASSERT_TRUE(harness::RunUntil([] { return At(OnlineMatchEnterScene); }, 200));
}

TEST_F(OnlineSetup, ThisSidesRedoGoesBackToItsOwnSetUpAndThePeerWaits) {
    ASSERT_TRUE(Enter(1));
    SendProfile({1, 1, 1, 1, 1});
    DecideOwn();
    ASSERT_TRUE(OnConfirmation());
    Step('H');
    Step('X');
    NetMessage answer;
    ASSERT_TRUE(Receive(NetKind::accept, answer));
    EXPECT_EQ(answer.accept.choice, 1);
    EXPECT_TRUE(At(SetupScene));
    EXPECT_EQ(S().setupPlayer, 1) << "back to its own board's set-up";
    SendAnswer(0);  // the peer accepted the profile this side has taken back
    Settle();
    EXPECT_EQ(S().confirmDone[0], 0) << "an answer to a profile taken back counts for nothing";
    SendAnswer(1);  // and then he redoes too, while this side sets up
    Settle();
    S().setupCursor = paramLuck;
    Step('X');
    DecideOwn();
    NetMessage again;
    ASSERT_TRUE(Receive(NetKind::profile, again));
    EXPECT_EQ(again.profile.params[paramLuck], 1);
    ASSERT_TRUE(OnConfirmation());
    EXPECT_TRUE(TextShown("相手が設定をやり直しています", textCenter, 0, 440, 639, 460, 22));
    Step('X');
    EXPECT_EQ(S().confirmDone[1], 0) << "his old profile is not there to accept";
    SendProfile({0, 0, 5, 5, 0}, {-1, -1}, 1);
    Settle();
    EXPECT_EQ(Levels(0), (std::array<int, 5>{0, 0, 5, 5, 0}));
    EXPECT_EQ(itemUseOff[0], 1);
    EXPECT_EQ(pointsLeft[0], 0);
    SendAnswer(0);
    Step('X');
    ASSERT_TRUE(harness::RunUntil([] { return At(OnlineMatchEnterScene); }, 200));
}

TEST_F(OnlineSetup, ThePeerLeavingOrTheLinkLostEndsEachScreenWithTheMessage) {
    struct LeaveCase {
        const char* name;
        bool onConfirmation;
        bool bye;  // else the link goes
    };
    const LeaveCase cases[] = {
        {"bye on the set-up", false, true},
        {"bye on the confirmation", true, true},
        {"link lost on the set-up", false, false},
        {"link lost on the confirmation", true, false},
    };
    for (const LeaveCase& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(Enter(0));
        if (c.onConfirmation) {
            DecideOwn();
            ASSERT_TRUE(OnConfirmation());
        }
        if (c.bye) {
            NetMessage bye;
            bye.kind = NetKind::bye;
            Send(bye);
        } else {
            peer.Close();
        }
        EXPECT_TRUE(LeftWith(Tr(TextName::OnlineLinkLost)));
        harness::SaveFramePng("/tmp/sumline-netsetup-left.png");
        Again();
    }
}

TEST_F(OnlineSetup, ThePeerGoingUnderTheKeyGuideClosesItAndEndsOnlinePlay) {
    ASSERT_TRUE(Enter(0));
    harness::Tap(vkF1);
    harness::RunFrames(3);
    ASSERT_TRUE(KeyGuideOpen());
    peer.Close();
    EXPECT_TRUE(LeftWith(Tr(TextName::OnlineLinkLost)));
    EXPECT_FALSE(KeyGuideOpen());
}

TEST_F(OnlineSetup, EscapeOnEachScreenLeavesOnlinePlayAndTellsThePeer) {
    for (const bool onConfirmation : {false, true}) {
        SCOPED_TRACE(onConfirmation ? "confirmation" : "set-up");
        ASSERT_TRUE(Enter(1));
        if (onConfirmation) {
            DecideOwn();
            ASSERT_TRUE(OnConfirmation());
        }
        Step(vkEscape);
        EXPECT_EQ(onlineSide, -1);
        EXPECT_TRUE(Await([] { return At(MainMenuScene); }));
        // By the bye, or by the link's own goodbye close behind it.
        EXPECT_TRUE(Await([this] {
            uint8_t bytes[netMessageMax];
            size_t size = 0;
            NetMessage message;
            while (peer.Receive(bytes, size))
                if (DecodeNetMessage(bytes, size, message) && message.kind == NetKind::bye) return true;
            return peer.State() == LinkState::lost;
        })) << "the peer hears of it";
        Again();
    }
}

TEST_F(OnlineSetup, TheConfirmationsKeyGuideSaysWhatThisSidesKeysDo) {
    ASSERT_TRUE(Enter(0));
    DecideOwn();
    ASSERT_TRUE(OnConfirmation());
    harness::Tap(vkF1);
    harness::RunFrames(3);
    ASSERT_TRUE(KeyGuideOpen());
    harness::SaveFramePng("/tmp/sumline-netsetup-confirm-guide.png");
    EXPECT_EQ(KeyGuidePageOpen(), &onlineConfirmGuide);
    EXPECT_EQ(KeyGuidePageOpen()->players, 1);
    harness::Tap(vkF1, 3);
    harness::RunFrames(5);
    EXPECT_FALSE(KeyGuideOpen());
}

}  // namespace
