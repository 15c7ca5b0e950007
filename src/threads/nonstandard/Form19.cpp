#include "threads/nonstandard/Form19.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <initializer_list>
#include <optional>
#include <tuple>
#include <utility>

#include "common/numtext.h"
#include "common/ui/boxio.h"
#include "common/ui/controls.h"
#include "common/ui/defaultbutton.h"
#include "common/ui/fonts.h"
#include "common/ui/formatbox.h"
#include "common/ui/linesketch.h"
#include "common/ui/printing.h"
#include "common/ui/refusal.h"
#include "common/ui/tabcontainer.h"
#include "common/ui/writeplan.h"
#include "threads/common/plugsketch.h"
#include "threads/common/threewire.h"
#include "threads/metric/wires.h"
#include "threads/nonstandard/metric60.h"
#include "threads/trapezoidal/tr_family.h"

using namespace quorvil;
using namespace quorvil::nonstandard;

namespace {

// A caption written top to bottom, one character a line.
QString vertical(const QString& s) {
    QString out;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (i) out += QLatin1Char('\n');
        out += s.at(i);
    }
    return out;
}

// A caption broken into two lines in the middle.
QString twoLines(const QString& s) {
    const qsizetype half = (s.size() + 1) / 2;
    return s.left(half) + QLatin1Char('\n') + s.mid(half);
}

constexpr int kBoxH = 285;  // text box height, twips

// The double-ended thread plug gauge seen from the side, in twips of its
// frame, with the divider between its halves on top; only the divider's
// place differs between the tabs.
Sketch gaugeSketch(int dividerX) {
    Sketch s = plugGaugeSketch(kPlugGaugeLayout);
    s.push_back({dividerX, 90, dividerX, 2880, 1, kGreyLine});
    return s;
}

}  // namespace

Form19::Form19()
    : ToolWindow(QStringLiteral("Form19"), QStringLiteral("10.非标螺纹参数<可输入任意参数计算>"), 6960, 9240) {
    SSTab1 = new TabContainer(this, QStringLiteral("SSTab1"), Tw{0, 0, 6975, 9285});
    SSTab1->setTabFont(songFont(9.75));
    QWidget* metricPage = SSTab1->addPage(QStringLiteral("米制普通螺纹"));
    QWidget* trapPage = SSTab1->addPage(QStringLiteral("米制梯形螺纹"));
    buildMetricTab(metricPage);
    buildTrapezoidalTab(trapPage);
    SSTab1->setCurrentIndex(0);

    // Enter presses the focused button; anywhere else it presses the
    // window's default button, the trapezoidal calculate button, from either
    // tab.
    setDefaultButton(this, Command2, {.onlyWhileShown = false, .drawnAsDefault = false});
    w[1]->setFocus();
}

// ---- Layout -----------------------------------------------------------------

namespace {

// Builds labels of the label array lblMD, numbered in order of creation.
struct LabelMaker {
    int next = 0;
    QLabel* operator()(QWidget* parent, const QString& caption, Tw geo,
                       Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
        return makeLabel(parent, arrayName(QStringLiteral("lblMD"), next++), caption, geo, align);
    }
};

}  // namespace

