#include "ui/reports/fReportMenu.h"

#include "ui/Windows.h"
#include "ui/main/fMain.h"
#include "ui/reports/fEaster.h"
#include "ui/reports/fEclipseReport.h"
#include "ui/reports/fEquinox.h"
#include "ui/reports/fFeatures.h"
#include "ui/reports/fMonthlyPhases.h"
#include "ui/reports/fObservingAid.h"

namespace {
// Left of the main window's reports button.
constexpr int kReportsButtonLeft = 158;

// Shows a window that may already be open and brings it to the front; its activation closes
// the menu.
void BringUp(QWidget* window) {
    if (!window) return;
    window->show();
    window->raise();
    window->activateWindow();
}
} // namespace

TReportMenu::TReportMenu(QWidget* parent) : TMenuFrame(265, 120, kReportsButtonLeft, parent) {
    setWindowTitle(QStringLiteral("Reports"));
    imgLunarVisibility =
        addRow(QStringLiteral("imgLunarVisibility"), QStringLiteral("Lunar Visibility"),
               QStringLiteral(":/report_lunar_visibility.png"));
    imgFindEclipses =
        addRow(QStringLiteral("imgFindEclipses"), QStringLiteral("Find Lunar Eclipses"),
               QStringLiteral(":/report_find_eclipses.png"));
    imgDisplayPhases =
        addRow(QStringLiteral("imgDisplayPhases"), QStringLiteral("Display Phases for Month"),
               QStringLiteral(":/report_display_phases.png"));
    imgLunarFeatures = addRow(QStringLiteral("imgLunarFeatures"),
                              QStringLiteral("Lunar Features Sunrise/Sunset Times"),
                              QStringLiteral(":/report_lunar_features.png"));
    imgEquinoxInfo =
        addRow(QStringLiteral("imgEquinoxInfo"), QStringLiteral("Equinox and Solstice Information"),
               QStringLiteral(":/report_equinox_info.png"));
    imgEaster = addRow(QStringLiteral("imgEaster"), QStringLiteral("Easter Sunday"),
                       QStringLiteral(":/report_easter.png"));

    connect(imgLunarVisibility, &TClickLabel::clicked, this, &TReportMenu::imgLunarVisibilityClick);
    connect(imgFindEclipses, &TClickLabel::clicked, this, &TReportMenu::imgFindEclipsesClick);
    connect(imgDisplayPhases, &TClickLabel::clicked, this, &TReportMenu::imgDisplayPhasesClick);
    connect(imgLunarFeatures, &TClickLabel::clicked, this, &TReportMenu::imgLunarFeaturesClick);
    connect(imgEquinoxInfo, &TClickLabel::clicked, this, &TReportMenu::imgEquinoxInfoClick);
    connect(imgEaster, &TClickLabel::clicked, this, &TReportMenu::imgEasterClick);
}

void TReportMenu::imgLunarVisibilityClick() {
    BringUp(Windows().ObservingAid);
}

void TReportMenu::imgFindEclipsesClick() {
    BringUp(Windows().EclipseReport);
}

void TReportMenu::imgDisplayPhasesClick() {
    BringUp(Windows().MonthlyPhases);
}

void TReportMenu::imgLunarFeaturesClick() {
    if (TFeatures* features = Windows().Features) {
        features->DisplaySunRiseSetTimes();
        BringUp(features);
    }
}

void TReportMenu::imgEquinoxInfoClick() {
    TEquinox* equinox = Windows().Equinox;
    const TMain* main = Windows().Main;
    if (!equinox || !main) return;
    equinox->EquinoxesAndSolstices(main->SelectedDate.Year);
    BringUp(equinox);
}

void TReportMenu::imgEasterClick() {
    BringUp(Windows().Easter);
}
