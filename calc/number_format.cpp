#include "calc/number_format.h"

#include <array>
#include <charconv>
#if defined(KOLVEX_NO_DOUBLE_TO_CHARS)
#include <cstdio>
#endif

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

namespace {

// The speed line's number with 15 significant digits, as %.15g writes it: an exponent only below
// 1e-4 or from 1e15 on, which the report never reaches.
std::string_view generalDigits(std::array<char, 64>& text, double value) {
#if defined(KOLVEX_NO_DOUBLE_TO_CHARS)
    // Where the standard library has no floating-point to_chars (the libc++ of emscripten 3.1.6),
    // the C library's %.15g, which rounds exactly as to_chars does. Its decimal point may follow
    // the C locale; the caller replaces whatever stands between the digits.
    const int length = std::snprintf(text.data(), text.size(), "%.15g", value);
    return {text.data(), length > 0 ? static_cast<std::size_t>(length) : 0};
#else
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::general, 15);
    return {text.data(), static_cast<std::size_t>(result.ptr - text.data())};
#endif
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

void appendReal(std::string& out, double value, std::string_view separator) {
    std::array<char, 64> text{};
    const std::string_view written = generalDigits(text, value);
    // %g already drops trailing zeros; only the decimal point needs replacing: whatever stands
    // between the integer digits and the fraction digits.
    const std::size_t sign = written.starts_with('-') ? 1 : 0;
    std::size_t point = sign;
    while (point < written.size() && isDigit(written[point])) {
        ++point;
    }
    std::size_t fraction = point;
    while (fraction < written.size() && !isDigit(written[fraction])) {
        ++fraction;
    }
    // Without digits on both sides (an exponent, "inf", "nan") there is no point to replace.
    if (point == sign || fraction == point || fraction == written.size() || written[point] == 'e') {
        out.append(written);
        return;
    }
    out.append(written.substr(0, point));
    out.append(separator);
    out.append(written.substr(fraction));
}

} // namespace calc
