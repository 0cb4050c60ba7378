// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/style/NightMode.h"

#include "settings/ObserverSettings.h"
#include "ui/style/Style.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QSet>
#include <QTextEdit>
#include <QToolTip>
#include <QWidget>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace nightmode {

namespace {

bool on = false;

// Red for a brightness 0..255: a curve that keeps light grounds well below the texts on them,
// up to MaxRed.
const std::array<std::uint8_t, 256>& RedCurve() {
    static const std::array<std::uint8_t, 256> curve = [] {
        std::array<std::uint8_t, 256> c{};
        for (int v = 0; v < 256; ++v)
            c[static_cast<std::size_t>(v)] =
                static_cast<std::uint8_t>(std::lround(MaxRed * std::pow(v / 255.0, 1.5)));
        return c;
    }();
    return curve;
}

// Red of a pixel of channels r, g, b (0..255): mostly the brightest channel, so that aqua and
// blue texts stay as legible as white ones.
inline int RedOf(int r, int g, int b) {
    const int brightest = std::max({r, g, b});
    const int luma = (r * 77 + g * 150 + b * 29) >> 8;
    return RedCurve()[static_cast<std::size_t>((brightest * 3 + luma) >> 2)];
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

// Tints the pixels of `area` of a 32-bit image in place.
void TintRect(QImage& image, const QRect& area) {
    const QRect r = area & image.rect();
    const auto& curve = RedCurve();
    // Grounds and texts repeat a few colours: the last ones met are remembered by a hash.
    struct Entry {
        QRgb in = 0x00ffffffu; // not a premultiplied colour: never met
        QRgb out = 0;
    };
    std::array<Entry, 64> seen{};
    for (int y = r.top(); y <= r.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb p = line[x];
            Entry& e = seen[(p * 2654435761u) >> 26];
            if (e.in != p) {
                const int red = qRed(p);
                const int green = qGreen(p);
                const int blue = qBlue(p);
                // Pixels already red (tinted before, under a child painted since) stay so.
                const int v = (green | blue) == 0
                                  ? std::min(red, MaxRed)
                                  : curve[static_cast<std::size_t>(
                                        (std::max({red, green, blue}) * 3 +
                                         ((red * 77 + green * 150 + blue * 29) >> 8)) >>
                                        2)];
                e.in = p;
                e.out = (p & 0xff000000u) | (static_cast<QRgb>(v) << 16);
            }
            line[x] = e.out;
        }
    }
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
        if (event->region().isEmpty()) return true;
        QPainter painter(widget);
        QPaintEngine* engine = painter.paintEngine();
        QPaintDevice* device = engine ? engine->paintDevice() : nullptr;
        if (!device) return true;
        const QRect bounds(0, 0, device->width() * device->devicePixelRatio(),
                           device->height() * device->devicePixelRatio());
        const QTransform toDevice = painter.deviceTransform();
        // Each rectangle of the painted region (a region's bounding box may be most of the
        // window when two distant parts were painted).
        QList<QRect> parts;
        for (const QRect& r : event->region()) {
            const QRect pixels = toDevice.mapRect(QRectF(r)).toAlignedRect() & bounds;
            if (!pixels.isEmpty()) parts.append(pixels);
        }
        // The window's backing store: tinted where it lies.
        if (device->devType() == QInternal::Image) {
            auto* image = static_cast<QImage*>(device);
            const QImage::Format f = image->format();
            if (image->isDetached() &&
                (f == QImage::Format_ARGB32_Premultiplied || f == QImage::Format_RGB32)) {
                painter.end();
                for (const QRect& pixels : parts)
                    TintRect(*image, pixels);
                return true;
            }
        }
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        const QTransform fromDevice = toDevice.inverted();
        for (const QRect& pixels : parts) {
            QImage part;
            if (device->devType() == QInternal::Image)
                part = static_cast<QImage*>(device)->copy(pixels);
            else if (device->devType() == QInternal::Pixmap)
                part = static_cast<QPixmap*>(device)->copy(pixels).toImage();
            else
                return true;
            Tint(part);
            painter.drawImage(fromDevice.mapRect(QRectF(pixels)), part);
        }
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
    TintRect(image, image.rect());
}

QPixmap TogglePicture() {
    QPixmap pic = mainstyle::DisplayPixmap(QSize(24, 25), Qt::transparent);
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
