// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/FeatureFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QLockFile>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <string>

// --- the grid ------------------------------------------------------------------------------

TStringGrid::TStringGrid(int colCount) : colCount_(std::max(1, colCount)) {}

void TStringGrid::SetRowCount(int rows) {
    rows = std::max(0, rows);
    const std::size_t old = rows_.size();
    rows_.resize(static_cast<std::size_t>(rows));
    for (std::size_t r = old; r < rows_.size(); ++r)
        for (int c = 0; c < colCount_; ++c)
            rows_[r].append(QString());
}

void TStringGrid::RemoveRow(int row) {
    if (row < 0 || row >= RowCount()) return;
    rows_.erase(rows_.begin() + row);
}

QString TStringGrid::Cell(int col, int row) const {
    if (col < 0 || col >= colCount_ || row < 0 || row >= RowCount()) return {};
    return rows_[static_cast<std::size_t>(row)][col];
}

void TStringGrid::SetCell(int col, int row, const QString& text) {
    if (col < 0 || col >= colCount_ || row < 0 || row >= RowCount()) return;
    rows_[static_cast<std::size_t>(row)][col] = text;
}

void TStringGrid::SetRow(int row, const QStringList& cells) {
    if (row < 0 || row >= RowCount()) return;
    for (int c = 0; c < colCount_; ++c)
        SetCell(c, row, c < cells.size() ? cells[c] : QString());
}

void TStringGrid::SwapRows(int a, int b) {
    if (a < 0 || b < 0 || a >= RowCount() || b >= RowCount()) return;
    std::swap(rows_[static_cast<std::size_t>(a)], rows_[static_cast<std::size_t>(b)]);
}

// --- Windows-1252 --------------------------------------------------------------------------

namespace {

// Bytes 0x80..0x9F of Windows-1252; the five unassigned bytes map to the C1 control of the
// same number, as Windows itself does, so that they survive a round trip.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char ToWindows1252Byte(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<char>(code);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == code) return static_cast<char>(0x80 + i);
    return '?';
}

QChar FromWindows1252Byte(std::uint8_t byte) {
    if (byte >= 0x80 && byte <= 0x9F) return QChar(kHighControls[byte - 0x80]);
    return QChar(byte);
}

int ClampedLength(std::uint8_t lengthByte, int capacity) {
    return std::min<int>(lengthByte, capacity);
}

void PutField(FeatureRecord& record, int offset, int capacity, const QString& text) {
    const QByteArray bytes = ToWindows1252(text).left(capacity);
    record.Bytes[static_cast<std::size_t>(offset)] = static_cast<std::uint8_t>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), record.Bytes.begin() + offset + 1);
}

QString GetField(const FeatureRecord& record, int offset, int capacity) {
    const int length = ClampedLength(record.Bytes[static_cast<std::size_t>(offset)], capacity);
    return FromWindows1252(reinterpret_cast<const char*>(record.Bytes.data()) + offset + 1, length);
}

// The name as stored, for sorting.
std::string SortKey(const QString& name) {
    return ToWindows1252(name).toStdString();
}

} // namespace

QByteArray ToWindows1252(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const char32_t code : text.toUcs4())
        bytes.append(ToWindows1252Byte(code));
    return bytes;
}

// Works on whole characters (a pair of surrogates is one): "Anděl" -> "Andel".
QString FoldToWindows1252(const QString& text) {
    QString folded;
    for (const char32_t code : text.toUcs4()) {
        if (code == U'?' || ToWindows1252Byte(code) != '?') {
            folded += QString::fromUcs4(&code, 1);
            continue;
        }
        const QString parts = QString::fromUcs4(&code, 1).normalized(QString::NormalizationForm_D);
        for (const char32_t part : parts.toUcs4())
            if (ToWindows1252Byte(part) != '?') folded += QString::fromUcs4(&part, 1);
    }
    return folded;
}

QString CharactersOutsideWindows1252(const QString& text) {
    QString outside;
    for (const char32_t code : text.toUcs4()) {
        const QString ch = QString::fromUcs4(&code, 1);
        if (FoldToWindows1252(ch).isEmpty() && !outside.contains(ch)) outside += ch;
    }
    return outside;
}

