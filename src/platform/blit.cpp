#include "platform/blit.h"

#include <algorithm>
#include <cstring>

#include "platform/bitmap_loader.h"
#include "platform/draw_switch.h"

namespace {

// Values far outside any surface are pulled in first so that the edge
// arithmetic below can never overflow, whatever a caller passes.
int Tame(int v) { return std::clamp(v, -(1 << 20), 1 << 20); }

bool Usable(const Surface* s) { return s != nullptr && s->pixels != nullptr && s->width > 0 && s->height > 0; }

// Copies w x h pixels; both rectangles are already inside their surfaces.
void CopyRect(Surface* dest, int dx, int dy, const Surface* source, int sx, int sy, int w, int h, bool keyed) {
    const uint8_t key = colorKey;
    for (int row = 0; row < h; ++row) {
        const uint8_t* from = source->pixels + static_cast<size_t>(sy + row) * source->width + sx;
        uint8_t* to = dest->pixels + static_cast<size_t>(dy + row) * dest->width + dx;
        // Most rows of most pictures hold no transparent pixel: copy those whole.
        if (!keyed || std::memchr(from, key, static_cast<size_t>(w)) == nullptr) {
            std::memmove(to, from, static_cast<size_t>(w));
            continue;
        }
        for (int col = 0; col < w; ++col) {
            const uint8_t p = from[col];
            if (p != key) to[col] = p;
        }
    }
}

// Unscaled copy with every edge clipped: the source rectangle to its surface,
// the landing place to the destination and, when asked, to the screen.
void ClippedCopy(Surface* dest, int x, int y, const Surface* source, uint32_t flags, int left, int top, int right,
                 int bottom, bool toScreen) {
    ForgetLoadedPicture(dest);  // drawn over: no longer the picture as loaded
    if (!Usable(dest) || !Usable(source)) return;
    x = Tame(x); y = Tame(y); left = Tame(left); top = Tame(top); right = Tame(right); bottom = Tame(bottom);
    if (left < 0) { x -= left; left = 0; }
    if (top < 0) { y -= top; top = 0; }
    right = std::min(right, source->width);
    bottom = std::min(bottom, source->height);
    if (x < 0) { left -= x; x = 0; }
    if (y < 0) { top -= y; y = 0; }
    int limitX = dest->width;
    int limitY = dest->height;
    if (toScreen) {
        limitX = std::min(limitX, screenWidth);
        limitY = std::min(limitY, screenHeight);
    }
    if (x + (right - left) > limitX) right = left + (limitX - x);
    if (y + (bottom - top) > limitY) bottom = top + (limitY - y);
    const int w = right - left;
    const int h = bottom - top;
    if (w <= 0 || h <= 0) return;
    CopyRect(dest, x, y, source, left, top, w, h, FlagsUseKey(flags));
}

}  // namespace

void BlitClipped(Surface* dest, int x, int y, const Surface* source, uint32_t flags, int left, int top, int right,
                 int bottom) {
    if (drawingSkipped) return;
    ClippedCopy(dest, x, y, source, flags, left, top, right, bottom, true);
}

void Blit(Surface* dest, int x, int y, const Surface* source, uint32_t flags, int left, int top, int right, int bottom) {
    if (drawingSkipped) return;
    ClippedCopy(dest, x, y, source, flags, left, top, right, bottom, false);
}

void BlitStretched(Surface* dest, const Surface* source, uint32_t flags, int destLeft, int destTop, int destRight,
                   int destBottom, int sourceLeft, int sourceTop, int sourceRight, int sourceBottom) {
    ForgetLoadedPicture(dest);  // drawn over: no longer the picture as loaded
    if (drawingSkipped || !Usable(dest) || !Usable(source)) return;
    destLeft = Tame(destLeft); destTop = Tame(destTop); destRight = Tame(destRight); destBottom = Tame(destBottom);
    sourceLeft = Tame(sourceLeft); sourceTop = Tame(sourceTop);
    sourceRight = Tame(sourceRight); sourceBottom = Tame(sourceBottom);
    const int destW = destRight - destLeft;
    const int destH = destBottom - destTop;
    const int srcW = sourceRight - sourceLeft;
    const int srcH = sourceBottom - sourceTop;
    if (destW <= 0 || destH <= 0 || srcW <= 0 || srcH <= 0) return;
    const bool keyed = FlagsUseKey(flags);
    const uint8_t key = colorKey;
    // Same size: a plain copy, as the scrolling background does four times a frame.
    if (destW == srcW && destH == srcH) {
        ClippedCopy(dest, destLeft, destTop, source, flags, sourceLeft, sourceTop, sourceRight, sourceBottom, false);
        return;
    }
    const int firstX = std::max(destLeft, 0);
    const int lastX = std::min(destRight, dest->width);
    const int firstY = std::max(destTop, 0);
    const int lastY = std::min(destBottom, dest->height);
    for (int y = firstY; y < lastY; ++y) {
        const int64_t sy = sourceTop + static_cast<int64_t>(y - destTop) * srcH / destH;
        if (sy < 0 || sy >= source->height) continue;
        const uint8_t* from = source->pixels + static_cast<size_t>(sy) * source->width;
        uint8_t* to = dest->pixels + static_cast<size_t>(y) * dest->width;
        for (int x = firstX; x < lastX; ++x) {
            const int64_t sx = sourceLeft + static_cast<int64_t>(x - destLeft) * srcW / destW;
            if (sx < 0 || sx >= source->width) continue;
            const uint8_t p = from[sx];
            if (!keyed || p != key) to[x] = p;
        }
    }
}

void ColorFill(Surface* dest, int left, int top, int right, int bottom, uint8_t index) {
    ForgetLoadedPicture(dest);  // drawn over: no longer the picture as loaded
    if (drawingSkipped || !Usable(dest)) return;
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, dest->width);
    bottom = std::min(bottom, dest->height);
    if (right <= left || bottom <= top) return;
    for (int y = top; y < bottom; ++y) {
        std::memset(dest->pixels + static_cast<size_t>(y) * dest->width + left, index, static_cast<size_t>(right - left));
    }
}
