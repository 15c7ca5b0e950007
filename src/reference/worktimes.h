// Standard labour times in minutes: drilling by drill diameter and depth,
// tapping by thread size and depth. Times are texts with one decimal, as
// listed ("1.0"); set-up times and correction factors are not included.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace quorvil::reference {

// An option of the window: design name and caption (a size or depth range).
struct TimeOption {
    std::string_view name, caption;
};

extern const std::array<TimeOption, 9> kDrillDiameters;  // columns of the drilling grid
extern const std::array<TimeOption, 24> kDrillDepths;    // rows of the drilling grid
extern const std::array<TimeOption, 6> kTapSizes;        // columns of the tapping grid
extern const std::array<TimeOption, 10> kTapDepths;      // rows of the tapping grid

// What a cell without a time shows: a dash, so it never reads as zero minutes.
inline constexpr std::string_view kNoTime = "--";

// The time to show for a depth row and a diameter (or size) column; indices
// out of range give an empty text.
std::string_view drillingTime(std::size_t depth, std::size_t diameter);
std::string_view tappingTime(std::size_t depth, std::size_t size);

}  // namespace quorvil::reference
