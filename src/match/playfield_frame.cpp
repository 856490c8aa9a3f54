#include <algorithm>

#include "content/game_sheet.h"
#include "match/hud.h"
#include "match/hud_parts.h"
#include "match/limit_gauge.h"
#include "match/match_state.h"
#include "platform/blit.h"
#include "platform/surface.h"
#include "setup/player_params.h"
#include "shell/game_mode.h"

namespace {

using namespace gameSheetLayout;

constexpr int edge = 13;        // thickness of the frame's edges, sides and corners
constexpr int boardShift = 374; // from the left board to the right one
constexpr int scoreShift = 375; // the score bar sits one pixel further right

// Repeats a piece of mainSheet over a rectangle of tileSurface, the last
// row and column of pieces cut at its far edges.
void TilePiece(const SheetRect& piece, int left, int top, int right, int bottom) {
    const int w = piece.Width();
    const int h = piece.Height();
    if (w <= 0 || h <= 0) return;
    for (int y = top; y < bottom; y += h) {
        for (int x = left; x < right; x += w) {
            Blit(tileSurface, x, y, mainSheet, keyedCopy, piece.left, piece.top, piece.left + std::min(w, right - x),
                 piece.top + std::min(h, bottom - y));
        }
    }
}

// A framed box over (left, top)-(right, bottom): corners, edges and sides
// round a grid of the given inside tile.
void FramedBox(int left, int top, int right, int bottom, const SheetRect& inside) {
    TilePiece(inside, left + edge, top + edge, right - edge, bottom - edge);
    TilePiece(frameTopEdge, left + edge, top, right - edge, top + edge);
    TilePiece(frameBottomEdge, left + edge, bottom - edge, right - edge, bottom);
    TilePiece(frameLeftSide, left, top + edge, left + edge, bottom - edge);
    TilePiece(frameRightSide, right - edge, top + edge, right, bottom - edge);
    TilePiece(frameTopLeft, left, top, left + edge, top + edge);
    TilePiece(frameTopRight, right - edge, top, right, top + edge);
    TilePiece(frameBottomLeft, left, bottom - edge, left + edge, bottom);
    TilePiece(frameBottomRight, right - edge, bottom - edge, right, bottom);
}

// The ears beside the top of board p that hold the two item icons and their
// markers; the board's frame, painted after them, overlaps their inner side.
void ItemSlotFrames(int p) {
    const int x = boardShift * p;
    FramedBox(x - 7, 37, x + 49, 118, fillTile);
    FramedBox(x + 217, 37, x + 273, 118, fillTile);
}

// Board p: the strip above the field where warnings of panels from above
// appear, the field with its 13 rows, the limit gauge's groove and the NEXT
// strip with the incoming row.
void BoardFrame(int p, int chain) {
    const int left = 49 + boardShift * p;
    const int right = left + 24 * boardColumns;
    FramedBox(left - edge, -3, right + edge, 47, fieldTile);
    FramedBox(left - edge, fieldTop - edge, right + edge, 426, fieldTile);
    TilePiece(frameBottomEdge, left, 376, right, 389);
    TilePiece(fieldTile, left, 389, right, 413);
    // The groove the limit gauge and the chain window run in.
    BlitStretched(tileSurface, mainSheet, keyedStretch, left, 379, right, 386, fieldTile.left, fieldTile.top + 8,
                  fieldTile.right, fieldTile.top + 15);
    const int end = LimitGaugeEnd(p, LimitFramesOf(chain));
    if (end < right) {
        // A shorter limit: the groove ends where the gauge does.
        BlitStretched(tileSurface, mainSheet, keyedStretch, end, 379, right, 386, frameBottomEdge.left,
                      frameBottomEdge.top + 3, frameBottomEdge.right, frameBottomEdge.top + 10);
    }
}

void ScoreBar(int p) {
    const int x = scoreShift * p;
    FramedBox(x + 31, 432, x + 235, 482, fillTile);
    TilePiece(fillTile, x + 37, 445, x + 37 + 8 * 24, 469);
}

void EndlessBoxes() {
    FramedBox(232, 126, 265, 440, fillTile);
    for (int i = 0; i < 15; ++i) PaintLabel(endlessExBack, 239, 133 + 20 * i);
    FramedBox(291, 166, 629, 478, fillTile);
    PaintLabel(clockLabel, 314, 200);
    PaintLabel(bestScoreLabel, 314, 240);
    PaintLabel(levelLabel, 314, 280);
    PaintLabel(longestChainLabel, 314, 320);
    PaintLabel(attackMeterLabel, 314, 360);
}

void PracticeBoxes() {
    FramedBox(291, 166, 629, 358, fillTile);
    PaintLabel(clockLabel, 314, 209);
    PaintLabel(levelLabel, 314, 252);
    PaintLabel(longestChainLabel, 314, 292);
}

void PuzzleBoxes() {
    FramedBox(319, 66, 561, 186, fillTile);
    FramedBox(271, 252, 609, 468, fillTile);
    PaintLabel(clockLabel, 344, 100);
    PaintLabel(panelsClearedLabel, 344, 130);
}

void VersusBoxes() {
    for (int p = 0; p < 2; ++p) {
        if (itemUseOff[p] != 0) continue;
        const int x = 144 * p;
        FramedBox(x + 232, 193, x + 265, 357, fillTile);
        for (int i = 0; i < 15; ++i) PaintLabel(versusExBack, x + 239, 200 + 10 * i);
    }
    FramedBox(260, 395, 332, 425, fillTile);
    FramedBox(310, 430, 382, 460, fillTile);
    PaintLabel(winLabel, 300, 400);
    PaintLabel(winLabel, 350, 435);
}

}  // namespace

