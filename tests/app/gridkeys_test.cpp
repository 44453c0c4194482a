// The grid key filter: what typed keys leave in a rainfall cell.
#include "app/gridkeyfilter.h"
#include "mainwindowfixture.h"

#include <QClipboard>
#include <QGuiApplication>

namespace velmora {
namespace {

struct KeyCase {
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
    GridKey verdict;
};

class FilterGridKeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(FilterGridKeyTest, DecidesByKeyAndText) {
    const KeyCase& c = GetParam();
    EXPECT_EQ(filterGridKey(c.key, c.modifiers, QString::fromLatin1(c.text), QLatin1Char(',')),
              c.verdict);
}

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;

const KeyCase kKeyCases[] = {
    {"Digit", Qt::Key_7, kNone, "7", GridKey::Pass},
    {"Point", Qt::Key_Period, kNone, ".", GridKey::Pass},
    {"LocaleComma", Qt::Key_Comma, kNone, ",", GridKey::Pass},
    {"Minus", Qt::Key_Minus, kNone, "-", GridKey::Pass},
    {"Exponent", Qt::Key_E, kNone, "e", GridKey::Pass},
    {"Letter", Qt::Key_A, kNone, "a", GridKey::Ignore},
    {"Blank", Qt::Key_Space, kNone, " ", GridKey::Ignore},
    {"AccentedLetter", Qt::Key_Eacute, kNone, "\xe9", GridKey::Ignore},
    {"CtrlC", Qt::Key_C, kCtrl, "\x03", GridKey::Pass},
    {"CtrlV", Qt::Key_V, kCtrl, "\x16", GridKey::Pass},
    {"CtrlXTypesNothing", Qt::Key_X, kCtrl, "\x18", GridKey::Ignore},
    {"CtrlZTypesNothing", Qt::Key_Z, kCtrl, "\x1a", GridKey::Ignore},
    {"CtrlJ", Qt::Key_J, kCtrl, "\n", GridKey::LineFeed},
    {"CtrlEnter", Qt::Key_Return, kCtrl, "\r", GridKey::LineFeed},
    {"CtrlKeypadEnter", Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier, "\r",
     GridKey::LineFeed},
    {"Backspace", Qt::Key_Backspace, kNone, "\b", GridKey::Pass},
    {"Enter", Qt::Key_Return, kNone, "\r", GridKey::Pass},
    {"Tab", Qt::Key_Tab, kNone, "\t", GridKey::Pass},
    {"Delete", Qt::Key_Delete, kNone, "\x7f", GridKey::Pass},
    {"Escape", Qt::Key_Escape, kNone, "\x1b", GridKey::Pass},
    {"Arrow", Qt::Key_Left, kNone, "", GridKey::Pass},
    {"CtrlArrow", Qt::Key_Left, kCtrl, "", GridKey::Pass},
    {"F2", Qt::Key_F2, kNone, "", GridKey::Pass},
    {"AltGrTypesItsCharacter", Qt::Key_2, Qt::ControlModifier | Qt::AltModifier, "@",
     GridKey::Ignore},
};

INSTANTIATE_TEST_SUITE_P(Cases, FilterGridKeyTest, ::testing::ValuesIn(kKeyCases),
                         [](const auto& info) { return std::string(info.param.name); });

class GridTypingTest : public MainWindowFixture {
  protected:
    // The cell editor of rainfall cell (column, row), open and empty.
    QLineEdit* emptyCellEditor(int column, int row) {
        StringGridWidget* rain = grid("sgMethodOne");
        rain->setCellText(column, row, QString());
        rain->setFocus();
        rain->setCurrentCell(row - 1, column);
        if (openCellEditor(rain) == nullptr)
            rain->editItem(rain->item(row - 1, column));
        QLineEdit* editor = openCellEditor(rain);
        EXPECT_NE(editor, nullptr);
        return editor;
    }
};

// Typing into a cell: characters that cannot be part of a number never reach it, nothing is
// turned into a digit, and what is typed goes to the cell at once.
TEST_F(GridTypingTest, TypedTextReachesTheCellFiltered) {
    struct Typed {
        const char* keys;
        const char* cell;
    };
    const Typed cases[] = {
        {"-1", "-1"}, {"2,5", "25"}, {"abc1.5", "1.5"}, {" 3 ", "3"}, {"1e-3", "1e-3"}, {"x", ""},
    };
    StringGridWidget* rain = grid("sgMethodOne");
    for (const Typed& typed : cases) {
        QLineEdit* editor = emptyCellEditor(2, 3);
        QTest::keyClicks(editor, QString::fromLatin1(typed.keys));
        EXPECT_EQ(editor->text().toStdString(), typed.cell) << typed.keys;
        EXPECT_EQ(rain->cell(2, 3), typed.cell) << typed.keys;
    }
}

TEST_F(GridTypingTest, ControlKeysOfTheCell) {
    StringGridWidget* rain = grid("sgMethodOne");
    QLineEdit* editor = emptyCellEditor(1, 1);
    QTest::keyClicks(editor, QStringLiteral("12"));
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(editor->text(), "12"); // neither cut nor replaced by a digit
    QTest::keyClick(editor, Qt::Key_J, Qt::ControlModifier);
    EXPECT_EQ(rain->rowCount(), 14); // a line feed adds rows to the stage grid only
    EXPECT_EQ(editor->text(), "12");
    editor->end(false);
    QTest::keyClick(editor, Qt::Key_Backspace);
    EXPECT_EQ(rain->cell(1, 1), "1");

    // Pasted text is not filtered.
    QGuiApplication::clipboard()->setText(QStringLiteral("ab"));
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(rain->cell(1, 1), "ab");
}

TEST_F(GridTypingTest, AKeyOnTheGridItselfIsFilteredBeforeAnEditorOpens) {
    StringGridWidget* rain = grid("sgMethodOne");
    rain->setCurrentCell(0, 0);
    QTest::keyClick(rain, Qt::Key_Q);
    EXPECT_EQ(rain->cell(0, 1), "0.0833");
}

TEST_F(GridTypingTest, TabAndShiftTabMoveBetweenCellsWithTheEditorOpen) {
    StringGridWidget* rain = grid("sgMethodOne");
    QLineEdit* editor = emptyCellEditor(1, 2);
    QTest::keyClick(editor, Qt::Key_Tab);
    EXPECT_EQ(rain->currentColumn(), 2);
    EXPECT_EQ(rain->currentRow(), 1);
    ASSERT_NE(openCellEditor(rain), nullptr);
    QTest::keyClick(openCellEditor(rain), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(rain->currentColumn(), 1);
    EXPECT_NE(openCellEditor(rain), nullptr);
}

TEST_F(GridTypingTest, PastingABlockFillsCellsAndAddsRows) {
    StringGridWidget* rain = grid("sgMethodOne");
    rain->setCurrentCell(12, 0); // row 13, the last
    QGuiApplication::clipboard()->setText(
        QStringLiteral("30\t7\t5.1\t9\t8.2\t11\r\n36\t7.5\t5.3\t9.4\t8.6\t11.6\r\n"));
    QTest::keyClick(rain, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(rain->rowCount(), 15);
    EXPECT_EQ(rain->cell(0, 13), "30");
    EXPECT_EQ(rain->cell(5, 14), "11.6");
}

class CommaGridTypingTest : public GridTypingTest {
  protected:
    FormatSettings settings() const override { return FormatSettings{',', "dd.MM.yyyy"}; }
};

TEST_F(CommaGridTypingTest, TheLocalesSeparatorCanBeTyped) {
    QLineEdit* editor = emptyCellEditor(2, 3);
    QTest::keyClicks(editor, QStringLiteral("2,5"));
    EXPECT_EQ(editor->text(), "2,5");
}

TEST_F(MainWindowFixture, IntensityGridTakesAnyText) {
    StringGridWidget* intensities = grid("sgUsrNtnsty");
    intensities->setFocus();
    intensities->setCurrentCell(0, 1);
    QTest::keyClicks(intensities, QStringLiteral("a"));
    QLineEdit* editor = openCellEditor(intensities);
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("b c"));
    EXPECT_EQ(intensities->cell(1, 1), "ab c");
}

} // namespace
} // namespace velmora
