// The program's dialogs and message boxes. Commands ask for them through this interface, so
// the desktop program shows Qt's and the tests answer them from a script.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QPrinter;
class QWidget;

namespace velmora {

enum class MessageIcon { None, Information, Error };

// What a file dialog shows: the name filters in Qt's form ("Velmora Data Files(*.vlm)",
// "All Files (*)"), the suffix added to a name typed without one, and the name it proposes.
struct FileDialogRequest {
    QStringList nameFilters;
    QString defaultSuffix;
    QString proposedName;
    bool confirmOverwrite = false; // the save dialog asks before replacing a file
};

class Dialogs {
  public:
    virtual ~Dialogs() = default;

    // A modal message box with one OK button. A null parent gives a box without an owner.
    virtual void showMessage(QWidget* parent, const QString& caption, const QString& text,
                             MessageIcon icon) = 0;

    // The printer setup: true when the user confirms, with the choices made in `printer`.
    virtual bool setUpPrinter(QWidget* parent, QPrinter& printer) = 0;

    // The chosen file's full path, or none when the user cancels.
    virtual std::optional<QString> chooseFileToOpen(QWidget* parent,
                                                    const FileDialogRequest& request) = 0;
    virtual std::optional<QString> chooseFileToSave(QWidget* parent,
                                                    const FileDialogRequest& request) = 0;
};

// The message boxes the program shows, by the captions and icons their users know.

// A plain box captioned with the application's title ("Velmora"), without an icon.
void showPlainMessage(Dialogs& dialogs, QWidget* parent, const QString& text);

// The standard error box for a failed command: the application's title, the error icon. A
// message of more than 300 characters shows its beginning and end.
void showErrorMessage(Dialogs& dialogs, QWidget* parent, const QString& text);

// "Information" with the information icon.
void showInformation(Dialogs& dialogs, QWidget* parent, const QString& text);

// Turns a filter of description|patterns pairs ("Velmora Data Files(*.vlm)|*.vlm|All
// Files|*.*") into Qt's name filters. A description that already names its patterns in
// parentheses is kept as it is; "*.*", every file, becomes "*".
QStringList nameFiltersFromPairs(const QString& pairs);

} // namespace velmora
