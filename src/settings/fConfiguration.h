// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration window: the observer's position and place name, the calendar's first
// weekday, the date format, the time zone with daylight saving, and the printer type. It edits
// the values in its controls and writes them to ObserverSettings and the store when the user
// leaves it by its exit button, the only way out.
#pragma once

#include "ui/frame/TFrame.h"

#include <QPixmap>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class TSpinButton;

class TConfiguration : public TFrame {
    Q_OBJECT
  public:
    explicit TConfiguration(QWidget* parent = nullptr);

    // Number edits (digits only; padded with zeros when left).
    QLineEdit* txtLatDeg = nullptr;
    QLineEdit* txtLatMin = nullptr;
    QLineEdit* txtLatSec = nullptr;
    QLineEdit* txtLongDeg = nullptr;
    QLineEdit* txtLongMin = nullptr;
    QLineEdit* txtLongSec = nullptr;
    // Sunken panels showing "North"/"South" and "East"/"West"; the spin buttons toggle them.
    QLabel* pNSDirection = nullptr;
    QLabel* pEWDirection = nullptr;
    TSpinButton* NSSpinButton = nullptr;
    TSpinButton* EWSpinButton = nullptr;
    QLineEdit* txtLocation = nullptr;
    QComboBox* cmbDayOrder = nullptr;   // index = first weekday, 0 Sunday
    QComboBox* cmbDateFormat = nullptr; // 0 day first, 1 month first
    QComboBox* cmbTimeZone = nullptr;   // 49 entries, index = half hours east of GMT - 12:00
    QCheckBox* chkDaylightSavings = nullptr;
    // Zone by name: entry 0 the fixed offset above, 1 the system's zone, then the database's
    // zones; typing filters.
    QComboBox* cmbZoneName = nullptr;
    // Place by name ("Boston, Massachusetts, United States"), searched as typed; choosing one
    // fills the position, the location and the zone.
    QLineEdit* txtPlace = nullptr;
    // Under the Place box: why a typed name found nothing.
    QLabel* lblPlaceNotFound = nullptr;
    // Printer type radio pictures and their captions.
    TClickLabel* imgLaser = nullptr;
    TClickLabel* imgBWInkjet = nullptr;
    TClickLabel* imgColourInkjet = nullptr;
    TClickLabel* lblLaser = nullptr;
    TClickLabel* lblBWInkjet = nullptr;
    TClickLabel* lblColourPrinter = nullptr;
    // The program's language: entry 0 the system's, then English, French, German, Spanish
    // (ProgramLanguages); the note under it says a new choice takes effect at the next start.
    QComboBox* cmbLanguage = nullptr;
    QLabel* lblDaylight = nullptr; // "DST:", before chkDaylightSavings

    QLabel* lblLanguageNote = nullptr;

    // "GMT", or "GMT - 05:30" / "GMT + 12:00": the time zone list entry of index 0..48.
    static QString TimeZoneText(int index);

    // The printer type the radio pictures show as chosen (up to 15 characters).
    const QString& ChosenPrinterType() const { return PrinterType; }
    // True when the radio picture shows the chosen picture.
    bool IsMarked(const TClickLabel* radio) const;

    // The ZoneName the zone list shows: "", "Automatic" or a zone's name.
    QString ChosenZoneName() const;
    // Takes the place labelled `text` (or the zone table row "City, Zone/Id"); false when none.
    bool ChoosePlace(const QString& text);

    // Fills the controls from ObserverSettings (once per showing, so that switching to another
    // program and back keeps the edits in progress).
    void FormActivate();

  public slots:
    // Saves every value (in memory and in the store) and closes; refused while a number edit
    // holds a value out of its range.
    void lblExitClick() override;

    void NSSpinButtonUpClick();
    void NSSpinButtonDownClick();
    void EWSpinButtonUpClick();
    void EWSpinButtonDownClick();

    // Leaving a number edit: padded with zeros; a value out of range is refused with a message
    // and the focus goes back to the edit. False when refused.
    bool txtLatDegExit();
    bool txtLatMinExit();
    bool txtLatSecExit();
    bool txtLongDegExit();
    bool txtLongMinExit();
    bool txtLongSecExit();

    void imgLaserClick();
    void imgBWInkjetClick();
    void imgColourInkjetClick();
    void lblLaserClick();
    void lblBWInkjetClick();
    void lblColourPrinterClick();

  protected:
    void FormShow() override;
    // Enter saves and closes like the close button; Escape closes without saving.
    bool FormEnter() override {
        lblExitClick();
        return true;
    }
    void FormEscape() override { close(); }
    // After every close: the main window's zone, daylight saving and observer, and its redraw.
    void FormClose();

    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct NumberField {
        QLineEdit* edit;
        int width;   // padded width in characters
        int highest; // largest value accepted
        const char* name;
    };

    void CreateStaticLabels();
    void CreatePositionRows();
    void CreateListRows();
    void CreateLanguageRow();
    void LayOutPrinterRow();
    void LayOutOffsetRow();
    void CreatePrinterRow();
    void CreateZoneRows();
    void FillZoneLists();
    void ShowPlaceNotFound();
    void SetTabOrder();

    const NumberField* FieldOf(const QObject* edit) const;
    bool LeaveNumberEdit(const NumberField& field);
    void Refuse(const NumberField& field);
    bool ListsNameTheirEntries();
    // The first number edit out of its range, or nullptr.
    const NumberField* FirstFieldOutOfRange() const;
    const NumberField* FirstPositionBeyondLimit() const;
    void RefusePosition(const NumberField& minutes);

    void ChoosePrinterType(const QString& type);
    void SaveIntoSettings();

    QPixmap imgRBSet;
    QPixmap imgRBUnset;
    QString PrinterType; // the chosen printer type
    NumberField fields_[6] = {};
    bool filled_ = false;   // controls filled since the window was shown
    bool refusing_ = false; // a refusal message is up
};
