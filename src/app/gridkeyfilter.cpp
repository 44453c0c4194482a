#include "app/gridkeyfilter.h"

namespace velmora {

namespace {

bool isEnterKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Qt numbers the keys that do not type a character (Escape, Tab, Backspace, Enter, Delete,
// the arrows, F2, Home, End, ...) from Key_Escape up; they edit or move and are never filtered.
bool isSpecialKey(int key) {
    return key >= Qt::Key_Escape;
}

bool canBePartOfANumber(QChar c, QChar decimalSeparator) {
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return true;
    return c == QLatin1Char('.') || c == decimalSeparator || c == QLatin1Char('-') ||
           c == QLatin1Char('+') || c == QLatin1Char('e') || c == QLatin1Char('E');
}

} // namespace

GridKey filterGridKey(int key, Qt::KeyboardModifiers modifiers, const QString& text,
                      QChar decimalSeparator) {
    const bool control = modifiers.testFlag(Qt::ControlModifier);
    if (control && (key == Qt::Key_J || isEnterKey(key)))
        return GridKey::LineFeed;
    if (isSpecialKey(key))
        return GridKey::Pass;
    // Ctrl with a letter or sign types a control character; AltGr (Ctrl+Alt) types the
    // character it shows.
    if (control && !modifiers.testFlag(Qt::AltModifier))
        return key == Qt::Key_C || key == Qt::Key_V ? GridKey::Pass : GridKey::Ignore;
    if (text.isEmpty())
        return GridKey::Pass;
    for (const QChar c : text)
        if (!canBePartOfANumber(c, decimalSeparator))
            return GridKey::Ignore;
    return GridKey::Pass;
}

} // namespace velmora
