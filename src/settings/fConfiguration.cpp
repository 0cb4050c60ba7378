// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/fConfiguration.h"

#include "platform/Platform.h"
#include "settings/ObserverSettings.h"
#include "settings/TSpinButton.h"
#include "ui/Language.h"
#include "ui/Windows.h"
#include "ui/frame/NumericKeyFilter.h"
#include "ui/state/AppState.h"
#include "ui/style/Style.h"
#include "zone/Places.h"
#include "zone/Zone.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStringListModel>
#include <QTimer>

#include <algorithm>
#include <cmath>

using namespace mainstyle;

namespace {

constexpr int TimeZoneCount = 49;
constexpr int UtIndex = 24;
const QString Laser = QStringLiteral("Laser");
const QString BWInkjet = QStringLiteral("BW Inkjet");
const QString ColourInkjet = QStringLiteral("Colour Inkjet");

const char* const DayOrders[] = {QT_TRANSLATE_NOOP("TConfiguration", "Sunday - Saturday"),
                                 QT_TRANSLATE_NOOP("TConfiguration", "Monday - Sunday"),
                                 QT_TRANSLATE_NOOP("TConfiguration", "Tuesday - Monday"),
                                 QT_TRANSLATE_NOOP("TConfiguration", "Wednesday - Tuesday"),
                                 QT_TRANSLATE_NOOP("TConfiguration", "Thursday - Wednesday"),
                                 QT_TRANSLATE_NOOP("TConfiguration", "Friday - Thursday"),
                                 QT_TRANSLATE_NOOP("TConfiguration", "Saturday - Friday")};

// The date layouts as the settings keep them; the list shows them in the language's letters.
const char* const DateLayouts[] = {
    //: day, month and year as a date layout shows them, in the language's letters
    QT_TRANSLATE_NOOP("TConfiguration", "DD/MM/YYYY"),
    //: month, day and year as a date layout shows them, in the language's letters
    QT_TRANSLATE_NOOP("TConfiguration", "MM/DD/YYYY")};

QString ValueBoxStyle(const char* kind) {
    return QStringLiteral("%1 { background: rgb(255, 255, 176); color: black; }")
        .arg(QLatin1String(kind));
}

QLabel* StaticLabel(QWidget* parent, const QString& text, int x, int y) {
    auto* label = new QLabel(text, parent);
    label->setFont(ArialPixels(11));
    label->setStyleSheet(TransparentLabelStyle(Aqua));
    label->adjustSize();
    label->move(x, y);
    return label;
}

QLineEdit* NumberEdit(QWidget* parent, const QRect& geometry, int maxLength) {
    auto* edit = new QLineEdit(parent);
    edit->setGeometry(geometry);
    edit->setMaxLength(maxLength);
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    InstallNumericKeyFilter(edit, 0);
    return edit;
}

QLabel* DirectionPanel(QWidget* parent, const QRect& geometry) {
    auto* panel = new QLabel(parent);
    panel->setGeometry(geometry);
    panel->setAlignment(Qt::AlignCenter);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return panel;
}

QComboBox* ListBox(QWidget* parent, const QRect& geometry, const QStringList& entries) {
    auto* list = new QComboBox(parent);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->addItems(entries);
    list->setGeometry(geometry);
    list->setMaxVisibleItems(12);
    return list;
}

// A typed entry matches a list entry whatever its case and blanks ("gmt+5:30" does not, but
// "gmt + 05:30" and "GMT+05:30" do).
QString Comparable(const QString& text) {
    QString out;
    for (QChar c : text)
        if (!c.isSpace()) out += c.toUpper();
    return out;
}

// True when the list's text names one of its entries.
bool NamesAnEntry(const QComboBox& list) {
    const QString typed = Comparable(list.currentText());
    for (int i = 0; i < list.count(); ++i)
        if (Comparable(list.itemText(i)) == typed) return true;
    return false;
}

// The entry the list's text names; a text that names none keeps the list's last choice.
int ChosenIndex(const QComboBox& list) {
    const QString typed = Comparable(list.currentText());
    for (int i = 0; i < list.count(); ++i)
        if (Comparable(list.itemText(i)) == typed) return i;
    return std::max(list.currentIndex(), 0);
}

QPixmap RadioFallback(bool set) {
    return LoadPicture(set ? QStringLiteral("radio_set.png") : QStringLiteral("radio_unset.png"),
                       QSize(13, 13), [set](QPainter& p, QSize size) {
                           p.setRenderHint(QPainter::Antialiasing);
                           p.setPen(Aqua);
                           p.setBrush(Qt::black);
                           p.drawEllipse(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1));
                           if (!set) return;
                           p.setBrush(Aqua);
                           p.drawEllipse(QRectF(3.5, 3.5, size.width() - 7, size.height() - 7));
                       });
}

