// The two windows on Qt's offscreen platform with scripted dialogs, as each test of the
// desktop program starts them.
#pragma once

#include "app/application.h"
#include "app/prtprvwfrm.h"
#include "app/stringgridwidget.h"
#include "app/velmoramainfrm.h"
#include "platform/help/helpsystem.h"
#include "scripteddialogs.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

// Readable QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace velmora {

class MainWindowFixture : public ::testing::Test {
  protected:
    // The conventions the windows run under; a test of another locale overrides it.
    virtual FormatSettings settings() const { return cLocaleSettings(); }

    void SetUp() override {
        windows_ = createWindows(dialogs_, help_, settings());
        main().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main()));
    }

    void TearDown() override {
        QApplication::processEvents();
        dialogs_.verifyAllShown();
    }

    TVelmoraMainFrm& main() { return *windows_.VelmoraMainFrm; }
    TPrtPrvwFrm& results() { return *windows_.PrtPrvwFrm; }

    template <class Widget> Widget* find(const char* name) {
        auto* widget = main().findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << "no " << name;
        return widget;
    }

    QLineEdit* edit(const char* name) { return find<QLineEdit>(name); }
    StringGridWidget* grid(const char* name) { return find<StringGridWidget>(name); }

    // The editor open on a grid's current cell; closed editors linger hidden until deleted.
    static QLineEdit* openCellEditor(StringGridWidget* grid) {
        for (QLineEdit* editor : grid->viewport()->findChildren<QLineEdit*>())
            if (editor->isVisible())
                return editor;
        return nullptr;
    }

    // Replaces an edit's text as typing would, so the window hears of the change.
    void typeInto(const char* name, const QString& text) {
        QLineEdit* line = edit(name);
        line->selectAll();
        line->del();
        QTest::keyClicks(line, text);
    }

    // The inputs of the worked example: a 10-acre site, a 0.75-acre pond, a weir.
    void typeWorkedExampleInputs() {
        edit("edtProjDes")->setText(QStringLiteral("Example detention pond"));
        edit("edtProjNo")->setText(QStringLiteral("P-101"));
        edit("EditPreCondArea")->setText(QStringLiteral("10"));
        edit("EditPostCondArea")->setText(QStringLiteral("10"));
        edit("EditPreC")->setText(QStringLiteral("0.2"));
        edit("EditPostC")->setText(QStringLiteral("0.85"));
        edit("EditPreTc")->setText(QStringLiteral("60"));
        edit("EditPSA")->setText(QStringLiteral("0.75"));
        edit("EditpermpoolElev")->setText(QStringLiteral("25"));
        edit("EditRPerm")->setText(QStringLiteral("0.5"));
        edit("EditWCEl")->setText(QStringLiteral("26.5"));
        edit("EditWCoef")->setText(QStringLiteral("3.33"));
        edit("EditNoEC")->setText(QStringLiteral("0"));
        edit("EditWeirLength")->setText(QStringLiteral("12"));
        StringGridWidget* intensities = grid("sgUsrNtnsty");
        const char* values[] = {"4.5", "5.2", "6.1", "6.8", "7.5"};
        for (int r = 1; r <= 5; ++r)
            intensities->setCellText(1, r, QString::fromLatin1(values[r - 1]));
    }

    ScriptedDialogs dialogs_; // outlives the windows
    HelpSystem help_{QStringList{QStringLiteral(VELMORA_TEST_HELP_DIR)}};
    VelmoraWindows windows_;
};

} // namespace velmora
