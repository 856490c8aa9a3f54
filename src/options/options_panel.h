#pragma once

// The options screen's pictures from its sheet (in the backdrop slot): the
// labels of the five settings, the picture of each current value and the
// three buttons.
void DrawOptionsPanel();