QString Cut(const QString& text, int capacity) {
    return text.left(capacity);
}

// The painted picture with a fifth group under the printer's for the language row: the
// printer group's frame copied below it, 12 points taller (a row of its middle repeated),
// then the window's bottom edge.
QPixmap WithLanguageGroup(const QPixmap& picture) {
    if (picture.deviceIndependentSize().toSize() != QSize(284, 400)) return picture;
    const qreal ratio = picture.devicePixelRatio();
    QPixmap taller(QSize(284, 460) * ratio);
    taller.setDevicePixelRatio(ratio);
    taller.fill(Qt::black);
    QPainter p(&taller);
    // Rows [from, from + height) of the picture to `to`, in points.
    const auto rows = [&](int to, int from, int height) {
        p.drawPixmap(QRectF(0, to, 284, height), picture,
                     QRectF(0, from * ratio, 284 * ratio, height * ratio));
    };
    rows(0, 0, 386);
    rows(386, 338, 24);
    for (int y = 410; y < 422; ++y)
        rows(y, 361, 1);
    rows(422, 362, 24);
    rows(446, 386, 14);
    return taller;
}

} // namespace

TConfiguration::TConfiguration(QWidget* parent) : TFrame(parent) {
    setWindowTitle(tr("Configuration"));
    setBackground(WithLanguageGroup(
        LoadPicture(QStringLiteral("config.jpg"), QSize(284, 400), [](QPainter& p, QSize size) {
            p.fillRect(QRect(QPoint(0, 0), size), QColor(20, 30, 90));
            for (const QRect& group :
                 {QRect(10, 52, 264, 94), QRect(10, 154, 264, 64), QRect(10, 226, 264, 58),
                  QRect(10, 292, 264, 38), QRect(10, 338, 264, 46)})
                p.fillRect(group, Qt::black);
            p.setPen(QColor(220, 220, 255));
            p.drawText(QRect(40, 10, 204, 23), Qt::AlignCenter, tr("Configuration"));
            p.drawText(QRect(257, 14, 15, 15), Qt::AlignCenter, QStringLiteral("x"));
        })));
    setFixedSize(284, 460);
    addTitleLabel(QRect(40, 10, 204, 23));
    addExitLabel(QRect(258, 14, 13, 15));

    imgRBSet = RadioFallback(true);
    imgRBUnset = RadioFallback(false);

    CreateStaticLabels();
    CreatePositionRows();
    CreateListRows();
    CreatePrinterRow();
    CreateZoneRows();
    CreateLanguageRow();
    LayOutOffsetRow();
    SetTabOrder();
}

// A daylight caption longer than its place ends just before its box, the offset list giving
// way down to 96 points, and is set smaller where that is not enough.
void TConfiguration::LayOutOffsetRow() {
    if (lblDaylight->x() + lblDaylight->width() <= chkDaylightSavings->x() - 2) return;
    // The box moves to the group's right edge; the list keeps room for "GMT + 12:00".
    const int box = 250;
    chkDaylightSavings->move(box, chkDaylightSavings->y());
    const int listLeft = cmbTimeZone->x();
    constexpr int listLeast = 106;
    for (int pixels = 11; pixels >= 7; --pixels) {
        lblDaylight->setFont(ArialPixels(pixels));
        lblDaylight->adjustSize();
        const int captionLeft = box - 3 - lblDaylight->width();
        if (captionLeft - 4 - listLeft >= listLeast || pixels == 7) {
            lblDaylight->move(captionLeft, lblDaylight->y());
            cmbTimeZone->setGeometry(listLeft, cmbTimeZone->y(),
                                     std::max(listLeast, captionLeft - 4 - listLeft),
                                     cmbTimeZone->height());
            return;
        }
    }
}

void TConfiguration::CreateLanguageRow() {
    StaticLabel(this, tr("Language:"), 20, 396);
    QStringList names{language::ChoiceName(QStringLiteral("System"))};
    for (const char* code : ProgramLanguages)
        names << language::ChoiceName(QLatin1String(code));
    cmbLanguage = ListBox(this, QRect(100, 392, 164, 21), names);
    cmbLanguage->setEditable(false);
    cmbLanguage->setStyleSheet(ValueBoxStyle("QComboBox"));
    cmbLanguage->setToolTip(tr("The language of the windows, printouts, help page and saved "
                               "calendars; System follows the system's language"));
    lblLanguageNote = new QLabel(tr("A new language takes effect at the next start."), this);
    lblLanguageNote->setFont(ArialPixels(10));
    lblLanguageNote->setStyleSheet(TransparentLabelStyle(Yellow));
    lblLanguageNote->setWordWrap(true);
    lblLanguageNote->setGeometry(20, 416, 244, 26);
}

