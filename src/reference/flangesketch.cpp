#include "reference/flangesketch.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include "common/dimensionline.h"

namespace quorvil::reference {

namespace {

// Axial section: hub on the left, ring-joint face on the right, the axis
// across the middle; radii are measured from the axis, so the lower half is
// the upper one mirrored.

struct Pt {
    int x, y;
};

constexpr int kAxis = 3800;
constexpr int kHubEnd = 1000, kBack = 2700, kFace = 3900;
constexpr int kBoreR = 450, kHubR = 1000, kRaisedR = 1250, kBoltR = 1750, kHoleR = 130, kDiscR = 2200;
constexpr int kGrooveOutR = 960, kGrooveInR = 740, kGrooveBottomOutR = 910, kGrooveBottomInR = 790;
constexpr int kEdgeChamfer = 90, kBoreChamfer = 90, kFilletR = 200, kRaisedEdgeR = 50;
constexpr int kGroovePitchR = (kGrooveOutR + kGrooveInR) / 2;
constexpr int kHoleDimX = 3100;
constexpr int kRaisedDimY = 2100;  // through the upper bolt hole, clear of the disc
// Groove detail: face line, groove bottom, the material below it.
constexpr int kDetFace = 700, kDetBottom = 1600, kDetMaterial = 2000, kDetLeft = 7800, kDetRight = 9500;
constexpr int kDetBot0 = 8350, kDetBot1 = 8950, kDetDepthX = 8400;

// Dimension lines end this far from what they dimension and extension lines
// run this far past their dimension line.
constexpr int kGap = 40, kOver = 80;
// Arrow heads about 20 degrees to each side.
constexpr ArrowHead kArrow{110, 40};

// Upper (-1) or lower (+1) half.
int Y(int r, int side) { return kAxis + side * r; }

SketchLine thick(Pt a, Pt b) { return {a.x, a.y, b.x, b.y, 2}; }
SketchLine thin(Pt a, Pt b) { return {a.x, a.y, b.x, b.y, 1}; }

class SketchBuilder {
public:
    void thickLine(Pt a, Pt b) { lines_.push_back(thick(a, b)); }
    void line(Pt a, Pt b) { lines_.push_back(thin(a, b)); }
    void polyline(std::initializer_list<Pt> pts, bool bold = true) {
        const Pt* prev = nullptr;
        for (const Pt& p : pts) {
            if (prev) lines_.push_back(bold ? thick(*prev, p) : thin(*prev, p));
            prev = &p;
        }
    }

    // A quarter arc as four chords, from angle a0 to a1 (degrees, y down).
    void arc(Pt centre, int r, double a0, double a1) {
        Pt prev{};
        for (int i = 0; i <= 4; ++i) {
            const double a = (a0 + (a1 - a0) * i / 4) * std::numbers::pi / 180;
            const Pt p{centre.x + int(std::lround(r * std::cos(a))), centre.y + int(std::lround(r * std::sin(a)))};
            if (i > 0) thickLine(prev, p);
            prev = p;
        }
    }

    void arrow(Pt tip, Pointing towards) { arrowHead(lines_, tip.x, tip.y, towards, kArrow); }

    // Dimension lines with arrows at both ends, tips at the given ends.
    void dimV(int x, int y1, int y2) { verticalDimensionLine(lines_, x, y1, y2, kArrow); }
    void dimH(int y, int x1, int x2) { horizontalDimensionLine(lines_, x1, x2, y, kArrow); }

    // A dash-dot centre line.
    void centreLine(Pt a, Pt b) {
        const bool horizontal = a.y == b.y;
        const int from = horizontal ? a.x : a.y, to = horizontal ? b.x : b.y;
        for (int p = from; p < to;) {
            for (auto [len, draw] : {std::pair{240, true}, {50, false}, {30, true}, {50, false}}) {
                const int q = std::min(p + len, to);
                if (draw) line(horizontal ? Pt{p, a.y} : Pt{a.x, p}, horizontal ? Pt{q, a.y} : Pt{a.x, q});
                p = q;
                if (p >= to) break;
            }
        }
    }

