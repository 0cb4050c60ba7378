// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/reports/fFeaturesDB.h"

#include "data/Folders.h"
#include "platform/Platform.h"
#include "ui/Windows.h"
#include "ui/frame/NumericKeyFilter.h"
#include "ui/reports/ListScrolling.h"
#include "ui/reports/fFeatures.h"
#include "ui/style/FeatureStyle.h"
#include "ui/style/PaintedTexts.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>

using namespace featurestyle;

namespace {
constexpr int kCreatedWidth = 565;
constexpr int kFrameWidth = 505; // width of the frame picture; Edit1 lies beyond it
constexpr int kHeight = 393;
constexpr int kListLeft = 20;
constexpr int kListTop = 62; // top of the scroll bar and of the list on the window
constexpr int kRowHeight = 16;
constexpr int kBoxHeight = 19;

QLineEdit* Box(QWidget* parent, QRect geometry, int maxLength) {
    auto* box = new QLineEdit(parent);
    box->setFont(ScaledFont(QStringLiteral("Arial"), 8));
    box->setGeometry(geometry);
    box->setFixedHeight(kBoxHeight);
    if (maxLength > 0) box->setMaxLength(maxLength);
    return box;
}

// A plain face for the action button when its picture is missing.
QPixmap ButtonFace(const QString& caption) {
    QPixmap face(80, 23);
    face.fill(QColor(60, 60, 90));
    QPainter painter(&face);
    painter.setPen(Aqua);
    painter.drawRect(face.rect().adjusted(0, 0, -1, -1));
    painter.setFont(ScaledFont(QStringLiteral("Arial"), 8, true));
    painter.drawText(face.rect(), Qt::AlignCenter, caption);
    return face;
}

QPixmap PictureOr(const QString& resource, const QString& caption) {
    const QPixmap picture = mainstyle::SkinPicture(resource);
    return picture.isNull() ? ButtonFace(caption) : picture;
}

// The face of imgEdit (Add or Update), its painted caption in the shown language.
QPixmap EditFace(const QString& resource, const char* english) {
    const QString shown = TFeaturesDB::tr(english);
    QPixmap picture = PictureOr(resource, shown);
    if (shown != QLatin1String(english) &&
        picture.deviceIndependentSize().toSize() == QSize(80, 23)) {
        const paintedtexts::PaintedText face{"TFeaturesDB",
                                             english,
                                             QRect(3, 3, 74, 17),
                                             3,
                                             12,
                                             true,
                                             QColor(228, 236, 255),
                                             QColor(0, 0, 0, 200),
                                             Qt::AlignCenter};
        paintedtexts::RepaintCaption(picture, face, shown);
    }
    return picture;
}
} // namespace

