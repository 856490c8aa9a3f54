// Every reader of a game file, with a named pipe or a folder standing where
// the file belongs. Here because the match is the lowest layer that sees all
// of them (options, ranking, puzzle, items, and the platform's pictures and
// sounds).

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <future>
#include <string>

#include "gallery/item_file.h"
#include "options/options_file.h"
#include "platform/bitmap_loader.h"
#include "platform/game_files.h"
#include "platform/palette.h"
#include "platform/sound.h"
#include "platform/sound_cache.h"
#include "platform/temp_work_dir.h"
#include "puzzle/progress_file.h"
#include "puzzle/puzzle_file.h"
#include "ranking/ranking_file.h"

namespace {

class NonRegularFileTest : public TempWorkDir {
protected:
    void SetUp() override {
        TempWorkDir::SetUp();
        ReleaseSoundSlots();
        ClearSoundCache();
    }
    void TearDown() override {
        ReleaseSoundSlots();
        ClearSoundCache();
        TempWorkDir::TearDown();
    }
};

// Runs read on a thread of its own: false when it is still waiting after two
// seconds. A stuck reader is then let go (a writer opens the pipe and closes
// it at once, which ends its wait with an end of file), so the test fails
// instead of hanging.
bool ReturnsPromptly(const std::string& diskPath, const std::function<bool()>& read, bool& result) {
    std::future<bool> done = std::async(std::launch::async, read);
    if (done.wait_for(std::chrono::seconds(2)) == std::future_status::ready) {
        result = done.get();
        return true;
    }
    while (done.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
        const int fd = open(diskPath.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) close(fd);
    }
    result = done.get();
    return false;
}

// Each reads through the game's own operation and says whether what came
// back is exactly what a missing file gives.
struct Reader {
    const char* name;
    const char* diskPath;
    std::function<bool()> readGivesDefaults;
};

bool OptionsAreDefaults() {
    options = OptionsFile{3, 1, 2, 3, 1};
    ReadOptionsFile();
    return std::memcmp(&options, &defaultOptions, sizeof options) == 0;
}

bool RankingIsEmpty() {
    static RankingFile table;
    std::memset(&table, 0x11, sizeof table);
    ReadRankingFile(table);
    for (int i = 0; i < rankingEntries; ++i) {
        if (table.score[i] != -1) return false;
    }
    return true;
}

bool PuzzlesAreDefaults() {
    static PuzzleFile tables;
    static PuzzleFile defaults;
    std::memset(&tables, 0x11, sizeof tables);
    DefaultPuzzleFile(defaults);
    return !ReadPuzzleFile(tables) && std::memcmp(&tables, &defaults, sizeof tables) == 0;
}

bool NothingSolved() {
    ClearFile tables;
    std::memset(&tables, 1, sizeof tables);
    ReadClearFile(tables);
    const ClearFile zero{};
    return std::memcmp(&tables, &zero, sizeof tables) == 0;
}

bool OnlyTheFirstItem() {
    ItemFile flags;
    DefaultItemFile(flags);
    ReadItemFile(flags);
    ItemFile first;
    DefaultItemFile(first);
    return std::memcmp(&flags, &first, sizeof flags) == 0;
}

bool PictureAndPaletteUntouched() {
    uint8_t pixels[4 * 4];
    std::memset(pixels, 0xAA, sizeof pixels);
    Surface surface{4, 4, pixels};
    Rgb start[256];
    for (Rgb& entry : start) entry = MakeRgb(1, 2, 3);
    SetDisplayPalette(start);
    LoadBitmapToSurface(&surface, "Back\\Title.bmp");
    for (uint8_t p : pixels) {
        if (p != 0xAA) return false;
    }
    for (int i = 0; i < 256; ++i) {
        if (displayPalette[i] != start[i]) return false;
    }
    return true;
}

bool SlotLeftEmpty() {
    LoadSoundBuffer(seBuffer1, "Sound\\Select.wav");
    return seBuffer1.sound == nullptr;
}

bool GameFileNotRead() {
    char buffer[16];
    std::string whole = "old";
    return ReadGameFile("Data\\ED.dat", buffer, sizeof buffer) == -1 &&
           !ReadWholeGameFile("Data\\ED.dat", whole, 1024) && whole.empty();
}

const Reader readers[] = {
    {"options", "Data/OD.dat", OptionsAreDefaults},
    {"ranking", "Data/ED.dat", RankingIsEmpty},
    {"puzzles", "Data/PZL.dat", PuzzlesAreDefaults},
    {"progress", "Data/CLEAR.dat", NothingSolved},
    {"items", "Data/ITEM.dat", OnlyTheFirstItem},
    {"bitmap", "Back/Title.bmp", PictureAndPaletteUntouched},
    {"sound", "Sound/Select.wav", SlotLeftEmpty},
    {"game file", "Data/ED.dat", GameFileNotRead},
};

TEST_F(NonRegularFileTest, OnlyRegularFilesAreReadAndNothingWaits) {
    for (const char* kind : {"pipe", "folder"}) {
        for (const Reader& reader : readers) {
            const std::string path = reader.diskPath;
            mkdir(path.substr(0, path.find('/')).c_str(), 0755);
            if (std::strcmp(kind, "pipe") == 0) {
                ASSERT_EQ(mkfifo(path.c_str(), 0644), 0) << path;
            } else {
                ASSERT_EQ(mkdir(path.c_str(), 0755), 0) << path;
            }
            bool defaults = false;
            EXPECT_TRUE(ReturnsPromptly(path, reader.readGivesDefaults, defaults)) << kind << " " << reader.name;
            EXPECT_TRUE(defaults) << kind << " " << reader.name;
            ASSERT_EQ(remove(path.c_str()), 0) << path;
            ClearSoundCache();
        }
    }
}

}  // namespace