    // Section hatching of a convex polygon: lines x + y = const at a fixed
    // spacing over the whole sketch, so neighbouring areas match up.
    void hatch(const std::vector<Pt>& poly) {
        constexpr int kStep = 105;
        int lo = poly[0].x + poly[0].y, hi = lo;
        for (const Pt& p : poly) {
            lo = std::min(lo, p.x + p.y);
            hi = std::max(hi, p.x + p.y);
        }
        for (int c = (lo / kStep + 1) * kStep; c < hi; c += kStep) {
            std::vector<std::pair<double, double>> cuts;
            for (std::size_t i = 0; i < poly.size(); ++i) {
                const Pt p = poly[i], q = poly[(i + 1) % poly.size()];
                const double fp = p.x + p.y - c, fq = q.x + q.y - c;
                if ((fp < 0) == (fq < 0) || fp == fq) continue;
                const double t = fp / (fp - fq);
                cuts.emplace_back(p.x + t * (q.x - p.x), p.y + t * (q.y - p.y));
            }
            if (cuts.size() < 2) continue;
            const auto [a, b] = std::minmax_element(cuts.begin(), cuts.end());
            line({int(std::lround(a->first)), int(std::lround(a->second))},
                 {int(std::lround(b->first)), int(std::lround(b->second))});
        }
    }

