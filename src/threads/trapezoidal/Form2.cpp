#include "threads/trapezoidal/Form2.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "common/numtext.h"
#include "common/ui/boxio.h"
#include "common/ui/controls.h"
#include "common/ui/defaultbutton.h"
#include "common/ui/fonts.h"
#include "common/ui/formatbox.h"
#include "common/ui/labels.h"
#include "common/ui/linesketch.h"
#include "common/ui/printing.h"
#include "common/ui/refusal.h"
#include "common/ui/tabcontainer.h"
#include "common/ui/writeplan.h"
#include "threads/common/plugsketch.h"
#include "threads/trapezoidal/tr_internal.h"
#include "threads/trapezoidal/tr_sizes.h"
#include "threads/trapezoidal/tr_wires.h"

using namespace quorvil;
using trapezoidal::ExternalClass;
using trapezoidal::InternalClass;

namespace {

// The design places the captions beside the boxes by their top left corner
// alone: each is as large as its text.
QLabel* caption(QWidget* parent, const QString& text, int left, int top) {
    QLabel* l = label(parent, text, Tw{left, top, 0, 0});
    l->adjustSize();
    return l;
}

}  // namespace

Form2::Form2() : ToolWindow(QStringLiteral("Form2"), QStringLiteral("11.梯形螺纹(牙形角30°)"), 6555, 6645) {
    SSTab1 = new TabContainer(this, QStringLiteral("SSTab1"), Tw{0, 0, 6555, 6660});
    buildExternalTab(SSTab1->addPage(QStringLiteral("外螺纹参数")));
    buildInternalTab(SSTab1->addPage(QStringLiteral("内螺纹参数")));
    SSTab1->setCurrentIndex(kForm2StartTab);
}

void Form2::buildExternalTab(QWidget* page) {
    auto* pick = makeFrame(page, arrayName(QStringLiteral("Frame3"), 2), QStringLiteral("选择螺纹参数(牙形角30°)"),
                           Tw{480, 600, 5085, 1065});
    Combo2 = makeCombo(pick, QStringLiteral("Combo2"), Tw{990, 420, 3285, 330}, true);
    Combo2->setFont(songFont(10.5));
    fillUnpicked(Combo2, trapezoidal::kSizeListCount, trapezoidal::sizeItem);
    Combo2->setEditText(QString());

    auto* ext = makeFrame(page, arrayName(QStringLiteral("Frame3"), 1), QStringLiteral("外螺纹参数"),
                          Tw{480, 1890, 3045, 2295});
    new LineSketch(ext, Sketch{
                            {0, 720, 3000, 720, 1, kInvertedLine},    // Line21(2)
                            {0, 1200, 3000, 1200, 1, kInvertedLine},  // Line21(3)
                            {0, 1740, 3000, 1740, 1, kInvertedLine},  // Line21(4)
                        });
    auto* b7h = makeButton(ext, QStringLiteral("CommandT7h"), QStringLiteral("7h"), Tw{300, 360, 435, 255});
    auto* b7e = makeButton(ext, QStringLiteral("CommandT7e"), QStringLiteral("7e"), Tw{960, 360, 375, 255});
    auto* b8e = makeButton(ext, QStringLiteral("CommandT8e"), QStringLiteral("8e"), Tw{1590, 360, 465, 240});
    auto* b8c = makeButton(ext, QStringLiteral("CommandT8c"), QStringLiteral("8c"), Tw{2250, 360, 465, 240});
    connect(b7h, &QPushButton::clicked, this, [this] { CommandT7h_Click(); });
    connect(b7e, &QPushButton::clicked, this, [this] { CommandT7e_Click(); });
    connect(b8e, &QPushButton::clicked, this, [this] { CommandT8e_Click(); });
    connect(b8c, &QPushButton::clicked, this, [this] { CommandT8c_Click(); });
    caption(ext, QStringLiteral("大径"), 240, 900);
    T1 = makeBox(ext, QStringLiteral("T1"), Tw{780, 840, 1860, 285});
    caption(ext, QStringLiteral("中径"), 240, 1410);
    T2 = makeBox(ext, QStringLiteral("T2"), Tw{780, 1320, 1875, 315});
    caption(ext, QStringLiteral("小径"), 240, 1920);
    T3 = makeBox(ext, QStringLiteral("T3"), Tw{780, 1860, 1875, 285});

    auto* wires = makeFrame(page, arrayName(QStringLiteral("Frame3"), 0), QStringLiteral("外螺纹三针测量M值"),
                            Tw{480, 4410, 5055, 1455});
    caption(wires, QStringLiteral("优先三针"), 210, 480);
    T4 = makeBox(wires, QStringLiteral("T4"), Tw{960, 420, 735, 270});
    caption(wires, QStringLiteral("M值"), 1800, 480);
    T5 = makeBox(wires, QStringLiteral("T5"), Tw{2160, 420, 735, 270});
    caption(wires, QStringLiteral("其次三针"), 210, 960);
    T6 = makeBox(wires, QStringLiteral("T6"), Tw{960, 930, 735, 270});
    caption(wires, QStringLiteral("M值"), 1830, 990);
    T7 = makeBox(wires, QStringLiteral("T7"), Tw{2190, 930, 735, 270});
    auto* tm = makeButton(wires, QStringLiteral("CommandTM"), QStringLiteral("显示M值"), Tw{3480, 420, 795, 315});
    connect(tm, &QPushButton::clicked, this, [this] { CommandTM_Click(); });
    makeNote(wires, QStringLiteral("M值公差同外螺纹中径公差"), Tw{3330, 930, 1275, 420},
             arrayName(QStringLiteral("lblMD"), 11));

    auto* clear = makeButton(page, QStringLiteral("CommandT1"), QStringLiteral("清 除"), Tw{4200, 2280, 870, 360});
    connect(clear, &QPushButton::clicked, this, [this] { CommandT1_Click(); });
    auto* print = makeButton(page, QStringLiteral("Commandtd"), QStringLiteral("打 印"), Tw{4200, 3210, 870, 360});
    connect(print, &QPushButton::clicked, this, [this] { Commandtd_Click(); });
}

