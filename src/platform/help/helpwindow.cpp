#include "platform/help/helpwindow.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QIcon>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace velmora {

namespace {

constexpr int kWindowWidth = 800;  // pixels: a page of the guide with its pictures
constexpr int kWindowHeight = 640; // pixels

QPushButton* toolButton(const QString& iconName, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(QIcon::fromTheme(iconName), text, parent);
    button->setAutoDefault(false);
    return button;
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Velmora Help"));
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    browser_->setOpenExternalLinks(true);
    back_ = toolButton(QStringLiteral("go-previous"), QStringLiteral("&Back"), this);
    back_->setObjectName(QStringLiteral("helpBack"));
    forward_ = toolButton(QStringLiteral("go-next"), QStringLiteral("&Forward"), this);
    forward_->setObjectName(QStringLiteral("helpForward"));
    openInBrowser_ =
        toolButton(QStringLiteral("internet-web-browser"), QStringLiteral("Open in browser"), this);
    openInBrowser_->setObjectName(QStringLiteral("helpOpenInBrowser"));
    back_->setEnabled(false);
    forward_->setEnabled(false);
    openInBrowser_->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addStretch(1);
    buttons->addWidget(openInBrowser_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_, 1);

    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QPushButton::setEnabled);
    connect(openInBrowser_, &QPushButton::clicked, this,
            [this] { QDesktopServices::openUrl(document_); });
    resize(kWindowWidth, kWindowHeight);
}

void HelpWindow::showDocument(const QString& path) {
    document_ = QUrl::fromLocalFile(path);
    browser_->clearHistory();
    browser_->setSource(document_);
    openInBrowser_->setEnabled(true);
}

void HelpWindow::showMissing(const QString& document, const QStringList& placesLooked) {
    document_.clear();
    openInBrowser_->setEnabled(false);
    QString page = QStringLiteral("<h2>The help could not be found</h2><p>The help document <b>") +
                   document.toHtmlEscaped() +
                   QStringLiteral("</b> is in none of these places:</p><ul>");
    for (const QString& place : placesLooked)
        page += QStringLiteral("<li><tt>") + place.toHtmlEscaped() + QStringLiteral("</tt></li>");
    page += QStringLiteral("</ul><p>Reinstall Velmora, or put the document in one of them.</p>");
    browser_->clearHistory();
    browser_->setHtml(page);
}

} // namespace velmora
