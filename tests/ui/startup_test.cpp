// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: the working folder, the icon, the hint pause, the month names, the About window,
// and the end of the program when the main window closes.
#include "astro/fGlobals.h"
#include "settings/ObserverSettings.h"
#include "ui/Windows.h"
#include "ui/frame/TClickLabel.h"
#include "ui/main/Startup.h"
#include "ui/main/fAbout.h"
#include "ui/main/fMain.h"
#include "ui/reports/fTimesList.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every test runs in a fresh temporary folder with its own settings store.
class StartupTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        previous_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(dir_.path()));
        settingsstore::SetLocationForTests(dir_.filePath(QStringLiteral("store/Cresselle.ini")));
    }
    void TearDown() override {
        DestroyWindows();
        settingsstore::SetLocationForTests(QString());
        QDir::setCurrent(previous_);
    }
    QString Path(const QString& name) const { return dir_.filePath(name); }

    QTemporaryDir dir_;
    QString previous_;
};

TEST_F(StartupTest, WorkingFolderIsSeededWithoutTouchingTheUsersFiles) {
    const QString runtime = Path("shipped");
    WriteFile(runtime + "/data.dat", "shipped features");
    WriteFile(runtime + "/Cresselle.ico", "shipped icon");
    WriteFile(runtime + "/docs/cresselle.htm", "<html>help</html>");
    const QString data = Path("home/.local/share/Cresselle");
    WriteFile(data + "/data.dat", "the user's own features");

    ASSERT_TRUE(startup::EnterWorkingFolder(data, runtime));
    EXPECT_EQ(QDir::current(), QDir(data));
    EXPECT_EQ(ReadFile("data.dat"), "the user's own features");
    EXPECT_EQ(ReadFile("Cresselle.ico"), "shipped icon");
    EXPECT_EQ(ReadFile("docs/cresselle.htm"), "<html>help</html>");

    // A later start copies only what has gone missing since.
    WriteFile(runtime + "/Cresselle.ico", "newer shipped icon");
    QFile::remove(data + "/docs/cresselle.htm");
    ASSERT_TRUE(startup::EnterWorkingFolder(data, runtime));
    EXPECT_EQ(ReadFile("Cresselle.ico"), "shipped icon");
    EXPECT_EQ(ReadFile("docs/cresselle.htm"), "<html>help</html>");
    EXPECT_EQ(QDir(data).entryList(QDir::Files | QDir::Hidden).size(), 2) << "no stray files";

    // An upgrade with newer help pages refreshes them, and only them.
    WriteFile(runtime + "/docs/help-version", "2.50.1\n");
    WriteFile(runtime + "/docs/cresselle.htm", "<html>newer help</html>");
    WriteFile(runtime + "/data.dat", "newer shipped features");
    ASSERT_TRUE(startup::EnterWorkingFolder(data, runtime));
    EXPECT_EQ(ReadFile("docs/cresselle.htm"), "<html>newer help</html>");
    EXPECT_EQ(ReadFile("data.dat"), "the user's own features");
    EXPECT_EQ(ReadFile("Cresselle.ico"), "shipped icon");
    // Pages the user edited after that stay until the next newer stamp.
    WriteFile(data + "/docs/cresselle.htm", "<html>my notes</html>");
    ASSERT_TRUE(startup::EnterWorkingFolder(data, runtime));
    EXPECT_EQ(ReadFile("docs/cresselle.htm"), "<html>my notes</html>");
}

TEST_F(StartupTest, WorkingFolderThatCannotBeMadeKeepsTheCurrentFolder) {
    WriteFile(Path("blocked"), "a file where the folder should be");
    EXPECT_FALSE(startup::EnterWorkingFolder(Path("blocked/Cresselle"), QString()));
    EXPECT_EQ(QDir::current(), QDir(dir_.path()));
}

TEST_F(StartupTest, ShippedRuntimeHoldsTheWorkingFolderFiles) {
    const QDir runtime(startup::ShippedRuntimeFolder());
    ASSERT_FALSE(runtime.path().isEmpty());
    for (const char* name : {"Cresselle.ico", "data.dat", "docs/cresselle.htm"})
        EXPECT_TRUE(QFileInfo(runtime.filePath(QString::fromLatin1(name))).isFile()) << name;

    const QIcon icon = startup::ApplicationIcon(runtime.filePath("Cresselle.ico"));
    const QList<QSize> sizes = icon.availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(48, 48))) << "all sizes read";
}

