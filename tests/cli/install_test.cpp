// SPDX-License-Identifier: GPL-3.0-or-later
// Installs the build into a temporary prefix, as a package would lay it out, and starts the
// installed program the way the desktop entry does.
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString SourceDir() {
    return qEnvironmentVariable("CRESSELLE_SOURCE_DIR");
}
QString BuildDir() {
    return qEnvironmentVariable("CRESSELLE_BUILD_DIR");
}

// Programs carry the platform's suffix ("cresselle.exe" on Windows).
QString Program(const QString& name) {
#ifdef Q_OS_WIN
    return QStringLiteral("bin/") + name + QStringLiteral(".exe");
#else
    return QStringLiteral("bin/") + name;
#endif
}

QByteArray FileHash(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// The runtime files a package ships: the features database, the icon, and every help page and
// picture of the source tree's docs folder.
QStringList ShippedFiles() {
    QStringList files{QStringLiteral("data.dat"), QStringLiteral("Cresselle.ico")};
    const QDir docs(SourceDir() + QStringLiteral("/runtime/docs"));
    for (const QString& name : docs.entryList(QDir::Files, QDir::Name))
        files << QStringLiteral("docs/") + name;
    return files;
}

// One installation shared by the tests of this file.
class Installed : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        prefix_ = new QTemporaryDir;
        const QString cmake = QStandardPaths::findExecutable(QStringLiteral("cmake"));
        if (cmake.isEmpty()) return;
        QProcess install;
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(cmake, {QStringLiteral("--install"), BuildDir(), QStringLiteral("--prefix"),
                              prefix_->path()});
        install.waitForFinished(120000);
        log_ = QString::fromLocal8Bit(install.readAll());
        ok_ = install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0;
    }
    static void TearDownTestSuite() {
        delete prefix_;
        prefix_ = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(ok_) << "cmake --install failed:\n" << log_.toStdString(); }

    static QString Path(const QString& relative) { return prefix_->filePath(relative); }
    static QString Runtime(const QString& name) {
        return Path(QStringLiteral("share/cresselle/runtime/") + name);
    }

    static inline QTemporaryDir* prefix_ = nullptr;
    static inline bool ok_ = false;
    static inline QString log_;
};

// The key's value in the [Desktop Entry] group of a desktop file.
QString DesktopValue(const QString& path, const QString& key) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    bool inEntry = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inEntry = line == QLatin1String("[Desktop Entry]");
        else if (inEntry && line.startsWith(key + QLatin1Char('=')))
            return line.mid(key.size() + 1);
    }
    return {};
}

} // namespace

TEST_F(Installed, ProgramsRuntimeFilesAndIconsAreInTheirPlaces) {
    for (const char* program : {"cresselle", "cresselle-cli"}) {
        const QFileInfo info(Path(Program(QString::fromLatin1(program))));
        EXPECT_TRUE(info.isFile() && info.isExecutable()) << program;
    }
    // The shipped runtime files are the repository's, byte for byte.
    const QStringList shipped = ShippedFiles();
    EXPECT_TRUE(shipped.contains(QStringLiteral("docs/cresselle-main_fr.png")));
    for (const QString& name : shipped)
        EXPECT_EQ(FileHash(Runtime(name)),
                  FileHash(SourceDir() + QStringLiteral("/runtime/") + name))
            << name.toStdString();
#ifdef Q_OS_LINUX
    // Each theme icon is the picture of its size, not another size copied three times.
    for (int size : {48, 128, 256}) {
        const QString icon =
            Path(QStringLiteral("share/icons/hicolor/%1x%1/apps/cresselle.png").arg(size));
        EXPECT_EQ(QImageReader(icon).size(), QSize(size, size)) << icon.toStdString();
    }
#endif
}

