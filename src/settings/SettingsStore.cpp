// SPDX-License-Identifier: GPL-3.0-or-later
// The settings store: string values under HKEY_CURRENT_USER\HKEY_CRESSELLE on Windows, an INI
// file per user elsewhere. Every value is written as a string, booleans as "True"/"False".
//
// The INI file lists its keys sorted by name (QSettings rewrites the whole file on every
// save); the defaults are still written one by one in the table's order, which the registry
// keeps.
#include "settings/ObserverSettings.h"
#include "zone/Zone.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>
#include <QSaveFile>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QStringDecoder>
#include <QStringList>
#include <QTemporaryFile>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <memory>
#include <utility>
#include <vector>

namespace settingsstore {

QString FileReason(const QFileDevice& file) {
    if (file.error() != QFileDevice::NoError && !file.errorString().isEmpty() &&
        file.errorString() != QLatin1String("Unknown error"))
        return file.errorString();
    return errno != 0 ? QString::fromLocal8Bit(std::strerror(errno))
                      : QCoreApplication::translate("SettingsStore", "the system gave no reason");
}

namespace {

struct DefaultValue {
    const char* name;
    const char* text;
};

// The defaults, in the order in which the first start writes them.
constexpr std::array<DefaultValue, 22> Defaults{{
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
}};

const QString CurrentVersion = QStringLiteral("V2.50");

// Values later than the first start's record: absent from an older store, and then their
// default without a repair.
constexpr DefaultValue LaterDefaults[] = {{"Language", "System"}};

QString DefaultText(const char* name) {
    for (const DefaultValue& d : Defaults)
        if (qstrcmp(d.name, name) == 0) return QString::fromLatin1(d.text);
    for (const DefaultValue& d : LaterDefaults)
        if (qstrcmp(d.name, name) == 0) return QString::fromLatin1(d.text);
    return {};
}

QString& TestLocation() {
    static QString path;
    return path;
}

bool UsesIniFile() {
#ifdef Q_OS_WIN
    return !TestLocation().isEmpty();
#else
    return true;
#endif
}

QString IniPath() {
    if (!TestLocation().isEmpty()) return TestLocation();
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Cresselle/Cresselle.ini");
}

#ifdef Q_OS_WIN
const QString RegistryRoot = QStringLiteral("HKEY_CURRENT_USER");
const QString RegistryKeyName = QStringLiteral("HKEY_CRESSELLE");
#endif

std::unique_ptr<QSettings> OpenStore() {
#ifdef Q_OS_WIN
    if (!UsesIniFile())
        return std::make_unique<QSettings>(RegistryRoot + QLatin1Char('\\') + RegistryKeyName,
                                           QSettings::NativeFormat);
#endif
    return std::make_unique<QSettings>(IniPath(), QSettings::IniFormat);
}

// Writes the pending values out; false when the store could not be written.
bool Flush(QSettings& store) {
    store.sync();
    return store.status() == QSettings::NoError;
}

// Values to write, in the order they are written.
using Values = std::vector<std::pair<QString, QString>>;

// A scratch file name beside the store. The process id keeps it apart from a name that another
// process (a killed save, or a fork sharing this one's random state) may have left locked.
QString ScratchName(const char* purpose) {
    return QStringLiteral("/%1-%2-XXXXXX.ini")
        .arg(QLatin1String(purpose))
        .arg(QCoreApplication::applicationPid());
}

// QSettings reads a value written "@Variant(...)" or "@DateTime(...)" as binary data through
// QDataStream, which trusts the counts inside: a damaged or hand-made one makes it try to
// allocate tens of gigabytes, and the value then reads as an empty text. The program writes texts
// only (and QSettings writes a text that begins with "@" as "@@..."), so such a value comes from
// outside; its line is left out and the value is then repaired like a missing one.
bool StartsBinaryValue(const QByteArray& line, qsizetype at) {
    while (at < line.size() && (line[at] == ' ' || line[at] == '\t'))
        ++at;
    if (at < line.size() && line[at] == '"') ++at;
    const QByteArrayView rest = QByteArrayView(line).sliced(std::min(at, line.size()));
    return rest.startsWith("@Variant(") || rest.startsWith("@DateTime(");
}

// True when an item of the line's value (the whole value, or one between unquoted commas)
// is a binary value.
bool HoldsBinaryValue(const QByteArray& line) {
    const qsizetype equals = line.indexOf('=');
    if (equals < 0) return false;
    if (StartsBinaryValue(line, equals + 1)) return true;
    bool quoted = false;
    for (qsizetype i = equals + 1; i < line.size(); ++i) {
        if (line[i] == '\\') {
            ++i; // an escaped character
        } else if (line[i] == '"') {
            quoted = !quoted;
        } else if (line[i] == ',' && !quoted && StartsBinaryValue(line, i + 1)) {
            return true;
        }
    }
    return false;
}

// A line that is not UTF-8 was written by hand in a Latin-1 editor: its bytes are taken as
// Latin-1 ("Saint-\xC9tienne") rather than read as replacement characters.
QByteArray LinesAsUtf8(const QByteArray& ini) {
    QList<QByteArray> lines = ini.split('\n');
    bool changed = false;
    for (QByteArray& line : lines) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = utf8.decode(line);
        if (!utf8.hasError()) continue;
        line = QString::fromLatin1(line).toUtf8();
        changed = true;
    }
    return changed ? lines.join('\n') : ini;
}

// The INI file's text as the store reads it.
QByteArray ReadableIni(const QByteArray& ini) {
    return LinesAsUtf8(WithoutBinaryValues(ini));
}

// Why QSettings, which gives no reason of its own, could not write in `folder`.
QString WriteReason(const QString& folder) {
    const QStorageInfo disk(folder);
    if (disk.isValid() && disk.isReadOnly())
        return QCoreApplication::translate("SettingsStore", "the disk is read-only");
    if (disk.isValid() && disk.bytesAvailable() < 4096)
        return QCoreApplication::translate("SettingsStore", "the disk is full");
    if (!QFileInfo(folder).isWritable())
        return QCoreApplication::translate("SettingsStore", "the folder may not be written");
    return QCoreApplication::translate("SettingsStore", "the system refused the write");
}

// Every key of an INI file and its text, read under a name the settings cache has never seen
// (QSettings keeps what it last read or wrote of a path and may not read the file again).
bool ReadFresh(const QString& iniPath, QMap<QString, QString>& values, QString* why = nullptr) {
    QTemporaryFile copy(QFileInfo(iniPath).absolutePath() + ScratchName("check"));
    QFile original(iniPath);
    const auto fail = [why](const QString& text) {
        if (why) *why = text;
        return false;
    };
    errno = 0;
    if (!original.open(QIODevice::ReadOnly))
        return fail(QCoreApplication::translate("SettingsStore", "the file cannot be read (%1)")
                        .arg(FileReason(original)));
    if (!copy.open())
        return fail(QCoreApplication::translate("SettingsStore",
                                                "no check copy can be written beside it (%1)")
                        .arg(FileReason(copy)));
    const QByteArray bytes = ReadableIni(original.readAll());
    if (copy.write(bytes) != bytes.size() || !copy.flush())
        return fail(QCoreApplication::translate("SettingsStore",
                                                "no check copy can be written beside it (%1)")
                        .arg(FileReason(copy)));
    const QSettings fresh(copy.fileName(), QSettings::IniFormat);
    if (fresh.status() != QSettings::NoError)
        return fail(QCoreApplication::translate("SettingsStore", "the file cannot be read"));
    for (const QString& key : fresh.allKeys())
        values.insert(key, fresh.value(key).toString());
    return true;
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Replaces the file with exactly these bytes, or leaves it as it was; `why` gets the reason.
bool WriteWhole(const QString& path, const QByteArray& bytes, QString* why = nullptr) {
    QSaveFile file(path);
    errno = 0;
    // Unbuffered, so that a write cut short shows in its count.
    bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    if (written && (file.write(bytes) != bytes.size() || file.size() != bytes.size())) {
        if (why) *why = FileReason(file);
        file.cancelWriting();
        return false;
    }
    written = written && file.commit();
    if (!written && why) *why = FileReason(file);
    return written;
}

// True when the file already holds every value: it is then left untouched, so that a start
// does not rewrite a hand-edited file.
bool AlreadyStored(const QMap<QString, QString>& stored, const Values& values) {
    return std::all_of(values.begin(), values.end(), [&stored](const auto& value) {
        const auto it = stored.find(value.first);
        return it != stored.end() && *it == value.second;
    });
}

// One line of a clean INI file: blank, a ";" comment, a whole section header, or "key=value"
// with a plain key and no control bytes or line continuation.
bool IsCleanLine(const QByteArray& raw) {
    const QByteArray line = raw.trimmed();
    if (line.isEmpty() || line.startsWith(';')) return true;
    if (std::any_of(line.begin(), line.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x20 && c != '\t'; }))
        return false;
    const auto isPlainName = [](const QByteArray& name) {
        return !name.isEmpty() && std::all_of(name.begin(), name.end(), [](char c) {
            return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '%' ||
                   c == '/' || c == '.' || c == '-';
        });
    };
    if (line.startsWith('['))
        return line.indexOf(']') == line.size() - 1 && isPlainName(line.mid(1, line.size() - 2));
    const qsizetype equals = line.indexOf('=');
    const auto backslashes =
        std::find_if(line.rbegin(), line.rend(), [](char c) { return c != '\\'; }) - line.rbegin();
    if (equals <= 0 || backslashes % 2 == 1) return false; // an odd one continues the line
    return isPlainName(line.left(equals).trimmed());
}

// QSettings reads both as line ends.
QList<QByteArray> IniLines(const QByteArray& ini) {
    QByteArray unified = ini;
    unified.replace('\r', '\n');
    return unified.split('\n');
}

// A file QSettings gives up on (a line without "=", "[General" without "]"), which makes
// every later save fail, or one with lines it reads in its own way (control bytes such as NUL,
// a line continued by a backslash), which it would not write back as they were.
bool IsDamaged(const QByteArray& ini) {
    const bool controlBytes = std::any_of(ini.begin(), ini.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\r' && c != '\n';
    });
    const QList<QByteArray> lines = IniLines(ini);
    if (controlBytes || !std::all_of(lines.begin(), lines.end(), IsCleanLine)) return true;
    QTemporaryFile copy;
    const QByteArray readable = ReadableIni(ini);
    if (!copy.open() || copy.write(readable) != readable.size() || !copy.flush()) return false;
    const QSettings settings(copy.fileName(), QSettings::IniFormat);
    settings.allKeys(); // the file is read, and its status known, on the first access
    return settings.status() != QSettings::NoError;
}

