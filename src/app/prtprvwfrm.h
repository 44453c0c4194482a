// The results window: the report page of the main window's inputs as they stand, recomputed
// at every paint, and its printing.
#pragma once

#include "engine/resultsrun.h"

#include <QPrinter>
#include <QTimer>
#include <QWidget>

#include <optional>
#include <string>

class QPushButton;
class QScrollArea;

namespace velmora {

class Canvas;
class Dialogs;
class TVelmoraMainFrm;

inline constexpr int kResultsWindowLeft = 266;  // screen pixels
inline constexpr int kResultsWindowTop = 110;   // screen pixels
inline constexpr int kResultsClientWidth = 713; // pixels: the 729-pixel outer width less the frame
inline constexpr int kResultsClientHeight =
    561;                                       // pixels: the 598-pixel outer height less the frame
inline constexpr int kPrintButtonWidth = 49;   // pixels
inline constexpr int kPrintButtonHeight = 25;  // pixels
inline constexpr int kLiveUpdateDelayMs = 150; // after the last keystroke in the main window

class TPrtPrvwFrm final : public QWidget {
    Q_OBJECT

  public:
    TPrtPrvwFrm(TVelmoraMainFrm& mainForm, Dialogs& dialogs, QWidget* parent = nullptr);

    // The Results command after a capture: enabled, shown, raised and focused, and painted
    // again in full from the new tables.
    void showResults();

    // One paint: a complete results run from the main window's inputs of this moment, and the
    // page drawn on `canvas`. False when the run failed; nothing is drawn then.
    bool FormPaint(Canvas& canvas);

    // The Print button: the printer setup in landscape, then the page on the printer.
    void PrntBtnClick();

    // The detail of the last failed run ("EditPSA: 'x' is not a valid floating point value"),
    // empty after a run that succeeded.
    const std::string& failureDetail() const { return failureDetail_; }

    // What the window shows of the last failure: "CHECK DATA!" and the detail in the words
    // of the main window's captions.
    QString failureText() const;

    QPrinter& printer() { return printer_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    friend class ReportPageView;

    // Why the page is painted: a live update after typing in the main window shows a failure
    // inside the window instead of a message box that would take the focus from the typing.
    enum class PaintCause { Other, Typing };

    std::optional<ResultsRun> performRun();
    void paintPage(QPainter& painter, const QRect& exposed);
    void reportFailure(const RunError& error);
    void showCheckDataBox();
    void scheduleLiveUpdate();
    void repaintPage(PaintCause cause);
    void placePrintButton();

    TVelmoraMainFrm& mainForm_;
    Dialogs& dialogs_;
    QScrollArea* scroll_ = nullptr;
    QWidget* page_ = nullptr;
    QPushButton* PrntBtn = nullptr;
    QTimer liveUpdate_;
    QPrinter printer_;
    PaintCause paintCause_ = PaintCause::Other;
    bool failureReported_ = false; // a failure episode has been told to the user
    std::string failureDetail_;
};

} // namespace velmora
