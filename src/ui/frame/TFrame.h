// SPDX-License-Identifier: GPL-3.0-or-later
// The window frame every Cresselle window shares: a borderless window painted by its
// background picture, dragged by a transparent title label, closed and minimised by
// transparent labels over the painted buttons, and placed relative to the main window.
#pragma once

#include "ui/frame/Accessibility.h"
#include "ui/frame/TClickLabel.h"

#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QWidget>

class QKeyEvent;
class QWheelEvent;

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
                              const QString& hint = {}); // empty: "Exit Cresselle"
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
    // Clamps a position to the screen area; the test made last wins for a window larger than
    // the screen.
    static QPoint Clamp(QPoint topLeft, QSize size, const QRect& screen, ClampOrder order);
    static QPoint Clamp(QPoint topLeft, QSize size, QSize screen, ClampOrder order) {
        return Clamp(topLeft, size, QRect(QPoint(0, 0), screen), order);
    }
    // A window position that keeps the title label (at `title` in the window) on the screen
    // area: its top and bottom inside, and at least a grip of it across.
    static QPoint KeepTitleOnScreen(QPoint topLeft, const QRect& title, const QRect& screen);
    QSize screenSize() const;
    // The screen under the window at `topLeft` (the screen of its main window, or the first
    // one, when it lies off every screen), in global coordinates.
    QRect screenArea(QPoint topLeft) const;

    // Rows a list scrolls for a key: the arrows one row, Page Up/Down `pageRows`; 0 for any
    // other key.
    static int ScrollRowsForKey(const QKeyEvent& event, int pageRows);
    // Whole wheel notches, towards the user positive; smaller steps are carried in `rest`.
    static int WheelNotches(const QWheelEvent& event, int& rest);

    // Puts `text` on the clipboard (Ctrl+C in the windows that copy).
    static void CopyToClipboard(const QString& text);

    bool isDragging() const { return dragging_; }

    // What the window paints itself, as text for a screen reader; nothing by default.
    virtual QList<TSpokenItem> SpokenItems() const { return {}; }

  public slots:
    virtual void lblExitClick();
    virtual void lblMinimiseClick();

  protected:
    virtual void FormShow() {}
    virtual void FormDeactivate() { hide(); }
    // Escape: closes the window as its close button does.
    virtual void FormEscape();
    // Enter (when no control took it): the window's default action; false when it has none.
    virtual bool FormEnter() { return false; }

    // `pos` in the title label's coordinates; the move takes the pointer's screen position.
    void lblTitleMouseDown(Qt::MouseButton button, QPoint pos);
    void lblTitleMouseMove(Qt::MouseButtons buttons, QPoint globalPos);
    void lblTitleMouseUp(Qt::MouseButton button, QPoint pos);

    bool eventFilter(QObject* watched, QEvent* event) override;

    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    QPixmap Image1;

  private:
    QPoint DragOrigin;
    bool dragging_ = false;
    bool closesOnDeactivate_ = false;
    MinimiseScope minimiseScope_ = MinimiseScope::None;
};
