#include "calc/number_format.h"

#include <array>
#include <charconv>

namespace calc {

void appendInteger(std::string& out, std::int64_t value) {
    std::array<char, 24> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    out.append(digits.data(), end);
}

void appendFixedPoint(std::string& out, FixedPoint value, std::string_view separator) {
    std::int64_t raw = value.raw();
    if (raw < 0) {
        out.push_back('-');
        raw = -raw;
    }
    appendInteger(out, raw / FixedPoint::kScale);
    auto fraction = raw % FixedPoint::kScale;
    if (fraction == 0) {
        return;
    }
    std::array<char, 4> digits{};
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        *it = static_cast<char>('0' + fraction % 10);
        fraction /= 10;
    }
    std::size_t length = digits.size();
    while (digits[length - 1] == '0') {
        --length;
    }
    out.append(separator);
    out.append(digits.data(), length);
}

void appendReal(std::string& out, double value, std::string_view separator) {
    // %.15g: 15 significant digits, without an exponent for everything from 1e-4 to below 1e15,
    // which holds every value a speed line can show (0.05 to 480).
    std::array<char, 64> text{};
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::general, 15);
    const std::string_view written(text.data(), static_cast<std::size_t>(result.ptr - text.data()));
    const auto point = written.find('.');
    if (point == std::string_view::npos) {
        out.append(written);
        return;
    }
    // %g already drops trailing zeros; only the separator needs replacing.
    out.append(written.substr(0, point));
    out.append(separator);
    out.append(written.substr(point + 1));
}

} // namespace calc
