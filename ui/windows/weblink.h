// weblink: hands an address to the system, so that the program associated with it (the web
// browser, normally) opens it.
#pragma once

#include <string>

class QWidget;

namespace varnex {

// Opens strAddress (a web address or a file of the program's folder); a failure is reported
// in a warning box over `parent`, with the launch's result and what it means, once the
// system's opener has ended. An empty address does nothing.
void LaunchWebBrowser(QWidget* parent, const std::string& strAddress);

}  // namespace varnex
