// Writes the starting corpus of every fuzz target:
//   make_seeds <content folder> <seed folder>
// The content folder is what contentgen wrote (Back/*.bmp, Sound/*.wav);
// those files are seeds as they are, together with small pieces of them
// recast in the other layouts the readers accept (top-down and RLE8 rows, 8-,
// 24- and 32-bit, float and extensible formats, other rates, extra chunks).
// The data files are written by the game's own writers; the puzzle words
// are the content's own (Text/Ideas.txt).

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "gallery/item_file.h"
#include "netlink/lan_datagrams.h"
#include "netplay/net_messages.h"
#include "options/options_file.h"
#include "platform/bitmap_loader.h"
#include "platform/key_bindings.h"
#include "platform/palette.h"
#include "platform/pcm_convert.h"
#include "platform/wave_reader.h"
#include "puzzle/progress_file.h"
#include "puzzle/puzzle_file.h"
#include "ranking/ranking_file.h"
#include "replay/modelled_play.h"
#include "replay/replay_codec.h"
#include "shell/controls_text.h"

namespace {

using Bytes = std::vector<uint8_t>;

std::string seedRoot;
int written = 0;

bool ReadFile(const std::string& path, Bytes& out) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    out.clear();
    uint8_t buffer[65536];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) out.insert(out.end(), buffer, buffer + got);
    std::fclose(file);
    return true;
}

void WriteSeed(const std::string& target, const std::string& name, const Bytes& bytes) {
    const std::string folder = seedRoot + "/" + target;
    mkdir(folder.c_str(), 0755);
    const std::string path = folder + "/" + name;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
        std::fprintf(stderr, "make_seeds: cannot write %s\n", path.c_str());
        std::exit(1);
    }
    std::fclose(file);
    ++written;
}

// A data file the game just wrote (relative to the working folder) as a seed.
void TakeWritten(const char* diskPath, const std::string& target, const std::string& name) {
    Bytes bytes;
    if (!ReadFile(diskPath, bytes)) {
        std::fprintf(stderr, "make_seeds: the game did not write %s\n", diskPath);
        std::exit(1);
    }
    WriteSeed(target, name, bytes);
}

std::vector<std::string> FilesEnding(const std::string& folder, const char* suffix) {
    std::vector<std::string> names;
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) return names;
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        const size_t length = std::strlen(suffix);
        if (name.size() > length && name.compare(name.size() - length, length, suffix) == 0) names.push_back(name);
    }
    closedir(dir);
    std::sort(names.begin(), names.end());  // the same corpus on every machine
    return names;
}

void Put16(Bytes& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(Bytes& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}
void PutTag(Bytes& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }

// ---- bitmaps ----

enum class Rows { bottomUp, topDown, rle8 };

// 8-bit BMP of pixels (top row first) with the first `colors` palette entries.
Bytes EncodeBmp(int width, int height, const Bytes& pixels, const Rgb* palette, int colors, Rows rows) {
    Bytes image;
    const int stride = (width + 3) / 4 * 4;
    if (rows == Rows::rle8) {
        for (int y = height - 1; y >= 0; --y) {
            const uint8_t* row = pixels.data() + y * width;
            int x = 0;
            if (y == height - 1) {  // a delta over the first two pixels, left 0
                image.insert(image.end(), {0, 2, 2, 0});
                x = 2;
            }
            while (x < width) {
                int run = 1;
                while (x + run < width && run < 255 && row[x + run] == row[x]) ++run;
                if (run >= 3) {
                    image.insert(image.end(), {static_cast<uint8_t>(run), row[x]});
                    x += run;
                    continue;
                }
                // Absolute mode up to the next run of three.
                int literal = 0;
                while (x + literal < width && literal < 255 &&
                       !(x + literal + 2 < width && row[x + literal] == row[x + literal + 1] &&
                         row[x + literal] == row[x + literal + 2])) {
                    ++literal;
                }
                if (literal < 3) {
                    for (int i = 0; i < literal; ++i) image.insert(image.end(), {1, row[x + i]});
                } else {
                    image.insert(image.end(), {0, static_cast<uint8_t>(literal)});
                    image.insert(image.end(), row + x, row + x + literal);
                    if (literal & 1) image.push_back(0);
                }
                x += literal;
            }
            if (y > 0) image.insert(image.end(), {0, 0});
        }
        image.insert(image.end(), {0, 1});
    } else {
        for (int i = 0; i < height; ++i) {
            const int y = rows == Rows::topDown ? i : height - 1 - i;
            image.insert(image.end(), pixels.begin() + y * width, pixels.begin() + (y + 1) * width);
            image.resize(image.size() + static_cast<size_t>(stride - width), 0);
        }
    }
    const uint32_t offset = 14 + 40 + 4 * static_cast<uint32_t>(colors);
    Bytes out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + static_cast<uint32_t>(image.size()));
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(width));
    Put32(out, static_cast<uint32_t>(rows == Rows::topDown ? -height : height));
    Put16(out, 1);
    Put16(out, 8);
    Put32(out, rows == Rows::rle8 ? 1 : 0);
    Put32(out, static_cast<uint32_t>(image.size()));
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, colors == 256 ? 0 : static_cast<uint32_t>(colors));
    Put32(out, 0);
    for (int i = 0; i < colors; ++i) out.insert(out.end(), {palette[i].b, palette[i].g, palette[i].r, 0});
    out.insert(out.end(), image.begin(), image.end());
    return out;
}

