#pragma once

// The item page's keys: a grid of the unlocked items, seven to a row and
// five rows shown, with the decide and cancel buttons above it. Each
// direction returns true when the cursor moved.
bool ItemUp();
bool ItemDown();
bool ItemLeft();
bool ItemRight();
// Decide and back; both always answer with the decide sound.
void ItemDecide();
void ItemBack();
