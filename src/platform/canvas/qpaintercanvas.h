// The report canvas on any QPainter: a widget, an image, a PDF or SVG file, a printer.
#pragma once

#include "platform/canvas/canvas.h"

#include <QBrush>
#include <QFont>
#include <QPoint>

class QPainter;

namespace velmora {

// Draws pixel-exact at a 1:1 scale: rules and outlines are filled 1-pixel runs (no
// antialiasing), so they also scale with the page as solid bars when the painter is scaled
// for a sharper image, a PDF sheet or a printer. Text is black on an opaque white cell.
class QPainterCanvas final : public Canvas {
  public:
    // Sets the painter's font and turns off antialiasing of shapes; the painter must be
    // active and outlive the canvas.
    explicit QPainterCanvas(QPainter& painter);

    void SetPatternBrush(const PatternBrush& brush) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void TextOut(int x, int y, const std::string& text) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;

    // Liberation Sans at kReportFontPixelSize, or the system's sans serif when it is missing.
    static QFont reportFont();

  private:
    void fillPixels(int x, int y, int width, int height, const QBrush& brush);

    QPainter& painter_;
    QBrush brush_;
    QPoint current_;
};

// pixels: character height of the page's text. Liberation Sans at 10 pixels is about as wide as
// the 11-pixel system font the layout's columns were set for: every heading and value fits
// between its column rules and the longest input line within the frame.
inline constexpr int kReportFontPixelSize = 10;

} // namespace velmora
