#include "platform/canvas/qpaintercanvas.h"

#include <QColor>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace velmora {

namespace {

constexpr int kPenWidth = 1; // pixels

QImage patternImage(const PatternBrush& brush) {
    QImage image(brush.width(), brush.height(), QImage::Format_Mono);
    // A 0 bit is the text colour, a 1 bit the background.
    image.setColorTable({QColor(Qt::black).rgb(), QColor(Qt::white).rgb()});
    const auto rowBytes = static_cast<std::size_t>(PatternBrush::bytesPerRow(brush.width()));
    const auto usedBytes = static_cast<std::size_t>((brush.width() + 7) / 8);
    for (int row = 0; row < brush.height(); ++row)
        std::memcpy(image.scanLine(row),
                    brush.bits().data() + static_cast<std::size_t>(row) * rowBytes, usedBytes);
    return image;
}

} // namespace

QFont QPainterCanvas::reportFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kReportFontPixelSize);
    return font;
}

QPainterCanvas::QPainterCanvas(QPainter& painter) : painter_(painter), brush_(Qt::white) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setFont(reportFont());
    painter_.setPen(QPen(Qt::black, kPenWidth));
}

void QPainterCanvas::fillPixels(int x, int y, int width, int height, const QBrush& brush) {
    if (width > 0 && height > 0)
        painter_.fillRect(QRect(x, y, width, height), brush);
}

void QPainterCanvas::SetPatternBrush(const PatternBrush& brush) {
    // A plain white pattern is drawn as a solid fill: the same pixels, and vector outputs
    // stay small and print cleanly.
    brush_ = brush.isPlainWhite() ? QBrush(Qt::white) : QBrush(patternImage(brush));
    painter_.setBrushOrigin(0, 0);
}

void QPainterCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    if (x2 < x1)
        std::swap(x1, x2);
    if (y2 < y1)
        std::swap(y1, y2);
    const int width = x2 - x1;
    const int height = y2 - y1;
    if (width <= 0 || height <= 0)
        return;
    const QBrush pen(Qt::black);
    fillPixels(x1 + kPenWidth, y1 + kPenWidth, width - 2 * kPenWidth, height - 2 * kPenWidth,
               brush_);
    fillPixels(x1, y1, width, kPenWidth, pen);
    fillPixels(x1, y2 - kPenWidth, width, kPenWidth, pen);
    fillPixels(x1, y1, kPenWidth, height, pen);
    fillPixels(x2 - kPenWidth, y1, kPenWidth, height, pen);
}

void QPainterCanvas::TextOut(int x, int y, const std::string& text) {
    const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QFontMetricsF metrics(painter_.font(), painter_.device());
    const int width = static_cast<int>(std::ceil(metrics.horizontalAdvance(qtext)));
    fillPixels(x, y, width, kTextCellHeight, QBrush(Qt::white));
    painter_.setPen(QPen(Qt::black, kPenWidth));
    // The baseline sits as low as the descenders allow, so they stay inside the cell.
    const double baseline = y + kTextCellHeight - std::ceil(metrics.descent());
    painter_.drawText(QPointF(x, baseline), qtext);
}

void QPainterCanvas::MoveTo(int x, int y) {
    current_ = QPoint(x, y);
}

void QPainterCanvas::LineTo(int x, int y) {
    const QPoint from = current_;
    const QPoint to(x, y);
    current_ = to;
    const QBrush pen(Qt::black);
    if (from.y() == to.y()) {
        // The pixels from the start up to, not including, the end point.
        const int left = from.x() < to.x() ? from.x() : to.x() + 1;
        fillPixels(left, from.y(), std::abs(to.x() - from.x()), kPenWidth, pen);
    } else if (from.x() == to.x()) {
        const int top = from.y() < to.y() ? from.y() : to.y() + 1;
        fillPixels(from.x(), top, kPenWidth, std::abs(to.y() - from.y()), pen);
    } else {
        // A slanted line: stop one step short of the end along its longer axis.
        const int dx = to.x() - from.x();
        const int dy = to.y() - from.y();
        const bool mostlyAcross = std::abs(dx) >= std::abs(dy);
        const double steps = mostlyAcross ? std::abs(dx) : std::abs(dy);
        const double shortened = (steps - 1.0) / steps;
        const QPointF last(from.x() + std::round(dx * shortened),
                           from.y() + std::round(dy * shortened));
        painter_.setPen(QPen(Qt::black, kPenWidth));
        painter_.drawLine(QPointF(from), last);
    }
}

} // namespace velmora
