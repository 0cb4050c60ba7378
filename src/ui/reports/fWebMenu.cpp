// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/reports/fWebMenu.h"

#include "platform/Platform.h"

#include <QPrinter>

namespace {
// Left of the main window's links button.
constexpr int kLinksButtonLeft = 100;
} // namespace

TWebMenu::TWebMenu(QWidget* parent) : TMenuFrame(265, 380, kLinksButtonLeft, parent) {
    setWindowTitle(TWebMenu::tr("Lunar Links"));
    imgLunarResources = addRow(QStringLiteral("imgLunarResources"), TWebMenu::tr("Lunar Resources"),
                               QStringLiteral(":/web_lunar_resources.png"), true);
    imgMoonViews = addLink("imgMoonViews", "The Moon (Views of the Solar System)",
                           ":/web_moon_views.png", "https://solarviews.com/eng/moon.htm");
    imgMoonNSSDC = addLink("imgMoonNSSDC", "The Moon (NSSDC)", ":/web_moon_nssdc.png",
                           "https://nssdc.gsfc.nasa.gov/planetary/factsheet/moonfact.html");
    imgExploringTheMoon =
        addLink("imgExploringTheMoon", "Exploring The Moon", ":/web_exploring_the_moon.png",
                "https://www.lpi.usra.edu/lunar/");
    imgAmericanLunarSociety =
        addLink("imgAmericanLunarSociety", "The American Lunar Society",
                ":/web_american_lunar_society.png", "https://www.amlunsoc.org/");
    imgALPOLunarSection =
        addLink("imgALPOLunarSection", "A.L.P.O. Lunar Section", ":/web_alpo_lunar_section.png",
                "https://alpo-astronomy.org/lunarupload/lunarindex.htm");
    imgInternationalOccultationTimingAssoc =
        addLink("imgInternationalOccultationTimingAssoc", "International Occultation Timing Assoc.",
                ":/web_international_occultation_timing_assoc.png", "https://occultations.org/");
    imgInconstantMoon = addLink("imgInconstantMoon", "Inconstant Moon", ":/web_inconstant_moon.png",
                                "https://www.inconstantmoon.com/");
    imgLunarOrbiterPhotographicAtlas =
        addLink("imgLunarOrbiterPhotographicAtlas", "Lunar Orbiter Photographic Atlas",
                ":/web_lunar_orbiter_photographic_atlas.png",
                "https://www.lpi.usra.edu/resources/lunar_orbiter/");
    imgLunascan = addLink("imgLunascan", "Lunascan", ":/web_lunascan.png",
                          "https://web.archive.org/web/2002/http://www.lunascan.org/");
    imgClementineLunarImageBrowser =
        addLink("imgClementineLunarImageBrowser", "Clementine Lunar Image Browser",
                ":/web_clementine_lunar_image_browser.png",
                "https://pds-imaging.jpl.nasa.gov/volumes/clementine.html");
    imgLunarEclipseObserver =
        addLink("imgLunarEclipseObserver", "Lunar Eclipse Observer",
                ":/web_lunar_eclipse_observer.png", "https://eclipse.gsfc.nasa.gov/lunar.html");
    imgLunarEclipsePhotography =
        addLink("imgLunarEclipsePhotography", "Lunar Eclipse Photography",
                ":/web_lunar_eclipse_photography.png", "https://www.mreclipse.com/");
    Image1 = addRow(QStringLiteral("Image1"), TWebMenu::tr("Lunar Missions"),
                    QStringLiteral(":/web_lunar_missions.png"), true);
    imgAmericasGreatestAdventure = addLink(
        "imgAmericasGreatestAdventure", "America's Greatest Adventure",
        ":/web_americas_greatest_adventure.png", "https://www.nasa.gov/the-apollo-program/");
    imgLunarProspectorMission =
        addLink("imgLunarProspectorMission", "Lunar Prospector Mission",
                ":/web_lunar_prospector_mission.png",
                "https://nssdc.gsfc.nasa.gov/nmc/spacecraft/display.action?id=1998-001A");
    imgClementineMission =
        addLink("imgClementineMission", "Clementine Mission", ":/web_clementine_mission.png",
                "https://nssdc.gsfc.nasa.gov/nmc/spacecraft/display.action?id=1994-004A");
    imgApolloLunarSurfaceJournal =
        addLink("imgApolloLunarSurfaceJournal", "The Apollo Lunar Surface Journal",
                ":/web_apollo_lunar_surface_journal.png", "https://www.nasa.gov/history/alsj/");
}

TClickLabel* TWebMenu::addLink(const char* name, const char* caption, const char* picture,
                               const char* address) {
    TClickLabel* row =
        addRow(QString::fromLatin1(name), QString::fromUtf8(caption), QString::fromLatin1(picture));
    const QUrl url(QString::fromLatin1(address));
    row->setToolTip(url.toString());
    links_.push_back({row, url});
    // With nothing to open it, the address is named and offered for copying.
    connect(row, &TClickLabel::clicked, this, [this, url] { platform::OpenOrOffer(this, url); });
    return row;
}
