#pragma once
#include "platform/text.h"

// The radar chart of the five parameters: a pentagonal grid drawn once per
// visit into the radar canvas (the logo sheet's slot, copied keyed over the
// whole screen), and each player's level polygon drawn over it every frame.
// Side 0 is the left chart (centre x 160), side 1 the right one (x 480).

constexpr int radarCentreY = 250;
constexpr int RadarCentreX(int side) { return 160 + 320 * side; }

// The point at angle degrees and radius r from the chart's centre, each
// coordinate truncated toward zero.
Point RadarPoint(int side, double degrees, double r);
// Vertex k (EX, SPEED, LUCK, CHAIN, LOCK clockwise from the top) of a level.
Point LevelVertex(int side, int k, int level);

// A new 640 x 480 canvas in the logo sheet's slot holding the left grid.
void CreateRadarCanvas();
// The canvas cleared, then both grids: the confirmation screen's.
void DrawBothRadarGrids();
// One grid into the canvas: five rings, five spokes, five name plates.
void DrawRadarGrid(int side);
// The canvas over the whole back buffer (only the grids show).
void ShowRadarCanvas();
// A player's levels as a red polygon on the back buffer.
void DrawLevelPolygon(int side, const int8_t levels[5]);
// The parameters' short names on the plates.
void DrawPlateNames(int side);
