// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration window driven as a user drives it: typing into the number edits and
// leaving them, the direction spin buttons, the lists, the printer radio pictures, and the exit
// button that saves; the values read back from memory, from a fresh store and from the main
// window.
#include "settings/TSpinButton.h"
#include "settings/fConfiguration.h"
#include "ui/main_window_fixture.h"
#include "zone/Places.h"
#include "zone/Zone.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QCompleter>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolButton>

#include <cmath>
#include <memory>

namespace {

class ConfigurationTest : public MainWindowTest {
  protected:
    TConfiguration* cfg = nullptr;

    void SetUp() override {
        MainWindowTest::SetUp();
        // The store holds the defaults, as after the first start.
        TObserverSettings loaded;
        settingsstore::Load(loaded);
        cfg = new TConfiguration();
        Windows().Configuration = cfg;
        Open();
    }
    void TearDown() override {
        delete cfg;
        MainWindowTest::TearDown();
    }

    void Open() {
        cfg->show();
        QApplication::setActiveWindow(cfg);
        cfg->activateWindow();
        QCoreApplication::processEvents();
    }
    void Exit() {
        Click(cfg->lblExit);
        QCoreApplication::processEvents();
    }

    // Types into an edit and leaves it with Tab, as a user does.
    void TypeAndLeave(QLineEdit* edit, const QString& keys) {
        edit->setFocus(Qt::MouseFocusReason);
        edit->clear();
        QTest::keyClicks(edit, keys);
        QTest::keyClick(edit, Qt::Key_Tab);
        QCoreApplication::processEvents();
    }

    static void Choose(QComboBox* list, const QString& typed) { list->setEditText(typed); }

    QString Stored(const QString& name) const {
        QSettings store(settingsstore::Location(), QSettings::IniFormat);
        return store.value(name).toString();
    }

