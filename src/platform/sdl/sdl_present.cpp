#include <cstring>

#include "platform/backend.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/sdl/sdl_scale.h"

// Frames go straight into the window surface: only the source rows that
// changed since the last frame are scaled and pushed, and an unchanged frame
// costs one comparison and no drawing at all.
namespace backend {

namespace {

ScaleMaps maps;
uint32_t colorTable[256];

// What is on screen: the surface it went to, that surface's size and
// format, the palette it was drawn with and a copy of the frame.
SDL_Surface* shownSurface = nullptr;
int shownWidth = 0;
int shownHeight = 0;
uint32_t shownFormat = 0;
uint32_t shownVersion = 0;
uint8_t shownFrame[screenWidth * screenHeight];

bool surfaceForgotten = true;
bool repaintWanted = false;

SDL_Rect dirtyRects[screenHeight];

// Scales and pushes the whole frame, bars included.
void DrawWholeFrame(SDL_Surface* surface, const uint8_t* pixels) {
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
    for (int y = 0; y < screenHeight; ++y) DrawSourceRow(maps, colorTable, pixels + y * screenWidth, y, surface);
    std::memcpy(shownFrame, pixels, sizeof shownFrame);
}

// Scales the rows that differ from the frame on screen; returns how many
// window rectangles they make.
int DrawChangedRows(SDL_Surface* surface, const uint8_t* pixels) {
    int rectCount = 0;
    int runStart = -1;
    for (int y = 0; y <= screenHeight; ++y) {
        const size_t offset = static_cast<size_t>(y) * screenWidth;
        const bool changed = y < screenHeight && std::memcmp(shownFrame + offset, pixels + offset, screenWidth) != 0;
        if (changed) {
            std::memcpy(shownFrame + offset, pixels + offset, screenWidth);
            DrawSourceRow(maps, colorTable, pixels + offset, y, surface);
            if (runStart < 0) runStart = y;
        } else if (runStart >= 0) {
            const int top = maps.rowStart[runStart];
            const int bottom = maps.rowStart[y];
            if (bottom > top) dirtyRects[rectCount++] = SDL_Rect{maps.left, maps.top + top, maps.width, bottom - top};
            runStart = -1;
        }
    }
    return rectCount;
}

void ShowFrame(const uint8_t* pixels, const Rgb (&palette)[256], uint32_t version) {
    if (gameWindow == nullptr) return;
    SDL_Surface* surface = SDL_GetWindowSurface(gameWindow);
    if (surface == nullptr) {
        surfaceForgotten = true;
        return;
    }
    bool everything = false;
    if (surfaceForgotten || surface != shownSurface || surface->w != shownWidth || surface->h != shownHeight) {
        BuildScaleMaps(maps, surface->w, surface->h);
        shownSurface = surface;
        shownWidth = surface->w;
        shownHeight = surface->h;
        surfaceForgotten = false;
        everything = true;
    }
    if (everything || version != shownVersion || surface->format->format != shownFormat) {
        BuildColorTable(colorTable, palette, surface->format);
        shownVersion = version;
        shownFormat = surface->format->format;
        everything = true;
    }
    const bool locked = SDL_MUSTLOCK(surface);
    if (locked && SDL_LockSurface(surface) != 0) return;
    if (everything) {
        DrawWholeFrame(surface, pixels);
        if (locked) SDL_UnlockSurface(surface);
        SDL_UpdateWindowSurface(gameWindow);
        repaintWanted = false;
        return;
    }
    const int rectCount = DrawChangedRows(surface, pixels);
    if (locked) SDL_UnlockSurface(surface);
    if (repaintWanted) {
        SDL_UpdateWindowSurface(gameWindow);
        repaintWanted = false;
    } else if (rectCount > 0) {
        SDL_UpdateWindowSurfaceRects(gameWindow, dirtyRects, rectCount);
    }
}

}  // namespace

void ForgetWindowSurface() { surfaceForgotten = true; }

void RepaintWindow() { repaintWanted = true; }

void ResetPresenter() {
    shownSurface = nullptr;
    surfaceForgotten = true;
    repaintWanted = false;
}

void PresentFrame(const uint8_t* pixels, const Rgb (&palette)[256], uint32_t version) {
    if (pixels != nullptr) ShowFrame(pixels, palette, version);
    WaitForFrameDeadline();
}

}  // namespace backend
