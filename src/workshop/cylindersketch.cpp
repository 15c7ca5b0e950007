#include "workshop/cylindersketch.h"

namespace quorvil {

namespace {

// Heights of the section, top down.
constexpr int kCoverTop = 600, kJoint = 900, kFlangeTop = 930, kBossBottom = 1100, kFlangeBottom = 1230,
              kWallEnd = 2550;
// Widths: outer edge, wall outside, bore.
constexpr int kLeft = 300, kRight = 3000, kWallLeft = 600, kWallRight = 2700, kBoreLeft = 900, kBoreRight = 2400;

// A bolt through cover and flange: head, shank, nut, the end standing out of
// the nut, and its centre line.
void bolt(Sketch& s, int x) {
    const int l = x - 120, r = x + 120, sl = x - 60, sr = x + 60;
    s.push_back({l, 480, r, 480});
    s.push_back({l, 480, l, kCoverTop});
    s.push_back({r, 480, r, kCoverTop});
    s.push_back({sl, kCoverTop, sl, kFlangeBottom});
    s.push_back({sr, kCoverTop, sr, kFlangeBottom});
    s.push_back({l, kFlangeBottom, l, 1350});
    s.push_back({r, kFlangeBottom, r, 1350});
    s.push_back({l, 1350, r, 1350});
    s.push_back({sl, 1350, sl, 1440});
    s.push_back({sr, 1350, sr, 1440});
    s.push_back({sl, 1440, sr, 1440});
    s.push_back({x, 380, x, 900, 1, kGreyLine});
    s.push_back({x, 960, x, 1540, 1, kGreyLine});
}

}  // namespace

Sketch cylinderSketch() {
    Sketch s = {
        // Cover, with its boss reaching into the bore.
        {kLeft, kCoverTop, kRight, kCoverTop},
        {kLeft, kCoverTop, kLeft, kJoint},
        {kRight, kCoverTop, kRight, kJoint},
        {kLeft, kJoint, kBoreLeft, kJoint},
        {kBoreRight, kJoint, kRight, kJoint},
        {kBoreLeft + 30, kJoint, kBoreLeft + 30, kBossBottom},
        {kBoreRight - 30, kJoint, kBoreRight - 30, kBossBottom},
        {kBoreLeft + 30, kBossBottom, kBoreRight - 30, kBossBottom},
        // Gasket between cover and flange.
        {kLeft, kFlangeTop, kBoreLeft, kFlangeTop},
        {kBoreRight, kFlangeTop, kRight, kFlangeTop},
        // Flange and walls.
        {kLeft, kFlangeTop, kLeft, kFlangeBottom},
        {kRight, kFlangeTop, kRight, kFlangeBottom},
        {kLeft, kFlangeBottom, kWallLeft, kFlangeBottom},
        {kWallRight, kFlangeBottom, kRight, kFlangeBottom},
        {kWallLeft, kFlangeBottom, kWallLeft, kWallEnd},
        {kWallRight, kFlangeBottom, kWallRight, kWallEnd},
        {kBoreLeft, kFlangeTop, kBoreLeft, kWallEnd},
        {kBoreRight, kFlangeTop, kBoreRight, kWallEnd},
        {kWallLeft, kWallEnd, kBoreLeft, kWallEnd},
        {kBoreRight, kWallEnd, kWallRight, kWallEnd},
        // O-ring at the edge of the boss.
        {940, 960, 1000, 960},
        {1000, 960, 1000, 1020},
        {1000, 1020, 940, 1020},
        {940, 1020, 940, 960},
        // Leaders to the labels.
        {1000, 1020, kORingLabelLeft + 60, kORingLabelTop},
        {2550, kJoint + 15, kGasketLabelLeft + 900, kGasketLabelTop + 60},
    };
    // Hatching of the walls in section, and of the flange beside the bore.
    for (int y = 1260; y <= 2260; y += 200) {
        s.push_back({kWallLeft, y + 300, kBoreLeft, y});
        s.push_back({kWallRight, y, kBoreRight, y + 300});
    }
    s.push_back({kWallLeft + 60, kFlangeBottom, kBoreLeft, kFlangeTop + 60});
    s.push_back({kWallLeft + 180, kFlangeBottom, kBoreLeft, kFlangeTop + 180});
    s.push_back({kWallRight - 60, kFlangeBottom, kBoreRight, kFlangeTop + 60});
    s.push_back({kWallRight - 180, kFlangeBottom, kBoreRight, kFlangeTop + 180});
    bolt(s, 450);
    bolt(s, 2850);
    // Centre line of the cylinder, dash-dot. It stops above the two labels,
    // which stand one under the other across it, and goes on below them.
    constexpr int kClear = 60;  // between the line and a label
    s.push_back({1650, 450, 1650, 1000, 1, kGreyLine});
    s.push_back({1650, 1060, 1650, kORingLabelTop - kClear, 1, kGreyLine});
    s.push_back({1650, kGasketLabelTop + kSketchLabelHeight + kClear, 1650, 2650, 1, kGreyLine});
    return s;
}

}  // namespace quorvil
