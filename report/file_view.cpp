#include "file_view.h"

#include "text/number_text.h"
#include "text/utf8.h"

namespace varnex {

static_assert(kViewerHeadNote.size() == 168 && kViewerTailNote.size() == 56);

std::string viewerText(std::string_view fileText, bool cut) {
    if (!cut && utf8Length(fileText) < kViewerTextLimit) return std::string(fileText);
    const std::size_t shown = kViewerTextLimit - kViewerHeadNote.size() - kViewerTailNote.size();  // 65306
    std::string text(kViewerHeadNote);
    text += utf8Prefix(fileText, shown);
    text += "\r\n\r\n";
    text += kViewerTailNote;
    return text;
}

std::string fileErrorText(int number, std::string_view description) {
    return "Error " + decimal(number) + ".  " + std::string(description);
}

}  // namespace varnex
