// A canvas that draws nothing and keeps the list of operations in the order they came,
// for tests and for the report's draw list.
#pragma once

#include "platform/canvas/canvas.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace velmora {

enum class DrawOpKind { Brush, Rectangle, TextOut, MoveTo, LineTo };

// One canvas operation. A point operation (text, moveTo, lineTo) keeps its point in x1, y1;
// x2, y2 are used by rectangles only.
struct DrawOp {
    DrawOpKind kind = DrawOpKind::Brush;
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    std::string text;

    static DrawOp brush() { return DrawOp{}; }
    static DrawOp rectangle(int x1, int y1, int x2, int y2) {
        return DrawOp{DrawOpKind::Rectangle, x1, y1, x2, y2, {}};
    }
    static DrawOp textOut(int x, int y, std::string text) {
        return DrawOp{DrawOpKind::TextOut, x, y, 0, 0, std::move(text)};
    }
    static DrawOp moveTo(int x, int y) { return DrawOp{DrawOpKind::MoveTo, x, y, 0, 0, {}}; }
    static DrawOp lineTo(int x, int y) { return DrawOp{DrawOpKind::LineTo, x, y, 0, 0, {}}; }

    bool operator==(const DrawOp&) const = default;
};

// The operation's name as the draw list writes it: "brush", "rectangle", "textOut", ...
const char* drawOpName(DrawOpKind kind);

// Such as textOut(10, 1, "Velmora"), for readable test failures.
std::ostream& operator<<(std::ostream& out, const DrawOp& op);

class RecordingCanvas final : public Canvas {
  public:
    void SetPatternBrush(const PatternBrush& brush) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void TextOut(int x, int y, const std::string& text) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;

    const std::vector<DrawOp>& ops() const noexcept { return ops_; }
    // The brush installed last, if any.
    const std::optional<PatternBrush>& brush() const noexcept { return brush_; }

  private:
    std::vector<DrawOp> ops_;
    std::optional<PatternBrush> brush_;
};

} // namespace velmora