void Form19::buildMetricTab(QWidget* page) {
    LabelMaker label;
    const auto frame = [&](int index, const QString& caption, Tw geo) {
        return makeFrame(page, arrayName(QStringLiteral("Frame3"), index), caption, geo);
    };
    const auto result = [&](QWidget* parent, int n, Tw geo) {
        w[n] = makeFormatBox(parent, QStringLiteral("w%1").arg(n), Pattern::Hash3, geo);
    };
    const Qt::Alignment centred = Qt::AlignCenter;

    // Inputs.
    QGroupBox* in = frame(9, QStringLiteral("输入螺纹尺寸(牙形角60°)"), {225, 540, 3525, 855});
    label(in, QStringLiteral("公称直径M"), {120, 390, 1050, kBoxH});
    w[1] = makeBox(in, QStringLiteral("w1"), {1170, 390, 780, kBoxH});
    label(in, QStringLiteral("螺距"), {2040, 390, 450, kBoxH});
    w[2] = makeBox(in, QStringLiteral("w2"), {2490, 390, 870, kBoxH});

    QGroupBox* cmd = frame(10, QStringLiteral("命令"), {4095, 570, 2445, 810});
    Command1 = makeButton(cmd, QStringLiteral("Command1"), QStringLiteral("计 算"), {165, 300, 1005, 390});
    Command8 = makeButton(cmd, QStringLiteral("Command8"), QStringLiteral("打 印"), {1275, 300, 1005, 390});
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command8, &QPushButton::clicked, this, [this] { Command8_Click(); });

    // External thread: class row, then 大径 over 中径 on the left, 小径 on the right.
    QGroupBox* ext = frame(11, QStringLiteral("外螺纹参数"), {225, 1530, 3090, 2220});
    Op1 = makeOption(ext, QStringLiteral("Op1"), QStringLiteral("6f"), {300, 270, 690, 270});
    Op2 = makeOption(ext, QStringLiteral("Op2"), QStringLiteral("6g"), {1200, 270, 690, 270});
    Op3 = makeOption(ext, QStringLiteral("Op3"), QStringLiteral("6h"), {2100, 270, 690, 270});
    Op1->setChecked(true);
    label(ext, vertical(QStringLiteral("大径")), {105, 690, 240, 600}, centred);
    result(ext, 3, {360, 855, 810, kBoxH});
    result(ext, 4, {1200, 705, 705, kBoxH});
    result(ext, 5, {1200, 1005, 705, kBoxH});
    label(ext, vertical(QStringLiteral("中径")), {105, 1425, 240, 600}, centred);
    result(ext, 6, {360, 1590, 810, kBoxH});
    result(ext, 7, {1200, 1440, 705, kBoxH});
    result(ext, 8, {1200, 1740, 705, kBoxH});
    label(ext, QStringLiteral("小径:≤"), {2085, 1110, 900, kBoxH}, centred);
    result(ext, 9, {2085, 1395, 900, kBoxH});
    new LineSketch(ext, {{60, 615, 3030, 615, 1, kGreyLine},
                         {1995, 615, 1995, 2160, 1, kGreyLine},
                         {60, 1365, 1995, 1365, 1, kGreyLine}});

    // Internal thread: class row, then 大径 on the left, 中径 over 小径 on the right.
    QGroupBox* inner = frame(12, QStringLiteral("内螺纹参数"), {3420, 1530, 3120, 2220});
    Op4 = makeOption(inner, QStringLiteral("Op4"), QStringLiteral("5H"), {300, 270, 690, 270});
    Op5 = makeOption(inner, QStringLiteral("Op5"), QStringLiteral("6H"), {1200, 270, 690, 270});
    Op6 = makeOption(inner, QStringLiteral("Op6"), QStringLiteral("7H"), {2100, 270, 690, 270});
    Op4->setChecked(true);
    label(inner, QStringLiteral("大径:≥"), {120, 1110, 900, kBoxH}, centred);
    result(inner, 10, {120, 1395, 900, kBoxH});
    label(inner, vertical(QStringLiteral("中径")), {1125, 690, 240, 600}, centred);
    result(inner, 11, {1380, 855, 855, kBoxH});
    result(inner, 12, {2265, 735, 735, kBoxH});
    label(inner, vertical(QStringLiteral("小径")), {1125, 1425, 240, 600}, centred);
    result(inner, 13, {1380, 1590, 855, kBoxH});
    result(inner, 14, {2265, 1470, 735, kBoxH});
    new LineSketch(inner, {{60, 615, 3060, 615, 1, kGreyLine},
                           {1080, 615, 1080, 2160, 1, kGreyLine},
                           {1080, 1365, 3060, 1365, 1, kGreyLine}});

    // Wires and M values, one row: the preferred wire, then the second.
    QGroupBox* wires = frame(13, QStringLiteral("外螺纹三针测量M值"), {225, 3825, 6300, 885});
    for (const auto& [first, x0, caption] :
         {std::tuple{15, 0, QStringLiteral("优先三针")}, std::tuple{19, 3105, QStringLiteral("其次三针")}}) {
        label(wires, caption, {x0 + 60, 390, 825, kBoxH});
        result(wires, first, {x0 + 885, 390, 585, kBoxH});
        label(wires, QStringLiteral("M值"), {x0 + 1485, 390, 345, kBoxH});
        result(wires, first + 1, {x0 + 1830, 390, 705, kBoxH});
        result(wires, first + 2, {x0 + 2550, 240, 555, kBoxH});
        result(wires, first + 3, {x0 + 2550, 540, 555, kBoxH});
    }

    // Tapping data, one row; the captions take two lines to leave the boxes room.
    QGroupBox* tap = frame(8, QStringLiteral("攻丝要素"), {225, 4815, 6315, 795});
    {
        const QString captions[] = {QStringLiteral("底孔直径"), QStringLiteral("底孔深度"), QStringLiteral("螺孔深度"),
                                    QStringLiteral("牙形实际高度"), QStringLiteral("刀尖宽度")};
        int x = 75;
        for (int n = 23; n <= 27; ++n) {
            const int labelW = n == 26 ? 600 : 390;
            // The drill depth reaches four digits before the point (1.7 d).
            const int boxW = n == 24 ? 795 : 705;
            label(tap, twoLines(captions[n - 23]), {x, 270, labelW, 450});
            result(tap, n, {x + labelW, 345, boxW, kBoxH});
            x += labelW + boxW + 75;
        }
    }

    // Gauge block: GO gauge left of the divider, NO-GO gauge right of it.
    QGroupBox* gauge = frame(5, QStringLiteral("螺纹规参数"), {225, 5715, 6300, 2910});
    new LineSketch(gauge, gaugeSketch(2970));
    // Each "大径" stands outside its dimension line, clear of it.
    label(gauge, QStringLiteral("大径"), {120, 405, 420, 255});
    result(gauge, 28, {120, 675, 795, kBoxH});
    result(gauge, 29, {1050, 675, 780, kBoxH});
    label(gauge, QStringLiteral("大径"), {5160, 405, 480, 255});
    result(gauge, 35, {4695, 675, 795, kBoxH});
    result(gauge, 36, {5520, 675, 690, kBoxH});
    label(gauge, QStringLiteral("螺通规"), {2190, 300, 720, 255}, centred);
    label(gauge, QStringLiteral("螺止规"), {3045, 300, 720, 255}, centred);
    for (const auto& [first, x0] : {std::pair{30, 0}, std::pair{37, 2970}}) {
        label(gauge, QStringLiteral("中径"), {x0 + 240, 1440, 420, kBoxH});
        result(gauge, first, {x0 + 660, 1440, 900, kBoxH});
        result(gauge, first + 1, {x0 + 1590, 1440, 780, kBoxH});
        label(gauge, QStringLiteral("优先三针M值"), {x0 + 60, 1890, 1185, kBoxH});
        result(gauge, first + 2, {x0 + 1245, 1890, 900, kBoxH});
        label(gauge, twoLines(QStringLiteral("磨损尺寸")), {x0 + 90, 2280, 420, 450});
        result(gauge, first + 3, {x0 + 540, 2355, 735, kBoxH});
        label(gauge, QStringLiteral("小径:≤"), {x0 + 1320, 2355, 660, kBoxH});
        result(gauge, first + 4, {x0 + 1980, 2355, 840, kBoxH});
    }

    makeLabel(page, arrayName(QStringLiteral("Label1"), 0),
              QStringLiteral("注：其结果为公式计算,与国家标准相差≤0.03左右"), {1200, 8880, 4335, 375});
}

