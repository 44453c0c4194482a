// The program's help: a help file named as the program names it, resolved to the document of
// that base name this platform can show, in a help window of the program's own.
#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QWidget;

namespace velmora {

class HelpWindow;

class HelpSystem {
  public:
    // Looks for help documents in these folders, in order.
    explicit HelpSystem(QStringList searchFolders);
    ~HelpSystem();

    // Beside the program, then in the installed data folder (share/velmora).
    static QStringList defaultSearchFolders();

    // A bare file name ("VELMORAHELP.HLP") or an absolute path.
    void setHelpFile(const QString& name);
    const QString& helpFile() const { return helpFile_; }

    // The HTML document of the help file's base name: an absolute path is looked for in its
    // own folder, a bare name in each search folder. None when no folder holds it.
    std::optional<QString> resolvedDocument() const;

    // Every place resolvedDocument() looked.
    QStringList placesLooked() const;

    // Opens the help window on the document's contents, or on a page that says which file
    // was missing and where it was looked for.
    void showContents(QWidget* parent);

    // Hides the help window, if it was shown: the program ends with its main window.
    void hideWindow();

    // The help window, once shown; for tests.
    HelpWindow* window() const { return window_.get(); }

  private:
    QString documentName() const;

    QStringList searchFolders_;
    QString helpFile_;
    std::unique_ptr<HelpWindow> window_;
};

} // namespace velmora
