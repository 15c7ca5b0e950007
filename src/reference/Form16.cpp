#include "reference/Form16.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "common/ui/boxio.h"
#include "common/ui/controls.h"
#include "common/ui/linesketch.h"
#include "common/ui/printing.h"
#include "common/ui/viewtext.h"
#include "reference/apiflange.h"
#include "reference/optionclick.h"

using namespace quorvil;
using namespace quorvil::reference;

namespace {

// ---- The flange sketch, in twips on the result frame ----------------------
//
// Axial section: hub on the left, ring-joint face on the right, the axis
// across the middle; radii are measured from the axis, so the lower half is
// the upper one mirrored.

struct Pt {
    int x, y;
};

constexpr int kAxis = 3800;
constexpr int kHubEnd = 1000, kBack = 2700, kFace = 3900, kRaised = 4060;
constexpr int kBoreR = 450, kHubR = 1000, kRaisedR = 1250, kBoltR = 1750, kHoleR = 130, kDiscR = 2200;
constexpr int kGrooveOutR = 960, kGrooveInR = 740, kGrooveBottomOutR = 910, kGrooveBottomInR = 790;
constexpr int kEdgeChamfer = 90, kBoreChamfer = 90, kFilletR = 200, kRaisedEdgeR = 50;
constexpr int kGroovePitchR = (kGrooveOutR + kGrooveInR) / 2;

// Dimension lines end this far from what they dimension and extension lines
// run this far past their dimension line.
constexpr int kGap = 40, kOver = 80;

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

    // An arrow head with its tip at `tip`, pointing along (dx, dy).
    void arrow(Pt tip, int dx, int dy) {
        const double len = std::hypot(dx, dy), ux = dx / len, uy = dy / len;
        constexpr double kLen = 110, kHalf = 0.36;  // about 20 degrees each side
        for (int s : {-1, 1}) {
            const double bx = -ux * kLen + s * -uy * kLen * kHalf, by = -uy * kLen + s * ux * kLen * kHalf;
            line(tip, {tip.x + int(std::lround(bx)), tip.y + int(std::lround(by))});
        }
    }

    // Dimension lines with arrows at both ends, tips at the given ends.
    void dimV(int x, int y1, int y2) {
        line({x, y1}, {x, y2});
        arrow({x, y1}, 0, -1);
        arrow({x, y2}, 0, 1);
    }
    void dimH(int y, int x1, int x2) {
        line({x1, y}, {x2, y});
        arrow({x1, y}, -1, 0);
        arrow({x2, y}, 1, 0);
    }

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

// Where the boxes and captions stand (twips on the result frame).
constexpr int kText1X = 4560, kText22X = 5000, kText28X = 5250, kText5X = 5850, kText4X = 6550, kText3X = 7250;
constexpr int kText7Y = 6250, kText2Y = 6600, kText21Y = 6950, kText21Left = 700;
constexpr int kText6X = 475;
constexpr int kHoleDimX = 3100, kHoleLeaderY = 1300;
constexpr int kRaisedDimY = 2100;  // through the upper bolt hole, clear of the disc
// Groove detail: face line, groove opening and bottom.
constexpr int kDetFace = 700, kDetBottom = 1600, kDetMaterial = 2000, kDetLeft = 7800, kDetRight = 9500;
constexpr int kDetOpen0 = 7950, kDetOpen1 = 9350, kDetBot0 = 8350, kDetBot1 = 8950;
constexpr int kDetWidthY = 420, kDetDepthX = 8400;

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
    s.arrow({kFace, kRaisedDimY}, 1, 0);
    s.arrow({kRaised, kRaisedDimY}, -1, 0);

    // Upper bolt hole diameter, its line carried up to the box.
    s.line({kHoleDimX, Y(kBoltR - kHoleR, -1)}, {kHoleDimX, kHoleLeaderY});
    s.line({kHoleDimX, kHoleLeaderY}, {2940, kHoleLeaderY});
    s.arrow({kHoleDimX, Y(kBoltR - kHoleR, -1)}, 0, 1);
    s.arrow({kHoleDimX, Y(kBoltR + kHoleR, -1)}, 0, -1);

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

QLineEdit* sketchBox(QWidget* frame, const char* name, Tw geo, Qt::Alignment align = Qt::AlignCenter) {
    QLineEdit* b = makeBox(frame, QString::fromLatin1(name), geo);
    b->setAlignment(align);
    return b;
}

}  // namespace