void TConfiguration::CreateStaticLabels() {
    StaticLabel(this, tr("Latitude:"), 20, 66);
    StaticLabel(this, tr("Longitude:"), 20, 94);
    StaticLabel(this, tr("Location:"), 20, 120);
    StaticLabel(this, tr("Day Order:"), 20, 168);
    StaticLabel(this, tr("Date Format:"), 20, 192);
    StaticLabel(this, tr("Zone:"), 20, 234);
    StaticLabel(this, tr("Place:"), 20, 260);
    StaticLabel(this, tr("Timezone:"), 20, 306);
    lblDaylight = StaticLabel(this, tr("DST:"), 210, 306);
}

void TConfiguration::CreatePositionRows() {
    txtLatDeg = NumberEdit(this, QRect(90, 63, 30, 20), 2);
    txtLatMin = NumberEdit(this, QRect(124, 63, 24, 20), 2);
    txtLatSec = NumberEdit(this, QRect(152, 63, 24, 20), 2);
    pNSDirection = DirectionPanel(this, QRect(180, 63, 50, 20));
    NSSpinButton = new TSpinButton(this, QRect(234, 62, 15, 22));

    txtLongDeg = NumberEdit(this, QRect(90, 91, 30, 20), 3);
    txtLongMin = NumberEdit(this, QRect(124, 91, 24, 20), 2);
    txtLongSec = NumberEdit(this, QRect(152, 91, 24, 20), 2);
    pEWDirection = DirectionPanel(this, QRect(180, 91, 50, 20));
    EWSpinButton = new TSpinButton(this, QRect(234, 90, 15, 22));

    txtLocation = new QLineEdit(this);
    txtLocation->setGeometry(90, 117, 174, 20);
    txtLocation->setMaxLength(64); // as much as the store keeps

    fields_[0] = {txtLatDeg, 2, 90, QT_TR_NOOP("Latitude degrees")};
    fields_[1] = {txtLatMin, 2, 59, QT_TR_NOOP("Latitude minutes")};
    fields_[2] = {txtLatSec, 2, 59, QT_TR_NOOP("Latitude seconds")};
    fields_[3] = {txtLongDeg, 3, 180, QT_TR_NOOP("Longitude degrees")};
    fields_[4] = {txtLongMin, 2, 59, QT_TR_NOOP("Longitude minutes")};
    fields_[5] = {txtLongSec, 2, 59, QT_TR_NOOP("Longitude seconds")};
    for (const NumberField& f : fields_) {
        f.edit->setStyleSheet(ValueBoxStyle("QLineEdit"));
        f.edit->installEventFilter(this);
    }
    txtLocation->setStyleSheet(ValueBoxStyle("QLineEdit"));
    pNSDirection->setStyleSheet(ValueBoxStyle("QLabel"));
    pEWDirection->setStyleSheet(ValueBoxStyle("QLabel"));

    connect(NSSpinButton, &TSpinButton::upClick, this, &TConfiguration::NSSpinButtonUpClick);
    connect(NSSpinButton, &TSpinButton::downClick, this, &TConfiguration::NSSpinButtonDownClick);
    connect(EWSpinButton, &TSpinButton::upClick, this, &TConfiguration::EWSpinButtonUpClick);
    connect(EWSpinButton, &TSpinButton::downClick, this, &TConfiguration::EWSpinButtonDownClick);
}

void TConfiguration::CreateListRows() {
    QStringList days;
    for (const char* d : DayOrders)
        days << tr(d);
    cmbDayOrder = ListBox(this, QRect(100, 164, 164, 21), days);
    QStringList layouts;
    for (const char* l : DateLayouts)
        layouts << tr(l);
    cmbDateFormat = ListBox(this, QRect(100, 188, 164, 21), layouts);
    QStringList zones;
    for (int i = 0; i < TimeZoneCount; ++i)
        zones << TimeZoneText(i);
    cmbTimeZone = ListBox(this, QRect(86, 302, 114, 21), zones);
    for (QComboBox* list : {cmbDayOrder, cmbDateFormat, cmbTimeZone})
        list->setStyleSheet(ValueBoxStyle("QComboBox"));

    chkDaylightSavings = new QCheckBox(this);
    chkDaylightSavings->setGeometry(240, 304, 18, 18);
}

