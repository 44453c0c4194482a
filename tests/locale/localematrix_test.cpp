// The programs under the locale ctest runs them in (C, en_US.UTF-8, de_DE.UTF-8): numbers and
// dates follow it, files always hold points, and a file saved under one locale opens and runs
// under another.
#include "cli/cli.h"
#include "mainwindowfixture.h"
#include "platform/canvas/recordingcanvas.h"
#include "platform/systemlocale/systemlocale.h"
#include "workedexample.h"

#include <QDateEdit>
#include <QFile>
#include <QTemporaryDir>

#include <gmock/gmock.h>

#include <clocale>
#include <cstdio>
#include <sstream>

namespace velmora {
namespace {

using ::testing::HasSubstr;

// The worked example as a machine in the United States saves it.
const std::string kUnitedStatesFile = outletFile(kWeirOutletLines);

class LocaleMatrixTest : public MainWindowFixture {
  protected:
    FormatSettings settings() const override { return formatSettingsFromEnvironment(); }

    QChar separator() const { return QLatin1Char(settings().decimalSeparator); }
    QString withSeparator(const char* pointText) const {
        return QString::fromLatin1(pointText).replace(QLatin1Char('.'), separator());
    }

    QString write(const QString& name, const std::string& bytes) {
        const QString path = dir_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return path;
    }

    std::string pageText() {
        RecordingCanvas canvas;
        EXPECT_TRUE(results().FormPaint(canvas)) << results().failureDetail();
        std::string text;
        for (const DrawOp& op : canvas.ops())
            if (op.kind == DrawOpKind::TextOut)
                text += op.text + "\n";
        return text;
    }

    QTemporaryDir dir_;
};

// The toolkit sets the C library's locale from the environment, so printf writes the locale's
// separator: the programs write numbers without it. The locale must exist on the machine
// (scripts/install-deps generates those the tests use).
TEST_F(LocaleMatrixTest, TheProcessRunsUnderTheLocaleOfItsRun) {
    const std::string name = std::getenv("LC_ALL") != nullptr ? std::getenv("LC_ALL") : "C";
    // Qt asks for UTF-8, so C becomes C.UTF-8; the language and territory stay.
    const std::string current = std::setlocale(LC_NUMERIC, nullptr);
    EXPECT_EQ(current.substr(0, current.find('.')), name.substr(0, name.find('.')));
    const bool comma = name.rfind("de_DE", 0) == 0;
    EXPECT_EQ(settings().decimalSeparator, comma ? ',' : '.');
    char printed[16];
    std::snprintf(printed, sizeof printed, "%.1f", 2.5);
    EXPECT_EQ(std::string(printed), comma ? "2,5" : "2.5");
}

TEST_F(LocaleMatrixTest, DefaultRainfallTextsAndTheReadingRule) {
    StringGridWidget* rain = grid("sgMethodOne");
    EXPECT_EQ(rain->cellText(0, 1), withSeparator("0.0833"));
    EXPECT_EQ(rain->cellText(5, 13), withSeparator("10.31"));
    main().openFile(write(QStringLiteral("us.vlm"), kUnitedStatesFile));
    EXPECT_EQ(edit("EditPSA")->text(), withSeparator("0.750"));
    main().Preview1Click();
    EXPECT_TRUE(results().FormPaint(*std::make_unique<RecordingCanvas>()));
    const QChar other = separator() == QLatin1Char('.') ? QLatin1Char(',') : QLatin1Char('.');
    edit("EditPSA")->setText(QStringLiteral("0") + other + QStringLiteral("9"));
    RecordingCanvas canvas;
    EXPECT_FALSE(results().FormPaint(canvas));
    dialogs_.expectMessage(QStringLiteral("Error"), QStringLiteral("CHECK DATA!"),
                           MessageIcon::None);
    QApplication::processEvents();
}

TEST_F(LocaleMatrixTest, TheReportsNumbersAndDateFollowTheLocale) {
    main().openFile(write(QStringLiteral("us.vlm"), kUnitedStatesFile));
    EXPECT_EQ(find<QDateEdit>("edtDisProjDate")->date(), QDate(2007, 3, 15));
    main().Preview1Click();
    const std::string page = pageText();
    const std::string date = DateToStr(
        Date{std::chrono::year{2007}, std::chrono::March, std::chrono::day{15}}, settings());
    EXPECT_THAT(page, HasSubstr("Proj. Date: " + date));
    EXPECT_THAT(page, HasSubstr(withSeparator("AV'G. SURF. AREA(Acres): 0.75").toStdString()));
}

TEST_F(LocaleMatrixTest, SaveWritesPointsAndTheFileOpensEverywhere) {
    main().openFile(write(QStringLiteral("us.vlm"), kUnitedStatesFile));
    const QString saved = dir_.filePath(QStringLiteral("saved.vlm"));
    dialogs_.expectFileToSave(saved);
    main().Save1Click();
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::string bytes = file.readAll().toStdString();
    std::string expected = kUnitedStatesFile;
    expected.replace(
        expected.find("3/15/2007"), 9,
        DateToStr(Date{std::chrono::year{2007}, std::chrono::March, std::chrono::day{15}},
                  settings()));
    EXPECT_EQ(bytes, expected);

    // The saved file opens and runs under each of the other conventions.
    for (const char* other : {"C", "en_US.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8", "sv_SE.UTF-8"}) {
        std::ostringstream out;
        std::ostringstream err;
        const CliEnvironment environment{formatSettingsForLocaleName(other), other};
        EXPECT_EQ(runCli({"run", saved.toStdString(), "--event", "25"}, out, err, environment),
                  kExitSuccess)
            << other << ": " << err.str();
        EXPECT_THAT(out.str(), HasSubstr("Proj. Date: " +
                                         DateToStr(Date{std::chrono::year{2007}, std::chrono::March,
                                                        std::chrono::day{15}},
                                                   environment.settings)))
            << other;
    }
}

} // namespace
} // namespace velmora