TEST_F(Installed, DesktopEntryStartsTheInstalledProgramWithItsIcon) {
#ifndef Q_OS_LINUX
    GTEST_SKIP() << "desktop entries are installed on Linux only";
#endif
    const QString entry = Path(QStringLiteral("share/applications/cresselle.desktop"));
    ASSERT_TRUE(QFileInfo::exists(entry));
    EXPECT_EQ(DesktopValue(entry, QStringLiteral("Type")), QStringLiteral("Application"));
    EXPECT_EQ(DesktopValue(entry, QStringLiteral("Name")), QStringLiteral("Cresselle"));
    EXPECT_FALSE(DesktopValue(entry, QStringLiteral("Comment")).isEmpty());
    EXPECT_EQ(DesktopValue(entry, QStringLiteral("Categories")),
              QStringLiteral("Education;Science;Astronomy;"));
    // Exec names a program of bin/, Icon a theme icon that is installed.
    const QString exec =
        DesktopValue(entry, QStringLiteral("Exec")).section(QLatin1Char(' '), 0, 0);
    EXPECT_TRUE(QFileInfo::exists(Path(QStringLiteral("bin/") + exec))) << exec.toStdString();
    const QString icon = DesktopValue(entry, QStringLiteral("Icon"));
    EXPECT_TRUE(
        QFileInfo::exists(Path(QStringLiteral("share/icons/hicolor/48x48/apps/%1.png").arg(icon))))
        << icon.toStdString();
}

// Starts bin/cresselle with an empty home under the offscreen platform and waits until its
// 640 x 480 main window has been painted to the screen and its clock has ticked. The
// program must take its files from the installation, not from the source tree it was
// built in: a file placed only in the installed runtime folder must reach the working folder.
TEST_F(Installed, InstalledProgramShowsItsMainWindowAndSeedsTheWorkingFolder) {
#ifndef Q_OS_LINUX
    GTEST_SKIP() << "elsewhere the working folder cannot be moved away from the user's own";
#endif
    ASSERT_TRUE(QFile(Runtime(QStringLiteral("installed-only.txt"))).open(QIODevice::WriteOnly));

    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // Qt reports every flush of a window to the screen under this category.
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("qt.widgets.painting=true"));

    QProcess program;
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(home.path());
    program.start(Path(Program(QStringLiteral("cresselle"))), {});
    ASSERT_TRUE(program.waitForStarted(10000));

    static const QRegularExpression wholeWindow(
        QStringLiteral("Flushing QRegion\\(0,0 640x480\\) of TMain"));
    static const QRegularExpression clockStrip(
        QStringLiteral("Flushing QRegion.*\\(0,40 640x24\\).* of TMain"));
    bool shown = false;
    bool ticked = false;
    QByteArray pending;
    QElapsedTimer clock;
    clock.start();
    while (!(shown && ticked) && clock.elapsed() < 60000 && program.state() == QProcess::Running) {
        program.waitForReadyRead(500);
        pending += program.readAllStandardError();
        const int end = pending.lastIndexOf('\n');
        if (end < 0) continue;
        for (const QByteArray& line : pending.left(end).split('\n')) {
            const QString text = QString::fromUtf8(line);
            if (wholeWindow.match(text).hasMatch())
                shown = true;
            else if (shown && clockStrip.match(text).hasMatch())
                ticked = true;
        }
        pending = pending.mid(end + 1);
    }
    const bool stillRunning = program.state() == QProcess::Running;
    program.kill();
    program.waitForFinished(10000);

    EXPECT_TRUE(stillRunning) << "the program ended by itself, exit code " << program.exitCode();
    EXPECT_TRUE(shown) << "the main window was never painted";
    EXPECT_TRUE(ticked) << "the clock did not tick after the first show";

    const QDir data(home.filePath(QStringLiteral("data/Cresselle")));
    EXPECT_TRUE(data.exists(QStringLiteral("installed-only.txt")))
        << "the working folder was not seeded from the installation";
    for (const QString& name : ShippedFiles())
        EXPECT_EQ(FileHash(data.filePath(name)), FileHash(Runtime(name))) << name.toStdString();
    EXPECT_TRUE(QFileInfo::exists(home.filePath(QStringLiteral("config/Cresselle/Cresselle.ini"))))
        << "the settings were not written at the first start";
}