TFeaturesDB::TFeaturesDB(QWidget* parent) : TFrame(parent) {
    setWindowTitle(TFeaturesDB::tr("Lunar Features Database Screen"));
    setFont(QFont(QStringLiteral("Arial")));
    resize(kCreatedWidth, kHeight);
    setBackground(mainstyle::SkinPicture(QStringLiteral("featuresdb.jpg")), false);
    addTitleLabel(QRect(60, 10, 385, 23));
    addExitLabel(QRect(kFrameWidth - 26, 14, 13, 15), TFeaturesDB::tr("Exit Cresselle"));
    connect(lblTitle, &TClickLabel::mouseDown, this,
            [this](Qt::MouseButton, QPoint pos) { FormMouseDown(lblTitle->mapTo(this, pos)); });

    Label2 = AquaCaption(this, TFeaturesDB::tr("Feature Name"), {32, 42});
    Label3 = AquaCaption(this, TFeaturesDB::tr("Lunar Longitude"), {244, 42});
    Label7 = AquaCaption(this, TFeaturesDB::tr("Lunar Latitude"), {348, 42});
    Label4 = AquaCaption(this, TFeaturesDB::tr("Feature Name"), {32, 299});
    Label5 = AquaCaption(this, TFeaturesDB::tr("Lunar Longitude"), {32, 323});
    Label9 = AquaCaption(this, TFeaturesDB::tr("Lunar Latitude"), {32, 346});
    // Each caption ends before its column or its box.
    FitCaption(Label2, 244 - 32 - 4);
    FitCaption(Label3, 348 - 244 - 4);
    FitCaption(Label7, 487 - 348 - 4);
    for (QLabel* caption : {Label4, Label5, Label9})
        FitCaption(caption, 130 - 32 - 3);
    Label1 = AquaCaption(this, QStringLiteral("\u00B0"), {194, 323});

    Label6 = AquaCaption(this, QStringLiteral("\u00B0"), {194, 347});

    txtFeatureName = Box(this, QRect(130, 296, 157, kBoxHeight), 0);
    txtLongitude = Box(this, QRect(130, 320, 61, kBoxHeight), FeatureCoordinateCapacity);
    txtLatitude = Box(this, QRect(130, 344, 61, kBoxHeight), FeatureCoordinateCapacity);
    Edit1 = Box(this, QRect(518, 12, 40, kBoxHeight), 0);
    Edit1->setFocusPolicy(Qt::ClickFocus); // reached only from code, never by Tab
    // The search box sits in the edit panel, right of the latitude box.
    lblFind = AquaCaption(this, TFeaturesDB::tr("Find"), {222, 347});
    txtFind = Box(this, QRect(252, 344, 128, kBoxHeight), FeatureNameCapacity);
    if (lblFind->width() > txtFind->x() - lblFind->x() - 3) {
        // A longer caption starts after the degree sign and the box gives way.
        lblFind->move(204, lblFind->y());
        const int left = lblFind->x() + lblFind->width() + 4;
        txtFind->setGeometry(left, txtFind->y(), txtFind->x() + txtFind->width() - left,
                             txtFind->height());
    }
    mainstyle::SetFittingPlaceholder(txtFind, TFeaturesDB::tr("part of a name"));

    connect(txtFind, &QLineEdit::textEdited, this, &TFeaturesDB::txtFindChange);
    txtFind->installEventFilter(this);
    txtFeatureName->installEventFilter(this);
    setTabOrder(txtFeatureName, txtLongitude);
    setTabOrder(txtLongitude, txtLatitude);
    setTabOrder(txtLatitude, txtFind);
    for (QLineEdit* box : {txtLongitude, txtLatitude}) {
        InstallNumericKeyFilter(box, 1);
        box->installEventFilter(this);
    }

    imgAdd = {EditFace(QStringLiteral(":/feature_add.png"), QT_TR_NOOP("Add")), 100};
    imgUpdate = {EditFace(QStringLiteral(":/feature_update.png"), QT_TR_NOOP("Update")), 101};
    imgEdit = new TClickLabel(this, QRect(390, 295, 80, 23));
    imgEdit->setCursor(Qt::PointingHandCursor);
    connect(imgEdit, &TClickLabel::clicked, this, &TFeaturesDB::imgEditClick);
    lblCancel = new TClickLabel(this, QRect(390, 318, 79, 23));
    lblCancel->setCursor(Qt::PointingHandCursor);
    connect(lblCancel, &TClickLabel::clicked, this, &TFeaturesDB::lblCancelClick);
    lblDelete = new TClickLabel(this, QRect(392, 344, 79, 23));
    lblDelete->setCursor(Qt::PointingHandCursor);
    connect(lblDelete, &TClickLabel::clicked, this, &TFeaturesDB::lblDeleteClick);
    lblDelete->setToolTip(TFeaturesDB::tr("Delete the selected feature (Ctrl+Z puts it back)"));

    ScrollBar1 = new QScrollBar(Qt::Vertical, this);
    ScrollBar1->setRange(0, 0);
    ScrollBar1->setPageStep(VisibleRows);
    ScrollBar1->setGeometry(449 + 19, kListTop, 16, 207);
    connect(ScrollBar1, &QScrollBar::valueChanged, this, &TFeaturesDB::DisplayDataBitmap);
    FormCreate();
}