TEST_F(StartupTest, IconFromTheWorkingFolderOrBuiltIn) {
    EXPECT_FALSE(startup::ApplicationIcon().isNull()) << "missing file";
    EXPECT_EQ(startup::ApplicationIcon().availableSizes(), startup::BuiltInIcon().availableSizes());

    WriteFile("Cresselle.ico", "not an icon at all");
    EXPECT_FALSE(startup::ApplicationIcon().isNull()) << "unreadable file";
    EXPECT_EQ(startup::ApplicationIcon().availableSizes(), startup::BuiltInIcon().availableSizes());

    QFile::remove("Cresselle.ico");
    QImage picture(24, 24, QImage::Format_ARGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save("Cresselle.ico", "ICO"));
    const QIcon icon = startup::ApplicationIcon();
    EXPECT_EQ(icon.availableSizes(), QList<QSize>{QSize(24, 24)});
    EXPECT_EQ(icon.pixmap(24, 24).toImage().pixelColor(12, 12), QColor(Qt::red));
}

TEST_F(StartupTest, MissingIconStillGivesACompleteMainWindow) {
    ASSERT_FALSE(QFile::exists("Cresselle.ico"));
    CreateWindows();
    int count = 0;
    CreatedWindowsInOrder(count);
    EXPECT_EQ(count, 17);
    const TMain* main = Windows().Main;
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(main->windowIcon().isNull());
    EXPECT_EQ(main->size(), QSize(640, 480));
    EXPECT_EQ(main->DayLabels.size(), 7);
    EXPECT_EQ(main->DateLabels.size(), 42);
    EXPECT_NE(main->lblExit, nullptr);
    EXPECT_NE(main->lblTitle, nullptr);
    EXPECT_TRUE(settingsstore::Exists()) << "the settings were loaded while it was created";
}

TEST_F(StartupTest, HintPauseIsTwoSeconds) {
    startup::SetHintPause(2000);
    QWidget window;
    TClickLabel label(&window, QRect(0, 0, 20, 20), QStringLiteral("hint"));
    EXPECT_EQ(label.style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay, nullptr, &label), 2000);
    EXPECT_EQ(window.style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay, nullptr, &window), 2000);
}

TEST_F(StartupTest, MonthNamesComeFromTheLocale) {
    startup::InstallMonthNames(QLocale(QLocale::French, QLocale::France));
    EXPECT_EQ(astro::LongMonthName(1), "janvier");
    EXPECT_EQ(astro::LongMonthName(8), "ao\u00FBt");
    startup::InstallMonthNames(QLocale(QLocale::English, QLocale::UnitedKingdom));
    EXPECT_EQ(astro::LongMonthName(1), "January");
    EXPECT_EQ(astro::ShortMonthName(12), "Dec");
}

TEST_F(StartupTest, AboutIsCentredOnTheMainWindowAndCloses) {
    CreateWindows();
    TMain* main = Windows().Main;
    main->move(130, 70);
    TAbout* about = Windows().About;
    EXPECT_EQ(about->size(), QSize(300, 200));
    EXPECT_EQ(about->lblTitle, nullptr) << "no title label, no drag";
    ASSERT_NE(about->lblVersion, nullptr);
    EXPECT_EQ(about->lblVersion->text(), "Cresselle V2.50");

    about->show();
    EXPECT_EQ(about->pos(), QPoint(130 + 170, 70 + 140));
    EXPECT_FALSE(about->lblVersion->isVisible());
    QTest::mouseClick(about->lblExit, Qt::LeftButton);
    EXPECT_FALSE(about->isVisible());
}

TEST_F(StartupTest, ClosingTheMainWindowEndsTheProgram) {
    CreateWindows();
    startup::QuitWhenClosed(Windows().Main);
    Windows().Main->show();
    Windows().About->show();
    Windows().TimesList->show();

    QTimer::singleShot(0, [] { QTest::mouseClick(Windows().Main->lblExit, Qt::LeftButton); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(7); }); // guard
    EXPECT_EQ(QApplication::exec(), 0) << "the other windows kept the program running";
    EXPECT_FALSE(Windows().Main->isVisible());
}

} // namespace
