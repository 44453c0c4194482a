// A one-bit fill pattern, the kind a monochrome bitmap brush paints with.
#pragma once

#include <cstdint>
#include <vector>

namespace velmora {

// A width x height one-bit bitmap tiled over the surface from its top-left corner. A 1 bit
// paints the background colour (white), a 0 bit the text colour (black). Rows are padded to
// whole 16-bit words, most significant bit first, as monochrome bitmaps are laid out.
class PatternBrush {
  public:
    // Throws std::invalid_argument when a size is not positive or `bits` does not hold
    // height rows of bytesPerRow(width) bytes.
    PatternBrush(int width, int height, std::vector<std::uint8_t> bits);

    // All bits 1: fills plain white.
    static PatternBrush plainWhite(int width, int height);

    static int bytesPerRow(int width);

    int width() const noexcept { return width_; }
    int height() const noexcept { return height_; }
    const std::vector<std::uint8_t>& bits() const noexcept { return bits_; }

    // Whether the pattern paints white at surface pixel (x, y), the tiling included.
    bool isWhiteAt(int x, int y) const;
    bool isPlainWhite() const;

    bool operator==(const PatternBrush&) const = default;

  private:
    int width_;
    int height_;
    std::vector<std::uint8_t> bits_;
};

} // namespace velmora
