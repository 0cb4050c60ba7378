// SPDX-License-Identifier: GPL-3.0-or-later
// Command line of cresselle-cli: options, the command and its arguments, checked input.
#pragma once

#include "astro/fGlobals.h"

#include <optional>
#include <string>
#include <vector>

namespace cli {

struct Options {
    std::optional<double> latitudeDeg;  // north positive, -90..90
    std::optional<double> longitudeDeg; // EAST positive, -180..180
    std::optional<int> zoneMinutes;     // minutes ahead of UT, multiple of 30, -720..720
    bool dst = false;
    std::string tz; // a named zone ("Europe/London"); empty: --zone/--dst or the stored zone
    bool json = false;
    bool csv = false;
    bool help = false;
    bool version = false;
    std::string output; // ical: file to write (-o); empty for stdout
    std::string file;   // features: data.dat to read
    // terminator and plan: the band of the Sun's altitude over a feature, degrees
    std::optional<double> minDeg, maxDeg;
    std::optional<double> moonMinDeg;  // plan: the Moon's least altitude at the observer
    std::optional<double> sunMaxDeg;   // plan: the Sun's altitude at the observer stays below
    std::optional<double> stepMinutes; // altitude: minutes between samples, 1..240
    std::string command;
    std::vector<std::string> args;

    bool observerGiven() const { return latitudeDeg || longitudeDeg || zoneMinutes || dst; }
};

// Thrown for bad input; the message is the one line printed on stderr.
struct UsageError {
    std::string message;
};

// An argument as a message quotes it: in single quotes, cut after 40 characters.
std::string Quoted(const std::string& text);

Options ParseOptions(const std::vector<std::string>& argv);

// Dates and years of the commands. Each throws UsageError naming the problem.
astro::DateTimeRec ParseDateTime(const std::string& text); // YYYY-MM-DDTHH:MM:SS
astro::DateTimeRec ParseDay(const std::string& text);      // YYYY-MM-DD
astro::DateTimeRec ParseMonth(const std::string& text);    // YYYY-MM
int ParseYear(const std::string& text);                    // YYYY, 1..9999

std::string UsageText();

} // namespace cli
