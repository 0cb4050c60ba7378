// SPDX-License-Identifier: GPL-3.0-or-later
// The settings store against a temporary INI file.
#include "settings/ObserverSettings.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Values = QMap<QString, QString>;

class SettingsStoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        path_ = dir_.filePath(QStringLiteral("config/Cresselle/Cresselle.ini"));
        settingsstore::SetLocationForTests(path_);
        // A system zone without a city in the zone table: the first start keeps 0 0.
        qputenv("TZ", "UTC");
    }
    void TearDown() override { settingsstore::SetLocationForTests(QString()); }

    Values Stored() const {
        QSettings store(path_, QSettings::IniFormat);
        Values values;
        for (const QString& key : store.allKeys())
            values.insert(key, store.value(key).toString());
        return values;
    }
    void Store(const Values& values) const {
        QSettings store(path_, QSettings::IniFormat);
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            store.setValue(it.key(), it.value());
        store.sync();
    }
    QByteArray Bytes() const {
        QFile file(path_);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void Remove(const QString& key) const {
        QSettings store(path_, QSettings::IniFormat);
        store.remove(key);
        store.sync();
    }
    // A start of the program as far as the store goes.
    TObserverSettings Start() const {
        TObserverSettings s;
        settingsstore::Load(s);
        settingsstore::WriteVersion();
        return s;
    }

    QTemporaryDir dir_;
    QString path_;
};

const Values Defaults{
    {"Version", "V2.50"},
    {"LatDeg", "00"},
    {"LatMin", "00"},
    {"LatSec", "00"},
    {"LongDeg", "000"},
    {"LongMin", "00"},
    {"LongSec", "00"},
    {"LatDir", "North"},
    {"LongDir", "West"},
    {"Location", ""},
    {"DayOrder", "0"},
    {"DateLayoutIdx", "0"},
    {"DateFormat", "dd/mm/yyyy"},
    {"DaylightSavings", "False"},
    {"TimeZone", "12"},
    {"PhaseDensity", "75"},
    {"PhasePrintout", "3"},
    {"PrintDailyPhases", "True"},
    {"PrintMajorPhases", "True"},
    {"PrintLunarTimes", "True"},
    {"PrintSunTimes", "True"},
    {"PrinterType", "Laser"},
};

TEST_F(SettingsStoreTest, FirstStartWritesExactlyTheDefaults) {
    ASSERT_FALSE(settingsstore::Exists());
    const TObserverSettings s = Start();

    ASSERT_TRUE(QFile::exists(path_));
    Values stored = Stored();
    EXPECT_EQ(stored.take(QStringLiteral("ZoneName")), QStringLiteral("Automatic"));
    EXPECT_EQ(stored, Defaults);
    EXPECT_EQ(Defaults.size(), 22);

    // Latitude 0 North, longitude 0 West, UT, no daylight saving, weeks start on Sunday.
    EXPECT_EQ(s.Version, "V2.50");
    EXPECT_EQ(s.LatDeg, "00");
    EXPECT_EQ(s.LongDeg, "000");
    EXPECT_EQ(s.LatDir, "North");
    EXPECT_EQ(s.LongDir, "West");
    EXPECT_EQ(s.Location, "");
    EXPECT_EQ(s.DayOrder, 0);
    EXPECT_EQ(s.DateLayoutIdx, 0);
    EXPECT_EQ(s.DateFormat, "dd/mm/yyyy");
    EXPECT_FALSE(s.DaylightSavings);
    EXPECT_EQ(s.TimeZoneIndex, 24);
    EXPECT_EQ(ZoneMinutes(s), 0);
    EXPECT_EQ(DaylightSavingMinutes(s), 0);
    EXPECT_EQ(s.PhaseDensity, 75);
    EXPECT_TRUE(s.PrintDailyPhases && s.PrintMajorPhases && s.PrintLunarTimes && s.PrintSunTimes);
    EXPECT_EQ(s.PrinterType, "Laser");
}

TEST_F(SettingsStoreTest, LaterStartChangesOnlyVersion) {
    Start();
    Store({{"Version", "V1.00"},
           {"Location", "Armagh"},
           {"TimeZone", "17.5"},
           {"DaylightSavings", "True"},
           {"PrinterType", "BW Inkjet"}});
    Values expected = Stored();
    expected["Version"] = "V2.50";

    const TObserverSettings s = Start();
    EXPECT_EQ(s.Version, "V1.00"); // read before the rewrite
    EXPECT_EQ(s.Location, "Armagh");
    EXPECT_EQ(Stored(), expected);
}

