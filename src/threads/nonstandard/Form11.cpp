#include "threads/nonstandard/Form11.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>
#include <optional>

#include "common/numtext.h"
#include "common/ui/boxio.h"
#include "common/ui/controls.h"
#include "common/ui/fonts.h"
#include "common/ui/formatbox.h"
#include "common/ui/refusal.h"
#include "common/ui/printing.h"
#include "common/ui/writeplan.h"
#include "threads/nonstandard/worm.h"

using namespace quorvil;
using namespace quorvil::nonstandard;

namespace {

// Every frame of the window is filled cyan; a caption before a box stands at
// its right edge, against the box.
const QColor kFrameGround(0, 255, 255);
constexpr Qt::Alignment kCaptionAlignment = Qt::AlignRight | Qt::AlignVCenter;

// Result rows: three label-box pairs per row.
constexpr int kRowTop[] = {330, 750, 1170, 1590, 2010, 2430};
constexpr int kColumnLeft[] = {120, 2115, 4110};
constexpr int kLabelWidth = 900;
constexpr int kBoxLeft = kLabelWidth + 15;
// The right-hand column reaches toward the frame's edge: its diameter
// quotient shows up to seven digits after a blank or sign (" 23.66667").
constexpr int kBoxWidth[] = {705, 705, 885};

}  // namespace

