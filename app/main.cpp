// Varnex: the window.
#include "ui/main/frm_main.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setStyle("Fusion");
    QApplication::setApplicationName("Varnex");
    varnex::frmMain window;
    if (!window.Form_Load()) return 1;
    return QApplication::exec();
}
