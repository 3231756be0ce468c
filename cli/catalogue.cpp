#include "catalogue.h"

#include "text/language.h"
#include "text/translation.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace varnex {
namespace {

struct Translated {
    std::string_view context;
    std::string_view source;
    std::string_view translation;
};

constexpr Translated kGerman[] = {
#include "catalogue_de.inc"
};

}  // namespace

void useLanguage(std::int16_t language) {
    if (language != intGerman) {
        setTranslator({});
        return;
    }
    setTranslator([](const char* context, const char* english) {
        const auto found = std::find_if(std::begin(kGerman), std::end(kGerman), [&](const Translated& t) {
            return t.context == context && t.source == english;
        });
        return std::string(found == std::end(kGerman) ? std::string_view(english) : found->translation);
    });
}

}  // namespace varnex