TEST_F(SettingsStoreTest, BooleanIsTrueOnlyForTheExactText) {
    Start();
    Store({{"DaylightSavings", "TRUE"},
           {"PrintDailyPhases", "true"},
           {"PrintMajorPhases", "False"},
           {"PrintLunarTimes", " True"},
           {"PrintSunTimes", "True"}});
    const TObserverSettings s = Start();
    EXPECT_FALSE(s.DaylightSavings);
    EXPECT_FALSE(s.PrintDailyPhases);
    EXPECT_FALSE(s.PrintMajorPhases);
    EXPECT_FALSE(s.PrintLunarTimes);
    EXPECT_TRUE(s.PrintSunTimes);
    // Readable texts are kept as they are, not repaired.
    EXPECT_EQ(Stored()["DaylightSavings"], "TRUE");
}

TEST_F(SettingsStoreTest, TimeZoneGivesIndexAndZoneMinutes) {
    Start();
    struct Case {
        const char* stored;
        double index;
        int minutes;
    };
    // 17.75 (+5:45) is no half hour: it takes the one below, as trunc(number x 2) gives.
    for (const Case& c :
         {Case{"5.5", 11, -390}, Case{"17.5", 35, 330}, Case{"5,5", 11, -390}, Case{"0", 0, -720},
          Case{"24", 48, 720}, Case{" 13 ", 26, 60}, Case{"17.75", 35, 330}}) {
        Store({{"TimeZone", c.stored}});
        const TObserverSettings s = Start();
        EXPECT_EQ(s.TimeZoneIndex, c.index) << c.stored;
        EXPECT_EQ(ZoneMinutes(s), c.minutes) << c.stored;
        EXPECT_EQ(Stored()["TimeZone"], c.stored) << "a valid zone is not rewritten";
    }
}

TEST_F(SettingsStoreTest, BlankPrinterTypeIsRepairedInMemoryAndStore) {
    Start();
    Store({{"PrinterType", "   "}});
    const TObserverSettings s = Start();
    EXPECT_EQ(s.PrinterType, "Laser");
    EXPECT_EQ(Stored()["PrinterType"], "Laser");
}

TEST_F(SettingsStoreTest, MissingAndUnusableValuesAreRepairedWithTheirDefaults) {
    Start();
    struct Case {
        const char* name;
        const char* stored;
    };
    for (const Case& c :
         {Case{"DayOrder", "7"}, Case{"DayOrder", "-1"}, Case{"DayOrder", "Monday"},
          Case{"DateLayoutIdx", "2"}, Case{"DateLayoutIdx", ""}, Case{"PhaseDensity", "101"},
          Case{"PhaseDensity", "-5"}, Case{"PhaseDensity", "75%"}, Case{"TimeZone", "abc"},
          Case{"TimeZone", "25"}, Case{"TimeZone", "-0.5"}, Case{"TimeZone", "nan"},
          Case{"TimeZone", "inf"}, Case{"LatDeg", "999"}, Case{"LatMin", "60"},
          Case{"LongDeg", "181"}, Case{"LongSec", "x7"}}) {
        Store({{c.name, c.stored}});
        const TObserverSettings s = Start();
        EXPECT_EQ(Stored()[c.name], Defaults[c.name]) << c.name << " = " << c.stored;
        EXPECT_EQ(s.DayOrder, 0);
        EXPECT_EQ(s.DateLayoutIdx, 0);
        EXPECT_EQ(s.PhaseDensity, 75);
        EXPECT_EQ(s.TimeZoneIndex, 24);
    }

    for (const char* name : {"LatDeg", "LongDir", "DaylightSavings", "PrintSunTimes", "TimeZone",
                             "PrinterType", "Location"}) {
        Remove(name);
        Start();
        EXPECT_EQ(Stored()[name], Defaults[name]) << name << " missing";
    }
    Values stored = Stored();
    stored.remove(QStringLiteral("ZoneName"));
    EXPECT_EQ(stored, Defaults);

    // Each field in range, the position beyond the pole: minutes and seconds are repaired.
    Store({{"LatDeg", "90"}, {"LatMin", "30"}, {"LongDeg", "180"}, {"LongSec", "01"}});
    const TObserverSettings s = Start();
    EXPECT_EQ(s.LatMin, "00");
    EXPECT_EQ(s.LongSec, "00");
    EXPECT_EQ(Stored()["LatDeg"], "90");
    EXPECT_EQ(Stored()["LatMin"], "00");
    EXPECT_EQ(Stored()["LongSec"], "00");
}

