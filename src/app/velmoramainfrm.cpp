#include "app/velmoramainfrm.h"

#include "app/designcheckfrm.h"
#include "app/gridkeyfilter.h"
#include "app/prtprvwfrm.h"
#include "app/sizeoutletdlg.h"
#include "app/stringgridwidget.h"
#include "platform/dialogs/dialogs.h"
#include "platform/help/helpsystem.h"
#include "projectfile/projectfile.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QFileInfo>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValidator>

#include <algorithm>
#include <array>
#include <exception>
#include <stdexcept>
#include <vector>

namespace velmora {

namespace {

// The three grids: columns, rows and their sizes in pixels.
struct GridEntry {
    std::string_view name;
    StringGridLook look;
};

const std::array<GridEntry, 3>& gridEntries() {
    static const std::array<GridEntry, 3> entries{{
        {"sgMethodOne", {6, 14, {108, 108, 108, 108, 108, 108}, 24, false, true}},
        {"sgUsrNtnsty", {2, 6, {64, 64}, 20, true, false}},
        {"stageDisch", {2, 5, {66, 64}, 24, false, true}},
    }};
    return entries;
}

// pixels: the radio group's items share the box below its caption evenly
constexpr QMargins kRadioGroupMargins(8, 2, 4, 2);
const QColor kHeadingLabelColor(166, 202, 240); // sky blue

// Limits what the user types into an edit; a text the program puts there (Open's 0.00 in the
// 3-character end contractions) stays whole, where QLineEdit's own maximum would cut it.
class TypingLimit final : public QValidator {
  public:
    TypingLimit(int limit, QObject* parent) : QValidator(parent), limit_(limit) {}
    State validate(QString& input, int&) const override {
        return input.size() <= limit_ ? Acceptable : Invalid;
    }

