#include "app/prtprvwfrm.h"

#include "app/velmoramainfrm.h"
#include "platform/canvas/qpaintercanvas.h"
#include "platform/dialogs/dialogs.h"
#include "report/renderers.h"
#include "report/reportpage.h"

#include <QCloseEvent>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollArea>

#include <exception>

namespace velmora {

namespace {

constexpr double kSheetMarginMillimetres = 12.7; // as velmora-cli's PDF: half an inch a side
constexpr int kFailureTextLeft = 10;             // pixels
constexpr int kFailureTextTop = 10;              // pixels

} // namespace

// The page: 700 pixels wide and as tall as the report of the last run.
class ReportPageView final : public QWidget {
  public:
    ReportPageView(TPrtPrvwFrm& window, QWidget* parent) : QWidget(parent), window_(window) {
        setObjectName(QStringLiteral("reportPage"));
        setFixedSize(kReportPageWidth, kReportPageMinHeight);
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        window_.paintPage(painter, event->rect());
    }

  private:
    TPrtPrvwFrm& window_;
};

TPrtPrvwFrm::TPrtPrvwFrm(TVelmoraMainFrm& mainForm, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), mainForm_(mainForm), dialogs_(dialogs),
      printer_(QPrinter::HighResolution) {
    setObjectName(QStringLiteral("PrtPrvwFrm"));
    setWindowTitle(QStringLiteral("Preview Print Out"));
    setFont(mainForm.font());

    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("pageScrollArea"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(false);
    scroll_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    page_ = new ReportPageView(*this, scroll_);
    scroll_->setWidget(page_);

    PrntBtn = new QPushButton(QStringLiteral("Print"), this);
    PrntBtn->setObjectName(QStringLiteral("PrntBtn"));
    PrntBtn->resize(kPrintButtonWidth, kPrintButtonHeight);
    connect(PrntBtn, &QPushButton::clicked, this, [this] {
        try {
            PrntBtnClick();
        } catch (const std::exception& e) {
            showErrorMessage(dialogs_, this, QString::fromStdString(e.what()));
        }
    });

    liveUpdate_.setSingleShot(true);
    liveUpdate_.setInterval(kLiveUpdateDelayMs);
    connect(&liveUpdate_, &QTimer::timeout, this, [this] { repaintPage(PaintCause::Typing); });
    connect(&mainForm_, &TVelmoraMainFrm::inputsChanged, this, &TPrtPrvwFrm::scheduleLiveUpdate);

    const PaperSize paper = paperSizeForLocaleName(numericLocaleNameFromEnvironment());
    printer_.setPageLayout(
        QPageLayout(QPageSize(paper == PaperSize::Letter ? QPageSize::Letter : QPageSize::A4),
                    QPageLayout::Landscape,
                    QMarginsF(kSheetMarginMillimetres, kSheetMarginMillimetres,
                              kSheetMarginMillimetres, kSheetMarginMillimetres),
                    QPageLayout::Millimeter));
    printer_.setDocName(QStringLiteral("Velmora report"));
    printer_.setCreator(QStringLiteral("Velmora"));

    resize(kResultsClientWidth, kResultsClientHeight);
    move(kResultsWindowLeft, kResultsWindowTop);
    setWindowState(Qt::WindowNoState);
    setEnabled(true);
}

void TPrtPrvwFrm::showResults() {
    // A new Results command asks for the results afresh, so a failure is told again.
    failureReported_ = false;
    setEnabled(true);
    show();
    raise();
    activateWindow();
    setFocus(Qt::OtherFocusReason);
    repaintPage(PaintCause::Other);
}

void TPrtPrvwFrm::repaintPage(PaintCause cause) {
    paintCause_ = cause;
    page_->update();
}

void TPrtPrvwFrm::scheduleLiveUpdate() {
    if (isVisible())
        liveUpdate_.start();
}

std::optional<ResultsRun> TPrtPrvwFrm::performRun() {
    try {
        ResultsRun run = performResultsRun(mainForm_.controlsSnapshot(), mainForm_.capturedTables(),
                                           mainForm_.formatSettings());
        failureReported_ = false;
        failureDetail_.clear();
        return run;
    } catch (const RunError& error) {
        reportFailure(error);
        return std::nullopt;
    }
}

// A failure is told once for each episode: the box's own repaints, and later repaints while
// the inputs stay wrong, show it inside the window only.
void TPrtPrvwFrm::reportFailure(const RunError& error) {
    failureDetail_ = error.detail();
    if (failureReported_)
        return;
    failureReported_ = true;
    if (paintCause_ == PaintCause::Typing)
        return;
    // Never from inside a paint: the box's modal loop would paint this window again.
    QMetaObject::invokeMethod(this, &TPrtPrvwFrm::showCheckDataBox, Qt::QueuedConnection);
}

void TPrtPrvwFrm::showCheckDataBox() {
    dialogs_.showMessage(nullptr, QStringLiteral("Error"), QStringLiteral("CHECK DATA!"),
                         MessageIcon::None);
}

bool TPrtPrvwFrm::FormPaint(Canvas& canvas) {
    const std::optional<ResultsRun> run = performRun();
    if (!run)
        return false;
    DrawReportPage(canvas, *run, mainForm_.stageGridRowCount(), mainForm_.formatSettings());
    return true;
}

void TPrtPrvwFrm::paintPage(QPainter& painter, const QRect& exposed) {
    painter.fillRect(exposed, palette().window());
    const std::optional<ResultsRun> run = performRun();
    paintCause_ = PaintCause::Other;
    if (!run) {
        painter.setPen(palette().windowText().color());
        painter.drawText(QRect(kFailureTextLeft, kFailureTextTop,
                               kReportPageWidth - 2 * kFailureTextLeft, kReportPageMinHeight),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, failureText());
        return;
    }
    const int height = reportPageHeight(*run, mainForm_.stageGridRowCount());
    if (height != page_->height()) {
        // The page grows with a long table; resize outside the paint, which then comes again.
        QMetaObject::invokeMethod(
            this, [this, height] { page_->setFixedSize(kReportPageWidth, height); },
            Qt::QueuedConnection);
    }
    // Only the exposed part of a long page is drawn: a repaint costs what it shows.
    QPainterCanvas canvas(painter);
    DrawReportPage(canvas, *run, mainForm_.stageGridRowCount(), mainForm_.formatSettings(),
                   PageBand{exposed.top(), exposed.bottom() + 1});
}

QString TPrtPrvwFrm::failureText() const {
    return QStringLiteral("CHECK DATA!\n") + mainForm_.describeFailure(failureDetail_);
}

void TPrtPrvwFrm::PrntBtnClick() {
    printer_.setPageOrientation(QPageLayout::Landscape);
    if (!dialogs_.setUpPrinter(this, printer_))
        return;
    PrntBtn->hide();
    const auto showButtonAgain = qScopeGuard([this] { PrntBtn->show(); });
    // Printing computes the report once more, from the inputs of this moment.
    const std::optional<ResultsRun> run = performRun();
    if (!run)
        return;
    printReportSheets(printer_, *run, mainForm_.stageGridRowCount(), mainForm_.formatSettings());
}

// Closing hides the window and gives the main window back to the user as it was designed to
// be seen.
void TPrtPrvwFrm::closeEvent(QCloseEvent* event) {
    liveUpdate_.stop();
    hide();
    mainForm_.setWindowState(mainForm_.windowState() &
                             ~(Qt::WindowMinimized | Qt::WindowMaximized));
    mainForm_.setEnabled(true);
    mainForm_.repaint();
    event->accept();
}

// The page fills the window above a strip for the Print button at its right.
void TPrtPrvwFrm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placePrintButton();
}

void TPrtPrvwFrm::placePrintButton() {
    scroll_->setGeometry(0, 0, width(), height() - kPrintButtonHeight);
    PrntBtn->move(width() - kPrintButtonWidth, height() - kPrintButtonHeight);
}

} // namespace velmora
