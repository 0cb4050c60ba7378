// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' date records from the toolkit's local date and time.
#pragma once

#include "astro/fGlobals.h"

#include <QDateTime>

#include <cstdint>

// Writes the date and the time of day (to the second) of `local` into `rec`; its other fields
// keep their values.
inline void SetDateAndTime(astro::DateTimeRec& rec, const QDateTime& local) {
    rec.Day = static_cast<std::uint16_t>(local.date().day());
    rec.Month = static_cast<std::uint16_t>(local.date().month());
    rec.Year = static_cast<std::uint16_t>(local.date().year());
    rec.Hour = static_cast<std::uint16_t>(local.time().hour());
    rec.Minute = static_cast<std::uint16_t>(local.time().minute());
    rec.Second = static_cast<std::uint16_t>(local.time().second());
}
