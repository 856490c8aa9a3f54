// contentgen <gameDir> <puzzleBook>: draws the game's pictures, synthesises its
// sounds, draws its icons (sumline.bmp, icons/), lays out its content folder
// (Back/, Sound/, Text/, defaults/) and turns the puzzle book into the problems the
// game ships.

#include <cstdio>
#include <string>
#include <vector>

#include "contentgen/app_icon_art.h"
#include "contentgen/backdrop_art.h"
#include "contentgen/bmp_writer.h"
#include "contentgen/canvas_text.h"
#include "contentgen/game_sheet_art.h"
#include "contentgen/item_sheet_art.h"
#include "contentgen/logo_sheet_art.h"
#include "contentgen/option_sheet_art.h"
#include "contentgen/output_files.h"
#include "contentgen/rank_sheet_art.h"
#include "contentgen/scores.h"
#include "contentgen/sheet_words.h"
#include "contentgen/synth.h"
#include "contentgen/title_sheet_art.h"
#include "contentgen/wav_writer.h"
#include "png/png_encoder.h"
#include "puzzlebook/puzzle_book.h"

namespace {

bool WriteSheet(const std::string& path, const Canvas& sheet) {
    return WriteFileAtomic(path, EncodeBmp8(sheet.width, sheet.height, sheet.pixels, GamePaletteEntries()));
}

bool WriteSound(const std::string& path, const SoundClip& clip) {
    return WriteFileAtomic(path, EncodeWav16(clip.samples, clip.channels, sampleRate));
}

// An icon for the desktop: the sheet's colour key is its transparent part.
bool WriteIconPng(const std::string& path, const Canvas& icon) {
    return MakeFolder(path.substr(0, path.rfind('/'))) &&
           WriteFileAtomic(path, EncodePng8(icon.width, icon.height, icon.pixels.data(), GamePaletteEntries().data(),
                                            paletteLayout::transparent));
}

// The tables' raw bytes are the file, exactly as the game reads it.
std::vector<uint8_t> TableBytes(const PuzzleFile& tables) {
    const auto* first = reinterpret_cast<const uint8_t*>(&tables);
    return std::vector<uint8_t>(first, first + sizeof tables);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: contentgen <gameDir> <puzzleBook>\n");
        return 2;
    }
    const std::string game = argv[1];
    // A fault in the book stops the build before anything is written.
    std::vector<puzzleBook::Problem> problems;
    std::string bookError;
    if (!puzzleBook::ReadBook(argv[2], problems, bookError)) {
        std::fprintf(stderr, "contentgen: %s\n", bookError.c_str());
        return 1;
    }
    const std::string back = game + "/Back/", sound = game + "/Sound/", defaults = game + "/defaults/",
                      text = game + "/Text/";
    if (!MakeFolder(back) || !MakeFolder(sound) || !MakeFolder(defaults) || !MakeFolder(text)) {
        std::fprintf(stderr, "contentgen: cannot create folders under %s\n", game.c_str());
        return 1;
    }
    if (!OpenTextFonts()) {
        std::fprintf(stderr, "contentgen: no usable font installed\n");
        return 1;
    }
    bool ok = true;
    // The sheets with words, once in the game's Japanese and once in English
    // from the same layouts (Back/en/, which the game reads when it speaks
    // English).
    for (const Language language : {Language::japanese, Language::english}) {
        SetSheetLanguage(language);
        const std::string folder = language == Language::english ? back + "en/" : back;
        if (!MakeFolder(folder)) {
            std::fprintf(stderr, "contentgen: cannot create %s\n", folder.c_str());
            return 1;
        }
        ok = WriteSheet(folder + "Title.bmp", DrawTitleSheet()) && ok;
        ok = WriteSheet(folder + "Logo.bmp", DrawLogoSheet()) && ok;
        ok = WriteSheet(folder + "Game.bmp", DrawGameSheet()) && ok;
        ok = WriteSheet(folder + "Item.bmp", DrawItemSheet()) && ok;
        ok = WriteSheet(folder + "Rank.bmp", DrawRankSheet()) && ok;
        ok = WriteSheet(folder + "Option.bmp", DrawOptionSheet()) && ok;
    }
    SetSheetLanguage(Language::japanese);
    // The backdrops carry no words: the English folder holds the same
    // pictures, so the game finds every picture of its language there.
    for (int pattern = 0; pattern < 4; ++pattern) {
        const std::string name = "screen" + std::to_string(pattern + 1) + ".bmp";
        const Canvas backdrop = DrawBackdrop(pattern);
        ok = WriteSheet(back + name, backdrop) && ok;
        ok = WriteSheet(back + "en/" + name, backdrop) && ok;
    }
    // The window's icon, and the desktop's in every size of the icon theme.
    ok = WriteSheet(game + "/sumline.bmp", DrawAppIcon(windowIconSize)) && ok;
    for (const int size : appIconSizes) {
        const std::string folder = std::to_string(size) + "x" + std::to_string(size);
        ok = WriteIconPng(game + "/icons/hicolor/" + folder + "/apps/sumline.png", DrawAppIcon(size)) && ok;
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
    // defaults/ holds what a new player's Data folder starts with: the game
    // copies these when it makes that folder, so they are the build's and
    // always made anew; the player's own files live elsewhere.
    ok = WriteFileAtomic(defaults + "PZL.dat", TableBytes(puzzleBook::BookTables(problems))) && ok;
    // The problems' words go beside the pictures, not into defaults/: they
    // are the game's, never the player's.
    const std::string ideas = puzzleBook::IdeasText(problems);
    ok = WriteFileAtomic(text + "Ideas.txt", std::vector<uint8_t>(ideas.begin(), ideas.end())) && ok;
    const std::string englishIdeas = puzzleBook::IdeasText(problems, true);
    ok = MakeFolder(text + "en/") &&
         WriteFileAtomic(text + "en/Ideas.txt", std::vector<uint8_t>(englishIdeas.begin(), englishIdeas.end())) && ok;
    // A new player holds the first item only; the game unlocks the others.
    std::vector<uint8_t> items(50, 0);
    items[0] = 1;
    ok = WriteFileAtomic(defaults + "ITEM.dat", items) && ok;
    if (!ok) {
        std::fprintf(stderr, "contentgen: could not write every file under %s\n", game.c_str());
        return 1;
    }
    return 0;
}
