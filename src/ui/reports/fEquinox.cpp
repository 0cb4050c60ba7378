// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/reports/fEquinox.h"

#include "settings/ObserverSettings.h"
#include "ui/Windows.h"
#include "ui/reports/ReportContext.h"
#include "ui/style/Style.h"
#include "zone/EngineText.h"
#include "zone/LocalTime.h"
#include "zone/Zone.h"

#include <QPainter>

#include <algorithm>

using namespace mainstyle;

namespace {

QLabel* MakeLabel(QWidget* parent, int left, int top, const QColor& colour,
                  const QString& text = {}) {
    auto* label = new QLabel(text, parent);
    label->setFont(ArialPoints(8));
    label->setStyleSheet(TransparentLabelStyle(colour));
    label->move(left, top);
    label->resize(text.isEmpty() ? 100 : label->sizeHint().width(), 16);
    return label;
}

} // namespace

QString ShortEventText(const std::string& eventText) {
    const QString text = QString::fromStdString(eventText);
    return text.left(5) + QStringLiteral("  ") + text.mid(9, 7);
}

QString SeasonLengthText(double days) {
    return ShownNumber(days, 'g', 15) + TEquinox::tr(" days");
}

TEquinox::TEquinox(QWidget* parent) : TFrame(parent) {
    setWindowTitle(TEquinox::tr("Equinoxes and Solstices"));
    setBackground(
        LoadPicture(QStringLiteral("equinox.jpg"), QSize(350, 155), [](QPainter& p, QSize size) {
            p.fillRect(QRect(QPoint(0, 0), size), QColor(20, 30, 90));
            p.fillRect(16, 56, 318, 84, Qt::black);
            p.setPen(QColor(220, 220, 255));
            p.drawText(QRect(62, 12, 226, 23), Qt::AlignCenter,
                       TEquinox::tr("Equinoxes and Solstices"));
            p.drawText(QRect(323, 13, 13, 15), Qt::AlignCenter, QStringLiteral("x"));
        }));
    setFixedSize(350, 155);
    setClosesOnDeactivate(true);
    addTitleLabel(QRect(62, 12, 226, 23));
    addExitLabel(QRect(323, 13, 13, 15));

    Label8 = MakeLabel(this, 31, 66, Yellow, TEquinox::tr("Spring Equinox:"));
    Label7 = MakeLabel(this, 31, 82, Yellow, TEquinox::tr("Summer Solstice:"));
    Label6 = MakeLabel(this, 31, 98, Yellow, TEquinox::tr("Autumn Equinox:"));
    Label5 = MakeLabel(this, 31, 114, Yellow, TEquinox::tr("Winter Solstice:"));
    lblSpring = MakeLabel(this, 150, 66, Aqua);
    lblSummer = MakeLabel(this, 150, 82, Aqua);
    lblAutumn = MakeLabel(this, 150, 98, Aqua);
    lblWinter = MakeLabel(this, 150, 114, Aqua);
    lblSpringDur = MakeLabel(this, 254, 66, ValueTextColour);
    lblSummerDur = MakeLabel(this, 254, 82, ValueTextColour);
    lblAutumnDur = MakeLabel(this, 254, 98, ValueTextColour);
    lblWinterDur = MakeLabel(this, 254, 114, ValueTextColour);
    lblSpring->setObjectName(QStringLiteral("lblSpring"));
    lblSummer->setObjectName(QStringLiteral("lblSummer"));
    lblAutumn->setObjectName(QStringLiteral("lblAutumn"));
    lblWinter->setObjectName(QStringLiteral("lblWinter"));
}

void TEquinox::EquinoxesAndSolstices(int year) {
    const astro::Observer observer = reportcontext::MainObserver();
    const auto y = static_cast<std::uint16_t>(std::clamp(year, 1, 9999));
    astro::SeasonsRec seasons = astro::EquinoxesAndSolstices(y, observer);
    // Each event rounded once to the minute from its instant, in the offset in force at it.
    for (std::size_t i = 0; i < seasons.Texts.size(); ++i) {
        const astro::JulianDay ut = seasons.Instants[i] - astro::DeltaTDays(seasons.Instants[i]);
        seasons.Texts[i] = astro::DateTimeText(LocalDateTime(ut, TObserverClock(observer).Zone()));
    }

    // Events 0 March, 1 June, 2 September, 3 December; the south has them half a year apart.
    const bool north = ObserverSettings.LatDir == QStringLiteral("North");
    const int spring = north ? 0 : 2, summer = north ? 1 : 3;
    const int autumn = north ? 2 : 0, winter = north ? 3 : 1;
    auto fill = [&](QLabel* event, QLabel* length, int index) {
        event->setText(ShortEventText(seasons.Texts[static_cast<std::size_t>(index)]));
        event->adjustSize();
        length->setText(SeasonLengthText(seasons.Lengths[static_cast<std::size_t>(index)]));
        length->adjustSize();
    };
    fill(lblSpring, lblSpringDur, spring);
    fill(lblSummer, lblSummerDur, summer);
    fill(lblAutumn, lblAutumnDur, autumn);
    fill(lblWinter, lblWinterDur, winter);

    show();
    raise();
    activateWindow();
}

void TEquinox::FormShow() {
    if (const QWidget* main = MainWidget()) move(CentredOn(*main, size()));
}
