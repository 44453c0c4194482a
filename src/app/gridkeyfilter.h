// The key filter of the rainfall and stage-discharge grids: what a typed key may do to a cell
// that holds a number.
#pragma once

#include <QChar>
#include <QString>
#include <Qt>

namespace velmora {

enum class GridKey {
    Pass,     // reaches the cell as typed
    Ignore,   // a character that cannot be part of a number: the cell never sees it
    LineFeed, // Ctrl+J or Ctrl+Enter
};

// Digits, the point, the locale's decimal separator, the signs and the exponent letter pass;
// so do Ctrl+C and Ctrl+V, Backspace, Enter, Tab and keys that type no character (arrows,
// Delete, F2, Home, End). Every other character, other Ctrl combinations that type one
// included (Ctrl+X, Ctrl+Z), is ignored.
GridKey filterGridKey(int key, Qt::KeyboardModifiers modifiers, const QString& text,
                      QChar decimalSeparator);

} // namespace velmora
