// Reading the project file: lines 1 to 3 as whole lines, then word by word.
#include "projectfile/projectfile.h"

#include "platform/blanks.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <filesystem>
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

constexpr const char* kWordName = "A word";
constexpr const char* kTooLargeMessage = "The file is larger than 256 MiB";
static_assert(kMaxProjectFileBytes == 256u * 1024 * 1024, "kTooLargeMessage names the size");

// "The project date" from "the project date".
std::string capitalised(std::string text) {
    if (!text.empty() && text.front() >= 'a' && text.front() <= 'z') {
        text.front() = static_cast<char>(text.front() - 'a' + 'A');
    }
    return text;
}

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

// What the cursor found: a line or word, the end of the text, or a run of text longer than
// kMaxProjectWordLength, which it neither copies nor scans to its end.
enum class Found { Text, End, TooLong };

// Walks the text, first line by line, then word by word, counting lines from 1.
class TextCursor {
  public:
    explicit TextCursor(std::string_view text) : text_(text) {}

    bool atEnd() const { return pos_ >= text_.size(); }
    int line() const { return line_; }

    // The rest of the current line without its line end (CR LF or LF); the end of the text
    // when nothing is left.
    Found nextLine(std::string_view& line) {
        if (atEnd()) {
            return Found::End;
        }
        // Room for the longest line, a CR and the LF: the search never runs past it.
        const std::string_view window = text_.substr(pos_, kMaxProjectWordLength + 2);
        const std::size_t lineFeed = window.find('\n');
        if (lineFeed == std::string_view::npos && pos_ + window.size() < text_.size()) {
            return Found::TooLong;
        }
        const std::size_t length = lineFeed == std::string_view::npos ? window.size() : lineFeed;
        line = window.substr(0, length);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.size() > kMaxProjectWordLength) {
            return Found::TooLong;
        }
        pos_ += length;
        if (lineFeed != std::string_view::npos) {
            ++pos_;
            ++line_;
        }
        return Found::Text;
    }

    // The next run of characters other than white space, and the line it starts on; the end
    // of the text when only white space is left.
    Found nextWord(Word& word) {
        while (!atEnd() && isWhiteSpace(text_[pos_])) {
            if (text_[pos_] == '\n') {
                ++line_;
            }
            ++pos_;
        }
        if (atEnd()) {
            return Found::End;
        }
        const std::size_t start = pos_;
        const std::size_t limit = std::min(text_.size(), start + kMaxProjectWordLength + 1);
        while (pos_ < limit && !isWhiteSpace(text_[pos_])) {
            ++pos_;
        }
        if (pos_ - start > kMaxProjectWordLength) {
            return Found::TooLong;
        }
        word = Word{std::string(text_.substr(start, pos_ - start)), line_};
        return Found::Text;
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

    ReadResult parse(std::size_t textSize) {
        if (textSize > kMaxProjectFileBytes) {
            fail(kTooLargeMessage, 0);
            return std::move(result_);
        }
        (void)(readHeader() && readIntensities() && readRainfall() && readSite() &&
               readDischargeMethod() && readOutlet());
        return std::move(result_);
    }

  private:
    bool readHeader() {
        std::string_view description;
        switch (cursor_.nextLine(description)) {
        case Found::End:
            return fail("The file is empty", 1);
        case Found::TooLong:
            return failTooLong("The description");
        case Found::Text:
            break;
        }
        words().description = std::string(description);
        reach(ReadPart::Description);

        constexpr int kDateLine = 2;
        std::string_view dateLine;
        if (!readHeaderLine(dateLine, "the project date")) {
            return false;
        }
        const std::string_view dateText = trimBlanks(dateLine);
        words().date = projectDate(dateText, settings_);
        if (!words().date) {
            return fail("'" + std::string(dateText) + "' is not a valid date", kDateLine);
        }
        reach(ReadPart::Date);

        constexpr int kProjectNumberLine = 3;
        std::string_view projectNumber;
        if (!readHeaderLine(projectNumber, "the project number")) {
            return false;
        }
        words().projectNumber = Word{std::string(projectNumber), kProjectNumberLine};
        reach(ReadPart::ProjectNumber);
        return true;
    }

    // Line 2 or 3, `what` naming it in the messages.
    bool readHeaderLine(std::string_view& line, const std::string& what) {
        switch (cursor_.nextLine(line)) {
        case Found::End:
            return failAtEnd(what);
        case Found::TooLong:
            return failTooLong(capitalised(what));
        case Found::Text:
            break;
        }
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
            Word first;
            if (!readWord(first, "the end-of-table line")) {
                return false;
            }
            if (leadingIntegerValue(first.text) == kEndOfTableValue) {
                return skipEndOfTableLine();
            }
            if (words().rainfallRows.size() == kMaxRainfallRows) {
                return fail("The rainfall table has more than " + std::to_string(kMaxRainfallRows) +
                                " rows",
                            first.line);
            }
            std::array<Word, kRainfallWordsPerRow> row;
            row[0] = localised(std::move(first));
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
            Word skipped;
            if (!readWord(skipped, "the end of the end-of-table line")) {
                return false;
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
        if (method == kStageTableMethod && !readStagePairs()) {
            return false;
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
    bool readStagePairs() {
        auto& pairs = words().stagePairs;
        while (true) {
            Word stage;
            Found found = cursor_.nextWord(stage);
            if (found == Found::End) {
                break;
            }
            if (found == Found::Text && pairs.size() == kMaxStagePairs) {
                return fail("The stage-discharge table has more than " +
                                std::to_string(kMaxStagePairs) + " pairs",
                            stage.line);
            }
            Word discharge{"", stage.line};
            if (found == Found::Text) {
                found = cursor_.nextWord(discharge);
            }
            if (found == Found::TooLong) {
                return failTooLong(kWordName);
            }
            pairs.emplace_back(localised(std::move(stage)), localised(std::move(discharge)));
        }
        if (pairs.empty()) {
            const int line = words().dischargeMethodLine;
            pairs.emplace_back(Word{"", line}, Word{"", line});
        }
        return true;
    }

    std::optional<int> readMethodIndex(const std::string& name, int& line) {
        Word word;
        if (!readWord(word, "the " + name)) {
            return std::nullopt;
        }
        line = word.line;
        const auto index = methodIndex(word.text);
        if (!index) {
            fail("The " + name + " '" + word.text + "' is not a whole number", word.line);
        }
        return index;
    }

    // The next word; at the end of the text, the failure says the file ends before `what`.
    bool readWord(Word& into, const std::string& what) {
        switch (cursor_.nextWord(into)) {
        case Found::End:
            return failAtEnd(what);
        case Found::TooLong:
            return failTooLong(kWordName);
        case Found::Text:
            break;
        }
        return true;
    }

    bool readNumericWord(Word& into, const std::string& what) {
        if (!readWord(into, what)) {
            return false;
        }
        into = localised(std::move(into));
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

    // `what` starts the message: "A word", "The description", ...
    bool failTooLong(const std::string& what) {
        return fail(what + " is longer than " + std::to_string(kMaxProjectWordLength) +
                        " characters",
                    cursor_.line());
    }

    TextCursor cursor_;
    const FormatSettings& settings_;
    ReadResult result_;
};

std::string errnoText(int error) {
    return std::generic_category().message(error);
}

ReadResult tooLargeFile() {
    ReadResult result;
    result.error = kTooLargeMessage;
    return result;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

ReadResult parseProjectFile(std::string_view text, const FormatSettings& settings) {
    return ProjectParser(text, settings).parse(text.size());
}

ReadResult readProjectFile(const std::filesystem::path& path, const FormatSettings& settings) {
    namespace fs = std::filesystem;
    // A pipe would hold the opening up until something writes into it, and a device such as
    // /dev/zero never ends: only a regular file is opened.
    std::error_code statusError;
    const fs::file_status status = fs::status(path, statusError);
    if (status.type() == fs::file_type::not_found) {
        throw FileOpenError(errnoText(ENOENT));
    }
    if (statusError) {
        throw FileOpenError(statusError.message());
    }
    if (fs::is_directory(status)) {
        throw FileOpenError(errnoText(EISDIR));
    }
    if (!fs::is_regular_file(status)) {
        throw FileOpenError("Not a regular file");
    }
    std::error_code sizeError;
    const std::uintmax_t size = fs::file_size(path, sizeError);
    if (!sizeError && size > kMaxProjectFileBytes) {
        return tooLargeFile();
    }

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
        // A file that grows while it is read stops being read once it is too large.
        if (text.size() + got > kMaxProjectFileBytes) {
            return tooLargeFile();
        }
        text.append(chunk.data(), got);
    }
    if (std::ferror(file.get()) != 0) {
        throw FileOpenError(errnoText(errno != 0 ? errno : EIO));
    }
    return parseProjectFile(text, settings);
}

} // namespace velmora