void TFeaturesDB::FormCreate() {
    setFixedSize(background().isNull() ? kFrameWidth
                                       : qRound(background().deviceIndependentSize().width()),
                 kHeight);
    imgData = mainstyle::DisplayPixmap(QSize(449, VisibleRows * kRowHeight));
    imgData.fill(Qt::black);
    SetMode(imgAdd);
}

void TFeaturesDB::SetMode(const TPicture& face) {
    imgEdit->setPixmap(face.Picture);
    imgEditTag = face.Tag;
}

// --- showing and activation ----------------------------------------------------------------

// Centred across the visibility window, 40 pixels below its top, kept on the screen.
void TFeaturesDB::FormShow() {
    QPoint at = pos();
    if (const TFeatures* features = Windows().Features)
        at = {features->x() + (features->width() - width()) / 2, features->y() + 40};
    move(Clamp(at, size(), screenArea(at), ClampOrder::LeftFirst));
    // Loaded here as well as on activation, for window systems that do not activate it.
    FormActivate();
}

void TFeaturesDB::FormActivate() {
    for (QLineEdit* box : {txtFeatureName, txtLongitude, txtLatitude})
        box->setFixedHeight(kBoxHeight);
    LoadFeatures(StringGrid1);
    RefreshOrder();
    SetScrollMaximum();
    ScrollBar1->setGeometry(mainstyle::PointSize(imgData).width() + 19, kListTop, 16, 207);
    DisplayDataBitmap();
}

void TFeaturesDB::SetScrollMaximum() {
    const int rows = StringGrid1.RowCount();
    ScrollBar1->setMinimum(0);
    ScrollBar1->setMaximum(rows >= VisibleRows + 2 ? rows - (VisibleRows + 1) : 0);
}

void TFeaturesDB::RefreshOrder() {
    found_ = -1;
    order_ = ReaderOrder(StringGrid1);
}

// The first matching name comes to the top of the list (as far as the list scrolls).
void TFeaturesDB::txtFindChange() {
    const int found = FindFeature(StringGrid1, order_, txtFind->text());
    found_ = found;
    if (found >= 0) ScrollBar1->setValue(found);
    DisplayDataBitmap();
}

void TFeaturesDB::changeEvent(QEvent* event) {
    TFrame::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isVisible() && isActiveWindow())
        FormActivate();
}

// The visibility window recomputes from the file as it now stands.
void TFeaturesDB::FormClose() {
    if (TFeatures* features = Windows().Features) {
        features->DisplaySunRiseSetTimes();
        features->DisplayDataBitmap();
    }
}

void TFeaturesDB::closeEvent(QCloseEvent* event) {
    pendingExit_ = nullptr;
    undo_.reset();
    TFrame::closeEvent(event);
    FormClose();
}

// --- the list ------------------------------------------------------------------------------

void TFeaturesDB::DisplayDataBitmap() {
    const int visible = std::min(StringGrid1.RowCount() - 1, VisibleRows);
    const int first = ScrollBar1->value();
    if (static_cast<int>(order_.size()) != StringGrid1.RowCount() - 1) RefreshOrder();
    imgData.fill(Qt::black);
    QPainter painter(&imgData);
    FillListStripes(painter, visible, first, mainstyle::PointSize(imgData).width(), kRowHeight);
    if (found_ >= first && found_ < first + visible) {
        painter.setPen(Aqua);
        painter.drawRect(QRect(0, kRowHeight * (found_ - first),
                               mainstyle::PointSize(imgData).width() - 2, kRowHeight - 1));
    }
    painter.setFont(ScaledFont(QStringLiteral("Arial"), 8));
    auto text = [&](int x, int y, const QColor& colour, const QString& s) {
        painter.setPen(colour);
        painter.drawText(QRect(x, y, mainstyle::PointSize(imgData).width() - x, kRowHeight),
                         Qt::AlignLeft | Qt::AlignTop, s);
    };
    // A leading minus stands just left of the digits so that the columns line up.
    auto coordinate = [&](int x, int y, const QColor& colour, const QString& s) {
        if (s.startsWith(QLatin1Char('-'))) {
            text(x - 5, y, colour, QStringLiteral("-"));
            text(x, y, colour, s.mid(1));
        } else {
            text(x, y, colour, s);
        }
    };
    for (int k = 0; k < visible; ++k) {
        const int shown = k + first;
        if (shown >= static_cast<int>(order_.size())) break; // the blank row at the end
        const int row = order_[static_cast<std::size_t>(shown)];
        const int y = kRowHeight * k + 1;
        text(10, y, ValueTextColour, StringGrid1.Cell(0, row));
        coordinate(250, y, Aqua, StringGrid1.Cell(1, row));
        coordinate(350, y, Qt::white, StringGrid1.Cell(2, row));
    }
    painter.end();
    update();
}

