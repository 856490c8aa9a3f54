#include "platform/font_raster.h"

#include <SDL_ttf.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "platform/font_match.h"

namespace {

constexpr int maxRasterFonts = 16;
constexpr uint32_t lastCodepoint = 0x10FFFF;
constexpr int pageBits = 8;
constexpr int pageSize = 1 << pageBits;
constexpr int pageCount = (lastCodepoint >> pageBits) + 1;

struct GlyphSlot {
    GlyphImage image;
    uint8_t* ownedMask = nullptr;
    bool ready = false;
    bool provided = false;  // the face has the glyph (else image is the blank)
};

// Glyphs are looked up every frame, so the cache is a two-level table (no
// hashing, no allocation once a glyph has been seen).
struct GlyphPage {
    GlyphSlot slots[pageSize];
};

struct RasterFont {
    TTF_Font* ttf = nullptr;
    int lineHeight = 0;
    int ascent = 0;
    int advanceTrim = 0;  // part of the synthetic bold widening not given to the advance
    bool bold = false;    // drawn with SDL_ttf's synthetic bold
    GlyphImage blank;  // what unknown code points draw
    GlyphPage* pages[pageCount] = {};
};

RasterFont rasterFonts[maxRasterFonts];
const GlyphImage noGlyph;

bool ValidFont(int id) { return id >= 0 && id < maxRasterFonts && rasterFonts[id].ttf != nullptr; }

// Picks the point size whose line height (ascent + descent) comes closest to
// the cell height asked for, the way a positive height was meant on Windows.
void FitCellHeight(TTF_Font* ttf, int cellHeight) {
    int size = cellHeight;
    int bestSize = size;
    int bestError = 1 << 30;
    for (int attempt = 0; attempt < 4; ++attempt) {
        if (TTF_SetFontSize(ttf, size) != 0) break;
        const int height = TTF_FontHeight(ttf);
        if (height <= 0) break;
        const int error = std::abs(height - cellHeight);
        if (error < bestError) {
            bestError = error;
            bestSize = size;
        }
        if (error == 0) break;
        int next = (size * cellHeight + height / 2) / height;
        if (next == size) next += height < cellHeight ? 1 : -1;
        if (next < 1) break;
        size = next;
    }
    TTF_SetFontSize(ttf, bestSize);
}

// Advance of a glyph every face we match has, to measure the bold widening.
int ProbeAdvance(TTF_Font* ttf) {
    int minX = 0, maxX = 0, minY = 0, maxY = 0, advance = 0;
    if (TTF_GlyphMetrics32(ttf, 'M', &minX, &maxX, &minY, &maxY, &advance) != 0) return 0;
    return advance;
}

// Glyphs made of dots alone. The synthetic bold smears every pixel sideways
// only (by a tenth of the size), so their small round dots come out as
// dashes: "…" read "---". They are drawn plain and thickened evenly instead.
bool DotsOnly(uint32_t codepoint) { return codepoint == 0x2025 || codepoint == 0x2026; }

// The picture of a glyph; a dotted glyph of a bold face without the smear.
SDL_Surface* RenderGlyph(RasterFont& font, uint32_t codepoint, bool plain) {
    const SDL_Color ink{255, 255, 255, 255};
    if (!plain) return TTF_RenderGlyph32_Solid(font.ttf, codepoint, ink);
    TTF_SetFontStyle(font.ttf, TTF_STYLE_NORMAL);
    SDL_Surface* picture = TTF_RenderGlyph32_Solid(font.ttf, codepoint, ink);
    TTF_SetFontStyle(font.ttf, TTF_STYLE_BOLD);
    return picture;
}

void RasteriseGlyph(RasterFont& font, uint32_t codepoint, GlyphSlot& slot) {
    slot.ready = true;
    slot.image = font.blank;
    if (TTF_GlyphIsProvided32(font.ttf, codepoint) == 0) return;
    slot.provided = true;

    int minX = 0, maxX = 0, minY = 0, maxY = 0, advance = 0;
    if (TTF_GlyphMetrics32(font.ttf, codepoint, &minX, &maxX, &minY, &maxY, &advance) != 0) return;
    slot.image.advance = static_cast<int16_t>(std::clamp(advance - font.advanceTrim, 0, 32767));

    // A bold dot grows by one pixel to the right and one down: square, like
    // the strokes around it, and still a dot.
    const bool dots = font.bold && DotsOnly(codepoint);
    const int grow = dots ? 1 : 0;
    SDL_Surface* picture = RenderGlyph(font, codepoint, dots);
    if (picture == nullptr) return;  // blank glyphs such as spaces
    if (SDL_LockSurface(picture) != 0) {
        SDL_FreeSurface(picture);
        return;
    }
    // The solid renderer gives an 8-bit surface: index 0 is the background.
    const auto* rows = static_cast<const uint8_t*>(picture->pixels);
    int x0 = picture->w, y0 = picture->h, x1 = -1, y1 = -1;
    for (int y = 0; y < picture->h; ++y) {
        for (int x = 0; x < picture->w; ++x) {
            if (rows[y * picture->pitch + x] != 0) {
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
                y0 = std::min(y0, y);
                y1 = std::max(y1, y);
            }
        }
    }
    if (x1 >= x0 && y1 >= y0) {
        const int width = x1 - x0 + 1 + grow;
        const int height = y1 - y0 + 1 + grow;
        auto* mask = new uint8_t[static_cast<size_t>(width) * static_cast<size_t>(height)]();
        for (int y = 0; y <= y1 - y0; ++y) {
            for (int x = 0; x <= x1 - x0; ++x) {
                if (rows[(y0 + y) * picture->pitch + x0 + x] == 0) continue;
                for (int dy = 0; dy <= grow; ++dy)
                    for (int dx = 0; dx <= grow; ++dx) mask[(y + dy) * width + x + dx] = 1;
            }
        }
        // The renderer shifts its picture right by any negative bearing and
        // down by any part that rises above the ascent; undo both.
        slot.ownedMask = mask;
        slot.image.mask = mask;
        slot.image.width = static_cast<int16_t>(width);
        slot.image.height = static_cast<int16_t>(height);
        slot.image.left = static_cast<int16_t>(x0 + std::min(0, minX));
        slot.image.top = static_cast<int16_t>(y0 - std::max(0, maxY - font.ascent));
    }
    SDL_UnlockSurface(picture);
    SDL_FreeSurface(picture);
}

}  // namespace

