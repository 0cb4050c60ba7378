// SPDX-License-Identifier: GPL-3.0-or-later
// The print options window: the density box and its spin button, and OK, which stores the
// options (read back through a fresh store) and prints the month the main calendar shows.
#include "print/PdfHelpers.h"
#include "settings/TSpinButton.h"
#include "settings/fPrintOptions.h"
#include "ui/main_window_fixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSettings>
#include <QToolButton>

namespace {

class PrintOptionsTest : public MainWindowTest {
  protected:
    TPrintOptions* options = nullptr;
    QString pdf;

    void SetUp() override {
        MainWindowTest::SetUp();
        pdf = folder->filePath(QStringLiteral("calendar.pdf"));
        pdftest::PrintTo(pdf);
        options = new TPrintOptions();
        Windows().PrintOptions = options;
        Open();
    }
    void TearDown() override {
        delete options;
        MainWindowTest::TearDown();
    }

    void Open() {
        options->show();
        QApplication::setActiveWindow(options);
        QCoreApplication::processEvents();
    }
    void Up() { QTest::mouseClick(options->DensitySpinButton->upButton(), Qt::LeftButton); }
    void Down() { QTest::mouseClick(options->DensitySpinButton->downButton(), Qt::LeftButton); }
    void TypeDensity(const QString& keys) {
        options->txtDensity->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(options->txtDensity, keys);
    }
    void LeaveDensity() {
        QTest::keyClick(options->txtDensity, Qt::Key_Tab);
        QCoreApplication::processEvents();
    }
    QString Stored(const QString& name) const {
        QSettings store(settingsstore::Location(), QSettings::IniFormat);
        return store.value(name).toString();
    }
};

TEST_F(PrintOptionsTest, DensityStaysWithinItsRange) {
    options->txtDensity->setText(QStringLiteral("100"));
    Up();
    EXPECT_EQ(options->txtDensity->text(), QStringLiteral("100"));
    Down();
    EXPECT_EQ(options->txtDensity->text(), QStringLiteral("99"));
    options->txtDensity->setText(QStringLiteral("0"));
    Down();
    EXPECT_EQ(options->txtDensity->text(), QStringLiteral("0"));
    Up();
    EXPECT_EQ(options->txtDensity->text(), QStringLiteral("1"));

    // A fourth digit, and anything but digits, is refused.
    options->txtDensity->setText(QStringLiteral("100"));
    options->txtDensity->end(false);
    TypeDensity(QStringLiteral("5"));
    EXPECT_EQ(options->txtDensity->text(), QStringLiteral("100"));
    options->txtDensity->clear();
    TypeDensity(QStringLiteral("9a-9.9"));
    EXPECT_EQ(options->txtDensity->text(), QStringLiteral("999"));
    LeaveDensity();
    EXPECT_EQ(options->txtDensity->text(), QStringLiteral("100"));

    // An empty box counts as 0 for the arrows and when it is left.
    options->txtDensity->clear();
    Up();
    EXPECT_EQ(options->txtDensity->text(), QStringLiteral("1"));
    options->txtDensity->clear();
    TypeDensity(QString());
    LeaveDensity();
    EXPECT_EQ(options->txtDensity->text(), QStringLiteral("0"));
}

// OK with every box cleared and an empty density: the store holds "False" four times and "0",
// and the page printed is the main calendar's month without the Sun's times.
TEST_F(PrintOptionsTest, OkStoresTheOptionsAndPrintsTheShownMonth) {
    for (QCheckBox* box : {options->chkDailyPhases, options->chkMajorPhases, options->chkMoonTimes,
                           options->chkSunTimes})
        box->setChecked(false);
    options->txtDensity->clear();
    Click(options->lblOK);
    EXPECT_FALSE(options->isVisible());
    EXPECT_TRUE(Notices.isEmpty());

    TObserverSettings fresh;
    settingsstore::Load(fresh);
    for (const char* name :
         {"PrintDailyPhases", "PrintMajorPhases", "PrintLunarTimes", "PrintSunTimes"})
        EXPECT_EQ(Stored(QLatin1String(name)), QStringLiteral("False")) << name;
    EXPECT_EQ(Stored(QStringLiteral("PhaseDensity")), QStringLiteral("0"));
    EXPECT_FALSE(fresh.PrintDailyPhases || fresh.PrintMajorPhases || fresh.PrintLunarTimes ||
                 fresh.PrintSunTimes);
    EXPECT_EQ(fresh.PhaseDensity, 0);
    EXPECT_FALSE(ObserverSettings.PrintSunTimes);

    const QString text = pdftest::Text(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("March 2024"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("SR:")));

    // Opened again, with density 60 and the Sun's times.
    Open();
    EXPECT_FALSE(options->chkSunTimes->isChecked());
    options->chkSunTimes->setChecked(true);
    options->txtDensity->setText(QStringLiteral("60"));
    Click(options->lblOK);
    EXPECT_EQ(Stored(QStringLiteral("PrintSunTimes")), QStringLiteral("True"));
    EXPECT_EQ(Stored(QStringLiteral("PhaseDensity")), QStringLiteral("60"));
    EXPECT_TRUE(pdftest::Text(pdf).contains(QStringLiteral("SR:")));
}

} // namespace
