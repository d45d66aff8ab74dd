#include "ui/view.h"

#include <array>

namespace ui {

std::string_view controlName(Control c) {
    static constexpr std::array<std::string_view, kControlCount> kNames = {
        "Option1(0)", "Option1(1)", "Label1(0)", "Label1(1)", "Label1(2)", "Label1(3)", "Label1(4)", "Label1(5)",
        "Combo1",     "Combo2",     "Combo3",    "Combo4",    "Combo5",    "Combo6",    "Clear_BTN", "Count_BTN",
    };
    return kNames[static_cast<std::size_t>(c)];
}

} // namespace ui
