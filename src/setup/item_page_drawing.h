#pragma once

// The item page over the setup screen: its panels (one growth step per
// call), the grid of unlocked items from the scroll position, the buttons,
// the cursor in phase f and the scroll arrows.
void DrawItemPage(int f);
