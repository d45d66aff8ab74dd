#include "ui/qt/drop_down_list.h"

#include <QAbstractItemView>
#include <QApplication>

namespace ui::qt {

DropDownStyle::DropDownStyle() : QProxyStyle(QApplication::style()->name()) {}

int DropDownStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                             QStyleHintReturn* returnData) const {
    return hint == SH_ComboBox_Popup ? 0 : QProxyStyle::styleHint(hint, option, widget, returnData);
}

void useDropDownStyle() {
    static const bool done = [] {
        QApplication::setStyle(new DropDownStyle);
        return true;
    }();
    (void)done;
}

void DropDownList::showPopup() {
    // Without the bar only the wheel and the End key would tell that more entries follow.
    view()->setVerticalScrollBarPolicy(count() > maxVisibleItems() ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
    QComboBox::showPopup();
}

} // namespace ui::qt
