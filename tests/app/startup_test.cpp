// The main window as it starts: every control where it was designed, the menus, the tool bar,
// the status bar and the default tables.
#include "app/mainformlayout.h"
#include "mainwindowfixture.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include <gmock/gmock.h>

namespace velmora {
namespace {

using ::testing::ElementsAre;

class StartupTest : public MainWindowFixture {
  protected:
    // A widget's place in the designed client area, whose origin is the tool bar's top left.
    QRect clientGeometry(const QWidget* widget) {
        const QPoint origin = find<QToolBar>("tbrStandard")->mapTo(&main(), QPoint(0, 0));
        return QRect(widget->mapTo(&main(), QPoint(0, 0)) - origin, widget->size());
    }
};

bool isOfKind(const QWidget* widget, ControlKind kind) {
    switch (kind) {
    case ControlKind::Edit:
        return qobject_cast<const QLineEdit*>(widget) != nullptr;
    case ControlKind::DatePicker:
        return qobject_cast<const QDateEdit*>(widget) != nullptr;
    case ControlKind::EditableComboBox: {
        auto* combo = qobject_cast<const QComboBox*>(widget);
        return combo != nullptr && combo->isEditable();
    }
    case ControlKind::DropDownList: {
        auto* combo = qobject_cast<const QComboBox*>(widget);
        return combo != nullptr && !combo->isEditable();
    }
    case ControlKind::RadioGroup:
        return qobject_cast<const QGroupBox*>(widget) != nullptr;
    case ControlKind::StringGrid:
        return qobject_cast<const StringGridWidget*>(widget) != nullptr;
    case ControlKind::Button:
        return qobject_cast<const QPushButton*>(widget) != nullptr;
    case ControlKind::Label:
    case ControlKind::HeadingLabel:
        return qobject_cast<const QLabel*>(widget) != nullptr;
    }
    return false;
}

QString textOf(const QWidget* widget) {
    if (auto* line = qobject_cast<const QLineEdit*>(widget))
        return line->text();
    if (auto* combo = qobject_cast<const QComboBox*>(widget))
        return combo->currentText();
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (auto* button = qobject_cast<const QPushButton*>(widget))
        return button->text();
    if (auto* group = qobject_cast<const QGroupBox*>(widget))
        return group->title();
    return {};
}

// Every row of the window's table, checked on the built window: kind, place, size, text and
// visibility. Labels are as wide as their caption and must end before the next control.
TEST_F(StartupTest, EveryControlStandsWhereItWasDesigned) {
    for (const ControlEntry& entry : mainFormControls()) {
        SCOPED_TRACE(std::string(entry.name));
        const QWidget* widget = find<QWidget>(std::string(entry.name).c_str());
        ASSERT_NE(widget, nullptr);
        EXPECT_TRUE(isOfKind(widget, entry.kind));
        const QRect at = clientGeometry(widget);
        EXPECT_EQ(at.topLeft(), QPoint(entry.left, entry.top));
        EXPECT_EQ(at.height(), entry.height);
        if (entry.width > 0) {
            EXPECT_EQ(at.width(), entry.width);
        } else {
            EXPECT_GE(at.width(), widget->fontMetrics().horizontalAdvance(textOf(widget)));
        }
        EXPECT_EQ(widget->isVisibleTo(&main()), entry.visible);
        if (!entry.text.empty() && entry.kind != ControlKind::StringGrid) {
            EXPECT_EQ(textOf(widget).toStdString(), std::string(entry.text));
        }
        if (entry.maxLength > 0) {
            EXPECT_NE(qobject_cast<const QLineEdit*>(widget)->validator(), nullptr);
        }
    }
}

// A few of the designed values, written out, so a slip in the window's table shows here.
TEST_F(StartupTest, DesignedValuesSpotChecked) {
    struct Row {
        const char* name;
        QRect geometry;
        bool visible;
    };
    const Row rows[] = {
        {"edtProjDes", {160, 24, 153, 21}, true},
        {"edtDisProjDate", {313, 24, 186, 21}, true},
        {"grpRainEvnt", {504, 56, 121, 105}, true},
        {"cbxNtnstyMthd", {536, 232, 121, 21}, true},
        {"EditRPerm", {569, 272, 57, 21}, true},
        {"ComboBoxSelDischMethd", {129, 296, 281, 21}, true},
        {"edtOrifHt", {632, 344, 33, 21}, false},
        {"stageDisch", {201, 344, 161, 129}, false},
        {"sgUsrNtnsty", {368, 344, 161, 128}, true},
        {"sgMethodOne", {0, 48, 500, 177}, true},
        {"addTime", {1, 24, 89, 25}, true},
        {"Label2", {88, 24, 72, 16}, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QWidget* widget = find<QWidget>(row.name);
        EXPECT_EQ(clientGeometry(widget), row.geometry);
        EXPECT_EQ(widget->isVisibleTo(&main()), row.visible);
    }
    // Typing stops at 5, 5 and 3 characters.
    for (const auto& [name, typed] :
         {std::pair{"EditPreTc", "123456"}, std::pair{"EditRPerm", "0.12345"},
          std::pair{"EditNoEC", "1234"}}) {
        QTest::keyClicks(edit(name), QString::fromLatin1(typed));
        EXPECT_EQ(edit(name)->text().size(), std::string(name) == "EditNoEC" ? 3 : 5) << name;
    }
    EXPECT_EQ(edit("edtOrifCoef")->text(), "0.6");
    EXPECT_EQ(edit("edtOrifHt")->text(), "6");
    EXPECT_EQ(find<QLabel>("LabelWeirCrEl")->text(), "Weir Crest Elev. (ft.)");
    EXPECT_EQ(find<QLabel>("LabelWeirLength")->text(), "Weir Length(in.):");
    EXPECT_EQ(find<QLabel>("Label3")->palette().color(QPalette::Window), QColor(166, 202, 240));
}

// Labels end before the control to their right: nothing is cut off or overlaps.
TEST_F(StartupTest, CaptionsFitTheirRoom) {
    const std::pair<const char*, const char*> neighbours[] = {
        {"LabelPreCondArea", "EditPreCondArea"},
        {"LabelPostCondArea", "EditPostCondArea"},
        {"lblPreNtnstyMthd", "cbxNtnstyMthd"},
        {"LabelPreC", "EditPreC"},
        {"LabelPostC", "EditPostC"},
        {"LabelPreTc", "EditPreTc"},
        {"LabelPndSA", "EditPSA"},
        {"LabelpermpoolElev", "EditpermpoolElev"},
        {"LabelRPerm", "EditRPerm"},
        {"LabelSelDischMthd", "ComboBoxSelDischMethd"},
        {"LabelWeirCrEl", "EditWCEl"},
        {"LabelWCoef", "EditWCoef"},
        {"LabelNoEC", "EditNoEC"},
        {"LabelWeirLength", "EditWeirLength"},
        {"lblOrifCoef", "edtOrifCoef"},
        {"lblOrifHt", "edtOrifHt"},
    };
    for (const auto& [labelName, fieldName] : neighbours) {
        auto* label = find<QLabel>(labelName);
        const int textEnd = label->x() + label->fontMetrics().horizontalAdvance(label->text());
        EXPECT_LE(textEnd, find<QWidget>(fieldName)->x()) << labelName;
    }
    for (const char* heading : {"Label2", "Label3"}) {
        auto* label = find<QLabel>(heading);
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << heading;
    }
}

TEST_F(StartupTest, TabFollowsTheDesignedOrder) {
    std::vector<const ControlEntry*> stops;
    for (const ControlEntry& entry : mainFormControls())
        if (entry.tabOrder > 0 && entry.visible)
            stops.push_back(&entry);
    std::sort(stops.begin(), stops.end(),
              [](const auto* a, const auto* b) { return a->tabOrder < b->tabOrder; });
    auto stopOf = [&](QWidget* widget) -> const ControlEntry* {
        for (const ControlEntry* entry : stops) {
            QWidget* control = find<QWidget>(std::string(entry->name).c_str());
            if (widget == control || control->isAncestorOf(widget))
                return entry;
        }
        return nullptr;
    };
    // From each stop, the next widget in the chain that takes Tab belongs to the next stop.
    for (std::size_t i = 0; i + 1 < stops.size(); ++i) {
        QWidget* widget = find<QWidget>(std::string(stops[i]->name).c_str());
        if (stops[i]->kind == ControlKind::RadioGroup)
            widget = find<QButtonGroup>("grpRainEvntButtons")->buttons().constLast();
        const ControlEntry* next = nullptr;
        for (QWidget* w = widget->nextInFocusChain(); w != widget && next == nullptr;
             w = w->nextInFocusChain())
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(&main()) && stopOf(w) &&
                stopOf(w) != stops[i])
                next = stopOf(w);
        ASSERT_NE(next, nullptr) << stops[i]->name;
        EXPECT_EQ(next->name, stops[i + 1]->name) << "after " << stops[i]->name;
    }
}

TEST_F(StartupTest, ListsRadioGroupAndDate) {
    auto* intensity = find<QComboBox>("cbxNtnstyMthd");
    EXPECT_EQ(intensity->count(), 2);
    EXPECT_EQ(intensity->itemText(0), "User supplied ");
    EXPECT_EQ(intensity->itemText(1), "Jacksonville Curves");
    EXPECT_EQ(main().intensityMethodIndex(), 0);
    intensity->setEditText(QStringLiteral("User supplied"));
    EXPECT_EQ(main().intensityMethodIndex(), -1); // the trailing blank is part of the item
    intensity->setEditText(QStringLiteral("Jacksonville Curves"));
    EXPECT_EQ(main().intensityMethodIndex(), 1);

    auto* method = find<QComboBox>("ComboBoxSelDischMethd");
    EXPECT_EQ(method->currentIndex(), 0);
    EXPECT_EQ(method->maxVisibleItems(), 4);
    EXPECT_EQ(method->itemText(3),
              "4  Calculate discharge using manually entered stage/discharge curve and "
              "infiltration");

    auto* events = find<QButtonGroup>("grpRainEvntButtons");
    std::vector<std::string> items;
    for (int id = 0; id < 5; ++id)
        items.push_back(events->button(id)->text().toStdString());
    EXPECT_THAT(items, ElementsAre("5 year", "10 year", "25 year", "50 year", "100 year"));
    EXPECT_EQ(events->checkedId(), 0);

    auto* date = find<QDateEdit>("edtDisProjDate");
    EXPECT_EQ(date->date(), QDate(2005, 1, 1));
    EXPECT_EQ(date->text(), "1/1/2005");
    EXPECT_TRUE(date->calendarPopup());
}

TEST_F(StartupTest, GridsWithTheirHeadings) {
    StringGridWidget* rain = grid("sgMethodOne");
    EXPECT_EQ(rain->rowCount(), 14);
    EXPECT_EQ(rain->columnCount(), 6);
    EXPECT_EQ(rain->columnWidth(0), 108);
    EXPECT_EQ(rain->rowHeight(0), 24);
    EXPECT_EQ(rain->horizontalHeader()->height(), 24);
    std::vector<std::string> headings;
    for (int c = 0; c < 6; ++c)
        headings.push_back(rain->cell(c, 0));
    EXPECT_THAT(headings,
                ElementsAre("Time(hrs)", "5yr Rainfall(in)", "10yr Rainfall(in)",
                            "25yr Rainfall(in)", "50yr Rainfall(in)", "100yr Rainfall(in)"));

    StringGridWidget* stage = grid("stageDisch");
    EXPECT_EQ(stage->rowCount(), 5);
    EXPECT_EQ(stage->cell(0, 0), "Stage(ft)");
    EXPECT_EQ(stage->cell(1, 0), "Dich.(cfs)");
    EXPECT_EQ(stage->columnWidth(0), 66);
    EXPECT_EQ(stage->cell(0, 1), "");

    StringGridWidget* intensity = grid("sgUsrNtnsty");
    EXPECT_EQ(intensity->rowCount(), 6);
    EXPECT_EQ(intensity->columnCount(), 2);
    EXPECT_EQ(intensity->cell(0, 0), " Year");
    EXPECT_EQ(intensity->cell(1, 0), "Intens.(\"/hr)");
    std::vector<std::string> events;
    for (int r = 1; r <= 5; ++r) {
        events.push_back(intensity->cell(0, r));
        EXPECT_EQ(intensity->cell(1, r), "");
        EXPECT_FALSE(intensity->item(r - 1, 0)->flags() & Qt::ItemIsEditable);
    }
    EXPECT_THAT(events, ElementsAre("  5", " 10", " 25", " 50", " 100"));
}

TEST_F(StartupTest, WindowMenusToolBarAndStatusBar) {
    EXPECT_EQ(main().objectName(), "VelmoraMainFrm");
    EXPECT_EQ(main().windowTitle(), "Velmora");
    EXPECT_EQ(QApplication::applicationName(), "Velmora");
    EXPECT_EQ(find<QToolBar>("tbrStandard")->height(), 25);
    EXPECT_EQ(main().statusBar()->height(), 19);
    EXPECT_EQ(find<QLabel>("StatusBar1Panel0")->width(), 200);
    EXPECT_EQ(main().statusPanelText(0), "");
    EXPECT_EQ(main().statusPanelText(1), "");

    struct Item {
        const char* name;
        const char* text;
        const char* shortcut;
        bool visible;
    };
    const Item items[] = {
        {"File1", "&File", "", true},
        {"New1", "&New", "Ctrl+N", true},
        {"Open1", "&Open", "Ctrl+O", true},
        {"Save1", "&Save", "Ctrl+S", true},
        {"SaveAs1", "Save&As", "Ctrl+A", false},
        {"Exit2", "E&xit", "", true},
        {"Print1", "&Print", "", true},
        {"Preview1", "P&review", "Ctrl+R", true},
        {"Print2", "&Print", "Ctrl+P", false},
        {"Edit1", "&Edit", "", true},
        {"Exit1", "E&xit", "", true},
        {"Help1", "&Help", "", true},
        {"Help2", "&Help", "", true},
        {"About1", "&About", "", true},
        {"pmnuPP", "&Print Preview", "", true},
        {"Print3", "Prin&t", "", true},
    };
    for (const Item& item : items) {
        SCOPED_TRACE(item.name);
        auto* action = find<QAction>(item.name);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text(), item.text);
        EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromLatin1(item.shortcut)));
        EXPECT_EQ(action->isVisible(), item.visible);
    }
    std::vector<std::string> bar;
    for (QAction* action : main().menuBar()->actions())
        bar.push_back(action->objectName().toStdString());
    EXPECT_THAT(bar, ElementsAre("File1", "Print1", "Edit1", "Exit1", "Help1", "Tools1"));
    EXPECT_EQ(find<QAction>("Edit1")->menu(), nullptr);
    EXPECT_EQ(find<QAction>("Exit1")->menu(), nullptr);

    std::vector<std::string> buttons;
    for (QToolButton* button : find<QToolBar>("tbrStandard")->findChildren<QToolButton*>())
        if (button->objectName().startsWith(QLatin1String("tbn")))
            buttons.push_back(button->objectName().toStdString() + " " +
                              button->toolTip().toStdString());
    EXPECT_THAT(buttons, ElementsAre("tbnNewFile Open New File", "tbnOpenFile Open File",
                                     "tbnSave Save File", "tbnResults Results",
                                     "tbnPrint Print Menu", "tbnExit Exit program"));
    // The separators: 8 pixels after Save and after the print menu.
    EXPECT_EQ(
        find<QToolButton>("tbnResults")->x() - find<QToolButton>("tbnSave")->geometry().right(), 9);
    EXPECT_EQ(find<QToolButton>("tbnExit")->x() - find<QToolButton>("tbnPrint")->geometry().right(),
              9);
    auto* print = find<QToolButton>("tbnPrint");
    EXPECT_EQ(print->menu(), find<QMenu>("mnuPopup"));
    EXPECT_EQ(print->popupMode(), QToolButton::MenuButtonPopup);
    for (const char* name : {"tbnNewFile", "tbnExit"}) {
        EXPECT_EQ(find<QToolButton>(name)->size(), QSize(23, 22)) << name;
        EXPECT_FALSE(find<QToolButton>(name)->icon().isNull()) << name;
    }
    EXPECT_EQ(find<QToolBar>("tbrStandard")->iconSize(), QSize(16, 16));
    EXPECT_FALSE(QApplication::windowIcon().isNull());
}

