#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "ranking/ranking_file.h"
#include "ranking/ranking_test_util.h"

namespace {

using namespace rankingTest;

// The screens can show every field of every entry, and the empty entries
// come last, whatever the file held.
void ExpectDrawable(const RankingFile& t) {
    bool seenEmpty = false;
    for (int i = 0; i < rankingEntries; ++i) {
        ASSERT_GE(t.score[i], -1) << i;
        ASSERT_LE(t.score[i], 99999999) << i;
        if (t.score[i] == -1) {
            seenEmpty = true;
            continue;
        }
        ASSERT_FALSE(seenEmpty) << "valid entry " << i << " after an empty one";
        ASSERT_GE(t.scoreHigh[i], 0);
        ASSERT_LE(t.scoreHigh[i], 9999);
        ASSERT_GE(t.level[i], 1);
        ASSERT_LE(t.level[i], 999);
        ASSERT_GE(t.maxChain[i], 0);
        ASSERT_LE(t.maxChain[i], 999);
        for (int8_t code : t.name[i]) {
            ASSERT_GE(code, 0);
            ASSERT_LE(code, 39);
        }
        ASSERT_GE(t.time[i][0], 0);
        ASSERT_LE(t.time[i][0], 99);
        for (int k = 1; k < 3; ++k) {
            ASSERT_GE(t.time[i][k], 0);
            ASSERT_LE(t.time[i][k], 59);
        }
        ASSERT_GE(t.grade[i], 0);
        ASSERT_LE(t.grade[i], 11);
        ASSERT_GE(t.difficulty[i], 0);
        ASSERT_LE(t.difficulty[i], 2);
        if (i > 0 && t.score[i - 1] >= 0) {
            const bool below = t.scoreHigh[i] < t.scoreHigh[i - 1] ||
                               (t.scoreHigh[i] == t.scoreHigh[i - 1] && t.score[i] <= t.score[i - 1]);
            ASSERT_TRUE(below) << "entry " << i << " ranks above the one before it";
        }
    }
}

TEST(RankingFile, WrittenFileIsTheEightArraysLittleEndian) {
    harness::StartFresh();
    RankingFile t;
    MakeEmptyTable(t);
    SetEntry(t, 0, 12, 34567890);
    t.level[0] = 345;
    t.maxChain[0] = 21;
    t.name[0][0] = 7;
    t.name[0][1] = 39;
    t.name[0][2] = 29;
    t.name[0][3] = 26;
    t.time[0][0] = 2;
    t.time[0][1] = 3;
    t.time[0][2] = 4;
    t.grade[0] = 2;
    t.difficulty[0] = 1;
    SetEntry(t, 1, 0, 258);
    StoreTable(t);

    const std::vector<uint8_t> b = ReadRaw();
    ASSERT_EQ(b.size(), 3400u);
    EXPECT_EQ(GetInt(b, 0), 34567890);
    EXPECT_EQ(b[4], 0x02);  // 258, low byte first
    EXPECT_EQ(b[5], 0x01);
    EXPECT_EQ(GetInt(b, 8), -1);
    EXPECT_EQ(b[8], 0xFF);
    EXPECT_EQ(GetInt(b, 396), -1);
    EXPECT_EQ(GetInt(b, 400), 12);
    EXPECT_EQ(GetInt(b, 800), 345);
    EXPECT_EQ(GetInt(b, 1200), 21);
    EXPECT_EQ(b[1600], 7);
    EXPECT_EQ(b[1601], 39);
    EXPECT_EQ(b[1602], 29);
    EXPECT_EQ(b[1603], 26);
    EXPECT_EQ(b[1604], t.name[1][0]);
    EXPECT_EQ(GetInt(b, 2000), 2);
    EXPECT_EQ(GetInt(b, 2004), 3);
    EXPECT_EQ(GetInt(b, 2008), 4);
    EXPECT_EQ(GetInt(b, 2012), t.time[1][0]);
    EXPECT_EQ(GetInt(b, 2016), t.time[1][1]);
    EXPECT_EQ(b[3200], 2);
    EXPECT_EQ(b[3201], t.grade[1]);
    EXPECT_EQ(b[3300], 1);
    EXPECT_EQ(b[3301], t.difficulty[1]);
    EXPECT_EQ(b[3399], 0);
}

TEST(RankingFile, MissingFileIsAnEmptyTable) {
    harness::StartFresh();
    RankingFile t;
    std::memset(&t, 0x5A, sizeof t);
    ReadRankingFile(t);
    for (int i = 0; i < rankingEntries; ++i) {
        EXPECT_EQ(t.score[i], -1);
        EXPECT_EQ(t.scoreHigh[i], 0);
        EXPECT_EQ(t.level[i], 0);
        EXPECT_EQ(t.maxChain[i], 0);
        EXPECT_EQ(t.time[i][1], 0);
        EXPECT_EQ(t.name[i][2], 0);
        EXPECT_EQ(t.grade[i], 0);
        EXPECT_EQ(t.difficulty[i], 0);
    }
}

TEST(RankingFile, AFullTableReadsBackExactly) {
    harness::StartFresh();
    RankingFile t;
    MakeFullTable(t);
    SetEntry(t, 0, 9999, 99999999);
    t.time[0][0] = 99;
    t.level[0] = 999;
    t.maxChain[0] = 999;
    StoreTable(t);
    const std::vector<uint8_t> first = ReadRaw();
    RankingFile back;
    ReadRankingFile(back);
    for (int i = 0; i < rankingEntries; ++i) EXPECT_TRUE(SameEntry(back, i, t, i)) << i;
    rankingTable = back;
    WriteRankingFile();
    EXPECT_EQ(ReadRaw(), first);
}

TEST(RankingFile, ShortFileIsReadAsFarAsItGoes) {
    harness::StartFresh();
    // The first score whole, the second cut after two bytes.
    std::vector<uint8_t> b(6, 0);
    PutInt(b, 0, 4321);
    b[4] = 0x10;
    WriteRaw(b);
    RankingFile t;
    ReadRankingFile(t);
    EXPECT_EQ(t.score[0], 4321);
    EXPECT_EQ(t.scoreHigh[0], 0);
    EXPECT_EQ(t.level[0], 1);  // lacking, so brought up to the lowest level
    EXPECT_EQ(t.score[1], -1);
    EXPECT_EQ(t.score[99], -1);
    ExpectDrawable(t);

    // Cut inside the times: the whole times read, the rest as for an empty file.
    std::vector<uint8_t> c(2006, 0);
    for (int i = 0; i < 100; ++i) {
        PutInt(c, 4 * i, 100 - i);
        PutInt(c, 800 + 4 * i, 5);
    }
    PutInt(c, 2000, 7);
    WriteRaw(c);
    ReadRankingFile(t);
    EXPECT_EQ(t.score[99], 1);
    EXPECT_EQ(t.level[50], 5);
    EXPECT_EQ(t.time[0][0], 7);
    EXPECT_EQ(t.time[0][1], 0);
    EXPECT_EQ(t.grade[0], 0);
    ExpectDrawable(t);
}

TEST(RankingFile, LongFileUsesItsFirst3400Bytes) {
    harness::StartFresh();
    RankingFile t;
    MakeFullTable(t);
    StoreTable(t);
    std::vector<uint8_t> b = ReadRaw();
    b.resize(5000, 0xEE);
    WriteRaw(b);
    RankingFile back;
    ReadRankingFile(back);
    for (int i = 0; i < rankingEntries; ++i) EXPECT_TRUE(SameEntry(back, i, t, i)) << i;
}

TEST(RankingFile, OutOfRangeFieldsAreBroughtIntoWhatTheScreensShow) {
    harness::StartFresh();
    std::vector<uint8_t> b(3400, 0);
    for (int i = 0; i < 100; ++i) PutInt(b, 4 * i, -1);
    PutInt(b, 0, 2000000000);
    PutInt(b, 400, 123456);
    PutInt(b, 800, 5000);
    PutInt(b, 1200, 70000);
    b[1600] = 100;
    b[1601] = 0xFB;  // -5
    b[1602] = 39;
    b[1603] = 40;
    PutInt(b, 2000, 250);
    PutInt(b, 2004, -3);
    PutInt(b, 2008, 75);
    b[3200] = 50;
    b[3300] = 9;
    PutInt(b, 4, 500);
    PutInt(b, 404, -7);
    PutInt(b, 804, -2);
    PutInt(b, 1204, -1);
    PutInt(b, 2016, 60);
    b[3201] = 0x80;
    b[3301] = 0xFE;
    WriteRaw(b);
    RankingFile t;
    ReadRankingFile(t);
    EXPECT_EQ(t.score[0], 99999999);
    EXPECT_EQ(t.scoreHigh[0], 9999);
    EXPECT_EQ(t.level[0], 999);
    EXPECT_EQ(t.maxChain[0], 999);
    EXPECT_EQ(t.name[0][0], 39);
    EXPECT_EQ(t.name[0][1], 0);
    EXPECT_EQ(t.name[0][2], 39);
    EXPECT_EQ(t.name[0][3], 39);
    EXPECT_EQ(t.time[0][0], 99);
    EXPECT_EQ(t.time[0][1], 0);
    EXPECT_EQ(t.time[0][2], 59);
    EXPECT_EQ(t.grade[0], 11);
    EXPECT_EQ(t.difficulty[0], 2);
    EXPECT_EQ(t.score[1], 500);
    EXPECT_EQ(t.scoreHigh[1], 0);
    EXPECT_EQ(t.level[1], 1);
    EXPECT_EQ(t.maxChain[1], 0);
    EXPECT_EQ(t.time[1][1], 59);
    EXPECT_EQ(t.grade[1], 0);
    EXPECT_EQ(t.difficulty[1], 0);
    ExpectDrawable(t);
}

TEST(RankingFile, EmptyEntryInTheMiddleLeavesTheOthersInOrder) {
    harness::StartFresh();
    RankingFile t;
    MakeEmptyTable(t);
    SetEntry(t, 0, 0, 900);
    SetEntry(t, 1, 0, 800);
    t.score[2] = -1;
    t.scoreHigh[2] = 50;  // an empty entry carrying junk
    SetEntry(t, 3, 0, 700);
    SetEntry(t, 4, 0, 950);  // out of order
    const RankingFile written = t;
    StoreTable(t);
    RankingFile back;
    ReadRankingFile(back);
    EXPECT_TRUE(SameEntry(back, 0, written, 4));
    EXPECT_TRUE(SameEntry(back, 1, written, 0));
    EXPECT_TRUE(SameEntry(back, 2, written, 1));
    EXPECT_TRUE(SameEntry(back, 3, written, 3));
    EXPECT_EQ(back.score[4], -1);
    EXPECT_EQ(back.scoreHigh[4], 0);
    ExpectDrawable(back);
}

TEST(RankingFile, AnyBytesOfAnyLengthReadWithoutHarm) {
    harness::StartFresh();
    std::srand(20240611);
    const size_t lengths[] = {0, 1, 3, 4, 399, 400, 401, 1603, 2001, 3199, 3299, 3399, 3400, 3401, 4096};
    for (int round = 0; round < 60; ++round) {
        const size_t n = round < 15 ? lengths[round] : static_cast<size_t>(std::rand() % 4200);
        std::vector<uint8_t> b(n);
        for (uint8_t& v : b) v = static_cast<uint8_t>(std::rand());
        // Some rounds keep plausible scores so valid entries mix with junk.
        if (round % 3 == 0)
            for (size_t i = 0; i + 4 <= n && i < 400; i += 4) PutInt(b, i, std::rand() % 3000 - 500);
        WriteRaw(b);
        RankingFile t;
        ReadRankingFile(t);
        ExpectDrawable(t);
    }
}

TEST(RankingFile, WriteReplacesTheWholeFileAndLeavesNothingBehind) {
    harness::StartFresh();
    WriteRaw(std::vector<uint8_t>(5000, 0xAA));
    RankingFile t;
    MakeFullTable(t);
    StoreTable(t);
    EXPECT_EQ(ReadRaw().size(), 3400u);
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(harness::WorkDir() + "/Data")) {
        EXPECT_EQ(entry.path().filename().string(), "ED.dat");
        ++files;
    }
    EXPECT_EQ(files, 1);
}

