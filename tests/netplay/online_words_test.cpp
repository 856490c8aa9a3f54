#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "content/game_texts.h"
#include "frontend/main_menu.h"
#include "netplay/lobby_guides.h"
#include "netplay/lobby_steps.h"
#include "netplay/online_flow.h"
#include "netplay/online_input.h"
#include "platform/language.h"
#include "platform/text.h"
#include "shell/key_guide.h"
#include "shell/line_notice.h"
#include "shell/menu_input.h"

// Online play in English: the lobby's screens and notices in the language
// the game speaks, every English line inside the box it is drawn in, and two
// games of different languages each wording for itself what it shows.

namespace {

using namespace lobbySteps;
using setupSteps::Step;
using setupSteps::TextShown;

constexpr Language ja = Language::japanese;
constexpr Language en = Language::english;

template <typename... Values>
std::string Worded(Language language, TextName name, Values... values) {
    char line[256];
    std::snprintf(line, sizeof line, TextIn(language, name), values...);
    return line;
}

// The widest a line may be: the box it is drawn in, less its round corners.
int WidestLine(int left, int right) { return right - left - 16; }

TEST(OnlineWords, EveryEnglishLineFitsTheBoxItIsDrawnIn) {
    ASSERT_TRUE(frontendSteps::BootToMenu());
    SetLanguage(en);
    const auto failed = [](const std::string& why) { return Worded(en, TextName::OnlineJoinFailed, why.c_str()); };
    struct Case {
        std::string line;
        int left, right;
    };
    const Case cases[] = {
        {Tr(TextName::OnlineHostTitle), 160, 480},
        {Tr(TextName::OnlineJoinTitle), 160, 480},
        {Tr(TextName::OnlineHostCannot), 60, 580},
        {Tr(TextName::OnlineHostAddresses), 60, 580},
        {Worded(en, TextName::OnlineHostPort, 65535u), 60, 580},
        {Worded(en, TextName::OnlineLinkPortTaken, 65535u), 60, 580},
        {Worded(en, TextName::OnlineLinkSearchPortTaken, 65535u), 60, 580},
        {Tr(TextName::OnlineLinkNoNetwork), 60, 580},
        {Tr(TextName::OnlineHostWaiting), 40, 600},
        {Tr(TextName::OnlineHostLinked), 40, 600},
        {Tr(TextName::OnlineJoinGamesHere), 40, 600},
        {Tr(TextName::OnlineJoinSearching), 40, 600},
        {Tr(TextName::OnlineJoinFieldLabel), 40, 600},
        {Worded(en, TextName::OnlineJoinAddressForm, 41730u), 40, 600},
        {Tr(TextName::OnlineJoinConnecting), 40, 600},
        {Tr(TextName::OnlineJoinLinked), 40, 600},
        // Why joining failed, in the brackets of the status line.
        {failed(Tr(TextName::OnlineLinkNoHost)), 40, 600},
        {failed(Tr(TextName::OnlineLinkHostBusy)), 40, 600},
        {failed(Tr(TextName::OnlineLinkNetworkGone)), 40, 600},
        {failed(Tr(TextName::OnlineLinkCannotStart)), 40, 600},
        {failed(Tr(TextName::OnlineLinkNoNetwork)), 40, 600},
        {failed(Tr(TextName::OnlineJoinNoAnswer)), 40, 600},
        {failed(Worded(en, TextName::OnlineLinkNoSuchAddress, "192.168.100.200")), 40, 600},
        // The notices over the main menu.
        {Worded(en, TextName::OnlineHandshakeOtherVersion, "1.0.10", "1.0.11"), 20, 620},
        {Worded(en, TextName::OnlineHandshakeOtherProtocol, 65535u, 65534u), 20, 620},
        {Tr(TextName::OnlineHandshakeBadAnswer), 20, 620},
        {Tr(TextName::OnlineHandshakeNoAnswer), 20, 620},
        {Tr(TextName::OnlineLinkLost), 20, 620},
        {Tr(TextName::OnlineLinkDropped), 20, 620},
        {Tr(TextName::OnlineMatchOutOfStep), 20, 620},
        {Tr(TextName::OnlineMatchPeerEnded), 20, 620},
        // The confirmation's waiting lines, across the screen's foot.
        {Tr(TextName::OnlineSetupWaitingForProfile), 0, 639},
        {Tr(TextName::OnlineSetupPeerRedoing), 0, 639},
        {Tr(TextName::OnlineSetupWaitingForAnswer), 0, 639},
    };
    BeginPanelText(smallFont);
    for (const Case& c : cases) {
        EXPECT_GT(TextWidth(c.line.c_str()), 0) << c.line;
        EXPECT_LE(TextWidth(c.line.c_str()), WidestLine(c.left, c.right)) << c.line;
    }
    // A refusal naming two builds: each of its two lines on its own.
    const std::string both =
        Worded(en, TextName::OnlineHandshakeOtherBuild, "1.0.10", "clang 14.0.6 aarch64", "gcc 12.2.0 x86_64");
    const size_t cut = both.find('\n');
    ASSERT_NE(cut, std::string::npos) << both;
    EXPECT_LE(TextWidth(both.substr(0, cut).c_str()), WidestLine(20, 620)) << both;
    EXPECT_LE(TextWidth(both.substr(cut + 1).c_str()), WidestLine(20, 620)) << both;
    EndText();
}

// One English line the screen shows, and the box its text is drawn in.
struct Shown {
    std::string line;
    int left, top, right, bottom;
};

// The lobby's screens in English, a frame of each saved to look at.
TEST(OnlineWords, TheLobbyScreensSpeakEnglish) {
    struct Case {
        const char* name;
        std::function<bool()> reach;
        std::function<std::vector<Shown>()> lines;
    };
    const int list = joinListTop, field = joinFieldTop, status = joinStatusTop;
    const Case cases[] = {
        {"hosting", [] { return BootToLobby(0, en); },
         [] {
             return std::vector<Shown>{
                 {Tr(TextName::OnlineHostTitle), 160, 34, 480, 56},
                 {Tr(TextName::OnlineHostAddresses), 60, 98, 580, 120},
                 {Worded(en, TextName::OnlineHostPort, unsigned{netLobby.listeningPort}), 60, 290, 580, 312},
                 {Tr(TextName::OnlineHostWaiting), 40, 357, 600, 379},
             };
         }},
        {"joining", [] { return BootToLobby(1, en); },
         [=] {
             return std::vector<Shown>{
                 {Tr(TextName::OnlineJoinTitle), 160, 34, 480, 56},
                 {Tr(TextName::OnlineJoinGamesHere), 40, list + 8, 600, list + 30},
                 {Tr(TextName::OnlineJoinSearching), 40, list + 42, 600, list + 64},
                 {Tr(TextName::OnlineJoinFieldLabel), 40, field + 8, 600, field + 30},
             };
         }},
        // An address without its host: the form it must take.
        {"join-bad-address",
         [] {
             if (!BootToLobby(1, en)) return false;
             harness::Type(":1");
             Step('X');
             return netLobby.phase == LobbyPhase::choosing;
         },
         [=] {
             return std::vector<Shown>{
                 {Worded(en, TextName::OnlineJoinAddressForm, unsigned{defaultGamePort}), 40, status + 7, 600,
                  status + 29},
             };
         }},
        // A port nothing listens on: connecting, then why it failed, the
        // link's reason in the brackets.
        {"join-failed",
         [] {
             if (!BootToLobby(1, en)) return false;
             harness::Type("127.0.0.1:1");
             Step(vkReturn);
             return RunUntilLinked([] { return netLobby.phase == LobbyPhase::choosing; }, nullptr, 4000);
         },
         [=] {
             // The link's time-out or the screen's, whichever comes first.
             const std::string why = netLobby.problem;
             EXPECT_TRUE(why == Worded(en, TextName::OnlineJoinFailed, Tr(TextName::OnlineLinkNoHost)) ||
                         why == Worded(en, TextName::OnlineJoinFailed, Tr(TextName::OnlineJoinNoAnswer)))
                 << why;
             return std::vector<Shown>{{why, 40, status + 7, 600, status + 29}};
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(c.reach());
        harness::RunFrames(2);
        harness::SaveFramePng(std::string("/tmp/sumline-en-lobby-") + c.name + ".png");
        for (const Shown& s : c.lines()) {
            EXPECT_TRUE(TextShown(s.line.c_str(), textCenter, s.left, s.top, s.right, s.bottom, 10)) << s.line;
        }
        CloseNetGame();
        StopLanSearch();
    }
}

// The question before the set-up with its online row chosen, in English,
// leads to the English hosting screen.
TEST(OnlineWords, TheQuestionsOnlineRowLeadsToTheEnglishHostingScreen) {
    ASSERT_TRUE(BootToOnlineRow(0, en));
    harness::SaveFramePng("/tmp/sumline-en-lobby-question.png");
    Step('X');
    ASSERT_TRUE(harness::RunUntil([] { return !At(OpponentQuestionScene); }, 50));
    harness::RunFrames(2);
    EXPECT_TRUE(TextShown(Tr(TextName::OnlineHostTitle), textCenter, 160, 34, 480, 56, 10));
    CloseNetGame();
}

// A joiner linked and shaken hands with the English hosting game, which goes
// on to its set-up; then he leaves with a reason.
bool LinkedAndAgreed(EnetLink& peer) {
    if (!BootToLobby(0, en)) return false;
    if (!peer.Join("127.0.0.1", netLobby.listeningPort)) return false;
    if (!RunUntilLinked([&] { return peer.State() == LinkState::connected; }, &peer)) return false;
    if (!SendMessage(peer, HelloOf(BuildHello().version, BuildHello().build))) return false;
    return RunUntilLinked([] { return onlineSide != -1 || At(MainMenuScene); }, &peer) && onlineSide == 0;
}

TEST(OnlineWords, WhyOnlinePlayEndedShowsInEnglishOverTheMainMenu) {
    struct Case {
        int8_t byeReason;
        TextName notice;
    };
    const Case cases[] = {
        {1, TextName::OnlineMatchOutOfStep},
        {0, TextName::OnlineLinkLost},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.byeReason);
        EnetLink peer;
        ASSERT_TRUE(LinkedAndAgreed(peer));
        NetMessage bye;
        bye.kind = NetKind::bye;
        bye.bye.reason = c.byeReason;
        ASSERT_TRUE(SendMessage(peer, bye));
        ASSERT_TRUE(RunUntilLinked([] { return onlineSide == -1; }, &peer));
        harness::RunFrames(2);
        ASSERT_TRUE(At(MainMenuScene));
        harness::SaveFramePng("/tmp/sumline-en-online-notice-" + std::to_string(c.byeReason) + ".png");
        EXPECT_STREQ(LineNoticeText(0), TextIn(en, c.notice));
        EXPECT_TRUE(TextShown(TextIn(en, c.notice), textCenter, 20, mainMenuNoticeTop + 7, 620,
                              mainMenuNoticeTop + 27, 10));
        peer.Close();
    }
}

// A Japanese game and an English one of other versions meet: only the hello
// and a bye's reason code go between them, and each words the refusal in its
// own language, naming its own version first.
TEST(OnlineWords, AJapaneseAndAnEnglishGameEachSayWhyInTheirOwnLanguage) {
    struct Case {
        Language game, peer;
    };
    const Case cases[] = {{en, ja}, {ja, en}};
    const std::string ours = BuildHello().version;
    for (const Case& c : cases) {
        SCOPED_TRACE(LanguageCode(c.game));
        ASSERT_TRUE(BootToLobby(0, c.game));
        EnetLink peer;
        ASSERT_TRUE(peer.Join("127.0.0.1", netLobby.listeningPort));
        ASSERT_TRUE(RunUntilLinked([&] { return peer.State() == LinkState::connected; }, &peer));
        const NetMessage peerHello = HelloOf("9.9.9", BuildHello().build);
        ASSERT_TRUE(SendMessage(peer, peerHello));
        ASSERT_TRUE(RunUntilLinked([] { return At(MainMenuScene); }, &peer, 20000));
        harness::RunFrames(2);
        harness::SaveFramePng(std::string("/tmp/sumline-en-refused-") + LanguageCode(c.game) + ".png");
        const std::string gameLine = Worded(c.game, TextName::OnlineHandshakeOtherVersion, ours.c_str(), "9.9.9");
        EXPECT_EQ(std::string(LineNoticeText(0)), gameLine);
        EXPECT_TRUE(TextShown(gameLine.c_str(), textCenter, 20, mainMenuNoticeTop + 7, 620, mainMenuNoticeTop + 27, 10));

        // What reached the other game: the hello, whose every byte is the
        // version and build, then the bye's code; no words.
        ASSERT_TRUE(RunUntilLinked([&] { return peer.State() != LinkState::connected; }, &peer));
        uint8_t bytes[netMessageMax];
        size_t size = 0;
        ASSERT_TRUE(peer.Receive(bytes, size));
        NetMessage heard;
        ASSERT_TRUE(DecodeNetMessage(bytes, size, heard));
        ASSERT_EQ(heard.kind, NetKind::hello);
        NetMessage expected;
        expected.kind = NetKind::hello;
        expected.hello = BuildHello();
        uint8_t expectedBytes[netMessageMax];
        ASSERT_EQ(size, EncodeNetMessage(expected, expectedBytes, sizeof expectedBytes));
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes), size),
                  std::string(reinterpret_cast<const char*>(expectedBytes), size));
        ASSERT_TRUE(peer.Receive(bytes, size));
        EXPECT_EQ(size, 2u) << "a bye is its kind and one code";
        NetMessage bye;
        ASSERT_TRUE(DecodeNetMessage(bytes, size, bye));
        EXPECT_EQ(bye.kind, NetKind::bye);
        EXPECT_EQ(bye.bye.reason, 2);