void TConfiguration::CreateZoneRows() {
    QStringList names{tr("Fixed offset (below)"),
                      tr("Automatic (%1)").arg(QString::fromLatin1(QTimeZone::systemTimeZoneId()))};
    cmbZoneName = ListBox(this, QRect(70, 230, 194, 21), names);
    cmbZoneName->completer()->setFilterMode(Qt::MatchContains);
    cmbZoneName->completer()->setCompletionMode(QCompleter::PopupCompletion);
    cmbZoneName->setStyleSheet(ValueBoxStyle("QComboBox"));
    // Changing the fixed offset or the daylight switch means the fixed offset is wanted.
    auto chooseFixed = [this] { cmbZoneName->setCurrentIndex(0); };
    connect(cmbTimeZone, &QComboBox::activated, this, chooseFixed);
    connect(chkDaylightSavings, &QCheckBox::clicked, this, chooseFixed);

    txtPlace = new QLineEdit(this);
    txtPlace->setGeometry(70, 256, 194, 21);
    SetFittingPlaceholder(txtPlace, tr("type a city to search"));
    txtPlace->setStyleSheet(ValueBoxStyle("QLineEdit"));
    txtPlace->installEventFilter(this);
    lblPlaceNotFound = new QLabel(this);
    lblPlaceNotFound->setGeometry(70, 278, 194, 13);
    lblPlaceNotFound->setFont(ArialPoints(7));
    lblPlaceNotFound->setStyleSheet(QStringLiteral("QLabel { color: rgb(255, 255, 176); }"));
    lblPlaceNotFound->hide();
    auto* completer = new QCompleter(QStringList(), txtPlace);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setMaxVisibleItems(10);
    txtPlace->setCompleter(completer);
    connect(completer, qOverload<const QString&>(&QCompleter::activated), this,
            [this](const QString& text) { ChoosePlace(text); });
    connect(txtPlace, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (text.trimmed().size() >= 3 && txtPlace->completer()->completionCount() == 0)
            ShowPlaceNotFound();
        else
            lblPlaceNotFound->hide();
    });
}

// The zone ids and the places fill their lists at the first showing, not at the program's
// start (the window is created with the others at start-up).
void TConfiguration::FillZoneLists() {
    if (cmbZoneName->count() > 2) return;
    for (const QByteArray& id : QTimeZone::availableTimeZoneIds())
        cmbZoneName->addItem(QString::fromLatin1(id));
    QStringList labels;
    labels.reserve(Places().size());
    for (const TPlace& place : Places())
        labels << place.Label();
    txtPlace->completer()->setModel(new QStringListModel(labels, txtPlace->completer()));
}

// Says why nothing was found, under the box.
void TConfiguration::ShowPlaceNotFound() {
    const QString text = txtPlace->text().trimmed();
    if (text.isEmpty()) return;
    const QString where =
        HasWorldPlaces()
            ? tr("among the %L1 cities known here").arg(Places().size())
            : tr("among the %L1 principal cities of the zone table (this copy was built "
                 "without the world's cities)")
                  .arg(Places().size());
    // A short line under the box; the whole reason in its hint and for a screen reader.
    lblPlaceNotFound->setText(tr("Not found: type the coordinates above"));
    lblPlaceNotFound->setToolTip(tr("No place named \u201c%1\u201d %2. Type the latitude and "
                                    "longitude above, and choose the zone.")
                                     .arg(text, where));
    lblPlaceNotFound->setAccessibleName(lblPlaceNotFound->toolTip());
    lblPlaceNotFound->show();
}

QString TConfiguration::ChosenZoneName() const {
    const int index = ChosenIndex(*cmbZoneName);
    if (index <= 0) return {};
    if (index == 1) return QString::fromLatin1(AutomaticZone);
    return cmbZoneName->itemText(index);
}

bool TConfiguration::ChoosePlace(const QString& text) {
    TPlace chosen;
    if (const TPlace* place = PlaceOfLabel(text)) {
        chosen = *place;
    } else {
        // "City, Zone/Id" of the zone table.
        const QString id = text.section(QStringLiteral(", "), -1).trimmed();
        const TZonePlace* row = ZonePlaceOf(id.toLatin1());
        if (!row) return false;
        chosen.Name = row->City;
        chosen.ZoneId = row->ZoneId;
        chosen.Latitude = row->Latitude;
        chosen.Longitude = row->Longitude;
    }
    const auto fill = [](double degrees, int degreeDigits, QLineEdit* d, QLineEdit* m,
                         QLineEdit* sec) {
        const int seconds = static_cast<int>(std::lround(std::abs(degrees) * 3600));
        d->setText(QStringLiteral("%1").arg(seconds / 3600, degreeDigits, 10, QLatin1Char('0')));
        m->setText(QStringLiteral("%1").arg(seconds / 60 % 60, 2, 10, QLatin1Char('0')));
        sec->setText(QStringLiteral("%1").arg(seconds % 60, 2, 10, QLatin1Char('0')));
    };
    fill(chosen.Latitude, 2, txtLatDeg, txtLatMin, txtLatSec);
    fill(chosen.Longitude, 3, txtLongDeg, txtLongMin, txtLongSec);
    pNSDirection->setText(chosen.Latitude < 0 ? tr("South") : tr("North"));
    pEWDirection->setText(chosen.Longitude < 0 ? tr("West") : tr("East"));
    txtLocation->setText(Cut(chosen.ShortName(), txtLocation->maxLength()));
    txtLocation->setCursorPosition(0);
    const int zoneIndex = cmbZoneName->findText(QString::fromLatin1(chosen.ZoneId));
    if (zoneIndex >= 0) cmbZoneName->setCurrentIndex(zoneIndex);
    lblPlaceNotFound->hide();
    return true;
}

