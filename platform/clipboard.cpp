#include "clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace varnex::platform {

void CopyToClipboard(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

}  // namespace varnex::platform
