#pragma once

#include <QComboBox>
#include <QProxyStyle>

namespace ui {

// The style of the window's lists: a list opens as a scrolling list of at most maxVisibleItems
// entries. Some styles, Fusion among them, would open it as one popup as tall as all of its
// entries (999 speeds). One object serves every list of a window.
class DropDownStyle final : public QProxyStyle {
public:
    DropDownStyle();

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;
};

// A select-only list in that style, with a vertical scroll bar whenever it holds more entries than
// it shows open.
class DropDownList final : public QComboBox {
public:
    DropDownList(QStyle& style, QWidget* container);

    void showPopup() override;
};

} // namespace ui
