// SPDX-License-Identifier: GPL-3.0-or-later
// The data.dat records, the loader, the byte-order sort, the coordinate exit checks and the
// numeric key filter; random files fed to the loader.
#include "data/FeatureFile.h"
#include "ui/frame/NumericKeyFilter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>

namespace {

class FeatureFileTest : public ::testing::Test {
  protected:
    QString Path() const { return dir_.filePath(QStringLiteral("data.dat")); }
    void WriteBytes(const QByteArray& bytes) const {
        QFile file(Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    QByteArray ReadBytes() const {
        QFile file(Path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QTemporaryDir dir_;
};

QByteArray Record(const QByteArray& name, const QByteArray& lon, const QByteArray& lat) {
    QByteArray r(FeatureRecordSize, '\0');
    r[0] = static_cast<char>(name.size());
    r.replace(1, name.size(), name);
    r[81] = static_cast<char>(lon.size());
    r.replace(82, lon.size(), lon);
    r[92] = static_cast<char>(lat.size());
    r.replace(93, lat.size(), lat);
    return r.left(FeatureRecordSize);
}

TStringGrid GridOf(const std::vector<FeatureTexts>& features) {
    TStringGrid grid(3);
    grid.SetRowCount(static_cast<int>(features.size()) + 1);
    for (std::size_t i = 0; i < features.size(); ++i)
        grid.SetRow(static_cast<int>(i),
                    {features[i].Name, features[i].Longitude, features[i].Latitude});
    return grid;
}

QStringList Names(const TStringGrid& grid) {
    QStringList names;
    for (int r = 0; r < grid.RowCount() - 1; ++r)
        names << grid.Cell(0, r);
    return names;
}

TEST_F(FeatureFileTest, RecordLayoutAndRoundTrip) {
    const std::vector<FeatureTexts> features = {
        {"Copernicus", "-020.08", "09.62"}, {"Réaumur", "000.72", "-02.44"}, {"", "", ""}};
    QString error;
    ASSERT_TRUE(WriteFeatureFile(features, error, Path())) << error.toStdString();
    const QByteArray bytes = ReadBytes();
    ASSERT_EQ(bytes.size(), 3 * FeatureRecordSize);
    EXPECT_EQ(bytes.left(FeatureRecordSize).left(11), QByteArray("\x0A"
                                                                 "Copernicus"));
    EXPECT_EQ(bytes.mid(81, 8), QByteArray("\x07-020.08"));
    EXPECT_EQ(bytes.mid(92, 6), QByteArray("\x05"
                                           "09.62"));
    // The name is stored in Windows-1252: one byte for the e acute.
    EXPECT_EQ(bytes.mid(FeatureRecordSize, 8), QByteArray("\x07R\xE9"
                                                          "aumur"));

    TStringGrid grid(3);
    LoadFeatures(grid, Path());
    ASSERT_EQ(grid.RowCount(), 4); // three features and the blank last row
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(grid.Cell(0, r), features[static_cast<std::size_t>(r)].Name);
        EXPECT_EQ(grid.Cell(1, r), features[static_cast<std::size_t>(r)].Longitude);
        EXPECT_EQ(grid.Cell(2, r), features[static_cast<std::size_t>(r)].Latitude);
    }
    EXPECT_TRUE(grid.Row(3).join(QString()).isEmpty());
}

TEST_F(FeatureFileTest, MissingEmptyAndPartialFiles) {
    TStringGrid grid(3);
    grid.SetRowCount(5);
    grid.SetCell(0, 0, "stale");
    LoadFeatures(grid, Path()); // no file
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.Cell(0, 0), QString());

    WriteBytes({});
    LoadFeatures(grid, Path());
    EXPECT_EQ(grid.RowCount(), 1);

    // 103 x n + 50 bytes: n features, the trailing 50 bytes ignored.
    const QByteArray two = Record("A", "001.0", "01.0") + Record("B", "002.0", "02.0");
    WriteBytes(two + QByteArray(50, 'x'));
    LoadFeatures(grid, Path());
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(Names(grid), QStringList({"A", "B"}));
}

TEST_F(FeatureFileTest, LengthBytesBeyondTheirFieldsAreClamped) {
    QByteArray r = Record(QByteArray(80, 'N'), "0123456789", "9876543210");
    r[0] = static_cast<char>(200);
    r[81] = static_cast<char>(255);
    r[92] = static_cast<char>(11);
    WriteBytes(r + Record("Next", "005.0", "05.0"));
    TStringGrid grid(3);
    LoadFeatures(grid, Path());
    ASSERT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.Cell(0, 0), QString(80, 'N'));
    EXPECT_EQ(grid.Cell(1, 0), "0123456789");
    EXPECT_EQ(grid.Cell(2, 0), "9876543210");
    EXPECT_EQ(grid.Cell(0, 1), "Next"); // the next record is read from its own start
}

TEST_F(FeatureFileTest, LongTextsAreCutAndStaleBytesIgnored) {
    FeatureRecord buffer;
    FillFeatureRecord(buffer, {QString(100, 'x'), "-012.345678", "05.0"});
    FeatureTexts back = ReadFeatureRecord(buffer);
    EXPECT_EQ(back.Name, QString(80, 'x'));
    EXPECT_EQ(back.Longitude, "-012.34567");
    // The reused buffer keeps the longer earlier texts past the new lengths.
    FillFeatureRecord(buffer, {"Short", "1.0", "2.0"});
    back = ReadFeatureRecord(buffer);
    EXPECT_EQ(back.Name, "Short");
    EXPECT_EQ(back.Longitude, "1.0");
    EXPECT_EQ(buffer.Bytes[1 + 5], 'x');
}

TEST_F(FeatureFileTest, CodePageOfNames) {
    EXPECT_EQ(ToWindows1252(QStringLiteral("M\u00FCller \u20AC")), QByteArray("M\xFCller \x80"));
    EXPECT_EQ(ToWindows1252(QStringLiteral("And\u011Bl")), QByteArray("And?l"));
    EXPECT_EQ(ToWindows1252(QString::fromUcs4(U"\U0001F315 x")), QByteArray("? x"));
    // Every byte survives a read and a write.
    QByteArray all(256, '\0');
    for (int i = 0; i < 256; ++i)
        all[i] = static_cast<char>(i);
    EXPECT_EQ(ToWindows1252(FromWindows1252(all.constData(), all.size())), all);
}

TEST_F(FeatureFileTest, SortIsByteOrderAndStable) {
    TStringGrid grid = GridOf({{"apollo", "1", "1"},
                               {"Archimedes", "2", "2"},
                               {"Apollo", "3", "3"},
                               {"Z\u00E9ta", "4", "4"},
                               {"Apollo", "5", "5"},
                               {"Apol", "6", "6"}});
    BubbleSort(grid);
    EXPECT_EQ(Names(grid),
              QStringList({"Apol", "Apollo", "Apollo", "Archimedes", "Z\u00E9ta", "apollo"}));
    EXPECT_EQ(grid.Cell(1, 1), "3"); // equal names keep their order
    EXPECT_EQ(grid.Cell(1, 2), "5");
    EXPECT_EQ(grid.Cell(0, 6), QString());            // the blank last row stays last
    EXPECT_TRUE(FeatureNameLess("Zeta", "\u00C9ta")); // 0xC9 sorts after every ASCII letter
}

// Names compared as a reader does, while the file keeps byte order; the search finds a part of
// a name without its case and accents.
TEST(FeatureNames, ReaderOrderAndSearch) {
    TStringGrid grid(3);
    const QStringList stored = {"Apollo",   "Burckhardt", "Burnham",     "Bürg",     "Dawes",
                                "Delambre", "Vitello",    "de Gasparis", "von Braun"};
    grid.SetRowCount(static_cast<int>(stored.size()) + 1);
    for (int r = 0; r < stored.size(); ++r)
        grid.SetRow(r, {stored[r], "000.0", "00.0"});
    BubbleSort(grid);
    for (int r = 0; r < stored.size(); ++r)
        EXPECT_EQ(grid.Cell(0, r), stored[r]);

    const std::vector<int> order = ReaderOrder(grid);
    QStringList shown;
    for (const int row : order)
        shown << grid.Cell(0, row);
    EXPECT_EQ(shown, QStringList({"Apollo", "Burckhardt", "Bürg", "Burnham", "Dawes", "de Gasparis",
                                  "Delambre", "Vitello", "von Braun"}));
    auto found = [&](const QString& typed) {
        const int at = FindFeature(grid, order, typed);
        return at < 0 ? QString() : shown[at];
    };
    EXPECT_EQ(found("gasparis"), "de Gasparis");
    EXPECT_EQ(found("burg"), "Bürg");
    EXPECT_EQ(found("BRAUN"), "von Braun");
    EXPECT_EQ(found("d"), "Dawes");
    EXPECT_EQ(found("hard"), "Burckhardt");
    EXPECT_EQ(found("xyz"), QString());
    EXPECT_EQ(found("  "), QString());
}

// The shipped database: what an observer can see, the small classic targets included.
TEST(ShippedDatabase, VisibleSideWithTheClassicTargets) {
    const std::vector<FeatureTexts> features = ReadFeatureFile(
        qEnvironmentVariable("CRESSELLE_SOURCE_DIR") + QStringLiteral("/runtime/data.dat"));
    ASSERT_GT(features.size(), 900u);
    QSet<QString> names;
    for (const FeatureTexts& f : features) {
        double longitude = 0;
        ASSERT_TRUE(ParseCoordinate(f.Longitude, CoordinateAxis::Longitude, longitude));
        EXPECT_LE(std::fabs(longitude), 98.0) << f.Name.toStdString();
        names.insert(f.Name);
    }
    for (const char* name : {"Messier", "Linné", "Hyginus", "Birt", "Bessel", "Dionysius",
                             "Censorinus", "Pytheas", "Rima Hyginus", "Rima Ariadaeus",
                             "Dorsa Smirnov", "Reiner Gamma", "Mare Orientale", "Copernicus"})
        EXPECT_TRUE(names.contains(QString::fromUtf8(name))) << name;
    for (const char* name : {"Mare Moscoviense", "Mare Ingenii", "Mons Tai", "Vallis Planck"})
        EXPECT_FALSE(names.contains(QString::fromUtf8(name))) << name;
}

TEST(CoordinateCheck, ExamplesAndMessages) {
    struct Case {
        const char* typed;
        CoordinateAxis axis;
        const char* text;
    } cases[] = {
        {"5", CoordinateAxis::Latitude, "05.0"},
        {"-5", CoordinateAxis::Latitude, "-05.0"},
        {"45", CoordinateAxis::Latitude, "45.0"},
        {"-45.5", CoordinateAxis::Latitude, "-45.5"},
        {"5", CoordinateAxis::Longitude, "005.0"},
        {"-12.25", CoordinateAxis::Longitude, "-012.25"},
        {"150", CoordinateAxis::Longitude, "150.0"},
        {"-150", CoordinateAxis::Longitude, "-150.0"},
        {"  9.62 ", CoordinateAxis::Latitude, "09.62"},
        {"90", CoordinateAxis::Latitude, "90.0"},
        {"0.5", CoordinateAxis::Longitude, "000.5"},
        {"-0", CoordinateAxis::Latitude, "00.0"},
        {"045", CoordinateAxis::Latitude, "045.0"},
        {"180.0", CoordinateAxis::Longitude, "180.0"},
        // Reads as 11 but has its point already: no second one.
        {"10.99999999999999999999", CoordinateAxis::Latitude, "10.99999999999999999999"},
        // Texts that would not read back as numbers are rewritten from their value.
        {"45.", CoordinateAxis::Latitude, "45.0"},
        {"4.5e1", CoordinateAxis::Latitude, "45.0"},
        {"+150", CoordinateAxis::Longitude, "150.0"},
    };
    for (const Case& c : cases) {
        const CoordinateCheck check = VerifyCoordinate(c.typed, c.axis);
        EXPECT_TRUE(check.Valid) << c.typed;
        EXPECT_EQ(check.Text, c.text) << c.typed;
        // The check leaves a text it passes unchanged.
        EXPECT_EQ(VerifyCoordinate(check.Text, c.axis).Text, check.Text) << c.typed;
    }
    auto message = [](const char* typed, CoordinateAxis axis) {
        const CoordinateCheck check = VerifyCoordinate(typed, axis);
        EXPECT_FALSE(check.Valid) << typed;
        return check.Message.toStdString();
    };
    EXPECT_EQ(message("", CoordinateAxis::Longitude), "Please enter a valid Longitude");
    EXPECT_EQ(message("1-2", CoordinateAxis::Latitude), "Please enter a valid Latitude");
    EXPECT_EQ(message("inf", CoordinateAxis::Latitude), "Please enter a valid Latitude");
    EXPECT_EQ(message("180.01", CoordinateAxis::Longitude),
              "Longitude must be between -180 and 180. Please reenter.");
    EXPECT_EQ(message("-90.5", CoordinateAxis::Latitude),
              "Latitude must be between -90 and 90. Please reenter.");
    EXPECT_EQ(VerifyCoordinate(" 12x ", CoordinateAxis::Latitude).Text, "12x"); // kept, trimmed
}

TEST(CoordinateCheck, StoredTextsAsNumbers) {
    double v = 0;
    EXPECT_TRUE(ParseCoordinate("-020.08", CoordinateAxis::Longitude, v));
    EXPECT_DOUBLE_EQ(v, -20.08);
    EXPECT_FALSE(ParseCoordinate("12,5", CoordinateAxis::Longitude, v));
    EXPECT_FALSE(ParseCoordinate("", CoordinateAxis::Latitude, v));
    EXPECT_FALSE(ParseCoordinate("95.0", CoordinateAxis::Latitude, v));
    EXPECT_FALSE(ParseCoordinate("nan", CoordinateAxis::Longitude, v));
}

TEST(NumericKeys, FilterModes) {
    for (int key : {int('0'), int('9'), 8, 13}) {
        EXPECT_EQ(NumericKeyFilter(key, 0), key);
        EXPECT_EQ(NumericKeyFilter(key, 1), key);
    }
    for (int key : {'.', '-'}) {
        EXPECT_EQ(NumericKeyFilter(key, 0), 0);
        EXPECT_EQ(NumericKeyFilter(key, 1), key);
    }
    for (int key : {'a', ' ', '+', 'e', ','}) {
        EXPECT_EQ(NumericKeyFilter(key, 1), 0);
        EXPECT_EQ(NumericKeyFilter(key, 2), key);
    }

    QLineEdit box;
    InstallNumericKeyFilter(&box, 1);
    QTest::keyClicks(&box, "-1a2.5e ");
    EXPECT_EQ(box.text(), "-12.5");
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClick(&box, Qt::Key_Left); // keys that type nothing pass
    QTest::keyClick(&box, Qt::Key_Delete);
    EXPECT_EQ(box.text(), "-12");
    QLineEdit whole;
    InstallNumericKeyFilter(&whole, 0);
    QTest::keyClicks(&whole, "-4.5");
    EXPECT_EQ(whole.text(), "45");
}

// A few thousand random files, with lengths around record multiples: the loader reads exactly
// the whole records and keeps every text within its field. In memory-backed storage when there
// is some, as rewriting a disk file thousands of times is slow.
TEST(FeatureFileFuzz, RandomFilesLoadSafely) {
    const QString shm = QStringLiteral("/dev/shm");
    QTemporaryDir dir(QFileInfo(shm).isWritable()
                          ? shm + QStringLiteral("/features-XXXXXX")
                          : QDir::tempPath() + QStringLiteral("/features-XXXXXX"));
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("data.dat"));
    QRandomGenerator random(20240517);
    TStringGrid grid(3);
    for (int round = 0; round < 3000; ++round) {
        const int records = static_cast<int>(random.bounded(6));
        const int size = records * FeatureRecordSize + static_cast<int>(random.bounded(103));
        QByteArray bytes(size, '\0');
        for (char& b : bytes)
            b = static_cast<char>(random.bounded(256));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        LoadFeatures(grid, path);
        ASSERT_EQ(grid.RowCount(), records + 1) << "round " << round;
        for (int r = 0; r < records; ++r) {
            ASSERT_LE(grid.Cell(0, r).size(), FeatureNameCapacity);
            ASSERT_LE(grid.Cell(1, r).size(), FeatureCoordinateCapacity);
            ASSERT_LE(grid.Cell(2, r).size(), FeatureCoordinateCapacity);
            double v;
            ParseCoordinate(grid.Cell(1, r), CoordinateAxis::Longitude, v);
            VerifyCoordinate(grid.Cell(2, r), CoordinateAxis::Latitude);
        }
    }
}

} // namespace