QString FromWindows1252(const char* bytes, int length) {
    QString text;
    text.reserve(length);
    for (int i = 0; i < length; ++i)
        text.append(FromWindows1252Byte(static_cast<std::uint8_t>(bytes[i])));
    return text;
}

// --- records and the file ------------------------------------------------------------------

void FillFeatureRecord(FeatureRecord& record, const FeatureTexts& texts) {
    PutField(record, FeatureRecord::NameOffset, FeatureNameCapacity, texts.Name);
    PutField(record, FeatureRecord::LongitudeOffset, FeatureCoordinateCapacity, texts.Longitude);
    PutField(record, FeatureRecord::LatitudeOffset, FeatureCoordinateCapacity, texts.Latitude);
}

FeatureTexts ReadFeatureRecord(const FeatureRecord& record) {
    return {GetField(record, FeatureRecord::NameOffset, FeatureNameCapacity),
            GetField(record, FeatureRecord::LongitudeOffset, FeatureCoordinateCapacity),
            GetField(record, FeatureRecord::LatitudeOffset, FeatureCoordinateCapacity)};
}

std::vector<FeatureTexts> ReadFeatureFile(const QString& fileName) {
    std::vector<FeatureTexts> features;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return features;
    // The size fixes the number of whole records; a read that comes up short ends the list.
    const qint64 records = file.size() / FeatureRecordSize;
    features.reserve(static_cast<std::size_t>(std::min<qint64>(records, 100000)));
    FeatureRecord record;
    for (qint64 i = 0; i < records; ++i) {
        const qint64 got =
            file.read(reinterpret_cast<char*>(record.Bytes.data()), FeatureRecordSize);
        if (got != FeatureRecordSize) break;
        features.push_back(ReadFeatureRecord(record));
    }
    return features;
}

void LoadFeatures(TStringGrid& grid, const QString& fileName) {
    grid.SetRowCount(1);
    grid.SetRow(0, {});
    for (const FeatureTexts& feature : ReadFeatureFile(fileName)) {
        const int last = grid.RowCount() - 1;
        grid.SetRow(last, {feature.Name, feature.Longitude, feature.Latitude});
        grid.AddRow();
    }
}

