// Messages the program shows for rejected input, as data: the window shows them in a
// message box, the command line on standard error.
#pragma once

#include <string>

namespace varnex {

enum class MessageIcon { None, Information, Warning, Critical };

struct Message {
    std::string prompt;
    std::string title;
    MessageIcon icon;
};

}  // namespace varnex
