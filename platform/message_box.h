// Modal message boxes with a title and an icon, and a seam for tests.
#pragma once

#include "report/messages.h"

#include <functional>

class QWidget;

namespace varnex::platform {

// Shows the message in a modal box with an OK button and waits until it is closed.
void ShowMessage(QWidget* parent, const Message& message);

// While set, messages go to the recorder instead of a box (for tests); an empty function
// restores the boxes.
void setMessageRecorderForTesting(std::function<void(const Message&)> recorder);

}  // namespace varnex::platform
