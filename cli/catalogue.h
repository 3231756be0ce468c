// The texts the core builds (the lines' method tags, the exports' words), in the language of
// --names, for varnex-cli, which links no Qt: German from the window's own translation source
// (translations/varnex_de.ts, turned into data at build time), English as written.
#pragma once

#include <cstdint>

namespace varnex {

// Installs the translator of `language` (intEnglish: none) for every later translate().
void useLanguage(std::int16_t language);

}  // namespace varnex
