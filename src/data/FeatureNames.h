// SPDX-License-Identifier: GPL-3.0-or-later
// Finding a feature by the name an observer uses: the database's own names (without case and
// accents) and the popular names of well-known sights ("Straight Wall" for Rupes Recta).
#pragma once

#include "data/FeatureFile.h"

#include <QString>
#include <QStringList>

#include <vector>

// A popular name and the database feature it stands for.
struct PopularName {
    const char* Popular; // "Straight Wall"
    const char* Feature; // "Rupes Recta", a name of the shipped database
    const char* Where;   // what the popular name shows, in a few words
};

// The table of popular names (the README lists it; the database tool checks every Feature).
const std::vector<PopularName>& PopularNames();

// The database name that a popular name stands for, compared folded; empty when none does.
// With `prefix`, a typed text of three characters or more may also be the start of the popular
// name (the search box while the name is typed).
QString PopularNameTarget(const QString& typed, bool prefix = false);

// The index in `features` of the feature named `typed` (folded), or of the feature its popular
// name stands for; -1 when neither is there.
int FindFeatureNamed(const std::vector<FeatureTexts>& features, const QString& typed);

// Up to `count` names of `features` nearest to `typed` by edit distance on the folded names
// (a name that begins with the typed text comes first), for a "did you mean" message.
QStringList NearestFeatureNames(const std::vector<FeatureTexts>& features, const QString& typed,
                                int count = 5);
