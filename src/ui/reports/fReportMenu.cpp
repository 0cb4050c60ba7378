// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/reports/fReportMenu.h"

#include "export/IcsCalendar.h"
#include "platform/Platform.h"
#include "ui/Windows.h"
#include "ui/reports/ReportContext.h"
#include "ui/reports/fAltitudeGraph.h"
#include "ui/reports/fEaster.h"
#include "ui/reports/fEclipseReport.h"
#include "ui/reports/fEquinox.h"
#include "ui/reports/fFeatures.h"
#include "ui/reports/fMonthlyPhases.h"
#include "ui/reports/fObservingAid.h"
#include "ui/state/AppState.h"
#include "zone/LocalTime.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QSaveFile>

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

TReportMenu::TReportMenu(QWidget* parent) : TMenuFrame(265, 160, kReportsButtonLeft, parent) {
    setWindowTitle(TReportMenu::tr("Reports"));
    imgLunarVisibility =
        addRow(QStringLiteral("imgLunarVisibility"), TReportMenu::tr("Lunar Visibility"),
               QStringLiteral(":/report_lunar_visibility.png"));
    imgFindEclipses =
        addRow(QStringLiteral("imgFindEclipses"), TReportMenu::tr("Find Lunar Eclipses"),
               QStringLiteral(":/report_find_eclipses.png"));
    imgDisplayPhases =
        addRow(QStringLiteral("imgDisplayPhases"), TReportMenu::tr("Display Phases for Month"),
               QStringLiteral(":/report_display_phases.png"));
    imgLunarFeatures = addRow(QStringLiteral("imgLunarFeatures"),
                              TReportMenu::tr("Lunar Features Sunrise/Sunset Times"),
                              QStringLiteral(":/report_lunar_features.png"));
    imgEquinoxInfo = addRow(QStringLiteral("imgEquinoxInfo"),
                            TReportMenu::tr("Equinox and Solstice Information"),
                            QStringLiteral(":/report_equinox_info.png"));
    imgEaster = addRow(QStringLiteral("imgEaster"), TReportMenu::tr("Easter Sunday"),
                       QStringLiteral(":/report_easter.png"));
    imgAltitudes =
        addRow(QStringLiteral("imgAltitudes"), TReportMenu::tr("Tonight: Moon and Sun Altitudes"),
               QStringLiteral(":/report_altitudes.png"));
    imgSaveCalendar = addRow(QStringLiteral("imgSaveCalendar"),
                             TReportMenu::tr("Save the Year's Events to a Calendar"),
                             QStringLiteral(":/report_save_calendar.png"));

    connect(imgLunarVisibility, &TClickLabel::clicked, this, &TReportMenu::imgLunarVisibilityClick);
    connect(imgFindEclipses, &TClickLabel::clicked, this, &TReportMenu::imgFindEclipsesClick);
    connect(imgDisplayPhases, &TClickLabel::clicked, this, &TReportMenu::imgDisplayPhasesClick);
    connect(imgLunarFeatures, &TClickLabel::clicked, this, &TReportMenu::imgLunarFeaturesClick);
    connect(imgEquinoxInfo, &TClickLabel::clicked, this, &TReportMenu::imgEquinoxInfoClick);
    connect(imgEaster, &TClickLabel::clicked, this, &TReportMenu::imgEasterClick);
    connect(imgAltitudes, &TClickLabel::clicked, this, &TReportMenu::imgAltitudesClick);
    connect(imgSaveCalendar, &TClickLabel::clicked, this, &TReportMenu::imgSaveCalendarClick);
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
    if (!equinox || !SharedState()) return;
    equinox->EquinoxesAndSolstices(reportcontext::SelectedDate().Year);
    BringUp(equinox);
}

void TReportMenu::imgEasterClick() {
    BringUp(Windows().Easter);
}

void TReportMenu::imgAltitudesClick() {
    OpenAltitudeGraph(reportcontext::SelectedDate());
}

void TReportMenu::imgSaveCalendarClick() {
    hide(); // the menu is a popup; the dialog takes the activation
    const int year = reportcontext::SelectedDate().Year;
    QWidget* owner = MainWidget();
    const QString path = platform::ChooseSaveFile(
        owner, QStringLiteral("calendar"), TReportMenu::tr("Save the year's events"),
        platform::PdfFolder(), TReportMenu::tr("Moon %1.ics").arg(year),
        TReportMenu::tr("iCalendar (*.ics)"), QStringLiteral(".ics"));
    if (path.isEmpty()) return;
    const double nowUt = TAppState::UtNow();
    const astro::Observer observer = reportcontext::MainObserver();
    const TObserverClock clock(observer);
    const auto offsetAt = [&](astro::JulianDay ut) { return clock.Zone().OffsetAt(ut); };
    const std::string text = ics::CalendarText(ics::YearEvents(year, observer, offsetAt), nowUt,
                                               QCoreApplication::applicationVersion().toStdString(),
                                               ics::YearCalendarName(year));
    // Written whole or not at all.
    QSaveFile file(path);
    const auto size = static_cast<qint64>(text.size());
    if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), size) != size || !file.commit())
        platform::ShowMessage(owner,
                              TReportMenu::tr("The calendar could not be saved as \"%1\": %2")
                                  .arg(QDir::toNativeSeparators(path), file.errorString()));
}