void Form2::buildInternalTab(QWidget* page) {
    auto* input = makeFrame(page, arrayName(QStringLiteral("Frame3"), 5), QStringLiteral("输入螺纹尺寸"),
                            Tw{270, 465, 3435, 855});
    caption(input, QStringLiteral("公称直径Tr"), 90, 405);
    Text3 = makeBox(input, QStringLiteral("Text3"), Tw{1080, 360, 735, 270});
    caption(input, QStringLiteral("螺距"), 1980, 405);
    Text4 = makeBox(input, QStringLiteral("Text4"), Tw{2385, 360, 615, 270});

    auto* commands =
        makeFrame(page, arrayName(QStringLiteral("Frame3"), 7), QStringLiteral("命令"), Tw{3780, 465, 2445, 855});
    Command1 = makeButton(commands, QStringLiteral("Command1"), QStringLiteral("计 算"), Tw{360, 360, 705, 315});
    // The window's default button: Enter presses it while it is shown,
    // unless another button has the focus.
    setDefaultButton(this, Command1);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    auto* print = makeButton(commands, QStringLiteral("Command3"), QStringLiteral("打 印"), Tw{1440, 360, 675, 315});
    connect(print, &QPushButton::clicked, this, [this] { Command3_Click(); });

    auto* internal =
        makeFrame(page, arrayName(QStringLiteral("Frame3"), 3), QStringLiteral("内螺纹参数"), Tw{240, 1410, 5955, 960});
    new LineSketch(internal, Sketch{
                                 {1800, 150, 1800, 945, 1, kInvertedLine},   // Line21(1)
                                 {2700, 150, 2700, 945, 1, kInvertedLine},   // Line21(0)
                                 {4365, 150, 4365, 945, 1, kLightGreyLine},  // Line4
                             });
    Op7 = makeOption(internal, QStringLiteral("Op7"), QStringLiteral("7H"), Tw{120, 390, 555, 315});
    Op8 = makeOption(internal, QStringLiteral("Op8"), QStringLiteral("8H"), Tw{660, 360, 525, 375});
    Op9 = makeOption(internal, QStringLiteral("Op9"), QStringLiteral("9H"), Tw{1230, 360, 525, 375});
    Op7->setChecked(true);
    caption(internal, QStringLiteral("大径≥"), 1950, 240);
    txtT10 = makeBox(internal, QStringLiteral("txtT10"), Tw{1890, 495, 705, 270});
    caption(internal, QStringLiteral("中径"), 3015, 225);
    txtT11 = makeBox(internal, QStringLiteral("txtT11"), Tw{2865, 495, 705, 270});
    txtT12 = makeFormatBox(internal, QStringLiteral("txtT12"), Pattern::Fixed3, Tw{3600, 270, 630, 270});
    makeLabel(internal, arrayName(QStringLiteral("lblMD"), 6), QStringLiteral("0"), Tw{3645, 585, 180, 255});
    caption(internal, QStringLiteral("小径"), 4635, 225);
    txtT13 = makeBox(internal, QStringLiteral("txtT13"), Tw{4485, 495, 705, 270});
    txtT14 = makeFormatBox(internal, QStringLiteral("txtT14"), Pattern::Fixed3, Tw{5220, 270, 585, 270});
    makeLabel(internal, arrayName(QStringLiteral("lblMD"), 5), QStringLiteral("0"), Tw{5265, 585, 180, 255});

    auto* gauge = makeFrame(page, arrayName(QStringLiteral("Frame3"), 6), QStringLiteral("螺纹规参数"),
                            Tw{240, 2430, 5985, 4050});
    PlugGaugeLayout layout = kPlugGaugeLayout;
    layout.goLength = LengthDimension{990, 1200, 1860, 1260, 1680, 1590, 990, 1860};
    layout.noGoLength = LengthDimension{3960, 1170, 4530, 1170, 1560, 1470, 3960, 4740};
    Sketch plug = plugGaugeSketch(layout);
    // Line5(4): parts the GO side from the NO-GO side, drawn over the handle.
    plug.push_back({2880, 90, 2880, 4005, 1, kGreyLine});
    new LineSketch(gauge, plug);
    caption(gauge, QStringLiteral("螺通规"), 2130, 240);
    caption(gauge, QStringLiteral("螺止规"), 3105, 270);

    caption(gauge, QStringLiteral("大径"), 135, 450);
    txtT23 = makeFormatBox(gauge, QStringLiteral("txtT23"), Pattern::Fixed3, Tw{90, 675, 720, 270});
    caption(gauge, QStringLiteral("0"), 870, 600);
    txtT24 = makeFormatBox(gauge, QStringLiteral("txtT24"), Pattern::Fixed3, Tw{870, 810, 615, 285});
    caption(gauge, QStringLiteral("大径"), 4635, 450);
    txtT25 = makeFormatBox(gauge, QStringLiteral("txtT25"), Pattern::Fixed3, Tw{4350, 720, 735, 270});
    caption(gauge, QStringLiteral("0"), 5160, 600);
    txtT26 = makeFormatBox(gauge, QStringLiteral("txtT26"), Pattern::Fixed3, Tw{5130, 840, 615, 285});
    makeLabel(gauge, arrayName(QStringLiteral("lblMD"), 29), QString(), Tw{840, 720, 225, 165});
    makeLabel(gauge, arrayName(QStringLiteral("lblMD"), 30), QString(), Tw{5130, 780, 225, 165});

    Text1 = makeBox(gauge, QStringLiteral("Text1"), Tw{1110, 1320, 645, 270});
    Text2 = makeBox(gauge, QStringLiteral("Text2"), Tw{4620, 1320, 645, 270});
    caption(gauge, QStringLiteral("优选三针"), 2070, 1080);
    Text5 = makeBox(gauge, QStringLiteral("Text5"), Tw{2820, 1035, 735, 270});
    caption(gauge, QStringLiteral("次选三针"), 2070, 1440);
    Text10 = makeBox(gauge, QStringLiteral("Text10"), Tw{2820, 1395, 735, 270});

    caption(gauge, QStringLiteral("中径"), 585, 1770);
    Text6 = makeFormatBox(gauge, QStringLiteral("Text6"), Pattern::Fixed3, Tw{990, 1740, 810, 270});
    caption(gauge, QStringLiteral("0"), 1860, 1680);
    txtT28 = makeFormatBox(gauge, QStringLiteral("txtT28"), Pattern::Fixed3, Tw{1830, 1890, 735, 285});
    caption(gauge, QStringLiteral("中径"), 3600, 1770);
    Text7 = makeFormatBox(gauge, QStringLiteral("Text7"), Pattern::Fixed3, Tw{4020, 1710, 720, 270});
    caption(gauge, QStringLiteral("0"), 4830, 1650);
    txtT31 = makeFormatBox(gauge, QStringLiteral("txtT31"), Pattern::Fixed3, Tw{4800, 1860, 795, 270});

    makeNote(gauge, QStringLiteral("优选三针M值"), Tw{90, 2205, 585, 450});
    txtT27 = makeFormatBox(gauge, QStringLiteral("txtT27"), Pattern::Fixed3, Tw{675, 2250, 720, 270});
    makeNote(gauge, QStringLiteral("次选三针M值"), Tw{1440, 2205, 585, 450});
    Text11 = makeFormatBox(gauge, QStringLiteral("Text11"), Pattern::Fixed3, Tw{2025, 2250, 720, 270});
    makeNote(gauge, QStringLiteral("优选三针M值"), Tw{3030, 2160, 540, 450});
    txtT30 = makeFormatBox(gauge, QStringLiteral("txtT30"), Pattern::Fixed3, Tw{3600, 2205, 720, 270});
    makeNote(gauge, QStringLiteral("次选三针M值"), Tw{4365, 2160, 585, 450});
    Text12 = makeFormatBox(gauge, QStringLiteral("Text12"), Pattern::Fixed3, Tw{4950, 2205, 720, 270});

    caption(gauge, QStringLiteral("磨损尺寸"), 210, 2700);
    Text8 = makeFormatBox(gauge, QStringLiteral("Text8"), Pattern::Fixed3, Tw{990, 2625, 720, 270});
    caption(gauge, QStringLiteral("磨损尺寸"), 3285, 2655);
    Text9 = makeFormatBox(gauge, QStringLiteral("Text9"), Pattern::Fixed3, Tw{4095, 2610, 720, 270});

    caption(gauge, QStringLiteral("磨损尺寸优选三针M值"), 90, 3015);
    txtT29 = makeFormatBox(gauge, QStringLiteral("txtT29"), Pattern::Fixed3, Tw{1890, 2970, 735, 270});
    caption(gauge, QStringLiteral("磨损尺寸次选三针M值"), 90, 3375);
    Text13 = makeFormatBox(gauge, QStringLiteral("Text13"), Pattern::Fixed3, Tw{1890, 3375, 735, 270});
    caption(gauge, QStringLiteral("磨损尺寸优选三针M值"), 3015, 3015);
    txtT32 = makeFormatBox(gauge, QStringLiteral("txtT32"), Pattern::Fixed3, Tw{4815, 2970, 735, 270});
    caption(gauge, QStringLiteral("磨损尺寸次选三针M值"), 3015, 3375);
    Text14 = makeFormatBox(gauge, QStringLiteral("Text14"), Pattern::Fixed3, Tw{4815, 3330, 735, 270});

    caption(gauge, QStringLiteral("小径:≤"), 360, 3705);
    txtT40 = makeBox(gauge, QStringLiteral("txtT40"), Tw{1110, 3660, 705, 270});
    caption(gauge, QStringLiteral("小径:≤"), 3420, 3705);
    txtT41 = makeBox(gauge, QStringLiteral("txtT41"), Tw{4170, 3660, 705, 270});
}

