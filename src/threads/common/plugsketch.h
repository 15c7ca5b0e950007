// The double-ended thread plug gauge that heads the gauge frame of the inch
// thread windows: the GO body on the left, the shorter NO-GO body on the
// right, the handle between them, each end's major-diameter and
// thread-length dimension lines, and the line between the GO and NO-GO
// halves. Places in twips relative to the frame.
#pragma once

#include "common/sketch.h"

namespace quorvil::inch {

// `frameHeight`: the dividing line runs the frame's full height.
Sketch plugGaugeSketch(int frameHeight);

}  // namespace quorvil::inch
