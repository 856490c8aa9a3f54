#pragma once
#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// The names in a folder (without "." and ".."), sorted; none when it is missing.
inline std::vector<std::string> FolderEntries(const char* folder) {
    std::vector<std::string> names;
    DIR* dir = opendir(folder);
    if (dir == nullptr) return names;
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

// Runs each test inside a fresh empty working directory, since game paths
// are relative to it, and removes the directory afterwards.
class TempWorkDir : public ::testing::Test {
protected:
    void SetUp() override {
        char buffer[4096];
        ASSERT_NE(getcwd(buffer, sizeof buffer), nullptr);
        previousDir = buffer;
        char pattern[] = "/tmp/sumline-files-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        workDir = pattern;
        ASSERT_EQ(chdir(workDir.c_str()), 0);
    }
    void TearDown() override {
        ASSERT_EQ(chdir(previousDir.c_str()), 0);
        const std::string command = "rm -rf '" + workDir + "'";
        ASSERT_EQ(std::system(command.c_str()), 0);
    }

    std::string previousDir;
    std::string workDir;
};

// Writes bytes to a disk path (forward slashes), creating one folder level.
inline void PutFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    const size_t slash = path.rfind('/');
    if (slash != std::string::npos) mkdir(path.substr(0, slash).c_str(), 0755);
    // A fresh file each time: rewriting one in place makes the file system
    // flush it to disk on close, which is slow in loops.
    unlink(path.c_str());
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr) << path;
    if (!bytes.empty()) {
        ASSERT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), file), bytes.size());
    }
    std::fclose(file);
}

inline void PutText(const std::string& path, const std::string& text) {
    PutFile(path, std::vector<uint8_t>(text.begin(), text.end()));
}

inline std::string FileText(const std::string& path) {
    std::string text;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return "<missing>";
    char buffer[4096];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, got);
    std::fclose(file);
    return text;
}

inline void PutLe16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

inline void PutLe32(std::vector<uint8_t>& out, uint32_t value) {
    PutLe16(out, value & 0xFFFF);
    PutLe16(out, value >> 16);
}
