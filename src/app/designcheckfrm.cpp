#include "app/designcheckfrm.h"

#include "app/velmoramainfrm.h"
#include "charts/hydrographs.h"
#include "platform/dialogs/dialogs.h"
#include "report/designsheet.h"
#include "report/renderers.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <exception>

namespace velmora {

namespace {

constexpr int kWindowWidth = 1000;       // pixels: the tables above, the two charts below
constexpr int kWindowHeight = 940;       // pixels
constexpr int kChartMinimumHeight = 320; // pixels
constexpr int kLiveUpdateDelayMs = 150;  // after the last keystroke in the main window
constexpr int kRateDigits = 2;           // cfs
constexpr int kStageDigits = 2;          // ft
constexpr int kVolumeDigits = 4;         // acre-feet
constexpr int kPercentDigits = 1;        // %
constexpr int kSignificantDigits = 15;
const QColor kPassColour(0, 110, 0);
const QColor kFailColour(170, 0, 0);

const std::array<const char*, 7> kEventHeadings{"Event",
                                                "Pre-dev. rate (cfs)",
                                                "Peak outflow (cfs)",
                                                "Outflow / pre-dev.",
                                                "Peak stage (ft)",
                                                "Max. storage (ac-ft)",
                                                "Result"};
const std::array<const char*, 7> kBalanceHeadings{"Event",
                                                  "Inflow (ac-ft)",
                                                  "Outlet (ac-ft)",
                                                  "Infiltration (ac-ft)",
                                                  "Final storage (ac-ft)",
                                                  "Cont. error (ac-ft)",
                                                  "Error (% of inflow)"};

QString eventName(int returnPeriod) {
    return QString::number(kReturnPeriodYears[static_cast<std::size_t>(returnPeriod)]) +
           QStringLiteral(" year");
}

QTableWidget* table(const std::array<const char*, 7>& headings, QWidget* parent) {
    auto* widget = new QTableWidget(kReturnPeriodCount, static_cast<int>(headings.size()), parent);
    QStringList labels;
    for (const char* heading : headings)
        labels << QString::fromLatin1(heading);
    widget->setHorizontalHeaderLabels(labels);
    widget->verticalHeader()->hide();
    widget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    widget->setSelectionMode(QAbstractItemView::NoSelection);
    widget->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    widget->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    widget->setFocusPolicy(Qt::NoFocus);
    widget->verticalHeader()->setDefaultSectionSize(widget->fontMetrics().height() + 6);
    widget->setFixedHeight(widget->horizontalHeader()->sizeHint().height() +
                           kReturnPeriodCount * widget->verticalHeader()->defaultSectionSize() + 4);
    return widget;
}

void setCell(QTableWidget& widget, int row, int column, const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(column == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                       : Qt::AlignRight | Qt::AlignVCenter);
    widget.setItem(row, column, item);
}

} // namespace

TDesignCheckFrm::TDesignCheckFrm(TVelmoraMainFrm& mainForm, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), mainForm_(mainForm), dialogs_(dialogs),
      printer_(QPrinter::HighResolution) {
    setObjectName(QStringLiteral("DesignCheckFrm"));
    setWindowTitle(QStringLiteral("Design Check"));
    buildContent();
    liveUpdate_.setSingleShot(true);
    liveUpdate_.setInterval(kLiveUpdateDelayMs);
    connect(&liveUpdate_, &QTimer::timeout, this, [this] { recompute(); });
    connect(&mainForm_, &TVelmoraMainFrm::inputsChanged, this, [this] {
        if (isVisible())
            liveUpdate_.start();
    });
    printer_.setPageOrientation(QPageLayout::Landscape);
    resize(kWindowWidth, kWindowHeight);
}

TDesignCheckFrm::~TDesignCheckFrm() = default;

void TDesignCheckFrm::buildContent() {
    verdict_ = new QLabel(this);
    verdict_->setObjectName(QStringLiteral("designVerdict"));
    QFont bold = verdict_->font();
    bold.setBold(true);
    verdict_->setFont(bold);
    verdict_->setWordWrap(true);
    events_ = table(kEventHeadings, this);
    events_->setObjectName(QStringLiteral("designEvents"));
    balance_ = table(kBalanceHeadings, this);
    balance_->setObjectName(QStringLiteral("designBalance"));
    warnings_ = new QListWidget(this);
    warnings_->setObjectName(QStringLiteral("designWarnings"));
    warnings_->setWordWrap(true);
    warnings_->setMaximumHeight(warnings_->fontMetrics().height() * 8);
    warnings_->setSelectionMode(QAbstractItemView::NoSelection);
    warnings_->setFocusPolicy(Qt::NoFocus);
    chartEvent_ = new QComboBox(this);
    chartEvent_->setObjectName(QStringLiteral("designChartEvent"));
    chartEvent_->addItem(QStringLiteral("All five events"));
    for (int p = 0; p < kReturnPeriodCount; ++p)
        chartEvent_->addItem(eventName(p));
    connect(chartEvent_, &QComboBox::currentIndexChanged, this, [this] {
        showCharts();
        emit recomputed();
    });

    auto* content = new QWidget(this);
    auto* layout = new QVBoxLayout(content);
    layout->addWidget(verdict_);
    layout->addWidget(
        new QLabel(QStringLiteral("Every event against its own pre-development rate"), content));
    layout->addWidget(events_);
    layout->addWidget(new QLabel(QStringLiteral("Mass balance: inflow - outlet - infiltration - "
                                                "final storage = continuity error"),
                                 content));
    layout->addWidget(balance_);
    layout->addWidget(new QLabel(QStringLiteral("Warnings"), content));
    layout->addWidget(warnings_);
    auto* selector = new QHBoxLayout;
    selector->addWidget(new QLabel(QStringLiteral("Charts of:"), content));
    selector->addWidget(chartEvent_);
    selector->addStretch(1);
    layout->addLayout(selector);
    charts_ = new QHBoxLayout;
    for (QChartView** view : {&flowChart_, &stageChart_}) {
        *view = new QChartView(content);
        (*view)->setRenderHint(QPainter::Antialiasing);
        (*view)->setMinimumHeight(kChartMinimumHeight);
        charts_->addWidget(*view, 1);
    }
    flowChart_->setObjectName(QStringLiteral("designFlowChart"));
    stageChart_->setObjectName(QStringLiteral("designStageChart"));
    layout->addLayout(charts_, 1);

    failure_ = new QLabel(this);
    failure_->setObjectName(QStringLiteral("designFailure"));
    failure_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    failure_->setWordWrap(true);
    failure_->setMargin(10);

    pages_ = new QStackedWidget(this);
    pages_->addWidget(content);
    pages_->addWidget(failure_);

    PrntBtn = new QPushButton(QStringLiteral("Print"), this);
    PrntBtn->setObjectName(QStringLiteral("designPrint"));
    connect(PrntBtn, &QPushButton::clicked, this, [this] {
        try {
            PrntBtnClick();
        } catch (const std::exception& e) {
            showErrorMessage(dialogs_, this, QString::fromStdString(e.what()));
        }
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(PrntBtn);
    auto* window = new QVBoxLayout(this);
    window->addWidget(pages_, 1);
    window->addLayout(buttons);
}

void TDesignCheckFrm::showCheck() {
    // The charts open on the design event; all five overlaid are one choice away.
    if (!isVisible()) {
        const QSignalBlocker quiet(chartEvent_);
        chartEvent_->setCurrentIndex(
            std::clamp(mainForm_.controlsSnapshot().grpRainEvnt, 0, kReturnPeriodCount - 1) + 1);
    }
    recompute();
    show();
    raise();
    activateWindow();
}

bool TDesignCheckFrm::recompute() {
    const FormatSettings& settings = mainForm_.formatSettings();
    try {
        const ResultsRun run =
            performResultsRun(mainForm_.controlsSnapshot(), mainForm_.capturedTables(), settings);
        check_ = checkDesign(run, std::nullopt, settings);
    } catch (const RunError& error) {
        check_.reset();
        showFailure(QStringLiteral("CHECK DATA!\n") + mainForm_.describeFailure(error.detail()));
        emit recomputed();
        return false;
    }
    showCheckOf(*check_);
    emit recomputed();
    return true;
}

void TDesignCheckFrm::showFailure(const QString& text) {
    failure_->setText(text);
    pages_->setCurrentWidget(failure_);
    PrntBtn->setEnabled(false);
}

void TDesignCheckFrm::showCheckOf(const DesignCheck& check) {
    const bool everyRate =
        std::all_of(check.events.begin(), check.events.end(),
                    [](const EventCheck& e) { return e.preDevRate.has_value(); });
    const bool pass = check.meetsPreDevelopment();
    verdict_->setText(!everyRate ? QStringLiteral("No pre-development rate: choose the intensity "
                                                  "method and give its intensities or Tc")
                      : pass     ? QStringLiteral("PASS: every event keeps its peak outflow at or "
                                                      "below its pre-development rate")
                                 : QStringLiteral("FAIL: at least one event's peak outflow exceeds "
                                                      "its pre-development rate"));
    QPalette palette = verdict_->palette();
    palette.setColor(QPalette::WindowText, pass ? kPassColour : kFailColour);
    verdict_->setPalette(palette);
    fillEvents(check);
    fillBalance(check);
    fillWarnings(check);
    showCharts();
    pages_->setCurrentIndex(0);
    PrntBtn->setEnabled(true);
}

QString TDesignCheckFrm::fixedText(double value, int digits) const {
    return QString::fromStdString(
        FloatToStrF(value, ffFixed, kSignificantDigits, digits, mainForm_.formatSettings()));
}

void TDesignCheckFrm::fillEvents(const DesignCheck& check) {
    auto fixed = [this](double value, int digits) {
        return fixedText(value, digits);
    };
    for (const EventCheck& event : check.events) {
        const int row = event.returnPeriod;
        setCell(*events_, row, 0, eventName(row));
        setCell(*events_, row, 1,
                event.preDevRate ? fixed(*event.preDevRate, kRateDigits) : QStringLiteral("none"));
        setCell(*events_, row, 2, fixed(event.peakOutflow, kRateDigits));
        setCell(*events_, row, 3,
                event.outflowRatio
                    ? fixed(*event.outflowRatio * 100.0, kPercentDigits) + QStringLiteral(" %")
                    : QStringLiteral("-"));
        setCell(*events_, row, 4, fixed(event.peakStage, kStageDigits));
        setCell(*events_, row, 5, fixed(event.maxStorage, kVolumeDigits));
        const bool meets = event.meetsPreDev.value_or(false);
        const QString result = !event.meetsPreDev ? QStringLiteral("no rate")
                               : meets            ? QStringLiteral("\u2714 PASS")
                                                  : QStringLiteral("\u2718 FAIL");
        setCell(*events_, row, 6, result);
        events_->item(row, 6)->setForeground(meets ? kPassColour : kFailColour);
    }
}

void TDesignCheckFrm::fillBalance(const DesignCheck& check) {
    auto fixed = [this](double value, int digits) {
        return fixedText(value, digits);
    };
    for (const MassBalance& balance : check.balances) {
        const int row = balance.returnPeriod;
        setCell(*balance_, row, 0, eventName(row));
        setCell(*balance_, row, 1, fixed(balance.inflow, kVolumeDigits));
        setCell(*balance_, row, 2, fixed(balance.outletVolume, kVolumeDigits));
        setCell(*balance_, row, 3, fixed(balance.infiltration, kVolumeDigits));
        setCell(*balance_, row, 4, fixed(balance.finalStorage, kVolumeDigits));
        setCell(*balance_, row, 5, fixed(balance.continuityError, kVolumeDigits));
        setCell(*balance_, row, 6,
                balance.continuityErrorPercent
                    ? fixed(*balance.continuityErrorPercent, kRateDigits) + QStringLiteral(" %")
                    : QStringLiteral("-"));
    }
}

void TDesignCheckFrm::fillWarnings(const DesignCheck& check) {
    warnings_->clear();
    for (const DesignWarning& warning : check.warnings)
        warnings_->addItem(QString::fromStdString(warning.message));
    if (check.warnings.empty())
        warnings_->addItem(QStringLiteral("none"));
}

ChartEvents TDesignCheckFrm::chartEvents() const {
    const int selected = chartEvent_->currentIndex();
    return selected <= 0 ? ChartEvents::all() : ChartEvents::one(selected - 1);
}

namespace {

// The axes' numbers with the window's decimal separator, without thousands separators.
QLocale chartLocale(const FormatSettings& settings) {
    QLocale locale = settings.decimalSeparator == ',' ? QLocale(QLocale::German, QLocale::Germany)
                                                      : QLocale::c();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

} // namespace

// The views stay; their charts are replaced, the old ones deleted at once.
void TDesignCheckFrm::showCharts() {
    if (!check_)
        return;
    const ChartEvents events = chartEvents();
    const QLocale locale = chartLocale(mainForm_.formatSettings());
    const auto replace = [&locale](QChartView* view, std::unique_ptr<QChart> chart) {
        chart->setLocale(locale);
        chart->setLocalizeNumbers(true);
        QChart* old = view->chart();
        view->setChart(chart.release());
        delete old;
    };
    replace(flowChart_, createFlowChart(*check_, events));
    replace(stageChart_, createStageChart(*check_, events));
}

// The design sheet and the design event's hydrographs, computed once more from the inputs of
// this moment, on landscape sheets.
void TDesignCheckFrm::PrntBtnClick() {
    printer_.setPageOrientation(QPageLayout::Landscape);
    if (!dialogs_.setUpPrinter(this, printer_))
        return;
    if (!recompute())
        return;
    DesignSheet sheet = designSheetFor(check_->routed, mainForm_.formatSettings());
    sheet.hydrographs = true;
    printDesignSheets(printer_, check_->routed, sheet, mainForm_.formatSettings());
}

} // namespace velmora
