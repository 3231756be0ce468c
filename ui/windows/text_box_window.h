// The read-only text box with commands to copy its text and to close, which the Results
// window and the viewer share.
#pragma once

#include <QRect>
#include <QString>

#include <string>

class QEvent;
class QObject;
class QPlainTextEdit;
class QPushButton;

namespace varnex {

struct TextBoxLayout {
    const char* boxName;         // the box's objectName
    QString accessibleName;      // its name for screen readers
    double boxPoints;            // the size of its fixed-pitch font: text is laid out in columns
    const char* buttonFont;      // the commands' font, at 9.75 points
    QRect box, copy, close;      // pixels
};

// Names, places and fonts the box and its commands. The box always shows its vertical scroll
// bar and reports the mouse events of its viewport to `mouseWatcher`. Neither command is a
// default button; Tab goes from the box to Close, then to Copy.
void setUpTextBox(const TextBoxLayout& layout, QPlainTextEdit* box, QPushButton* copy, QPushButton* close,
                  QObject* mouseWatcher);

// The selected text, with the line breaks of the text (CR LF); empty without a selection.
QString selectedText(const QPlainTextEdit* box);

// Copies the box's selection to the clipboard, or `wholeText` when nothing is selected.
void copySelectionOrAll(const QPlainTextEdit* box, const std::string& wholeText);

// True for the release of a mouse button (any) over the box's text.
bool isMouseReleaseIn(const QPlainTextEdit* box, const QObject* watched, const QEvent* event);

}  // namespace varnex
