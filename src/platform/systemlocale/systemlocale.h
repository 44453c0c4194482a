// The user's regional conventions as Qt's locale data gives them. Both programs take their
// FormatSettings from here, so the desktop program and velmora-cli always write the same
// numbers and dates.
#pragma once

#include "platform/conversions.h"

#include <string_view>

class QLocale;

namespace velmora {

// The locale's decimal point and its short date pattern with the year widened to four digits
// (dd.MM.yy becomes dd.MM.yyyy). A pattern that is not purely numeric (anything but day, month,
// year and punctuation between them, such as month names or blanks) becomes yyyy-MM-dd, so a
// written date always reads back and stays one word in a project file. A decimal point that is
// not a single ASCII character becomes '.'. Qt's C locale gives the C conventions: '.' and
// M/d/yyyy.
FormatSettings formatSettingsForLocale(const QLocale& locale);

// The conventions of a POSIX locale name ("de_DE.UTF-8", "en_GB", "C"); a name Qt does not
// know gives the C conventions.
FormatSettings formatSettingsForLocaleName(std::string_view localeName);

// The conventions of the process environment: the decimal point of the locale that LC_ALL,
// LC_NUMERIC or LANG names, the date pattern of the one that LC_ALL, LC_TIME or LANG names.
FormatSettings formatSettingsFromEnvironment();

} // namespace velmora
