#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ui::qt {

// A QT_SCALE_FACTOR that is not a positive finite number (0, -1, nan, text) would leave the
// window unseen or absurdly large: it is removed before the toolkit reads it. Returns the one
// warning line to print then.
std::optional<std::string> dropUnusableScaleFactor(std::string_view program);

} // namespace ui::qt
