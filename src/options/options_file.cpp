#include "options/options_file.h"

#include "platform/game_files.h"

OptionsFile options;

namespace {
constexpr const char* optionsPath = "Data\\OD.dat";
}

int8_t& OptionField(int index) {
    switch (index) {
        case 0: return options.targetSumOffset;
        case 1: return options.soundOff;
        case 2: return options.difficulty;
        case 3: return options.backgroundPattern;
        default: return options.panelShape;
    }
}

void ReadOptionsFile() {
    uint8_t bytes[5];
    const long got = ReadGameFile(optionsPath, bytes, sizeof bytes);
    if (got < 0) {
        options = defaultOptions;
        return;
    }
    for (int i = 0; i < 5 && i < got; ++i) OptionField(i) = static_cast<int8_t>(bytes[i]);
    for (int i = 0; i < 5; ++i) {
        int8_t& field = OptionField(i);
        if (field < 0) field = 0;
        if (field > optionMax[i]) field = optionMax[i];
    }
}

bool WriteOptionsFile() {
    uint8_t bytes[5];
    for (int i = 0; i < 5; ++i) bytes[i] = static_cast<uint8_t>(OptionField(i));
    return WriteGameFileAtomic(optionsPath, bytes, sizeof bytes);
}

void ResetOptionsRecords() { options = OptionsFile{}; }
