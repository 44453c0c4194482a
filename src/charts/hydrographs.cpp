#include "charts/hydrographs.h"

#include "charts/chartseries.h"

#include <QChart>
#include <QCoreApplication>
#include <QFont>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLegend>
#include <QLineSeries>
#include <QList>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QValueAxis>

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

namespace velmora {

namespace {

constexpr double kLayoutDotsPerInch = 96.0; // chart layout units per inch of the drawing
constexpr int kTitlePixels = 15;            // chart titles, layout units (about 11 pt)
constexpr int kAxisTitlePixels = 13;        // axis titles (about 10 pt)
constexpr int kLabelPixels = 12;            // tick labels and the legend (about 9 pt)
constexpr int kLongLegendPixels = 11;       // the legend of five events, beside the plot
constexpr double kInflowPenWidth = 1.5;     // layout units
constexpr double kOutletPenWidth = 2.0;
constexpr double kPreDevPenWidth = 2.0;
constexpr double kStagePenWidth = 2.0;
constexpr double kReferencePenWidth = 1.5; // the permanent pool and the crest or invert
constexpr int kMaxTickIntervals = 8;       // between an axis's first and last tick
constexpr double kHoursPerDay = 24.0;
constexpr double kTickTolerance = 1e-9;     // of a step: a value this close to a tick is on it
constexpr double kStageMarginShare = 0.03;  // of the stage range, kept free below and above
constexpr double kFlatStageSpan = 1.0;      // ft shown when the stage never leaves one level
constexpr double kFlatRateTop = 1.0;        // cfs shown when every rate is 0
constexpr double kFlatTimeEnd = 1.0;        // hours shown for a storm without steps
constexpr int kChartMargin = 4;             // layout units around each chart
constexpr double kLightestShadeWhite = 0.5; // share of white in the 5-year event's shade
constexpr int kFullChannel = 255;           // a colour channel at full intensity

// Colours that tell the quantities apart on screen and stay distinct grey levels in print.
const QColor kInflowColour(0x1f, 0x5f, 0xbf); // blue
const QColor kOutletColour(Qt::black);
const QColor kPreDevColour(0xcc, 0x00, 0x00);  // red: the rate not to cross
const QColor kStageColour(0x0b, 0x3d, 0x91);   // dark blue
const QColor kPoolColour(0x70, 0x70, 0x70);    // grey
const QColor kControlColour(0x8c, 0x51, 0x0a); // brown

// Each event's dash pattern, in pen widths, so the five stay apart in black and white: solid,
// dashes, dots, dash-dot, dash-dot-dot, 5-year first.
QList<qreal> eventDashes(int returnPeriod) {
    switch (returnPeriod) {
    case rp10Year:
        return {6, 3};
    case rp25Year:
        return {1.5, 2};
    case rp50Year:
        return {8, 3, 1.5, 3};
    case rp100Year:
        return {8, 3, 1.5, 3, 1.5, 3};
    default:
        return {};
    }
}

// The pre-development line of a single event: long dashes, unlike any line of the storm.
const QList<qreal> kPreDevDashes{5, 3};

QPen linePen(const QColor& colour, double width, const QList<qreal>& dashes) {
    QPen pen(colour, width);
    pen.setCapStyle(Qt::FlatCap);
    if (!dashes.isEmpty())
        pen.setDashPattern(dashes);
    return pen;
}

QFont pixelFont(int pixels, bool bold = false) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

int yearsOf(int returnPeriod) {
    return kReturnPeriodYears[static_cast<std::size_t>(returnPeriod)];
}

QString eventName(int returnPeriod) {
    return QString::number(yearsOf(returnPeriod)) + QStringLiteral("-year");
}

// The return periods a chart shows, 5-year first.
std::vector<int> shownEvents(ChartEvents events) {
    if (!events.event) {
        std::vector<int> all;
        for (int p = 0; p < kReturnPeriodCount; ++p)
            all.push_back(p);
        return all;
    }
    if (*events.event < 0 || *events.event >= kReturnPeriodCount)
        throw std::out_of_range("there is no event " + std::to_string(*events.event) +
                                "; events run from 0 (5-year) to 4 (100-year)");
    return {*events.event};
}

QString eventsTitle(ChartEvents events) {
    return events.event ? eventName(*events.event) + QStringLiteral(" event")
                        : QStringLiteral("all five events");
}

// A legend entry: the quantity alone when the chart shows one event, with the event's name
// when it shows all five.
QString seriesName(const QString& quantity, int returnPeriod, ChartEvents events) {
    return events.event ? quantity
                        : quantity + QStringLiteral(" (") + eventName(returnPeriod) + ')';
}

QString objectNameOf(const char* kind, int returnPeriod) {
    return QString::fromLatin1(kind) + QString::number(yearsOf(returnPeriod));
}

// Among five events, each a shade of the quantity's colour: the 5-year event the lightest,
// so the legend's short samples still tell the events apart, in grey levels in print too.
QColor eventShade(const QColor& colour, int returnPeriod) {
    constexpr int kLast = rp100Year;
    const double white = kLightestShadeWhite * (kLast - returnPeriod) / kLast;
    const auto mixed = [white](int channel) {
        return static_cast<int>(std::lround(channel + (kFullChannel - channel) * white));
    };
    return QColor(mixed(colour.red()), mixed(colour.green()), mixed(colour.blue()));
}

// How an event's line is drawn: solid in the quantity's colour when the chart shows one
// event; among five, the event's shade and dash pattern.
QPen eventPen(const QColor& colour, double width, int returnPeriod, ChartEvents events) {
    if (events.event)
        return linePen(colour, width, {});
    return linePen(eventShade(colour, returnPeriod), width, eventDashes(returnPeriod));
}

struct Range {
    double low = 0;
    double high = 0;

