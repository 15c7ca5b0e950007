#include "workshop/Form17.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "common/ui/controls.h"
#include "common/ui/formatbox.h"
#include "common/ui/labels.h"
#include "common/ui/linesketch.h"
#include "common/ui/refusal.h"
#include "common/ui/tabcontainer.h"
#include "workshop/pressinputs.h"
#include "workshop/steppedpartframe.h"
#include "workshop/weightsketches.h"
#include "workshop/weightui.h"

using namespace quorvil;
using namespace quorvil::partsketch;

namespace {

constexpr int kColumn = kWeightFrameWidth - kCaptionedWeightColumn;  // density, result and buttons

}  // namespace

Form17::Form17() : ToolWindow(QStringLiteral("Form17"), QStringLiteral("8.复杂件重量计算2"), 6570, 7725) {
    SSTab1 = new TabContainer(this, QStringLiteral("SSTab1"), {0, 0, 6570, 7725});
    QWidget* page0 = SSTab1->addPage(QStringLiteral("复杂件重量1"));
    QWidget* page1 = SSTab1->addPage(QStringLiteral("复杂件重量2"));
    QWidget* page2 = SSTab1->addPage(QStringLiteral("复杂件重量3"));
    buildSleeve(page0);
    buildDisc(page0);
    buildShaft(page1);

    Frame1 = new SteppedPartFrame(page2, SteppedPartFrame::Layout::ThreeSections,
                                  {QStringLiteral("Frame1"), QStringLiteral("Command1"), QStringLiteral("Command2")},
                                  {kWeightFrameLeft, 450, kWeightFrameWidth, 2700});
    Frame2 = new SteppedPartFrame(page2, SteppedPartFrame::Layout::FourSections,
                                  {QStringLiteral("Frame2"), QStringLiteral("Command4"), QStringLiteral("Command3")},
                                  {kWeightFrameLeft, 3240, kWeightFrameWidth, 3780});
    connect(Frame1->calculateButton(), &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Frame1->clearButton(), &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Frame2->calculateButton(), &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(Frame2->clearButton(), &QPushButton::clicked, this, [this] { Command3_Click(); });

    SSTab1->setCurrentIndex(2);
}

// A sleeve in lengthwise section: the outer cylinder, a wide bore from the
// left end face and a narrow one on to the right end face.
void Form17::buildSleeve(QWidget* page) {
    QWidget* f = makeFrame(page, QStringLiteral("Frame3"), QStringLiteral("复杂件重量计算"),
                           {kWeightFrameLeft, 450, kWeightFrameWidth, 2600});
    new LineSketch(f, sleeveSketch());

    label(f, QStringLiteral("￠"), {150, 1072, 195, 255});
    txtT30 = makeBox(f, QStringLiteral("txtT30"), {345, 1057, 600, kWeightBoxHeight});
    label(f, QStringLiteral("￠"), {1650, 1072, 195, 255});
    txtT31 = makeBox(f, QStringLiteral("txtT31"), {1845, 1057, 600, kWeightBoxHeight});
    txtT32 = makeBox(f, QStringLiteral("txtT32"), {3510, 1057, 600, kWeightBoxHeight});
    txtt35 = makeBox(f, QStringLiteral("txtt35"), {1920, 278, 600, kWeightBoxHeight});
    txtt36 = makeBox(f, QStringLiteral("txtt36"), {2400, 2130, 600, kWeightBoxHeight});
    Op203 = makeUnitOptions(f, QStringLiteral("Op202"), QStringLiteral("MM"), QStringLiteral("Op203"), 120, 1950);
    const WeightColumn c = makeWeightColumn(
        f, kColumn,
        {QStringLiteral("txtT34"), QStringLiteral("txtt37"), QStringLiteral("CommandM"), QStringLiteral("Command6")});
    txtT34 = c.density;
    txtt37 = c.result;
    connect(c.calculate, &QPushButton::clicked, this, [this] { CommandM_Click(); });
    connect(c.clear, &QPushButton::clicked, this, [this] { Command6_Click(); });
}

// The face of a disc: a circle cut by two vertical flats.
void Form17::buildDisc(QWidget* page) {
    QWidget* f = makeFrame(page, QStringLiteral("Frame4"), QStringLiteral("复杂件重量计算"),
                           {kWeightFrameLeft, 3150, kWeightFrameWidth, 3150});
    new LineSketch(f, flattedDiscSketch());

    label(f, QStringLiteral("厚"), {150, 1612, 240, 255});
    txtt50 = makeBox(f, QStringLiteral("txtt50"), {405, 1597, 600, kWeightBoxHeight});
    txtt51 = makeBox(f, QStringLiteral("txtt51"),
                     {kFlattedDiscCentreX - 300, kFlattedDiscCentreY - 330, 600, kWeightBoxHeight});
    label(f, QStringLiteral("￠"), {4245, 1612, 195, 255});
    txtt52 = makeBox(f, QStringLiteral("txtt52"), {4440, 1597, 600, kWeightBoxHeight});
    OpK = makeUnitOptions(f, QStringLiteral("OpL"), QStringLiteral("MM"), QStringLiteral("OpK"), 120, 2520);
    const WeightColumn c = makeWeightColumn(
        f, kColumn,
        {QStringLiteral("txtt53"), QStringLiteral("txtt54"), QStringLiteral("Command7"), QStringLiteral("Command5")});
    txtt53 = c.density;
    txtt54 = c.result;
    connect(c.calculate, &QPushButton::clicked, this, [this] { Command7_Click(); });
    connect(c.clear, &QPushButton::clicked, this, [this] { Command5_Click(); });
}

// A shaft of three sections stepping down to the right, with a counterbore
// from the left end face and a narrow bore through the rest.
void Form17::buildShaft(QWidget* page) {
    QWidget* f = makeFrame(page, QStringLiteral("Frame5"), QStringLiteral("复杂件重量计算"),
                           {kWeightFrameLeft, 450, kWeightFrameWidth, 3750});
    new LineSketch(f, steppedBoreShaftSketch());

    txtt60 = makeBox(f, QStringLiteral("txtt60"), {90, 1357, 540, kWeightBoxHeight});
    txtt67 = makeBox(f, QStringLiteral("txtt67"), {1200, 278, 600, kWeightBoxHeight});
    txtt62 = makeBox(f, QStringLiteral("txtt62"), {2400, 930, 600, kWeightBoxHeight});
    txtt68 = makeBox(f, QStringLiteral("txtt68"), {2400, 278, 600, kWeightBoxHeight});
    txtt65 = makeBox(f, QStringLiteral("txtt65"), {4410, 2010, 540, kWeightBoxHeight});  // under its dimension
    txtt61 = makeBox(f, QStringLiteral("txtt61"), {1200, 1357, 540, kWeightBoxHeight});
    txtt66 = makeBox(f, QStringLiteral("txtt66"), {1050, 2700, 600, kWeightBoxHeight});
    txtt64 = makeBox(f, QStringLiteral("txtt64"), {3930, 1357, 540, kWeightBoxHeight});
    txtt69 = makeBox(f, QStringLiteral("txtt69"), {2400, 3120, 600, kWeightBoxHeight});
    Op304 = makeUnitOptions(f, QStringLiteral("Op303"), QStringLiteral("mm"), QStringLiteral("Op304"), 120, 3090);
    const WeightColumn c = makeWeightColumn(
        f, kColumn,
        {QStringLiteral("txtt70"), QStringLiteral("txtt71"), QStringLiteral("Command9"), QStringLiteral("Command8")});
    txtt70 = c.density;
    txtt71 = c.result;
    connect(c.calculate, &QPushButton::clicked, this, [this] { Command9_Click(); });
    connect(c.clear, &QPushButton::clicked, this, [this] { Command8_Click(); });
}

void Form17::Command1_Click() { Frame1->calculate(); }
void Form17::Command2_Click() { Frame1->clear(); }
void Form17::Command4_Click() { Frame2->calculate(); }
void Form17::Command3_Click() { Frame2->clear(); }

// The outer diameter and the overall length make the sleeve; a bore may be
// left empty (the wide bore's diameter and depth together).
void Form17::CommandM_Click() {
    PressInputs v(Held::Single);
    const double D = v.leading(txtT30);
    const auto [d1, l1] = v.leadingSection(txtT31, txtt35);
    const double d2 = v.leadingOrZero(txtT32), L = v.leading(txtt36), rho = v.density(txtT34);
    if (!v.ok()) return;
    showWeight(v, txtt37, weight::sleeveWeight({D, d1, d2, l1, L, rho}, unitOf(Op203)));
}

void Form17::Command6_Click() {
    for (QLineEdit* b : {txtT30, txtT31, txtT32, txtt35, txtt36}) b->clear();
    txtt37->clear();
}

// The flats cut the disc only when 0 < s <= D.
void Form17::Command7_Click() {
    PressInputs v(Held::Single);
    const double t = v.leading(txtt50), s = v.leading(txtt51);
    v.require(s > 0, txtt51, notes::positive());
    const double D = v.leading(txtt52);
    v.require(s <= D, txtt51, notes::overDiameter());
    const double rho = v.density(txtt53);
    if (!v.ok()) return;
    showWeight(v, txtt54, weight::flattedDiscWeight({t, s, D, rho}, unitOf(OpK)));
}

void Form17::Command5_Click() {
    for (QLineEdit* b : {txtt50, txtt52, txtt51}) b->clear();
    txtt54->clear();
}

// The right section, whose length is the rest, and the overall length make
// the shaft; the other sections and the bores may be left empty (a section's
// diameter and length together, the counterbore's diameter and depth).
void Form17::Command9_Click() {
    PressInputs v(Held::Single);
    const auto [D1, l1] = v.leadingSection(txtt60, txtt67);
    const auto [d1, b1] = v.leadingSection(txtt61, txtt66);
    const auto [D2, l2] = v.leadingSection(txtt62, txtt68);
    const double d2 = v.leadingOrZero(txtt64), D3 = v.leading(txtt65), L = v.leading(txtt69);
    const double rho = v.density(txtt70);
    if (!v.ok()) return;
    showWeight(v, txtt71, weight::steppedBoreShaftWeight({D1, d1, D2, d2, D3, b1, l1, l2, L, rho}, unitOf(Op304)));
}

void Form17::Command8_Click() {
    for (QLineEdit* b : {txtt60, txtt61, txtt62, txtt64, txtt65, txtt66, txtt67, txtt68, txtt69}) b->clear();
    txtt71->clear();
}
