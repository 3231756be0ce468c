// A label that works as a link: underlined text that a click, or Enter or Space while it has
// the focus, activates; reached by Tab, with a focus mark; announced to screen readers with
// the link role and a press action.
#pragma once

#include <QLabel>

#include <functional>

namespace varnex {

class LinkLabel : public QLabel {
    Q_OBJECT  // its own class name, by which the accessibility factory knows it

public:
    LinkLabel(const QString& text, QWidget* parent);

    // What activation does (opening the address).
    void setActivation(std::function<void()> activate) { activate_ = std::move(activate); }
    void activate() const {
        if (activate_) activate_();
    }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<void()> activate_;
};

}  // namespace varnex