  private:
    int limit_;
};

QString qstr(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFont windowFont(int pixelSize) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}

Date dateOf(const QDate& date) {
    return Date{std::chrono::year{date.year()},
                std::chrono::month{static_cast<unsigned>(date.month())},
                std::chrono::day{static_cast<unsigned>(date.day())}};
}

// The short date pattern as the date picker's display format: the same letters, upper-case
// M for months and lower-case d and y.
QString displayFormatOf(const std::string& pattern) {
    QString format;
    for (const char c : pattern) {
        switch (c) {
        case 'd':
        case 'D':
            format += QLatin1Char('d');
            break;
        case 'm':
        case 'M':
            format += QLatin1Char('M');
            break;
        case 'y':
        case 'Y':
            format += QLatin1Char('y');
            break;
        default:
            format += QLatin1Char(c);
        }
    }
    return format;
}

QIcon toolIcon(std::string_view iconName) {
    const QString name = qstr(iconName);
    return QIcon::fromTheme(name,
                            QIcon(QStringLiteral(":/icons/") + name + QStringLiteral(".svg")));
}

} // namespace

TVelmoraMainFrm::TVelmoraMainFrm(Dialogs& dialogs, HelpSystem& help, const FormatSettings& settings,
                                 QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), help_(help), settings_(settings),
      lastOpenName_(QStringLiteral("Untitled")) {
    setObjectName(QStringLiteral("VelmoraMainFrm"));
    setWindowTitle(QStringLiteral("Velmora"));
    setFont(windowFont(kFontPixelSize));
    buildClientArea();
    buildGrids();
    buildMenus();
    buildToolBar();
    buildStatusBar();
    setTabOrder();

    // The window as it starts: the weir with its layout, the default rainfall table and the
    // headings of the other two grids. The selection does not run the list's change handler.
    ComboBoxSelDischMethd->setCurrentIndex(0);
    applyOutletLayout(0, false);
    writeDefaultRainfallTable();
    writeGridHeadings();

    connectInputs();
    qApp->installEventFilter(this);
    resize(kClientWidth, menuBar()->sizeHint().height() + kClientHeight);
}

TVelmoraMainFrm::~TVelmoraMainFrm() {
    qApp->removeEventFilter(this);
}

void TVelmoraMainFrm::setResultsWindow(TPrtPrvwFrm* resultsWindow) {
    resultsWindow_ = resultsWindow;
}

template <class Widget> Widget* TVelmoraMainFrm::control(std::string_view name) const {
    const auto found = controls_.find(name);
    if (found == controls_.end())
        throw std::logic_error("the main window has no control " + std::string(name));
    return static_cast<Widget*>(found->second);
}

// The controls stand on a client widget laid out in the designed client coordinates: its top
// 25 pixels lie under the tool bar and its bottom 19 under the status bar, so a window smaller
// than the design scrolls the controls while both bars keep the full width.
void TVelmoraMainFrm::buildClientArea() {
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("clientScrollArea"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(false);
    auto* visible = new QWidget;
    visible->setFixedSize(kClientWidth, kClientHeight - kToolBarHeight - kStatusBarHeight);
    client_ = new QWidget(visible);
    client_->setObjectName(QStringLiteral("clientArea"));
    client_->setGeometry(0, -kToolBarHeight, kClientWidth, kClientHeight);
    scroll->setWidget(visible);
    setCentralWidget(scroll);

    for (const ControlEntry& entry : mainFormControls())
        controls_.emplace(std::string(entry.name), createControl(entry, client_));

    edtProjDes = control<QLineEdit>("edtProjDes");
    edtDisProjDate = control<QDateEdit>("edtDisProjDate");
    edtProjNo = control<QLineEdit>("edtProjNo");
    grpRainEvnt = control<QGroupBox>("grpRainEvnt");
    EditPreCondArea = control<QLineEdit>("EditPreCondArea");
    EditPostCondArea = control<QLineEdit>("EditPostCondArea");
    cbxNtnstyMthd = control<QComboBox>("cbxNtnstyMthd");
    EditPreC = control<QLineEdit>("EditPreC");
    EditPostC = control<QLineEdit>("EditPostC");
    EditPreTc = control<QLineEdit>("EditPreTc");
    EditPSA = control<QLineEdit>("EditPSA");
    EditpermpoolElev = control<QLineEdit>("EditpermpoolElev");
    EditRPerm = control<QLineEdit>("EditRPerm");
    ComboBoxSelDischMethd = control<QComboBox>("ComboBoxSelDischMethd");
    EditWCEl = control<QLineEdit>("EditWCEl");
    EditWCoef = control<QLineEdit>("EditWCoef");
    EditNoEC = control<QLineEdit>("EditNoEC");
    EditWeirLength = control<QLineEdit>("EditWeirLength");
    edtOrifCoef = control<QLineEdit>("edtOrifCoef");
    edtOrifHt = control<QLineEdit>("edtOrifHt");
    addTime = control<QPushButton>("addTime");
    LabelWeirCrEl = control<QLabel>("LabelWeirCrEl");
    LabelWeirLength = control<QLabel>("LabelWeirLength");
}

QWidget* TVelmoraMainFrm::createControl(const ControlEntry& entry, QWidget* client) {
    const QString text = qstr(entry.text);
    QWidget* widget = nullptr;
    switch (entry.kind) {
    case ControlKind::Edit: {
        auto* edit = new QLineEdit(text, client);
        if (entry.maxLength > 0)
            edit->setValidator(new TypingLimit(entry.maxLength, edit));
        widget = edit;
        break;
    }
    case ControlKind::DatePicker: {
        auto* date = new QDateEdit(QDate(2005, 1, 1), client);
        date->setCalendarPopup(true);
        date->setDisplayFormat(displayFormatOf(settings_.shortDatePattern));
        widget = date;
        break;
    }
    case ControlKind::EditableComboBox: {
        auto* combo = new QComboBox(client);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        for (const std::string_view item : kIntensityMethodItems)
            combo->addItem(qstr(item));
        combo->setCurrentIndex(0);
        widget = combo;
        break;
    }
    case ControlKind::DropDownList: {
        auto* combo = new QComboBox(client);
        for (const std::string_view item : kDischargeMethodItems)
            combo->addItem(qstr(item));
        combo->setMaxVisibleItems(kDischargeListRows);
        // The open list is as wide as its longest item, so every method reads whole.
        combo->view()->setMinimumWidth(combo->view()->sizeHintForColumn(0) + 8);
        widget = combo;
        break;
    }
    case ControlKind::RadioGroup: {
        auto* group = new QGroupBox(text, client);
        auto* items = new QVBoxLayout(group);
        items->setContentsMargins(kRadioGroupMargins);
        items->setSpacing(0);
        grpRainEvntButtons = new QButtonGroup(group);
        grpRainEvntButtons->setObjectName(QStringLiteral("grpRainEvntButtons"));
        for (int i = 0; i < static_cast<int>(kRainfallEventItems.size()); ++i) {
            auto* radio =
                new QRadioButton(qstr(kRainfallEventItems[static_cast<std::size_t>(i)]), group);
            radio->setObjectName(QStringLiteral("grpRainEvntItem%1").arg(i));
            items->addWidget(radio, 1);
            grpRainEvntButtons->addButton(radio, i);
        }
        grpRainEvntButtons->button(0)->setChecked(true);
        widget = group;
        break;
    }
    case ControlKind::StringGrid: {
        const auto& entries = gridEntries();
        const auto found = std::find_if(entries.begin(), entries.end(),
                                        [&](const GridEntry& g) { return g.name == entry.name; });
        widget = new StringGridWidget(found->look, client);
        break;
    }
    case ControlKind::Button:
        widget = new QPushButton(text, client);
        break;
    case ControlKind::Label:
    case ControlKind::HeadingLabel: {
        auto* label = new QLabel(text, client);
        label->setTextFormat(Qt::PlainText);
        if (entry.kind == ControlKind::HeadingLabel) {
            label->setFont(windowFont(kHeadingFontPixelSize));
            label->setAutoFillBackground(true);
            QPalette palette = label->palette();
            palette.setColor(QPalette::Window, kHeadingLabelColor);
            label->setPalette(palette);
        }
        widget = label;
        break;
    }
    }
    widget->setObjectName(qstr(entry.name));
    const int width = entry.width > 0 ? entry.width : widget->sizeHint().width();
    widget->setGeometry(entry.left, entry.top, width, entry.height);
    widget->setVisible(entry.visible);
    return widget;
}

void TVelmoraMainFrm::buildGrids() {
    sgMethodOne = control<StringGridWidget>("sgMethodOne");
    sgUsrNtnsty = control<StringGridWidget>("sgUsrNtnsty");
    stageDisch = control<StringGridWidget>("stageDisch");
    sgMethodOne->setKeyHandler([this](QKeyEvent& event) { return sgMethodOneKeyPress(event); });
    stageDisch->setKeyHandler([this](QKeyEvent& event) { return stageDischKeyPress(event); });
    connect(stageDisch, &QTableWidget::cellClicked, this, [this] { stageDischClick(); });
}

void TVelmoraMainFrm::buildMenus() {
    menuBar()->setNativeMenuBar(false);
    std::map<std::string, QMenu*, std::less<>> menus;
    for (const MenuItemEntry& item : mainMenuItems()) {
        QAction* action = nullptr;
        if (item.menu.empty()) {
            const bool isBarCommand = item.name == "Edit1" || item.name == "Exit1";
            if (isBarCommand) {
                action = menuBar()->addAction(qstr(item.caption));
            } else {
                QMenu* menu = menuBar()->addMenu(qstr(item.caption));
                menu->setObjectName(qstr(item.name));
                menus.emplace(std::string(item.name), menu);
                action = menu->menuAction();
            }
        } else {
            action = menus.at(std::string(item.menu))->addAction(qstr(item.caption));
            if (!item.shortcut.empty()) {
                action->setShortcut(QKeySequence(qstr(item.shortcut)));
                action->setShortcutContext(Qt::WindowShortcut);
            }
        }
        action->setObjectName(qstr(item.name));
        action->setVisible(item.visible);
        const Command command = item.command;
        connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
        actions_.emplace(std::string(item.name), action);
    }

    mnuPopup = new QMenu(this);
    mnuPopup->setObjectName(QStringLiteral("mnuPopup"));
    for (const MenuItemEntry& item : popupMenuItems()) {
        QAction* action = mnuPopup->addAction(qstr(item.caption));
        action->setObjectName(qstr(item.name));
        const Command command = item.command;
        connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
    }
}

void TVelmoraMainFrm::buildToolBar() {
    tbrStandard = new QToolBar(this);
    tbrStandard->setObjectName(QStringLiteral("tbrStandard"));
    tbrStandard->setMovable(false);
    tbrStandard->setFloatable(false);
    tbrStandard->setIconSize(QSize(kToolImageSize, kToolImageSize));
    tbrStandard->setFixedHeight(kToolBarHeight);
    tbrStandard->setFocusPolicy(Qt::NoFocus);
    tbrStandard->setContentsMargins(0, 0, 0, 0);
    tbrStandard->layout()->setContentsMargins(0, 0, 0, 0);
    tbrStandard->layout()->setSpacing(0);
    addToolBar(Qt::TopToolBarArea, tbrStandard);

    for (const ToolButtonEntry& entry : toolBarButtons()) {
        if (entry.name.empty()) {
            auto* gap = new QWidget(tbrStandard);
            gap->setFixedWidth(kToolSeparatorWidth);
            tbrStandard->addWidget(gap);
            continue;
        }
        auto* action = new QAction(toolIcon(entry.iconName), qstr(entry.hint), this);
        action->setObjectName(qstr(entry.name));
        action->setToolTip(qstr(entry.hint));
        const Command command = entry.command;
        connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
        tbrStandard->addAction(action);
        auto* button = qobject_cast<QToolButton*>(tbrStandard->widgetForAction(action));
        button->setObjectName(qstr(entry.name));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        if (entry.dropDown) {
            button->setMenu(mnuPopup);
            button->setPopupMode(QToolButton::MenuButtonPopup);
            button->setFixedHeight(kToolButtonHeight);
        } else {
            button->setFixedSize(kToolButtonWidth, kToolButtonHeight);
        }
    }
    tbrStandard->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tbrStandard, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { mnuPopup->popup(tbrStandard->mapToGlobal(at)); });
}

void TVelmoraMainFrm::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setFixedHeight(kStatusBarHeight);
    projectPanel_ = new QLabel(bar);
    projectPanel_->setObjectName(QStringLiteral("StatusBar1Panel0"));
    projectPanel_->setFixedWidth(kProjectPanelWidth);
    projectPanel_->setFrameShape(QFrame::Panel);
    projectPanel_->setFrameShadow(QFrame::Sunken);
    filePanel_ = new QLabel(bar);
    filePanel_->setObjectName(QStringLiteral("StatusBar1Panel1"));
    filePanel_->setFrameShape(QFrame::Panel);
    filePanel_->setFrameShadow(QFrame::Sunken);
    bar->addWidget(projectPanel_);
    bar->addWidget(filePanel_, 1);
}

