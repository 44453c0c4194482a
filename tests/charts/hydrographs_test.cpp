// The hydrographs checked on the chart objects Qt Charts draws: series, points, axes and
// titles, not pixels.
#include "charts/hydrographs.h"

#include "chartfixtures.h"
#include "charts/chartseries.h"

#include <QBuffer>
#include <QChart>
#include <QImage>
#include <QLineSeries>
#include <QPainter>
#include <QPen>
#include <QSvgGenerator>
#include <QValueAxis>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace velmora {
namespace {

using testing::chartRun;
using testing::kCrest;
using testing::kPool;

// Event p's pre-development rate: 20 + 5 p cfs, above every rate of the run but the 25-year
// event's first inflow step (72.6 cfs); none for the events listed.
DesignCheck checkOf(const ResultsRun& run, std::vector<int> withoutRate = {}) {
    DesignCheck check;
    check.routed = run;
    for (int p = 0; p < kReturnPeriodCount; ++p) {
        EventCheck& e = check.events[static_cast<std::size_t>(p)];
        e.returnPeriod = p;
        if (std::find(withoutRate.begin(), withoutRate.end(), p) == withoutRate.end())
            e.preDevRate = 20.0 + 5.0 * p;
    }
    return check;
}

class Hydrographs : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ensureWidgetApplication(); }

    static QLineSeries* series(QChart& chart, const char* objectName) {
        for (QAbstractSeries* s : chart.series()) {
            if (s->objectName() == QLatin1String(objectName))
                return qobject_cast<QLineSeries*>(s);
        }
        return nullptr;
    }
    static QValueAxis* axis(QChart& chart, const char* objectName) {
        for (QAbstractAxis* a : chart.axes()) {
            if (a->objectName() == QLatin1String(objectName))
                return qobject_cast<QValueAxis*>(a);
        }
        return nullptr;
    }
    static std::vector<std::string> names(QChart& chart) {
        std::vector<std::string> all;
        for (QAbstractSeries* s : chart.series())
            all.push_back(s->name().toStdString());
        return all;
    }
    static QList<QPointF> pointsOf(QLineSeries* line) {
        return line ? line->points() : QList<QPointF>{};
    }
};

TEST_F(Hydrographs, FlowChartOfOneEventShowsItsRatesAndItsPreDevelopmentLine) {
    const std::unique_ptr<QChart> chart =
        createFlowChart(checkOf(chartRun()), ChartEvents::one(rp25Year));
    EXPECT_EQ(chart->objectName(), "flowChart");
    EXPECT_EQ(chart->title(), "Inflow and outlet rates, 25-year event");
    EXPECT_THAT(names(*chart),
                ::testing::ElementsAre("Inflow", "Outlet", "Pre-dev. rate (25-year)"));

    const QList<QPointF> inflow = pointsOf(series(*chart, "inflow25"));
    ASSERT_EQ(inflow.size(), 4);
    EXPECT_DOUBLE_EQ(inflow[0].y(), 72.6);
    EXPECT_EQ(inflow[3], QPointF(0.75, inflow[3].y()));
    EXPECT_EQ(pointsOf(series(*chart, "outlet25")).last(), QPointF(0.75, 9));
    // Across the whole storm at the event's own rate, dashed red.
    QLineSeries* preDev = series(*chart, "preDev25");
    ASSERT_NE(preDev, nullptr);
    EXPECT_EQ(preDev->points(), (QList<QPointF>{{0, 30}, {0.75, 30}}));
    EXPECT_EQ(preDev->pen().color(), QColor(0xcc, 0x00, 0x00));
    EXPECT_EQ(preDev->pen().style(), Qt::CustomDashLine);
    EXPECT_EQ(series(*chart, "inflow25")->pen().style(), Qt::SolidLine);

    QValueAxis* time = axis(*chart, "timeAxis");
    QValueAxis* rate = axis(*chart, "rateAxis");
    ASSERT_TRUE(time && rate);
    EXPECT_EQ(time->titleText(), "Time (hr)");
    EXPECT_EQ(rate->titleText(), "Rate (cfs)");
    EXPECT_EQ(time->min(), 0.0);
    EXPECT_GE(time->max(), 0.75);
    EXPECT_LT(time->max(), 1.0); // no more than a tick beyond the storm
    EXPECT_EQ(rate->min(), 0.0);
    EXPECT_GE(rate->max(), 72.6);
    EXPECT_LE(rate->max(), 80.0);
}

