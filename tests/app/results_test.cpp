// The Results command, the results window's paint and its printing.
#include "cli/cli.h"
#include "mainwindowfixture.h"
#include "platform/canvas/recordingcanvas.h"

#include <QDateEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

#include <gmock/gmock.h>

#include <sstream>

namespace velmora {
namespace {

using ::testing::HasSubstr;

class ResultsTest : public MainWindowFixture {
  protected:
    // The texts the page draws, in order.
    std::vector<std::string> pageTexts() {
        RecordingCanvas canvas;
        EXPECT_TRUE(results().FormPaint(canvas)) << results().failureDetail();
        std::vector<std::string> texts;
        for (const DrawOp& op : canvas.ops())
            if (op.kind == DrawOpKind::TextOut)
                texts.push_back(op.text);
        return texts;
    }

    bool pageShows(const std::string& text) {
        const auto texts = pageTexts();
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }

    // Paints the results window as the screen would, and lets queued work run.
    void repaintResults() {
        results().grab();
        QApplication::processEvents();
    }

    // The worked example's three rainfall rows in place of the default table.
    void typeWorkedExampleRainfall() {
        StringGridWidget* rain = grid("sgMethodOne");
        rain->setRowCount(4);
        const char* rows[3][6] = {{"1", "2.1", "2.5", "3.1", "3.6", "4.1"},
                                  {"6", "3.4", "4.1", "5", "5.7", "6.5"},
                                  {"24", "5", "6", "7.5", "8.7", "10"}};
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 6; ++c)
                rain->setCellText(c, r + 1, QString::fromLatin1(rows[r][c]));
        find<QDateEdit>("edtDisProjDate")->setDate(QDate(2007, 3, 15));
    }
};

TEST_F(ResultsTest, AConversionErrorStopsWithTheFocusOnTheCell) {
    main().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
    typeWorkedExampleInputs();
    StringGridWidget* rain = grid("sgMethodOne");
    rain->appendRow();
    rain->setCellText(2, 3, QStringLiteral("abc"));
    dialogs_.expectMessage(QStringLiteral("Velmora"),
                           QStringLiteral("'abc' is not a valid floating point value"),
                           MessageIcon::Error);
    QTest::keyClick(edit("EditPSA"), Qt::Key_R, Qt::ControlModifier);
    EXPECT_FALSE(results().isVisible());
    EXPECT_EQ(rain->currentRow(), 2);
    EXPECT_EQ(rain->currentColumn(), 2);
    QWidget* focus = QApplication::focusWidget();
    EXPECT_TRUE(focus == rain || rain->isAncestorOf(focus));
    EXPECT_EQ(rain->rowCount(), 14); // the empty trailing row is gone
}

TEST_F(ResultsTest, TheResultsWindowDrawsTheTypedProject) {
    typeWorkedExampleInputs();
    main().Preview1Click();
    ASSERT_TRUE(results().isVisible());
    EXPECT_EQ(results().windowTitle(), "Preview Print Out");
    const auto texts = pageTexts();
    EXPECT_THAT(texts, ::testing::Contains(HasSubstr("Proj. No.: P-101")));
    EXPECT_THAT(texts, ::testing::Contains(HasSubstr("Proj. Descr.: Example detention pond")));
    EXPECT_THAT(texts, ::testing::Contains(HasSubstr("Weir Length(in):12")));
    EXPECT_THAT(texts, ::testing::Contains(HasSubstr("PERMANENT POOL ELEV.(ft): 25")));

    // Scalar inputs are read at every paint; table edits wait for the next capture.
    edit("EditWeirLength")->setText(QStringLiteral("18"));
    grid("sgMethodOne")->setCellText(0, 1, QStringLiteral("0.1"));
    EXPECT_THAT(pageTexts(), ::testing::Contains(HasSubstr("Weir Length(in):18")));
    EXPECT_TRUE(pageShows("0.083"));
    main().Preview1Click();
    EXPECT_TRUE(pageShows("0.100"));
}

TEST_F(ResultsTest, AFailedRunIsToldOnceAcrossRepaints) {
    typeWorkedExampleInputs();
    edit("EditPSA")->setText(QString()); // every stage divides by the pond's area
    dialogs_.expectMessage(QStringLiteral("Error"), QStringLiteral("CHECK DATA!"),
                           MessageIcon::None);
    main().Preview1Click();
    for (int i = 0; i < 4; ++i)
        repaintResults();
    ASSERT_EQ(dialogs_.messagesShown().size(), 1U);
    EXPECT_FALSE(dialogs_.messagesShown()[0].hasOwner);
    EXPECT_THAT(results().failureDetail(), HasSubstr("division by zero"));
    RecordingCanvas canvas;
    EXPECT_FALSE(results().FormPaint(canvas));
    EXPECT_TRUE(canvas.ops().empty());

    // A new Results command asks again, and is told again.
    dialogs_.expectMessage(QStringLiteral("Error"), QStringLiteral("CHECK DATA!"),
                           MessageIcon::None);
    main().Preview1Click();
    repaintResults();
    repaintResults();
}

TEST_F(ResultsTest, TheOpenWindowFollowsTypingWithoutABox) {
    typeWorkedExampleInputs();
    main().Preview1Click();
    repaintResults();
    ASSERT_TRUE(results().failureDetail().empty());

    typeInto("EditPSA", QStringLiteral("0.7x"));
    QTRY_VERIFY_WITH_TIMEOUT(!results().failureDetail().empty(), 3000);
    EXPECT_THAT(results().failureDetail(), HasSubstr("0.7x"));
    EXPECT_EQ(results().failureText().toStdString(),
              "CHECK DATA!\nAv'g. Surf. Area Pond(Ac.): '0.7x' is not a valid floating point "
              "value");
    repaintResults(); // uncovered while still wrong: still no box
    EXPECT_TRUE(dialogs_.messagesShown().empty());

    typeInto("EditPSA", QStringLiteral("0.9"));
    QTRY_VERIFY_WITH_TIMEOUT(results().failureDetail().empty(), 3000);
    EXPECT_THAT(pageTexts(), ::testing::Contains(HasSubstr("AV'G. SURF. AREA(Acres): 0.9 ")));
}

TEST_F(ResultsTest, ClosingRestoresTheMainWindowAndReopensInPlace) {
    typeWorkedExampleInputs();
    main().Preview1Click();
    results().move(300, 150);
    const QPoint where = results().pos();
    main().showMinimized();
    main().setEnabled(false);
    results().close();
    EXPECT_FALSE(results().isVisible());
    EXPECT_FALSE(main().windowState() & Qt::WindowMinimized);
    EXPECT_TRUE(main().isEnabled());
    main().Preview1Click();
    EXPECT_TRUE(results().isVisible());
    EXPECT_EQ(results().pos(), where);
}

TEST_F(ResultsTest, WindowGeometryAndPrintButton) {
    typeWorkedExampleInputs();
    main().Preview1Click();
    EXPECT_EQ(results().size(), QSize(713, 561));
    auto* print = results().findChild<QPushButton*>(QStringLiteral("PrntBtn"));
    ASSERT_NE(print, nullptr);
    EXPECT_EQ(print->text(), "Print");
    EXPECT_EQ(print->geometry(), QRect(664, 536, 49, 25));
}

class PrintTest : public ResultsTest {
  protected:
    QString pdfText(const QString& path) {
        QProcess process;
        process.start(QStringLiteral("pdftotext"),
                      {QStringLiteral("-layout"), path, QStringLiteral("-")});
        EXPECT_TRUE(process.waitForFinished(20000));
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    QString pdfInfo(const QString& path) {
        QProcess process;
        process.start(QStringLiteral("pdfinfo"), {path});
        EXPECT_TRUE(process.waitForFinished(20000));
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    // The printer setup, answered with print-to-file in landscape.
    void expectPrintTo(const QString& path) {
        dialogs_.expectPrinterSetup([path](QPrinter& printer) {
            EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            return true;
        });
    }

    void clickPrint() {
        QTest::mouseClick(results().findChild<QPushButton*>(QStringLiteral("PrntBtn")),
                          Qt::LeftButton);
    }

    void printTo(const QString& path) {
        expectPrintTo(path);
        clickPrint();
    }

    QTemporaryDir dir_;
};

TEST_F(PrintTest, PrintingToAFileGivesVelmoraClisPage) {
    typeWorkedExampleInputs();
    typeWorkedExampleRainfall();
    main().Preview1Click();
    const QString printed = dir_.filePath(QStringLiteral("printed.pdf"));
    printTo(printed);
    EXPECT_TRUE(results().findChild<QPushButton*>(QStringLiteral("PrntBtn"))->isVisible());
    const QString info = pdfInfo(printed);
    EXPECT_THAT(info.toStdString(), HasSubstr("Pages:           1"));
    EXPECT_THAT(info.toStdString(), HasSubstr("792 x 612 pts (letter)"));

    const QString cli = dir_.filePath(QStringLiteral("cli.pdf"));
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(
        runCli({"report", VELMORA_EXAMPLES_DIR "/worked-example-weir.vlm", "-o", cli.toStdString()},
               out, err, CliEnvironment{cLocaleSettings(), "C"}),
        kExitSuccess)
        << err.str();
    const QString text = pdfText(printed);
    EXPECT_THAT(text.toStdString(), HasSubstr("Example detention pond"));
    EXPECT_EQ(text.toStdString(), pdfText(cli).toStdString());
}

TEST_F(PrintTest, TheSetupOpensInLandscapeEveryTimeAndCancelPrintsNothing) {
    typeWorkedExampleInputs();
    main().Preview1Click();
    dialogs_.expectPrinterSetup([](QPrinter& printer) {
        printer.setPageOrientation(QPageLayout::Portrait);
        return false;
    });
    auto* print = results().findChild<QPushButton*>(QStringLiteral("PrntBtn"));
    QTest::mouseClick(print, Qt::LeftButton);
    EXPECT_TRUE(print->isVisible());
    const QString path = dir_.filePath(QStringLiteral("second.pdf"));
    printTo(path); // checks the landscape orientation again
    EXPECT_TRUE(QFileInfo::exists(path));
}

TEST_F(PrintTest, APrinterErrorReachesTheErrorBox) {
    typeWorkedExampleInputs();
    main().Preview1Click();
    expectPrintTo(dir_.filePath(QStringLiteral("no/such/folder/out.pdf")));
    dialogs_.expectMessage(QStringLiteral("Velmora"),
                           QStringLiteral("The report could not be printed: the printer could "
                                          "not be started"),
                           MessageIcon::Error);
    clickPrint();
    EXPECT_TRUE(results().findChild<QPushButton*>(QStringLiteral("PrntBtn"))->isVisible());
    EXPECT_TRUE(results().isVisible());
}

} // namespace
} // namespace velmora
