// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliArgs.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace cli {
namespace {

[[noreturn]] void fail(const std::string& message) {
    throw UsageError{message};
}

// A decimal number as typed: an optional sign, digits with an optional point and exponent.
// Blanks, hexadecimal, "inf" and "nan" are refused; the point is "." whatever the locale.
double parseNumber(const std::string& option, const std::string& text) {
    const char* first = text.c_str();
    const char* last = first + text.size();
    const bool plus = first != last && *first == '+';
    if (plus) ++first;
    const bool startsWell = first != last && (std::isdigit(static_cast<unsigned char>(*first)) ||
                                              *first == '.' || (*first == '-' && !plus));
    double value = 0;
    const std::from_chars_result read =
        startsWell ? std::from_chars(first, last, value)
                   : std::from_chars_result{first, std::errc::invalid_argument};
    if (read.ec != std::errc() || read.ptr != last || !std::isfinite(value))
        fail("invalid " + option + " " + Quoted(text) + ": not a number");
    return value;
}

const std::string& valueOf(const std::vector<std::string>& argv, std::size_t& i) {
    if (i + 1 >= argv.size()) fail("option " + Quoted(argv[i]) + " needs a value");
    return argv[++i];
}

bool allDigits(const std::string& s) {
    if (s.empty()) return false;
    for (const char c : s)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

// Splits "a<sep>b<sep>c" into exactly `count` all-digit fields of the given widths.
std::vector<int> digitFields(const std::string& text, char sep, const std::vector<int>& widths,
                             const std::string& what, const std::string& shape) {
    std::vector<int> out;
    std::size_t pos = 0;
    for (std::size_t f = 0; f < widths.size(); ++f) {
        const std::size_t next = f + 1 < widths.size() ? text.find(sep, pos) : text.size();
        if (next == std::string::npos)
            // NOLINTNEXTLINE(performance-inefficient-string-concatenation): a message, once
            fail("invalid " + what + " " + Quoted(text) + ": expected " + shape);
        const std::string field = text.substr(pos, next - pos);
        if (!allDigits(field) || static_cast<int>(field.size()) != widths[f])
            // NOLINTNEXTLINE(performance-inefficient-string-concatenation): a message, once
            fail("invalid " + what + " " + Quoted(text) + ": expected " + shape);
        out.push_back(std::atoi(field.c_str()));
        pos = next + 1;
    }
    return out;
}

void checkRange(int value, int low, int high, const std::string& name, const std::string& what,
                const std::string& text) {
    if (value < low || value > high)
        fail("invalid " + what + " " + Quoted(text) + ": " + name + " must be " +
             std::to_string(low) + "-" + std::to_string(high));
}

astro::DateTimeRec dateOf(const std::vector<int>& f, const std::string& what,
                          const std::string& text) {
    checkRange(f[0], 1, 9999, "year", what, text);
    astro::DateTimeRec d;
    d.Year = static_cast<std::uint16_t>(f[0]);
    d.Month = 1;
    d.Day = 1;
    if (f.size() > 1) {
        checkRange(f[1], 1, 12, "month", what, text);
        d.Month = static_cast<std::uint16_t>(f[1]);
    }
    if (f.size() > 2) {
        checkRange(f[2], 1, astro::DaysInMonth(f[1], f[0]), "day", what, text);
        if (!astro::DateExists(f[2], f[1], f[0]))
            fail("invalid " + what + " '" + text +
                 "': 5-14 October 1582 do not exist (4 October was followed by 15 October)");
        d.Day = static_cast<std::uint16_t>(f[2]);
    }
    return d;
}

} // namespace

std::string Quoted(const std::string& text) {
    constexpr std::size_t limit = 40; // characters of an argument shown in a message
    std::size_t bytes = 0;
    std::size_t characters = 0;
    while (bytes < text.size() && characters < limit) {
        ++characters;
        ++bytes;
        while (bytes < text.size() && (static_cast<unsigned char>(text[bytes]) & 0xC0) == 0x80)
            ++bytes; // the rest of a UTF-8 character
    }
    return "'" + text.substr(0, bytes) + (bytes < text.size() ? "...'" : "'");
}

Options ParseOptions(const std::vector<std::string>& argv) {
    Options o;
    for (std::size_t i = 0; i < argv.size(); ++i) {
        const std::string& a = argv[i];
        if (a == "--help" || a == "-h") {
            o.help = true;
        } else if (a == "--json") {
            o.json = true;
        } else if (a == "--csv") {
            o.csv = true;
        } else if (a == "--version") {
            o.version = true;
        } else if (a == "-o" || a == "--output") {
            o.output = valueOf(argv, i);
        } else if (a == "--dst") {
            o.dst = true;
        } else if (a == "--tz") {
            o.tz = valueOf(argv, i);
            if (o.tz.empty() || o.tz.size() > 64) fail("invalid zone name '" + o.tz + "'");
        } else if (a == "--lat") {
            const std::string& v = valueOf(argv, i);
            const double lat = parseNumber("latitude", v);
            if (lat < -90 || lat > 90)
                fail("invalid latitude " + Quoted(v) + ": must be -90 to 90");
            o.latitudeDeg = lat;
        } else if (a == "--lon") {
            const std::string& v = valueOf(argv, i);
            const double lon = parseNumber("longitude", v);
            if (lon < -180 || lon > 180)
                fail("invalid longitude " + Quoted(v) + ": must be -180 to 180");
            o.longitudeDeg = lon;
        } else if (a == "--zone") {
            const std::string& v = valueOf(argv, i);
            const double zone = parseNumber("zone", v);
            // The range first: a huge number has no integer to take the remainder of.
            // The offsets in use: UT-12:00 to UT+14:00, in quarter hours (Nepal +345).
            if (zone < -720 || zone > 840)
                fail("invalid zone " + Quoted(v) + ": must be -720 to 840");
            if (zone != std::trunc(zone) || static_cast<int>(zone) % 15 != 0)
                fail("invalid zone " + Quoted(v) + ": must be a multiple of 15 minutes");
            o.zoneMinutes = static_cast<int>(zone);
        } else if (a == "--file") {
            o.file = valueOf(argv, i);
        } else if (a == "--min" || a == "--max" || a == "--moon-min") {
            const std::string& v = valueOf(argv, i);
            const double deg = parseNumber("altitude", v);
            if (deg < -90 || deg > 90)
                fail("invalid altitude " + Quoted(v) + ": must be -90 to 90");
            (a == "--min" ? o.minDeg : a == "--max" ? o.maxDeg : o.moonMinDeg) = deg;
        } else if (a == "--step") {
            const std::string& v = valueOf(argv, i);
            const double step = parseNumber("step", v);
            if (step < 1 || step > 240 || step != std::trunc(step))
                fail("invalid step " + Quoted(v) + ": must be a whole number of minutes, 1 to 240");
            o.stepMinutes = step;
        } else if (a == "--sky") {
            const std::string& v = valueOf(argv, i);
            if (v == "civil")
                o.sunMaxDeg = -6;
            else if (v == "nautical")
                o.sunMaxDeg = -12;
            else if (v == "astronomical")
                o.sunMaxDeg = -18;
            else
                fail("invalid sky " + Quoted(v) + ": must be civil, nautical or astronomical");
        } else if (a.size() > 1 && a[0] == '-' && !std::isdigit(static_cast<unsigned char>(a[1]))) {
            fail("unknown option " + Quoted(a));
        } else if (o.command.empty()) {
            o.command = a;
        } else {
            o.args.push_back(a);
        }
    }
    if (!o.tz.empty() && (o.zoneMinutes || o.dst))
        fail("--tz names the zone; --zone and --dst contradict it");
    return o;
}

astro::DateTimeRec ParseDateTime(const std::string& text) {
    const std::size_t t = text.find('T');
    if (t == std::string::npos)
        fail("invalid date " + Quoted(text) + ": expected YYYY-MM-DDTHH:MM:SS");
    astro::DateTimeRec d = ParseDay(text.substr(0, t));
    const std::string clock = text.substr(t + 1);
    const auto f = digitFields(clock, ':', {2, 2, 2}, "time", "HH:MM:SS");
    checkRange(f[0], 0, 23, "hour", "time", clock);
    checkRange(f[1], 0, 59, "minute", "time", clock);
    checkRange(f[2], 0, 59, "second", "time", clock);
    d.Hour = static_cast<std::uint16_t>(f[0]);
    d.Minute = static_cast<std::uint16_t>(f[1]);
    d.Second = static_cast<std::uint16_t>(f[2]);
    return d;
}

astro::DateTimeRec ParseDay(const std::string& text) {
    return dateOf(digitFields(text, '-', {4, 2, 2}, "date", "YYYY-MM-DD"), "date", text);
}

astro::DateTimeRec ParseMonth(const std::string& text) {
    return dateOf(digitFields(text, '-', {4, 2}, "month", "YYYY-MM"), "month", text);
}

int ParseYear(const std::string& text) {
    if (!allDigits(text) || text.size() > 4)
        fail("invalid year " + Quoted(text) + ": expected YYYY");
    const int year = std::atoi(text.c_str());
    checkRange(year, 1, 9999, "year", "year", text);
    return year;
}

std::string UsageText() {
    return "Usage: cresselle-cli [--lat DEG] [--lon DEG] [--zone MINUTES] [--dst] [--tz ZONE] "
           "[--json] "
           "COMMAND ARGS\n"
           "       cresselle-cli --version | --help\n"
           "\n"
           "Options:\n"
           "  --lat DEG        latitude in decimal degrees, north positive (-90..90)\n"
           "  --lon DEG        longitude in decimal degrees, EAST positive (-180..180)\n"
           "  --zone MINUTES   time zone, minutes ahead of UT (multiple of 15, -720..840)\n"
           "  --dst            daylight saving in force (adds 60 minutes)\n"
           "  --tz ZONE        named zone of the system's zone database (Europe/London):\n"
           "                   each time in the offset in force then\n"
           "  --json           JSON output\n"
           "  --csv            CSV output (times, altitude; the text of times is CSV already)\n"
           "  -o FILE          ical: the file to write (default: standard output); plan: also\n"
           "                   write the nights there as an iCalendar file\n"
           "  --help           this text\n"
           "  --version        the program's version\n"
           "  --file PATH      lunar features file (features, terminator, plan; default data.dat "
           "in the working folder)\n"
           "  --min DEG        terminator: least Sun over a feature (default 0); plan: 1\n"
           "  --max DEG        terminator: greatest Sun over a feature (default 8); plan: 12\n"
           "  --moon-min DEG   plan: least altitude of the Moon here (default 15)\n"
           "  --sky KIND       plan: darkness wanted, civil, nautical or astronomical (the Sun\n"
           "                   below -6, -12 or -18 degrees here; default civil)\n"
           "  --step MIN       altitude: minutes between rows, 1-240 (default 10)\n"
           "Without --lat, --lon, --zone and --dst the stored settings give the observer.\n"
           "Dates and times are local civil time of the zone.\n"
           "\n"
           "Commands:\n"
           "  moon YYYY-MM-DDTHH:MM:SS   the Moon and the Sun at an instant\n"
           "  phases YYYY-MM             principal phases of a month\n"
           "  apsides YYYY-MM-DDTHH:MM:SS next perigee and apogee\n"
           "  riseset YYYY-MM-DD         rise, transit and set, twilight\n"
           "  times YYYY-MM              the month table of rise, transit, set and twilight\n"
           "  eclipses FROM TO           lunar eclipses of the years FROM..TO\n"
           "  seasons YYYY               equinoxes and solstices\n"
           "  easter YYYY                Easter Sunday\n"
           "  features YYYY-MM           Sun rise and set over the lunar features\n"
           "  ical YYYY                  the year's events as an iCalendar file\n"
           "  terminator YYYY-MM-DDTHH:MM:SS  features near the terminator at an instant\n"
           "  plan NAME YYYY-MM [MONTHS] a feature's good nights (MONTHS 1-48, default 3)\n"
           "  altitude YYYY-MM-DD        the Moon's and the Sun's altitudes from noon to noon\n";
}

} // namespace cli
