#include "form_helpers.h"

#include "platform/tick_state.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace varnex {
namespace {

bool isColouredKind(const QWidget* w) {
    return qobject_cast<const QCheckBox*>(w) || qobject_cast<const QLabel*>(w) || qobject_cast<const QGroupBox*>(w) ||
           qobject_cast<const QRadioButton*>(w);
}

// The controls of the form itself, not those of the windows it owns.
template <typename W>
QList<W*> controlsOf(QWidget* form) {
    QList<W*> controls;
    for (W* w : form->findChildren<W*>())
        if (w->window() == form) controls.append(w);
    return controls;
}

void setRole(QWidget* w, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = w->palette();
    palette.setColor(QPalette::Active, role, colour);
    palette.setColor(QPalette::Inactive, role, colour);
    if (role != QPalette::WindowText) palette.setColor(QPalette::Disabled, role, colour);
    w->setPalette(palette);
}

}  // namespace

void SetControlsForeColor(QWidget* form, const QColor& colour) {
    for (QWidget* w : controlsOf<QWidget>(form))
        if (isColouredKind(w)) setRole(w, QPalette::WindowText, colour);
}

void SetControlsBackColor(QWidget* form, const QColor& colour) {
    setRole(form, QPalette::Window, colour);
    form->setAutoFillBackground(true);
    for (QWidget* w : controlsOf<QWidget>(form)) {
        if (isColouredKind(w)) {
            setRole(w, w->backgroundRole(), colour);  // Button for check boxes and option buttons
            w->setAutoFillBackground(true);
        } else if (w->parentWidget() == form || isColouredKind(w->parentWidget())) {
            // Buttons, lists and text boxes keep the system's colours rather than the form's.
            QPalette system = QApplication::palette(w);
            system.setResolveMask(~QPalette::ResolveMask{0});  // every role, not inherited
            w->setPalette(system);
        }
    }
}

void SetControlsFontName(QWidget* form, const QString& fontName, bool includeTextBoxes) {
    for (QWidget* w : controlsOf<QWidget>(form)) {
        const bool textBox = qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w);
        const bool named = isColouredKind(w) || qobject_cast<QPushButton*>(w) || qobject_cast<QComboBox*>(w);
        if (!(named || (textBox && includeTextBoxes)) || w->font().family() == fontName) continue;
        QFont font = w->font();
        font.setFamily(fontName);
        w->setFont(font);
    }
}

void SetCheckBoxesValue(QWidget* form, int value) {
    for (QCheckBox* box : controlsOf<QCheckBox>(form))
        platform::setTickState(box, static_cast<TickState>(value));
}

}  // namespace varnex
