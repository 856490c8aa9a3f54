#pragma once

// gallery: the items ("Data\ITEM.dat"), the rules that unlock them, and the
// item gallery reached from the main menu. It stands on the puzzle layer (the
// progress record counts towards the unlocks) and everything below it.

// Loads the item pictures and the item file, then runs the gallery.
void GalleryEnterScene();

// The gallery's state and the item flags back to their process start.
void ResetGalleryRecords();
