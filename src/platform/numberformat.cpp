// Writing numbers the way the report, the grids and the project file show them.
//
// Every value is first reduced to 18 significant decimal digits and then cut to the digits a
// format keeps, rounding half away from zero on those decimal digits. Working on the decimal
// digits, not on the double, is what makes 0.125 show as 0.13 and 2.675 (held as
// 2.67499999999999982...) as 2.67 with two decimals.
#include "platform/conversions.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>

namespace velmora {
namespace {

constexpr int kReducedDigits = 18;    // significant decimal digits every value is reduced to
constexpr int kGeneralPrecision = 15; // significant digits of FloatToStr
constexpr int kMinPrecision = 2;      // significant digits a FloatToStrF precision is held within
constexpr int kMaxPrecision = 18;
constexpr int kMaxDecimals = 18; // decimals FloatToStrF writes at most
// Power of ten of the smallest magnitude the general format writes without an exponent: 0.0001.
constexpr int kSmallestPlainExponent = -4;

// The magnitude of a finite value as d0.d1d2... x 10^exponent. No digits means zero; trailing
// zeros are never kept, so `count` is the number of significant digits.
struct DecimalDigits {
    std::array<char, kReducedDigits> digits{};
    int count = 0;
    int exponent = 0; // power of ten of digits[0]
    bool negative = false;

    bool isZero() const { return count == 0; }
    // The digit worth 10^power, '0' where none is held.
    char digitAt(int power) const {
        const int index = exponent - power;
        return index >= 0 && index < count ? digits[static_cast<std::size_t>(index)] : '0';
    }
};

void dropTrailingZeros(DecimalDigits& number) {
    while (number.count > 0 && number.digits[static_cast<std::size_t>(number.count - 1)] == '0')
        --number.count;
}

// The value's 18 significant digits, correctly rounded from its binary value. to_chars does
// not depend on the C locale, unlike the printf family.
DecimalDigits reduceToDigits(double value) {
    DecimalDigits number;
    number.negative = std::signbit(value);
    if (value == 0.0)
        return number;
    // "d.ddddddddddddddddde-ddd": 18 digits, separator, exponent letter, sign, exponent.
    std::array<char, 32> text{};
    const auto written = std::to_chars(text.data(), text.data() + text.size(), std::fabs(value),
                                       std::chars_format::scientific, kReducedDigits - 1);
    const char* next = text.data();
    number.digits[0] = *next++;
    ++next; // the '.'
    for (std::size_t i = 1; i < number.digits.size(); ++i)
        number.digits[i] = *next++;
    ++next; // the 'e'
    if (*next == '+')
        ++next;
    std::from_chars(next, written.ptr, number.exponent);
    number.count = kReducedDigits;
    dropTrailingZeros(number);
    return number;
}

// Keeps the first `keep` significant digits, rounding half away from zero on the first dropped
// digit. A carry out of the leading digit (9.9995 to 10.00) raises the exponent; keeping no
// digit of a value that does not round up gives zero.
void roundToDigits(DecimalDigits& number, int keep) {
    if (keep >= number.count)
        return;
    if (keep < 0) {
        number.count = 0;
        return;
    }
    const bool roundsUp = number.digits[static_cast<std::size_t>(keep)] >= '5';
    number.count = keep;
    if (roundsUp) {
        int i = keep - 1;
        while (i >= 0 && number.digits[static_cast<std::size_t>(i)] == '9')
            number.digits[static_cast<std::size_t>(i--)] = '0';
        if (i >= 0) {
            ++number.digits[static_cast<std::size_t>(i)];
        } else {
            number.digits[0] = '1';
            number.count = std::max(number.count, 1);
            ++number.exponent;
        }
    }
    dropTrailingZeros(number);
}

// The characters of one formatted number, held on the stack until the result string is made,
// so a call allocates at most that string. 64 holds the longest fixed text: a sign, 18 integer
// digits, the separator and 18 decimals.
class NumberText {
  public:
    void put(char c) { chars_[size_++] = c; }
    void put(char c, int times) {
        for (int i = 0; i < times; ++i)
            put(c);
    }
    void putInteger(int value) {
        const auto written =
            std::to_chars(chars_.data() + size_, chars_.data() + chars_.size(), value);
        size_ = static_cast<std::size_t>(written.ptr - chars_.data());
    }
    std::string str() const { return std::string(chars_.data(), size_); }

