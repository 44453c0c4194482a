// The Size Outlet dialog: finds the outlet opening or the pond area that meets the
// pre-development rates (or a peak stage) in the chosen events, shows the events before and
// after, and on Apply puts the value into the main window.
#pragma once

#include "design/sizing.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace velmora {

class TVelmoraMainFrm;

class TSizeOutletDlg final : public QDialog {
    Q_OBJECT

  public:
    explicit TSizeOutletDlg(TVelmoraMainFrm& mainForm, QWidget* parent = nullptr);

    // The request the dialog's choices make; none while the stage typed is not a number.
    std::optional<SizingRequest> request() const;

    // Runs the search from the main window's inputs and last captured tables and shows the
    // result. False when no value was found or the inputs do not run.
    bool SizeBtnClick();

    // Writes the value found into the opening or the pond area edit, in the locale's format.
    void ApplyBtnClick();

    // The value the last search found, inches or acres.
    std::optional<double> foundValue() const { return found_; }

  private:
    void showEvents(const ResultsRun& before, const std::optional<ResultsRun>& after,
                    const SizingRequest& request);
    void showMessage(const QString& text);

    TVelmoraMainFrm& mainForm_;
    QRadioButton* varyOpening_ = nullptr;
    QRadioButton* varyPondArea_ = nullptr;
    QRadioButton* targetPreDev_ = nullptr;
    QRadioButton* targetStage_ = nullptr;
    QLineEdit* stage_ = nullptr;
    std::array<QCheckBox*, kReturnPeriodCount> events_{};
    QLabel* result_ = nullptr;
    QTableWidget* table_ = nullptr;
    QPushButton* size_ = nullptr;
    QPushButton* apply_ = nullptr;
    std::optional<double> found_;
    SizedValue foundFor_ = SizedValue::Opening;
};

} // namespace velmora