    void EnterLondon() {
        TypeAndLeave(cfg->txtLatDeg, QStringLiteral("51"));
        TypeAndLeave(cfg->txtLatMin, QStringLiteral("30"));
        TypeAndLeave(cfg->txtLatSec, QString());
        TypeAndLeave(cfg->txtLongDeg, QString());
        TypeAndLeave(cfg->txtLongMin, QStringLiteral("7"));
        TypeAndLeave(cfg->txtLongSec, QStringLiteral("0"));
        cfg->txtLocation->setText(QStringLiteral("London"));
        cfg->cmbDayOrder->setCurrentIndex(1);
        cfg->cmbTimeZone->setCurrentIndex(24);
        cfg->chkDaylightSavings->setChecked(true);
    }
};

TEST_F(ConfigurationTest, TimeZoneListRunsInHalfHoursAroundGmt) {
    ASSERT_EQ(cfg->cmbTimeZone->count(), 49);
    EXPECT_EQ(cfg->cmbTimeZone->itemText(0), QStringLiteral("GMT - 12:00"));
    EXPECT_EQ(cfg->cmbTimeZone->itemText(23), QStringLiteral("GMT - 00:30"));
    EXPECT_EQ(cfg->cmbTimeZone->itemText(24), QStringLiteral("GMT"));
    EXPECT_EQ(cfg->cmbTimeZone->itemText(35), QStringLiteral("GMT + 05:30"));
}

TEST_F(ConfigurationTest, NumberEditsTakeDigitsOnlyAndArePaddedWhenLeft) {
    TypeAndLeave(cfg->txtLatDeg, QStringLiteral("7"));
    EXPECT_EQ(cfg->txtLatDeg->text(), QStringLiteral("07"));
    TypeAndLeave(cfg->txtLongDeg, QString());
    EXPECT_EQ(cfg->txtLongDeg->text(), QStringLiteral("000"));
    TypeAndLeave(cfg->txtLongDeg, QStringLiteral("-1.5e"));
    EXPECT_EQ(cfg->txtLongDeg->text(), QStringLiteral("015"));
    TypeAndLeave(cfg->txtLatMin, QStringLiteral("123"));
    EXPECT_EQ(cfg->txtLatMin->text(), QStringLiteral("12"));
    EXPECT_TRUE(Notices.isEmpty());
    EXPECT_EQ(Beeps, 0);
}

TEST_F(ConfigurationTest, PositionOutOfRangeIsRefusedAndTheFocusReturns) {
    TypeAndLeave(cfg->txtLatDeg, QStringLiteral("91"));
    ASSERT_EQ(Notices.size(), 1);
    EXPECT_TRUE(Notices[0].contains(QStringLiteral("Latitude degrees")));
    EXPECT_TRUE(Notices[0].contains(QStringLiteral("0 to 90")));
    EXPECT_EQ(QApplication::focusWidget(), cfg->txtLatDeg);
    EXPECT_EQ(cfg->txtLatDeg->text(), QStringLiteral("91"));

    // Exiting with the value still there saves nothing and keeps the window open.
    Notices.clear();
    Exit();
    ASSERT_EQ(Notices.size(), 1);
    EXPECT_TRUE(Notices[0].contains(QStringLiteral("Latitude degrees")));
    EXPECT_TRUE(cfg->isVisible());
    EXPECT_EQ(ObserverSettings.LatDeg, QStringLiteral("51"));
    EXPECT_EQ(Stored(QStringLiteral("LatDeg")), QStringLiteral("00"));

    // Every field in range, the position not: 90 30 00 North and 180 30 00 East are refused.
    TypeAndLeave(cfg->txtLatDeg, QStringLiteral("90"));
    TypeAndLeave(cfg->txtLatMin, QStringLiteral("30"));
    Notices.clear();
    Exit();
    ASSERT_EQ(Notices.size(), 1);
    EXPECT_TRUE(Notices[0].contains(QStringLiteral("90\u00B0")));
    EXPECT_TRUE(cfg->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), cfg->txtLatMin);
    TypeAndLeave(cfg->txtLatMin, QStringLiteral("00"));
    TypeAndLeave(cfg->txtLongDeg, QStringLiteral("180"));
    TypeAndLeave(cfg->txtLongSec, QStringLiteral("30"));
    Notices.clear();
    Exit();
    ASSERT_EQ(Notices.size(), 1);
    EXPECT_TRUE(Notices[0].contains(QStringLiteral("180\u00B0")));
    EXPECT_TRUE(cfg->isVisible());
    EXPECT_EQ(Stored(QStringLiteral("LatDeg")), QStringLiteral("00"));

    // The limits themselves are taken.
    TypeAndLeave(cfg->txtLongMin, QStringLiteral("00"));
    TypeAndLeave(cfg->txtLongSec, QStringLiteral("00"));
    Notices.clear();
    Exit();
    EXPECT_TRUE(Notices.isEmpty());
    EXPECT_FALSE(cfg->isVisible());
    EXPECT_EQ(Stored(QStringLiteral("LatDeg")), QStringLiteral("90"));
    EXPECT_EQ(Stored(QStringLiteral("LongDeg")), QStringLiteral("180"));
}

