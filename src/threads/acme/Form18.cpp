#include "threads/acme/Form18.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <iterator>
#include <optional>
#include <span>

#include "common/numtext.h"
#include "common/ui/boxio.h"
#include "common/ui/controls.h"
#include "common/ui/fonts.h"
#include "common/ui/formatbox.h"
#include "common/ui/labels.h"
#include "common/ui/printing.h"
#include "common/ui/refusal.h"
#include "common/ui/writeplan.h"
#include "threads/acme/acmelimits.h"
#include "threads/acme/limitboxes.h"
#include "threads/acme/stubacme.h"
#include "threads/common/inchinputs.h"
#include "threads/common/inchsizeentry.h"

using namespace quorvil;
using namespace quorvil::acme;

namespace {

// The patterns of the result boxes by number; the others keep the written text.
std::optional<Pattern> patternOf(int box) {
    constexpr int fourDecimals[] = {6, 14, 18, 22, 26};
    constexpr int threeDecimals[] = {7, 8, 15, 16, 19, 20, 23, 24, 27, 28};
    if (std::ranges::find(fourDecimals, box) != std::end(fourDecimals)) return Pattern::Fixed4;
    if (std::ranges::find(threeDecimals, box) != std::end(threeDecimals)) return Pattern::Fixed3;
    return std::nullopt;
}

constexpr int kFrameLeft = 165, kFrameWidth = 4290;

}  // namespace

