#pragma once
#include "platform/surface.h"

// Loads an 8-bit BMP (game path such as "Back\\Title.bmp") into the surface at
// (0,0), cutting what falls outside, and makes its palette the display palette.
// A missing, unreadable, oversized or malformed file leaves surface and
// palette unchanged and is named on standard error (ReportUnreadableFile).
// The file size and the headers are checked before the pixels are read, and
// only the pixel bytes the headers call for are read.
void LoadBitmapToSurface(Surface* surface, const char* gamePath);

// The same from bytes in memory; returns false when they are not a usable BMP.
bool LoadBitmapFromMemory(Surface* surface, const uint8_t* data, long size);
