#include "threads/pipe/Form7.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "common/ui/boxio.h"
#include "common/ui/controls.h"
#include "common/ui/fonts.h"
#include "common/ui/labels.h"
#include "common/ui/linesketch.h"
#include "common/ui/lookuplist.h"
#include "common/ui/printing.h"
#include "common/ui/tabcontainer.h"
#include "common/ui/viewtext.h"
#include "threads/common/plugsketch.h"
#include "threads/pipe/pipetables.h"

using namespace quorvil;
using namespace quorvil::pipe;

namespace {

const QString kInch = QStringLiteral("\"");

// Writes each box of a tab once with the text of the picked row, the first
// selected one. With nothing selected (a click beside the items, or one that
// deselects) no row is picked and the boxes keep their texts.
void showRow(const QListWidget* list, std::vector<std::string> (*texts)(std::size_t),
             const std::vector<QLineEdit*>& boxes) {
    const std::optional<int> row = firstSelectedRow(list);
    if (!row) return;
    const std::vector<std::string> t = texts(std::size_t(*row));
    // The list holds the table's rows and the tab one box per text of a row:
    // any other count is a fault of this window, never of what the user did.
    if (t.size() != boxes.size()) qFatal("Form7: row %d gives %zu texts for %zu boxes", *row, t.size(), boxes.size());
    for (std::size_t i = 0; i < boxes.size(); ++i) showText(boxes[i], QString::fromStdString(t[i]));
}

// The labelled boxes of a data frame: one box per row, its label before it.
struct Field {
    QString box;
    int label;
    QString text;
};
void fieldRows(QWidget* frame, std::vector<QLineEdit*>& boxes, std::initializer_list<Field> fields, int labelLeft,
               int labelWidth, int boxLeft, int boxWidth, int top = 360, int step = 375) {
    for (const Field& f : fields) {
        makeLabel(frame, arrayName(QStringLiteral("Label1"), f.label), f.text, {labelLeft, top + 30, labelWidth, 225});
        boxes.push_back(makeBox(frame, f.box, {boxLeft, top, boxWidth, 270}));
        top += step;
    }
}

// The thread form frame of a tab: threads per inch, pitch, thread height.
void threadFormFrame(QWidget* page, int frame, QChar letter, std::array<int, 3> labels, Tw geo, int boxWidth,
                     std::vector<QLineEdit*>& boxes) {
    QWidget* form = makeFrame(page, arrayName(QStringLiteral("Frame1"), frame), QStringLiteral("牙形尺寸"), geo);
    const QString box = QString(letter);
    // "英才" (for 英寸) is the design's text, kept as the design has it.
    fieldRows(form, boxes,
              {{box + u'1', labels[0], QStringLiteral("牙数/英才")},
               {box + u'2', labels[1], QStringLiteral("螺距")},
               {box + u'3', labels[2], QStringLiteral("牙形高度")}},
              120, 840, geo.width - boxWidth - 105, boxWidth);
}

// Major, pitch and minor diameter, top to bottom, boxes `first` to first + 2.
void diameterFrame(QWidget* page, int frame, const QString& caption, QChar letter, int first, std::array<int, 3> labels,
                   Tw geo, int labelLeft, int boxWidth, std::vector<QLineEdit*>& boxes) {
    QWidget* f = makeFrame(page, arrayName(QStringLiteral("Frame1"), frame), caption, geo);
    const auto name = [letter](int i) { return QString(letter) + QString::number(i); };
    fieldRows(f, boxes,
              {{name(first), labels[0], QStringLiteral("大径")},
               {name(first + 1), labels[1], QStringLiteral("中径")},
               {name(first + 2), labels[2], QStringLiteral("小径")}},
              labelLeft, 420, labelLeft + 540, boxWidth);
}

// The frame "选择尺寸代号" at the top left of a tab with its size list.
template <class Table>
QListWidget* sizeListFrame(QWidget* page, int frame, const QString& name, const Table& table, int height,
                           std::function<void()> pick) {
    QWidget* f = makeFrame(page, arrayName(QStringLiteral("Frame1"), frame), QStringLiteral("选择尺寸代号"),
                           {120, 480, 1500, height});
    QStringList sizes;
    for (const auto& row : table) sizes << fromView(row.size) + kInch;
    return makeSizeList(f, name, {105, 285, 1290, height - 390}, sizes, std::move(pick));
}

// The taper plain plug gauge (left) and taper plain ring gauge in section
// (right) shared by the two taper thread tabs; twips from the frame's corner.
Sketch taperGaugeSketch() {
    // clang-format off
    return Sketch{
        // Plug gauge: shank, taper body, the step in its large end.
        {420, 780, 1740, 780, 2}, {420, 1320, 1740, 1320, 2}, {420, 780, 420, 1320, 2},
        {1740, 420, 1740, 1680, 2}, {2910, 630, 2910, 1500, 2},
        {1860, 442, 2910, 630, 2}, {1740, 1680, 2910, 1500, 2},
        {1740, 720, 1860, 720, 2}, {1860, 720, 1860, 442, 2},
        // Ring gauge: outline, bore narrowing to the right, the step in its
        // right face, hatching in the walls.
        {3990, 570, 5310, 570, 2}, {5310, 570, 5310, 1950, 2}, {5310, 1950, 3990, 1950, 2}, {3990, 1950, 3990, 570, 2},
        {3990, 810, 5310, 1020, 2}, {3990, 1710, 5310, 1500, 2}, {5190, 570, 5190, 1320, 2},
        {4110, 780, 4290, 600}, {4350, 810, 4530, 630}, {4590, 850, 4770, 670}, {4830, 890, 5010, 710},
        {5010, 930, 5160, 780},
        {4080, 1920, 4260, 1740}, {4350, 1920, 4530, 1710}, {4620, 1920, 4800, 1670}, {4890, 1920, 5070, 1620},
        // Taper symbols, each a triangle towards the small end over a leader.
        {2040, 1320, 2040, 1440}, {2040, 1320, 2220, 1380}, {2040, 1440, 2220, 1380}, {2010, 1500, 2310, 1500},
        {4410, 1290, 4410, 1410}, {4410, 1290, 4590, 1350}, {4410, 1410, 4590, 1350}, {4380, 1470, 4680, 1470},
        // Shank diameter, up to its box.
        {750, 690, 750, 1320},
        // Large end diameter.
        {1200, 420, 1740, 420}, {1200, 1680, 1740, 1680}, {1290, 420, 1290, 1680},
        // Plug step width.
        {1740, 420, 1740, 210}, {1860, 442, 1860, 210}, {1650, 270, 2100, 270},
        // Overall length and taper length.
        {420, 1320, 420, 2280}, {2910, 1500, 2910, 2280}, {420, 2190, 2910, 2190},
        {1740, 1680, 1740, 2040}, {1740, 1950, 2910, 1950},
        // Ring outer diameter.
        {3570, 570, 3990, 570}, {3570, 1950, 3990, 1950}, {3660, 570, 3660, 1950},
        // Ring step width.
        {5190, 570, 5190, 330}, {5310, 570, 5310, 330}, {5100, 390, 5580, 390},
        // Small-end bore diameter.
        {5310, 1020, 5850, 1020}, {5310, 1500, 5850, 1500}, {5760, 1020, 5760, 1500},
        // Ring length.
        {3990, 1950, 3990, 2310}, {5310, 1950, 5310, 2310}, {3990, 2220, 6270, 2220},
    };
    // clang-format on
}

// The double-ended thread plug gauge of the parallel tab, GO end left, NO-GO
// end right, each with its diameter on its outer side and its thread length
// below it; a grey line parts the two halves.
Sketch parallelGaugeSketch() {
    PlugGaugeLayout layout = kPlugGaugeLayout;
    layout.go = {1770, 660, 2970, 1500};
    layout.noGo = {4560, 660, 5460, 1500};
    layout.handleTop = 870;
    layout.handleBottom = 1290;
    layout.goMajor = {1770, 780, 1770, 780, 900};
    layout.noGoMajor = {5460, 6360, 5460, 6360, 6240};
    layout.goLength = LengthDimension{1770, 1500, 2970, 1500, 1950, 1860, 1770, 2970};
    layout.noGoLength = LengthDimension{4560, 1500, 5460, 1500, 1950, 1860, 4560, 5460};
    Sketch s{{3630, 150, 3630, 2460, 1, kGreyLine}};
    const Sketch plug = plugGaugeSketch(layout);
    s.insert(s.end(), plug.begin(), plug.end());
    return s;
}

// The sketch frame of a taper tab with its nine boxes, in the order shank,
// large end, plug step, overall length, taper length, ring outer diameter,
// ring step, small-end bore, ring length.
std::vector<QLineEdit*> taperGaugeFrame(QWidget* page, const QString& frameName, const QStringList& names, int top) {
    QWidget* f = makeFrame(page, frameName, QStringLiteral("圆锥光滑量规参数"), {120, top, 7260, 2415});
    new LineSketch(f, taperGaugeSketch());
    label(f, QStringLiteral("≤2\"螺纹规参数\u3000\u3000"), {2970, 150, 1800, 225});
    label(f, QStringLiteral("1:16"), {2280, 1290, 375, 210});
    label(f, QStringLiteral("1:16"), {4680, 1260, 375, 210});
    label(f, QStringLiteral("-0.05"), {810, 1365, 450, 210});
    label(f, QStringLiteral("+0.05"), {6060, 1140, 450, 210});
    const Tw places[] = {{510, 420, 700, 270},  {930, 930, 700, 270},   {2115, 180, 700, 270},
                         {630, 1830, 700, 270}, {2010, 1770, 700, 270}, {3360, 1140, 630, 270},
                         {5580, 270, 700, 270}, {5340, 1110, 700, 270}, {5490, 1890, 700, 270}};
    std::vector<QLineEdit*> boxes;
    for (int i = 0; i < std::ssize(places); ++i) boxes.push_back(makeBox(f, names[i], places[i]));
    return boxes;
}

// "1.内外螺纹有两种配合形式:"锥/锥"和"柱/锥"."
QString fitNote() { return QStringLiteral("1.内外螺纹有两种配合形式:\"锥/锥\"和\"柱/锥\"."); }

}  // namespace

