#include "file_view.h"

#include "text/number_text.h"
#include "text/translation.h"
#include "text/utf8.h"

namespace varnex {

static_assert(kViewerHeadNote.size() == 168 && kViewerTailNote.size() == 56);

std::string viewerText(std::string_view fileText, bool cut, std::int16_t language) {
    if (!cut && utf8Length(fileText) < kViewerTextLimit) return std::string(fileText);
    // In English the text shows 65306 characters.
    const std::string head = translate("Report", "NOTE: This file is too large to display entirely in this textbox.\r\n"
                                                 "To view the entire contents of the file load it into NotePad,\r\n"
                                                 "WordPad or some other text editor.\r\n\r\n").in(language);
    const std::string tail = translate("Report", "NOTE: Entire contents of file have not been displayed.\r\n").in(language);
    const std::size_t shown = kViewerTextLimit - utf8Length(head) - utf8Length(tail);
    std::string text = head;
    text += utf8Prefix(fileText, shown);
    text += "\r\n\r\n";
    text += tail;
    return text;
}

std::string fileErrorText(int number, std::string_view description, std::int16_t language) {
    return withArgument(translate("Report", "Error %1.").in(language), decimal(number)) + "  " + std::string(description);
}

}  // namespace varnex
