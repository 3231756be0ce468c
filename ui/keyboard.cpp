#include "keyboard.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>

namespace varnex {
namespace {

class EnterPressesButton : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (!enter || key->isAutoRepeat() || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
        auto* button = static_cast<QPushButton*>(watched);
        if (!button->isEnabled() || !button->isVisible()) return false;
        button->click();
        return true;
    }
};

}  // namespace

void pressButtonsWithEnter(QWidget* window) {
    auto* filter = new EnterPressesButton(window);
    for (QPushButton* button : window->findChildren<QPushButton*>()) button->installEventFilter(filter);
}

void setReadOnly(QPlainTextEdit* box, bool readOnly) {
    box->setReadOnly(readOnly);  // resets the interaction flags
    if (readOnly) box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setTabChangesFocus(true);
}

}  // namespace varnex
