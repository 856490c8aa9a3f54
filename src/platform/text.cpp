#include "platform/text.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/draw_context.h"
#include "platform/draw_switch.h"
#include "platform/font_match.h"
#include "platform/font_raster.h"
#include "platform/language.h"
#include "platform/surface.h"
#include "platform/utf8.h"

FontHandle smallFont = -1;
FontHandle bigFont = -1;
Rgb pinkBrush;
Rgb blueBrush;
Pen whitePen;
const char* const minchoFace = "ＭＳ 明朝";
const char* const gothicFace = "HG創英角ｺﾞｼｯｸUB";

namespace {

// Every match set-up asks for its fonts again, so requests are kept in a
// small table and an identical request gets the same entry back.
constexpr int maxFonts = 8;
constexpr int maxFaceBytes = 64;

struct GameFont {
    int height = 0;
    int weight = 0;
    char face[maxFaceBytes] = {};
    int rasterFont = -1;
    bool opened = false;  // tried to open, successfully or not
    // The English twin: the same height and weight in the Latin face.
    int latinRasterFont = -1;
};

// The faces a text is drawn with: the font's own, and while the game speaks
// English its Latin twin, which draws every glyph it has (the rest, such as
// a player's name in kana, still come from the font's own face).
struct Faces {
    int main = -1;
    int latin = -1;
};

GameFont fonts[maxFonts];
int fontCount = 0;

// Opening a face reads font files, so it waits for the first text that needs
// it; a face that cannot be opened is not tried again.
Faces FacesOf(FontHandle handle) {
    Faces faces;
    if (handle < 0 || handle >= fontCount) return faces;
    GameFont& font = fonts[handle];
    if (!font.opened) {
        // The twin opens with its font, whatever the language: a switch of
        // language later opens no font file.
        font.opened = true;
        font.rasterFont = OpenRasterFont(font.height, font.weight, font.face);
        font.latinRasterFont = OpenRasterFont(font.height, font.weight, latinFace);
    }
    faces.main = font.rasterFont;
    // No Latin face installed (-1): the own face's Latin letters serve.
    if (CurrentLanguage() == Language::english) faces.latin = font.latinRasterFont;
    return faces;
}

bool Usable(const Faces& faces) { return faces.main >= 0 || faces.latin >= 0; }

const GlyphImage* GlyphOf(const Faces& faces, uint32_t codepoint) {
    if (faces.latin >= 0) {
        if (const GlyphImage* glyph = ProvidedRasterGlyph(faces.latin, codepoint)) return glyph;
        if (faces.main < 0) return RasterGlyph(faces.latin, codepoint);
    }
    return RasterGlyph(faces.main, codepoint);
}

int LineHeightOf(const Faces& faces) { return RasterLineHeight(faces.main >= 0 ? faces.main : faces.latin); }

// Width of the text up to the end of its line ("\n" or the terminator).
long long LineWidth(const Faces& faces, const char* text) {
    long long width = 0;
    uint32_t codepoint = 0;
    for (const char* p = text; *p != '\0' && *p != '\n';) {
        const int used = DecodeUtf8(p, codepoint);
        if (used == 0) break;
        p += used;
        if (codepoint == invalidCodepoint || codepoint < 0x20) continue;
        width += GlyphOf(faces, codepoint)->advance;
    }
    return width;
}

void DrawGlyph(const GlyphImage& glyph, long long penX, long long lineTop, const PixelRect& clip, uint8_t index) {
    if (glyph.mask == nullptr) return;
    const long long glyphLeft = penX + glyph.left;
    const long long glyphTop = lineTop + glyph.top;
    const long long x0 = std::max<long long>(glyphLeft, clip.left);
    const long long x1 = std::min<long long>(glyphLeft + glyph.width, clip.right);
    const long long y0 = std::max<long long>(glyphTop, clip.top);
    const long long y1 = std::min<long long>(glyphTop + glyph.height, clip.bottom);
    for (long long y = y0; y < y1; ++y) {
        const uint8_t* maskRow = glyph.mask + (y - glyphTop) * glyph.width - glyphLeft;
        Surface& target = ContextTarget();
        uint8_t* row = target.pixels + y * target.width;
        for (long long x = x0; x < x1; ++x) {
            if (maskRow[x] != 0) row[x] = index;
        }
    }
}

// Draws one line starting at (x, top); returns where the line ends.
const char* DrawLine(const Faces& faces, const char* text, long long x, long long top, const PixelRect& clip) {
    if (backDC.bkMode != bkTransparent) {
        const long long width = LineWidth(faces, text);
        const uint8_t back = ContextColorIndex(backDC.backColor);
        const long long bottom = std::min<long long>(top + LineHeightOf(faces), clip.bottom);
        for (long long y = std::max<long long>(top, clip.top); y < bottom; ++y) {
            FillRowSpan(clip, static_cast<int>(y), x, x + width, back);
        }
    }
    const uint8_t ink = ContextColorIndex(backDC.textColor);
    uint32_t codepoint = 0;
    const char* p = text;
    while (*p != '\0' && *p != '\n') {
        const int used = DecodeUtf8(p, codepoint);
        if (used == 0) break;
        p += used;
        if (codepoint == invalidCodepoint || codepoint < 0x20) continue;
        const GlyphImage* glyph = GlyphOf(faces, codepoint);
        DrawGlyph(*glyph, x, top, clip, ink);
        x += glyph->advance;
    }
    return p;
}

}  // namespace

