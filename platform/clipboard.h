#pragma once

#include <QString>

namespace varnex::platform {

// Clears the clipboard, then puts the text on it as plain text.
void CopyToClipboard(const QString& text);

}  // namespace varnex::platform