void Form19::buildTrapezoidalTab(QWidget* page) {
    LabelMaker label;
    label.next = 100;  // the array's elements of tab 1 follow those of tab 0
    const auto frame = [&](int index, const QString& caption, Tw geo) {
        return makeFrame(page, arrayName(QStringLiteral("Frame3"), index), caption, geo);
    };
    const auto name = [](int n) { return n == 1 ? QStringLiteral("txtt1") : QStringLiteral("txtT%1").arg(n); };
    const auto result = [&](QWidget* parent, int n, Tw geo) {
        t[n] = makeFormatBox(parent, name(n), Pattern::Hash3, geo);
    };
    const auto raw = [&](QWidget* parent, int n, Tw geo) { t[n] = makeBox(parent, name(n), geo); };
    const Qt::Alignment centred = Qt::AlignCenter;

    QGroupBox* in = frame(0, QStringLiteral("输入螺纹尺寸(牙形角30°)"), {360, 495, 3435, 855});
    label(in, QStringLiteral("公称直径Tr"), {120, 390, 1080, kBoxH});
    raw(in, 1, {1200, 390, 780, kBoxH});
    label(in, QStringLiteral("螺距"), {2040, 390, 450, kBoxH});
    raw(in, 2, {2490, 390, 810, kBoxH});

    QGroupBox* cmd = frame(1, QStringLiteral("命令"), {3870, 495, 2445, 855});
    Command2 = makeButton(cmd, QStringLiteral("Command2"), QStringLiteral("计 算"), {165, 315, 1005, 390});
    Command4 = makeButton(cmd, QStringLiteral("Command4"), QStringLiteral("打 印"), {1275, 315, 1005, 390});
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });

    // External thread: class row, then 大径, 中径 and 小径 side by side.
    QGroupBox* ext = frame(2, QStringLiteral("外螺纹参数"), {360, 1395, 5970, 1545});
    Op7h = makeOption(ext, QStringLiteral("Op7h"), QStringLiteral("7h"), {420, 270, 690, 270});
    Op7e = makeOption(ext, QStringLiteral("Op7e"), QStringLiteral("7e"), {1800, 270, 690, 270});
    Op8e = makeOption(ext, QStringLiteral("Op8e"), QStringLiteral("8e"), {3180, 270, 690, 270});
    Op8c = makeOption(ext, QStringLiteral("Op8c"), QStringLiteral("8c"), {4560, 270, 690, 270});
    Op7e->setChecked(true);
    struct Group {
        QString caption;
        int size, upper, lower;
    };
    const Group groups[] = {
        {QStringLiteral("大径"), 3, 4, 5}, {QStringLiteral("中径"), 6, 7, 8}, {QStringLiteral("小径"), 9, 33, 34}};
    for (int g = 0; g < 3; ++g) {
        const int x0 = 90 + g * 1965;
        const auto& [caption, size, upper, lower] = groups[g];
        label(ext, vertical(caption), {x0, 720, 240, 600}, centred);
        if (size == 3)
            raw(ext, size, {x0 + 255, 885, 810, kBoxH});
        else
            result(ext, size, {x0 + 255, 885, 810, kBoxH});
        if (upper == 4)
            raw(ext, upper, {x0 + 1095, 735, 705, kBoxH});
        else
            result(ext, upper, {x0 + 1095, 735, 705, kBoxH});
        result(ext, lower, {x0 + 1095, 1035, 705, kBoxH});
    }
    new LineSketch(ext, {{60, 615, 5910, 615, 1, kGreyLine},
                         {1995, 615, 1995, 1485, 1, kGreyLine},
                         {3960, 615, 3960, 1485, 1, kGreyLine}});

    // Internal thread: class options, 大径, 中径 and 小径 left to right.
    QGroupBox* inner = frame(3, QStringLiteral("内螺纹参数"), {360, 3015, 5955, 960});
    Op7 = makeOption(inner, QStringLiteral("Op7"), QStringLiteral("7H"), {165, 270, 690, 270});
    Op8 = makeOption(inner, QStringLiteral("Op8"), QStringLiteral("8H"), {165, 585, 690, 270});
    Op7->setChecked(true);
    label(inner, QStringLiteral("大径"), {1035, 240, 855, 255}, centred);
    result(inner, 10, {1035, 525, 855, kBoxH});
    for (const auto& [size, x0, caption] :
         {std::tuple{11, 2100, QStringLiteral("中径")}, std::tuple{13, 4020, QStringLiteral("小径")}}) {
        label(inner, caption, {x0, 240, 855, 255}, centred);
        result(inner, size, {x0, 525, 855, kBoxH});
        result(inner, size + 1, {x0 + 885, 285, 705, kBoxH});
        label(inner, QStringLiteral("0"), {x0 + 885, 600, 705, 255}, centred);
    }
    new LineSketch(inner, {{960, 210, 960, 900, 1, kGreyLine},
                           {1995, 210, 1995, 900, 1, kGreyLine},
                           {3915, 210, 3915, 900, 1, kGreyLine}});

    // Wires and M values, one row: the preferred wire, then the second.
    // The wire captions take two lines: this frame is narrower than the
    // metric tab's, and the wires and deviations need their room.
    QGroupBox* wires = frame(4, QStringLiteral("外螺纹三针测量M值"), {360, 4050, 5970, 885});
    for (const auto& [first, x0, caption] :
         {std::tuple{15, 0, QStringLiteral("优先三针")}, std::tuple{19, 2985, QStringLiteral("其次三针")}}) {
        label(wires, twoLines(caption), {x0 + 60, 270, 390, 450});
        raw(wires, first, {x0 + 465, 390, 705, kBoxH});
        label(wires, QStringLiteral("M值"), {x0 + 1185, 390, 345, kBoxH});
        result(wires, first + 1, {x0 + 1530, 390, 720, kBoxH});
        result(wires, first + 2, {x0 + 2265, 240, 660, kBoxH});
        result(wires, first + 3, {x0 + 2265, 540, 660, kBoxH});
    }

    // Gauge block: GO gauge left of the divider, NO-GO gauge right of it.
    QGroupBox* gauge = frame(6, QStringLiteral("螺纹规参数"), {360, 5040, 5985, 2910});
    new LineSketch(gauge, gaugeSketch(2880));
    label(gauge, QStringLiteral("大径"), {120, 405, 420, 255});
    result(gauge, 23, {120, 675, 795, kBoxH});
    result(gauge, 24, {1050, 675, 780, kBoxH});
    label(gauge, QStringLiteral("大径"), {5160, 405, 480, 255});
    result(gauge, 25, {4590, 675, 750, kBoxH});
    result(gauge, 26, {5355, 675, 570, kBoxH});
    label(gauge, QStringLiteral("螺通规"), {2130, 1005, 720, 255}, centred);
    label(gauge, QStringLiteral("螺止规"), {2955, 1005, 720, 255}, centred);
    struct Half {
        int m, tol, wear, minor, x0;
    };
    for (const Half& h : {Half{27, 28, 29, 40, 0}, Half{30, 31, 32, 41, 2880}}) {
        label(gauge, QStringLiteral("优先三针M值"), {h.x0 + 60, 1500, 1185, kBoxH});
        result(gauge, h.m, {h.x0 + 1245, 1500, 765, kBoxH});
        label(gauge, QStringLiteral("±"), {h.x0 + 2010, 1500, 150, kBoxH}, centred);
        result(gauge, h.tol, {h.x0 + 2160, 1500, 660, kBoxH});
        label(gauge, QStringLiteral("磨损尺寸M值"), {h.x0 + 60, 1950, 1185, kBoxH});
        result(gauge, h.wear, {h.x0 + 1245, 1950, 765, kBoxH});
        label(gauge, QStringLiteral("小径:≤"), {h.x0 + 60, 2400, 1170, kBoxH}, Qt::AlignRight | Qt::AlignVCenter);
        raw(gauge, h.minor, {h.x0 + 1245, 2400, 765, kBoxH});
    }

    makeLabel(page, arrayName(QStringLiteral("Label1"), 1),
              QStringLiteral("注：其结果为公式计算,与国家标准相差≤0.03左右"), {1200, 8400, 4335, 375});
}

