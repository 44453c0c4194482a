#include "cli/projectcontrols.h"

#include <string>

namespace velmora {

namespace {

bool reached(const ReadResult& read, ReadPart part) {
    return static_cast<int>(read.reached) >= static_cast<int>(part);
}

} // namespace

StringGrid defaultRainfallGridHeadings() {
    std::vector<std::string> headings{"Time(hrs)"};
    for (int years : kReturnPeriodYears)
        headings.push_back(std::to_string(years) + "yr Rainfall(in)");
    return StringGrid(std::vector<std::vector<std::string>>{headings});
}

StringGrid defaultStageGridHeadings() {
    return StringGrid(std::vector<std::vector<std::string>>{{"Stage(ft)", "Disch.(cfs)"}});
}

OpenedProject openIntoControls(const ReadResult& read) {
    const ProjectWords& words = read.words;
    OpenedProject opened;
    opened.sgMethodOne = defaultRainfallGridHeadings();
    opened.stageDisch = defaultStageGridHeadings();
    MainWindowControls& c = opened.controls;

    if (reached(read, ReadPart::Description))
        c.edtProjDes = words.description;
    if (reached(read, ReadPart::ProjectNumber))
        c.edtProjNo = words.projectNumber.text;
    if (reached(read, ReadPart::IntensityMethod) && words.intensityMethod)
        c.cbxNtnstyMthd = *words.intensityMethod;
    if (reached(read, ReadPart::UserIntensities) &&
        c.cbxNtnstyMthd == IntensityMethod::UserSupplied) {
        for (int p = 0; p < kReturnPeriodCount; ++p)
            c.sgUsrNtnsty[p] = words.userIntensities[p].text;
    }
    if (reached(read, ReadPart::Rainfall)) {
        opened.sgMethodOne.setRowCount(static_cast<int>(words.rainfallRows.size()) + 1);
        int row = 1;
        for (const auto& rainfallRow : words.rainfallRows) {
            for (int column = 0; column < 6; ++column)
                opened.sgMethodOne.setCell(column, row, rainfallRow[column].text);
            ++row;
        }
    }
    if (reached(read, ReadPart::Date) && words.date)
        c.edtDisProjDate = *words.date;
    if (reached(read, ReadPart::Site)) {
        std::string* siteEdits[kSiteValueCount] = {
            &c.EditPreCondArea, &c.EditPostCondArea, &c.EditPreC,         &c.EditPostC,
            &c.EditPreTc,       &c.EditPSA,          &c.EditpermpoolElev, &c.EditRPerm};
        for (int i = 0; i < kSiteValueCount; ++i)
            *siteEdits[i] = words.siteWords[i].text;
    }
    if (reached(read, ReadPart::DischargeMethod) && words.dischargeMethod)
        c.ComboBoxSelDischMethd = *words.dischargeMethod;
    if (!reached(read, ReadPart::Outlet))
        return opened;

    // The outlet words go to the same edits for every method; a method fills as many as it
    // has lines.
    std::string* outletEdits[] = {&c.EditWCEl,       &c.EditWCoef,   &c.EditNoEC,
                                  &c.EditWeirLength, &c.edtOrifCoef, &c.edtOrifHt};
    const std::size_t outletCount = std::min(words.outletWords.size(), std::size(outletEdits));
    for (std::size_t i = 0; i < outletCount; ++i)
        *outletEdits[i] = words.outletWords[i].text;

    if (c.ComboBoxSelDischMethd == static_cast<int>(DischargeMethod::StageDischargeTable)) {
        const int pairs = static_cast<int>(words.stagePairs.size());
        opened.stageDisch.setRowCount(pairs + 1);
        for (int r = 1; r <= pairs; ++r) {
            opened.stageDisch.setCell(0, r, words.stagePairs[r - 1].first.text);
            opened.stageDisch.setCell(1, r, words.stagePairs[r - 1].second.text);
        }
        opened.stageRowCount = pairs + 1;
    }
    return opened;
}

namespace {

// Save reads an empty weir edit as 0; every other value must convert.
double weirEditValue(const std::string& text, const FormatSettings& settings) {
    return text.empty() ? 0.0 : StrToFloat(text, settings);
}

std::vector<double> outletValues(MainWindowControls& c, const FormatSettings& settings) {
    auto value = [&](const std::string& text) {
        return StrToFloat(text, settings);
    };
    switch (c.ComboBoxSelDischMethd) {
    case 0: {
        std::vector<double> values{
            weirEditValue(c.EditWCEl, settings), weirEditValue(c.EditWCoef, settings),
            weirEditValue(c.EditNoEC, settings), weirEditValue(c.EditWeirLength, settings)};
        if (c.EditWCEl.empty())
            c.EditWCEl = "0.0";
        return values;
    }
    case 1:
        // The circular orifice has no end contractions; its line in the file holds 0.
        return {value(c.EditWCEl), value(c.EditWCoef), 0.0, value(c.EditWeirLength),
                value(c.edtOrifCoef)};
    case 2:
        return {value(c.EditWCEl),       value(c.EditWCoef),   value(c.EditNoEC),
                value(c.EditWeirLength), value(c.edtOrifCoef), value(c.edtOrifHt)};
    default:
        return {};
    }
}

} // namespace

CapturedTables captureOpenedProject(OpenedProject& project, const FormatSettings& settings) {
    CapturedTables captured;
    captured.stageRowCount = project.stageRowCount;
    captureForResults(project.sgMethodOne, project.stageDisch,
                      project.controls.ComboBoxSelDischMethd, captured, settings);
    project.stageRowCount = captured.stageRowCount;
    return captured;
}

ProjectValues saveProjectValues(OpenedProject& project, const FormatSettings& settings) {
    MainWindowControls& c = project.controls;
    ProjectValues values;
    const RainfallTable rainfall = captureRainfall(project.sgMethodOne, settings);
    for (int k = 0; k < rainfall.rowCount; ++k) {
        std::array<double, 6> row{rainfall.durations[k]};
        for (int p = 0; p < kReturnPeriodCount; ++p)
            row[p + 1] = rainfall.depths[p][k];
        values.rainfallRows.push_back(row);
    }
    values.description = c.edtProjDes;
    values.date = c.edtDisProjDate;
    values.projectNumber = c.edtProjNo;
    values.intensityMethod = c.cbxNtnstyMthd;
    if (c.cbxNtnstyMthd == IntensityMethod::UserSupplied) {
        for (int p = 0; p < kReturnPeriodCount; ++p)
            values.userIntensities[p] = StrToFloat(c.sgUsrNtnsty[p], settings);
    }
    const std::string* siteEdits[kSiteValueCount] = {
        &c.EditPreCondArea, &c.EditPostCondArea, &c.EditPreC,         &c.EditPostC,
        &c.EditPreTc,       &c.EditPSA,          &c.EditpermpoolElev, &c.EditRPerm};
    for (int i = 0; i < kSiteValueCount; ++i)
        values.siteValues[i] = StrToFloat(*siteEdits[i], settings);
    values.dischargeMethod = c.ComboBoxSelDischMethd;
    values.outletValues = outletValues(c, settings);
    if (c.ComboBoxSelDischMethd == static_cast<int>(DischargeMethod::StageDischargeTable)) {
        const StageDischargeTable table =
            captureStageDischarge(project.stageDisch, project.stageRowCount, settings);
        for (int i = 0; i < table.pairCount; ++i)
            values.stagePairs.emplace_back(table.stages[i], table.discharges[i]);
    }
    return values;
}

} // namespace velmora
