#include "drop_down_list.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QScopedValueRollback>

namespace varnex {

DropDownList::DropDownList(QWidget* parent) : QComboBox(parent) { view()->installEventFilter(this); }

void DropDownList::showPopup() {
    view()->setAccessibleName(accessibleName());
    QComboBox::showPopup();
}

bool DropDownList::eventFilter(QObject* watched, QEvent* event) {
    // Alt+Up, Alt+Down and F4 close the open list with the entry it highlights, as Enter does.
    if (watched == view() && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool alt = key->modifiers() & Qt::AltModifier;
        const QModelIndex highlighted = view()->currentIndex();
        if (((alt && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) || key->key() == Qt::Key_F4) &&
            highlighted.isValid()) {
            hidePopup();
            setCurrentIndex(highlighted.row());
            return true;
        }
    }
    return QComboBox::eventFilter(watched, event);
}

void DropDownList::keyPressEvent(QKeyEvent* event) {
    // Keys reach the list itself only while it is closed; the open list takes its own.
    const QScopedValueRollback<bool> stepping(steppingByKey_, true);
    QComboBox::keyPressEvent(event);
}

}  // namespace varnex
