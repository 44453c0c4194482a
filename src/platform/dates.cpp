// Dates written and read in the user's short date pattern.
#include "platform/conversions.h"

#include "platform/blanks.h"

#include <array>
#include <charconv>
#include <cstdlib>
#include <optional>
#include <utility>

namespace velmora {

DateConversionError::DateConversionError(std::string text)
    : std::runtime_error("'" + text + "' is not a valid date"), text_(std::move(text)) {}

namespace {

constexpr int kFirstYear = 1; // dates before year 1 and after 9999 are refused
constexpr int kLastYear = 9999;
constexpr int kCenturyPivot = 50; // two-digit years below it are 20xx, the others 19xx
constexpr int kYearsPerCentury = 100;
constexpr int kDayMonthDigits = 2; // a day or month is typed with 1 or 2 digits
constexpr int kLongYearDigits = 4;
constexpr int kShortYearDigits = 2; // "yy"

enum class DateField { day, month, year, literal };

// One element of a short date pattern: a field with the number of letters that named it
// (1 or 2 for day and month, 2 or 4 for the year), or one literal character.
struct PatternToken {
    DateField field = DateField::literal;
    int width = 0;
    char literal = 0;
};

DateField fieldOfLetter(char c) {
    switch (c) {
    case 'd':
    case 'D':
        return DateField::day;
    case 'm':
    case 'M':
        return DateField::month;
    case 'y':
    case 'Y':
        return DateField::year;
    default:
        return DateField::literal;
    }
}

// Calls visit(token) for every token of the pattern, in order, until it returns false.
// Returns false when a visit did. Letters are read without regard to case, so the classic
// lower-case "m/d/yy" names the month too; "yyy" counts as "yyyy".
template <class Visit> bool visitPattern(std::string_view pattern, Visit visit) {
    std::size_t i = 0;
    while (i < pattern.size()) {
        const DateField field = fieldOfLetter(pattern[i]);
        if (field == DateField::literal) {
            if (!visit(PatternToken{DateField::literal, 0, pattern[i++]}))
                return false;
            continue;
        }
        std::size_t letters = 1;
        while (i + letters < pattern.size() && fieldOfLetter(pattern[i + letters]) == field)
            ++letters;
        i += letters;
        const int width = field == DateField::year
                              ? (letters <= kShortYearDigits ? kShortYearDigits : kLongYearDigits)
                              : (letters == 1 ? 1 : kDayMonthDigits);
        if (!visit(PatternToken{field, width, 0}))
            return false;
    }
    return true;
}

void appendPadded(std::string& out, int value, int width) {
    std::array<char, 16> digits{};
    const auto written =
        std::to_chars(digits.data(), digits.data() + digits.size(), std::abs(value));
    const auto length = static_cast<int>(written.ptr - digits.data());
    if (value < 0)
        out += '-';
    if (length < width)
        out.append(static_cast<std::size_t>(width - length), '0');
    out.append(digits.data(), written.ptr);
}

// Reads up to maxDigits leading digits of text and removes them from it. Returns the number of
// digits read; value receives their value.
int takeDigits(std::string_view& text, int maxDigits, int& value) {
    int count = 0;
    value = 0;
    while (count < maxDigits && !text.empty() && isDigit(text.front())) {
        value = value * 10 + (text.front() - '0');
        text.remove_prefix(1);
        ++count;
    }
    return count;
}

int expandTwoDigitYear(int year) {
    constexpr int kThisCentury = 2000;
    constexpr int kLastCentury = 1900;
    return year + (year < kCenturyPivot ? kThisCentury : kLastCentury);
}

// The date of the three fields, when it exists.
std::optional<Date> makeDate(int year, int month, int day) {
    if (year < kFirstYear || year > kLastYear || month < 1 || day < 1)
        return std::nullopt;
    const Date date{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                    std::chrono::day{static_cast<unsigned>(day)}};
    if (!date.ok())
        return std::nullopt;
    return date;
}

// The date fields of text, read in the pattern's order; std::nullopt when the text does not
// follow the pattern.
std::optional<Date> matchPattern(std::string_view text, std::string_view pattern) {
    int day = 0;
    int month = 0;
    int year = 0;
    const bool matched = visitPattern(pattern, [&](const PatternToken& token) {
        switch (token.field) {
        case DateField::literal:
            if (text.empty() || text.front() != token.literal)
                return false;
            text.remove_prefix(1);
            return true;
        case DateField::day:
            return takeDigits(text, kDayMonthDigits, day) > 0;
        case DateField::month:
            return takeDigits(text, kDayMonthDigits, month) > 0;
        case DateField::year: {
            // Four digits always; two more only where the pattern writes two.
            const int count = takeDigits(text, kLongYearDigits, year);
            if (count == kShortYearDigits && token.width == kShortYearDigits)
                year = expandTwoDigitYear(year);
            return count == kShortYearDigits ? token.width == kShortYearDigits
                                             : count == kLongYearDigits;
        }
        }
        return false;
    });
    if (!matched || !text.empty())
        return std::nullopt;
    return makeDate(year, month, day);
}

// The settings' pattern; settings without one use the month-first pattern with a four-digit
// year, so that no date written under them loses its century.
std::string_view patternOf(const FormatSettings& settings) {
    constexpr std::string_view kFallbackPattern = "M/d/yyyy";
    return settings.shortDatePattern.empty() ? kFallbackPattern
                                             : std::string_view(settings.shortDatePattern);
}

} // namespace

std::string DateToStr(Date date, const FormatSettings& settings) {
    std::string out;
    visitPattern(patternOf(settings), [&](const PatternToken& token) {
        switch (token.field) {
        case DateField::literal:
            out += token.literal;
            break;
        case DateField::day:
            appendPadded(out, static_cast<int>(static_cast<unsigned>(date.day())), token.width);
            break;
        case DateField::month:
            appendPadded(out, static_cast<int>(static_cast<unsigned>(date.month())), token.width);
            break;
        case DateField::year: {
            const int year = static_cast<int>(date.year());
            if (token.width == kShortYearDigits)
                appendPadded(out, (year % kYearsPerCentury + kYearsPerCentury) % kYearsPerCentury,
                             kShortYearDigits);
            else
                appendPadded(out, year, kLongYearDigits);
            break;
        }
        }
        return true;
    });
    return out;
}

Date StrToDate(std::string_view text, const FormatSettings& settings) {
    const std::optional<Date> date = matchPattern(trimBlanks(text), patternOf(settings));
    if (!date)
        throw DateConversionError(std::string(text));
    return *date;
}

std::optional<Date> parseIsoDate(std::string_view text) {
    constexpr std::size_t kIsoLength = 10; // yyyy-MM-dd
    if (text.size() != kIsoLength || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    int year = 0;
    int month = 0;
    int day = 0;
    std::string_view yearText = text.substr(0, 4);
    std::string_view monthText = text.substr(5, 2);
    std::string_view dayText = text.substr(8, 2);
    if (takeDigits(yearText, kLongYearDigits, year) != kLongYearDigits ||
        takeDigits(monthText, kDayMonthDigits, month) != kDayMonthDigits ||
        takeDigits(dayText, kDayMonthDigits, day) != kDayMonthDigits)
        return std::nullopt;
    return makeDate(year, month, day);
}

} // namespace velmora
