// SPDX-License-Identifier: GPL-3.0-or-later
// The lunar features database editor driven as a user would: typing, clicking the action,
// cancel and delete labels, double-clicking rows, and what reaches data.dat.
#include "data/FeatureFile.h"
#include "platform/Platform.h"
#include "ui/reports/fFeaturesDB.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

QByteArray FileBytes() {
    QFile file(FeatureFileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList FileRows() {
    QStringList rows;
    for (const FeatureTexts& f : ReadFeatureFile())
        rows << f.Name + "|" + f.Longitude + "|" + f.Latitude;
    return rows;
}

void WriteFeatures(const QStringList& names) {
    std::vector<FeatureTexts> features;
    for (const QString& name : names)
        features.push_back({name, "010.0", "10.0"});
    QString error;
    ASSERT_TRUE(WriteFeatureFile(features, error));
}

// Makes the next file writes in the working folder fail: a read-only folder, and for a user
// whom permissions do not stop (root), a file size limit of one byte.
class SaveFailure {
  public:
    explicit SaveFailure(const QString& folder) : folder_(folder) {
        ::chmod(QFile::encodeName(folder_).constData(), 0555);
        QFile probe(folder_ + "/probe");
        if (probe.open(QIODevice::WriteOnly)) {
            probe.close();
            probe.remove();
            std::signal(SIGXFSZ, SIG_IGN);
            ::getrlimit(RLIMIT_FSIZE, &saved_);
            rlimit tiny = saved_;
            tiny.rlim_cur = 1;
            limited_ = ::setrlimit(RLIMIT_FSIZE, &tiny) == 0;
        }
    }
    ~SaveFailure() {
        if (limited_) ::setrlimit(RLIMIT_FSIZE, &saved_);
        ::chmod(QFile::encodeName(folder_).constData(), 0755);
    }

  private:
    QString folder_;
    rlimit saved_{};
    bool limited_ = false;
};

class FeaturesDBTest : public ::testing::Test {
  protected:
    void SetUp() override {
        oldFolder_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(dir_.path()));
        platform::Services().message = [this](QWidget*, const QString&, const QString& text) {
            messages_ << text;
        };
    }
    void TearDown() override {
        platform::ResetServices();
        QDir::setCurrent(oldFolder_);
    }

    void Open() {
        db_.show();
        db_.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&db_));
    }
    void Type(QLineEdit* box, const QString& text) {
        box->clear();
        QTest::keyClicks(box, text);
    }
    void Enter(const QString& name, const QString& lon, const QString& lat) {
        Type(db_.txtFeatureName, name);
        Type(db_.txtLongitude, lon);
        Type(db_.txtLatitude, lat);
    }
    void ClickAction() { QTest::mouseClick(db_.imgEdit, Qt::LeftButton); }
    void DoubleClickAt(int y) {
        QTest::mouseDClick(&db_, Qt::LeftButton, Qt::NoModifier, QPoint(100, y));
    }
    void DoubleClickRow(int visibleRow) { DoubleClickAt(62 + 16 * visibleRow + 8); }
    QStringList Boxes() const {
        return {db_.txtFeatureName->text(), db_.txtLongitude->text(), db_.txtLatitude->text()};
    }

    QTemporaryDir dir_;
    QString oldFolder_;
    QStringList messages_;
    TFeaturesDB db_;
};

TEST_F(FeaturesDBTest, AddedFeatureIsCheckedSortedAndStored) {
    WriteFeatures({"Apollo", "Zeno"});
    Open();
    EXPECT_EQ(db_.StringGrid1.RowCount(), 3);
    EXPECT_FALSE(db_.InUpdateMode());
    Enter("Test Crater", "5", "-5");
    ClickAction();
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join("; ").toStdString();
    EXPECT_EQ(FileRows(),
              QStringList({"Apollo|010.0|10.0", "Test Crater|005.0|-05.0", "Zeno|010.0|10.0"}));
    EXPECT_EQ(db_.StringGrid1.Cell(0, 1), "Test Crater");
    EXPECT_EQ(db_.StringGrid1.RowCount(), 4);
    EXPECT_EQ(Boxes(), QStringList({"", "", ""}));
    EXPECT_FALSE(db_.InUpdateMode());
    EXPECT_TRUE(db_.txtFeatureName->hasFocus());
}

