#pragma once

namespace varnex {

// Settings of the application object that every start of the window shares: the widget
// style (the classic one, whose frames hold their captions) and the program's name.
void configureApplication();

}  // namespace varnex
