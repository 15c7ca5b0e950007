#include "threads/nonstandard/Form8.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <cmath>
#include <optional>

#include "common/ui/boxio.h"
#include "common/ui/controls.h"
#include "common/ui/fonts.h"
#include "common/ui/formatbox.h"
#include "common/ui/refusal.h"
#include "common/ui/printing.h"
#include "common/ui/tabcontainer.h"
#include "threads/common/threewire.h"

using namespace quorvil;

namespace {

// The controls of one tab; both tabs have the same layout and differ in
// names and in the unit of the pitch.
struct TabNames {
    QString bestFrame, pitch, angle, bestWire, bestButton;
    QString mFrame, mPitch, mAngle, wire, pitchDiameter, mValue, mButton, printButton;
    QString wireList;
    int firstNote;
    QString pitchUnit;
};

struct TabControls {
    QLineEdit *pitch, *angle, *mPitch, *mAngle, *wire, *pitchDiameter;
    FormatBox *bestWire, *mValue;
    QPushButton *bestButton, *mButton, *printButton;
    QComboBox* wireList;
};

// `label` counts the elements of the label array Label1 across both tabs.
TabControls buildTab(QWidget* page, const TabNames& n, int& label) {
    TabControls c{};
    auto nextLabel = [&label] { return arrayName(QStringLiteral("Label1"), label++); };

    QGroupBox* best = makeFrame(page, n.bestFrame, QStringLiteral("通用三针直径计算"), {315, 585, 4410, 1320});
    makeLabel(best, nextLabel(), QStringLiteral("输入螺距"), {120, 383, 735, 255});
    c.pitch = makeBox(best, n.pitch, {870, 360, 630, 300});
    makeLabel(best, nextLabel(), n.pitchUnit, {1545, 383, 630, 255});
    makeWrappedLabel(best, nextLabel(), QStringLiteral("输入螺纹牙形角"), {120, 780, 735, 420});
    c.angle = makeBox(best, n.angle, {870, 840, 630, 300});
    makeLabel(best, nextLabel(), QStringLiteral("°"), {1545, 863, 300, 255});
    // The right-hand columns of both frames stand far enough from the frame's
    // edge to leave the unit "mm" room on either side; the frames reach a
    // little further right than the design's, for "mm" in the Latin face.
    makeWrappedLabel(best, nextLabel(), QStringLiteral("显示理论三针直径"), {2655, 300, 735, 420});
    c.bestWire = makeFormatBox(best, n.bestWire, Pattern::Fixed3, {3405, 360, 630, 300});
    c.bestButton = makeButton(best, n.bestButton, QStringLiteral("显示"), {3405, 810, 630, 375});

    QGroupBox* mFrame = makeFrame(page, n.mFrame, QStringLiteral("通用公制三针测量M值计算"), {315, 2025, 4410, 1770});
    makeLabel(mFrame, nextLabel(), QStringLiteral("输入螺距"), {120, 383, 735, 255});
    c.mPitch = makeBox(mFrame, n.mPitch, {870, 360, 630, 300});
    makeLabel(mFrame, nextLabel(), n.pitchUnit, {1545, 383, 630, 255});
    makeWrappedLabel(mFrame, nextLabel(), QStringLiteral("输入螺纹牙形角"), {120, 780, 735, 420});
    c.mAngle = makeBox(mFrame, n.mAngle, {870, 840, 630, 300});
    makeLabel(mFrame, nextLabel(), QStringLiteral("°"), {1545, 863, 300, 255});
    makeWrappedLabel(mFrame, nextLabel(), QStringLiteral("输入实际三针直径"), {2655, 300, 735, 420});
    c.wire = makeBox(mFrame, n.wire, {3405, 360, 630, 300});
    makeLabel(mFrame, nextLabel(), QStringLiteral("mm"), {4065, 383, 285, 255});
    // Broken before "中径" so that neither the word nor the bracket is split;
    // the box is wide enough for a pitch diameter of three digits before the
    // point and three after.
    makeWrappedLabel(mFrame, nextLabel(), QStringLiteral("输入外螺纹理论\n中径值(不含公差)"), {1920, 705, 1440, 570});
    c.pitchDiameter = makeBox(mFrame, n.pitchDiameter, {3405, 840, 720, 300});
    c.printButton = makeButton(mFrame, n.printButton, QStringLiteral("打 印"), {120, 1290, 900, 375});
    c.mButton = makeButton(mFrame, n.mButton, QStringLiteral("显示M值"), {1125, 1290, 1050, 375});
    c.mValue = makeFormatBox(mFrame, n.mValue, Pattern::Fixed3, {2280, 1328, 1500, 300});
    makeLabel(mFrame, nextLabel(), QStringLiteral("mm"), {3840, 1350, 375, 255});

    makeWrappedLabel(page, arrayName(QStringLiteral("Label2"), n.firstNote),
                     QStringLiteral("  1. 此程序适用于所有螺纹的三针测量.如牙形角15°、30°等螺纹.单位:mm"),
                     {315, 3990, 4335, 510});
    makeLabel(page, arrayName(QStringLiteral("Label2"), n.firstNote + 1),
              QStringLiteral(" 2. M值公差等于外螺纹中径公差"), {315, 4673, 3300, 255});
    c.wireList = makeCombo(page, n.wireList, {3675, 4650, 975, 300});
    fillUnpicked(c.wireList, kStandardWires);
    return c;
}

// The pitch in mm from the pitch box: as typed, or 25.4 over the threads
// per inch. Refused as too large when the quotient is (a tiny count).
std::optional<double> pitchOf(Inputs& in, QLineEdit* box, bool threadsPerInch, double typed) {
    const double pitch = threadsPerInch ? pitchOfThreadsPerInch(typed) : typed;
    if (!in.require(std::isfinite(pitch), box, notes::tooLarge())) return std::nullopt;
    return pitch;
}

// The best wire of one frame.
void showBestWire(QLineEdit* angleBox, QLineEdit* pitchBox, bool threadsPerInch, FormatBox* result) {
    Inputs in;
    const std::optional<double> angle = in.nonZero(angleBox);
    const std::optional<double> typed = in.nonZero(pitchBox);
    if (!in.ok()) return;
    const std::optional<double> pitch = pitchOf(in, pitchBox, threadsPerInch, *typed);
    if (!in.ok()) return;
    const std::optional<double> wire = bestWireDiameter(FlankAngle{*angle}, Pitch{*pitch});
    if (!wire) {
        in.refuse(largestOf({{angleBox, *angle}, {pitchBox, *pitch}}), notes::tooLarge());
        return;
    }
    writePlain(result, *wire);
}

// The M value of one frame.
void showOverWires(QLineEdit* wireBox, QLineEdit* angleBox, QLineEdit* pitchBox, QLineEdit* pitchDiameterBox,
                   bool threadsPerInch, FormatBox* result) {
    Inputs in;
    const std::optional<double> wire = in.number(wireBox);
    const std::optional<double> angle = in.nonZero(angleBox);
    const std::optional<double> typed = in.nonZero(pitchBox);
    const std::optional<double> pitchDiameter = in.number(pitchDiameterBox);
    if (!in.ok()) return;
    const std::optional<double> pitch = pitchOf(in, pitchBox, threadsPerInch, *typed);
    if (!in.ok()) return;
    const std::optional<double> m =
        threeWireM(FlankAngle{*angle}, PitchDiameter{*pitchDiameter}, Wire{*wire}, Pitch{*pitch});
    if (!m) {
        // An angle so near 0 that its sine or tangent divides to infinity,
        // or else the largest length.
        const double h = threeWireHalfAngle(FlankAngle{*angle});
        const bool angleFault = !std::isfinite(1 / std::sin(h)) || !std::isfinite(1 / std::tan(h));
        in.refuse(angleFault ? angleBox
                             : largestOf({{wireBox, *wire}, {pitchBox, *pitch}, {pitchDiameterBox, *pitchDiameter}}),
                  notes::tooLarge());
        return;
    }
    writePlain(result, *m);
}

}  // namespace

