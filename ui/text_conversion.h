// The program keeps its texts with CR LF line breaks; Qt's text widgets show LF paragraphs.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace varnex {

// A text for a text widget: CR LF (and a lone CR) become LF.
QString toDisplayText(std::string_view text);

// Text selected in a text widget, with CR LF line breaks (Qt marks them U+2029).
QString fromDisplaySelection(QString selected);

}  // namespace varnex
