#pragma once
#include <cstdint>

// Shows backBuffer through the display palette and waits for the next
// refresh (or paces to 60 frames per second where there is none).
void Present();

// Presents counted since start; the main loop uses it to see whether a pass
// drew anything.
extern uint32_t presentCount;
