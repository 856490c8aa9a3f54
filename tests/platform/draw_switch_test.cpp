#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "draw_canvas.h"
#include "platform/blit.h"
#include "platform/draw_switch.h"
#include "platform/present.h"

namespace {

// With drawing skipped every way of drawing leaves the back buffer as it was,
// and Present shows nothing; switched on again, the same calls draw.
class DrawSwitch : public DrawCanvas {
protected:
    void TearDown() override {
        drawingSkipped = false;
        DrawCanvas::TearDown();
    }
};

TEST_F(DrawSwitch, SkippedDrawingLeavesTheBackBufferAlone) {
    static Surface* source = nullptr;
    CreateSheet(source, 32, 32);
    ColorFill(source, 0, 0, 32, 32, canvas::red);
    SelectBrush(MakeRgb(0, 0, 255));
    SelectPen(Pen{MakeRgb(255, 255, 255), 1});
    SelectFont(CreateGameFont(16, 400, "ＭＳ 明朝"));
    const Point triangle[3] = {{300, 300}, {340, 300}, {320, 330}};
    const std::vector<std::function<void()>> draws = {
        [] { BlitClipped(&backBuffer, 10, 10, source, opaqueCopy, 0, 0, 32, 32); },
        [] { Blit(&backBuffer, 10, 10, source, opaqueCopy, 0, 0, 32, 32); },
        [] { BlitStretched(&backBuffer, source, opaqueCopy, 10, 10, 90, 70, 0, 0, 32, 32); },
        [] { ColorFill(&backBuffer, 0, 0, 100, 100, canvas::green); },
        [] { RoundRect(100, 100, 200, 150, 10, 10); },
        [&] { Polygon(triangle, 3); },
        [] {
            MoveTo(0, 400);
            LineTo(600, 410);
        },
        [] { DrawTextInRect("あいう", textLeft, 100, 200, 400, 240); },
        [] { TextOut(100, 250, "ABC"); },
    };
    for (size_t i = 0; i < draws.size(); ++i) {
        canvas::Clear();
        drawingSkipped = true;
        draws[i]();
        EXPECT_TRUE(canvas::ChangedBox().Empty()) << "draw " << i;
        drawingSkipped = false;
        draws[i]();
        EXPECT_FALSE(canvas::ChangedBox().Empty()) << "draw " << i;
    }
    const uint32_t presents = presentCount;
    drawingSkipped = true;
    Present();
    EXPECT_EQ(presentCount, presents);
    EmptySlot(source);
}

}  // namespace
