#include <gtest/gtest.h>

#include "draw_canvas.h"
#include "platform/text.h"

namespace {

using canvas::At;
using canvas::Box;
using canvas::BoxOf;
using canvas::ChangedBox;

// The menu's description panel: blue fill, white two-pixel outline.
class ShapeDraw : public DrawCanvas {
protected:
    void SetUp() override {
        DrawCanvas::SetUp();
        SelectPen(Pen{MakeRgb(255, 255, 255), 2});
        SelectBrush(MakeRgb(0, 0, 255));
    }
};

TEST_F(ShapeDraw, PanelIsFilledInsideAndOutlinedOnItsEdge) {
    RoundRect(19, 409, 619, 469, 10, 10);
    EXPECT_EQ(At(319, 439), canvas::blue);
    // Across the middle row: one pen pixel outside each edge, one inside.
    EXPECT_EQ(At(17, 439), canvas::empty);
    EXPECT_EQ(At(18, 439), canvas::white);
    EXPECT_EQ(At(19, 439), canvas::white);
    EXPECT_EQ(At(20, 439), canvas::blue);
    EXPECT_EQ(At(617, 439), canvas::blue);
    EXPECT_EQ(At(618, 439), canvas::white);
    EXPECT_EQ(At(619, 439), canvas::white);
    EXPECT_EQ(At(620, 439), canvas::empty);
    // Down the middle column.
    EXPECT_EQ(At(319, 407), canvas::empty);
    EXPECT_EQ(At(319, 408), canvas::white);
    EXPECT_EQ(At(319, 409), canvas::white);
    EXPECT_EQ(At(319, 410), canvas::blue);
    EXPECT_EQ(At(319, 467), canvas::blue);
    EXPECT_EQ(At(319, 468), canvas::white);
    EXPECT_EQ(At(319, 469), canvas::white);
    EXPECT_EQ(At(319, 470), canvas::empty);

    const Box changed = ChangedBox();
    EXPECT_EQ(changed.left, 18);
    EXPECT_EQ(changed.top, 408);
    EXPECT_EQ(changed.right, 620);
    EXPECT_EQ(changed.bottom, 470);
    // Nothing but the two colours, and the fill is bounded by the outline.
    EXPECT_EQ(changed.count, BoxOf(canvas::white).count + BoxOf(canvas::blue).count);
    const Box fill = BoxOf(canvas::blue);
    EXPECT_EQ(fill.left, 20);
    EXPECT_EQ(fill.right, 618);
    EXPECT_EQ(fill.top, 410);
    EXPECT_EQ(fill.bottom, 468);
}

TEST_F(ShapeDraw, PanelCornersAreRounded) {
    RoundRect(19, 409, 619, 469, 10, 10);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(At(18 + i, 408 + i), canvas::empty);
        EXPECT_EQ(At(619 - i, 408 + i), canvas::empty);
        EXPECT_EQ(At(18 + i, 469 - i), canvas::empty);
        EXPECT_EQ(At(619 - i, 469 - i), canvas::empty);
    }
    // The outline bends round: the corner's diagonal is pen, and just inside
    // it the fill begins.
    EXPECT_EQ(At(20, 410), canvas::white);
    EXPECT_EQ(At(22, 412), canvas::blue);
    EXPECT_EQ(At(617, 467), canvas::white);
    EXPECT_EQ(At(615, 465), canvas::blue);
    // Left-right and top-bottom symmetry of the corners.
    for (int y = 405; y < 415; ++y) {
        for (int x = 15; x < 30; ++x) {
            EXPECT_EQ(At(x, y), At(637 - x, y)) << x << "," << y;
            EXPECT_EQ(At(x, y), At(x, 877 - y)) << x << "," << y;
        }
    }
}