void TConfiguration::CreatePrinterRow() {
    struct Radio {
        TClickLabel*& picture;
        TClickLabel*& caption;
        const char* text;
        int x;
        void (TConfiguration::*pictureClick)();
        void (TConfiguration::*captionClick)();
    };
    const Radio radios[] = {
        {imgLaser, lblLaser, QT_TR_NOOP("Laser"), 20, &TConfiguration::imgLaserClick,
         &TConfiguration::lblLaserClick},
        {imgBWInkjet, lblBWInkjet, QT_TR_NOOP("B/W Inkjet"), 88, &TConfiguration::imgBWInkjetClick,
         &TConfiguration::lblBWInkjetClick},
        {imgColourInkjet, lblColourPrinter, QT_TR_NOOP("Colour Inkjet"), 176,
         &TConfiguration::imgColourInkjetClick, &TConfiguration::lblColourPrinterClick},
    };
    for (const Radio& r : radios) {
        r.picture = new TClickLabel(this, QRect(r.x, 351, 13, 13));
        r.picture->setPixmap(imgRBUnset);
        r.picture->setRadioChecked(false);
        r.picture->setCursor(Qt::PointingHandCursor);
        r.caption = new TClickLabel(this, QRect(r.x + 17, 350, 70, 15));
        r.caption->setText(tr(r.text));
        r.caption->setFont(ArialPixels(11));
        r.caption->setStyleSheet(TransparentLabelStyle(Aqua));
        r.caption->setCursor(Qt::PointingHandCursor);
        connect(r.picture, &TClickLabel::clicked, this, r.pictureClick);
        connect(r.caption, &TClickLabel::clicked, this, r.captionClick);
    }
    LayOutPrinterRow();
}

// Captions longer than the row's places (other languages) spread the three radios over the
// group's width, in a smaller face where they still do not fit.
void TConfiguration::LayOutPrinterRow() {
    TClickLabel* const pictures[3] = {imgLaser, imgBWInkjet, imgColourInkjet};
    TClickLabel* const captions[3] = {lblLaser, lblBWInkjet, lblColourPrinter};
    const auto widest = [&](const QFont& font) {
        int most = 0;
        for (TClickLabel* c : captions)
            most = std::max(most, QFontMetrics(font).horizontalAdvance(c->text()));
        return most;
    };
    if (widest(ArialPixels(11)) <= 70) return; // the design's places
    constexpr int left = 20, right = 266, gapLeast = 8;
    for (int pixels = 11; pixels >= 8; --pixels) {
        const QFont font = ArialPixels(pixels);
        int total = 0;
        for (TClickLabel* c : captions)
            total += 17 + QFontMetrics(font).horizontalAdvance(c->text()) + 1;
        if (total + 2 * gapLeast > right - left && pixels > 8) continue;
        const int gap = std::max(2, (right - left - total) / 2);
        int x = left;
        for (int i = 0; i < 3; ++i) {
            const int w = QFontMetrics(font).horizontalAdvance(captions[i]->text()) + 1;
            pictures[i]->move(x, pictures[i]->y());
            captions[i]->setFont(font);
            captions[i]->setGeometry(x + 17, captions[i]->y(), w, captions[i]->height());
            x += 17 + w + gap;
        }
        return;
    }
}

void TConfiguration::SetTabOrder() {
    QWidget* const order[] = {txtLatDeg,   txtLatMin,   txtLatSec,          NSSpinButton,
                              txtLongDeg,  txtLongMin,  txtLongSec,         EWSpinButton,
                              txtLocation, cmbDayOrder, cmbDateFormat,      cmbZoneName,
                              txtPlace,    cmbTimeZone, chkDaylightSavings, cmbLanguage};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    // Names a screen reader gives the controls (the captions beside them are painted).
    const std::pair<QWidget*, const char*> names[] = {
        {txtLatDeg, QT_TR_NOOP("Latitude degrees")},
        {txtLatMin, QT_TR_NOOP("Latitude minutes")},
        {txtLatSec, QT_TR_NOOP("Latitude seconds")},
        {NSSpinButton, QT_TR_NOOP("North or South")},
        {pNSDirection, QT_TR_NOOP("Latitude direction")},
        {txtLongDeg, QT_TR_NOOP("Longitude degrees")},
        {txtLongMin, QT_TR_NOOP("Longitude minutes")},
        {txtLongSec, QT_TR_NOOP("Longitude seconds")},
        {EWSpinButton, QT_TR_NOOP("East or West")},
        {pEWDirection, QT_TR_NOOP("Longitude direction")},
        {txtLocation, QT_TR_NOOP("Location")},
        {cmbDayOrder, QT_TR_NOOP("Day order")},
        {cmbDateFormat, QT_TR_NOOP("Date format")},
        {cmbZoneName, QT_TR_NOOP("Zone")},
        {txtPlace, QT_TR_NOOP("Place: type a city to search")},
        {cmbTimeZone, QT_TR_NOOP("Fixed offset from GMT")},
        {chkDaylightSavings, QT_TR_NOOP("Daylight saving")},
        {imgLaser, QT_TR_NOOP("Laser printer")},
        {imgBWInkjet, QT_TR_NOOP("Black and white inkjet printer")},
        {imgColourInkjet, QT_TR_NOOP("Colour inkjet printer")},
        {cmbLanguage, QT_TR_NOOP("Language")}};
    for (const auto& [control, name] : names) {
        control->setAccessibleName(tr(name));
        if (auto* list = qobject_cast<QComboBox*>(control); list && list->lineEdit())
            list->lineEdit()->setAccessibleName(tr(name));
    }
}

