// Bad input in every field a results run or Save reads, in the desktop program: only a
// decimal number converts; a run fails with "CHECK DATA!" naming the field by its caption;
// Save stops with the conversion error naming the text, before any dialog, and the window
// keeps what was typed.
#include "mainwindowfixture.h"
#include "platform/canvas/recordingcanvas.h"

#include <QFile>
#include <QTemporaryDir>

#include <gmock/gmock.h>

namespace velmora {
namespace {

using ::testing::HasSubstr;

// The rectangular orifice reads every outlet edit; user intensities read the intensity grid.
const char* const kRectangularOrificeProject = "Bad input pond\r\n"
                                               "3/15/2007\r\n"
                                               "P-1\r\n"
                                               "0\r\n"
                                               "4.500 5.200 6.100 6.800 7.500\r\n"
                                               "1.000 2.100 2.500 3.100 3.600 4.100\r\n"
                                               "24.000 5.000 6.000 7.500 8.700 10.000\r\n"
                                               "999 *** *** *** *** ***\r\n"
                                               "10.00\r\n10.00\r\n0.200\r\n0.850\r\n60.00\r\n"
                                               "0.750\r\n25.00\r\n0.50\r\n"
                                               "2\r\n25.00\r\n3.33\r\n2.00\r\n12.00\r\n0.60\r\n"
                                               "6.00\r\n";

// Each numeric control a run and Save read, with the caption the window names it by.
struct Field {
    const char* control;
    const char* caption;
};

const Field kFields[] = {
    {"EditPreCondArea", "Pre-Cond. Drain. Area (Ac.)"},
    {"EditPostCondArea", "Post-Cond Drain. Area (Ac.)"},
    {"EditPreC", "Pre-Cond. \"C\""},
    {"EditPostC", "Post Cond. \"C\""},
    {"EditPreTc", "Pre-Cond. Tc (min.)"},
    {"EditPSA", "Av'g. Surf. Area Pond(Ac.)"},
    {"EditpermpoolElev", "Perm. Pool Elev(ft)"},
    {"EditRPerm", "Perm. Rate (\"/hr)"},
    {"EditWCEl", "Orif. Inv. Elev. (ft.)"},
    {"EditWCoef", "Weir Coeff"},
    {"EditNoEC", "No. End Contr's"},
    {"EditWeirLength", "Orif. Width (in.)"},
    {"edtOrifCoef", "Orif. Coef."},
    {"edtOrifHt", "Orif. Hgt(in.)"},
};

// Texts that are not decimal numbers under a point (the C library's strtod reads some).
std::vector<QString> notNumbers() {
    return {QStringLiteral(" "),   QStringLiteral("abc"),           QStringLiteral("1e999"),
            QStringLiteral("nan"), QStringLiteral("inf"),           QStringLiteral("0x10"),
            QStringLiteral("1,5"), QStringLiteral("--1"),           QStringLiteral("1e"),
            QStringLiteral("."),   QString(10000, QLatin1Char('9'))};
}

class BadInputTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        const QString path = dir_.filePath(QStringLiteral("orifice.vlm"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(kRectangularOrificeProject);
        file.close();
        main().openFile(path);
        main().Preview1Click(); // the capture the runs below work from
        ASSERT_TRUE(results().FormPaint(canvas_)) << results().failureDetail();
    }

    // The run's failure in the window's words, or empty when the run succeeds.
    QString runFailure() {
        try {
            performResultsRun(main().controlsSnapshot(), main().capturedTables(),
                              main().formatSettings());
        } catch (const RunError& error) {
            return main().describeFailure(error.detail());
        }
        return {};
    }

    // Save stops at the text with the conversion error; no save dialog is expected.
    void expectSaveStopsAt(const QString& text) {
        QString message =
            QStringLiteral("'") + text + QStringLiteral("' is not a valid floating point value");
        if (message.size() > 300)
            message = message.left(150) + QStringLiteral("\u2026") + message.right(150);
        dialogs_.expectMessage(QStringLiteral("Velmora"), message, MessageIcon::Error);
        main().Save1Click();
    }

    RecordingCanvas canvas_;
    QTemporaryDir dir_;
};

TEST_F(BadInputTest, EveryEditRefusesWhatIsNotANumber) {
    for (const Field& field : kFields) {
        const QString good = edit(field.control)->text();
        for (const QString& text : notNumbers()) {
            SCOPED_TRACE(std::string(field.control) + " '" + text.left(12).toStdString() + "'");
            edit(field.control)->setText(text);
            const QString failure = runFailure();
            EXPECT_THAT(failure.toStdString(), HasSubstr(std::string(field.caption) + ": '"));
            expectSaveStopsAt(text);
            EXPECT_EQ(edit(field.control)->text(), text) << "Save changed what was typed";
        }
        edit(field.control)->setText(good);
    }
    EXPECT_EQ(runFailure(), "");
}

TEST_F(BadInputTest, EveryIntensityCellRefusesWhatIsNotANumber) {
    StringGridWidget* intensities = grid("sgUsrNtnsty");
    for (int row = 1; row <= 5; ++row) {
        const QString good = intensities->cellText(1, row);
        for (const QString& text : notNumbers()) {
            SCOPED_TRACE("row " + std::to_string(row) + " '" + text.left(12).toStdString() + "'");
            intensities->setCellText(1, row, text);
            EXPECT_THAT(runFailure().toStdString(), HasSubstr("Intens.(\"/hr) of the "));
            expectSaveStopsAt(text);
            EXPECT_EQ(intensities->currentRow(), row - 1);
        }
        intensities->setCellText(1, row, good);
    }
}

TEST_F(BadInputTest, EveryRainfallCellRefusesWhatIsNotANumber) {
    StringGridWidget* rain = grid("sgMethodOne");
    for (const auto& [column, row] : {std::pair{0, 1}, std::pair{3, 2}, std::pair{5, 2}}) {
        const QString good = rain->cellText(column, row);
        for (const QString& text : notNumbers()) {
            SCOPED_TRACE("cell " + std::to_string(column) + "," + std::to_string(row) + " '" +
                         text.left(12).toStdString() + "'");
            rain->setCellText(column, row, text);
            expectSaveStopsAt(text);
            EXPECT_EQ(rain->currentRow(), row - 1);
            EXPECT_EQ(rain->currentColumn(), column);
            EXPECT_EQ(rain->cellText(column, row), text);
        }
        rain->setCellText(column, row, good);
    }
}

// What does convert: a sign, digits, the separator and an exponent, blanks around.
TEST_F(BadInputTest, OnlyDecimalNumbersConvert) {
    for (const char* typed : {"-0", " 7 ", "1E1", "+2.5", "3.", ".5"}) {
        edit("EditWCoef")->setText(QString::fromLatin1(typed));
        EXPECT_EQ(runFailure(), "") << typed;
    }
}

// Every arithmetic failure fails the run as a whole: the results window draws nothing of the
// page, and the design check shows no number.
TEST_F(BadInputTest, ArithmeticFailuresDrawNothing) {
    struct Case {
        const char* name;
        const char* control;
        const char* text;
        const char* detail;
    };
    const Case cases[] = {
        {"PondAreaZero", "EditPSA", "0", "division by zero"},
        {"PondAreaBlank", "EditPSA", "", "division by zero"},
        {"OverflowInRouting", "EditPostCondArea", "1.7e308", "overflow"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString good = edit(c.control)->text();
        edit(c.control)->setText(QString::fromLatin1(c.text));
        RecordingCanvas canvas;
        EXPECT_FALSE(results().FormPaint(canvas));
        EXPECT_TRUE(canvas.ops().empty());
        EXPECT_THAT(runFailure().toStdString(), HasSubstr(c.detail));
        edit(c.control)->setText(good);
    }
    // The city curves divide by Tc + 20.
    main().setIntensityMethod(1);
    edit("EditPreTc")->setText(QStringLiteral("-20"));
    RecordingCanvas canvas;
    EXPECT_FALSE(results().FormPaint(canvas));
    EXPECT_TRUE(canvas.ops().empty());
    // The failures above each opened an episode with its box; one is told at a time.
    dialogs_.expectMessage(QStringLiteral("Error"), QStringLiteral("CHECK DATA!"),
                           MessageIcon::None);
    QApplication::processEvents();
}

class CommaBadInputTest : public BadInputTest {
  protected:
    FormatSettings settings() const override { return FormatSettings{',', "dd.MM.yyyy"}; }
};

// Under a decimal comma the opened numbers show a comma, and a point is what does not convert.
TEST_F(CommaBadInputTest, APointIsRefusedAndACommaConverts) {
    EXPECT_EQ(edit("EditPSA")->text(), "0,750");
    edit("EditPSA")->setText(QStringLiteral("1.5"));
    EXPECT_THAT(runFailure().toStdString(), HasSubstr("Av'g. Surf. Area Pond(Ac.): '1.5'"));
    expectSaveStopsAt(QStringLiteral("1.5"));
    edit("EditPSA")->setText(QStringLiteral("1,5"));
    EXPECT_EQ(runFailure(), "");
}

} // namespace
} // namespace velmora
