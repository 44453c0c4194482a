// Save and Open in the desktop program, and Help.
#include "mainwindowfixture.h"
#include "projectcontrols/projectcontrols.h"
#include "workedexample.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <csignal>

#include <sys/resource.h>

#include "platform/help/helpwindow.h"

#include <gmock/gmock.h>

namespace velmora {
namespace {

using ::testing::HasSubstr;

class FilesTest : public MainWindowFixture {
  protected:
    QString write(const QString& name, const std::string& bytes) {
        const QString path = dir_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return path;
    }

    static std::string bytesOf(const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return file.readAll().toStdString();
    }

    // Open through its dialog; `message` is the box the file gives, if any.
    void open(const QString& path, const QString& message = {}) {
        dialogs_.expectFileToOpen(path);
        if (!message.isEmpty())
            dialogs_.expectMessage(QStringLiteral("Velmora"), message, MessageIcon::None);
        main().Open1Click();
    }

    void saveAs(const QString& path) {
        dialogs_.expectFileToSave(path);
        main().Save1Click();
    }

    bool shown(const char* name) { return find<QWidget>(name)->isVisibleTo(&main()); }
    QString caption(const char* name) { return find<QLabel>(name)->text(); }

    // What velmora-cli writes for the file's project: its Open, then its Save conversion.
    std::string cliRewrite(const std::string& bytes) {
        const ReadResult read = parseProjectFile(bytes, settings());
        OpenedProject opened = openIntoControls(read);
        return formatProjectFile(saveProjectValues(opened, settings()), settings());
    }