QByteArray ReadableLines(const QByteArray& ini) {
    QList<QByteArray> kept;
    for (const QByteArray& line : IniLines(ini))
        if (IsCleanLine(line) && !line.trimmed().isEmpty()) kept.append(line.trimmed());
    return kept.join('\n') + '\n';
}

QString& PendingNotice() {
    static QString notice;
    return notice;
}

// "Cresselle-damaged-2026-12-08-074512.ini" beside the file, never one that exists.
QString BackupName(const QString& iniPath) {
    const QFileInfo info(iniPath);
    const QString stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    QString name = info.dir().filePath(
        QStringLiteral("%1-damaged-%2.%3").arg(info.completeBaseName(), stamp, info.suffix()));
    for (int n = 2; QFileInfo::exists(name) && n < 1000; ++n)
        name = info.dir().filePath(QStringLiteral("%1-damaged-%2-%3.%4")
                                       .arg(info.completeBaseName(), stamp)
                                       .arg(n)
                                       .arg(info.suffix()));
    return name;
}

// A damaged file is kept as a dated backup beside it and replaced by its readable lines; the
// user is told once (TakeNotice). The file is copied, not moved, so that it is never missing.
void RepairDamagedFile(const QString& iniPath) {
    const QByteArray stored = Bytes(iniPath);
    if (!IsDamaged(stored)) return;
    const QString backup = BackupName(iniPath);
    if (!QFile::copy(iniPath, backup)) return;
    if (!WriteWhole(iniPath, ReadableLines(stored))) {
        QFile::remove(backup);
        return;
    }
    PendingNotice() = QCoreApplication::translate(
                          "SettingsStore",
                          "The settings file \"%1\" was damaged. Its readable values were kept, "
                          "the others were reset to their defaults; the damaged file was kept as "
                          "\"%2\".")
                          .arg(QDir::toNativeSeparators(iniPath), QDir::toNativeSeparators(backup));
}

