#include "twips.h"

#include <QMargins>
#include <QWidget>

namespace varnex::platform {

QRect outerGeometry(const QWidget* window) { return window->frameGeometry(); }

void setOuterGeometry(QWidget* window, const QRect& outer, const QWidget* like) {
    // Placed by its client rectangle inside the frame: a window hidden after being shown has
    // lost its frame, and a position given to it by move() would be taken for its client's.
    const QWidget* framed = window->isVisible() || !like ? window : like;
    const QRect frame = framed->frameGeometry();
    const QRect client = framed->geometry();
    const QMargins margins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                           frame.bottom() - client.bottom());
    window->setGeometry(outer.marginsRemoved(margins));
}

}  // namespace varnex::platform
