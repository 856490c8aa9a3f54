#include "platform/game_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/file_read.h"
#include "platform/game_folders.h"
#include "platform/language_files.h"
#include "platform/load_report.h"
#include "platform/temp_files.h"

namespace {

bool Exists(const std::string& path) {
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
}

// The entry of folder whose name equals name ignoring case; an exact match
// wins, otherwise the smallest candidate, so the choice never depends on the
// order the folder happens to list its entries in.
bool FindEntryIgnoringCase(const std::string& folder, const std::string& name, std::string& found) {
    const std::string probe = folder.empty() ? name : folder + "/" + name;
    if (Exists(probe)) {
        found = name;
        return true;
    }
    DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr) return false;
    bool any = false;
    while (const dirent* entry = readdir(dir)) {
        if (strcasecmp(entry->d_name, name.c_str()) != 0) continue;
        if (!any || std::strcmp(entry->d_name, found.c_str()) < 0) found = entry->d_name;
        any = true;
    }
    closedir(dir);
    return any;
}

// Splits a game path into components. Absolute paths, drive letters and ".."
// are refused so that a path can never leave the working directory.
bool SplitGamePath(const char* gamePath, std::string (&parts)[16], int& count) {
    count = 0;
    if (gamePath == nullptr || gamePath[0] == '\0') return false;
    if (gamePath[0] == '\\' || gamePath[0] == '/') return false;
    if (std::strchr(gamePath, ':') != nullptr) return false;
    std::string part;
    for (const char* p = gamePath;; ++p) {
        const char c = *p;
        // Forward slashes separate too: otherwise "Data/../x" would sneak past.
        if (c == '\\' || c == '/' || c == '\0') {
            if (part == "..") return false;
            if (!part.empty() && part != ".") {
                if (count == 16) return false;
                parts[count++] = part;
            }
            part.clear();
            if (c == '\0') break;
        } else {
            part += c;
        }
    }
    return count > 0;
}

// Regular files only, opened without waiting: a pipe or device in place of
// a game file reads as a file that cannot be opened.
std::FILE* OpenForReading(const char* path, bool onDisk) {
    int64_t size = 0;
    ReadProblem problem = ReadProblem::none;
    const int fd = onDisk ? OpenFileForReading(path, size, problem) : OpenGameFileForReading(path, size, problem);
    if (fd < 0) return nullptr;
    std::FILE* file = fdopen(fd, "rb");
    if (file == nullptr) close(fd);
    return file;
}

// Why a game file cannot be opened, for the report.
ReadProblem GameFileProblem(const char* gamePath) {
    int64_t size = 0;
    ReadProblem problem = ReadProblem::none;
    const int fd = OpenGameFileForReading(gamePath, size, problem);
    if (fd >= 0) close(fd);
    return problem;
}

