#include "app/application.h"

#include "app/prtprvwfrm.h"
#include "app/velmoramainfrm.h"
#include "platform/dialogs/qtdialogs.h"
#include "platform/help/helpsystem.h"
#include "platform/systemlocale/systemlocale.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>

#include <exception>

// The icons are compiled into this static library; the linker keeps them only when asked.
static void initialiseIconResources() {
    Q_INIT_RESOURCE(velmora);
}

namespace velmora {

VelmoraWindows::VelmoraWindows() = default;
VelmoraWindows::VelmoraWindows(VelmoraWindows&&) noexcept = default;
VelmoraWindows& VelmoraWindows::operator=(VelmoraWindows&&) noexcept = default;

VelmoraWindows::~VelmoraWindows() {
    PrtPrvwFrm.reset();
    VelmoraMainFrm.reset();
}

VelmoraWindows createWindows(Dialogs& dialogs, HelpSystem& help, const FormatSettings& settings) {
    VelmoraWindows windows;
    windows.VelmoraMainFrm = std::make_unique<TVelmoraMainFrm>(dialogs, help, settings);
    windows.PrtPrvwFrm = std::make_unique<TPrtPrvwFrm>(*windows.VelmoraMainFrm, dialogs);
    windows.VelmoraMainFrm->setResultsWindow(windows.PrtPrvwFrm.get());
    return windows;
}

void initialiseApplication() {
    initialiseIconResources();
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setOrganizationName(QStringLiteral("Velmora"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/velmora.svg")));
}

void openProjectNamedAtStart(TVelmoraMainFrm& mainForm, const QStringList& arguments) {
    if (arguments.size() > 1)
        mainForm.openFile(arguments.at(1));
}

int runVelmora(int argc, char** argv) {
    QApplication application(argc, argv);
    initialiseApplication();
    QtDialogs dialogs;
    HelpSystem help(HelpSystem::defaultSearchFolders());
    // The help file's place as installed; the Help command names it by its bare name.
    help.setHelpFile(QStringLiteral(VELMORA_INSTALLED_DATA_DIR "/VELMORAHELP.HLP"));
    try {
        VelmoraWindows windows = createWindows(dialogs, help, formatSettingsFromEnvironment());
        windows.VelmoraMainFrm->show();
        openProjectNamedAtStart(*windows.VelmoraMainFrm, QApplication::arguments());
        QApplication::exec();
    } catch (const std::exception& e) {
        showErrorMessage(dialogs, nullptr, QString::fromStdString(e.what()));
    } catch (...) {
        showErrorMessage(dialogs, nullptr, QString());
    }
    return 0;
}

} // namespace velmora
