#include "workshop/Form13.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/ui/boxio.h"
#include "common/ui/controls.h"
#include "common/ui/defaultbutton.h"
#include "common/ui/fonts.h"
#include "common/ui/formatbox.h"
#include "common/ui/linesketch.h"
#include "workshop/bolt.h"
#include "workshop/cylindersketch.h"
#include "workshop/pressinputs.h"

using namespace quorvil;

Form13::Form13() : ToolWindow(QStringLiteral("Form13"), QStringLiteral("4.螺栓设计及计算"), 10620, 9420) {
    CaptionFrame* sketch =
        makeFrame(this, QStringLiteral("Frame1"), QStringLiteral("气缸简图"), {120, 120, 3300, 2700});
    new LineSketch(sketch, cylinderSketch());
    makeLabel(sketch, arrayName(QStringLiteral("Label1"), 10), QStringLiteral("\"O\"形圈"),
              {kORingLabelLeft, kORingLabelTop, 780, kSketchLabelHeight});
    makeLabel(sketch, arrayName(QStringLiteral("Label1"), 9), QStringLiteral("密封垫片"),
              {kGasketLabelLeft, kGasketLabelTop, 900, kSketchLabelHeight});

    makeLabel(this, arrayName(QStringLiteral("Label1"), 0), QStringLiteral("输入气缸工作压力:"),
              {3600, 443, 1740, 255});
    m1 = makeBox(this, QStringLiteral("m1"), {5340, 420, 960, 300});
    makeLabel(this, arrayName(QStringLiteral("Label1"), 1), QStringLiteral("MPa"), {6360, 443, 480, 255});
    makeLabel(this, arrayName(QStringLiteral("Label1"), 2), QStringLiteral("输入气缸内径:"), {3600, 923, 1740, 255});
    m2 = makeBox(this, QStringLiteral("m2"), {5340, 900, 960, 300});
    makeLabel(this, arrayName(QStringLiteral("Label1"), 3), QStringLiteral("MM"), {6360, 923, 480, 255});
    makeLabel(this, arrayName(QStringLiteral("Label1"), 5), QStringLiteral("输入螺栓数目:"), {3600, 1403, 1740, 255});
    m3 = makeBox(this, QStringLiteral("m3"), {5340, 1380, 960, 300});
    auto* calculateStatic =
        makeButton(this, QStringLiteral("Command1"), QStringLiteral("计算静载荷螺栓小径"), {6480, 1335, 2280, 390});

    CaptionFrame* staticResult =
        makeFrame(this, QStringLiteral("Frame6"), QStringLiteral("显示螺栓小径"), {7680, 120, 2820, 1020});
    makeLabel(staticResult, arrayName(QStringLiteral("Label1"), 7), QStringLiteral("d1≥"), {300, 443, 420, 255});
    m4 = makeFormatBox(staticResult, QStringLiteral("m4"), Pattern::Fixed2, {780, 420, 1500, 300});

    CaptionFrame* yield =
        makeFrame(this, QStringLiteral("Frame3"), QStringLiteral("输入螺栓材料屈服强度MPa"), {3600, 1920, 6900, 900});
    makeNote(yield,
             designBlanks(24, font()) + QStringLiteral("如:10号钢/屈服强度210MPa..Q235/240..35/320..45/360..40Cr/650"),
             {120, 420, 6660, 465}, arrayName(QStringLiteral("Label1"), 17));
    // The box stands in the blanks that open the label's first line; the
    // second line starts below the box.
    m5 = makeBox(yield, QStringLiteral("m5"), {120, 300, 1200, 300});

    CaptionFrame* stiffness =
        makeFrame(this, QStringLiteral("Frame4"), QStringLiteral("输入相对刚性系数(Kc)"), {120, 2940, 10380, 1080});
    makeNote(stiffness,
             designBlanks(14, font()) +
                 QStringLiteral("1.钢板联接+金属密封垫(或无密封垫)/相对刚性系数Kc=0.3..2.钢板联接+皮革密封垫/"
                                "相对刚性系数Kc=0.7..3.钢板联接+铜皮密封垫(或石棉密封垫)/"
                                "相对刚性系数Kc=0.8..4.钢板联接+橡胶密封垫/相对刚性系数Kc=0.9"),
             {120, 420, 10140, 600}, arrayName(QStringLiteral("Label1"), 15));
    m6 = makeBox(stiffness, QStringLiteral("m6"), {120, 300, 720, 300});

    CaptionFrame* preload =
        makeFrame(this, QStringLiteral("Frame5"), QStringLiteral("输入预紧系数(Ko)"), {120, 4140, 10380, 960});
    m7 = makeBox(preload, QStringLiteral("m7"), {120, 300, 720, 300});
    makeNote(preload,
             QStringLiteral("要求紧固,静载荷/"
                            "预紧系数Ko=1.6..要求紧固.变载荷Ko=3..要求紧密.软垫联接Ko=2..要求紧密.金属平垫联接Ko=4.."
                            "要求紧密.金属成型垫联接Ko=3"),
             {960, 330, 9300, 540}, arrayName(QStringLiteral("Label1"), 20));

    CaptionFrame* fatigue = makeFrame(this, QStringLiteral("Frame8"),
                                      QStringLiteral("变载荷(脉动变化)还要通过疲劳校核"), {120, 5220, 10380, 2880});
    CaptionFrame* size =
        makeFrame(fatigue, QStringLiteral("Frame11"), QStringLiteral("输入尺寸系数"), {120, 300, 2400, 2010});
    m8 = makeBox(size, QStringLiteral("m8"), {120, 330, 900, 300});
    makeNote(
        size,
        QStringLiteral(
            "螺栓直径12/尺寸系数1.0.  24/0.75. 36/0.65. 48/0.58.. 60/0.5.如螺栓直径不在上面,用插入法选取尺寸系数."),
        {120, 720, 2190, 1230}, arrayName(QStringLiteral("Label1"), 6));
    CaptionFrame* concentration =
        makeFrame(fatigue, QStringLiteral("Frame7"), QStringLiteral("输入有效应力集中系数"), {2640, 300, 3750, 2010});
    m9 = makeBox(concentration, QStringLiteral("m9"), {120, 330, 900, 300});
    makeNote(concentration,
             QStringLiteral("抗拉强度400MPa/应力集中系数3.. 600/3.9 "
                            ".800/4.8..1000/5.2.如抗拉强度不在上面,用插入法选取有效应力集中系数.注:10号钢/"
                            "抗拉强度340MPa..Q235/410..35/540..45/610..40Cr/750"),
             {120, 720, 3540, 1230}, arrayName(QStringLiteral("Label1"), 16));
    CaptionFrame* strength = makeFrame(fatigue, QStringLiteral("Frame2"), QStringLiteral("输入螺栓材料拉压疲劳强度"),
                                       {6510, 300, 3750, 2010});
    M11 = makeBox(strength, QStringLiteral("M11"), {120, 330, 900, 300});
    makeLabel(strength, arrayName(QStringLiteral("Label1"), 21), QStringLiteral("MPa"), {1080, 353, 480, 255});
    makeNote(strength,
             QStringLiteral(" ") + QStringLiteral("如:10号钢/拉压疲劳强度130MPa..Q235/140..35/200..45/230..40Cr/290"),
             {120, 720, 3540, 1230}, arrayName(QStringLiteral("Label1"), 22));
    makeLabel(fatigue, arrayName(QStringLiteral("Label1"), 14), QStringLiteral("显示螺栓小径:"),
              {240, 2468, 1500, 255});
    makeLabel(fatigue, arrayName(QStringLiteral("Label1"), 13), QStringLiteral("d1≥"), {1740, 2468, 420, 255});
    m10 = makeFormatBox(fatigue, QStringLiteral("m10"), Pattern::Fixed2, {2220, 2445, 1500, 300});
    auto* calculateFatigue =
        makeButton(fatigue, QStringLiteral("Command2"), QStringLiteral("计算变载荷螺栓小径"), {3960, 2400, 2280, 390});

    makeLabel(this, arrayName(QStringLiteral("Label1"), 4), QStringLiteral("注:1.1兆帕(MPa)=1牛顿每平方毫米(N/mm2)."),
              {120, 8220, 10380, 255});
    makeLabel(this, arrayName(QStringLiteral("Label1"), 8),
              QStringLiteral("2.取材料许用安全系数n=3.取应力幅安全系数Na=3."), {120, 8490, 10380, 255});
    makeNote(this,
             QStringLiteral("3.预紧系数(Ko)的选择:有\"O\"形圈无密封垫片的按\"要求紧固\"选择;"
                            "无\"O\"形圈仅依靠密封垫片进行密封的按\"要求紧密\"选择."),
             {120, 8790, 10380, 255}, arrayName(QStringLiteral("Label1"), 11));
    makeLabel(this, arrayName(QStringLiteral("Label1"), 12),
              QStringLiteral("4.如是变载还要通过疲劳校核.取两种螺栓小径最大值."), {120, 9030, 10380, 255});

    connect(calculateStatic, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(calculateFatigue, &QPushButton::clicked, this, [this] { Command2_Click(); });
    setDefaultButton(this, calculateStatic);
}

// Pressure, bore, bolt count, strengths and coefficients are all above 0:
// a zero divides by zero or gives no bolt, a negative value takes the root
// of a negative number or answers a question nobody asked.

void Form13::Command1_Click() {
    PressInputs v;
    const double bore = v.positive(m2), pressure = v.positive(m1), bolts = v.positive(m3);
    const double stiffness = v.positive(m6), preloadFactor = v.positive(m7), yieldStrength = v.positive(m5);
    if (!v.ok()) return;
    const auto load = boltWorkingLoad(pressure, bore, bolts);
    const auto d1 = load ? staticMinorDiameter(*load, stiffness, preloadFactor, yieldStrength) : std::nullopt;
    if (!d1) return v.refuseTooLarge();
    writePlain(m4, *d1);
}

void Form13::Command2_Click() {
    PressInputs v;
    const double bore = v.positive(m2), pressure = v.positive(m1), bolts = v.positive(m3);
    const double concentration = v.positive(m9), sizeFactor = v.positive(m8), fatigueStrength = v.positive(M11);
    const double stiffness = v.positive(m6);
    if (!v.ok()) return;
    const auto load = boltWorkingLoad(pressure, bore, bolts);
    const auto d1 =
        load ? fatigueMinorDiameter(*load, stiffness, concentration, sizeFactor, fatigueStrength) : std::nullopt;
    if (!d1) return v.refuseTooLarge();
    writePlain(m10, *d1);
}
