// SPDX-License-Identifier: GPL-3.0-or-later
// The world's places by name: the cities of the GeoNames table built into the program, or,
// when the program was built without it, the principal cities of the system's zone table.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

struct TPlace {
    QString Name;         // "Boston"
    QString State;        // "Massachusetts"; may be empty or the name again
    QString Country;      // "United States"; empty for a zone table city
    QByteArray ZoneId;    // "America/New_York"
    double Latitude = 0;  // degrees, north positive
    double Longitude = 0; // degrees, east positive
    quint32 Population = 0;

    // "Boston, Massachusetts, United States of America" (the state left out when it repeats the
    // name); "London, Europe/London" for a zone table city.
    QString Label() const;
    // What the Location box and the main window show: "Boston, United States of America", "London".
    QString ShortName() const;
};

// Reads a place table (one city a line: name, state, country, zone id, latitude, longitude,
// population, tab-separated, UTF-8). Lines that do not parse are skipped; the cities come in
// order of population, largest first.
QList<TPlace> ParsePlaceTable(const QByteArray& text);

// The places offered (read once): the built-in table, else the zone table's cities.
const QList<TPlace>& Places();
// True when Places() comes from the built-in world table.
bool HasWorldPlaces();
// The place whose Label() is `label` (the most populous of equal labels), or null.
const TPlace* PlaceOfLabel(const QString& label);