TEST_F(ShapeDraw, ThinPenOutlinesTheInsideEdgePixels) {
    SelectPen(Pen{MakeRgb(255, 0, 0), 1});
    RoundRect(100, 100, 110, 110, 0, 0);
    EXPECT_EQ(At(100, 105), canvas::red);
    EXPECT_EQ(At(109, 105), canvas::red);
    EXPECT_EQ(At(105, 100), canvas::red);
    EXPECT_EQ(At(105, 109), canvas::red);
    EXPECT_EQ(At(100, 100), canvas::red);  // square corners without an ellipse
    EXPECT_EQ(At(101, 101), canvas::blue);
    EXPECT_EQ(At(108, 108), canvas::blue);
    const Box changed = ChangedBox();
    EXPECT_EQ(changed.left, 100);
    EXPECT_EQ(changed.right, 110);
    EXPECT_EQ(changed.top, 100);
    EXPECT_EQ(changed.bottom, 110);
    EXPECT_EQ(BoxOf(canvas::blue).count, 64);
}

TEST_F(ShapeDraw, GrowingPanelStartsAsADot) {
    // The panel's first frame: a rectangle of no size at its centre.
    RoundRect(319, 439, 319, 439, 10, 10);
    const Box changed = ChangedBox();
    EXPECT_LE(changed.count, 4);
    EXPECT_GE(changed.left, 318);
    EXPECT_LE(changed.right, 320);
    EXPECT_GE(changed.top, 438);
    EXPECT_LE(changed.bottom, 440);
    EXPECT_EQ(BoxOf(canvas::white).count, changed.count);

    // One step later: 60 by 6, a thin blue bar inside a white outline.
    canvas::Clear();
    RoundRect(289, 436, 349, 442, 10, 10);
    const Box step = ChangedBox();
    EXPECT_EQ(step.left, 288);
    EXPECT_EQ(step.right, 350);
    EXPECT_EQ(step.top, 435);
    EXPECT_EQ(step.bottom, 443);
    EXPECT_EQ(At(319, 439), canvas::blue);
    EXPECT_EQ(At(319, 436), canvas::white);
}

TEST_F(ShapeDraw, ReversedCornersDrawTheSameRectangle) {
    RoundRect(100, 100, 200, 150, 10, 10);
    const Box straight = ChangedBox();
    canvas::Clear();
    RoundRect(200, 150, 100, 100, 10, 10);
    const Box reversed = ChangedBox();
    EXPECT_EQ(reversed.left, straight.left);
    EXPECT_EQ(reversed.right, straight.right);
    EXPECT_EQ(reversed.count, straight.count);
}

TEST_F(ShapeDraw, HugeRectangleFillsTheScreenAndNoMore) {
    RoundRect(-2000000000, -2000000000, 2000000000, 2000000000, 10, 10);
    EXPECT_EQ(BoxOf(canvas::blue).count, 640 * 480);
    canvas::Clear();
    RoundRect(600, 440, 700, 500, 10, 10);
    EXPECT_EQ(At(639, 479), canvas::blue);
    EXPECT_EQ(At(599, 460), canvas::white);
}

TEST_F(ShapeDraw, OversizedEllipseMakesAnOval) {
    RoundRect(100, 100, 200, 140, 1000, 1000);
    EXPECT_EQ(At(101, 101), canvas::empty);
    EXPECT_EQ(At(150, 120), canvas::blue);
    EXPECT_EQ(At(150, 99), canvas::white);
    EXPECT_EQ(At(99, 120), canvas::white);
}

TEST_F(ShapeDraw, PolygonFillsInsideItsOutline) {
    SelectPen(Pen{MakeRgb(255, 0, 0), 1});
    const Point box[] = {{100, 100}, {120, 100}, {120, 110}, {100, 110}};
    Polygon(box, 4);
    EXPECT_EQ(At(110, 105), canvas::blue);
    EXPECT_EQ(At(101, 101), canvas::blue);
    EXPECT_EQ(At(119, 109), canvas::blue);
    // The outline runs through the vertices themselves.
    EXPECT_EQ(At(100, 105), canvas::red);
    EXPECT_EQ(At(120, 105), canvas::red);
    EXPECT_EQ(At(110, 100), canvas::red);
    EXPECT_EQ(At(110, 110), canvas::red);
    EXPECT_EQ(At(120, 110), canvas::red);
    EXPECT_EQ(At(121, 105), canvas::empty);
    EXPECT_EQ(At(110, 111), canvas::empty);
    EXPECT_EQ(BoxOf(canvas::blue).count, 19 * 9);
}

