#pragma once
#include "content/sheet_rect.h"

// "Back\Title.bmp": the front end's pictures.
namespace titleSheetLayout {

constexpr int width = 384;
constexpr int height = 418;
// When a mode hands back to the menus the sheet is reloaded into a larger
// slot; the picture in it is the same.
constexpr int reloadWidth = 390;
constexpr int reloadHeight = 500;

constexpr SheetRect titleLogo{0, 0, 384, 90};

// Mode tile k (0..7): column c = k / 2 down the sheet, row r = k % 2 across it.
constexpr int modeTileWidth = 150;
constexpr int modeTileHeight = 80;
constexpr SheetRect ModeTile(int k) {
    return SheetRect{static_cast<int16_t>(152 * (k % 2)), static_cast<int16_t>(92 + 82 * (k / 2)),
                     static_cast<int16_t>(150 + 152 * (k % 2)), static_cast<int16_t>(172 + 82 * (k / 2))};
}

// Back tile of the main menu; also the cancel and redo buttons elsewhere.
constexpr SheetRect backTile{304, 370, 384, 410};
// Decide button of the setup screens; also the accept answer.
constexpr SheetRect decideButton{304, 328, 384, 368};
// Covers laid over the item slots when items are switched off.
constexpr SheetRect notUsedCoverA{304, 202, 384, 242};
constexpr SheetRect notUsedCoverB{304, 244, 384, 284};

// Cursor frame, animation phase f (0, 1): a 40x40 box with an 8-pixel border.
// Scenes slice it into corners, edges and halves.
constexpr int frameBorder = 8;
constexpr SheetRect CursorFrame(int f) {
    return SheetRect{static_cast<int16_t>(304 + 40 * f), 134, static_cast<int16_t>(344 + 40 * f), 174};
}

// Bracket arrows, phase f: the left one points right, the right one left.
constexpr SheetRect BracketLeft(int f) {
    return SheetRect{static_cast<int16_t>(304 + 32 * f), 92, static_cast<int16_t>(319 + 32 * f), 132};
}
constexpr SheetRect BracketRight(int f) {
    return SheetRect{static_cast<int16_t>(321 + 32 * f), 92, static_cast<int16_t>(336 + 32 * f), 132};
}
// The name entry spreads a bracket to a letter's height from two overlapping
// 22-row parts: the upper one and the lower one.
constexpr int bracketPartHeight = 22;
constexpr SheetRect BracketUpperPart(const SheetRect& b) {
    return SheetRect{b.left, b.top, b.right, static_cast<int16_t>(b.top + bracketPartHeight)};
}
constexpr SheetRect BracketLowerPart(const SheetRect& b) {
    return SheetRect{b.left, static_cast<int16_t>(b.bottom - bracketPartHeight), b.right, b.bottom};
}

constexpr SheetRect rowMarker{304, 176, 328, 200};
constexpr SheetRect scrollUpArrow{330, 176, 354, 200};
constexpr SheetRect scrollDownArrow{356, 176, 380, 200};

// The two 40x40 background tiles, t = 0 or 1.
constexpr SheetRect BackgroundTile(int t) {
    return SheetRect{static_cast<int16_t>(304 + 40 * t), 286, static_cast<int16_t>(344 + 40 * t), 326};
}

}  // namespace titleSheetLayout
