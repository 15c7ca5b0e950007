// The double-ended thread plug gauge seen from the side, as the gauge frames
// of the thread windows draw it: the GO end, the handle and the NO-GO end,
// each end with its thread marks and the dimension lines of its major
// diameter and, where a window shows it, of its thread length. The windows
// place the same drawing at slightly different coordinates, so the drawing
// is one function over them. Twips of the frame the sketch is drawn on.
#pragma once

#include <optional>

#include "common/sketch.h"

namespace quorvil {

// A rectangle by its edges.
struct SketchBox {
    int left, top, right, bottom;
};

// The major-diameter dimension of an end: extension lines along the end's
// top and bottom edges from x `from` (top) to `topTo` and `bottomTo`, and
// the dimension line at x `lineX` between them.
struct MajorDimension {
    int topFrom, topTo;
    int bottomFrom, bottomTo;
    int lineX;
};

// The thread-length dimension below an end: two extension lines down to
// `bottom`, and the dimension line at height `lineY`.
struct LengthDimension {
    int leftX, leftTop;
    int rightX, rightTop;
    int bottom;
    int lineY, lineLeft, lineRight;
};

struct PlugGaugeLayout {
    SketchBox go;
    SketchBox noGo;
    int handleTop, handleBottom;  // the handle runs from the GO end to the NO-GO end
    int markInset;                // the thread marks inside each end, from top and bottom
    MajorDimension goMajor, noGoMajor;
    std::optional<LengthDimension> goLength, noGoLength;
};

// The gauge where the thread windows' gauge frames draw it, without the
// thread-length dimensions; a window that places a part elsewhere or shows
// the lengths starts from this layout and changes those parts.
inline constexpr PlugGaugeLayout kPlugGaugeLayout{
    .go = {990, 360, 1890, 1260},
    .noGo = {3960, 360, 4545, 1215},
    .handleTop = 585,
    .handleBottom = 960,
    .markInset = 90,
    .goMajor = {990, 480, 990, 450, 585},
    .noGoMajor = {4410, 5220, 4410, 5220, 5130},
    .goLength = std::nullopt,
    .noGoLength = std::nullopt,
};

// Thick lines for the outlines and the handle, thin ones for marks and
// dimensions, all black.
Sketch plugGaugeSketch(const PlugGaugeLayout& layout);

namespace inch {

// The gauge that heads the gauge frame of the inch thread windows: a shorter
// NO-GO body, both thread lengths dimensioned, and the line between the GO
// and NO-GO halves under it, running the frame's full height `frameHeight`.
Sketch plugGaugeSketch(int frameHeight);

}  // namespace inch

}  // namespace quorvil
