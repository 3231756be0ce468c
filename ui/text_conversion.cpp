#include "text_conversion.h"

namespace varnex {

QString toDisplayText(std::string_view text) {
    QString display = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    display.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    display.replace(QChar('\r'), QChar('\n'));
    return display;
}

QString fromDisplaySelection(QString selected) {
    selected.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return selected;
}

}  // namespace varnex