// Saving to the INI file. QSettings replaces the file through a temporary one, so a save that
// is killed leaves the old file or the new one; but it does not notice a write cut short at
// its end (a full disk, a file size limit) and would put a truncated file in place of the old
// one, reporting success. So a save is rehearsed first on a copy beside the file, which is read
// back afresh and compared value by value: only a rehearsal that comes back whole replaces the
// file, through a temporary file of its own whose every byte is checked.
bool SaveIniValues(const QString& iniPath, const Values& values, QString& why) {
    const QString folder = QDir::toNativeSeparators(QFileInfo(iniPath).absolutePath());
    QTemporaryFile rehearsal(QFileInfo(iniPath).absolutePath() + ScratchName("rehearsal"));
    if (!rehearsal.open()) {
        why =
            QCoreApplication::translate("SettingsStore", "the folder \"%1\" cannot be written (%2)")
                .arg(folder, rehearsal.errorString());
        return false;
    }
    const QString rawFolder = QFileInfo(iniPath).absolutePath();
    why = QCoreApplication::translate("SettingsStore", "the file could not be written in full (%1)")
              .arg(WriteReason(rawFolder));
    QMap<QString, QString> expected;
    if (QFileInfo(iniPath).isFile()) {
        if (!ReadFresh(iniPath, expected, &why)) return false;
        if (AlreadyStored(expected, values)) return true;
        // A file the program may not replace is said so before anything is rehearsed.
        if (!QFileInfo(iniPath).isWritable()) {
            why = QCoreApplication::translate("SettingsStore", "the file is read-only");
            return false;
        }
        QFile original(iniPath);
        if (!original.open(QIODevice::ReadOnly)) return false;
        const QByteArray bytes = ReadableIni(original.readAll());
        errno = 0;
        if (rehearsal.write(bytes) != bytes.size() || !rehearsal.flush()) {
            why = QCoreApplication::translate("SettingsStore",
                                              "the file could not be written in full (%1)")
                      .arg(FileReason(rehearsal));
            return false;
        }
    }
    rehearsal.close();
    {
        QSettings copy(rehearsal.fileName(), QSettings::IniFormat);
        for (const auto& [key, text] : values) {
            copy.setValue(key, text);
            expected.insert(key, text);
        }
        if (!Flush(copy)) {
            why = QCoreApplication::translate("SettingsStore",
                                              "the file could not be written in full (%1)")
                      .arg(WriteReason(rawFolder));
            return false;
        }
    }
    QMap<QString, QString> rehearsed;
    if (!ReadFresh(rehearsal.fileName(), rehearsed) || rehearsed != expected) return false;
    const QByteArray whole = Bytes(rehearsal.fileName());

    // The rehearsal is exactly the file QSettings would write, so it is put in place whole,
    // under the lock QSettings uses. A save that was killed may have left that lock behind;
    // it is taken over once it is a second old, where QSettings would wait half a minute. A
    // lock a running program holds is respected: the save then fails.
    // QLockFile guards its removal of a stale lock with a second lock file (".rmlock"), which
    // it holds stale for half a minute too: a save killed just then leaves it behind.
    QLockFile removal(iniPath + QStringLiteral(".lock.rmlock"));
    removal.setStaleLockTime(1000);
    if (removal.tryLock(1500)) removal.unlock();
    QLockFile lock(iniPath + QStringLiteral(".lock"));
    lock.setStaleLockTime(1000);
    if (!lock.tryLock(2000)) {
        why =
            QCoreApplication::translate("SettingsStore", "another program is saving the settings");
        return false;
    }
    QString reason;
    const bool written = WriteWhole(iniPath, whole, &reason);
    lock.unlock();
    if (!written)
        why = QCoreApplication::translate("SettingsStore", "the file could not be written (%1)")
                  .arg(reason);
    return written;
}

