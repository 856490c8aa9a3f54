#pragma once

// The viewer's keys for one frame: scrolling (and the replay marker at the
// ends of the list), the column cursor, decide, back, Escape and R, the
// marked entry's replay; then one step of the headings' slide.
void RankingViewerKeys();
void SlideRankingHeadings();
