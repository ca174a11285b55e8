#include "options/Relayout.h"
#include "clock/FaceText.h"

#include <gtest/gtest.h>

namespace {

TEST(Relayout, FiguresOfTheClockWindow)
{
    struct Case {
        int faces;
        TLayoutOptions options;
        int width, height;
    } cases[] = {
        {1, {false, true, false, false}, 75, 40},
        {1, {false, false, false, false}, 83, 18},
        {3, {false, true, true, true}, 225, 67},
        {3, {true, true, true, true}, 75, 157},
        {3, {true, false, true, true}, 83, 135},
        {4, {false, true, false, false}, 300, 40},
        {2, {true, true, true, false}, 75, 82},
        {2, {false, false, false, true}, 158, 30},
    };
    for (const auto& c : cases) {
        TClockLayout layout = Relayout(c.faces, c.options);
        EXPECT_EQ(layout.ClientWidth, c.width) << c.faces << " faces";
        EXPECT_EQ(layout.ClientHeight, c.height) << c.faces << " faces";
    }
}

// Every combination of orientation, band, dates and labels, for several clock counts:
// the faces tile the clock area exactly, in order, without gaps or overlaps.
TEST(Relayout, FacesTileTheClockAreaInEveryCombination)
{
    for (int faces = 1; faces <= 5; ++faces)
        for (int bits = 0; bits < 16; ++bits) {
            TLayoutOptions o{(bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0, (bits & 8) != 0};
            TClockLayout l = Relayout(faces, o);
            const int h = o.ShowDate && o.ShowLabels ? 45 : (o.ShowDate || o.ShowLabels ? 30 : 18);
            const int b = o.ShowCaption ? 22 : 0;
            const int s = o.ShowCaption ? 0 : 8;
            SCOPED_TRACE(testing::Message() << faces << " faces, options " << bits);
            EXPECT_EQ(l.FaceHeight, h);
            EXPECT_EQ(l.ClientWidth, o.Vertical ? 75 + s : 75 * faces + s);
            EXPECT_EQ(l.ClientHeight, o.Vertical ? b + h * faces : b + h);
            EXPECT_EQ(l.ClockArea, (TLayoutRect{s, b, l.ClientWidth - s, l.ClientHeight - b}));
            ASSERT_EQ(static_cast<int>(l.Faces.size()), faces);
            int area = 0;
            for (int i = 0; i < faces; ++i) {
                const auto& f = l.Faces[i];
                EXPECT_EQ(f.Width, 75);
                EXPECT_EQ(f.Height, h);
                EXPECT_EQ(f.Left, o.Vertical ? s : s + 75 * i);
                EXPECT_EQ(f.Top, o.Vertical ? b + h * i : b);
                EXPECT_LE(f.Right(), l.ClientWidth);
                EXPECT_LE(f.Bottom(), l.ClientHeight);
                area += f.Width * f.Height;
            }
            EXPECT_EQ(area, l.ClockArea.Width * l.ClockArea.Height);
            EXPECT_EQ(l.Band, (TLayoutRect{0, 0, l.ClientWidth, 22}));
            EXPECT_EQ(l.LeftStrip, (TLayoutRect{0, b, 8, l.ClientHeight - b}));
        }
}

// At other DPIs each length is scaled once and the row is a whole number of faces, so the
// faces still tile the clock area; a scaled total would leave the last face a pixel off.
TEST(Relayout, ScaledLayoutsKeepTheRuleAtEveryDpi)
{
    struct Case {
        int dpi;
        int face, band, strip, oneLine, threeLines;
    } cases[] = {
        {96, 75, 22, 8, 18, 45},
        {120, 94, 28, 10, 23, 56},
        {144, 113, 33, 12, 27, 68},
        {168, 131, 39, 14, 32, 79},
        {192, 150, 44, 16, 36, 90},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dpi << " DPI");
        TClockLayout row = Relayout(3, {false, true, false, false}, c.dpi);
        EXPECT_EQ(row.ClientWidth, 3 * c.face);
        EXPECT_EQ(row.ClientHeight, c.band + c.oneLine);
        EXPECT_EQ(row.Band, (TLayoutRect{0, 0, 3 * c.face, c.band}));
        EXPECT_EQ(row.Faces[2], (TLayoutRect{2 * c.face, c.band, c.face, c.oneLine}));
        TClockLayout column = Relayout(2, {true, false, true, true}, c.dpi);
        EXPECT_EQ(column.ClientWidth, c.strip + c.face);
        EXPECT_EQ(column.ClientHeight, 2 * c.threeLines);
        EXPECT_EQ(column.LeftStrip, (TLayoutRect{0, 0, c.strip, 2 * c.threeLines}));
        EXPECT_EQ(column.Faces[1], (TLayoutRect{c.strip, c.threeLines, c.face, c.threeLines}));
    }
}

// A text that needs more room makes every face as large as the largest need, never smaller
// than the rule, nor so large that the window leaves the room it is given (its monitor's work
// area) unless the rule's own size does; the faces still tile the clock area.
TEST(Relayout, FacesGrowToTheLargestTextNeed)
{
    const TFaceNeed small = FaceNeedFor(40, 13, 1);
    EXPECT_EQ(small, (TFaceNeed{46, 17}));
    EXPECT_EQ(Largest(small, FaceNeedFor(100, 20, 3)), (TFaceNeed{106, 64}));
    struct Case {
        bool vertical;
        int dpi;
        TFaceNeed need;
        int faceWidth, faceHeight;
        TLayoutRoom room{};
    } cases[] = {
        {false, 96, small, 75, 18},  {true, 96, small, 75, 18},       {false, 144, small, 113, 27},
        {false, 96, {106, 64}, 106, 64}, {true, 96, {106, 64}, 106, 64}, {true, 144, {80, 40}, 113, 40},
        // (1024 - 8) / 3 wide in a row, 768 / 3 high in a column; the rule's size when even that won't fit.
        {false, 96, {400, 900}, 338, 768, {1024, 768}}, {true, 96, {1100, 300}, 1016, 256, {1024, 768}},
        {false, 96, {106, 64}, 106, 64, {1024, 768}},   {false, 96, {106, 64}, 75, 18, {200, 10}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.vertical ? "column" : "row") << " at " << c.dpi << " in "
                                        << c.room.Width << "x" << c.room.Height);
        TClockLayout l = Relayout(3, {c.vertical, false, false, false}, c.dpi, c.need, c.room);
        const int strip = ScaleLength(StripWidth, c.dpi);
        EXPECT_EQ(l.FaceHeight, c.faceHeight);
        EXPECT_EQ(l.ClientWidth, strip + (c.vertical ? 1 : 3) * c.faceWidth);
        EXPECT_EQ(l.ClientHeight, (c.vertical ? 3 : 1) * c.faceHeight);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(l.Faces[i].Width, c.faceWidth);
            EXPECT_EQ(l.Faces[i].Height, c.faceHeight);
            EXPECT_EQ(c.vertical ? l.Faces[i].Top : l.Faces[i].Left, (c.vertical ? 0 : strip) + i * (c.vertical ? c.faceHeight : c.faceWidth));
        }
    }
}

TEST(Relayout, HitRectanglesAreInclusiveOnEveryEdge)
{
    TLayoutRect band{0, 0, 75, 22};
    EXPECT_TRUE(band.ContainsInclusive(0, 0));
    EXPECT_TRUE(band.ContainsInclusive(75, 22));
    EXPECT_FALSE(band.ContainsInclusive(76, 10));
    EXPECT_FALSE(band.ContainsInclusive(10, 23));
    EXPECT_FALSE(band.ContainsInclusive(-1, 0));
}

}  // namespace
