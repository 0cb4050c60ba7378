// SPDX-License-Identifier: GPL-3.0-or-later
// Every file the program writes (the features file, the saved phase page, a PDF printout, the
// settings) under a folder that refuses writes and under a full disk: the user gets a message
// (or the store reports the failure) and the file already there stays whole. Settings also
// survive the program being killed in the middle of a save.
//
// Tests run as root here, where permission bits stop nothing: a folder is made unwritable with
// the immutable attribute (chattr +i) when mode 0555 is not enough, and the test is skipped
// where neither works. A full disk is a file size limit (RLIMIT_FSIZE), which needs no
// privilege: a write past it fails as on a full disk.
#include "ReportFixture.h"

#include "data/FeatureFile.h"
#include "print/PrintJob.h"
#include "settings/fConfiguration.h"
#include "ui/reports/fMonthlyPhases.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>

#include <chrono>
#include <csignal>
#include <random>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// A folder nothing can be written into, not even by root; Available() is false where the
// system offers no way.
class ReadOnlyFolder {
  public:
    explicit ReadOnlyFolder(const QString& path) : path_(path) {
        QFile::setPermissions(path_, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                         QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
        if (!Writable()) return;
        immutable_ =
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), path_}) == 0;
    }
    ~ReadOnlyFolder() {
        if (immutable_) QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), path_});
        QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    bool Available() const { return !Writable(); }

  private:
    bool Writable() const {
        QFile probe(path_ + QStringLiteral("/probe"));
        if (!probe.open(QIODevice::WriteOnly)) return false;
        probe.remove();
        return true;
    }
    QString path_;
    bool immutable_ = false;
};

// Writes past `bytes` fail as on a full disk while the limit is in force.
class DiskFull {
  public:
    explicit DiskFull(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~DiskFull() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }

  private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

class DataSafety : public ReportFixture {
  protected:
    void SetUp() override {
        ReportFixture::SetUp();
        folder = dir_.filePath(QStringLiteral("kept"));
        ASSERT_TRUE(QDir().mkpath(folder));
    }
    QString In(const char* name) const { return folder + QLatin1Char('/') + QLatin1String(name); }

    QString folder;
};

TStringGrid FeatureGrid(int rows) {
    TStringGrid grid(3);
    grid.SetRowCount(rows + 1);
    for (int r = 0; r < rows; ++r) {
        grid.SetCell(0, r, QStringLiteral("Crater %1").arg(r));
        grid.SetCell(1, r, QStringLiteral("-012.25"));
        grid.SetCell(2, r, QStringLiteral("05.0"));
    }
    return grid;
}

TEST_F(DataSafety, FeaturesFileStaysWholeWhenItCannotBeWritten) {
    const QString path = In("data.dat");
    FeatureRecord buffer;
    QString error;
    ASSERT_TRUE(WriteFeatureFile(FeatureGrid(2), buffer, error, path));
    const QByteArray old = Contents(path);
    ASSERT_EQ(old.size(), 2 * FeatureRecordSize);

    {
        DiskFull full(3 * FeatureRecordSize);
        EXPECT_FALSE(WriteFeatureFile(FeatureGrid(40), buffer, error, path));
    }
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(Contents(path), old);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList({"data.dat"})); // no temporary left

    ReadOnlyFolder readOnly(folder);
    if (!readOnly.Available()) GTEST_SKIP() << "no way to make a folder read-only here";
    error.clear();
    EXPECT_FALSE(WriteFeatureFile(FeatureGrid(3), buffer, error, path));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(Contents(path), old);
}

TEST_F(DataSafety, SavedPhasePageStaysWholeWhenItCannotBeWritten) {
    SelectDay(10, 2, 2026);
    auto* phases = Windows().MonthlyPhases;
    phases->show();
    saveAnswer = In("MoonPhases.BMP");
    WriteBytes(saveAnswer, "old picture");

    {
        DiskFull full(4096); // the page is 461 x 414 pixels: far more
        phases->lblSaveClick();
    }
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.front().contains(QStringLiteral("MoonPhases.BMP")));
    EXPECT_EQ(Contents(saveAnswer), QByteArray("old picture"));

    ReadOnlyFolder readOnly(folder);
    if (!readOnly.Available()) GTEST_SKIP() << "no way to make a folder read-only here";
    phases->lblSaveClick();
    EXPECT_EQ(messages.size(), 2);
    EXPECT_EQ(Contents(saveAnswer), QByteArray("old picture"));
}