QString BoolText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

// Cuts a text to `capacity` characters (code points, so that a letter outside the basic
// plane is never split).
QString CutToCapacity(const QString& text, int capacity) {
    int characters = 0;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i).isLowSurrogate()) continue;
        if (characters == capacity) return text.left(i);
        ++characters;
    }
    return text;
}

// The system's decimal separator when it is a comma, else the full stop.
QString DecimalText(double value) {
    QString text = QString::number(value, 'g', QLocale::FloatingPointShortest);
    if (QLocale::system().decimalPoint() == QStringLiteral(","))
        text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

// Reads the record, noting every value that was missing or unusable so that its default can
// be written back.
class Reader {
  public:
    explicit Reader(const QSettings& store) : store_(store) {}

    QString Text(const char* name, int capacity) {
        QString text;
        if (!Raw(name, text)) return Repair(name);
        return CutToCapacity(text, capacity);
    }

    bool Boolean(const char* name) {
        QString text;
        if (!Raw(name, text)) return Repair(name) == QStringLiteral("True");
        return text == QStringLiteral("True");
    }

    std::uint8_t Integer(const char* name, int lowest, int highest) {
        QString text;
        bool ok = Raw(name, text);
        const int value = ok ? text.trimmed().toInt(&ok, 10) : 0;
        if (!ok || value < lowest || value > highest) return Repair(name).toInt();
        return static_cast<std::uint8_t>(value);
    }

    // Hours plus 12 in half-hour steps, 0 to 24; either decimal separator is accepted.
    double TimeZoneIndex(const char* name) {
        QString text;
        bool ok = Raw(name, text);
        const double hours =
            ok ? text.trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok) : 0;
        // 17.75 (+5:45) falls back to the half hour below it, 17.5.
        if (!ok || !std::isfinite(hours) || hours < 0 || hours > 24)
            return std::trunc(Repair(name).toDouble() * 2);
        return std::trunc(hours * 2);
    }

    // A value that may be missing (written only once the user has changed it): false then.
    bool OptionalBoolean(const char* name) const {
        QString text;
        return Raw(name, text) && text == QStringLiteral("True");
    }

    // A later value: its default when absent; repaired to it when not one of `allowed`.
    template <std::size_t N>
    QString OptionalChoice(const char* name, const char* const (&allowed)[N]) {
        QString text;
        if (!Raw(name, text)) return DefaultText(name);
        text = text.trimmed();
        for (const char* a : allowed)
            if (text == QLatin1String(a)) return text;
        return Repair(name);
    }

    const QStringList& Repairs() const { return repairs_; }
    void RepairWith(const char* name) { repairs_.append(QString::fromLatin1(name)); }

  private:
    bool Raw(const char* name, QString& text) const {
        const QVariant value = store_.value(QString::fromLatin1(name));
        if (!value.isValid()) return false;
        // An unquoted text with commas (a hand-edited INI file) reads back as a list; once
        // QSettings has written such a list again, an item that begins with "@" makes it
        // read back as a list of variants.
        if (value.typeId() == QMetaType::QStringList || value.typeId() == QMetaType::QVariantList)
            text = value.toStringList().join(QStringLiteral(", "));
        else
            text = value.toString();
        return true;
    }

    QString Repair(const char* name) {
        RepairWith(name);
        return DefaultText(name);
    }

    const QSettings& store_;
    QStringList repairs_;
};

// Writes the values to the store; false when it could not be written, the store then being as
// it was.
bool SaveValues(const Values& values, QString& why) {
    if (UsesIniFile()) return SaveIniValues(IniPath(), values, why);
    std::unique_ptr<QSettings> store = OpenStore();
    for (const auto& [key, text] : values)
        store->setValue(key, text);
    why = QCoreApplication::translate("SettingsStore", "the registry key could not be written");
    return Flush(*store);
}

