#include "workshop/Form6.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/ui/boxio.h"
#include "common/ui/controls.h"
#include "common/ui/defaultbutton.h"
#include "common/ui/formatbox.h"
#include "common/ui/linesketch.h"
#include "common/ui/writeplan.h"
#include "common/units.h"
#include "workshop/conversions.h"
#include "workshop/pressinputs.h"

using namespace quorvil;

namespace {

// Writes a conversion's one result; none, a result too large, refuses.
void showResult(PressInputs& v, QLineEdit* box, std::optional<double> result) {
    if (result)
        writePlain(box, *result);
    else
        v.refuseTooLarge();
}

}  // namespace

Form6::Form6() : ToolWindow(QStringLiteral("Form6"), QStringLiteral("18.公英制、角度转换"), 9300, 6570) {
    // Inch fraction: the numerator sits higher than the denominator, with a
    // slanted fraction bar between them.
    CaptionFrame* fraction =
        makeFrame(this, QStringLiteral("Frame4"), QStringLiteral("公英制尺寸转换小程序1"), {120, 120, 4320, 2100});
    auto* bar = new LineSketch(fraction, {{1320, 1050, 1410, 450}});
    bar->setObjectName(arrayName(QStringLiteral("Line5"), 3));
    Text1000 = makeBox(fraction, QStringLiteral("Text1000"), {120, 600, 510, 300});
    makeLabel(fraction, arrayName(QStringLiteral("Label15"), 5), QStringLiteral("-"), {660, 623, 120, 255});
    text3000 = makeBox(fraction, QStringLiteral("text3000"), {780, 420, 510, 300});
    text4000 = makeBox(fraction, QStringLiteral("text4000"), {1440, 780, 510, 300});
    makeLabel(fraction, arrayName(QStringLiteral("Label25"), 0), QStringLiteral("英寸"), {1980, 803, 420, 255});
    makeLabel(fraction, arrayName(QStringLiteral("Label1"), 0), QStringLiteral("="), {2430, 443, 180, 255});
    Text2000 = makeFormatBox(fraction, QStringLiteral("Text2000"), Pattern::Fixed3, {2640, 420, 1140, 300});
    makeLabel(fraction, arrayName(QStringLiteral("Label1"), 29), QStringLiteral("mm"), {3810, 443, 420, 255});
    makeLabel(fraction, arrayName(QStringLiteral("Label1"), 27), QStringLiteral("="), {2430, 923, 180, 255});
    Text1 = makeFormatBox(fraction, QStringLiteral("Text1"), Pattern::Fixed3, {2640, 900, 1140, 300});
    makeLabel(fraction, arrayName(QStringLiteral("Label1"), 28), QStringLiteral("英寸"), {3810, 923, 420, 255});
    auto* inchFraction =
        makeButton(fraction, QStringLiteral("Command1000"), QStringLiteral("英制转公制"), {120, 1320, 1500, 375});
    makeNote(fraction, QStringLiteral("例:将1-2/3英寸转换成42.333毫米"), {120, 1770, 4080, 255},
             arrayName(QStringLiteral("Label1"), 21));

    // Inch range: two limits, three equivalent mm forms.
    CaptionFrame* range = makeFrame(this, arrayName(QStringLiteral("Frame2"), 0),
                                    QStringLiteral("公英制尺寸转换小程序2"), {120, 2340, 4320, 3150});
    makeLabel(range, QStringLiteral("Label5"), QStringLiteral("输入英制尺寸"), {120, 360, 1200, 255});
    qzv1 = makeBox(range, QStringLiteral("qzv1"), {120, 720, 900, 300});
    qzv2 = makeBox(range, QStringLiteral("qzv2"), {120, 1080, 900, 300});
    makeLabel(range, arrayName(QStringLiteral("Label25"), 1), QStringLiteral("英寸"), {360, 1440, 420, 255});
    makeLabel(range, arrayName(QStringLiteral("Label1"), 1), QStringLiteral("="), {1080, 923, 180, 255});
    qzv3 = makeFormatBox(range, QStringLiteral("qzv3"), Pattern::Fixed3, {1320, 540, 1140, 300});
    makeLabel(range, arrayName(QStringLiteral("Label5n"), 5), QStringLiteral("+"), {2490, 563, 240, 255});
    qzv6 = makeFormatBox(range, QStringLiteral("qzv6"), Pattern::Fixed3, {2760, 540, 1140, 300});
    qzv4 = makeFormatBox(range, QStringLiteral("qzv4"), Pattern::Fixed3, {1320, 900, 1140, 300});
    makeLabel(range, arrayName(QStringLiteral("Label5n"), 6), QStringLiteral("±"), {2490, 923, 240, 255});
    qzv7 = makeFormatBox(range, QStringLiteral("qzv7"), Pattern::Fixed3, {2760, 900, 1140, 300});
    qzv5 = makeFormatBox(range, QStringLiteral("qzv5"), Pattern::Fixed3, {1320, 1260, 1140, 300});
    makeLabel(range, arrayName(QStringLiteral("Label15"), 20), QStringLiteral("-"), {2520, 1283, 240, 255});
    qzv8 = makeFormatBox(range, QStringLiteral("qzv8"), Pattern::Fixed3, {2760, 1260, 1140, 300});
    makeLabel(range, arrayName(QStringLiteral("Label1"), 30), QStringLiteral("mm"), {2430, 1620, 420, 255});
    auto* inchRange =
        makeButton(range, QStringLiteral("Command4"), QStringLiteral("英制转公制"), {120, 2010, 1500, 375});
    makeNote(range, QStringLiteral("例:将外国图纸上1.23∽1.25英寸转换成我国图纸上使用的有上下偏差表达式."),
             {120, 2490, 4080, 480}, arrayName(QStringLiteral("Label1"), 22));

    // Degrees, minutes and seconds to degrees.
    CaptionFrame* toDegrees =
        makeFrame(this, arrayName(QStringLiteral("Frame1"), 0), QStringLiteral("角度转换1"), {4560, 120, 4620, 1860});
    makeLabel(toDegrees, arrayName(QStringLiteral("Label1"), 8), QStringLiteral("输入度角分"), {120, 330, 1200, 255});
    c1 = makeBox(toDegrees, QStringLiteral("c1"), {120, 630, 540, 300});
    makeLabel(toDegrees, arrayName(QStringLiteral("Label1"), 7), QStringLiteral("°"), {690, 653, 180, 255});
    c2 = makeBox(toDegrees, QStringLiteral("c2"), {870, 630, 540, 300});
    makeLabel(toDegrees, arrayName(QStringLiteral("Label1"), 2), QStringLiteral("′"), {1440, 653, 180, 255});
    c3 = makeBox(toDegrees, QStringLiteral("c3"), {1620, 630, 660, 300});
    makeLabel(toDegrees, arrayName(QStringLiteral("Label1"), 3), QStringLiteral("″"), {2310, 653, 180, 255});
    makeLabel(toDegrees, arrayName(QStringLiteral("Label1"), 4), QStringLiteral("="), {2490, 653, 180, 255});
    c44 = makeBox(toDegrees, QStringLiteral("c44"), {2670, 630, 1680, 300});
    makeLabel(toDegrees, arrayName(QStringLiteral("Label1"), 5), QStringLiteral("°"), {4380, 653, 180, 255});
    auto* dmsToDegrees =
        makeButton(toDegrees, QStringLiteral("Command101"), QStringLiteral("计算"), {120, 1050, 900, 375});
    auto* clearDms =
        makeButton(toDegrees, QStringLiteral("Command201"), QStringLiteral("清除"), {1140, 1050, 900, 375});
    makeNote(toDegrees, QStringLiteral("例:将8°5′8″转换成8.08555°"), {120, 1500, 4080, 255},
             arrayName(QStringLiteral("Label1"), 6));

    // Degrees to degrees, minutes and seconds.
    CaptionFrame* toDms =
        makeFrame(this, arrayName(QStringLiteral("Frame1"), 1), QStringLiteral("角度转换2"), {4560, 2100, 4620, 1860});
    makeLabel(toDms, arrayName(QStringLiteral("Label1"), 15), QStringLiteral("输入度"), {120, 330, 1200, 255});
    c440 = makeBox(toDms, QStringLiteral("c440"), {120, 630, 1020, 300});
    makeLabel(toDms, arrayName(QStringLiteral("Label1"), 10), QStringLiteral("°"), {1170, 653, 180, 255});
    makeLabel(toDms, arrayName(QStringLiteral("Label1"), 11), QStringLiteral("="), {1350, 653, 180, 255});
    c10 = makeBox(toDms, QStringLiteral("c10"), {1530, 630, 600, 300});
    makeLabel(toDms, arrayName(QStringLiteral("Label1"), 14), QStringLiteral("°"), {2160, 653, 180, 255});
    c20 = makeBox(toDms, QStringLiteral("c20"), {2340, 630, 540, 300});
    makeLabel(toDms, arrayName(QStringLiteral("Label1"), 13), QStringLiteral("′"), {2910, 653, 180, 255});
    c30 = makeBox(toDms, QStringLiteral("c30"), {3090, 630, 1200, 300});
    makeLabel(toDms, arrayName(QStringLiteral("Label1"), 12), QStringLiteral("″"), {4320, 653, 180, 255});
    auto* degreesToDms = makeButton(toDms, QStringLiteral("Command121"), QStringLiteral("计算"), {120, 1050, 900, 375});
    auto* clearDegrees = makeButton(toDms, QStringLiteral("Command20"), QStringLiteral("清除"), {1140, 1050, 900, 375});
    makeNote(toDms, QStringLiteral("例:将8.08555°转换成8°5′8″"), {120, 1500, 4080, 255},
             arrayName(QStringLiteral("Label1"), 9));

    // Degrees to radians.
    CaptionFrame* toRadians =
        makeFrame(this, arrayName(QStringLiteral("Frame2"), 1), QStringLiteral("角度转换3"), {4560, 4080, 4620, 1410});
    makeLabel(toRadians, arrayName(QStringLiteral("Label1"), 20), QStringLiteral("输入度数"), {120, 330, 1200, 255});
    qzv55 = makeBox(toRadians, QStringLiteral("qzv55"), {120, 630, 1020, 300});
    makeLabel(toRadians, arrayName(QStringLiteral("Label1"), 19), QStringLiteral("°"), {1170, 653, 180, 255});
    makeLabel(toRadians, arrayName(QStringLiteral("Label1"), 18), QStringLiteral("="), {1380, 653, 180, 255});
    qzv66 = makeBox(toRadians, QStringLiteral("qzv66"), {1590, 630, 1800, 300});
    makeLabel(toRadians, arrayName(QStringLiteral("Label1"), 17), QStringLiteral("弧度"), {3450, 653, 420, 255});
    auto* radians = makeButton(toRadians, QStringLiteral("Command789"), QStringLiteral("计算"), {120, 990, 900, 300});
    makeNote(toRadians, QStringLiteral("例:将60°转换成1.047198弧度"), {1140, 1013, 3060, 255},
             arrayName(QStringLiteral("Label1"), 16));

    // Radians to degrees, one row across the window.
    CaptionFrame* toAngle =
        makeFrame(this, QStringLiteral("Frame3"), QStringLiteral("角度转换4"), {120, 5610, 9060, 840});
    makeLabel(toAngle, arrayName(QStringLiteral("Label1"), 23), QStringLiteral("输入弧度"), {120, 383, 840, 255});
    x1 = makeBox(toAngle, QStringLiteral("x1"), {960, 360, 1200, 300});
    makeLabel(toAngle, arrayName(QStringLiteral("Label1"), 24), QStringLiteral("="), {2220, 383, 180, 255});
    x2 = makeFormatBox(toAngle, QStringLiteral("x2"), Pattern::Fixed3, {2430, 360, 1200, 300});
    makeLabel(toAngle, arrayName(QStringLiteral("Label1"), 25), QStringLiteral("°"), {3660, 383, 180, 255});
    auto* degrees = makeButton(toAngle, QStringLiteral("Command1"), QStringLiteral("计算"), {3960, 323, 900, 375});
    makeNote(toAngle, QStringLiteral("例:将弧度1.047198转换成60°"), {5040, 383, 3600, 255},
             arrayName(QStringLiteral("Label1"), 26));

    connect(inchFraction, &QPushButton::clicked, this, [this] { Command1000_Click(); });
    connect(inchRange, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(dmsToDegrees, &QPushButton::clicked, this, [this] { Command101_Click(); });
    connect(clearDms, &QPushButton::clicked, this, [this] { Command201_Click(); });
    connect(degreesToDms, &QPushButton::clicked, this, [this] { Command121_Click(); });
    connect(clearDegrees, &QPushButton::clicked, this, [this] { Command20_Click(); });
    connect(radians, &QPushButton::clicked, this, [this] { Command789_Click(); });
    connect(degrees, &QPushButton::clicked, this, [this] { Command1_Click(); });
    setDefaultButton(this, degreesToDms);
}

// Each conversion reads its boxes strictly; a result too large to show
// refuses at the largest number typed.

void Form6::Command1000_Click() {
    // An empty whole counts as 0, and so does a fraction left empty.
    PressInputs v;
    const FractionParts f = v.fraction(Text1000, text3000, text4000);
    if (!v.ok()) return;
    const auto inches = mixedFractionInches(f.whole, f.numerator, f.denominator);
    if (!inches) return v.refuseTooLarge();
    WritePlan plan;
    plan.plain(Text2000, *inches * kMillimetresPerInch);
    plan.plain(Text1, *inches);
    if (!plan.commit()) v.refuseTooLarge();
}

void Form6::Command4_Click() {
    PressInputs v;
    const double a = v.number(qzv1), b = v.number(qzv2);
    if (!v.ok()) return;
    const auto r = inchRangeMillimetres(a, b);
    if (!r) return v.refuseTooLarge();
    WritePlan plan;
    plan.plain(qzv4, r->mean);
    plan.plain(qzv7, r->half);
    plan.plain(qzv3, r->lower);
    plan.plain(qzv5, r->upper);
    plan.plain(qzv6, r->range);
    plan.plain(qzv8, r->range);
    plan.commit();
}

void Form6::Command101_Click() {
    // 30°15′ converts with the seconds left empty.
    PressInputs v;
    const double d = v.number(c1), m = v.part(c2), sec = v.part(c3);
    if (!v.ok()) return;
    showResult(v, c44, degreesOfDms(d, m, sec));
}

void Form6::Command201_Click() {
    for (QLineEdit* b : {c1, c2, c3, c44}) b->clear();
}

void Form6::Command121_Click() {
    PressInputs v;
    const double x = v.number(c440);
    if (!v.ok()) return;
    const auto dms = dmsOfDegrees(x);
    if (!dms) return v.refuseTooLarge();
    WritePlan plan;
    plan.plain(c10, dms->degrees);
    plan.plain(c20, dms->minutes);
    plan.plain(c30, dms->seconds);
    plan.commit();
}

void Form6::Command20_Click() {
    for (QLineEdit* b : {c10, c20, c30, c440}) b->clear();
}

void Form6::Command789_Click() {
    PressInputs v;
    const double degrees = v.number(qzv55);
    if (!v.ok()) return;
    showResult(v, qzv66, radiansOfDegrees(degrees));
}

void Form6::Command1_Click() {
    PressInputs v;
    const double radians = v.number(x1);
    if (!v.ok()) return;
    showResult(v, x2, degreesOfRadians(radians));
}
