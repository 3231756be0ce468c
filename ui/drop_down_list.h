// A drop-down list that tells a choice from a step. A choice is made in the open list (a
// click on an entry; Enter, Alt+Up, Alt+Down or F4 on the entry it highlights), with the
// mouse, or by the program; a step is a key pressed in the
// closed list (an arrow, Home, End, Page Up or Down, a letter), which moves the selection
// one entry at a time while the user is still looking for the one wanted.
#pragma once

#include <QComboBox>

namespace varnex {

class DropDownList : public QComboBox {
public:
    explicit DropDownList(QWidget* parent);

    // True while a key pressed in the closed list is changing the selection.
    bool steppingByKey() const { return steppingByKey_; }

    // The open list is named as the closed one is, for screen readers.
    void showPopup() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool steppingByKey_ = false;
};

}  // namespace varnex
