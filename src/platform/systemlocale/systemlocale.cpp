#include "platform/systemlocale/systemlocale.h"

#include <QLocale>
#include <QString>

#include <cctype>
#include <string>

namespace velmora {

namespace {

// The pattern a locale gets when its own short date is not purely numeric.
constexpr std::string_view kNumericFallbackPattern = "yyyy-MM-dd";

bool isDateLetter(char c) {
    return c == 'd' || c == 'M' || c == 'y';
}

// Punctuation that may stand between the fields: no letter, digit, blank or quote.
bool isDateSeparator(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u > ' ' && u < 0x7f && std::isalnum(u) == 0 && c != '\'' && c != '"';
}

// The pattern with every year field written with four digits, or empty when the pattern holds
// anything but one day, one month and one year field (each numeric) and separators.
std::string numericPatternWithLongYear(const QString& qtPattern) {
    const QByteArray bytes = qtPattern.toUtf8();
    const std::string_view pattern(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    std::string widened;
    int days = 0, months = 0, years = 0;
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        if (!isDateLetter(c)) {
            if (!isDateSeparator(c))
                return {};
            widened += c;
            ++i;
            continue;
        }
        std::size_t run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c)
            ++run;
        i += run;
        if (c == 'y') {
            if (run > 4)
                return {};
            widened += "yyyy";
            ++years;
        } else {
            if (run > 2) // MMM and dddd are names
                return {};
            widened.append(run, c);
            ++(c == 'd' ? days : months);
        }
    }
    if (days != 1 || months != 1 || years != 1)
        return {};
    return widened;
}

char asciiDecimalPoint(const QLocale& locale) {
    const QString point = locale.decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() > ' ' && point.at(0).unicode() < 0x7f)
        return static_cast<char>(point.at(0).unicode());
    return '.';
}

QLocale localeOfName(std::string_view name) {
    return QLocale(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

} // namespace

FormatSettings formatSettingsForLocale(const QLocale& locale) {
    if (locale.language() == QLocale::C)
        return cLocaleSettings();
    FormatSettings settings;
    settings.decimalSeparator = asciiDecimalPoint(locale);
    settings.shortDatePattern = numericPatternWithLongYear(locale.dateFormat(QLocale::ShortFormat));
    if (settings.shortDatePattern.empty())
        settings.shortDatePattern = std::string(kNumericFallbackPattern);
    return settings;
}

FormatSettings formatSettingsForLocaleName(std::string_view localeName) {
    return formatSettingsForLocale(localeOfName(localeName));
}

FormatSettings formatSettingsFromEnvironment() {
    FormatSettings settings;
    settings.decimalSeparator =
        formatSettingsForLocaleName(numericLocaleNameFromEnvironment()).decimalSeparator;
    settings.shortDatePattern =
        formatSettingsForLocaleName(timeLocaleNameFromEnvironment()).shortDatePattern;
    return settings;
}

} // namespace velmora
