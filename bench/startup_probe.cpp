// One start of the program up to its shown window, for the start-up benchmark: the main
// window as app/main.cpp starts it ("varnex"), a bare Qt window of the same size ("bare"), or
// that window with one line of text in it ("text", which pays for the font database as every
// window with text does). Prints "shown" once the window is exposed and its first frame
// painted, then ends.
#include "platform/message_box.h"
#include "ui/main/application.h"
#include "ui/main/frm_main.h"

#include <QApplication>
#include <QLabel>
#include <QtWidgets/qtestsupport_widgets.h>

#include <cstdio>
#include <cstring>
#include <memory>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    varnex::configureApplication();
    const char* mode = argc > 1 ? argv[1] : "varnex";
    std::unique_ptr<QWidget> window;
    if (std::strcmp(mode, "varnex") != 0) {
        window = std::make_unique<QWidget>();
        window->setFixedSize(549, 542);
        if (std::strcmp(mode, "text") == 0) (new QLabel("Varnex", window.get()))->move(20, 20);
        window->show();
    } else {
        auto main = std::make_unique<varnex::frmMain>();
        if (!main->Form_Load()) return 1;
        window = std::move(main);
    }
    if (!QTest::qWaitForWindowExposed(window.get())) return 2;
    QApplication::processEvents();
    std::puts("shown");
    std::fflush(stdout);
    return 0;
}
