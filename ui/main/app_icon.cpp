#include "app_icon.h"

namespace varnex {

QIcon VarnexIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QString(":/icons/varnex-%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace varnex
