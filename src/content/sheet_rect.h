#pragma once

// content: where every picture lies in the game's sheets and palette (the
// ...Layout namespaces) and the palette's colours (game_palette.h), one set
// of constants for the game that blits from the sheets and the tool that
// draws them (tools/contentgen). Constants only; it stands on platform.

#include <cstdint>

// A rectangle of a sprite sheet: (left, top)-(right, bottom), right and bottom
// exclusive. The same constants are used to draw the sheets and to blit from
// them, so picture and game can never disagree.
struct SheetRect {
    int16_t left = 0, top = 0, right = 0, bottom = 0;
    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr SheetRect Shifted(int dx, int dy) const {
        return SheetRect{static_cast<int16_t>(left + dx), static_cast<int16_t>(top + dy),
                         static_cast<int16_t>(right + dx), static_cast<int16_t>(bottom + dy)};
    }
};
