#include "contentgen/canvas_text.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <utility>

#include "contentgen/sheet_words.h"
#include "platform/font_match.h"

namespace {

std::string fontFiles[3];
std::map<std::pair<int, int>, TTF_Font*> openFonts;

TTF_Font* FontFor(int face, int pixelSize) {
    const auto key = std::make_pair(face, pixelSize);
    auto found = openFonts.find(key);
    if (found != openFonts.end()) return found->second;
    const int file = face == minchoFace ? 1 : face == displayFace ? 2 : 0;
    TTF_Font* font = TTF_OpenFont(fontFiles[file].c_str(), pixelSize);
    if (font != nullptr) {
        TTF_SetFontHinting(font, TTF_HINTING_LIGHT);
    }
    openFonts[key] = font;
    return font;
}

float MaskAt(const AlphaMask& m, int x, int y) {
    if (x < 0 || y < 0 || x >= m.width || y >= m.height) return 0.0f;
    return m.alpha[static_cast<size_t>(y) * static_cast<size_t>(m.width) + static_cast<size_t>(x)];
}

// The file of an installed bold sans face for display lettering, or empty.
std::string DisplayFontFile() {
    std::string file;
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (config == nullptr) return file;
    FcPattern* request = FcNameParse(reinterpret_cast<const FcChar8*>("DejaVu Sans:bold"));
    if (request != nullptr) {
        FcConfigSubstitute(config, request, FcMatchPattern);
        FcDefaultSubstitute(request);
        FcResult outcome = FcResultNoMatch;
        FcPattern* found = FcFontMatch(config, request, &outcome);
        FcChar8* family = nullptr;
        FcChar8* path = nullptr;
        int weight = 0;
        // Only the face asked for: a substitute would not be bold and wide.
        if (found != nullptr && FcPatternGetString(found, FC_FAMILY, 0, &family) == FcResultMatch &&
            std::string(reinterpret_cast<const char*>(family)) == "DejaVu Sans" &&
            FcPatternGetInteger(found, FC_WEIGHT, 0, &weight) == FcResultMatch && weight >= FC_WEIGHT_BOLD &&
            FcPatternGetString(found, FC_FILE, 0, &path) == FcResultMatch) {
            file = reinterpret_cast<const char*>(path);
        }
        if (found != nullptr) FcPatternDestroy(found);
        FcPatternDestroy(request);
    }
    FcConfigDestroy(config);
    return file;
}

}  // namespace

bool OpenTextFonts() {
    if (TTF_WasInit() == 0 && TTF_Init() != 0) return false;
    fontFiles[0] = MatchFontFile("HG創英角ｺﾞｼｯｸUB", 700);
    fontFiles[1] = MatchFontFile("ＭＳ 明朝", 400);
    fontFiles[2] = DisplayFontFile();
    if (fontFiles[2].empty()) fontFiles[2] = fontFiles[0];
    return !fontFiles[0].empty() && !fontFiles[1].empty();
}

void CloseTextFonts() {
    for (auto& entry : openFonts) {
        if (entry.second != nullptr) TTF_CloseFont(entry.second);
    }
    openFonts.clear();
    if (TTF_WasInit() != 0) TTF_Quit();
}

AlphaMask RenderTextMask(int face, int pixelSize, const char* utf8, bool bold) {
    AlphaMask mask;
    TTF_Font* font = FontFor(face, pixelSize);
    if (font == nullptr || utf8 == nullptr || utf8[0] == '\0') return mask;
    SDL_Surface* rendered = TTF_RenderUTF8_Blended(font, utf8, SDL_Color{255, 255, 255, 255});
    if (rendered == nullptr) return mask;
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(rendered);
    if (argb == nullptr) return mask;
    mask.width = argb->w;
    mask.height = argb->h;
    mask.alpha.resize(static_cast<size_t>(mask.width) * static_cast<size_t>(mask.height));
    SDL_LockSurface(argb);
    for (int y = 0; y < argb->h; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(argb->pixels) + y * argb->pitch);
        for (int x = 0; x < argb->w; ++x) {
            mask.alpha[static_cast<size_t>(y) * static_cast<size_t>(mask.width) + static_cast<size_t>(x)] =
                static_cast<float>(row[x] >> 24) / 255.0f;
        }
    }
    SDL_UnlockSurface(argb);
    SDL_FreeSurface(argb);
    // The installed faces have no bold; SDL_ttf's own emboldening fills in
    // glyphs whose contours overlap (W, M), so weight is added by thickening.
    // Small sizes get only a touch, or their strokes run together.
    if (bold) mask = GrowMask(mask, pixelSize >= 18 ? static_cast<float>(pixelSize) / 14.0f : 0.6f);
    return mask;
}

AlphaMask TrimMask(const AlphaMask& mask) {
    int left = mask.width, top = mask.height, right = -1, bottom = -1;
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            if (MaskAt(mask, x, y) > 0.02f) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    AlphaMask out;
    if (right < left) return out;
    out.width = right - left + 1;
    out.height = bottom - top + 1;
    out.alpha.resize(static_cast<size_t>(out.width) * static_cast<size_t>(out.height));
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            out.alpha[static_cast<size_t>(y) * static_cast<size_t>(out.width) + static_cast<size_t>(x)] =
                MaskAt(mask, x + left, y + top);
        }
    }
    return out;
}

