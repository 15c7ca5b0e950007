// Building blocks of the part sketches of the weight windows: outlines in
// double-width lines, hatched cut walls and thin dimension lines with arrow
// heads and extension lines. All places in twips from the frame's corner.
#pragma once

#include <vector>

#include "common/sketch.h"

namespace quorvil::partsketch {

struct Area {
    int x1, y1, x2, y2;  // x1 < x2, y1 < y2
};

void thick(Sketch& s, int x1, int y1, int x2, int y2);
void thin(Sketch& s, int x1, int y1, int x2, int y2);
// The four edges of an area in double-width lines.
void outline(Sketch& s, Area a);
// Slanted hatching lines across an area, `step` twips apart.
void hatch(Sketch& s, Area a, int step = 120);
struct Point {
    int x, y;
};
// Slanted hatching lines across a convex polygon.
void hatch(Sketch& s, const std::vector<Point>& convexPolygon, int step = 120);
// Straight double-width lines through the points, closing the figure.
void closedOutline(Sketch& s, const std::vector<Point>& points);

// A horizontal dimension from x1 to x2 at height y, arrow heads pointing
// outwards to the extension lines, which run up or down from the part
// (fromY1 at x1, fromY2 at x2) a little past the dimension line. An
// extension line that would have no length is left out.
void horizontalDimension(Sketch& s, int x1, int x2, int y, int fromY1, int fromY2);
// A vertical dimension from y1 to y2 at x, extension lines from fromX1 (at
// y1) and fromX2 (at y2).
void verticalDimension(Sketch& s, int y1, int y2, int x, int fromX1, int fromX2);

}  // namespace quorvil::partsketch
