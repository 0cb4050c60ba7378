// Program entry: set the application up, create the seventeen windows in their order, show
// the main window and run until it closes.
#include "ui/Windows.h"
#include "ui/main/Startup.h"
#include "ui/main/fMain.h"

#include <QApplication>

int main(int argc, char** argv) {
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