// ---- External tab ------------------------------------------------------------

void Form2::showLimits(ExternalClass cls) {
    const int position = Combo2->currentIndex();
    if (!trapezoidal::sizeAt(position)) return;  // a series header or no size picked
    const auto texts = trapezoidal::externalLimits(position, cls);
    WritePlan plan;
    if (texts) {
        plan.text(T1, QString::fromStdString(texts->major));
        plan.text(T2, QString::fromStdString(texts->pitch));
        plan.text(T3, QString::fromStdString(texts->minor));
    } else {
        for (QLineEdit* b : {T1, T2, T3}) plan.missing(b);
    }
    plan.commit();
}

void Form2::CommandT7h_Click() { showLimits(ExternalClass::c7h); }
void Form2::CommandT7e_Click() { showLimits(ExternalClass::c7e); }
void Form2::CommandT8e_Click() { showLimits(ExternalClass::c8e); }
void Form2::CommandT8c_Click() { showLimits(ExternalClass::c8c); }

void Form2::CommandTM_Click() {
    const int position = Combo2->currentIndex();
    if (!trapezoidal::sizeAt(position)) return;  // a series header or no size picked
    const auto row = trapezoidal::mValueRow(position);
    WritePlan plan;
    if (row) {
        plan.plain(T4, row->wire1);
        plan.plain(T5, row->m1);
        plan.plain(T6, row->wire2);
        plan.plain(T7, row->m2);
    } else {
        // Sizes with a pitch of 10 or more, and Tr18x2, have no M values.
        for (QLineEdit* b : {T4, T5, T6, T7}) plan.missing(b);
    }
    plan.commit();
}

