#pragma once

#include <QComboBox>

namespace ui {

// A select-only list that opens as a scrolling list of at most maxVisibleItems entries, with a
// vertical scroll bar whenever it holds more. Some styles, Fusion among them, would open it as
// one popup as tall as all of its entries (999 speeds). The style sheet hint that says so is set
// when the list first opens: set on every list up front, it would cost a good part of the
// window's start-up memory.
class DropDownList final : public QComboBox {
public:
    using QComboBox::QComboBox;

    void showPopup() override;
};

} // namespace ui
