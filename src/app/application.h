// The desktop program's start: the application object, the two windows and the message loop.
#pragma once

#include "platform/conversions.h"

#include <QStringList>

#include <memory>

namespace velmora {

class Dialogs;
class HelpSystem;
class TPrtPrvwFrm;
class TVelmoraMainFrm;

// The program's two windows: the main window and the results window it shows. The results
// window reads the main window, so it goes first.
struct VelmoraWindows {
    std::unique_ptr<TVelmoraMainFrm> VelmoraMainFrm;
    std::unique_ptr<TPrtPrvwFrm> PrtPrvwFrm;

    VelmoraWindows();
    VelmoraWindows(VelmoraWindows&&) noexcept;
    VelmoraWindows& operator=(VelmoraWindows&&) noexcept;
    ~VelmoraWindows();
};

// The main window, then the results window, hidden. Needs a QApplication.
VelmoraWindows createWindows(Dialogs& dialogs, HelpSystem& help, const FormatSettings& settings);

// Sets the application's name and icon, as the windows and message boxes show them.
void initialiseApplication();

// A project named on the command line (a double-click on a .vlm file) opens as Open would
// open it; without one the program reads no command line. `arguments` are the program's, its
// name first, as QApplication leaves them.
void openProjectNamedAtStart(TVelmoraMainFrm& mainForm, const QStringList& arguments);

// The whole program: returns its exit code, 0 whatever happened. A project file named as the
// first argument is opened at start.
int runVelmora(int argc, char** argv);

} // namespace velmora
