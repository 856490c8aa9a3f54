#pragma once

// The confirmation screen over the background: both charts from the radar
// canvas, the growing panels (one step per call) and, once grown, both
// players' levels, leftover points, items and answers.
void DrawConfirmScreen();