    void take(double value) {
        low = std::min(low, value);
        high = std::max(high, value);
    }
};

// A chart of one event lists its few lines below the plot; of five, its many lines beside it.
std::unique_ptr<QChart> emptyChart(const QString& objectName, const QString& title,
                                   ChartEvents events) {
    ensureWidgetApplication();
    auto chart = std::make_unique<QChart>();
    chart->setObjectName(objectName);
    chart->setTitle(title);
    chart->setTitleFont(pixelFont(kTitlePixels, true));
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    chart->setDropShadowEnabled(false);
    chart->setBackgroundBrush(Qt::white);
    chart->setBackgroundPen(Qt::NoPen);
    chart->setMargins(QMargins(kChartMargin, kChartMargin, kChartMargin, kChartMargin));
    QLegend* legend = chart->legend();
    legend->setAlignment(events.event ? Qt::AlignBottom : Qt::AlignRight);
    legend->setFont(pixelFont(events.event ? kLabelPixels : kLongLegendPixels));
    legend->setMarkerShape(QLegend::MarkerShapeFromSeries);
    // The chart's own margins are the only space around it.
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    legend->setContentsMargins(0, 0, 0, 0);
    return chart;
}

// The smallest of 1, 2, 2.5 and 5 times a power of ten that cuts `span` into at most
// kMaxTickIntervals steps; 1 for a span that is not a positive number.
double decimalStep(double span) {
    if (!(span > 0) || !std::isfinite(span))
        return 1.0;
    const double least = span / kMaxTickIntervals;
    const double power = std::pow(10.0, std::floor(std::log10(least)));
    for (double multiple : {1.0, 2.0, 2.5, 5.0}) {
        if (multiple * power >= least * (1 - kTickTolerance))
            return multiple * power;
    }
    return 10 * power;
}

// A step of time that reads as hours: a decimal fraction of an hour, 1, 2, 3, 4, 6, 8 or
// 12 hours, or a decimal step of whole days.
double hoursStep(double span) {
    const double least = span / kMaxTickIntervals;
    if (least <= 1)
        return decimalStep(span);
    for (double hours : {1.0, 2.0, 3.0, 4.0, 6.0, 8.0, 12.0, 24.0}) {
        if (hours >= least * (1 - kTickTolerance))
            return hours;
    }
    return kHoursPerDay * decimalStep(span / kHoursPerDay);
}

// An axis from the tick at or below `low` to the tick at or above `high`, ticks `step` apart.
QValueAxis* valueAxis(const QString& objectName, const QString& title, double low, double high,
                      double step) {
    const double first = step * std::floor(low / step + kTickTolerance);
    const double last = step * std::ceil(high / step - kTickTolerance);
    auto* axis = new QValueAxis;
    axis->setObjectName(objectName);
    axis->setTitleText(title);
    axis->setTitleFont(pixelFont(kAxisTitlePixels));
    axis->setLabelsFont(pixelFont(kLabelPixels));
    axis->setLabelFormat(QStringLiteral("%g"));
    axis->setRange(first, last);
    axis->setTickCount(static_cast<int>(std::lround((last - first) / step)) + 1);
    return axis;
}

// Hours from 0 to the storm's end.
QValueAxis* timeAxis(double endHours) {
    return valueAxis(QStringLiteral("timeAxis"), QStringLiteral("Time (hr)"), 0, endHours,
                     hoursStep(endHours));
}

// Adds a line of `points` to the chart on its two axes; the pen is set once the chart's theme
// has given the series its default one.
void addLine(QChart& chart, const std::vector<ChartPoint>& points, const QString& name,
             const QString& objectName, const QPen& pen, QValueAxis* x, QValueAxis* y) {
    auto* series = new QLineSeries;
    QList<QPointF> list;
    list.reserve(static_cast<qsizetype>(points.size()));
    for (const ChartPoint& point : points)
        list.append(QPointF(point.hours, point.value));
    series->replace(list);
    series->setName(name);
    series->setObjectName(objectName);
    chart.addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
    series->setPen(pen);
}

// A horizontal line at `value` across the storm.
std::vector<ChartPoint> level(double value, double endHours) {
    return {{0.0, value}, {endHours, value}};
}

// The storm's end in hours: its last step's end, the same for every event.
double stormEnd(const ResultsRun& run) {
    double end = 0.0;
    for (const RoutingRow& row : run.routing.rows)
        end = std::max(end, row.duration);
    return end > 0 ? end : kFlatTimeEnd;
}

} // namespace

std::unique_ptr<QChart> createFlowChart(const DesignCheck& check, ChartEvents events) {
    const std::vector<int> shown = shownEvents(events);
    const ResultsRun& run = check.routed;
    const double end = stormEnd(run);

    struct EventLines {
        int returnPeriod;
        std::vector<ChartPoint> inflow, outlet;
        std::optional<double> preDev;
    };
    std::vector<EventLines> lines;
    Range rates;
    for (int p : shown) {
        EventLines e{p, inflowRateSeries(run, p), outletRateSeries(run, p),
                     check.events[static_cast<std::size_t>(p)].preDevRate};
        for (const auto* series : {&e.inflow, &e.outlet})
            for (const ChartPoint& point : *series)
                rates.take(point.value);
        if (e.preDev)
            rates.take(*e.preDev);
        lines.push_back(std::move(e));
    }
    if (rates.high <= rates.low)
        rates.high = rates.low + kFlatRateTop;

    std::unique_ptr<QChart> chart =
        emptyChart(QStringLiteral("flowChart"),
                   QStringLiteral("Inflow and outlet rates, ") + eventsTitle(events), events);
    QValueAxis* time = timeAxis(end);
    QValueAxis* rate = valueAxis(QStringLiteral("rateAxis"), QStringLiteral("Rate (cfs)"),
                                 rates.low, rates.high, decimalStep(rates.high - rates.low));
    chart->addAxis(time, Qt::AlignBottom);
    chart->addAxis(rate, Qt::AlignLeft);

    for (const EventLines& e : lines) {
        const int p = e.returnPeriod;
        addLine(*chart, e.inflow, seriesName(QStringLiteral("Inflow"), p, events),
                objectNameOf("inflow", p), eventPen(kInflowColour, kInflowPenWidth, p, events),
                time, rate);
        addLine(*chart, e.outlet, seriesName(QStringLiteral("Outlet"), p, events),
                objectNameOf("outlet", p), eventPen(kOutletColour, kOutletPenWidth, p, events),
                time, rate);
    }
    // The pre-development lines last, so they lie on top of the storm.
    for (const EventLines& e : lines) {
        if (!e.preDev)
            continue;
        const int p = e.returnPeriod;
        const QPen pen = events.event ? linePen(kPreDevColour, kPreDevPenWidth, kPreDevDashes)
                                      : eventPen(kPreDevColour, kPreDevPenWidth, p, events);
        addLine(*chart, level(*e.preDev, end),
                QStringLiteral("Pre-dev. rate (") + eventName(p) + ')', objectNameOf("preDev", p),
                pen, time, rate);
    }
    return chart;
}

std::unique_ptr<QChart> createStageChart(const DesignCheck& check, ChartEvents events) {
    const std::vector<int> shown = shownEvents(events);
    const ResultsRun& run = check.routed;
    const double end = stormEnd(run);
    const double pool = run.inputs.permPoolElev;
    const std::optional<double> control = controlElevation(run.inputs);

    std::vector<std::vector<ChartPoint>> stages;
    Range range{pool, pool};
    if (control)
        range.take(*control);
    for (int p : shown) {
        stages.push_back(stageSeries(run, p));
        for (const ChartPoint& point : stages.back())
            range.take(point.value);
    }
    const double span = range.high > range.low ? range.high - range.low : kFlatStageSpan;
    const double margin = span * kStageMarginShare;

    std::unique_ptr<QChart> chart = emptyChart(
        QStringLiteral("stageChart"), QStringLiteral("Pond stage, ") + eventsTitle(events), events);
    const double low = range.low - margin;
    const double high = range.low + span + margin;
    QValueAxis* time = timeAxis(end);
    QValueAxis* stage = valueAxis(QStringLiteral("stageAxis"), QStringLiteral("Stage (ft)"), low,
                                  high, decimalStep(high - low));
    chart->addAxis(time, Qt::AlignBottom);
    chart->addAxis(stage, Qt::AlignLeft);

    for (std::size_t i = 0; i < shown.size(); ++i) {
        const int p = shown[i];
        addLine(*chart, stages[i], seriesName(QStringLiteral("Stage"), p, events),
                objectNameOf("stage", p), eventPen(kStageColour, kStagePenWidth, p, events), time,
                stage);
    }
    addLine(*chart, level(pool, end), QStringLiteral("Permanent pool"),
            QStringLiteral("permanentPool"), linePen(kPoolColour, kReferencePenWidth, {}), time,
            stage);
    if (control) {
        const bool weir = run.inputs.dischargeMethod == DischargeMethod::RectangularWeir;
        addLine(*chart, level(*control, end),
                weir ? QStringLiteral("Weir crest") : QStringLiteral("Orifice invert"),
                QStringLiteral("controlElevation"), linePen(kControlColour, kReferencePenWidth, {}),
                time, stage);
    }
    return chart;
}

namespace {

// The size of `area` in chart layout units: kLayoutDotsPerInch an inch of the painter's
// device, however the painter is scaled.
QSizeF layoutSizeOf(const QPainter& painter, const QRectF& area) {
    const QRectF onDevice = painter.deviceTransform().mapRect(area);
    const QPaintDevice& device = *painter.device();
    return {onDevice.width() * kLayoutDotsPerInch / device.logicalDpiX(),
            onDevice.height() * kLayoutDotsPerInch / device.logicalDpiY()};
}

// Lays the chart out at once: without an event loop its layout request would wait.
void placeChart(QGraphicsScene& scene, std::unique_ptr<QChart> chart, const QRectF& geometry) {
    QChart* placed = chart.release();
    scene.addItem(placed);
    placed->setGeometry(geometry);
    placed->layout()->activate();
}

} // namespace

void paintHydrographs(QPainter& painter, const QRectF& area, const DesignCheck& check,
                      ChartEvents events) {
    const QSizeF layout = layoutSizeOf(painter, area);
    const double half = layout.width() / 2;
    QGraphicsScene scene(QRectF(QPointF(0, 0), layout));
    placeChart(scene, createFlowChart(check, events), QRectF(0, 0, half, layout.height()));
    placeChart(scene, createStageChart(check, events), QRectF(half, 0, half, layout.height()));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    scene.render(&painter, area, scene.sceneRect(), Qt::IgnoreAspectRatio);
    painter.restore();
}

} // namespace velmora
