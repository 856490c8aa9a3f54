#pragma once
#include "content/sheet_rect.h"

// "Back\Game.bmp" (650x280): everything a match draws.
namespace gameSheetLayout {

constexpr int width = 650;
constexpr int height = 280;

constexpr int16_t I(int v) { return static_cast<int16_t>(v); }

// Panel of value v (0..7) in picture set `shape` (0, 1); row 1 is the
// failing row, the picture a missed line shows while it turns to zeros.
constexpr SheetRect Panel(int v, int shape) { return SheetRect{I(24 * v + 194 * shape), 0, I(24 * v + 194 * shape + 24), 24}; }
constexpr SheetRect FailingPanel(int v, int shape) {
    return SheetRect{I(24 * v + 194 * shape), 24, I(24 * v + 194 * shape + 24), 48};
}

// Cursor of player p, and the picture of a cursor holding a picked cell.
constexpr SheetRect Cursor(int p) { return SheetRect{I(36 * p), 71, I(36 * p + 36), 107}; }
constexpr SheetRect pickedCursor{72, 71, 108, 107};
// Line frame column s = 36p + b (b = 0 in blink phase A, (2 - p) * 36 in B).
constexpr SheetRect LineFrame(int s) { return SheetRect{I(s), 109, I(s + 36), 145}; }

// Digit d in colour c (-1 neutral, 0 left player, 1 right player), 13x19.
constexpr SheetRect Digit(int d, int c) { return SheetRect{I(13 * (c + 1) + 40 * d), 50, I(13 * (c + 1) + 40 * d + 13), 69}; }
// Multiplication sign in colour c (0, 1), 13x15.
constexpr SheetRect Times(int c) { return SheetRect{I(431 + 13 * c), 50, I(444 + 13 * c), 65}; }
constexpr SheetRect colon{401, 50, 407, 69};
constexpr SheetRect winLabel{409, 50, 429, 69};

// NEXT marker for n (1..5) panels in a column, 23x24.
constexpr SheetRect NextMarker(int n) { return SheetRect{I(424 + 25 * (n - 1)), 71, I(447 + 25 * (n - 1)), 95}; }

// Play-field frame pieces: the 24x24 fill tile, 24x13 top and bottom edges,
// 13x24 sides and 13x13 corners.
constexpr SheetRect fillTile{240, 71, 264, 95};
constexpr SheetRect frameTopEdge{600, 100, 624, 113};
constexpr SheetRect frameBottomEdge{600, 137, 624, 150};
constexpr SheetRect frameLeftSide{587, 113, 600, 137};
constexpr SheetRect frameRightSide{624, 113, 637, 137};
constexpr SheetRect frameTopLeft{587, 100, 600, 113};
constexpr SheetRect frameTopRight{624, 100, 637, 113};
constexpr SheetRect frameBottomLeft{587, 137, 600, 150};
constexpr SheetRect frameBottomRight{624, 137, 637, 150};
// The field behind the panels of a board, a 24x24 tile.
constexpr SheetRect fieldTile{600, 113, 624, 137};

// Colour strip of the line across each board's top: row 26 + step (0..13).
constexpr int topLineLeft = 466;
constexpr int topLineRight = 508;
constexpr int topLineFirstRow = 26;

// Gauge fills (5 pixels high): limit of player p, chain timer, EX gauges.
constexpr SheetRect LimitFill(int p) { return SheetRect{I(450 + 12 * p), 201, I(460 + 12 * p), 206}; }
constexpr SheetRect chainFill{474, 201, 484, 206};
constexpr SheetRect VersusExFill(int p) { return SheetRect{I(500 + 21 * p), 201, I(515 + 21 * p), 206}; }
constexpr SheetRect endlessExFill{498, 201, 517, 206};
constexpr SheetRect endlessExBack{240, 71, 259, 91};
constexpr SheetRect versusExBack{240, 71, 259, 81};
// Item marker, blink phase b (0, 1), 24x16.
constexpr SheetRect ItemMarker(int b) { return SheetRect{I(498 + 26 * b), 209, I(522 + 26 * b), 225}; }

// Information box labels.
constexpr SheetRect bestScoreLabel{0, 201, 110, 225};
constexpr SheetRect levelLabel{112, 201, 182, 225};
constexpr SheetRect longestChainLabel{184, 201, 304, 225};
constexpr SheetRect clockLabel{306, 201, 376, 225};
constexpr SheetRect attackMeterLabel{416, 0, 536, 24};
constexpr SheetRect panelsClearedLabel{0, 227, 70, 251};
constexpr SheetRect problemLabel{72, 227, 162, 251};

// Popups and banners.
constexpr SheetRect missLabel{378, 201, 448, 225};
constexpr SheetRect chainLabel{450, 209, 496, 225};
constexpr SheetRect bonusBanner{240, 227, 339, 251};
constexpr SheetRect clearBanner{341, 227, 491, 251};

// Start sequence: countdown digit i (0 = "3", 1 = "2", 2 = "1"), 50x50, and
// the four quarters of the start logo.
constexpr SheetRect Countdown(int i) { return SheetRect{I(110 + 52 * i), 97, I(160 + 52 * i), 147}; }
constexpr SheetRect startLogoTopLeft{266, 97, 331, 122};
constexpr SheetRect startLogoTopRight{331, 97, 396, 122};
constexpr SheetRect startLogoBottomRight{331, 122, 396, 147};
constexpr SheetRect startLogoBottomLeft{266, 122, 331, 147};

// Pause and results.
constexpr SheetRect pausePicture{0, 149, 180, 199};
constexpr SheetRect pauseMarker{388, 24, 412, 48};
constexpr SheetRect winPicture{182, 149, 262, 199};
constexpr SheetRect losePicture{264, 149, 344, 199};
constexpr SheetRect drawPicture{346, 149, 496, 199};
constexpr SheetRect clearPicture{398, 97, 528, 147};

// Endless attack meter: icon by size, lamp state s (0 off, 1 lit, 2 flash), 27x27.
constexpr SheetRect meterIconSmall{416, 26, 431, 48};
constexpr SheetRect meterIconMedium{433, 26, 447, 48};
constexpr SheetRect meterIconLarge{449, 26, 464, 48};
constexpr SheetRect Lamp(int s) { return SheetRect{I(466 + 28 * s), 42, I(493 + 28 * s), 69}; }

// Arrows of the puzzle picker and editor.
constexpr SheetRect arrowLeft{551, 0, 570, 19};
constexpr SheetRect arrowRight{551, 18, 570, 37};
constexpr SheetRect arrowDown{551, 36, 570, 55};
constexpr SheetRect arrowUp{551, 54, 570, 73};

// Puzzle box: the clear-all goal picture (the other goal pictures lie in
// rows 253..280 to its right).
constexpr SheetRect goalClearAll{0, 253, 140, 280};

// Puzzle box words around the figures: the goals' words (rows 253..280),
// the target sum's two labels and the swap limit's label, unit and the
// pictures for unlimited (-1) and no swaps (-2).
constexpr SheetRect goalChainWord{142, 253, 190, 280};  // "連鎖"
constexpr SheetRect goalReachWord{192, 253, 262, 280};  // "を達成"
constexpr SheetRect goalPanelsWord{264, 253, 334, 280};  // "パネルを"
constexpr SheetRect goalCountWord{336, 253, 360, 280};  // "枚"
constexpr SheetRect goalPointsWord{362, 253, 386, 280};  // "点"
constexpr SheetRect goalOrMoreWord{388, 253, 436, 280};  // "以上"
constexpr SheetRect goalClearWord{438, 253, 486, 280};  // "消す"
constexpr SheetRect goalEarnWord{488, 253, 536, 280};  // "かせぐ"
constexpr SheetRect goalExclaim{538, 253, 554, 280};  // "！"
constexpr SheetRect sumWord{556, 253, 604, 280};  // "合計"
// The sum's tail is a whole phrase: it needs the room of four glyphs, found
// under the clear picture.
constexpr SheetRect sumTailWord{498, 152, 594, 179};  // "で消える"
constexpr SheetRect swapWord{493, 227, 541, 251};  // "交換"
constexpr SheetRect swapTimesWord{543, 227, 567, 251};  // "回"
constexpr SheetRect swapFreeWord{569, 227, 649, 251};  // "交換自由"
constexpr SheetRect swapNoneWord{550, 201, 630, 225};  // "交換不可"

// The editor's label of the goal row ("目標"), beside the problem and time
// labels; the same size as panelsClearedLabel.
constexpr SheetRect goalLabel{162, 227, 232, 251};

}  // namespace gameSheetLayout
