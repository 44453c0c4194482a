// The project file (*.vlm): a plain-text file holding one project's inputs, never results.
#pragma once

#include "platform/conversions.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora {

inline constexpr int kSiteValueCount = 8;

// The longest word, and the longest of the description, date and project number lines, that
// the reader takes, in characters. No value or description comes near it; a longer run of
// text is a damaged or hostile file, refused as a read failure without being held.
inline constexpr std::size_t kMaxProjectWordLength = 64 * 1024;

// The largest file the reader takes, in bytes: the longest tables below fit many times over.
// A larger file is refused before it is read.
inline constexpr std::uintmax_t kMaxProjectFileBytes = 256 * 1024 * 1024;

// The most rainfall rows and stage-discharge pairs a file may hold. A storm of 100,000
// one-minute steps (69 days) and a table of 10,000 pairs are real projects; every row is
// routed, checked and drawn for five events, so a table beyond these would take the program
// minutes and gigabytes, and is a read failure.
inline constexpr std::size_t kMaxRainfallRows = 250'000;
inline constexpr std::size_t kMaxStagePairs = 250'000;

// What Save hands to the writer: every number already converted.
struct ProjectValues {
    std::string description;
    Date date{};
    std::string projectNumber;
    int intensityMethod = 0;                           // -1 when nothing is selected
    std::array<double, 5> userIntensities{};           // written only for intensity method 0
    std::vector<std::array<double, 6>> rainfallRows;   // duration, then the five depths
    std::array<double, kSiteValueCount> siteValues{};  // preArea, postArea, preC, postC, preTc,
                                                       // pondArea, permPoolElev, permRate
    int dischargeMethod = 0;                           // -1 when nothing is selected
    std::vector<double> outletValues;                  // 4, 5 or 6 values for methods 0, 1, 2
    std::vector<std::pair<double, double>> stagePairs; // method 3: stage, discharge
};

// One word of the file as the reader found it, with the line it stands on (from 1).
struct Word {
    std::string text;
    int line = 0;
};

// How far a read got: every part up to and including `reached` was delivered.
enum class ReadPart {
    Nothing,
    Description,
    Date,
    ProjectNumber,
    IntensityMethod,
    UserIntensities,
    Rainfall,
    Site,
    DischargeMethod,
    Outlet, // the whole file
};

// What the reader delivers: texts as Open puts them into the controls. Only the date and the
// two method indices are converted.
struct ProjectWords {
    std::string description;
    std::optional<Date> date;
    Word projectNumber;
    std::optional<int> intensityMethod;
    std::array<Word, 5> userIntensities; // read only for intensity method 0
    std::vector<std::array<Word, 6>> rainfallRows;
    std::array<Word, kSiteValueCount> siteWords;
    std::optional<int> dischargeMethod;
    std::vector<Word> outletWords;                 // methods 0, 1, 2
    std::vector<std::pair<Word, Word>> stagePairs; // method 3
    int dischargeMethodLine = 0;
    int intensityMethodLine = 0;
};

struct ReadResult {
    ProjectWords words;
    ReadPart reached = ReadPart::Nothing;
    bool ok() const { return reached == ReadPart::Outlet; }
    std::string error; // why the read stopped ("Error Reading File" is shown to the user)
    int errorLine = 0;
};

// The file could not be opened for reading, or created for writing. what() is
// "The file could not be opened"; reason() says why.
class FileOpenError : public std::runtime_error {
  public:
    explicit FileOpenError(std::string reason);
    const std::string& reason() const noexcept { return reason_; }

  private:
    std::string reason_;
};

// The file was created but could not be written whole. what() is
// "The file could not be written"; the previous file at that path is untouched.
class FileWriteError : public std::runtime_error {
  public:
    explicit FileWriteError(std::string reason);
    const std::string& reason() const noexcept { return reason_; }

  private:
    std::string reason_;
};

// How many outlet values the file holds for a discharge method, one a line: 4, 5 and 6 for
// methods 0, 1 and 2; none for the stage-discharge table (3, which holds pairs) or any other index.
std::size_t outletValueCount(int dischargeMethod);

// The file's text: CR LF line ends, numbers with a point whatever the settings, the date in
// the settings' short date pattern.
std::string formatProjectFile(const ProjectValues& values, const FormatSettings& settings);

// Writes the file through a temporary file in the target's folder renamed over the target.
void writeProjectFile(const std::filesystem::path& path, const ProjectValues& values,
                      const FormatSettings& settings);

// Reads a file's text. Numeric words come back with the settings' decimal separator in place
// of the file's point, so that they convert where Open puts them. A text larger than
// kMaxProjectFileBytes, or a word or header line longer than kMaxProjectWordLength, is a read
// failure.
ReadResult parseProjectFile(std::string_view text, const FormatSettings& settings);

// Throws FileOpenError when the path cannot be opened or is not a regular file (a folder, a
// pipe or a device is refused before it is opened, so none of them can hold the reading up).
// A file larger than kMaxProjectFileBytes is a read failure, found before it is read.
ReadResult readProjectFile(const std::filesystem::path& path, const FormatSettings& settings);

} // namespace velmora
