#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <string>

#include "harness/stderr_capture.h"
#include "platform/bitmap_loader.h"
#include "platform/load_report.h"
#include "platform/palette.h"
#include "platform/sound.h"
#include "platform/sound_cache.h"
#include "platform/wave_builder.h"

namespace {

class UnreadableFileTest : public TempWorkDir {
protected:
    void SetUp() override {
        TempWorkDir::SetUp();
        Forget();
    }
    void TearDown() override {
        Forget();
        TempWorkDir::TearDown();
    }
    static void Forget() {
        ReleaseSoundSlots();
        ClearSoundCache();
        ForgetReportedFiles();
    }
};

// Bytes this process has read from files so far (the kernel's count).
uint64_t BytesReadSoFar() {
    std::ifstream io("/proc/self/io");
    std::string key;
    uint64_t value = 0;
    while (io >> key >> value) {
        if (key == "rchar:") return value;
    }
    ADD_FAILURE() << "no rchar in /proc/self/io";
    return 0;
}

// File and info headers and a grey colour table of an 8-bit picture; the
// pixels would follow at byte 1078.
std::vector<uint8_t> BmpHeaders(int32_t width, int32_t height, uint16_t bits = 8, uint32_t compression = 0) {
    std::vector<uint8_t> out = {'B', 'M'};
    const uint32_t stride = (static_cast<uint32_t>(width) + 3) / 4 * 4;
    PutLe32(out, 1078 + stride * static_cast<uint32_t>(height));
    PutLe32(out, 0);
    PutLe32(out, 1078);
    PutLe32(out, 40);
    PutLe32(out, static_cast<uint32_t>(width));
    PutLe32(out, static_cast<uint32_t>(height));
    PutLe16(out, 1);
    PutLe16(out, bits);
    PutLe32(out, compression);
    for (int i = 0; i < 5; ++i) PutLe32(out, 0);
    for (int i = 0; i < 256; ++i) out.insert(out.end(), {uint8_t(i), uint8_t(i), uint8_t(i), 0});
    return out;
}

// A wave whose headers announce dataBytes of data; the file is made that
// long without writing the data (a sparse file).
std::vector<uint8_t> WaveHeaders(uint16_t channels, uint32_t rate, uint16_t bits, uint32_t dataBytes) {
    std::vector<uint8_t> out = {'R', 'I', 'F', 'F'};
    PutLe32(out, 4 + 24 + 8 + dataBytes);
    out.insert(out.end(), {'W', 'A', 'V', 'E'});
    const std::vector<uint8_t> fmt = Chunk("fmt ", FmtBody(1, channels, rate, bits));
    out.insert(out.end(), fmt.begin(), fmt.end());
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    PutLe32(out, dataBytes);
    return out;
}

void PutSparse(const std::string& path, const std::vector<uint8_t>& start, off_t size) {
    PutFile(path, start);
    ASSERT_EQ(truncate(path.c_str(), size), 0) << path;
}

// Loads a picture into a marked surface: true when surface and palette stayed as they were.
bool PictureRefused(const char* gamePath) {
    uint8_t pixels[4 * 4];
    std::memset(pixels, 0xAA, sizeof pixels);
    Surface surface{4, 4, pixels};
    const uint32_t version = paletteVersion;
    LoadBitmapToSurface(&surface, gamePath);
    for (uint8_t p : pixels) {
        if (p != 0xAA) return false;
    }
    return paletteVersion == version;
}

bool SoundRefused(const char* gamePath) {
    LoadSoundBuffer(seBuffer1, gamePath);
    return seBuffer1.sound == nullptr;
}

bool IsSound(const char* gamePath) { return std::strstr(gamePath, ".wav") != nullptr; }

bool Refused(const char* gamePath) { return IsSound(gamePath) ? SoundRefused(gamePath) : PictureRefused(gamePath); }

std::string Named(const char* gamePath, const char* reason) {
    return std::string("sumline: cannot read ") + gamePath + ": " + reason + "\n";
}

TEST_F(UnreadableFileTest, OversizedFilesAreRefusedFromTheirHeadersBeforeTheirDataIsRead) {
    constexpr off_t mb = 1 << 20;
    struct Case {
        const char* gamePath;
        std::vector<uint8_t> headers;
        off_t fileSize;
        const char* reason;
    };
    const Case cases[] = {
        // CD quality: as large once converted, past the 64 MB kept.
        {"Sound\\Long.wav", WaveHeaders(2, 44100, 16, 200 * mb), 200 * mb + 44, "too large"},
        // Small once converted (8 channels at 192 kHz), but 200 MB to read.
        {"Sound\\Rich.wav", WaveHeaders(8, 192000, 32, 200 * mb), 200 * mb + 44, "too large"},
        {"Back\\Long.bmp", BmpHeaders(640, 480), 200 * mb, "too large"},
        {"Back\\Wide.bmp", BmpHeaders(20000, 480), 4 * mb, "too large"},
        // Rows for 16000x16000 would need 244 MB; the file has 4.
        {"Back\\Short.bmp", BmpHeaders(16000, 16000), 4 * mb, "shorter than its header says"},
    };
    for (const Case& c : cases) {
        std::string path = c.gamePath;
        path[path.find('\\')] = '/';
        PutSparse(path, c.headers, c.fileSize);
        const uint64_t before = BytesReadSoFar();
        StderrCapture capture;
        EXPECT_TRUE(Refused(c.gamePath)) << c.gamePath;
        EXPECT_EQ(capture.Text(), Named(c.gamePath, c.reason));
        EXPECT_LT(BytesReadSoFar() - before, 64u << 10) << c.gamePath;
        unlink(path.c_str());
    }
}

TEST_F(UnreadableFileTest, EachUnreadablePictureOrSoundIsNamedWithItsReason) {
    std::vector<uint8_t> truncated = BmpHeaders(4, 4);
    truncated.resize(truncated.size() + 15, 1);
    std::vector<uint8_t> rleWithoutEnd = BmpHeaders(4, 4, 8, 1);
    rleWithoutEnd.insert(rleWithoutEnd.end(), {4, 5, 0, 0});
    std::vector<uint8_t> notBm = BmpHeaders(4, 4);
    notBm[0] = 'X';
    ASSERT_EQ(mkdir("Back", 0755), 0);
    ASSERT_EQ(mkdir("Back/Folder.bmp", 0755), 0);
    PutFile("Back/Truncated.bmp", truncated);
    PutFile("Back/Rle.bmp", rleWithoutEnd);
    PutFile("Back/NotBm.bmp", notBm);
    PutFile("Back/Deep.bmp", BmpHeaders(4, 4, 24));
    PutFile("Sound/Broken.wav", {'R', 'I', 'F', 'F', 0, 0});
    PutFile("Sound/Adpcm.wav", RiffWave({Chunk("fmt ", FmtBody(2, 1, 22050, 4)), Chunk("data", {1, 2, 3, 4})}));
    PutFile("Sound/Silent.wav", PcmWave(1, 22050, 16, {}));
    const struct {
        const char* gamePath;
        const char* reason;
    } cases[] = {
        {"Back\\Missing.bmp", "missing"},
        {"Back\\Folder.bmp", "not a regular file"},
        {"Back\\NotBm.bmp", "damaged header"},
        {"Back\\Deep.bmp", "unsupported format"},
        {"Back\\Truncated.bmp", "shorter than its header says"},
        {"Back\\Rle.bmp", "damaged data"},
        {"Sound\\Missing.wav", "missing"},
        {"Sound\\Broken.wav", "damaged header"},
        {"Sound\\Adpcm.wav", "unsupported format"},
        {"Sound\\Silent.wav", "damaged data"},
        {"..\\Sound\\Ok.wav", "not a path inside the game folder"},
    };
    for (const auto& c : cases) {
        StderrCapture capture;
        EXPECT_TRUE(Refused(c.gamePath)) << c.gamePath;
        EXPECT_EQ(capture.Text(), Named(c.gamePath, c.reason));
    }
}

TEST_F(UnreadableFileTest, AFileIsNamedOncePerRunAndAReadableOneNever) {
    PutFile("Sound/Ok.wav", PcmWave(1, 22050, 16, {1, 2, 3, 4}));
    StderrCapture capture;
    for (int round = 0; round < 2; ++round) {
        EXPECT_TRUE(PictureRefused("Back\\Title.bmp"));
        EXPECT_TRUE(PictureRefused("BACK\\title.BMP"));
        EXPECT_TRUE(SoundRefused("Sound\\Logo.wav"));
        EXPECT_FALSE(SoundRefused("Sound\\Ok.wav"));
        ClearSoundCache();  // so the sound is looked for on disk again
    }
    EXPECT_EQ(capture.Text(), Named("Back\\Title.bmp", "missing") + Named("Sound\\Logo.wav", "missing"));

    // A fresh start names it again.
    ForgetReportedFiles();
    StderrCapture again;
    EXPECT_TRUE(PictureRefused("Back\\Title.bmp"));
    EXPECT_EQ(again.Text(), Named("Back\\Title.bmp", "missing"));
}

}  // namespace
