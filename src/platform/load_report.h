#pragma once
#include "platform/file_read.h"

// A picture or sound the game cannot read is named on standard error, with
// the reason: the game goes on without it, and this line says why something
// is missing from the screen or the speakers.

// "sumline: cannot read Back\Title.bmp: missing". Once per path per run
// (letter case ignored, as in game paths), however often the game asks.
void ReportUnreadableFile(const char* gamePath, ReadProblem problem);

// Forgets which paths were named, as at process start.
void ForgetReportedFiles();
