#include "workshop/springpicture.h"

#include "common/dimensionline.h"

namespace quorvil {

namespace {

// The picture is designed in the coordinates of the frame that holds it (the
// result boxes are placed in those), then moved to its own corner.
constexpr int kLeft = 240, kTop = 600;

// Where the drawing stands, in frame coordinates.
constexpr int kFace = 330;                          // left end face of the spring
constexpr int kEnd = 3200;                          // right end face (free height)
constexpr int kTopLine = 2450, kBottomLine = 3550;  // outer diameter
constexpr int kAxis = (kTopLine + kBottomLine) / 2;
constexpr int kCoils = 8;
constexpr int kPitch = (kEnd - kFace) / kCoils;
constexpr int kBase = 1850;  // foot of the load lines

constexpr ArrowHead kArrow{90, 45};

// Draws in frame coordinates; take() gives the lines from the picture's corner.
class Drawing {
public:
    void line(int x1, int y1, int x2, int y2, int width = 1, std::uint32_t rgb = kBlackLine) {
        s_.push_back({x1, y1, x2, y2, width, rgb});
    }
    void horizontalDimension(int x1, int x2, int y) { horizontalDimensionLine(s_, x1, x2, y, kArrow); }
    void verticalDimension(int x, int y1, int y2) { verticalDimensionLine(s_, x, y1, y2, kArrow); }
    Sketch take() {
        for (SketchLine& l : s_) {
            l.x1 -= kLeft;
            l.x2 -= kLeft;
            l.y1 -= kTop;
            l.y2 -= kTop;
        }
        return std::move(s_);
    }

private:
    Sketch s_;
};

// Height of the load line at x on the load diagram, which falls from upper
// left to zero load at the free height.
constexpr int loadTop(int x) { return kBase - (kEnd - x) * 1230 / 1400; }

}  // namespace

Sketch springPicture() {
    Drawing d;

    // Load diagram: the falling line and the loads F3, F2, F1 at the solid
    // height H3, the height H2 and the installed height H1.
    constexpr int h3 = 2000, h2 = 2400, h1 = 2900;
    d.line(1800, loadTop(1800), kEnd, kBase);
    for (int x : {h3, h2, h1}) d.line(x, loadTop(x), x, kBase, 2);

    // The three heights, measured from the left end face, shortest on top.
    d.line(kFace, 1000, kFace, kTopLine - 60, 1, kGreyLine);
    d.horizontalDimension(kFace, h3, 1155);
    d.horizontalDimension(kFace, h2, 1515);
    d.horizontalDimension(kFace, h1, 1755);

    // The spring: ground end faces and the coils, front of the wire in
    // black, back in grey.
    d.line(kFace, kTopLine, kFace, kBottomLine, 2);
    d.line(kEnd, kTopLine, kEnd, kBottomLine, 2);
    for (int i = 0; i < kCoils; ++i) {
        const int x = kFace + i * kPitch;
        d.line(x, kBottomLine, x + kPitch / 2, kTopLine, 2);
        d.line(x + kPitch / 2, kTopLine, x + kPitch, kBottomLine, 1, kGreyLine);
    }
    // Axis, dash-dot.
    for (int x = kFace - 150; x < kEnd + 150; x += 360) {
        d.line(x, kAxis, x + 240, kAxis, 1, kGreyLine);
        d.line(x + 300, kAxis, x + 330, kAxis, 1, kGreyLine);
    }

    // Outer diameter, across the coils.
    d.verticalDimension(1680, kTopLine, kBottomLine);

    // One pitch at the lower left.
    const int p1 = kFace + kPitch, p2 = kFace + 2 * kPitch;
    d.line(p1, kBottomLine + 45, p1, 3900, 1, kGreyLine);
    d.line(p2, kBottomLine + 45, p2, 3900, 1, kGreyLine);
    d.horizontalDimension(p1, p2, 3840);

    // Free height along the bottom.
    d.line(kFace, kBottomLine + 45, kFace, 4350, 1, kGreyLine);
    d.line(kEnd, kBottomLine + 45, kEnd, 4350, 1, kGreyLine);
    d.horizontalDimension(kFace, kEnd, 4275);

    return d.take();
}

}  // namespace quorvil
