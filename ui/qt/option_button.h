#pragma once

#include <QRadioButton>

namespace ui::qt {

// An option button that takes a click anywhere in its rectangle, not only on its circle and
// caption: the whole control is the button, as a user clicking beside "16CH" expects.
class OptionButton final : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint& pos) const override;
};

} // namespace ui::qt
