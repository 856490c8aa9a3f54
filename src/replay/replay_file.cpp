#include "replay/replay_file.h"

#include <unistd.h>

#include <cstdio>
#include <vector>

#include "platform/file_read.h"
#include "platform/game_files.h"

namespace {

bool Refuse(ReplayReport& report, ReplayProblem problem, const char* reason) {
    report.problem = problem;
    std::snprintf(report.reason, sizeof report.reason, "%s", reason);
    return false;
}

}  // namespace

bool ReadReplayFile(const std::string& path, Replay& replay, ReplayReport& report) {
    report = ReplayReport{};
    int64_t size = 0;
    ReadProblem problem = ReadProblem::none;
    const int fd = OpenFileForReading(path.c_str(), size, problem);
    if (fd < 0) {
        DecodeReplay(nullptr, 0, replay, report);  // leaves no match behind
        switch (problem) {
            case ReadProblem::missing: return Refuse(report, ReplayProblem::missing, "no such file");
            case ReadProblem::notRegularFile:
                return Refuse(report, ReplayProblem::notRegularFile, "not a regular file (a folder, a pipe or a device)");
            default: return Refuse(report, ReplayProblem::cannotOpen, "it cannot be opened");
        }
    }
    if (size < 0 || static_cast<uint64_t>(size) > replayMaxBytes) {
        close(fd);
        DecodeReplay(nullptr, 0, replay, report);
        report.problem = ReplayProblem::tooLarge;
        std::snprintf(report.reason, sizeof report.reason, "too large: %lld bytes, a replay has at most %zu",
                      static_cast<long long>(size), replayMaxBytes);
        return false;
    }
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    // What fstat promised must all be there; a file cut while we read is short.
    const bool read = ReadFileAt(fd, 0, bytes.data(), bytes.size());
    close(fd);
    if (!read) {
        DecodeReplay(nullptr, 0, replay, report);
        return Refuse(report, ReplayProblem::readError, "it could not be read to its end");
    }
    return DecodeReplay(bytes.data(), bytes.size(), replay, report);
}

bool WriteReplayFile(const std::string& path, const Replay& replay) {
    std::string bytes;
    EncodeReplay(replay, bytes);
    return WriteDiskFileAtomic(path, bytes.data(), bytes.size());
}

std::string ReplayProblemLine(const std::string& path, const ReplayReport& report) {
    return "sumline: cannot play replay " + path + ": " + report.reason;
}
