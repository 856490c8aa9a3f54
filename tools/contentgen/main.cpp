// contentgen <gameDir>: draws the game's pictures, synthesises its sounds and
// lays out its run directory (Back/, Sound/, Data/).

#include <cstdio>
#include <string>

#include "contentgen/bmp_writer.h"
#include "contentgen/canvas_text.h"
#include "contentgen/logo_sheet_art.h"
#include "contentgen/output_files.h"
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
    CloseTextFonts();

    ok = WriteSound(sound + "Logo.wav", ScoreLogoJingle()) && ok;
    ok = WriteSound(sound + "Opening.wav", ScoreMenuTune()) && ok;
    ok = WriteSound(sound + "Select.wav", ScoreSelect()) && ok;
    ok = WriteSound(sound + "Ok.wav", ScoreOk()) && ok;
    ok = WriteSound(sound + "GameEnd.wav", ScoreFarewell()) && ok;
    // Data/ holds what the player writes; nothing in it is made here yet, and
    // anything added later goes through WriteFileIfMissing.
    if (!ok) {
        std::fprintf(stderr, "contentgen: could not write every file under %s\n", game.c_str());
        return 1;
    }
    return 0;
}
