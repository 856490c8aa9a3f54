#include <algorithm>

#include "content/game_texts.h"
#include "platform/key_places.h"
#include "platform/palette.h"
#include "platform/surface.h"
#include "platform/text.h"
#include "shell/key_caps.h"
#include "shell/key_guide.h"
#include "shell/menu_input.h"

namespace {

// Made once at start-up, like every font; the caps fall back on the menu
// font when a test runs without it.
FontHandle capFont = -1;

constexpr int panelLeft = 36;
constexpr int panelRight = 604;
constexpr int titleHeight = 40;
constexpr int headingHeight = 24;
constexpr int lineHeight = 28;
constexpr int footerHeight = 40;
constexpr int actionLeft = 60;
constexpr int capHeight = 22;
constexpr int capGap = 4;
// Where each player's caps start: one column, or player 1 and player 2.
constexpr int soloKeysLeft = 340;
constexpr int pairKeysLeft[2] = {314, 464};

constexpr Rgb white = MakeRgb(255, 255, 255);
constexpr Rgb black = MakeRgb(0, 0, 0);
constexpr Rgb capShadow = MakeRgb(128, 128, 128);

}  // namespace

// Every other pixel black: the screen stays recognisable under the panel
// in any palette, and the panel stands out from it.
void DimScreen() {
    const uint8_t dark = NearestPaletteIndex(black);
    for (int y = 0; y < screenHeight; ++y) {
        uint8_t* row = backBuffer.pixels + static_cast<size_t>(y) * screenWidth;
        for (int x = y % 2; x < screenWidth; x += 2)
            row[x] = dark;
    }
}

namespace {

FontHandle CapFont() { return capFont >= 0 ? capFont : smallFont; }

int CapWidth(const char* label) { return KeyCapWidth(label); }

int DrawCap(int x, int y, int vk) { return DrawKeyCap(x, y, KeyCapLabel(vk), white); }

// A key bound twice to one role (player 1 steering with the arrows) shows
// once, and no key (vkNone) shows no cap.
void DrawCaps(int x, int y, const int* const (&keys)[guideKeysPerPlayer]) {
    for (int i = 0; i < guideKeysPerPlayer && keys[i] != nullptr; ++i) {
        const int vk = *keys[i];
        bool shown = vk == vkNone;
        for (int j = 0; j < i; ++j) shown = shown || *keys[j] == vk;
        if (!shown) x = DrawCap(x, y, vk);
    }
}

void DrawFooter(int bottom) {
    const int y = bottom - footerHeight + 8;
    SelectFont(smallFont);
    SetTextColor(white);
    const char* closeText = Tr(TextName::KeyGuideClose);
    const int textWidth = TextWidth(closeText);
    const int keys[3] = {menuKeys.guide, menuKeys.back, menuKeys.escape};
    int width = textWidth + 8;
    for (const int vk : keys)
        width += CapWidth(KeyCapLabel(vk)) + capGap;
    int x = panelRight - 24 - width;
    for (const int vk : keys)
        x = DrawCap(x, y, vk);
    SelectFont(smallFont);
    SetTextColor(white);
    DrawTextInRect(closeText, textLeft, x + 4, y, x + 4 + textWidth + 2, y + capHeight);
    // The way on to the players' keys.
    const char* controlsText = Tr(TextName::ControlsTitle);
    const int left = DrawCap(panelLeft + 24, y, menuKeys.controls);
    SelectFont(smallFont);
    SetTextColor(white);
    DrawTextInRect(controlsText, textLeft, left + 2, y, left + 4 + TextWidth(controlsText), y + capHeight);
}

}  // namespace

int KeyCapWidth(const char* label) {
    SelectFont(CapFont());
    return std::max(capHeight + 2, TextWidth(label) + 12);
}

int DrawKeyCap(int x, int y, const char* label, Rgb face, int width) {
    const int w = width > 0 ? width : KeyCapWidth(label);
    SelectPen(Pen{capShadow, 1});
    SelectBrush(capShadow);
    RoundRect(x, y + 2, x + w, y + capHeight + 2, 6, 6);
    SelectPen(Pen{black, 1});
    SelectBrush(face);
    RoundRect(x, y, x + w, y + capHeight, 6, 6);
    SetTextColor(black);
    DrawTextInRect(label, textCenter, x, y + 3, x + w, y + capHeight);
    return x + w + capGap;
}

namespace {

// Inside BeginText.
int HintWidth(int vk, const char* words) {
    SelectFont(smallFont);
    return TextWidth(words) + 6 + CapWidth(KeyCapLabel(vk));
}

}  // namespace

int KeyHintWidth(int vk, const char* words) {
    BeginText();
    const int width = HintWidth(vk, words);
    EndText();
    return width;
}

void DrawKeyHint(int right, int top, int vk, const char* words) {
    BeginText();
    SetBkMode(bkTransparent);
    const int x = right - HintWidth(vk, words);
    DrawCap(x, top, vk);
    SelectFont(smallFont);
    const int textWidth = TextWidth(words);
    SetTextColor(white);
    DrawTextInRect(words, textLeft, right - textWidth, top + 1, right, top + capHeight);
    EndText();
}

void DrawKeyGuideHint(int right, int top) { DrawKeyHint(right, top, menuKeys.guide, Tr(TextName::KeyGuideHint)); }

void PrepareKeyGuide() { capFont = CreateGameFont(15, 700, gothicFace); }

void DrawKeyGuide(const KeyGuidePage& page) {
    DimScreen();
    const int lines = std::clamp(page.lineCount, 0, guideLinesMax);
    const bool pair = page.players == 2;
    const int height = titleHeight + (pair ? headingHeight : 0) + lines * lineHeight + footerHeight + 8;
    const int top = (screenHeight - height) / 2;
    const int bottom = top + height;

    BeginText();
    SetBkMode(bkTransparent);
    SelectPen(whitePen);
    SelectBrush(blueBrush);
    RoundRect(panelLeft, top, panelRight, bottom, 10, 10);
    SelectFont(smallFont);
    SetTextColor(white);
    DrawTextInRect(page.title, textCenter, panelLeft, top + 10, panelRight, top + titleHeight);
    MoveTo(panelLeft + 16, top + titleHeight - 2);
    LineTo(panelRight - 16, top + titleHeight - 2);

    int y = top + titleHeight + 6;
    if (pair) {
        DrawTextInRect("1P", textLeft, pairKeysLeft[0], y, pairKeysLeft[1], y + headingHeight);
        DrawTextInRect("2P", textLeft, pairKeysLeft[1], y, panelRight, y + headingHeight);
        y += headingHeight;
    }
    for (int i = 0; i < lines; ++i) {
        const KeyGuideLine& line = page.lines[i];
        SelectFont(smallFont);
        SetTextColor(white);
        const int keysLeft = pair ? pairKeysLeft[0] : soloKeysLeft;
        DrawTextInRect(line.action, textLeft, actionLeft, y + 2, keysLeft - 8, y + lineHeight);
        for (int p = 0; p < (pair ? 2 : 1); ++p)
            DrawCaps(pair ? pairKeysLeft[p] : soloKeysLeft, y, line.keys[p]);
        y += lineHeight;
    }
    DrawFooter(bottom);
    EndText();
}
