#include "threads/acme/Form12.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <optional>

#include "common/numtext.h"
#include "common/ui/controls.h"
#include "common/ui/fonts.h"
#include "common/ui/formatbox.h"
#include "common/ui/labels.h"
#include "common/ui/lookuplist.h"
#include "common/ui/printing.h"
#include "common/ui/viewtext.h"
#include "common/ui/writeplan.h"
#include "common/units.h"
#include "threads/acme/acmelimits.h"
#include "threads/acme/limitboxes.h"
#include "threads/acme/stubacme.h"

using namespace quorvil;
using namespace quorvil::acme;

namespace {

QString boxName(int i) { return QStringLiteral("N%1").arg(i); }

}  // namespace

Form12::Form12() : ToolWindow(QStringLiteral("Form12"), QStringLiteral("3.STUB ACME螺纹"), 6405, 6465) {
    // Every frame but the size list's has its caption in 宋体 10.5.
    CaptionFrame* sizes =
        makeFrame(this, arrayName(QStringLiteral("Frame1"), 1), QStringLiteral("选择尺寸代号"), {45, 135, 1500, 2625});
    sizes->setCaptionFont(font());
    QStringList sizeTexts;
    for (const StubAcmeSize& s : stubAcmeSizes()) sizeTexts << fromView(s.size) + QLatin1Char('"');
    // A pick fills the boxes, and so does a click on the size already picked.
    ListN = makeSizeList(sizes, QStringLiteral("ListN"), {180, 270, 1125, 2160}, sizeTexts, [this] { ListN_Click(); });
    ListN->setFont(songFont(10.5));

    auto* print = makeButton(this, QStringLiteral("Command1"), QStringLiteral("打  印"), {315, 2925, 1005, 285});
    connect(print, &QPushButton::clicked, this, [this] { Command1_Click(); });

    QGroupBox* pitch = makeFrame(this, QStringLiteral("Frame2"), QStringLiteral("螺距"), {90, 3420, 1455, 825});
    N[1] = makeBox(pitch, boxName(1), {90, 360, 555, 270});
    label(pitch, QStringLiteral("牙/英寸"), {705, 390, 690, 225});

    QGroupBox* wire =
        makeFrame(this, QStringLiteral("Fra52"), QStringLiteral("外螺纹三针测量M值"), {90, 4365, 2310, 2025});
    label(wire, QStringLiteral("三针尺寸"), {300, 480, 810, 225});
    N[26] = makeBox(wire, boxName(26), {1140, 450, 705, 270});
    label(wire, QStringLiteral("M值"), {540, 960, 330, 225});
    N[27] = makeFormatBox(wire, boxName(27), Pattern::Fixed3, {900, 930, 945, 270});
    makeWrappedLabel(wire, QString(), QStringLiteral("M值公差等于外螺纹中径公差"), {570, 1440, 1305, 435});

    buildGrid(true);
    buildGrid(false);

    QGroupBox* know = makeFrame(this, QStringLiteral("Frame3"), QStringLiteral("有关知识"), {2475, 4410, 3735, 1965});
    const QString facts[5] = {QStringLiteral("1.用途:仅用于空间受限制的极特殊场合."),
                              QStringLiteral("2.公差带:2G(只有一个公差带)."), QStringLiteral("3.标准:ASME B1.8:1988"),
                              QStringLiteral("4.标记:Stub Acme"), QStringLiteral("5.牙高:0.3P的标准矮牙梯形螺纹.")};
    const int factTop[5] = {330, 637, 944, 1251, 1560};
    for (int i = 0; i < 5; ++i)
        makeLabel(know, arrayName(QStringLiteral("Label1"), i), facts[i], {330, factTop[i], 3255, 255});
}

