#pragma once

// Where the limit gauge of board p runs: under the board from its left edge,
// one pixel per frame of the player's limit while every gauge of the match
// fits the board's width; a longer limit (a CHAIN level above 5) draws every
// gauge of the match to one smaller scale, so they stay in proportion and
// the longest ends at the board's right edge.

// The pixels a count of limit frames takes on the gauges of this match.
int LimitGaugePixels(int frames);
// The x just past the end of a gauge of that many frames under board p.
int LimitGaugeEnd(int p, int frames);
