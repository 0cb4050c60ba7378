// SPDX-License-Identifier: GPL-3.0-or-later
#include "zone/Places.h"

#include "zone/Zone.h"

#include <QFile>
#include <QHash>

#include <algorithm>
#include <cmath>

namespace {

constexpr qint64 MaxTableBytes = 16 << 20;
constexpr int MaxPlaces = 200000;

const QString& WorldTablePath() {
    static const QString path = QStringLiteral(":/places/places.tsv");
    return path;
}

struct TPlaceTable {
    QList<TPlace> Places;
    bool World = false;
    QHash<QString, int> ByLabel;
};

const TPlaceTable& Table() {
    static const TPlaceTable table = [] {
        TPlaceTable t;
        QFile file(WorldTablePath());
        if (file.open(QIODevice::ReadOnly)) t.Places = ParsePlaceTable(file.read(MaxTableBytes));
        t.World = !t.Places.isEmpty();
        if (!t.World) {
            for (const TZonePlace& zp : ZonePlaces()) {
                TPlace p;
                p.Name = zp.City;
                p.ZoneId = zp.ZoneId;
                p.Latitude = zp.Latitude;
                p.Longitude = zp.Longitude;
                t.Places << p;
            }
            std::sort(t.Places.begin(), t.Places.end(), [](const TPlace& a, const TPlace& b) {
                return a.Name.compare(b.Name, Qt::CaseInsensitive) < 0;
            });
        }
        // The first (most populous) of equal labels wins.
        for (int i = t.Places.size() - 1; i >= 0; --i)
            t.ByLabel.insert(t.Places[i].Label(), i);
        return t;
    }();
    return table;
}

} // namespace

QString TPlace::Label() const {
    if (Country.isEmpty()) return QStringLiteral("%1, %2").arg(Name, QString::fromLatin1(ZoneId));
    if (State.isEmpty() || State == Name) return QStringLiteral("%1, %2").arg(Name, Country);
    return QStringLiteral("%1, %2, %3").arg(Name, State, Country);
}

QString TPlace::ShortName() const {
    return Country.isEmpty() ? Name : QStringLiteral("%1, %2").arg(Name, Country);
}

QList<TPlace> ParsePlaceTable(const QByteArray& text) {
    QList<TPlace> places;
    const QList<QByteArray> lines = text.split('\n');
    for (const QByteArray& line : lines) {
        if (places.size() >= MaxPlaces) break;
        const QList<QByteArray> f = line.split('\t');
        if (f.size() != 7 || f[0].trimmed().isEmpty() || f[3].isEmpty()) continue;
        bool latOk = false, lonOk = false;
        TPlace p;
        p.Latitude = f[4].toDouble(&latOk);
        p.Longitude = f[5].toDouble(&lonOk);
        if (!latOk || !lonOk || !(std::abs(p.Latitude) <= 90) || !(std::abs(p.Longitude) <= 180))
            continue;
        p.Name = QString::fromUtf8(f[0]).trimmed();
        p.State = QString::fromUtf8(f[1]).trimmed();
        p.Country = QString::fromUtf8(f[2]).trimmed();
        p.ZoneId = f[3].trimmed();
        p.Population = f[6].trimmed().toUInt();
        places << p;
    }
    std::stable_sort(places.begin(), places.end(),
                     [](const TPlace& a, const TPlace& b) { return a.Population > b.Population; });
    return places;
}

const QList<TPlace>& Places() {
    return Table().Places;
}

bool HasWorldPlaces() {
    return Table().World;
}

const TPlace* PlaceOfLabel(const QString& label) {
    const TPlaceTable& t = Table();
    const auto it = t.ByLabel.constFind(label.trimmed());
    return it == t.ByLabel.constEnd() ? nullptr : &t.Places[*it];
}