int OpenRasterFont(int height, int weight, const char* face) {
    if (!TTF_WasInit() && TTF_Init() != 0) return -1;
    int id = 0;
    while (id < maxRasterFonts && rasterFonts[id].ttf != nullptr) ++id;
    if (id == maxRasterFonts) return -1;

    const std::string file = MatchFontFile(face != nullptr ? face : "", weight);
    if (file.empty()) return -1;
    // A negative height is the character height without internal leading;
    // zero asks for a default size.
    const int cellHeight = std::clamp(height == 0 ? 16 : (height < 0 ? -height : height), 1, 512);
    TTF_Font* ttf = TTF_OpenFont(file.c_str(), cellHeight);
    if (ttf == nullptr) return -1;
    if (height > 0) FitCellHeight(ttf, cellHeight);
    TTF_SetFontHinting(ttf, TTF_HINTING_MONO);
    TTF_SetFontKerning(ttf, 0);

    RasterFont& font = rasterFonts[id];
    font.advanceTrim = 0;
    // The Latin face's file is already its bold cut: no synthetic bold on top.
    font.bold = weight >= 700 && !IsLatinFace(face);
    if (font.bold) {
        // Synthetic bold widens every advance by the whole smear; Windows gave
        // bold text only a little more room, so keep about half of it.
        const int plainAdvance = ProbeAdvance(ttf);
        TTF_SetFontStyle(ttf, TTF_STYLE_BOLD);
        font.advanceTrim = std::max(0, ProbeAdvance(ttf) - plainAdvance) / 2;
    }
    font.ttf = ttf;
    font.lineHeight = std::max(1, TTF_FontHeight(ttf));
    font.ascent = TTF_FontAscent(ttf);
    font.blank = GlyphImage{};
    font.blank.advance = static_cast<int16_t>(std::max(1, font.lineHeight / 2));
    return id;
}

int RasterLineHeight(int rasterFont) { return ValidFont(rasterFont) ? rasterFonts[rasterFont].lineHeight : 0; }

namespace {

// The glyph's slot, rasterised on first use; null past the last code point.
const GlyphSlot* SlotOf(RasterFont& font, uint32_t codepoint) {
    if (codepoint > lastCodepoint) return nullptr;
    GlyphPage*& page = font.pages[codepoint >> pageBits];
    if (page == nullptr) page = new GlyphPage{};
    GlyphSlot& slot = page->slots[codepoint & (pageSize - 1)];
    if (!slot.ready) RasteriseGlyph(font, codepoint, slot);
    return &slot;
}

}  // namespace

const GlyphImage* RasterGlyph(int rasterFont, uint32_t codepoint) {
    if (!ValidFont(rasterFont)) return &noGlyph;
    RasterFont& font = rasterFonts[rasterFont];
    const GlyphSlot* slot = SlotOf(font, codepoint);
    return slot != nullptr ? &slot->image : &font.blank;
}

const GlyphImage* ProvidedRasterGlyph(int rasterFont, uint32_t codepoint) {
    if (!ValidFont(rasterFont)) return nullptr;
    const GlyphSlot* slot = SlotOf(rasterFonts[rasterFont], codepoint);
    return slot != nullptr && slot->provided ? &slot->image : nullptr;
}

void CloseRasterFonts() {
    for (RasterFont& font : rasterFonts) {
        for (GlyphPage*& page : font.pages) {
            if (page == nullptr) continue;
            for (GlyphSlot& slot : page->slots) delete[] slot.ownedMask;
            delete page;
            page = nullptr;
        }
        if (font.ttf != nullptr) TTF_CloseFont(font.ttf);
        font.ttf = nullptr;
        font.lineHeight = 0;
        font.ascent = 0;
    }
}