namespace {

// The reason of a failed write; a short write leaves no error code behind.
QString WriteError(const QFileDevice& file) {
    return file.error() == QFileDevice::NoError
               ? QCoreApplication::translate("TFeaturesDB",
                                             "the file could not be written completely")
               : file.errorString();
}

template <typename RowTexts>
bool WriteRecords(int count, RowTexts rowTexts, FeatureRecord& buffer, QString& error,
                  const QString& fileName) {
    QSaveFile file(fileName);
    // Unbuffered, so that each write reaches the file and a refused one shows at once.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        error = file.errorString();
        return false;
    }
    for (int i = 0; i < count; ++i) {
        FillFeatureRecord(buffer, rowTexts(i));
        if (file.write(reinterpret_cast<const char*>(buffer.Bytes.data()), FeatureRecordSize) !=
            FeatureRecordSize) {
            error = WriteError(file);
            file.cancelWriting();
            return false;
        }
    }
    // A short write (disk full, size limit) can pass unreported; the size tells.
    if (file.size() != qint64{count} * FeatureRecordSize) {
        error = WriteError(file);
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

} // namespace

bool WriteFeatureFile(const TStringGrid& grid, FeatureRecord& buffer, QString& error,
                      const QString& fileName) {
    const int count = std::max(0, grid.RowCount() - 1);
    auto rowTexts = [&grid](int row) {
        return FeatureTexts{grid.Cell(0, row), grid.Cell(1, row), grid.Cell(2, row)};
    };
    return WriteRecords(count, rowTexts, buffer, error, fileName);
}

bool WriteFeatureFile(const std::vector<FeatureTexts>& features, QString& error,
                      const QString& fileName) {
    FeatureRecord buffer;
    auto rowTexts = [&features](int row) { return features[static_cast<std::size_t>(row)]; };
    return WriteRecords(static_cast<int>(features.size()), rowTexts, buffer, error, fileName);
}

namespace {

// The texts as the file gives them back (cut to their capacities, in the code page).
FeatureTexts StoredForm(const FeatureTexts& texts) {
    FeatureRecord record;
    FillFeatureRecord(record, texts);
    return ReadFeatureRecord(record);
}

} // namespace

bool MergeFeatureEdit(TStringGrid& grid, const FeatureEdit& edit, FeatureRecord& buffer,
                      QString& error, const QString& fileName) {
    QLockFile lock(fileName + QStringLiteral(".lock"));
    lock.setStaleLockTime(5000); // a copy killed while saving leaves its lock behind
    // A folder that cannot hold the lock cannot hold the file either: the write tells why.
    if (!lock.tryLock(10000) && lock.error() == QLockFile::LockFailedError) {
        LoadFeatures(grid, fileName);
        error = QCoreApplication::translate("TFeaturesDB",
                                            "another copy of the program is saving the features");
        return false;
    }
    LoadFeatures(grid, fileName);
    int row = -1;
    if (edit.Before) {
        const FeatureTexts before = StoredForm(*edit.Before);
        for (int r = 0; r < grid.RowCount() - 1 && row < 0; ++r)
            if (grid.Cell(0, r) == before.Name && grid.Cell(1, r) == before.Longitude &&
                grid.Cell(2, r) == before.Latitude)
                row = r;
        if (row < 0 && !edit.After) return true; // already deleted
    }
    if (edit.After) {
        if (row < 0) {
            row = grid.RowCount() - 1;
            grid.AddRow();
        }
        grid.SetRow(row, {edit.After->Name, edit.After->Longitude, edit.After->Latitude});
    } else {
        grid.RemoveRow(row);
    }
    BubbleSort(grid);
    if (WriteFeatureFile(grid, buffer, error, fileName)) return true;
    LoadFeatures(grid, fileName);
    return false;
}

// --- sorting -------------------------------------------------------------------------------

bool FeatureNameLess(const QString& a, const QString& b) {
    // std::string compares through memcmp, i.e. as unsigned bytes.
    return SortKey(a).compare(SortKey(b)) < 0;
}

void BubbleSort(TStringGrid& grid) {
    // A stable sort gives exactly the exchange sort's order (equal names keep theirs) without
    // its quadratic number of comparisons on a list of several hundred features.
    const int count = grid.RowCount() - 1; // the blank last row takes no part
    if (count < 2) return;
    std::vector<std::string> keys(static_cast<std::size_t>(count));
    std::vector<int> order(static_cast<std::size_t>(count));
    for (int r = 0; r < count; ++r)
        keys[static_cast<std::size_t>(r)] = SortKey(grid.Cell(0, r));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&keys](int a, int b) {
        return keys[static_cast<std::size_t>(a)] < keys[static_cast<std::size_t>(b)];
    });
    std::vector<QStringList> sorted;
    sorted.reserve(order.size());
    for (const int r : order)
        sorted.push_back(grid.Row(r));
    for (int r = 0; r < count; ++r)
        grid.SetRow(r, sorted[static_cast<std::size_t>(r)]);
}

// --- coordinate checks ---------------------------------------------------------------------

namespace {

struct AxisRule {
    double limit;
    QString invalidMessage;
    int digits; // digits of the whole degrees
    QString rangeMessage;
};

AxisRule RuleOf(CoordinateAxis axis) {
    if (axis == CoordinateAxis::Longitude)
        return {180, QCoreApplication::translate("TFeaturesDB", "Please enter a valid Longitude"),
                3,
                QCoreApplication::translate(
                    "TFeaturesDB", "Longitude must be between -180 and 180. Please reenter.")};
    return {90, QCoreApplication::translate("TFeaturesDB", "Please enter a valid Latitude"), 2,
            QCoreApplication::translate("TFeaturesDB",
                                        "Latitude must be between -90 and 90. Please reenter.")};
}

// Shortest decimal text of a non-negative number, without an exponent.
QString ShortestText(double a) {
    return QString::number(a, 'f', QLocale::FloatingPointShortest);
}

// Digits with at most one point and an optional leading minus: the texts the key filter lets
// through. Anything else (a pasted exponent or plus sign) is rewritten from its value.
bool IsPlainDecimal(const QString& text) {
    static const QRegularExpression plain(QStringLiteral("^-?[0-9]*\\.?[0-9]*$"));
    return plain.match(text).hasMatch();
}

bool ToFiniteNumber(const QString& text, double& value) {
    bool ok = false;
    value = text.toDouble(&ok); // C locale: "." is the decimal point
    return ok && std::isfinite(value);
}

} // namespace