namespace {

// Runs a program to its end; its exit code, or -1 when it could not run.
int RunTool(const QString& tool, const QStringList& args, QString* output) {
    const QString path = QStandardPaths::findExecutable(tool);
    if (path.isEmpty()) return -1;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(path, args);
    if (!process.waitForFinished(60000)) return -1;
    *output = QString::fromUtf8(process.readAll());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// The first words of the lines of a section of `--help`: "Commands:" up to a blank line.
QStringList HelpCommands(const QString& help) {
    QStringList commands;
    bool inside = false;
    for (const QString& line : help.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("Commands:")))
            inside = true;
        else if (inside && line.trimmed().isEmpty())
            inside = false;
        else if (inside)
            commands << line.trimmed().section(QLatin1Char(' '), 0, 0);
    }
    return commands;
}

// The command names of the manual page's COMMANDS section (".BI name ..." or ".B name").
QStringList ManualCommands(const QString& page) {
    QStringList commands;
    bool inside = false;
    static const QRegularExpression item(QStringLiteral("^\\.BI? \"?([a-z]+)"));
    for (const QString& line : page.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String(".SH")))
            inside = line == QLatin1String(".SH COMMANDS");
        else if (const auto match = item.match(line); inside && match.hasMatch())
            commands << match.captured(1);
    }
    return commands;
}

// The long options named anywhere in a text ("--json"; "\-\-json" in a manual page).
QStringList LongOptions(QString text) {
    text.replace(QLatin1String("\\-"), QLatin1String("-"));
    QStringList options;
    static const QRegularExpression option(QStringLiteral("--[a-z]+"));
    for (auto it = option.globalMatch(text); it.hasNext();)
        options << it.next().captured(0);
    options.removeDuplicates();
    options.sort();
    return options;
}

} // namespace

TEST_F(Installed, ManualPagesLicenceAndDesktopMetadataAreInstalledAndValid) {
    for (const char* name : {"share/man/man1/cresselle.1.gz", "share/man/man1/cresselle-cli.1.gz",
                             "share/doc/cresselle/copyright", "share/doc/cresselle/changelog.gz"})
        EXPECT_GT(QFileInfo(Path(QString::fromLatin1(name))).size(), 200) << name;
#ifdef Q_OS_LINUX
    QString output;
    const QString metainfo =
        Path(QStringLiteral("share/metainfo/io.github.cresselle.Cresselle.metainfo.xml"));
    EXPECT_EQ(RunTool(QStringLiteral("appstreamcli"),
                      {QStringLiteral("validate"), QStringLiteral("--no-net"), metainfo}, &output),
              0)
        << output.toStdString();
    EXPECT_EQ(RunTool(QStringLiteral("desktop-file-validate"),
                      {Path(QStringLiteral("share/applications/cresselle.desktop"))}, &output),
              0)
        << output.toStdString();
#endif
}

// The manual page and `--help` list the same commands and the same options.
TEST(ManualPage, AgreesWithTheHelpOfTheProgram) {
    QFile page(SourceDir() + QStringLiteral("/packaging/man/cresselle-cli.1"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString manual = QString::fromUtf8(page.readAll());
    QProcess cli;
    cli.start(BuildDir() + QStringLiteral("/cresselle-cli"), {QStringLiteral("--help")});
    ASSERT_TRUE(cli.waitForFinished(30000));
    const QString help = QString::fromUtf8(cli.readAllStandardOutput());

    const QStringList commands = HelpCommands(help);
    ASSERT_GE(commands.size(), 9) << help.toStdString();
    EXPECT_EQ(ManualCommands(manual).join(QLatin1Char(' ')).toStdString(),
              commands.join(QLatin1Char(' ')).toStdString());
    const QString manualOptions =
        manual.section(QStringLiteral(".SH OPTIONS"), 1, 1).section(QStringLiteral(".SH "), 0, 0);
    EXPECT_EQ(LongOptions(manualOptions).join(QLatin1Char(' ')).toStdString(),
              LongOptions(help).join(QLatin1Char(' ')).toStdString());
}
