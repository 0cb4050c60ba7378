// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the settings store with any text in any value. The first byte chooses
// between values written through the store (lines of the input, one per value in the order
// of the defaults; fewer lines leave values missing) and the raw bytes of a hand-edited INI
// file. Then: the command-line program's read-only observer, the load with its repairs (the
// loaded record must be usable and a second load must find nothing left to repair), and the
// main window taking the settings over as after the configuration window.
#include "FuzzQt.h"
#include "cli/CliCommands.h"
#include "settings/ObserverSettings.h"
#include "ui/Windows.h"
#include "ui/main/fMain.h"

#include <QFile>
#include <QSettings>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

const char* const Keys[] = {
    "Version",       "LatDeg",        "LatMin",           "LatSec",           "LongDeg",
    "LongMin",       "LongSec",       "LatDir",           "LongDir",          "Location",
    "DayOrder",      "DateLayoutIdx", "DateFormat",       "DaylightSavings",  "TimeZone",
    "PhaseDensity",  "PhasePrintout", "PrintDailyPhases", "PrintMajorPhases", "PrintLunarTimes",
    "PrintSunTimes", "PrinterType"};

QString IniPath() {
    return fuzzqt::Folder().filePath(QStringLiteral("cresselle.ini"));
}

// Names the broken rule before aborting, so that a crash file explains itself.
#define Require(condition) Check(condition, #condition)

void Check(bool condition, const char* rule) {
    if (condition) return;
    std::fprintf(stderr, "broken: %s\n", rule);
    std::abort();
}

int Characters(const QString& text) {
    return static_cast<int>(text.toUcs4().size());
}

void CheckRecord(const TObserverSettings& s) {
    const std::pair<const QString*, int> texts[] = {
        {&s.Version, 6}, {&s.LatDeg, 3},    {&s.LatMin, 2},      {&s.LatSec, 2},
        {&s.LatDir, 5},  {&s.LongDeg, 3},   {&s.LongMin, 2},     {&s.LongSec, 2},
        {&s.LongDir, 5}, {&s.Location, 64}, {&s.DateFormat, 12}, {&s.PrinterType, 15}};
    for (const auto& [text, capacity] : texts)
        Require(Characters(*text) <= capacity);
    Require(s.DayOrder <= 6 && s.DateLayoutIdx <= 1 && s.PhaseDensity <= 100);
    Require(s.TimeZoneIndex >= 0 && s.TimeZoneIndex <= 48 &&
            s.TimeZoneIndex == std::trunc(s.TimeZoneIndex));
    Require(!s.PrinterType.trimmed().isEmpty());
}

bool SameRecord(const TObserverSettings& a, const TObserverSettings& b) {
    return a.Version == b.Version && a.LatDeg == b.LatDeg && a.LatMin == b.LatMin &&
           a.LatSec == b.LatSec && a.LatDir == b.LatDir && a.LongDeg == b.LongDeg &&
           a.LongMin == b.LongMin && a.LongSec == b.LongSec && a.LongDir == b.LongDir &&
           a.Location == b.Location && a.DayOrder == b.DayOrder &&
           a.DateLayoutIdx == b.DateLayoutIdx && a.DateFormat == b.DateFormat &&
           a.DaylightSavings == b.DaylightSavings && a.TimeZoneIndex == b.TimeZoneIndex &&
           a.PhaseDensity == b.PhaseDensity && a.PrintDailyPhases == b.PrintDailyPhases &&
           a.PrintMajorPhases == b.PrintMajorPhases && a.PrintLunarTimes == b.PrintLunarTimes &&
           a.PrintSunTimes == b.PrintSunTimes && a.PrinterType == b.PrinterType;
}

void WriteStore(const std::uint8_t* data, std::size_t size) {
    QFile::remove(IniPath());
    if (size == 0) return; // no store: the first start
    const QByteArray rest(reinterpret_cast<const char*>(data) + 1,
                          static_cast<qsizetype>(size - 1));
    if (data[0] & 1) {
        QFile file(IniPath());
        if (file.open(QIODevice::WriteOnly)) file.write(rest);
        return;
    }
    QSettings store(IniPath(), QSettings::IniFormat);
    const QList<QByteArray> lines = rest.split('\n');
    for (int i = 0; i < lines.size() && i < static_cast<int>(std::size(Keys)); ++i)
        store.setValue(QString::fromLatin1(Keys[i]), QString::fromUtf8(lines[i]));
    store.sync();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzzqt::Start(argc, argv);
    fuzzqt::SilenceStdout();
    FuzzInitResources();
    settingsstore::SetLocationForTests(IniPath());
    platform::Services().now = [] { return QDateTime(QDate(2024, 3, 15), QTime(21, 30, 0)); };
    Windows().Main = new TMain();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    WriteStore(data, size);

    // The command-line program reads the store as it is, without repairs.
    const astro::Observer stored = cli::ObserverFor(cli::Options{});
    Require(std::isfinite(stored.Latitude) && std::isfinite(stored.Longitude));
    astro::DateTimeRec day;
    day.Year = 2024;
    day.Month = 3;
    day.Day = 15;
    cli::RiseSetCommand(day, stored);
    cli::MoonCommand(day, stored);

    settingsstore::Load(ObserverSettings);
    CheckRecord(ObserverSettings);
    const TObserverSettings first = ObserverSettings;
    settingsstore::Load(ObserverSettings);
    Require(SameRecord(first, ObserverSettings));

    TMain* main = Windows().Main;
    main->DaylightMinutes = DaylightSavingMinutes(ObserverSettings);
    main->ZoneMinutes = ZoneMinutes(ObserverSettings);
    main->SetDayTitles(ObserverSettings.DayOrder);
    main->RefreshLatAndLong();
    Require(std::isfinite(main->ObserverLatitude) && std::isfinite(main->ObserverLongitude));
    main->Timer1Timer();
    return 0;
}
