// Modal message boxes with a title and an icon, tool tips, both as plain text; a seam for tests.
#pragma once

#include "text/messages.h"

#include <QString>

#include <functional>

class QWidget;

namespace varnex::platform {

// Shows the message in a modal box with an OK button and waits until it is closed. The
// message is plain text: markup in it is shown as written.
void showMessage(QWidget* parent, const Message& message);

// A tool tip that shows `text` as written: text that Qt would take for markup is escaped.
QString plainToolTip(const QString& text);

// While set, messages go to the recorder instead of a box (for tests); an empty function
// restores the boxes.
void setMessageRecorderForTesting(std::function<void(const Message&)> recorder);

}  // namespace varnex::platform
