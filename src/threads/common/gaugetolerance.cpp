#include "threads/common/gaugetolerance.h"

#include <array>

#include "threads/common/tolerance.h"

namespace quorvil {

namespace {

struct Band {
    double lower;
    double upper;
    GaugeTolerance tol;
};

// Band 2's wear allowances are 0.0095 and 0.0075, in step with the
// neighbouring bands; ten times as much would put the GO gauge's wear limit
// below the thread's own basic pitch diameter.
constexpr std::array<Band, 7> kBands{{
    {0.024, 0.05, {0, 0.006, 0.008, 0.006}},
    {0.05, 0.08, {0.002, 0.007, 0.0095, 0.0075}},
    {0.08, 0.125, {0.006, 0.009, 0.0125, 0.0095}},
    {0.125, 0.2, {0.012, 0.011, 0.0175, 0.0115}},
    {0.2, 0.315, {0.016, 0.014, 0.021, 0.015}},
    {0.315, 0.5, {0.024, 0.018, 0.027, 0.019}},
    {0.5, 0.67, {0.032, 0.022, 0.033, 0.023}},
}};

template <class Key>
std::optional<GaugeTolerance> lookUp(Key td2) {
    if (const auto band = bandBetween(td2, std::span<const Band>(kBands)))
        return kBands[static_cast<std::size_t>(*band)].tol;
    return std::nullopt;
}

}  // namespace

std::optional<GaugeTolerance> gaugeTolerance(double td2) { return lookUp(td2); }

std::optional<GaugeTolerance> gaugeToleranceSingle(float td2) { return lookUp(td2); }

}  // namespace quorvil
