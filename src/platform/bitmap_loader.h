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

// Sheets follow a change of language: every surface that still holds a
// picture as it was loaded is loaded again, now in the language in force
// (an options screen's language switch calls this once after SetLanguage).
// A surface drawn into since (a blit or fill into it, BeginSurfaceText) or
// emptied is no longer that picture and is left alone.
void ReloadPicturesInLanguage();

// Called by whatever draws into a surface or frees it: the surface no longer
// holds the picture it was loaded with. No effect on the back buffer.
void ForgetLoadedPicture(const Surface* surface);

// Forgets every loaded picture (process start).
void ForgetLoadedPictures();
