#include "workshop/weightsketches.h"

#include <cmath>
#include <initializer_list>
#include <numbers>
#include <vector>

#include "workshop/partsketch.h"

namespace quorvil::partsketch {

namespace {

// Hatches the cut walls of a section between its outline and a bore.
void walls(Sketch& s, Area section, int boreTop, int boreBottom) {
    hatch(s, Area{section.x1, section.y1, section.x2, boreTop});
    hatch(s, Area{section.x1, boreBottom, section.x2, section.y2});
}

// Coaxial sections in lengthwise section with one bore through, from the
// left end face to boreEnd: their outlines, the cut walls, the bore's lines.
void sectionsWithBore(Sketch& s, std::initializer_list<Area> sections, int boreTop, int boreBottom, int boreEnd) {
    for (const Area& a : sections) {
        outline(s, a);
        walls(s, a, boreTop, boreBottom);
    }
    const int from = sections.begin()->x1;
    thick(s, from, boreTop, boreEnd, boreTop);
    thick(s, from, boreBottom, boreEnd, boreBottom);
}

// A bore of two diameters in lengthwise section, in double-width lines: the
// wide part from `from` to the step, the narrow part on to `to`.
void steppedBore(Sketch& s, int from, int step, int to, int wideTop, int wideBottom, int narrowTop, int narrowBottom) {
    thick(s, from, wideTop, step, wideTop);
    thick(s, from, wideBottom, step, wideBottom);
    thick(s, step, wideTop, step, narrowTop);
    thick(s, step, narrowBottom, step, wideBottom);
    thick(s, step, narrowTop, to, narrowTop);
    thick(s, step, narrowBottom, to, narrowBottom);
}

}  // namespace

Sketch threeSectionSketch() {
    const Area left{900, 600, 1740, 1200}, middle{1740, 360, 2820, 1440}, right{2820, 540, 4200, 1260};
    constexpr int boreTop = 720, boreBottom = 1080;
    Sketch s;
    sectionsWithBore(s, {left, middle, right}, boreTop, boreBottom, right.x2);
    verticalDimension(s, left.y1, left.y2, 600, left.x1, left.x1);             // d1
    verticalDimension(s, middle.y1, middle.y2, 2040, 2040, 2040);              // d2
    horizontalDimension(s, middle.x1, middle.x2, 1680, middle.y2, middle.y2);  // l2
    horizontalDimension(s, right.x1, right.x2, 1680, middle.y2, right.y2);     // l3
    verticalDimension(s, right.y1, right.y2, 4470, right.x2, right.x2);        // d3
    verticalDimension(s, boreTop, boreBottom, 3000, 3000, 3000);               // b
    horizontalDimension(s, left.x1, right.x2, 2280, left.y2, right.y2);        // L
    return s;
}

Sketch fourSectionSketch() {
    const Area s1{765, 450, 1620, 2655}, s2{1620, 675, 2205, 2385}, s3{2205, 855, 3600, 2205},
        s4{3600, 540, 4185, 2520};
    constexpr int boreTop = 1170, boreBottom = 1890, boreEnd = 4155;
    Sketch s;
    sectionsWithBore(s, {s1, s2, s3, s4}, boreTop, boreBottom, boreEnd);
    verticalDimension(s, s1.y1, s1.y2, 450, s1.x1, s1.x1);        // d1
    verticalDimension(s, s2.y1, s2.y2, 1912, 1912, 1912);         // d2
    verticalDimension(s, s3.y1, s3.y2, 2400, 2400, 2400);         // d3
    verticalDimension(s, boreTop, boreBottom, 3000, 3000, 3000);  // b
    verticalDimension(s, s4.y1, s4.y2, 4470, s4.x2, s4.x2);       // d4
    horizontalDimension(s, s1.x1, s1.x2, 2880, s1.y2, s1.y2);     // l1
    horizontalDimension(s, s2.x1, s2.x2, 2880, s1.y2, s2.y2);     // l2
    thin(s, s2.x2, 2880, 2400, 2880);                             // carried to its box
    horizontalDimension(s, s4.x1, s4.x2, 2880, s3.y2, s4.y2);     // l4
    thin(s, s4.x2, 2880, 4530, 2880);
    horizontalDimension(s, s1.x1, s4.x2, 3360, s1.y2, s4.y2);  // L
    return s;
}

Sketch twoBoreTurnedSketch() {
    const Area s1{1230, 1020, 2370, 2760}, s2{2370, 1320, 3390, 2460};
    constexpr int step = 2010, b1Top = 1260, b1Bottom = 2520, b2Top = 1620, b2Bottom = 2160;
    Sketch s;
    outline(s, s1);
    outline(s, s2);
    steppedBore(s, s1.x1, step, s2.x2, b1Top, b1Bottom, b2Top, b2Bottom);
    walls(s, {s1.x1, s1.y1, step, s1.y2}, b1Top, b1Bottom);
    walls(s, {step, s1.y1, s1.x2, s1.y2}, b2Top, b2Bottom);
    walls(s, s2, b2Top, b2Bottom);
    horizontalDimension(s, s1.x1, s2.x2, 480, s1.y1, s2.y1);     // L
    horizontalDimension(s, s1.x1, s1.x2, 810, s1.y1, s1.y1);     // l1
    verticalDimension(s, s1.y1, s1.y2, 930, s1.x1, s1.x1);       // D1
    verticalDimension(s, s2.y1, s2.y2, 3690, s2.x2, s2.x2);      // D2
    verticalDimension(s, b1Top, b1Bottom, 1350, 1350, 1350);     // d1
    verticalDimension(s, b2Top, b2Bottom, 2580, 2580, 2580);     // d2
    horizontalDimension(s, s1.x1, step, 2970, s1.y2, b1Bottom);  // h1
    return s;
}

Sketch threeSectionTurnedSketch() {
    const Area a{1410, 1020, 2130, 2760}, b{2130, 1320, 3570, 2460}, c{3570, 1080, 4530, 2700};
    constexpr int boreTop = 1620, boreBottom = 2160;
    Sketch s;
    sectionsWithBore(s, {a, b, c}, boreTop, boreBottom, c.x2);
    horizontalDimension(s, a.x1, a.x2, 810, a.y1, a.y1);          // lA
    horizontalDimension(s, c.x1, c.x2, 810, c.y1, c.y1);          // lC
    verticalDimension(s, a.y1, a.y2, 1110, a.x1, a.x1);           // DA
    verticalDimension(s, b.y1, b.y2, 2400, 2400, 2400);           // DB
    verticalDimension(s, c.y1, c.y2, 4830, c.x2, c.x2);           // DC
    verticalDimension(s, boreTop, boreBottom, 3000, 3000, 3000);  // d
    horizontalDimension(s, a.x1, c.x2, 2940, a.y2, c.y2);         // L
    return s;
}

Sketch twoSectionTurnedSketch() {
    const Area s1{1290, 990, 2430, 2730}, s2{2430, 1290, 3450, 2430};
    constexpr int boreTop = 1590, boreBottom = 2130;
    Sketch s;
    sectionsWithBore(s, {s1, s2}, boreTop, boreBottom, s2.x2);
    horizontalDimension(s, s1.x1, s2.x2, 450, s1.y1, s2.y1);      // L
    horizontalDimension(s, s1.x1, s1.x2, 780, s1.y1, s1.y1);      // l1
    verticalDimension(s, s1.y1, s1.y2, 990, s1.x1, s1.x1);        // D1
    verticalDimension(s, s2.y1, s2.y2, 3750, s2.x2, s2.x2);       // D2
    verticalDimension(s, boreTop, boreBottom, 2700, 2700, 2700);  // d
    return s;
}

Sketch blindBoredCylinderSketch() {
    const Area body{1410, 1050, 3630, 2790}, bore{1950, 1410, 3630, 2430};
    Sketch s;
    outline(s, body);
    thick(s, bore.x1, bore.y1, bore.x2, bore.y1);
    thick(s, bore.x1, bore.y2, bore.x2, bore.y2);
    thick(s, bore.x1, bore.y1, bore.x1, bore.y2);
    hatch(s, Area{body.x1, body.y1, body.x2, bore.y1});
    hatch(s, Area{body.x1, bore.y2, body.x2, body.y2});
    hatch(s, Area{body.x1, bore.y1, bore.x1, bore.y2});
    horizontalDimension(s, body.x1, body.x2, 780, body.y1, body.y1);  // L
    verticalDimension(s, body.y1, body.y2, 1110, body.x1, body.x1);   // D
    horizontalDimension(s, bore.x1, bore.x2, 1920, 1920, 1920);       // h
    verticalDimension(s, bore.y1, bore.y2, 3930, bore.x2, bore.x2);   // d
    return s;
}

Sketch cuboidSketch() {
    const Area block{1440, 870, 3405, 2010};
    Sketch s;
    outline(s, block);
    horizontalDimension(s, block.x1, block.x2, 600, block.y1, block.y1);  // l
    verticalDimension(s, block.y1, block.y2, 1140, block.x1, block.x1);   // h
    return s;
}

Sketch trapezoidSketch() {
    constexpr int left = 1320, topRight = 2760, bottomRight = 3300, top = 720, bottom = 1680;
    Sketch s;
    closedOutline(s, {{left, top}, {topRight, top}, {bottomRight, bottom}, {left, bottom}});
    horizontalDimension(s, left, topRight, 480, top, top);            // a
    horizontalDimension(s, left, bottomRight, 1890, bottom, bottom);  // b
    verticalDimension(s, top, bottom, 1050, left, left);              // h
    return s;
}

Sketch ringSketch() {
    const Area ring{1320, 1050, 3285, 1590};
    constexpr int boreLeft = 1740, boreRight = 2880;
    Sketch s;
    outline(s, ring);
    thick(s, boreLeft, ring.y1, boreLeft, ring.y2);
    thick(s, boreRight, ring.y1, boreRight, ring.y2);
    hatch(s, Area{ring.x1, ring.y1, boreLeft, ring.y2});
    hatch(s, Area{boreRight, ring.y1, ring.x2, ring.y2});
    horizontalDimension(s, ring.x1, ring.x2, 780, ring.y1, ring.y1);      // D
    horizontalDimension(s, boreLeft, boreRight, 1860, ring.y2, ring.y2);  // d
    verticalDimension(s, ring.y1, ring.y2, 1020, ring.x1, ring.x1);       // L
    return s;
}

Sketch bodyOfRevolutionSketch() {
    constexpr int axis = 1980, boreEdge = 2280;
    struct Step {
        int x1, x2, radius;
    };
    constexpr Step steps[] = {
        {1320, 1860, 900}, {1860, 2340, 600}, {2340, 3240, 780}, {3240, 3720, 540}, {3720, 4260, 960}};
    Sketch s;
    s.push_back({1260, axis, 4380, axis, 1, 0x000000});  // the axis
    // Upper half: the outline; lower half: the cut, down to the bore.
    std::vector<Point> upper{{steps[0].x1, axis}};
    for (const Step& st : steps) {
        upper.push_back({st.x1, axis - st.radius});
        upper.push_back({st.x2, axis - st.radius});
    }
    upper.push_back({steps[4].x2, axis});
    for (std::size_t i = 0; i + 1 < upper.size(); ++i) {
        thick(s, upper[i].x, upper[i].y, upper[i + 1].x, upper[i + 1].y);
        thick(s, upper[i].x, 2 * axis - upper[i].y, upper[i + 1].x, 2 * axis - upper[i + 1].y);
    }
    thick(s, steps[0].x1, boreEdge, steps[4].x2, boreEdge);
    for (const Step& st : steps) hatch(s, Area{st.x1, boreEdge, st.x2, axis + st.radius});
    horizontalDimension(s, 1320, 1860, 780, axis - 900, axis - 900);   // l1
    verticalDimension(s, axis - 900, axis + 900, 1020, 1320, 1320);    // D1
    thin(s, 2100, axis - 600, 2100, 615);                              // D2 leader
    verticalDimension(s, axis - 780, axis + 780, 2790, 2790, 2790);    // D3
    horizontalDimension(s, 2340, 3240, 3060, axis + 780, axis + 780);  // l3
    thin(s, 3480, axis - 540, 3480, 1185);                             // D4 leader
    horizontalDimension(s, 3240, 3720, 3060, axis + 780, axis + 540);  // l4
    thin(s, 3720, 3060, 3900, 3060);
    verticalDimension(s, axis - 960, axis + 960, 4560, 4260, 4260);         // D5
    horizontalDimension(s, 3720, 4260, 780, axis - 960, axis - 960);        // l5
    horizontalDimension(s, 1320, 4260, 3480, axis + 900, axis + 960);       // L
    verticalDimension(s, 2 * axis - boreEdge, boreEdge, 1230, 1230, 1230);  // d
    return s;
}

Sketch sleeveSketch() {
    const Area part{1200, 600, 4200, 1800};
    constexpr int step = 3200, wideTop = 840, wideBottom = 1560, narrowTop = 1020, narrowBottom = 1380;
    Sketch s;
    outline(s, part);
    steppedBore(s, part.x1, step, part.x2, wideTop, wideBottom, narrowTop, narrowBottom);
    walls(s, {part.x1, part.y1, step, part.y2}, wideTop, wideBottom);
    walls(s, {step, part.y1, part.x2, part.y2}, narrowTop, narrowBottom);
    verticalDimension(s, part.y1, part.y2, 1020, part.x1, part.x1);    // D
    verticalDimension(s, wideTop, wideBottom, 1560, 1560, 1560);       // d1
    verticalDimension(s, narrowTop, narrowBottom, 3420, 3420, 3420);   // d2
    horizontalDimension(s, part.x1, step, 420, part.y1, wideTop);      // l1
    horizontalDimension(s, part.x1, part.x2, 2070, part.y2, part.y2);  // L
    return s;
}

Sketch flattedDiscSketch() {
    constexpr int cx = kFlattedDiscCentreX, cy = kFlattedDiscCentreY, r = 1200,
                  half = 900;  // half the width across flats
    // The two arcs as short straight lines, the flats joining their ends.
    std::vector<Point> disc;
    const double a0 = std::acos(double(half) / r);
    for (const double from : {a0, std::numbers::pi + a0}) {  // lower arc, then upper arc
        for (int i = 0; i <= 12; ++i) {
            const double a = from + (std::numbers::pi - 2 * a0) * i / 12;
            disc.push_back({cx + int(std::lround(r * std::cos(a))), cy + int(std::lround(r * std::sin(a)))});
        }
    }
    Sketch s;
    closedOutline(s, disc);
    hatch(s, disc, 150);
    horizontalDimension(s, cx - half, cx + half, cy, cy, cy);  // s
    verticalDimension(s, cy - r, cy + r, 4200, cx, cx);        // D
    return s;
}

Sketch steppedBoreShaftSketch() {
    const Area s1{900, 600, 2100, 2400}, s2{2100, 840, 3300, 2160}, s3{3300, 1080, 4500, 1920};
    constexpr int cbEnd = 1800, cbTop = 1140, cbBottom = 1860, boreTop = 1320, boreBottom = 1680;
    Sketch s;
    for (const Area& a : {s1, s2, s3}) outline(s, a);
    steppedBore(s, s1.x1, cbEnd, s3.x2, cbTop, cbBottom, boreTop, boreBottom);
    walls(s, {s1.x1, s1.y1, cbEnd, s1.y2}, cbTop, cbBottom);
    walls(s, {cbEnd, s1.y1, s1.x2, s1.y2}, boreTop, boreBottom);
    for (const Area& a : {s2, s3}) walls(s, a, boreTop, boreBottom);
    verticalDimension(s, s1.y1, s1.y2, 690, s1.x1, s1.x1);        // D1
    horizontalDimension(s, s1.x1, s1.x2, 420, s1.y1, s1.y1);      // l1
    verticalDimension(s, s2.y1, s2.y2, 2700, 2700, 2700);         // D2
    horizontalDimension(s, s2.x1, s2.x2, 420, s1.y1, s2.y1);      // l2
    verticalDimension(s, s3.y1, s3.y2, 4680, s3.x2, s3.x2);       // D3
    verticalDimension(s, cbTop, cbBottom, 1140, 1140, 1140);      // d1
    horizontalDimension(s, s1.x1, cbEnd, 2640, s1.y2, cbBottom);  // b1
    verticalDimension(s, boreTop, boreBottom, 3840, 3840, 3840);  // d2
    horizontalDimension(s, s1.x1, s3.x2, 3060, s1.y2, s3.y2);     // L
    return s;
}

}  // namespace quorvil::partsketch