// The file keeps names in Windows-1252: a letter it lacks is stored without its accent and
// the list shows the stored name; a character with no such letter is refused by name.
TEST_F(FeaturesDBTest, NameOutsideTheCodePageIsFoldedOrRefused) {
    Open();
    Enter("", "14", "49");
    db_.txtFeatureName->setText(QStringLiteral("\u010Capek And\u011Bl"));
    ClickAction();
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join("; ").toStdString();
    EXPECT_EQ(FileRows(), QStringList({"Capek Andel|014.0|49.0"}));
    EXPECT_EQ(db_.StringGrid1.Cell(0, 0), "Capek Andel");

    Enter("", "1", "2");
    db_.txtFeatureName->setText(QStringLiteral("Mare \u6708\u5149 Z\u00FCrich"));
    ClickAction();
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_TRUE(messages_[0].contains(QStringLiteral("\u6708\u5149")))
        << messages_[0].toStdString();
    EXPECT_EQ(FileRows(), QStringList({"Capek Andel|014.0|49.0"}));
    EXPECT_EQ(db_.txtFeatureName->text(), QStringLiteral("Mare \u6708\u5149 Z\u00FCrich"));
}

TEST_F(FeaturesDBTest, LeavingACoordinateBoxRunsItsCheck) {
    Open();
    db_.txtLongitude->setFocus();
    QTest::keyClicks(db_.txtLongitude, "-12.25");
    QTest::keyClick(db_.txtLongitude, Qt::Key_Tab);
    QCoreApplication::processEvents();
    EXPECT_EQ(db_.txtLongitude->text(), "-012.25");
    EXPECT_TRUE(db_.txtLatitude->hasFocus());
    QTest::keyClicks(db_.txtLatitude, "95");
    QTest::keyClick(db_.txtLatitude, Qt::Key_Tab);
    QCoreApplication::processEvents();
    EXPECT_EQ(messages_, QStringList({"Latitude must be between -90 and 90. Please reenter."}));
    EXPECT_EQ(db_.txtLatitude->text(), "95"); // kept, with the focus back
    EXPECT_TRUE(db_.txtLatitude->hasFocus());

    // The action leaves the box being edited first: one message, and nothing stored.
    messages_.clear();
    db_.txtFeatureName->setText("Test Crater");
    db_.txtLatitude->clear();
    ClickAction();
    EXPECT_EQ(messages_, QStringList({"Please enter a valid Latitude"}));
    EXPECT_FALSE(QFile::exists(FeatureFileName));
    EXPECT_TRUE(db_.txtLatitude->hasFocus());
}

TEST_F(FeaturesDBTest, MissingTextsAndFailedChecksStoreNothing) {
    WriteFeatures({"Apollo"});
    const QByteArray before = FileBytes();
    Open();
    ClickAction();
    Enter("Moon Crater", "", "");
    ClickAction();
    Type(db_.txtLongitude, "5");
    ClickAction();
    EXPECT_EQ(messages_,
              QStringList({"You must enter a feature name.", "You must enter a Lunar Longitude.",
                           "You must enter a Lunar Latitude."}));
    messages_.clear();

    Enter("Moon Crater", "200", "5");
    ClickAction();
    Enter("Moon Crater", "5", "-");
    ClickAction();
    Enter("Moon Crater", "-.", "5");
    ClickAction();
    EXPECT_EQ(messages_,
              QStringList({"Longitude must be between -180 and 180. Please reenter.",
                           "Please enter a valid Latitude", "Please enter a valid Longitude"}));
    EXPECT_EQ(Boxes(), QStringList({"Moon Crater", "-.", "05.0"}));
    EXPECT_EQ(FileBytes(), before);
    EXPECT_EQ(db_.StringGrid1.RowCount(), 2);
}

