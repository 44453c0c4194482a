// The main window's inputs as the engine sees them: a snapshot of the controls' texts and
// selections, and the text-grid interface through which the tables are captured.
//
// The desktop program fills the snapshot from its widgets at every paint; velmora-cli fills it
// from a project file. Member names are the controls' names.
#pragma once

#include "engine/inputs.h"

#include <array>
#include <string>
#include <vector>

namespace velmora {

// A grid of text cells addressed as (column, row), row 0 being the heading row. A capture
// reads cells and may lower the row count to drop trailing empty rows.
class TextGrid {
  public:
    virtual ~TextGrid() = default;
    virtual int rowCount() const = 0;
    virtual void setRowCount(int rows) = 0;
    virtual std::string cell(int column, int row) const = 0;
    // Writes a cell, growing the grid when the row lies beyond its end.
    virtual void setCell(int column, int row, const std::string& text) = 0;
};

// A plain in-memory grid: rows of cells, missing cells read as empty text.
class StringGrid final : public TextGrid {
  public:
    StringGrid() = default;
    explicit StringGrid(std::vector<std::vector<std::string>> rows) : rows_(std::move(rows)) {}

    int rowCount() const override { return static_cast<int>(rows_.size()); }
    void setRowCount(int rows) override { rows_.resize(rows < 0 ? 0 : rows); }
    std::string cell(int column, int row) const override;
    void setCell(int column, int row, const std::string& text) override;

  private:
    std::vector<std::vector<std::string>> rows_;
};

// The texts and selections a results run reads. Selections are item indices, -1 for none.
struct MainWindowControls {
    std::string edtProjDes;
    std::string edtProjNo;
    Date edtDisProjDate{std::chrono::year{2005}, std::chrono::January, std::chrono::day{1}};

    std::string EditPreCondArea;
    std::string EditPostCondArea;
    std::string EditPreC;
    std::string EditPostC;
    std::string EditPreTc;
    std::string EditPSA;
    std::string EditpermpoolElev;
    std::string EditRPerm;

    int cbxNtnstyMthd = IntensityMethod::UserSupplied;
    std::array<std::string, kReturnPeriodCount> sgUsrNtnsty; // column 1, rows 1 to 5
    int grpRainEvnt = rp5Year;

    int ComboBoxSelDischMethd = 0;
    std::string EditWCEl;
    std::string EditWCoef;
    std::string EditNoEC;
    std::string EditWeirLength;
    std::string edtOrifCoef = "0.6";
    std::string edtOrifHt = "6";
};

} // namespace velmora