TEST_F(SettingsStoreTest, TextsAreCutToTheirCapacity) {
    Start();
    Store(
        {{"LongDeg", "12345"}, {"LongDir", "Westward"}, {"Location", QString(70, QChar(0x00E9))}});
    const TObserverSettings s = Start();
    EXPECT_EQ(s.LongDeg, "123");
    EXPECT_EQ(s.LongDir, "Westw");
    EXPECT_EQ(s.Location, QString(64, QChar(0x00E9)));
    EXPECT_EQ(Stored()["LongDeg"], "12345") << "cut in memory only";
}

// A file edited by hand in a Latin-1 editor: its text is read as Latin-1, and a start that
// changes nothing leaves the file byte for byte as it was.
TEST_F(SettingsStoreTest, HandEditedLatin1FileIsReadAsItIsAndNotRewritten) {
    Start();
    {
        QFile ini(path_);
        ASSERT_TRUE(ini.open(QIODevice::Append));
        ini.write("Location=Saint-\xC9tienne\n");
    }
    const QByteArray before = Bytes();
    const QDateTime modified = QFileInfo(path_).lastModified();
    TObserverSettings s = Start();
    EXPECT_EQ(s.Location, QStringLiteral("Saint-\u00C9tienne"));
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(QFileInfo(path_).lastModified(), modified);
    EXPECT_TRUE(settingsstore::SavePrintOptions(s)); // nothing changed: nothing written
    EXPECT_EQ(Bytes(), before);

    // A real change is written, and the place keeps its letter.
    s.PhaseDensity = 50;
    ASSERT_TRUE(settingsstore::SavePrintOptions(s));
    EXPECT_EQ(Start().Location, QStringLiteral("Saint-\u00C9tienne"));
    EXPECT_EQ(Stored()["PhaseDensity"], "50");
}

// A damaged file (one line QSettings cannot read made every save fail) is repaired at the
// next start: readable values kept, the damaged file kept beside it under a dated name, a
// clean file written, the user told once.
TEST_F(SettingsStoreTest, DamagedFileIsRepairedKeptAsBackupAndToldOnce) {
    const QByteArray damages[] = {
        "this line has no equals sign\n",
        "[General\n",
        QByteArray("LatMin=1\0\0\0\n", 12),
        "\x8f\x01\xfe\xad\x13\x07garbage\x02\n",
        "PrinterTy", // a last line cut short
    };
    for (const QByteArray& damage : damages) {
        const QString folder = QFileInfo(path_).absolutePath();
        QDir(folder).removeRecursively();
        TObserverSettings s = Start();
        s.Location = "Armagh";
        ASSERT_TRUE(settingsstore::SaveConfiguration(s));
        {
            QFile ini(path_);
            ASSERT_TRUE(ini.open(QIODevice::Append));
            ini.write(damage);
        }
        const QByteArray damaged = Bytes();
        s = Start();
        EXPECT_EQ(s.Location, "Armagh") << damage.toStdString();
        const QString notice = settingsstore::TakeNotice();
        EXPECT_TRUE(notice.contains(QDir::toNativeSeparators(path_))) << notice.toStdString();
        EXPECT_TRUE(settingsstore::TakeNotice().isEmpty()) << "told once";
        const QStringList backups =
            QDir(folder).entryList({QStringLiteral("Cresselle-damaged-*.ini")}, QDir::Files);
        ASSERT_EQ(backups.size(), 1) << damage.toStdString();
        EXPECT_TRUE(notice.contains(backups[0]));
        QFile backup(QDir(folder).filePath(backups[0]));
        ASSERT_TRUE(backup.open(QIODevice::ReadOnly));
        EXPECT_EQ(backup.readAll(), damaged);

        s.PhaseDensity = 12;
        EXPECT_TRUE(settingsstore::SavePrintOptions(s)) << damage.toStdString();
        EXPECT_EQ(Stored()["PhaseDensity"], "12");
        EXPECT_EQ(Stored()["Location"], "Armagh");
        Start();
        EXPECT_TRUE(settingsstore::TakeNotice().isEmpty());
    }
}

