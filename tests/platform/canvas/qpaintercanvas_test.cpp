#include "platform/canvas/qpaintercanvas.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace velmora {
namespace {

// Text needs the font database, which needs a QGuiApplication; one lives for the whole run.
class QPainterCanvasTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (QCoreApplication::instance() == nullptr) {
            static int argc = 1;
            static char name[] = "qpaintercanvas_test";
            static char* argv[] = {name, nullptr};
            static QGuiApplication* application = new QGuiApplication(argc, argv);
            (void)application;
        }
    }

    // A 20 x 20 image filled with `background`, drawn on by `draw`.
    static QImage drawn(const std::function<void(Canvas&)>& draw, Qt::GlobalColor background) {
        QImage image(20, 20, QImage::Format_RGB32);
        image.fill(background);
        QPainter painter(&image);
        QPainterCanvas canvas(painter);
        draw(canvas);
        painter.end();
        return image;
    }

    // The image as rows of '#' (black), '.' (white) and '?' (anything else).
    static std::string picture(const QImage& image, int x1, int y1, int x2, int y2) {
        std::string rows;
        for (int y = y1; y < y2; ++y) {
            for (int x = x1; x < x2; ++x) {
                const QRgb pixel = image.pixel(x, y) & RGB_MASK;
                rows += pixel == 0 ? '#' : pixel == RGB_MASK ? '.' : '?';
            }
            rows += '\n';
        }
        return rows;
    }
};

TEST_F(QPainterCanvasTest, RectangleCoversUpToButNotIncludingItsSecondCorner) {
    const QImage image = drawn(
        [](Canvas& c) {
            c.SetPatternBrush(PatternBrush::plainWhite(16, 1));
            c.Rectangle(2, 1, 7, 5);
        },
        Qt::gray);
    EXPECT_EQ(picture(image, 1, 0, 8, 6), "???????\n"
                                          "?#####?\n"
                                          "?#...#?\n"
                                          "?#...#?\n"
                                          "?#####?\n"
                                          "???????\n");
}

TEST_F(QPainterCanvasTest, PatternBrushFillsTheInsideFromTheSurfaceOrigin) {
    // Columns alternate black and white: bits 0101...
    const PatternBrush stripes(16, 1, {0x55, 0x55});
    const QImage image = drawn(
        [&](Canvas& c) {
            c.SetPatternBrush(stripes);
            c.Rectangle(0, 0, 8, 3);
        },
        Qt::gray);
    EXPECT_EQ(picture(image, 0, 0, 8, 3), "########\n"
                                          "#.#.#.##\n"
                                          "########\n");
}

TEST_F(QPainterCanvasTest, LinesStopBeforeTheirEndPoint) {
    const QImage image = drawn(
        [](Canvas& c) {
            c.MoveTo(1, 1);
            c.LineTo(6, 1); // right: x 1..5
            c.LineTo(6, 4); // down from (6, 1): y 1..3
            c.MoveTo(6, 5);
            c.LineTo(2, 5); // left: x 6..3
        },
        Qt::white);
    EXPECT_EQ(picture(image, 0, 0, 8, 7), "........\n"
                                          ".######.\n"
                                          "......#.\n"
                                          "......#.\n"
                                          "........\n"
                                          "...####.\n"
                                          "........\n");
}

TEST_F(QPainterCanvasTest, TextCellIsFilledWhiteThirteenPixelsHigh) {
    // Blanks only: the cell is all there is to see.
    const QImage image = drawn([](Canvas& c) { c.TextOut(3, 2, "   "); }, Qt::black);
    EXPECT_EQ(picture(image, 2, 1, 4, 16), "##\n#.\n#.\n#.\n#.\n#.\n#.\n#.\n#.\n#.\n#.\n#.\n#."
                                           "\n#.\n##\n");
}

} // namespace
} // namespace velmora