    QTemporaryDir dir_;
};

struct MethodFile {
    const char* name;
    const char* outletLines;
};

const MethodFile kMethodFiles[] = {
    {"RectangularWeir", "0\r\n26.50\r\n3.33\r\n0.00\r\n12.00\r\n"},
    {"CircularOrifice", "1\r\n25.00\r\n3.33\r\n0.00\r\n12.00\r\n0.60\r\n"},
    {"RectangularOrifice", "2\r\n25.00\r\n3.33\r\n2.00\r\n12.00\r\n0.60\r\n6.00\r\n"},
    {"StageDischargeTable", "3\r\n25.00 0.00\r\n26.00 5.50\r\n27.00 12.00\r\n"},
};

class SaveEachMethodTest : public FilesTest, public ::testing::WithParamInterface<MethodFile> {};

// Open then Save gives the file back byte for byte, as velmora-cli writes it.
TEST_P(SaveEachMethodTest, WritesWhatVelmoraCliWrites) {
    const std::string original = outletFile(GetParam().outletLines);
    open(write(QStringLiteral("in.vlm"), original));
    const QString saved = dir_.filePath(QStringLiteral("out.vlm"));
    saveAs(saved);
    EXPECT_EQ(bytesOf(saved), cliRewrite(original));
    EXPECT_EQ(bytesOf(saved), original);
}

INSTANTIATE_TEST_SUITE_P(Methods, SaveEachMethodTest, ::testing::ValuesIn(kMethodFiles),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FilesTest, OpenFillsEveryControlAndTheLayout) {
    const QString path = write(QStringLiteral("weir.vlm"), outletFile(kMethodFiles[0].outletLines));
    open(path);
    EXPECT_EQ(edit("edtProjDes")->text(), "Example detention pond");
    EXPECT_EQ(find<QDateEdit>("edtDisProjDate")->date(), QDate(2007, 3, 15));
    EXPECT_EQ(edit("edtProjNo")->text(), "P-101");
    EXPECT_EQ(main().intensityMethodIndex(), 0);
    EXPECT_EQ(grid("sgUsrNtnsty")->cell(1, 5), "7.500");
    StringGridWidget* rain = grid("sgMethodOne");
    EXPECT_EQ(rain->rowCount(), 4);
    EXPECT_EQ(rain->cell(0, 3), "24.000");
    EXPECT_EQ(rain->cell(5, 3), "10.000");
    EXPECT_EQ(rain->cell(0, 0), "Time(hrs)");
    const char* site[][2] = {
        {"EditPreCondArea", "10.00"},  {"EditPostCondArea", "10.00"}, {"EditPreC", "0.200"},
        {"EditPostC", "0.850"},        {"EditPreTc", "60.00"},        {"EditPSA", "0.750"},
        {"EditpermpoolElev", "25.00"}, {"EditRPerm", "0.50"},         {"EditWCEl", "26.50"},
        {"EditWCoef", "3.33"},         {"EditNoEC", "0.00"},          {"EditWeirLength", "12.00"}};
    for (const auto& [name, text] : site)
        EXPECT_EQ(edit(name)->text(), text) << name;
    EXPECT_EQ(caption("LabelWeirLength"), "Weir Length(in.)"); // Open's caption: no colon
    EXPECT_EQ(main().statusPanelText(0), "Proj: Example detention pond");
    EXPECT_EQ(main().statusPanelText(1), "File: " + path);
}

TEST_F(FilesTest, OpenOfEachVariantAppliesItsOutletBlock) {
    open(write(QStringLiteral("rect.vlm"), outletFile(kMethodFiles[2].outletLines)));
    EXPECT_TRUE(shown("edtOrifHt"));
    EXPECT_EQ(edit("edtOrifHt")->text(), "6.00");
    EXPECT_EQ(caption("LabelWeirLength"), "Orif. Width (in.):");

    open(write(QStringLiteral("stage.vlm"), outletFile(kMethodFiles[3].outletLines)));
    EXPECT_FALSE(shown("edtOrifHt"));
    EXPECT_FALSE(shown("EditWCEl"));
    EXPECT_TRUE(shown("stageDisch"));
    EXPECT_EQ(grid("stageDisch")->rowCount(), 4);
    EXPECT_EQ(grid("stageDisch")->cell(1, 2), "5.50");
    EXPECT_EQ(main().capturedTables().stageRowCount, 4);

    open(write(QStringLiteral("circ.vlm"), outletFile(kMethodFiles[1].outletLines)));
    EXPECT_EQ(caption("LabelWeirLength"), "Orif. Diam.(in.)");
    EXPECT_EQ(caption("LabelWeirCrEl"), "Orif. Inv. Elev. (ft.)");
    EXPECT_TRUE(shown("edtOrifCoef"));
    EXPECT_FALSE(shown("EditNoEC"));
    EXPECT_EQ(edit("edtOrifCoef")->text(), "0.60");

    std::string cityCurves = outletFile(kMethodFiles[0].outletLines);
    cityCurves.replace(cityCurves.find("0\r\n4.500 5.200 6.100 6.800 7.500\r\n"), 33, "1\r\n");
    grid("sgUsrNtnsty")->setCellText(1, 1, QStringLiteral("9.9"));
    open(write(QStringLiteral("city.vlm"), cityCurves));
    EXPECT_FALSE(shown("sgUsrNtnsty"));
    EXPECT_EQ(grid("sgUsrNtnsty")->cell(1, 1), "9.9");
}

// Every field typed, saved, cleared by New and opened again.
TEST_F(FilesTest, SaveThenOpenRoundTripsEveryField) {
    main().tbnNewFileClick();
    const char* values[][2] = {{"edtProjDes", "Pond B  east side, phase 2 (revised)"},
                               {"edtProjNo", "B 17"},
                               {"EditPreCondArea", "12.50"},
                               {"EditPostCondArea", "13.25"},
                               {"EditPreC", "0.250"},
                               {"EditPostC", "0.650"},
                               {"EditPreTc", "45.00"},
                               {"EditPSA", "1.200"},
                               {"EditpermpoolElev", "-1.25"},
                               {"EditRPerm", "0.10"},
                               {"EditWCEl", "24.50"},
                               {"EditWCoef", "3.10"},
                               {"EditNoEC", "2.00"},
                               {"EditWeirLength", "18.00"},
                               {"edtOrifCoef", "0.62"},
                               {"edtOrifHt", "4.00"}};
    for (const auto& [name, text] : values)
        edit(name)->setText(QString::fromUtf8(text));
    find<QComboBox>("ComboBoxSelDischMethd")->setCurrentIndex(2);
    find<QDateEdit>("edtDisProjDate")->setDate(QDate(2026, 11, 2));
    for (int r = 1; r <= 5; ++r)
        grid("sgUsrNtnsty")->setCellText(1, r, QString::number(r) + QStringLiteral(".500"));
    StringGridWidget* rain = grid("sgMethodOne");
    rain->setRowCount(3);
    for (int c = 0; c < 6; ++c) {
        rain->setCellText(c, 1, QString::number(c + 1) + QStringLiteral(".000"));
        rain->setCellText(c, 2, QString::number(c + 10) + QStringLiteral(".000"));
    }
    const QString path = dir_.filePath(QStringLiteral("round trip.vlm"));
    saveAs(path);
    EXPECT_EQ(main().statusPanelText(1), "File: "); // Save leaves the status bar alone

    main().tbnNewFileClick();
    rain->setRowCount(1);
    open(path);
    for (const auto& [name, text] : values)
        EXPECT_EQ(edit(name)->text().toStdString(), text) << name;
    EXPECT_EQ(find<QComboBox>("ComboBoxSelDischMethd")->currentIndex(), 2);
    EXPECT_EQ(find<QDateEdit>("edtDisProjDate")->date(), QDate(2026, 11, 2));
    EXPECT_EQ(grid("sgUsrNtnsty")->cell(1, 4), "4.500");
    EXPECT_EQ(rain->rowCount(), 3);
    EXPECT_EQ(rain->cell(5, 2), "15.000");
    EXPECT_EQ(main().statusPanelText(0), "Proj: Pond B  east side, phase 2 (revised)");
}

TEST_F(FilesTest, AnEmptyOrBlankProjectNumberReadsBack) {
    for (const char* number : {"", " ", "A 1 b"}) {
        open(write(QStringLiteral("in.vlm"), outletFile(kMethodFiles[0].outletLines)));
        edit("edtProjNo")->setText(QString::fromLatin1(number));
        const QString path = dir_.filePath(QStringLiteral("number.vlm"));
        saveAs(path);
        edit("edtProjNo")->setText(QStringLiteral("other"));
        open(path);
        EXPECT_EQ(edit("edtProjNo")->text(), number);
        EXPECT_EQ(edit("EditPreCondArea")->text(), "10.00") << "later fields misread";
    }
}

TEST_F(FilesTest, TheWeirsEmptyCrestGetsZeroAndTheOrificeSkipsEndContractions) {
    open(write(QStringLiteral("in.vlm"), outletFile(kMethodFiles[0].outletLines)));
    for (const char* name : {"EditWCEl", "EditWCoef", "EditNoEC", "EditWeirLength"})
        edit(name)->clear();
    const QString weir = dir_.filePath(QStringLiteral("weir.vlm"));
    saveAs(weir);
    EXPECT_THAT(bytesOf(weir), HasSubstr("0.50\r\n0\r\n0.00\r\n0.00\r\n0.00\r\n0.00\r\n"));
    EXPECT_EQ(edit("EditWCEl")->text(), "0.0");
    EXPECT_EQ(edit("EditWCoef")->text(), "");

    open(write(QStringLiteral("circ.vlm"), outletFile(kMethodFiles[1].outletLines)));
    edit("EditNoEC")->setText(QStringLiteral("not read"));
    const QString circular = dir_.filePath(QStringLiteral("circular.vlm"));
    saveAs(circular);
    EXPECT_THAT(bytesOf(circular),
                HasSubstr("\r\n1\r\n25.00\r\n3.33\r\n0.00\r\n12.00\r\n0.60\r\n"));
}

TEST_F(FilesTest, AConversionErrorStopsBeforeTheDialogWithTheFocusThere) {
    main().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
    open(write(QStringLiteral("in.vlm"), outletFile(kMethodFiles[0].outletLines)));
    edit("EditPSA")->setText(QStringLiteral("0,75"));
    dialogs_.expectMessage(QStringLiteral("Velmora"),
                           QStringLiteral("'0,75' is not a valid floating point value"),
                           MessageIcon::Error);
    main().Save1Click(); // no save dialog expected
    EXPECT_EQ(QApplication::focusWidget(), edit("EditPSA"));

    edit("EditPSA")->setText(QStringLiteral("0.75"));
    grid("sgUsrNtnsty")->setCellText(1, 3, QStringLiteral("x"));
    dialogs_.expectMessage(QStringLiteral("Velmora"),
                           QStringLiteral("'x' is not a valid floating point value"),
                           MessageIcon::Error);
    main().Save1Click();
    EXPECT_EQ(grid("sgUsrNtnsty")->currentRow(), 2);
}

TEST_F(FilesTest, CancellingWritesNothingAndTheDialogsRememberTheirNames) {
    const QString path = write(QStringLiteral("in.vlm"), outletFile(kMethodFiles[0].outletLines));
    typeWorkedExampleInputs();
    grid("sgMethodOne")->appendRow();
    dialogs_.expectFileToSave(std::nullopt);
    main().Save1Click();
    EXPECT_EQ(grid("sgMethodOne")->rowCount(), 14); // the capture's shortening stays
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files).size(), 1);

