#include "projectcontrols/projectcontrols.h"

#include <stdexcept>
#include <string>

namespace velmora {

namespace {

constexpr int kRainfallColumns = 6; // duration and five depths
constexpr int kStageColumn = 0;
constexpr int kDischargeColumn = 1;

bool reached(const ReadResult& read, ReadPart part) {
    return static_cast<int>(read.reached) >= static_cast<int>(part);
}

void fillRainfallGrid(const ProjectWords& words, TextGrid& grid) {
    grid.setRowCount(static_cast<int>(words.rainfallRows.size()) + 1);
    int row = 1;
    for (const auto& rainfallRow : words.rainfallRows) {
        for (int column = 0; column < kRainfallColumns; ++column)
            grid.setCell(column, row, rainfallRow[static_cast<std::size_t>(column)].text);
        ++row;
    }
}

// The outlet block of the method read: its words into the outlet edits, or the pairs into the
// stage-discharge grid; then the method's fields and captions. Returns the stage grid's new
// remembered row count.
int fillOutlet(const ProjectWords& words, int method, ProjectForm& form, int stageRowCount) {
    const auto stageMethod = static_cast<int>(DischargeMethod::StageDischargeTable);
    if (method < 0 || method > stageMethod)
        return stageRowCount; // an unknown method: nothing is read, nothing changes
    if (method == stageMethod) {
        TextGrid& grid = form.stageGrid();
        const int pairs = static_cast<int>(words.stagePairs.size());
        grid.setRowCount(pairs + 1);
        for (int r = 1; r <= pairs; ++r) {
            const auto& [stage, discharge] = words.stagePairs[static_cast<std::size_t>(r - 1)];
            grid.setCell(kStageColumn, r, stage.text);
            grid.setCell(kDischargeColumn, r, discharge.text);
        }
        stageRowCount = pairs + 1;
    } else {
        const std::size_t count = std::min(words.outletWords.size(), kOutletEdits.size());
        for (std::size_t i = 0; i < count; ++i)
            form.setEditText(kOutletEdits[i], words.outletWords[i].text);
    }
    form.applyOpenedOutletLayout(method);
    return stageRowCount;
}

// The items in the order they arrive; a read that failed stops where its words end.
int fillForm(const ReadResult& read, ProjectForm& form, int stageRowCount) {
    const ProjectWords& words = read.words;
    if (!reached(read, ReadPart::Description))
        return stageRowCount;
    form.setEditText("edtProjDes", words.description);
    // The date is read next and goes into the form once the site values are in.
    if (!reached(read, ReadPart::ProjectNumber))
        return stageRowCount;
    form.setEditText("edtProjNo", words.projectNumber.text);
    if (!reached(read, ReadPart::IntensityMethod) || !words.intensityMethod)
        return stageRowCount;
    form.setIntensityMethod(*words.intensityMethod);
    if (*words.intensityMethod == IntensityMethod::UserSupplied) {
        if (!reached(read, ReadPart::UserIntensities))
            return stageRowCount;
        for (int p = 0; p < kReturnPeriodCount; ++p)
            form.setUserIntensity(p, words.userIntensities[static_cast<std::size_t>(p)].text);
    }
    if (!reached(read, ReadPart::Rainfall))
        return stageRowCount;
    fillRainfallGrid(words, form.rainfallGrid());
    if (!reached(read, ReadPart::DischargeMethod) || !words.dischargeMethod)
        return stageRowCount;
    if (words.date)
        form.setProjectDate(*words.date);
    for (std::size_t i = 0; i < kSiteEdits.size(); ++i)
        form.setEditText(kSiteEdits[i], words.siteWords[i].text);
    form.setDischargeMethod(*words.dischargeMethod);
    if (!reached(read, ReadPart::Outlet))
        return stageRowCount;
    return fillOutlet(words, *words.dischargeMethod, form, stageRowCount);
}

double strictValue(const ProjectForm& form, std::string_view control,
                   const FormatSettings& settings) {
    std::string text = form.editText(control);
    try {
        return StrToFloat(text, settings);
    } catch (const ConversionError&) {
        throw EditConversionError(std::move(text), control);
    }
}

// Save reads an empty weir edit as 0; every other text must convert.
double weirValue(const ProjectForm& form, std::string_view control,
                 const FormatSettings& settings) {
    return form.editText(control).empty() ? 0.0 : strictValue(form, control, settings);
}

std::vector<double> outletValues(ProjectForm& form, const FormatSettings& settings) {
    auto value = [&](std::string_view control) {
        return strictValue(form, control, settings);
    };
    switch (form.dischargeMethod()) {
    case 0: {
        std::vector<double> values{
            weirValue(form, "EditWCEl", settings), weirValue(form, "EditWCoef", settings),
            weirValue(form, "EditNoEC", settings), weirValue(form, "EditWeirLength", settings)};
        if (form.editText("EditWCEl").empty())
            form.setEditText("EditWCEl", "0.0");
        return values;
    }
    case 1: {
        // The circular orifice has no end contractions: its line in the file holds 0.
        const double invert = value("EditWCEl");
        const double weirCoef = value("EditWCoef");
        const double diameter = value("EditWeirLength");
        const double orifCoef = value("edtOrifCoef");
        return {invert, weirCoef, 0.0, diameter, orifCoef};
    }
    case 2: {
        std::vector<double> values;
        for (const std::string_view control : kOutletEdits)
            values.push_back(value(control));
        return values;
    }
    default:
        return {};
    }
}

} // namespace

std::string MainWindowControls::*editField(std::string_view control) {
    for (const EditField& edit : kProjectEdits)
        if (edit.control == control)
            return edit.field;
    throw std::out_of_range("no edit named " + std::string(control));
}

int openProjectInto(const ReadResult& read, ProjectForm& form, int stageRowCount) {
    stageRowCount = fillForm(read, form, stageRowCount);
    // The intensity grid follows the method read, also after a read that failed later.
    if (reached(read, ReadPart::IntensityMethod) && read.words.intensityMethod) {
        if (*read.words.intensityMethod == IntensityMethod::UserSupplied)
            form.showIntensityGrid(true);
        else if (*read.words.intensityMethod == IntensityMethod::CityCurves)
            form.showIntensityGrid(false);
    }
    return stageRowCount;
}

ProjectValues saveProjectValues(ProjectForm& form, CapturedTables& captured,
                                const FormatSettings& settings) {
    ProjectValues values;
    captured.rainfall = captureRainfall(form.rainfallGrid(), settings);
    const RainfallTable& rainfall = captured.rainfall;
    for (int k = 0; k < rainfall.rowCount; ++k) {
        const auto row = static_cast<std::size_t>(k);
        std::array<double, 6> values6{rainfall.durations[row]};
        for (int p = 0; p < kReturnPeriodCount; ++p)
            values6[static_cast<std::size_t>(p) + 1] =
                rainfall.depths[static_cast<std::size_t>(p)][row];
        values.rainfallRows.push_back(values6);
    }
    values.description = form.editText("edtProjDes");
    values.date = form.projectDate();
    values.projectNumber = form.editText("edtProjNo");
    values.intensityMethod = form.intensityMethod();
    if (values.intensityMethod == IntensityMethod::UserSupplied) {
        for (int p = 0; p < kReturnPeriodCount; ++p) {
            std::string text = form.userIntensity(p);
            try {
                values.userIntensities[static_cast<std::size_t>(p)] = StrToFloat(text, settings);
            } catch (const ConversionError&) {
                throw EditConversionError(std::move(text), "sgUsrNtnsty", p + 1);
            }
        }
    }
    for (std::size_t i = 0; i < kSiteEdits.size(); ++i)
        values.siteValues[i] = strictValue(form, kSiteEdits[i], settings);
    values.dischargeMethod = form.dischargeMethod();
    values.outletValues = outletValues(form, settings);
    if (values.dischargeMethod == static_cast<int>(DischargeMethod::StageDischargeTable)) {
        captured.stageDischarge =
            captureStageDischarge(form.stageGrid(), captured.stageRowCount, settings);
        const StageDischargeTable& table = captured.stageDischarge;
        for (int i = 0; i < table.pairCount; ++i)
            values.stagePairs.emplace_back(table.stages[static_cast<std::size_t>(i)],
                                           table.discharges[static_cast<std::size_t>(i)]);
    }
    return values;
}

OpenedProject::OpenedProject()
    : sgMethodOne(defaultRainfallGridHeadings()), stageDisch(defaultStageGridHeadings()) {}

std::string OpenedProject::editText(std::string_view control) const {
    return controls.*editField(control);
}

void OpenedProject::setEditText(std::string_view control, const std::string& text) {
    controls.*editField(control) = text;
}

std::string OpenedProject::userIntensity(int event) const {
    return controls.sgUsrNtnsty.at(static_cast<std::size_t>(event));
}

void OpenedProject::setUserIntensity(int event, const std::string& text) {
    controls.sgUsrNtnsty.at(static_cast<std::size_t>(event)) = text;
}

StringGrid defaultRainfallGridHeadings() {
    std::vector<std::string> headings{"Time(hrs)"};
    for (int years : kReturnPeriodYears)
        headings.push_back(std::to_string(years) + "yr Rainfall(in)");
    return StringGrid(std::vector<std::vector<std::string>>{headings});
}

StringGrid defaultStageGridHeadings() {
    return StringGrid(std::vector<std::vector<std::string>>{{"Stage(ft)", "Dich.(cfs)"}});
}

OpenedProject openIntoControls(const ReadResult& read) {
    OpenedProject opened;
    opened.stageRowCount = openProjectInto(read, opened, opened.stageRowCount);
    return opened;
}

CapturedTables captureOpenedProject(OpenedProject& project, const FormatSettings& settings) {
    CapturedTables captured;
    captured.stageRowCount = project.stageRowCount;
    captureForResults(project.sgMethodOne, project.stageDisch,
                      project.controls.ComboBoxSelDischMethd, captured, settings);
    project.stageRowCount = captured.stageRowCount;
    return captured;
}

ProjectValues saveProjectValues(OpenedProject& project, const FormatSettings& settings) {
    CapturedTables captured;
    captured.stageRowCount = project.stageRowCount;
    ProjectValues values =
        saveProjectValues(static_cast<ProjectForm&>(project), captured, settings);
    project.stageRowCount = captured.stageRowCount;
    return values;
}

} // namespace velmora
