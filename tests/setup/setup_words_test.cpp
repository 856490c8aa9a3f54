#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "content/game_texts.h"
#include "harness/language_frames.h"
#include "gallery/item_notice.h"
#include "platform/language.h"
#include "setup/opponent_choice.h"
#include "setup/setup_steps.h"

namespace {

using namespace setupSteps;

// Where the words of the set-up, the gallery's guide, the notice and the
// editor stand, and how wide each may grow there: a printf row is measured
// with a figure as wide as the game hands it.
using languageFrames::Fit;

// The key guide's action column: beside two players' keys, or one.
constexpr int pairAction = 246;
constexpr int soloAction = 272;
constexpr int guideTitle = 560;

const Fit rooms[] = {
    {TextName::SetupRowExGain, 215},
    {TextName::SetupRowCursorSpeed, 215},
    {TextName::SetupRowLuck, 215},
    {TextName::SetupRowLimitLength, 215},
    {TextName::SetupRowFreezeTime, 215},
    {TextName::SetupRowItemUse, 215},
    {TextName::SetupAboutExGain, 596},
    {TextName::SetupScaleExGain, 596},
    {TextName::SetupAboutCursorSpeed, 596},
    {TextName::SetupScaleCursorSpeed, 596},
    {TextName::SetupAboutLuck, 596},
    {TextName::SetupScaleLuck, 596},
    {TextName::SetupAboutLimitLength, 596},
    {TextName::SetupScaleLimitLength, 596},
    {TextName::SetupAboutFreezeTime, 596},
    {TextName::SetupScaleFreezeTime, 596},
    {TextName::SetupAboutNotUsed, 596},
    {TextName::SetupAboutItemUse, 596},
    {TextName::SetupAboutCancel, 596},
    {TextName::SetupAboutDecide, 596},
    {TextName::SetupItemsRow, 250},
    {TextName::SetupBudgetItemsOn, 300},
    {TextName::SetupBudgetItemsOff, 300},
    {TextName::SetupPlayer, 90, 2},
    // 残り 15 P, Left 15: the label reaches to the points.
    {TextName::SetupPoints, 50, 15},
    {TextName::SetupItemsOn, 35},
    {TextName::SetupItemsOff, 35},
    {TextName::SetupItemDecide, 60},
    {TextName::SetupItemCancel, 60},
    {TextName::SetupItemsNoEffect, 588},
    {TextName::SetupConfirmQuestion, 596},
    {TextName::SetupLeftover, 300, 15},
    {TextName::SetupItemsLabel, 100},
    {TextName::SetupOpponentQuestion, 320},
    {TextName::SetupOpponentTwoPeople, 220},
    {TextName::SetupOpponentComputer, 220},
    {TextName::SetupOpponentHost, 240},
    {TextName::SetupOpponentJoin, 240},
    {TextName::SetupGuideOpponentTitle, guideTitle},
    {TextName::SetupGuideParamTitle, guideTitle},
    {TextName::SetupGuideItemTitle, guideTitle},
    {TextName::SetupGuideConfirmTitle, guideTitle},
    {TextName::SetupGuideOnlineParamTitle, guideTitle},
    {TextName::SetupGuideOnlineItemTitle, guideTitle},
    {TextName::SetupGuideOnlineConfirmTitle, guideTitle},
    {TextName::SetupGuideToMenu, pairAction},
    {TextName::SetupGuideChooseLevel, pairAction},
    {TextName::SetupGuideRaise, pairAction},
    {TextName::SetupGuideLower, pairAction},
    {TextName::SetupGuideChooseItem, pairAction},
    {TextName::SetupGuideTake, pairAction},
    {TextName::SetupGuidePutBack, pairAction},
    {TextName::SetupGuideYesNo, pairAction},
    {TextName::SetupGuideDecide, pairAction},
    {TextName::SetupGuideOpponent, soloAction},
    {TextName::SetupGuideRow, soloAction},
    {TextName::SetupGuideLeaveOnline, soloAction},
    {TextName::SetupGuideRaiseSend, soloAction},
    {TextName::SetupGuideSendAnswer, soloAction},
    {TextName::GalleryGuideTitle, guideTitle},
    {TextName::GalleryGuideChoose, soloAction},
    {TextName::GalleryGuideToMenu, soloAction},
    // The notice is at least 300 wide, its words inside its rounded edge.
    {TextName::ItemNoticeOne, 280},
    {TextName::ItemNoticeMany, 280},
    // The question box the editor asks in is 300 wide.
    {TextName::EditorSaveQuestion, 280},
    {TextName::EditorLeaveQuestion, 280},
    {TextName::EditorDiscardQuestion, 280},
    {TextName::EditorGuideTitle, guideTitle},
    {TextName::EditorGuideMove, soloAction},
    {TextName::EditorGuideRaise, soloAction},
    {TextName::EditorGuideLower, soloAction},
    {TextName::EditorGuideFields, soloAction},
    {TextName::EditorGuideSave, soloAction},
    {TextName::EditorGuideAnswer, soloAction},
    {TextName::EditorGuideYesNo, soloAction},
    {TextName::EditorGuideLeave, soloAction},
};

class SetupWords : public testing::Test {
protected:
    void TearDown() override { SetLanguage(Language::japanese); }
};

TEST_F(SetupWords, EveryWordFitsItsPlaceInBothLanguages) {
    harness::Boot();
    for (Language language : {Language::japanese, Language::english}) {
        SCOPED_TRACE(LanguageCode(language));
        SetLanguage(language);
        BeginPanelText(smallFont);
        for (const Fit& r : rooms) {
            char line[160];
            std::snprintf(line, sizeof line, Tr(r.name), r.figure);
            EXPECT_LE(TextWidth(line), r.width) << TextNameSpelling(r.name) << ": " << line;
        }
        // Every strength in the computer's box under 「コンピュータ」.
        for (int strength = 1; strength <= computerStrengths; ++strength) {
            char line[96];
            std::snprintf(line, sizeof line, Tr(TextName::SetupOpponentStrength), strength, StrengthName(strength));
            EXPECT_LE(TextWidth(line), 220) << line;
        }
        // English's points left stand whole beside their label, which
        // reaches as far as the points let it (Japanese keeps its
        // 40-pixel label as it always had).
        if (language == Language::english) {
            char points[16];
            std::snprintf(points, sizeof points, Tr(TextName::SetupPoints), 15);
            EXPECT_LE(TextWidth(Tr(TextName::SetupRemaining)) + 4 + TextWidth(points), 85);
        }
        EndText();
    }
}

using languageFrames::Region;

// A screen seen in Japanese, then reached again from the start in English
// (its pictures read in English too): its words' places change, and the
// English words stand exactly where the Japanese ones stood.
struct EnglishScreen {
    languageFrames::BoxCase box;
    struct Words {
        const char* text;  // null: read from the table
        TextName name;
        int format;
        Region at;
        int inset;
    };
    std::vector<Words> shown;
};

void ExpectInEnglish(const EnglishScreen& s) {
    SCOPED_TRACE(s.box.name);
    languageFrames::ExpectEnglishBoxes(s.box);
    for (const EnglishScreen::Words& t : s.shown) {
        const char* text = t.text != nullptr ? t.text : Tr(t.name);
        EXPECT_TRUE(TextShown(text, t.format, t.at.left, t.at.top, t.at.right, t.at.bottom, t.inset)) << text;
    }
    SetLanguage(Language::japanese);
}

// Boots into the open menu speaking the language from the first picture on.
bool BootToMenuIn(Language language) {
    harness::Boot();
    SetLanguage(language);
    return harness::RunUntil([] { return At(TitleScene) && wipeState == 0; }) && frontendSteps::TitleToMenu();
}

bool SetupWith(Language language, const std::vector<uint8_t>& itemFile) {
    if (!BootToMenuIn(language)) return false;
    galleryTest::WriteRaw("ITEM.dat", itemFile);
    return MenuToSetup();
}

bool ParamPage(Language language) {
    if (!SetupWith(language, FirstItems(1))) return false;
    harness::RunFrames(1);
    return true;
}

bool ItemPage(Language language) {
    if (!SetupWith(language, galleryTest::FileWith({0, 4, 20}))) return false;
    OpenItemPage();
    S().itemCursor = 1;
    harness::RunFrames(2);
    return true;
}

bool Confirmation(Language language) {
    if (!SetupWith(language, FirstItems(8))) return false;
    Raise(paramSpeed, 5);
    Raise(paramLuck, 5);
    ChooseItemsAt({3, 7});
    DecideOn(decideEntry);
    for (int k = 0; k < 5; ++k) Raise(k, 3);
    if (!ToConfirmation()) return false;
    harness::RunFrames(1);
    return true;
}

bool Question(Language language) {
    if (!BootToMenuIn(language) || !MenuToQuestion()) return false;
    StepTimes('H', 5);
    return true;
}

FontHandle Small() { return smallFont; }

TEST_F(SetupWords, TheSetUpScreensSpeakEnglish) {
    using W = EnglishScreen::Words;
    const EnglishScreen screens[] = {
        {{"setup-params", ParamPage, {{125, 12, 425, 32}}, Small, {}},
         {
             W{"Player 1", TextName::count, textCenter, {10, 12, 110, 32}, 3},
             W{nullptr, TextName::SetupBudgetItemsOn, textCenter, {125, 12, 425, 32}, 3},
             W{nullptr, TextName::SetupRemaining, textLeft, {230, 65, 289, 85}, 3},
             W{"15", TextName::count, textRight, {280, 65, 315, 85}, 3},
             W{nullptr, TextName::SetupRowExGain, textLeft, {420, 80, 635, 100}, 3},
             W{nullptr, TextName::SetupRowLimitLength, textLeft, {420, 200, 635, 220}, 3},
             W{nullptr, TextName::SetupItemsRow, textCenter, {385, 317, 635, 337}, 3},
             W{nullptr, TextName::SetupAboutExGain, textCenter, {0, 420, 639, 440}, 22},
             W{nullptr, TextName::SetupScaleExGain, textCenter, {0, 445, 639, 465}, 22},
         }},
        {{"setup-items", ItemPage, {{19, 436, 619, 456}}, Small, {}},
         {
             W{nullptr, TextName::SetupItemDecide, textCenter, {40, 70, 100, 90}, 0},
             W{nullptr, TextName::SetupItemCancel, textCenter, {120, 70, 180, 90}, 0},
             W{"Watermelon", TextName::count, textCenter, {25, 362, 613, 382}, 0},
             W{nullptr, TextName::ItemLineWatermelon, textCenter, {25, 390, 613, 410}, 0},
             W{nullptr, TextName::SetupItemsNoEffect, textCenter, {25, 436, 613, 456}, 0},
         }},
        {{"setup-confirmation", Confirmation, {{0, 440, 639, 460}}, Small, {}},
         {
             W{nullptr, TextName::SetupConfirmQuestion, textCenter, {0, 440, 639, 460}, 22},
             W{" 5 points left unspent", TextName::count, textCenter, {10, 70, 310, 90}, 3},
             W{nullptr, TextName::SetupItemsLabel, textLeft, {50, 370, 140, 390}, 3},
             W{"Player 1", TextName::count, textCenter, {10, 20, 100, 40}, 3},
             W{"Player 2", TextName::count, textCenter, {330, 20, 420, 40}, 3},
         }},
        {{"opponent-question", Question, {{160, 100, 480, 122}}, Small, {}},
         {
             W{nullptr, TextName::SetupOpponentQuestion, textCenter, {160, 100, 480, 122}, 10},
             W{nullptr, TextName::SetupOpponentTwoPeople, textCenter, {70, 230, 290, 252}, 10},
             W{nullptr, TextName::SetupOpponentComputer, textCenter, {350, 205, 570, 227}, 10},
             W{"Strength 5  Master", TextName::count, textCenter, {350, 245, 570, 267}, 10},
             W{nullptr, TextName::SetupOpponentHost, textCenter, {60, 335, 300, 357}, 10},
             W{nullptr, TextName::SetupOpponentJoin, textCenter, {340, 335, 580, 357}, 10},
         }},
    };
    for (const EnglishScreen& s : screens) ExpectInEnglish(s);
}

}  // namespace
