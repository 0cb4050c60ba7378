// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/GoodNightsCalendar.h"

#include "export/CalendarTexts.h"

#include <cstdio>

namespace ics {
namespace {

std::string Degrees(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f\u00b0", value);
    return buffer;
}

} // namespace

std::string NameTag(const std::string& name) {
    std::string out;
    for (const char c : name) {
        const auto u = static_cast<unsigned char>(c);
        if ((u >= 'a' && u <= 'z') || (u >= '0' && u <= '9'))
            out += c;
        else if (u >= 'A' && u <= 'Z')
            out += static_cast<char>(u - 'A' + 'a');
        else if (!out.empty() && out.back() != '-')
            out += '-';
    }
    while (!out.empty() && out.back() == '-')
        out.pop_back();
    return out.empty() ? "feature" : out;
}

std::vector<CalendarEvent> GoodNightEvents(const std::string& featureName,
                                           const astro::GoodNight* nights, int count,
                                           const astro::NightConditions& conditions) {
    std::vector<CalendarEvent> out;
    for (int i = 0; i < count; ++i) {
        const astro::GoodNight& g = nights[i];
        CalendarEvent e;
        e.Tag = "goodnight-" + NameTag(featureName);
        e.Summary =
            Format(Text(QT_TRANSLATE_NOOP("Calendar", "%1 in low sunlight")), {featureName});
        e.Description =
            Format(Text(QT_TRANSLATE_NOOP(
                       "Calendar", "Sun %1 over %2 and the Moon %3 high at the middle of the "
                                   "window.\nConditions: Sun %4 to %5 over the feature, Moon at "
                                   "least %6 high, Sun below %7 here.")),
                   {Degrees(g.FeatureSunAltitudeMid), featureName, Degrees(g.MoonAltitudeMid),
                    Degrees(conditions.FeatureSunMin), Degrees(conditions.FeatureSunMax),
                    Degrees(conditions.MoonMinAltitude), Degrees(conditions.SunMaxAltitude)});

        e.Start = g.Start;
        e.End = g.End;
        e.Key = g.Start;
        out.push_back(e);
    }
    return out;
}

} // namespace ics
