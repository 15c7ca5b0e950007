#include "threads/common/plugsketch.h"

namespace quorvil {

namespace {

void outline(Sketch& s, const SketchBox& b, int markInset) {
    s.push_back({b.left, b.top, b.right, b.top, 2});
    s.push_back({b.right, b.top, b.right, b.bottom, 2});
    s.push_back({b.right, b.bottom, b.left, b.bottom, 2});
    s.push_back({b.left, b.bottom, b.left, b.top, 2});
    s.push_back({b.left, b.top + markInset, b.right, b.top + markInset});
    s.push_back({b.left, b.bottom - markInset, b.right, b.bottom - markInset});
}

void major(Sketch& s, const SketchBox& b, const MajorDimension& m) {
    s.push_back({m.topFrom, b.top, m.topTo, b.top});
    s.push_back({m.bottomFrom, b.bottom, m.bottomTo, b.bottom});
    s.push_back({m.lineX, b.top, m.lineX, b.bottom});
}

void length(Sketch& s, const std::optional<LengthDimension>& l) {
    if (!l) return;
    s.push_back({l->leftX, l->leftTop, l->leftX, l->bottom});
    s.push_back({l->rightX, l->rightTop, l->rightX, l->bottom});
    s.push_back({l->lineLeft, l->lineY, l->lineRight, l->lineY});
}

}  // namespace

Sketch plugGaugeSketch(const PlugGaugeLayout& g) {
    Sketch s;
    outline(s, g.go, g.markInset);
    outline(s, g.noGo, g.markInset);
    s.push_back({g.go.right, g.handleTop, g.noGo.left, g.handleTop, 2});
    s.push_back({g.go.right, g.handleBottom, g.noGo.left, g.handleBottom, 2});
    major(s, g.go, g.goMajor);
    major(s, g.noGo, g.noGoMajor);
    length(s, g.goLength);
    length(s, g.noGoLength);
    return s;
}

namespace inch {

Sketch plugGaugeSketch(int frameHeight) {
    PlugGaugeLayout layout = kPlugGaugeLayout;
    layout.noGo = {3645, 360, 4365, 1215};
    layout.goMajor = {990, 480, 990, 480, 585};
    layout.noGoMajor = {4365, 4920, 4365, 4920, 4815};
    layout.goLength = LengthDimension{990, 1260, 1890, 1260, 1800, 1710, 990, 1890};
    layout.noGoLength = LengthDimension{3645, 1215, 4545, 1215, 1740, 1650, 3645, 4545};
    Sketch s{{2880, 0, 2880, frameHeight, 1, kGreyLine}};
    const Sketch plug = plugGaugeSketch(layout);
    s.insert(s.end(), plug.begin(), plug.end());
    return s;
}

}  // namespace inch

}  // namespace quorvil
