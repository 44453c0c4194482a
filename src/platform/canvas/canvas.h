// The drawing surface the report page is drawn on: the four primitives of a pixel canvas
// and a pattern brush. Coordinates are device pixels, origin top-left, y downwards.
#pragma once

#include "platform/canvas/patternbrush.h"

#include <string>

namespace velmora {

inline constexpr int kTextCellHeight = 13; // pixels: the height of one line of text

class Canvas {
  public:
    virtual ~Canvas() = default;

    // Makes `brush` the fill of later rectangles. Text cells stay white.
    virtual void SetPatternBrush(const PatternBrush& brush) = 0;

    // Outlines the rectangle in the 1-pixel black pen and fills its inside with the brush;
    // the rectangle covers x1 .. x2 - 1 and y1 .. y2 - 1.
    virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;

    // Fills the text's cell (its width by kTextCellHeight pixels, top-left at x, y) white,
    // then writes the text in black on one line.
    virtual void TextOut(int x, int y, const std::string& text) = 0;

    // Sets the current point.
    virtual void MoveTo(int x, int y) = 0;

    // A 1-pixel line from the current point to (x, y), the end point itself not drawn;
    // (x, y) becomes the current point.
    virtual void LineTo(int x, int y) = 0;
};

} // namespace velmora
