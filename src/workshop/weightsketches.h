// The part sketches of the weight frames, each the part in outline or in
// section, hatched where cut, with the dimension lines that the frame's boxes
// stand at. Twips from the corner of the frame that holds the sketch.
#pragma once

#include "common/sketch.h"

namespace quorvil::partsketch {

// The stepped part frames of both weight windows: three or four coaxial
// sections with one bore through.
Sketch threeSectionSketch();
Sketch fourSectionSketch();

// The turned parts 一 to 四 of "15.重量计算1": two sections with a bore
// stepping down, three and two sections with one bore through, a cylinder
// with a blind bore.
Sketch twoBoreTurnedSketch();
Sketch threeSectionTurnedSketch();
Sketch twoSectionTurnedSketch();
Sketch blindBoredCylinderSketch();
// Its block, trapezoid plate, ring and body of revolution.
Sketch cuboidSketch();
Sketch trapezoidSketch();
Sketch ringSketch();
Sketch bodyOfRevolutionSketch();

// The parts of "8.复杂件重量计算2": a sleeve with a wide and a narrow bore in
// lengthwise section, the face of a disc cut by two flats, a shaft of three
// sections with a counterbore and a narrow bore.
Sketch sleeveSketch();
Sketch flattedDiscSketch();
Sketch steppedBoreShaftSketch();
// The disc's centre: the box across its flats stands over it.
inline constexpr int kFlattedDiscCentreX = 2700, kFlattedDiscCentreY = 1740;

}  // namespace quorvil::partsketch
