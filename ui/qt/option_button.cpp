#include "ui/qt/option_button.h"

namespace ui::qt {

bool OptionButton::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

} // namespace ui::qt
