#include "fuzz_support.h"

#include <dirent.h>
#include <ftw.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string fuzzFolder;
std::vector<std::string> argStore;
std::vector<char*> argPointers;

std::string Absolute(const std::string& path) {
    if (path.empty() || path[0] == '/') return path;
    char cwd[4096];
    if (getcwd(cwd, sizeof cwd) == nullptr) return path;
    return std::string(cwd) + "/" + path;
}

// libFuzzer flags whose value names a file or a prefix of one.
std::string AbsoluteArgument(const std::string& arg) {
    if (arg.empty()) return arg;
    if (arg[0] != '-') return Absolute(arg);
    for (const char* flag : {"-artifact_prefix=", "-exact_artifact_path=", "-dict=", "-features_dir="}) {
        const size_t length = std::strlen(flag);
        if (arg.compare(0, length, flag) == 0) return flag + Absolute(arg.substr(length));
    }
    return arg;
}

int RemoveEntry(const char* path, const struct stat*, int, struct FTW*) { return std::remove(path); }

void RemoveFolder(const std::string& folder) { nftw(folder.c_str(), RemoveEntry, 16, FTW_DEPTH | FTW_PHYS); }

void RemoveFuzzFolder() {
    if (fuzzFolder.empty() || chdir("/") != 0) return;
    RemoveFolder(fuzzFolder);
}

// A run that found something ends at once, without its exit handlers, and
// leaves its folder behind; the folder names its process, so later runs
// clear the folders of processes that are gone.
void RemoveAbandonedFolders(const std::string& root) {
    DIR* dir = opendir(root.c_str());
    if (dir == nullptr) return;
    std::vector<std::string> gone;
    while (const dirent* entry = readdir(dir)) {
        long pid = 0;
        char rest[32];
        if (std::sscanf(entry->d_name, "sumline-fuzz-%ld-%31s", &pid, rest) != 2 || pid <= 0) continue;
        if (kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) gone.push_back(root + "/" + entry->d_name);
    }
    closedir(dir);
    for (const std::string& folder : gone) RemoveFolder(folder);
}

// Memory-backed when there is one: the writers fsync every file.
std::string TempRoot() {
    if (access("/dev/shm", W_OK) == 0) return "/dev/shm";
    const char* tmp = std::getenv("TMPDIR");
    return tmp != nullptr && tmp[0] != '\0' ? tmp : "/tmp";
}

void MakeParentFolders(const std::string& path) {
    for (size_t slash = path.find('/'); slash != std::string::npos; slash = path.find('/', slash + 1)) {
        mkdir(path.substr(0, slash).c_str(), 0755);
    }
}

}  // namespace

void FuzzFail(const char* what, const char* file, int line) {
    std::fprintf(stderr, "\nFUZZ CHECK FAILED: %s\n  at %s:%d\n", what, file, line);
    std::abort();
}

void EnterFuzzFolder(int* argc, char*** argv) {
    for (int i = 0; i < *argc; ++i) argStore.push_back(i == 0 ? (*argv)[i] : AbsoluteArgument((*argv)[i]));
    for (std::string& arg : argStore) argPointers.push_back(arg.data());
    argPointers.push_back(nullptr);
    *argv = argPointers.data();

    const std::string root = TempRoot();
    RemoveAbandonedFolders(root);
    std::string pattern = root + "/sumline-fuzz-" + std::to_string(getpid()) + "-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr || chdir(pattern.c_str()) != 0) {
        std::perror("sumline fuzz: cannot make a working folder");
        std::exit(1);
    }
    fuzzFolder = pattern;
    std::atexit(RemoveFuzzFolder);
}

void PutFile(const char* path, const uint8_t* data, size_t size) {
    MakeParentFolders(path);
    // A new file rather than one truncated in place, which some file systems
    // flush on close.
    unlink(path);
    std::FILE* file = std::fopen(path, "wb");
    if (file == nullptr) FuzzFail("the input file can be created", __FILE__, __LINE__);
    const bool ok = size == 0 || std::fwrite(data, 1, size, file) == size;
    if (std::fclose(file) != 0 || !ok) FuzzFail("the input file can be written", __FILE__, __LINE__);
}

std::vector<uint8_t> FileBytes(const char* path) {
    std::vector<uint8_t> bytes;
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) return bytes;
    uint8_t buffer[4096];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.insert(bytes.end(), buffer, buffer + got);
    std::fclose(file);
    return bytes;
}

bool FileExists(const char* path) {
    struct stat info;
    return stat(path, &info) == 0;
}
