// SPDX-License-Identifier: GPL-3.0-or-later
// cresselle-cli speaks English whatever the user's language: scripts read its output.
#include <QFile>
#include <QProcess>

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray RunCli(const QStringList& args, const QString& language) {
    static QTemporaryDir home;
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.path() + QStringLiteral("/data"));
    env.insert(QStringLiteral("LANG"), language);
    env.insert(QStringLiteral("LC_ALL"), language);
    env.insert(QStringLiteral("LANGUAGE"), language.left(2));
    p.setProcessEnvironment(env);
    p.start(qEnvironmentVariable("CRESSELLE_BUILD_DIR") + QStringLiteral("/cresselle-cli"), args);
    EXPECT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return p.readAllStandardOutput();
}

const QStringList Greenwich = {QStringLiteral("--lat"),  QStringLiteral("51.4769"),
                               QStringLiteral("--lon"),  QStringLiteral("0"),
                               QStringLiteral("--zone"), QStringLiteral("0")};

} // namespace

// The French, German and Spanish user gets the English output byte for byte: phase names,
// month names and the exported calendar's titles.
TEST(CliLanguage, OutputIsEnglishUnderAnyLocale) {
    const QStringList phases = Greenwich + QStringList{"phases", "2026-12"};
    const QByteArray english = RunCli(phases, QStringLiteral("C"));
    ASSERT_TRUE(english.contains("first_quarter") && english.contains("December 2026"))
        << english.toStdString();
    for (const QString& lang : {QStringLiteral("fr_FR.UTF-8"), QStringLiteral("de_DE.UTF-8"),
                                QStringLiteral("es_ES.UTF-8")}) {
        const QByteArray local = RunCli(phases, lang);
        EXPECT_EQ(local, english) << lang.toStdString();
        EXPECT_FALSE(local.contains("cembre") || local.contains("Dezember") ||
                     local.contains("diciembre"))
            << local.toStdString();
    }
    // Decimals, distances and the zone's caption, which the windows write in the language.
    const QStringList numbers[] = {Greenwich + QStringList{"seasons", "2026"},
                                   Greenwich + QStringList{"moon", "2026-12-17T12:00:00"},
                                   Greenwich + QStringList{"altitude", "2026-12-17", "--json"}};
    for (const QStringList& args : numbers) {
        const QByteArray plain = RunCli(args, QStringLiteral("C"));
        EXPECT_TRUE(plain.contains('.')) << plain.toStdString();
        for (const QString& lang : {QStringLiteral("fr_FR.UTF-8"), QStringLiteral("de_DE.UTF-8")})
            EXPECT_EQ(RunCli(args, lang), plain) << args.join(' ').toStdString();
    }
    EXPECT_TRUE(RunCli(numbers[2], QStringLiteral("fr_FR.UTF-8")).contains("\"UT\""));
    QTemporaryDir out;
    const QString ics = out.filePath(QStringLiteral("moon.ics"));
    RunCli(Greenwich + QStringList{"ical", "2026", "--output", ics}, QStringLiteral("fr_FR.UTF-8"));
    QFile file(ics);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("SUMMARY:First Quarter")) << text.left(400).toStdString();
    EXPECT_TRUE(text.contains("X-WR-CALNAME:Moon 2026 (Cresselle)"));
}
