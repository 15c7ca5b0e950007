// The bolt calculator's sketch: a cylinder head in section, with the cover
// and its boss, the gasket, the cylinder flange and hatched walls, two bolts
// with heads and nuts, the O-ring and the leaders to its two labels.
// Twips relative to the frame that holds it.
#pragma once

#include "common/sketch.h"

namespace quorvil {

Sketch cylinderSketch();

// Where the two leaders end, for the labels "O"形圈 and 密封垫片.
inline constexpr int kORingLabelLeft = 1110, kORingLabelTop = 1440;
inline constexpr int kGasketLabelLeft = 1320, kGasketLabelTop = 1860;
inline constexpr int kSketchLabelHeight = 255;

}  // namespace quorvil
