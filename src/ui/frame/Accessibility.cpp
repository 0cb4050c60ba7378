// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frame/Accessibility.h"

#include "ui/frame/TClickLabel.h"
#include "ui/frame/TFrame.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPointer>
#include <QWindow>

#include <vector>

namespace {

constexpr int MaxItems = 2000; // a window reads out no more painted items than this

// A click label: a button that a screen reader can name and press.
class TClickLabelAccessible : public QAccessibleWidget {
  public:
    explicit TClickLabelAccessible(QWidget* w)
        : QAccessibleWidget(w, w->objectName() == QLatin1String("lblTitle") ? QAccessible::TitleBar
                                                                            : QAccessible::Button) {
        if (role() == QAccessible::Button) addControllingSignal(QStringLiteral("clicked()"));
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            if (role() == QAccessible::TitleBar) return widget()->window()->windowTitle();
            return accessibility::ClickLabelName(*widget());
        }
        if (t == QAccessible::Description && !widget()->accessibleName().isEmpty())
            return widget()->toolTip();
        return QAccessibleWidget::text(t);
    }
    // A radio picture is read as a radio button of its group.
    QAccessible::Role role() const override {
        const auto* label = static_cast<const TClickLabel*>(widget());
        if (label->isRadioButton()) return QAccessible::RadioButton;
        return QAccessibleWidget::role();
    }
    // A label that shows nothing and says nothing (a blank day of the calendar) is not
    // offered to the reader.
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (const auto* label = static_cast<const TClickLabel*>(widget()); label->isRadioButton()) {
            s.checkable = true;
            s.checked = label->isRadioChecked();
        }
        if (pressable() && accessibility::ClickLabelName(*widget()).isEmpty()) s.invisible = true;
        return s;
    }
    QStringList actionNames() const override {
        if (!pressable()) return {};
        return {pressAction()};
    }
    void doAction(const QString& action) override {
        if (action != pressAction() || !pressable()) return;
        // The same events a mouse click sends, so the window reacts as to a click. Posted, not
        // sent: the reader gets its answer before a window the click opens runs modally.
        QWidget* w = widget();
        const QPointF centre = QRectF(w->rect()).center();
        QCoreApplication::postEvent(w, new QMouseEvent(QEvent::MouseButtonPress, centre,
                                                       w->mapToGlobal(centre), Qt::LeftButton,
                                                       Qt::LeftButton, Qt::NoModifier));
        QCoreApplication::postEvent(w, new QMouseEvent(QEvent::MouseButtonRelease, centre,
                                                       w->mapToGlobal(centre), Qt::LeftButton,
                                                       Qt::NoButton, Qt::NoModifier));
    }

  private:
    bool pressable() const {
        return role() == QAccessible::Button || role() == QAccessible::RadioButton;
    }
};

class TFrameAccessible;

// One painted item of a window; reads its text from the window each time it is asked.
class TSpokenAccessible : public QAccessibleInterface {
  public:
    TSpokenAccessible(TFrame* frame, int index) : frame_(frame), index_(index) {}
    bool isValid() const override { return frame_ && index_ < Items().size(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return frame_ ? frame_->window()->windowHandle() : nullptr; }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation) const override {
        return {};
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return frame_ ? QAccessible::queryAccessibleInterface(frame_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        const QList<TSpokenItem> items = Items();
        if (index_ >= items.size()) return {};
        return t == QAccessible::Name ? items[index_].Name : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const QList<TSpokenItem> items = Items();
        if (!frame_ || index_ >= items.size()) return {};
        const QRect r = items[index_].Rect;
        return {frame_->mapToGlobal(r.topLeft()), r.size()};
    }
    QAccessible::Role role() const override {
        const QList<TSpokenItem> items = Items();
        return index_ < items.size() ? items[index_].Role : QAccessible::StaticText;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        if (!frame_ || !frame_->isVisible()) s.invisible = true;
        return s;
    }
    int index() const { return index_; }

  private:
    QList<TSpokenItem> Items() const {
        return frame_ ? frame_->SpokenItems() : QList<TSpokenItem>();
    }
    QPointer<TFrame> frame_;
    int index_;
};

// A window of the frame: its widgets, then its painted items.
class TFrameAccessible : public QAccessibleWidget {
  public:
    explicit TFrameAccessible(TFrame* frame) : QAccessibleWidget(frame, QAccessible::Window) {}
    ~TFrameAccessible() override {
        for (TSpokenAccessible* item : items_)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(item));
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return widget()->windowTitle();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override {
        return QAccessibleWidget::childCount() + static_cast<int>(SpokenCount());
    }
    QAccessibleInterface* child(int index) const override {
        const int widgets = QAccessibleWidget::childCount();
        if (index < widgets) return QAccessibleWidget::child(index);
        const int item = index - widgets;
        if (item < 0 || item >= SpokenCount()) return nullptr;
        while (static_cast<int>(items_.size()) <= item) {
            auto* spoken = new TSpokenAccessible(static_cast<TFrame*>(widget()),
                                                 static_cast<int>(items_.size()));
            QAccessible::registerAccessibleInterface(spoken);
            items_.push_back(spoken);
        }
        return items_[static_cast<std::size_t>(item)];
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (std::size_t i = 0; i < items_.size(); ++i)
            if (items_[i] == child) return QAccessibleWidget::childCount() + static_cast<int>(i);
        return QAccessibleWidget::indexOfChild(child);
    }

  private:
    int SpokenCount() const {
        return std::min(MaxItems,
                        static_cast<int>(static_cast<TFrame*>(widget())->SpokenItems().size()));
    }
    mutable std::vector<TSpokenAccessible*> items_;
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    if (auto* frame = qobject_cast<TFrame*>(object)) return new TFrameAccessible(frame);
    if (auto* label = qobject_cast<TClickLabel*>(object)) return new TClickLabelAccessible(label);
    return nullptr;
}

} // namespace

namespace accessibility {

void Install() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

QString ClickLabelName(const QWidget& label) {
    if (!label.accessibleName().isEmpty()) return label.accessibleName();
    if (!label.toolTip().isEmpty()) return label.toolTip();
    if (const auto* l = qobject_cast<const QLabel*>(&label); l && !l->text().trimmed().isEmpty())
        return l->text().trimmed();
    return {};
}

} // namespace accessibility