FontHandle CreateGameFont(int height, int weight, const char* face) {
    if (face == nullptr) face = "";
    for (int i = 0; i < fontCount; ++i) {
        if (fonts[i].height == height && fonts[i].weight == weight &&
            std::strncmp(fonts[i].face, face, maxFaceBytes - 1) == 0) {
            return static_cast<FontHandle>(i);
        }
    }
    if (fontCount == maxFonts) {
        // Full: hand out the nearest size rather than no text at all.
        int best = 0;
        for (int i = 1; i < fontCount; ++i) {
            if (std::abs(fonts[i].height - height) < std::abs(fonts[best].height - height)) best = i;
        }
        return static_cast<FontHandle>(best);
    }
    GameFont& font = fonts[fontCount];
    font.height = height;
    font.weight = weight;
    std::strncpy(font.face, face, maxFaceBytes - 1);
    font.face[maxFaceBytes - 1] = '\0';
    font.rasterFont = -1;
    font.opened = false;
    font.latinRasterFont = -1;
    return static_cast<FontHandle>(fontCount++);
}

void DrawTextInRect(const char* text, int format, int left, int top, int right, int bottom) {
    if (drawingSkipped || text == nullptr) return;
    const Faces faces = FacesOf(backDC.font);
    if (!Usable(faces)) return;
    const PixelRect clip = ClipToTarget(left, top, right, bottom);
    if (clip.right <= clip.left || clip.bottom <= clip.top) return;
    const int lineHeight = LineHeightOf(faces);
    long long lineTop = top;
    const char* line = text;
    while (lineTop < clip.bottom) {
        long long x = left;
        if (format == textCenter) {
            x = left + (static_cast<long long>(right) - left - LineWidth(faces, line)) / 2;
        } else if (format == textRight) {
            x = right - LineWidth(faces, line);
        }
        const char* end = DrawLine(faces, line, x, lineTop, clip);
        if (*end != '\n') break;
        line = end + 1;
        lineTop += lineHeight;
    }
}

void TextOut(int x, int y, const char* text) {
    if (drawingSkipped || text == nullptr) return;
    const Faces faces = FacesOf(backDC.font);
    if (!Usable(faces)) return;
    const Surface& target = ContextTarget();
    const PixelRect clip = ClipToTarget(0, 0, target.width, target.height);
    if (clip.right <= clip.left || clip.bottom <= clip.top) return;
    // One line only, as on Windows: a "\n" simply ends what is drawn.
    DrawLine(faces, text, x, y, clip);
}

int TextWidth(const char* text) {
    if (text == nullptr) return 0;
    const Faces faces = FacesOf(backDC.font);
    if (!Usable(faces)) return 0;
    return static_cast<int>(std::min<long long>(LineWidth(faces, text), 1 << 30));
}

void CreateSharedTextObjects() {
    pinkBrush = MakeRgb(255, 128, 128);
    blueBrush = MakeRgb(0, 0, 255);
    whitePen = Pen{MakeRgb(255, 255, 255), 2};
    smallFont = CreateGameFont(20, 800, "ＭＳ 明朝");
    bigFont = CreateGameFont(70, 800, "HG創英角ｺﾞｼｯｸUB");
}

void ReleaseTextObjects() {
    for (GameFont& font : fonts) font = GameFont{};
    fontCount = 0;
    smallFont = -1;
    bigFont = -1;
    backDC.font = -1;
    CloseRasterFonts();
}
