#include "platform/canvas/recordingcanvas.h"

#include <ostream>

namespace velmora {

const char* drawOpName(DrawOpKind kind) {
    switch (kind) {
    case DrawOpKind::Brush:
        return "brush";
    case DrawOpKind::Rectangle:
        return "rectangle";
    case DrawOpKind::TextOut:
        return "textOut";
    case DrawOpKind::MoveTo:
        return "moveTo";
    case DrawOpKind::LineTo:
        return "lineTo";
    }
    return "unknown";
}

std::ostream& operator<<(std::ostream& out, const DrawOp& op) {
    out << drawOpName(op.kind);
    switch (op.kind) {
    case DrawOpKind::Brush:
        return out << "()";
    case DrawOpKind::Rectangle:
        return out << '(' << op.x1 << ", " << op.y1 << ", " << op.x2 << ", " << op.y2 << ')';
    case DrawOpKind::TextOut:
        return out << '(' << op.x1 << ", " << op.y1 << ", \"" << op.text << "\")";
    case DrawOpKind::MoveTo:
    case DrawOpKind::LineTo:
        return out << '(' << op.x1 << ", " << op.y1 << ')';
    }
    return out;
}

void RecordingCanvas::SetPatternBrush(const PatternBrush& brush) {
    brush_ = brush;
    ops_.push_back(DrawOp::brush());
}

void RecordingCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    ops_.push_back(DrawOp::rectangle(x1, y1, x2, y2));
}

void RecordingCanvas::TextOut(int x, int y, const std::string& text) {
    ops_.push_back(DrawOp::textOut(x, y, text));
}

void RecordingCanvas::MoveTo(int x, int y) {
    ops_.push_back(DrawOp::moveTo(x, y));
}

void RecordingCanvas::LineTo(int x, int y) {
    ops_.push_back(DrawOp::lineTo(x, y));
}

} // namespace velmora