// Creates every missing folder of a resolved path's parent.
bool MakeFolders(const std::string& filePath) {
    for (size_t slash = filePath.find('/'); slash != std::string::npos;
         slash = filePath.find('/', slash + 1)) {
        if (slash == 0) continue;  // the root of an absolute path
        const std::string folder = filePath.substr(0, slash);
        if (mkdir(folder.c_str(), 0755) != 0 && errno != EEXIST) return false;
        struct stat info;
        if (stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return false;
    }
    return true;
}

void SyncFolder(const std::string& folder) {
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

// The rest of ReadWhole*File once the file is open; closes it.
bool ReadWhole(std::FILE* file, std::string& out, size_t maxBytes) {
    struct stat info;
    if (fstat(fileno(file), &info) != 0 || info.st_size < 0 ||
        static_cast<unsigned long long>(info.st_size) > maxBytes) {
        std::fclose(file);
        return false;
    }
    out.resize(static_cast<size_t>(info.st_size));
    size_t got = out.empty() ? 0 : std::fread(out.data(), 1, out.size(), file);
    // The file may have changed since fstat: what is there now, within the cap.
    if (got == out.size()) {
        char extra[4096];
        size_t more;
        while ((more = std::fread(extra, 1, sizeof extra, file)) > 0) {
            if (got + more > maxBytes) {
                std::fclose(file);
                out.clear();
                return false;
            }
            out.append(extra, more);
            got += more;
        }
    }
    out.resize(got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) out.clear();
    return !failed;
}

}  // namespace

std::string ResolveGamePath(const char* gamePath) {
    std::string parts[16];
    int count = 0;
    if (!SplitGamePath(gamePath, parts, count)) return std::string();
    bool consumed = false;
    std::string path = GameRootFor(parts[0], consumed);
    bool onDisk = true;
    for (int i = consumed ? 1 : 0; i < count; ++i) {
        std::string name = parts[i];
        if (onDisk) {
            std::string found;
            if (FindEntryIgnoringCase(path, name, found)) {
                name = found;
            } else {
                onDisk = false;  // nothing below a missing folder can exist
            }
        }
        path += path.empty() ? name : "/" + name;
    }
    return path;
}

long ReadGameFile(const char* gamePath, void* buffer, size_t capacity) {
    std::FILE* file = OpenForReading(gamePath, false);
    if (file == nullptr) return -1;
    const size_t count = buffer == nullptr ? 0 : std::fread(buffer, 1, capacity, file);
    std::fclose(file);
    return static_cast<long>(count);
}

bool ReadWholeGameFile(const char* gamePath, std::string& out, size_t maxBytes) {
    out.clear();
    // The words in the language in force (platform/language_files.h); the
    // game's own file when the twin cannot be read, which is named once.
    std::string twin;
    if (LanguageTwinPath(gamePath, twin)) {
        std::FILE* file = OpenForReading(twin.c_str(), false);
        if (file != nullptr && ReadWhole(file, out, maxBytes)) return true;
        ReportUnreadableFile(twin.c_str(), file == nullptr ? GameFileProblem(twin.c_str()) : ReadProblem::tooLarge);
    }
    std::FILE* file = OpenForReading(gamePath, false);
    return file != nullptr && ReadWhole(file, out, maxBytes);
}

bool ReadWholeDiskFile(const std::string& diskPath, std::string& out, size_t maxBytes) {
    out.clear();
    std::FILE* file = OpenForReading(diskPath.c_str(), true);
    return file != nullptr && ReadWhole(file, out, maxBytes);
}

namespace {

// One line on standard error naming the file and why it was not written;
// the caller's false says the rest. Returns false for the caller to pass on.
bool FailedWrite(const std::string& file, const char* step, int error) {
    std::fprintf(stderr, "sumline: cannot save %s: %s: %s\n", file.c_str(), step, std::strerror(error));
    return false;
}

// write(2) until every byte is out; errno tells why when it is not.
bool WriteAll(int fd, const void* data, size_t size) {
    const char* at = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t done = write(fd, at, size);
        if (done < 0 && errno == EINTR) continue;
        if (done <= 0) {
            if (done == 0) errno = EIO;
            return false;
        }
        at += done;
        size -= static_cast<size_t>(done);
    }
    return true;
}

}  // namespace

bool WriteGameFileAtomic(const char* gamePath, const void* data, size_t size) {
    const char* shown = gamePath != nullptr ? gamePath : "(none)";
    if (data == nullptr && size > 0) return FailedWrite(shown, "no bytes given", EINVAL);
    const std::string path = ResolveGamePath(gamePath);
    if (path.empty()) return FailedWrite(shown, "path outside the game folder", EINVAL);
    return WriteDiskFileAtomic(path, data, size);
}

bool WriteDiskFileAtomic(const std::string& path, const void* data, size_t size) {
    if (path.empty()) return FailedWrite("(none)", "no path given", EINVAL);
    if (data == nullptr && size > 0) return FailedWrite(path, "no bytes given", EINVAL);
    // MakeFolders meets EEXIST when a file stands where a folder should.
    if (!MakeFolders(path)) return FailedWrite(path, "folder", errno == EEXIST ? ENOTDIR : errno);

    std::string tempPath = TempTemplateBeside(path);
    const int fd = mkstemp(tempPath.data());
    if (fd < 0) return FailedWrite(path, "temporary file", errno);
    // Keep the old file's permissions; mkstemp's 0600 would lock others out.
    struct stat old;
    fchmod(fd, stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644);

    // The first step that fails is the one reported.
    const char* failed = nullptr;
    int error = 0;
    const auto step = [&](bool done, const char* name) {
        if (done || failed != nullptr) return;
        failed = name;
        error = errno;
    };
    step(WriteAll(fd, data, size), "write");
    step(fsync(fd) == 0, "sync");
    step(close(fd) == 0, "close");
    if (failed == nullptr) step(std::rename(tempPath.c_str(), path.c_str()) == 0, "rename");
    if (failed != nullptr) {
        unlink(tempPath.c_str());
        return FailedWrite(path, failed, error);
    }
    const size_t slash = path.rfind('/');
    SyncFolder(slash == std::string::npos ? std::string() : path.substr(0, slash));
    return true;
}

int RemoveWriteLeftovers(const char* gameFolder, const char* const* names, int count) {
    const std::string folder = ResolveGamePath(gameFolder);
    if (folder.empty()) return 0;
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) return 0;
    const int fd = dirfd(dir);
    int removed = 0;
    while (const dirent* entry = readdir(dir)) {
        if (!IsTempOfWrite(entry->d_name, names, count)) continue;
        // mkstemp only makes regular files: a folder or a link of that name
        // is someone else's.
        struct stat info;
        if (fstatat(fd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(info.st_mode)) continue;
        if (unlinkat(fd, entry->d_name, 0) == 0) ++removed;
    }
    closedir(dir);
    return removed;
}
