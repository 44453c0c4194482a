// The main window's small commands and its shortcuts: Add Time, the intensity method, the
// dead menu items, About and Exit.
#include "mainwindowfixture.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

namespace velmora {
namespace {

class CommandsTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        main().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
    }
};

TEST_F(CommandsTest, AddTimeAppendsOneRowEachPress) {
    StringGridWidget* rain = grid("sgMethodOne");
    const auto before = rain->cells();
    auto* addTime = find<QPushButton>("addTime");
    for (int presses = 1; presses <= 3; ++presses) {
        QTest::mouseClick(addTime, Qt::LeftButton);
        EXPECT_EQ(rain->rowCount(), 14 + presses);
        EXPECT_EQ(rain->cell(0, 13 + presses), "");
    }
    auto after = rain->cells();
    after.resize(before.size());
    EXPECT_EQ(after, before);
    EXPECT_EQ(main().capturedTables().rainfall.rowCount, 0); // no capture happened
}

TEST_F(CommandsTest, IntensityMethodShowsAndHidesTheIntensityGrid) {
    auto* method = find<QComboBox>("cbxNtnstyMthd");
    StringGridWidget* intensities = grid("sgUsrNtnsty");
    intensities->setCellText(1, 2, QStringLiteral("5.2"));
    method->setCurrentIndex(1);
    EXPECT_FALSE(intensities->isVisibleTo(&main()));
    method->setEditText(QStringLiteral("Jackson")); // no item: nothing changes
    EXPECT_FALSE(intensities->isVisibleTo(&main()));
    method->setCurrentIndex(0);
    EXPECT_TRUE(intensities->isVisibleTo(&main()));
    EXPECT_EQ(intensities->cell(1, 2), "5.2");
    method->setEditText(QStringLiteral("anything"));
    EXPECT_TRUE(intensities->isVisibleTo(&main()));
    EXPECT_TRUE(find<QWidget>("lblPreNtnstyMthd")->isVisibleTo(&main()));
}

// Ctrl+N, Ctrl+A and Ctrl+P belong to menu items without a command: the window takes them,
// also from an edit or a grid cell, and nothing happens.
TEST_F(CommandsTest, DeadShortcutsDoNothingWhereverTheFocusIs) {
    QLineEdit* description = edit("edtProjDes");
    description->setText(QStringLiteral("Pond"));
    description->setFocus();
    description->setCursorPosition(2);
    for (const Qt::Key key : {Qt::Key_N, Qt::Key_A, Qt::Key_P}) {
        QTest::keyClick(description, key, Qt::ControlModifier);
        EXPECT_EQ(description->text(), "Pond");
        EXPECT_FALSE(description->hasSelectedText()) << "Ctrl+A selected the text";
    }
    StringGridWidget* rain = grid("sgMethodOne");
    rain->setFocus();
    rain->setCurrentCell(0, 0);
    QTest::keyClick(rain, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(rain->selectedItems().size(), 1);
    for (const char* name : {"New1", "Print3", "Edit1"})
        find<QAction>(name)->trigger();
    EXPECT_FALSE(results().isVisible());
    EXPECT_TRUE(main().isVisible());
    EXPECT_EQ(description->text(), "Pond");
}

TEST_F(CommandsTest, ResultsShortcutWorksFromAnEdit) {
    typeWorkedExampleInputs();
    edit("EditPSA")->setFocus();
    QTest::keyClick(edit("EditPSA"), Qt::Key_R, Qt::ControlModifier);
    EXPECT_TRUE(results().isVisible());
    EXPECT_EQ(main().capturedTables().rainfall.rowCount, 13);
}

TEST_F(CommandsTest, EveryResultsEntryRunsTheCommand) {
    typeWorkedExampleInputs();
    for (const char* name : {"Preview1", "pmnuPP", "tbnResults"}) {
        results().hide();
        grid("sgMethodOne")->appendRow(); // an empty trailing row each capture removes
        if (name == std::string("tbnResults"))
            QTest::mouseClick(find<QToolButton>(name), Qt::LeftButton);
        else
            find<QAction>(name)->trigger();
        EXPECT_TRUE(results().isVisible()) << name;
        EXPECT_EQ(grid("sgMethodOne")->rowCount(), 14) << name;
    }
}

TEST_F(CommandsTest, PrintButtonFaceRunsNothing) {
    QTest::mouseClick(find<QToolButton>("tbnPrint"), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(results().isVisible());
}

TEST_F(CommandsTest, AboutShowsItsTwoLines) {
    dialogs_.expectMessage(
        QStringLiteral("Velmora"),
        QStringLiteral("Velmora\nThis is a simple Modified Rational Method stormwater pond "
                       "routing analysis/design program you should be able to use for any "
                       "location for which you have the total rainfall depths."),
        MessageIcon::None);
    find<QAction>("About1")->trigger();
}

TEST_F(CommandsTest, EveryExitClosesAtOnceAlsoWithTheResultsWindowOpen) {
    typeWorkedExampleInputs();
    for (const char* name : {"Exit1", "Exit2", "tbnExit"}) {
        main().show();
        main().Preview1Click();
        ASSERT_TRUE(results().isVisible());
        if (name == std::string("tbnExit"))
            QTest::mouseClick(find<QToolButton>(name), Qt::LeftButton);
        else
            find<QAction>(name)->trigger();
        EXPECT_FALSE(main().isVisible()) << name;
        EXPECT_FALSE(results().isVisible()) << name;
        EXPECT_EQ(main().capturedTables().rainfall.rowCount, 0) << "tables not released";
    }
}

TEST_F(CommandsTest, ExitOnTheMenuBarOpensNoMenu) {
    EXPECT_EQ(find<QAction>("Exit1")->menu(), nullptr);
    QTest::keyClick(&main(), Qt::Key_X, Qt::AltModifier);
    EXPECT_FALSE(main().isVisible());
}

} // namespace
} // namespace velmora