Form11::Form11() : ToolWindow(QStringLiteral("Form11"), QStringLiteral("2.阿基米德蜗杆"), 6150, 3795) {
    // The captions are the elements of Label1 in the order they are made.
    int labelIndex = 0;
    auto nextLabel = [&labelIndex] { return arrayName(QStringLiteral("Label1"), labelIndex++); };

    CaptionFrame* frame1 = makeFilledFrame(this, QStringLiteral("Frame1"), QStringLiteral("输入蜗杆规格(齿形角20°)"),
                                           {90, 45, 4395, 840}, kFrameGround);
    makeLabel(frame1, nextLabel(), QStringLiteral("分度圆直径"), {120, 383, 900, 255}, kCaptionAlignment);
    txtdf = makeBox(frame1, QStringLiteral("txtdf"), {1035, 360, 660, 300});
    makeLabel(frame1, nextLabel(), QStringLiteral("轴向模数"), {1800, 383, 720, 255}, kCaptionAlignment);
    txtmc = makeBox(frame1, QStringLiteral("txtmc"), {2535, 360, 660, 300});
    makeLabel(frame1, nextLabel(), QStringLiteral("头数"), {3300, 383, 375, 255}, kCaptionAlignment);
    txtz1 = makeBox(frame1, QStringLiteral("txtz1"), {3690, 360, 600, 300});

    CaptionFrame* frame3 =
        makeFilledFrame(this, QStringLiteral("Frame3"), QStringLiteral("命令"), {4560, 45, 1545, 855}, kFrameGround);
    auto* command2 = makeButton(frame3, QStringLiteral("Command2"), QStringLiteral("计算"), {165, 375, 525, 315});
    auto* command1 = makeButton(frame3, QStringLiteral("Command1"), QStringLiteral("打印"), {855, 375, 525, 315});

    CaptionFrame* frame2 = makeFilledFrame(this, QStringLiteral("Frame2"), QStringLiteral("输出结果"),
                                           {90, 945, 6030, 2835}, kFrameGround);
    frame2->setCaptionColor(QColor(0, 0, 255));
    // The caption of a result at a row and column of the result frame; gives
    // the place of the result's box.
    auto resultAt = [&](int row, int column, const QString& caption) {
        const int left = kColumnLeft[column];
        const int top = kRowTop[row];
        makeLabel(frame2, nextLabel(), caption, {left, top + 8, kLabelWidth, 255}, kCaptionAlignment);
        return Tw{left + kBoxLeft, top, kBoxWidth[column], 270};
    };
    auto formatted = [&](int row, int column, const QString& caption, const QString& name) {
        const Tw place = resultAt(row, column, caption);
        return makeFormatBox(frame2, name, Pattern::Fixed2, place);
    };
    auto plain = [&](int row, int column, const QString& caption, const QString& name) {
        const Tw place = resultAt(row, column, caption);
        return makeBox(frame2, name, place);
    };

    txtde1 = formatted(0, 0, QStringLiteral("顶圆直径"), QStringLiteral("txtde1"));
    txtdi1 = formatted(0, 1, QStringLiteral("根圆直径"), QStringLiteral("txtdi1"));
    txtText1 = formatted(0, 2, QStringLiteral("轴向齿距"), QStringLiteral("txtText1"));
    txttn = formatted(1, 0, QStringLiteral("法向螺距"), QStringLiteral("txttn"));
    txtan = formatted(1, 1, QStringLiteral("法向齿形角"), QStringLiteral("txtan"));
    txtq = plain(1, 2, QStringLiteral("特性系数"), QStringLiteral("txtq"));
    txtsn = formatted(2, 0, QStringLiteral("法向弦齿厚"), QStringLiteral("txtsn"));
    txthx = formatted(2, 1, QStringLiteral("弦齿高"), QStringLiteral("txthx"));
    txtsc = formatted(2, 2, QStringLiteral("轴向齿厚"), QStringLiteral("txtsc"));
    txtf = formatted(3, 0, QStringLiteral("齿顶宽"), QStringLiteral("txtf"));
    txtw = formatted(3, 1, QStringLiteral("齿根宽"), QStringLiteral("txtw"));
    txth = formatted(3, 2, QStringLiteral("齿高"), QStringLiteral("txth"));
    txtd0 = plain(4, 0, QStringLiteral("三针直径"), QStringLiteral("txtd0"));

    // The lead angle: degrees, minutes and seconds, each box followed by its unit.
    {
        const Tw first = resultAt(4, 1, QStringLiteral("螺旋升角"));
        int x = first.left;
        auto angleBox = [&](const QString& name, const QString& unit) {
            QLineEdit* b = makeBox(frame2, name, {x, first.top, 495, 270});
            makeLabel(frame2, nextLabel(), unit, {x + 510, first.top + 8, 180, 255});
            x += 705;
            return b;
        };
        txtc10 = angleBox(QStringLiteral("txtc10"), QStringLiteral("°"));
        txtc20 = angleBox(QStringLiteral("txtc20"), QStringLiteral("′"));
        txtc30 = angleBox(QStringLiteral("txtc30"), QStringLiteral("″"));
    }
    txtm5 = formatted(5, 0, QStringLiteral("M值"), QStringLiteral("txtm5"));

    connect(command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

namespace {

// A box read leniently, as the worm's single-precision value: refused when
// there is no leading number, a decimal comma or a number beyond the single
// range.
std::optional<float> singleInput(Inputs& in, QLineEdit* box) {
    const std::optional<double> v = in.leading(box);
    if (!v) return std::nullopt;
    const std::optional<float> f = toSingle(*v);
    in.require(f.has_value(), box, notes::tooLarge());
    return f;
}

}  // namespace

void Form11::Command2_Click() {
    // The module and the reference diameter divide: 0 is refused (also a
    // number too small for single precision); negative numbers are computed
    // with as typed.
    Inputs in;
    const std::optional<float> m = singleInput(in, txtmc);
    if (m) in.require(*m != 0, txtmc, notes::nonZero());
    const std::optional<float> z1 = singleInput(in, txtz1);
    const std::optional<float> d1 = singleInput(in, txtdf);
    if (d1) in.require(*d1 != 0, txtdf, notes::nonZero());
    if (!in.ok()) return;
    const auto r = wormDimensions(*d1, *m, *z1);
    if (!r) {
        // A result beyond single precision: from a module so small that the
        // diameter quotient is, else from the larger of the two.
        const bool moduleTooSmall = !toSingle(double(*d1) / *m) && std::fabs(*m) < 1;
        in.refuse(moduleTooSmall ? txtmc : largestOf({{txtdf, *d1}, {txtmc, *m}}), notes::tooLarge());
        return;
    }

    // A module without a wire row shows "--" for the wire and the M value.
    WritePlan plan;
    plan.signSingle(txtd0, r->wire);
    plan.signSingle(txtm5, r->overWires);
    plan.signSingle(txttn, r->normalPitch);
    plan.signSingle(txtan, r->normalProfileAngle);
    plan.signSingle(txth, r->toothDepth);
    plan.signSingle(txtsn, r->normalChordalThickness);
    plan.signSingle(txtq, r->diameterQuotient);
    plan.signSingle(txtText1, r->axialPitch);
    plan.signSingle(txtde1, r->tipDiameter);
    plan.signSingle(txtsc, r->axialThickness);
    plan.signSingle(txtdi1, r->rootDiameter);
    plan.signSingle(txtf, r->crestWidth);
    plan.signSingle(txtw, r->rootWidth);
    plan.signSingle(txthx, r->chordalHeight);
    plan.sign(txtc10, r->leadAngle.degrees);
    plan.sign(txtc20, r->leadAngle.minutes);
    plan.sign(txtc30, r->leadAngle.seconds);
    plan.commit();
}

void Form11::Command1_Click() { printWindow(this); }
