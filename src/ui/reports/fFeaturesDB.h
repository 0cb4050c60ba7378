// SPDX-License-Identifier: GPL-3.0-or-later
// The lunar features database editor: the list of features sorted by name, and the boxes in
// which the user adds, changes and deletes one. Every change rewrites data.dat.
#pragma once

#include "data/FeatureFile.h"
#include "ui/frame/TFrame.h"

#include <QPixmap>

#include <optional>

class QLabel;
class QLineEdit;
class QScrollBar;

class TFeaturesDB : public TFrame {
    Q_OBJECT
  public:
    explicit TFeaturesDB(QWidget* parent = nullptr);

    static constexpr int VisibleRows = 13;

    // The two faces of the action button; the mode is the face it shows.
    struct TPicture {
        QPixmap Picture;
        int Tag = 0;
    };

    QLabel* Label2 = nullptr; // headings "Feature Name", "Lunar Longitude", "Lunar Latitude"
    QLabel* Label3 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label4 = nullptr; // box captions
    QLabel* Label5 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label1 = nullptr; // degree signs
    QLabel* Label6 = nullptr;
    QLineEdit* txtFeatureName = nullptr;
    QLineEdit* txtLongitude = nullptr;
    QLineEdit* txtLatitude = nullptr;
    QLineEdit* Edit1 = nullptr;   // focus target outside the visible area
    QLabel* lblFind = nullptr;    // caption of the search box
    QLineEdit* txtFind = nullptr; // part of a name: the list jumps to the first that matches
    TClickLabel* imgEdit = nullptr;
    TClickLabel* lblCancel = nullptr;
    TClickLabel* lblDelete = nullptr;
    TPicture imgAdd;
    TPicture imgUpdate;
    int imgEditTag = 0;
    QScrollBar* ScrollBar1 = nullptr;
    QPixmap imgData;
    TStringGrid StringGrid1{3};

    bool InUpdateMode() const { return imgEditTag != imgAdd.Tag; }
    int SelectedRow() const { return selectedRow_; }
    // Grid rows in the order the list shows them (names without case and accents).
    const std::vector<int>& ShownOrder() const { return order_; }

  public slots:
    void imgEditClick();
    void lblCancelClick();
    void lblDeleteClick();
    // Puts the list back as it was before the last change (Ctrl+Z), until the window closes.
    bool UndoLastChange();
    bool CanUndo() const { return undo_.has_value(); }
    void DisplayDataBitmap();

  protected:
    void FormShow() override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormCreate();
    void FormActivate();
    void FormClose();
    void FormMouseDown(QPoint pos);
    void FormDblClick();
    void ClearData();
    void SetMode(const TPicture& face);
    void AddRowToGrid();
    bool UpdateDatabase(const FeatureEdit& edit);
    FeatureTexts RowTexts(int row) const;
    static FeatureEdit Inverse(const FeatureEdit& edit);
    void txtLongitudeExit();
    void txtLatitudeExit();
    bool CoordinateExit(QLineEdit* box);
    bool CoordinateBoxHolds(QLineEdit* box);
    void RunPendingExit();
    void SetScrollMaximum();
    void RefreshOrder();
    void txtFindChange();
    void ShowMessage(const QString& text);
    void DrawFallbackFrame(QPainter& painter);

    FeatureRecord recordBuffer_; // reused for every record written
    int selectedRow_ = -1;
    std::vector<int> order_; // shown position -> grid row
    int wheelDelta_ = 0;
    int found_ = -1; // shown position of the name the search found, outlined
    QPoint lastMouseDown_;
    QLineEdit* pendingExit_ = nullptr; // box whose exit check is due
    QLineEdit* checkedBox_ = nullptr;  // box whose exit check the action just ran
    bool checkedValid_ = false;
    std::optional<FeatureEdit> undo_; // the edit that takes back the last one written
};
