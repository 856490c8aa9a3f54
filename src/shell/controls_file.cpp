#include "shell/controls_file.h"

#include <cstdio>
#include <string>

#include "platform/game_files.h"
#include "shell/controls_text.h"
#include "shell/menu_input.h"

namespace {

// A file much longer than ours is not ours.
constexpr size_t maxFileBytes = 8192;

}  // namespace

void ReadControlsFile() {
    constexpr const char* names[1] = {"Controls.txt"};
    RemoveWriteLeftovers("Data", names, 1);
    std::string text;
    const std::string path = ResolveGamePath(controlsFile);
    ControlsFallback fallback;
    if (!ReadWholeGameFile(controlsFile, text, maxFileBytes)) {
        ResetBindings();
        // A file too long to be ours is damaged; no file is the first run.
        char byte = 0;
        if (ReadGameFile(controlsFile, &byte, 1) >= 0) {
            ParseControls("", 0, fallback);
            char line[512];
            ControlsFallbackLine(path.c_str(), fallback, line, sizeof line);
            std::fprintf(stderr, "%s\n", line);
        }
    } else if (!ParseControls(text.data(), text.size(), fallback)) {
        char line[512];
        ControlsFallbackLine(path.c_str(), fallback, line, sizeof line);
        std::fprintf(stderr, "%s\n", line);
    }
    FollowBoundKeys();
}

bool WriteControlsFile() {
    char text[2048];
    const size_t length = FormatControls(text, sizeof text);
    return WriteGameFileAtomic(controlsFile, text, length);
}
