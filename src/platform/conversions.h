// Text <-> number and text <-> date conversions in the user's conventions.
//
// Every function takes the conventions as an explicit FormatSettings value; nothing here
// reads global or process-wide locale state, so the engine and the project file behave the
// same whatever locale the process runs under.
#pragma once

#include <chrono>
#include <optional>
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

// The locale the environment names for numbers: the first non-empty of LC_ALL, LC_NUMERIC and
// LANG, or "C" when none is set. The conventions of a name come from the toolkit's locale data
// (platform/systemlocale); entry points look them up, never the engine.
std::string numericLocaleNameFromEnvironment();

// The locale the environment names for dates: the first non-empty of LC_ALL, LC_TIME and LANG,
// or "C" when none is set.
std::string timeLocaleNameFromEnvironment();

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

// Both formats first reduce the value to 18 significant decimal digits, then cut those digits
// rounding half away from zero (0.125 to two decimals is 0.13; 2.675, held as
// 2.67499999999999982, is 2.67). The settings' decimal separator, never a thousands
// separator. A value that is not a number is "NAN", an infinite one "INF", each after a minus
// sign when the sign bit is set. Zero, negative zero included, is "0".

// The general format: at most 15 significant digits, no trailing zeros, exponent form for
// magnitudes below 0.0001 or integer parts of more than 15 digits (1.5E-5, 1E20).
std::string FloatToStr(double value, const FormatSettings& settings);

// ffFixed: exactly `digits` decimals (held within 0..18) after cutting to `precision`
// significant digits (held within 2..18), or the general format with `precision` digits when
// the integer part is longer than `precision` (100000 with precision 5 is 1E5). A value that
// rounds to zero is written without a minus sign (0.000, never -0.000).
// ffGeneral: the general format with `precision` significant digits; `digits` is not used.
std::string FloatToStrF(double value, FloatFormat format, int precision, int digits,
                        const FormatSettings& settings);

using Date = std::chrono::year_month_day;

// The date in the settings' short date pattern.
std::string DateToStr(Date date, const FormatSettings& settings);

// Reads a date written in the settings' short date pattern, blanks around it allowed. Day and
// month take 1 or 2 digits whatever the pattern; the year takes 4 digits, or 2 where the
// pattern has yy (00..49 are 2000..2049, 50..99 are 1950..1999); the pattern's separators must
// be there. Throws DateConversionError ("'2/30/2007' is not a valid date") for a text that
// does not match or a day that does not exist.
Date StrToDate(std::string_view text, const FormatSettings& settings);

// A date written yyyy-MM-dd (2007-03-15), whatever the user's settings; std::nullopt for any
// other text or a day that does not exist.
std::optional<Date> parseIsoDate(std::string_view text);

} // namespace velmora