// One page with some text, printed to `pdf`; true when the job says it went out.
bool PrintOnePage(const QString& pdf) {
    platform::Services().printer = [pdf](QWidget*, const QString&) {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        return printer;
    };
    PrintJob job(nullptr, QString(), PrintJob::Orientation::Portrait);
    if (!job.Started()) return false;
    for (int line = 0; line < 60; ++line)
        job.Canvas().drawText(200, 200 + line * 150,
                              QStringLiteral("Line %1 of the page").arg(line));
    return job.Finish();
}

TEST_F(DataSafety, PdfPrintoutStaysWholeWhenItCannotBeWritten) {
    const QString pdf = In("printout.pdf");
    ASSERT_TRUE(PrintOnePage(pdf));
    EXPECT_TRUE(messages.isEmpty());
    const QByteArray old = Contents(pdf);
    ASSERT_TRUE(old.startsWith("%PDF"));

    {
        DiskFull full(2048);
        EXPECT_FALSE(PrintOnePage(pdf));
    }
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.front().contains(QStringLiteral("printout.pdf")));
    EXPECT_EQ(Contents(pdf), old);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("printout.pdf")});

    ReadOnlyFolder readOnly(folder);
    if (!readOnly.Available()) GTEST_SKIP() << "no way to make a folder read-only here";
    EXPECT_FALSE(PrintOnePage(pdf));
    EXPECT_EQ(messages.size(), 2);
    EXPECT_EQ(Contents(pdf), old);
}

TEST_F(DataSafety, SettingsStayWholeWhenTheyCannotBeWritten) {
    const QString ini = In("Cresselle.ini");
    settingsstore::SetLocationForTests(ini);
    TObserverSettings s;
    settingsstore::Load(s); // the first start writes the defaults
    s.Location = QStringLiteral("Greenwich");
    ASSERT_TRUE(settingsstore::SaveConfiguration(s));
    const QByteArray old = Contents(ini);

    s.Location = QString(64, QLatin1Char('x'));
    {
        DiskFull full(static_cast<rlim_t>(old.size()));
        EXPECT_FALSE(settingsstore::SaveConfiguration(s));
    }
    EXPECT_EQ(Contents(ini), old);

    ReadOnlyFolder readOnly(folder);
    if (!readOnly.Available()) GTEST_SKIP() << "no way to make a folder read-only here";
    EXPECT_FALSE(settingsstore::SaveConfiguration(s));
    EXPECT_FALSE(settingsstore::SavePrintOptions(s));
    EXPECT_EQ(Contents(ini), old);

    // The configuration window tells the user; the values still apply in memory.
    auto* configuration = Windows().Configuration;
    configuration->show();
    configuration->FormActivate();
    configuration->lblExitClick();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.front().contains(QStringLiteral("could not be saved")));
    EXPECT_EQ(Contents(ini), old);
}

// A child process saves two different configurations in turn as fast as it can and is killed
// at a random moment; the file must then hold one of the two whole, and the next save must go
// through (no lock left behind that blocks it).
TEST_F(DataSafety, SettingsSurviveBeingKilledMidSave) {
    const QString ini = In("Cresselle.ini");
    settingsstore::SetLocationForTests(ini);
    TObserverSettings first;
    settingsstore::Load(first);
    first.LatDeg = QStringLiteral("11");
    first.Location = QString(64, QLatin1Char('a'));
    TObserverSettings second = first;
    second.LatDeg = QStringLiteral("22");
    second.Location = QString(64, QLatin1Char('b'));
    ASSERT_TRUE(settingsstore::SaveConfiguration(first));

    std::mt19937 random(12);
    std::uniform_int_distribution<int> delayMicroseconds(200, 20000);
    for (int round = 0; round < 25; ++round) {
        std::fflush(nullptr);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0; i < 100000; ++i)
                settingsstore::SaveConfiguration(i % 2 ? second : first);
            _exit(0);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);

        QSettings store(ini, QSettings::IniFormat);
        const QString lat = store.value(QStringLiteral("LatDeg")).toString();
        const QString location = store.value(QStringLiteral("Location")).toString();
        const bool whole = (lat == QStringLiteral("11") && location == first.Location) ||
                           (lat == QStringLiteral("22") && location == second.Location);
        ASSERT_TRUE(whole) << "round " << round << ": " << lat.toStdString() << " "
                           << location.toStdString();
        EXPECT_EQ(store.value(QStringLiteral("Version")).toString(), QStringLiteral("V2.50"));
    }
    const auto before = std::chrono::steady_clock::now();
    EXPECT_TRUE(settingsstore::SaveConfiguration(first));
    EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(2));
}

} // namespace