bool SaveValues(const Values& values) {
    QString why;
    return SaveValues(values, why);
}

Values DefaultValues() {
    Values values;
    for (const DefaultValue& d : Defaults)
        values.emplace_back(QString::fromLatin1(d.name), QString::fromLatin1(d.text));
    return values;
}

// Creates the store's folder; false, with the reason, when it cannot be made.
bool PrepareStoreFolder(QString& why) {
    if (!UsesIniFile()) return true;
    const QString folder = QFileInfo(IniPath()).absolutePath();
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir()) {
        why =
            QStringLiteral("\"%1\" is a file, not a folder").arg(QDir::toNativeSeparators(folder));
        return false;
    }
    std::error_code error;
    std::filesystem::create_directories(QFile::encodeName(folder).toStdString(), error);
    if (QFileInfo(folder).isDir()) return true;
    why = QCoreApplication::translate("SettingsStore", "the folder \"%1\" cannot be created (%2)")
              .arg(QDir::toNativeSeparators(folder), QString::fromStdString(error.message()));
    return false;
}

QString& LastFailure() {
    static QString why;
    return why;
}

// The whole record, written when a save finds no store (removed while the program runs, or
// never created): the next start then finds every value the user had.
Values RecordValues(const TObserverSettings& s);

// Saves `values` into the existing store, or creates the store with the whole record `s`.
// The values this copy of the program last read from the store or wrote to it. Another copy
// may save in between: a save then writes only this copy's own changes (the values that differ
// from the known ones), and values missing from the store, so that the other copy's changes
// are kept.
QMap<QString, QString>& KnownValues() {
    static QMap<QString, QString> known;
    return known;
}

QSet<QString> StoredNames() {
    if (UsesIniFile()) {
        QMap<QString, QString> stored;
        ReadFresh(IniPath(), stored);
        return {stored.keyBegin(), stored.keyEnd()};
    }
    const QStringList names = OpenStore()->allKeys();
    return {names.begin(), names.end()};
}

Values OwnChanges(const Values& values) {
    const QMap<QString, QString>& known = KnownValues();
    if (known.isEmpty()) return values;
    const QSet<QString> stored = StoredNames();
    Values changed;
    for (const auto& value : values) {
        const auto it = known.find(value.first);
        if (it == known.end() || *it != value.second || !stored.contains(value.first))
            changed.push_back(value);
    }
    return changed;
}

bool SaveRecord(const TObserverSettings& s, const Values& values) {
    QString why;
    bool saved = false;
    Values written;
    if (Exists()) {
        if (UsesIniFile()) RepairDamagedFile(IniPath());
        written = OwnChanges(values);
        saved = written.empty() || SaveValues(written, why);
    } else {
        written = RecordValues(s);
        saved = PrepareStoreFolder(why) && SaveValues(written, why);
    }
    if (saved)
        for (const auto& [key, text] : written)
            KnownValues().insert(key, text);
    LastFailure() = saved ? QString() : why;
    return saved;
}

} // namespace

QString Location() {
#ifdef Q_OS_WIN
    if (!UsesIniFile()) return RegistryRoot + QLatin1Char('\\') + RegistryKeyName;
#endif
    return IniPath();
}

bool Exists() {
#ifdef Q_OS_WIN
    if (!UsesIniFile()) {
        const QSettings root(RegistryRoot, QSettings::NativeFormat);
        return root.childGroups().contains(RegistryKeyName, Qt::CaseInsensitive);
    }
#endif
    return QFileInfo(IniPath()).isFile();
}

void SetLocationForTests(const QString& iniPath) {
    TestLocation() = iniPath;
    KnownValues().clear();
}

QByteArray WithoutBinaryValues(const QByteArray& ini) {
    QList<QByteArray> lines = ini.split('\n');
    const auto kept = std::remove_if(lines.begin(), lines.end(), HoldsBinaryValue);
    if (kept == lines.end()) return ini;
    lines.erase(kept, lines.end());
    return lines.join('\n');
}