// Tab moves through the input controls in the designed order; within the radio group it
// stops on the selected event.
void TVelmoraMainFrm::setTabOrder() {
    std::vector<const ControlEntry*> stops;
    for (const ControlEntry& entry : mainFormControls())
        if (entry.tabOrder > 0)
            stops.push_back(&entry);
    std::sort(stops.begin(), stops.end(), [](const ControlEntry* a, const ControlEntry* b) {
        return a->tabOrder < b->tabOrder;
    });
    std::vector<QWidget*> chain;
    for (const ControlEntry* entry : stops) {
        if (entry->kind == ControlKind::RadioGroup) {
            for (QAbstractButton* button : grpRainEvntButtons->buttons())
                chain.push_back(button);
            continue;
        }
        chain.push_back(control<QWidget>(entry->name));
    }
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void TVelmoraMainFrm::connectInputs() {
    for (const EditField& edit : kProjectEdits)
        connect(control<QLineEdit>(edit.control), &QLineEdit::textChanged, this,
                &TVelmoraMainFrm::noteInputChange);
    connect(edtDisProjDate, &QDateEdit::dateChanged, this, &TVelmoraMainFrm::noteInputChange);
    connect(cbxNtnstyMthd, &QComboBox::editTextChanged, this, [this] {
        runCommand(&TVelmoraMainFrm::cbxNtnstyMthdChange);
        noteInputChange();
    });
    connect(ComboBoxSelDischMethd, &QComboBox::activated, this,
            [this] { runCommand(&TVelmoraMainFrm::ComboBoxSelDischMethdChange); });
    connect(ComboBoxSelDischMethd, &QComboBox::currentIndexChanged, this,
            &TVelmoraMainFrm::noteInputChange);
    connect(grpRainEvntButtons, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            noteInputChange();
    });
    connect(sgUsrNtnsty, &QTableWidget::itemChanged, this, &TVelmoraMainFrm::noteInputChange);
    connect(addTime, &QPushButton::clicked, this,
            [this] { runCommand(&TVelmoraMainFrm::addTimeClick); });
}

