// The players' keys file "Data\Controls.txt": any text read gives bindings
// the game can play with (every key one the game reads, none reserved or held
// twice, every player's buttons bindable and held once), and the bindings
// written back read again as the same, without a fall-back.

#include <cstring>

#include "fuzz_support.h"
#include "platform/key_bindings.h"
#include "shell/controls_text.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    EnterFuzzFolder(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ControlsFallback fallback;
    ParseControls(reinterpret_cast<const char*>(data), size, fallback);
    FUZZ_CHECK(BindingsSound());
    FUZZ_CHECK(fallback.badLineCount >= 0 && fallback.badLineCount <= 8);
    char line[512];
    ControlsFallbackLine("Data/Controls.txt", fallback, line, sizeof line);
    FUZZ_CHECK(std::strlen(line) < sizeof line);

    PlayerKeys keys[bindingPlayerCount];
    PadButton buttons[bindingPlayerCount][bindingActionCount];
    std::memcpy(keys, playerKeys, sizeof keys);
    std::memcpy(buttons, playerButtons, sizeof buttons);
    char text[2048];
    const size_t length = FormatControls(text, sizeof text);
    FUZZ_CHECK(length < sizeof text);
    FUZZ_CHECK(ParseControls(text, length, fallback));
    FUZZ_CHECK(std::memcmp(keys, playerKeys, sizeof keys) == 0);
    FUZZ_CHECK(std::memcmp(buttons, playerButtons, sizeof buttons) == 0);
    return 0;
}
