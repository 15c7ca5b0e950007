#include "threads/unified/Form20.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <optional>
#include <string_view>

#include "common/numtext.h"
#include "common/ui/controls.h"
#include "common/ui/fonts.h"
#include "common/ui/formatbox.h"
#include "common/ui/labels.h"
#include "common/ui/linesketch.h"
#include "common/ui/lookuplist.h"
#include "common/ui/printing.h"
#include "common/ui/refusal.h"
#include "common/ui/viewtext.h"
#include "common/ui/writeplan.h"
#include "threads/common/inchentry.h"
#include "threads/common/inchgauge.h"
#include "threads/common/inchinputs.h"
#include "threads/common/inchsizeentry.h"
#include "threads/common/plugsketch.h"
#include "threads/unified/seriesbox.h"
#include "threads/unified/unified.h"

using namespace quorvil;
using namespace quorvil::unified;

Form20::Form20() : ToolWindow(QStringLiteral("Form20"), QStringLiteral("12.美制统一螺纹"), 8100, 9435) {
    buildInput();
    buildExternal();
    buildInternal();
    buildWires();
    buildGauge();
    buildTapping();
    buildSeries();
}

void Form20::buildInput() {
    QGroupBox* input = makeFrame(this, arrayName(QStringLiteral("Frame3"), 17),
                                 QStringLiteral("输入螺纹尺寸(牙形角60°)"), {210, 135, 5955, 900});
    const inch::SizeEntry entry = inch::makeSizeEntry(
        input, {QStringLiteral("txtw1"), QStringLiteral("txtw2"), QStringLiteral("txtw3"), QStringLiteral("txtw4")},
        {.caption = QStringLiteral("公称直径UNC.UNF.UN"),
         .captionAt = {75, 450, 1845, 225},
         .whole = {1920, 405, 465, 270},
         .dash = {2385, 435, 165, 225},
         .dashCentred = true,
         .numerator = {2550, 270, 450, 270},
         .bar = {2985, 780, 3165, 300},
         .denominator = {3150, 540, 450, 270},
         .inch = {3660, 450, 420, 225},
         .pitchCaption = {4200, 450, 420, 225},
         .threadsPerInch = {4620, 405, 600, 270},
         .perInch = {5280, 450, 555, 225}});
    txtw1 = entry.whole;
    txtw2 = entry.numerator;
    txtw3 = entry.denominator;
    txtw4 = entry.threadsPerInch;
    setTabOrder(txtw1, txtw2);
    setTabOrder(txtw2, txtw3);
    setTabOrder(txtw3, txtw4);

    QGroupBox* cls = makeFrame(this, arrayName(QStringLiteral("Frame3"), 19), QStringLiteral("输入螺纹公差级别"),
                               {180, 1080, 3300, 660});
    Op1 = makeOption(cls, QStringLiteral("Op1"), QStringLiteral("1A(B)"), {180, 300, 945, 255});
    Op2 = makeOption(cls, QStringLiteral("Op2"), QStringLiteral("2A(B)"), {1215, 300, 945, 255});
    Op3 = makeOption(cls, QStringLiteral("Op3"), QStringLiteral("3A(B)"), {2250, 300, 945, 255});
    Op1->setChecked(true);

    QGroupBox* commands =
        makeFrame(this, arrayName(QStringLiteral("Frame3"), 18), QStringLiteral("命令"), {3690, 1080, 2445, 660});
    auto* calc = makeButton(commands, QStringLiteral("Command1"), QStringLiteral("计 算"), {300, 255, 825, 315});
    auto* print = makeButton(commands, QStringLiteral("Command6"), QStringLiteral("打 印"), {1320, 255, 825, 315});
    connect(calc, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(print, &QPushButton::clicked, this, [this] { Command6_Click(); });
}

// Column places shared by the external and internal thread grids.
namespace {
constexpr int kRowTop[3] = {285, 660, 1035};
constexpr int kInchMax = 600, kInchMin = 1575, kTallInch = 2400, kMmValue = 2655, kSigns = 3480, kMmTol = 3645;
constexpr int kBoxW = 795, kTolW = 690, kBoxH = 270;

void rowLabels(QWidget* frame) {
    const char* names[3] = {"大径", "中径", "小径"};
    for (int r = 0; r < 3; ++r) label(frame, QString::fromUtf8(names[r]), {135, kRowTop[r] + 30, 420, 225});
}

// The labels "upper" over "lower" before a mm deviation box.
void signs(QWidget* frame, int row, const QString& upper, const QString& lower) {
    centredLabel(frame, upper, {kSigns, kRowTop[row] - 60, 150, 195});
    centredLabel(frame, lower, {kSigns, kRowTop[row] + 135, 150, 195});
}

void gridLabels(QWidget* frame, int height) {
    makeWrappedLabel(frame, QString(), QStringLiteral("英寸"), {kTallInch, 420, 225, 480}, Qt::AlignCenter);
    label(frame, QStringLiteral("MM"), {kMmTol + kTolW + 45, 720, 315, 225});
    new LineSketch(frame, Sketch{{4740, 180, 4740, height - 60, 1, kInvertedLine}});
}
}  // namespace

void Form20::buildExternal() {
    QGroupBox* f =
        makeFrame(this, arrayName(QStringLiteral("Frame3"), 20), QStringLiteral("外螺纹参数"), {180, 1800, 5955, 1470});
    rowLabels(f);
    gridLabels(f, 1470);
    w5 = makeFormatBox(f, QStringLiteral("w5"), inch::kInchPattern, {kInchMax, kRowTop[0], kBoxW, kBoxH});
    centredLabel(f, QStringLiteral("-"), {kInchMax + kBoxW, kRowTop[0] + 30, 180, 225});
    w6 = makeFormatBox(f, QStringLiteral("w6"), inch::kInchPattern, {kInchMin, kRowTop[0], kBoxW, kBoxH});
    w7 = makeFormatBox(f, QStringLiteral("w7"), inch::kMmPattern, {kMmValue, kRowTop[0], kBoxW, kBoxH});
    signs(f, 0, QStringLiteral("0"), QStringLiteral("-"));
    w8 = makeFormatBox(f, QStringLiteral("w8"), inch::kMmPattern, {kMmTol, kRowTop[0], kTolW, kBoxH});

    w9 = makeFormatBox(f, QStringLiteral("w9"), inch::kInchPattern, {kInchMax, kRowTop[1], kBoxW, kBoxH});
    centredLabel(f, QStringLiteral("-"), {kInchMax + kBoxW, kRowTop[1] + 30, 180, 225});
    w10 = makeFormatBox(f, QStringLiteral("w10"), inch::kInchPattern, {kInchMin, kRowTop[1], kBoxW, kBoxH});
    w11 = makeFormatBox(f, QStringLiteral("w11"), inch::kMmPattern, {kMmValue, kRowTop[1], kBoxW, kBoxH});
    signs(f, 1, QStringLiteral("0"), QStringLiteral("-"));
    w12 = makeFormatBox(f, QStringLiteral("w12"), inch::kMmPattern, {kMmTol, kRowTop[1], kTolW, kBoxH});

    w34 = makeFormatBox(f, QStringLiteral("w34"), inch::kMmPattern, {kInchMax, kRowTop[2], kBoxW, kBoxH});
    label(f, QStringLiteral("MM"), {kInchMax + kBoxW + 45, kRowTop[2] + 30, 315, 225});

    label(f, QStringLiteral("牙形实际高度"), {4815, 270, 1080, 225});
    w13 = makeFormatBox(f, QStringLiteral("w13"), Pattern::Fixed2, {4995, 525, 780, kBoxH});
    label(f, QStringLiteral("刀尖宽度"), {4830, 870, 1080, 225});
    w14 = makeFormatBox(f, QStringLiteral("w14"), Pattern::Fixed2, {4995, 1110, 780, kBoxH});
}

void Form20::buildInternal() {
    QGroupBox* f =
        makeFrame(this, arrayName(QStringLiteral("Frame3"), 16), QStringLiteral("内螺纹参数"), {180, 3330, 5955, 1485});
    rowLabels(f);
    gridLabels(f, 1485);
    w15 = makeFormatBox(f, QStringLiteral("w15"), inch::kMmPattern, {kInchMax, kRowTop[0], kBoxW, kBoxH});
    label(f, QStringLiteral("MM"), {kInchMax + kBoxW + 45, kRowTop[0] + 30, 315, 225});

    w16 = makeFormatBox(f, QStringLiteral("w16"), inch::kInchPattern, {kInchMax, kRowTop[1], kBoxW, kBoxH});
    centredLabel(f, QStringLiteral("-"), {kInchMax + kBoxW, kRowTop[1] + 30, 180, 225});
    w17 = makeFormatBox(f, QStringLiteral("w17"), inch::kInchPattern, {kInchMin, kRowTop[1], kBoxW, kBoxH});
    w18 = makeFormatBox(f, QStringLiteral("w18"), inch::kMmPattern, {kMmValue, kRowTop[1], kBoxW, kBoxH});
    signs(f, 1, QStringLiteral("+"), QStringLiteral("0"));
    w19 = makeFormatBox(f, QStringLiteral("w19"), inch::kMmPattern, {kMmTol, kRowTop[1], kTolW, kBoxH});

    // The internal minor diameter formats by the class selected when its
    // text changes: four decimals for 3B, three otherwise.
    const Pattern minor = internalMinorPattern(selectedClass());
    w20 = makeFormatBox(f, QStringLiteral("w20"), minor, {kInchMax, kRowTop[2], kBoxW, kBoxH});
    centredLabel(f, QStringLiteral("-"), {kInchMax + kBoxW, kRowTop[2] + 30, 180, 225});
    w21 = makeFormatBox(f, QStringLiteral("w21"), minor, {kInchMin, kRowTop[2], kBoxW, kBoxH});
    for (QRadioButton* op : {Op1, Op2, Op3})
        connect(op, &QRadioButton::toggled, this, [this] {
            const Pattern p = internalMinorPattern(selectedClass());
            w20->setPattern(p);
            w21->setPattern(p);
        });
    w22 = makeFormatBox(f, QStringLiteral("w22"), inch::kMmPattern, {kMmValue, kRowTop[2], kBoxW, kBoxH});
    signs(f, 2, QStringLiteral("+"), QStringLiteral("0"));
    w23 = makeFormatBox(f, QStringLiteral("w23"), inch::kMmPattern, {kMmTol, kRowTop[2], kTolW, kBoxH});

    label(f, QStringLiteral("牙形实际高度"), {4815, 270, 1080, 225});
    w24 = makeFormatBox(f, QStringLiteral("w24"), Pattern::Fixed2, {4995, 525, 780, kBoxH});
    label(f, QStringLiteral("刀尖宽度"), {4830, 870, 1080, 225});
    w25 = makeFormatBox(f, QStringLiteral("w25"), Pattern::Fixed2, {4995, 1110, 780, kBoxH});
}

void Form20::buildWires() {
    QGroupBox* f = makeFrame(this, arrayName(QStringLiteral("Frame3"), 13), QStringLiteral("外螺纹三针测量M值"),
                             {180, 4965, 7770, 885});
    const int top = 405;
    label(f, QStringLiteral("优先三针"), {150, top + 30, 780, 225});
    Text1 = makeBox(f, QStringLiteral("Text1"), {930, top, 720, 270});
    label(f, QStringLiteral("M值"), {1725, top + 30, 360, 225});
    Text2 = makeFormatBox(f, QStringLiteral("Text2"), inch::kMmPattern, {2085, top, 900, 270});
    centredLabel(f, QStringLiteral("0"), {3000, top - 60, 150, 195});
    centredLabel(f, QStringLiteral("-"), {3000, top + 135, 150, 195});
    Text4 = makeBox(f, QStringLiteral("Text4"), {3165, top, 690, 270});

    label(f, QStringLiteral("其次三针"), {4020, top + 30, 780, 225});
    Text5 = makeFormatBox(f, QStringLiteral("Text5"), inch::kMmPattern, {4800, top, 720, 270});
    label(f, QStringLiteral("M值"), {5595, top + 30, 360, 225});
    Text6 = makeFormatBox(f, QStringLiteral("Text6"), inch::kMmPattern, {5955, top, 900, 270});
    centredLabel(f, QStringLiteral("0"), {6870, top - 60, 150, 195});
    centredLabel(f, QStringLiteral("-"), {6870, top + 135, 150, 195});
    Text8 = makeBox(f, QStringLiteral("Text8"), {7035, top, 660, 270});
}

void Form20::buildGauge() {
    CaptionFrame* f =
        makeFrame(this, arrayName(QStringLiteral("Frame3"), 11), QStringLiteral("螺纹规参数"), {180, 5910, 5925, 3465});
    f->setCaptionFont(font());
    new LineSketch(f, inch::plugGaugeSketch(3465));
    label(f, QStringLiteral("螺通规"), {2175, 195, 630, 225});
    label(f, QStringLiteral("螺止规"), {2955, 195, 630, 225});

    // GO end.
    label(f, QStringLiteral("大径"), {180, 450, 420, 225});
    A1 = makeFormatBox(f, QStringLiteral("A1"), inch::kMmPattern, {180, 675, 885, 270});
    centredLabel(f, QStringLiteral("+"), {1080, 525, 135, 225});
    A4 = makeFormatBox(f, QStringLiteral("A4"), inch::kMmPattern, {1215, 495, 615, 270});
    label(f, QStringLiteral("螺纹长度"), {210, 1380, 780, 225});
    A2 = makeFormatBox(f, QStringLiteral("A2"), Pattern::Fixed0, {1140, 1350, 540, 270});
    label(f, QStringLiteral("中径"), {600, 1965, 420, 225});
    A7 = makeFormatBox(f, QStringLiteral("A7"), inch::kMmPattern, {1035, 1935, 915, 270});
    centredLabel(f, QStringLiteral("+"), {1965, 1785, 150, 195});
    centredLabel(f, QStringLiteral("0"), {1965, 1965, 150, 195});
    A10 = makeFormatBox(f, QStringLiteral("A10"), inch::kMmPattern, {2115, 1800, 615, 270});
    makeWrappedLabel(f, QString(), QStringLiteral("优先三针M值"), {285, 2220, 780, 420});
    w32 = makeFormatBox(f, QStringLiteral("w32"), inch::kMmPattern, {1080, 2295, 915, 270});
    centredLabel(f, QStringLiteral("+"), {2010, 2190, 150, 195});
    centredLabel(f, QStringLiteral("0"), {2010, 2370, 150, 195});
    Text3 = makeBox(f, QStringLiteral("Text3"), {2160, 2205, 615, 270});
    makeWrappedLabel(f, QString(), QStringLiteral("磨损极限优先三针M值"), {330, 2640, 1440, 420});
    Text10 = makeFormatBox(f, QStringLiteral("Text10"), inch::kMmPattern, {1800, 2700, 840, 270});
    label(f, QStringLiteral("小径"), {600, 3135, 420, 225});
    A11 = makeFormatBox(f, QStringLiteral("A11"), inch::kMmPattern, {1035, 3105, 840, 270});

    // NO-GO end.
    label(f, QStringLiteral("大径"), {3960, 450, 420, 225});
    A5 = makeFormatBox(f, QStringLiteral("A5"), inch::kMmPattern, {3780, 675, 780, 270});
    centredLabel(f, QStringLiteral("-"), {4560, 840, 120, 225});
    A13 = makeFormatBox(f, QStringLiteral("A13"), inch::kMmPattern, {4680, 810, 615, 270});
    label(f, QStringLiteral("螺纹长度"), {3690, 1350, 780, 225});
    A6 = makeFormatBox(f, QStringLiteral("A6"), Pattern::Fixed0, {4500, 1320, 735, 270});
    label(f, QStringLiteral("中径"), {3645, 1920, 420, 225});
    A3 = makeFormatBox(f, QStringLiteral("A3"), inch::kMmPattern, {4095, 1890, 870, 270});
    centredLabel(f, QStringLiteral("0"), {5010, 1875, 150, 195});
    centredLabel(f, QStringLiteral("-"), {5010, 2055, 150, 195});
    A12 = makeFormatBox(f, QStringLiteral("A12"), inch::kMmPattern, {5175, 1980, 615, 270});
    makeWrappedLabel(f, QString(), QStringLiteral("优先三针M值"), {3285, 2175, 780, 420});
    w33 = makeFormatBox(f, QStringLiteral("w33"), inch::kMmPattern, {4095, 2250, 870, 270});
    centredLabel(f, QStringLiteral("0"), {5010, 2325, 150, 195});
    centredLabel(f, QStringLiteral("-"), {5010, 2505, 150, 195});
    Text7 = makeBox(f, QStringLiteral("Text7"), {5175, 2430, 615, 270});
    label(f, QStringLiteral("磨损极限优先三针M值"), {2955, 2775, 1845, 225});
    Text11 = makeFormatBox(f, QStringLiteral("Text11"), inch::kMmPattern, {4815, 2745, 840, 270});
    label(f, QStringLiteral("小径"), {3645, 3135, 420, 225});
    A8 = makeFormatBox(f, QStringLiteral("A8"), inch::kMmPattern, {4095, 3105, 855, 270});
}

void Form20::buildTapping() {
    QGroupBox* f =
        makeFrame(this, arrayName(QStringLiteral("Frame3"), 22), QStringLiteral("攻丝要素"), {6255, 5910, 1680, 3450});
    label(f, QStringLiteral("底孔直径"), {300, 480, 1080, 225});
    w29 = makeFormatBox(f, QStringLiteral("w29"), Pattern::Fixed1, {300, 750, 1080, 270});
    label(f, QStringLiteral("底孔深度"), {300, 1410, 1080, 225});
    w30 = makeFormatBox(f, QStringLiteral("w30"), Pattern::Fixed1, {300, 1680, 1080, 270});
    label(f, QStringLiteral("螺孔深度"), {300, 2340, 1080, 225});
    w31 = makeFormatBox(f, QStringLiteral("w31"), Pattern::Fixed1, {300, 2610, 1080, 270});
}

void Form20::buildSeries() {
    QGroupBox* f =
        makeFrame(this, arrayName(QStringLiteral("Frame300"), 24), QStringLiteral("标准系列"), {6210, 135, 1725, 4830});
    QStringList sizes;
    for (std::string_view s : kSizes) sizes << fromView(s);
    List111 = makeSizeList(f, QStringLiteral("List111"), {60, 300, 1605, 2790}, sizes, [this] { List111_Click(); });
    List111->setFont(songFont(10.5));
    // Items run down in columns, one column in view, scrolled sideways.
    List111->setFlow(QListView::TopToBottom);
    List111->setWrapping(true);
    List111->setResizeMode(QListView::Adjust);
    List111->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List111->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // A column as wide as the list inside its border; the viewport takes
    // that width only when the list is first shown.
    List111->setGridSize(QSize(List111->contentsRect().width(), List111->sizeHintForRow(0)));

    txtText111 = new QPlainTextEdit(f);
    txtText111->setObjectName(QStringLiteral("txtText111"));
    place(txtText111, {60, 3120, 1605, 1665});
    breakLinesAtSeparators(txtText111);
    // The inner margin of a one-line box: with it the longest series
    // ("超细牙:24UNEF.", "其它系列:12UN.") fits a line.
    txtText111->document()->setDocumentMargin(2);
    setNavyOnWhite(txtText111, songFont(10.5));
}

ThreadClass Form20::selectedClass() const {
    if (Op3->isChecked()) return ThreadClass::Three;
    if (Op2->isChecked()) return ThreadClass::Two;
    return ThreadClass::One;
}

void Form20::Command1_Click() {
    // Inputs: threads per inch first, by its leading number ("8牙" is 8),
    // then the size, each box one number or empty (0).
    Inputs in;
    const std::optional<float> nRead = inch::readThreadsPerInchSingle(in, txtw4);
    const std::optional<float> DRead = inch::readThreadSize(in, txtw1, txtw2, txtw3);
    if (!in.ok()) return;
    const float n = *nRead, D = *DRead;
    const std::optional<float> T = baseTolerance(D, n, lengthOfEngagement(n, D));
    if (!in.require(T.has_value(), txtw4, notes::tooLarge())) return;
    const ThreadClass cls = selectedClass();

    WritePlan plan;
    const Limits L = limits(cls, D, n, *T);
    stageLimits(plan, D, n, L);

    // The gauge pitch tolerances and the wires come from tables by threads
    // per inch. Without a row A10, A12 and the wire boxes keep what they hold
    // (an earlier row, or what the user typed), and the results are taken
    // over that; an empty box is no value, and its results show "--".
    const std::optional<double> gaugeTol = inch::gaugePitchToleranceMm(n, inch::GaugeColumn::Standard);
    if (gaugeTol) plan.plain(A10, *gaugeTol);
    const std::optional<double> noGoTol = tableOrKept(in, plan, A12, gaugeTol);
    const std::optional<Wires> wr = wires(n);
    const std::optional<double> preferred =
        tableOrKept(in, plan, Text1, wr ? std::optional(wr->preferred) : std::nullopt);
    const std::optional<double> second =
        tableOrKept(in, plan, Text5, wr ? std::optional(wr->second) : std::nullopt);
    if (!in.ok()) return;
    const inch::ThreadMValues m = threadMValues(cls, D, n, *T, preferred, second);
    inch::stageOverWire(in, plan, Text2, Text1, m.preferred);
    inch::stageOverWire(in, plan, Text6, Text5, m.second);
    stageGauges(in, plan, gaugeBlock(cls, n, L, preferred, noGoTol));

    // Tapping data, whatever the class.
    const Tapping tp = tapping(D, n);
    plan.plain(w29, tp.drill);
    plan.plain(w30, tp.drillDepth);
    plan.plain(w31, tp.tappedDepth);

    // A result over a wire too large has refused already. Every other one is
    // finite for the inputs read; should one not be, the threads per inch,
    // whose pitch every result takes, are refused.
    if (in.ok() && !plan.commit()) in.refuse(txtw4, notes::tooLarge());
}

// Thread depths and tool tips, the limits of size of the class.
void Form20::stageLimits(WritePlan& plan, float D, float n, const Limits& L) {
    const Depths dp = depths(n);
    plan.plain(w14, dp.externalTip);
    plan.plain(w25, dp.internalTip);
    plan.plain(w13, dp.externalDepth);
    plan.plain(w24, dp.internalDepth);
    plan.plain(w34, externalMinorMm(D, n));
    if (L.majorMaxSingle)
        plan.plainSingle(w5, *L.majorMaxSingle);
    else
        plan.plain(w5, L.majorMax);
    plan.plain(w6, L.majorMin);
    plan.plain(w7, L.majorMaxMm);
    plan.plain(w8, L.majorTolMm);
    plan.plain(w9, L.pitchMax);
    plan.plain(w10, L.pitchMin);
    plan.plain(w11, L.pitchMaxMm);
    plan.plain(w12, L.pitchTolMm);
    plan.plain(w17, L.intPitchMin);
    plan.plain(w16, L.intPitchMax);
    plan.plain(w18, L.intPitchMinMm);
    plan.plain(w19, L.intPitchTolMm);
    plan.plain(w21, L.intMinorMin);
    plan.plain(w20, L.intMinorMax);
    plan.plain(w22, L.intMinorMinMm);
    plan.plain(w23, L.intMinorTolMm);
    plan.plain(w15, L.intMajorMinMm);
    // The three-wire M values' tolerance, as w12 shows it.
    plan.copy(Text4, w12);
    plan.copy(Text8, w12);
}

// The gauge sizes, the M values over the preferred wire at the gauge pitch
// diameters (w32 GO, w33 NO-GO) and at their wear limits, and the copies of
// the gauge pitch tolerances as A10 and A12 show them.
void Form20::stageGauges(Inputs& in, WritePlan& plan, const inch::GaugeBlock& g) {
    plan.plain(A2, g.goLength);
    plan.plain(A6, g.noGoLength);
    plan.plain(A3, g.noGoPitch);
    plan.plain(A11, g.minor);
    plan.plain(A8, g.minor);
    plan.plain(A5, g.noGoMajor);
    plan.plain(A13, g.majorToleranceMm);
    plan.plain(A7, g.goPitch);
    plan.plain(A1, g.goMajor);
    plan.plain(A4, g.majorToleranceMm);
    inch::stageOverWire(in, plan, w32, Text1, g.goM);
    inch::stageOverWire(in, plan, w33, Text1, g.noGoM);
    plan.copy(Text3, A10);
    plan.copy(Text7, A12);
    inch::stageOverWire(in, plan, Text10, Text1, g.goWearM);
    inch::stageOverWire(in, plan, Text11, Text1, g.noGoWearM);
}

void Form20::Command6_Click() { printWindow(this); }

void Form20::List111_Click() { txtText111->setPlainText(fromView(seriesText(firstSelectedRow(List111)))); }
