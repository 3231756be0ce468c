#include "application.h"

#include <QApplication>

namespace varnex {

void ConfigureApplication() {
    QApplication::setStyle("Windows");
    QApplication::setApplicationName("Varnex");
}

}  // namespace varnex