// Five events overlaid: every event's lines named for it, a dash pattern each so they stay
// apart in black-and-white print, and no pre-development line where there is no rate.
TEST_F(Hydrographs, FlowChartOfAllFiveTellsTheEventsApart) {
    const std::unique_ptr<QChart> chart =
        createFlowChart(checkOf(chartRun(), {rp50Year}), ChartEvents::all());
    EXPECT_EQ(chart->title(), "Inflow and outlet rates, all five events");
    EXPECT_EQ(chart->series().size(), 5 * 2 + 4);
    EXPECT_THAT(names(*chart), ::testing::Contains("Outlet (100-year)"));
    EXPECT_THAT(names(*chart), ::testing::Contains("Pre-dev. rate (5-year)"));
    EXPECT_EQ(series(*chart, "preDev50"), nullptr);
    EXPECT_EQ(pointsOf(series(*chart, "preDev100")).first(), QPointF(0, 40));

    std::set<std::vector<qreal>> patterns;
    std::set<QRgb> shades;
    for (const char* name : {"outlet5", "outlet10", "outlet25", "outlet50", "outlet100"}) {
        QLineSeries* outlet = series(*chart, name);
        ASSERT_NE(outlet, nullptr) << name;
        const QPen pen = outlet->pen();
        const QList<qreal> dashes =
            pen.style() == Qt::SolidLine ? QList<qreal>{} : pen.dashPattern();
        patterns.insert(std::vector<qreal>(dashes.begin(), dashes.end()));
        shades.insert(outlet->pen().color().rgb());
    }
    EXPECT_EQ(patterns.size(), 5);
    EXPECT_EQ(shades.size(), 5);
    // The largest rate of any event sets the scale: the 100-year event's first step.
    EXPECT_GE(axis(*chart, "rateAxis")->max(), 5 * 24.2);
}

TEST_F(Hydrographs, StageChartShowsThePondBetweenItsPoolAndItsCrest) {
    const std::unique_ptr<QChart> chart =
        createStageChart(checkOf(chartRun()), ChartEvents::one(rp100Year));
    EXPECT_EQ(chart->objectName(), "stageChart");
    EXPECT_EQ(chart->title(), "Pond stage, 100-year event");
    EXPECT_THAT(names(*chart), ::testing::ElementsAre("Stage", "Permanent pool", "Weir crest"));
    const QList<QPointF> stage = pointsOf(series(*chart, "stage100"));
    ASSERT_EQ(stage.size(), 4);
    EXPECT_EQ(stage.first(), QPointF(0, kPool));
    EXPECT_DOUBLE_EQ(stage[2].y(), kPool + 1.5); // 0.3 ft times 5, the peak
    EXPECT_EQ(pointsOf(series(*chart, "permanentPool")),
              (QList<QPointF>{{0, kPool}, {0.75, kPool}}));
    EXPECT_EQ(pointsOf(series(*chart, "controlElevation")),
              (QList<QPointF>{{0, kCrest}, {0.75, kCrest}}));

    QValueAxis* stageAxis = axis(*chart, "stageAxis");
    ASSERT_NE(stageAxis, nullptr);
    EXPECT_EQ(stageAxis->titleText(), "Stage (ft)");
    // The pool line lies above the axis, not on it, and the peak below the top.
    EXPECT_LT(stageAxis->min(), kPool);
    EXPECT_GT(stageAxis->min(), kPool - 1);
    EXPECT_GT(stageAxis->max(), kPool + 1.5);
    EXPECT_EQ(axis(*chart, "timeAxis")->min(), 0.0);
}

