#pragma once

// A running match on screen: at most one 20 ms step per 20 ms of the wall
// clock (MatchStep, its inputs from matchInputSource), then the result
// screen, or the way back to the menu once the match has been left.
void MatchScene();
