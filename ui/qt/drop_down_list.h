#pragma once

#include <QComboBox>
#include <QProxyStyle>

namespace ui::qt {

// The application's style with one change for the lists: a list opens as a scrolling list of at
// most maxVisibleItems entries. Some styles, Fusion among them, would open it as one popup as tall
// as all of its entries (999 speeds).
class DropDownStyle final : public QProxyStyle {
public:
    DropDownStyle();

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;
};

// Makes DropDownStyle the application's style, once.
void useDropDownStyle();

// A select-only list with a vertical scroll bar whenever it holds more entries than it shows open.
class DropDownList final : public QComboBox {
public:
    using QComboBox::QComboBox;

    void showPopup() override;
};

} // namespace ui::qt
