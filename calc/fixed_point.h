#pragma once

#include <cmath>
#include <compare>
#include <cstdint>

namespace calc {

// A number with four decimals, held as the value times 10 000 (1 is 10 000, 0.3333 is 3 333).
// The speed factor and the three results are kept this way, so multiplying by a list value is exact.
class FixedPoint {
public:
    static constexpr std::int64_t kScale = 10'000;

    constexpr FixedPoint() = default;

    static constexpr FixedPoint fromRaw(std::int64_t raw) {
        FixedPoint f;
        f.m_raw = raw;
        return f;
    }

    // Times 10 000, then to the nearest integer; an exact half goes to the even neighbour,
    // so 1/32 (312.5) is stored as 312 and not 313.
    static FixedPoint fromDouble(double value) {
        const double scaled = value * static_cast<double>(kScale);
        const double lower = std::floor(scaled);
        const double diff = scaled - lower;
        double rounded = lower;
        if (diff > 0.5 || (diff == 0.5 && std::fmod(lower, 2.0) != 0.0)) {
            rounded = lower + 1.0;
        }
        return fromRaw(static_cast<std::int64_t>(rounded));
    }

    constexpr std::int64_t raw() const { return m_raw; }
    constexpr double toDouble() const { return static_cast<double>(m_raw) / static_cast<double>(kScale); }

    // Exact: the stored integer times the factor, nothing rounded.
    constexpr FixedPoint times(std::int16_t factor) const { return fromRaw(m_raw * factor); }

    constexpr bool operator==(const FixedPoint&) const = default;
    constexpr auto operator<=>(const FixedPoint&) const = default;

private:
    std::int64_t m_raw = 0;
};

} // namespace calc
