// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the command line of cresselle-cli. The input is split at NUL bytes into
// arguments. Bad input may only raise cli::UsageError (anything else escaping is a fault);
// whatever is accepted must be in range, and the cheap commands must run on it.
#include "FuzzQt.h"
#include "cli/CliArgs.h"
#include "cli/CliCommands.h"
#include "settings/ObserverSettings.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

void CheckDate(const astro::DateTimeRec& d) {
    Require(d.Year >= 1 && d.Year <= 9999 && d.Month >= 1 && d.Month <= 12 && d.Day >= 1 &&
            d.Day <= astro::DaysInMonth(d.Month, d.Year) && d.Hour < 24 && d.Minute < 60 &&
            d.Second < 60);
}

void CheckOptions(const cli::Options& o) {
    if (o.latitudeDeg) Require(std::isfinite(*o.latitudeDeg) && std::fabs(*o.latitudeDeg) <= 90);
    if (o.longitudeDeg)
        Require(std::isfinite(*o.longitudeDeg) && std::fabs(*o.longitudeDeg) <= 180);
    if (o.zoneMinutes)
        Require(*o.zoneMinutes % 15 == 0 && *o.zoneMinutes >= -720 && *o.zoneMinutes <= 840);
}

template <typename Parse> void TryDate(Parse parse, const std::string& text) {
    try {
        CheckDate(parse(text));
    } catch (const cli::UsageError& e) {
        Require(!e.message.empty());
    }
}

// Long eclipse spans and a features file named by the input are valid but slow (or, for a
// device file, endless); they are left to the command-line tests.
bool CheapToRun(const cli::Options& o) {
    if (!o.file.empty()) return false;
    if (o.command == "eclipses" && o.args.size() == 2) {
        try {
            return cli::ParseYear(o.args[1]) - cli::ParseYear(o.args[0]) <= 2;
        } catch (const cli::UsageError&) {
            return true;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzzqt::Start(argc, argv);
    fuzzqt::SilenceStdout();
    // No stored settings: the observer comes from the options or is the default one.
    settingsstore::SetLocationForTests(fuzzqt::Folder().filePath(QStringLiteral("none.ini")));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> argv(1);
    for (std::size_t i = 0; i < size && argv.size() <= 16; ++i) {
        if (data[i] == 0)
            argv.emplace_back();
        else
            argv.back().push_back(static_cast<char>(data[i]));
    }
    for (const std::string& arg : argv) {
        TryDate(cli::ParseDateTime, arg);
        TryDate(cli::ParseDay, arg);
        TryDate(cli::ParseMonth, arg);
        try {
            const int year = cli::ParseYear(arg);
            Require(year >= 1 && year <= 9999);
        } catch (const cli::UsageError& e) {
            Require(!e.message.empty());
        }
    }
    try {
        const cli::Options options = cli::ParseOptions(argv);
        CheckOptions(options);
        if (!options.help && CheapToRun(options)) cli::Run(options);
    } catch (const cli::UsageError& e) {
        Require(!e.message.empty());
    }
    return 0;
}
