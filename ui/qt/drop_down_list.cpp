#include "ui/qt/drop_down_list.h"

#include <QAbstractItemView>

namespace ui {

void DropDownList::showPopup() {
    if (styleSheet().isEmpty()) {
        setStyleSheet(QStringLiteral("combobox-popup: 0;"));
    }
    // Without the bar only the wheel and the End key would tell that more entries follow.
    view()->setVerticalScrollBarPolicy(count() > maxVisibleItems() ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
    QComboBox::showPopup();
}

} // namespace ui