// London, Monday first, GMT with daylight saving: saved in memory and in the store, and the
// main window recomputes its zone, observer and weekday titles.
TEST_F(ConfigurationTest, LondonIsSavedAndTheMainWindowRecomputes) {
    ObserverSettings.LongDir = QStringLiteral("East");
    cfg->hide();
    Open();
    EXPECT_EQ(cfg->pEWDirection->text(), QStringLiteral("East"));
    EnterLondon();
    QTest::mouseClick(cfg->EWSpinButton->downButton(), Qt::LeftButton);
    EXPECT_EQ(cfg->pEWDirection->text(), QStringLiteral("West"));
    const QString sunriseBefore = main->lblSunRise->text();
    Exit();
    EXPECT_FALSE(cfg->isVisible());

    TObserverSettings fresh;
    settingsstore::Load(fresh);
    const TObserverSettings* const both[] = {&ObserverSettings, &fresh};
    for (const TObserverSettings* s : both) {
        EXPECT_EQ(s->LatDeg, QStringLiteral("51"));
        EXPECT_EQ(s->LatMin, QStringLiteral("30"));
        EXPECT_EQ(s->LatSec, QStringLiteral("00"));
        EXPECT_EQ(s->LatDir, QStringLiteral("North"));
        EXPECT_EQ(s->LongDeg, QStringLiteral("000"));
        EXPECT_EQ(s->LongMin, QStringLiteral("07"));
        EXPECT_EQ(s->LongSec, QStringLiteral("00"));
        EXPECT_EQ(s->LongDir, QStringLiteral("West"));
        EXPECT_EQ(s->Location, QStringLiteral("London"));
        EXPECT_EQ(s->DayOrder, 1);
        EXPECT_EQ(s->DateLayoutIdx, 0);
        EXPECT_EQ(s->DateFormat, QStringLiteral("DD/MM/YYYY"));
        EXPECT_EQ(s->TimeZoneIndex, 24);
        EXPECT_TRUE(s->DaylightSavings);
        EXPECT_EQ(s->PrinterType, QStringLiteral("Laser"));
    }
    EXPECT_EQ(Stored(QStringLiteral("TimeZone")), QStringLiteral("12"));
    EXPECT_EQ(Stored(QStringLiteral("DaylightSavings")), QStringLiteral("True"));

    EXPECT_EQ(main->ZoneMinutes, 0);
    EXPECT_EQ(main->DaylightMinutes, 60);
    EXPECT_NEAR(main->ObserverLatitude, 51.5 * M_PI / 180, 1e-12);
    EXPECT_NEAR(main->ObserverLongitude, 7.0 / 60 * M_PI / 180, 1e-12);
    EXPECT_EQ(main->DayLabels[0]->text(), QLocale::system().dayName(1, QLocale::ShortFormat));
    // Daylight saving moves the Sun's rise an hour later on the clock.
    EXPECT_NE(main->lblSunRise->text(), sunriseBefore);

    // Opened again, the window shows what was saved.
    Open();
    EXPECT_EQ(cfg->txtLongMin->text(), QStringLiteral("07"));
    EXPECT_EQ(cfg->txtLocation->text(), QStringLiteral("London"));
    EXPECT_EQ(cfg->cmbDayOrder->currentIndex(), 1);
    EXPECT_EQ(cfg->cmbTimeZone->currentText(), QStringLiteral("GMT"));
    EXPECT_TRUE(cfg->chkDaylightSavings->isChecked());

    // The box holds the whole place the store keeps: opening and closing loses nothing.
    const QString longPlace =
        QStringLiteral("Llanfairpwllgwyngyll, Isle of Anglesey, Wales, United Kingdom.");
    ASSERT_EQ(longPlace.size(), 62);
    cfg->txtLocation->setText(longPlace + QStringLiteral("!?"));
    Exit();
    Open();
    Exit();
    EXPECT_EQ(ObserverSettings.Location, longPlace + QStringLiteral("!?"));
    EXPECT_EQ(Stored(QStringLiteral("Location")), longPlace + QStringLiteral("!?"));
}

