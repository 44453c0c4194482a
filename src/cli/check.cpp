#include "cli/check.h"

#include "cli/designoutput.h"
#include "cli/projectrun.h"
#include "design/designcheck.h"
#include "engine/resultsrun.h"
#include "projectcontrols/projectcontrols.h"

#include <array>

namespace velmora {

namespace {

const std::array<const char*, kSiteValueCount> kSiteNames{
    "pre-development area",     "post-development area", "pre-development C",
    "post-development C",       "pre-development Tc",    "pond surface area",
    "permanent pool elevation", "percolation rate"};

const std::array<const char*, 6> kOutletNames{"crest or invert elevation", "weir coefficient",
                                              "end contractions",          "opening size",
                                              "orifice coefficient",       "orifice height"};

class ProblemList {
  public:
    explicit ProblemList(const FormatSettings& settings) : settings_(settings) {}

    // A value that Save or the capture converts strictly.
    void convert(const Word& word, const std::string& what) {
        try {
            StrToFloat(word.text, settings_);
        } catch (const ConversionError& e) {
            problems_.push_back("line " + std::to_string(word.line) + ": " + what + ": " +
                                e.what());
        }
    }
    void add(std::string problem) { problems_.push_back(std::move(problem)); }
    const std::vector<std::string>& problems() const { return problems_; }

  private:
    const FormatSettings& settings_;
    std::vector<std::string> problems_;
};

std::string eventName(int p) {
    return std::to_string(kReturnPeriodYears[p]) + "-year";
}

void checkWords(const ProjectWords& words, ProblemList& problems) {
    if (words.intensityMethod == IntensityMethod::UserSupplied) {
        for (int p = 0; p < kReturnPeriodCount; ++p)
            problems.convert(words.userIntensities[p], eventName(p) + " user intensity");
    }
    int row = 1;
    for (const auto& rainfallRow : words.rainfallRows) {
        const std::string where = "rainfall row " + std::to_string(row++);
        problems.convert(rainfallRow[0], where + " duration");
        for (int p = 0; p < kReturnPeriodCount; ++p)
            problems.convert(rainfallRow[p + 1], where + " " + eventName(p) + " depth");
    }
    for (int i = 0; i < kSiteValueCount; ++i)
        problems.convert(words.siteWords[i], kSiteNames[i]);

    const int method = words.dischargeMethod.value_or(-1);
    for (std::size_t i = 0; i < words.outletWords.size() && i < kOutletNames.size(); ++i) {
        const bool unreadByCircularOrifice = method == 1 && i == 2;
        if (!unreadByCircularOrifice)
            problems.convert(words.outletWords[i], kOutletNames[i]);
    }
    int pair = 1;
    for (const auto& [stage, discharge] : words.stagePairs) {
        const std::string where = "stage-discharge pair " + std::to_string(pair++);
        const bool emptyRow = stage.text.empty() && discharge.text.empty();
        if (!emptyRow) {
            problems.convert(stage, where + " stage");
            problems.convert(discharge, where + " discharge");
        }
    }
}

// One capture, as the Results command makes it, and a results run of every design event.
void checkRuns(const ReadResult& read, const FormatSettings& settings, ProblemList& problems) {
    OpenedProject opened = openIntoControls(read);
    CapturedTables captured;
    try {
        captured = captureOpenedProject(opened, settings);
    } catch (const ConversionError& e) {
        problems.add(std::string("capture: ") + e.what());
        return;
    }
    for (int p = 0; p < kReturnPeriodCount; ++p) {
        opened.controls.grpRainEvnt = p;
        try {
            performResultsRun(opened.controls, captured, settings);
        } catch (const RunError& e) {
            problems.add(eventName(p) + " event: " + e.what() + " " + e.detail());
        }
    }
}

} // namespace

std::vector<std::string> checkProject(const ReadResult& read, const FormatSettings& settings) {
    ProblemList problems(settings);
    checkWords(read.words, problems);
    if (problems.problems().empty())
        checkRuns(read, settings, problems);
    return problems.problems();
}

std::vector<std::string> projectWarnings(const ReadResult& read, const FormatSettings& settings) {
    std::vector<std::string> warnings;
    try {
        const ProjectRun project = runProjectRead(read, "", rp5Year, settings);
        for (const DesignWarning& warning :
             checkDesign(project.run, std::nullopt, settings).warnings)
            warnings.push_back(warningText(warning, project.lines));
    } catch (const std::exception&) {
        // A run that fails is a problem, which checkProject lists.
    }
    return warnings;
}

} // namespace velmora
