#include "workshop/Form14.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/ui/boxio.h"
#include "common/ui/controls.h"
#include "common/ui/defaultbutton.h"
#include "common/ui/fonts.h"
#include "common/ui/formatbox.h"
#include "common/ui/linesketch.h"
#include "common/ui/refusal.h"
#include "common/ui/writeplan.h"
#include "workshop/pressinputs.h"
#include "workshop/spring.h"
#include "workshop/springpicture.h"

using namespace quorvil;

namespace {

const QString kFirstSeries = QStringLiteral("第一系列");

// Every frame of the window is filled light green.
const QColor kFrameGround(192, 255, 192);

QComboBox* seriesCombo(QWidget* parent, const QString& name, Tw geo, std::span<const std::string_view> items) {
    QComboBox* c = makeCombo(parent, name, geo, true);
    fillUnpicked(c, items);
    c->setEditText(kFirstSeries);
    return c;
}

}  // namespace

Form14::Form14() : ToolWindow(QStringLiteral("Form14"), QStringLiteral("5.压缩弹簧设计计算"), 8220, 7620) {
    // Inputs.
    CaptionFrame* input = makeFilledFrame(this, QStringLiteral("Frame3"), QStringLiteral("输入参数"),
                                          {120, 120, 3660, 3540}, kFrameGround);
    struct Row {
        QString labelName, label, unitName, unit;
    };
    const Row rows[] = {
        {arrayName(QStringLiteral("Label3"), 11), QStringLiteral("截面直径d="), {}, {}},
        {arrayName(QStringLiteral("Label3"), 6), QStringLiteral("弹簧中径D2="), {}, {}},
        {arrayName(QStringLiteral("Label3"), 7), QStringLiteral("安装高度H1="), arrayName(QStringLiteral("Label3"), 17),
         QStringLiteral("MM")},
        {arrayName(QStringLiteral("Label3"), 16), QStringLiteral("压缩量H1-H2="),
         arrayName(QStringLiteral("Label3"), 18), QStringLiteral("MM")},
        {arrayName(QStringLiteral("初始压力"), 8), QStringLiteral("最小工作负荷F1="),
         arrayName(QStringLiteral("Label3"), 19), QStringLiteral("N")},
        {arrayName(QStringLiteral("Label3"), 9), QStringLiteral("最大工作负荷F2="),
         arrayName(QStringLiteral("Label3"), 20), QStringLiteral("N")},
        {arrayName(QStringLiteral("Label3"), 8), QStringLiteral("许用切应力τρ="),
         arrayName(QStringLiteral("Label3"), 10), QStringLiteral("MPa")},
        {arrayName(QStringLiteral("Label3"), 14), QStringLiteral("切变模量G="), arrayName(QStringLiteral("Label3"), 15),
         QStringLiteral("GPa")},
    };
    for (int i = 0; i < std::ssize(rows); ++i) {
        const int y = 360 + 390 * i;
        makeLabel(input, rows[i].labelName, rows[i].label, {60, y + 23, 1620, 255}, Qt::AlignRight | Qt::AlignVCenter);
        if (!rows[i].unit.isEmpty()) makeLabel(input, rows[i].unitName, rows[i].unit, {3030, y + 23, 540, 255});
    }
    txtCombo2 = seriesCombo(input, QStringLiteral("txtCombo2"), {1740, 360, 1260, 300}, kSpringWireDiameters);
    txtCombo1 = seriesCombo(input, QStringLiteral("txtCombo1"), {1740, 750, 1260, 300}, kSpringMeanDiameters);
    txtA12 = makeBox(input, QStringLiteral("txtA12"), {1740, 1140, 1260, 300});
    txtA21 = makeBox(input, QStringLiteral("txtA21"), {1740, 1530, 1260, 300});
    txtA13 = makeBox(input, QStringLiteral("txtA13"), {1740, 1920, 1260, 300});
    txtA14 = makeBox(input, QStringLiteral("txtA14"), {1740, 2310, 1260, 300});
    txtA18 = makeBox(input, QStringLiteral("txtA18"), {1740, 2700, 1260, 300});
    txtA10 = makeBox(input, QStringLiteral("txtA10"), {1740, 3090, 1260, 300});

    // Requirements.
    CaptionFrame* needs = makeFilledFrame(this, QStringLiteral("Frame2"), QStringLiteral("技术要求"),
                                          {120, 3780, 3660, 1560}, kFrameGround);
    makeLabel(needs, arrayName(QStringLiteral("Label3"), 0), QStringLiteral("1.展开长度:L≈"), {120, 383, 1560, 255});
    txtA15 = makeFormatBox(needs, QStringLiteral("txtA15"), Pattern::Fixed0, {1740, 360, 1020, 300});
    makeLabel(needs, arrayName(QStringLiteral("Label3"), 5), QStringLiteral("MM"), {2820, 383, 480, 255});
    makeLabel(needs, arrayName(QStringLiteral("Label3"), 2), QStringLiteral("2.有效圈数:n ="), {120, 803, 1560, 255});
    txtA16 = makeFormatBox(needs, QStringLiteral("txtA16"), Pattern::Fixed1, {1740, 780, 1020, 300});
    makeLabel(needs, arrayName(QStringLiteral("Label3"), 3), QStringLiteral("3.总圈数:n1 ="), {120, 1223, 1560, 255});
    txtA170 = makeFormatBox(needs, QStringLiteral("txtA170"), Pattern::Fixed1, {1740, 1200, 1020, 300});
    makeLabel(needs, arrayName(QStringLiteral("Label3"), 4), QStringLiteral("±0.25"), {2820, 1223, 600, 255});

    // Helix angle.
    CaptionFrame* helix = makeFilledFrame(this, QStringLiteral("Frame6"), QStringLiteral("螺旋导角"),
                                          {120, 5460, 3660, 1080}, kFrameGround);
    makeLabel(helix, arrayName(QStringLiteral("Label3"), 21), QStringLiteral("螺旋导角γ="), {120, 383, 1200, 255});
    txtA25 = makeFormatBox(helix, QStringLiteral("txtA25"), Pattern::Fixed2, {1320, 360, 1020, 300});
    makeLabel(helix, arrayName(QStringLiteral("Label3"), 23), QStringLiteral("°"), {2370, 383, 240, 255});
    makeNote(helix, QStringLiteral("注:螺旋导角推荐γ=5°≈9°"), {120, 750, 3420, 255},
             arrayName(QStringLiteral("Label3"), 22));

    // Commands.
    CaptionFrame* commands =
        makeFilledFrame(this, QStringLiteral("Frame5"), QStringLiteral("命令"), {120, 6660, 3660, 840}, kFrameGround);
    auto* calculate = makeButton(commands, QStringLiteral("Command1"), QStringLiteral("计  算"), {360, 300, 1200, 420});
    auto* clear = makeButton(commands, QStringLiteral("Command2"), QStringLiteral("清  除"), {2100, 300, 1200, 420});

    // The picture with the results laid over it.
    CaptionFrame* sketch =
        makeFilledFrame(this, QStringLiteral("Frame4"), QStringLiteral("简图"), {3900, 120, 4200, 4560}, kFrameGround);
    auto* image = new QWidget(sketch);
    image->setObjectName(QStringLiteral("Image1"));
    place(image, {240, 600, kSpringPictureWidth, kSpringPictureHeight});
    new LineSketch(image, springPicture());
    // Leaders from the load boxes to the load lines.
    const Sketch leaders[] = {
        {{2160, 630, 2000, 800}}, {{2580, 930, 2400, 1150}}, {{3300, 1170, 3120, 1380}}, {{3120, 1380, 2900, 1590}}};
    for (int i = 0; i < std::ssize(leaders); ++i)
        (new LineSketch(sketch, leaders[i]))->setObjectName(QStringLiteral("Line%1").arg(i + 1));
    txtA1 = makeFormatBox(sketch, QStringLiteral("txtA1"), Pattern::Fixed0, {2040, 360, 600, 270});
    txtA2 = makeBox(sketch, QStringLiteral("txtA2"), {2520, 660, 630, 270});
    txtA3 = makeBox(sketch, QStringLiteral("txtA3"), {3240, 900, 600, 270});
    txtA4 = makeFormatBox(sketch, QStringLiteral("txtA4"), Pattern::Fixed0, {720, 1020, 600, 270});
    txtA5 = makeBox(sketch, QStringLiteral("txtA5"), {840, 1380, 600, 270});
    txtA6 = makeBox(sketch, QStringLiteral("txtA6"), {1500, 1620, 600, 270});
    txtA7 = makeFormatBox(sketch, QStringLiteral("txtA7"), Pattern::Fixed2, {1380, 2940, 630, 270});
    txtA8 = makeFormatBox(sketch, QStringLiteral("txtA8"), Pattern::Fixed2, {540, 3960, 630, 270});
    txtA9 = makeFormatBox(sketch, QStringLiteral("txtA9"), Pattern::Fixed0, {1440, 4140, 600, 270});
    struct Caption {
        QString text;
        Tw geo;
    };
    const Caption captions[] = {
        {QStringLiteral("F3"), {2130, 120, 300, 240}},  {QStringLiteral("N"), {2670, 383, 210, 240}},
        {QStringLiteral("F2"), {3150, 420, 300, 240}},  {QStringLiteral("N"), {3180, 683, 210, 240}},
        {QStringLiteral("F1"), {3870, 660, 300, 240}},  {QStringLiteral("N"), {3870, 1170, 210, 240}},
        {QStringLiteral("H3"), {450, 900, 270, 240}},   {QStringLiteral("H2"), {570, 1260, 270, 240}},
        {QStringLiteral("H1"), {1230, 1770, 270, 240}}, {QStringLiteral("H0"), {2070, 3930, 300, 240}},
    };
    for (int i = 0; i < std::ssize(captions); ++i) {
        QLabel* l = makeLabel(sketch, arrayName(QStringLiteral("Label1"), i), captions[i].text, captions[i].geo);
        l->setFont(songFont(10.5));
    }

    // Spring index.
    CaptionFrame* index = makeFilledFrame(this, QStringLiteral("Frame1"), QStringLiteral("弹簧指数"),
                                          {3900, 4800, 4200, 1620}, kFrameGround);
    makeLabel(index, arrayName(QStringLiteral("Label3"), 12), QStringLiteral("弹簧指数C=D2/d"), {120, 383, 1500, 255});
    txtA20 = makeFormatBox(index, QStringLiteral("txtA20"), Pattern::Fixed2, {1680, 360, 1020, 300});
    makeNote(index,
             QStringLiteral("注:弹簧指数C的推荐值:d=0.2∽0.4/C=7∽14..d=0.5∽1/C=5∽12..d=1.2∽2.2/C=5∽10..d=2.5∽6/"
                            "C=4∽9..d=7∽16/C=4∽8..d=18∽50/C=4∽6.."),
             {120, 690, 3960, 885}, arrayName(QStringLiteral("Label3"), 13));

    // Stability.
    CaptionFrame* stability = makeFilledFrame(this, QStringLiteral("Frame7"), QStringLiteral("稳定性验算"),
                                              {3900, 6480, 4200, 1020}, kFrameGround);
    makeLabel(stability, arrayName(QStringLiteral("Label3"), 24), QStringLiteral("高径比b=H0/D2"),
              {120, 330, 1380, 255});
    txtA22 = makeFormatBox(stability, QStringLiteral("txtA22"), Pattern::Fixed2, {120, 630, 1200, 300});
    makeNote(stability, QStringLiteral("注:弹簧两端固定b≤5.3..一端固定另一端回转b≤3.7..两端回转b≤2.6.."),
             {1560, 300, 2520, 660}, arrayName(QStringLiteral("Label3"), 25));

    connect(calculate, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(clear, &QPushButton::clicked, this, [this] { Command2_Click(); });
    setDefaultButton(this, calculate);
}

void Form14::Command1_Click() {
    // Every input is read leniently and held in single precision; the
    // allowable shear stress enters no formula and is not read. Negative
    // values go through the formulas, but a divisor may not be 0: d, D2,
    // the stroke, F2, G and the rate F2 - F1.
    PressInputs v(Held::Single);
    const double meanDiameter = v.leading(txtCombo1);
    v.require(meanDiameter != 0, txtCombo1, notes::nonZero());
    const double wire = v.leading(txtCombo2);
    v.require(wire != 0, txtCombo2, notes::nonZero());
    const double shearModulus = v.leading(txtA10);
    v.require(shearModulus != 0, txtA10, notes::nonZero());
    const double installed = v.leading(txtA12), minLoad = v.leading(txtA13), maxLoad = v.leading(txtA14);
    v.require(maxLoad != 0, txtA14, notes::nonZero());
    v.require(maxLoad != minLoad, txtA14, notes::equalLoads());
    const double stroke = v.leading(txtA21);
    v.require(stroke != 0, txtA21, notes::nonZero());
    if (!v.ok()) return;
    const SpringInput in{float(wire),    float(meanDiameter), float(installed),   float(stroke),
                         float(minLoad), float(maxLoad),      float(shearModulus)};
    const auto s = designSpring(in);
    // The inputs could all be used: no spring is a result beyond the single
    // range (or coils that round to none).
    if (!s) return v.refuseTooLarge();

    WritePlan plan;
    plan.signSingle(txtA1, s->solidLoad);
    plan.signSingle(txtA2, in.maxLoad);
    plan.signSingle(txtA3, in.minLoad);
    plan.signSingle(txtA4, s->solidHeight);
    plan.signSingle(txtA5, s->maxLoadHeight);
    plan.signSingle(txtA6, in.installed);
    plan.signSingle(txtA7, s->outerDiameter);
    plan.signSingle(txtA8, s->pitch);
    plan.signSingle(txtA9, s->freeHeight);
    plan.signSingle(txtA15, s->length);
    plan.signSingle(txtA16, s->activeCoils);
    plan.signSingle(txtA170, s->totalCoils);
    plan.signSingle(txtA20, s->index);
    plan.signSingle(txtA22, s->slenderness);
    plan.signSingle(txtA25, s->helixAngle);
    plan.commit();
}

void Form14::Command2_Click() {
    for (QLineEdit* b : {txtA10, txtA12, txtA13, txtA14, txtA18, txtA21}) b->clear();
    for (QLineEdit* b : std::initializer_list<QLineEdit*>{txtA1, txtA2, txtA3, txtA4, txtA5, txtA6, txtA7, txtA8, txtA9,
                                                          txtA15, txtA16, txtA170, txtA20, txtA22, txtA25})
        b->clear();
}
