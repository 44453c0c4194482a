// Strict reading of decimal numbers typed by the user.
#include "platform/conversions.h"

#include "platform/blanks.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>
#include <utility>

namespace velmora {

ConversionError::ConversionError(std::string text)
    : std::runtime_error("'" + text + "' is not a valid floating point value"),
      text_(std::move(text)) {}

namespace {

// The number rewritten with '.' as separator and no '+' signs, ready for from_chars, or an
// empty string when the text is not of the number grammar.
std::string canonicalNumber(std::string_view text, char separator, bool& negativeExponent) {
    std::string out;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            out += '-';
        ++i;
    }
    int mantissaDigits = 0;
    while (i < text.size() && isDigit(text[i])) {
        out += text[i++];
        ++mantissaDigits;
    }
    if (i < text.size() && text[i] == separator) {
        out += '.';
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            out += text[i++];
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return {};
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        out += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            if (negativeExponent)
                out += '-';
            ++i;
        }
        int exponentDigits = 0;
        while (i < text.size() && isDigit(text[i])) {
            out += text[i++];
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return {};
    }
    if (i != text.size())
        return {};
    return out;
}

} // namespace

double StrToFloat(std::string_view text, const FormatSettings& settings) {
    bool negativeExponent = false;
    const std::string number =
        canonicalNumber(trimBlanks(text), settings.decimalSeparator, negativeExponent);
    if (number.empty())
        throw ConversionError(std::string(text));
    double value = 0.0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec == std::errc::result_out_of_range && negativeExponent)
        return number.front() == '-' ? -0.0 : 0.0; // too small to hold: reads as zero
    if (ec != std::errc() || end != number.data() + number.size() || !std::isfinite(value))
        throw ConversionError(std::string(text));
    return value;
}

double readNumber(std::string_view text, const FormatSettings& settings) {
    if (text.empty())
        return 0.0;
    return StrToFloat(text, settings);
}

} // namespace velmora
