// The stored lists of the weight calculator.
#pragma once

#include <array>
#include <string_view>

namespace quorvil {

// The material density list: each item is the material's name, a run of tabs
// and blanks that lines the densities up, the density in g/cm3 as text and
// sometimes a trailing blank or tab, exactly as the list shows it.
extern const std::array<std::string_view, 140> kMaterialDensities;

// A steel section as its list shows it, with its mass per metre.
struct SteelSection {
    std::string_view item;  // "5#-50*5": section number, leg width * thickness (angle) or height * flange (channel)
    double kgPerMetre;
};

extern const std::array<SteelSection, 51> kAngleSteel;    // equal-leg angle steel
extern const std::array<SteelSection, 15> kChannelSteel;  // channel steel

}  // namespace quorvil