    dialogs_.expectFileToOpen(std::nullopt);
    main().Open1Click();
    open(path);
    const QString saved = dir_.filePath(QStringLiteral("saved.vlm"));
    saveAs(saved);
    dialogs_.expectFileToSave(std::nullopt);
    main().Save1Click();
    dialogs_.expectFileToOpen(std::nullopt);
    main().Open1Click();

    const auto& requests = dialogs_.fileRequests();
    ASSERT_EQ(requests.size(), 6U);
    EXPECT_EQ(requests[0].proposedName, ""); // the first save proposes nothing
    EXPECT_TRUE(requests[0].confirmOverwrite);
    EXPECT_EQ(requests[0].defaultSuffix, "vlm");
    EXPECT_EQ(requests[0].nameFilters, QStringList({"Velmora Data Files(*.vlm)", "All Files (*)"}));
    EXPECT_EQ(requests[1].proposedName, "Untitled");
    EXPECT_EQ(requests[1].nameFilters, QStringList({"Velmora Data File(*.vlm)", "All Files (*)"}));
    EXPECT_FALSE(requests[1].confirmOverwrite);
    EXPECT_EQ(requests[4].proposedName, saved); // not the opened file
    EXPECT_EQ(requests[5].proposedName, path);
}

TEST_F(FilesTest, FilesThatCannotBeReadChangeNothingOrStopWhereTheyFail) {
    open(write(QStringLiteral("good.vlm"), outletFile(kMethodFiles[0].outletLines)));
    open(dir_.filePath(QStringLiteral("missing.vlm")),
         QStringLiteral("The file could not be opened"));
    EXPECT_EQ(edit("edtProjDes")->text(), "Example detention pond");

    const std::string notProjects[] = {std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16),
                                       std::string(), outletFile("").substr(0, 120)};
    for (const std::string& bytes : notProjects) {
        const QString path = write(QStringLiteral("bad.vlm"), bytes);
        open(path, QStringLiteral("Error Reading File"));
        EXPECT_EQ(main().statusPanelText(1), "File: " + path);
    }

    // A date no pattern reads: only the description is filled.
    std::string badDate = outletFile(kMethodFiles[0].outletLines);
    badDate.replace(badDate.find("3/15/2007"), 9, "31/31/2007");
    badDate.replace(0, 22, "Other pond");
    edit("edtProjNo")->setText(QStringLiteral("kept"));
    open(write(QStringLiteral("date.vlm"), badDate), QStringLiteral("Error Reading File"));
    EXPECT_EQ(edit("edtProjDes")->text(), "Other pond");
    EXPECT_EQ(edit("edtProjNo")->text(), "kept");
    EXPECT_EQ(main().statusPanelText(0), "Proj: Other pond");
}

