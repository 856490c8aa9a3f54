#pragma once
#include "harness/harness.h"
#include "platform/palette.h"
#include "platform/text.h"
#include "shell/save_notice.h"

// The failed-save notice on the last frame, by its pixels.
namespace saveNoticeProbe {

// Panel blue inside the box's rounded outline, its top at y.
inline int BluePixels(int top) {
    return harness::CountIndex(NearestPaletteIndex(blueBrush), saveNoticeLeft + 6, top + 3, saveNoticeRight - 6,
                               top + saveNoticeHeight - 3);
}

// White of the text across the box's middle.
inline int TextPixels(int top) {
    return harness::CountIndex(NearestPaletteIndex(MakeRgb(255, 255, 255)), saveNoticeLeft + 6, top + 7,
                               saveNoticeRight - 6, top + 27);
}

// The box whole and written on: mostly blue, with a line of white text.
inline bool Shown(int top) {
    const int inside = (saveNoticeRight - saveNoticeLeft - 12) * (saveNoticeHeight - 6);
    return BluePixels(top) > inside / 2 && TextPixels(top) > 300;
}

// Not a trace of the box's blue.
inline bool Absent(int top) { return BluePixels(top) < 20; }

}  // namespace saveNoticeProbe
