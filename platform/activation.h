// Activation of a window among the program's own windows.
#pragma once

class QWidget;

namespace varnex::platform {

// Starts noting which window of the program is activated (once per program; the main window
// calls it at its construction).
void trackWindowActivation();

// Call when `window` receives QEvent::WindowActivate. True when it becomes active after
// another window of the program, or for the first time; false when the program itself comes
// back to it from another program.
bool activatedFromProgram(QWidget* window);

}  // namespace varnex::platform
