#include <sys/stat.h>

#include <string>
#include <vector>

#include "harness/stderr_capture.h"
#include "platform/bitmap_loader.h"
#include "platform/blit.h"
#include "platform/game_files.h"
#include "platform/language.h"
#include "platform/language_files.h"
#include "platform/load_report.h"
#include "platform/surface.h"
#include "platform/temp_work_dir.h"

namespace {

class LanguageFilesTest : public TempWorkDir {
protected:
    void SetUp() override {
        TempWorkDir::SetUp();
        ForgetReportedFiles();
    }
    void TearDown() override {
        SetLanguage(Language::japanese);
        EmptySlot(mainSheet);
        EmptySlot(itemSheet);
        ForgetLoadedPictures();
        ForgetReportedFiles();
        TempWorkDir::TearDown();
    }
};

// A 2x1 8-bit picture whose two pixels hold the given index.
std::vector<uint8_t> TinyBitmap(uint8_t index) {
    std::vector<uint8_t> out = {'B', 'M'};
    PutLe32(out, 1078 + 4);
    PutLe32(out, 0);
    PutLe32(out, 1078);
    PutLe32(out, 40);
    PutLe32(out, 2);
    PutLe32(out, 1);
    PutLe16(out, 1);
    PutLe16(out, 8);
    for (int i = 0; i < 6; ++i) PutLe32(out, 0);
    for (int i = 0; i < 256; ++i) out.insert(out.end(), {uint8_t(i), uint8_t(i), uint8_t(i), 0});
    out.insert(out.end(), {index, index, 0, 0});
    return out;
}

uint8_t LoadedIndex(const char* gamePath) {
    uint8_t pixels[2] = {0xEE, 0xEE};
    Surface surface{2, 1, pixels};
    LoadBitmapToSurface(&surface, gamePath);
    return pixels[0];
}

TEST(LanguageTwinPath, NamesTheEnglishFolderForPicturesAndWordsOnly) {
    struct Case {
        Language language;
        const char* path;
        bool twinned;
        const char* twin;
    };
    const Case cases[] = {
        {Language::english, "Back\\Title.bmp", true, "Back\\en\\Title.bmp"},
        {Language::english, "back/Game.bmp", true, "back/en/Game.bmp"},
        {Language::english, "Text\\Ideas.txt", true, "Text\\en\\Ideas.txt"},
        {Language::english, "Data\\OD.dat", false, ""},
        {Language::english, "Sound\\Ok.wav", false, ""},
        {Language::english, "Backdrop\\x.bmp", false, ""},
        {Language::english, "Back", false, ""},
        {Language::japanese, "Back\\Title.bmp", false, ""},
    };
    for (const Case& c : cases) {
        SetLanguage(c.language);
        std::string twin;
        EXPECT_EQ(LanguageTwinPath(c.path, twin), c.twinned) << c.path;
        EXPECT_EQ(twin, c.twin) << c.path;
    }
    SetLanguage(Language::japanese);
}

TEST_F(LanguageFilesTest, EnglishPicturesComeFromTheEnglishFolder) {
    mkdir("Back", 0755);
    PutFile("Back/Title.bmp", TinyBitmap(10));
    PutFile("Back/en/Title.bmp", TinyBitmap(20));
    StderrCapture capture;
    EXPECT_EQ(LoadedIndex("Back\\Title.bmp"), 10);
    SetLanguage(Language::english);
    EXPECT_EQ(LoadedIndex("Back\\Title.bmp"), 20);
    EXPECT_EQ(capture.Text(), "");
}

TEST_F(LanguageFilesTest, AMissingOrDamagedEnglishPictureFallsBackAndIsNamedOnce) {
    mkdir("Back", 0755);
    PutFile("Back/Title.bmp", TinyBitmap(10));
    PutFile("Back/Game.bmp", TinyBitmap(11));
    PutFile("Back/en/Game.bmp", std::vector<uint8_t>{'B', 'M', 0, 0});
    SetLanguage(Language::english);
    StderrCapture capture;
    EXPECT_EQ(LoadedIndex("Back\\Title.bmp"), 10);
    EXPECT_EQ(LoadedIndex("Back\\Title.bmp"), 10);
    EXPECT_EQ(LoadedIndex("Back\\Game.bmp"), 11);
    EXPECT_EQ(capture.Text(),
              "sumline: cannot read Back\\en\\Title.bmp: missing\n"
              "sumline: cannot read Back\\en\\Game.bmp: damaged header\n");
}

// The options screen switches the language while sheets are held: those
// still as loaded follow it, one drawn over since keeps what was drawn, and
// a surface outside the sheet slots is never touched.
TEST_F(LanguageFilesTest, ASwitchOfLanguageLoadsTheSheetsStillAsLoadedAgain) {
    mkdir("Back", 0755);
    PutFile("Back/Title.bmp", TinyBitmap(10));
    PutFile("Back/en/Title.bmp", TinyBitmap(20));
    PutFile("Back/Game.bmp", TinyBitmap(11));
    PutFile("Back/en/Game.bmp", TinyBitmap(21));
    CreateSheet(mainSheet, 2, 1);
    LoadBitmapToSurface(mainSheet, "Back\\Title.bmp");
    CreateSheet(itemSheet, 2, 1);
    LoadBitmapToSurface(itemSheet, "Back\\Game.bmp");
    ColorFill(itemSheet, 0, 0, 1, 1, 99);
    uint8_t own[2] = {0, 0};
    Surface ownSurface{2, 1, own};
    LoadBitmapToSurface(&ownSurface, "Back\\Title.bmp");
    ASSERT_EQ(mainSheet->pixels[1], 10);

    SetLanguage(Language::english);
    ReloadPicturesInLanguage();
    EXPECT_EQ(mainSheet->pixels[1], 20);
    EXPECT_EQ(itemSheet->pixels[0], 99);
    EXPECT_EQ(itemSheet->pixels[1], 11);
    EXPECT_EQ(own[1], 10);
    // Back again; a sheet made anew in a slot is nobody's picture.
    SetLanguage(Language::japanese);
    ReloadPicturesInLanguage();
    EXPECT_EQ(mainSheet->pixels[1], 10);
    CreateSheet(mainSheet, 2, 1);
    SetLanguage(Language::english);
    ReloadPicturesInLanguage();
    EXPECT_EQ(mainSheet->pixels[1], 0);
}

TEST_F(LanguageFilesTest, EnglishWordsAreReadFromTheEnglishTextFolderOrTheJapaneseOne) {
    mkdir("Text", 0755);
    PutText("Text/Ideas.txt", "ja");
    SetLanguage(Language::english);
    std::string text;
    {
        StderrCapture capture;
        ASSERT_TRUE(ReadWholeGameFile("Text\\Ideas.txt", text, 100));
        EXPECT_EQ(text, "ja");
        EXPECT_EQ(capture.Text(), "sumline: cannot read Text\\en\\Ideas.txt: missing\n");
    }
    PutText("Text/en/Ideas.txt", "en");
    ASSERT_TRUE(ReadWholeGameFile("Text\\Ideas.txt", text, 100));
    EXPECT_EQ(text, "en");
    // Other files are the player's or the game's whatever the language.
    PutText("Text/en/Other.txt", "en");
    mkdir("Data", 0755);
    PutText("Data/Other.txt", "data");
    ASSERT_TRUE(ReadWholeGameFile("Data\\Other.txt", text, 100));
    EXPECT_EQ(text, "data");
}

}  // namespace
