// The design tools of the Tools menu: the live Design Check window and Size Outlet.
#include "app/designcheckfrm.h"
#include "app/sizeoutletdlg.h"
#include "mainwindowfixture.h"

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTemporaryDir>

#include <gmock/gmock.h>

namespace velmora {
namespace {

using ::testing::HasSubstr;

class DesignToolsTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        main().openFile(QStringLiteral(VELMORA_EXAMPLES_DIR "/detention-pond.vlm"));
    }

    TDesignCheckFrm& openDesignCheck() {
        find<QAction>("DesignCheck1")->trigger();
        TDesignCheckFrm* window = main().designCheckWindow();
        EXPECT_NE(window, nullptr);
        return *window;
    }

    static QString cell(QWidget& window, const char* table, int row, int column) {
        auto* widget = window.findChild<QTableWidget*>(QString::fromLatin1(table));
        const QTableWidgetItem* item = widget != nullptr ? widget->item(row, column) : nullptr;
        return item != nullptr ? item->text() : QString();
    }

    static QString label(QWidget& window, const char* name) {
        return window.findChild<QLabel*>(QString::fromLatin1(name))->text();
    }

    TSizeOutletDlg& openSizeOutlet() {
        find<QAction>("SizeOutlet1")->trigger();
        TSizeOutletDlg* dialog = main().sizeOutletDialog();
        EXPECT_NE(dialog, nullptr);
        return *dialog;
    }
};

TEST_F(DesignToolsTest, DesignCheckShowsTheFiveEventsAndFollowsTheInputs) {
    TDesignCheckFrm& window = openDesignCheck();
    ASSERT_TRUE(window.isVisible());
    EXPECT_EQ(main().capturedTables().rainfall.rowCount, 13); // the command captured the grid
    EXPECT_EQ(cell(window, "designEvents", 0, 0), "5 year");
    EXPECT_EQ(cell(window, "designEvents", 0, 1), "12.81");
    EXPECT_EQ(cell(window, "designEvents", 2, 2), "6.34");
    EXPECT_THAT(cell(window, "designEvents", 4, 6).toStdString(), HasSubstr("PASS"));
    EXPECT_EQ(cell(window, "designBalance", 0, 6), "-1.98 %");
    EXPECT_THAT(label(window, "designVerdict").toStdString(), HasSubstr("PASS"));

    // A wide weir lets the 100-year storm out faster than the site did before.
    typeInto("EditWeirLength", QStringLiteral("120"));
    QTRY_VERIFY_WITH_TIMEOUT(cell(window, "designEvents", 2, 2) != "6.34", 3000);
    EXPECT_THAT(label(window, "designVerdict").toStdString(), HasSubstr("FAIL"));
    EXPECT_THAT(cell(window, "designEvents", 4, 6).toStdString(), HasSubstr("FAIL"));
}

TEST_F(DesignToolsTest, TheChartsFollowTheEventSelector) {
    TDesignCheckFrm& window = openDesignCheck();
    auto* flow = window.findChild<QChartView*>(QStringLiteral("designFlowChart"));
    auto* stage = window.findChild<QChartView*>(QStringLiteral("designStageChart"));
    ASSERT_NE(flow, nullptr);
    ASSERT_NE(stage, nullptr);
    EXPECT_EQ(flow->chart()->objectName(), "flowChart");
    auto* selector = window.findChild<QComboBox*>(QStringLiteral("designChartEvent"));
    EXPECT_EQ(selector->currentText(), "5 year"); // the design event
    selector->setCurrentIndex(0);
    EXPECT_EQ(flow->chart()->series().size(), 15); // inflow, outlet and rate of five events
    selector->setCurrentIndex(3);
    EXPECT_THAT(flow->chart()->title().toStdString(), HasSubstr("25-year"));
    std::vector<std::string> names;
    for (QAbstractSeries* series : flow->chart()->series())
        names.push_back(series->objectName().toStdString());
    EXPECT_THAT(names, ::testing::UnorderedElementsAre("inflow25", "outlet25", "preDev25"));
    EXPECT_EQ(stage->chart()->objectName(), "stageChart");
}

TEST_F(DesignToolsTest, PrintsTheDesignSheetAndTheHydrographs) {
    TDesignCheckFrm& window = openDesignCheck();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("check.pdf"));
    dialogs_.expectPrinterSetup([path](QPrinter& printer) {
        EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    });
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("designPrint")),
                      Qt::LeftButton);
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    ASSERT_TRUE(info.waitForFinished(20000));
    EXPECT_THAT(info.readAllStandardOutput().toStdString(), HasSubstr("Pages:           2"));
}

