#include "threads/acme/Form21.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <optional>

#include "common/numtext.h"
#include "common/ui/controls.h"
#include "common/ui/formatbox.h"
#include "common/ui/labels.h"
#include "common/ui/linesketch.h"
#include "common/ui/printing.h"
#include "common/ui/refusal.h"
#include "common/ui/writeplan.h"
#include "threads/acme/acmeclass.h"
#include "threads/acme/acmelimits.h"
#include "threads/acme/limitboxes.h"
#include "threads/common/inchgauge.h"
#include "threads/common/inchinputs.h"
#include "threads/common/inchsizeentry.h"
#include "threads/common/plugsketch.h"

using namespace quorvil;
using namespace quorvil::acme;

Form21::Form21() : ToolWindow(QStringLiteral("Form21"), QStringLiteral("13.ACME螺纹"), 6705, 9420) {
    buildInput();
    buildExternal();

    CaptionFrame* commands =
        makeFrame(this, arrayName(QStringLiteral("Frame3"), 0), QStringLiteral("命令"), {5265, 1575, 1260, 1335});
    commands->setCaptionFont(font());
    auto* calc = makeButton(commands, QStringLiteral("Command5"), QStringLiteral("计 算"), {180, 300, 900, 375});
    auto* print = makeButton(commands, QStringLiteral("Commandacme"), QStringLiteral("打 印"), {180, 810, 900, 375});
    connect(calc, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(print, &QPushButton::clicked, this, [this] { Commandacme_Click(); });

    buildInternal();
    buildWires();
    buildGauges();

    // Focus: the four inputs, the two buttons, then the results.
    QList<QWidget*> order{txtw1, txtw2, txtw3, w4,    calc, print, w5,    w6,    w7,     w8,    w9,    w10,
                          w11,   w12,   w13,   w14,   w15,  w16,   w17,   w18,   w20,    w21,   w22,   w23,
                          w24,   w25,   w26,   w27,   w28,  w29,   w30,   w31,   w32,    w33,   Text1, Text2,
                          Text4, w19,   Text5, Text7, A1,   A4,    A2,    A3,    A10,    Text3, Text6, Text10,
                          A11,   A5,    A13,   A6,    A7,   A12,   Text9, Text8, Text11, A8};
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void Form21::buildInput() {
    QGroupBox* in =
        makeFrame(this, QStringLiteral("Fra12"), QStringLiteral("输入螺纹尺寸(牙形角29°)"), {225, 180, 4875, 855});
    // The fraction bar: from the numerator's upper right corner down towards the denominator.
    const inch::SizeEntry entry = inch::makeSizeEntry(
        in, {QStringLiteral("txtw1"), QStringLiteral("txtw2"), QStringLiteral("txtw3"), QStringLiteral("w4")},
        {.caption = QStringLiteral("公称直径"),
         .captionAt = {120, 420, 780, 255},
         .whole = {900, 360, 495, 300},
         .dash = {1425, 390, 120, 255},
         .dashCentred = false,
         .numerator = {1560, 255, 405, 300},
         .bar = {2070, 300, 2010, 735},
         .denominator = {2100, 480, 405, 300},
         .inch = {2565, 510, 420, 255},
         .pitchCaption = {3045, 420, 420, 255},
         .threadsPerInch = {3480, 360, 600, 300},
         .perInch = {4140, 420, 600, 255}});
    txtw1 = entry.whole;
    txtw2 = entry.numerator;
    txtw3 = entry.denominator;
    w4 = entry.threadsPerInch;

    CaptionFrame* cls =
        makeFrame(this, QStringLiteral("Fra22"), QStringLiteral("输入公差级别"), {5220, 180, 1320, 1380});
    cls->setCaptionFont(font());
    Op1 = makeOption(cls, QStringLiteral("Op1"), QStringLiteral("2G"), {300, 330, 780, 285});
    Op2 = makeOption(cls, QStringLiteral("Op2"), QStringLiteral("3G"), {300, 690, 780, 285});
    Op3 = makeOption(cls, QStringLiteral("Op3"), QStringLiteral("4G"), {300, 1050, 780, 285});
    Op1->setChecked(true);
}

void Form21::buildExternal() {
    QGroupBox* f =
        makeFrame(this, arrayName(QStringLiteral("Fra32"), 0), QStringLiteral("外螺纹参数"), {225, 1125, 4875, 1830});
    const QString rows[] = {QStringLiteral("大径"), QStringLiteral("中径"), QStringLiteral("小径")};
    const int top[] = {375, 870, 1365};
    // The tolerance sits a little lower than its row, so that the "0" above
    // it reads as its upper deviation and not as part of the row above.
    constexpr int kTolDown = 90;
    for (int r = 0; r < 3; ++r) {
        const int y = top[r];
        label(f, rows[r], {60, y + 30, 405, 255});
        label(f, QStringLiteral("-"), {1155, y + 30, 90, 255});
        label(f, QStringLiteral("英寸"), {1980, y + 30, 360, 255});
        label(f, QStringLiteral("0"), {3210, y + kTolDown - 165, 150, 180});
        label(f, QStringLiteral("-"), {3075, y + kTolDown + 30, 90, 255});
        label(f, QStringLiteral("MM"), {3750, y + kTolDown + 30, 330, 255});
    }
    // The mm column is wide enough for the largest sizes ("127.000"). The
    // inch columns give "MM" the room the Latin face needs; they still show
    // as many digits of a long limit as the design's boxes did.
    w5 = makeFormatBox(f, QStringLiteral("w5"), Pattern::Fixed4, {435, 375, 705, 300});
    w6 = makeFormatBox(f, QStringLiteral("w6"), Pattern::Fixed4, {1260, 375, 705, 300});
    w7 = makeFormatBox(f, QStringLiteral("w7"), Pattern::Fixed3, {2355, 375, 705, 300});
    w8 = makeFormatBox(f, QStringLiteral("w8"), Pattern::Fixed3, {3180, 375 + kTolDown, 540, 300});
    w9 = makeBox(f, QStringLiteral("w9"), {435, 870, 705, 300});
    w10 = makeBox(f, QStringLiteral("w10"), {1260, 870, 705, 300});
    w11 = makeFormatBox(f, QStringLiteral("w11"), Pattern::Fixed3, {2355, 870, 705, 300});
    w12 = makeFormatBox(f, QStringLiteral("w12"), Pattern::Fixed3, {3180, 870 + kTolDown, 540, 300});
    w13 = makeBox(f, QStringLiteral("w13"), {435, 1365, 705, 300});
    w14 = makeBox(f, QStringLiteral("w14"), {1260, 1365, 705, 300});
    w15 = makeFormatBox(f, QStringLiteral("w15"), Pattern::Fixed3, {2355, 1365, 705, 300});
    w16 = makeFormatBox(f, QStringLiteral("w16"), Pattern::Fixed3, {3180, 1365 + kTolDown, 540, 300});

    makeNote(f, QStringLiteral("牙形实际高度"), {4110, 300, 690, 420});
    w17 = makeFormatBox(f, QStringLiteral("w17"), Pattern::Fixed2, {4125, 750, 660, 300});
    label(f, QStringLiteral("刀尖宽度"), {4095, 1185, 765, 255});
    w18 = makeFormatBox(f, QStringLiteral("w18"), Pattern::Fixed2, {4125, 1455, 660, 300});
}

void Form21::buildInternal() {
    QGroupBox* f =
        makeFrame(this, arrayName(QStringLiteral("Fra32"), 1), QStringLiteral("内螺纹参数"), {225, 3015, 6270, 1635});
    const QString rows[] = {QStringLiteral("大径"), QStringLiteral("中径"), QStringLiteral("小径")};
    const int top[] = {300, 750, 1200};
    // The tolerance sits a little higher than its row, with room under it
    // for its lower deviation "0" above the next row's tolerance.
    constexpr int kTolUp = 60;
    for (int r = 0; r < 3; ++r) {
        const int y = top[r];
        label(f, rows[r], {90, y + 30, 480, 255});
        label(f, QStringLiteral("-"), {1485, y + 30, 105, 255});
        label(f, QStringLiteral("英寸"), {2520, y + 30, 360, 255});
        label(f, QStringLiteral("+"), {3630, y - kTolUp + 30, 120, 255});
        label(f, QStringLiteral("0"), {3780, y - kTolUp + 285, 150, 180});
        label(f, QStringLiteral("MM"), {4395, y - kTolUp + 30, 315, 255});
    }
    // The minimum major diameter is the one box aligned to the left.
    w20 = makeFormatBox(f, QStringLiteral("w20"), Pattern::Fixed4, {570, 300, 900, 300}, false);
    w21 = makeFormatBox(f, QStringLiteral("w21"), Pattern::Fixed4, {1605, 300, 900, 300});
    w22 = makeFormatBox(f, QStringLiteral("w22"), Pattern::Fixed3, {2895, 300, 720, 300});
    w23 = makeFormatBox(f, QStringLiteral("w23"), Pattern::Fixed3, {3765, 300 - kTolUp, 600, 300});
    w24 = makeFormatBox(f, QStringLiteral("w24"), Pattern::Fixed4, {570, 750, 900, 300});
    w25 = makeFormatBox(f, QStringLiteral("w25"), Pattern::Fixed4, {1605, 750, 900, 300});
    w26 = makeFormatBox(f, QStringLiteral("w26"), Pattern::Fixed3, {2895, 750, 720, 300});
    w27 = makeFormatBox(f, QStringLiteral("w27"), Pattern::Fixed3, {3765, 750 - kTolUp, 600, 300});
    w28 = makeFormatBox(f, QStringLiteral("w28"), Pattern::Fixed4, {570, 1200, 900, 300});
    w29 = makeFormatBox(f, QStringLiteral("w29"), Pattern::Fixed4, {1605, 1200, 900, 300});
    w30 = makeFormatBox(f, QStringLiteral("w30"), Pattern::Fixed3, {2895, 1200, 720, 300});
    w31 = makeFormatBox(f, QStringLiteral("w31"), Pattern::Fixed3, {3765, 1200 - kTolUp, 600, 300});

    label(f, QStringLiteral("牙形实际高度"), {4890, 315, 1260, 255});
    w32 = makeFormatBox(f, QStringLiteral("w32"), Pattern::Fixed2, {5070, 600, 840, 300});
    label(f, QStringLiteral("刀尖宽度"), {4890, 990, 1260, 255});
    w33 = makeFormatBox(f, QStringLiteral("w33"), Pattern::Fixed2, {5070, 1275, 840, 300});
}

void Form21::buildWires() {
    QGroupBox* f = makeFrame(this, arrayName(QStringLiteral("Frame3"), 13), QStringLiteral("外螺纹三针测量M值"),
                             {225, 4770, 6300, 885});
    label(f, QStringLiteral("优先三针"), {60, 450, 720, 255});
    Text1 = makeBox(f, QStringLiteral("Text1"), {795, 420, 540, 300});
    label(f, QStringLiteral("M值"), {1350, 450, 360, 255});
    Text2 = makeFormatBox(f, QStringLiteral("Text2"), Pattern::Fixed3, {1710, 420, 720, 300});
    label(f, QStringLiteral("-"), {2460, 450, 105, 255});
    label(f, QStringLiteral("0"), {2580, 225, 150, 195});
    Text4 = makeBox(f, QStringLiteral("Text4"), {2565, 420, 555, 300});
    label(f, QStringLiteral("其次三针"), {3150, 450, 720, 255});
    w19 = makeBox(f, QStringLiteral("w19"), {3915, 420, 540, 300});
    label(f, QStringLiteral("M值"), {4470, 450, 360, 255});
    Text5 = makeFormatBox(f, QStringLiteral("Text5"), Pattern::Fixed3, {4830, 420, 720, 300});
    label(f, QStringLiteral("-"), {5580, 450, 105, 255});
    label(f, QStringLiteral("0"), {5700, 225, 150, 195});
    Text7 = makeBox(f, QStringLiteral("Text7"), {5685, 420, 555, 300});
}

void Form21::buildGauges() {
    QGroupBox* f =
        makeFrame(this, arrayName(QStringLiteral("Frame3"), 11), QStringLiteral("螺纹规参数"), {225, 5760, 6285, 3600});
    new LineSketch(f, inch::plugGaugeSketch(3600));
    label(f, QStringLiteral("螺通规"), {2100, 165, 720, 255});
    label(f, QStringLiteral("螺止规"), {2970, 165, 720, 255});
    label(f, QStringLiteral("单位:MM"), {5220, 165, 900, 255});

    // GO half.
    // Left of the major diameter's dimension line, between its extension lines.
    label(f, QStringLiteral("大径"), {150, 420, 480, 255});
    A1 = makeBox(f, QStringLiteral("A1"), {180, 675, 885, 285});
    label(f, QStringLiteral("+"), {1080, 525, 135, 255});
    A4 = makeFormatBox(f, QStringLiteral("A4"), Pattern::Fixed3, {1215, 495, 615, 285});
    label(f, QStringLiteral("螺纹长度"), {195, 1380, 780, 255});
    A2 = makeFormatBox(f, QStringLiteral("A2"), Pattern::Fixed0, {1140, 1350, 540, 285});
    label(f, QStringLiteral("中径"), {480, 1965, 540, 255});
    A3 = makeFormatBox(f, QStringLiteral("A3"), Pattern::Fixed3, {1035, 1935, 915, 285});
    label(f, QStringLiteral("+"), {1980, 1830, 135, 255});
    A10 = makeFormatBox(f, QStringLiteral("A10"), Pattern::Fixed3, {2115, 1800, 615, 285});
    label(f, QStringLiteral("优先三针M值"), {60, 2325, 1065, 255});
    Text3 = makeFormatBox(f, QStringLiteral("Text3"), Pattern::Fixed3, {1125, 2295, 870, 285});
    label(f, QStringLiteral("+"), {2025, 2235, 135, 255});
    Text6 = makeBox(f, QStringLiteral("Text6"), {2160, 2205, 615, 285});
    label(f, QStringLiteral("磨损极限优先三针M值"), {60, 2730, 1785, 255});
    Text10 = makeFormatBox(f, QStringLiteral("Text10"), Pattern::Fixed3, {1845, 2700, 795, 285});
    label(f, QStringLiteral("小径"), {480, 3135, 540, 255});
    A11 = makeFormatBox(f, QStringLiteral("A11"), Pattern::Fixed3, {1035, 3105, 840, 285});

    // NO-GO half.
    label(f, QStringLiteral("大径"), {3900, 435, 480, 255});
    A5 = makeFormatBox(f, QStringLiteral("A5"), Pattern::Fixed3, {3780, 675, 780, 285});
    label(f, QStringLiteral("-"), {4575, 840, 105, 255});
    A13 = makeFormatBox(f, QStringLiteral("A13"), Pattern::Fixed3, {4680, 810, 615, 285});
    label(f, QStringLiteral("螺纹长度"), {3720, 1350, 780, 255});
    A6 = makeFormatBox(f, QStringLiteral("A6"), Pattern::Fixed0, {4500, 1320, 735, 285});
    label(f, QStringLiteral("中径"), {3540, 1920, 540, 255});
    A7 = makeFormatBox(f, QStringLiteral("A7"), Pattern::Fixed3, {4095, 1890, 870, 285});
    label(f, QStringLiteral("-"), {5055, 2010, 105, 255});
    A12 = makeFormatBox(f, QStringLiteral("A12"), Pattern::Fixed3, {5175, 1980, 615, 285});
    label(f, QStringLiteral("优先三针M值"), {3015, 2280, 1080, 255});
    Text9 = makeFormatBox(f, QStringLiteral("Text9"), Pattern::Fixed3, {4095, 2250, 870, 285});
    label(f, QStringLiteral("-"), {5055, 2460, 105, 255});
    Text8 = makeBox(f, QStringLiteral("Text8"), {5175, 2430, 615, 285});
    label(f, QStringLiteral("磨损极限优先三针M值"), {3015, 2775, 1800, 255});
    Text11 = makeFormatBox(f, QStringLiteral("Text11"), Pattern::Fixed3, {4815, 2745, 840, 285});
    label(f, QStringLiteral("小径"), {3540, 3135, 540, 255});
    A8 = makeFormatBox(f, QStringLiteral("A8"), Pattern::Fixed3, {4095, 3105, 855, 285});
}

AcmeClass Form21::selectedClass() const {
    return Op3->isChecked() ? AcmeClass::G4 : Op2->isChecked() ? AcmeClass::G3 : AcmeClass::G2;
}

void Form21::Command5_Click() {
    // The size, each box one number or empty (0), then the threads per inch:
    // the whole text of w4, read afresh wherever a formula needs it; the pass
    // never writes w4, so one reading stands for all.
    Inputs in;
    const std::optional<float> D = inch::readThreadSize(in, txtw1, txtw2, txtw3);
    const std::optional<double> n = inch::readThreadsPerInch(in, w4);
    if (!in.ok()) return;
    const AcmeClass cls = selectedClass();
    const ClassConstants& k = classConstants(cls);

    // Every write is staged first; the gauge block computes from the limits
    // as their boxes will show them once the plan is written.
    WritePlan plan;

    // Common to every class. The tool tip width has no row for some threads
    // per inch: "--" then.
    const double depth = threadDepthMm(*n);
    plan.plain(w17, depth);
    plan.plain(w32, depth);
    const auto tip = toolTipWidthMm(*n);
    plan.plain(w18, tip);
    plan.plain(w33, tip);
    // Wires from their table; without a row the wire boxes keep what they
    // hold (an earlier row's wire, or one the user typed) and the M values
    // are taken over that. An empty box is no wire: its M values show "--".
    const auto wires = acmeWires(*n);
    const auto preferred = tableOrKept(in, plan, Text1, wires ? std::optional(wires->preferred) : std::nullopt);
    const auto second = tableOrKept(in, plan, w19, wires ? std::optional(wires->second) : std::nullopt);

    const ExternalLimits e = externalLimits(*D, *n, k);
    const InternalLimits i = internalLimits(*D, *n, k);
    stageLimits(plan, e, i);
    const inch::ThreadMValues m = threadMValues(*D, *n, k, preferred, second);
    inch::stageOverWire(in, plan, Text2, Text1, m.preferred);
    inch::stageOverWire(in, plan, Text5, w19, m.second);

    // Gauges. Classes 3G and 4G take their own column of gauge pitch
    // tolerances; without a row A10 and A12 keep what they hold: the copies
    // show it, and the NO-GO wear limit is taken with A12's number ("--"
    // while it is empty).
    const auto gaugeTol = inch::gaugePitchToleranceMm(*n, gaugeColumn(cls));
    if (gaugeTol) plan.plain(A10, *gaugeTol);
    const auto noGoTol = tableOrKept(in, plan, A12, gaugeTol);
    stageGauges(in, plan, gaugeBlock(cls, *n, e, i, preferred, noGoTol));

    // A wire or tolerance read that cannot be used, or a result over a wire
    // too large, has refused already. Every other result is finite but for
    // a pitch beyond the range, 1/n of threads per inch too near 0.
    if (in.ok() && !plan.commit()) in.refuse(w4, notes::tooLarge());
}

// The limits of size; each tolerance of a pair of inch limits is taken from
// the two limits as shown.
void Form21::stageLimits(WritePlan& plan, const ExternalLimits& e, const InternalLimits& i) {
    plan.plain(w6, e.majorMin);
    plan.plainSingle(w5, e.majorMax);
    plan.plain(w7, e.majorMaxMm);
    plan.plain(w8, shownRangeMm(plan, w5, w6));
    plan.plain(w9, e.pitchMax);
    plan.plain(w10, e.pitchMin);
    plan.plain(w11, e.pitchMaxMm);
    plan.plain(w12, e.pitchTolMm);
    plan.plain(w13, e.minorMax);
    plan.plain(w14, e.minorMin);
    plan.plain(w15, e.minorMaxMm);
    plan.plain(w16, e.minorTolMm);
    plan.plainSingle(w20, i.majorMin);
    plan.plain(w21, i.majorMax);
    plan.plain(w22, i.majorMinMm);
    plan.plain(w23, shownRangeMm(plan, w21, w20));
    plan.plain(w24, i.pitchMin);
    plan.plain(w25, i.pitchMax);
    plan.plain(w26, i.pitchMinMm);
    plan.plain(w27, i.pitchTolMm);
    plan.plain(w28, i.minorMin);
    plan.plain(w29, i.minorMax);
    plan.plain(w30, i.minorMinMm);
    plan.plain(w31, shownRangeMm(plan, w29, w28));
    // The three-wire M values' tolerance, as w12 shows it.
    plan.copy(Text7, w12);
    plan.copy(Text4, w12);
}

// The gauge sizes, the M values over the preferred wire at the gauge pitch
// diameters (Text3 GO, Text9 NO-GO) and at their wear limits, and the copies
// of the gauge pitch tolerances as A10 and A12 show them.
void Form21::stageGauges(Inputs& in, WritePlan& plan, const inch::GaugeBlock& g) {
    plan.plain(A2, g.goLength);
    plan.plain(A6, g.noGoLength);
    plan.plain(A1, g.goMajor);
    plan.plain(A4, g.majorToleranceMm);
    plan.plain(A3, g.goPitch);
    plan.plain(A11, g.minor);
    plan.plain(A8, g.minor);
    plan.plain(A5, g.noGoMajor);
    plan.plain(A13, g.majorToleranceMm);
    plan.plain(A7, g.noGoPitch);
    inch::stageOverWire(in, plan, Text3, Text1, g.goM);
    inch::stageOverWire(in, plan, Text9, Text1, g.noGoM);
    plan.copy(Text6, A10);
    plan.copy(Text8, A12);
    inch::stageOverWire(in, plan, Text10, Text1, g.goWearM);
    inch::stageOverWire(in, plan, Text11, Text1, g.noGoWearM);
}

void Form21::Commandacme_Click() { printWindow(this); }