TEST_F(ShapeDraw, OverlappingStarIsFilledByWinding) {
    // A pentagram: its centre is wound twice and is filled too.
    const Point star[] = {{320, 100}, {380, 280}, {230, 170}, {410, 170}, {260, 280}};
    SelectPen(Pen{MakeRgb(0, 255, 0), 1});
    Polygon(star, 5);
    EXPECT_EQ(At(320, 200), canvas::blue);
    EXPECT_EQ(At(320, 120), canvas::blue);  // a tip
    EXPECT_EQ(At(250, 250), canvas::empty);  // between two tips
}

TEST_F(ShapeDraw, PolygonOffTheScreenIsClipped) {
    const Point cover[] = {{-100000, -100000}, {100000, -100000}, {100000, 100000}, {-100000, 100000}};
    Polygon(cover, 4);
    EXPECT_EQ(BoxOf(canvas::blue).count, 640 * 480);
    canvas::Clear();
    const Point tooFew[] = {{10, 10}};
    Polygon(tooFew, 1);
    Polygon(nullptr, 5);
    EXPECT_TRUE(ChangedBox().Empty());
}

TEST_F(ShapeDraw, LineToLeavesTheLastPixelOut) {
    SelectPen(Pen{MakeRgb(255, 0, 0), 1});
    MoveTo(10, 10);
    LineTo(20, 10);
    for (int x = 10; x < 20; ++x) EXPECT_EQ(At(x, 10), canvas::red) << x;
    EXPECT_EQ(At(20, 10), canvas::empty);
    EXPECT_EQ(BoxOf(canvas::red).count, 10);

    canvas::Clear();
    MoveTo(50, 50);
    LineTo(55, 55);
    for (int k = 0; k < 5; ++k) EXPECT_EQ(At(50 + k, 50 + k), canvas::red);
    EXPECT_EQ(At(55, 55), canvas::empty);
    EXPECT_EQ(BoxOf(canvas::red).count, 5);
}

TEST_F(ShapeDraw, LinesJoinAtTheCurrentPosition) {
    SelectPen(Pen{MakeRgb(255, 0, 0), 1});
    MoveTo(100, 100);
    LineTo(110, 100);
    LineTo(110, 110);
    EXPECT_EQ(At(110, 100), canvas::red);  // drawn by the second line
    EXPECT_EQ(At(110, 109), canvas::red);
    EXPECT_EQ(At(110, 110), canvas::empty);
    EXPECT_EQ(BoxOf(canvas::red).count, 20);
}

TEST_F(ShapeDraw, WidePenStraddlesTheLine) {
    MoveTo(10, 50);
    LineTo(20, 50);
    for (int x = 10; x < 20; ++x) {
        EXPECT_EQ(At(x, 49), canvas::white);
        EXPECT_EQ(At(x, 50), canvas::white);
        EXPECT_EQ(At(x, 51), canvas::empty);
    }
    EXPECT_EQ(At(10, 48), canvas::empty);
}

TEST_F(ShapeDraw, FarAwayLineEndsAreCutToTheScreen) {
    SelectPen(Pen{MakeRgb(255, 0, 0), 1});
    MoveTo(-2000000000, 240);
    LineTo(2000000000, 240);
    EXPECT_EQ(BoxOf(canvas::red).count, 640);
    EXPECT_EQ(At(0, 240), canvas::red);
    EXPECT_EQ(At(639, 240), canvas::red);

    canvas::Clear();
    MoveTo(-5000, -5000);
    LineTo(5000, 5000);  // the screen's diagonal, 480 rows of it
    EXPECT_EQ(BoxOf(canvas::red).count, 480);
    EXPECT_EQ(At(479, 479), canvas::red);
}

TEST_F(ShapeDraw, BeginTextStartsFromTheDefaultObjects) {
    BeginText();  // black one-pixel pen, white brush
    RoundRect(10, 10, 20, 20, 0, 0);
    EXPECT_EQ(At(10, 15), canvas::black);
    EXPECT_EQ(At(15, 15), canvas::white);
    EXPECT_EQ(At(9, 15), canvas::empty);
}

}  // namespace