CoordinateCheck VerifyCoordinate(const QString& typed, CoordinateAxis axis) {
    const AxisRule rule = RuleOf(axis);
    CoordinateCheck check;
    check.Text = typed.trimmed();
    double v = 0;
    if (!ToFiniteNumber(check.Text, v)) {
        check.Message = rule.invalidMessage;

        return check;
    }
    const double a = std::fabs(v);
    if (a > rule.limit) {
        check.Message = rule.rangeMessage;
        return check;
    }
    bool rebuilt = true;
    if (a < 10)
        check.Text = QString(rule.digits - 1, QLatin1Char('0')) + ShortestText(a);
    else if (axis == CoordinateAxis::Longitude && a < 100)
        check.Text = QStringLiteral("0") + ShortestText(a);
    else if (!IsPlainDecimal(check.Text))
        check.Text = ShortestText(a);
    else
        rebuilt = false;
    if (rebuilt && v < 0) check.Text.prepend(QLatin1Char('-'));
    if (v == std::trunc(v)) {
        if (check.Text.endsWith(QLatin1Char('.')))
            check.Text += QLatin1Char('0');              // "45." would otherwise become "45..0"
        else if (!check.Text.contains(QLatin1Char('.'))) // a run of nines reads as whole
            check.Text += QStringLiteral(".0");
    }
    check.Valid = true;
    return check;
}

bool ParseCoordinate(const QString& text, CoordinateAxis axis, double& degrees) {
    return ToFiniteNumber(text.trimmed(), degrees) && std::fabs(degrees) <= RuleOf(axis).limit;
}

// --- reader's order and search -------------------------------------------------------------

QString FeatureFoldedName(const QString& name) {
    const QString decomposed = name.normalized(QString::NormalizationForm_KD);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        const QChar::Category category = c.category();
        if (category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing) continue;
        folded.append(c);
    }
    return folded.toCaseFolded().simplified();
}

std::vector<int> ReaderOrder(const TStringGrid& grid) {
    const int count = std::max(0, grid.RowCount() - 1);
    std::vector<QString> keys(static_cast<std::size_t>(count));
    for (int r = 0; r < count; ++r)
        keys[static_cast<std::size_t>(r)] = FeatureFoldedName(grid.Cell(0, r));
    std::vector<int> order(static_cast<std::size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    // Rows are in byte order already, so equal folded names keep it.
    std::stable_sort(order.begin(), order.end(), [&keys](int a, int b) {
        return keys[static_cast<std::size_t>(a)] < keys[static_cast<std::size_t>(b)];
    });
    return order;
}

int FindFeature(const TStringGrid& grid, const std::vector<int>& order, const QString& typed) {
    const QString wanted = FeatureFoldedName(typed);
    if (wanted.isEmpty()) return -1;
    const QString wordStart = QLatin1Char(' ') + wanted;
    int wordMatch = -1;
    int anyMatch = -1;
    for (std::size_t i = 0; i < order.size(); ++i) {
        const QString name = FeatureFoldedName(grid.Cell(0, order[i]));
        const int at = name.indexOf(wanted);
        if (at == 0) return static_cast<int>(i);
        if (at < 0) continue;
        if (wordMatch < 0 && name.contains(wordStart)) wordMatch = static_cast<int>(i);
        if (anyMatch < 0) anyMatch = static_cast<int>(i);
    }
    return wordMatch >= 0 ? wordMatch : anyMatch;
}
