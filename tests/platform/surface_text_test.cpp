#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "draw_canvas.h"
#include "platform/surface.h"
#include "platform/text.h"

namespace {

using canvas::At;

// A canvas of 100 x 60 inside a larger block: the bytes after it must
// stay as they are, whatever is drawn across its edges.
class SurfaceDraw : public DrawCanvas {
protected:
    static constexpr int w = 100, h = 60, guard = 4096;
    static constexpr uint8_t untouched = 77;

    void SetUp() override {
        DrawCanvas::SetUp();
        EndText();
        CreateSharedTextObjects();
        block.assign(static_cast<size_t>(w * h + guard), untouched);
        std::fill(block.begin(), block.begin() + w * h, canvas::empty);
        surface = Surface{w, h, block.data()};
    }

    uint8_t Canvas(int x, int y) const { return block[static_cast<size_t>(y * w + x)]; }
    int CanvasCount(uint8_t index) const {
        return static_cast<int>(std::count(block.begin(), block.begin() + w * h, index));
    }
    bool GuardIntact() const {
        return std::all_of(block.begin() + w * h, block.end(), [](uint8_t v) { return v == untouched; });
    }

    std::vector<uint8_t> block;
    Surface surface;
};

TEST_F(SurfaceDraw, ShapesAndTextGoIntoTheSurfaceAndLeaveTheBackBufferAlone) {
    BeginSurfaceText(&surface);
    SelectPen(Pen{MakeRgb(255, 255, 255), 2});
    SelectBrush(MakeRgb(0, 0, 255));
    RoundRect(10, 10, 50, 40, 10, 10);
    SelectBrush(MakeRgb(255, 0, 0));
    const Point triangle[3] = {{60, 10}, {90, 10}, {75, 40}};
    Polygon(triangle, 3);
    SelectPen(Pen{MakeRgb(0, 255, 0), 1});
    MoveTo(0, 55);
    LineTo(99, 55);
    SelectFont(smallFont);
    SetBkMode(bkTransparent);
    SetTextColor(MakeRgb(255, 255, 255));
    DrawTextInRect("EX", textCenter, 10, 15, 50, 35);
    EndText();
    EXPECT_EQ(Canvas(14, 25), canvas::blue);
    EXPECT_EQ(Canvas(10, 25), canvas::white);
    int letters = 0;
    for (int y = 15; y < 35; ++y)
        for (int x = 20; x < 40; ++x) letters += Canvas(x, y) == canvas::white ? 1 : 0;
    EXPECT_GT(letters, 20) << "the text is written on the panel";
    EXPECT_EQ(Canvas(75, 20), canvas::red);
    EXPECT_EQ(Canvas(50, 55), canvas::green);
    EXPECT_EQ(Canvas(5, 5), canvas::empty);
    EXPECT_TRUE(canvas::ChangedBox().Empty()) << "nothing on the back buffer";
    // Closed, the context draws on the back buffer again.
    const int blueBefore = CanvasCount(canvas::blue);
    BeginText();
    SelectBrush(MakeRgb(0, 0, 255));
    SelectPen(Pen{MakeRgb(0, 0, 255), 1});
    RoundRect(10, 10, 50, 40, 0, 0);
    EXPECT_EQ(At(30, 25), canvas::blue);
    EXPECT_EQ(CanvasCount(canvas::blue), blueBefore);
}

TEST_F(SurfaceDraw, DrawingAcrossTheEdgesIsCutToTheSurface) {
    BeginSurfaceText(&surface);
    SelectPen(Pen{MakeRgb(255, 0, 0), 3});
    SelectBrush(MakeRgb(255, 0, 0));
    const Point big[4] = {{-500, -300}, {900, -200}, {700, 900}, {-100, 400}};
    Polygon(big, 4);
    MoveTo(-40, 30);
    LineTo(5000, 31);
    RoundRect(-20, -20, 400, 300, 10, 10);
    SelectFont(smallFont);
    DrawTextInRect("EXゲージ", textLeft, 80, 50, 300, 200);
    EndText();
    // The text in the default black on its opaque white cells.
    EXPECT_GT(CanvasCount(canvas::black), 0);
    EXPECT_EQ(CanvasCount(canvas::red) + CanvasCount(canvas::black) + CanvasCount(canvas::white), w * h);
    EXPECT_GT(CanvasCount(canvas::red), w * h / 2);
    EXPECT_TRUE(GuardIntact());
    EXPECT_TRUE(canvas::ChangedBox().Empty());
}

TEST_F(SurfaceDraw, ANullSurfaceIsTheBackBuffer) {
    BeginSurfaceText(nullptr);
    SelectBrush(MakeRgb(0, 255, 0));
    SelectPen(Pen{MakeRgb(0, 255, 0), 1});
    RoundRect(0, 0, 20, 20, 0, 0);
    EndText();
    EXPECT_EQ(At(10, 10), canvas::green);
    EXPECT_EQ(CanvasCount(canvas::empty), w * h);
}

}  // namespace
