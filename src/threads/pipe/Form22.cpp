#include "threads/pipe/Form22.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>

#include "common/numtext.h"
#include "common/ui/boxio.h"
#include "common/ui/controls.h"
#include "common/ui/fonts.h"
#include "common/ui/formatbox.h"
#include "common/ui/linesketch.h"
#include "common/ui/refusal.h"
#include "common/ui/writeplan.h"
#include "threads/common/inchinputs.h"
#include "threads/common/threewire.h"
#include "threads/pipe/britishthread.h"

using namespace quorvil;

namespace {

QString usageText(const QFont& font) {
    return QStringLiteral(" 使用方法:") + designBlanks(31, font) +
           QStringLiteral(
               "输入公称直径和螺距及公差级别点计算按钮,"
               "螺纹参数和理论三针尺寸显示") +
           QStringLiteral("\r\n") + QStringLiteral("出来,选择合适三针后再点计算按钮,M值显示出来.");
}

// A diameter box with its label ("Name", index, caption) in the left column.
struct Diameter {
    QString labelArray;
    int labelIndex;
    QString caption;
    QString box;
};

// The four boxes the external and internal thread frames share in layout:
// two diameters on the left, thread depth and tool tip width on the right
// (labels Label16(i) and Label19(i)). Returned top-left, bottom-left,
// top-right, bottom-right.
std::array<FormatBox*, 4> placeDimensions(QWidget* frame, const Diameter& top, const Diameter& bottom, int rightLabels,
                                          const QString& depth, const QString& tip) {
    makeLabel(frame, arrayName(top.labelArray, top.labelIndex), top.caption, {120, 353, 420, 255});
    FormatBox* a = makeFormatBox(frame, top.box, Pattern::Fixed2, {570, 330, 900, 300});
    makeLabel(frame, arrayName(bottom.labelArray, bottom.labelIndex), bottom.caption, {120, 773, 420, 255});
    FormatBox* b = makeFormatBox(frame, bottom.box, Pattern::Fixed2, {570, 750, 900, 300});
    makeLabel(frame, arrayName(QStringLiteral("Label16"), rightLabels), QStringLiteral("牙形实际高度"),
              {1515, 353, 1110, 255});
    FormatBox* c = makeFormatBox(frame, depth, Pattern::Fixed2, {2640, 330, 780, 300});
    makeLabel(frame, arrayName(QStringLiteral("Label19"), rightLabels), QStringLiteral("刀尖宽度"),
              {1875, 773, 750, 255});
    FormatBox* d = makeFormatBox(frame, tip, Pattern::Fixed2, {2640, 750, 780, 300});
    return {a, b, c, d};
}

}  // namespace

