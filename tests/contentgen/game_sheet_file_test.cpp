#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

#include "content/game_sheet.h"
#include "contentgen/sheet_checks.h"

namespace {

using namespace sheetChecks;
using namespace gameSheetLayout;

const Bitmap& Sheet() {
    static const Bitmap sheet = Load("Back/Game.bmp");
    return sheet;
}

TEST(GameSheetFile, Is650By280WithTheSharedPalette) {
    const Bitmap& b = Sheet();
    EXPECT_EQ(b.width, gameSheetLayout::width);
    EXPECT_EQ(b.height, gameSheetLayout::height);
    EXPECT_TRUE(SamePalette(b, Load("Back/Title.bmp")));
}

TEST(GameSheetFile, EveryNamedPictureIsDrawn) {
    const Bitmap& b = Sheet();
    struct Named {
        const char* name;
        SheetRect rect;
        int percent;  // share of the rectangle that must be drawn
    };
    std::vector<Named> pictures = {
        {"pickedCursor", pickedCursor, 20},     {"colon", colon, 15},
        {"winLabel", winLabel, 15},             {"fillTile", fillTile, 100},
        {"fieldTile", fieldTile, 100},          {"chainFill", chainFill, 100},
        {"endlessExFill", endlessExFill, 100},  {"endlessExBack", endlessExBack, 100},
        {"versusExBack", versusExBack, 100},    {"bestScoreLabel", bestScoreLabel, 15},
        {"levelLabel", levelLabel, 15},         {"longestChainLabel", longestChainLabel, 15},
        {"clockLabel", clockLabel, 15},         {"attackMeterLabel", attackMeterLabel, 10},
        {"panelsClearedLabel", panelsClearedLabel, 15}, {"problemLabel", problemLabel, 15},
        {"missLabel", missLabel, 15},           {"chainLabel", chainLabel, 25},
        {"bonusBanner", bonusBanner, 85},       {"clearBanner", clearBanner, 85},
        {"startLogoTopLeft", startLogoTopLeft, 15}, {"startLogoTopRight", startLogoTopRight, 15},
        {"startLogoBottomRight", startLogoBottomRight, 15}, {"startLogoBottomLeft", startLogoBottomLeft, 15},
        {"pausePicture", pausePicture, 20},     {"pauseMarker", pauseMarker, 30},
        {"winPicture", winPicture, 20},         {"losePicture", losePicture, 20},
        {"drawPicture", drawPicture, 20},       {"clearPicture", clearPicture, 20},
        {"meterIconSmall", meterIconSmall, 10}, {"meterIconMedium", meterIconMedium, 15},
        {"meterIconLarge", meterIconLarge, 20}, {"arrowLeft", arrowLeft, 20},
        {"arrowRight", arrowRight, 20},         {"arrowDown", arrowDown, 20},
        {"arrowUp", arrowUp, 20},               {"goalClearAll", goalClearAll, 15},
        {"goalChainWord", goalChainWord, 10},   {"goalReachWord", goalReachWord, 10},
        {"goalPanelsWord", goalPanelsWord, 10}, {"goalCountWord", goalCountWord, 10},
        {"goalPointsWord", goalPointsWord, 10}, {"goalOrMoreWord", goalOrMoreWord, 10},
        {"goalClearWord", goalClearWord, 10},   {"goalEarnWord", goalEarnWord, 10},
        {"goalExclaim", goalExclaim, 5},        {"sumWord", sumWord, 10},
        {"sumTailWord", sumTailWord, 10},       {"swapWord", swapWord, 10},
        {"swapTimesWord", swapTimesWord, 10},   {"swapFreeWord", swapFreeWord, 10},
        {"swapNoneWord", swapNoneWord, 10},     {"goalLabel", goalLabel, 10},
        {"frameTopEdge", frameTopEdge, 100},    {"frameBottomEdge", frameBottomEdge, 100},
        {"frameLeftSide", frameLeftSide, 100},  {"frameRightSide", frameRightSide, 100},
        {"frameTopLeft", frameTopLeft, 70},     {"frameTopRight", frameTopRight, 70},
        {"frameBottomLeft", frameBottomLeft, 70}, {"frameBottomRight", frameBottomRight, 70},
        {"topLine", Rect(topLineLeft, topLineFirstRow, topLineRight, topLineFirstRow + 14), 100},
    };
    for (int p = 0; p < 2; ++p) {
        pictures.push_back({"Cursor", Cursor(p), 15});
        pictures.push_back({"Times", Times(p), 15});
        pictures.push_back({"LimitFill", LimitFill(p), 100});
        pictures.push_back({"VersusExFill", VersusExFill(p), 100});
        pictures.push_back({"ItemMarker", ItemMarker(p), 75});
    }
    for (int s : {0, 36, 72}) pictures.push_back({"LineFrame", LineFrame(s), 40});
    for (int i = 0; i < 3; ++i) {
        pictures.push_back({"Countdown", Countdown(i), 15});
        pictures.push_back({"Lamp", Lamp(i), 60});
    }
    for (int n = 1; n <= 5; ++n) pictures.push_back({"NextMarker", NextMarker(n), 50});
    for (int shape = 0; shape < 2; ++shape) {
        for (int v = 0; v < 8; ++v) {
            pictures.push_back({"Panel", Panel(v, shape), 75});
            pictures.push_back({"FailingPanel", FailingPanel(v, shape), 75});
        }
    }
    for (int c = -1; c <= 1; ++c) {
        for (int d = 0; d < 10; ++d) pictures.push_back({"Digit", Digit(d, c), 30});
    }
    for (const Named& n : pictures) {
        const SheetRect r = n.rect;
        ASSERT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= b.width && r.bottom <= b.height) << n.name;
        EXPECT_GE(OpaqueCount(b, r) * 100, r.Width() * r.Height() * n.percent) << n.name << " at " << r.left << "," << r.top;
    }
}