QString TConfiguration::TimeZoneText(int index) {
    if (index == UtIndex) return tr("GMT");
    const int minutes = (index - UtIndex) * 30;
    const int size = std::abs(minutes);
    return tr("GMT %1 %2:%3")
        .arg(minutes < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(size / 60, 2, 10, QLatin1Char('0'))
        .arg(size % 60, 2, 10, QLatin1Char('0'));
}

bool TConfiguration::IsMarked(const TClickLabel* radio) const {
    return radio && radio->pixmap().cacheKey() == imgRBSet.cacheKey();
}

// --- showing and filling ------------------------------------------------------------------

void TConfiguration::FormShow() {
    if (const QWidget* main = MainWidget()) {
        const QPoint at = CentredOn(*main, size());
        move(Clamp(at, size(), screenArea(at), ClampOrder::LeftFirst));
    }
    FormActivate();
    // Typing replaces the first field.
    txtLocation->setFocus(Qt::OtherFocusReason);
    txtLocation->selectAll();
}

void TConfiguration::FormActivate() {
    if (filled_) return;
    filled_ = true;
    FillZoneLists();
    const TObserverSettings& s = ObserverSettings;
    txtLocation->setText(s.Location);
    txtLocation->setCursorPosition(0);
    txtLatDeg->setText(s.LatDeg);
    txtLatMin->setText(s.LatMin);
    txtLatSec->setText(s.LatSec);
    txtLongDeg->setText(s.LongDeg);
    txtLongMin->setText(s.LongMin);
    txtLongSec->setText(s.LongSec);
    pNSDirection->setText(s.LatDir == QLatin1String("South") ? tr("South") : tr("North"));
    pEWDirection->setText(s.LongDir == QLatin1String("West") ? tr("West") : tr("East"));
    cmbDayOrder->setCurrentIndex(std::clamp<int>(s.DayOrder, 0, cmbDayOrder->count() - 1));
    cmbDateFormat->setCurrentIndex(std::clamp<int>(s.DateLayoutIdx, 0, 1));
    chkDaylightSavings->setChecked(s.DaylightSavings);
    cmbTimeZone->setCurrentIndex(
        std::clamp(static_cast<int>(s.TimeZoneIndex), 0, TimeZoneCount - 1));
    ChoosePrinterType(s.PrinterType);
    if (s.ZoneName.isEmpty())
        cmbZoneName->setCurrentIndex(0);
    else if (s.ZoneName == QLatin1String(AutomaticZone))
        cmbZoneName->setCurrentIndex(1);
    else
        cmbZoneName->setCurrentIndex(std::max(cmbZoneName->findText(s.ZoneName), 0));
    txtPlace->clear();
    int languageIndex = 0;
    for (std::size_t i = 0; i < std::size(ProgramLanguages); ++i)
        if (s.Language == QLatin1String(ProgramLanguages[i]))
            languageIndex = static_cast<int>(i) + 1;
    cmbLanguage->setCurrentIndex(languageIndex);
}

void TConfiguration::changeEvent(QEvent* event) {
    TFrame::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TConfiguration::hideEvent(QHideEvent* event) {
    TFrame::hideEvent(event);
    filled_ = false;
}

// --- position -----------------------------------------------------------------------------

void TConfiguration::NSSpinButtonUpClick() {
    pNSDirection->setText(pNSDirection->text() == tr("North") ? tr("South") : tr("North"));
}

void TConfiguration::NSSpinButtonDownClick() {
    NSSpinButtonUpClick();
}

void TConfiguration::EWSpinButtonUpClick() {
    pEWDirection->setText(pEWDirection->text() == tr("East") ? tr("West") : tr("East"));
}

void TConfiguration::EWSpinButtonDownClick() {
    EWSpinButtonUpClick();
}

const TConfiguration::NumberField* TConfiguration::FieldOf(const QObject* edit) const {
    for (const NumberField& f : fields_)
        if (f.edit == edit) return &f;
    return nullptr;
}

namespace {
bool InRange(const QString& text, int highest) {
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok && value >= 0 && value <= highest;
}
} // namespace

bool TConfiguration::LeaveNumberEdit(const NumberField& field) {
    const QString text = field.edit->text();
    if (text.size() < field.width) field.edit->setText(text.rightJustified(field.width, '0'));
    if (InRange(field.edit->text(), field.highest)) return true;
    Refuse(field);
    return false;
}

// A position out of range would quietly spoil every computation, so it is not taken: the user
// is told the field's range and the edit gets the focus back, keeping its text.
void TConfiguration::Refuse(const NumberField& field) {
    refusing_ = true;
    platform::ShowMessage(
        this, tr("%1 must be a number from 0 to %2.").arg(tr(field.name)).arg(field.highest));
    refusing_ = false;
    QLineEdit* edit = field.edit;
    // The focus may still be on its way to the next control; take it back once it has arrived.
    QTimer::singleShot(0, edit, [edit] {
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
    });
    edit->setFocus(Qt::OtherFocusReason);
}

const TConfiguration::NumberField* TConfiguration::FirstFieldOutOfRange() const {
    for (const NumberField& f : fields_)
        if (!InRange(f.edit->text(), f.highest)) return &f;
    return nullptr;
}

// Each field may be in range while the position is not: 90 30 00 North, 180 30 00 East.
const TConfiguration::NumberField* TConfiguration::FirstPositionBeyondLimit() const {
    for (int degrees : {0, 3})
        if (settingsstore::BeyondLimit(fields_[degrees].edit->text(),
                                       fields_[degrees + 1].edit->text(),
                                       fields_[degrees + 2].edit->text(), fields_[degrees].highest))
            return &fields_[degrees + 1];
    return nullptr;
}

void TConfiguration::RefusePosition(const NumberField& minutes) {
    const bool latitude = &minutes == &fields_[1];
    platform::ShowMessage(this, latitude ? tr("The latitude cannot exceed 90\u00B0.")
                                         : tr("The longitude cannot exceed 180\u00B0."));
    minutes.edit->setFocus(Qt::OtherFocusReason);
    minutes.edit->selectAll();
}

bool TConfiguration::txtLatDegExit() {
    return LeaveNumberEdit(fields_[0]);
}
bool TConfiguration::txtLatMinExit() {
    return LeaveNumberEdit(fields_[1]);
}
bool TConfiguration::txtLatSecExit() {
    return LeaveNumberEdit(fields_[2]);
}
bool TConfiguration::txtLongDegExit() {
    return LeaveNumberEdit(fields_[3]);
}
bool TConfiguration::txtLongMinExit() {
    return LeaveNumberEdit(fields_[4]);
}
bool TConfiguration::txtLongSecExit() {
    return LeaveNumberEdit(fields_[5]);
}

// Leaving a number edit for another control of the window runs its exit handler; losing the
// focus because another window came up (a message, another program) does not.
bool TConfiguration::eventFilter(QObject* watched, QEvent* event) {
    // In the Place box Escape closes its list only, and Enter takes the place typed: neither
    // reaches the window (which would close, or save and close).
    if (watched == txtPlace && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        QAbstractItemView* list = txtPlace->completer()->popup();
        const bool listShown = list && list->isVisible();
        if (key == Qt::Key_Escape && listShown) {
            list->hide();
            event->accept();
            return true;
        }
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !listShown &&
            !txtPlace->text().trimmed().isEmpty()) {
            if (!ChoosePlace(txtPlace->text())) ShowPlaceNotFound();
            event->accept();
            return true;
        }
    }
    if (event->type() == QEvent::FocusOut && !refusing_) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        const NumberField* field = FieldOf(watched);
        if (field && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            LeaveNumberEdit(*field);
    }
    return TFrame::eventFilter(watched, event);
}

// --- printer type -------------------------------------------------------------------------

// Any type other than the two inkjets marks Laser; the chosen type stays as given.
void TConfiguration::ChoosePrinterType(const QString& type) {
    PrinterType = Cut(type, 15);
    const bool bw = type == BWInkjet;
    const bool colour = type == ColourInkjet;
    imgLaser->setPixmap(!bw && !colour ? imgRBSet : imgRBUnset);
    imgBWInkjet->setPixmap(bw ? imgRBSet : imgRBUnset);
    imgColourInkjet->setPixmap(colour ? imgRBSet : imgRBUnset);
    imgLaser->setRadioChecked(!bw && !colour);
    imgBWInkjet->setRadioChecked(bw);
    imgColourInkjet->setRadioChecked(colour);
}

void TConfiguration::imgLaserClick() {
    ChoosePrinterType(Laser);
}
void TConfiguration::imgBWInkjetClick() {
    ChoosePrinterType(BWInkjet);
}
void TConfiguration::imgColourInkjetClick() {
    ChoosePrinterType(ColourInkjet);
}
void TConfiguration::lblLaserClick() {
    imgLaserClick();
}
void TConfiguration::lblBWInkjetClick() {
    imgBWInkjetClick();
}
void TConfiguration::lblColourPrinterClick() {
    imgColourInkjetClick();
}

// --- saving and closing -------------------------------------------------------------------

void TConfiguration::lblExitClick() {
    for (const NumberField& f : fields_)
        if (f.edit->text().size() < f.width)
            f.edit->setText(f.edit->text().rightJustified(f.width, '0'));
    if (const NumberField* bad = FirstFieldOutOfRange()) {
        Refuse(*bad);
        return;
    }
    if (const NumberField* beyond = FirstPositionBeyondLimit()) {
        RefusePosition(*beyond);
        return;
    }
    if (!ListsNameTheirEntries()) return;
    SaveIntoSettings();
    // The values apply even when the store cannot be written; the user is told why.
    if (!settingsstore::SaveConfiguration(ObserverSettings))
        platform::ShowMessage(this, settingsstore::NotSavedMessage());
    if (const QString notice = settingsstore::TakeNotice(); !notice.isEmpty())
        platform::ShowMessage(this, notice);
    close();
}

// A typed text the list does not offer would be stored as it is (a date format) or dropped
// (a zone): it is refused, as a number out of range is, and the list gets the focus back.
bool TConfiguration::ListsNameTheirEntries() {
    const struct {
        QComboBox* list;
        const char* what;
    } lists[] = {{cmbDayOrder, QT_TR_NOOP("first day of the week")},
                 {cmbDateFormat, QT_TR_NOOP("date format")},
                 {cmbZoneName, QT_TR_NOOP("zone")},
                 {cmbTimeZone, QT_TR_NOOP("offset from UT")}};
    for (const auto& [list, what] : lists) {
        if (NamesAnEntry(*list)) continue;
        const QString typed = list->currentText().left(64);
        platform::ShowMessage(this,
                              list == cmbZoneName
                                  ? tr("The zone \"%1\" is not known to this system. Choose one "
                                       "from the list (type part of its name to find it).")
                                        .arg(typed)
                                  : tr("The %1 \"%2\" is not one the list offers. Choose one "
                                       "from the list.")
                                        .arg(tr(what), typed));

        list->setFocus(Qt::OtherFocusReason);
        if (list->lineEdit()) list->lineEdit()->selectAll();
        return false;
    }
    return true;
}

void TConfiguration::SaveIntoSettings() {
    TObserverSettings& s = ObserverSettings;
    s.LatDeg = Cut(txtLatDeg->text(), 3);
    s.LatMin = Cut(txtLatMin->text(), 2);
    s.LatSec = Cut(txtLatSec->text(), 2);
    s.LatDir =
        pNSDirection->text() == tr("South") ? QStringLiteral("South") : QStringLiteral("North");
    s.LongDeg = Cut(txtLongDeg->text(), 3);
    s.LongMin = Cut(txtLongMin->text(), 2);
    s.LongSec = Cut(txtLongSec->text(), 2);
    s.LongDir =
        pEWDirection->text() == tr("West") ? QStringLiteral("West") : QStringLiteral("East");
    s.Location = Cut(txtLocation->text(), 64);
    s.DayOrder = static_cast<std::uint8_t>(ChosenIndex(*cmbDayOrder));
    s.DateLayoutIdx = static_cast<std::uint8_t>(ChosenIndex(*cmbDateFormat));
    s.DateFormat = QLatin1String(DateLayouts[std::clamp(ChosenIndex(*cmbDateFormat), 0, 1)]);
    s.TimeZoneIndex = ChosenIndex(*cmbTimeZone);
    s.DaylightSavings = chkDaylightSavings->isChecked();
    s.ZoneName = ChosenZoneName();
    s.PrinterType = PrinterType;
    const int languageIndex = cmbLanguage->currentIndex();
    s.Language =
        languageIndex >= 1 && languageIndex <= static_cast<int>(std::size(ProgramLanguages))
            ? QString::fromLatin1(ProgramLanguages[languageIndex - 1])
            : QStringLiteral("System");
}

void TConfiguration::closeEvent(QCloseEvent* event) {
    TFrame::closeEvent(event);
    FormClose();
}

void TConfiguration::FormClose() {
    if (TAppState* state = SharedState()) state->ApplySettings(ObserverSettings);
}
