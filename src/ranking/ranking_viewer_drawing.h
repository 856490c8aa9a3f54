#pragma once

// One frame of the viewer over the scrolled background: the cursor's arrows,
// the scroll marks and the windows of the canvas.
void DrawRankingViewerFrame();
