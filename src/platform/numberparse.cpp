// Strict reading of decimal numbers typed by the user.
#include "platform/conversions.h"

#include "platform/blanks.h"

#include <algorithm>
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
std::string canonicalNumber(std::string_view text, char separator) {
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
            if (text[i] == '-')
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

// Whether a canonical number that from_chars finds out of range is too small rather than too
// large: its first significant digit stands after the decimal point once the exponent is
// applied. The exponent may have more digits than any integer holds, so it saturates.
bool isTooSmallToHold(std::string_view number) {
    if (!number.empty() && number.front() == '-')
        number.remove_prefix(1);
    const std::size_t e = number.find('e');
    const std::string_view mantissa = number.substr(0, e);
    long long exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view digits = number.substr(e + 1);
        const bool negative = !digits.empty() && digits.front() == '-';
        if (negative)
            digits.remove_prefix(1);
        constexpr long long kSaturated = 1'000'000'000'000LL;
        for (const char c : digits)
            exponent = std::min(kSaturated, exponent * 10 + (c - '0'));
        if (negative)
            exponent = -exponent;
    }
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    long long firstSignificant = -1; // position among the mantissa's digits
    long long position = 0;
    for (const char c : mantissa) {
        if (c == '.')
            continue;
        if (c != '0') {
            firstSignificant = position;
            break;
        }
        ++position;
    }
    if (firstSignificant < 0)
        return true; // all zeros: nothing to hold
    const long long magnitude = static_cast<long long>(point) - firstSignificant + exponent;
    return magnitude <= 0;
}

} // namespace

double StrToFloat(std::string_view text, const FormatSettings& settings) {
    const std::string number = canonicalNumber(trimBlanks(text), settings.decimalSeparator);
    if (number.empty())
        throw ConversionError(std::string(text));
    double value = 0.0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec == std::errc::result_out_of_range && isTooSmallToHold(number))
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
