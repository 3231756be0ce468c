// Varnex: the window.
#include "ui/main/application.h"
#include "ui/main/frm_main.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    varnex::ConfigureApplication();
    varnex::frmMain window;
    if (!window.Form_Load()) return 1;
    return QApplication::exec();
}
