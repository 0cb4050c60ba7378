// SPDX-License-Identifier: GPL-3.0-or-later
// Principal phases, equinoxes and solstices, lunar eclipse maxima and contacts over 1900-2100
// against instants computed independently (tools/make_reference_events.py); each quantity reports
// its worst error and fails above its tolerance.
#include "astro/fEclipse.h"
#include "astro/fPhases.h"
#include "astro/fSeasons.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

using namespace astro;

namespace {

struct PhaseRow {
    double K;
    double Jde;
};
struct SeasonRow {
    int Year;
    int Event;
    double Jde;
};
struct EclipseRow {
    double K;
    double Jde;
};
struct ContactRow {
    double K;
    int Kind;
    double Jde[EclipseContactCount]; // 0: not reached
};

// The reference rows, Julian Days of dynamical time.
constexpr PhaseRow Phases[] = {
#define REFERENCE_PHASES
#include "reference_events.inc"
#undef REFERENCE_PHASES
};
constexpr SeasonRow Seasons[] = {
#define REFERENCE_SEASONS
#include "reference_events.inc"
#undef REFERENCE_SEASONS
};
constexpr EclipseRow Eclipses[] = {
#define REFERENCE_ECLIPSES
#include "reference_events.inc"
#undef REFERENCE_ECLIPSES
};

constexpr ContactRow Contacts[] = {
#define REFERENCE_CONTACTS
#include "reference_events.inc"
#undef REFERENCE_CONTACTS
};

// The errors of a quantity, in seconds: the worst and where it occurred, and the spread.
struct Worst {
    double Seconds = 0;
    double At = 0;
    std::vector<double> All;
    void Note(double seconds, double at) {
        All.push_back(std::fabs(seconds));
        if (std::fabs(seconds) > std::fabs(Seconds)) {
            Seconds = seconds;
            At = at;
        }
    }
    // "median m s, 95 % p s" of the absolute errors.
    std::string Spread() {
        if (All.empty()) return "none";
        std::sort(All.begin(), All.end());
        const auto at = [this](double q) {
            return All[static_cast<std::size_t>(q * static_cast<double>(All.size() - 1))];
        };
        char text[64];
        std::snprintf(text, sizeof text, "median %.1f s, 95 %% %.1f s", at(0.5), at(0.95));
        return text;
    }
};

std::uint16_t YearOf(double jde) {
    return static_cast<std::uint16_t>(2000 + std::floor((jde - 2451544.5) / 365.2425));
}

} // namespace

// Tolerances: about two and a half times the worst error found when the rows were made (phases
// 18 s, seasons 19 s, eclipse maxima 15 s), so that a lost term of a series shows.
TEST(ReferenceEvents, PrincipalPhases) {
    ASSERT_GT(std::size(Phases), 1000u);
    Worst worst;
    for (const PhaseRow& row : Phases)
        worst.Note((PhaseInstant(row.K) - row.Jde) * 86400, row.K);
    std::printf("%zu phases: %s, worst %.1f s at k = %.2f\n", std::size(Phases),
                worst.Spread().c_str(), worst.Seconds, worst.At);
    EXPECT_LE(std::fabs(worst.Seconds), 45) << "k = " << worst.At;
}

TEST(ReferenceEvents, EquinoxesAndSolstices) {
    ASSERT_GT(std::size(Seasons), 800u);
    Worst worst;
    Observer ut;
    int year = 0;
    SeasonsRec seasons;
    for (const SeasonRow& row : Seasons) {
        if (row.Year != year) {
            year = row.Year;
            seasons = EquinoxesAndSolstices(static_cast<std::uint16_t>(year), ut);
        }
        worst.Note((seasons.Instants[static_cast<std::size_t>(row.Event)] - row.Jde) * 86400,
                   row.Year + row.Event / 4.0);
    }
    std::printf("%zu equinoxes and solstices: %s, worst %.1f s in %.2f\n", std::size(Seasons),
                worst.Spread().c_str(), worst.Seconds, worst.At);
    EXPECT_LE(std::fabs(worst.Seconds), 45) << "in " << worst.At;
}

// Every reference eclipse is found as one, its maximum the least distance from the shadow's axis.
TEST(ReferenceEvents, LunarEclipseMaxima) {
    ASSERT_GT(std::size(Eclipses), 300u);
    Worst worst;
    for (const EclipseRow& row : Eclipses) {
        const EclipseElements e = EclipseGeometry(row.K, YearOf(row.Jde));
        ASSERT_TRUE(e.NearNode) << "k = " << row.K;
        EXPECT_NE(e.Kind, NoEclipse) << "k = " << row.K;
        worst.Note((e.MaximumJde - row.Jde) * 86400, row.K);
    }
    std::printf("%zu eclipse maxima: %s, worst %.1f s at k = %.1f\n", std::size(Eclipses),
                worst.Spread().c_str(), worst.Seconds, worst.At);
    EXPECT_LE(std::fabs(worst.Seconds), 40) << "k = " << worst.At;
}

// Every contact of every eclipse 1900-2100 (Danjon's shadow in both computations): the kinds
// agree, and each kind of contact reports its worst error against a minute.
TEST(ReferenceEvents, LunarEclipseContacts) {
    ASSERT_GT(std::size(Contacts), 400u);
    static const char* const names[EclipseContactCount] = {"first penumbral", "first umbral",
                                                           "totality begins", "totality ends",
                                                           "last umbral",     "last penumbral"};
    Worst worst[EclipseContactCount];
    Worst every;
    int counted[EclipseContactCount] = {};
    for (const ContactRow& row : Contacts) {
        const EclipseElements e = EclipseGeometry(row.K, YearOf(row.Jde[0]));
        ASSERT_TRUE(e.NearNode) << "k = " << row.K;
        EXPECT_EQ(e.Kind, row.Kind) << "k = " << row.K << ", penumbral magnitude "
                                    << e.PenumbralMagnitude << ", umbral " << e.UmbralMagnitude;
        if (e.Kind != row.Kind) continue;
        for (std::size_t c = 0; c < EclipseContactCount; ++c) {
            EXPECT_EQ(e.ContactUT[c] != 0, row.Jde[c] != 0) << "k = " << row.K << ", " << c;
            if (e.ContactUT[c] == 0 || row.Jde[c] == 0) continue;
            const double jde = e.ContactUT[c] + DeltaTDays(e.ContactUT[c]);
            worst[c].Note((jde - row.Jde[c]) * 86400, row.K);
            every.Note((jde - row.Jde[c]) * 86400, row.K);
            ++counted[c];
        }
    }
    for (std::size_t c = 0; c < EclipseContactCount; ++c) {
        std::printf("%4d %-16s contacts: %s, worst %5.1f s at k = %.1f\n", counted[c], names[c],
                    worst[c].Spread().c_str(), worst[c].Seconds, worst[c].At);
        EXPECT_LE(std::fabs(worst[c].Seconds), 60) << names[c] << ", k = " << worst[c].At;
    }
    std::printf("every contact: %s, worst %.1f s\n", every.Spread().c_str(), every.Seconds);
}
