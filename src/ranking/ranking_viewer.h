#pragma once

// The ranking viewer, reached from the main menu: the endless ranking as a
// sortable, scrolling list.

// Loads the viewer's pictures, builds its canvas and runs the viewer.
void RankingViewerEnter();

// The viewer's own state back to its process start.
void ResetRankingViewer();