void PaintPlayfieldFrame() {
    const int last = gameMode == versusMode ? 1 : 0;
    for (int p = 0; p <= last; ++p) {
        if (gameMode == endlessMode || gameMode == versusMode) ItemSlotFrames(p);
        PaintBoardFrame(p, playerParams[p][paramChain]);
    }
    switch (gameMode) {
        case endlessMode: EndlessBoxes(); break;
        case versusMode: VersusBoxes(); break;
        case puzzleMode: PuzzleBoxes(); break;
        case practiceMode: PracticeBoxes(); break;
        default: break;
    }
}

void PaintBoardFrame(int p, int chain) {
    BoardFrame(p, chain);
    ScoreBar(p);
}

void PaintInfoBox(int left, int top, int right, int bottom) { FramedBox(left, top, right, bottom, fillTile); }

void PaintLabel(const SheetRect& picture, int x, int y) {
    Blit(tileSurface, x, y, mainSheet, keyedCopy, picture.left, picture.top, picture.right, picture.bottom);
}

void PaintItemIcons() {
    constexpr int itemCell = 34;
    constexpr int itemSize = 32;
    constexpr int itemCount = 50;
    if (gameMode == versusMode) {
        for (int p = 0; p < 2; ++p) {
            for (int s = 0; s < 2; ++s) {
                const int k = itemSlots[p][s];
                if (k < 0 || k >= itemCount) continue;
                const int sx = itemCell * (k % 10);
                const int sy = itemCell * (k / 10);
                Blit(tileSurface, 6 + 222 * s + boardShift * p, 50, itemSheet, keyedCopy, sx, sy, sx + itemSize,
                     sy + itemSize);
            }
        }
    } else if (gameMode == endlessMode) {
        // The endless slots show the two EX attacks instead of items.
        constexpr SheetRect deletePicture{340, 34, 372, 66};
        constexpr SheetRect maxdeletePicture{340, 68, 372, 100};
        Blit(tileSurface, 6, 50, itemSheet, keyedCopy, deletePicture.left, deletePicture.top, deletePicture.right,
             deletePicture.bottom);
        Blit(tileSurface, 228, 50, itemSheet, keyedCopy, maxdeletePicture.left, maxdeletePicture.top,
             maxdeletePicture.right, maxdeletePicture.bottom);
    }
}
