// SPDX-License-Identifier: GPL-3.0-or-later
// Saves and starts that must neither lose anything nor fail without a word: the name a save
// adds its extension to, the whole record written to a vanished store, the first start on a
// nearly full disk or with no working folder, typed list values, a cancelled search, where a
// printout went, stored values reset at start, the system's reasons, a missing opener, files
// left by a killed save, and the printed calendar's header and page orientation.
//
// The disk cases run on a small tmpfs the test mounts (root only); they are skipped, saying
// so, where it cannot be mounted.
#include "ReportFixture.h"

#include "data/FeatureFile.h"
#include "data/Folders.h"
#include "print/PdfHelpers.h"
#include "print/PrintJob.h"
#include "print/fPrintCalendar.h"
#include "settings/fConfiguration.h"
#include "ui/main/Startup.h"
#include "ui/reports/fEclipseReport.h"
#include "ui/reports/fFeaturesDB.h"
#include "ui/reports/fMonthlyPhases.h"
#include "ui/reports/fTimesList.h"

#include <QComboBox>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QSysInfo>

#include <sys/mount.h>

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

// A tmpfs of `kilobytes` at `path` while it lives; Mounted() is false where mounting is refused.
class SmallDisk {
  public:
    SmallDisk(const QString& path, int kilobytes) : path_(path) {
        QDir().mkpath(path);
        const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
        mounted_ = ::mount("tmpfs", QFile::encodeName(path).constData(), "tmpfs", 0,
                           options.constData()) == 0;
    }
    ~SmallDisk() {
        if (mounted_) ::umount2(QFile::encodeName(path_).constData(), MNT_DETACH);
    }
    bool Mounted() const { return mounted_; }
    bool MakeReadOnly() {
        return ::mount("tmpfs", QFile::encodeName(path_).constData(), "tmpfs",
                       MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }
    // Fills the disk.
    void Fill() {
        QFile filler(path_ + QStringLiteral("/filler"));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return;
        const QByteArray block(512, 'f');
        for (int i = 0; i < 100000; ++i)
            if (filler.write(block) != block.size()) break;
    }

  private:
    QString path_;
    bool mounted_ = false;
};

#define REQUIRE_MOUNTED(disk)                                                                      \
    if (!(disk).Mounted()) GTEST_SKIP() << "cannot mount a small tmpfs here (needs root)"

class NothingLost : public ReportFixture {
  protected:
    QString Ini() const { return dir_.filePath(QStringLiteral("Cresselle.ini")); }
    QString Stored(const char* key) const {
        return QSettings(Ini(), QSettings::IniFormat).value(QLatin1String(key)).toString();
    }
};

// "MoonPhases" typed where MoonPhases.bmp exists: the name with its extension is asked about;
// No keeps the file and offers the dialog again, Yes replaces it. The dialog opens in the
// user's pictures (or home) folder, then in the folder last saved in.
TEST_F(NothingLost, SaveAsksBeforeReplacingTheNameItAddsAnExtensionTo) {
    SelectDay(10, 2, 2026);
    auto* phases = Windows().MonthlyPhases;
    phases->show();
    const QString existing = dir_.filePath(QStringLiteral("MoonPhases.bmp"));
    WriteBytes(existing, "old picture");
    int asked = 0;
    platform::Services().saveFileName = [&](QWidget*, const QString&, const QString& suggested,
                                            const QString&) {
        suggestedNames.append(suggested);
        return asked++ == 0 ? dir_.filePath(QStringLiteral("MoonPhases")) : QString();
    };
    phases->lblSaveClick();
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].contains(QStringLiteral("MoonPhases.bmp")));
    EXPECT_EQ(Contents(existing), QByteArray("old picture"));
    ASSERT_EQ(suggestedNames.size(), 2) << "No offers the dialog again";
    EXPECT_EQ(QFileInfo(suggestedNames[0]).absolutePath(),
              QFileInfo(platform::PicturesFolder()).absoluteFilePath());
    EXPECT_NE(QFileInfo(suggestedNames[0]).absolutePath(), QCoreApplication::applicationDirPath());

    askAnswer = true;
    asked = 0;
    phases->lblSaveClick();
    EXPECT_TRUE(Contents(existing).startsWith("BM"));
    // The next save opens where this one went.
    saveAnswer.clear();
    platform::Services().saveFileName = [&](QWidget*, const QString&, const QString& suggested,
                                            const QString&) {
        suggestedNames.append(suggested);
        return QString();
    };
    phases->lblSaveClick();
    EXPECT_EQ(QFileInfo(suggestedNames.last()).absolutePath(), QDir(dir_.path()).absolutePath());
    EXPECT_TRUE(messages.isEmpty()) << messages.join("; ").toStdString();
}

