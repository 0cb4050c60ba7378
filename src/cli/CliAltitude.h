// SPDX-License-Identifier: GPL-3.0-or-later
// altitude DATE [--step MIN]: the night's curve of the Moon's and the Sun's altitudes, from
// local noon of DATE to the next noon, as the altitude graph draws it.
#pragma once

#include "astro/fGlobals.h"

#include <QJsonObject>
#include <QString>

namespace cli {

QJsonObject AltitudeCommand(const astro::DateTimeRec& day, const astro::Observer& observer,
                            double stepMinutes);
// The rows as CSV (local time, Moon altitude and azimuth, Sun altitude and azimuth).
QString AltitudeCsv(const QJsonObject& altitude);
// The rows as an aligned table with the events under it.
QString AltitudeText(const QJsonObject& altitude);

} // namespace cli
