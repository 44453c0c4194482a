#include "platform/dialogs/dialogs.h"

#include <QCoreApplication>

namespace velmora {

namespace {

QString applicationTitle() {
    return QCoreApplication::applicationName();
}

// A message longer than this many characters (a pasted page of digits quoted in a conversion
// error) is shortened in its middle, so the box still fits the screen.
constexpr qsizetype kLongestMessage = 300;

QString shortenedForABox(const QString& text) {
    if (text.size() <= kLongestMessage)
        return text;
    const qsizetype keep = kLongestMessage / 2;
    return text.left(keep) + QStringLiteral("\u2026") + text.right(keep);
}

} // namespace

void showPlainMessage(Dialogs& dialogs, QWidget* parent, const QString& text) {
    dialogs.showMessage(parent, applicationTitle(), text, MessageIcon::None);
}

void showErrorMessage(Dialogs& dialogs, QWidget* parent, const QString& text) {
    dialogs.showMessage(parent, applicationTitle(), shortenedForABox(text), MessageIcon::Error);
}

void showInformation(Dialogs& dialogs, QWidget* parent, const QString& text) {
    dialogs.showMessage(parent, QStringLiteral("Information"), text, MessageIcon::Information);
}

QStringList nameFiltersFromPairs(const QString& pairs) {
    const QStringList parts = pairs.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns)
            if (pattern == QLatin1String("*.*"))
                pattern = QStringLiteral("*");
        const QString joined = patterns.join(QLatin1Char(' '));
        if (description.contains(QLatin1Char('(')) && description.endsWith(QLatin1Char(')')))
            filters << description;
        else
            filters << description + QStringLiteral(" (") + joined + QLatin1Char(')');
    }
    return filters;
}

} // namespace velmora
