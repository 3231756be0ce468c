#include "app_icon.h"

namespace varnex {

QIcon varnexIcon() {
    // Up to 64 px, the sizes of title bars and task bars: on X11 every size is sent to the
    // window manager at start-up, and 128 and 256 px cost 6 ms there. Larger pictures come
    // from the installed icon theme, through the desktop entry.
    QIcon icon;
    for (const int size : {16, 32, 48, 64})
        icon.addFile(QString(":/icons/varnex-%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace varnex