TEST_F(FeaturesDBTest, DoubleClickSelectsUpdateResortsAndCancelReturnsToAdd) {
    WriteFeatures({"Apollo", "Bessel", "Copernicus"});
    Open();
    DoubleClickRow(0);
    EXPECT_TRUE(db_.InUpdateMode());
    EXPECT_EQ(db_.SelectedRow(), 0);
    EXPECT_EQ(Boxes(), QStringList({"Apollo", "010.0", "10.0"}));
    EXPECT_EQ(db_.imgEdit->pixmap().toImage(), db_.imgUpdate.Picture.toImage());
    EXPECT_EQ(db_.txtFeatureName->selectedText(), "Apollo");

    Type(db_.txtFeatureName, "Zulu");
    Type(db_.txtLatitude, "-45.5");
    ClickAction();
    EXPECT_EQ(FileRows(),
              QStringList({"Bessel|010.0|10.0", "Copernicus|010.0|10.0", "Zulu|010.0|-45.5"}));
    EXPECT_FALSE(db_.InUpdateMode());

    DoubleClickRow(1);
    EXPECT_EQ(db_.txtFeatureName->text(), "Copernicus");
    db_.lblCancel->setFocus();
    QTest::mouseClick(db_.lblCancel, Qt::LeftButton);
    EXPECT_EQ(Boxes(), QStringList({"", "", ""}));
    EXPECT_FALSE(db_.InUpdateMode());
    EXPECT_EQ(db_.imgEdit->pixmap().toImage(), db_.imgAdd.Picture.toImage());
    EXPECT_EQ(FileRows().size(), 3);

    // Below the last row, and above the list: nothing is selected.
    DoubleClickRow(3);
    DoubleClickAt(60);
    EXPECT_FALSE(db_.InUpdateMode());
    EXPECT_EQ(Boxes(), QStringList({"", "", ""}));
}

TEST_F(FeaturesDBTest, DeleteNeedsASelectionAndTheLastDeletionEmptiesTheFile) {
    WriteFeatures({"Apollo", "Bessel"});
    Open();
    QTest::mouseClick(db_.lblDelete, Qt::LeftButton);
    EXPECT_EQ(messages_, QStringList({"No feature has been selected for deletion."}));
    EXPECT_EQ(FileRows().size(), 2);

    DoubleClickRow(1);
    QTest::mouseClick(db_.lblDelete, Qt::LeftButton);
    EXPECT_EQ(FileRows(), QStringList({"Apollo|010.0|10.0"}));
    EXPECT_FALSE(db_.InUpdateMode());
    DoubleClickRow(0);
    QTest::mouseClick(db_.lblDelete, Qt::LeftButton);
    EXPECT_TRUE(QFile::exists(FeatureFileName));
    EXPECT_EQ(FileBytes().size(), 0);
    EXPECT_EQ(db_.StringGrid1.RowCount(), 1);
    EXPECT_EQ(messages_.size(), 1);
}

TEST_F(FeaturesDBTest, ThirteenthFeatureScrollsToTheEndUntilTheNextActivation) {
    QStringList names;
    for (char c = 'A'; c < 'A' + 12; ++c)
        names << QString("Crater %1").arg(c);
    WriteFeatures(names);
    Open();
    EXPECT_EQ(db_.ScrollBar1->maximum(), 0);
    Enter("Zz", "1", "1");
    ClickAction();
    EXPECT_EQ(db_.StringGrid1.RowCount(), 14);
    EXPECT_EQ(db_.ScrollBar1->maximum(), 1);
    EXPECT_EQ(db_.ScrollBar1->value(), 1);
    // The blank row shows at the bottom and is no feature to select.
    DoubleClickRow(12);
    EXPECT_FALSE(db_.InUpdateMode());
    DoubleClickRow(11);
    EXPECT_EQ(db_.txtFeatureName->text(), "Zz");
    db_.lblCancel->setFocus();
    QTest::mouseClick(db_.lblCancel, Qt::LeftButton);

    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    db_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&db_));
    EXPECT_EQ(db_.ScrollBar1->maximum(), 0);
}