Form8::Form8() : ToolWindow(QStringLiteral("Form8"), QStringLiteral("20.通用三针直径M值计算"), 4965, 5280) {
    SSTab1 = new TabContainer(this, QStringLiteral("SSTab1"), {0, 0, 4965, 5280});
    int label = 0;

    const TabControls mm =
        buildTab(SSTab1->addPage(QStringLiteral("螺距：MM/牙")),
                 {QStringLiteral("Frame1"), QStringLiteral("sz1"), QStringLiteral("sz2"), QStringLiteral("sz3"),
                  QStringLiteral("Command3"), QStringLiteral("Frame2"), QStringLiteral("sz4"), QStringLiteral("sz5"),
                  QStringLiteral("sz6"), QStringLiteral("sz7"), QStringLiteral("sz8"), QStringLiteral("Command2"),
                  QStringLiteral("Command1"), QStringLiteral("Combo1"), 0, QStringLiteral("mm/牙")},
                 label);
    const TabControls tpi =
        buildTab(SSTab1->addPage(QStringLiteral("螺距：牙/英寸")),
                 {QStringLiteral("Frame4"), QStringLiteral("sz10"), QStringLiteral("sz20"), QStringLiteral("sz30"),
                  QStringLiteral("Command6"), QStringLiteral("Frame3"), QStringLiteral("sz40"), QStringLiteral("sz50"),
                  QStringLiteral("sz60"), QStringLiteral("sz70"), QStringLiteral("sz80"), QStringLiteral("Command5"),
                  QStringLiteral("Command4"), QStringLiteral("txtw27"), 2, QStringLiteral("牙/英寸")},
                 label);

    sz1 = mm.pitch;
    sz2 = mm.angle;
    sz3 = mm.bestWire;
    sz4 = mm.mPitch;
    sz5 = mm.mAngle;
    sz6 = mm.wire;
    sz7 = mm.pitchDiameter;
    sz8 = mm.mValue;
    Combo1 = mm.wireList;
    sz10 = tpi.pitch;
    sz20 = tpi.angle;
    sz30 = tpi.bestWire;
    sz40 = tpi.mPitch;
    sz50 = tpi.mAngle;
    sz60 = tpi.wire;
    sz70 = tpi.pitchDiameter;
    sz80 = tpi.mValue;
    txtw27 = tpi.wireList;

    connect(mm.bestButton, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(tpi.bestButton, &QPushButton::clicked, this, [this] { Command6_Click(); });
    connect(mm.mButton, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(tpi.mButton, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(mm.printButton, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(tpi.printButton, &QPushButton::clicked, this, [this] { Command4_Click(); });

    SSTab1->setCurrentIndex(1);
}

void Form8::Command3_Click() { showBestWire(sz2, sz1, false, sz3); }
void Form8::Command6_Click() { showBestWire(sz20, sz10, true, sz30); }
void Form8::Command2_Click() { showOverWires(sz6, sz5, sz4, sz7, false, sz8); }
void Form8::Command5_Click() { showOverWires(sz60, sz50, sz40, sz70, true, sz80); }
void Form8::Command1_Click() { printWindow(this); }
void Form8::Command4_Click() { printWindow(this); }
