#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "contentgen/sheet_checks.h"

namespace {

using namespace sheetChecks;

Bitmap Backdrop(int n) { return Load(("Back/screen" + std::to_string(n) + ".bmp").c_str()); }

TEST(BackdropFiles, FourFullScreensInTheSharedPalette) {
    const Bitmap title = Load("Back/Title.bmp");
    for (int n = 1; n <= 4; ++n) {
        const Bitmap b = Backdrop(n);
        EXPECT_EQ(b.width, 640) << n;
        EXPECT_EQ(b.height, 480) << n;
        EXPECT_TRUE(SamePalette(b, title)) << n;
        // Copied opaquely: the key colour would show as mint green.
        EXPECT_EQ(OpaqueCount(b, Rect(0, 0, 640, 480)), 640 * 480) << n;
    }
}

TEST(BackdropFiles, EachBackdropIsDifferent) {
    for (int n = 1; n <= 4; ++n) {
        for (int m = n + 1; m <= 4; ++m) {
            const Bitmap a = Backdrop(n), b = Backdrop(m);
            double lumaGap = 0, chromaGap = 0;
            const Tone ta = ToneOf(a, Rect(0, 0, 640, 480)), tb = ToneOf(b, Rect(0, 0, 640, 480));
            lumaGap = std::fabs(ta.luma - tb.luma);
            chromaGap = std::fabs(ta.chroma - tb.chroma);
            int differing = 0;
            for (size_t i = 0; i < a.pixels.size(); ++i) differing += a.pixels[i] != b.pixels[i] ? 1 : 0;
            EXPECT_GT(differing, 640 * 480 * 9 / 10) << n << " " << m;
            EXPECT_GT(lumaGap + chromaGap, 10) << n << " " << m;
        }
    }
}

// Boards and boxes must read over them: no hard edges, a narrow tonal range.
TEST(BackdropFiles, BackdropsAreCalm) {
    for (int n = 1; n <= 4; ++n) {
        const Bitmap b = Backdrop(n);
        long long sharp = 0;
        int darkest = 255, lightest = 0;
        for (int y = 0; y < 480; ++y) {
            for (int x = 0; x < 640; ++x) {
                const int l = Luma(b, PixelOf(b, x, y));
                darkest = std::min(darkest, l);
                lightest = std::max(lightest, l);
                if (x > 1 && std::abs(l - Luma(b, PixelOf(b, x - 2, y))) > 60) ++sharp;
            }
        }
        EXPECT_LT(sharp, 640 * 480 / 200) << n;
        EXPECT_LT(lightest - darkest, 235) << n;
    }
}

}  // namespace