void TVelmoraMainFrm::noteInputChange() {
    if (!fillingFromFile_)
        emit inputsChanged();
}

void TVelmoraMainFrm::writeDefaultRainfallTable() {
    sgMethodOne->setCellText(0, 0, qstr(kRainfallDurationHeading));
    int row = 1;
    for (const auto& values : kDefaultRainfallTable) {
        for (int column = 0; column < static_cast<int>(values.size()); ++column)
            sgMethodOne->setCellText(column, row,
                                     QString::fromStdString(FloatToStr(
                                         values[static_cast<std::size_t>(column)], settings_)));
        ++row;
    }
    for (int p = 0; p < kReturnPeriodCount; ++p)
        sgMethodOne->setCellText(p + 1, 0,
                                 QString::number(kReturnPeriodYears[static_cast<std::size_t>(p)]) +
                                     QStringLiteral("yr") + QStringLiteral(" Rainfall(in)"));
}

void TVelmoraMainFrm::writeGridHeadings() {
    for (int c = 0; c < 2; ++c) {
        stageDisch->setCellText(c, 0, qstr(kStageGridHeadings[static_cast<std::size_t>(c)]));
        sgUsrNtnsty->setCellText(c, 0, qstr(kIntensityGridHeadings[static_cast<std::size_t>(c)]));
    }
    for (int r = 1; r <= kReturnPeriodCount; ++r)
        sgUsrNtnsty->setCellText(
            0, r, qstr(kIntensityGridEventHeadings[static_cast<std::size_t>(r - 1)]));
    for (int r = 1; r <= kReturnPeriodCount; ++r)
        sgUsrNtnsty->setCellText(1, r, QString());
}