class CommaFilesTest : public FilesTest {
  protected:
    FormatSettings settings() const override { return FormatSettings{',', "dd.MM.yyyy"}; }
};

TEST_F(CommaFilesTest, OpenedNumbersShowACommaAndFilesKeepPoints) {
    const std::string original = outletFile(kMethodFiles[3].outletLines);
    open(write(QStringLiteral("us.vlm"), original)); // saved in the United States
    EXPECT_EQ(edit("EditPSA")->text(), "0,750");
    EXPECT_EQ(grid("stageDisch")->cell(1, 2), "5,50");
    EXPECT_EQ(find<QDateEdit>("edtDisProjDate")->date(), QDate(2007, 3, 15));
    const QString saved = dir_.filePath(QStringLiteral("de.vlm"));
    saveAs(saved);
    std::string expected = original;
    expected.replace(expected.find("3/15/2007"), 9, "15.03.2007");
    EXPECT_EQ(bytesOf(saved), expected);
}

// A folder the program may not write to: the old file stays byte for byte, nothing is left
// behind, and the user is told.
TEST_F(FilesTest, ASaveThatCannotWriteLeavesTheOldFileIntact) {
    const std::string original = outletFile(kMethodFiles[0].outletLines);
    const QString folder = dir_.filePath(QStringLiteral("locked"));
    QDir().mkpath(folder);
    const QString path = folder + QStringLiteral("/project.vlm");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(original.data(), static_cast<qint64>(original.size()));
    }
    // Root writes wherever permissions say it may not; an immutable folder stops it too.
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    bool immutable = false;
    if (QFile probe(folder + QStringLiteral("/probe")); probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        immutable =
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), folder}) == 0;
        if (!immutable) {
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner);
            GTEST_SKIP() << "this user writes into read-only folders";
        }
    }
    open(path);
    edit("EditPSA")->setText(QStringLiteral("0.9"));
    dialogs_.expectFileToSave(path);
    dialogs_.expectMessage(QStringLiteral("Velmora"),
                           QStringLiteral("The file could not be opened"), MessageIcon::None);
    main().Save1Click();
    if (immutable)
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), folder});
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(bytesOf(path), original);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"project.vlm"});
}

