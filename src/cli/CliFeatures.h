// SPDX-License-Identifier: GPL-3.0-or-later
// The features command: Sun rise and set over every feature of a features file.
#pragma once

#include "astro/fGlobals.h"
#include "data/FeatureFile.h"

#include <QJsonObject>
#include <string>
#include <vector>

namespace cli {

// Features of `file` (data.dat of the working folder when empty), for the lunar day in
// progress at 0h on the first of the month.
QJsonObject FeaturesCommand(const astro::DateTimeRec& month, const astro::Observer& observer,
                            const std::string& file);

// The features of `file` (as FeaturesCommand finds it), checked whole; throws UsageError.
std::vector<FeatureTexts> CheckedFeatures(const std::string& file);

} // namespace cli