void BitmapSeeds(const std::string& content) {
    const std::string folder = content + "/Back";
    const std::vector<std::string> names = FilesEnding(folder, ".bmp");
    if (names.empty()) {
        std::fprintf(stderr, "make_seeds: no bitmaps in %s\n", folder.c_str());
        std::exit(1);
    }
    for (const std::string& name : names) {
        Bytes file;
        if (!ReadFile(folder + "/" + name, file)) continue;
        WriteSeed("bitmap", name, file);

        // A piece from the middle, of an odd width so rows carry padding.
        std::vector<uint8_t> screen(640 * 480);
        Surface surface{640, 480, screen.data()};
        if (!LoadBitmapFromMemory(&surface, file.data(), static_cast<long>(file.size()))) continue;
        const int width = static_cast<int>(std::min<uint32_t>(640, file[18] | file[19] << 8));
        const int height = static_cast<int>(std::min<uint32_t>(480, file[22] | file[23] << 8));
        const int pieceWidth = std::min(width, 21);
        const int pieceHeight = std::min(height, 13);
        const int left = (width - pieceWidth) / 2;
        const int top = (height - pieceHeight) / 2;
        Bytes piece;
        for (int y = 0; y < pieceHeight; ++y)
            for (int x = 0; x < pieceWidth; ++x) piece.push_back(screen[(top + y) * 640 + left + x]);
        const std::string stem = name.substr(0, name.size() - 4);
        WriteSeed("bitmap", stem + "-piece.bmp",
                  EncodeBmp(pieceWidth, pieceHeight, piece, displayPalette, 256, Rows::bottomUp));
        WriteSeed("bitmap", stem + "-piece-top-down.bmp",
                  EncodeBmp(pieceWidth, pieceHeight, piece, displayPalette, 256, Rows::topDown));
        WriteSeed("bitmap", stem + "-piece-rle8.bmp",
                  EncodeBmp(pieceWidth, pieceHeight, piece, displayPalette, 256, Rows::rle8));
        // A short colour table: the indices folded into it.
        Bytes folded = piece;
        for (uint8_t& p : folded) p &= 15;
        WriteSeed("bitmap", stem + "-piece-16-colours.bmp",
                  EncodeBmp(pieceWidth, pieceHeight, folded, displayPalette, 16, Rows::bottomUp));
    }
}

// ---- sounds ----

struct Layout {
    const char* name;
    uint16_t tag;  // 1 PCM, 3 float, 0xFFFE extensible
    uint16_t subTag;
    uint16_t bits;
    int rateNumerator;  // the rate as a fraction of the original
    int rateDenominator;
    bool listChunk;  // an extra chunk before "fmt " and one between it and "data"
    bool mono;
};

