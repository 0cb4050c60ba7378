#include "ui/Windows.h"
#include "ui/main/fMain.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    CreateWindows();
    Windows().Main->show();
    const int rc = QApplication::exec();
    DestroyWindows();
    return rc;
}
