#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "content/option_sheet.h"
#include "contentgen/sheet_checks.h"

namespace {

using namespace sheetChecks;
namespace sheet = optionSheetLayout;

const Bitmap& Options() {
    static const Bitmap b = Load("Back/Option.bmp");
    return b;
}

std::vector<SheetRect> AllPictures() {
    std::vector<SheetRect> all;
    for (int i = 0; i < sheet::settingCount; ++i) all.push_back(sheet::Label(i));
    for (const SheetRect& r : {sheet::endButton, sheet::recommendedButton, sheet::resetButton, sheet::sampleFrame,
                               sheet::answerPointer})
        all.push_back(r);
    for (int v = 0; v < 4; ++v) all.push_back(sheet::TargetValue(v));
    for (int v = 0; v < 2; ++v) all.push_back(sheet::SoundValue(v));
    for (int v = 0; v < 3; ++v) all.push_back(sheet::DifficultyValue(v));
    for (int v = 0; v < 4; ++v) all.push_back(sheet::BackgroundValue(v));
    for (int v = 0; v < 2; ++v) all.push_back(sheet::PanelShapeValue(v));
    return all;
}

bool Inside(const SheetRect& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

TEST(OptionSheetFile, Is394By310WithTheSharedPalette) {
    EXPECT_EQ(Options().width, sheet::width);
    EXPECT_EQ(Options().height, sheet::height);
    EXPECT_TRUE(SamePalette(Options(), Load("Back/Title.bmp")));
}

TEST(OptionSheetFile, PicturesLieOnTheSheetApartFromEachOther) {
    const std::vector<SheetRect> all = AllPictures();
    for (size_t i = 0; i < all.size(); ++i) {
        EXPECT_LE(all[i].right, sheet::width) << i;
        EXPECT_LE(all[i].bottom, sheet::height) << i;
        for (size_t j = i + 1; j < all.size(); ++j) {
            const bool overlap = all[i].left < all[j].right && all[j].left < all[i].right && all[i].top < all[j].bottom &&
                                 all[j].top < all[i].bottom;
            EXPECT_FALSE(overlap) << i << " " << j;
        }
    }
}

TEST(OptionSheetFile, NothingIsDrawnOutsideThePictures) {
    const std::vector<SheetRect> all = AllPictures();
    const Bitmap& b = Options();
    int stray = 0;
    for (int y = 0; y < b.height; ++y)
        for (int x = 0; x < b.width; ++x) {
            if (PixelOf(b, x, y) == transparent) continue;
            bool inPicture = false;
            for (const SheetRect& r : all) inPicture = inPicture || Inside(r, x, y);
            stray += inPicture ? 0 : 1;
        }
    EXPECT_EQ(stray, 0);
}

TEST(OptionSheetFile, EveryPictureIsDrawnAndTheValuesTellApart) {
    const Bitmap& b = Options();
    for (const SheetRect& r : AllPictures()) EXPECT_GT(OpaqueCount(b, r), r.Width() * r.Height() / 3) << r.left << "," << r.top;
    auto apart = [&](SheetRect (*picture)(int), int count, int least) {
        for (int v = 0; v < count; ++v)
            for (int w = v + 1; w < count; ++w) EXPECT_GT(Differing(b, picture(v), picture(w)), least) << v << " " << w;
    };
    apart(sheet::TargetValue, 4, 60);
    apart(sheet::SoundValue, 2, 150);
    apart(sheet::DifficultyValue, 3, 1500);
    apart(sheet::BackgroundValue, 4, 300);
    apart(sheet::PanelShapeValue, 2, 60);
}

// Each background sample carries its backdrop's colours: its mean tone is
// closer to its own backdrop's than to any other's.
TEST(OptionSheetFile, BackgroundSamplesLookLikeTheirBackdrops) {
    const Bitmap& b = Options();
    Tone backdrop[4];
    for (int v = 0; v < 4; ++v) {
        const std::string path = "Back/screen" + std::to_string(v + 1) + ".bmp";
        const Bitmap screen = Load(path.c_str());
        backdrop[v] = ToneOf(screen, Rect(333, 0, 640, 480));
    }
    for (int v = 0; v < 4; ++v) {
        const Tone sample = ToneOf(b, Rect(sheet::BackgroundValue(v).left + 2, sheet::BackgroundValue(v).top + 2,
                                           sheet::BackgroundValue(v).right - 2, sheet::BackgroundValue(v).bottom - 2));
        int nearest = 0;
        double best = 1e9;
        for (int w = 0; w < 4; ++w) {
            const double d = std::abs(sample.luma - backdrop[w].luma) + std::abs(sample.chroma - backdrop[w].chroma);
            if (d < best) best = d, nearest = w;
        }
        EXPECT_EQ(nearest, v);
    }
}

// The square panels fill their corners; the round ones leave them to the field.
TEST(OptionSheetFile, PanelSamplesShowTheirShape) {
    const Bitmap& b = Options();
    const SheetRect square = sheet::PanelShapeValue(0), round = sheet::PanelShapeValue(1);
    const int pl = (square.Width() - 17) / 2;
    auto corner = [&](const SheetRect& r) { return Luma(b, PixelOf(b, r.left + pl + 1, r.top + 2)); };
    auto middle = [&](const SheetRect& r) { return Luma(b, PixelOf(b, r.left + pl + 8, r.top + 9)); };
    EXPECT_GT(corner(square), corner(round) + 30);
    EXPECT_GT(middle(round), 40);
    EXPECT_GT(Differing(b, square, round), 150);
}

}  // namespace
