#pragma once

// options: the user settings and their file. It stands on shell, content and
// platform.

#include <cstdint>

// The five user settings, stored byte for byte in "Data\OD.dat".
struct OptionsFile {
    int8_t targetSumOffset = 0;   // lines vanish at 7 + this
    int8_t soundOff = 0;          // 0 sound on, 1 off
    int8_t difficulty = 1;        // 0 easiest .. 2 hardest
    int8_t backgroundPattern = 0; // match backdrop "Back\screen1.bmp" + this
    int8_t panelShape = 0;        // which panel picture set
};
static_assert(sizeof(OptionsFile) == 5, "the file is the raw record");

extern OptionsFile options;

// Largest value of each field, by byte position.
constexpr int8_t optionMax[5] = {3, 1, 2, 3, 1};
constexpr OptionsFile defaultOptions{0, 0, 1, 0, 0};

// Reads "Data\OD.dat": the defaults when it cannot be opened; a short file
// leaves the bytes it lacks as they were. Every field is brought into its
// range, so a damaged file cannot put a bad value in front of the game.
void ReadOptionsFile();

// Writes the record to "Data\OD.dat" atomically and says whether it did; a
// failure is named on standard error, and the screen that saves tells it.
bool WriteOptionsFile();

// Field by byte position (0..4), for screens that walk the settings.
int8_t& OptionField(int index);

// The record back to its process start (all settings 0 but for difficulty 1,
// as before the file is read).
void ResetOptionsRecords();