// The store removed while the program runs is written anew whole, not silently skipped; one
// that cannot be created is reported with its path and the reason.
TEST_F(ConfigurationTest, SaveRecreatesARemovedStoreOrSaysWhy) {
    ASSERT_TRUE(QFile::remove(settingsstore::Location()));
    ObserverSettings.PhaseDensity = 40;
    cfg->txtLocation->setText(QStringLiteral("Hailsham"));
    Exit();
    EXPECT_TRUE(Notices.isEmpty());
    EXPECT_EQ(Stored(QStringLiteral("Location")), QStringLiteral("Hailsham"));
    EXPECT_EQ(Stored(QStringLiteral("PhaseDensity")), QStringLiteral("40"));
    EXPECT_EQ(Stored(QStringLiteral("Version")), QStringLiteral("V2.50"));

    // The store's folder is a plain file.
    QTemporaryDir home;
    settingsstore::SetLocationForTests(home.filePath(QStringLiteral("Cresselle/Cresselle.ini")));
    QFile plain(home.filePath(QStringLiteral("Cresselle")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    Open();
    Exit();
    ASSERT_EQ(Notices.size(), 1);
    EXPECT_TRUE(Notices[0].contains(QDir::toNativeSeparators(settingsstore::Location())));
    EXPECT_TRUE(Notices[0].contains(QStringLiteral("is a file, not a folder")))
        << Notices[0].toStdString();
    EXPECT_FALSE(cfg->isVisible());
    EXPECT_EQ(ObserverSettings.Location, QStringLiteral("Hailsham"));
}

TEST_F(ConfigurationTest, ChangingTheHemisphereTurnsThePhaseIconsOnce) {
    ASSERT_FALSE(main->PhaseIconsInverted);
    QTest::mouseClick(cfg->NSSpinButton->upButton(), Qt::LeftButton);
    EXPECT_EQ(cfg->pNSDirection->text(), QStringLiteral("South"));
    Exit();
    EXPECT_TRUE(main->PhaseIconsInverted);
    EXPECT_LT(main->ObserverLatitude, 0);
    Open();
    Exit();
    EXPECT_TRUE(main->PhaseIconsInverted);
    Open();
    QTest::mouseClick(cfg->NSSpinButton->downButton(), Qt::LeftButton);
    Exit();
    EXPECT_FALSE(main->PhaseIconsInverted);
}

TEST_F(ConfigurationTest, TimeZonesStoreHalfHoursAndSetTheZoneMinutes) {
    cfg->cmbTimeZone->setCurrentIndex(35);
    EXPECT_EQ(cfg->cmbTimeZone->currentText(), QStringLiteral("GMT + 05:30"));
    Exit();
    EXPECT_EQ(Stored(QStringLiteral("TimeZone")), QStringLiteral("17.5"));
    EXPECT_EQ(main->ZoneMinutes, 330);

    Open();
    cfg->cmbTimeZone->setCurrentIndex(0);
    Exit();
    EXPECT_EQ(Stored(QStringLiteral("TimeZone")), QStringLiteral("0"));
    EXPECT_EQ(main->ZoneMinutes, -720);
}

// A typed entry that names a list entry chooses it, whatever its case and blanks; one that
// names none is refused with a message and the window stays open.
TEST_F(ConfigurationTest, TypedListEntries) {
    Choose(cfg->cmbDayOrder, QStringLiteral("monday - sunday"));
    Choose(cfg->cmbTimeZone, QStringLiteral("gmt+05:30"));
    Choose(cfg->cmbDateFormat, QStringLiteral("mm/dd/yyyy"));
    Exit();
    EXPECT_EQ(ObserverSettings.DayOrder, 1);
    EXPECT_EQ(ObserverSettings.TimeZoneIndex, 35);
    EXPECT_EQ(ObserverSettings.DateLayoutIdx, 1);

    Open();
    Choose(cfg->cmbDayOrder, QStringLiteral("Someday"));
    cfg->lblExitClick();
    EXPECT_TRUE(cfg->isVisible());
    Choose(cfg->cmbDayOrder, QStringLiteral("Sunday - Saturday"));
    Choose(cfg->cmbTimeZone, QStringLiteral("GMT + 99:00"));
    cfg->lblExitClick();
    EXPECT_TRUE(cfg->isVisible());
    EXPECT_EQ(ObserverSettings.DayOrder, 1);
    EXPECT_EQ(ObserverSettings.TimeZoneIndex, 35);
}

// A zone typed by name is stored and followed by the main window; a place typed by name fills
// the position, the location and its zone.
TEST_F(ConfigurationTest, ZoneAndPlaceChosenByName) {
    cfg->cmbZoneName->setFocus();
    cfg->cmbZoneName->lineEdit()->clear();
    QTest::keyClicks(cfg->cmbZoneName->lineEdit(), QStringLiteral("Asia/Kathmandu"));
    Exit();
    EXPECT_EQ(Stored(QStringLiteral("ZoneName")), QStringLiteral("Asia/Kathmandu"));
    EXPECT_EQ(CurrentZone().Id(), QByteArrayLiteral("Asia/Kathmandu"));
    EXPECT_EQ(main->State.ZoneOffset(), 345);
    main->Timer1Timer();
    EXPECT_TRUE(main->lblZone->text().contains(QStringLiteral("Asia/Kathmandu, ")))
        << main->lblZone->text().toStdString();

    Open();
    EXPECT_EQ(cfg->cmbZoneName->currentText(), QStringLiteral("Asia/Kathmandu"));
    cfg->txtPlace->setFocus();
    QTest::keyClicks(cfg->txtPlace, QStringLiteral("Chatham, Pacific/Chatham"));
    QTest::keyClick(cfg->txtPlace, Qt::Key_Return);
    EXPECT_EQ(cfg->cmbZoneName->currentText(), QStringLiteral("Pacific/Chatham"));
    Exit();
    EXPECT_EQ(Stored(QStringLiteral("ZoneName")), QStringLiteral("Pacific/Chatham"));
    EXPECT_EQ(ObserverSettings.Location, QStringLiteral("Chatham"));
    EXPECT_EQ(ObserverSettings.LatDeg + ObserverSettings.LatMin + ObserverSettings.LatDir,
              QStringLiteral("4357South"));
    EXPECT_EQ(ObserverSettings.LongDeg + ObserverSettings.LongMin + ObserverSettings.LongDir,
              QStringLiteral("17633West"));
    SetCurrentZone(TZone::Fixed(0));
}

// The world's cities: a town of the zone table's country only (Boston, Munich) is found as
// typed, the largest of a name first; choosing it fills the position, the location and the
// zone. Escape closes the list, not the window; a name that matches nothing says so.
TEST_F(ConfigurationTest, PlaceBoxFindsTheWorldsCities) {
    if (!HasWorldPlaces()) GTEST_SKIP() << "built without libgeonames-dev: zone table only";
    ASSERT_GT(Places().size(), 20000);
    QAbstractItemView* list = cfg->txtPlace->completer()->popup();
    cfg->txtPlace->setFocus();
    QTest::keyClicks(cfg->txtPlace, QStringLiteral("bosto"));
    ASSERT_TRUE(list->isVisible());
    EXPECT_EQ(cfg->txtPlace->completer()->currentCompletion(),
              QStringLiteral("Boston, Massachusetts, United States of America"));
    QTest::keyClick(list, Qt::Key_Escape);
    EXPECT_FALSE(list->isVisible());
    EXPECT_TRUE(cfg->isVisible()) << "Escape in the list closed the window";
    QTest::keyClick(cfg->txtPlace, Qt::Key_N);
    ASSERT_TRUE(list->isVisible());
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(cfg->txtLocation->text(), QStringLiteral("Boston, United States of America"));
    EXPECT_EQ(cfg->cmbZoneName->currentText(), QStringLiteral("America/New_York"));
    Exit();
    EXPECT_EQ(ObserverSettings.LatDeg + ObserverSettings.LatMin + ObserverSettings.LatDir,
              QStringLiteral("4221North"));
    EXPECT_EQ(ObserverSettings.LongDeg + ObserverSettings.LongMin + ObserverSettings.LongDir,
              QStringLiteral("07103West"));

    Open();
    cfg->txtPlace->clear();
    cfg->txtPlace->setFocus();
    QTest::keyClicks(cfg->txtPlace, QStringLiteral("Munich, Bavaria"));
    QTest::keyClick(cfg->txtPlace, Qt::Key_Escape);
    EXPECT_TRUE(cfg->isVisible());
    cfg->txtPlace->clear();
    QTest::keyClicks(cfg->txtPlace, QStringLiteral("Qqxyzzy"));
    EXPECT_TRUE(cfg->lblPlaceNotFound->isVisible());
    EXPECT_TRUE(cfg->lblPlaceNotFound->toolTip().startsWith(QStringLiteral("No place named")))
        << cfg->lblPlaceNotFound->toolTip().toStdString();
    EXPECT_EQ(cfg->txtLocation->text(), QStringLiteral("Boston, United States of America"));
    SetCurrentZone(TZone::Fixed(0));
}

TEST_F(ConfigurationTest, PrinterTypeRadioPictures) {
    for (const char* type : {"Laser", "Dot matrix"}) {
        ObserverSettings.PrinterType = QLatin1String(type);
        cfg->hide();
        Open();
        EXPECT_TRUE(cfg->IsMarked(cfg->imgLaser)) << type;
        EXPECT_FALSE(cfg->IsMarked(cfg->imgBWInkjet)) << type;
        EXPECT_FALSE(cfg->IsMarked(cfg->imgColourInkjet)) << type;
    }
    Click(cfg->lblColourPrinter);
    EXPECT_TRUE(cfg->IsMarked(cfg->imgColourInkjet));
    EXPECT_FALSE(cfg->IsMarked(cfg->imgBWInkjet));
    Exit();
    EXPECT_EQ(Stored(QStringLiteral("PrinterType")), QStringLiteral("Colour Inkjet"));
    Open();
    EXPECT_TRUE(cfg->IsMarked(cfg->imgColourInkjet));
    EXPECT_FALSE(cfg->IsMarked(cfg->imgLaser));
}

// A screen reader reads the printer pictures as one group of radio buttons, the chosen one
// checked, following a click.
TEST_F(ConfigurationTest, PrinterTypePicturesAreCheckedRadioButtonsForAScreenReader) {
    ObserverSettings.PrinterType = QStringLiteral("BW Inkjet");
    cfg->hide();
    Open();
    auto checked = [](TClickLabel* radio) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(radio);
        EXPECT_NE(a, nullptr);
        if (!a) return false;
        EXPECT_EQ(a->role(), QAccessible::RadioButton) << a->text(QAccessible::Name).toStdString();
        EXPECT_TRUE(a->state().checkable);
        EXPECT_FALSE(a->text(QAccessible::Name).isEmpty());
        return bool(a->state().checked);
    };
    EXPECT_FALSE(checked(cfg->imgLaser));
    EXPECT_TRUE(checked(cfg->imgBWInkjet));
    EXPECT_FALSE(checked(cfg->imgColourInkjet));
    Click(cfg->imgColourInkjet);
    EXPECT_FALSE(checked(cfg->imgBWInkjet));
    EXPECT_TRUE(checked(cfg->imgColourInkjet));
    // The reader presses a radio button as it presses a button.
    QAccessibleInterface* laser = QAccessible::queryAccessibleInterface(cfg->imgLaser);
    ASSERT_NE(laser->actionInterface(), nullptr);
    laser->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    EXPECT_TRUE(checked(cfg->imgLaser));
    EXPECT_EQ(cfg->ChosenPrinterType(), QStringLiteral("Laser"));
}

// Switching to another program and back keeps the edits in progress.
TEST_F(ConfigurationTest, ActivatingAgainKeepsTheEdits) {
    cfg->txtLocation->setText(QStringLiteral("Hailsham"));
    QApplication::setActiveWindow(main);
    QApplication::setActiveWindow(cfg);
    QCoreApplication::processEvents();
    EXPECT_EQ(cfg->txtLocation->text(), QStringLiteral("Hailsham"));
}

// A damaged settings file found at the start is repaired and the main window says so once,
// when it is first shown.
TEST_F(ConfigurationTest, RepairedStoreIsToldOnceWhenTheMainWindowIsShown) {
    {
        QFile ini(settingsstore::Location());
        ASSERT_TRUE(ini.open(QIODevice::Append));
        ini.write("[General\n");
    }
    auto start = std::make_unique<TMain>();
    start->show();
    QTest::qWait(50);
    ASSERT_EQ(Notices.size(), 1);
    EXPECT_TRUE(Notices[0].contains(QStringLiteral("was damaged"))) << Notices[0].toStdString();
    start->hide();
    start->show();
    QTest::qWait(50);
    EXPECT_EQ(Notices.size(), 1);
}

} // namespace