TEST_F(SettingsStoreTest, HandEditedListKeepsItsTextThroughASave) {
    Start();
    {
        QFile ini(path_);
        ASSERT_TRUE(ini.open(QIODevice::Append));
        ini.write("Location=Armagh, @home\n"); // unquoted: QSettings reads a list
    }
    TObserverSettings s = Start();
    EXPECT_EQ(s.Location, "Armagh, @home");
    s.LatDeg = "54";
    ASSERT_TRUE(settingsstore::SavePrintOptions(s)); // rewrites the whole file
    EXPECT_EQ(Start().Location, "Armagh, @home");
}

TEST_F(SettingsStoreTest, BinaryValueIsRepairedNotRead) {
    Start();
    {
        QFile ini(path_);
        ASSERT_TRUE(ini.open(QIODevice::Append));
        // A list of some two thousand million texts, as QSettings would decode it.
        ini.write("LatDeg=@Variant(\\0\\0\\0\x0bq7f)\n");
        ini.write("Location=\"Armagh, @Variant(1)\"\n"); // a text, quoted
    }
    const TObserverSettings s = Start();
    EXPECT_EQ(s.LatDeg, "00");
    EXPECT_EQ(s.Location, "Armagh, @Variant(1)");
    EXPECT_EQ(Stored()["LatDeg"], "00");
}

TEST_F(SettingsStoreTest, ConfigurationSurvivesSaveAndLoad) {
    TObserverSettings s = Start();
    s.LatDeg = "54";
    s.LatMin = "21";
    s.LatSec = "07";
    s.LatDir = "South";
    s.LongDeg = "006";
    s.LongMin = "39";
    s.LongSec = "00";
    s.LongDir = "East";
    s.Location =
        QStringLiteral("Saint-\u00C9tienne, \"Le Clos\", Kirkja\u00FEing = 1; \u65E5\u672C");
    s.DayOrder = 1;
    s.DateLayoutIdx = 1;
    s.DateFormat = "MM/DD/YYYY";
    s.TimeZoneIndex = 35;
    s.DaylightSavings = true;
    s.PrinterType = "Colour Inkjet";
    ASSERT_TRUE(settingsstore::SaveConfiguration(s));

    const TObserverSettings loaded = Start();
    EXPECT_EQ(loaded.Location, s.Location);
    EXPECT_EQ(loaded.LatDeg, "54");
    EXPECT_EQ(loaded.LatSec, "07");
    EXPECT_EQ(loaded.LatDir, "South");
    EXPECT_EQ(loaded.LongDeg, "006");
    EXPECT_EQ(loaded.LongDir, "East");
    EXPECT_EQ(loaded.DayOrder, 1);
    EXPECT_EQ(loaded.DateLayoutIdx, 1);
    EXPECT_EQ(loaded.DateFormat, "MM/DD/YYYY");
    EXPECT_EQ(loaded.TimeZoneIndex, 35);
    EXPECT_TRUE(loaded.DaylightSavings);
    EXPECT_EQ(loaded.PrinterType, "Colour Inkjet");

    const Values stored = Stored();
    EXPECT_EQ(stored["TimeZone"], "17.5");
    EXPECT_EQ(stored["DaylightSavings"], "True");
    EXPECT_EQ(stored["DayOrder"], "1");
    EXPECT_EQ(stored["PhasePrintout"], "3");
    EXPECT_EQ(stored["Language"], "System");
    EXPECT_EQ(stored.size(), 24); // the defaults, ZoneName and Language
}

TEST_F(SettingsStoreTest, PrintOptionsWriteTheirFiveValues) {
    TObserverSettings s = Start();
    const Values before = Stored();
    s.PrintDailyPhases = false;
    s.PrintSunTimes = false;
    s.PhaseDensity = 0;
    s.Location = "not saved by the print options";
    ASSERT_TRUE(settingsstore::SavePrintOptions(s));

    Values expected = before;
    expected["PrintDailyPhases"] = "False";
    expected["PrintSunTimes"] = "False";
    expected["PhaseDensity"] = "0";
    EXPECT_EQ(Stored(), expected);
}

