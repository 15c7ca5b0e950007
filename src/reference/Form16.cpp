#include "reference/Form16.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

#include "common/ui/boxio.h"
#include "common/ui/controls.h"
#include "common/ui/linesketch.h"
#include "common/ui/printing.h"
#include "common/ui/viewtext.h"
#include "common/ui/writeplan.h"
#include "reference/apiflange.h"
#include "reference/flangesketch.h"
#include "reference/optionclick.h"

using namespace quorvil;
using namespace quorvil::reference;

Form16::Form16() : ToolWindow(QStringLiteral("Form16"), QStringLiteral("7.API 6A 19版技术资料"), 12040, 7720) {
    // Bore options, with the 3-1/16 in size that Option3 stands for at the
    // two highest pressures shown beneath it.
    QWidget* bores = makeFrame(this, QStringLiteral("Frame12"), QStringLiteral("输入公称通径"), {60, 60, 2160, 4920});
    auto caption = [](const FlangeBore& b) { return fromView(b.inches) + u'"' + u'(' + fromView(b.mm) + u')'; };
    int y = 300;
    static_assert(std::tuple_size_v<decltype(Option)> == std::tuple_size_v<decltype(kFlangeBores)>,
                  "one option per bore");
    for (int i = 0; i < std::ssize(Option); ++i) {
        Option[std::size_t(i)] = makeOption(bores, QStringLiteral("Option%1").arg(i),
                                            caption(kFlangeBores[std::size_t(i)]), {150, y, 1950, 255});
        narrowToCaption(Option[std::size_t(i)]);
        y += 300;
        if (i == 3) {
            makeLabel(bores, QStringLiteral("Label10"), caption(kFlangeBore3HighPressure), {420, y, 1650, 255});
            y += 300;
        }
    }
    Option[1]->setChecked(true);

    QWidget* pressure =
        makeFrame(this, QStringLiteral("Fra22"), QStringLiteral("输入额定压力"), {60, 5040, 2160, 1860});
    const std::array<QString, 5> pressureNames = {QStringLiteral("Op2000"), QStringLiteral("Op3000"),
                                                  QStringLiteral("Op5000"), QStringLiteral("Op10000"),
                                                  QStringLiteral("Op15000")};
    const std::array<QString, 5> pressureCaptions = {
        QStringLiteral("2000PSI(14MPa)"), QStringLiteral("3000PSI(21MPa)"), QStringLiteral("5000PSI(35MPa)"),
        QStringLiteral("10000PSI(70MPa)"), QStringLiteral("15000PSI(105MPa)")};
    for (std::size_t i = 0; i < 5; ++i) {
        pressures_[i] =
            makeOption(pressure, pressureNames[i], pressureCaptions[i], {150, 300 + int(i) * 300, 1950, 255});
        narrowToCaption(pressures_[i]);
    }
    pressures_[0]->setChecked(true);

    // The sketch with its boxes and captions.
    QWidget* result = makeFrame(this, QStringLiteral("Frame1"), QStringLiteral("显示结果"), {2280, 60, 9700, 7600});
    new LineSketch(result, flangeSketch());
    makeLabel(result, arrayName(QStringLiteral("Label11"), 1), QStringLiteral("≤"), {4040, 3880, 160, 240});
    Text1 = makeBox(result, QStringLiteral("Text1"), {kText1X - 330, 3865, 660, 270});
    Text3 = makeBox(result, QStringLiteral("Text3"), {kText3X - 420, 3265, 840, 270});
    Text4 = makeBox(result, QStringLiteral("Text4"), {kText4X - 600, 4465, 1200, 270});
    Text5 = makeBox(result, QStringLiteral("Text5"), {kText5X - 465, 3265, 930, 270});
    Text22 = makeBox(result, QStringLiteral("Text22"), {kText22X - 645, 6250, 1290, 270});
    Text28 = makeBox(result, QStringLiteral("Text28"), {8000, 2250, 1290, 270});
    Text6 = makeBox(result, QStringLiteral("Text6"), {kText6X - 330, 3665, 660, 270});
    Text7 = makeBox(result, QStringLiteral("Text7"), {3000, kText7Y - 135, 600, 270});
    Text2 = makeBox(result, QStringLiteral("Text2"), {2950, kText2Y - 135, 660, 270});
    makeLabel(result, arrayName(QStringLiteral("Label1"), 0), QStringLiteral("+3"), {3650, kText2Y - 215, 240, 220});
    Text21 = makeBox(result, QStringLiteral("Text21"), {(kText21Left + kRaised) / 2 - 420, kText21Y - 135, 840, 270});
    Text20 = makeBox(result, QStringLiteral("Text20"), {1850, kHoleLeaderY - 135, 840, 270});
    makeLabel(result, arrayName(QStringLiteral("Label11"), 0), QStringLiteral("+2"),
              {2700, kHoleLeaderY - 110, 240, 220});
    Text17 = makeBox(result, QStringLiteral("Text17"), {3180, 1265, 660, 270}, false);
    Text17->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Text16 = makeBox(result, QStringLiteral("Text16"), {2900, 2700, 660, 270});
    Text18 = makeBox(result, QStringLiteral("Text18"), {1500, 2250, 500, 270});
    Text19 = makeBox(result, QStringLiteral("Text19"), {4300, 5170, 450, 270});
    Text26 =
        makeBox(result, QStringLiteral("Text26"), {(kDetOpen0 + kDetOpen1) / 2 - 555, kDetWidthY - 135, 1110, 270});
    Text27 = makeBox(result, QStringLiteral("Text27"), {(kDetOpen0 + kDetOpen1) / 2 - 510, 760, 1020, 270});
    makeLabel(result, arrayName(QStringLiteral("Label2"), 0), QStringLiteral("1X45°"), {4210, 4390, 600, 220});
    makeLabel(result, arrayName(QStringLiteral("Label9"), 0), QStringLiteral("3"), {4330, 2080, 150, 200});
    makeLabel(result, arrayName(QStringLiteral("Label9"), 1), QStringLiteral("6BX法兰"), {4330, 2290, 800, 200});
    makeLabel(result, arrayName(QStringLiteral("Label9"), 3), QStringLiteral("R0.8"), {8500, 1250, 420, 200});
    makeLabel(result, arrayName(QStringLiteral("Label9"), 4), QStringLiteral("R、RX垫环槽倒角23°±30′"),
              {150, 7115, 3300, 210});
    makeLabel(result, arrayName(QStringLiteral("Label9"), 2), QStringLiteral("BX垫环槽倒角23°±15′"),
              {150, 7335, 3300, 210});

    QWidget* commands =
        makeFrame(result, arrayName(QStringLiteral("Fra6"), 0), QStringLiteral("命令"), {7350, 6550, 2250, 930});
    auto* clear = makeButton(commands, QStringLiteral("Command3"), QStringLiteral("先清除"), {120, 360, 630, 400});
    auto* show = makeButton(commands, QStringLiteral("Command11"), QStringLiteral("再显示"), {810, 360, 630, 400});
    auto* print = makeButton(commands, QStringLiteral("Command6"), QStringLiteral("打印"), {1500, 360, 630, 400});
    connect(clear, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(show, &QPushButton::clicked, this, [this] { Command11_Click(); });
    connect(print, &QPushButton::clicked, this, [this] { Command6_Click(); });
}

// Every box answers for the options picked: the pair's texts, "--" in the
// ring-groove box of the ring type the flange does not use, and "--" in
// every box for a pair the standard does not list.
void Form16::Command11_Click() {
    const auto pressure = std::find_if(pressures_.begin(), pressures_.end(), [](auto* o) { return o->isChecked(); });
    const auto bore = std::find_if(Option.begin(), Option.end(), [](auto* o) { return o->isChecked(); });
    if (pressure == pressures_.end() || bore == Option.end()) return;
    const FlangeRow* row =
        findFlange(kFlangePressuresPsi[std::size_t(pressure - pressures_.begin())], int(bore - Option.begin()));
    const bool bx = row && hasBxRing(*row);
    const std::array<QLineEdit*, 16> boxes = {Text1,  Text2,  Text3,  Text4,  Text5,  Text6,  Text7,
                                              Text16, Text17, Text18, Text19, Text20, Text21, bx ? Text28 : Text22,
                                              Text26, Text27};
    for (std::size_t i = 0; i < boxes.size(); ++i) showText(boxes[i], row ? fromView(row->texts[i]) : missingText());
    showText(bx ? Text22 : Text28, missingText());
}

void Form16::Command3_Click() {
    for (QLineEdit* b : {Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text16, Text17, Text18, Text19, Text20,
                         Text21, Text22, Text28, Text26, Text27})
        b->clear();
}

void Form16::Command6_Click() { printWindow(this); }
