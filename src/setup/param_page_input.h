#pragma once

// The parameter page's keys for the player being set up. Each direction
// returns true when the cursor moved or a level changed.
bool ParamUp();
bool ParamDown();
bool ParamLeft();
bool ParamRight();
// Decide; returns true when the frame must end at once (the screen changes).
bool ParamDecide();
// Back lowers the parameter under the cursor; true when it did.
bool ParamBack();
