// Units the program converts between.
#pragma once

namespace quorvil {

// Millimetres to the inch.
inline constexpr double kMillimetresPerInch = 25.4;

}  // namespace quorvil