// ---- Metric 60° calculation ------------------------------------------------

void Form19::Command1_Click() {
    Inputs in;
    const std::optional<double> d = in.number(w[1]);
    const std::optional<double> P = in.positive(w[2]);
    if (!in.ok()) return;

    using metric60::ExternalClass;
    using metric60::InternalClass;
    const ExternalClass ext = Op1->isChecked()   ? ExternalClass::c6f
                              : Op2->isChecked() ? ExternalClass::c6g
                                                 : ExternalClass::c6h;
    const InternalClass inner = Op4->isChecked()   ? InternalClass::c5H
                                : Op5->isChecked() ? InternalClass::c6H
                                                   : InternalClass::c7H;
    const metric60::Results r = metric60::compute(*d, *P, ext, inner);
    // This window measures metric threads up to pitch 5.5: no wire row for 6.
    const std::optional<metric::WirePair> wireRow = metric::wiresForPitch(*P, metric::WireRows::WithoutPitch6);

    // The M values use the wires the boxes will show: the table's, or
    // without a row what the boxes hold now (an earlier click's, or the
    // user's own). Without a row the wire boxes keep their text, and an
    // empty wire box gives its M values no value.
    WritePlan plan;
    const std::optional<double> wire1 =
        tableOrKept(in, plan, w[15], wireRow ? std::optional(wireRow->preferred) : std::nullopt);
    const std::optional<double> wire2 =
        tableOrKept(in, plan, w[19], wireRow ? std::optional(wireRow->second) : std::nullopt);
    if (!in.ok()) return;

    stageMetricThread(plan, r, inner == InternalClass::c6H);
    // Gauges. Without a gauge band the gauge constants are unknown: every
    // box that needs them shows "--".
    if (r.gauge)
        stageMetricGauges(plan, metric60::gauges(*d, *P, r.TD2, *r.gauge, wire1));
    else
        for (int n : {28, 29, 30, 31, 32, 33, 35, 36, 37, 38, 39, 40}) plan.missing(w[n]);

    // M values of the thread over the wires the boxes show.
    const auto mOver = [&](const std::optional<double>& wire) -> std::optional<double> {
        if (!wire) return std::nullopt;
        return metricThreeWireM(MajorDiameter{*d}, Wire{*wire}, Pitch{*P});
    };
    plan.plain(w[16], mOver(wire1));
    plan.plain(w[20], mOver(wire2));
    if (!plan.ok()) {
        in.refuse(largestOf({{w[1], d}, {w[2], P}, {w[15], wire1}, {w[19], wire2}}), notes::tooLarge());
        return;
    }
    plan.commit();
}

