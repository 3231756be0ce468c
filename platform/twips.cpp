#include "twips.h"

#include <QWidget>

namespace varnex::platform {

QRect outerGeometry(const QWidget* window) { return window->frameGeometry(); }

void setOuterGeometry(QWidget* window, const QRect& outer, const QWidget* like) {
    const QWidget* framed = window->isVisible() || !like ? window : like;
    const QRect frame = framed->frameGeometry();
    const QRect client = framed->geometry();
    const int extraWidth = frame.width() - client.width();
    const int extraHeight = frame.height() - client.height();
    window->resize(outer.width() - extraWidth, outer.height() - extraHeight);
    window->move(outer.topLeft());  // a top-level window's position is its frame's
}

}  // namespace varnex::platform
