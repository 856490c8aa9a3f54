#pragma once
#include <cstdint>

// Pictures and sounds every menu screen stands on; the modes put them back
// when they hand over to a menu screen.

// Which of the title sheet's two background tiles the next build uses (0, 1).
extern int8_t tileToggle;

// Fills tileSurface from one of the title sheet's tiles in mainSheet, then
// switches to the other tile for the next build.
void BuildTiledBackground();

// Title sheet back in mainSheet and the tiled background rebuilt.
void ReloadTitleSheet();

// The menu music and the cursor and decide sounds back in their slots
// (the music not yet playing).
void LoadMenuSounds();

// A mode that loads its own pictures and music takes over from the menu: the
// menu music stops, and its slot and the sheets the mode replaces are freed.
void ReleaseMenuAssets();
