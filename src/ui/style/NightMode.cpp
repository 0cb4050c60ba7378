// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/style/NightMode.h"

#include "settings/ObserverSettings.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QPlainTextEdit>
#include <QSet>
#include <QTextEdit>
#include <QToolTip>
#include <QWidget>

#include <algorithm>

namespace nightmode {

namespace {

bool on = false;

// Red of a pixel of channels r, g, b (premultiplied, 0..255): mostly the brightest channel,
// so that aqua and blue texts stay as legible as white ones, scaled to MaxRed.
inline int RedOf(int r, int g, int b) {
    const int brightest = std::max({r, g, b});
    const int luma = (r * 77 + g * 150 + b * 29) >> 8;
    return ((brightest * 3 + luma) * MaxRed) / (4 * 255);
}

QPalette NightPalette() {
    QPalette p;
    const QColor black(0, 0, 0);
    const QColor text = Tint(QColor(255, 255, 255));
    const QColor dim(70, 0, 0);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Window, black);
        p.setColor(group, QPalette::WindowText, text);
        p.setColor(group, QPalette::Base, black);
        p.setColor(group, QPalette::AlternateBase, QColor(20, 0, 0));
        p.setColor(group, QPalette::Text, text);
        p.setColor(group, QPalette::Button, QColor(25, 0, 0));
        p.setColor(group, QPalette::ButtonText, text);
        p.setColor(group, QPalette::BrightText, text);
        p.setColor(group, QPalette::Highlight, QColor(90, 0, 0));
        p.setColor(group, QPalette::HighlightedText, text);
        p.setColor(group, QPalette::ToolTipBase, black);
        p.setColor(group, QPalette::ToolTipText, text);
        p.setColor(group, QPalette::PlaceholderText, dim);
        p.setColor(group, QPalette::Light, QColor(60, 0, 0));
        p.setColor(group, QPalette::Midlight, QColor(45, 0, 0));
        p.setColor(group, QPalette::Mid, QColor(35, 0, 0));
        p.setColor(group, QPalette::Dark, QColor(15, 0, 0));
        p.setColor(group, QPalette::Shadow, black);
        p.setColor(group, QPalette::Link, text);
    }
    p.setColor(QPalette::Disabled, QPalette::Window, black);
    p.setColor(QPalette::Disabled, QPalette::Base, black);
    p.setColor(QPalette::Disabled, QPalette::Button, QColor(25, 0, 0));
    p.setColor(QPalette::Disabled, QPalette::WindowText, dim);
    p.setColor(QPalette::Disabled, QPalette::Text, dim);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, dim);
    return p;
}

// A widget where N is a letter being typed.
bool TakesText(const QWidget* w) {
    if (!w) return false;
    if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
        qobject_cast<const QTextEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w))
        return true;
    const auto* combo = qobject_cast<const QComboBox*>(w);
    return combo && combo->isEditable();
}

class TFilter : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) return KeyPress(watched, event);
        if (!on || event->type() != QEvent::Paint || !watched->isWidgetType()) return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (rendering_.contains(widget)) return false; // the widget's own painting, taken below
        return Paint(widget, static_cast<QPaintEvent*>(event));
    }

  private:
    // N toggles in every window, once per key press (the event reaches the focus widget
    // first, then its parents), but not where it is typed into a field.
    static bool KeyPress(QObject* watched, QEvent* event) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_N || (key->modifiers() & ~Qt::KeypadModifier) != 0 ||
            key->isAutoRepeat() || !watched->isWidgetType())
            return false;
        const QWidget* focus = QApplication::focusWidget();
        const auto* widget = static_cast<QWidget*>(watched);
        if (focus ? widget != focus : !widget->isWindow()) return false;
        if (TakesText(focus)) return false;
        Toggle();
        return true;
    }

    // The widget paints as it always does; then the pixels it painted are turned to red in
    // place, on the window's backing store or on the picture a grab paints into.
    bool Paint(QWidget* widget, QPaintEvent* event) {
        rendering_.insert(widget);
        QCoreApplication::sendEvent(widget, event);
        rendering_.remove(widget);
        const QRect area = event->rect();
        if (area.isEmpty()) return true;
        QPainter painter(widget);
        QPaintEngine* engine = painter.paintEngine();
        QPaintDevice* device = engine ? engine->paintDevice() : nullptr;
        if (!device) return true;
        const QRect bounds(0, 0, device->width() * device->devicePixelRatio(),
                           device->height() * device->devicePixelRatio());
        const QRect pixels =
            painter.deviceTransform().mapRect(QRectF(area)).toAlignedRect() & bounds;
        if (pixels.isEmpty()) return true;
        QImage part;
        if (device->devType() == QInternal::Image)
            part = static_cast<QImage*>(device)->copy(pixels);
        else if (device->devType() == QInternal::Pixmap)
            part = static_cast<QPixmap*>(device)->copy(pixels).toImage();
        else
            return true;
        Tint(part);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(painter.deviceTransform().inverted().mapRect(QRectF(pixels)), part);
        return true;
    }

    QSet<QWidget*> rendering_;
};

TFilter* filter = nullptr;
QPalette dayPalette;
QPalette dayTipPalette;

void Apply() {
    if (on) {
        dayPalette = QApplication::palette();
        dayTipPalette = QToolTip::palette();
        QApplication::setPalette(NightPalette());
        QToolTip::setPalette(NightPalette());
    } else {
        QApplication::setPalette(dayPalette);
        QToolTip::setPalette(dayTipPalette);
    }
    // Standard dialogs drawn by the toolkit, so that the filter reaches them.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs, on);
    for (QWidget* w : QApplication::allWidgets())
        w->update();
    emit Notifier().changed(on);
}

} // namespace

bool On() {
    return on;
}

void Set(bool value, bool save) {
    if (value != on) {
        on = value;
        Apply();
    }
    if (save && ObserverSettings.NightMode != value) {
        ObserverSettings.NightMode = value;
        settingsstore::SaveNightMode(ObserverSettings);
    }
}

void Toggle() {
    Set(!on);
}

void Install() {
    if (!filter) {
        filter = new TFilter;
        qApp->installEventFilter(filter);
    }
    Set(ObserverSettings.NightMode, false);
}

QColor Tint(const QColor& colour) {
    return QColor(RedOf(colour.red(), colour.green(), colour.blue()), 0, 0, colour.alpha());
}

void Tint(QImage& image) {
    if (image.format() != QImage::Format_ARGB32_Premultiplied &&
        image.format() != QImage::Format_RGB32)
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int h = image.height();
    const int w = image.width();
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb p = line[x];
            // Pixels already red (tinted before, under a child painted since) stay as they are.
            const int red = (p & 0xffffu) == 0 ? std::min(qRed(p), MaxRed)
                                                : RedOf(qRed(p), qGreen(p), qBlue(p));
            line[x] = (p & 0xff000000u) | (static_cast<QRgb>(red) << 16);
        }
    }
}

QPixmap TogglePicture() {
    QPixmap pic(24, 25);
    pic.fill(Qt::transparent);
    QPainter p(&pic);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 30, 20));
    p.drawEllipse(QRectF(4, 4, 16, 16));
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.drawEllipse(QRectF(9, 1, 15, 15));
    return pic;
}

TNotifier& Notifier() {
    static TNotifier notifier;
    return notifier;
}

} // namespace nightmode
