// Reading the project file: lines 1 to 3 as whole lines, then word by word.
#include "projectfile/projectfile.h"

#include "platform/blanks.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <system_error>

namespace velmora {

namespace {

constexpr int kUserIntensityMethod = 0;
constexpr int kStageTableMethod = 3;
constexpr long long kEndOfTableValue = 999; // first word of the end-of-table line
constexpr std::size_t kRainfallWordsPerRow = 6;
// Beyond this a word's leading digits cannot be 999 any more; stops the sum from overflowing.
constexpr long long kLeadingValueCeiling = 1'000'000'000;
// More digits than any method index can have.
constexpr std::size_t kMaxIndexDigits = 9;

bool isWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// The value C's atol gives a word: optional sign, then the leading digits; whatever follows is
// ignored, so 999.5 is 999. Large values are held at a ceiling instead of overflowing.
long long leadingIntegerValue(std::string_view word) {
    bool negative = false;
    if (!word.empty() && (word.front() == '+' || word.front() == '-')) {
        negative = word.front() == '-';
        word.remove_prefix(1);
    }
    long long value = 0;
    for (const char c : word) {
        if (!isDigit(c)) {
            break;
        }
        value = std::min(value * 10 + (c - '0'), kLeadingValueCeiling);
    }
    return negative ? -value : value;
}

// A method index: optional sign and decimal digits, nothing else.
std::optional<int> methodIndex(std::string_view word) {
    bool negative = false;
    if (!word.empty() && (word.front() == '+' || word.front() == '-')) {
        negative = word.front() == '-';
        word.remove_prefix(1);
    }
    if (word.empty() || word.size() > kMaxIndexDigits || !isDigit(word.front())) {
        return std::nullopt;
    }
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc{} || end != word.data() + word.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

// Digits, signs, exponent letters and at most one point: a number as the file writes it.
bool looksNumeric(std::string_view word) {
    int points = 0;
    bool digit = false;
    for (const char c : word) {
        if (c == '.') {
            ++points;
        } else if (isDigit(c)) {
            digit = true;
        } else if (c != '+' && c != '-' && c != 'e' && c != 'E') {
            return false;
        }
    }
    return digit && points <= 1;
}

// The file always holds points; the word comes back with the user's decimal separator so that
// it converts where Open puts it.
std::string withDecimalSeparator(std::string text, const FormatSettings& settings) {
    if (settings.decimalSeparator != '.' && looksNumeric(text)) {
        for (char& c : text) {
            if (c == '.') {
                c = settings.decimalSeparator;
            }
        }
    }
    return text;
}

std::optional<Date> dateInPattern(std::string_view text, const FormatSettings& settings) {
    try {
        return StrToDate(text, settings);
    } catch (const DateConversionError&) {
        return std::nullopt;
    }
}

// A file travels between machines: the date is read in the user's own pattern first, so that
// nothing that reads there reads differently, then in the patterns other machines write
// (yyyy-MM-dd, the United States' M/d/yyyy, the day-first d/M/yyyy with a slash, a point or a
// hyphen); the first that gives a real day wins.
std::optional<Date> projectDate(std::string_view text, const FormatSettings& settings) {
    if (std::optional<Date> date = dateInPattern(text, settings))
        return date;
    if (std::optional<Date> date = parseIsoDate(text))
        return date;
    for (const char* pattern : {"M/d/yyyy", "d/M/yyyy", "d.M.yyyy", "d-M-yyyy"}) {
        const FormatSettings other{settings.decimalSeparator, pattern};
        if (std::optional<Date> date = dateInPattern(text, other))
            return date;
    }
    return std::nullopt;
}

// Walks the text, first line by line, then word by word, counting lines from 1.
class TextCursor {
  public:
    explicit TextCursor(std::string_view text) : text_(text) {}

    bool atEnd() const { return pos_ >= text_.size(); }

    // The rest of the current line without its line end (CR LF or LF); nothing at the end of
    // the text.
    std::optional<std::string_view> nextLine() {
        if (atEnd()) {
            return std::nullopt;
        }
        const std::size_t lineFeed = text_.find('\n', pos_);
        const std::size_t end = lineFeed == std::string_view::npos ? text_.size() : lineFeed;
        std::string_view line = text_.substr(pos_, end - pos_);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        pos_ = end;
        if (lineFeed != std::string_view::npos) {
            ++pos_;
            ++line_;
        }
        return line;
    }

    // The next run of characters other than white space; nothing when only white space is left.
    std::optional<Word> nextWord() {
        while (!atEnd() && isWhiteSpace(text_[pos_])) {
            if (text_[pos_] == '\n') {
                ++line_;
            }
            ++pos_;
        }
        if (atEnd()) {
            return std::nullopt;
        }
        const std::size_t start = pos_;
        while (!atEnd() && !isWhiteSpace(text_[pos_])) {
            ++pos_;
        }
        return Word{std::string(text_.substr(start, pos_ - start)), line_};
    }

    // The number of the file's last line: a final line end starts no new line.
    int lastLine() const {
        int lines = 1;
        for (std::size_t i = 0; i + 1 < text_.size(); ++i) {
            if (text_[i] == '\n') {
                ++lines;
            }
        }
        return lines;
    }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

class ProjectParser {
  public:
    ProjectParser(std::string_view text, const FormatSettings& settings)
        : cursor_(text), settings_(settings) {}

    ReadResult parse() {
        (void)(readHeader() && readIntensities() && readRainfall() && readSite() &&
               readDischargeMethod() && readOutlet());
        return std::move(result_);
    }

  private:
    bool readHeader() {
        const auto description = cursor_.nextLine();
        if (!description) {
            return fail("The file is empty", 1);
        }
        words().description = std::string(*description);
        reach(ReadPart::Description);

        constexpr int kDateLine = 2;
        const auto dateLine = cursor_.nextLine();
        if (!dateLine) {
            return failAtEnd("the project date");
        }
        const std::string_view dateText = trimBlanks(*dateLine);
        words().date = projectDate(dateText, settings_);
        if (!words().date) {
            return fail("'" + std::string(dateText) + "' is not a valid date", kDateLine);
        }
        reach(ReadPart::Date);

        constexpr int kProjectNumberLine = 3;
        const auto projectNumber = cursor_.nextLine();
        if (!projectNumber) {
            return failAtEnd("the project number");
        }
        words().projectNumber = Word{std::string(*projectNumber), kProjectNumberLine};
        reach(ReadPart::ProjectNumber);
        return true;
    }

    bool readIntensities() {
        const auto method = readMethodIndex("intensity method", words().intensityMethodLine);
        if (!method) {
            return false;
        }
        words().intensityMethod = method;
        reach(ReadPart::IntensityMethod);
        if (*method == kUserIntensityMethod) {
            auto& intensities = words().userIntensities;
            for (std::size_t i = 0; i < intensities.size(); ++i) {
                if (!readNumericWord(intensities[i], "user intensity " + std::to_string(i + 1))) {
                    return false;
                }
            }
        }
        reach(ReadPart::UserIntensities);
        return true;
    }

    // Groups of six words up to the group whose first word has the integer value 999.
    bool readRainfall() {
        while (true) {
            auto first = cursor_.nextWord();
            if (!first) {
                return failAtEnd("the end-of-table line");
            }
            if (leadingIntegerValue(first->text) == kEndOfTableValue) {
                return skipEndOfTableLine();
            }
            std::array<Word, kRainfallWordsPerRow> row;
            row[0] = localised(std::move(*first));
            for (std::size_t c = 1; c < row.size(); ++c) {
                if (!readNumericWord(row[c], "the end-of-table line")) {
                    return false;
                }
            }
            words().rainfallRows.push_back(std::move(row));
        }
    }

    bool skipEndOfTableLine() {
        for (std::size_t c = 1; c < kRainfallWordsPerRow; ++c) {
            if (!cursor_.nextWord()) {
                return failAtEnd("the end of the end-of-table line");
            }
        }
        reach(ReadPart::Rainfall);
        return true;
    }

    bool readSite() {
        auto& site = words().siteWords;
        for (std::size_t i = 0; i < site.size(); ++i) {
            if (!readNumericWord(site[i], "site value " + std::to_string(i + 1))) {
                return false;
            }
        }
        reach(ReadPart::Site);
        return true;
    }

    bool readDischargeMethod() {
        const auto method = readMethodIndex("discharge method", words().dischargeMethodLine);
        if (!method) {
            return false;
        }
        words().dischargeMethod = method;
        reach(ReadPart::DischargeMethod);
        return true;
    }

    bool readOutlet() {
        const int method = *words().dischargeMethod;
        if (method == kStageTableMethod) {
            readStagePairs();
        }
        const std::size_t count = outletValueCount(method);
        for (std::size_t i = 0; i < count; ++i) {
            Word word;
            if (!readNumericWord(word, "outlet value " + std::to_string(i + 1))) {
                return false;
            }
            words().outletWords.push_back(std::move(word));
        }
        reach(ReadPart::Outlet);
        return true;
    }

    // Pairs up to the end of the file. A file without any pair gives one row of two empty
    // words, a lone last stage a pair with an empty discharge.
    void readStagePairs() {
        auto& pairs = words().stagePairs;
        while (auto stage = cursor_.nextWord()) {
            const int line = stage->line;
            auto discharge = cursor_.nextWord();
            pairs.emplace_back(localised(std::move(*stage)),
                               discharge ? localised(std::move(*discharge)) : Word{"", line});
        }
        if (pairs.empty()) {
            const int line = words().dischargeMethodLine;
            pairs.emplace_back(Word{"", line}, Word{"", line});
        }
    }

    std::optional<int> readMethodIndex(const std::string& name, int& line) {
        const auto word = cursor_.nextWord();
        if (!word) {
            failAtEnd("the " + name);
            return std::nullopt;
        }
        line = word->line;
        const auto index = methodIndex(word->text);
        if (!index) {
            fail("The " + name + " '" + word->text + "' is not a whole number", word->line);
        }
        return index;
    }

    bool readNumericWord(Word& into, const std::string& what) {
        auto word = cursor_.nextWord();
        if (!word) {
            return failAtEnd(what);
        }
        into = localised(std::move(*word));
        return true;
    }

    Word localised(Word word) const {
        word.text = withDecimalSeparator(std::move(word.text), settings_);
        return word;
    }

    ProjectWords& words() { return result_.words; }
    void reach(ReadPart part) { result_.reached = part; }

    bool fail(std::string message, int line) {
        result_.error = std::move(message);
        result_.errorLine = line;
        return false;
    }

    bool failAtEnd(const std::string& what) {
        return fail("The file ends before " + what, cursor_.lastLine());
    }

    TextCursor cursor_;
    const FormatSettings& settings_;
    ReadResult result_;
};

std::string errnoText(int error) {
    return std::generic_category().message(error);
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

ReadResult parseProjectFile(std::string_view text, const FormatSettings& settings) {
    return ProjectParser(text, settings).parse();
}

ReadResult readProjectFile(const std::filesystem::path& path, const FormatSettings& settings) {
    errno = 0;
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        throw FileOpenError(errnoText(errno != 0 ? errno : ENOENT));
    }
    constexpr std::size_t kChunkSize = 16 * 1024; // bytes
    std::string text;
    std::array<char, kChunkSize> chunk{};
    std::size_t got = 0;
    while ((got = std::fread(chunk.data(), 1, chunk.size(), file.get())) > 0) {
        text.append(chunk.data(), got);
    }
    if (std::ferror(file.get()) != 0) {
        // A folder opens but does not read.
        throw FileOpenError(errnoText(errno != 0 ? errno : EIO));
    }
    return parseProjectFile(text, settings);
}

} // namespace velmora
