// Comparing words in any case, as a user types them: ASCII, and the Latin letters with accents,
// macrons and carons that names and pinyin use ("Qīngmíng", "QĪNGMÍNG").
#pragma once

#include <string>
#include <string_view>

namespace varnex {

// The text with its capital letters made small: A-Z, the capitals of Latin-1 (À-Þ but ×),
// Latin Extended-A (Ā ... Ž, whose small letter follows each capital) and the pinyin vowels
// with a caron (Ǎ Ǐ Ǒ Ǔ Ǖ Ǘ Ǚ Ǜ). Everything else, broken UTF-8 included, stays as it is.
std::string foldCase(std::string_view text);

// Whether two texts are the same but for the case of their letters (foldCase).
bool equalIgnoringCase(std::string_view a, std::string_view b);

}  // namespace varnex
