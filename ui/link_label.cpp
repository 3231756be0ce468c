#include "link_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace varnex {
namespace {

// The accessible side of a LinkLabel: the link role, its text as the name, and "press".
class AccessibleLink : public QAccessibleWidget {
public:
    explicit AccessibleLink(LinkLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override {
        const QString own = QAccessibleWidget::text(t);
        return t == QAccessible::Name && own.isEmpty() ? label()->text() : own;
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = true;
        return s;
    }
    QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction()) label()->activate();
        if (name == setFocusAction()) label()->setFocus(Qt::OtherFocusReason);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    LinkLabel* label() const { return static_cast<LinkLabel*>(widget()); }
};

QAccessibleInterface* accessibleLinkFactory(const QString& className, QObject* object) {
    if (className != QLatin1String(LinkLabel::staticMetaObject.className())) return nullptr;
    return new AccessibleLink(static_cast<LinkLabel*>(object));
}

}  // namespace

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleLinkFactory), true);
    Q_UNUSED(factoryInstalled);
    setFocusPolicy(Qt::TabFocus);  // a click opens the link and leaves the focus where it was
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) && !event->isAutoRepeat()) {
        activate();
        return;
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        activate();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    // The focus mark around the text, where the alignment puts it.
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    const QRect text = fontMetrics().boundingRect(contentsRect(), static_cast<int>(alignment()), this->text());
    option.rect = text.adjusted(-1, 0, 1, 0).intersected(rect());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

}  // namespace varnex