// Cursors and line frames surround a cell that must stay visible.
TEST(GameSheetFile, CursorsLeaveTheirCellClear) {
    const Bitmap& b = Sheet();
    for (const SheetRect& r : {Cursor(0), Cursor(1), pickedCursor}) {
        EXPECT_EQ(OpaqueCount(b, Rect(r.left + 6, r.top + 6, r.left + 30, r.top + 30)), 0) << r.left;
        // ...and the corners of the frame are drawn, so it reads as a frame.
        EXPECT_NE(PixelOf(b, r.left + 3, r.top + 3), transparent);
        EXPECT_NE(PixelOf(b, r.right - 4, r.bottom - 4), transparent);
    }
}

TEST(GameSheetFile, LineFramesAreHollowAndStretchCleanly) {
    const Bitmap& b = Sheet();
    for (int s : {0, 36, 72}) {
        const SheetRect r = LineFrame(s);
        // The middle of the 36x36 frame is see-through.
        EXPECT_EQ(OpaqueCount(b, Rect(r.left + 9, r.top + 9, r.left + 27, r.top + 27)), 0) << s;
        // Vertically the rows 118..136 are stretched, horizontally the columns
        // s+9..s+27: along those the picture must not change.
        EXPECT_TRUE(ColumnsUniform(b, Rect(r.left, r.top + 9, r.right, r.top + 27))) << s;
        EXPECT_TRUE(RowsUniform(b, Rect(r.left + 9, r.top, r.left + 27, r.bottom))) << s;
    }
    // Each player's phase-A frame and the shared phase-B frame look different.
    EXPECT_GT(Differing(b, LineFrame(0), LineFrame(36)), 200);
    EXPECT_GT(Differing(b, LineFrame(0), LineFrame(72)), 200);
    EXPECT_GT(Differing(b, Cursor(0), Cursor(1)), 150);
}

TEST(GameSheetFile, EveryPanelPictureIsItsOwn) {
    const Bitmap& b = Sheet();
    std::vector<SheetRect> panels;
    for (int shape = 0; shape < 2; ++shape) {
        for (int v = 0; v < 8; ++v) {
            panels.push_back(Panel(v, shape));
            panels.push_back(FailingPanel(v, shape));
        }
    }
    for (size_t i = 0; i < panels.size(); ++i) {
        for (size_t j = i + 1; j < panels.size(); ++j) EXPECT_GT(Differing(b, panels[i], panels[j]), 100) << i << " " << j;
    }
}

TEST(GameSheetFile, TheTwoShapeSetsHaveDifferentOutlines) {
    const Bitmap& b = Sheet();
    for (int v = 0; v < 8; ++v) {
        // Square tiles fill their cell's edge midpoints and nearly their
        // corners; round ones leave the corners to the field.
        const SheetRect square = Panel(v, 0), round = Panel(v, 1);
        EXPECT_NE(PixelOf(b, square.left + 2, square.top + 2), transparent) << v;
        EXPECT_EQ(PixelOf(b, round.left + 1, round.top + 1), transparent) << v;
        EXPECT_EQ(PixelOf(b, round.right - 2, round.bottom - 2), transparent) << v;
        EXPECT_GT(OpaqueCount(b, square), OpaqueCount(b, round) + 40) << v;
    }
}