void TVelmoraMainFrm::applyOutletLayout(int method, bool captionsOfOpen) {
    if (method < 0 || method >= kOutletMethodCount)
        return;
    const auto m = static_cast<std::size_t>(method);
    for (const OutletLayoutRow& row : outletLayout()) {
        QWidget* widget = control<QWidget>(row.control);
        const std::string_view caption = captionsOfOpen ? row.captionOnOpen[m] : row.caption[m];
        if (!caption.empty())
            static_cast<QLabel*>(widget)->setText(qstr(caption));
        if (!caption.empty())
            widget->resize(widget->sizeHint().width(), widget->height());
        widget->setVisible(row.shown[m]);
    }
}

MainWindowControls TVelmoraMainFrm::controlsSnapshot() const {
    MainWindowControls snapshot;
    for (const EditField& edit : kProjectEdits)
        snapshot.*edit.field = control<QLineEdit>(edit.control)->text().toStdString();
    snapshot.edtDisProjDate = dateOf(edtDisProjDate->date());
    snapshot.cbxNtnstyMthd = intensityMethodIndex();
    for (int p = 0; p < kReturnPeriodCount; ++p)
        snapshot.sgUsrNtnsty[static_cast<std::size_t>(p)] = sgUsrNtnsty->cell(1, p + 1);
    snapshot.grpRainEvnt = grpRainEvntButtons->checkedId();
    snapshot.ComboBoxSelDischMethd = ComboBoxSelDischMethd->currentIndex();
    return snapshot;
}

int TVelmoraMainFrm::stageGridRowCount() const {
    return stageDisch->rowCount();
}

int TVelmoraMainFrm::intensityMethodIndex() const {
    return cbxNtnstyMthd->findText(cbxNtnstyMthd->currentText(),
                                   Qt::MatchExactly | Qt::MatchCaseSensitive);
}

QString TVelmoraMainFrm::describeFailure(const std::string& detail) const {
    const QString text = QString::fromStdString(detail);
    const QString intensityRow = QStringLiteral("sgUsrNtnsty row ");
    if (text.startsWith(intensityRow)) {
        const int row = text.mid(intensityRow.size()).section(QLatin1Char(':'), 0, 0).toInt();
        const QString rest = text.section(QLatin1Char(':'), 1);
        if (row >= 1 && row <= kReturnPeriodCount)
            return QStringLiteral("Intens.(\"/hr) of the ") +
                   QString::number(kReturnPeriodYears[static_cast<std::size_t>(row - 1)]) +
                   QStringLiteral(" year event:") + rest;
    }
    for (const FieldLabel& field : kFieldLabels) {
        const QString prefix = qstr(field.control) + QLatin1Char(':');
        if (!text.startsWith(prefix))
            continue;
        QString caption = control<QLabel>(field.label)->text().trimmed();
        if (caption.endsWith(QLatin1Char(':')))
            caption.chop(1);
        return caption + QLatin1Char(':') + text.mid(prefix.size());
    }
    return text;
}

QString TVelmoraMainFrm::statusPanelText(int panel) const {
    return panel == 0 ? projectPanel_->text() : filePanel_->text();
}

void TVelmoraMainFrm::setStatusPanels(const QString& project, const QString& file) {
    projectPanel_->setText(project);
    projectPanel_->setToolTip(project); // the narrow panel may cut a long description
    filePanel_->setText(file);
    filePanel_->setToolTip(file);
}

QChar TVelmoraMainFrm::decimalSeparator() const {
    return QLatin1Char(settings_.decimalSeparator);
}

void TVelmoraMainFrm::runCommand(void (TVelmoraMainFrm::*command)()) {
    try {
        (this->*command)();
    } catch (const std::exception& e) {
        showErrorMessage(dialogs_, this, QString::fromStdString(e.what()));
    } catch (...) {
        showErrorMessage(dialogs_, this, QString());
    }
}

