#pragma once

// What the options screen draws over its pictures while no wipe runs: the
// growing description box or save question with their words, and the
// animated cursor frame or the answer pointer.
void DrawOptionsOverlay();
