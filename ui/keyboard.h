// Keyboard use of the windows: Enter presses a focused command button, and a read-only
// text box keeps its caret.
#pragma once

class QPlainTextEdit;
class QWidget;

namespace varnex {

// Enter and keypad Enter press the focused command button of `window`, as Space does (Qt
// leaves Enter to a dialog's default button only). Covers the buttons the window holds now.
void pressButtonsWithEnter(QWidget* window);

// Read-only or not, the text box keeps a caret and can be navigated and selected with the
// keyboard (Qt's read-only text boxes take the mouse only). Tab leaves the box.
void setReadOnly(QPlainTextEdit* box, bool readOnly);

}  // namespace varnex