void TVelmoraMainFrm::runCommand(Command command) {
    switch (command) {
    case Command::None:
        return;
    case Command::New:
        return runCommand(&TVelmoraMainFrm::tbnNewFileClick);
    case Command::Open:
        return runCommand(&TVelmoraMainFrm::Open1Click);
    case Command::Save:
        return runCommand(&TVelmoraMainFrm::Save1Click);
    case Command::Results:
        return runCommand(&TVelmoraMainFrm::Preview1Click);
    case Command::ExitFromFileMenu:
        return runCommand(&TVelmoraMainFrm::Exit2Click);
    case Command::ExitFromMenuBar:
        return runCommand(&TVelmoraMainFrm::Exit1Click);
    case Command::Help:
        return runCommand(&TVelmoraMainFrm::Help2Click);
    case Command::About:
        return runCommand(&TVelmoraMainFrm::About1Click);
    case Command::DesignCheck:
        return runCommand(&TVelmoraMainFrm::DesignCheck1Click);
    case Command::SizeOutlet:
        return runCommand(&TVelmoraMainFrm::SizeOutlet1Click);
    }
}

// New clears the project's texts to one blank and puts the outlet back to the weir; the
// grids, the date, the design event, the intensity method and the captured tables stay.
void TVelmoraMainFrm::tbnNewFileClick() {
    for (const std::string_view name :
         {"edtProjDes", "edtProjNo", "EditPreCondArea", "EditPostCondArea", "EditPreC", "EditPostC",
          "EditPreTc", "EditPSA", "EditpermpoolElev", "EditRPerm"})
        setEditText(name, " ");
    setDischargeMethod(0);
    for (const std::string_view name : {"EditWCEl", "EditWCoef", "EditNoEC", "EditWeirLength"})
        setEditText(name, " ");
    applyOutletLayout(0, false);
    setStatusPanels(QStringLiteral("Proj:  "), QStringLiteral("File: "));
}

void TVelmoraMainFrm::Open1Click() {
    FileDialogRequest request;
    request.nameFilters =
        nameFiltersFromPairs(QStringLiteral("Velmora Data File(*.vlm)|*.vlm|All Files|*.*"));
    request.defaultSuffix = QStringLiteral("vlm");
    request.proposedName = lastOpenName_;
    const std::optional<QString> path = dialogs_.chooseFileToOpen(this, request);
    if (!path)
        return;
    lastOpenName_ = *path;
    openFile(*path);
}

void TVelmoraMainFrm::openFile(const QString& path) {
    ReadResult read;
    try {
        read = readProjectFile(path.toStdString(), settings_);
    } catch (const FileOpenError&) {
        showPlainMessage(dialogs_, this, QStringLiteral("The file could not be opened"));
        return;
    }
    fillingFromFile_ = true;
    const auto listenAgain = qScopeGuard([this] { fillingFromFile_ = false; });
    captured_.stageRowCount = openProjectInto(read, *this, captured_.stageRowCount);
    const QString description = read.reached >= ReadPart::Description
                                    ? QString::fromStdString(read.words.description)
                                    : QString();
    setStatusPanels(QStringLiteral("Proj: ") + description,
                    QStringLiteral("File: ") + QFileInfo(path).absoluteFilePath());
    if (!read.ok())
        showPlainMessage(dialogs_, this, QStringLiteral("Error Reading File"));
}

// Every value is converted before the dialog opens; a value that does not convert stops the
// command there, with the focus on it.
void TVelmoraMainFrm::Save1Click() {
    ProjectValues values;
    try {
        values = saveProjectValues(*this, captured_, settings_);
    } catch (const CellConversionError& e) {
        showErrorMessage(dialogs_, this, QString::fromStdString(e.what()));
        focusCell(e);
        return;
    } catch (const EditConversionError& e) {
        showErrorMessage(dialogs_, this, QString::fromStdString(e.what()));
        focusControl(e);
        return;
    }
    FileDialogRequest request;
    request.nameFilters =
        nameFiltersFromPairs(QStringLiteral("Velmora Data Files(*.vlm)|*.vlm|All Files|*.*"));
    request.defaultSuffix = QStringLiteral("vlm");
    request.proposedName = lastSaveName_;
    request.confirmOverwrite = true;
    const std::optional<QString> path = dialogs_.chooseFileToSave(this, request);
    if (!path)
        return;
    lastSaveName_ = *path;
    writeProject(*path, values);
}

