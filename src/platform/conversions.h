// Text <-> number and text <-> date conversions in the user's conventions.
//
// Every function takes the conventions as an explicit FormatSettings value; nothing here
// reads global or process-wide locale state, so the engine and the project file behave the
// same whatever locale the process runs under.
#pragma once

#include <chrono>
#include <stdexcept>
#include <string>
#include <string_view>

namespace velmora {

// The two regional conventions the program depends on.
struct FormatSettings {
    char decimalSeparator = '.';
    // Short date pattern built from d, dd, M, MM, yy, yyyy and literal separators.
    std::string shortDatePattern = "M/d/yyyy";
};

// The conventions of the C/POSIX locale: '.' and M/d/yyyy.
FormatSettings cLocaleSettings();

// The conventions of a POSIX locale name such as "de_DE.UTF-8", "en_GB" or "C".
// Unknown names give the C locale's conventions.
FormatSettings settingsForLocaleName(std::string_view localeName);

// The conventions of the process environment: the first non-empty of LC_ALL, LC_NUMERIC and
// LANG names the locale. Called by program entry points only, never by the engine.
FormatSettings settingsFromEnvironment();

// A text that is not a number. what() is the message the user sees.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(std::string text);
    const std::string& text() const noexcept { return text_; }

private:
    std::string text_;
};

// A text that is not a date in the short date pattern.
class DateConversionError : public std::runtime_error {
public:
    explicit DateConversionError(std::string text);
    const std::string& text() const noexcept { return text_; }

private:
    std::string text_;
};

// Strict conversion: optional blanks, optional sign, digits with the settings' decimal
// separator, optional exponent (E or e, optional sign, digits), optional blanks; at least one
// digit. Throws ConversionError ("'abc' is not a valid floating point value") for anything
// else, an empty text included, and for a value that overflows.
double StrToFloat(std::string_view text, const FormatSettings& settings);

// The reading rule of a results run: a text of length 0 reads as 0; any other text (blanks
// only included) must convert strictly.
double readNumber(std::string_view text, const FormatSettings& settings);

enum class FloatFormat { ffGeneral, ffFixed };
using enum FloatFormat;

// The general format: at most 15 significant digits, no trailing zeros, exponent form for
// magnitudes below 0.0001 or integer parts of more than 15 digits (1.5E-5, 1E20).
std::string FloatToStr(double value, const FormatSettings& settings);

// ffFixed: exactly `digits` decimals after cutting to `precision` significant digits, or the
// general format with `precision` digits when the integer part is longer than `precision`.
// ffGeneral: the general format with `precision` significant digits.
std::string FloatToStrF(double value, FloatFormat format, int precision, int digits,
                        const FormatSettings& settings);

using Date = std::chrono::year_month_day;

// The date in the settings' short date pattern.
std::string DateToStr(Date date, const FormatSettings& settings);

// Reads a date written in the settings' short date pattern. Throws DateConversionError
// ("'31/31/2007' is not a valid date") for a text that does not match or a day that does not
// exist.
Date StrToDate(std::string_view text, const FormatSettings& settings);

} // namespace velmora
