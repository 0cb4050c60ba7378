// SPDX-License-Identifier: GPL-3.0-or-later
// The links popup: two headings and sixteen rows, each opening a lunar web page in the
// user's browser.
#pragma once

#include "ui/reports/fMenuFrame.h"

#include <QUrl>
#include <vector>

class TWebMenu : public TMenuFrame {
    Q_OBJECT
  public:
    explicit TWebMenu(QWidget* parent = nullptr);

    struct Link {
        TClickLabel* row = nullptr;
        QUrl address;
    };
    const std::vector<Link>& links() const { return links_; }

    TClickLabel* imgLunarResources = nullptr; // heading
    TClickLabel* imgMoonViews = nullptr;
    TClickLabel* imgMoonNSSDC = nullptr;
    TClickLabel* imgExploringTheMoon = nullptr;
    TClickLabel* imgAmericanLunarSociety = nullptr;
    TClickLabel* imgALPOLunarSection = nullptr;
    TClickLabel* imgInternationalOccultationTimingAssoc = nullptr;
    TClickLabel* imgInconstantMoon = nullptr;
    TClickLabel* imgLunarOrbiterPhotographicAtlas = nullptr;
    TClickLabel* imgLunascan = nullptr;
    TClickLabel* imgClementineLunarImageBrowser = nullptr;
    TClickLabel* imgLunarEclipseObserver = nullptr;
    TClickLabel* imgLunarEclipsePhotography = nullptr;
    TClickLabel* Image1 = nullptr; // heading "Lunar Missions"
    TClickLabel* imgAmericasGreatestAdventure = nullptr;
    TClickLabel* imgLunarProspectorMission = nullptr;
    TClickLabel* imgClementineMission = nullptr;
    TClickLabel* imgApolloLunarSurfaceJournal = nullptr;

  private:
    TClickLabel* addLink(const char* name, const char* caption, const char* picture,
                         const char* address);

    std::vector<Link> links_;
};
