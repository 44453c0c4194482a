// The help window: a browser with links, back and forward, and a button that opens the same
// document in the desktop's web browser.
#pragma once

#include <QUrl>
#include <QWidget>

class QPushButton;
class QTextBrowser;

namespace velmora {

class HelpWindow final : public QWidget {
    Q_OBJECT

  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    void showDocument(const QString& path);
    // A page that names the missing document and every place it was looked for.
    void showMissing(const QString& document, const QStringList& placesLooked);

    QTextBrowser* browser() const { return browser_; }
    // The document shown, if any: the "Open in browser" button opens it.
    const QUrl& document() const { return document_; }

  private:
    QTextBrowser* browser_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* forward_ = nullptr;
    QPushButton* openInBrowser_ = nullptr;
    QUrl document_;
};

} // namespace velmora