Form16::Form16() : ToolWindow(QStringLiteral("Form16"), QStringLiteral("7.API 6A 19版技术资料"), 12040, 7720) {
    // Bore options, with the 3-1/16 in size that Option3 stands for at the
    // two highest pressures shown beneath it.
    QWidget* bores = makeFrame(this, QStringLiteral("Frame12"), QStringLiteral("输入公称通径"), {60, 60, 2160, 4920});
    auto caption = [](const FlangeBore& b) { return fromView(b.inches) + u'"' + u'(' + fromView(b.mm) + u')'; };
    int y = 300;
    for (int i = 0; i < 14; ++i) {
        Option[std::size_t(i)] = makeOption(bores, QStringLiteral("Option%1").arg(i),
                                            caption(kFlangeBores[std::size_t(i)]), {150, y, 1950, 255});
        narrowToCaption(Option[std::size_t(i)]);
        y += 300;
        if (i == 3) {
            makeLabel(bores, QStringLiteral("Label10"), caption(kFlangeBore3HighPressure), {420, y, 1650, 255});
            y += 300;
        }
    }
    Option[1]->setChecked(true);

    QWidget* pressure =
        makeFrame(this, QStringLiteral("Fra22"), QStringLiteral("输入额定压力"), {60, 5040, 2160, 1860});
    const std::array<QString, 5> pressureNames = {QStringLiteral("Op2000"), QStringLiteral("Op3000"),
                                                  QStringLiteral("Op5000"), QStringLiteral("Op10000"),
                                                  QStringLiteral("Op15000")};
    const std::array<QString, 5> pressureCaptions = {
        QStringLiteral("2000PSI(14MPa)"), QStringLiteral("3000PSI(21MPa)"), QStringLiteral("5000PSI(35MPa)"),
        QStringLiteral("10000PSI(70MPa)"), QStringLiteral("15000PSI(105MPa)")};
    for (std::size_t i = 0; i < 5; ++i) {
        pressures_[i] =
            makeOption(pressure, pressureNames[i], pressureCaptions[i], {150, 300 + int(i) * 300, 1950, 255});
        narrowToCaption(pressures_[i]);
    }
    pressures_[0]->setChecked(true);

    // The sketch with its boxes and captions.
    QWidget* result = makeFrame(this, QStringLiteral("Frame1"), QStringLiteral("显示结果"), {2280, 60, 9700, 7600});
    new LineSketch(result, flangeSketch());
    makeLabel(result, arrayName(QStringLiteral("Label11"), 1), QStringLiteral("≤"), {4040, 3880, 160, 240});
    Text1 = sketchBox(result, "Text1", {kText1X - 330, 3865, 660, 270});
    Text3 = sketchBox(result, "Text3", {kText3X - 420, 3265, 840, 270});
    Text4 = sketchBox(result, "Text4", {kText4X - 600, 4465, 1200, 270});
    Text5 = sketchBox(result, "Text5", {kText5X - 465, 3265, 930, 270});
    Text22 = sketchBox(result, "Text22", {kText22X - 645, 6250, 1290, 270});
    Text28 = sketchBox(result, "Text28", {8000, 2250, 1290, 270});
    Text6 = sketchBox(result, "Text6", {kText6X - 330, 3665, 660, 270});
    Text7 = sketchBox(result, "Text7", {3000, kText7Y - 135, 600, 270});
    Text2 = sketchBox(result, "Text2", {2950, kText2Y - 135, 660, 270});
    makeLabel(result, arrayName(QStringLiteral("Label1"), 0), QStringLiteral("+3"), {3650, kText2Y - 215, 240, 220});
    Text21 = sketchBox(result, "Text21", {(kText21Left + kRaised) / 2 - 420, kText21Y - 135, 840, 270});
    Text20 = sketchBox(result, "Text20", {1850, kHoleLeaderY - 135, 840, 270});
    makeLabel(result, arrayName(QStringLiteral("Label11"), 0), QStringLiteral("+2"),
              {2700, kHoleLeaderY - 110, 240, 220});
    Text17 = sketchBox(result, "Text17", {3180, 1265, 660, 270}, Qt::AlignRight | Qt::AlignVCenter);
    Text16 = sketchBox(result, "Text16", {2900, 2700, 660, 270});
    Text18 = sketchBox(result, "Text18", {1500, 2250, 500, 270});
    Text19 = sketchBox(result, "Text19", {4300, 5170, 450, 270});
    Text26 = sketchBox(result, "Text26", {(kDetOpen0 + kDetOpen1) / 2 - 555, kDetWidthY - 135, 1110, 270});
    Text27 = sketchBox(result, "Text27", {(kDetOpen0 + kDetOpen1) / 2 - 510, 760, 1020, 270});
    makeLabel(result, arrayName(QStringLiteral("Label2"), 0), QStringLiteral("1X45°"), {4210, 4390, 600, 220});
    makeLabel(result, arrayName(QStringLiteral("Label9"), 0), QStringLiteral("3"), {4330, 2080, 150, 200});
    makeLabel(result, arrayName(QStringLiteral("Label9"), 1), QStringLiteral("6BX法兰"), {4330, 2290, 800, 200});
    makeLabel(result, arrayName(QStringLiteral("Label9"), 3), QStringLiteral("R0.8"), {8500, 1250, 420, 200});
    makeLabel(result, arrayName(QStringLiteral("Label9"), 4), QStringLiteral("R、RX垫环槽倒角23°±30′"),
              {150, 7115, 3300, 210});
    makeLabel(result, arrayName(QStringLiteral("Label9"), 2), QStringLiteral("BX垫环槽倒角23°±15′"),
              {150, 7335, 3300, 210});

    QWidget* commands =
        makeFrame(result, arrayName(QStringLiteral("Fra6"), 0), QStringLiteral("命令"), {7350, 6550, 2250, 930});
    auto* clear = makeButton(commands, QStringLiteral("Command3"), QStringLiteral("先清除"), {120, 360, 630, 400});
    auto* show = makeButton(commands, QStringLiteral("Command11"), QStringLiteral("再显示"), {810, 360, 630, 400});
    auto* print = makeButton(commands, QStringLiteral("Command6"), QStringLiteral("打印"), {1500, 360, 630, 400});
    connect(clear, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(show, &QPushButton::clicked, this, [this] { Command11_Click(); });
    connect(print, &QPushButton::clicked, this, [this] { Command6_Click(); });
}

void Form16::Command11_Click() {
    const auto pressure = std::find_if(pressures_.begin(), pressures_.end(), [](auto* o) { return o->isChecked(); });
    const auto bore = std::find_if(Option.begin(), Option.end(), [](auto* o) { return o->isChecked(); });
    if (pressure == pressures_.end() || bore == Option.end()) return;
    const FlangeRow* row =
        findFlange(kFlangePressuresPsi[std::size_t(pressure - pressures_.begin())], int(bore - Option.begin()));
    if (!row) return;  // the standard has no such flange: every box keeps its text
    QLineEdit* groove = hasBxRing(*row) ? Text28 : Text22;
    const std::array<QLineEdit*, 16> boxes = {Text1,  Text2,  Text3,  Text4,  Text5,  Text6,  Text7,  Text16,
                                              Text17, Text18, Text19, Text20, Text21, groove, Text26, Text27};
    for (std::size_t i = 0; i < boxes.size(); ++i) showText(boxes[i], fromView(row->texts[i]));
}

void Form16::Command3_Click() {
    for (QLineEdit* b : {Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text16, Text17, Text18, Text19, Text20,
                         Text21, Text22, Text28, Text26, Text27})
        b->clear();
}

void Form16::Command6_Click() { printWindow(this); }
