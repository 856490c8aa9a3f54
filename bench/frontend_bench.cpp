// Frame cost of the front end: the main menu scene's own work per frame, the
// key guide's drawing, and the real presenter's conversion of a frame into
// window pixels.
#include <benchmark/benchmark.h>

#include <SDL.h>

#include <cstring>
#include <memory>

#include "frontend/front_end_guides.h"
#include "frontend/main_menu.h"
#include "frontend/title_scene.h"
#include "harness/harness.h"
#include "platform/keys.h"
#include "platform/sdl/sdl_scale.h"
#include "platform/surface.h"
#include "platform/wipe.h"
#include "shell/key_guide.h"
#include "shell/scene.h"

namespace {

bool ReachMenu() {
    harness::Boot();
    if (!harness::RunUntil([] { return currentScene == TitleScene && wipeState == 0; }))
        return false;
    harness::Tap('X');
    return harness::RunUntil([] { return currentScene == MainMenuScene && wipeState == 0; });
}

void BM_MainMenuFrame(benchmark::State& state) {
    if (!ReachMenu()) {
        state.SkipWithError("menu not reached");
        return;
    }
    virtualBackend::state.recordFrames = false;
    for (auto _ : state) {
        MainMenuScene();
        benchmark::DoNotOptimize(backBuffer.pixels[1000]);
    }
    virtualBackend::state.recordFrames = true;
}
BENCHMARK(BM_MainMenuFrame)->Unit(benchmark::kMicrosecond);

// The key guide as it opens over the menu: the screen dimmed and the page
// with its caps drawn (done once per opening; the open guide only presents).
void BM_KeyGuideDraw(benchmark::State& state) {
    if (!ReachMenu()) {
        state.SkipWithError("menu not reached");
        return;
    }
    for (auto _ : state) {
        DrawKeyGuide(mainMenuGuide);
        benchmark::DoNotOptimize(backBuffer.pixels[1000]);
    }
}
BENCHMARK(BM_KeyGuideDraw)->Unit(benchmark::kMicrosecond);

// Converts one whole 640x480 frame into a window surface of the given size.
void BM_PresentConversion(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0));
    const int h = static_cast<int>(state.range(1));
    SDL_Surface* target = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_RGB888);
    auto maps = std::make_unique<backend::ScaleMaps>();
    backend::BuildScaleMaps(*maps, w, h);
    Rgb palette[256];
    for (int i = 0; i < 256; ++i) palette[i] = MakeRgb(i, 255 - i, i / 2);
    uint32_t table[256];
    backend::BuildColorTable(table, palette, target->format);
    static uint8_t frame[640 * 480];
    for (int i = 0; i < 640 * 480; ++i) frame[i] = static_cast<uint8_t>(i * 7);
    for (auto _ : state) {
        for (int y = 0; y < 480; ++y) backend::DrawSourceRow(*maps, table, frame + y * 640, y, target);
        benchmark::DoNotOptimize(target->pixels);
    }
    SDL_FreeSurface(target);
}
BENCHMARK(BM_PresentConversion)->Args({960, 640})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);

// Finding which rows changed since the last frame (the presenter skips the rest).
void BM_ChangedRowScan(benchmark::State& state) {
    static uint8_t shown[640 * 480];
    static uint8_t next[640 * 480];
    std::memset(shown, 3, sizeof shown);
    std::memset(next, 3, sizeof next);
    next[479 * 640 + 5] = 4;
    for (auto _ : state) {
        int changed = 0;
        for (int y = 0; y < 480; ++y) changed += std::memcmp(shown + y * 640, next + y * 640, 640) != 0;
        benchmark::DoNotOptimize(changed);
    }
}
BENCHMARK(BM_ChangedRowScan)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
