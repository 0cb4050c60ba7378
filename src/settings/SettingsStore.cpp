// The settings store: string values under HKEY_CURRENT_USER\HKEY_CRESSELLE on Windows, an INI
// file per user elsewhere. Every value is written as a string, booleans as "True"/"False".
//
// The INI file lists its keys sorted by name (QSettings rewrites the whole file on every
// save); the defaults are still written one by one in the table's order, which the registry
// keeps.
#include "settings/ObserverSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryFile>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <utility>
#include <vector>

namespace settingsstore {
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

QString DefaultText(const char* name) {
    for (const DefaultValue& d : Defaults)
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

// Every key of an INI file and its text, read under a name the settings cache has never seen
// (QSettings keeps what it last read or wrote of a path and may not read the file again).
bool ReadFresh(const QString& iniPath, QMap<QString, QString>& values) {
    QTemporaryFile copy(QFileInfo(iniPath).absolutePath() + ScratchName("check"));
    QFile original(iniPath);
    if (!copy.open() || !original.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = WithoutBinaryValues(original.readAll());
    if (copy.write(bytes) != bytes.size() || !copy.flush()) return false;
    const QSettings fresh(copy.fileName(), QSettings::IniFormat);
    if (fresh.status() != QSettings::NoError) return false;
    for (const QString& key : fresh.allKeys())
        values.insert(key, fresh.value(key).toString());
    return true;
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Replaces the file with exactly these bytes, or leaves it as it was.
bool WriteWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // Unbuffered, so that a write cut short shows in its count.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    if (file.write(bytes) != bytes.size() || file.size() != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

// Saving to the INI file. QSettings replaces the file through a temporary one, so a save that
// is killed leaves the old file or the new one; but it does not notice a write cut short at
// its end (a full disk, a file size limit) and would put a truncated file in place of the old
// one, reporting success. So a save is rehearsed first on a copy beside the file, which is read
// back afresh and compared value by value: only a rehearsal that comes back whole replaces the
// file, through a temporary file of its own whose every byte is checked.
bool SaveIniValues(const QString& iniPath, const Values& values) {
    QTemporaryFile rehearsal(QFileInfo(iniPath).absolutePath() + ScratchName("rehearsal"));
    if (!rehearsal.open()) return false; // the folder cannot be written
    QMap<QString, QString> expected;
    if (QFileInfo(iniPath).isFile()) {
        if (!ReadFresh(iniPath, expected)) return false;
        QFile original(iniPath);
        if (!original.open(QIODevice::ReadOnly)) return false;
        const QByteArray bytes = WithoutBinaryValues(original.readAll());
        if (rehearsal.write(bytes) != bytes.size() || !rehearsal.flush()) return false;
    }
    rehearsal.close();
    {
        QSettings copy(rehearsal.fileName(), QSettings::IniFormat);
        for (const auto& [key, text] : values) {
            copy.setValue(key, text);
            expected.insert(key, text);
        }
        if (!Flush(copy)) return false;
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
    if (!lock.tryLock(2000)) return false;
    const bool written = WriteWhole(iniPath, whole);
    lock.unlock();
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
        const double halfHours = hours * 2;
        if (!ok || !std::isfinite(hours) || hours < 0 || hours > 24 ||
            halfHours != std::trunc(halfHours))
            return std::trunc(Repair(name).toDouble() * 2);
        return std::trunc(halfHours);
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
bool SaveValues(const Values& values) {
    if (UsesIniFile()) return SaveIniValues(IniPath(), values);
    std::unique_ptr<QSettings> store = OpenStore();
    for (const auto& [key, text] : values)
        store->setValue(key, text);
    return Flush(*store);
}

Values DefaultValues() {
    Values values;
    for (const DefaultValue& d : Defaults)
        values.emplace_back(QString::fromLatin1(d.name), QString::fromLatin1(d.text));
    return values;
}

// Creates the store's folder; QSettings writes the file itself.
void PrepareStoreFolder() {
    if (UsesIniFile()) QDir().mkpath(QFileInfo(IniPath()).absolutePath());
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
}

QByteArray WithoutBinaryValues(const QByteArray& ini) {
    QList<QByteArray> lines = ini.split('\n');
    const auto kept = std::remove_if(lines.begin(), lines.end(), HoldsBinaryValue);
    if (kept == lines.end()) return ini;
    lines.erase(kept, lines.end());
    return lines.join('\n');
}

void Load(TObserverSettings& s) {
    if (!Exists()) {
        PrepareStoreFolder();
        // A store that cannot be created leaves the defaults in memory; the program runs on.
        SaveValues(DefaultValues());
    }
    // A binary value is taken out before QSettings reads the file (see HoldsBinaryValue); a
    // file that cannot be rewritten is read from a cleaned copy.
    QTemporaryFile cleaned;
    std::unique_ptr<QSettings> store;
    const QByteArray stored = UsesIniFile() ? Bytes(IniPath()) : QByteArray();
    const QByteArray texts = WithoutBinaryValues(stored);
    if (texts != stored && !WriteWhole(IniPath(), texts) && cleaned.open() &&
        cleaned.write(texts) == texts.size() && cleaned.flush())
        store = std::make_unique<QSettings>(cleaned.fileName(), QSettings::IniFormat);
    else
        store = OpenStore();

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

    if (read.Repairs().isEmpty() || !Exists()) return;
    store.reset();
    Values repairs;
    for (const QString& name : read.Repairs())
        repairs.emplace_back(name, DefaultText(name.toLatin1().constData()));
    SaveValues(repairs);
}

void WriteVersion() {
    if (!Exists()) return;
    SaveValues({{QStringLiteral("Version"), CurrentVersion}});
}

bool SaveConfiguration(const TObserverSettings& s) {
    if (!Exists()) return false;
    return SaveValues({
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
        {QStringLiteral("PrinterType"), CutToCapacity(s.PrinterType, 15)},
    });
}

QString NotSavedMessage() {
    return QStringLiteral("The settings could not be saved in \"%1\". The new values apply "
                          "until the program ends.")
        .arg(QDir::toNativeSeparators(Location()));
}

bool SavePrintOptions(const TObserverSettings& s) {
    if (!Exists()) return false;
    return SaveValues({
        {QStringLiteral("PrintDailyPhases"), BoolText(s.PrintDailyPhases)},
        {QStringLiteral("PrintMajorPhases"), BoolText(s.PrintMajorPhases)},
        {QStringLiteral("PrintLunarTimes"), BoolText(s.PrintLunarTimes)},
        {QStringLiteral("PrintSunTimes"), BoolText(s.PrintSunTimes)},
        {QStringLiteral("PhaseDensity"), QString::number(s.PhaseDensity)},
    });
}

} // namespace settingsstore