namespace {

// "51", "30", "00" of a coordinate in degrees.
std::array<QString, 3> DegreesMinutesSeconds(double degrees, int degreeDigits) {
    const int seconds = static_cast<int>(std::lround(std::abs(degrees) * 3600));
    return {QStringLiteral("%1").arg(seconds / 3600, degreeDigits, 10, QLatin1Char('0')),
            QStringLiteral("%1").arg(seconds / 60 % 60, 2, 10, QLatin1Char('0')),
            QStringLiteral("%1").arg(seconds % 60, 2, 10, QLatin1Char('0'))};
}

// The first start takes the system's zone and, as the observer, its principal city.
Values FirstStartPlace() {
    Values values{{QStringLiteral("ZoneName"), QString::fromLatin1(AutomaticZone)}};
    const TZonePlace* place = ZonePlaceOf(TZone::System().Id());
    if (!place) return values;
    const auto lat = DegreesMinutesSeconds(place->Latitude, 2);
    const auto lon = DegreesMinutesSeconds(place->Longitude, 3);
    const QString names[6] = {QStringLiteral("LatDeg"),  QStringLiteral("LatMin"),
                              QStringLiteral("LatSec"),  QStringLiteral("LongDeg"),
                              QStringLiteral("LongMin"), QStringLiteral("LongSec")};
    for (int i = 0; i < 3; ++i) {
        values.emplace_back(names[i], lat[static_cast<std::size_t>(i)]);
        values.emplace_back(names[i + 3], lon[static_cast<std::size_t>(i)]);
    }
    values.emplace_back(QStringLiteral("LatDir"),
                        place->Latitude < 0 ? QStringLiteral("South") : QStringLiteral("North"));
    values.emplace_back(QStringLiteral("LongDir"),
                        place->Longitude < 0 ? QStringLiteral("West") : QStringLiteral("East"));
    values.emplace_back(QStringLiteral("Location"),
                        QStringLiteral("%1 (principal city of %2)")
                            .arg(place->City, QString::fromLatin1(place->ZoneId))
                            .left(64));
    return values;
}

// "" (a file from before named zones: the fixed offset), "Automatic" or a zone the system's
// database knows. An unknown or damaged name falls back to the fixed offset; the user is told.
QString ReadZoneName(const QSettings& store, Reader& read) {
    const QVariant value = store.value(QStringLiteral("ZoneName"));
    if (!value.isValid() || value.typeId() != QMetaType::QString) return {};
    QString name = value.toString().trimmed();
    if (name.isEmpty() || name == QLatin1String(AutomaticZone)) return name;
    if (name.size() <= 64 && TZone::Named(name.toLatin1())) return name;
    read.RepairWith("ZoneName");
    if (!PendingNotice().isEmpty()) PendingNotice() += QLatin1Char('\n');
    PendingNotice() += QCoreApplication::translate(
                           "SettingsStore", "The zone \"%1\" in the settings is not known to this "
                                            "system; the fixed offset from UT is used instead.")
                           .arg(name.left(64));
    return {};
}

// A stored position outside the globe (LatDeg=999, or 90 degrees with minutes) would spoil
// every computation: it is repaired like any other unusable value.
void RepairPosition(Reader& read, QString* fields[3], const char* const names[3], int limit) {
    const int highest[3] = {limit, 59, 59};
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        const int value = fields[i]->trimmed().toInt(&ok, 10);
        if (ok && value >= 0 && value <= highest[i]) continue;
        *fields[i] = DefaultText(names[i]);
        read.RepairWith(names[i]);
    }
    if (!BeyondLimit(*fields[0], *fields[1], *fields[2], limit)) return;
    for (int i = 1; i < 3; ++i) {
        *fields[i] = DefaultText(names[i]);
        read.RepairWith(names[i]);
    }
}

} // namespace