void TFeaturesDB::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (background().isNull())
        DrawFallbackFrame(painter);
    else
        painter.drawPixmap(0, 0, background());
    painter.drawPixmap(kListLeft, ScrollBar1->y(), imgData);
}

// Plain frame for when the window's picture is missing.
void TFeaturesDB::DrawFallbackFrame(QPainter& painter) {
    painter.fillRect(rect(), QColor(40, 40, 60));
    painter.setPen(Aqua);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setFont(ScaledFont(QStringLiteral("Arial"), 10, true));
    painter.drawText(QRect(60, 10, 385, 23), Qt::AlignCenter, windowTitle());
    painter.drawText(lblExit->geometry(), Qt::AlignCenter, QStringLiteral("x"));
    painter.setFont(ScaledFont(QStringLiteral("Arial"), 8, true));
    painter.fillRect(lblCancel->geometry(), QColor(60, 60, 90));
    painter.drawRect(lblCancel->geometry().adjusted(0, 0, -1, -1));
    painter.drawText(lblCancel->geometry(), Qt::AlignCenter, TFeaturesDB::tr("Cancel"));
    painter.fillRect(lblDelete->geometry(), QColor(60, 60, 90));
    painter.drawRect(lblDelete->geometry().adjusted(0, 0, -1, -1));
    painter.drawText(lblDelete->geometry(), Qt::AlignCenter, TFeaturesDB::tr("Delete"));
}

// --- selection -----------------------------------------------------------------------------

void TFeaturesDB::mousePressEvent(QMouseEvent* event) {
    FormMouseDown(event->position().toPoint());
    TFrame::mousePressEvent(event);
}

// The second press of a double-click is a mouse-down too.
void TFeaturesDB::mouseDoubleClickEvent(QMouseEvent* event) {
    FormMouseDown(event->position().toPoint());
    FormDblClick();
}

void TFeaturesDB::wheelEvent(QWheelEvent* event) {
    listscrolling::ScrollByWheel(*ScrollBar1, *event, wheelDelta_);
    event->accept();
}

// List keys scroll the list unless an edit box is being typed in (the search box passes the
// rows keys on, so a match can be looked around).
void TFeaturesDB::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Undo) && UndoLastChange()) return;
    if (!listscrolling::ScrollByKey(*ScrollBar1, event->key())) TFrame::keyPressEvent(event);
}

void TFeaturesDB::FormMouseDown(QPoint pos) {
    lastMouseDown_ = pos;
}

void TFeaturesDB::FormDblClick() {
    const int visible = std::min(StringGrid1.RowCount() - 1, VisibleRows);
    const int top = ScrollBar1->y();
    const int x = lastMouseDown_.x();
    const int y = lastMouseDown_.y();
    if (!(kListLeft < x && x < mainstyle::PointSize(imgData).width() + 19 && top < y &&
          y < top + kRowHeight * visible))
        return;
    const int shown = (y - top) / kRowHeight + ScrollBar1->value();
    // The blank last row (shown when the list is scrolled to its end) is no feature.
    if (shown >= static_cast<int>(order_.size())) return;
    const int row = order_[static_cast<std::size_t>(shown)];
    selectedRow_ = row;
    txtFeatureName->setText(StringGrid1.Cell(0, row));
    txtLongitude->setText(StringGrid1.Cell(1, row));
    txtLatitude->setText(StringGrid1.Cell(2, row));
    SetMode(imgUpdate);
    txtFeatureName->setFocus();
    txtFeatureName->selectAll();
}