Form7::Form7() : ToolWindow(QStringLiteral("Form7"), QStringLiteral("19.管螺纹参数"), 7500, 8790) {
    SSTab1 = new TabContainer(this, QStringLiteral("SSTab1"), {0, 0, 7500, 8790});
    buildTaper60Page(SSTab1->addPage(QStringLiteral("美制密封管螺纹60°")));
    buildTaper55Page(SSTab1->addPage(QStringLiteral("英制密封管螺纹55°")));
    buildParallel55Page(SSTab1->addPage(QStringLiteral("英制非密封管螺纹55°")));
    SSTab1->setCurrentIndex(0);
}

void Form7::buildTaper60Page(QWidget* page) {
    ListN = sizeListFrame(page, 2, QStringLiteral("ListN"), kTaper60, 2310, [this] { ListN_Click(); });

    threadFormFrame(page, 6, u'N', {0, 1, 2}, {1725, 480, 1770, 1440}, 675, nBoxes);
    diameterFrame(page, 3, QStringLiteral("基准平面内"), u'N', 4, {4, 5, 6}, {3585, 480, 1875, 1440}, 195, 990, nBoxes);
    QWidget* distance =
        makeFrame(page, arrayName(QStringLiteral("Frame1"), 4), QStringLiteral("基准距离"), {5550, 480, 1830, 1440});
    fieldRows(distance, nBoxes,
              {{QStringLiteral("N7"), 7, QStringLiteral("圈数")}, {QStringLiteral("N8"), 8, QStringLiteral("mm")}}, 195,
              420, 690, 945);

    QWidget* allowance =
        makeFrame(page, arrayName(QStringLiteral("Frame1"), 5), QStringLiteral("装配余量"), {1725, 2010, 2775, 780});
    QLineEdit* n10 = makeBox(allowance, QStringLiteral("N10"), {180, 360, 855, 270});
    makeLabel(allowance, arrayName(QStringLiteral("Label1"), 10), QStringLiteral("mm"), {1095, 390, 300, 225});
    makeLabel(allowance, arrayName(QStringLiteral("Label1"), 9), QStringLiteral("圈数"), {1560, 390, 420, 225});
    QLineEdit* n9 = makeBox(allowance, QStringLiteral("N9"), {1995, 360, 660, 270});
    nBoxes.push_back(n9);
    nBoxes.push_back(n10);
    makeLabel(page, arrayName(QStringLiteral("Label1"), 30), QStringLiteral("内螺纹钻孔直径"), {4680, 2070, 1395, 225});
    nBoxes.push_back(makeBox(page, QStringLiteral("N11"), {4680, 2370, 1260, 270}));
    auto* print = makeButton(page, QStringLiteral("Command1"), QStringLiteral("打 印"), {6180, 2250, 1080, 420});

    const std::vector<QLineEdit*> gauge =
        taperGaugeFrame(page, arrayName(QStringLiteral("Frame1"), 15),
                        {"N12", "N14", "N13", "N15", "N16", "N17", "N18", "N19", "N20"}, 2910);
    // Box order N12 to N20.
    for (int i : {0, 2, 1, 3, 4, 5, 6, 7, 8}) nBoxes.push_back(gauge[std::size_t(i)]);

    QWidget* marks =
        makeFrame(page, arrayName(QStringLiteral("Frame2"), 0), QStringLiteral("标记示例"), {120, 5430, 7260, 1560});
    label(marks, QStringLiteral("尺寸代号为4的左旋美制一般密封圆锥管螺纹:"), {240, 330, 6000, 225});
    label(marks, QStringLiteral("中国标准:  NPT 4-LH"), {600, 630, 2700, 225});
    label(marks, QStringLiteral("美国标准:  4-8NPT-LH"), {3600, 630, 2700, 225});
    label(marks, QStringLiteral("尺寸代号为3的右旋美制一般密封圆柱内螺纹:"), {240, 930, 6000, 225});
    label(marks, QStringLiteral("中国标准:  NPSC3"), {600, 1230, 2700, 225});
    label(marks, QStringLiteral("美国标准:  3-8NPSC"), {3600, 1230, 2700, 225});

    QWidget* notes =
        makeFrame(page, arrayName(QStringLiteral("Frame2"), 1), QStringLiteral("有关知识"), {120, 7095, 7260, 1290});
    label(notes, fitNote(), {240, 330, 6900, 225});
    label(notes, QStringLiteral("2.中国标准号:GB/T12716-2002"), {240, 630, 6900, 225});
    label(notes, QStringLiteral("3.内外螺纹最小有效长度=最大基准距离+装配余量."), {240, 930, 6900, 225});

    connect(print, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void Form7::buildTaper55Page(QWidget* page) {
    ListR = sizeListFrame(page, 1, QStringLiteral("ListR"), kTaper55, 2490, [this] { ListR_Click(); });
    auto* print = makeButton(page, QStringLiteral("Command2"), QStringLiteral("打 印"), {240, 3090, 1155, 420});

    threadFormFrame(page, 7, u'R', {24, 23, 22}, {1710, 480, 1905, 1500}, 765, rBoxes);
    diameterFrame(page, 8, QStringLiteral("基准平面内"), u'R', 4, {25, 26, 27}, {1710, 2070, 1905, 1470}, 195, 990,
                  rBoxes);

    // The right column: frames of one row each.
    const auto rowFrame = [page](const QString& name, const QString& caption, int top) {
        return makeFrame(page, name, caption, {3705, top, 3675, 720});
    };
    QWidget* distance = rowFrame(arrayName(QStringLiteral("Frame1"), 9), QStringLiteral("基准距离"), 480);
    QWidget* length = rowFrame(QStringLiteral("Frame3_0"), QStringLiteral("外螺纹的有效螺纹不小于"), 1260);
    QWidget* limit = rowFrame(QStringLiteral("Frame4"), QStringLiteral("内螺纹直径的极限偏差"), 2040);
    QWidget* allowance = rowFrame(arrayName(QStringLiteral("Frame1"), 0), QStringLiteral("装配余量"), 2820);

    std::vector<QLineEdit*> distanceBoxes, lengthBoxes;
    const auto threeInRow = [](QWidget* f, std::vector<QLineEdit*>& boxes, std::initializer_list<Field> fields) {
        int left = 150;
        for (const Field& fd : fields) {
            makeLabel(f, arrayName(QStringLiteral("Label1"), fd.label), fd.text, {left, 360, 420, 225});
            boxes.push_back(makeBox(f, fd.box, {left + 420, 330, 690, 270}));
            left += 1170;
        }
    };
    threeInRow(distance, distanceBoxes,
               {{QStringLiteral("R7"), 28, QStringLiteral("基本")},
                {QStringLiteral("R8"), 3, QStringLiteral("最大")},
                {QStringLiteral("R9"), 29, QStringLiteral("最小")}});
    threeInRow(length, lengthBoxes,
               {{QStringLiteral("R12"), 35, QStringLiteral("基本")},
                {QStringLiteral("R13"), 36, QStringLiteral("最大")},
                {QStringLiteral("R14"), 37, QStringLiteral("最小")}});

    makeLabel(limit, arrayName(QStringLiteral("Label1"), 40), QStringLiteral("径向"), {150, 360, 420, 225});
    QLineEdit* r15 = makeBox(limit, QStringLiteral("R15"), {570, 330, 765, 270});
    makeLabel(limit, arrayName(QStringLiteral("Label1"), 39), QStringLiteral("轴向圈数"), {1620, 360, 780, 225});
    QLineEdit* r16 = makeBox(limit, QStringLiteral("R16"), {2400, 330, 765, 270});

    QLineEdit* r10 = makeBox(allowance, QStringLiteral("R10"), {300, 330, 765, 270});
    makeLabel(allowance, arrayName(QStringLiteral("Label1"), 34), QStringLiteral("mm"), {1110, 330, 450, 270})
        ->setFont(songFont(12));
    makeLabel(allowance, arrayName(QStringLiteral("Label1"), 33), QStringLiteral("圈数"), {1920, 360, 420, 225});
    QLineEdit* r11 = makeBox(allowance, QStringLiteral("R11"), {2400, 330, 765, 270});

    rBoxes.insert(rBoxes.end(), distanceBoxes.begin(), distanceBoxes.end());
    rBoxes.insert(rBoxes.end(), {r10, r11});
    rBoxes.insert(rBoxes.end(), lengthBoxes.begin(), lengthBoxes.end());
    rBoxes.insert(rBoxes.end(), {r15, r16});

    const std::vector<QLineEdit*> gauge =
        taperGaugeFrame(page, arrayName(QStringLiteral("Frame1"), 10),
                        {"R20", "R21", "R22", "R23", "R24", "R25", "R26", "R27", "R28"}, 3630);
    rBoxes.insert(rBoxes.end(), gauge.begin(), gauge.end());

    QWidget* marks =
        makeFrame(page, arrayName(QStringLiteral("Frame2"), 3), QStringLiteral("标记示例"), {120, 6120, 7260, 1020});
    makeNote(marks,
             QStringLiteral("   英制密封圆柱内螺纹代号:Rp.圆锥内螺纹代号:Rc.圆锥外螺纹代号:R1(与圆柱内螺纹配合使用)."
                            "圆锥外螺纹代号:R2(与圆锥内螺纹配合使用)."),
             {120, 300, 7020, 660}, arrayName(QStringLiteral("Label1"), 21))
        ->setFont(songFont(9));  // a Song face, as the design's "新宋体"

    QWidget* notes =
        makeFrame(page, arrayName(QStringLiteral("Frame2"), 2), QStringLiteral("有关知识"), {120, 7200, 7260, 1530});
    makeLabel(notes, arrayName(QStringLiteral("Label1"), 19), fitNote(), {240, 300, 6900, 225});
    makeNote(notes,
             QStringLiteral("2.中国标准号:锥/锥配合的密封管螺纹GB/T7306.2-2000.柱/锥配合的密封管螺纹"
                            "GB/T7306.1-2000.非密封管螺纹GB/T7307-2001"),
             {240, 540, 6900, 450}, arrayName(QStringLiteral("Label1"), 20));
    makeLabel(notes, arrayName(QStringLiteral("Label1"), 43), QStringLiteral("3.尺寸代号约等于管子孔径."),
              {240, 960, 6900, 225});
    makeLabel(notes, arrayName(QStringLiteral("Label1"), 54),
              QStringLiteral("4.内外螺纹最小有效长度=最大基准距离+装配余量."), {240, 1200, 6900, 225});

    connect(print, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void Form7::buildParallel55Page(QWidget* page) {
    ListG = sizeListFrame(page, 11, QStringLiteral("ListG"), kParallel55, 2520, [this] { ListG_Click(); });
    auto* print = makeButton(page, QStringLiteral("Command3"), QStringLiteral("打 印"), {240, 3090, 1155, 420});

    threadFormFrame(page, 12, u'G', {45, 46, 47}, {1710, 480, 1905, 1500}, 765, gBoxes);
    diameterFrame(page, 13, QStringLiteral("内螺纹参数"), u'G', 4, {50, 49, 48}, {3705, 480, 3675, 1500}, 480, 1950,
                  gBoxes);

    QWidget* external = makeFrame(page, arrayName(QStringLiteral("Frame1"), 14), QStringLiteral("外螺纹参数"),
                                  {1710, 2070, 5670, 1170});
    makeLabel(external, arrayName(QStringLiteral("Label1"), 53), QStringLiteral("大径"), {150, 390, 420, 225});
    QLineEdit* g7 = makeBox(external, QStringLiteral("G7"), {600, 360, 1860, 270});
    makeLabel(external, arrayName(QStringLiteral("Label1"), 51), QStringLiteral("小径"), {150, 780, 420, 225});
    QLineEdit* g9 = makeBox(external, QStringLiteral("G9"), {600, 750, 1860, 270});
    makeLabel(external, arrayName(QStringLiteral("Label1"), 31), QStringLiteral("中径A级"), {2760, 390, 780, 225});
    QLineEdit* g8 = makeBox(external, QStringLiteral("G8"), {3570, 360, 1860, 270});
    makeLabel(external, arrayName(QStringLiteral("Label1"), 32), QStringLiteral("中径B级"), {2760, 780, 780, 225});
    QLineEdit* g80 = makeBox(external, QStringLiteral("G80"), {3570, 750, 1860, 270});
    gBoxes.insert(gBoxes.end(), {g7, g8, g80, g9});

    // Double-ended thread plug gauge: GO end left, NO-GO end right.
    QWidget* gauge =
        makeFrame(page, QStringLiteral("Frame3_10"), QStringLiteral("螺纹规参数"), {120, 3600, 7260, 2970});
    new LineSketch(gauge, parallelGaugeSketch());
    makeLabel(gauge, arrayName(QStringLiteral("lblMD"), 40), QStringLiteral("螺通规"), {3015, 975, 570, 225});
    makeLabel(gauge, arrayName(QStringLiteral("lblMD"), 39), QStringLiteral("螺止规"), {3810, 975, 570, 225});
    makeLabel(gauge, arrayName(QStringLiteral("lblMD"), 35), QStringLiteral("≤2\"螺纹规参数\u3000\u3000"),
              {2730, 2655, 2010, 255})
        ->setFont(songFont(10.5));
    makeLabel(gauge, arrayName(QStringLiteral("lblMD"), 46), QStringLiteral("大径"), {420, 690, 420, 225});
    QLineEdit* g10 = makeBox(gauge, QStringLiteral("G10"), {120, 945, 1560, 270});
    makeLabel(gauge, arrayName(QStringLiteral("lblMD"), 42), QStringLiteral("螺纹长度"), {1020, 1590, 720, 225});
    QLineEdit* g11 = makeBox(gauge, QStringLiteral("G11"), {2055, 1560, 630, 270});
    makeLabel(gauge, arrayName(QStringLiteral("lblMD"), 45), QStringLiteral("中径"), {690, 2025, 420, 225});
    QLineEdit* g12 = makeBox(gauge, QStringLiteral("G12"), {1140, 1995, 1560, 270});
    makeLabel(gauge, arrayName(QStringLiteral("lblMD"), 44), QStringLiteral("小径:≤"), {480, 2415, 660, 225});
    QLineEdit* g13 = makeBox(gauge, QStringLiteral("G13"), {1140, 2385, 1035, 270});
    makeLabel(gauge, arrayName(QStringLiteral("lblMD"), 38), QStringLiteral("大径"), {6330, 690, 420, 225});
    QLineEdit* g14 = makeBox(gauge, QStringLiteral("G14"), {5580, 945, 1560, 270});
    makeLabel(gauge, arrayName(QStringLiteral("lblMD"), 41), QStringLiteral("螺纹长度"), {3780, 1590, 720, 225});
    QLineEdit* g15 = makeBox(gauge, QStringLiteral("G15"), {4695, 1560, 630, 270});
    makeLabel(gauge, arrayName(QStringLiteral("lblMD"), 2), QStringLiteral("中径"), {4020, 2025, 420, 225});
    QLineEdit* g16 = makeBox(gauge, QStringLiteral("G16"), {4470, 1995, 1560, 270});
    makeLabel(gauge, arrayName(QStringLiteral("lblMD"), 3), QStringLiteral("小径:≤"), {3810, 2415, 660, 225});
    QLineEdit* g17 = makeBox(gauge, QStringLiteral("G17"), {4470, 2385, 1035, 270});
    gBoxes.insert(gBoxes.end(), {g10, g11, g12, g13, g14, g15, g16, g17});

    QWidget* marks =
        makeFrame(page, arrayName(QStringLiteral("Frame2"), 4), QStringLiteral("标记示例"), {120, 6660, 7260, 870});
    makeLabel(marks, arrayName(QStringLiteral("Label1"), 38), QStringLiteral("尺寸代号为2的右旋非密封圆柱内螺纹:G2"),
              {240, 300, 6900, 225});
    makeLabel(marks, arrayName(QStringLiteral("Label1"), 41),
              QStringLiteral("尺寸代号为3的A级右旋非密封圆柱外螺纹:G3A"), {240, 570, 6900, 225});

    QWidget* notes =
        makeFrame(page, arrayName(QStringLiteral("Frame2"), 5), QStringLiteral("有关知识"), {120, 7620, 7260, 1110});
    makeLabel(notes, arrayName(QStringLiteral("Label1"), 55), QStringLiteral("1.中国标准号:GB/T7307-2001"),
              {240, 300, 6900, 225});
    makeLabel(notes, arrayName(QStringLiteral("Label1"), 42), QStringLiteral("2.尺寸代号约等于管子孔径"),
              {240, 555, 6900, 225});
    makeLabel(notes, arrayName(QStringLiteral("Label1"), 44),
              QStringLiteral("3.三针测量M值的计算参照<通用三针直径、M值计算>软件."), {240, 810, 6900, 225});

    connect(print, &QPushButton::clicked, this, [this] { Command3_Click(); });
}

void Form7::ListN_Click() { showRow(ListN, taper60Texts, nBoxes); }
void Form7::ListR_Click() { showRow(ListR, taper55Texts, rBoxes); }
void Form7::ListG_Click() { showRow(ListG, parallel55Texts, gBoxes); }
void Form7::Command1_Click() { printWindow(this); }
void Form7::Command2_Click() { printWindow(this); }
void Form7::Command3_Click() { printWindow(this); }