// Where Save cannot put the file, the user is told, the folder holds what it held and no
// temporary file is left behind.
TEST_F(FilesTest, SaveFailuresAreToldAndLeaveNothingBehind) {
    const std::string original = outletFile(kMethodFiles[0].outletLines);
    open(write(QStringLiteral("pond.vlm"), original));
    QDir().mkpath(dir_.filePath(QStringLiteral("a folder.vlm")));
    const auto before =
        QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    struct Case {
        QString path;
        const char* message;
    };
    const Case cases[] = {
        {dir_.filePath(QStringLiteral("missing/pond.vlm")), "The file could not be opened"},
        {dir_.filePath(QStringLiteral("a folder.vlm")), "The file could not be opened"},
        {dir_.filePath(QStringLiteral("pond.vlm/inside.vlm")), "The file could not be opened"},
    };
    for (const Case& c : cases) {
        dialogs_.expectFileToSave(c.path);
        dialogs_.expectMessage(QStringLiteral("Velmora"), QString::fromLatin1(c.message),
                               MessageIcon::None);
        main().Save1Click();
        EXPECT_EQ(
            QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            before)
            << c.path.toStdString();
    }
    EXPECT_EQ(bytesOf(dir_.filePath(QStringLiteral("pond.vlm"))), original);
}

// A disk that fills up while the file is written: the file size limit makes the write fail
// as a full disk would.
TEST_F(FilesTest, AFullDiskLeavesTheOldFileIntact) {
    const std::string original = outletFile(kMethodFiles[0].outletLines);
    const QString path = write(QStringLiteral("pond.vlm"), original);
    open(path);
    edit("edtProjDes")->setText(QString(64 * 1024, QLatin1Char('d')));
    dialogs_.expectFileToSave(path);
    dialogs_.expectMessage(QStringLiteral("Velmora"),
                           QStringLiteral("The file could not be written"), MessageIcon::None);
    rlimit previous{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit small = previous;
    small.rlim_cur = 4096; // bytes
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    main().Save1Click();
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(bytesOf(path), original);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"pond.vlm"});
}

