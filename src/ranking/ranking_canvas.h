#pragma once

// Draws the whole list into the canvas (backdropSurface) in the order of the
// chosen column, or the last order turned around when the column is chosen
// again, then hands over to the viewer's frames. As a scene it runs for one
// pass without presenting.
void BuildRankingCanvas();
