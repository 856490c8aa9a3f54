#pragma once

// The ranking viewer, reached from the main menu: the endless ranking as a
// sortable, scrolling list.

// Loads the viewer's pictures and the ranking, builds its canvas and runs
// the viewer.
void RankingViewerEnter();

// One frame of the viewer; leaves through the wipe to the main menu.
void RankingViewerScene();

// The viewer's own state back to its process start.
void ResetRankingViewer();