// --- the coordinate boxes ------------------------------------------------------------------

// Leaving a coordinate box for another control of this window runs its exit check once the
// focus has settled (a message box must not open inside the focus change).
bool TFeaturesDB::eventFilter(QObject* watched, QEvent* event) {
    // Ctrl+Z in a box with nothing of its own to undo undoes the last change to the list.
    if (auto* box = qobject_cast<QLineEdit*>(watched);
        box && (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Undo) && !box->isUndoAvailable() &&
        CanUndo()) {
        event->accept();
        if (event->type() == QEvent::KeyPress) UndoLastChange();
        return true;
    }
    if (watched == txtFind && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool rowKey = key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
                            key == Qt::Key_PageDown;
        if (rowKey) return listscrolling::ScrollByKey(*ScrollBar1, key);
    }
    if (event->type() == QEvent::FocusOut && (watched == txtLongitude || watched == txtLatitude)) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            isVisible()) {
            pendingExit_ = static_cast<QLineEdit*>(watched);
            QTimer::singleShot(0, this, &TFeaturesDB::RunPendingExit);
        }
    }
    return TFrame::eventFilter(watched, event);
}

void TFeaturesDB::RunPendingExit() {
    QLineEdit* box = pendingExit_;
    if (!box) return;
    pendingExit_ = nullptr;
    if (box == txtLongitude)
        txtLongitudeExit();
    else
        txtLatitudeExit();
}

void TFeaturesDB::txtLongitudeExit() {
    checkedBox_ = txtLongitude;
    checkedValid_ = CoordinateExit(txtLongitude);
}

void TFeaturesDB::txtLatitudeExit() {
    checkedBox_ = txtLatitude;
    checkedValid_ = CoordinateExit(txtLatitude);
}

// The box keeps its (trimmed) text when the check fails, and gets the focus back.
bool TFeaturesDB::CoordinateExit(QLineEdit* box) {
    const CoordinateAxis axis =
        box == txtLongitude ? CoordinateAxis::Longitude : CoordinateAxis::Latitude;
    const CoordinateCheck check = VerifyCoordinate(box->text(), axis);
    box->setText(check.Text);
    if (!check.Valid) {
        ShowMessage(check.Message);
        box->setFocus();
    }
    return check.Valid;
}

// Whether a box holds a text that passed its check; the check just run on leaving the box
// counts (its message has been shown), any other box is checked now.
bool TFeaturesDB::CoordinateBoxHolds(QLineEdit* box) {
    if (checkedBox_ == box) return checkedValid_;
    return CoordinateExit(box);
}

// --- actions -------------------------------------------------------------------------------

void TFeaturesDB::imgEditClick() {
    AddRowToGrid();
    DisplayDataBitmap();
}

void TFeaturesDB::AddRowToGrid() {
    checkedBox_ = nullptr;
    Edit1->setFocus(); // the box being left runs its exit check first
    RunPendingExit();
    // Its failure has been told; the other messages would only repeat it.
    if (checkedBox_ && !checkedValid_) return;
    const struct {
        QLineEdit* box;
        const char* message;
    } required[] = {{txtFeatureName, QT_TR_NOOP("You must enter a feature name.")},
                    {txtLongitude, QT_TR_NOOP("You must enter a Lunar Longitude.")},
                    {txtLatitude, QT_TR_NOOP("You must enter a Lunar Latitude.")}};
    for (const auto& field : required) {
        if (field.box->text().trimmed().isEmpty()) {
            ShowMessage(tr(field.message));

            txtFeatureName->setFocus();
            return;
        }
    }
    // No text that fails its check reaches the file.
    if (!CoordinateBoxHolds(txtLongitude) || !CoordinateBoxHolds(txtLatitude)) return;
    // The file keeps names in the Windows-1252 code page: a letter it lacks is stored without
    // its accent, and the list shows the name as stored; a character with no such letter is
    // refused rather than stored as "?".
    const QString outside = CharactersOutsideWindows1252(txtFeatureName->text());
    if (!outside.isEmpty()) {
        ShowMessage(TFeaturesDB::tr("The feature name cannot hold %1: the features file stores "
                                    "names in the Windows-1252 code page.")
                        .arg(outside));
        txtFeatureName->setFocus();
        return;
    }

    const bool update =
        InUpdateMode() && selectedRow_ >= 0 && selectedRow_ < StringGrid1.RowCount() - 1;
    FeatureEdit edit;
    if (update) edit.Before = RowTexts(selectedRow_);
    edit.After = FeatureTexts{FoldToWindows1252(txtFeatureName->text()), txtLongitude->text(),
                              txtLatitude->text()};
    // A failed save leaves the list as the file is, so a retry acts on the same feature.
    if (UpdateDatabase(edit)) undo_ = Inverse(edit);
    RefreshOrder();
    txtFeatureName->setFocus();
}

