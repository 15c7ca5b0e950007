// The flange sketch of the API flange window: the flange in axial section
// with its ring groove, a detail of the groove, and the dimension and leader
// lines that its result boxes stand on. Twips on the result frame.
#pragma once

#include "common/sketch.h"

namespace quorvil::reference {

Sketch flangeSketch();

// Where the boxes and captions stand, in the same twips: the middles of the
// diameter boxes in front of the face, the heights of the thickness and
// length boxes below the section and the left end of the overall length.
inline constexpr int kText1X = 4560, kText22X = 5000, kText28X = 5250, kText5X = 5850, kText4X = 6550, kText3X = 7250;
inline constexpr int kText7Y = 6250, kText2Y = 6600, kText21Y = 6950, kText21Left = 700;
inline constexpr int kText6X = 475;
inline constexpr int kHoleLeaderY = 1300;  // the bolt hole's leader ends at its box
inline constexpr int kRaised = 4060;       // the raised face
// The groove detail: the groove's opening and its width dimension.
inline constexpr int kDetOpen0 = 7950, kDetOpen1 = 9350, kDetWidthY = 420;

}  // namespace quorvil::reference
