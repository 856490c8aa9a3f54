#include "harness/harness.h"

#include <stdlib.h>
#include <unistd.h>

#include <strings.h>
#include <filesystem>

#include "editor/editor_state.h"
#include "frontend/boot_scene.h"
#include "frontend/front_end_reset.h"
#include "gallery/gallery_scene.h"
#include "harness/png_writer.h"
#include "match/match_state.h"
#include "options/options_file.h"
#include "options/options_screen.h"
#include "platform/platform_reset.h"
#include "puzzle/progress_file.h"
#include "ranking/name_entry.h"
#include "ranking/ranking_viewer.h"
#include "setup/player_params.h"
#include "shell/first_run_guides.h"
#include "shell/game_loop.h"
#include "shell/scene.h"
#include "shell/shell_reset.h"

namespace fs = std::filesystem;

namespace harness {

namespace {

std::string workDir;
std::string startDir;

void RemoveWorkDir() {
    if (workDir.empty()) return;
    if (!startDir.empty() && chdir(startDir.c_str()) != 0) {
    }
    std::error_code ignored;
    fs::remove_all(workDir, ignored);
    workDir.clear();
}

void MakeWorkDir() {
    if (startDir.empty()) {
        startDir = fs::current_path().string();
        std::atexit(RemoveWorkDir);
    }
    RemoveWorkDir();
    char pattern[] = "/tmp/sumline-test-XXXXXX";
    const char* made = mkdtemp(pattern);
    if (made == nullptr) return;
    workDir = made;
    const fs::path content(SUMLINE_CONTENT_DIR);
    std::error_code ignored;
    fs::create_directory_symlink(content / "Back", fs::path(workDir) / "Back", ignored);
    fs::create_directory_symlink(content / "Sound", fs::path(workDir) / "Sound", ignored);
    fs::create_directory_symlink(content / "Text", fs::path(workDir) / "Text", ignored);
    fs::create_directory_symlink(content / "defaults", fs::path(workDir) / "defaults", ignored);
    fs::create_directory(fs::path(workDir) / "Data", ignored);
    if (chdir(workDir.c_str()) != 0) {
    }
}

void ResetRecords() {
    ResetPlatformRecords();
    ResetShellRecords();
    ResetOptionsRecords();
    ResetOptionsScreen();
    ResetSetupRecords();
    ResetPuzzleRecords();
    ResetEditorRecords();
    ResetRankingRecords();
    ResetRankingViewer();
    ResetGalleryRecords();
    ResetMatchRecords();
    ResetFrontEndRecords();
}

}  // namespace

void StartFresh() {
    MakeWorkDir();
    ResetRecords();
    virtualBackend::Reset();
    // Scene tests start modes as a player who has read their key guides; a
    // test of the first-run guides forgets them.
    MarkAllGuidesSeen();
}

void Boot() {
    StartFresh();
    StartGame(BootScene);
}

const std::string& WorkDir() { return workDir; }

bool Pass() { return currentScene != nullptr && RunLoopPass(); }

void RunFrames(int n) {
    const uint32_t target = virtualBackend::state.framesPresented + static_cast<uint32_t>(n);
    while (virtualBackend::state.framesPresented < target) {
        if (!Pass()) return;
    }
}

bool RunUntil(const std::function<bool()>& done, int maxPasses) {
    for (int i = 0; i < maxPasses; ++i) {
        if (done()) return true;
        if (!Pass()) return done();
    }
    return done();
}

void RunMs(uint32_t ms) {
    const uint32_t start = Now();
    while (Now() - start < ms) {
        if (!Pass()) return;
    }
}

void Hold(int vk) {
    virtualBackend::state.keyScript.push_back({virtualBackend::state.framesPresented, vk, true});
}

void Release(int vk) {
    virtualBackend::state.keyScript.push_back({virtualBackend::state.framesPresented, vk, false});
}

void Tap(int vk, int frames) {
    const uint32_t now = virtualBackend::state.framesPresented;
    virtualBackend::state.keyScript.push_back({now, vk, true});
    virtualBackend::state.keyScript.push_back({now + static_cast<uint32_t>(frames), vk, false});
}

void TapPad(int seat, PadButton button, int frames) {
    const uint32_t now = virtualBackend::state.framesPresented;
    virtualBackend::state.padScript.push_back({now, seat, button, true});
    virtualBackend::state.padScript.push_back({now + static_cast<uint32_t>(frames), seat, button, false});
}

void Type(const std::string& text) { virtualBackend::state.typedScript += text; }

uint32_t Now() { return virtualBackend::state.nowMs; }
uint32_t Frames() { return virtualBackend::state.framesPresented; }

uint8_t PixelAt(int x, int y) {
    if (x < 0 || y < 0 || x >= 640 || y >= 480) return 0;
    return virtualBackend::state.lastFrame[static_cast<size_t>(y) * 640 + x];
}

int CountIndex(uint8_t index, int left, int top, int right, int bottom) {
    int n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) n += PixelAt(x, y) == index ? 1 : 0;
    return n;
}

int DistinctIndices(int left, int top, int right, int bottom) {
    bool seen[256] = {};
    int n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) {
            const uint8_t p = PixelAt(x, y);
            if (!seen[p]) {
                seen[p] = true;
                ++n;
            }
        }
    return n;
}

bool SameRegion(int ax, int ay, int bx, int by, int w, int h) {
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (PixelAt(ax + x, ay + y) != PixelAt(bx + x, by + y)) return false;
    return true;
}

bool SaveFramePng(const std::string& path) {
    return WritePalettePng(path, virtualBackend::state.lastFrame.data(), 640, 480, virtualBackend::state.lastPalette);
}

const std::vector<virtualBackend::SoundEvent>& SoundLog() { return virtualBackend::state.soundLog; }

void ClearSoundLog() { virtualBackend::state.soundLog.clear(); }

std::string SoundName(const virtualBackend::SoundEvent& e) {
    const size_t slash = e.file.find_last_of('/');
    return slash == std::string::npos ? e.file : e.file.substr(slash + 1);
}

bool Played(const std::string& fileName, int slot, bool loop) {
    for (const auto& e : SoundLog()) {
        if (e.call == virtualBackend::SoundCall::play && e.slot == slot && e.loop == loop &&
            strcasecmp(SoundName(e).c_str(), fileName.c_str()) == 0)
            return true;
    }
    return false;
}

}  // namespace harness
