// Diameter bands of the metric tolerance tables: a diameter d belongs to a
// band when lower < d <= upper.
#pragma once

#include <array>
#include <cstddef>
#include <optional>

namespace quorvil::metric {

struct DiameterBand {
    double lower;
    double upper;
};

// The nine bands by which the pitch-diameter tolerances of internal and
// external threads are given, mm.
inline constexpr std::array<DiameterBand, 9> kToleranceBands{{
    {0.99, 1.4},
    {1.4, 2.8},
    {2.8, 5.6},
    {5.6, 11.2},
    {11.2, 22.4},
    {22.4, 45},
    {45, 90},
    {90, 180},
    {180, 355},
}};

// Index of the band holding d, if any.
template <std::size_t N>
std::optional<int> bandOf(const std::array<DiameterBand, N>& bands, double d) {
    for (std::size_t i = 0; i < N; ++i)
        if (d > bands[i].lower && d <= bands[i].upper) return static_cast<int>(i);
    return std::nullopt;
}

}  // namespace quorvil::metric
