#include "platform/file_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/game_files.h"

const char* ReadProblemText(ReadProblem problem) {
    switch (problem) {
        case ReadProblem::none: return "no problem";
        case ReadProblem::badPath: return "not a path inside the game folder";
        case ReadProblem::missing: return "missing";
        case ReadProblem::notRegularFile: return "not a regular file";
        case ReadProblem::cannotOpen: return "cannot be opened";
        case ReadProblem::tooLarge: return "too large";
        case ReadProblem::damagedHeader: return "damaged header";
        case ReadProblem::truncated: return "shorter than its header says";
        case ReadProblem::damagedData: return "damaged data";
        case ReadProblem::unsupported: return "unsupported format";
        case ReadProblem::readError: return "read error";
    }
    return "unknown problem";
}

int OpenFileForReading(const char* diskPath, int64_t& size, ReadProblem& problem) {
    size = 0;
    if (diskPath == nullptr || diskPath[0] == '\0') {
        problem = ReadProblem::badPath;
        return -1;
    }
    // A FIFO would hold a plain open until some writer appears; O_NONBLOCK
    // returns at once, and fstat then turns it away with every other file that is not a regular one.
    const int fd = open(diskPath, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        problem = errno == ENOENT || errno == ENOTDIR ? ReadProblem::missing : ReadProblem::cannotOpen;
        return -1;
    }
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        problem = ReadProblem::notRegularFile;
        return -1;
    }
    // Regular files ignore the flag; dropped all the same, so reads never see EAGAIN.
    const int flags = fcntl(fd, F_GETFL);
    if (flags >= 0) fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    size = static_cast<int64_t>(info.st_size);
    problem = ReadProblem::none;
    return fd;
}

int OpenGameFileForReading(const char* gamePath, int64_t& size, ReadProblem& problem) {
    const std::string path = ResolveGamePath(gamePath);
    if (path.empty()) {
        size = 0;
        problem = ReadProblem::badPath;
        return -1;
    }
    return OpenFileForReading(path.c_str(), size, problem);
}

bool ReadFileAt(int fd, int64_t offset, void* buffer, size_t size) {
    if (offset < 0 || (buffer == nullptr && size > 0)) return false;
    char* at = static_cast<char*>(buffer);
    while (size > 0) {
        const ssize_t got = pread(fd, at, size, static_cast<off_t>(offset));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        at += got;
        offset += got;
        size -= static_cast<size_t>(got);
    }
    return true;
}