void Form2::CommandT1_Click() {
    for (QLineEdit* b : {T1, T2, T3, T4, T5, T6, T7}) b->setText(QStringLiteral(" "));
}

void Form2::Commandtd_Click() { printWindow(this); }

// ---- Internal tab ------------------------------------------------------------

void Form2::Command3_Click() { printWindow(this); }

void Form2::Command1_Click() {
    Inputs in;
    const auto d = in.number(Text3);
    const auto P = in.positive(Text4);
    if (!in.ok()) return;
    const InternalClass cls = Op9->isChecked()   ? InternalClass::c9H
                              : Op8->isChecked() ? InternalClass::c8H
                                                 : InternalClass::c7H;
    // The wire boxes are inputs only for a pitch without table wires: what
    // they hold then (a typed wire, or the wires of an earlier press) gives
    // the M values; an empty wire box gives its M values no value.
    std::optional<double> typedW1, typedW2;
    if (!trapezoidal::calculatorWires(*P)) {
        typedW1 = in.numberOrEmpty(Text5);
        typedW2 = in.numberOrEmpty(Text10);
        if (!in.ok()) return;
    }
    const auto r = trapezoidal::calculateInternal(*d, *P, cls, typedW1, typedW2);

    WritePlan plan;
    stageInternal(plan, r);
    if (!plan.ok()) {
        in.refuse(largestOf({{Text3, d}, {Text4, P}, {Text5, r.w1}, {Text10, r.w2}}), notes::tooLarge());
        return;
    }
    plan.commit();
}

