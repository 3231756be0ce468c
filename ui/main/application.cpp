#include "application.h"

#include "varnex/version.h"

#include <QApplication>

namespace varnex {

void configureApplication() {
    QApplication::setStyle("Windows");
    QApplication::setApplicationName("Varnex");
    QApplication::setApplicationVersion(kVersion);
    // Ties the windows to the installed desktop entry (its name, and the icon on Wayland).
    QGuiApplication::setDesktopFileName(kApplicationId);
}

}  // namespace varnex