// The limits of the external and internal thread and the tapping data;
// under 6h es is 0, which is written as "0", and 6H shows its tolerance as
// the single-precision value.
void Form19::stageMetricThread(WritePlan& plan, const metric60::Results& r, bool tolerance6H) {
    plan.text(w[3], boxText(w[1]));
    for (int n : {4, 7, 17, 21}) plan.plain(w[n], r.es);
    plan.plain(w[5], r.majorLower);
    plan.plain(w[6], r.d2);
    for (int n : {8, 18, 22}) plan.plain(w[n], r.pitchLower);

    plan.plain(w[11], r.d2);
    if (tolerance6H)
        plan.plainSingle(w[12], r.S);
    else
        plan.plain(w[12], r.TD2);
    for (int n : {13, 34, 41}) plan.plain(w[n], r.minor);
    plan.plain(w[14], r.TD1);
    plan.plain(w[9], r.minor);
    plan.text(w[10], boxText(w[1]));

    const metric::TappingData& tap = r.tapping;
    plan.plain(w[27], tap.toolTipWidth);
    plan.plain(w[26], tap.threadDepth);
    plan.plain(w[23], tap.tapDrill);
    plan.plain(w[24], tap.drillDepth);
    plan.plain(w[25], tap.tappedDepth);
}