Form18::Form18() : ToolWindow(QStringLiteral("Form18"), QStringLiteral("9.非标STUB ACME螺纹参数"), 4620, 5415) {
    buildInput();
    buildGrid(true);
    buildGrid(false);

    QGroupBox* commands = makeFrame(this, arrayName(QStringLiteral("Frame3"), 0), QStringLiteral("命令"),
                                    {kFrameLeft, 4530, kFrameWidth, 750});
    auto* calc = makeButton(commands, QStringLiteral("Command5"), QStringLiteral("计 算"), {720, 285, 1200, 345});
    auto* print = makeButton(commands, QStringLiteral("Commandacme"), QStringLiteral("打 印"), {2370, 285, 1200, 345});
    connect(calc, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(print, &QPushButton::clicked, this, [this] { Commandacme_Click(); });

    QList<QWidget*> order{txts1, txts2, txts3, s4, calc, print};
    for (QLineEdit* box : std::span(s).subspan(kFirstResult)) order << box;
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void Form18::buildInput() {
    // "新宋体" is the fixed-pitch cut of "宋体"; both map to the installed Song face.
    CaptionFrame* in = makeFrame(this, QStringLiteral("Fra12"), QStringLiteral("输入螺纹尺寸(牙形角29°)"),
                                 {kFrameLeft, 120, kFrameWidth, 855});
    in->setCaptionFont(songFont(9));
    // The fraction bar: from the numerator's upper right corner down towards
    // the denominator; "牙/寸" clear of the frame's right border.
    const inch::SizeEntry entry = inch::makeSizeEntry(
        in, {QStringLiteral("txts1"), QStringLiteral("txts2"), QStringLiteral("txts3"), QStringLiteral("s4")},
        {.caption = QStringLiteral("公称直径"),
         .captionAt = {105, 420, 780, 225},
         .whole = {870, 375, 495, 285},
         .dash = {1365, 405, 150, 225},
         .dashCentred = true,
         .numerator = {1515, 240, 405, 285},
         .bar = {2025, 285, 1965, 735},
         .denominator = {2070, 495, 405, 285},
         .inch = {2505, 525, 390, 225},
         .pitchCaption = {2910, 420, 390, 225},
         .threadsPerInch = {3285, 375, 480, 285},
         .perInch = {3780, 420, 450, 225}});
    txts1 = entry.whole;
    txts2 = entry.numerator;
    txts3 = entry.denominator;
    s4 = entry.threadsPerInch;
}

// One limits grid, rows major, pitch and minor diameter: two inch limits, the
// mm value and the mm tolerance beside its sign, "0" for the other limit.
void Form18::buildGrid(bool external) {
    QGroupBox* f = external ? makeFrame(this, arrayName(QStringLiteral("Fra32"), 0), QStringLiteral("外螺纹参数"),
                                        {kFrameLeft, 1050, kFrameWidth, 1680})
                            : makeFrame(this, arrayName(QStringLiteral("Fra32"), 1), QStringLiteral("内螺纹参数"),
                                        {kFrameLeft, 2790, kFrameWidth, 1680});
    const QString rows[kGridRows] = {QStringLiteral("大径"), QStringLiteral("中径"), QStringLiteral("小径")};
    const int top[kGridRows] = {345, 810, 1275};
    const int first = external ? kFirstResult : kFirstResult + kGridBoxes;
    for (int r = 0; r < kGridRows; ++r) {
        const int y = top[r], i = first + kGridColumns * r;
        label(f, rows[r], {75, y + 30, 405, 225});
        const int columns[kGridColumns][2] = {{480, 705}, {1305, 705}, {2430, 735}, {3300, 600}};
        for (int c = 0; c < kGridColumns; ++c) {
            const int box = i + c;
            const QString name = QStringLiteral("s%1").arg(box);
            const Tw geo{columns[c][0], y, columns[c][1], 285};
            // The internal major diameter's minimum and tolerance sit to the left.
            const bool centre = box != 17 && box != 20;
            const std::optional<Pattern> p = patternOf(box);
            s[box] = p ? makeFormatBox(f, name, *p, geo, centre) : makeBox(f, name, geo, centre);
        }
        centredLabel(f, QStringLiteral("-"), {1185, y + 30, 120, 225});
        label(f, QStringLiteral("英寸"), {2040, y + 30, 375, 225});
        // Upper deviation over lower: "0" over "-" outside, "+" over "0" inside.
        centredLabel(f, external ? QStringLiteral("0") : QStringLiteral("+"), {3165, y - 90, 135, 195});
        centredLabel(f, external ? QStringLiteral("-") : QStringLiteral("0"), {3165, y + 135, 135, 195});
        label(f, QStringLiteral("MM"), {3915, y + 30, 315, 225});
    }
}

void Form18::Command5_Click() {
    // The size, each box one number or empty (0); a stub thread needs a size
    // above 0. Then the threads per inch: the whole text of s4. Every formula
    // would read it afresh, but the calculation never writes s4, so one
    // reading stands for all.
    Inputs in;
    const std::optional<float> DRead = inch::readThreadSize(in, txts1, txts2, txts3);
    const std::optional<double> nRead = inch::readThreadsPerInch(in, s4);
    if (!in.ok()) return;
    const float D = *DRead;
    const double n = *nRead;
    const StubAcmeLimits L = stubAcmeLimits(D, n);

    // Each tolerance of a pair of inch limits is taken from the two boxes as
    // they will show: s5 the 7-digit D, the others rounded to four decimals.
    WritePlan plan;
    plan.plain(s[6], L.extMajorMin);
    plan.plainSingle(s[5], D);
    plan.plain(s[7], L.extMajorMaxMm);
    plan.plain(s[8], shownRangeMm(plan, s[5], s[6]));
    plan.plain(s[9], L.extPitchMax);
    plan.plain(s[10], L.extPitchMin);
    plan.plain(s[11], L.extPitchMaxMm);
    plan.plain(s[12], L.pitchTolMm);
    plan.plain(s[13], L.extMinorMax);
    plan.plain(s[14], L.extMinorMin);
    plan.plain(s[15], L.extMinorMaxMm);
    plan.plain(s[16], L.pitchTolMm);
    plan.plain(s[17], L.intMajorMin);
    plan.plain(s[18], L.intMajorMax);
    plan.plain(s[19], L.intMajorMinMm);
    plan.plain(s[20], shownRangeMm(plan, s[18], s[17]));
    plan.plain(s[21], L.intPitchMin);
    plan.plain(s[22], L.intPitchMax);
    plan.plain(s[23], L.intPitchMinMm);
    plan.plain(s[24], L.pitchTolMm);
    plan.plain(s[25], L.intMinorMin);
    plan.plain(s[26], L.intMinorMax);
    plan.plain(s[27], L.intMinorMinMm);
    plan.plain(s[28], shownRangeMm(plan, s[26], s[25]));
    // Every result is finite for the inputs read; should one not be, the
    // threads per inch, whose pitch each takes, are refused.
    if (!plan.commit()) in.refuse(s4, notes::tooLarge());
}

void Form18::Commandacme_Click() { printWindow(this); }