TEST_F(DesignToolsTest, AFailedRunShowsCheckDataInsideTheWindow) {
    TDesignCheckFrm& window = openDesignCheck();
    typeInto("EditPSA", QStringLiteral("x"));
    QTRY_VERIFY_WITH_TIMEOUT(!window.check().has_value(), 3000);
    auto* pages = window.findChild<QStackedWidget*>();
    EXPECT_EQ(pages->currentWidget()->objectName(), "designFailure");
    EXPECT_EQ(label(window, "designFailure").toStdString(),
              "CHECK DATA!\nAv'g. Surf. Area Pond(Ac.): 'x' is not a valid floating point value");
    EXPECT_FALSE(window.findChild<QPushButton*>(QStringLiteral("designPrint"))->isEnabled());
    typeInto("EditPSA", QStringLiteral("1.2"));
    QTRY_VERIFY_WITH_TIMEOUT(window.check().has_value(), 3000);
}

TEST_F(DesignToolsTest, SizeOutletFindsTheWeirThatMeetsEveryRateAndApplies) {
    TDesignCheckFrm& window = openDesignCheck();
    TSizeOutletDlg& dialog = openSizeOutlet();
    ASSERT_TRUE(dialog.isVisible());
    ASSERT_TRUE(dialog.SizeBtnClick()) << label(dialog, "sizeResult").toStdString();
    ASSERT_TRUE(dialog.foundValue());
    EXPECT_NEAR(*dialog.foundValue(), 79.86, 0.005);
    EXPECT_EQ(label(dialog, "sizeResult"), "Opening: 79.86 in");
    EXPECT_EQ(cell(dialog, "sizeTable", 3, 2), "6.54"); // 50-year before
    EXPECT_EQ(cell(dialog, "sizeTable", 3, 7), "yes");  // and after
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("sizeApply")), Qt::LeftButton);
    EXPECT_EQ(edit("EditWeirLength")->text(), "79.86");
    QTRY_VERIFY_WITH_TIMEOUT(cell(window, "designEvents", 3, 2) == "18.75", 3000);
    EXPECT_THAT(label(window, "designVerdict").toStdString(), HasSubstr("PASS"));
}

TEST_F(DesignToolsTest, SizeOutletOfThePondForAStage) {
    TSizeOutletDlg& dialog = openSizeOutlet();
    dialog.findChild<QRadioButton*>(QStringLiteral("sizeVaryPondArea"))->setChecked(true);
    dialog.findChild<QRadioButton*>(QStringLiteral("sizeTargetStage"))->setChecked(true);
    dialog.findChild<QLineEdit*>(QStringLiteral("sizeStage"))->setText(QStringLiteral("25.5"));
    ASSERT_TRUE(dialog.SizeBtnClick()) << label(dialog, "sizeResult").toStdString();
    EXPECT_EQ(label(dialog, "sizeResult"), "Pond area: 2.261 ac");
    dialog.ApplyBtnClick();
    EXPECT_EQ(edit("EditPSA")->text(), "2.261");

    // A stage below the permanent pool: no pond is large enough.
    dialog.findChild<QLineEdit*>(QStringLiteral("sizeStage"))->setText(QStringLiteral("20"));
    EXPECT_FALSE(dialog.SizeBtnClick());
    EXPECT_THAT(label(dialog, "sizeResult").toStdString(),
                HasSubstr("No value from 0.001 to 1000"));
    EXPECT_FALSE(dialog.findChild<QPushButton*>(QStringLiteral("sizeApply"))->isEnabled());

    dialog.findChild<QLineEdit*>(QStringLiteral("sizeStage"))->setText(QStringLiteral("abc"));
    EXPECT_FALSE(dialog.SizeBtnClick());
    EXPECT_EQ(label(dialog, "sizeResult"), "Type the peak stage in feet.");
}

TEST_F(DesignToolsTest, AStageDischargeTableHasNoOpeningToSize) {
    main().openFile(QStringLiteral(VELMORA_EXAMPLES_DIR "/worked-example-stage-table.vlm"));
    TSizeOutletDlg& dialog = openSizeOutlet();
    EXPECT_FALSE(dialog.SizeBtnClick());
    EXPECT_THAT(label(dialog, "sizeResult").toStdString(), HasSubstr("stage-discharge table"));
}

} // namespace
} // namespace velmora
