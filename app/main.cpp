// Varnex: the window.
#include "platform/program_folder.h"
#include "ui/main/application.h"
#include "ui/main/frm_main.h"

#include <QApplication>

int main(int argc, char** argv) {
    varnex::platform::rememberProgramName(argc > 0 ? argv[0] : nullptr);
    QApplication application(argc, argv);
    varnex::configureApplication();
    varnex::frmMain window;
    if (!window.Form_Load()) return 1;
    return QApplication::exec();
}