// Values the program cannot use are reset at start and the user is told, once, which and to
// what; a value merely missing takes its default without a word.
TEST_F(NothingLost, StoredValuesResetAtStartAreNamedOnce) {
    WriteBytes(Ini(), "[General]\nLatDeg=999\nLatMin=10\nLongDeg=180\nLongMin=30\n"
                      "Location=Paris\nDateFormat=dd/mm/yyyy\nPrinterType=Laser\n");
    TObserverSettings s;
    settingsstore::Load(s);
    const QString notice = settingsstore::TakeNotice();
    EXPECT_TRUE(notice.contains(QStringLiteral("LatDeg \"999\" to \"00\"")))
        << notice.toStdString();
    EXPECT_TRUE(notice.contains(QStringLiteral("LongMin \"30\" to \"00\"")))
        << notice.toStdString();
    EXPECT_TRUE(notice.contains(QStringLiteral("\"Paris\""))) << notice.toStdString();
    EXPECT_FALSE(notice.contains(QStringLiteral("PhaseDensity"))) << "missing is not unusable";
    settingsstore::Load(s);
    EXPECT_TRUE(settingsstore::TakeNotice().isEmpty()) << "said once";

    // A NUL byte in a line: the damaged line's value is named as reset too.
    WriteBytes(Ini(), QByteArray("[General]\nLatDeg=4\0"
                                 "8\nLatMin=10\n",
                                 27));
    settingsstore::Load(s);
    EXPECT_TRUE(settingsstore::TakeNotice().contains(QStringLiteral("LatDeg \"4?8\" to \"00\"")));
}

