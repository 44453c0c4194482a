#include "platform/canvas/patternbrush.h"

#include <algorithm>
#include <stdexcept>

namespace velmora {

namespace {

constexpr int kBitsPerByte = 8;
constexpr int kBitsPerRowUnit = 16; // rows are padded to whole 16-bit words
constexpr std::uint8_t kAllBitsSet = 0xFF;
constexpr std::uint8_t kHighBit = 0x80;

// Bits a row really uses in its byte `column` (the last byte of a row may be partly padding).
std::uint8_t usedBitsMask(int width, int column) {
    const int firstBit = column * kBitsPerByte;
    const int used = std::clamp(width - firstBit, 0, kBitsPerByte);
    return static_cast<std::uint8_t>(kAllBitsSet << (kBitsPerByte - used));
}

int positiveModulo(int value, int divisor) {
    const int remainder = value % divisor;
    return remainder < 0 ? remainder + divisor : remainder;
}

} // namespace

int PatternBrush::bytesPerRow(int width) {
    const int words = (width + kBitsPerRowUnit - 1) / kBitsPerRowUnit;
    return words * (kBitsPerRowUnit / kBitsPerByte);
}

PatternBrush::PatternBrush(int width, int height, std::vector<std::uint8_t> bits)
    : width_(width), height_(height), bits_(std::move(bits)) {
    if (width <= 0 || height <= 0)
        throw std::invalid_argument("A pattern brush needs a positive width and height");
    const auto expected =
        static_cast<std::size_t>(bytesPerRow(width)) * static_cast<std::size_t>(height);
    if (bits_.size() != expected)
        throw std::invalid_argument("The pattern's bits do not match its size");
}

PatternBrush PatternBrush::plainWhite(int width, int height) {
    const auto size = static_cast<std::size_t>(bytesPerRow(width > 0 ? width : 0)) *
                      static_cast<std::size_t>(height > 0 ? height : 0);
    return PatternBrush(width, height, std::vector<std::uint8_t>(size, kAllBitsSet));
}

bool PatternBrush::isWhiteAt(int x, int y) const {
    const int px = positiveModulo(x, width_);
    const int py = positiveModulo(y, height_);
    const auto index =
        static_cast<std::size_t>(py) * static_cast<std::size_t>(bytesPerRow(width_)) +
        static_cast<std::size_t>(px / kBitsPerByte);
    return (bits_[index] & (kHighBit >> (px % kBitsPerByte))) != 0;
}

bool PatternBrush::isPlainWhite() const {
    const int rowBytes = bytesPerRow(width_);
    for (int row = 0; row < height_; ++row) {
        for (int column = 0; column < rowBytes; ++column) {
            const std::uint8_t mask = usedBitsMask(width_, column);
            const auto index = static_cast<std::size_t>(row) * static_cast<std::size_t>(rowBytes) +
                               static_cast<std::size_t>(column);
            if ((bits_[index] & mask) != mask)
                return false;
        }
    }
    return true;
}

} // namespace velmora
