// SPDX-License-Identifier: GPL-3.0-or-later
// The lunar features file "data.dat": fixed records of 103 bytes, no header, names in the
// Windows-1252 code page. Reading, writing, sorting and the coordinate checks of the editor.
// Qt Core only, so the command-line program can use it as well as the two feature windows.
#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

inline constexpr int FeatureRecordSize = 103;
inline constexpr int FeatureNameCapacity = 80;       // characters (bytes) of a name
inline constexpr int FeatureCoordinateCapacity = 10; // characters (bytes) of a coordinate text
inline const QString FeatureFileName = QStringLiteral("data.dat");

// One record as stored: name length + 80 name bytes, longitude length + 10 bytes, latitude
// length + 10 bytes. Bytes beyond a length are not significant.
struct FeatureRecord {
    static constexpr int NameOffset = 0;
    static constexpr int LongitudeOffset = 81;
    static constexpr int LatitudeOffset = 92;
    std::array<std::uint8_t, FeatureRecordSize> Bytes{};
};

// The three texts of a feature as the file holds them.
struct FeatureTexts {
    QString Name;
    QString Longitude; // degrees, east positive, e.g. "-012.25"
    QString Latitude;  // degrees, north positive, e.g. "05.0"
};

// The invisible working table of the feature windows: rows of texts, all rows with the same
// number of columns. New rows are blank.
class TStringGrid {
  public:
    explicit TStringGrid(int colCount);

    int ColCount() const { return colCount_; }
    int RowCount() const { return static_cast<int>(rows_.size()); }
    void SetRowCount(int rows);
    void AddRow() { SetRowCount(RowCount() + 1); }
    void RemoveRow(int row);

    // Out-of-range cells read as empty and ignore writes.
    QString Cell(int col, int row) const;
    void SetCell(int col, int row, const QString& text);
    const QStringList& Row(int row) const { return rows_[static_cast<std::size_t>(row)]; }
    void SetRow(int row, const QStringList& cells);
    void SwapRows(int a, int b);

  private:
    int colCount_;
    std::vector<QStringList> rows_;
};

// Windows-1252 code page. Characters outside it are written as "?" (a pair of surrogates
// counts as one character).
QByteArray ToWindows1252(const QString& text);
QString FromWindows1252(const char* bytes, int length);
// The text with each letter the code page lacks written without its accent ("Čapek Anděl" ->
// "Capek Andel"); a character with no such letter is left out.
QString FoldToWindows1252(const QString& text);
// The characters of the text that have no letter in the code page even without their accents
// (each once, in order); empty when the whole text can be stored.
QString CharactersOutsideWindows1252(const QString& text);

// Fills the record with the three texts, cut to 80, 10 and 10 characters. Bytes past each
// length keep what the buffer held (the buffer is reused between writes).
void FillFeatureRecord(FeatureRecord& record, const FeatureTexts& texts);
// Reads the three texts of a record; a length byte larger than its field counts as the field's
// capacity, so nothing past the record is ever read.
FeatureTexts ReadFeatureRecord(const FeatureRecord& record);

// Reads the features file into the grid: row count 1, then one row per whole record into
// columns 0, 1 and 2 of the last row, adding a row each time, so the last row stays blank.
// A missing or unreadable file leaves the single blank row; a trailing partial record is
// ignored.
void LoadFeatures(TStringGrid& grid, const QString& fileName = FeatureFileName);
// The features of a file, in file order.
std::vector<FeatureTexts> ReadFeatureFile(const QString& fileName = FeatureFileName);

// Writes every row but the blank last one of the grid as records, replacing the file
// atomically: on failure the old file is left whole and `error` says why.
bool WriteFeatureFile(const TStringGrid& grid, FeatureRecord& buffer, QString& error,
                      const QString& fileName = FeatureFileName);
bool WriteFeatureFile(const std::vector<FeatureTexts>& features, QString& error,
                      const QString& fileName = FeatureFileName);

// One edit of the features file: a feature added (no Before), changed, or deleted (no After).
struct FeatureEdit {
    std::optional<FeatureTexts> Before;
    std::optional<FeatureTexts> After;
};
// Applies the edit to the file as it now stands, so that what another copy of the program saved
// since `grid` was loaded is kept: the grid is loaded again, the first feature stored as Before
// is replaced by After or removed (After is added when Before is no longer there), the rows are
// sorted and the file written. Two copies take turns through a lock file beside it. On failure
// the file is left whole, the grid holds it as it stands and `error` says why.
bool MergeFeatureEdit(TStringGrid& grid, const FeatureEdit& edit, FeatureRecord& buffer,
                      QString& error, const QString& fileName = FeatureFileName);

// Byte order of two names as they are stored (unsigned, case-sensitive, a prefix first).
bool FeatureNameLess(const QString& a, const QString& b);
// Sorts the grid rows but the blank last one by name in byte order; equal names keep their
// order.
void BubbleSort(TStringGrid& grid);

// How a reader looks a name up: without case and accents ("Bürg" -> "burg", "de Gasparis" ->
// "de gasparis").
QString FeatureFoldedName(const QString& name);
// The rows but the blank last one of the grid in the order a reader expects: names compared
// by their folded form, then in byte order; the grid itself keeps the stored order.
std::vector<int> ReaderOrder(const TStringGrid& grid);
// The position in `order` (rows of the grid) of the first name that begins with the typed
// text, else of the first with a word that begins with it, else of the first that contains it,
// all compared folded; -1 when none does or the text is blank.
int FindFeature(const TStringGrid& grid, const std::vector<int>& order, const QString& typed);

// The exit check of a coordinate box.
enum class CoordinateAxis { Longitude, Latitude };
struct CoordinateCheck {
    bool Valid = false;
    QString Text;    // the text the box is left with (trimmed, and rebuilt when valid)
    QString Message; // the message to show when not valid
};
// Trims the text and checks it as a number within -180..180 (longitude) or -90..90 (latitude);
// a valid text gets its whole degrees padded with zeros to 3 (longitude) or 2 (latitude) digits
// and ".0" after a whole number: 5 -> "005.0" / "05.0", -12.25 -> "-012.25", 45 -> "45.0".
CoordinateCheck VerifyCoordinate(const QString& text, CoordinateAxis axis);

// A stored coordinate as a number; false for a text that is not a finite number or lies
// outside the axis' range.
bool ParseCoordinate(const QString& text, CoordinateAxis axis, double& degrees);
