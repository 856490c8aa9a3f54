#include "ranking/ranking_viewer.h"

#include "content/rank_sheet.h"
#include "platform/bitmap_loader.h"
#include "platform/present.h"
#include "platform/surface.h"
#include "platform/tiled_background.h"
#include "platform/wipe.h"
#include "ranking/ranking_canvas.h"
#include "ranking/ranking_file.h"
#include "ranking/ranking_order.h"
#include "ranking/ranking_viewer_drawing.h"
#include "ranking/ranking_viewer_guide.h"
#include "ranking/ranking_viewer_input.h"
#include "ranking/ranking_viewer_state.h"
#include "shell/key_guide.h"
#include "shell/scene.h"
#include "shell/scene_links.h"

namespace {

// The close is complete: the visit's pictures go, the menu opens again.
void Leave() {
    StartRankingVisit();
    EmptySlot(backdropSurface);
    EmptySlot(itemSheet);
    currentScene = sceneLinks.mainMenu;
}

}  // namespace

void RankingViewerEnter() {
    CreateSheet(itemSheet, rankSheetLayout::width, rankSheetLayout::height);
    LoadBitmapToSurface(itemSheet, "Back\\Rank.bmp");
    CreateSheet(backdropSurface, rankingCanvasWidth, rankingCanvasHeight);
    StartRankingVisit();
    // Read once per visit, through the reader that keeps every field inside
    // what the pictures can show; sorting never reads the file again.
    RankingViewerState& v = rankingViewer;
    ReadRankingFile(v.table);
    v.entryCount = CountRankedEntries(v.table);
    BuildRankingCanvas();
}

void RankingViewerScene() {
    SetKeyGuidePage(&rankingViewerGuide);
    ScrollTiledBackground();
    RankingViewerKeys();
    SlideRankingHeadings();
    DrawRankingViewerFrame();
    if (wipeState == 2) {
        StripeWipe(1);
    } else if (wipeState == 1 && StripeWipe(0)) {
        Leave();
    }
    Present();
}

void ResetRankingViewer() { rankingViewer = RankingViewerState{}; }
