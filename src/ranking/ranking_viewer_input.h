#pragma once

// The viewer's keys for one frame: scrolling, the column cursor, decide, back
// and Escape; then one step of the headings' slide.
void RankingViewerKeys();
void SlideRankingHeadings();
