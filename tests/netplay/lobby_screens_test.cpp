#include <gtest/gtest.h>
#include <unistd.h>

#include <enet/enet.h>

#include <cstring>
#include <string>

#include "netplay/lobby_steps.h"
#include "netplay/lobby_guides.h"
#include "netplay/online_flow.h"
#include "platform/typed_text.h"
#include "shell/line_notice.h"

namespace {

using namespace lobbySteps;
using setupSteps::Step;
using setupSteps::TextShown;

// The port a test may bind is free again: nothing of the game holds it.
bool PortFree(uint16_t port) {
    ENetAddress address{};
    address.host = ENET_HOST_ANY;
    address.port = port;
    ENetHost* probe = enet_host_create(&address, 1, 2, 0, 0);
    if (probe == nullptr) return false;
    enet_host_destroy(probe);
    return true;
}

TEST(HostingScreen, ShowsTheAddressesAndThePortAndEscapeStopsListening) {
    ASSERT_TRUE(BootToLobby(0));
    ASSERT_EQ(netLobby.phase, LobbyPhase::listening);
    const uint16_t port = netLobby.listeningPort;
    ASSERT_NE(port, 0);
    ASSERT_GE(netLobby.addressCount, 1);
    EXPECT_STREQ(netLobby.addresses[netLobby.addressCount - 1], "127.0.0.1") << "the loopback comes last";
    harness::SaveFramePng("/tmp/sumline-lobby-hosting.png");
    EXPECT_TRUE(TextShown("このマシンのアドレス", textCenter, 60, 98, 580, 120, 10));
    for (int k = 0; k < netLobby.addressCount; ++k) {
        EXPECT_TRUE(TextShown(netLobby.addresses[k], textCenter, 60, 132 + 26 * k, 580, 154 + 26 * k, 10)) << k;
    }
    EXPECT_TRUE(TextShown(("ポート " + std::to_string(port)).c_str(), textCenter, 60, 290, 580, 312, 10));
    EXPECT_FALSE(PortFree(port)) << "the game listens while the screen is up";
    EXPECT_EQ(KeyGuidePageShown(), &hostGuide);
    Step(vkEscape);
    EXPECT_TRUE(At(OpponentQuestionScene));
    EXPECT_TRUE(PortFree(port));
}

TEST(JoiningScreen, ListsAGameHostedOnThisMachine) {
    ASSERT_TRUE(BootToLobby(1));
    // This process hosts too, on a port the system picks; it answers the
    // search on the search port like any game.
    ASSERT_TRUE(HostNetGame(0));
    const uint16_t port = HostedGamePort();
    // The hosting link answers the search as it is serviced.
    ASSERT_TRUE(RunUntilLinked([] { return netLobby.gameCount > 0; }, &netGameLink));
    harness::RunFrames(1);
    harness::SaveFramePng("/tmp/sumline-lobby-joining.png");
    // Heard through the loopback or by broadcast: at one of this machine's
    // addresses, under its name.
    char addresses[8][48];
    const int count = LocalAddresses(addresses, 8);
    bool ours = false;
    for (int k = 0; k < count; ++k) ours = ours || std::strcmp(addresses[k], netLobby.games[0].address) == 0;
    EXPECT_TRUE(ours) << netLobby.games[0].address;
    EXPECT_EQ(netLobby.games[0].port, port);
    char name[64] = {};
    gethostname(name, 31);
    EXPECT_STREQ(netLobby.games[0].name, name);
    const std::string row = std::string(name) + "  " + netLobby.games[0].address + ":" + std::to_string(port);
    const int top = joinListTop + 42;
    EXPECT_TRUE(TextShown(row.c_str(), textCenter, 60, top, 580, top + 22, 10)) << row;
    EXPECT_EQ(netLobby.cursor, 0) << "the first game found is under the cursor";
    Step(vkDown);
    EXPECT_EQ(netLobby.cursor, 1) << "then the field";
    CloseNetGame();
    Step(vkEscape);
    EXPECT_TRUE(At(OpponentQuestionScene));
}

TEST(JoiningScreen, TheFieldTakesDigitsDotsColonsAndBackspaceAndNothingElse) {
    ASSERT_TRUE(BootToLobby(1));
    struct Case {
        std::string typed;
        std::string field;
    };
    const Case cases[] = {
        {"127.0.0.1", "127.0.0.1"},
        {":4x1a", "127.0.0.1:41"},
        {"\b\b\b", "127.0.0.1"},
        {"あ ;-/7", "127.0.0.17"},
    };
    for (const Case& c : cases) {
        harness::Type(c.typed);
        harness::RunFrames(1);
        harness::SaveFramePng("/tmp/sumline-lobby-field.png");
        EXPECT_EQ(std::string(netLobby.field.text), c.field) << c.typed;
        EXPECT_TRUE(TextShown((c.field + "_").c_str(), textCenter, 60, joinFieldTop + 42, 580, joinFieldTop + 64, 10))
            << c.field;
    }
    EXPECT_EQ(KeyGuidePageShown(), &joinGuide);
    Step(vkF1);
    harness::SaveFramePng("/tmp/sumline-lobby-join-guide.png");
    ASSERT_TRUE(KeyGuideOpen());
    Step(vkF1);
    // Back at the question, typing goes nowhere; joining again, the
    // cursor is where it was and the field empty.
    Step(vkEscape);
    ASSERT_TRUE(At(OpponentQuestionScene));
    harness::Type("99");
    harness::RunFrames(2);
    uint32_t typed = 0;
    EXPECT_FALSE(NextTypedChar(typed));
    Step('X');
    EXPECT_FALSE(At(OpponentQuestionScene)) << "joining again";
    EXPECT_STREQ(netLobby.field.text, "");
    Step(vkEscape);
}

TEST(JoiningScreen, AnAddressThatDoesNotAnswerSaysSoAndLetsThePlayerTryAgain) {
    ASSERT_TRUE(BootToLobby(1));
    harness::Type("127.0.0.1:0");
    Step('X');
    EXPECT_EQ(netLobby.phase, LobbyPhase::choosing);
    EXPECT_NE(std::string(netLobby.problem).find("192.168.0.2:41730"), std::string::npos) << netLobby.problem;
    // A port nothing listens on: connecting, then why it failed.
    harness::Type("\b1");
    Step(vkReturn);
    EXPECT_EQ(netLobby.phase, LobbyPhase::connecting);
    EXPECT_TRUE(TextShown("つないでいます…", textCenter, 40, joinStatusTop + 7, 600, joinStatusTop + 29, 10));
    ASSERT_TRUE(RunUntilLinked([] { return netLobby.phase == LobbyPhase::choosing; }, nullptr, 4000));
    EXPECT_EQ(std::string(netLobby.problem).rfind("つながりませんでした", 0), 0u) << netLobby.problem;
    harness::RunFrames(1);
    EXPECT_TRUE(TextShown(netLobby.problem, textCenter, 40, joinStatusTop + 7, 600, joinStatusTop + 29, 10));
    EXPECT_EQ(netGameLink.State(), LinkState::closed);
    // Escape while connecting goes back to the field, not further.
    Step('X');
    EXPECT_EQ(netLobby.phase, LobbyPhase::connecting);
    Step(vkEscape);
    EXPECT_EQ(netLobby.phase, LobbyPhase::choosing);
    EXPECT_FALSE(At(OpponentQuestionScene));
}

// What the hosting game makes of the first things a joiner says.
TEST(Handshake, AJoinerThatIsNotTheSameGameIsRefusedWithTheReason) {
    const std::string ours = BuildHello().build;
    struct Case {
        const char* name;
        bool sendsHello;
        NetMessage first;
        std::string line0, line1;
        int8_t byeReason;  // -1: dropped without a word
    };
    NetMessage accept;
    accept.kind = NetKind::accept;
    const Case cases[] = {
        {"other version", true, HelloOf("9.9.9", ours.c_str()),
         std::string("バージョンが違います（こちら ") + SUMLINE_TEST_VERSION + "／相手 9.9.9）", "", 2},
        {"other build", true, HelloOf(SUMLINE_TEST_VERSION, "tcc 0.9 pdp11"),
         std::string("バージョン ") + SUMLINE_TEST_VERSION + " どうしですが、ビルドが違います",
         "こちら " + ours + "／相手 tcc 0.9 pdp11", 2},
        {"not a hello first", true, accept, "相手の応答が正しくありません", "", -1},
        {"silent", false, accept, "相手から応答がありません", "", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(BootToLobby(0));
        EnetLink peer;
        ASSERT_TRUE(peer.Join("127.0.0.1", netLobby.listeningPort));
        ASSERT_TRUE(RunUntilLinked([] { return netLobby.phase == LobbyPhase::shaking; }, &peer));
        ASSERT_TRUE(RunUntilLinked([&] { return peer.State() == LinkState::connected; }, &peer));
        if (c.sendsHello) {
            ASSERT_TRUE(SendMessage(peer, c.first));
        }
        ASSERT_TRUE(RunUntilLinked([] { return At(MainMenuScene); }, &peer, 20000));
        EXPECT_EQ(std::string(LineNoticeText(0)), c.line0);
        EXPECT_EQ(std::string(LineNoticeText(1)), c.line1);
        EXPECT_EQ(onlineSide, -1);
        EXPECT_EQ(netGameLink.State(), LinkState::closed);
        harness::RunFrames(2);
        harness::SaveFramePng(std::string("/tmp/sumline-lobby-refused-") + c.name + ".png");
        EXPECT_TRUE(TextShown(c.line0.c_str(), textCenter, 20, 167, 620, 187, 10));
        // The joiner heard the host's hello (and so can say why on its
        // side), then the bye saying it was refused, then the link closed:
        // the game, back at the menu, lets the old link go in the background.
        EXPECT_TRUE(RunUntilLinked([&] { return peer.State() != LinkState::connected; }, &peer));
        EXPECT_EQ(peer.State(), LinkState::lost);
        NetMessage heard;
        ASSERT_TRUE(TakeMessage(peer, heard));
        EXPECT_EQ(heard.kind, NetKind::hello);
        EXPECT_STREQ(heard.hello.version, SUMLINE_TEST_VERSION);
        const bool byeHeard = TakeMessage(peer, heard);
        EXPECT_EQ(byeHeard, c.byeReason >= 0);
        if (byeHeard) {
            EXPECT_EQ(heard.kind, NetKind::bye);
            EXPECT_EQ(heard.bye.reason, c.byeReason);
        }
        EXPECT_TRUE(RunUntilLinked([] { return !ServiceNetClosing(); }));
        peer.Close();
    }
}

// Hellos that agree: the host plays the left board, the joiner the right,
// and both go on to the set-up.
TEST(Handshake, TwoSameGamesGoOnToTheSetUpOnTheirOwnSides) {
    for (const int8_t side : {int8_t{0}, int8_t{1}}) {
        SCOPED_TRACE(side);
        EnetLink other;
        if (side == 0) {
            ASSERT_TRUE(BootToLobby(0));
            ASSERT_TRUE(other.Join("127.0.0.1", netLobby.listeningPort));
        } else {
            ASSERT_TRUE(other.Host(0, 0));
            ASSERT_TRUE(frontendSteps::BootToMenu());
            JoinAtOnce("127.0.0.1", other.HostedPort());
        }
        ASSERT_TRUE(RunUntilLinked([&] { return other.State() == LinkState::connected; }, &other));
        ASSERT_TRUE(SendMessage(other, HelloOf(SUMLINE_TEST_VERSION, BuildHello().build)));
        ASSERT_TRUE(RunUntilLinked([] { return onlineSide != -1 || At(MainMenuScene); }, &other));
        EXPECT_EQ(onlineSide, side);
        EXPECT_TRUE(At(OnlineSetupEnterScene));
        // Leaving says goodbye, and the other game has it before the link
        // drops, while this one is already back at the menu.
        LeaveOnline(nullptr);
        ASSERT_TRUE(RunUntilLinked([&] { return other.State() != LinkState::connected; }, &other));
        EXPECT_TRUE(At(MainMenuScene));
        NetMessage heard;
        bool byeHeard = false;
        while (!byeHeard && TakeMessage(other, heard)) byeHeard = heard.kind == NetKind::bye;
        ASSERT_TRUE(byeHeard);
        EXPECT_EQ(heard.bye.reason, 0);
        other.Close();
    }
}

}  // namespace

namespace {

// Leaving online play shows why over the main menu, a line break making a
// second line, for long enough to read both versions, then the menu alone.
TEST(LeavingOnline, TheReasonStaysOverTheMainMenuForFiveSeconds) {
    ASSERT_TRUE(BootToLobby(0));
    onlineSide = 1;
    LeaveOnline("一行目\n二行目");
    EXPECT_EQ(onlineSide, -1);
    EXPECT_EQ(netGameLink.State(), LinkState::closed);
    harness::RunFrames(2);
    ASSERT_TRUE(At(MainMenuScene));
    EXPECT_TRUE(TextShown("一行目", textCenter, 20, mainMenuNoticeTop + 7, 620, mainMenuNoticeTop + 27, 10));
    EXPECT_TRUE(TextShown("二行目", textCenter, 20, mainMenuNoticeTop + 31, 620, mainMenuNoticeTop + 51, 10));
    harness::RunMs(leftOnlineNoticeMs - 200);
    EXPECT_STREQ(LineNoticeText(1), "二行目");
    harness::RunMs(300);
    EXPECT_FALSE(LineNoticeShown());
    EXPECT_FALSE(TextShown("一行目", textCenter, 20, mainMenuNoticeTop + 7, 620, mainMenuNoticeTop + 27, 10));
}

}  // namespace

namespace {

// A port another program holds: the hosting screen says it cannot wait
// there and why, and the back key still leaves.
TEST(HostingScreen, APortInUseSaysSoAndTheBackKeyLeaves) {
    EnetLink holder;
    ASSERT_TRUE(holder.Host(0, 0));
    ASSERT_TRUE(BootToLobby(0));
    Step('Z');
    ASSERT_TRUE(At(OpponentQuestionScene));
    netLobby.hostPort = holder.HostedPort();
    Step('X');
    harness::RunFrames(2);
    harness::SaveFramePng("/tmp/sumline-lobby-port-taken.png");
    EXPECT_EQ(netLobby.phase, LobbyPhase::choosing);
    ASSERT_NE(netLobby.problem[0], '\0');
    EXPECT_TRUE(TextShown("ホストできません", textCenter, 60, 180, 580, 202, 10));
    EXPECT_TRUE(TextShown(netLobby.problem, textCenter, 60, 212, 580, 234, 10));
    Step('Z');
    EXPECT_TRUE(At(OpponentQuestionScene));
    holder.Close();
}

// A game found on the list is joined by choosing it: the handshake follows
// and this machine plays the right board.
TEST(JoiningScreen, DecidingOnAListedGameJoinsIt) {
    EnetLink other;
    ASSERT_TRUE(other.Host(0, LanSearchPort()));
    ASSERT_TRUE(BootToLobby(1));
    ASSERT_TRUE(RunUntilLinked([] { return netLobby.gameCount > 0; }, &other));
    int found = -1;
    for (int k = 0; k < netLobby.gameCount; ++k) {
        if (netLobby.games[k].port == other.HostedPort()) found = k;
    }
    ASSERT_GE(found, 0);
    netLobby.cursor = static_cast<int8_t>(found);
    Step('X');
    ASSERT_TRUE(RunUntilLinked([&] { return other.State() == LinkState::connected; }, &other));
    ASSERT_TRUE(SendMessage(other, HelloOf(SUMLINE_TEST_VERSION, BuildHello().build)));
    ASSERT_TRUE(RunUntilLinked([] { return onlineSide != -1 || At(MainMenuScene); }, &other));
    EXPECT_EQ(onlineSide, 1);
    LeaveOnline(nullptr);
    other.Close();
}

}  // namespace

namespace {

// The key guide over the hosting or joining screen does not stop the
// network: the joiner is taken in, the connection made and the handshake
// done under it, and the game goes on to the set-up with the guide closed.
TEST(LobbyScreens, UnderTheKeyGuideTheLinkGoesOnToTheSetUp) {
    for (const int8_t side : {int8_t{0}, int8_t{1}}) {
        SCOPED_TRACE(side);
        EnetLink other;
        if (side == 0) {
            ASSERT_TRUE(BootToLobby(0));
            Step(vkF1);
            ASSERT_TRUE(KeyGuideOpen());
            ASSERT_TRUE(other.Join("127.0.0.1", netLobby.listeningPort));
        } else {
            ASSERT_TRUE(other.Host(0, 0));
            ASSERT_TRUE(frontendSteps::BootToMenu());
            JoinAtOnce("127.0.0.1", other.HostedPort());
            // The other game is not serviced yet: this one stays connecting.
            harness::RunFrames(20);
            Step(vkF1);
            ASSERT_TRUE(KeyGuideOpen());
            EXPECT_EQ(netLobby.phase, LobbyPhase::connecting);
        }
        ASSERT_TRUE(RunUntilLinked([&] { return other.State() == LinkState::connected; }, &other));
        EXPECT_TRUE(KeyGuideOpen());
        ASSERT_TRUE(SendMessage(other, HelloOf(SUMLINE_TEST_VERSION, BuildHello().build)));
        ASSERT_TRUE(RunUntilLinked([] { return onlineSide != -1 || At(MainMenuScene); }, &other));
        EXPECT_EQ(onlineSide, side);
        EXPECT_TRUE(At(OnlineSetupEnterScene));
        EXPECT_FALSE(KeyGuideOpen());
        NetMessage heard;
        ASSERT_TRUE(TakeMessage(other, heard));
        EXPECT_EQ(heard.kind, NetKind::hello);
        LeaveOnline(nullptr);
        other.Close();
    }
}

}  // namespace