AlphaMask FitMaskWidth(const AlphaMask& mask, int maxWidth) {
    if (maxWidth <= 0 || mask.width <= maxWidth) return mask;
    AlphaMask out;
    out.width = maxWidth;
    out.height = mask.height;
    out.alpha.assign(static_cast<size_t>(out.width) * static_cast<size_t>(out.height), 0.0f);
    const float scale = static_cast<float>(mask.width) / static_cast<float>(maxWidth);
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            // Area average of the source span that lands on this pixel.
            const float from = x * scale, to = (x + 1) * scale;
            float sum = 0.0f;
            for (int sx = static_cast<int>(from); sx < static_cast<int>(std::ceil(to)); ++sx) {
                const float overlap = std::min(to, sx + 1.0f) - std::max(from, static_cast<float>(sx));
                if (overlap > 0.0f) sum += overlap * MaskAt(mask, sx, y);
            }
            out.alpha[static_cast<size_t>(y) * static_cast<size_t>(out.width) + static_cast<size_t>(x)] = sum / scale;
        }
    }
    return out;
}

AlphaMask GrowMask(const AlphaMask& mask, float radius) {
    const int pad = static_cast<int>(std::ceil(radius));
    AlphaMask out;
    out.width = mask.width + 2 * pad;
    out.height = mask.height + 2 * pad;
    out.alpha.assign(static_cast<size_t>(out.width) * static_cast<size_t>(out.height), 0.0f);
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            float best = 0.0f;
            for (int dy = -pad; dy <= pad; ++dy) {
                for (int dx = -pad; dx <= pad; ++dx) {
                    // A disc of the radius, its rim weighted by how far it reaches.
                    const float reach = std::clamp(radius + 0.5f - std::hypot(float(dx), float(dy)), 0.0f, 1.0f);
                    if (reach <= 0.0f) continue;
                    best = std::max(best, reach * MaskAt(mask, x - pad + dx, y - pad + dy));
                }
            }
            out.alpha[static_cast<size_t>(y) * static_cast<size_t>(out.width) + static_cast<size_t>(x)] = best;
        }
    }
    return out;
}

void DrawMask(Canvas& canvas, const AlphaMask& mask, int x, int y, const Paint& paint, float opacity) {
    for (int my = 0; my < mask.height; ++my) {
        for (int mx = 0; mx < mask.width; ++mx) {
            const float a = MaskAt(mask, mx, my) * opacity;
            if (a <= 0.0f) continue;
            const int px = x + mx, py = y + my;
            BlendPixel(canvas, px, py, paint(static_cast<float>(px) + 0.5f, static_cast<float>(py) + 0.5f), a);
        }
    }
}

AlphaMask LabelInk(const char* utf8, const LabelStyle& style) {
    // English words are set in the Latin display face, already bold: the
    // Gothic's Latin letters are thin and cramped at these sizes.
    const bool latin = IsEnglishWord(utf8) && style.face == gothicFace;
    const AlphaMask full = RenderTextMask(latin ? displayFace : style.face, style.size, utf8, style.bold && !latin);
    AlphaMask ink = TrimMask(full);
    if (ink.width == 0) return ink;
    if (!style.centreInk) {
        // Keep the line box's rows: trim columns only.
        AlphaMask rows;
        rows.width = ink.width;
        rows.height = full.height;
        rows.alpha.assign(static_cast<size_t>(rows.width) * static_cast<size_t>(rows.height), 0.0f);
        int left = 0;
        while (left < full.width) {
            bool inked = false;
            for (int y = 0; y < full.height && !inked; ++y) inked = MaskAt(full, left, y) > 0.02f;
            if (inked) break;
            ++left;
        }
        for (int y = 0; y < rows.height; ++y) {
            for (int x = 0; x < rows.width; ++x) {
                rows.alpha[static_cast<size_t>(y) * static_cast<size_t>(rows.width) + static_cast<size_t>(x)] =
                    MaskAt(full, x + left, y);
            }
        }
        ink = rows;
    }
    if (style.thicken > 0.0f) ink = GrowMask(ink, style.thicken);
    return FitMaskWidth(ink, style.maxWidth);
}

int DrawLabel(Canvas& canvas, const char* utf8, float cx, float cy, const LabelStyle& style) {
    const AlphaMask ink = LabelInk(utf8, style);
    if (ink.width == 0) return 0;
    const int x = static_cast<int>(std::lround(cx - ink.width * 0.5f));
    const int y = static_cast<int>(std::lround(cy - ink.height * 0.5f));
    if (style.outlined || style.shadowed) {
        const float width = style.outlined ? style.outlineWidth : 0.0f;
        const AlphaMask rim = width > 0.0f ? GrowMask(ink, width) : ink;
        const int pad = (rim.width - ink.width) / 2;
        if (style.shadowed) DrawMask(canvas, rim, x - pad + style.shadowX, y - pad + style.shadowY, Solid(style.shadow));
        if (style.outlined) DrawMask(canvas, rim, x - pad, y - pad, Solid(style.outline));
    }
    DrawMask(canvas, ink, x, y, style.fill ? style.fill : Solid(MakeRgb(255, 255, 255)));
    return ink.width;
}
