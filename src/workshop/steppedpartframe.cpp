#include "workshop/steppedpartframe.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "common/ui/boxio.h"
#include "common/ui/controls.h"
#include "common/ui/formatbox.h"
#include "common/ui/linesketch.h"
#include "workshop/partsketch.h"
#include "workshop/weights.h"
#include "workshop/weightui.h"

namespace quorvil {

using namespace partsketch;

namespace {
constexpr int kBoxW = 600, kBoxH = 285;
}  // namespace

SteppedPartFrame::SteppedPartFrame(QWidget* parent, Layout layout, const Names& names, Tw geo)
    : CaptionFrame(QStringLiteral("复杂件重量计算"), parent), layout_(layout) {
    setObjectName(names.frame);
    place(this, geo);

    if (layout == Layout::ThreeSections)
        buildThreeSections();
    else
        buildFourSections();

    // Density, result and the two buttons stand in a column at the right edge.
    const bool three = layout == Layout::ThreeSections;
    const WeightColumn c =
        makeWeightColumn(this, geo.width - 1290,
                         {three ? QStringLiteral("txtT8") : QStringLiteral("txtT20"),
                          three ? QStringLiteral("txtT9") : QStringLiteral("txtT21"), names.calculate, names.clear});
    density_ = c.density;
    result_ = c.result;
    calculate_ = c.calculate;
    clear_ = c.clear;
}

void SteppedPartFrame::buildThreeSections() {
    const Area left{900, 600, 1740, 1200}, middle{1740, 360, 2820, 1440}, right{2820, 540, 4200, 1260};
    constexpr int boreTop = 720, boreBottom = 1080;
    Sketch s;
    for (const Area& a : {left, middle, right}) {
        outline(s, a);
        hatch(s, {a.x1, a.y1, a.x2, boreTop});
        hatch(s, {a.x1, boreBottom, a.x2, a.y2});
    }
    thick(s, left.x1, boreTop, right.x2, boreTop);
    thick(s, left.x1, boreBottom, right.x2, boreBottom);
    verticalDimension(s, left.y1, left.y2, 600, left.x1, left.x1);             // d1
    verticalDimension(s, middle.y1, middle.y2, 2040, 2040, 2040);              // d2
    horizontalDimension(s, middle.x1, middle.x2, 1680, middle.y2, middle.y2);  // l2
    horizontalDimension(s, right.x1, right.x2, 1680, middle.y2, right.y2);     // l3
    verticalDimension(s, right.y1, right.y2, 4470, right.x2, right.x2);        // d3
    verticalDimension(s, boreTop, boreBottom, 3000, 3000, 3000);               // b
    horizontalDimension(s, left.x1, right.x2, 2280, left.y2, right.y2);        // L
    new LineSketch(this, std::move(s));

    auto box = [this](const char* name, Tw geo) { return makeBox(this, QString::fromLatin1(name), geo); };
    dimensions_ = {
        box("txtt1", {300, 1290, kBoxW, kBoxH}),   // d1, under its dimension
        box("txtT2", {2100, 420, kBoxW, kBoxH}),   // d2
        box("txtT3", {1980, 1740, kBoxW, kBoxH}),  // l2
        box("txtT4", {3210, 1740, kBoxW, kBoxH}),  // l3
        box("txtT5", {4500, 757, 540, kBoxH}),     // d3
        box("txtT6", {3090, 757, kBoxW, kBoxH}),   // b
        box("txtT7", {2250, 2340, kBoxW, kBoxH}),  // L
    };
    inch_ = makeUnitOptions(this, QStringLiteral("Op105"), QStringLiteral("mm"), QStringLiteral("Op106"), 120, 1920);
}

void SteppedPartFrame::buildFourSections() {
    const Area s1{765, 450, 1620, 2655}, s2{1620, 675, 2205, 2385}, s3{2205, 855, 3600, 2205},
        s4{3600, 540, 4185, 2520};
    constexpr int boreTop = 1170, boreBottom = 1890, boreEnd = 4155;
    Sketch s;
    for (const Area& a : {s1, s2, s3, s4}) {
        outline(s, a);
        hatch(s, {a.x1, a.y1, a.x2, boreTop});
        hatch(s, {a.x1, boreBottom, a.x2, a.y2});
    }
    thick(s, s1.x1, boreTop, boreEnd, boreTop);
    thick(s, s1.x1, boreBottom, boreEnd, boreBottom);
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
    new LineSketch(this, std::move(s));

    auto box = [this](const char* name, Tw geo) { return makeBox(this, QString::fromLatin1(name), geo); };
    dimensions_ = {
        box("txtT11", {150, 1387, kBoxW, kBoxH}),   // d1
        box("txtT12", {1635, 780, 555, kBoxH}),     // d2
        box("txtT13", {2460, 930, kBoxW, kBoxH}),   // d3
        box("txtT14", {3060, 1387, 510, kBoxH}),    // b
        box("txtT15", {4500, 1387, 540, kBoxH}),    // d4
        box("txtT16", {885, 2940, kBoxW, kBoxH}),   // l1
        box("txtT17", {2400, 2738, kBoxW, kBoxH}),  // l2
        box("txtT18", {4530, 2738, kBoxW, kBoxH}),  // l4
        box("txtT19", {2175, 3420, kBoxW, kBoxH}),  // L
    };
    inch_ = makeUnitOptions(this, QStringLiteral("Op107"), QStringLiteral("mm"), QStringLiteral("Op108"), 120, 3060);
}

void SteppedPartFrame::calculate() {
    std::vector<double> v;
    for (const QLineEdit* b : dimensions_) v.push_back(readLenient(b));
    const double rho = readLenient(density_);
    const weight::Unit unit = unitOf(inch_);
    if (layout_ == Layout::ThreeSections)
        showWeight(result_, weight::threeSectionWeight({v[0], v[1], v[2], v[3], v[4], v[5], v[6], rho}, unit));
    else
        showWeight(result_,
                   weight::fourSectionWeight({v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], rho}, unit));
}

void SteppedPartFrame::clear() {
    for (QLineEdit* b : dimensions_) b->clear();
    result_->clear();
}

}  // namespace quorvil
