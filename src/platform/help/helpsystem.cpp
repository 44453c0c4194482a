#include "platform/help/helpsystem.h"

#include "platform/help/helpwindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace velmora {

namespace {

// The document this platform shows for a help file: the same base name as HTML.
constexpr const char* kDocumentSuffix = ".html";

} // namespace

HelpSystem::HelpSystem(QStringList searchFolders) : searchFolders_(std::move(searchFolders)) {}

HelpSystem::~HelpSystem() = default;

QStringList HelpSystem::defaultSearchFolders() {
    const QString program = QCoreApplication::applicationDirPath();
    QStringList folders{program, QDir::cleanPath(program + QStringLiteral("/../share/velmora"))};
#ifdef VELMORA_INSTALLED_DATA_DIR
    const QString installed = QStringLiteral(VELMORA_INSTALLED_DATA_DIR);
    if (!folders.contains(installed))
        folders << installed;
#endif
    return folders;
}

void HelpSystem::setHelpFile(const QString& name) {
    helpFile_ = name;
}

QString HelpSystem::documentName() const {
    return QFileInfo(helpFile_).completeBaseName() + QLatin1String(kDocumentSuffix);
}

QStringList HelpSystem::placesLooked() const {
    const QFileInfo file(helpFile_);
    if (file.isAbsolute())
        return {file.absoluteDir().filePath(documentName())};
    QStringList places;
    for (const QString& folder : searchFolders_)
        places << QDir(folder).filePath(documentName());
    return places;
}

std::optional<QString> HelpSystem::resolvedDocument() const {
    for (const QString& place : placesLooked())
        if (QFileInfo(place).isFile())
            return place;
    return std::nullopt;
}

void HelpSystem::hideWindow() {
    if (window_)
        window_->hide();
}

void HelpSystem::showContents(QWidget* parent) {
    if (!window_)
        window_ = std::make_unique<HelpWindow>();
    (void)parent;
    if (const std::optional<QString> document = resolvedDocument())
        window_->showDocument(*document);
    else
        window_->showMissing(documentName(), placesLooked());
    window_->show();
    window_->raise();
    window_->activateWindow();
}

} // namespace velmora
