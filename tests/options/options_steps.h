#pragma once
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "content/option_sheet.h"
#include "frontend/frontend_steps.h"
#include "harness/picture_probe.h"
#include "options/options_file.h"
#include "options/options_layout.h"
#include "options/options_screen.h"
#include "options/options_state.h"
#include "shell/game_mode.h"

// Walks to and through the options screen for the tests.
namespace optionsSteps {

inline bool InOptions() { return currentScene == OptionsScene && wipeState == 0; }

// From the open main menu to the open options screen.
inline bool MenuToOptions() {
    gameMode = optionsMode;
    harness::Tap('X');
    return harness::RunUntil(InOptions);
}

inline bool BootToOptions() { return frontendSteps::BootToMenu() && MenuToOptions(); }

inline std::string OptionsPath() { return harness::WorkDir() + "/Data/OD.dat"; }

inline void WriteOptionsBytes(const std::vector<uint8_t>& bytes) {
    std::ofstream out(OptionsPath(), std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Boots with the options file as given (none when empty), so that start-up
// reads it too, and waits at the open main menu.
inline bool BootWithFileToMenu(const std::vector<uint8_t>& file) {
    harness::Boot();
    if (!file.empty()) WriteOptionsBytes(file);
    return harness::RunUntil([] { return currentScene == TitleScene && wipeState == 0; }) &&
           frontendSteps::TitleToMenu();
}

// Taps a key and lets the screen take it.
inline void Step(int vk) {
    harness::Tap(vk);
    harness::RunFrames(2);
}

// Puts the cursor on an entry with the keys: Down through the settings, and
// along the buttons with Right.
inline void CursorTo(int entry) {
    const auto onRow = [entry] {
        const int at = optionsState.optionsCursor;
        return entry < endEntry ? at == entry : at >= endEntry;
    };
    for (int guard = 0; guard < 10 && !onRow(); ++guard) Step(vkDown);
    for (int guard = 0; guard < 3 && optionsState.optionsCursor != entry; ++guard) Step(vkRight);
}

// Until the screen has closed and the menu is open again.
inline bool BackAtMenu() {
    return harness::RunUntil([] { return currentScene == MainMenuScene && wipeState == 0; });
}

// The file's bytes; empty when there is none.
inline std::vector<uint8_t> OptionsBytes() {
    std::ifstream in(OptionsPath(), std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

inline std::vector<uint8_t> RecordBytes() {
    std::vector<uint8_t> bytes;
    for (int i = 0; i < 5; ++i) bytes.push_back(static_cast<uint8_t>(OptionField(i)));
    return bytes;
}

// True when the options sheet's picture r shows at (x, y) of the last frame.
inline bool ShowsPicture(int x, int y, const SheetRect& r) { return pictureProbe::PictureShown(backdropSurface, r, x, y); }

}  // namespace optionsSteps
