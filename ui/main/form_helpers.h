// Form-wide helpers over the controls of a window, by kind.
#pragma once

#include <QColor>
#include <QString>

class QWidget;

namespace varnex {

// Text colour of every check box, label, frame and option button.
void SetControlsForeColor(QWidget* form, const QColor& colour);
// Background of the form and of every check box, label, frame and option button.
void SetControlsBackColor(QWidget* form, const QColor& colour);
// Font name of every frame, button, check box, label, option button and drop-down list, and
// of the text boxes with includeTextBoxes; sizes and styles stay.
void SetControlsFontName(QWidget* form, const QString& fontName, bool includeTextBoxes);
// Value of every check box; each change runs the box's handler.
void SetCheckBoxesValue(QWidget* form, int value);

}  // namespace varnex