// Files a killed save leaves beside the store are removed at the next start once they are
// older than any save takes; a fresh one (another program's save) is left.
TEST_F(NothingLost, LeftoversOfAKilledSaveAreRemovedAtStart) {
    TObserverSettings s;
    settingsstore::Load(s);
    const QStringList stale{QStringLiteral("Cresselle.ini.AbC123"),
                            QStringLiteral("rehearsal-4242-aBc123.ini"),
                            QStringLiteral("check-4242-xYz789.ini")};
    const QDateTime old = QDateTime::currentDateTime().addSecs(-600);
    for (const QString& name : stale) {
        WriteBytes(dir_.filePath(name), "half");
        QFile file(dir_.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(old, QFileDevice::FileModificationTime));
    }
    WriteBytes(dir_.filePath(QStringLiteral("rehearsal-1-new123.ini")), "running");
    // A lock whose holder is gone (no such process).
    WriteBytes(Ini() + QStringLiteral(".lock"),
               "999999\ncresselle\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    settingsstore::Load(s);
    for (const QString& name : stale)
        EXPECT_FALSE(QFileInfo::exists(dir_.filePath(name))) << name.toStdString();
    EXPECT_TRUE(QFileInfo::exists(dir_.filePath(QStringLiteral("rehearsal-1-new123.ini"))));
    EXPECT_FALSE(QFileInfo::exists(Ini() + QStringLiteral(".lock")));
    EXPECT_TRUE(settingsstore::SaveConfiguration(s));
}

// A full disk and a read-only one are reported with the system's reason.
TEST_F(NothingLost, FailedSavesGiveTheSystemsReason) {
    SmallDisk disk(dir_.filePath(QStringLiteral("disk")), 64);
    REQUIRE_MOUNTED(disk);
    const QString ini = dir_.filePath(QStringLiteral("disk/Cresselle.ini"));
    settingsstore::SetLocationForTests(ini);
    TObserverSettings s;
    settingsstore::Load(s);
    const QByteArray old = Contents(ini);
    disk.Fill();
    s.Location = QString(64, QLatin1Char('x'));
    EXPECT_FALSE(settingsstore::SaveConfiguration(s));
    const QString full = settingsstore::NotSavedMessage();
    EXPECT_TRUE(full.contains(QStringLiteral("No space left on device")) ||
                full.contains(QStringLiteral("the disk is full")))
        << full.toStdString();
    EXPECT_FALSE(full.contains(QStringLiteral("cannot be read"))) << full.toStdString();
    EXPECT_EQ(Contents(ini), old);

    QFile::remove(dir_.filePath(QStringLiteral("disk/filler")));
    ASSERT_TRUE(disk.MakeReadOnly());
    EXPECT_FALSE(settingsstore::SaveConfiguration(s));
    const QString readOnly = settingsstore::NotSavedMessage();
    EXPECT_TRUE(readOnly.contains(QStringLiteral("Read-only file system")) ||
                readOnly.contains(QStringLiteral("read-only")))
        << readOnly.toStdString();
    EXPECT_FALSE(readOnly.contains(QStringLiteral("disk may be full"))) << readOnly.toStdString();
    settingsstore::SetLocationForTests(Ini());
}

// First start on a 200 kB disk: the database and the icon arrive whole, first; what did not
// fit is named with the folder; no half file and no help stamp stay behind.
TEST(FirstStart, NearlyFullDiskGetsTheDatabaseFirstAndSaysWhatIsMissing) {
    const QString runtime = folders::ShippedRuntimeFolder();
    ASSERT_FALSE(runtime.isEmpty());
    QTemporaryDir dir;
    const QString before = QDir::currentPath();
    {
        SmallDisk disk(dir.filePath(QStringLiteral("disk")), 200);
        REQUIRE_MOUNTED(disk);
        const QString data = dir.filePath(QStringLiteral("disk/Cresselle"));
        EXPECT_TRUE(startup::EnterWorkingFolder(data, runtime));
        QDir::setCurrent(before);
        for (const char* name : {"data.dat", "Cresselle.ico"})
            EXPECT_EQ(Contents(data + QLatin1Char('/') + QLatin1String(name)),
                      Contents(runtime + QLatin1Char('/') + QLatin1String(name)))
                << name;
        QDirIterator files(data, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString copy = files.next();
            const QString relative = QDir(data).relativeFilePath(copy);
            EXPECT_EQ(Contents(copy), Contents(QDir(runtime).filePath(relative)))
                << relative.toStdString() << " is not the shipped file";
        }
        EXPECT_FALSE(QFileInfo::exists(data + QStringLiteral("/docs/help-version")));
        const QString notice = startup::TakeStartNotice();
        EXPECT_TRUE(notice.contains(data)) << notice.toStdString();
        EXPECT_TRUE(notice.contains(QStringLiteral("docs/"))) << notice.toStdString();
        EXPECT_TRUE(notice.contains(QStringLiteral("No space left on device")))
            << notice.toStdString();
    }
    QDir::setCurrent(before);
}

// A working folder that cannot be made is said at start, naming it and the reason, and the
// features editor then writes no database anywhere else.
TEST_F(NothingLost, AWorkingFolderThatCannotBeMadeIsToldAndNothingIsWrittenElsewhere) {
    WriteBytes(dir_.filePath(QStringLiteral("blocker")), "a file, not a folder");
    const QString data = dir_.filePath(QStringLiteral("blocker/Cresselle"));
    EXPECT_FALSE(startup::EnterWorkingFolder(data, folders::ShippedRuntimeFolder()));
    const QString notice = startup::TakeStartNotice();
    EXPECT_TRUE(notice.contains(data)) << notice.toStdString();
    EXPECT_TRUE(notice.contains(QStringLiteral("Not a directory"))) << notice.toStdString();

    auto* db = Windows().FeaturesDB;
    db->show();
    db->txtFeatureName->setText(QStringLiteral("Plato"));
    db->txtLongitude->setText(QStringLiteral("-9.3"));
    db->txtLatitude->setText(QStringLiteral("51.6"));
    db->imgEditClick();
    ASSERT_FALSE(messages.isEmpty());
    EXPECT_TRUE(messages.last().contains(data)) << messages.last().toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir_.filePath(FeatureFileName)));
    folders::SetWorkingFolderProblem({});
}

