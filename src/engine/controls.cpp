#include "engine/controls.h"

#include <cstddef>

namespace velmora {

std::string StringGrid::cell(int column, int row) const {
    if (column < 0 || row < 0 || static_cast<std::size_t>(row) >= rows_.size())
        return {};
    const auto& cells = rows_[static_cast<std::size_t>(row)];
    if (static_cast<std::size_t>(column) >= cells.size())
        return {};
    return cells[static_cast<std::size_t>(column)];
}

void StringGrid::setCell(int column, int row, const std::string& text) {
    if (column < 0 || row < 0)
        return;
    const auto r = static_cast<std::size_t>(row);
    const auto c = static_cast<std::size_t>(column);
    if (r >= rows_.size())
        rows_.resize(r + 1);
    if (c >= rows_[r].size())
        rows_[r].resize(c + 1);
    rows_[r][c] = text;
}

} // namespace velmora
