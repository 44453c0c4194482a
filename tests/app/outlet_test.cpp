// The outlet controls: the layout of each discharge method, the stage-discharge grid's
// Ctrl+J, and New.
#include "mainwindowfixture.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>

namespace velmora {
namespace {

class OutletTest : public MainWindowFixture {
  protected:
    void chooseMethod(int method) {
        auto* list = find<QComboBox>("ComboBoxSelDischMethd");
        list->setCurrentIndex(method);
        emit list->activated(method);
    }

    bool shown(const char* name) { return find<QWidget>(name)->isVisibleTo(&main()); }
    QString caption(const char* name) { return find<QLabel>(name)->text(); }
};

struct LayoutCase {
    const char* name;
    int method;
    const char* crestCaption; // after choosing the weir, then this method
    const char* lengthCaption;
    std::vector<const char*> shown;
};

const std::vector<const char*> kOutletControls{
    "LabelWeirCrEl", "EditWCEl",        "LabelWCoef",     "EditWCoef",     "LabelNoEC",
    "EditNoEC",      "LabelWeirLength", "EditWeirLength", "lblOrifCoef",   "edtOrifCoef",
    "lblOrifHt",     "edtOrifHt",       "stageDisch",     "lblStgDschIncr"};

class OutletLayoutTest : public OutletTest, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(OutletLayoutTest, ShowsItsFieldsWithItsCaptions) {
    const LayoutCase& c = GetParam();
    chooseMethod(0);
    chooseMethod(c.method);
    EXPECT_EQ(caption("LabelWeirCrEl"), c.crestCaption);
    EXPECT_EQ(caption("LabelWeirLength"), c.lengthCaption);
    for (const char* control : kOutletControls) {
        const bool expected = std::find_if(c.shown.begin(), c.shown.end(), [&](const char* s) {
                                  return std::string(s) == control;
                              }) != c.shown.end();
        EXPECT_EQ(shown(control), expected) << control;
    }
    EXPECT_TRUE(shown("LabelSelDischMthd"));
    EXPECT_TRUE(shown("ComboBoxSelDischMethd"));
}

INSTANTIATE_TEST_SUITE_P(
    Methods, OutletLayoutTest,
    ::testing::Values(LayoutCase{"RectangularWeir",
                                 0,
                                 "Weir Crest Elev. (ft.)",
                                 "Weir Length(in.):",
                                 {"LabelWeirCrEl", "EditWCEl", "LabelWCoef", "EditWCoef",
                                  "LabelNoEC", "EditNoEC", "LabelWeirLength", "EditWeirLength"}},
                      LayoutCase{"CircularOrifice",
                                 1,
                                 "Orif. Inv. Elev. (ft.)",
                                 "Orif. Diam. (in.):",
                                 {"LabelWeirCrEl", "EditWCEl", "LabelWCoef", "EditWCoef",
                                  "LabelWeirLength", "EditWeirLength", "lblOrifCoef",
                                  "edtOrifCoef"}},
                      LayoutCase{"RectangularOrifice",
                                 2,
                                 "Orif. Inv. Elev. (ft.)",
                                 "Orif. Width (in.):",
                                 {"LabelWeirCrEl", "EditWCEl", "LabelWCoef", "EditWCoef",
                                  "LabelNoEC", "EditNoEC", "LabelWeirLength", "EditWeirLength",
                                  "lblOrifCoef", "edtOrifCoef", "lblOrifHt", "edtOrifHt"}},
                      // The table leaves the captions as the weir set them.
                      LayoutCase{"StageDischargeTable",
                                 3,
                                 "Weir Crest Elev. (ft.)",
                                 "Weir Length(in.):",
                                 {"stageDisch", "lblStgDschIncr"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(OutletTest, SwitchingBackAndForthKeepsTheTexts) {
    edit("EditNoEC")->setText(QStringLiteral("2"));
    edit("edtOrifCoef")->setText(QStringLiteral("0.62"));
    chooseMethod(1);
    EXPECT_FALSE(shown("EditNoEC"));
    chooseMethod(2);
    chooseMethod(3);
    EXPECT_EQ(caption("LabelWeirLength"), "Orif. Width (in.):"); // as the orifice left it
    chooseMethod(0);
    EXPECT_TRUE(shown("EditNoEC"));
    EXPECT_EQ(edit("EditNoEC")->text(), "2");
    EXPECT_EQ(edit("edtOrifCoef")->text(), "0.62");
    EXPECT_EQ(edit("edtOrifHt")->text(), "6");
}

TEST_F(OutletTest, CtrlJInTheStageGridAddsOneRowAfterTheMessage) {
    chooseMethod(3);
    StringGridWidget* stage = grid("stageDisch");
    stage->setFocus();
    stage->setCurrentCell(0, 0);
    for (int press = 1; press <= 2; ++press) {
        dialogs_.expectMessage(QStringLiteral("Information"),
                               QStringLiteral("1 row added to Stage-Disch Table"),
                               MessageIcon::Information);
        QLineEdit* editor = openCellEditor(stage);
        ASSERT_NE(editor, nullptr);
        QTest::keyClick(editor, Qt::Key_J, Qt::ControlModifier);
        EXPECT_EQ(stage->rowCount(), 5 + press);
        EXPECT_EQ(main().capturedTables().stageRowCount, 5 + press);
    }
    dialogs_.expectMessage(QStringLiteral("Information"),
                           QStringLiteral("1 row added to Stage-Disch Table"),
                           MessageIcon::Information);
    QTest::keyClick(stage, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(stage->rowCount(), 8);

    QLineEdit* editor = openCellEditor(stage);
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("2a6"));
    EXPECT_EQ(editor->text(), "26");
}

TEST_F(OutletTest, NewClearsTheProjectAndKeepsTheRest) {
    typeWorkedExampleInputs();
    chooseMethod(2);
    edit("edtOrifCoef")->setText(QStringLiteral("0.62"));
    find<QDateEdit>("edtDisProjDate")->setDate(QDate(2007, 3, 15));
    find<QComboBox>("cbxNtnstyMthd")->setCurrentIndex(1);
    grid("stageDisch")->setCellText(0, 1, QStringLiteral("25"));
    grid("sgMethodOne")->setCellText(1, 1, QStringLiteral("0.7"));
    main().Preview1Click();
    const int capturedRows = main().capturedTables().rainfall.rowCount;

    main().tbnNewFileClick();

    for (const char* cleared : {"edtProjDes", "edtProjNo", "EditPreCondArea", "EditPostCondArea",
                                "EditPreC", "EditPostC", "EditPreTc", "EditPSA", "EditpermpoolElev",
                                "EditRPerm", "EditWCEl", "EditWCoef", "EditNoEC", "EditWeirLength"})
        EXPECT_EQ(edit(cleared)->text(), " ") << cleared;
    EXPECT_EQ(find<QComboBox>("ComboBoxSelDischMethd")->currentIndex(), 0);
    EXPECT_EQ(caption("LabelWeirCrEl"), "Weir Crest Elev. (ft.)");
    EXPECT_EQ(caption("LabelWeirLength"), "Weir Length(in.):");
    EXPECT_TRUE(shown("EditNoEC"));
    EXPECT_FALSE(shown("edtOrifHt"));
    EXPECT_FALSE(shown("stageDisch"));
    EXPECT_EQ(main().statusPanelText(0), "Proj:  ");
    EXPECT_EQ(main().statusPanelText(1), "File: ");
    // What New leaves alone.
    EXPECT_EQ(edit("edtOrifCoef")->text(), "0.62");
    EXPECT_EQ(edit("edtOrifHt")->text(), "6");
    EXPECT_EQ(find<QDateEdit>("edtDisProjDate")->date(), QDate(2007, 3, 15));
    EXPECT_EQ(find<QComboBox>("cbxNtnstyMthd")->currentIndex(), 1);
    EXPECT_EQ(grid("stageDisch")->cell(0, 1), "25");
    EXPECT_EQ(grid("sgMethodOne")->cell(1, 1), "0.7");
    EXPECT_EQ(grid("sgUsrNtnsty")->cell(1, 1), "4.5");
    EXPECT_EQ(main().capturedTables().rainfall.rowCount, capturedRows);
    // A blank pond area fails the next run.
    dialogs_.expectMessage(QStringLiteral("Error"), QStringLiteral("CHECK DATA!"),
                           MessageIcon::None);
    main().Preview1Click();
    results().grab();
    QApplication::processEvents();
}

TEST_F(OutletTest, ClickingTheStageGridRunsNothing) {
    chooseMethod(3);
    QTest::mouseClick(grid("stageDisch")->viewport(), Qt::LeftButton);
    EXPECT_EQ(grid("stageDisch")->rowCount(), 5);
}

} // namespace
} // namespace velmora
