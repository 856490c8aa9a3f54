#pragma once

// The pieces of the gallery's frame, drawn from the item sheet and the menu
// sheet.

// The rounded box under the grid, one growth step per call; once whole it
// names the highlighted item and, while it is locked, how to win it.
void DrawGalleryBox();
// The title in its stretched frame.
void DrawGalleryTitle();
// All 50 cells: the icon of an unlocked item, the lock of a locked one.
void DrawItemGrid();
// The four animated corners around the highlighted cell.
void DrawGalleryCursor();