    Sketch take() { return std::move(lines_); }

private:
    Sketch lines_;
};

void sectionHalf(SketchBuilder& s, int side) {
    auto y = [side](int r) { return Y(r, side); };
    const int filletX = kBack - kFilletR, edgeX = kRaised - kRaisedEdgeR;
    // Outline, from the hub end round to the bore.
    s.polyline({{kHubEnd, y(kBoreR)}, {kHubEnd, y(kHubR)}, {filletX, y(kHubR)}});
    s.arc({filletX, y(kHubR + kFilletR)}, kFilletR, side < 0 ? 90 : -90, 0);
    s.polyline({{kBack, y(kHubR + kFilletR)}, {kBack, y(kBoltR - kHoleR)}});
    s.polyline({{kBack, y(kBoltR + kHoleR)},
                {kBack, y(kDiscR - kEdgeChamfer)},
                {kBack + kEdgeChamfer, y(kDiscR)},
                {kFace - kEdgeChamfer, y(kDiscR)},
                {kFace, y(kDiscR - kEdgeChamfer)},
                {kFace, y(kBoltR + kHoleR)}});
    s.polyline({{kFace, y(kBoltR - kHoleR)}, {kFace, y(kRaisedR)}, {edgeX, y(kRaisedR)}});
    s.arc({edgeX, y(kRaisedR - kRaisedEdgeR)}, kRaisedEdgeR, side < 0 ? -90 : 90, 0);
    s.polyline({{kRaised, y(kRaisedR - kRaisedEdgeR)},
                {kRaised, y(kGrooveOutR)},
                {kFace, y(kGrooveBottomOutR)},
                {kFace, y(kGrooveBottomInR)},
                {kRaised, y(kGrooveInR)},
                {kRaised, y(kBoreR + kBoreChamfer)},
                {kRaised - kBoreChamfer, y(kBoreR)},
                {kHubEnd, y(kBoreR)}});
    // Bolt hole and its centre line.
    s.thickLine({kBack, y(kBoltR - kHoleR)}, {kFace, y(kBoltR - kHoleR)});
    s.thickLine({kBack, y(kBoltR + kHoleR)}, {kFace, y(kBoltR + kHoleR)});
    s.centreLine({kBack - 150, y(kBoltR)}, {kFace + 150, y(kBoltR)});
    // Hatching: hub with fillet, disc beside and above the bolt hole, raised
    // face on both sides of the groove.
    s.hatch({{kHubEnd, y(kHubR)},
             {filletX, y(kHubR)},
             {kBack, y(kHubR + kFilletR)},
             {kBack, y(kBoreR)},
             {kHubEnd, y(kBoreR)}});
    s.hatch({{kBack, y(kDiscR - kEdgeChamfer)},
             {kBack + kEdgeChamfer, y(kDiscR)},
             {kFace - kEdgeChamfer, y(kDiscR)},
             {kFace, y(kDiscR - kEdgeChamfer)},
             {kFace, y(kBoltR + kHoleR)},
             {kBack, y(kBoltR + kHoleR)}});
    s.hatch({{kBack, y(kBoltR - kHoleR)}, {kFace, y(kBoltR - kHoleR)}, {kFace, y(kBoreR)}, {kBack, y(kBoreR)}});
    s.hatch({{kFace, y(kRaisedR)},
             {edgeX, y(kRaisedR)},
             {kRaised, y(kRaisedR - kRaisedEdgeR)},
             {kRaised, y(kGrooveOutR)},
             {kFace, y(kGrooveBottomOutR)}});
    s.hatch({{kFace, y(kGrooveBottomInR)},
             {kRaised, y(kGrooveInR)},
             {kRaised, y(kBoreR + kBoreChamfer)},
             {kRaised - kBoreChamfer, y(kBoreR)},
             {kFace, y(kBoreR)}});
}

// A diameter dimension in front of the face at x, with extension lines from
// the face.
void diameterInFront(SketchBuilder& s, int x, int r, int from = kRaised + kGap) {
    s.line({from, Y(r, -1)}, {x + kOver, Y(r, -1)});
    s.line({from, Y(r, 1)}, {x + kOver, Y(r, 1)});
    s.dimV(x, Y(r, -1), Y(r, 1));
}

}  // namespace

Sketch flangeSketch() {
    SketchBuilder s;
    sectionHalf(s, -1);
    sectionHalf(s, 1);
    s.centreLine({kHubEnd - 300, kAxis}, {kRaised + 200, kAxis});

    // Maximum bore, groove pitch and outside diameters, raised face, bolt
    // circle and outside diameter, innermost nearest the face.
    diameterInFront(s, kText1X, kBoreR);
    diameterInFront(s, kText22X, kGroovePitchR, kRaised + 60);
    diameterInFront(s, kText28X, kGrooveOutR);
    diameterInFront(s, kText5X, kRaisedR);
    diameterInFront(s, kText4X, kBoltR, kFace + 200);
    diameterInFront(s, kText3X, kDiscR, kFace + kGap);
    // Leaders of the pitch diameter (its box stands low in front of the face)
    // and of the groove outside diameter (its box below the groove detail).
    s.line({kText22X, Y(kGroovePitchR, 1)}, {kText22X, 6250});
    s.line({8000, 2385}, {kText28X, 3300});

    // Hub diameter, left of the hub.
    s.line({kHubEnd - kGap, Y(kHubR, -1)}, {kText6X - kOver, Y(kHubR, -1)});
    s.line({kHubEnd - kGap, Y(kHubR, 1)}, {kText6X - kOver, Y(kHubR, 1)});
    s.dimV(kText6X, Y(kHubR, -1), Y(kHubR, 1));

    // Thicknesses and overall length below the section.
    const int discLow = Y(kDiscR - kEdgeChamfer, 1) + kGap;
    s.line({kBack, discLow}, {kBack, kText2Y + kOver});
    s.line({kFace, discLow}, {kFace, kText7Y + kOver});
    s.line({kRaised, Y(kRaisedR, 1) + kGap}, {kRaised, kText21Y + kOver});
    s.line({kText21Left, Y(kHubR, 1) + 100}, {kText21Left, kText21Y + kOver});
    s.dimH(kText7Y, kBack, kFace);
    s.dimH(kText2Y, kBack, kRaised);
    s.dimH(kText21Y, kText21Left, kRaised);

    // Height of the raised face over the flange face, arrows from outside.
    s.line({kRaised, Y(kRaisedR, -1) - kGap}, {kRaised, kRaisedDimY - kOver});
    s.line({kFace - 250, kRaisedDimY}, {kRaised + 250, kRaisedDimY});
    s.arrow({kFace, kRaisedDimY}, Pointing::Right);
    s.arrow({kRaised, kRaisedDimY}, Pointing::Left);

    // Upper bolt hole diameter, its line carried up to the box.
    s.line({kHoleDimX, Y(kBoltR - kHoleR, -1)}, {kHoleDimX, kHoleLeaderY});
    s.line({kHoleDimX, kHoleLeaderY}, {2940, kHoleLeaderY});
    s.arrow({kHoleDimX, Y(kBoltR - kHoleR, -1)}, Pointing::Down);
    s.arrow({kHoleDimX, Y(kBoltR + kHoleR, -1)}, Pointing::Up);

    // Edge chamfers of the disc, the box between their leaders.
    const int chamferY = Y(kDiscR - kEdgeChamfer / 2, -1);
    s.line({kBack + kEdgeChamfer / 2, chamferY}, {kBack - 80, 1400});
    s.line({kBack - 80, 1400}, {kBack - 300, 1400});
    s.line({kFace - kEdgeChamfer / 2, chamferY}, {kFace + 80, 1400});
    s.line({kFace + 80, 1400}, {kFace + 300, 1400});

    // Leaders: ring number to the upper groove, hub fillet, raised face edge,
    // bore mouth chamfer.
    s.line({3560, 2835}, {kFace + 60, Y(kGroovePitchR, -1)});
    s.line({2000, 2385}, {kBack - 60, Y(kHubR + 60, -1)});
    s.line({kRaised - 10, Y(kRaisedR - 10, 1)}, {4300, 5305});
    s.line({kRaised - kBoreChamfer / 2, Y(kBoreR + kBoreChamfer / 2, 1)}, {4200, 4480});

    // Groove detail: the groove in section, open upwards, with width and
    // depth and the leaders of the bottom radius.
    s.polyline({{kDetLeft, kDetFace},
                {kDetOpen0, kDetFace},
                {kDetBot0, kDetBottom},
                {kDetBot1, kDetBottom},
                {kDetOpen1, kDetFace},
                {kDetRight, kDetFace}});
    s.polyline({{kDetLeft, kDetFace}, {kDetLeft, kDetMaterial}, {kDetRight, kDetMaterial}, {kDetRight, kDetFace}},
               false);
    s.hatch({{kDetLeft, kDetFace},
             {kDetOpen0, kDetFace},
             {kDetBot0, kDetBottom},
             {kDetBot0, kDetMaterial},
             {kDetLeft, kDetMaterial}});
    s.hatch({{kDetBot0, kDetBottom}, {kDetBot1, kDetBottom}, {kDetBot1, kDetMaterial}, {kDetBot0, kDetMaterial}});
    s.hatch({{kDetOpen1, kDetFace},
             {kDetRight, kDetFace},
             {kDetRight, kDetMaterial},
             {kDetBot1, kDetMaterial},
             {kDetBot1, kDetBottom}});
    s.line({kDetOpen0, kDetFace - kGap}, {kDetOpen0, kDetWidthY - kOver});
    s.line({kDetOpen1, kDetFace - kGap}, {kDetOpen1, kDetWidthY - kOver});
    s.dimH(kDetWidthY, kDetOpen0, kDetOpen1);
    s.dimV(kDetDepthX, kDetFace, kDetBottom);
    s.line({8580, 1450}, {kDetBot0 + 20, kDetBottom - 20});
    s.line({8800, 1450}, {kDetBot1 - 20, kDetBottom - 20});
    return s.take();
}

}  // namespace quorvil::reference