TEST_F(FilesTest, NamesWithBlanksAndAccentsSaveAndOpen) {
    const std::string original = outletFile(kMethodFiles[2].outletLines);
    open(write(QStringLiteral("in.vlm"), original));
    const QString path = dir_.filePath(QStringLiteral("Étang nord – phase 2.vlm"));
    saveAs(path);
    EXPECT_EQ(bytesOf(path), original);
    edit("edtProjDes")->clear();
    open(path);
    EXPECT_EQ(edit("edtProjDes")->text(), "Example detention pond");
    EXPECT_EQ(main().statusPanelText(1), "File: " + path);
}

TEST_F(FilesTest, AProjectNamedAtStartOpensAsOpenWould) {
    openProjectNamedAtStart(main(), {QStringLiteral("velmora")});
    EXPECT_EQ(main().statusPanelText(1), "");
    const QString path =
        write(QStringLiteral("start.vlm"), outletFile(kMethodFiles[3].outletLines));
    openProjectNamedAtStart(main(), {QStringLiteral("velmora"), path});
    EXPECT_EQ(main().statusPanelText(0), "Proj: Example detention pond");
    EXPECT_EQ(main().statusPanelText(1), "File: " + path);
    EXPECT_TRUE(shown("stageDisch"));
}

TEST_F(FilesTest, OpenWhileTheResultsWindowIsShownDoesNotRunIt) {
    typeWorkedExampleInputs();
    main().Preview1Click();
    results().grab();
    const int captured = main().capturedTables().rainfall.rowCount;
    open(write(QStringLiteral("stage.vlm"), outletFile(kMethodFiles[3].outletLines)));
    QTest::qWait(250); // past the live update's delay
    EXPECT_EQ(main().capturedTables().rainfall.rowCount, captured);
    // Its next paint takes the opened inputs with the tables of the last capture.
    results().grab();
    QApplication::processEvents();
}

class HelpTest : public FilesTest {
  protected:
    void TearDown() override {
        QFile::remove(QStringLiteral(VELMORA_TEST_HELP_DIR "/VELMORAHELP.html"));
        FilesTest::TearDown();
    }
};

TEST_F(HelpTest, ShowsTheHelpDocumentBesideTheProgram) {
    QDir().mkpath(QStringLiteral(VELMORA_TEST_HELP_DIR));
    QFile document(QStringLiteral(VELMORA_TEST_HELP_DIR "/VELMORAHELP.html"));
    ASSERT_TRUE(document.open(QIODevice::WriteOnly));
    document.write("<html><body><h1>Velmora</h1><p>How to size a pond.</p></body></html>");
    document.close();
    find<QAction>("Help2")->trigger();
    EXPECT_EQ(help_.helpFile(), "VELMORAHELP.HLP");
    ASSERT_NE(help_.window(), nullptr);
    EXPECT_TRUE(help_.window()->isVisible());
    EXPECT_THAT(help_.window()->browser()->toPlainText().toStdString(),
                HasSubstr("How to size a pond."));
    EXPECT_EQ(help_.window()->document(),
              QUrl::fromLocalFile(QStringLiteral(VELMORA_TEST_HELP_DIR "/VELMORAHELP.html")));
}

TEST_F(HelpTest, ClosingTheMainWindowClosesTheHelpToo) {
    find<QAction>("Help2")->trigger();
    ASSERT_TRUE(help_.window()->isVisible());
    main().close();
    EXPECT_FALSE(help_.window()->isVisible());
}

TEST_F(HelpTest, AMissingDocumentIsReportedWithWhereItLooked) {
    QFile::remove(QStringLiteral(VELMORA_TEST_HELP_DIR "/VELMORAHELP.html"));
    find<QAction>("Help2")->trigger();
    ASSERT_NE(help_.window(), nullptr);
    const std::string page = help_.window()->browser()->toPlainText().toStdString();
    EXPECT_THAT(page, HasSubstr("VELMORAHELP.html"));
    EXPECT_THAT(page, HasSubstr(VELMORA_TEST_HELP_DIR));
    EXPECT_TRUE(help_.window()->document().isEmpty());
}

} // namespace
} // namespace velmora