TEST(GameSheetFile, LivePanelsAreColourfulAndDistinctInHue) {
    const Bitmap& b = Sheet();
    for (int shape = 0; shape < 2; ++shape) {
        for (int v = 1; v < 8; ++v) EXPECT_GT(ToneOf(b, Panel(v, shape)).chroma, 60) << v;
        // One colour per number: the centres' mean colours differ clearly.
        for (int v = 1; v < 8; ++v) {
            for (int w = v + 1; w < 8; ++w) {
                const SheetRect p = Panel(v, shape), q = Panel(w, shape);
                double distance = 0;
                for (int c = 0; c < 3; ++c) {
                    double a = 0, d = 0;
                    for (int y = 4; y < 20; ++y) {
                        for (int x = 2; x < 6; ++x) {  // the body beside the numeral
                            a += b.palette[PixelOf(b, p.left + x, p.top + y)][c];
                            d += b.palette[PixelOf(b, q.left + x, q.top + y)][c];
                        }
                    }
                    distance += std::abs(a - d) / 64.0;
                }
                EXPECT_GT(distance, 60) << shape << ": " << v << " vs " << w;
            }
        }
    }
}

TEST(GameSheetFile, ZeroAndFailingPanelsLookDeadBesideLiveOnes) {
    const Bitmap& b = Sheet();
    for (int shape = 0; shape < 2; ++shape) {
        const Tone zero = ToneOf(b, Panel(0, shape));
        EXPECT_LT(zero.chroma, 30) << shape;
        for (int v = 1; v < 8; ++v) {
            const Tone live = ToneOf(b, Panel(v, shape));
            EXPECT_LT(zero.luma + 25, live.luma) << shape << " " << v;
            // The failing picture is drained of colour compared with the live one.
            EXPECT_LT(ToneOf(b, FailingPanel(v, shape)).chroma * 2, live.chroma) << shape << " " << v;
            EXPECT_GT(Differing(b, Panel(v, shape), FailingPanel(v, shape)), 300) << shape << " " << v;
        }
    }
}

TEST(GameSheetFile, FramePiecesJoinUpWhenTiled) {
    const Bitmap& b = Sheet();
    // Edges repeat along their length, sides down theirs.
    EXPECT_TRUE(RowsUniform(b, frameTopEdge));
    EXPECT_TRUE(RowsUniform(b, frameBottomEdge));
    EXPECT_TRUE(ColumnsUniform(b, frameLeftSide));
    EXPECT_TRUE(ColumnsUniform(b, frameRightSide));
    // A corner continues the edge and the side it meets.
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(PixelOf(b, frameTopLeft.right - 1, frameTopLeft.top + i), PixelOf(b, frameTopEdge.left, frameTopEdge.top + i));
        EXPECT_EQ(PixelOf(b, frameTopLeft.left + i, frameTopLeft.bottom - 1), PixelOf(b, frameLeftSide.left + i, frameLeftSide.top));
        EXPECT_EQ(PixelOf(b, frameBottomRight.left, frameBottomRight.top + i),
                  PixelOf(b, frameBottomEdge.right - 1, frameBottomEdge.top + i));
        EXPECT_EQ(PixelOf(b, frameBottomRight.left + i, frameBottomRight.top),
                  PixelOf(b, frameRightSide.left + i, frameRightSide.bottom - 1));
    }
    // Rounded outside: the outermost corner pixel shows the backdrop.
    EXPECT_EQ(PixelOf(b, frameTopLeft.left, frameTopLeft.top), transparent);
    EXPECT_EQ(PixelOf(b, frameBottomRight.right - 1, frameBottomRight.bottom - 1), transparent);
}

TEST(GameSheetFile, FieldIsDarkAndCalmUnderThePanels) {
    const Bitmap& b = Sheet();
    const Tone field = ToneOf(b, fieldTile);
    EXPECT_LT(field.luma, 50);
    for (int v = 1; v < 8; ++v) EXPECT_GT(ToneOf(b, Panel(v, 0)).luma, field.luma + 60) << v;
    // Calm: neighbouring pixels differ little.
    int jumps = 0;
    for (int y = fieldTile.top; y < fieldTile.bottom; ++y) {
        for (int x = fieldTile.left + 1; x < fieldTile.right; ++x) {
            jumps += std::abs(Luma(b, PixelOf(b, x, y)) - Luma(b, PixelOf(b, x - 1, y))) > 30 ? 1 : 0;
        }
    }
    EXPECT_EQ(jumps, 0);
}