namespace {

// The stored text of each "key=value" line, as far as it can be read (control bytes shown as
// "?"), for telling the user what was reset.
QMap<QString, QString> StoredTexts(const QByteArray& ini) {
    QMap<QString, QString> texts;
    for (const QByteArray& raw : IniLines(ini)) {
        const qsizetype equals = raw.indexOf('=');
        if (equals <= 0) continue;
        QString value = QString::fromUtf8(raw.mid(equals + 1)).trimmed();
        for (QChar& c : value)
            if (c.unicode() < 0x20) c = QLatin1Char('?');
        texts.insert(QString::fromUtf8(raw.left(equals)).trimmed(), value.left(40));
    }
    return texts;
}

// Says once which stored values were unusable and what they became. A value that was simply
// missing (a file from an older release) takes its default without a word.
void NoteResets(const QStringList& repairs, const QMap<QString, QString>& stored,
                const TObserverSettings& s) {
    QStringList resets;
    bool place = false;
    for (const QString& name : repairs) {
        if (name == QLatin1String("ZoneName") || !stored.contains(name)) continue;
        const QString now = DefaultText(name.toLatin1().constData());
        const QString line = QStringLiteral("%1 \"%2\" to \"%3\"").arg(name, stored[name], now);
        if (resets.contains(line)) continue;
        resets.append(line);
        place = place || name.startsWith(QLatin1String("Lat")) ||
                name.startsWith(QLatin1String("Long"));
    }
    if (resets.isEmpty()) return;
    QString text =
        QCoreApplication::translate("SettingsStore",
                                    "These stored settings could not be used and were reset: %1.")
            .arg(resets.join(QStringLiteral("; ")));
    if (place && !s.Location.trimmed().isEmpty())
        text += QStringLiteral(" The place is still named \"%1\": check its position in the "
                               "configuration window.")
                    .arg(s.Location);
    if (!PendingNotice().isEmpty()) PendingNotice() += QLatin1Char('\n');
    PendingNotice() += text;
}

// A save that was killed leaves its scratch files beside the store: QSaveFile's
// "Cresselle.ini.XXXXXX", the rehearsal and check copies, and the lock files. Those older than
// any save could take are removed; a lock is removed only when its holder is gone.
void RemoveLeftovers(const QString& iniPath) {
    const QFileInfo ini(iniPath);
    const QDir folder = ini.dir();
    if (!folder.exists()) return;
    for (const QString& lock :
         {iniPath + QStringLiteral(".lock.rmlock"), iniPath + QStringLiteral(".lock")}) {
        if (!QFileInfo::exists(lock)) continue;
        QLockFile stale(lock);
        stale.setStaleLockTime(60 * 1000);
        if (stale.tryLock(0)) stale.unlock();
    }
    const QStringList patterns{ini.fileName() + QStringLiteral(".??????"),
                               QStringLiteral("rehearsal-*-??????.ini"),
                               QStringLiteral("check-*-??????.ini")};
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-120);
    const QFileInfoList found =
        folder.entryInfoList(patterns, QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (qsizetype i = 0; i < found.size() && i < 1000; ++i)
        if (found[i].lastModified().toUTC() < before) QFile::remove(found[i].filePath());
}

// Reads the store into `s` with every repair in memory. With `write`, the store is created on
// the first start and a damaged file or unusable value is repaired on disk as well; without,
// nothing is written (cresselle-cli).
void ReadStore(TObserverSettings& s, bool write) {
    if (write && UsesIniFile()) RemoveLeftovers(IniPath());
    if (write && !Exists()) {
        // A store that cannot be created leaves the defaults in memory; the program runs on.
        QString why;
        if (PrepareStoreFolder(why)) {
            Values values = DefaultValues();
            for (auto& value : FirstStartPlace())
                values.push_back(value);
            SaveValues(values);
        }
    }
    // A damaged file is repaired, and a binary value taken out (see HoldsBinaryValue), before
    // QSettings reads the file; it is read from a copy, so that a hand-edited Latin-1 text is
    // read as such and the file is not rewritten.
    QTemporaryFile readable;
    std::unique_ptr<QSettings> store;
    QMap<QString, QString> storedTexts;
    if (UsesIniFile()) {
        if (write) storedTexts = StoredTexts(Bytes(IniPath()));
        if (write && Exists()) RepairDamagedFile(IniPath());
        QByteArray stored = Bytes(IniPath());
        if (!write && IsDamaged(stored)) stored = ReadableLines(stored);
        const QByteArray texts = WithoutBinaryValues(stored);
        if (write && texts != stored) WriteWhole(IniPath(), texts);
        const QByteArray utf8 = LinesAsUtf8(texts);
        if (readable.open() && readable.write(utf8) == utf8.size() && readable.flush())
            store = std::make_unique<QSettings>(readable.fileName(), QSettings::IniFormat);
    }
    if (!store) store = OpenStore();

    Reader read(*store);
    s.Version = read.Text("Version", 6);
    s.LatDeg = read.Text("LatDeg", 3);
    s.LatMin = read.Text("LatMin", 2);
    s.LatSec = read.Text("LatSec", 2);
    s.LatDir = read.Text("LatDir", 5);
    s.LongDeg = read.Text("LongDeg", 3);
    s.LongMin = read.Text("LongMin", 2);
    s.LongSec = read.Text("LongSec", 2);
    s.LongDir = read.Text("LongDir", 5);
    s.Location = read.Text("Location", 64);
    s.DayOrder = read.Integer("DayOrder", 0, 6);
    s.DateLayoutIdx = read.Integer("DateLayoutIdx", 0, 1);
    s.DateFormat = read.Text("DateFormat", 12);
    s.DaylightSavings = read.Boolean("DaylightSavings");
    s.TimeZoneIndex = read.TimeZoneIndex("TimeZone");
    s.ZoneName = ReadZoneName(*store, read);
    s.PhaseDensity = read.Integer("PhaseDensity", 0, 100);
    s.PrintDailyPhases = read.Boolean("PrintDailyPhases");
    s.PrintMajorPhases = read.Boolean("PrintMajorPhases");
    s.PrintLunarTimes = read.Boolean("PrintLunarTimes");
    s.PrintSunTimes = read.Boolean("PrintSunTimes");
    s.PrinterType = read.Text("PrinterType", 15);
    if (s.PrinterType.trimmed().isEmpty()) {
        s.PrinterType = DefaultText("PrinterType");
        read.RepairWith("PrinterType");
    }
    s.NightMode = read.OptionalBoolean("NightMode");
    static const char* const languages[] = {"System", ProgramLanguages[0], ProgramLanguages[1],
                                            ProgramLanguages[2], ProgramLanguages[3]};
    s.Language = read.OptionalChoice("Language", languages);
    static const char* const latitudeNames[3] = {"LatDeg", "LatMin", "LatSec"};
    static const char* const longitudeNames[3] = {"LongDeg", "LongMin", "LongSec"};
    QString* latitude[3] = {&s.LatDeg, &s.LatMin, &s.LatSec};
    QString* longitude[3] = {&s.LongDeg, &s.LongMin, &s.LongSec};
    RepairPosition(read, latitude, latitudeNames, 90);
    RepairPosition(read, longitude, longitudeNames, 180);

    if (!write || read.Repairs().isEmpty() || !Exists()) return;
    NoteResets(read.Repairs(), storedTexts, s);
    store.reset();
    Values repairs;
    for (const QString& name : read.Repairs())
        repairs.emplace_back(name, DefaultText(name.toLatin1().constData()));
    SaveValues(repairs);
}

Values ConfigurationValues(const TObserverSettings& s);
Values PrintOptionValues(const TObserverSettings& s);

} // namespace