Form22::Form22() : ToolWindow(QStringLiteral("Form22"), QStringLiteral("14.英制螺纹"), 4860, 6510) {
    // Size entry: the numerator sits higher than the denominator, a slanted
    // line between them is the fraction bar.
    CaptionFrame* input =
        makeFrame(this, QStringLiteral("Frame5"), QStringLiteral("输入螺纹尺寸(牙形角55°)"), {120, 60, 4620, 1020});
    auto* bar = new LineSketch(input, {{2040, 780, 2220, 300}});
    bar->setObjectName(arrayName(QStringLiteral("Line5"), 1));
    makeLabel(input, arrayName(QStringLiteral("lblMD"), 84), QStringLiteral("公称直径"), {120, 503, 780, 255});
    w1 = makeBox(input, QStringLiteral("w1"), {900, 480, 480, 300});
    makeLabel(input, arrayName(QStringLiteral("Label15"), 0), QStringLiteral("-"), {1440, 503, 120, 255});
    w2 = makeBox(input, QStringLiteral("w2"), {1590, 300, 480, 300});
    w3 = makeBox(input, QStringLiteral("w3"), {2190, 660, 480, 300});
    makeLabel(input, arrayName(QStringLiteral("Label25"), 10), QStringLiteral("英寸"), {2730, 683, 420, 255});
    makeLabel(input, arrayName(QStringLiteral("LBLTP1"), 4), QStringLiteral("螺距"), {3180, 503, 420, 255});
    w4 = makeBox(input, QStringLiteral("w4"), {3570, 480, 525, 300});
    makeLabel(input, arrayName(QStringLiteral("Label2n"), 6), QStringLiteral("牙/寸"), {4110, 503, 465, 255});

    CaptionFrame* external =
        makeFrame(this, arrayName(QStringLiteral("Fra3n"), 1), QStringLiteral("外螺纹参数"), {120, 1140, 3540, 1170});
    const auto outer =
        placeDimensions(external, {QStringLiteral("lblMadt"), 5, QStringLiteral("大径"), QStringLiteral("w5")},
                        {QStringLiteral("lblPat1"), 8, QStringLiteral("中径"), QStringLiteral("w7")}, 8,
                        QStringLiteral("w6"), QStringLiteral("w8"));
    w5 = outer[0];
    w7 = outer[1];
    w6 = outer[2];
    w8 = outer[3];

    CaptionFrame* command =
        makeFrame(this, arrayName(QStringLiteral("Frame3"), 23), QStringLiteral("命令"), {3780, 1140, 960, 1170});
    auto* calculate = makeButton(command, QStringLiteral("Command1"), QStringLiteral("计 算"), {120, 450, 720, 450});

    CaptionFrame* internal =
        makeFrame(this, arrayName(QStringLiteral("Fra6n"), 0), QStringLiteral("内螺纹参数"), {120, 2370, 4620, 1590});
    const auto inner =
        placeDimensions(internal, {QStringLiteral("lblPat1"), 9, QStringLiteral("中径"), QStringLiteral("w9")},
                        {QStringLiteral("lblins1"), 5, QStringLiteral("小径"), QStringLiteral("w11")}, 9,
                        QStringLiteral("w10"), QStringLiteral("w12"));
    w9 = inner[0];
    w11 = inner[1];
    w10 = inner[2];
    w12 = inner[3];
    makeLabel(internal, QStringLiteral("Label10"), QStringLiteral("钻底孔钻头直径"), {1335, 1193, 1290, 255});
    w13 = makeFormatBox(internal, QStringLiteral("w13"), Pattern::Fixed2, {2640, 1170, 780, 300});

    CaptionFrame* wires = makeFrame(this, arrayName(QStringLiteral("Fra5n"), 1), QStringLiteral("外螺纹三针测量M值"),
                                    {120, 4020, 4620, 1170});
    makeLabel(wires, arrayName(QStringLiteral("lblPD11"), 3), QStringLiteral("理论三针"), {120, 353, 750, 255});
    w14 = makeFormatBox(wires, QStringLiteral("w14"), Pattern::Fixed3, {900, 330, 900, 300});
    makeLabel(wires, arrayName(QStringLiteral("lblPD01"), 3), QStringLiteral("选择三针"), {2040, 353, 750, 255});
    txtw15 = makeCombo(wires, QStringLiteral("txtw15"), {2820, 330, 1020, 300});
    fillUnpicked(txtw15, kStandardWires);
    makeLabel(wires, arrayName(QStringLiteral("lblPiD1"), 8), QStringLiteral("M值"), {120, 773, 750, 255});
    w16 = makeFormatBox(wires, QStringLiteral("w16"), Pattern::Fixed2, {900, 750, 900, 300});

    // Wider than the frames: at their width the first paragraph would leave
    // "显示" alone on a third line.
    makeNote(this, usageText(font()), {45, 5280, 4770, 1110}, arrayName(QStringLiteral("Label1"), 2));

    connect(calculate, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void Form22::Command1_Click() {
    // The list text read leniently and held in single precision (the list's
    // own texts always fit); no wire picked gives no M value.
    std::optional<float> wire;
    if (txtw15->currentIndex() >= 0) wire = toSingle(readLenient(txtw15));

    // The size, each box one number or empty (0); the threads per inch one
    // number, any but 0 (the window sets no sign limits).
    Inputs in;
    const std::optional<FractionParts> parts = in.fraction(w1, w2, w3);
    const std::optional<double> n = in.nonZero(w4);
    if (!in.ok()) return;
    const double whole = parts->whole, numerator = parts->numerator, denominator = parts->denominator;
    const auto inches = britishSizeInches(whole, numerator, denominator);
    if (!inches) {
        if (britishDenominatorCancels(denominator)) {
            in.refuse(w3, notes::denominator());
        } else {
            in.refuse(inch::entryBox(inch::oversizedPart({whole, numerator, denominator}), w1, w2, w3),
                      notes::tooLarge());
        }
        return;
    }
    // Every result is finite for a size in single precision but for threads
    // per inch so near 0 that the pitch lies beyond the range.
    const auto t = britishThread(*inches, *n, wire);
    if (!in.require(t.has_value(), w4, notes::tooLarge())) return;

    WritePlan plan;
    plan.plain(w5, t->majorDiameter);
    plan.plain(w7, t->pitchDiameter);
    plan.plain(w9, t->pitchDiameter);
    plan.plain(w11, t->minorDiameter);
    plan.plain(w6, t->threadDepth);
    plan.plain(w10, t->threadDepth);
    plan.plain(w8, t->tipWidth);
    plan.plain(w12, t->tipWidth);
    plan.plain(w14, t->bestWire);
    // No wire picked: "--", not an M value over a wire of 0.
    plan.plain(w16, t->mValue);
    // A size without a tap drill row shows "--"; the boxes are matched as
    // typed, so 0-2/4 is not 0-1/2 here.
    plan.plain(w13, britishTapDrill(whole, numerator, denominator));
    plan.commit();
}
