#include "match/match_setup.h"

#include "content/game_sheet.h"
#include "content/item_sheet.h"
#include "match/match_begin.h"
#include "match/hud.h"
#include "match/match_guides.h"
#include "match/match_scene.h"
#include "match/match_state.h"
#include "match/match_step.h"
#include "match/puzzle_picker.h"
#include "match/puzzle_rules.h"
#include "match/puzzle_words.h"
#include "options/options_file.h"
#include "platform/backend.h"
#include "platform/bitmap_loader.h"
#include "platform/blit.h"
#include "platform/clock.h"
#include "platform/sound.h"
#include "platform/sound_cache.h"
#include "platform/surface.h"
#include "platform/text.h"
#include "platform/wipe.h"
#include "puzzle/puzzle_file.h"
#include "ranking/ranking_file.h"
#include "setup/player_params.h"
#include "shell/first_run_guides.h"
#include "shell/game_mode.h"
#include "shell/menu_assets.h"
#include "shell/scene.h"

namespace {

void LoadSheets() {
    CreateSheet(mainSheet, gameSheetLayout::width, gameSheetLayout::height);
    if (itemSheet == nullptr) CreateSheet(itemSheet, itemSheetLayout::width, itemSheetLayout::height);
    LoadBitmapToSurface(mainSheet, "Back\\Game.bmp");
    LoadBitmapToSurface(itemSheet, "Back\\Item.bmp");
    LoadChosenBackdrop();
}

// Sounds that steps of the match load into their slots later on (danger,
// attacks, the result flow and the name entry): read now, so that no step of
// play ever touches the disk.
constexpr const char* soundsLoadedInPlay[] = {
    "Sound\\Motto.wav",   "Sound\\Danger.wav",   "Sound\\GameStart.wav", "Sound\\Delete.wav",
    "Sound\\Maxdelete.wav", "Sound\\GameOver.wav", "Sound\\Clear.wav",     "Sound\\Select.wav",
    "Sound\\Ok.wav",      "Sound\\Hiscore.wav",  "Sound\\Omedetou.wav",  "Sound\\Item.wav",
};

void LoadSounds() {
    for (const char* path : soundsLoadedInPlay) FindOrLoadSound(path);
    if (options.soundOff != 0) return;
    EmptySoundSlot(seBuffer1);
    EmptySoundSlot(seBuffer2);
    EmptySoundSlot(levelUpSound);
    EmptySoundSlot(effectSound);
    // Coming from the menu the slot is empty; on a retry the music goes on.
    if (bgmBuffer.sound == nullptr) {
        LoadSoundBuffer(bgmBuffer, "Sound\\Game.wav");
        RestartSound(bgmBuffer, true);
    }
    if (gameMode == puzzleMode && skipPicker == 0) {
        LoadSoundBuffer(seBuffer1, "Sound\\Select.wav");
        LoadSoundBuffer(seBuffer2, "Sound\\Ok.wav");
    } else {
        LoadSoundBuffer(seBuffer1, "Sound\\Count.wav");
        LoadSoundBuffer(seBuffer2, "Sound\\Pause.wav");
    }
    LoadSoundBuffer(levelUpSound, "Sound\\Levelup.wav");
    LoadSoundBuffer(effectSound, "Sound\\Item.wav");
}

void SetPlayerParameters() {
    int8_t* params = playerParams[0];
    if (gameMode == endlessMode) {
        const int d = options.difficulty;
        params[paramSpeed] = 2;
        params[paramLuck] = static_cast<int8_t>(5 - 2 * d);
        params[paramChain] = static_cast<int8_t>(5 - 2 * d);
    } else if (gameMode != versusMode) {
        params[paramSpeed] = 2;
        params[paramLuck] = 5;
        params[paramChain] = 5;
    }
}

void ComposeBackground() {
    Blit(tileSurface, 0, 0, backdropSurface, opaqueCopy, 0, 0, screenWidth, screenHeight);
    PaintPlayfieldFrame();
}

}  // namespace

void LoadChosenBackdrop() {
    constexpr const char* backdropFiles[4] = {"Back\\screen1.bmp", "Back\\screen2.bmp", "Back\\screen3.bmp",
                                              "Back\\screen4.bmp"};
    CreateSheet(backdropSurface, screenWidth, screenHeight);
    const int pattern = options.backgroundPattern;
    if (pattern >= 0 && pattern < 4) LoadBitmapToSurface(backdropSurface, backdropFiles[pattern]);
}

void PrepareMatchEntry() {
    ReleaseMenuAssets();
    puzzleIndex = 0;
    skipPicker = 0;
}

void PrepareMatchScreen() {
    LoadSheets();
    LoadSounds();
    matchFontBig = CreateGameFont(30, 800, gothicFace);
    if (tileSurface == nullptr) CreateSheet(tileSurface, screenWidth, screenHeight);
    ComposeBackground();
    PaintItemIcons();
    EmptySlot(itemSheet);
}

void MatchSetupScene() {
    // The saved options first: the backdrop and the sounds depend on them.
    ReadOptionsFile();
    if (gameMode == endlessMode) ReadRankingFile(rankingTable);
    if (gameMode == puzzleMode) {
        // A missing file leaves every problem absent: the picker then offers
        // nothing that can be started.
        ReadPuzzleFile(puzzleTables);
        PreparePuzzleWords();
    }
    SetPlayerParameters();
    PrepareMatchScreen();
    twoPlayers = gameMode == versusMode ? 1 : 0;
    clockHours = 0;
    clockMinutes = 0;
    clockSeconds = 0;
    ResetMatchValues();
    if (gameMode == puzzleMode) ShowPuzzle(puzzleIndex);
    // Left from the picker (its wipe finishes on the next call) or the
    // window closed: no match.
    if (gameMode == puzzleMode && skipPicker == 0 && !PuzzlePicker()) return;

    // From here the match is a function of its start record and its inputs;
    // the calendar time seeds it.
    ApplyMatchStart(CurrentMatchStart(static_cast<uint32_t>(backend::CalendarSeconds())));
    // The window closed during the countdown: no match.
    if (!RunMatchOpening()) return;
    // The first step runs at once.
    matchPaceMark = TimeGetTime() - matchStepMs;
    currentScene = MatchScene;
    // A mode played for the first time shows its keys before play begins.
    OpenFirstRunGuide(static_cast<GameMode>(gameMode), MatchGuidePage());
}