TEST(RankingFile, WriteThatCannotLandLeavesNoTemporaryFile) {
    harness::StartFresh();
    // A folder where the file should be: the rename fails, nothing is left over.
    std::filesystem::create_directories(RankingPath() + "/inside");
    MakeFullTable(rankingTable);
    WriteRankingFile();
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(harness::WorkDir() + "/Data")) {
        EXPECT_EQ(entry.path().filename().string(), "ED.dat");
        ++files;
    }
    EXPECT_EQ(files, 1);
    EXPECT_TRUE(std::filesystem::is_directory(RankingPath()));
}

TEST(RankingFile, NameCharactersFollowTheCodeTable) {
    EXPECT_EQ(NameCharacter(0), 'A');
    EXPECT_EQ(NameCharacter(25), 'Z');
    EXPECT_EQ(NameCharacter(26), '!');
    EXPECT_EQ(NameCharacter(27), '?');
    EXPECT_EQ(NameCharacter(28), '.');
    EXPECT_EQ(NameCharacter(29), '0');
    EXPECT_EQ(NameCharacter(38), '9');
    EXPECT_EQ(NameCharacter(39), '_');
    EXPECT_EQ(NameCharacter(-1), '_');
    EXPECT_EQ(NameCharacter(40), '_');
}

}  // namespace