constexpr Layout layouts[] = {
    {"u8", 1, 0, 8, 1, 1, false, false},          {"s24", 1, 0, 24, 1, 1, false, false},
    {"s32", 1, 0, 32, 1, 1, false, false},        {"float", 3, 0, 32, 1, 1, false, false},
    {"ext16", 0xFFFE, 1, 16, 1, 1, false, false}, {"extfloat", 0xFFFE, 3, 32, 1, 1, false, false},
    {"22050", 1, 0, 16, 1, 2, false, false},      {"48000", 1, 0, 16, 160, 147, false, false},
    {"11025-mono", 1, 0, 8, 1, 4, true, true},    {"chunks", 1, 0, 16, 1, 1, true, false},
};

Bytes FmtBody(const Layout& layout, uint16_t channels, uint32_t rate) {
    const uint16_t block = static_cast<uint16_t>(channels * layout.bits / 8);
    Bytes out;
    Put16(out, layout.tag);
    Put16(out, channels);
    Put32(out, rate);
    Put32(out, rate * block);
    Put16(out, block);
    Put16(out, layout.bits);
    if (layout.tag == 0xFFFE) {
        Put16(out, 22);
        Put16(out, layout.bits);
        Put32(out, channels == 1 ? 4 : 3);  // front centre, or front left and right
        Put16(out, layout.subTag);
        const uint8_t tail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
        out.insert(out.end(), tail, tail + 14);
    } else if (layout.tag == 3) {
        Put16(out, 0);
    }
    return out;
}

