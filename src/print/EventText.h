// SPDX-License-Identifier: GPL-3.0-or-later
// The shown text of a rise or set, shared by the main panel and the printed calendar: a body
// above or below its level all day reads "Up" or "Down" (as in the times list), not "None".
#pragma once

#include "astro/fRiseSet.h"

#include <QString>

#include <string>

// "Up" for EventState::AlwaysUp, "Down" for AlwaysDown, else `text` as it is.
QString EventText(const std::string& text, astro::EventState state);
