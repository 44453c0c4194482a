#include "charts/hydrographs.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <stdexcept>

#include <unistd.h>

namespace velmora {

namespace {

// Qt's offscreen platform, unless the user chose a platform or there is a display to use.
void chooseOffscreenWithoutDisplay() {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// Without a desktop session there is no runtime folder; Qt would make one under the
// temporary folder anyway, but with a warning on the command line's error stream.
void provideRuntimeFolder() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QString runtime =
        QDir::tempPath() + QStringLiteral("/runtime-velmora-") + QString::number(getuid());
    if (QDir().mkpath(runtime) &&
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
}

} // namespace

void ensureWidgetApplication() {
    if (QCoreApplication::instance() != nullptr) {
        if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
            throw std::logic_error("the charts need a QApplication, and a Qt application "
                                   "without widgets is already running");
        return;
    }
    chooseOffscreenWithoutDisplay();
    provideRuntimeFolder();
    // QApplication keeps references to argc and argv for its whole life.
    static int argc = 1;
    static char programName[] = "velmora";
    static char* argv[] = {programName, nullptr};
    static QApplication* application = new QApplication(argc, argv);
    (void)application;
}

} // namespace velmora
