// Terms every thread family's tolerance formulas are built from: the powers
// of the pitch and of the representative diameter, the standard diameter
// bands, and the band lookups, one for each way a table closes its bands.
// All lengths in millimetres. Nothing here keeps state.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>

namespace quorvil {

// ---- Powers ----------------------------------------------------------------

// Formed from the natural logarithm and exponential, as the tolerance
// formulas have always been evaluated (the last bit can decide a shown
// thousandth): P^0.4 = (e^(ln P / 5))^2, dr^0.1 = e^(ln dr / 10),
// P^0.7 = (e^(ln P / 10))^7, P^(2/3) = (e^(ln P / 3))^2. They need a positive
// argument.
double powP04(double P);
double powDr01(double dr);
double powP07(double P);
double powP23(double P);

// ---- Band lookups ------------------------------------------------------------
// Each compares in the precision of the key: a single-precision key is
// compared with each bound rounded to single precision, as a window holding
// its values in single precision compares them.

// Bands closed at the top, each given by its upper bound `upTo` and in
// ascending order: a key belongs to the first band whose bound is not below
// it, so a bound belongs to the band below it. The last band has no upper
// limit and takes every key above.
template <class Key, class Band>
const Band& bandUpTo(Key x, std::span<const Band> bands) {
    for (const Band& b : bands)
        if (x <= static_cast<Key>(b.upTo)) return b;
    return bands.back();
}

// Bands closed at the bottom, each given by its lower bound `from` and in
// ascending order: a key belongs to the last band whose bound is not above
// it, so a bound belongs to the band above it. The first band has no lower
// limit and takes every key below.
template <class Key, class Band>
const Band& bandFrom(Key x, std::span<const Band> bands) {
    const Band* found = &bands.front();
    for (const Band& b : bands)
        if (x >= static_cast<Key>(b.from)) found = &b;
    return *found;
}

// Bands with both bounds, (lower, upper]: the index of the band that holds
// the key, or none when no band does.
template <class Key, class Band>
std::optional<int> bandBetween(Key x, std::span<const Band> bands) {
    for (std::size_t i = 0; i < bands.size(); ++i)
        if (x > static_cast<Key>(bands[i].lower) && x <= static_cast<Key>(bands[i].upper)) return static_cast<int>(i);
    return std::nullopt;
}

// ---- Diameter bands ----------------------------------------------------------

struct DiameterBand {
    double lower;
    double upper;
};

// The nine bands (lower, upper] of the nominal diameter by which the
// pitch-diameter tolerances of threads are given.
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

}  // namespace quorvil