// One limits grid. External: maximum, minimum, mm maximum and the tolerance
// set lower beside "-"; internal: minimum, maximum, mm minimum and the
// tolerance set higher beside "+".
void Form12::buildGrid(bool external) {
    QGroupBox* f = external ? makeFrame(this, arrayName(QStringLiteral("Fra32"), 0), QStringLiteral("外螺纹参数"),
                                        {1665, 135, 4590, 2055})
                            : makeFrame(this, arrayName(QStringLiteral("Fra32"), 1), QStringLiteral("内螺纹参数"),
                                        {1665, 2250, 4560, 1995});
    const QString rows[3] = {QStringLiteral("大径"), QStringLiteral("中径"), QStringLiteral("小径")};
    const int top[3] = {360, 960, 1560};
    const int first = external ? 2 : 14;
    // Both mm columns start where the internal one does: "英寸" needs the
    // room before them. Wide enough for the mm values of the largest sizes
    // ("127.508").
    const int mmLeft = 2460;
    const int mmWidth = 765;
    const Tw tol = external ? Tw{3390, 0, 705, 270} : Tw{3360, 0, 735, 270};
    const int tolShift = external ? 150 : -165;
    for (int r = 0; r < 3; ++r) {
        const int y = top[r], i = first + 4 * r;
        label(f, rows[r], {75, y + 30, 405, 225});
        N[i] = makeBox(f, boxName(i), {480, y, 615, 270});
        centredLabel(f, QStringLiteral("-"), {1095, y + 30, 345, 225});
        N[i + 1] = makeBox(f, boxName(i + 1), {1440, y, 615, 270});
        centredLabel(f, QStringLiteral("英寸"), {2055, y + 30, mmLeft - 2055, 225});
        N[i + 2] = makeFormatBox(f, boxName(i + 2), Pattern::Fixed3, {mmLeft, y, mmWidth, 270});
        centredLabel(f, external ? QStringLiteral("-") : QStringLiteral("+"),
                     {mmLeft + mmWidth, y + tolShift + 30, tol.left - mmLeft - mmWidth, 225});
        N[i + 3] = makeFormatBox(f, boxName(i + 3), Pattern::Fixed3, {tol.left, y + tolShift, tol.width, tol.height});
        label(f, QStringLiteral("MM"), {tol.left + tol.width + 60, y + tolShift + 30, 315, 225});
    }
}

void Form12::ListN_Click() {
    // A click that leaves no size selected shows nothing new.
    const std::optional<int> row = firstSelectedRow(ListN);
    if (!row || *row >= int(kStubAcmeSizeCount)) return;
    const StubAcmeSize& s = stubAcmeSizes()[std::size_t(*row)];

    WritePlan plan;
    plan.plain(N[1], double(s.threadsPerInch));
    // Each pair of inch limits, then the first limit in mm and the pair's
    // difference in mm, both from the two inch boxes as they then read.
    auto pair = [&](int i, double first, double second, bool lowerDeviation) {
        plan.plain(N[i], first);
        plan.plain(N[i + 1], second);
        // Not finite, a limit shows nothing, and the plan writes nothing.
        if (const std::optional<double> a = plan.shown(N[i])) plan.plain(N[i + 2], *a * kMillimetresPerInch);
        plan.plain(N[i + 3], lowerDeviation ? shownRangeMm(plan, N[i], N[i + 1]) : shownRangeMm(plan, N[i + 1], N[i]));
    };
    pair(2, s.extMajorMax, s.extMajorMin, true);
    pair(6, s.extPitchMax, s.extPitchMin, true);
    pair(10, s.extMinorMax, s.extMinorMin, true);
    pair(14, s.intMajorMin, s.intMajorMax, false);
    pair(18, s.intPitchMin, s.intPitchMax, false);
    pair(22, s.intMinorMin, s.intMinorMax, false);
    // No wire at 2 threads per inch: both boxes show "--" rather than keep
    // the wire and M value of the size picked before.
    plan.plain(N[26], s.wireMm);
    plan.plain(N[27], s.mValueMm);
    plan.commit();
}

void Form12::Command1_Click() { printWindow(this); }
