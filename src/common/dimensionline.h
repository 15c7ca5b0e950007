// Dimension lines of the line sketches: a thin line between two places with
// an arrow head at each end, its tip on the end, pointing away from the
// line's middle. Places in twips, as every sketch line.
#pragma once

#include "common/sketch.h"

namespace quorvil {

// The two strokes of an arrow head run back from its tip `length` twips
// along the line and end `halfWidth` twips to either side of it.
struct ArrowHead {
    int length, halfWidth;
};

enum class Pointing { Left, Right, Up, Down };

// One arrow head with its tip at (x, y).
void arrowHead(Sketch& s, int x, int y, Pointing towards, ArrowHead head);

// From x1 (its arrow pointing left) to x2 (pointing right) at height y.
void horizontalDimensionLine(Sketch& s, int x1, int x2, int y, ArrowHead head);
// From y1 (its arrow pointing up) to y2 (pointing down) at x.
void verticalDimensionLine(Sketch& s, int x, int y1, int y2, ArrowHead head);

}  // namespace quorvil
