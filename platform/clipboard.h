#pragma once

#include <QString>

namespace varnex::platform {

// Clears the clipboard, then puts the text on it as plain text, with the platform's line
// breaks (CR LF becomes LF outside Windows).
void copyToClipboard(const QString& text);

}  // namespace varnex::platform
