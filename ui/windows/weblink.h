// weblink: hands an address to the system, so that the program associated with it (the web
// browser, normally) opens it.
#pragma once

#include <string>

class QWidget;

namespace varnex {

// Opens strAddress (a web address or a file path); a failure is reported in a warning box
// over `parent`, with the launch's result and what it means.
void LaunchWebBrowser(QWidget* parent, const std::string& strAddress);

}  // namespace varnex