void Form2::stageInternal(WritePlan& plan, const trapezoidal::InternalResult& r) {
    // The wire and gauge-length boxes are written only where their tables
    // have a row: the user may type into them, and without a row they keep
    // what they show.
    if (r.tableWires) {
        plan.plain(Text5, r.tableWires->preferred);
        plan.plain(Text10, r.tableWires->second);
    }
    // The tolerance is not shown, but a tolerance that overflowed changes no box.
    if (!finiteValue(r.computedTolerance)) plan.reject();
    if (r.lengths) {
        plan.plain(Text1, r.lengths->go);
        plan.plain(Text2, r.lengths->noGo);
    }

    plan.sign(txtT10, r.D4);
    plan.sign(txtT11, r.D2);
    plan.sign(txtT12, r.TD2);
    plan.sign(txtT13, r.D1);
    plan.sign(txtT14, r.TD1);
    // Without a preferred tolerance there are no gauge constants: every
    // gauge size and M value shows "--".
    if (const auto& g = r.gauge) {
        plan.plain(Text6, g->goPitch);
        plan.plain(Text11, g->goM.overW2);
        plan.plain(Text7, g->noGoPitch);
        plan.plain(Text12, g->noGoM.overW2);
        plan.plain(Text8, g->goWear);
        plan.plain(Text13, g->goWearM.overW2);
        plan.plain(Text9, g->noGoWear);
        plan.plain(Text14, g->noGoWearM.overW2);
        plan.sign(txtT32, g->noGoWearM.overW1);
        plan.sign(txtT23, g->goMajor);
        plan.sign(txtT24, g->majorDeviation);
        plan.sign(txtT25, g->noGoMajor);
        plan.sign(txtT26, g->majorDeviation);
        plan.sign(txtT27, g->goM.overW1);
        plan.sign(txtT28, g->pitchDeviation);
        plan.sign(txtT29, g->goWearM.overW1);
        plan.sign(txtT30, g->noGoM.overW1);
        plan.sign(txtT31, g->pitchDeviation);
    } else {
        for (QLineEdit* b : {Text6, Text11, Text7, Text12, Text8, Text13, Text9, Text14, txtT32, txtT23, txtT24, txtT25,
                             txtT26, txtT27, txtT28, txtT29, txtT30, txtT31})
            plan.missing(b);
    }
    plan.sign(txtT40, r.gaugeMinor);
    // The NO-GO side shows the gauge minor diameter in single precision.
    if (r.gaugeMinor) {
        if (const std::optional<float> single = toSingle(*r.gaugeMinor))
            plan.signSingle(txtT41, *single);
        else
            plan.reject();
    } else {
        plan.missing(txtT41);
    }
}
