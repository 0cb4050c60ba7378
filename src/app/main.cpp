// SPDX-License-Identifier: GPL-3.0-or-later
// Program entry: set the application up, create the seventeen windows in their order, show
// the main window and run until it closes.
#include "ui/Windows.h"
#include "ui/main/Startup.h"
#include "ui/main/fMain.h"

#include <QApplication>

namespace {
// The windows are frameless and place and drag themselves; a Wayland session lets no client
// move its own windows, so run through XWayland where it is there.
void PreferX11UnderWayland() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}
} // namespace

int main(int argc, char** argv) {
    PreferX11UnderWayland();
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(resources);
    startup::InitialiseApplication(app);
    CreateWindows();
    startup::QuitWhenClosed(Windows().Main);
    Windows().Main->show();
    const int rc = QApplication::exec();
    DestroyWindows();
    return rc;
}
