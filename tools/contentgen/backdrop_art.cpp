#include "contentgen/backdrop_art.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "contentgen/art_style.h"

namespace {

constexpr int screenWidth = 640;
constexpr int screenHeight = 480;

struct Colour {
    float r = 0, g = 0, b = 0;
};

Colour Lerp(Colour a, Colour b, float t) {
    t = std::clamp(t, 0.0f, 1.0f);
    return Colour{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

float Smooth(float edge0, float edge1, float x) {
    const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

// Small deterministic generator: the same backdrops on every build.
struct Random {
    uint32_t state;
    float Next() {
        state = state * 1664525u + 1013904223u;
        return static_cast<float>(state >> 8) / 16777216.0f;
    }
};

struct Blob {
    float x, y, radius, strength;
};

// Every backdrop is a colour function over the screen; the canvas gets it
// through error diffusion, which spreads the palette's gaps into a fine grain
// instead of bands.
template <typename Scene>
Canvas Render(Scene scene) {
    Canvas c = MakeCanvas(screenWidth, screenHeight, 0);
    std::vector<Colour> row(screenWidth + 2), next(screenWidth + 2);
    for (int x = 0; x < screenWidth; ++x) row[x + 1] = scene(x + 0.5f, 0.5f);
    for (int y = 0; y < screenHeight; ++y) {
        for (int x = 0; x < screenWidth; ++x) next[x + 1] = y + 1 < screenHeight ? scene(x + 0.5f, y + 1.5f) : Colour{};
        // Serpentine: every other row runs right to left.
        const bool leftward = (y % 2) == 1;
        for (int i = 0; i < screenWidth; ++i) {
            const int x = leftward ? screenWidth - 1 - i : i;
            const int step = leftward ? -1 : 1;
            const Colour want = row[x + 1];
            const uint8_t index = NearestGameColour(MakeRgb(std::clamp(static_cast<int>(std::lround(want.r)), 0, 255),
                                                            std::clamp(static_cast<int>(std::lround(want.g)), 0, 255),
                                                            std::clamp(static_cast<int>(std::lround(want.b)), 0, 255)));
            SetPixel(c, x, y, index);
            const Rgb got = PaletteColour(index);
            const Colour error{want.r - got.r, want.g - got.g, want.b - got.b};
            auto spread = [](Colour& to, const Colour& e, float w) {
                to.r += e.r * w;
                to.g += e.g * w;
                to.b += e.b * w;
            };
            spread(row[x + 1 + step], error, 7.0f / 16.0f);
            spread(next[x + 1 - step], error, 3.0f / 16.0f);
            spread(next[x + 1], error, 5.0f / 16.0f);
            spread(next[x + 1 + step], error, 1.0f / 16.0f);
        }
        std::swap(row, next);
    }
    return c;
}

// Faint outlines of rounded number panels drifting in the background: the
// game's own motif, kept a few shades from the ground.
float PanelOutline(float x, float y, float cx, float cy, float size, float angle) {
    const float ca = std::cos(angle), sa = std::sin(angle);
    const float dx = (x - cx) * ca + (y - cy) * sa, dy = -(x - cx) * sa + (y - cy) * ca;
    const float h = size * 0.5f;
    const float d = RoundRectDistance(dx, dy, -h, -h, h, h, size * 0.22f);
    return 1.0f - Smooth(1.0f, 3.0f, std::fabs(d + 2.0f));
}

// 1: a clear daytime sky with soft clouds and drifting panel outlines.
Colour DaySky(float x, float y) {
    static const std::vector<Blob> clouds = [] {
        std::vector<Blob> b;
        Random r{17};
        const float rows[4] = {70.0f, 190.0f, 320.0f, 440.0f};
        for (float row : rows) {
            float cx = -40.0f + r.Next() * 80.0f;
            while (cx < 700.0f) {
                const int puffs = 4 + static_cast<int>(r.Next() * 3);
                for (int i = 0; i < puffs; ++i) {
                    b.push_back(Blob{cx + i * 22.0f, row + (r.Next() - 0.5f) * 16.0f - (i % 2) * 10.0f,
                                     20.0f + r.Next() * 16.0f, 1.0f});
                }
                cx += 190.0f + r.Next() * 120.0f;
            }
        }
        return b;
    }();
    Colour c = Lerp(Colour{96, 150, 214}, Colour{178, 212, 240}, y / screenHeight);
    float cloud = 0.0f;
    for (const Blob& b : clouds) {
        const float d = std::hypot(x - b.x, (y - b.y) * 1.4f);
        cloud = std::max(cloud, 1.0f - Smooth(b.radius * 0.55f, b.radius, d));
    }
    c = Lerp(c, Colour{228, 240, 252}, cloud * 0.55f);
    // Soft light rays from the upper left.
    const float ray = std::sin((x * 0.8f + y * 0.6f) * 0.018f);
    c = Lerp(c, Colour{235, 245, 255}, Smooth(0.6f, 1.0f, ray) * 0.12f * (1.0f - y / screenHeight));
    const float panels = std::max({PanelOutline(x, y, 600, 60, 70, 0.3f), PanelOutline(x, y, 270, 430, 90, -0.2f),
                                   PanelOutline(x, y, 20, 250, 60, 0.5f), PanelOutline(x, y, 350, 110, 46, -0.4f)});
    return Lerp(c, Colour{240, 248, 255}, panels * 0.25f);
}

// 2: dusk over low hills, a large pale sun sinking behind them.
Colour Dusk(float x, float y) {
    const float t = y / screenHeight;
    Colour c = t < 0.55f ? Lerp(Colour{58, 46, 112}, Colour{170, 96, 150}, t / 0.55f)
                         : Lerp(Colour{170, 96, 150}, Colour{226, 150, 128}, (t - 0.55f) / 0.45f);
    const float sun = std::hypot(x - 440.0f, y - 330.0f);
    c = Lerp(c, Colour{250, 214, 170}, (1.0f - Smooth(58.0f, 62.0f, sun)) * 0.7f);
    c = Lerp(c, Colour{244, 170, 150}, (1.0f - Smooth(60.0f, 190.0f, sun)) * 0.25f);
    // Two ranges of hills, the nearer one darker.
    const float far = 360.0f + 24.0f * std::sin(x * 0.011f + 1.0f) + 12.0f * std::sin(x * 0.031f);
    const float near = 410.0f + 20.0f * std::sin(x * 0.008f + 2.5f) + 10.0f * std::sin(x * 0.027f + 0.7f);
    c = Lerp(c, Colour{112, 66, 120}, Smooth(far - 1.0f, far + 1.0f, y) * 0.85f);
    c = Lerp(c, Colour{72, 44, 96}, Smooth(near - 1.0f, near + 1.0f, y) * 0.9f);
    // A few early stars high up.
    static const std::vector<Blob> stars = [] {
        std::vector<Blob> s;
        Random r{5};
        for (int i = 0; i < 60; ++i) s.push_back(Blob{r.Next() * 640.0f, r.Next() * 170.0f, 1.0f + r.Next(), r.Next()});
        return s;
    }();
    for (const Blob& s : stars) {
        const float d = std::hypot(x - s.x, y - s.y);
        if (d < 2.5f) c = Lerp(c, Colour{255, 236, 240}, (1.0f - Smooth(0.3f, s.radius, d)) * (0.3f + 0.4f * s.strength) * (1.0f - y / 200.0f));
    }
    return c;
}

// 3: a mint glade: pale sky-green above, meadow green below, soft lights.
Colour Glade(float x, float y) {
    static const std::vector<Blob> lights = [] {
        std::vector<Blob> b;
        Random r{42};
        for (int i = 0; i < 46; ++i) b.push_back(Blob{r.Next() * 660.0f - 10.0f, r.Next() * 500.0f - 10.0f, 14.0f + r.Next() * 30.0f, r.Next()});
        return b;
    }();
    const float t = y / screenHeight;
    Colour c = t < 0.6f ? Lerp(Colour{150, 214, 206}, Colour{124, 200, 150}, t / 0.6f)
                        : Lerp(Colour{124, 200, 150}, Colour{84, 170, 104}, (t - 0.6f) / 0.4f);
    // Sunlight from the upper right.
    c = Lerp(c, Colour{226, 244, 214}, Smooth(0.0f, 1.0f, 1.0f - std::hypot(x - 560.0f, y + 40.0f) / 420.0f) * 0.5f);
    for (const Blob& b : lights) {
        const float d = std::hypot(x - b.x, y - b.y);
        if (d > b.radius + 2.0f) continue;
        const float disc = 1.0f - Smooth(b.radius - 3.0f, b.radius, d);
        c = Lerp(c, b.strength < 0.5f ? Colour{214, 242, 206} : Colour{236, 246, 200}, disc * 0.16f);
    }
    // Long soft shadows of leaves sweeping across.
    const float sweep = std::sin((x - y * 0.7f) * 0.012f) * std::sin((x * 0.3f + y) * 0.009f);
    return Lerp(c, Colour{60, 140, 100}, Smooth(0.3f, 1.0f, sweep) * 0.18f);
}

// 4: a calm night: deep blue, a faint milky band and small stars.
Colour Night(float x, float y) {
    static const std::vector<Blob> stars = [] {
        std::vector<Blob> s;
        Random r{99};
        for (int i = 0; i < 260; ++i) s.push_back(Blob{r.Next() * 640.0f, r.Next() * 480.0f, 0.8f + r.Next() * 1.2f, r.Next()});
        return s;
    }();
    const float t = y / screenHeight;
    Colour c = Lerp(Colour{14, 20, 54}, Colour{34, 50, 104}, t);
    // The milky band runs diagonally, brightest along its middle.
    const float across = (x * 0.55f - y * 0.84f + 120.0f);
    const float band = std::exp(-across * across / (2.0f * 70.0f * 70.0f));
    const float texture = 0.8f + 0.2f * std::sin(x * 0.021f + y * 0.013f);
    c = Lerp(c, Colour{70, 84, 140}, band * texture * 0.35f);
    for (const Blob& s : stars) {
        const float d = std::hypot(x - s.x, y - s.y);
        if (d > 3.0f) continue;
        const float glow = 1.0f - Smooth(0.2f, s.radius, d);
        c = Lerp(c, s.strength > 0.7f ? Colour{255, 236, 200} : Colour{210, 224, 255}, glow * (0.35f + 0.45f * s.strength));
    }
    // A crescent moon low on the right.
    const float moon = std::hypot(x - 600.0f, y - 120.0f), bite = std::hypot(x - 610.0f, y - 112.0f);
    const float lit = (1.0f - Smooth(21.0f, 23.0f, moon)) * Smooth(19.0f, 21.0f, bite);
    c = Lerp(c, Colour{226, 230, 200}, lit * 0.8f);
    return Lerp(c, Colour{60, 72, 130}, (1.0f - Smooth(22.0f, 60.0f, moon)) * 0.25f);
}

}  // namespace

Canvas DrawBackdrop(int pattern) {
    switch (pattern) {
        case 0: return Render(DaySky);
        case 1: return Render(Dusk);
        case 2: return Render(Glade);
        default: return Render(Night);
    }
}
