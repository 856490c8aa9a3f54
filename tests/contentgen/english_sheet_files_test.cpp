#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "content/game_sheet.h"
#include "content/item_sheet.h"
#include "content/logo_sheet.h"
#include "content/option_sheet.h"
#include "content/rank_sheet.h"
#include "content/title_sheet.h"
#include "contentgen/sheet_checks.h"

// The English twins in Back/en/: the same sheets from the same layouts, the
// words alone changed, each staying inside its picture.
namespace {

using namespace sheetChecks;

struct SheetWords {
    const char* name;
    std::vector<SheetRect> words;  // every picture that carries words
};

std::vector<SheetWords> AllSheets() {
    using namespace gameSheetLayout;
    std::vector<SheetWords> all;
    SheetWords title{"Title", {titleSheetLayout::titleLogo, titleSheetLayout::backTile, titleSheetLayout::decideButton,
                               titleSheetLayout::notUsedCoverA, titleSheetLayout::notUsedCoverB}};
    for (int k = 0; k < 8; ++k) title.words.push_back(titleSheetLayout::ModeTile(k));
    all.push_back(title);
    all.push_back({"Logo", {logoSheetLayout::bouncingLogo, logoSheetLayout::startPlate, logoSheetLayout::endPlate}});
    all.push_back({"Game",
                   {winLabel, bestScoreLabel, levelLabel, longestChainLabel, clockLabel, attackMeterLabel,
                    panelsClearedLabel, problemLabel, goalLabel, missLabel, chainLabel, bonusBanner, clearBanner,
                    goalClearAll, goalChainWord, goalReachWord, goalPanelsWord, goalCountWord, goalPointsWord,
                    goalOrMoreWord, goalClearWord, goalEarnWord, goalExclaim, sumWord, sumTailWord, swapWord,
                    swapTimesWord, swapFreeWord, swapNoneWord}});
    all.push_back({"Item", {itemSheetLayout::galleryTitle}});
    all.push_back({"Rank",
                   {rankSheetLayout::scoreHeading, rankSheetLayout::levelHeading, rankSheetLayout::timeHeading,
                    rankSheetLayout::nameHeading, rankSheetLayout::gradeHeading, rankSheetLayout::maxChainHeadingTop,
                    rankSheetLayout::maxChainHeadingBottom, rankSheetLayout::orderNormalLabel,
                    rankSheetLayout::orderReversedLabel}});
    SheetWords option{"Option",
                      {optionSheetLayout::endButton, optionSheetLayout::recommendedButton,
                       optionSheetLayout::resetButton, optionSheetLayout::sampleFrame}};
    for (int i = 0; i < optionSheetLayout::settingCount; ++i) option.words.push_back(optionSheetLayout::Label(i));
    for (int v = 0; v < 3; ++v) option.words.push_back(optionSheetLayout::DifficultyValue(v));
    all.push_back(option);
    return all;
}

bool Inside(const SheetRect& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

int DifferencesIn(const Bitmap& a, const Bitmap& b, const SheetRect& r) {
    int count = 0;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) count += PixelOf(a, x, y) != PixelOf(b, x, y) ? 1 : 0;
    }
    return count;
}

TEST(EnglishSheetFiles, EveryTwinHasTheSizeAndPaletteOfTheJapaneseSheet) {
    for (const SheetWords& s : AllSheets()) {
        const Bitmap ja = Load((std::string("Back/") + s.name + ".bmp").c_str());
        const Bitmap en = Load((std::string("Back/en/") + s.name + ".bmp").c_str());
        EXPECT_EQ(en.width, ja.width) << s.name;
        EXPECT_EQ(en.height, ja.height) << s.name;
        EXPECT_TRUE(SamePalette(en, ja)) << s.name;
    }
}

// Outside the pictures with words both sheets are the same pixels: no word
// spills over its picture's edge (the sheets keep gaps between pictures), so
// none is cut when the game copies the picture alone.
TEST(EnglishSheetFiles, EnglishWordsStayInsideTheirPictures) {
    for (const SheetWords& s : AllSheets()) {
        const Bitmap ja = Load((std::string("Back/") + s.name + ".bmp").c_str());
        const Bitmap en = Load((std::string("Back/en/") + s.name + ".bmp").c_str());
        ASSERT_EQ(en.pixels.size(), ja.pixels.size()) << s.name;
        int outside = 0;
        for (int y = 0; y < ja.height; ++y) {
            for (int x = 0; x < ja.width; ++x) {
                if (PixelOf(ja, x, y) == PixelOf(en, x, y)) continue;
                bool inWords = false;
                for (const SheetRect& r : s.words) inWords = inWords || Inside(r, x, y);
                outside += inWords ? 0 : 1;
            }
        }
        EXPECT_EQ(outside, 0) << s.name;
    }
}

// Every picture with words really is English in the twin, but for the goal's
// count word and mark and the swap limit's unit, which English leaves empty.
TEST(EnglishSheetFiles, EveryPictureWithWordsIsRedrawn) {
    for (const SheetWords& s : AllSheets()) {
        const Bitmap ja = Load((std::string("Back/") + s.name + ".bmp").c_str());
        const Bitmap en = Load((std::string("Back/en/") + s.name + ".bmp").c_str());
        for (size_t i = 0; i < s.words.size(); ++i) {
            const SheetRect& r = s.words[i];
            const bool emptyInEnglish = std::string(s.name) == "Game" && (r.left == gameSheetLayout::goalCountWord.left ||
                                                                           r.left == gameSheetLayout::goalExclaim.left ||
                                                                           r.left == gameSheetLayout::swapTimesWord.left);
            if (emptyInEnglish) {
                EXPECT_EQ(OpaqueCount(en, r), 0) << s.name << " picture " << i;
            } else {
                EXPECT_GT(DifferencesIn(ja, en, r), 20) << s.name << " picture " << i;
            }
        }
    }
}

TEST(EnglishSheetFiles, BackdropsAreTheSamePicturesInEnglish) {
    for (int pattern = 1; pattern <= 4; ++pattern) {
        const std::string name = "screen" + std::to_string(pattern) + ".bmp";
        const std::vector<uint8_t> english = contentFile::Read("Back/en/" + name);
        EXPECT_FALSE(english.empty()) << name;
        EXPECT_EQ(english, contentFile::Read("Back/" + name)) << name;
    }
}

}  // namespace
