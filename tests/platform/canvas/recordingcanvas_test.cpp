#include "platform/canvas/recordingcanvas.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>

namespace velmora {
namespace {

using ::testing::ElementsAre;

TEST(RecordingCanvas, KeepsOperationsInOrderWithTheirArguments) {
    RecordingCanvas canvas;
    const PatternBrush white = PatternBrush::plainWhite(710, 540);
    canvas.SetPatternBrush(white);
    canvas.Rectangle(0, 0, 700, 535);
    canvas.TextOut(10, 1, "Velmora");
    canvas.MoveTo(5, 69);
    canvas.LineTo(695, 69);
    EXPECT_THAT(canvas.ops(), ElementsAre(DrawOp::brush(), DrawOp::rectangle(0, 0, 700, 535),
                                          DrawOp::textOut(10, 1, "Velmora"), DrawOp::moveTo(5, 69),
                                          DrawOp::lineTo(695, 69)));
    EXPECT_EQ(canvas.brush(), white);

    std::ostringstream out;
    out << canvas.ops()[1] << ' ' << canvas.ops()[2] << ' ' << canvas.ops()[4];
    EXPECT_EQ(out.str(), "rectangle(0, 0, 700, 535) textOut(10, 1, \"Velmora\") lineTo(695, 69)");
}

TEST(PatternBrush, RowsArePaddedToWordsAndTiled) {
    EXPECT_EQ(PatternBrush::bytesPerRow(710), 90); // 45 words
    EXPECT_EQ(PatternBrush::bytesPerRow(16), 2);
    EXPECT_EQ(PatternBrush::bytesPerRow(17), 4);

    // 10 x 2: row 0 has its first and tenth pixel black, row 1 is white; the padding bits
    // (pixels 10 to 15) are 0 and must not count.
    const PatternBrush brush(10, 2, {0x7F, 0x80, 0xFF, 0xC0});
    EXPECT_FALSE(brush.isWhiteAt(0, 0));
    EXPECT_TRUE(brush.isWhiteAt(1, 0));
    EXPECT_TRUE(brush.isWhiteAt(8, 0));
    EXPECT_FALSE(brush.isWhiteAt(9, 0));
    EXPECT_FALSE(brush.isWhiteAt(10, 2));  // tiles: (0, 0) again
    EXPECT_FALSE(brush.isWhiteAt(-1, -2)); // (9, 0)
    EXPECT_FALSE(brush.isPlainWhite());
    EXPECT_TRUE(PatternBrush(10, 2, {0xFF, 0xC0, 0xFF, 0xC0}).isPlainWhite());
    EXPECT_TRUE(PatternBrush::plainWhite(710, 540).isPlainWhite());
    EXPECT_THROW(PatternBrush(10, 2, {0xFF}), std::invalid_argument);
    EXPECT_THROW(PatternBrush(0, 2, {}), std::invalid_argument);
}

} // namespace
} // namespace velmora
