#include "app/stringgridwidget.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>

namespace velmora {

namespace {

constexpr int kHeadingRow = 0;

// Cell editors that hand every change to the cell at once, so a command started while a cell
// is being typed in reads what the user sees, and that let the grid see their keys first.
class CellEditorDelegate final : public QStyledItemDelegate {
  public:
    explicit CellEditorDelegate(StringGridWidget& grid) : QStyledItemDelegate(&grid), grid_(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            line->setFrame(false);
            connect(line, &QLineEdit::textEdited, this,
                    [this, line] { emit const_cast<CellEditorDelegate*>(this)->commitData(line); });
        }
        editor->installEventFilter(&grid_);
        return editor;
    }

  private:
    StringGridWidget& grid_;
};

bool isPasteOfABlock(const QKeyEvent& event) {
    if (!event.matches(QKeySequence::Paste))
        return false;
    const QString text = QApplication::clipboard()->text();
    return text.contains(QLatin1Char('\t')) || text.trimmed().contains(QLatin1Char('\n'));
}

} // namespace

StringGridWidget::StringGridWidget(const StringGridLook& look, QWidget* parent)
    : QTableWidget(look.rows - 1, look.columns, parent), headingColumn_(look.headingColumn) {
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(look.rowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setFixedHeight(look.rowHeight);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setMinimumSectionSize(1);
    for (int c = 0; c < look.columns && c < static_cast<int>(look.columnWidths.size()); ++c)
        setColumnWidth(c, look.columnWidths[static_cast<std::size_t>(c)]);
    for (int c = 0; c < look.columns; ++c)
        setHorizontalHeaderItem(c, headingItem(QString()));
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(look.editorFollowsCurrent
                        ? QAbstractItemView::AllEditTriggers
                        : QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                              QAbstractItemView::EditKeyPressed);
    setTabKeyNavigation(true);
    setWordWrap(false);
    setItemDelegate(new CellEditorDelegate(*this));
}

int StringGridWidget::dataRows() const {
    return QTableWidget::rowCount();
}

int StringGridWidget::rowCount() const {
    return dataRows() + 1;
}

void StringGridWidget::setRowCount(int rows) {
    QTableWidget::setRowCount(rows > 1 ? rows - 1 : 0);
}

void StringGridWidget::appendRow() {
    QTableWidget::setRowCount(dataRows() + 1);
}

QTableWidgetItem* StringGridWidget::headingItem(const QString& text) const {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return item;
}

QString StringGridWidget::cellText(int column, int row) const {
    if (column < 0 || column >= columnCount() || row < 0 || row > dataRows())
        return {};
    const QTableWidgetItem* item =
        row == kHeadingRow ? horizontalHeaderItem(column) : this->item(row - 1, column);
    return item != nullptr ? item->text() : QString();
}

std::string StringGridWidget::cell(int column, int row) const {
    return cellText(column, row).toStdString();
}

void StringGridWidget::setCell(int column, int row, const std::string& text) {
    setCellText(column, row, QString::fromStdString(text));
}

void StringGridWidget::setCellText(int column, int row, const QString& text) {
    if (column < 0 || column >= columnCount() || row < 0)
        return;
    if (row == kHeadingRow) {
        horizontalHeaderItem(column)->setText(text);
        return;
    }
    if (row > dataRows())
        QTableWidget::setRowCount(row);
    QTableWidgetItem* item = this->item(row - 1, column);
    if (item == nullptr) {
        item = new QTableWidgetItem;
        if (headingColumn_ && column == 0) {
            item->setFlags(Qt::ItemIsEnabled);
            item->setBackground(palette().button());
            item->setForeground(palette().buttonText());
        }
        setItem(row - 1, column, item);
    }
    item->setText(text);
}

std::vector<std::vector<std::string>> StringGridWidget::cells() const {
    std::vector<std::vector<std::string>> rows;
    for (int r = 0; r < rowCount(); ++r) {
        std::vector<std::string>& row = rows.emplace_back();
        for (int c = 0; c < columnCount(); ++c)
            row.push_back(cell(c, r));
    }
    return rows;
}

void StringGridWidget::setKeyHandler(KeyHandler handler) {
    keyHandler_ = std::move(handler);
}

void StringGridWidget::keyPressEvent(QKeyEvent* event) {
    if (keyHandler_ && keyHandler_(*event)) {
        event->accept();
        return;
    }
    if (isPasteOfABlock(*event)) {
        pasteBlock(QApplication::clipboard()->text());
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

bool StringGridWidget::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto& key = static_cast<QKeyEvent&>(*event);
        if (keyHandler_ && keyHandler_(key))
            return true;
        if (isPasteOfABlock(key)) {
            // The editor has handed every keystroke to its cell already; closing it keeps
            // it from writing its text over the pasted block.
            if (auto* editor = qobject_cast<QWidget*>(watched))
                closeEditor(editor, QAbstractItemDelegate::NoHint);
            pasteBlock(QApplication::clipboard()->text());
            return true;
        }
    }
    return QTableWidget::eventFilter(watched, event);
}

// Text copied from a spreadsheet, cells split by tabs and rows by line ends, fills the cells
// from the current one to the right and down; rows are added where the block needs them.
void StringGridWidget::pasteBlock(const QString& text) {
    const QModelIndex current = currentIndex();
    const int firstRow = current.isValid() ? current.row() + 1 : 1;
    const int firstColumn = current.isValid() ? current.column() : 0;
    QStringList lines = text.split(QLatin1Char('\n'));
    while (!lines.isEmpty() && lines.constLast().trimmed().isEmpty())
        lines.removeLast();
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QStringList values = line.split(QLatin1Char('\t'));
        for (int j = 0; j < values.size() && firstColumn + j < columnCount(); ++j) {
            if (headingColumn_ && firstColumn + j == 0)
                continue;
            setCellText(firstColumn + j, firstRow + i, values[j].trimmed());
        }
    }
}

} // namespace velmora