// A save that finds no store (removed while the program runs) writes the whole record.
TEST_F(SettingsStoreTest, SavingWithoutAStoreCreatesItWhole) {
    TObserverSettings s = Start();
    ASSERT_TRUE(QFile::remove(path_));
    s.Location = "kept";
    s.PhaseDensity = 30;
    s.ZoneName = "Asia/Kathmandu";
    EXPECT_TRUE(settingsstore::SavePrintOptions(s));
    Values expected = Defaults;
    expected["Location"] = "kept";
    expected["PhaseDensity"] = "30";
    expected["ZoneName"] = "Asia/Kathmandu"; // every value the program holds
    expected["Language"] = "System";

    EXPECT_EQ(Stored(), expected);

    ASSERT_TRUE(QDir(QFileInfo(path_).absolutePath()).removeRecursively());
    EXPECT_TRUE(settingsstore::SaveConfiguration(s));
    EXPECT_EQ(Stored(), expected);
}

TEST_F(SettingsStoreTest, UnwritableStoreStillLoadsTheDefaults) {
    // A store whose folder is a plain file cannot be created.
    QFile blocker(dir_.filePath(QStringLiteral("config")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const TObserverSettings s = Start();
    EXPECT_FALSE(settingsstore::Exists());
    EXPECT_EQ(s.PrinterType, "Laser");
    EXPECT_EQ(s.TimeZoneIndex, 24);
    EXPECT_EQ(s.LongDeg, "000");
    EXPECT_TRUE(s.PrintDailyPhases);
    // A save says where and why.
    EXPECT_FALSE(settingsstore::SaveConfiguration(s));
    const QString message = settingsstore::NotSavedMessage();
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(path_))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("cannot be created (Not a directory)")))
        << message.toStdString();
}

} // namespace

// Two copies of the program on one store: the second copy's save keeps what the first saved
// after both had started, each writing only what it changed itself.
TEST_F(SettingsStoreTest, TwoCopiesKeepEachOthersChanges) {
    TObserverSettings mine = Start();

    // The other copy, a process of its own, starts after this one and saves first.
    QProcess other;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("CRESSELLE_OTHER_COPY_INI"), path_);
    other.setProcessEnvironment(env);
    other.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=SettingsOtherCopy.SavesItsChanges")});
    ASSERT_TRUE(other.waitForFinished(60000));
    ASSERT_EQ(other.exitCode(), 0) << other.readAllStandardOutput().toStdString();
    ASSERT_EQ(Stored()["Location"], "Other copy");

    mine.LatDeg = "51";
    mine.DayOrder = 1; // the other copy changed it too: the later save wins
    ASSERT_TRUE(settingsstore::SaveConfiguration(mine));
    mine.PhaseDensity = 40;
    ASSERT_TRUE(settingsstore::SavePrintOptions(mine));

    const Values stored = Stored();
    EXPECT_EQ(stored["LatDeg"], "51");
    EXPECT_EQ(stored["DayOrder"], "1");
    EXPECT_EQ(stored["PhaseDensity"], "40");
    EXPECT_EQ(stored["Location"], "Other copy");
    EXPECT_EQ(stored["PrintSunTimes"], "False");
    EXPECT_EQ(stored["PrinterType"], "BW Inkjet");
    // A value this copy saved is its own from then on: changing it back is saved too.
    mine.LatDeg = "00";
    ASSERT_TRUE(settingsstore::SaveConfiguration(mine));
    EXPECT_EQ(Stored()["LatDeg"], "00");
    EXPECT_EQ(Stored()["Location"], "Other copy");
}

// The other copy of TwoCopiesKeepEachOthersChanges (run only as that test's child process).
TEST(SettingsOtherCopy, SavesItsChanges) {
    const QString path = qEnvironmentVariable("CRESSELLE_OTHER_COPY_INI");
    if (path.isEmpty()) GTEST_SKIP() << "the other copy of a two-copy test";
    settingsstore::SetLocationForTests(path);
    TObserverSettings s;
    settingsstore::Load(s);
    s.Location = "Other copy";
    s.DayOrder = 6;
    s.PrinterType = "BW Inkjet";
    ASSERT_TRUE(settingsstore::SaveConfiguration(s));
    s.PrintSunTimes = false;
    ASSERT_TRUE(settingsstore::SavePrintOptions(s));
}