FeatureTexts TFeaturesDB::RowTexts(int row) const {
    return {StringGrid1.Cell(0, row), StringGrid1.Cell(1, row), StringGrid1.Cell(2, row)};
}

// The edit that takes an edit back: an addition is deleted, a deletion added, a change reversed.
FeatureEdit TFeaturesDB::Inverse(const FeatureEdit& edit) {
    return {edit.After, edit.Before};
}

// The edit is merged into the file as it now stands: another copy of the program may have
// saved since the list was loaded.
bool TFeaturesDB::UpdateDatabase(const FeatureEdit& edit) {
    // Outside the working folder there is no database of the user's to write.
    if (const QString problem = folders::WorkingFolderProblem(); !problem.isEmpty()) {
        ShowMessage(TFeaturesDB::tr("The lunar features cannot be saved. %1").arg(problem));
        return false;
    }
    const int rowsBefore = StringGrid1.RowCount();
    QString error;
    if (!MergeFeatureEdit(StringGrid1, edit, recordBuffer_, error)) {
        ShowMessage(
            TFeaturesDB::tr("The lunar features could not be saved in \"%1\": %2")
                .arg(QDir::toNativeSeparators(QFileInfo(FeatureFileName).absoluteFilePath()),
                     error));
        return false;
    }
    if (!InUpdateMode() && StringGrid1.RowCount() > VisibleRows) {
        // The list shows its end, where an added feature may be.
        if (StringGrid1.RowCount() == rowsBefore + 1)
            ScrollBar1->setMaximum(ScrollBar1->maximum() + 1);
        else
            SetScrollMaximum(); // the other copy's features came in as well
        ScrollBar1->setValue(ScrollBar1->maximum());
    }
    ClearData();
    return true;
}

void TFeaturesDB::lblCancelClick() {
    ClearData();
}

// setText, unlike clear, also forgets the boxes' own undo, so that Ctrl+Z reaches the list.
void TFeaturesDB::ClearData() {
    for (QLineEdit* box : {txtFeatureName, txtLongitude, txtLatitude})
        box->setText(QString());
    SetMode(imgAdd);
}

void TFeaturesDB::lblDeleteClick() {
    if (!InUpdateMode()) {
        ShowMessage(TFeaturesDB::tr("No feature has been selected for deletion."));
        return;
    }
    if (StringGrid1.RowCount() < 2) return;
    if (selectedRow_ < 0 || selectedRow_ >= StringGrid1.RowCount() - 1) return;
    FeatureEdit edit;
    edit.Before = RowTexts(selectedRow_);
    if (UpdateDatabase(edit)) undo_ = Inverse(edit);
    SetScrollMaximum();
    RefreshOrder();
    DisplayDataBitmap();
}

bool TFeaturesDB::UndoLastChange() {
    if (!undo_) return false;
    const bool wasUpdating = InUpdateMode();
    SetMode(imgAdd); // no row stays selected
    if (!UpdateDatabase(*undo_)) {
        if (wasUpdating) SetMode(imgUpdate);
        return true; // the failure has been told
    }
    undo_.reset();
    selectedRow_ = -1;
    SetScrollMaximum();
    RefreshOrder();
    DisplayDataBitmap();
    return true;
}

void TFeaturesDB::ShowMessage(const QString& text) {
    platform::ShowMessage(this, text);
}
