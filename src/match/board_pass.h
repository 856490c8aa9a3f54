#pragma once

// Draws the boards, finds the highest panels, times the top-out, notices an
// emptied board and completes rises. Once per step.
void BoardPass();
