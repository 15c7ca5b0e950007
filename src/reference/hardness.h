// The hardness conversion table: for each Rockwell C value from 15.0 to 70.0
// in steps of 0.5, the Brinell (HB 30D²), Rockwell A and Vickers hardness and
// the approximate tensile strength in MPa, each as the text a box shows.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace quorvil {

struct HardnessRow {
    std::string_view hrc, hb, hra, hv, strength;
};

inline constexpr std::size_t kHardnessRowCount = 111;
extern const std::array<HardnessRow, kHardnessRowCount> kHardnessTable;

// Heading and tool tip of one value column (HB, HRA, HV, strength).
struct HardnessColumn {
    std::string_view heading, toolTip;
};

struct HardnessHeadings {
    std::string_view listHeading, listToolTip;
    std::array<HardnessColumn, 4> columns;
};
extern const HardnessHeadings kHardnessHeadings;

}  // namespace quorvil
