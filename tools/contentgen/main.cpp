// contentgen <gameDir>: draws the game's pictures, synthesises its sounds and
// lays out its run directory (Back/, Sound/, Data/).

#include <cstdio>
#include <string>

#include "contentgen/backdrop_art.h"
#include "contentgen/bmp_writer.h"
#include "contentgen/canvas_text.h"
#include "contentgen/game_sheet_art.h"
#include "contentgen/item_sheet_art.h"
#include "contentgen/logo_sheet_art.h"
#include "contentgen/output_files.h"
#include "contentgen/rank_sheet_art.h"
#include "contentgen/scores.h"
#include "contentgen/synth.h"
#include "contentgen/title_sheet_art.h"
#include "contentgen/wav_writer.h"

namespace {

bool WriteSheet(const std::string& path, const Canvas& sheet) {
    return WriteFileAtomic(path, EncodeBmp8(sheet.width, sheet.height, sheet.pixels, GamePaletteEntries()));
}

bool WriteSound(const std::string& path, const SoundClip& clip) {
    return WriteFileAtomic(path, EncodeWav16(clip.samples, clip.channels, sampleRate));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: contentgen <gameDir>\n");
        return 2;
    }
    const std::string game = argv[1];
    const std::string back = game + "/Back/", sound = game + "/Sound/", data = game + "/Data/";
    if (!MakeFolder(back) || !MakeFolder(sound) || !MakeFolder(data)) {
        std::fprintf(stderr, "contentgen: cannot create folders under %s\n", game.c_str());
        return 1;
    }
    if (!OpenTextFonts()) {
        std::fprintf(stderr, "contentgen: no usable font installed\n");
        return 1;
    }
    bool ok = true;
    ok = WriteSheet(back + "Title.bmp", DrawTitleSheet()) && ok;
    ok = WriteSheet(back + "Logo.bmp", DrawLogoSheet()) && ok;
    ok = WriteSheet(back + "Game.bmp", DrawGameSheet()) && ok;
    ok = WriteSheet(back + "Item.bmp", DrawItemSheet()) && ok;
    ok = WriteSheet(back + "Rank.bmp", DrawRankSheet()) && ok;
    for (int pattern = 0; pattern < 4; ++pattern) {
        ok = WriteSheet(back + "screen" + std::to_string(pattern + 1) + ".bmp", DrawBackdrop(pattern)) && ok;
    }
    CloseTextFonts();

    ok = WriteSound(sound + "Logo.wav", ScoreLogoJingle()) && ok;
    ok = WriteSound(sound + "Opening.wav", ScoreMenuTune()) && ok;
    ok = WriteSound(sound + "Select.wav", ScoreSelect()) && ok;
    ok = WriteSound(sound + "Ok.wav", ScoreOk()) && ok;
    ok = WriteSound(sound + "GameEnd.wav", ScoreFarewell()) && ok;
    struct MatchSound {
        const char* name;
        SoundClip (*score)();
    };
    const MatchSound matchSounds[] = {
        {"Game.wav", ScoreMatchTune},       {"Count.wav", ScoreCountdown},   {"GameStart.wav", ScoreGameStart},
        {"Motto.wav", ScoreChainCheer},     {"Danger.wav", ScoreDanger},     {"Pause.wav", ScorePause},
        {"GameOver.wav", ScoreGameOver},    {"Clear.wav", ScorePuzzleClear}, {"Levelup.wav", ScoreLevelUp},
        {"Item.wav", ScoreGaugeFull},       {"Delete.wav", ScoreDelete},     {"Maxdelete.wav", ScoreMaxdelete},
        {"Hiscore.wav", ScoreHiscore},      {"Omedetou.wav", ScoreOmedetou},
    };
    for (const MatchSound& s : matchSounds) ok = WriteSound(sound + s.name, s.score()) && ok;
    // Data/ holds what the player writes; nothing in it is made here yet, and
    // anything added later goes through WriteFileIfMissing.
    if (!ok) {
        std::fprintf(stderr, "contentgen: could not write every file under %s\n", game.c_str());
        return 1;
    }
    return 0;
}
