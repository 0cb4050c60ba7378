// SPDX-License-Identifier: GPL-3.0-or-later
// The translation files: every text of the sources has a finished translation in every
// language, with the same %-markers, and the files hold the texts the sources have now.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

struct Entry {
    QString Context;
    QString Source;
    QStringList Translations; // one, or one per plural form
    QString Type;             // "", "unfinished", "obsolete", "vanished"
    bool Plural = false;
};

QList<Entry> ReadTs(const QString& path, QString* error) {
    QList<Entry> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read ") + path;
        return entries;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Entry entry;
    for (int i = 0; i < 1000000 && !xml.atEnd(); ++i) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == QLatin1String("name") && entry.Source.isNull()) {
                context = xml.readElementText();
            } else if (name == QLatin1String("message")) {
                entry = Entry{context, QString(), {}, {}, false};
                entry.Plural =
                    xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            } else if (name == QLatin1String("source")) {
                entry.Source = xml.readElementText();
            } else if (name == QLatin1String("translation")) {
                entry.Type = xml.attributes().value(QLatin1String("type")).toString();
                if (!entry.Plural) entry.Translations << xml.readElementText();
            } else if (name == QLatin1String("numerusform")) {
                entry.Translations << xml.readElementText();
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            entries << entry;
            entry = Entry{};
        }
    }
    if (xml.hasError()) *error = path + QStringLiteral(": ") + xml.errorString();
    return entries;
}

QString SourceDir() {
    return qEnvironmentVariable("CRESSELLE_SOURCE_DIR");
}

QStringList TsFiles() {
    return QDir(SourceDir() + QStringLiteral("/translations"))
        .entryList({QStringLiteral("cresselle_*.ts")}, QDir::Files, QDir::Name);
}

// The %1 .. %99 and %n markers of a text, sorted (a translation may reorder them).
QStringList Markers(const QString& text) {
    static const QRegularExpression marker(QStringLiteral("%(?:L?[0-9]{1,2}|n)"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found << it.next().captured().remove(QLatin1Char('L'));
    found.sort();
    found.removeDuplicates();
    return found;
}

QString Key(const Entry& e) {
    return e.Context + QStringLiteral(" | ") + e.Source;
}

QString Lupdate() {
    QString found = QStandardPaths::findExecutable(QStringLiteral("lupdate"));
    if (found.isEmpty())
        found = QStandardPaths::findExecutable(QStringLiteral("lupdate"),
                                               {QStringLiteral("/usr/lib/qt6/bin")});
    return found;
}

} // namespace

TEST(Translations, TheThreeLanguagesAreThere) {
    ASSERT_FALSE(SourceDir().isEmpty());
    const QStringList files = TsFiles();
    for (const char* lang : {"fr", "de", "es"})
        EXPECT_TRUE(files.contains(QStringLiteral("cresselle_%1.ts").arg(QLatin1String(lang))))
            << lang;
}

// A text left unfinished, empty or untranslated would show in English among translated ones;
// a lost or extra %-marker shows a raw "%2" or drops a value.
TEST(Translations, EveryTextIsFinishedWithItsMarkers) {
    for (const QString& name : TsFiles()) {
        QString error;
        const QList<Entry> entries =
            ReadTs(SourceDir() + QStringLiteral("/translations/") + name, &error);
        ASSERT_TRUE(error.isEmpty()) << error.toStdString();
        ASSERT_FALSE(entries.isEmpty()) << name.toStdString();
        QStringList unfinished;
        QStringList markers;
        for (const Entry& e : entries) {
            const bool empty = e.Translations.isEmpty() ||
                               std::any_of(e.Translations.begin(), e.Translations.end(),
                                           [](const QString& t) { return t.trimmed().isEmpty(); });
            if (!e.Type.isEmpty() || empty) {
                unfinished << Key(e);
                continue;
            }
            for (const QString& t : e.Translations) {
                QStringList want = Markers(e.Source);
                QStringList have = Markers(t);
                // A plural form may say "one" in words instead of %n.
                if (e.Plural) {
                    want.removeAll(QStringLiteral("%n"));
                    have.removeAll(QStringLiteral("%n"));
                }
                if (want != have) markers << Key(e) + QStringLiteral(" -> ") + t;
            }
        }
        EXPECT_TRUE(unfinished.isEmpty())
            << name.toStdString() << ": " << unfinished.size() << " texts without a finished "
            << "translation, e.g.:\n  "
            << unfinished.mid(0, 15).join(QStringLiteral("\n  ")).toStdString();
        EXPECT_TRUE(markers.isEmpty())
            << name.toStdString() << ": markers differ:\n  "
            << markers.mid(0, 15).join(QStringLiteral("\n  ")).toStdString();
    }
}

// The files are refreshed from the sources (scripts/translations-update): a text added to or
// changed in the code and not in the files would stay English.
TEST(Translations, FilesHoldTheTextsOfTheSources) {
    const QString lupdate = Lupdate();
    if (lupdate.isEmpty()) GTEST_SKIP() << "lupdate (qt6-l10n-tools) is not installed";
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QString fresh = scratch.filePath(QStringLiteral("fresh.ts"));
    QProcess run;
    run.setWorkingDirectory(SourceDir());
    run.start(lupdate,
              {QStringLiteral("-silent"), QStringLiteral("-no-obsolete"),
               QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-extensions"),
               QStringLiteral("cpp,h"), QStringLiteral("src"), QStringLiteral("-ts"), fresh});
    ASSERT_TRUE(run.waitForFinished(120000));
    ASSERT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();
    QString error;
    QSet<QString> wanted;
    for (const Entry& e : ReadTs(fresh, &error))
        wanted.insert(Key(e));
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    ASSERT_GT(wanted.size(), 300);
    for (const QString& name : TsFiles()) {
        QSet<QString> held;
        for (const Entry& e : ReadTs(SourceDir() + QStringLiteral("/translations/") + name, &error))
            if (e.Type != QLatin1String("obsolete") && e.Type != QLatin1String("vanished"))
                held.insert(Key(e));
        QStringList missing = (wanted - held).values();
        QStringList extra = (held - wanted).values();
        missing.sort();
        extra.sort();
        EXPECT_TRUE(missing.isEmpty() && extra.isEmpty())
            << name.toStdString() << " is out of date; run scripts/translations-update.\n"
            << "  not in the file: " << missing.mid(0, 10).join(QStringLiteral("; ")).toStdString()
            << "\n  no longer in the sources: "
            << extra.mid(0, 10).join(QStringLiteral("; ")).toStdString();
    }
}
