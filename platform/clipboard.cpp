#include "clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace varnex::platform {

void copyToClipboard(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
#ifdef Q_OS_WIN
    clipboard->setText(text);
#else
    // The program keeps CR LF in its own texts; what other programs paste gets the platform's
    // line breaks.
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    clipboard->setText(lines);
#endif
}

}  // namespace varnex::platform