TEST(GameSheetFile, TopLineStepsThroughFourteenColours) {
    const Bitmap& b = Sheet();
    for (int step = 0; step < 14; ++step) {
        const SheetRect row = Rect(topLineLeft, topLineFirstRow + step, topLineRight, topLineFirstRow + step + 1);
        EXPECT_TRUE(RowsUniform(b, row)) << step;
        const int next = topLineFirstRow + (step + 1) % 14;
        EXPECT_NE(PixelOf(b, topLineLeft, row.top), PixelOf(b, topLineLeft, next)) << step;
    }
}

TEST(GameSheetFile, GaugeFillsStretchWithoutSeams) {
    const Bitmap& b = Sheet();
    // Limit and chain fills grow sideways, EX fills upwards.
    for (const SheetRect& r : {LimitFill(0), LimitFill(1), chainFill}) EXPECT_TRUE(RowsUniform(b, r));
    for (const SheetRect& r : {endlessExFill, VersusExFill(0), VersusExFill(1)}) EXPECT_TRUE(ColumnsUniform(b, r));
    EXPECT_NE(PixelOf(b, LimitFill(0).left, LimitFill(0).top + 2), PixelOf(b, LimitFill(1).left, LimitFill(1).top + 2));
    EXPECT_NE(PixelOf(b, chainFill.left, chainFill.top + 2), PixelOf(b, LimitFill(0).left, LimitFill(0).top + 2));
}

TEST(GameSheetFile, DigitsDifferByValueAndByColour) {
    const Bitmap& b = Sheet();
    for (int c = -1; c <= 1; ++c) {
        for (int d = 0; d < 10; ++d) {
            for (int e = d + 1; e < 10; ++e) EXPECT_GT(Differing(b, Digit(d, c), Digit(e, c)), 25) << c << ": " << d << " " << e;
        }
    }
    for (int d = 0; d < 10; ++d) {
        EXPECT_GT(Differing(b, Digit(d, -1), Digit(d, 0)), 40) << d;
        EXPECT_GT(Differing(b, Digit(d, 0), Digit(d, 1)), 40) << d;
    }
    // The neutral colour is near white, the players' are coloured.
    EXPECT_LT(ToneOf(b, Digit(8, -1)).chroma, 25);
    EXPECT_GT(ToneOf(b, Digit(8, 0)).chroma, 60);
    EXPECT_GT(ToneOf(b, Digit(8, 1)).chroma, 60);
}

TEST(GameSheetFile, BlinkingPicturesChangeBetweenPhases) {
    const Bitmap& b = Sheet();
    EXPECT_GT(Differing(b, ItemMarker(0), ItemMarker(1)), 100);
    EXPECT_GT(Differing(b, Lamp(0), Lamp(1)), 150);
    EXPECT_GT(Differing(b, Lamp(1), Lamp(2)), 150);
    for (int n = 1; n < 5; ++n) EXPECT_GT(Differing(b, NextMarker(n), NextMarker(n + 1)), 10) << n;
    for (int i = 0; i < 2; ++i) EXPECT_GT(Differing(b, Countdown(i), Countdown(i + 1)), 400) << i;
}

TEST(GameSheetFile, PuzzleArrowsKeepTheirSharedRowsClear) {
    // The four arrow boxes overlap by one row; nothing may be drawn there.
    const Bitmap& b = Sheet();
    for (int y : {arrowRight.top, arrowDown.top, arrowUp.top}) {
        EXPECT_EQ(OpaqueCount(b, Rect(arrowLeft.left, y, arrowLeft.right, y + 1)), 0) << y;
    }
}

// Columns from the first to the last one holding an opaque pixel.
int InkedWidth(const Bitmap& b, const SheetRect& r) {
    int first = -1, last = -1;
    for (int x = r.left; x < r.right; ++x) {
        if (OpaqueCount(b, Rect(x, r.top, x + 1, r.bottom)) == 0) continue;
        if (first < 0) first = x;
        last = x;
    }
    return first < 0 ? 0 : last - first + 1;
}

// The words after the target sum make a whole phrase ("で消える", four glyphs),
// not one cut short after two: about twice as wide as "合計" before it.
TEST(GameSheetFile, TheSumsTailIsAWholePhrase) {
    const Bitmap& b = Sheet();
    EXPECT_GE(10 * InkedWidth(b, sumTailWord), 18 * InkedWidth(b, sumWord));
}

}  // namespace
