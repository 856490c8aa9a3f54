#include "replay/replay_folder.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>

#include "platform/game_folders.h"
#include "ranking/ranking_file.h"
#include "replay/replay_file.h"
#include "replay/replay_ranking.h"

namespace {

std::string chosenFolder;

constexpr const char* extension = ".replay";
// "YYYYMMDD-HHMMSS-NN": the age of a name.
constexpr size_t ageChars = 18;
constexpr size_t secondChars = 15;
constexpr int sequenceMax = 99;

bool Digits(const char* text, size_t count) {
    for (size_t i = 0; i < count; ++i)
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    return true;
}

std::string PathOf(const std::string& name) { return ReplayFolder() + "/" + name; }

bool IsRegularFileIn(const std::string& folder, const char* name) {
    struct stat info;
    return lstat((folder + "/" + name).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// The temporary file a cut-short save of a replay left: ".NAME.XXXXXX".
bool IsSaveLeftover(const char* entry) {
    const size_t length = std::strlen(entry);
    if (length < 8 || entry[0] != '.' || entry[length - 7] != '.') return false;
    for (size_t i = length - 6; i < length; ++i)
        if (!std::isalnum(static_cast<unsigned char>(entry[i]))) return false;
    const std::string name(entry + 1, length - 8);
    return IsReplayFileName(name.c_str());
}

// Our replays, oldest first; the leftovers of cut-short saves, if asked for.
std::vector<std::string> ScanFolder(std::vector<std::string>* leftovers) {
    std::vector<std::string> names;
    const std::string folder = ReplayFolder();
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) return names;
    while (const dirent* entry = readdir(dir)) {
        if (IsReplayFileName(entry->d_name)) {
            if (IsRegularFileIn(folder, entry->d_name)) names.push_back(entry->d_name);
        } else if (leftovers != nullptr && IsSaveLeftover(entry->d_name) && IsRegularFileIn(folder, entry->d_name)) {
            leftovers->push_back(entry->d_name);
        }
    }
    closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

// Reads one of our files for its ranking stamp; a file that cannot be read
// has none.
bool StampOfFile(const std::string& name, Replay& scratch, RankingStamp& stamp) {
    ReplayReport report;
    return ReadReplayFile(PathOf(name), scratch, report) && RankingStampOfReplay(scratch, stamp);
}

// The ranking's entries as stamps with the number of entries holding each.
struct StampCount {
    RankingStamp stamp;
    int count;
};

std::vector<StampCount> StandingStamps() {
    RankingFile table;
    ReadRankingFile(table);
    std::vector<StampCount> counts;
    for (int i = 0; i < rankingEntries; ++i) {
        RankingStamp stamp;
        if (!RankingStampOfEntry(table, i, stamp)) continue;
        auto same = std::find_if(counts.begin(), counts.end(), [&](const StampCount& c) { return c.stamp == stamp; });
        if (same == counts.end()) {
            counts.push_back({stamp, 1});
        } else {
            ++same->count;
        }
    }
    return counts;
}

}  // namespace

void SetReplayFolder(const std::string& folder) { chosenFolder = folder; }

std::string ReplayFolder() {
    if (!chosenFolder.empty()) return chosenFolder;
    const std::string& data = PlayerDataFolder();
    if (data.empty()) return "Replays";
    const size_t slash = data.rfind('/');
    if (slash == std::string::npos) return "Replays";
    return data.substr(0, slash + (slash == 0 ? 1 : 0)) + (slash == 0 ? "" : "/") + "Replays";
}

std::string ReplayFileName(int64_t unixSeconds, int sequence, int mode) {
    const time_t when = static_cast<time_t>(unixSeconds);
    tm parts{};
    gmtime_r(&when, &parts);
    char name[64];
    std::snprintf(name, sizeof name, "%04d%02d%02d-%02d%02d%02d-%02d-%s%s", parts.tm_year + 1900, parts.tm_mon + 1,
                  parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec, std::clamp(sequence, 0, sequenceMax),
                  ReplayModeWord(std::clamp(mode, 0, 3)), extension);
    return name;
}

bool IsReplayFileName(const char* name) {
    if (name == nullptr || std::strlen(name) < ageChars + 1) return false;
    if (!Digits(name, 8) || name[8] != '-' || !Digits(name + 9, 6) || name[15] != '-' || !Digits(name + 16, 2) ||
        name[18] != '-')
        return false;
    for (int mode = 0; mode < 4; ++mode) {
        const std::string whole = std::string(ReplayModeWord(mode)) + extension;
        if (std::strcmp(name + ageChars + 1, whole.c_str()) == 0) return true;
    }
    return false;
}

std::vector<std::string> ListReplays() {
    std::vector<std::string> names = ScanFolder(nullptr);
    std::reverse(names.begin(), names.end());
    return names;
}

bool SaveReplay(const Replay& replay, std::string& savedName) {
    return SaveReplayAt(replay, static_cast<int64_t>(std::time(nullptr)), savedName);
}

bool SaveReplayAt(const Replay& replay, int64_t unixSeconds, std::string& savedName) {
    savedName.clear();
    const std::vector<std::string> names = ScanFolder(nullptr);
    std::string second = ReplayFileName(unixSeconds, 0, 0).substr(0, secondChars);
    int sequence = 0;
    if (!names.empty()) {
        const std::string& newest = names.back();
        const std::string newestSecond = newest.substr(0, secondChars);
        if (second <= newestSecond) {
            second = newestSecond;
            sequence = std::atoi(newest.substr(secondChars + 1, 2).c_str()) + 1;
        }
    }
    if (sequence > sequenceMax) {
        std::fprintf(stderr, "sumline: cannot save a replay in %s: %d saves in one second already\n",
                     ReplayFolder().c_str(), sequenceMax + 1);
        return false;
    }
    const std::string name = second + ReplayFileName(0, sequence, replay.start.mode).substr(secondChars);
    if (!WriteReplayFile(PathOf(name), replay)) return false;
    savedName = name;
    PruneReplays();
    return true;
}

int PruneReplays() {
    std::vector<std::string> leftovers;
    const std::vector<std::string> names = ScanFolder(&leftovers);
    const std::string folder = ReplayFolder();
    int removed = 0;
    for (const std::string& name : leftovers)
        if (unlink((folder + "/" + name).c_str()) == 0) ++removed;
    const int old = static_cast<int>(names.size()) - replaysKept;
    if (old <= 0) return removed;

    // Oldest first, each standing entry claims the oldest replay of its
    // stamp not yet claimed; the newest replays are kept anyway, so only the
    // older ones need reading.
    std::vector<StampCount> standing = StandingStamps();
    std::unique_ptr<Replay> scratch = std::make_unique<Replay>();
    for (int i = 0; i < old; ++i) {
        RankingStamp stamp;
        if (!standing.empty() && StampOfFile(names[i], *scratch, stamp)) {
            auto entry = std::find_if(standing.begin(), standing.end(),
                                      [&](const StampCount& c) { return c.stamp == stamp && c.count > 0; });
            if (entry != standing.end()) {
                --entry->count;
                continue;
            }
        }
        if (unlink(PathOf(names[i]).c_str()) == 0) ++removed;
    }
    return removed;
}

std::string FindRankingReplay(const RankingFile& table, int place) {
    RankingStamp wanted;
    if (!RankingStampOfEntry(table, place, wanted)) return std::string();
    int skip = EqualEntriesAbove(table, place);
    std::unique_ptr<Replay> scratch = std::make_unique<Replay>();
    for (const std::string& name : ScanFolder(nullptr)) {
        RankingStamp stamp;
        if (!StampOfFile(name, *scratch, stamp) || !(stamp == wanted)) continue;
        if (skip == 0) return PathOf(name);
        --skip;
    }
    return std::string();
}
