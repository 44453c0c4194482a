// Writing the project file: the text, then the file through a temporary next to the target.
#include "projectfile/projectfile.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <random>
#include <stdexcept>
#include <system_error>

namespace velmora {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kEndOfTableLine = "999 *** *** *** *** ***";
constexpr int kUserIntensityMethod = 0;
constexpr int kStageTableMethod = 3;
constexpr int kTwoDecimals = 2;
constexpr int kThreeDecimals = 3;
constexpr int kIntensityDecimals = kThreeDecimals; // in/hr
constexpr int kRainfallDecimals = kThreeDecimals;  // hours and inches
constexpr int kOutletDecimals = kTwoDecimals;      // ft, in, cfs and coefficients
// preArea, postArea (acres), preC, postC, preTc (minutes), pondArea (acres),
// permPoolElev (ft), permRate (in/hr).
constexpr std::array<int, kSiteValueCount> kSiteDecimals{2, 2, 3, 3, 2, 3, 2, 2};
// A double in fixed notation has at most 309 integer digits, a sign, a point and the decimals.
constexpr std::size_t kFixedTextCapacity = 400;
// Attempts at a temporary name that no other file holds.
constexpr int kTemporaryNameAttempts = 100;

// The value as printf writes "%.2f" or "%.3f", with a point whatever the process locale says.
std::string fixedText(double value, int decimals) {
    std::array<char, kFixedTextCapacity> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::fixed, decimals);
    if (error != std::errc{}) {
        throw std::logic_error("fixed-point text does not fit its buffer");
    }
    return {buffer.data(), end};
}

// A free text on a line of its own: a line break inside it would shift every later line of
// the file, so it becomes a blank.
std::string singleLine(std::string_view text) {
    std::string line(text);
    for (char& c : line) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return line;
}

void appendLine(std::string& out, std::string_view line) {
    out += line;
    out += kLineEnd;
}

template <typename Values> std::string numbersLine(const Values& values, int decimals) {
    std::string line;
    for (const double value : values) {
        if (!line.empty()) {
            line += ' ';
        }
        line += fixedText(value, decimals);
    }
    return line;
}

void appendOutlet(std::string& out, const ProjectValues& values) {
    if (values.dischargeMethod == kStageTableMethod) {
        for (const auto& [stage, discharge] : values.stagePairs) {
            appendLine(out, fixedText(stage, kOutletDecimals) + ' ' +
                                fixedText(discharge, kOutletDecimals));
        }
        return;
    }
    const std::size_t count = outletValueCount(values.dischargeMethod);
    if (values.outletValues.size() < count) {
        throw std::invalid_argument("discharge method " + std::to_string(values.dischargeMethod) +
                                    " needs " + std::to_string(count) + " outlet values");
    }
    for (std::size_t i = 0; i < count; ++i) {
        appendLine(out, fixedText(values.outletValues[i], kOutletDecimals));
    }
}

std::string errnoText(int error) {
    return std::generic_category().message(error);
}

// Up to six hex digits that make the temporary's name unlikely to be taken.
std::string randomSuffix(std::mt19937& generator) {
    constexpr std::uint32_t kSuffixRange = 0x1000000; // six hex digits
    std::array<char, 8> buffer{};
    const auto value = std::uniform_int_distribution<std::uint32_t>(0, kSuffixRange - 1)(generator);
    const auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, 16);
    return {buffer.data(), end};
}

// The file that is replaced: a symbolic link is followed, so the link stays a link.
fs::path resolvedTarget(const fs::path& path) {
    std::error_code error;
    if (fs::is_symlink(path, error)) {
        fs::path resolved = fs::canonical(path, error);
        if (!error) {
            return resolved;
        }
    }
    return path;
}

// A new file next to the target that becomes the target when complete; until then the file at
// the target's path is left as it was. Removed again unless committed.
class TemporaryFile {
  public:
    explicit TemporaryFile(const fs::path& target) {
        if (target.filename().empty()) {
            throw FileOpenError(errnoText(target.empty() ? ENOENT : EISDIR));
        }
        std::mt19937 generator{std::random_device{}()};
        int lastError = EEXIST;
        for (int attempt = 0; attempt < kTemporaryNameAttempts && lastError == EEXIST; ++attempt) {
            fs::path candidate = target;
            candidate += ".tmp" + randomSuffix(generator);
            errno = 0;
            // "x": fails instead of reusing a file that happens to have this name.
            file_ = std::fopen(candidate.c_str(), "wbx");
            if (file_ != nullptr) {
                path_ = std::move(candidate);
                return;
            }
            lastError = errno;
        }
        throw FileOpenError(errnoText(lastError));
    }

    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    ~TemporaryFile() {
        if (file_ != nullptr) {
            std::fclose(file_);
        }
        if (!committed_) {
            std::error_code ignored;
            fs::remove(path_, ignored);
        }
    }

    void write(std::string_view text) {
        errno = 0;
        if (std::fwrite(text.data(), 1, text.size(), file_) != text.size() ||
            std::fflush(file_) != 0) {
            throw FileWriteError(errnoText(errno != 0 ? errno : EIO));
        }
        const int closed = std::fclose(file_);
        file_ = nullptr;
        if (closed != 0) {
            throw FileWriteError(errnoText(errno != 0 ? errno : EIO));
        }
    }

    // Puts the written file in the target's place in one step.
    void commitOver(const fs::path& target) {
        keepPermissionsOf(target);
        std::error_code error;
        fs::rename(path_, target, error);
        if (error) {
            throw FileOpenError(error.message());
        }
        committed_ = true;
    }

  private:
    void keepPermissionsOf(const fs::path& target) const {
        std::error_code error;
        const fs::file_status status = fs::status(target, error);
        if (!error && fs::is_regular_file(status)) {
            fs::permissions(path_, status.permissions(), fs::perm_options::replace, error);
        }
    }

    fs::path path_;
    std::FILE* file_ = nullptr;
    bool committed_ = false;
};

} // namespace

std::size_t outletValueCount(int dischargeMethod) {
    constexpr std::array<std::size_t, 3> kValuesByMethod{4, 5, 6}; // weir, circular, rectangular
    if (dischargeMethod < 0 || dischargeMethod >= static_cast<int>(kValuesByMethod.size())) {
        return 0;
    }
    return kValuesByMethod[static_cast<std::size_t>(dischargeMethod)];
}

std::string formatProjectFile(const ProjectValues& values, const FormatSettings& settings) {
    std::string out;
    appendLine(out, singleLine(values.description));
    appendLine(out, singleLine(DateToStr(values.date, settings)));
    appendLine(out, singleLine(values.projectNumber));
    appendLine(out, std::to_string(values.intensityMethod));
    if (values.intensityMethod == kUserIntensityMethod) {
        appendLine(out, numbersLine(values.userIntensities, kIntensityDecimals));
    }
    for (const auto& row : values.rainfallRows) {
        appendLine(out, numbersLine(row, kRainfallDecimals));
    }
    appendLine(out, kEndOfTableLine);
    for (std::size_t i = 0; i < values.siteValues.size(); ++i) {
        appendLine(out, fixedText(values.siteValues[i], kSiteDecimals[i]));
    }
    appendLine(out, std::to_string(values.dischargeMethod));
    appendOutlet(out, values);
    return out;
}

void writeProjectFile(const fs::path& path, const ProjectValues& values,
                      const FormatSettings& settings) {
    const std::string text = formatProjectFile(values, settings);
    const fs::path target = resolvedTarget(path);
    TemporaryFile temporary(target);
    temporary.write(text);
    temporary.commitOver(target);
}

} // namespace velmora