void Load(TObserverSettings& s) {
    ReadStore(s, true);
    KnownValues().clear();
    for (const Values& part : {ConfigurationValues(s), PrintOptionValues(s)})
        for (const auto& [key, text] : part)
            KnownValues().insert(key, text);
}

bool Peek(TObserverSettings& s) {
    if (!Exists()) return false;
    ReadStore(s, false);
    TakeNotice(); // a repair made in memory only is not news
    return true;
}

void WriteVersion() {
    if (!Exists()) return;
    SaveValues({{QStringLiteral("Version"), CurrentVersion}});
}

namespace {

Values ConfigurationValues(const TObserverSettings& s) {
    return {
        {QStringLiteral("LatDeg"), CutToCapacity(s.LatDeg, 3)},
        {QStringLiteral("LatMin"), CutToCapacity(s.LatMin, 2)},
        {QStringLiteral("LatSec"), CutToCapacity(s.LatSec, 2)},
        {QStringLiteral("LatDir"), CutToCapacity(s.LatDir, 5)},
        {QStringLiteral("LongDeg"), CutToCapacity(s.LongDeg, 3)},
        {QStringLiteral("LongMin"), CutToCapacity(s.LongMin, 2)},
        {QStringLiteral("LongSec"), CutToCapacity(s.LongSec, 2)},
        {QStringLiteral("LongDir"), CutToCapacity(s.LongDir, 5)},
        {QStringLiteral("Location"), CutToCapacity(s.Location, 64)},
        {QStringLiteral("DayOrder"), QString::number(s.DayOrder)},
        {QStringLiteral("DateLayoutIdx"), QString::number(s.DateLayoutIdx)},
        {QStringLiteral("DateFormat"), CutToCapacity(s.DateFormat, 12)},
        {QStringLiteral("TimeZone"), DecimalText(s.TimeZoneIndex / 2)},
        {QStringLiteral("DaylightSavings"), BoolText(s.DaylightSavings)},
        {QStringLiteral("ZoneName"), CutToCapacity(s.ZoneName, 64)},
        {QStringLiteral("PrinterType"), CutToCapacity(s.PrinterType, 15)},
        {QStringLiteral("Language"), CutToCapacity(s.Language, 6)},
    };
}

Values PrintOptionValues(const TObserverSettings& s) {
    return {
        {QStringLiteral("PrintDailyPhases"), BoolText(s.PrintDailyPhases)},
        {QStringLiteral("PrintMajorPhases"), BoolText(s.PrintMajorPhases)},
        {QStringLiteral("PrintLunarTimes"), BoolText(s.PrintLunarTimes)},
        {QStringLiteral("PrintSunTimes"), BoolText(s.PrintSunTimes)},
        {QStringLiteral("PhaseDensity"), QString::number(s.PhaseDensity)},
    };
}

// Every value the program holds, the defaults' table first; a value without a default
// (ZoneName) comes after them.
Values RecordValues(const TObserverSettings& s) {
    Values values = DefaultValues();
    for (const Values& part : {ConfigurationValues(s), PrintOptionValues(s)})
        for (const auto& entry : part) {
            const auto& key = entry.first;
            const auto& text = entry.second;
            const auto it = std::find_if(values.begin(), values.end(),
                                         [&key](const auto& value) { return value.first == key; });
            if (it != values.end())
                it->second = text;
            else
                values.emplace_back(key, text);
        }
    return values;
}

} // namespace

bool SaveConfiguration(const TObserverSettings& s) {
    return SaveRecord(s, ConfigurationValues(s));
}

bool SavePrintOptions(const TObserverSettings& s) {
    return SaveRecord(s, PrintOptionValues(s));
}

bool SaveNightMode(const TObserverSettings& s) {
    const Values value{{QStringLiteral("NightMode"), BoolText(s.NightMode)}};
    // A store this save creates gets the whole record first, then the mode.
    const bool existed = Exists();
    if (!SaveRecord(s, value)) return false;
    return existed || SaveRecord(s, value);
}

QString NotSavedMessage() {
    const QString where = QDir::toNativeSeparators(Location());
    if (LastFailure().isEmpty())
        return QCoreApplication::translate(
                   "SettingsStore",
                   "The settings could not be saved in \"%1\". The new values apply "
                   "until the program ends.")
            .arg(where);
    return QCoreApplication::translate(
               "SettingsStore",
               "The settings could not be saved in \"%1\": %2. The new values apply "
               "until the program ends.")
        .arg(where, LastFailure());
}

QString TakeNotice() {
    return std::exchange(PendingNotice(), QString());
}

bool BeyondLimit(const QString& degrees, const QString& minutes, const QString& seconds,
                 int limit) {
    return degrees.trimmed().toInt() >= limit &&
           (minutes.trimmed().toInt() > 0 || seconds.trimmed().toInt() > 0);
}

} // namespace settingsstore
