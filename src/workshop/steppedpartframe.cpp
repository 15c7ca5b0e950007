#include "workshop/steppedpartframe.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "common/ui/boxio.h"
#include "common/ui/controls.h"
#include "common/ui/formatbox.h"
#include "common/ui/linesketch.h"
#include "workshop/pressinputs.h"
#include "workshop/weights.h"
#include "workshop/weightsketches.h"
#include "workshop/weightui.h"

namespace quorvil {

using namespace partsketch;

namespace {
constexpr int kBoxW = 600;
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
        makeWeightColumn(this, geo.width - kCaptionedWeightColumn,
                         {three ? QStringLiteral("txtT8") : QStringLiteral("txtT20"),
                          three ? QStringLiteral("txtT9") : QStringLiteral("txtT21"), names.calculate, names.clear});
    density_ = c.density;
    result_ = c.result;
    calculate_ = c.calculate;
    clear_ = c.clear;
}

void SteppedPartFrame::buildThreeSections() {
    new LineSketch(this, threeSectionSketch());

    dimensions_ = {
        makeBox(this, QStringLiteral("txtt1"), {300, 1290, kBoxW, kWeightBoxHeight}),   // d1, under its dimension
        makeBox(this, QStringLiteral("txtT2"), {2100, 420, kBoxW, kWeightBoxHeight}),   // d2
        makeBox(this, QStringLiteral("txtT3"), {1980, 1740, kBoxW, kWeightBoxHeight}),  // l2
        makeBox(this, QStringLiteral("txtT4"), {3210, 1740, kBoxW, kWeightBoxHeight}),  // l3
        makeBox(this, QStringLiteral("txtT5"), {4500, 757, 540, kWeightBoxHeight}),     // d3
        makeBox(this, QStringLiteral("txtT6"), {3090, 757, kBoxW, kWeightBoxHeight}),   // b
        makeBox(this, QStringLiteral("txtT7"), {2250, 2340, kBoxW, kWeightBoxHeight}),  // L
    };
    inch_ = makeUnitOptions(this, QStringLiteral("Op105"), QStringLiteral("mm"), QStringLiteral("Op106"), 120, 1920);
}

void SteppedPartFrame::buildFourSections() {
    new LineSketch(this, fourSectionSketch());

    dimensions_ = {
        makeBox(this, QStringLiteral("txtT11"), {150, 1387, kBoxW, kWeightBoxHeight}),   // d1
        makeBox(this, QStringLiteral("txtT12"), {1635, 780, 555, kWeightBoxHeight}),     // d2
        makeBox(this, QStringLiteral("txtT13"), {2460, 930, kBoxW, kWeightBoxHeight}),   // d3
        makeBox(this, QStringLiteral("txtT14"), {3060, 1387, 510, kWeightBoxHeight}),    // b
        makeBox(this, QStringLiteral("txtT15"), {4500, 1387, 540, kWeightBoxHeight}),    // d4
        makeBox(this, QStringLiteral("txtT16"), {885, 2940, kBoxW, kWeightBoxHeight}),   // l1
        makeBox(this, QStringLiteral("txtT17"), {2400, 2738, kBoxW, kWeightBoxHeight}),  // l2
        makeBox(this, QStringLiteral("txtT18"), {4530, 2738, kBoxW, kWeightBoxHeight}),  // l4
        makeBox(this, QStringLiteral("txtT19"), {2175, 3420, kBoxW, kWeightBoxHeight}),  // L
    };
    inch_ = makeUnitOptions(this, QStringLiteral("Op107"), QStringLiteral("mm"), QStringLiteral("Op108"), 120, 3060);
}

void SteppedPartFrame::calculate() {
    // The section whose length is the rest of L and L itself make the part;
    // the other sections and the bore may be left empty (both boxes of a
    // section), as a part with fewer steps leaves them.
    PressInputs v(Held::Single);
    const std::vector<QLineEdit*>& b = dimensions_;
    const weight::Unit unit = unitOf(inch_);
    if (layout_ == Layout::ThreeSections) {
        const double d1 = v.leading(b[0]);
        const auto [d2, l2] = v.leadingSection(b[1], b[2]);
        const auto [d3, l3] = v.leadingSection(b[4], b[3]);
        const double bore = v.leadingOrZero(b[5]), L = v.leading(b[6]), rho = v.density(density_);
        if (!v.ok()) return;
        showWeight(v, result_, weight::threeSectionWeight({d1, d2, l2, l3, d3, bore, L, rho}, unit));
    } else {
        const auto [d1, l1] = v.leadingSection(b[0], b[5]);
        const auto [d2, l2] = v.leadingSection(b[1], b[6]);
        const double d3 = v.leading(b[2]), bore = v.leadingOrZero(b[3]);
        const auto [d4, l4] = v.leadingSection(b[4], b[7]);
        const double L = v.leading(b[8]), rho = v.density(density_);
        if (!v.ok()) return;
        showWeight(v, result_, weight::fourSectionWeight({d1, d2, d3, bore, d4, l1, l2, l4, L, rho}, unit));
    }
}

void SteppedPartFrame::clear() {
    for (QLineEdit* b : dimensions_) b->clear();
    result_->clear();
}

}  // namespace quorvil