// The file is written whole beside the target and renamed over it: a failure leaves the file
// that was there as it was.
void TVelmoraMainFrm::writeProject(const QString& path, const ProjectValues& values) {
    try {
        writeProjectFile(path.toStdString(), values, settings_);
    } catch (const FileOpenError&) {
        showPlainMessage(dialogs_, this, QStringLiteral("The file could not be opened"));
    } catch (const FileWriteError&) {
        showPlainMessage(dialogs_, this, QStringLiteral("The file could not be written"));
    }
}

// The Results command's capture of the two grids; a cell that does not convert is told and
// gets the focus.
bool TVelmoraMainFrm::captureTables() {
    try {
        captureForResults(*sgMethodOne, *stageDisch, ComboBoxSelDischMethd->currentIndex(),
                          captured_, settings_);
    } catch (const CellConversionError& e) {
        showErrorMessage(dialogs_, this, QString::fromStdString(e.what()));
        focusCell(e);
        return false;
    }
    return true;
}

void TVelmoraMainFrm::Preview1Click() {
    if (captureTables() && resultsWindow_ != nullptr)
        resultsWindow_->showResults();
}

// The design tools start from a capture of the grids, as the Results command does, and then
// follow the inputs as the results window does.
void TVelmoraMainFrm::DesignCheck1Click() {
    if (!captureTables())
        return;
    if (!designCheck_)
        designCheck_ = std::make_unique<TDesignCheckFrm>(*this, dialogs_);
    designCheck_->showCheck();
}

void TVelmoraMainFrm::SizeOutlet1Click() {
    if (!captureTables())
        return;
    if (!sizeOutlet_)
        sizeOutlet_ = std::make_unique<TSizeOutletDlg>(*this, this);
    sizeOutlet_->show();
    sizeOutlet_->raise();
    sizeOutlet_->activateWindow();
}

void TVelmoraMainFrm::focusCell(const CellConversionError& error) {
    for (StringGridWidget* grid : {sgMethodOne, stageDisch}) {
        if (static_cast<const TextGrid*>(grid) != &error.grid())
            continue;
        grid->setFocus(Qt::OtherFocusReason);
        grid->setCurrentCell(error.row() - 1, error.column());
    }
}

void TVelmoraMainFrm::focusControl(const EditConversionError& error) {
    if (error.control() == "sgUsrNtnsty") {
        sgUsrNtnsty->setFocus(Qt::OtherFocusReason);
        sgUsrNtnsty->setCurrentCell(error.row() - 1, 1);
        return;
    }
    QLineEdit* edit = control<QLineEdit>(error.control());
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
}

std::string TVelmoraMainFrm::editText(std::string_view name) const {
    return control<QLineEdit>(name)->text().toStdString();
}

void TVelmoraMainFrm::setEditText(std::string_view name, const std::string& text) {
    QLineEdit* edit = control<QLineEdit>(name);
    edit->setText(QString::fromStdString(text));
    edit->setCursorPosition(0); // a long text shows its beginning
}

Date TVelmoraMainFrm::projectDate() const {
    return dateOf(edtDisProjDate->date());
}

void TVelmoraMainFrm::setProjectDate(Date date) {
    edtDisProjDate->setDate(QDate(static_cast<int>(date.year()),
                                  static_cast<int>(static_cast<unsigned>(date.month())),
                                  static_cast<int>(static_cast<unsigned>(date.day()))));
}

int TVelmoraMainFrm::intensityMethod() const {
    return intensityMethodIndex();
}

// Selecting the item read does not run the change handler: Open shows or hides the intensity
// grid itself once the file is read.
void TVelmoraMainFrm::setIntensityMethod(int index) {
    const QSignalBlocker quiet(cbxNtnstyMthd);
    cbxNtnstyMthd->setCurrentIndex(index < cbxNtnstyMthd->count() ? index : -1);
}

int TVelmoraMainFrm::dischargeMethod() const {
    return ComboBoxSelDischMethd->currentIndex();
}

void TVelmoraMainFrm::setDischargeMethod(int index) {
    ComboBoxSelDischMethd->setCurrentIndex(index < ComboBoxSelDischMethd->count() ? index : -1);
}

std::string TVelmoraMainFrm::userIntensity(int event) const {
    return sgUsrNtnsty->cell(1, event + 1);
}

void TVelmoraMainFrm::setUserIntensity(int event, const std::string& text) {
    sgUsrNtnsty->setCell(1, event + 1, text);
}

