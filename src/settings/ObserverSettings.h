// SPDX-License-Identifier: GPL-3.0-or-later
// The persisted settings of one user, held in one record that every window reads.
#pragma once

#include "astro/fGlobals.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

struct TObserverSettings {
    QString Version;                // capacity 6, "V2.50"
    QString LatDeg;                 // capacity 3, decimal digits
    QString LatMin;                 // capacity 2
    QString LatSec;                 // capacity 2
    QString LatDir;                 // capacity 5, "North" or "South"
    QString LongDeg;                // capacity 3
    QString LongMin;                // capacity 2
    QString LongSec;                // capacity 2
    QString LongDir;                // capacity 5, "East" or "West"
    QString Location;               // capacity 64, printed on the calendar
    std::uint8_t DayOrder = 0;      // first weekday: 0 Sunday .. 6 Saturday
    std::uint8_t DateLayoutIdx = 0; // 0 day first, 1 month first
    QString DateFormat;             // capacity 12, e.g. "dd/mm/yyyy"
    bool DaylightSavings = false;
    double TimeZoneIndex = 24;      // 0..48, half hours east of GMT - 12:00 (24 is UT)
    QString ZoneName;               // "" fixed offset above, "Automatic" the system's, or an id
    std::uint8_t PhaseDensity = 75; // 0..100
    bool PrintDailyPhases = true;
    bool PrintMajorPhases = true;
    bool PrintLunarTimes = true;
    bool PrintSunTimes = true;
    QString PrinterType;    // capacity 15: "Laser", "BW Inkjet" or "Colour Inkjet"
    bool NightMode = false; // every window in dim red (screen only)
    QString Language =
        QStringLiteral("System"); // "System" (the system's) or a ProgramLanguages code
};

// The languages the windows speak (codes of QLocale names); English is the source.
inline constexpr const char* ProgramLanguages[] = {"en", "fr", "de", "es"};

// The one global instance.
extern TObserverSettings ObserverSettings;

// Zone minutes, east positive: trunc(TimeZoneIndex - 24) * 30.
int ZoneMinutes(const TObserverSettings& s);
// 60 when daylight saving is on, else 0.
int DaylightSavingMinutes(const TObserverSettings& s);

// The observer of the settings (radians west and north positive, zone plus daylight-saving
// minutes), as the main window and cresselle-cli compute it.
astro::Observer ObserverOfSettings(const TObserverSettings& s);

class TZone;
// The zone of the settings: the named zone, the system's for "Automatic", else the fixed offset.
TZone ZoneOfSettings(const TObserverSettings& s);
// The ZoneName meaning the system's own zone.
inline const char* AutomaticZone = "Automatic";

class QFileDevice;

// The store (QSettings: the native HKEY_CURRENT_USER\HKEY_CRESSELLE key on Windows, an INI
// file per user elsewhere).
namespace settingsstore {
// Reads the store into `s`, creating it with the defaults on the first start and repairing
// values that are missing or unusable.
void Load(TObserverSettings& s);
// Reads the store into `s` as Load does, with the same repairs made in memory only: nothing is
// created or written. False (and `s` as it was) when there is no store.
bool Peek(TObserverSettings& s);
// Rewrites "Version" (every start, after the clock has been read).
void WriteVersion();
// Saves the values the configuration window owns.
bool SaveConfiguration(const TObserverSettings& s);
// Saves the five print options.
bool SavePrintOptions(const TObserverSettings& s);
// Saves the night mode.
bool SaveNightMode(const TObserverSettings& s);
// A save that finds no store creates it with the whole record (removed while the program runs,
// or never created). False when it could not be written; the store then keeps its old values.
// What the windows tell the user when a save failed, naming the store and the reason (a folder
// that cannot be created or written, a full disk).
QString NotSavedMessage();
// A message about the store not yet shown to the user (a damaged file that was repaired and
// kept as a dated backup beside it), emptied by the call.
QString TakeNotice();
// The system's reason for the last failure of `file`: the device's own text, else errno's.
QString FileReason(const QFileDevice& file);
// True when degrees at the limit (90 or 180) carry minutes or seconds: 90 30 00 lies beyond it.
bool BeyondLimit(const QString& degrees, const QString& minutes, const QString& seconds, int limit);
// Where the store lives: the INI file's path, or the registry key on Windows.
QString Location();
// True when the store exists (the INI file, or the registry key).
bool Exists();
// The INI file's text without the lines whose value QSettings would read as binary data
// ("@Variant(...)", "@DateTime(...)"): the program writes texts only, and a damaged binary value
// makes QSettings try to allocate gigabytes. For readers of the file that do not go through Load.
QByteArray WithoutBinaryValues(const QByteArray& ini);
// Points the store at an INI file of the caller's choice (tests); an empty path restores
// the user's own store.
void SetLocationForTests(const QString& iniPath);
} // namespace settingsstore
