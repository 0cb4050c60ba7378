// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/FeatureNames.h"

#include <algorithm>
#include <utility>

namespace {

// Edit distance of two texts (insert, delete, change one character each cost 1), with a
// bounded row: names are at most 80 characters.
int EditDistance(const QString& a, const QString& b) {
    const qsizetype n = std::min<qsizetype>(b.size(), 128);
    std::vector<int> row(static_cast<std::size_t>(n) + 1);
    for (qsizetype j = 0; j <= n; ++j)
        row[static_cast<std::size_t>(j)] = static_cast<int>(j);
    for (qsizetype i = 1; i <= std::min<qsizetype>(a.size(), 128); ++i) {
        int diagonal = row[0];
        row[0] = static_cast<int>(i);
        for (qsizetype j = 1; j <= n; ++j) {
            const auto uj = static_cast<std::size_t>(j);
            const int above = row[uj];
            row[uj] = std::min({above + 1, row[uj - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[static_cast<std::size_t>(n)];
}

} // namespace

const std::vector<PopularName>& PopularNames() {
    static const std::vector<PopularName> table = {
        {"Straight Wall", "Rupes Recta", "the fault east of Birt"},
        {"Alpine Valley", "Vallis Alpes", "the cleft through the Alps"},
        {"Lunar X", "Werner",
         "the X of crater rims between Blanchinus, La Caille and Purbach, "
         "at first quarter"},
        {"Werner X", "Werner", "the same X"},
        {"Lunar V", "Ukert", "the V of ridges beside Ukert, at first quarter"},
        {"Sword", "Rupes Recta", "the Straight Wall's other name (the sword and its hilt)"},
        {"Cobra Head", "Vallis Schröteri", "the head of Schröter's Valley"},
        {"Schröter's Valley", "Vallis Schröteri", "the winding valley by Aristarchus"},
        {"Hyginus Rille", "Rima Hyginus", "the cleft through Hyginus"},
        {"Ariadaeus Rille", "Rima Ariadaeus", "the straight cleft west of Mare Tranquillitatis"},
        {"Jewelled Handle", "Sinus Iridum", "the Jura mountains lit before the bay at sunrise"},
        {"Bay of Rainbows", "Sinus Iridum", "the bay on the north-west of Mare Imbrium"},
        {"Cassini's Bright Spot", "Cassini", "the crater in the Alps' foothills"},
        {"Eye of Reiner", "Reiner Gamma", "the bright swirl west of Reiner"},
        {"Sea of Tranquillity", "Mare Tranquillitatis", "the mare of the first landing"},
        {"Sea of Crises", "Mare Crisium", "the mare by the east limb"},
        {"Ocean of Storms", "Oceanus Procellarum", "the great western mare"},
        {"Sea of Rains", "Mare Imbrium", "the great north-western mare"},
        {"Sea of Serenity", "Mare Serenitatis", "the mare north of Tranquillitatis"},
        {"Sea of Nectar", "Mare Nectaris", "the small south-eastern mare"},
        {"Sea of Clouds", "Mare Nubium", "the southern mare with the Straight Wall"},
    };
    return table;
}

QString PopularNameTarget(const QString& typed, bool prefix) {
    const QString folded = FeatureFoldedName(typed.simplified());
    if (folded.isEmpty()) return {};
    for (const PopularName& p : PopularNames())
        if (FeatureFoldedName(QString::fromUtf8(p.Popular)) == folded)
            return QString::fromUtf8(p.Feature);
    if (!prefix || folded.size() < 3) return {};
    for (const PopularName& p : PopularNames())
        if (FeatureFoldedName(QString::fromUtf8(p.Popular)).startsWith(folded))
            return QString::fromUtf8(p.Feature);
    return {};
}

int FindFeatureNamed(const std::vector<FeatureTexts>& features, const QString& typed) {
    auto find = [&](const QString& name) {
        const QString folded = FeatureFoldedName(name.simplified());
        for (std::size_t i = 0; i < features.size(); ++i)
            if (FeatureFoldedName(features[i].Name) == folded) return static_cast<int>(i);
        return -1;
    };
    const int own = find(typed);
    if (own >= 0) return own;
    const QString target = PopularNameTarget(typed);
    return target.isEmpty() ? -1 : find(target);
}

QStringList NearestFeatureNames(const std::vector<FeatureTexts>& features, const QString& typed,
                                int count) {
    const QString folded = FeatureFoldedName(typed.simplified());
    std::vector<std::pair<int, int>> scored; // (score, index)
    scored.reserve(features.size());
    for (std::size_t i = 0; i < features.size(); ++i) {
        const QString name = FeatureFoldedName(features[i].Name);
        const int score =
            name.startsWith(folded) && !folded.isEmpty() ? 0 : 1 + EditDistance(folded, name);
        scored.emplace_back(score, static_cast<int>(i));
    }
    const auto keep = std::min<std::size_t>(scored.size(), static_cast<std::size_t>(count));
    std::partial_sort(scored.begin(), scored.begin() + static_cast<std::ptrdiff_t>(keep),
                      scored.end());
    QStringList out;
    for (std::size_t i = 0; i < keep; ++i)
        out << features[static_cast<std::size_t>(scored[i].second)].Name;
    return out;
}
