// Between the project file and the main window's controls: Open puts what the reader delivers
// into the controls, Save converts the controls into what the writer takes. The desktop
// program's window and velmora-cli's copy of it both go through these steps, so a file opens,
// runs and saves the same in both.
#pragma once

#include "engine/capture.h"
#include "engine/controls.h"
#include "projectfile/projectfile.h"

#include <array>
#include <string>
#include <string_view>

namespace velmora {

// The edits a project file and a results run read, by control name, with the field of the
// snapshot each fills.
struct EditField {
    std::string_view control;
    std::string MainWindowControls::*field;
};

inline constexpr std::array<EditField, 16> kProjectEdits{{
    {"edtProjDes", &MainWindowControls::edtProjDes},
    {"edtProjNo", &MainWindowControls::edtProjNo},
    {"EditPreCondArea", &MainWindowControls::EditPreCondArea},
    {"EditPostCondArea", &MainWindowControls::EditPostCondArea},
    {"EditPreC", &MainWindowControls::EditPreC},
    {"EditPostC", &MainWindowControls::EditPostC},
    {"EditPreTc", &MainWindowControls::EditPreTc},
    {"EditPSA", &MainWindowControls::EditPSA},
    {"EditpermpoolElev", &MainWindowControls::EditpermpoolElev},
    {"EditRPerm", &MainWindowControls::EditRPerm},
    {"EditWCEl", &MainWindowControls::EditWCEl},
    {"EditWCoef", &MainWindowControls::EditWCoef},
    {"EditNoEC", &MainWindowControls::EditNoEC},
    {"EditWeirLength", &MainWindowControls::EditWeirLength},
    {"edtOrifCoef", &MainWindowControls::edtOrifCoef},
    {"edtOrifHt", &MainWindowControls::edtOrifHt},
}};

// The eight site edits in the order of the file's site lines.
inline constexpr std::array<std::string_view, kSiteValueCount> kSiteEdits{
    "EditPreCondArea", "EditPostCondArea", "EditPreC",         "EditPostC",
    "EditPreTc",       "EditPSA",          "EditpermpoolElev", "EditRPerm"};

// The outlet edits in the order the file holds their values; a method holds the first 4, 5 or
// 6 of them.
inline constexpr std::array<std::string_view, 6> kOutletEdits{
    "EditWCEl", "EditWCoef", "EditNoEC", "EditWeirLength", "edtOrifCoef", "edtOrifHt"};

// The field of the snapshot an edit fills; throws std::out_of_range for another name.
std::string MainWindowControls::*editField(std::string_view control);

// An edit, or a cell of the user intensity grid, whose text does not convert; what() is the
// conversion's message, control() the control's name and row() the grid row (0 for an edit),
// so the window can put the focus there.
class EditConversionError : public ConversionError {
  public:
    EditConversionError(std::string text, std::string_view control, int row = 0)
        : ConversionError(std::move(text)), control_(control), row_(row) {}
    std::string_view control() const noexcept { return control_; }
    int row() const noexcept { return row_; }

  private:
    std::string_view control_;
    int row_;
};

// The controls a project file holds, as Open fills them and Save reads them.
class ProjectForm {
  public:
    virtual ~ProjectForm() = default;

    // The edits of kProjectEdits, by name.
    virtual std::string editText(std::string_view control) const = 0;
    virtual void setEditText(std::string_view control, const std::string& text) = 0;

    virtual Date projectDate() const = 0;
    virtual void setProjectDate(Date date) = 0;

    // Item indices, -1 for none. Setting the discharge method selects it without applying its
    // layout; Open applies the layout itself.
    virtual int intensityMethod() const = 0;
    virtual void setIntensityMethod(int index) = 0;
    virtual int dischargeMethod() const = 0;
    virtual void setDischargeMethod(int index) = 0;

    // The user intensity of a return period: sgUsrNtnsty, column 1, row event + 1.
    virtual std::string userIntensity(int event) const = 0;
    virtual void setUserIntensity(int event, const std::string& text) = 0;

    virtual TextGrid& rainfallGrid() = 0; // sgMethodOne
    virtual TextGrid& stageGrid() = 0;    // stageDisch

    // What Open changes beyond texts: the outlet fields and captions of the method read, and
    // the intensity grid shown for user-supplied intensities. A form without a screen has
    // nothing to show.
    virtual void applyOpenedOutletLayout(int /*method*/) {}
    virtual void showIntensityGrid(bool /*shown*/) {}
};

// Open's filling of the form from a whole or partial read, in the order the items arrive:
// what a failed read delivered before it failed stays in the form. Returns the
// stage-discharge grid's new remembered row count, or `stageRowCount` when the file held no
// stage-discharge table.
int openProjectInto(const ReadResult& read, ProjectForm& form, int stageRowCount);

// The Save command's conversion: captures the rainfall grid (and, for method 3, the stage
// grid) into `captured` as the Results command does and converts every value the file holds
// strictly. An empty outlet edit of the rectangular weir reads as 0, and an empty crest
// elevation receives "0.0". Throws CellConversionError or EditConversionError at the first
// value that does not convert.
ProjectValues saveProjectValues(ProjectForm& form, CapturedTables& captured,
                                const FormatSettings& settings);

// velmora-cli's main window: the controls' texts and the three grids in memory.
struct OpenedProject final : ProjectForm {
    MainWindowControls controls; // the user intensities included
    StringGrid sgMethodOne;      // rainfall grid, row 0 the headings
    StringGrid stageDisch;       // stage-discharge grid, row 0 the headings
    int stageRowCount = 0;

    OpenedProject();

    std::string editText(std::string_view control) const override;
    void setEditText(std::string_view control, const std::string& text) override;
    Date projectDate() const override { return controls.edtDisProjDate; }
    void setProjectDate(Date date) override { controls.edtDisProjDate = date; }
    int intensityMethod() const override { return controls.cbxNtnstyMthd; }
    void setIntensityMethod(int index) override { controls.cbxNtnstyMthd = index; }
    int dischargeMethod() const override { return controls.ComboBoxSelDischMethd; }
    void setDischargeMethod(int index) override { controls.ComboBoxSelDischMethd = index; }
    std::string userIntensity(int event) const override;
    void setUserIntensity(int event, const std::string& text) override;
    TextGrid& rainfallGrid() override { return sgMethodOne; }
    TextGrid& stageGrid() override { return stageDisch; }
};

// The headings of the two grids, as the main window shows them.
StringGrid defaultRainfallGridHeadings();
StringGrid defaultStageGridHeadings();

// A fresh window's copy filled from the words of a (whole or partial) read.
OpenedProject openIntoControls(const ReadResult& read);

// The Results command's capture of the opened grids. Throws ConversionError at the first cell
// that does not convert.
CapturedTables captureOpenedProject(OpenedProject& project, const FormatSettings& settings);

// Save's conversion of the opened project, its captured tables thrown away.
ProjectValues saveProjectValues(OpenedProject& project, const FormatSettings& settings);

} // namespace velmora
