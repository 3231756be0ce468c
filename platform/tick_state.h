// Check boxes hold the values 0 (clear), 1 (ticked) and 2 (greyed); Qt numbers its states
// differently (Unchecked 0, PartiallyChecked 1, Checked 2). This is the one mapping.
#pragma once

#include "text/tick_state.h"

#include <QCheckBox>

#include <functional>

namespace varnex::platform {

constexpr Qt::CheckState toCheckState(TickState state) {
    switch (state) {
    case TickState::Ticked: return Qt::Checked;
    case TickState::Greyed: return Qt::PartiallyChecked;
    case TickState::Clear: break;
    }
    return Qt::Unchecked;
}

constexpr TickState toTickState(Qt::CheckState state) {
    switch (state) {
    case Qt::Checked: return TickState::Ticked;
    case Qt::PartiallyChecked: return TickState::Greyed;
    case Qt::Unchecked: break;
    }
    return TickState::Clear;
}

inline TickState tickStateOf(const QCheckBox* box) { return toTickState(box->checkState()); }

// Only a ticked box counts as selected.
inline bool isTicked(const QCheckBox* box) { return box->checkState() == Qt::Checked; }

// Sets the value as code does: the box's change handler runs when the value changes.
inline void setTickState(QCheckBox* box, TickState state) { box->setCheckState(toCheckState(state)); }

// A check box the user toggles between clear and ticked only; the program may also set it
// greyed (from a settings file), and a click on a greyed box ticks it.
class TickBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override { setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked); }
};

// Runs `handler` on every change of the box's value, by the user or by code.
inline void onTickChanged(QCheckBox* box, QObject* context, std::function<void()> handler) {
    QObject::connect(box, &QCheckBox::stateChanged, context, [handler = std::move(handler)](int) { handler(); });
}

}  // namespace varnex::platform
