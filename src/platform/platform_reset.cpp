#include "platform/language.h"
#include "platform/platform_reset.h"

#include <cstring>

#include "platform/bitmap_loader.h"
#include "platform/clock.h"
#include "platform/draw_switch.h"
#include "platform/game_folders.h"
#include "platform/key_bindings.h"
#include "platform/load_report.h"
#include "platform/palette.h"
#include "platform/present.h"
#include "platform/sound.h"
#include "platform/sound_cache.h"
#include "platform/surface.h"
#include "platform/tiled_background.h"
#include "platform/typed_text.h"
#include "platform/wipe.h"

void ResetPlatformRecords() {
    SetGameFolders("", "");
    SetLanguage(Language::japanese);
    EmptyAllSlots();
    ReleaseSoundSlots();
    ClearSoundCache();
    ForgetReportedFiles();
    ForgetLoadedPictures();
    colorKey = 243;
    std::memset(backBuffer.pixels, 0, static_cast<size_t>(screenWidth) * screenHeight);
    const Rgb blackPalette[256] = {};
    SetDisplayPalette(blackPalette);
    wipeState = 0;
    wipeWidth = 0;
    ResetTypedText();
    scrollOffsetX = 0;
    scrollOffsetY = 0;
    sceneClock = SceneClock{};
    presentCount = 0;
    drawingSkipped = false;
    soundsMuted = false;
    ResetBindings();
}
