// The window frame every Cresselle window shares: a borderless window painted by its
// background picture, dragged by a transparent title label, closed and minimised by
// transparent labels over the painted buttons, and placed relative to the main window.
#pragma once

#include "ui/frame/TClickLabel.h"

#include <QPixmap>
#include <QPoint>
#include <QWidget>

class TFrame : public QWidget {
    Q_OBJECT
  public:
    enum class MinimiseScope { None, Window, Application };
    enum class ClampOrder { None, LeftFirst, RightFirst };

    explicit TFrame(QWidget* parent = nullptr);

    // Background picture `Image1` (or `imgBgnd`); the window takes its size when sizeToPicture.
    void setBackground(const QPixmap& picture, bool sizeToPicture = true);
    const QPixmap& background() const { return Image1; }

    // Frame controls; created on demand by the window that has them.
    TClickLabel* addTitleLabel(const QRect& geometry);
    TClickLabel* addExitLabel(const QRect& geometry,
                              const QString& hint = QStringLiteral("Exit Cresselle"));
    TClickLabel* addMinimiseLabel(const QRect& geometry, MinimiseScope scope, const QString& hint);

    TClickLabel* lblTitle = nullptr;
    TClickLabel* lblExit = nullptr;
    TClickLabel* lblMinimise = nullptr;

    // Popups hide as soon as they lose activation.
    void setClosesOnDeactivate(bool closes) { closesOnDeactivate_ = closes; }
    bool closesOnDeactivate() const { return closesOnDeactivate_; }

    // Placement rules, in screen coordinates. The main window is the reference.
    static QPoint CentredOn(const QWidget& main, QSize size);
    static QPoint BelowButton(const QWidget& main, int buttonLeft);
    static QPoint BesideCalendarHeading(const QWidget& main);
    // Clamps a position to the screen; the test made last wins for a window larger than the screen.
    static QPoint Clamp(QPoint topLeft, QSize size, QSize screen, ClampOrder order);
    QSize screenSize() const;

    bool isDragging() const { return dragging_; }

  public slots:
    virtual void lblExitClick();
    virtual void lblMinimiseClick();

  protected:
    virtual void FormShow() {}
    virtual void FormDeactivate() { hide(); }

    // `pos` in the title label's coordinates; the move takes the pointer's screen position.
    void lblTitleMouseDown(Qt::MouseButton button, QPoint pos);
    void lblTitleMouseMove(Qt::MouseButtons buttons, QPoint globalPos);
    void lblTitleMouseUp(Qt::MouseButton button, QPoint pos);

    bool eventFilter(QObject* watched, QEvent* event) override;

    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

    QPixmap Image1;

  private:
    QPoint DragOrigin;
    bool dragging_ = false;
    bool closesOnDeactivate_ = false;
    MinimiseScope minimiseScope_ = MinimiseScope::None;
};
