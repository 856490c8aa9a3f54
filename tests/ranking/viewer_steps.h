#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "content/rank_sheet.h"
#include "frontend/frontend_steps.h"
#include "harness/harness.h"
#include "harness/picture_probe.h"
#include "platform/keys.h"
#include "platform/surface.h"
#include "platform/wipe.h"
#include "ranking/ranking_columns.h"
#include "ranking/ranking_test_util.h"
#include "ranking/ranking_viewer.h"
#include "ranking/ranking_viewer_state.h"
#include "shell/game_mode.h"
#include "shell/scene.h"

// Walks into and around the ranking viewer, and what its screen shows.
namespace viewerSteps {

using pictureProbe::PictureShown;
using pictureProbe::StretchedShown;

// Test names of a table of cases that each carry a name.
template <class Case>
std::string CaseName(const ::testing::TestParamInfo<Case>& param) {
    return param.param.name;
}

inline RankingViewerState& Viewer() { return rankingViewer; }

inline bool InViewer() { return currentScene == RankingViewerScene && wipeState == 0; }

// Taps a key and lets the screen take it.
inline void Step(int vk) {
    harness::Tap(vk);
    harness::RunFrames(2);
}

// Until the viewer takes keys, and a frame more: the frame that ends the
// wipe still shows its last bands.
inline bool UntilViewerOpen() {
    if (!harness::RunUntil(InViewer)) return false;
    harness::RunFrames(1);
    return true;
}

// From the open menu: the ranking tile (third column, lower row), decided,
// until the viewer is open and taking keys.
inline bool MenuToViewer() {
    for (const int vk : {vkRight, vkRight, vkDown}) Step(vk);
    if (gameMode != rankingMode) return false;
    harness::Tap('X');
    return UntilViewerOpen();
}

// A booted game whose ranking file holds the table, in the open viewer.
inline bool OpenViewerWith(const RankingFile& table) {
    if (!frontendSteps::BootToMenu()) return false;
    rankingTest::StoreTable(table);
    return MenuToViewer();
}

// The same with raw file bytes (none at all: no file).
inline bool OpenViewerWithBytes(const std::vector<uint8_t>& bytes, bool writeFile = true) {
    if (!frontendSteps::BootToMenu()) return false;
    if (writeFile) rankingTest::WriteRaw(bytes);
    return MenuToViewer();
}

inline bool HeadingsStill() {
    return harness::RunUntil([] { return Viewer().headerSlide == 0; }) && (harness::RunFrames(1), true);
}

// Moves the cursor right until it is on the column (or the back button, -1),
// waiting out every slide of the headings.
inline bool CursorTo(int column) {
    for (int n = 0; n < 8 && Viewer().sortColumn != column; ++n) {
        Step(vkRight);
        if (!HeadingsStill()) return false;
    }
    return Viewer().sortColumn == column;
}

// Chooses the column with X; the canvas is rebuilt in the next pass.
inline bool Choose(int column) {
    if (!CursorTo(column)) return false;
    Step('X');
    return InViewer();
}

// The screen row of line r's top, with the list where it is scrolled.
inline int LineTop(int r) { return 90 + 30 * r - Viewer().scrollY; }

// The first letter of a name (code) on line r, with the columns unslid.
inline bool LetterShown(int code, int k, int r) {
    const int x = 120 + 25 * k, y = LineTop(r) + 3;
    if (code >= 29 && code <= 38) return PictureShown(itemSheet, rankSheetLayout::Digit(code - 29), x + 3, y);
    if (code == rankSheetLayout::blankCode) return PictureShown(itemSheet, rankSheetLayout::blankLetter, x, y);
    return PictureShown(itemSheet, rankSheetLayout::Letter(code), x, y);
}

// Line r's place: the crown for place 1, else the number n (2..100).
inline bool PlaceShown(int n, int r) {
    const int y = LineTop(r) + 3;
    if (n == 1) return StretchedShown(itemSheet, rankSheetLayout::firstPlaceMark, 25, y, 55, y + 24);
    if (n < 10) return StretchedShown(itemSheet, rankSheetLayout::Digit(n), 25, y, 55, y + 24);
    if (n < 100)
        return PictureShown(itemSheet, rankSheetLayout::Digit(n / 10), 20, y) &&
               PictureShown(itemSheet, rankSheetLayout::Digit(n % 10), 40, y);
    return PictureShown(itemSheet, rankSheetLayout::Digit(1), 10, y) &&
           PictureShown(itemSheet, rankSheetLayout::Digit(0), 30, y) &&
           PictureShown(itemSheet, rankSheetLayout::Digit(0), 50, y);
}

// The body colour of difficulty d's stripe, as the sheet holds it.
inline uint8_t StripeColour(int d) {
    const SheetRect r = rankSheetLayout::StripeUpper(d, 1);
    return itemSheet->pixels[(r.top + 10) * itemSheet->width + r.left + 2];
}

}  // namespace viewerSteps
