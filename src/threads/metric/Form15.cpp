#include "threads/metric/Form15.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <initializer_list>
#include <optional>

#include "common/numtext.h"
#include "common/ui/boxio.h"
#include "common/ui/controls.h"
#include "common/ui/fonts.h"
#include "common/ui/formatbox.h"
#include "common/ui/labels.h"
#include "common/ui/linesketch.h"
#include "common/ui/printing.h"
#include "common/ui/refusal.h"
#include "common/ui/tabcontainer.h"
#include "common/ui/writeplan.h"
#include "threads/common/plugsketch.h"
#include "threads/metric/externaltables.h"
#include "threads/metric/gaugeblock.h"
#include "threads/metric/internaltables.h"
#include "threads/metric/tapping.h"
#include "threads/metric/wires.h"

using namespace quorvil;
using namespace quorvil::metric;

Form15::Form15() : ToolWindow(QStringLiteral("Form15"), QStringLiteral("6.米制普通螺纹(牙形角60°)"), 6840, 7140) {
    SSTab1 = new TabContainer(this, QStringLiteral("SSTab1"), {0, 0, 6840, 7155});
    buildInternalPage(SSTab1->addPage(QStringLiteral("内螺纹参数")));
    buildExternalPage(SSTab1->addPage(QStringLiteral("外螺纹参数")));
    SSTab1->setCurrentIndex(0);
}