void PutChunk(Bytes& out, const char* id, const Bytes& body) {
    PutTag(out, id);
    Put32(out, static_cast<uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    if (body.size() & 1) out.push_back(0);
}

Bytes Wave(const Bytes& fmt, const Bytes& data, bool listChunk) {
    Bytes body;
    PutTag(body, "WAVE");
    const Bytes info = {'I', 'N', 'F', 'O', 'I', 'S', 'F', 'T', 3, 0, 0, 0, 's', 'l', 0};  // odd: padded
    if (listChunk) PutChunk(body, "LIST", info);
    PutChunk(body, "fmt ", fmt);
    if (listChunk) PutChunk(body, "fact", {0x10, 0, 0, 0});
    PutChunk(body, "data", data);
    Bytes out;
    PutChunk(out, "RIFF", body);
    return out;
}

// 16-bit samples recast into a layout's sample format.
Bytes Samples(const Layout& layout, const std::vector<int16_t>& samples) {
    Bytes out;
    for (int16_t s : samples) {
        switch (layout.tag == 3 || layout.subTag == 3 ? 0 : layout.bits) {
            case 0: {
                const float value = static_cast<float>(s) / 32768.0f;
                uint32_t bits;
                std::memcpy(&bits, &value, 4);
                Put32(out, bits);
                break;
            }
            case 8: out.push_back(static_cast<uint8_t>((s >> 8) + 128)); break;
            case 24: Put32(out, static_cast<uint32_t>(s) << 8); out.pop_back(); break;
            case 32: Put32(out, static_cast<uint32_t>(s) << 16); break;
            default: Put16(out, static_cast<uint16_t>(s)); break;
        }
    }
    return out;
}

// The PCM target's input: the fmt fields, the extra size and bytes, the data.
void PcmSeed(const std::string& name, const Bytes& fmt, const Bytes& data) {
    Bytes input(fmt.begin(), fmt.begin() + 16);
    if (fmt.size() >= 18) input.insert(input.end(), fmt.begin() + 16, fmt.end());
    else Put16(input, 0);
    input.insert(input.end(), data.begin(), data.end());
    WriteSeed("pcm", name, input);
}

void SoundSeeds(const std::string& content) {
    const std::string folder = content + "/Sound";
    const std::vector<std::string> names = FilesEnding(folder, ".wav");
    if (names.empty()) {
        std::fprintf(stderr, "make_seeds: no sounds in %s\n", folder.c_str());
        std::exit(1);
    }
    constexpr size_t wholeUpTo = 64 << 10;
    constexpr uint32_t pieceFrames = 600;
    size_t next = 0;
    for (const std::string& name : names) {
        const std::string path = folder + "/" + name;
        Bytes file;
        if (!ReadFile(path, file)) continue;
        if (file.size() <= wholeUpTo) WriteSeed("wave", name, file);

        WaveReader reader;
        if (reader.Open(path.c_str()) != waveOk || reader.format.bitsPerSample != 16) continue;
        const uint16_t channels = reader.format.channels;
        const uint32_t frameBytes = 2u * channels;
        const uint32_t frames = reader.dataSize / frameBytes;
        const uint32_t count = std::min(frames, pieceFrames);
        // From a third of the way in, past any silence at the start.
        const uint32_t first = (frames - count) / 3;
        Bytes raw(reader.dataSize);
        uint32_t got = 0;
        if (reader.Read(reader.dataSize, raw.data(), &got) != waveOk || count == 0) continue;
        std::vector<int16_t> samples(static_cast<size_t>(count) * channels);
        std::memcpy(samples.data(), raw.data() + static_cast<size_t>(first) * frameBytes, samples.size() * 2);

        const std::string stem = name.substr(0, name.size() - 4);
        const Layout plain = {"piece", 1, 0, 16, 1, 1, false, false};
        const Bytes plainFmt = FmtBody(plain, channels, reader.format.samplesPerSec);
        const Bytes plainData = Samples(plain, samples);
        WriteSeed("wave", stem + "-piece.wav", Wave(plainFmt, plainData, false));
        PcmSeed(stem + "-piece", plainFmt, plainData);

        // Each sound in one more layout, in turn.
        const Layout& layout = layouts[next++ % std::size(layouts)];
        std::vector<int16_t> recast = samples;
        uint16_t outChannels = channels;
        if (layout.mono && channels == 2) {
            recast.clear();
            for (size_t i = 0; i < samples.size(); i += 2) recast.push_back(samples[i]);
            outChannels = 1;
        }
        const uint32_t rate = static_cast<uint32_t>(
            static_cast<uint64_t>(reader.format.samplesPerSec) * layout.rateNumerator / layout.rateDenominator);
        const Bytes fmt = FmtBody(layout, outChannels, rate);
        const Bytes data = Samples(layout, recast);
        WriteSeed("wave", stem + "-" + layout.name + ".wav", Wave(fmt, data, layout.listChunk));
        PcmSeed(stem + "-" + layout.name, fmt, data);
    }
}

// ---- data files, through the game's writers ----

void OptionsSeeds() {
    const OptionsFile records[] = {defaultOptions, {0, 0, 0, 0, 0}, {3, 1, 2, 3, 1}, {1, 0, 2, 2, 0}, {2, 1, 0, 1, 1}};
    int n = 0;
    for (const OptionsFile& record : records) {
        options = record;
        WriteOptionsFile();
        TakeWritten("Data/OD.dat", "options", "options-" + std::to_string(n++));
    }
}

void RankingSeeds() {
    unlink("Data/ED.dat");
    ReadRankingFile(rankingTable);  // no file: every entry empty
    WriteRankingFile();
    TakeWritten("Data/ED.dat", "ranking", "empty");
    for (int filled : {5, rankingEntries}) {
        for (int i = 0; i < filled; ++i) {
            rankingTable.score[i] = 9000000 - 80000 * i;
            rankingTable.scoreHigh[i] = i < 2 ? 2 - i : 0;
            rankingTable.level[i] = 1 + (filled - i) % 999;
            rankingTable.maxChain[i] = (i * 7) % 20;
            for (int k = 0; k < 4; ++k) rankingTable.name[i][k] = static_cast<int8_t>((i * 5 + k * 11) % 40);
            rankingTable.time[i][0] = i % 3;
            rankingTable.time[i][1] = (i * 13) % 60;
            rankingTable.time[i][2] = (i * 29) % 60;
            rankingTable.grade[i] = static_cast<int8_t>(i % 12);
            rankingTable.difficulty[i] = static_cast<int8_t>(i % 3);
        }
        WriteRankingFile();
        TakeWritten("Data/ED.dat", "ranking", "entries-" + std::to_string(filled));
    }
}

void PuzzleSeeds() {
    PuzzleFile tables;
    DefaultPuzzleFile(tables);
    WritePuzzleFile(tables);
    TakeWritten("Data/PZL.dat", "puzzle", "absent");
    constexpr int8_t limits[] = {-1, -2, 1, 5, 100};
    for (int i = 0; i < 12; ++i) {
        for (int cell = 0; cell < puzzleCells; ++cell) {
            const int row = cell / 7;
            tables.boards[i][cell] = row >= 15 - 3 - i % 5 ? static_cast<int8_t>((cell * 3 + i) % 8) : int8_t{-1};
        }
        tables.targetSums[i] = static_cast<int8_t>(7 + i % 4);
        tables.swapLimits[i] = limits[i % 5];
        tables.goalTypes[i] = static_cast<int8_t>(i % 4);
        tables.goalValues[i] = i % 4 == 0 ? 0 : goalRanges[i % 4].low + i;
        tables.minutes[i] = i == 11 ? 10 : i % 4;
        tables.seconds[i] = i == 11 ? 0 : (i * 10) % 60;
    }
    tables.seconds[0] = 30;  // problem 0 present even at 0 minutes
    WritePuzzleFile(tables);
    TakeWritten("Data/PZL.dat", "puzzle", "problems");
}

void ProgressSeeds() {
    unlink("Data/CLEAR.dat");
    ClearFile tables{};
    RecordSolve(tables, 0, 42);
    TakeWritten("Data/CLEAR.dat", "progress", "one");
    for (int i = 0; i < puzzleCount; i += 2) RecordSolve(tables, i, (i * 37) % 300);
    TakeWritten("Data/CLEAR.dat", "progress", "half");
    for (int i = 0; i < puzzleCount; ++i) RecordSolve(tables, i, 255);
    TakeWritten("Data/CLEAR.dat", "progress", "all");
}

void ItemSeeds() {
    unlink("Data/ITEM.dat");
    ItemFile flags;
    DefaultItemFile(flags);
    WriteItemFile(flags);
    TakeWritten("Data/ITEM.dat", "item", "first");
    for (int i = 0; i < itemCount; i += 3) flags.unlocked[i] = 1;
    WriteItemFile(flags);
    TakeWritten("Data/ITEM.dat", "item", "some");
    for (uint8_t& f : flags.unlocked) f = 1;
    WriteItemFile(flags);
    TakeWritten("Data/ITEM.dat", "item", "all");
}

// Short matches of every mode, through the recorder and the encoder; one
// truncated, and one whose keys come several to a step.
void ReplaySeeds() {
    static Replay replay;
    for (int8_t mode = 0; mode < 4; ++mode) {
        MatchStart start;
        start.mode = mode;
        start.seed = 1000u + static_cast<uint32_t>(mode);
        if (mode == 2) {
            start.puzzleIndex = 3;
            for (int i = 0; i < puzzleCells; ++i) start.puzzle.cells[i] = static_cast<int8_t>(i < 70 ? -1 : i % 8);
            start.puzzle.swapLimit = 5;
            start.puzzle.goalType = goalChain;
            start.puzzle.goalValue = 3;
            start.puzzle.minutes = 2;
        }
        modelledPlay::RecordMatch(replay, start, 150 + 100 * mode, 7u + static_cast<uint32_t>(mode));
        std::string bytes;
        EncodeReplay(replay, bytes);
        WriteSeed("replay", "mode-" + std::to_string(mode), Bytes(bytes.begin(), bytes.end()));
    }
    BeginRecording(replay, MatchStart{});
    for (int s = 0; s < 120; ++s) {
        MatchInput input;
        input.player[0] = static_cast<uint16_t>(s % 3 == 0 ? 0x0FFF : s * 37 % 0x1000);
        RecordStep(replay, input);
        if (CheckpointDue(replay)) RecordCheckpoint(replay, 0x0123456789ABCDEFull * static_cast<uint64_t>(s));
    }
    ReplayResult result;
    result.outcome = outcomeLeft;
    EndRecording(replay, result);
    replay.result.truncated = 1;
    replay.result.steps = 100000;
    std::string bytes;
    EncodeReplay(replay, bytes);
    WriteSeed("replay", "chords-truncated", Bytes(bytes.begin(), bytes.end()));
}

// The search and an answer as a game writes them.
void LanSeeds() {
    uint8_t search[lanSearchBytes];
    WriteLanSearch(search);
    WriteSeed("lan", "search", Bytes(search, search + sizeof search));
    uint8_t bytes[lanAnswerBytes];
    WriteLanAnswer(41730, 0x5EED1234u, "ゲーム機", bytes);
    WriteSeed("lan", "answer", Bytes(bytes, bytes + sizeof bytes));
}

// One message of every kind, as the two games would say them.
void NetMessageSeeds() {
    NetMessage m;
    const auto put = [&m](const char* name) {
        uint8_t bytes[1200];
        const size_t size = EncodeNetMessage(m, bytes, sizeof bytes);
        WriteSeed("net_message", name, Bytes(bytes, bytes + size));
    };
    m.kind = NetKind::hello;
    std::snprintf(m.hello.version, sizeof m.hello.version, "1.0.0");
    std::snprintf(m.hello.build, sizeof m.hello.build, "gcc 12.2 x86_64");
    put("hello");
    m.kind = NetKind::profile;
    const int8_t params[5] = {3, 2, 5, 4, 1};
    std::memcpy(m.profile.params, params, sizeof params);
    m.profile.items[0] = 7;
    put("profile");
    m.kind = NetKind::accept;
    put("accept");
    m.kind = NetKind::start;
    m.start.start.mode = 1;
    m.start.start.versusWins[1] = 2;
    m.start.start.seed = 12345;
    put("start");
    m.kind = NetKind::inputs;
    m.inputs.firstStep = 300;
    m.inputs.count = 6;
    for (int i = 0; i < 6; ++i) m.inputs.bits[i] = static_cast<uint16_t>(1u << (i * 2));
    m.inputs.ackStep = 298;
    m.inputs.presentStep = 304;
    put("inputs");
    m.kind = NetKind::checksum;
    m.checksum.step = 275;
    m.checksum.sum = 0x0123456789ABCDEFull;
    put("checksum");
    m.kind = NetKind::rematch;
    m.rematch.yes = 1;
    put("rematch");
    m.kind = NetKind::bye;
    m.bye.reason = 1;
    put("bye");
}

// The keys file as the game writes it: its own keys, and each ready-made set.
void ControlsSeeds() {
    char text[2048];
    ResetBindings();
    WriteSeed("controls", "own", Bytes(text, text + FormatControls(text, sizeof text)));
    TakeKeySet(KeySet::arrows);
    WriteSeed("controls", "arrows", Bytes(text, text + FormatControls(text, sizeof text)));
    TakeKeySet(KeySet::wasd);
    playerButtons[1][bindSwap] = PadButton::start;
    playerButtons[1][bindPause] = PadButton::a;
    WriteSeed("controls", "wasd", Bytes(text, text + FormatControls(text, sizeof text)));
    ResetBindings();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_seeds <content folder> <seed folder>\n");
        return 2;
    }
    const std::string content = argv[1];
    seedRoot = argv[2];
    mkdir(seedRoot.c_str(), 0755);
    char resolved[4096];
    if (realpath(seedRoot.c_str(), resolved) == nullptr) {
        std::perror("make_seeds: seed folder");
        return 1;
    }
    seedRoot = resolved;
    BitmapSeeds(content);
    SoundSeeds(content);
    // The puzzle words as the build wrote them, and their first lines.
    Bytes ideas;
    if (!ReadFile(content + "/Text/Ideas.txt", ideas)) {
        std::fprintf(stderr, "make_seeds: no Text/Ideas.txt in %s\n", content.c_str());
        return 1;
    }
    WriteSeed("ideas", "shipped", ideas);
    WriteSeed("ideas", "lessons", Bytes(ideas.begin(), ideas.begin() + static_cast<long>(std::min<size_t>(ideas.size(), 1200))));
    ReplaySeeds();
    LanSeeds();
    NetMessageSeeds();
    ControlsSeeds();

    // The writers take game paths relative to the working folder.
    const std::string work = seedRoot + "/.work";
    mkdir(work.c_str(), 0755);
    if (chdir(work.c_str()) != 0) {
        std::perror("make_seeds: work folder");
        return 1;
    }
    OptionsSeeds();
    RankingSeeds();
    PuzzleSeeds();
    ProgressSeeds();
    ItemSeeds();
    unlink("Data/OD.dat");
    unlink("Data/ED.dat");
    unlink("Data/PZL.dat");
    unlink("Data/CLEAR.dat");
    unlink("Data/ITEM.dat");
    rmdir("Data");
    if (chdir(seedRoot.c_str()) != 0 || rmdir(work.c_str()) != 0) std::perror("make_seeds: removing the work folder");
    std::printf("make_seeds: %d seeds in %s\n", written, seedRoot.c_str());
    return 0;
}
