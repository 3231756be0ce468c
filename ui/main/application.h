#pragma once

#include <cstdint>

namespace varnex {

// Settings of the application object that every start of the window shares: the widget
// style (the classic one, whose frames hold their captions), the program's name, and the
// language of the user's locale (applyLanguage(languageOfEnvironment())).
void configureApplication();

// Makes `language` the language of the window: intLanguage (for the program text, and handed
// to the core for the texts it builds), and the translators of the captions and messages built
// into the window (translations/varnex_xx.qm in the program's folder) and of Qt's own
// (qtbase_xx.qm of the Qt installation). English loads none. A missing translation file leaves
// the window English; so does a damaged one (its bytes do not match the checksum the build wrote
// beside it), with a line on stderr.
void applyLanguage(std::int16_t language);

}  // namespace varnex