void Form19::stageMetricGauges(WritePlan& plan, const metric60::Gauges& g) {
    plan.plain(w[28], g.sizes.goMajor);
    plan.plain(w[29], g.sizes.goMajorLowerDev);
    plan.plain(w[30], g.sizes.goPitch);
    plan.plain(w[31], g.sizes.goPitchLowerDev);
    plan.plain(w[32], g.overPreferred.go);
    plan.plain(w[33], g.goWear);
    plan.plain(w[35], g.sizes.noGoMajor);
    plan.plain(w[36], g.sizes.noGoMajorLowerDev);
    plan.plain(w[37], g.sizes.noGoPitch);
    plan.plain(w[38], g.sizes.noGoPitchLowerDev);
    plan.plain(w[39], g.overPreferred.noGo);
    plan.plain(w[40], g.noGoWear);
}

// ---- Trapezoidal 30° calculation -------------------------------------------

namespace {

// A box of the trapezoidal tab, read leniently ("36mm" is 36) into single
// precision: a number beyond the single range cannot be worked with.
std::optional<float> singleInput(Inputs& in, QLineEdit* box) {
    const std::optional<double> v = in.leading(box);
    if (!v) return std::nullopt;
    const std::optional<float> f = toSingle(*v);
    if (!f) in.refuse(box, notes::tooLarge());
    return f;
}

}  // namespace