TEST_F(StartupTest, ASmallerWindowScrollsTheControlsUnderFullWidthBars) {
    main().resize(420, 300);
    QApplication::processEvents();
    auto* scroll = find<QScrollArea>("clientScrollArea");
    EXPECT_TRUE(scroll->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(scroll->verticalScrollBar()->isVisible());
    EXPECT_EQ(find<QToolBar>("tbrStandard")->width(), main().width());
    EXPECT_EQ(main().statusBar()->width(), main().width());
    // The controls keep their designed places inside the scrolled area.
    EXPECT_EQ(clientGeometry(find<QWidget>("EditWeirLength")).topLeft(), QPoint(520, 320));
}

class CommaLocaleStartupTest : public StartupTest {
  protected:
    FormatSettings settings() const override { return FormatSettings{',', "dd.MM.yyyy"}; }
};

TEST_F(StartupTest, DefaultRainfallTableWithAPoint) {
    StringGridWidget* rain = grid("sgMethodOne");
    EXPECT_EQ(rain->cell(0, 1), "0.0833");
    EXPECT_EQ(rain->cell(5, 1), "0.85");
    EXPECT_EQ(rain->cell(2, 4), "2.7");
    EXPECT_EQ(rain->cell(0, 5), "1");
    EXPECT_EQ(rain->cell(3, 8), "5");
    EXPECT_EQ(rain->cell(0, 13), "24");
    EXPECT_EQ(rain->cell(5, 13), "10.31");
}

TEST_F(CommaLocaleStartupTest, DefaultRainfallTableWithTheLocalesComma) {
    StringGridWidget* rain = grid("sgMethodOne");
    EXPECT_EQ(rain->cell(0, 1), "0,0833");
    EXPECT_EQ(rain->cell(2, 2), "1,478");
    EXPECT_EQ(rain->cell(0, 5), "1");
    EXPECT_EQ(rain->cell(5, 13), "10,31");
    EXPECT_EQ(find<QDateEdit>("edtDisProjDate")->text(), "01.01.2005");
}

} // namespace
} // namespace velmora
