#include "platform/draw_context.h"

#include <algorithm>
#include <cstring>

#include "platform/bitmap_loader.h"
#include "platform/surface.h"

DrawContext backDC;

namespace {

// A frame asks for a handful of colours; a few slots spare the nearest-colour
// search without a full table.
constexpr int cachedColors = 8;

struct ColorCache {
    bool valid = false;
    uint32_t version = 0;
    int count = 0;
    int nextSlot = 0;
    Rgb colors[cachedColors];
    uint8_t indices[cachedColors] = {};
};

ColorCache colorCache;

}  // namespace

uint8_t ContextColorIndex(Rgb color) {
    if (!colorCache.valid || colorCache.version != paletteVersion) {
        colorCache.valid = true;
        colorCache.version = paletteVersion;
        colorCache.count = 0;
        colorCache.nextSlot = 0;
    }
    for (int i = 0; i < colorCache.count; ++i) {
        if (colorCache.colors[i] == color) return colorCache.indices[i];
    }
    const uint8_t index = NearestPaletteIndex(color);
    const int slot = colorCache.nextSlot;
    colorCache.colors[slot] = color;
    colorCache.indices[slot] = index;
    colorCache.nextSlot = (slot + 1) % cachedColors;
    colorCache.count = std::max(colorCache.count, slot + 1);
    return index;
}

Surface& ContextTarget() { return backDC.target != nullptr ? *backDC.target : backBuffer; }

PixelRect ClipToTarget(long long left, long long top, long long right, long long bottom) {
    PixelRect clip;
    const Surface& target = ContextTarget();
    if (target.pixels == nullptr || target.width <= 0 || target.height <= 0) return clip;
    clip.left = static_cast<int>(std::clamp<long long>(left, 0, target.width));
    clip.right = static_cast<int>(std::clamp<long long>(right, 0, target.width));
    clip.top = static_cast<int>(std::clamp<long long>(top, 0, target.height));
    clip.bottom = static_cast<int>(std::clamp<long long>(bottom, 0, target.height));
    return clip;
}

void FillRowSpan(const PixelRect& clip, int y, long long x0, long long x1, uint8_t index) {
    if (y < clip.top || y >= clip.bottom) return;
    const long long from = std::max<long long>(x0, clip.left);
    const long long to = std::min<long long>(x1, clip.right);
    if (from >= to) return;
    Surface& target = ContextTarget();
    std::memset(target.pixels + static_cast<size_t>(y) * static_cast<size_t>(target.width) + from, index,
                static_cast<size_t>(to - from));
}

void BeginText() {
    backDC = DrawContext{};
    backDC.open = true;
}

void BeginSurfaceText(Surface* surface) {
    ForgetLoadedPicture(surface);  // text drawn into it: no longer the picture as loaded
    BeginText();
    backDC.target = surface;
}

void EndText() {
    backDC.open = false;
    // Whatever comes next without a BeginText draws on the screen again.
    backDC.target = nullptr;
}

void SelectFont(FontHandle font) { backDC.font = font; }
void SelectBrush(Rgb color) { backDC.brush = color; }
void SelectPen(const Pen& pen) { backDC.pen = pen; }
void SetTextColor(Rgb color) { backDC.textColor = color; }
void SetBkMode(int mode) { backDC.bkMode = mode; }
