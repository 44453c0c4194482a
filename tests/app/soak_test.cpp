// A long day of use: thousands of repaints and hundreds of Results commands hold no memory or
// Qt objects beyond the first ones.
#include "app/designcheckfrm.h"
#include "mainwindowfixture.h"

#include <QAction>
#include <QSignalBlocker>

#include <cstdio>
#include <fstream>
#include <string>

#include <unistd.h>

namespace velmora {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMemoryIsMeasurable = false; // the sanitizer keeps freed memory in quarantine
#else
constexpr bool kMemoryIsMeasurable = true;
#endif

constexpr long kResidentSlackBytes = 8L * 1024 * 1024; // allocator pools, font caches

// Puts the figure in the test's output and its XML report, for the record.
void recordGrowth(const char* what, long before, long after) {
    ::testing::Test::RecordProperty(what, std::to_string(after - before));
    std::printf("%s: resident %ld kB before, %ld kB after\n", what, before / 1024, after / 1024);
}

long residentBytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

// Every Qt object of the program's windows, so a paint that leaves one behind shows.
int liveObjects(QWidget& window) {
    return static_cast<int>(window.findChildren<QObject*>().size());
}

class SoakTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        main().openFile(QStringLiteral(VELMORA_EXAMPLES_DIR "/detention-pond.vlm"));
        main().Preview1Click();
    }

    // Repaints alternating a run that succeeds and one that fails (an empty pond area divides
    // by zero); each failure after a success is a new episode with its one box.
    void repaintAlternating(int repaints) {
        for (int i = 0; i < repaints; ++i) {
            const bool fail = i % 2 == 1;
            // Quietly: the live update's timer would repaint on its own, at its own time.
            const QSignalBlocker quiet(edit("EditPSA"));
            edit("EditPSA")->setText(fail ? QString() : QStringLiteral("1.200"));
            if (fail)
                dialogs_.expectMessage(QStringLiteral("Error"), QStringLiteral("CHECK DATA!"),
                                       MessageIcon::None);
            results().grab();
            QApplication::processEvents();
        }
    }
};

TEST_F(SoakTest, TwoThousandRepaintsOfTheResultsWindowHoldNothing) {
    repaintAlternating(200); // the caches of the first paints
    const long residentBefore = residentBytes();
    const int objectsBefore = liveObjects(results()) + liveObjects(main());
    const int widgetsBefore = static_cast<int>(QApplication::allWidgets().size());
    repaintAlternating(2000);
    EXPECT_EQ(liveObjects(results()) + liveObjects(main()), objectsBefore);
    EXPECT_EQ(static_cast<int>(QApplication::allWidgets().size()), widgetsBefore);
    recordGrowth("resultsRepaints", residentBefore, residentBytes());
    if (kMemoryIsMeasurable) {
        EXPECT_LT(residentBytes() - residentBefore, kResidentSlackBytes);
    }
}

TEST_F(SoakTest, TwoThousandChecksOfTheDesignCheckWindowHoldNothing) {
    find<QAction>("DesignCheck1")->trigger();
    TDesignCheckFrm& window = *main().designCheckWindow();
    auto checkAlternating = [&](int checks) {
        for (int i = 0; i < checks; ++i) {
            const QSignalBlocker quiet(edit("EditPSA"));
            edit("EditPSA")->setText(i % 2 == 1 ? QString() : QStringLiteral("1.200"));
            window.recompute();
            window.grab();
            QApplication::processEvents();
        }
    };
    checkAlternating(200);
    const long residentBefore = residentBytes();
    const int objectsBefore = liveObjects(window);
    const int widgetsBefore = static_cast<int>(QApplication::allWidgets().size());
    checkAlternating(2000);
    EXPECT_EQ(liveObjects(window), objectsBefore);
    EXPECT_EQ(static_cast<int>(QApplication::allWidgets().size()), widgetsBefore);
    recordGrowth("designCheckRepaints", residentBefore, residentBytes());
    if (kMemoryIsMeasurable) {
        EXPECT_LT(residentBytes() - residentBefore, kResidentSlackBytes);
    }
}

// Each command adds a row to the storm: the grid grows, and nothing else does.
TEST_F(SoakTest, FiveHundredResultsCommandsWithGrowingTables) {
    StringGridWidget* rain = grid("sgMethodOne");
    auto addRowsAndRun = [&](int commands) {
        for (int i = 0; i < commands; ++i) {
            const int row = rain->rowCount();
            const double hours = 24.0 + row;
            rain->setCellText(0, row, QString::number(hours));
            for (int c = 1; c < 6; ++c)
                rain->setCellText(c, row, QString::number(6.5 + 0.01 * row + c));
            main().Preview1Click();
            results().repaint(); // what the window shows of the growing page
            QApplication::processEvents();
        }
    };
    addRowsAndRun(20);
    const long residentBefore = residentBytes();
    const int objectsBefore = liveObjects(results());
    addRowsAndRun(500);
    EXPECT_EQ(main().capturedTables().rainfall.rowCount, 13 + 520);
    EXPECT_EQ(liveObjects(results()), objectsBefore);
    recordGrowth("growingResultsCommands", residentBefore, residentBytes());
    if (kMemoryIsMeasurable) {
        EXPECT_LT(residentBytes() - residentBefore, kResidentSlackBytes);
    }
}

} // namespace
} // namespace velmora