struct OutletCase {
    const char* name;
    DischargeMethod outlet;
    const char* controlLine; // the legend's entry; "" for none
};

class StageChartOutlet : public Hydrographs, public ::testing::WithParamInterface<OutletCase> {};

TEST_P(StageChartOutlet, NamesTheCrestOrInvert) {
    const std::unique_ptr<QChart> chart =
        createStageChart(checkOf(chartRun(GetParam().outlet)), ChartEvents::all());
    EXPECT_EQ(chart->title(), "Pond stage, all five events");
    QLineSeries* control = series(*chart, "controlElevation");
    if (*GetParam().controlLine == '\0') {
        EXPECT_EQ(control, nullptr);
        EXPECT_EQ(chart->series().size(), 5 + 1);
    } else {
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->name(), GetParam().controlLine);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Outlets, StageChartOutlet,
    ::testing::Values(
        OutletCase{"Weir", DischargeMethod::RectangularWeir, "Weir crest"},
        OutletCase{"CircularOrifice", DischargeMethod::CircularOrifice, "Orifice invert"},
        OutletCase{"RectangularOrifice", DischargeMethod::RectangularOrifice, "Orifice invert"},
        OutletCase{"StageDischargeTable", DischargeMethod::StageDischargeTable, ""}),
    [](const ::testing::TestParamInfo<OutletCase>& info) { return info.param.name; });

TEST_F(Hydrographs, AnEventOutsideTheFiveIsRefused) {
    const DesignCheck check = checkOf(chartRun());
    EXPECT_THROW(createFlowChart(check, ChartEvents::one(5)), std::out_of_range);
    EXPECT_THROW(createStageChart(check, ChartEvents::one(-1)), std::out_of_range);
}

// On an SVG painter the charts are vectors and text: the axis titles are there to read and
// nothing is a picture.
TEST_F(Hydrographs, PaintedOnAVectorDeviceTheyStayVectors) {
    QBuffer svg;
    svg.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&svg);
    generator.setSize(QSize(1000, 500));
    generator.setResolution(96);
    QPainter painter(&generator);
    paintHydrographs(painter, QRectF(0, 0, 1000, 500), checkOf(chartRun()), ChartEvents::all());
    painter.end();
    const QString text = QString::fromUtf8(svg.data());
    EXPECT_EQ(text.count(QStringLiteral("Time (hr)")), 2);
    EXPECT_TRUE(text.contains(QStringLiteral("Rate (cfs)")));
    EXPECT_TRUE(text.contains(QStringLiteral("Stage (ft)")));
    EXPECT_TRUE(text.contains(QStringLiteral("Pre-dev. rate (100-year)")));
    EXPECT_FALSE(text.contains(QStringLiteral("<image")));
}

// Only the area given is painted: the flow chart in its left half, the stage chart in its
// right half, the rest of the device as it was.
TEST_F(Hydrographs, PaintFillsTheAreaGivenAndNothingElse) {
    QImage image(800, 600, QImage::Format_RGB32);
    image.fill(Qt::green);
    QPainter painter(&image);
    paintHydrographs(painter, QRectF(100, 200, 600, 300), checkOf(chartRun()),
                     ChartEvents::one(rp5Year));
    painter.end();
    EXPECT_EQ(image.pixelColor(99, 350), QColor(Qt::green));
    EXPECT_EQ(image.pixelColor(400, 199), QColor(Qt::green));
    EXPECT_EQ(image.pixelColor(400, 501), QColor(Qt::green));
    EXPECT_EQ(image.pixelColor(701, 350), QColor(Qt::green));
    const auto inked = [&image](int left, int right) {
        int dark = 0;
        for (int x = left; x < right; ++x)
            for (int y = 200; y < 500; ++y)
                dark += qGray(image.pixel(x, y)) < 128;
        return dark;
    };
    EXPECT_GT(inked(100, 400), 500);
    EXPECT_GT(inked(400, 700), 500);
}

} // namespace
} // namespace velmora
