#include "ui/qt/drop_down_list.h"

#include <QAbstractItemView>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace ui {

int DropDownList::entryTextRoom() const {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    // The field's label is drawn a pixel in from either side of the edit field, clipped to it.
    return field.adjusted(1, 0, -1, 0).width();
}

void DropDownList::showPopup() {
    if (styleSheet().isEmpty()) {
        setStyleSheet(QStringLiteral("combobox-popup: 0;"));
    }
    // Without the bar only the wheel and the End key would tell that more entries follow.
    view()->setVerticalScrollBarPolicy(count() > maxVisibleItems() ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
    QComboBox::showPopup();
}

} // namespace ui