void Form19::Command2_Click() {
    Inputs in;
    const std::optional<float> d = singleInput(in, t[1]);
    const std::optional<float> P = singleInput(in, t[2]);
    if (P) in.require(*P > 0, t[2], notes::positive());
    if (!in.ok()) return;

    const trapezoidal::ExternalTolerance ext = Op7h->isChecked()   ? trapezoidal::kExternal7h
                                               : Op7e->isChecked() ? trapezoidal::kExternal7e
                                               : Op8e->isChecked() ? trapezoidal::kExternal8e
                                                                   : trapezoidal::kExternal8c;
    const double kInternal = Op7->isChecked() ? trapezoidal::kInternal7H : trapezoidal::kInternal8H;
    const trapezoidal::SingleResults r = trapezoidal::computeSingle(*d, *P, ext, kInternal);

    // A value whose table has no row for P (no wires, no major-diameter
    // tolerance, no crest clearance) is not there: its box, and every box
    // computed from it, shows "--".
    WritePlan plan;
    const auto put = [this, &plan](int n, const std::optional<float>& v) { plan.signSingle(t[n], v); };
    put(3, r.d);
    put(4, 0.0f);
    put(5, r.majorLower);
    put(6, r.d2);
    put(7, r.es);
    put(32, r.noGoWearM);
    put(8, r.pitchLower);
    put(9, r.d3);
    put(10, r.D4);
    put(11, r.D2);
    put(12, r.TD2);
    put(13, r.D1);
    put(14, r.TD1);
    put(15, r.w1);
    put(16, r.M1);
    put(17, r.es);
    put(18, r.pitchLower);
    put(19, r.w2);
    put(20, r.M2);
    put(21, r.es);
    put(22, r.pitchLower);
    put(23, r.goMajor);
    put(24, r.majorDeviation);
    put(25, r.noGoMajor);
    put(26, r.majorDeviation);
    put(27, r.goM);
    put(28, r.pitchTolerance);
    put(29, r.goWearM);
    put(30, r.noGoM);
    put(31, r.pitchTolerance);
    put(33, 0.0f);
    put(34, r.minorLower);
    put(40, r.d3);
    put(41, r.d3);
    if (!plan.ok()) {
        in.refuse(largestOf({{t[1], *d}, {t[2], *P}}), notes::tooLarge());
        return;
    }
    plan.commit();
}

// ---- Printing and the default button ---------------------------------------

void Form19::Command8_Click() { printWindow(this); }
void Form19::Command4_Click() { printWindow(this); }
