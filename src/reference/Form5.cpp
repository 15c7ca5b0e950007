#include "reference/Form5.h"

#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <optional>

#include "common/ui/boxio.h"
#include "common/ui/controls.h"
#include "common/ui/fonts.h"
#include "common/ui/tabcontainer.h"
#include "common/ui/viewtext.h"
#include "reference/optionclick.h"
#include "reference/worktimes.h"

using namespace quorvil;
using namespace quorvil::reference;

namespace {

// One option per entry of `options`, from `top` down in steps of 300 twips;
// the first one selected.
template <std::size_t N, std::size_t M>
void addOptions(QWidget* frame, const std::array<TimeOption, M>& options, std::size_t first,
                std::array<QRadioButton*, N>& out, int left, int top, int width) {
    for (std::size_t i = 0; i < N; ++i) {
        const TimeOption& o = options[first + i];
        out[i] = makeOption(frame, fromView(o.name), fromView(o.caption), {left, top + int(i) * 300, width, 255});
        narrowToCaption(out[i]);
    }
}

template <std::size_t N>
std::optional<std::size_t> selected(const std::array<QRadioButton*, N>& options) {
    const auto it = std::find_if(options.begin(), options.end(), [](QRadioButton* o) { return o->isChecked(); });
    if (it == options.end()) return std::nullopt;
    return std::size_t(it - options.begin());
}

// Result box: centred, bold "宋体" 10.5 in dark blue.
QLineEdit* resultBox(QWidget* parent, const QString& name, Tw geo) {
    QLineEdit* b = makeBox(parent, name, geo);
    b->setFont(songFont(10.5, true));
    QPalette p = b->palette();
    p.setColor(QPalette::Text, QColor(0, 0, 192));
    b->setPalette(p);
    return b;
}

}  // namespace

Form5::Form5() : ToolWindow(QStringLiteral("Form5"), QStringLiteral("17.钻孔、攻丝工时计算"), 5580, 6300) {
    SSTab1 = new TabContainer(this, QStringLiteral("SSTab1"), {0, 0, 5580, 6300});

    // Drilling: depth ranges in two columns of twelve, diameters in one.
    QWidget* drill = SSTab1->addPage(QStringLiteral("钻孔工时计算"));
    std::array<QRadioButton*, 12> left{}, right{};
    QWidget* depth = makeFrame(drill, arrayName(QStringLiteral("Frame1"), 1), QStringLiteral("选择钻孔深度"),
                               {120, 480, 3300, 3990});
    addOptions(depth, kDrillDepths, 0, left, 150, 330, 1530);
    addOptions(depth, kDrillDepths, 12, right, 1710, 330, 1530);
    std::copy(left.begin(), left.end(), drillDepths_.begin());
    std::copy(right.begin(), right.end(), drillDepths_.begin() + 12);
    QWidget* diameter =
        makeFrame(drill, QStringLiteral("Frame12"), QStringLiteral("选择钻孔直径"), {3540, 480, 1920, 3090});
    addOptions(diameter, kDrillDiameters, 0, drillDiameters_, 240, 330, 1590);
    Text366 = resultBox(drill, QStringLiteral("Text366"), {3540, 3780, 1020, 390});
    auto* drillButton = makeButton(drill, QStringLiteral("Command101"), QStringLiteral("工时"), {4680, 3765, 780, 420});
    makeNote(drill, QStringLiteral("  注1:装夹时间:手搬件0.5'(不须校正)、1.5'(校正).吊运件:10(不须校正)、15'(校正)。"),
             {120, 4590, 5340, 480}, arrayName(QStringLiteral("Label1"), 33));
    makeNote(drill,
             QStringLiteral(
                 "  注2:打角度斜孔、半同心孔、深度小于5、Z80钻床加工的查出后乘以K=1.25。钻孔深度超出软件的分两次查出"
                 "(一次钻孔深度≥210为加长钻，K=1.25;≥350  K=1.5; ≥400  K=1.75)； 深度≥350调头钻，按两次装夹。"
                 "孔数>7时，K=0.9"),
             {120, 5130, 5340, 1020}, arrayName(QStringLiteral("Label1"), 34));

    // Tapping: all in one frame, depth ranges left, sizes right.
    QWidget* tap = SSTab1->addPage(QStringLiteral("攻丝工时计算"));
    QWidget* all = makeFrame(tap, QStringLiteral("Frame4"), QStringLiteral("攻丝工时计算"), {120, 480, 5340, 5670});
    QWidget* tapDepth =
        makeFrame(all, QStringLiteral("Frame101"), QStringLiteral("选择攻丝深度"), {180, 360, 2400, 3390});
    addOptions(tapDepth, kTapDepths, 0, tapDepths_, 240, 330, 1980);
    QWidget* size = makeFrame(all, QStringLiteral("Frame124"), QStringLiteral("选择攻丝直径"), {2760, 360, 2400, 2190});
    addOptions(size, kTapSizes, 0, tapSizes_, 240, 330, 1980);
    Text365 = resultBox(all, QStringLiteral("Text365"), {180, 3960, 1500, 390});
    auto* tapButton = makeButton(all, QStringLiteral("Command105"), QStringLiteral("工 时"), {1800, 3945, 780, 420});
    makeNote(all, QStringLiteral("注1:装夹时间:手搬件另加0.5分钟.吊运件另加10分钟。"), {180, 4560, 4980, 300},
             arrayName(QStringLiteral("Label1"), 31));
    makeNote(all, QStringLiteral("注2:细牙乘以K=1.25、英制，美制锥管K=2，同螺径≤2只者K=1.25"), {180, 4950, 4980, 540},
             arrayName(QStringLiteral("Label1"), 32));

    for (QRadioButton* first : {drillDiameters_[0], drillDepths_[0], tapSizes_[0], tapDepths_[0]})
        first->setChecked(true);
    connect(drillButton, &QPushButton::clicked, this, [this] { Command101_Click(); });
    connect(tapButton, &QPushButton::clicked, this, [this] { Command105_Click(); });
    SSTab1->setCurrentIndex(0);
}

void Form5::Command101_Click() {
    const auto depth = selected(drillDepths_), diameter = selected(drillDiameters_);
    if (depth && diameter) showText(Text366, fromView(drillingTime(*depth, *diameter)));
}

void Form5::Command105_Click() {
    const auto depth = selected(tapDepths_), size = selected(tapSizes_);
    if (depth && size) showText(Text365, fromView(tappingTime(*depth, *size)));
}