void Form15::buildInternalPage(QWidget* page) {
    // Input.
    QGroupBox* input =
        makeFrame(page, arrayName(QStringLiteral("Frame3"), 9), QStringLiteral("输入螺纹尺寸"), {450, 480, 3405, 855});
    label(input, QStringLiteral("公称直径M"), {180, 420, 960, 225});
    w1 = makeBox(input, QStringLiteral("w1"), {1140, 360, 735, 270});
    label(input, QStringLiteral("螺距"), {2100, 420, 450, 225});
    w2 = makeBox(input, QStringLiteral("w2"), {2565, 360, 615, 270});

    // Commands.
    QGroupBox* commands =
        makeFrame(page, arrayName(QStringLiteral("Frame3"), 10), QStringLiteral("命令"), {3960, 540, 2445, 810});
    auto* calc = makeButton(commands, QStringLiteral("Command1"), QStringLiteral("计 算"), {360, 315, 705, 315});
    auto* print = makeButton(commands, QStringLiteral("Command8"), QStringLiteral("打 印"), {1440, 315, 675, 315});
    connect(calc, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(print, &QPushButton::clicked, this, [this] { Command8_Click(); });

    // Internal thread: class, major, pitch and minor diameter columns.
    QGroupBox* thread =
        makeFrame(page, arrayName(QStringLiteral("Frame3"), 3), QStringLiteral("内螺纹参数"), {450, 1410, 5955, 960});
    new LineSketch(thread, Sketch{{1800, 150, 1800, 960}, {2700, 150, 2700, 960}, {4365, 150, 4365, 960}});
    Op5H = makeOption(thread, QStringLiteral("Op5H"), QStringLiteral("5H"), {120, 390, 525, 255});
    Op6H = makeOption(thread, QStringLiteral("Op6H"), QStringLiteral("6H"), {660, 360, 525, 255});
    Op7H = makeOption(thread, QStringLiteral("Op7H"), QStringLiteral("7H"), {1230, 360, 525, 255});
    Op5H->setChecked(true);
    label(thread, QStringLiteral("大径≥"), {1950, 240, 600, 225});
    w10 = makeBox(thread, QStringLiteral("w10"), {1890, 495, 735, 270});
    label(thread, QStringLiteral("中径"), {3015, 225, 420, 225});
    // The pitch and minor diameter boxes reach left into their column, since
    // their deviation boxes stand close on their right.
    w11 = makeFormatBox(thread, QStringLiteral("w11"), Pattern::Fixed3, {2880, 495, 705, 270});
    w12 = makeFormatBox(thread, QStringLiteral("w12"), Pattern::Fixed3, {3600, 270, 690, 270});
    label(thread, QStringLiteral("0"), {3645, 585, 240, 225});
    label(thread, QStringLiteral("小径"), {4635, 225, 420, 225});
    w13 = makeFormatBox(thread, QStringLiteral("w13"), Pattern::Fixed3, {4500, 495, 705, 270});
    w14 = makeFormatBox(thread, QStringLiteral("w14"), Pattern::Fixed3, {5220, 270, 660, 270});
    label(thread, QStringLiteral("0"), {5265, 585, 240, 225});

    // Tapping data: labels of two short lines left of their boxes.
    QGroupBox* tapping =
        makeFrame(page, arrayName(QStringLiteral("Frame3"), 8), QStringLiteral("攻丝要素"), {420, 2460, 5985, 795});
    makeNote(tapping, QStringLiteral("底孔直径"), {225, 315, 405, 420});
    w23 = makeBox(tapping, QStringLiteral("w23"), {630, 360, 705, 270});
    makeNote(tapping, QStringLiteral("底孔深度"), {1380, 315, 360, 420});
    w24 = makeBox(tapping, QStringLiteral("w24"), {1755, 360, 690, 270});
    makeNote(tapping, QStringLiteral("螺孔深度"), {2475, 315, 420, 420});
    w25 = makeBox(tapping, QStringLiteral("w25"), {2925, 360, 690, 270});
    makeNote(tapping, QStringLiteral("牙形实际高度"), {3645, 315, 585, 420});
    w26 = makeFormatBox(tapping, QStringLiteral("w26"), Pattern::Fixed2, {4230, 360, 570, 270});
    makeNote(tapping, QStringLiteral("刀尖宽度"), {4830, 300, 420, 420});
    w27 = makeBox(tapping, QStringLiteral("w27"), {5250, 360, 660, 270});

    // Thread plug gauges: GO end left, NO-GO end right, the boxes on the sketch.
    QGroupBox* gauge =
        makeFrame(page, arrayName(QStringLiteral("Frame3"), 6), QStringLiteral("螺纹规参数"), {420, 3360, 5985, 3510});
    // The divider between the GO and NO-GO halves lies under the gauge.
    Sketch sketch{{2880, 0, 2880, 3510, 1, kGreyLine}};
    PlugGaugeLayout layout = kPlugGaugeLayout;
    layout.goMajor = {990, 480, 990, 480, 585};
    layout.noGoMajor = {4545, 5235, 4545, 5235, 5130};
    layout.goLength = LengthDimension{990, 1260, 1890, 1260, 1680, 1590, 990, 1890};
    layout.noGoLength = LengthDimension{3960, 1215, 4545, 1215, 1560, 1470, 3960, 4545};
    const Sketch plug = plugGaugeSketch(layout);
    sketch.insert(sketch.end(), plug.begin(), plug.end());
    new LineSketch(gauge, sketch);
    label(gauge, QStringLiteral("螺通规"), {2130, 240, 600, 225});
    label(gauge, QStringLiteral("螺止规"), {3105, 270, 600, 225});

    label(gauge, QStringLiteral("大径"), {135, 450, 420, 225});
    w28 = makeBox(gauge, QStringLiteral("w28"), {90, 675, 735, 270});
    // Right of the GO end's edge, not on it.
    label(gauge, QStringLiteral("0"), {1035, 600, 240, 210});
    label(gauge, QString(), {840, 720, 240, 210});
    w29 = makeBox(gauge, QStringLiteral("w29"), {870, 810, 720, 270});
    Text1 = makeBox(gauge, QStringLiteral("Text1"), {1110, 1320, 600, 270});
    label(gauge, QStringLiteral("中径"), {585, 1770, 420, 225});
    w30 = makeFormatBox(gauge, QStringLiteral("w30"), kGaugePitchPattern, {990, 1740, 810, 270});
    label(gauge, QStringLiteral("0"), {1860, 1680, 240, 210});
    w31 = makeBox(gauge, QStringLiteral("w31"), {1830, 1890, 720, 270});
    makeNote(gauge, QStringLiteral("优选三针M值"), {90, 2205, 585, 420});
    w32 = makeFormatBox(gauge, QStringLiteral("w32"), Pattern::Fixed3, {675, 2250, 735, 270});
    makeNote(gauge, QStringLiteral("次选三针M值"), {1440, 2205, 585, 420});
    Text11 = makeFormatBox(gauge, QStringLiteral("Text11"), Pattern::Fixed3, {2025, 2250, 735, 270});
    label(gauge, QStringLiteral("磨损尺寸"), {210, 2700, 780, 225});
    w33 = makeBox(gauge, QStringLiteral("w33"), {990, 2625, 810, 270});
    label(gauge, QStringLiteral("小径:≤"), {330, 3105, 750, 225});
    w34 = makeFormatBox(gauge, QStringLiteral("w34"), Pattern::Fixed3, {1080, 3060, 810, 270});

    label(gauge, QStringLiteral("优选三针"), {2070, 1080, 750, 225});
    w15 = makeBox(gauge, QStringLiteral("w15"), {2820, 1035, 600, 270});
    label(gauge, QStringLiteral("次选三针"), {2070, 1440, 750, 225});
    w19 = makeBox(gauge, QStringLiteral("w19"), {2820, 1395, 600, 270});

    label(gauge, QStringLiteral("大径"), {4635, 450, 420, 225});
    w35 = makeFormatBox(gauge, QStringLiteral("w35"), Pattern::Fixed3, {4350, 720, 735, 270});
    label(gauge, QStringLiteral("0"), {5160, 600, 240, 210});
    label(gauge, QString(), {5130, 780, 240, 210});
    w36 = makeBox(gauge, QStringLiteral("w36"), {5130, 840, 720, 270});
    Text2 = makeBox(gauge, QStringLiteral("Text2"), {4620, 1320, 600, 270});
    label(gauge, QStringLiteral("中径"), {3600, 1770, 420, 225});
    w37 = makeFormatBox(gauge, QStringLiteral("w37"), kGaugePitchPattern, {4020, 1710, 765, 270});
    label(gauge, QStringLiteral("0"), {4830, 1650, 240, 210});
    w38 = makeBox(gauge, QStringLiteral("w38"), {4800, 1860, 720, 270});
    makeNote(gauge, QStringLiteral("优选三针M值"), {3045, 2160, 555, 420});
    w39 = makeFormatBox(gauge, QStringLiteral("w39"), Pattern::Fixed3, {3600, 2205, 735, 270});
    makeNote(gauge, QStringLiteral("次选三针M值"), {4365, 2160, 585, 420});
    Text12 = makeFormatBox(gauge, QStringLiteral("Text12"), Pattern::Fixed3, {4950, 2205, 810, 270});
    label(gauge, QStringLiteral("磨损尺寸"), {3285, 2655, 810, 225});
    w40 = makeBox(gauge, QStringLiteral("w40"), {4095, 2610, 810, 270});
    label(gauge, QStringLiteral("小径:≤"), {3390, 3105, 750, 225});
    w41 = makeFormatBox(gauge, QStringLiteral("w41"), Pattern::Fixed3, {4140, 3060, 810, 270});
}

void Form15::Command1_Click() {
    Inputs in;
    const std::optional<double> dRead = in.number(w1);
    const std::optional<double> pRead = in.nonZero(w2);
    if (!in.ok()) return;
    const double D = *dRead;
    const double P = *pRead;
    const InternalClass cls = Op7H->isChecked()   ? InternalClass::c7H
                              : Op6H->isChecked() ? InternalClass::c6H
                                                  : InternalClass::c5H;
    const std::optional<GaugeLengths> lengths = gaugeThreadLengths(D, P);
    const std::optional<WirePair> wires = wiresForPitch(P);
    const std::optional<double> td2 = internalPitchDiameterTolerance(cls, D, P);
    const std::optional<double> td1 = internalMinorDiameterTolerance(cls, P);
    const double d2 = basicPitchDiameter(D, P);
    const double d1 = basicMinorDiameter(D, P);

    // The gauge block works from what w12, w15 and w19 will show: this
    // press's table values, or, without a row, the texts those boxes keep
    // (the user may have typed a wire or a tolerance there).
    WritePlan plan;
    const std::optional<double> gaugeTd2 = tableOrKept(in, plan, w12, td2);
    const std::optional<double> wire1 =
        tableOrKept(in, plan, w15, wires ? std::optional(wires->preferred) : std::nullopt);
    const std::optional<double> wire2 = tableOrKept(in, plan, w19, wires ? std::optional(wires->second) : std::nullopt);
    if (!in.ok()) return;

    // The gauge lengths keep their text without a row.
    if (lengths) {
        plan.text(Text1, QString::fromLatin1(lengths->go));
        plan.text(Text2, QString::fromLatin1(lengths->nogo));
    }

    // The block of the selected class.
    plan.plain(w11, d2);
    plan.plain(w13, d1);
    plan.plain(w34, d1);
    plan.plain(w41, d1);
    if (td1) plan.plain(w14, *td1);
    stageGaugeBlock(plan, plugGauges(D, P, gaugeTd2, wire1, wire2));
    stageTapping(plan, tappingData(D, P));
    plan.text(w10, boxText(w1));
    if (!plan.ok()) {
        in.refuse(largestOf({{w1, D}, {w2, P}, {w15, wire1}, {w19, wire2}}), notes::tooLarge());
        return;
    }
    plan.commit();
}

void Form15::stageTapping(WritePlan& plan, const TappingData& tap) {
    plan.plain(w27, tap.toolTipWidth);
    plan.plain(w26, tap.threadDepth);
    plan.plain(w23, tap.tapDrill);
    plan.plain(w24, tap.drillDepth);
    plan.plain(w25, tap.tappedDepth);
}

// The GO and NO-GO thread plug gauges. Without gauges (no tolerance, or no
// band for it) the fourteen boxes show "--"; without a wire, the M values
// over it.
void Form15::stageGaugeBlock(WritePlan& plan, const std::optional<PlugGauges>& g) {
    if (!g) {
        for (QLineEdit* box : std::initializer_list<QLineEdit*>{w31, w38, w32, Text11, w39, Text12, w28, w35, w29, w36,
                                                                w30, w37, w33, w40})
            plan.missing(box);
        return;
    }
    const MetricGaugeBlock& b = g->sizes;
    plan.plain(w31, b.goPitchLowerDev);
    plan.plain(w38, b.noGoPitchLowerDev);
    plan.plain(w32, g->overPreferred.go);
    plan.plain(Text11, g->overSecond.go);
    plan.plain(w39, g->overPreferred.noGo);
    plan.plain(Text12, g->overSecond.noGo);
    plan.plain(w28, b.goMajor);
    plan.plain(w35, b.noGoMajor);
    plan.plain(w29, b.goMajorLowerDev);
    plan.plain(w36, b.noGoMajorLowerDev);
    plan.plain(w30, b.goPitch);
    plan.plain(w37, b.noGoPitch);
    plan.plain(w33, g->goWearLimit);
    plan.plain(w40, g->noGoWearLimit);
}

void Form15::Command8_Click() { printWindow(this); }

void Form15::buildExternalPage(QWidget* page) {
    QGroupBox* pick =
        makeFrame(page, arrayName(QStringLiteral("Frame3"), 7), QStringLiteral("选择螺纹参数"), {870, 900, 4635, 1005});
    Combo1 = makeCombo(pick, QStringLiteral("Combo1"), {960, 360, 3075, 330});
    fillUnpicked(Combo1, kSizeListCount, sizeItem);

    QGroupBox* limits =
        makeFrame(page, arrayName(QStringLiteral("Frame3"), 1), QStringLiteral("外螺纹参数"), {870, 2220, 4635, 1935});
    new LineSketch(limits, Sketch{{3300, 120, 3300, 1920}});
    makeLabel(limits, arrayName(QStringLiteral("lblMD"), 38), QStringLiteral("大径"), {270, 390, 405, 255});
    M11 = makeBox(limits, QStringLiteral("M11"), {780, 360, 1890, 285});
    makeLabel(limits, arrayName(QStringLiteral("lblMD"), 37), QStringLiteral("中径"), {240, 930, 405, 255});
    M12 = makeBox(limits, QStringLiteral("M12"), {660, 870, 2235, 315});
    makeLabel(limits, arrayName(QStringLiteral("lblMD"), 36), QStringLiteral("小径:≤"), {630, 1470, 735, 255});
    M13 = makeBox(limits, QStringLiteral("M13"), {1380, 1410, 855, 285});
    Op6hh = makeOption(limits, QStringLiteral("Op6hh"), QStringLiteral("6h"), {3600, 300, 495, 255});
    Op6e = makeOption(limits, QStringLiteral("Op6e"), QStringLiteral("6e"), {3600, 730, 495, 255});
    Op6f = makeOption(limits, QStringLiteral("Op6f"), QStringLiteral("6f"), {3600, 1160, 495, 255});
    Op6g = makeOption(limits, QStringLiteral("Op6g"), QStringLiteral("6g"), {3600, 1590, 495, 255});
    // clicked fires on every click, also on the option already selected, so
    // after a new pick a click on the current class shows the new size.
    connect(Op6hh, &QRadioButton::clicked, this, [this] { Op6hh_Click(); });
    connect(Op6e, &QRadioButton::clicked, this, [this] { Op6e_Click(); });
    connect(Op6f, &QRadioButton::clicked, this, [this] { Op6f_Click(); });
    connect(Op6g, &QRadioButton::clicked, this, [this] { Op6g_Click(); });

    QGroupBox* wires = makeFrame(page, arrayName(QStringLiteral("Frame3"), 0), QStringLiteral("外螺纹三针测量M值"),
                                 {840, 4500, 4665, 1365});
    makeLabel(wires, arrayName(QStringLiteral("lblMD"), 12), QStringLiteral("优选三针"), {120, 420, 765, 225});
    M14 = makeBox(wires, QStringLiteral("M14"), {990, 390, 615, 270});
    makeLabel(wires, arrayName(QStringLiteral("lblMD"), 34), QStringLiteral("M值"), {1800, 420, 345, 195});
    M15 = makeBox(wires, QStringLiteral("M15"), {2160, 390, 705, 270});
    makeLabel(wires, arrayName(QStringLiteral("lblMD"), 13), QStringLiteral("次选三针"), {120, 840, 795, 255});
    M16 = makeBox(wires, QStringLiteral("M16"), {990, 810, 615, 270});
    makeLabel(wires, arrayName(QStringLiteral("lblMD"), 14), QStringLiteral("M值"), {1800, 870, 345, 195});
    M17 = makeBox(wires, QStringLiteral("M17"), {2160, 840, 705, 270});
    auto* showM = makeButton(wires, QStringLiteral("CommandM"), QStringLiteral("显示M值"), {3300, 330, 885, 285});
    makeWrappedLabel(wires, arrayName(QStringLiteral("lblMD"), 15), QStringLiteral("M值公差同外螺纹中径公差"),
                     {3150, 750, 1245, 420});
    connect(showM, &QPushButton::clicked, this, [this] { CommandM_Click(); });

    auto* clear = makeButton(page, QStringLiteral("CommandMQ"), QStringLiteral("清 除"), {1770, 6150, 780, 300});
    auto* print = makeButton(page, QStringLiteral("CommandMD"), QStringLiteral("打 印"), {3570, 6150, 810, 300});
    clear->setFont(songFont(10.5));
    print->setFont(songFont(10.5));
    connect(clear, &QPushButton::clicked, this, [this] { CommandMQ_Click(); });
    connect(print, &QPushButton::clicked, this, [this] { CommandMD_Click(); });
}

namespace {

// A table text, or "--" where the picked size has none.
void stageText(WritePlan& plan, QLineEdit* box, const std::optional<std::string>& text) {
    if (text)
        plan.text(box, QString::fromStdString(*text));
    else
        plan.missing(box);
}

}  // namespace

// Nothing picked, a series header or the blank last item: there is no size
// to show, and the boxes keep their text. A size the class does not cover
// shows "--", never the limits of an earlier size.
void Form15::fillLimits(ExternalClass cls) {
    const int position = Combo1->currentIndex();
    if (!isSizePosition(position)) return;
    const std::optional<LimitsTexts> row = externalLimits(position, cls);
    WritePlan plan;
    stageText(plan, M11, row ? std::optional(row->major) : std::nullopt);
    stageText(plan, M12, row ? std::optional(row->pitch) : std::nullopt);
    stageText(plan, M13, row ? std::optional(row->minor) : std::nullopt);
    plan.commit();
}

void Form15::Op6hh_Click() { fillLimits(ExternalClass::c6h); }

void Form15::Op6e_Click() { fillLimits(ExternalClass::c6e); }

void Form15::Op6f_Click() { fillLimits(ExternalClass::c6f); }

void Form15::Op6g_Click() { fillLimits(ExternalClass::c6g); }

// As the class options: "--" for a size without M values, and for the
// second wire of the one size that has only the first.
void Form15::CommandM_Click() {
    const int position = Combo1->currentIndex();
    if (!isSizePosition(position)) return;
    const std::optional<MValues> m = metricMValues(position);
    WritePlan plan;
    stageText(plan, M14, m ? std::optional(m->wire1) : std::nullopt);
    stageText(plan, M15, m ? std::optional(m->m1) : std::nullopt);
    stageText(plan, M16, m ? m->wire2 : std::nullopt);
    stageText(plan, M17, m ? m->m2 : std::nullopt);
    plan.commit();
}

void Form15::CommandMQ_Click() {
    for (QLineEdit* box : {M11, M12, M13, M14, M15, M16, M17}) box->clear();
}

void Form15::CommandMD_Click() { printWindow(this); }
