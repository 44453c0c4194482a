// A grid of text cells as the main window's three tables use it: a heading row that stays in
// view while the cells scroll, cells edited in place, and the engine's TextGrid interface so
// the captures read and shorten it directly.
#pragma once

#include "engine/controls.h"

#include <QTableWidget>

#include <functional>
#include <string>
#include <vector>

class QKeyEvent;

namespace velmora {

struct StringGridLook {
    int columns = 0;                  // heading column included
    int rows = 0;                     // heading row included
    std::vector<int> columnWidths;    // pixels, one per column
    int rowHeight = 24;               // pixels, the heading row's too
    bool headingColumn = false;       // column 0 holds headings that cannot be edited
    bool editorFollowsCurrent = true; // the editor opens on every cell that becomes current
};

// Rows and columns are counted as the engine counts them: row 0 is the heading row, so
// rowCount() is the number of data rows plus one and setRowCount(1) leaves the headings only.
class StringGridWidget final : public QTableWidget, public TextGrid {
    Q_OBJECT

  public:
    StringGridWidget(const StringGridLook& look, QWidget* parent);

    int rowCount() const override;
    void setRowCount(int rows) override;
    std::string cell(int column, int row) const override;
    void setCell(int column, int row, const std::string& text) override;

    QString cellText(int column, int row) const;
    // Row 0 sets a heading; a cell of the heading column cannot be edited.
    void setCellText(int column, int row, const QString& text);

    // Appends one empty row at the bottom.
    void appendRow();

    // The text of every cell, row by row, headings included.
    std::vector<std::vector<std::string>> cells() const;

    // Called for every key pressed in the grid or its cell editor, before either handles it;
    // returns true when the key is used up.
    using KeyHandler = std::function<bool(QKeyEvent&)>;
    void setKeyHandler(KeyHandler handler);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QTableWidgetItem* headingItem(const QString& text) const;
    int dataRows() const;
    void pasteBlock(const QString& text);

    bool headingColumn_ = false;
    KeyHandler keyHandler_;
};

} // namespace velmora