// Texts typed into the lists that name none of their entries are refused with a message: the
// window stays open and nothing is stored.
TEST_F(NothingLost, TypedListTextsTheListsDoNotOfferAreRefused) {
    TObserverSettings s;
    settingsstore::Load(s);
    ObserverSettings = s;
    auto* cfg = Windows().Configuration;
    cfg->show();
    cfg->FormActivate();
    cfg->cmbDateFormat->setEditText(QStringLiteral("nonsense"));
    cfg->lblExitClick();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("\"nonsense\""))) << messages[0].toStdString();
    EXPECT_TRUE(cfg->isVisible());
    EXPECT_NE(ObserverSettings.DateFormat, QStringLiteral("nonsense"));
    EXPECT_NE(Stored("DateFormat"), QStringLiteral("nonsense"));

    cfg->cmbDateFormat->setCurrentIndex(1);
    cfg->cmbZoneName->setEditText(QStringLiteral("Mars/Olympus_Mons"));
    cfg->lblExitClick();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages[1].contains(QStringLiteral("Mars/Olympus_Mons")));
    EXPECT_TRUE(cfg->isVisible());

    cfg->cmbZoneName->setCurrentIndex(0);
    cfg->lblExitClick();
    EXPECT_EQ(messages.size(), 2);
    EXPECT_FALSE(cfg->isVisible());
    EXPECT_EQ(Stored("DateFormat"), QStringLiteral("MM/DD/YYYY"));
}

// A printout says where it went; Shift opens the system's dialog, whose printer the page is
// drawn on, and the one-click print stays as it was.
TEST_F(NothingLost, PrintoutsSayWhereTheyWentAndShiftOffersTheDialog) {
    SelectDay(10, 2, 2026);
    auto* times = Windows().TimesList;
    times->show();
    times->SetupDataBitmap(main->SelectedDate);
    const QString pdf = dir_.filePath(QStringLiteral("times.pdf"));
    pdftest::PrintTo(pdf);
    QTest::mouseClick(times->lblPrint, Qt::LeftButton);
    ASSERT_EQ(notes.size(), 1);
    EXPECT_TRUE(notes[0].startsWith(QStringLiteral("Sent to PDF"))) << notes[0].toStdString();
    EXPECT_TRUE(notes[0].contains(QStringLiteral("times.pdf")));

    const QString chosen = dir_.filePath(QStringLiteral("dialog.pdf"));
    int drawn = 0;
    platform::Services().printDialog = [&](QWidget*, const std::function<void(QPrinter*)>& setUp,
                                           const std::function<void(QPrinter*)>& paint) {
        QPrinter preview(QPrinter::HighResolution);
        preview.setOutputFormat(QPrinter::PdfFormat);
        setUp(&preview);
        EXPECT_EQ(preview.pageLayout().orientation(), QPageLayout::Landscape)
            << "the preview starts on the page the printout asks for";
        preview.setOutputFormat(QPrinter::PdfFormat);
        preview.setOutputFileName(dir_.filePath(QStringLiteral("preview.pdf")));
        paint(&preview);
        ++drawn;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(chosen);
        paint(&printer);
        ++drawn;
        return true;
    };
    QTest::mouseClick(times->lblPrint, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(drawn, 2);
    ASSERT_EQ(notes.size(), 2) << "told once, after the dialog printed";
    EXPECT_TRUE(notes[1].contains(QStringLiteral("dialog.pdf"))) << notes[1].toStdString();
    EXPECT_TRUE(Contents(chosen).startsWith("%PDF"));
    EXPECT_TRUE(messages.isEmpty()) << messages.join("; ").toStdString();
}

// With nothing to open them, help and links name the page or address and offer a copy.
TEST_F(NothingLost, AMissingOpenerNamesThePageAndOffersToCopyIt) {
    platform::Services().openUrl = [](const QUrl&) { return false; };
    askAnswer = true;
    main->lblHelpClick();
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].contains(QStringLiteral("cresselle.htm")));
    ASSERT_EQ(copied.size(), 1);
    EXPECT_TRUE(copied[0].endsWith(QStringLiteral("docs/cresselle.htm")));
    askAnswer = false;
    main->Label1Click();
    ASSERT_EQ(questions.size(), 2);
    EXPECT_TRUE(questions[1].contains(QStringLiteral("http")));
    EXPECT_EQ(copied.size(), 1);
}

