#pragma once
#include <initializer_list>
#include <string>

#include "content/item_sheet.h"
#include "gallery/item_names.h"
#include "gallery/item_notice.h"
#include "harness/picture_probe.h"
#include "match/match_unlocks.h"
#include "platform/blit.h"
#include "platform/palette.h"
#include "platform/surface.h"
#include "platform/text.h"

// The notice of items won on the last frame, by its pixels: the box standing
// on itemNoticeBottom, its words and the icons in a row.
namespace itemNoticeProbe {

inline int Top(int n) { return itemNoticeBottom - NoticeHeight(n); }
inline int Left(int n) { return 319 - NoticeWidth(n) / 2; }

// Icon k of n (one row) at its place.
inline int IconX(int k, int n) { return 319 - (noticeIconPitch * n - 4) / 2 + noticeIconPitch * k; }
inline int IconY(int n) { return Top(n) + 32; }

// The icons of the items, in order, on the box (their pictures from the
// item sheet, as the game loads it for the notice).
inline bool IconsShown(std::initializer_list<int> items) {
    if (spareSurface == nullptr) return false;
    const int n = static_cast<int>(items.size());
    int k = 0;
    for (int item : items)
        if (!pictureProbe::PictureShown(spareSurface, itemSheetLayout::Icon(item), IconX(k++, n), IconY(n))) return false;
    return true;
}

// The words, exactly as the game writes them, on the box's blue.
inline bool WordsShown(int n) {
    const int left = Left(n), right = left + NoticeWidth(n), top = Top(n);
    ColorFill(&backBuffer, left + 6, top + 5, right - 6, top + 29, NearestPaletteIndex(blueBrush));
    BeginText();
    SelectFont(smallFont);
    SetBkMode(bkTransparent);
    SetTextColor(MakeRgb(255, 255, 255));
    DrawTextInRect("アイテムを手に入れました！", textCenter, left, top + 7, right, top + 27);
    EndText();
    for (int y = top + 5; y < top + 29; ++y)
        for (int x = left + 6; x < right - 6; ++x)
            if (backBuffer.pixels[y * screenWidth + x] != harness::PixelAt(x, y)) return false;
    return true;
}

// The names line under the icons of n items, exactly this text.
inline bool NamesShown(int n, const char* names) {
    const int left = Left(n), right = left + NoticeWidth(n), bottom = itemNoticeBottom;
    const int top = bottom - noticeNamesHeight - 3;
    ColorFill(&backBuffer, left + 6, top, right - 6, top + 24, NearestPaletteIndex(blueBrush));
    BeginText();
    SelectFont(smallFont);
    SetBkMode(bkTransparent);
    SetTextColor(MakeRgb(255, 255, 255));
    DrawTextInRect(names, textCenter, left, top, right, top + 24);
    EndText();
    for (int y = top; y < top + 24; ++y)
        for (int x = left + 6; x < right - 6; ++x)
            if (backBuffer.pixels[y * screenWidth + x] != harness::PixelAt(x, y)) return false;
    return true;
}

// The items' names in 「」, one after the other (as few as the tests win fit).
inline std::string NamesOf(std::initializer_list<int> items) {
    std::string line;
    for (int item : items) line += std::string("「") + ItemNameOf(item).name + "」";
    return line;
}

inline bool Shown(std::initializer_list<int> items) {
    const int n = static_cast<int>(items.size());
    return WordsShown(n) && IconsShown(items) && NamesShown(n, NamesOf(items).c_str());
}

// On a closed screen: all black above and below the box of n icons.
inline bool BlackAround(int n) {
    const int above = Top(n) - 2, below = itemNoticeBottom + 2;
    return harness::CountIndex(0, 0, 0, screenWidth, above) == screenWidth * above &&
           harness::CountIndex(0, 0, below, screenWidth, screenHeight) == screenWidth * (screenHeight - below);
}

// Not a trace of the box's blue at its words' place.
inline bool Absent() {
    const uint8_t blue = NearestPaletteIndex(blueBrush);
    return harness::CountIndex(blue, Left(1) + 6, Top(1) + 5, Left(1) + NoticeWidth(1) - 6, Top(1) + 29) < 20;
}

}  // namespace itemNoticeProbe