        // The other game words its own refusal from the hello it heard.
        SetLanguage(c.peer);
        char peerLine[160];
        EXPECT_FALSE(HellosAgree(peerHello.hello, heard.hello, peerLine, sizeof peerLine));
        EXPECT_EQ(std::string(peerLine), Worded(c.peer, TextName::OnlineHandshakeOtherVersion, "9.9.9", ours.c_str()));
        EXPECT_NE(std::string(peerLine).substr(0, 6), gameLine.substr(0, 6)) << "each in its own language";
        peer.Close();
        EXPECT_TRUE(RunUntilLinked([] { return !ServiceNetClosing(); }));
    }
}

// The key guides of online play read in English, title and lines, each
// line inside its room before the caps (the guide's actions run from x 60
// to 8 short of its caps at x 340); the guide over the English hosting
// screen is seen with its English title.
TEST(OnlineWords, TheOnlineKeyGuidesSpeakEnglish) {
    struct Case {
        const KeyGuidePage* page;
        TextName title;
        std::vector<TextName> lines;
    };
    const Case cases[] = {
        {&hostGuide, TextName::OnlineGuideHostTitle, {TextName::OnlineGuideStopWaiting}},
        {&joinGuide, TextName::OnlineGuideJoinTitle,
         {TextName::OnlineGuideChoose, TextName::OnlineGuideAddress, TextName::OnlineGuideConnect,
          TextName::OnlineGuideBack}},
        {&onlineMatchGuide, TextName::OnlineGuideMatchTitle,
         {TextName::OnlineGuideMove, TextName::OnlineGuideSwap, TextName::OnlineGuideSelect, TextName::OnlineGuideDrop,
          TextName::OnlineGuideCancel, TextName::OnlineGuideLeave}},
    };
    ASSERT_TRUE(BootToLobby(0, en));
    BeginPanelText(smallFont);
    for (const Case& c : cases) {
        SCOPED_TRACE(TextNameSpelling(c.title));
        EXPECT_STREQ(c.page->title, TextIn(en, c.title));
        ASSERT_EQ(c.page->lineCount, static_cast<int>(c.lines.size()));
        for (int k = 0; k < c.page->lineCount; ++k) {
            const char* action = c.page->lines[k].action;
            EXPECT_STREQ(action, TextIn(en, c.lines[static_cast<size_t>(k)]));
            EXPECT_LE(TextWidth(action), 340 - 8 - 60) << action;
        }
    }
    EndText();
    Step(vkF1);
    ASSERT_TRUE(KeyGuideOpen());
    harness::SaveFramePng("/tmp/sumline-en-lobby-host-guide.png");
    // One line on the page: the panel (its title, the line and its foot)
    // centred down the screen, the title 10 below its top, above the rule.
    const int top = (480 - (40 + 28 + 40 + 8)) / 2;
    EXPECT_TRUE(TextShown(TextIn(en, TextName::OnlineGuideHostTitle), textCenter, 36, top + 10, 604, top + 34, 10));
    Step(vkF1);
    CloseNetGame();
}

}  // namespace
