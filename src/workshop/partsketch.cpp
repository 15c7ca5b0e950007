#include "workshop/partsketch.h"

#include <algorithm>

#include "common/dimensionline.h"

namespace quorvil::partsketch {

namespace {
constexpr ArrowHead kArrow{90, 35};
constexpr int kOvershoot = 60;  // extension lines end this far past the dimension line

int sign(int v) { return (v > 0) - (v < 0); }

// The first hatching line x + y = c above `lo`. Every area of a sketch is
// hatched on the same lines, half a step off the multiples of `step`, so that
// the hatching of two areas that meet runs on across their common edge
// instead of leaving a seam of line ends there.
int firstHatchLine(int lo, int step) {
    int c = step / 2 + (lo - step / 2) / step * step;
    while (c <= lo) c += step;
    while (c - step > lo) c -= step;
    return c;
}
}  // namespace

void thick(Sketch& s, int x1, int y1, int x2, int y2) { s.push_back({x1, y1, x2, y2, 2}); }
void thin(Sketch& s, int x1, int y1, int x2, int y2) { s.push_back({x1, y1, x2, y2, 1}); }

void outline(Sketch& s, Area a) {
    thick(s, a.x1, a.y1, a.x2, a.y1);
    thick(s, a.x2, a.y1, a.x2, a.y2);
    thick(s, a.x2, a.y2, a.x1, a.y2);
    thick(s, a.x1, a.y2, a.x1, a.y1);
}

void hatch(Sketch& s, Area a, int step) {
    // Lines x + y = c, rising to the right, clipped to the area.
    for (int c = firstHatchLine(a.x1 + a.y1, step); c < a.x2 + a.y2; c += step) {
        const int xStart = std::max(a.x1, c - a.y2), xEnd = std::min(a.x2, c - a.y1);
        if (xEnd - xStart < 15) continue;
        thin(s, xStart, c - xStart, xEnd, c - xEnd);
    }
}

void hatch(Sketch& s, const std::vector<Point>& polygon, int step) {
    if (polygon.size() < 3) return;
    int lo = polygon[0].x + polygon[0].y, hi = lo;
    for (const Point& p : polygon) {
        lo = std::min(lo, p.x + p.y);
        hi = std::max(hi, p.x + p.y);
    }
    for (int c = firstHatchLine(lo, step); c < hi; c += step) {
        // Where the line x + y = c crosses the edges; a convex figure gives one chord.
        double xMin = 1e9, xMax = -1e9;
        for (std::size_t i = 0; i < polygon.size(); ++i) {
            const Point a = polygon[i], b = polygon[(i + 1) % polygon.size()];
            const int fa = a.x + a.y - c, fb = b.x + b.y - c;
            if ((fa < 0 && fb < 0) || (fa > 0 && fb > 0) || fa == fb) continue;
            const double t = double(fa) / (fa - fb);
            const double x = a.x + t * (b.x - a.x);
            xMin = std::min(xMin, x);
            xMax = std::max(xMax, x);
        }
        if (xMax - xMin < 15) continue;
        const int x1 = int(xMin + 0.5), x2 = int(xMax + 0.5);
        thin(s, x1, c - x1, x2, c - x2);
    }
}

void closedOutline(Sketch& s, const std::vector<Point>& points) {
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Point a = points[i], b = points[(i + 1) % points.size()];
        thick(s, a.x, a.y, b.x, b.y);
    }
}

void horizontalDimension(Sketch& s, int x1, int x2, int y, int fromY1, int fromY2) {
    horizontalDimensionLine(s, x1, x2, y, kArrow);
    if (fromY1 != y) thin(s, x1, fromY1, x1, y + sign(y - fromY1) * kOvershoot);
    if (fromY2 != y) thin(s, x2, fromY2, x2, y + sign(y - fromY2) * kOvershoot);
}

void verticalDimension(Sketch& s, int y1, int y2, int x, int fromX1, int fromX2) {
    verticalDimensionLine(s, x, y1, y2, kArrow);
    if (fromX1 != x) thin(s, fromX1, y1, x + sign(x - fromX1) * kOvershoot, y1);
    if (fromX2 != x) thin(s, fromX2, y2, x + sign(x - fromX2) * kOvershoot, y2);
}

}  // namespace quorvil::partsketch