  private:
    std::array<char, 64> chars_{};
    std::size_t size_ = 0;
};

// "NAN" or "INF", after a minus sign when the sign bit is set.
void putNonFinite(NumberText& out, double value) {
    if (std::signbit(value))
        out.put('-');
    for (const char c : std::string_view(std::isnan(value) ? "NAN" : "INF"))
        out.put(c);
}

// 1.5E-5, 1E20: the first digit, the other digits after the separator when there are any, and
// the power of ten without leading zeros.
void putExponentForm(NumberText& out, const DecimalDigits& number, char separator) {
    out.put(number.digits[0]);
    if (number.count > 1) {
        out.put(separator);
        for (int i = 1; i < number.count; ++i)
            out.put(number.digits[static_cast<std::size_t>(i)]);
    }
    out.put('E');
    out.putInteger(number.exponent);
}

// The integer digits, at least "0".
void putIntegerPart(NumberText& out, const DecimalDigits& number) {
    if (number.isZero() || number.exponent < 0) {
        out.put('0');
        return;
    }
    for (int power = number.exponent; power >= 0; --power)
        out.put(number.digitAt(power));
}

// 3, 0.35, 0.0001: the integer part and the significant decimals, no trailing zeros.
void putPlainForm(NumberText& out, const DecimalDigits& number, char separator) {
    putIntegerPart(out, number);
    const int lowestPower = number.exponent - number.count + 1;
    if (lowestPower >= 0)
        return;
    out.put(separator);
    for (int power = -1; power >= lowestPower; --power)
        out.put(number.digitAt(power));
}

void putGeneral(NumberText& out, DecimalDigits number, int precision, char separator) {
    roundToDigits(number, precision);
    if (number.isZero()) {
        out.put('0');
        return;
    }
    if (number.negative)
        out.put('-');
    const bool integerPartTooLong = number.exponent + 1 > precision;
    if (integerPartTooLong || number.exponent < kSmallestPlainExponent)
        putExponentForm(out, number, separator);
    else
        putPlainForm(out, number, separator);
}

void putFixed(NumberText& out, const DecimalDigits& value, int precision, int decimals,
              char separator) {
    DecimalDigits number = value;
    roundToDigits(number, std::min(precision, number.exponent + 1 + decimals));
    if (!number.isZero() && number.exponent + 1 > precision) {
        putGeneral(out, value, precision, separator);
        return;
    }
    // A value that rounds to zero is written as zero: never "-0.00".
    if (number.negative && !number.isZero())
        out.put('-');
    putIntegerPart(out, number);
    if (decimals == 0)
        return;
    out.put(separator);
    for (int power = -1; power >= -decimals; --power)
        out.put(number.digitAt(power));
}

} // namespace

std::string FloatToStr(double value, const FormatSettings& settings) {
    return FloatToStrF(value, ffGeneral, kGeneralPrecision, 0, settings);
}

std::string FloatToStrF(double value, FloatFormat format, int precision, int digits,
                        const FormatSettings& settings) {
    NumberText out;
    if (!std::isfinite(value)) {
        putNonFinite(out, value);
        return out.str();
    }
    const DecimalDigits number = reduceToDigits(value);
    const int heldPrecision = std::clamp(precision, kMinPrecision, kMaxPrecision);
    if (format == ffFixed)
        putFixed(out, number, heldPrecision, std::clamp(digits, 0, kMaxDecimals),
                 settings.decimalSeparator);
    else
        putGeneral(out, number, heldPrecision, settings.decimalSeparator);
    return out.str();
}

} // namespace velmora
