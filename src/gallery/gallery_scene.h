#pragma once
#include <cstdint>

// gallery: the items ("Data\ITEM.dat"), the rules that unlock them, the
// notice of items just won, and the item gallery reached from the main menu.
// It stands on the puzzle layer (the progress record counts towards the
// unlocks) and everything below it.

// The gallery's state.
extern int8_t galleryCursor;      // 0..49, the highlighted item
extern int8_t galleryRepeatH;     // steps the left or right keys have been held
extern int8_t galleryRepeatV;     // steps the up or down keys have been held
extern uint32_t galleryBlinkMark; // start of the cursor's 200 ms cycle

// Loads the item pictures and the item file, then runs the gallery.
void GalleryEnterScene();
// The gallery, one frame per call.
void GalleryScene();

// The gallery's state, the item flags and the notice back to their process
// start.
void ResetGalleryRecords();
