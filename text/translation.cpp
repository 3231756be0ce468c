#include "translation.h"

namespace varnex {
namespace {

Translator& installed() {
    static Translator translator;
    return translator;
}

}  // namespace

void setTranslator(Translator translator) { installed() = std::move(translator); }

std::string translate(const char* context, const char* english) {
    return installed() ? installed()(context, english) : std::string(english);
}

std::string withArgument(std::string text, std::string_view value) {
    const auto at = text.find("%1");
    if (at != std::string::npos) text.replace(at, 2, value);
    return text;
}

}  // namespace varnex