// Two copies of the program edit one file: each edit is merged into the file as it then stands,
// so neither copy's features are lost.
TEST_F(FeatureFileTest, TwoCopiesMergeTheirEdits) {
    QString error;
    ASSERT_TRUE(WriteFeatureFile(
        {{"Copernicus", "-020.08", "09.62"}, {"Plato", "-009.38", "51.62"}}, error, Path()));
    TStringGrid mine(3);
    LoadFeatures(mine, Path());

    // The other copy, a process of its own, adds Tycho and changes Plato's latitude.
    QProcess other;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("CRESSELLE_OTHER_COPY_FEATURES"), Path());
    other.setProcessEnvironment(env);
    other.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=FeaturesOtherCopy.SavesItsEdits")});
    ASSERT_TRUE(other.waitForFinished(60000));
    ASSERT_EQ(other.exitCode(), 0) << other.readAllStandardOutput().toStdString();

    // This copy, still showing the file as it loaded it, adds Aristarchus and deletes Copernicus.
    FeatureRecord buffer;
    ASSERT_TRUE(MergeFeatureEdit(mine,
                                 {std::nullopt, FeatureTexts{"Aristarchus", "-047.49", "23.73"}},
                                 buffer, error, Path()));
    ASSERT_TRUE(MergeFeatureEdit(mine,
                                 {FeatureTexts{"Copernicus", "-020.08", "09.62"}, std::nullopt},
                                 buffer, error, Path()));
    // An update of a feature the other copy changed meanwhile keeps both versions.
    ASSERT_TRUE(MergeFeatureEdit(
        mine,
        {FeatureTexts{"Plato", "-009.38", "51.62"}, FeatureTexts{"Plato", "-009.40", "51.62"}},
        buffer, error, Path()));

    TStringGrid stored(3);
    LoadFeatures(stored, Path());
    EXPECT_EQ(Names(stored), QStringList({"Aristarchus", "Plato", "Plato", "Tycho"}));
    EXPECT_EQ(Names(mine), Names(stored));
    EXPECT_EQ(stored.Cell(2, 1), "51.70");
    EXPECT_EQ(stored.Cell(1, 2), "-009.40");
}

// The other copy of TwoCopiesMergeTheirEdits (run only as that test's child process).
TEST(FeaturesOtherCopy, SavesItsEdits) {
    const QString path = qEnvironmentVariable("CRESSELLE_OTHER_COPY_FEATURES");
    if (path.isEmpty()) GTEST_SKIP() << "the other copy of a two-copy test";
    TStringGrid grid(3);
    LoadFeatures(grid, path);
    FeatureRecord buffer;
    QString error;
    ASSERT_TRUE(MergeFeatureEdit(grid, {std::nullopt, FeatureTexts{"Tycho", "-011.36", "-43.31"}},
                                 buffer, error, path));
    ASSERT_TRUE(MergeFeatureEdit(
        grid,
        {FeatureTexts{"Plato", "-009.38", "51.62"}, FeatureTexts{"Plato", "-009.38", "51.70"}},
        buffer, error, path));
}