// The list shows names as a reader expects while the file keeps byte order: the search box,
// the wheel and the keys move it, and a double-click takes the row that is shown.
TEST_F(FeaturesDBTest, SearchAndScrollingReachTheShownRows) {
    QStringList names;
    for (int i = 0; i < 30; ++i)
        names << QString("Zone %1").arg(i, 2, 10, QLatin1Char('0'));
    names << "de Gasparis"
          << "Bürg"
          << "Dawes"
          << "von Braun";
    WriteFeatures(names);
    Open();
    Type(db_.txtFind, "gasparis");
    const int found = db_.ScrollBar1->value();
    DoubleClickRow(0);
    EXPECT_EQ(db_.txtFeatureName->text(), "de Gasparis");
    EXPECT_EQ(db_.StringGrid1.Cell(0, db_.SelectedRow()), "de Gasparis");
    db_.lblCancelClick();

    Type(db_.txtFind, "BURG");
    EXPECT_EQ(db_.ScrollBar1->value(), 0); // Bürg comes first
    EXPECT_EQ(db_.StringGrid1.Cell(0, db_.ShownOrder()[0]), "Bürg");
    QTest::keyClick(db_.txtFind, Qt::Key_Down);
    EXPECT_EQ(db_.ScrollBar1->value(), 1);
    QTest::keyClick(&db_, Qt::Key_PageDown);
    EXPECT_EQ(db_.ScrollBar1->value(), 1 + TFeaturesDB::VisibleRows);
    QWheelEvent wheel(QPointF(100, 100), db_.mapToGlobal(QPointF(100, 100)), QPoint(),
                      QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&db_, &wheel);
    EXPECT_EQ(db_.ScrollBar1->value(), 11);
    EXPECT_EQ(found, 2); // after Bürg and Dawes
}

TEST_F(FeaturesDBTest, FailedSaveKeepsTheOldFileAndAllowsARetry) {
    WriteFeatures({"Apollo", "Bessel"});
    const QByteArray before = FileBytes();
    Open();
    {
        SaveFailure failure(dir_.path());
        Enter("Copernicus", "-20.08", "9.62");
        ClickAction();
        ASSERT_EQ(messages_.size(), 1);
        EXPECT_TRUE(messages_[0].startsWith("The lunar features could not be saved"));
        EXPECT_TRUE(messages_[0].contains(
            QDir::toNativeSeparators(QDir(dir_.path()).absoluteFilePath("data.dat"))))
            << messages_[0].toStdString();
        EXPECT_EQ(FileBytes(), before);
        EXPECT_EQ(Boxes(), QStringList({"Copernicus", "-020.08", "09.62"}));
        EXPECT_FALSE(db_.InUpdateMode());
        EXPECT_EQ(db_.StringGrid1.RowCount(), 3); // the list is what the file holds

        // An update that fails leaves the selection on the same feature.
        DoubleClickRow(0);
        Type(db_.txtFeatureName, "Zeta");
        ClickAction();
        EXPECT_EQ(FileBytes(), before);
        EXPECT_TRUE(db_.InUpdateMode());
        EXPECT_EQ(db_.StringGrid1.Cell(0, db_.SelectedRow()), "Apollo");
    }
    ClickAction(); // retried once the folder is writable again
    EXPECT_EQ(FileRows(), QStringList({"Bessel|010.0|10.0", "Zeta|010.0|10.0"}));
}

} // namespace

// A deletion (or an addition) is undone by Ctrl+Z, in the list and in the file, until the
// window closes; a box with its own typing to undo keeps Ctrl+Z for that.
TEST_F(FeaturesDBTest, CtrlZUndoesTheLastChangeUntilTheWindowCloses) {
    WriteFeatures({"Apollo", "Bessel"});
    Open();
    DoubleClickRow(1);
    QTest::mouseClick(db_.lblDelete, Qt::LeftButton);
    ASSERT_EQ(FileRows(), QStringList({"Apollo|010.0|10.0"}));
    QTest::keyClick(db_.txtFeatureName, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(FileRows(), QStringList({"Apollo|010.0|10.0", "Bessel|010.0|10.0"}));
    EXPECT_EQ(db_.StringGrid1.RowCount(), 3);
    EXPECT_FALSE(db_.CanUndo()) << "one change, one undo";

    Enter("Cassini", "5", "5");
    ClickAction();
    ASSERT_EQ(FileRows().size(), 3);
    QTest::keyClicks(db_.txtFeatureName, "Dav");
    QTest::keyClick(db_.txtFeatureName, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(FileRows().size(), 3) << "the box's own typing was undone, not the list";
    db_.close();
    EXPECT_FALSE(db_.CanUndo());
    Open();
    QTest::keyClick(&db_, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(FileRows().size(), 3);
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join("; ").toStdString();
}