TextGrid& TVelmoraMainFrm::rainfallGrid() {
    return *sgMethodOne;
}

TextGrid& TVelmoraMainFrm::stageGrid() {
    return *stageDisch;
}

void TVelmoraMainFrm::applyOpenedOutletLayout(int method) {
    applyOutletLayout(method, true);
}

void TVelmoraMainFrm::showIntensityGrid(bool shown) {
    sgUsrNtnsty->setVisible(shown);
}

void TVelmoraMainFrm::Exit1Click() {
    close();
}

void TVelmoraMainFrm::Exit2Click() {
    close();
}

void TVelmoraMainFrm::Help2Click() {
    help_.setHelpFile(QStringLiteral("VELMORAHELP.HLP"));
    help_.showContents(this);
}

void TVelmoraMainFrm::About1Click() {
    showPlainMessage(
        dialogs_, this,
        QStringLiteral("Velmora\n") + QStringLiteral("This is a") +
            QStringLiteral(" simple Modified Rational Method stormwater pond routing") +
            QStringLiteral(" analysis/design program you should be able to use for any") +
            QStringLiteral(" location for which you have the total rainfall depths."));
}

void TVelmoraMainFrm::addTimeClick() {
    sgMethodOne->appendRow();
}

void TVelmoraMainFrm::cbxNtnstyMthdChange() {
    const int method = intensityMethodIndex();
    if (method == IntensityMethod::UserSupplied)
        sgUsrNtnsty->show();
    else if (method == IntensityMethod::CityCurves)
        sgUsrNtnsty->hide();
}

void TVelmoraMainFrm::ComboBoxSelDischMethdChange() {
    applyOutletLayout(ComboBoxSelDischMethd->currentIndex(), false);
}

void TVelmoraMainFrm::stageDischClick() {}

bool TVelmoraMainFrm::sgMethodOneKeyPress(QKeyEvent& event) {
    return filterGridKey(event.key(), event.modifiers(), event.text(), decimalSeparator()) ==
           GridKey::Ignore;
}

bool TVelmoraMainFrm::stageDischKeyPress(QKeyEvent& event) {
    const GridKey verdict =
        filterGridKey(event.key(), event.modifiers(), event.text(), decimalSeparator());
    if (verdict == GridKey::LineFeed) {
        showInformation(dialogs_, this, QStringLiteral("1 row added to Stage-Disch Table"));
        stageDisch->appendRow();
        captured_.stageRowCount = stageDisch->rowCount();
        return true;
    }
    return verdict == GridKey::Ignore;
}

// Closing in any way releases the captured tables; the results window goes with the main
// window, so the program ends.
void TVelmoraMainFrm::closeEvent(QCloseEvent* event) {
    captured_ = CapturedTables{};
    if (resultsWindow_ != nullptr)
        resultsWindow_->hide();
    if (designCheck_)
        designCheck_->hide();
    if (sizeOutlet_)
        sizeOutlet_->hide();
    help_.hideWindow();
    event->accept();
}

QMenu* TVelmoraMainFrm::createPopupMenu() {
    return nullptr; // the tool bar's context menu is the print pop-up menu
}

bool TVelmoraMainFrm::isWindowShortcut(const QKeyEvent& event) const {
    const QKeySequence pressed(event.keyCombination());
    for (const MenuItemEntry& item : mainMenuItems())
        if (!item.shortcut.empty() && QKeySequence(qstr(item.shortcut)) == pressed)
            return true;
    return false;
}

bool TVelmoraMainFrm::isDeadShortcut(const QKeyEvent& event) const {
    const QKeySequence pressed(event.keyCombination());
    for (const MenuItemEntry& item : mainMenuItems())
        if (!item.shortcut.empty() && item.command == Command::None &&
            QKeySequence(qstr(item.shortcut)) == pressed)
            return true;
    return false;
}

// The menus' shortcuts belong to the window: an edit or a grid cell with the focus does not
// take Ctrl+A or Ctrl+O for itself, and the shortcuts of items without a command do nothing.
bool TVelmoraMainFrm::eventFilter(QObject* watched, QEvent* event) {
    const bool shortcutEvent =
        event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
    if (!shortcutEvent || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != this)
        return false;
    auto& key = static_cast<QKeyEvent&>(*event);
    if (event->type() == QEvent::ShortcutOverride && isWindowShortcut(key)) {
        key.ignore();
        return true;
    }
    if (event->type() == QEvent::KeyPress && isDeadShortcut(key))
        return true;
    return false;
}

} // namespace velmora
