// The main window: every input of a project lives as text or a selection in its controls, and
// its menus, tool bar and pop-up menu start the program's commands.
#pragma once

#include "app/mainformlayout.h"
#include "engine/capture.h"
#include "engine/controls.h"
#include "platform/conversions.h"
#include "projectcontrols/projectcontrols.h"

#include <QMainWindow>

#include <map>
#include <memory>
#include <string>

class QAction;
class QButtonGroup;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolBar;
class QToolButton;

namespace velmora {

class Dialogs;
class HelpSystem;
class StringGridWidget;
class TDesignCheckFrm;
class TPrtPrvwFrm;
class TSizeOutletDlg;

// The window is also the form Open fills and Save reads (ProjectForm).
class TVelmoraMainFrm final : public QMainWindow, public ProjectForm {
    Q_OBJECT

  public:
    TVelmoraMainFrm(Dialogs& dialogs, HelpSystem& help, const FormatSettings& settings,
                    QWidget* parent = nullptr);
    ~TVelmoraMainFrm() override;

    // The design tools' windows, once opened; for tests.
    TDesignCheckFrm* designCheckWindow() const { return designCheck_.get(); }
    TSizeOutletDlg* sizeOutletDialog() const { return sizeOutlet_.get(); }

    // The results window the Results command shows.
    void setResultsWindow(TPrtPrvwFrm* resultsWindow);

    // What a results run reads: the controls' texts and selections at this moment, the tables
    // of the last capture, and the stage-discharge grid's row count (heading row included).
    MainWindowControls controlsSnapshot() const;
    const CapturedTables& capturedTables() const { return captured_; }
    int stageGridRowCount() const;
    const FormatSettings& formatSettings() const { return settings_; }

    // The intensity method: the item whose text the list shows exactly, or -1.
    int intensityMethodIndex() const;

    // A failed run's detail in the window's own words: a control's name at its start becomes
    // the caption the user sees beside it ("Av'g. Surf. Area Pond(Ac.): 'x' is not a valid
    // floating point value").
    QString describeFailure(const std::string& detail) const;

    // The status bar's two panels: 0 the project line, 1 the file line.
    QString statusPanelText(int panel) const;

    // Opens a project file as Open does once the user has chosen it.
    void openFile(const QString& path);

    // ProjectForm: the controls as Open fills them and Save reads them.
    std::string editText(std::string_view control) const override;
    void setEditText(std::string_view control, const std::string& text) override;
    Date projectDate() const override;
    void setProjectDate(Date date) override;
    int intensityMethod() const override;
    void setIntensityMethod(int index) override;
    int dischargeMethod() const override;
    void setDischargeMethod(int index) override;
    std::string userIntensity(int event) const override;
    void setUserIntensity(int event, const std::string& text) override;
    TextGrid& rainfallGrid() override;
    TextGrid& stageGrid() override;
    void applyOpenedOutletLayout(int method) override;
    void showIntensityGrid(bool shown) override;

    // The commands, as the menus, the tool bar and the buttons start them.
    void tbnNewFileClick();
    void Open1Click();
    void Save1Click();
    void Preview1Click();
    void Exit1Click();
    void Exit2Click();
    void Help2Click();
    void About1Click();
    void DesignCheck1Click();
    void SizeOutlet1Click();
    void addTimeClick();
    void cbxNtnstyMthdChange();
    void ComboBoxSelDischMethdChange();
    void stageDischClick();

    // Grid key handlers: true when the key is used up.
    bool sgMethodOneKeyPress(QKeyEvent& event);
    bool stageDischKeyPress(QKeyEvent& event);

  signals:
    // An input that a results run reads has changed (not the grids: they reach a run only
    // through the next capture).
    void inputsChanged();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    QMenu* createPopupMenu() override;

  private:
    void buildClientArea();
    QWidget* createControl(const ControlEntry& entry, QWidget* client);
    void buildGrids();
    void buildMenus();
    void buildToolBar();
    void buildStatusBar();
    void setTabOrder();
    void connectInputs();
    void writeDefaultRainfallTable();
    void writeGridHeadings();
    void applyOutletLayout(int method, bool captionsOfOpen);
    void setStatusPanels(const QString& project, const QString& file);
    bool captureTables();
    void focusCell(const CellConversionError& error);
    void focusControl(const EditConversionError& error);
    void noteInputChange();
    void writeProject(const QString& path, const ProjectValues& values);
    bool isWindowShortcut(const QKeyEvent& event) const;
    bool isDeadShortcut(const QKeyEvent& event) const;
    QChar decimalSeparator() const;

    // Runs a command; an exception that escapes it is shown in the standard error box.
    void runCommand(void (TVelmoraMainFrm::*command)());
    void runCommand(Command command);

    template <class Widget> Widget* control(std::string_view name) const;

    Dialogs& dialogs_;
    HelpSystem& help_;
    FormatSettings settings_;
    QString lastOpenName_; // each file dialog proposes the name last chosen in it
    QString lastSaveName_;
    bool fillingFromFile_ = false; // Open does not rerun an open results window
    CapturedTables captured_;
    TPrtPrvwFrm* resultsWindow_ = nullptr;
    std::unique_ptr<TDesignCheckFrm> designCheck_; // the design tools, made when first used
    std::unique_ptr<TSizeOutletDlg> sizeOutlet_;
    QWidget* client_ = nullptr;
    std::map<std::string, QWidget*, std::less<>> controls_;
    std::map<std::string, QAction*, std::less<>> actions_;

    // The controls, named as the rest of the program reads them.
    QLineEdit* edtProjDes = nullptr;
    QDateEdit* edtDisProjDate = nullptr;
    QLineEdit* edtProjNo = nullptr;
    QGroupBox* grpRainEvnt = nullptr;
    QButtonGroup* grpRainEvntButtons = nullptr;
    QLineEdit* EditPreCondArea = nullptr;
    QLineEdit* EditPostCondArea = nullptr;
    QComboBox* cbxNtnstyMthd = nullptr;
    QLineEdit* EditPreC = nullptr;
    QLineEdit* EditPostC = nullptr;
    QLineEdit* EditPreTc = nullptr;
    QLineEdit* EditPSA = nullptr;
    QLineEdit* EditpermpoolElev = nullptr;
    QLineEdit* EditRPerm = nullptr;
    QComboBox* ComboBoxSelDischMethd = nullptr;
    QLineEdit* EditWCEl = nullptr;
    QLineEdit* EditWCoef = nullptr;
    QLineEdit* EditNoEC = nullptr;
    QLineEdit* EditWeirLength = nullptr;
    QLineEdit* edtOrifCoef = nullptr;
    QLineEdit* edtOrifHt = nullptr;
    StringGridWidget* stageDisch = nullptr;
    StringGridWidget* sgUsrNtnsty = nullptr;
    StringGridWidget* sgMethodOne = nullptr;
    QPushButton* addTime = nullptr;
    QLabel* LabelWeirCrEl = nullptr;
    QLabel* LabelWeirLength = nullptr;
    QToolBar* tbrStandard = nullptr;
    QMenu* mnuPopup = nullptr;
    QLabel* projectPanel_ = nullptr;
    QLabel* filePanel_ = nullptr;
};

} // namespace velmora