// Cancel shows what was found up to then and says the search was cancelled.
TEST_F(NothingLost, ACancelledSearchSaysSoAndShowsWhatItFound) {
    auto* report = Windows().EclipseReport;
    report->show();
    report->CalculateEclipses(1, 9999);
    ASSERT_TRUE(QTest::qWaitFor([&] { return report->SearchProgress->value() > 20; }, 20000));
    QTest::mouseClick(report->btnCancel, Qt::LeftButton);
    EXPECT_FALSE(report->searching());
    EXPECT_TRUE(report->lblSearchNote->isVisible());
    EXPECT_TRUE(report->lblSearchNote->text().contains(QStringLiteral("cancelled")));
    EXPECT_TRUE(report->lblSearchNote->text().contains(QString::number(report->entries().size()) +
                                                       QStringLiteral(" eclipse")))
        << report->lblSearchNote->text().toStdString();
    EXPECT_GT(report->entries().size(), 0u);
    report->CalculateEclipses(2000, 2000);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !report->searching(); }, 20000));
    EXPECT_FALSE(report->lblSearchNote->isVisible());
}

// The printed calendar's header with a 64-character place: no two words overlap, and the
// page is landscape in the PDF (not portrait with the content turned).
TEST_F(NothingLost, CalendarHeaderNeverOverlapsTheLegendAndPagesAreLandscape) {
    ObserverSettings.Location = QString(QStringLiteral("Observatoire de Paris, Salle Cassini, "
                                                       "Avenue de l'Observatoire 61"))
                                    .left(64);
    ASSERT_EQ(ObserverSettings.Location.size(), 64);
    ObserverSettings.ZoneName = QStringLiteral("Europe/Paris");
    ObserverSettings.PrintMajorPhases = true;
    const QString pdf = dir_.filePath(QStringLiteral("calendar.pdf"));
    pdftest::PrintTo(pdf);
    ASSERT_TRUE(PrintCalendar(12, 2026, ObserverOfSettings(ObserverSettings), {}, main));
    const QList<pdftest::Word> words = pdftest::Words(pdf);
    ASSERT_GT(words.size(), 20);
    for (qsizetype i = 0; i < words.size(); ++i)
        for (qsizetype j = i + 1; j < words.size(); ++j) {
            const pdftest::Word& a = words[i];
            const pdftest::Word& b = words[j];
            const bool overlap = a.xMin < b.xMax - 0.5 && b.xMin < a.xMax - 0.5 &&
                                 a.yMin < b.yMax - 0.5 && b.yMin < a.yMax - 0.5;
            EXPECT_FALSE(overlap) << a.text.toStdString() << " / " << b.text.toStdString();
        }
    const QString info = pdftest::Run(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpression size(QStringLiteral(R"(Page size:\s+([\d.]+) x ([\d.]+))"));
    const auto m = size.match(info);
    ASSERT_TRUE(m.hasMatch()) << info.toStdString();
    EXPECT_GT(m.captured(1).toDouble(), m.captured(2).toDouble()) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral(R"(Page rot:\s+0)"))));
}

// On the system's queue a landscape page is a portrait page of swapped size, so that the
// queue does not turn it once more.
TEST(PrintLayout, LandscapeOnTheSystemQueueIsAWidePortraitPage) {
    const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
    const QPageLayout queue = JobLayout(a4, PrintJob::Orientation::Landscape, true);
    EXPECT_EQ(queue.orientation(), QPageLayout::Portrait);
    EXPECT_GT(queue.fullRect(QPageLayout::Point).width(),
              queue.fullRect(QPageLayout::Point).height());
    EXPECT_EQ(JobLayout(queue, PrintJob::Orientation::Landscape, true).fullRect(),
              queue.fullRect());
    const QPageLayout pdf = JobLayout(a4, PrintJob::Orientation::Landscape, false);
    EXPECT_EQ(pdf.orientation(), QPageLayout::Landscape);
    EXPECT_EQ(JobLayout(pdf, PrintJob::Orientation::Portrait, false).orientation(),
              QPageLayout::Portrait);
}

} // namespace
