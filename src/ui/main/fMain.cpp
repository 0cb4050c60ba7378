#include "ui/main/fMain.h"

#include "settings/ObserverSettings.h"

TMain::TMain(QWidget* parent) : TFrame(parent) {
    setFixedSize(640, 480);
    setWindowTitle(QStringLiteral("Cresselle"));
    addTitleLabel(QRect(264, 12, 113, 25));
    addExitLabel(QRect(614, 12, 15, 25), QStringLiteral("Exit Cresselle"));
}

void TMain::RefreshLatAndLong() {}

void TMain::ShowSelectedMonth() {}
