#include "activation.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace varnex::platform {
namespace {

// Sees every window's activation before the window itself does.
class ActivationTracker : public QObject {
public:
    QPointer<QWidget> current;
    QPointer<QWidget> previous;  // active before `current`

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowActivate && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->isWindow()) {
                previous = current;
                current = widget;
            }
        }
        return false;
    }
};

ActivationTracker& tracker() {
    static ActivationTracker* instance = [] {
        auto* t = new ActivationTracker;
        t->setParent(qApp);
        qApp->installEventFilter(t);
        return t;
    }();
    return *instance;
}

}  // namespace

void trackWindowActivation() { tracker(); }

bool activatedFromProgram(QWidget* window) {
    const ActivationTracker& t = tracker();
    return t.current != window || t.previous != window;
}

}  // namespace varnex::platform
