#include "app/sizeoutletdlg.h"

#include "app/velmoramainfrm.h"
#include "design/eventcheck.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace velmora {

namespace {

constexpr int kRateDigits = 2;  // cfs
constexpr int kStageDigits = 2; // ft
constexpr int kSignificantDigits = 15;

const char* const kTableHeadings[] = {"Event",
                                      "Pre-dev. rate (cfs)",
                                      "Outflow before (cfs)",
                                      "Outflow after (cfs)",
                                      "Stage before (ft)",
                                      "Stage after (ft)",
                                      "Meets before",
                                      "Meets after"};

QString yesNo(bool value) {
    return value ? QStringLiteral("yes") : QStringLiteral("no");
}

// The edit that holds the value the search varies.
const char* editOf(SizedValue value) {
    return value == SizedValue::Opening ? "EditWeirLength" : "EditPSA";
}

QString unitOf(SizedValue value) {
    return value == SizedValue::Opening ? QStringLiteral(" in") : QStringLiteral(" ac");
}

} // namespace

TSizeOutletDlg::TSizeOutletDlg(TVelmoraMainFrm& mainForm, QWidget* parent)
    : QDialog(parent), mainForm_(mainForm) {
    setObjectName(QStringLiteral("SizeOutletDlg"));
    setWindowTitle(QStringLiteral("Size Outlet"));

    auto* vary = new QGroupBox(QStringLiteral("Vary"), this);
    varyOpening_ = new QRadioButton(
        QStringLiteral("&Opening (weir length, orifice diameter or width, in.)"), vary);
    varyOpening_->setObjectName(QStringLiteral("sizeVaryOpening"));
    varyPondArea_ = new QRadioButton(QStringLiteral("&Pond area (ac.)"), vary);
    varyPondArea_->setObjectName(QStringLiteral("sizeVaryPondArea"));
    varyOpening_->setChecked(true);
    auto* varyLayout = new QVBoxLayout(vary);
    varyLayout->addWidget(varyOpening_);
    varyLayout->addWidget(varyPondArea_);

    auto* target = new QGroupBox(QStringLiteral("Target"), this);
    targetPreDev_ = new QRadioButton(
        QStringLiteral("Peak outflow at or below the pre-&development rate"), target);
    targetPreDev_->setObjectName(QStringLiteral("sizeTargetPreDev"));
    targetStage_ = new QRadioButton(QStringLiteral("Peak &stage at or below (ft):"), target);
    targetStage_->setObjectName(QStringLiteral("sizeTargetStage"));
    targetPreDev_->setChecked(true);
    stage_ = new QLineEdit(target);
    stage_->setObjectName(QStringLiteral("sizeStage"));
    stage_->setEnabled(false);
    connect(targetStage_, &QRadioButton::toggled, stage_, &QLineEdit::setEnabled);
    auto* targetLayout = new QGridLayout(target);
    targetLayout->addWidget(targetPreDev_, 0, 0, 1, 2);
    targetLayout->addWidget(targetStage_, 1, 0);
    targetLayout->addWidget(stage_, 1, 1);

    auto* events = new QGroupBox(QStringLiteral("Events"), this);
    auto* eventsLayout = new QHBoxLayout(events);
    for (int p = 0; p < kReturnPeriodCount; ++p) {
        auto* box = new QCheckBox(QString::number(kReturnPeriodYears[static_cast<std::size_t>(p)]) +
                                      QStringLiteral(" year"),
                                  events);
        box->setObjectName(QStringLiteral("sizeEvent%1").arg(p));
        box->setChecked(true);
        eventsLayout->addWidget(box);
        events_[static_cast<std::size_t>(p)] = box;
    }

    result_ = new QLabel(this);
    result_->setObjectName(QStringLiteral("sizeResult"));
    result_->setWordWrap(true);
    table_ =
        new QTableWidget(kReturnPeriodCount, static_cast<int>(std::size(kTableHeadings)), this);
    table_->setObjectName(QStringLiteral("sizeTable"));
    QStringList headings;
    for (const char* heading : kTableHeadings)
        headings << QString::fromLatin1(heading);
    table_->setHorizontalHeaderLabels(headings);
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    size_ = new QPushButton(QStringLiteral("Si&ze"), this);
    size_->setObjectName(QStringLiteral("sizeRun"));
    size_->setDefault(true);
    apply_ = new QPushButton(QStringLiteral("&Apply"), this);
    apply_->setObjectName(QStringLiteral("sizeApply"));
    apply_->setEnabled(false);
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    connect(size_, &QPushButton::clicked, this, [this] { SizeBtnClick(); });
    connect(apply_, &QPushButton::clicked, this, [this] { ApplyBtnClick(); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(size_);
    buttons->addWidget(apply_);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(vary);
    layout->addWidget(target);
    layout->addWidget(events);
    layout->addWidget(result_);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);
    resize(900, 500);
}

std::optional<SizingRequest> TSizeOutletDlg::request() const {
    SizingRequest request;
    request.value = varyOpening_->isChecked() ? SizedValue::Opening : SizedValue::PondArea;
    if (targetStage_->isChecked()) {
        request.target.kind = SizingTarget::Kind::PeakStage;
        try {
            request.target.peakStage =
                StrToFloat(stage_->text().toStdString(), mainForm_.formatSettings());
        } catch (const ConversionError&) {
            return std::nullopt;
        }
    }
    for (std::size_t p = 0; p < events_.size(); ++p)
        request.events[p] = events_[p]->isChecked();
    return request;
}

void TSizeOutletDlg::showMessage(const QString& text) {
    result_->setText(text);
}

bool TSizeOutletDlg::SizeBtnClick() {
    found_.reset();
    apply_->setEnabled(false);
    table_->clearContents();
    const std::optional<SizingRequest> sizing = request();
    if (!sizing) {
        showMessage(QStringLiteral("Type the peak stage in feet."));
        return false;
    }
    if (std::none_of(sizing->events.begin(), sizing->events.end(), [](bool e) { return e; })) {
        showMessage(QStringLiteral("Choose at least one event."));
        return false;
    }
    const FormatSettings& settings = mainForm_.formatSettings();
    ResultsRun before;
    try {
        before =
            performResultsRun(mainForm_.controlsSnapshot(), mainForm_.capturedTables(), settings);
    } catch (const RunError& error) {
        showMessage(QStringLiteral("CHECK DATA!\n") + mainForm_.describeFailure(error.detail()));
        return false;
    }
    SizingResult result;
    try {
        result = sizeDesign(before.inputs, mainForm_.capturedTables(), *sizing, settings);
    } catch (const SizingError& error) {
        showMessage(QString::fromStdString(error.what()));
        return false;
    }
    if (!result.value) {
        const SizingRange& range = sizingRange(sizing->value);
        showMessage(
            QStringLiteral("No value from ") +
            QString::fromStdString(FloatToStr(range.low, settings)) + QStringLiteral(" to ") +
            QString::fromStdString(FloatToStr(range.high, settings)) + unitOf(sizing->value) +
            QStringLiteral(" meets the target in every chosen event."));
        showEvents(before, std::nullopt, *sizing);
        return false;
    }
    std::optional<ResultsRun> after;
    try {
        after = performResultsRun(withSizedValue(before.inputs, sizing->value, *result.value),
                                  mainForm_.capturedTables(), settings);
    } catch (const RunError& error) {
        showMessage(QStringLiteral("CHECK DATA!\n") + mainForm_.describeFailure(error.detail()));
        return false;
    }
    found_ = *result.value;
    foundFor_ = sizing->value;
    showMessage(
        (sizing->value == SizedValue::Opening ? QStringLiteral("Opening: ")
                                              : QStringLiteral("Pond area: ")) +
        QString::fromStdString(FloatToStr(*found_, settings)) + unitOf(sizing->value) +
        (result.atRangeEnd ? QStringLiteral(" (the end of the range searched)") : QString()));
    showEvents(before, after, *sizing);
    apply_->setEnabled(true);
    return true;
}

void TSizeOutletDlg::showEvents(const ResultsRun& before, const std::optional<ResultsRun>& after,
                                const SizingRequest& request) {
    const FormatSettings& settings = mainForm_.formatSettings();
    auto fixed = [&](double value, int digits) {
        return QString::fromStdString(
            FloatToStrF(value, ffFixed, kSignificantDigits, digits, settings));
    };
    auto set = [this](int row, int column, const QString& text) {
        table_->setItem(row, column, new QTableWidgetItem(text));
    };
    const auto checksBefore = checkEvents(before);
    for (int p = 0; p < kReturnPeriodCount; ++p) {
        const EventCheck& was = checksBefore[static_cast<std::size_t>(p)];
        set(p, 0,
            QString::number(kReturnPeriodYears[static_cast<std::size_t>(p)]) +
                QStringLiteral(" year") +
                (request.events[static_cast<std::size_t>(p)] ? QString()
                                                             : QStringLiteral(" (not chosen)")));
        set(p, 1, was.preDevRate ? fixed(*was.preDevRate, kRateDigits) : QStringLiteral("none"));
        set(p, 2, fixed(was.peakOutflow, kRateDigits));
        set(p, 4, fixed(was.peakStage, kStageDigits));
        SizingRequest one = request;
        one.events = {};
        one.events[static_cast<std::size_t>(p)] = true;
        set(p, 6, yesNo(meetsTarget(before, one)));
        if (!after)
            continue;
        const EventCheck now = checkEvent(*after, p);
        set(p, 3, fixed(now.peakOutflow, kRateDigits));
        set(p, 5, fixed(now.peakStage, kStageDigits));
        set(p, 7, yesNo(meetsTarget(*after, one)));
    }
}

void TSizeOutletDlg::ApplyBtnClick() {
    if (!found_)
        return;
    const FormatSettings& settings = mainForm_.formatSettings();
    mainForm_.setEditText(editOf(foundFor_), FloatToStr(*found_, settings));
}

} // namespace velmora
