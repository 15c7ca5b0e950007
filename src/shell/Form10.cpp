#include "shell/Form10.h"

#include <QLabel>

#include <array>

#include "common/ui/controls.h"
#include "common/ui/fonts.h"
#include "shell/toolslot.h"

using namespace quorvil;

namespace {

struct Slot {
    const char* caption;
    int label;  // element of the caption label array
    int labelLeft, labelTop;
    int ole;  // number of the slot OLE1 .. OLE14
    Tw box;
};

// Four rows of four, four, three and three slots.
constexpr std::array<Slot, 14> kSlots = {{
    {"通用量规标准", 10, 300, 240, 11, {180, 600, 1455, 855}},
    {"英文螺纹1", 9, 2220, 240, 10, {1980, 600, 1515, 885}},
    {"英文螺纹2", 11, 3960, 240, 12, {3720, 600, 1515, 915}},
    {"五金件展开计算", 12, 5460, 240, 13, {5460, 600, 1515, 915}},
    {"公差与配合", 3, 375, 1575, 1, {195, 1935, 1500, 780}},
    {"金额大写转换", 4, 2085, 1575, 4, {1950, 1935, 1500, 780}},
    {"温度转换", 5, 3975, 1575, 5, {3705, 1935, 1500, 780}},
    {"仿真科学计算器", 13, 5460, 1620, 14, {5460, 1920, 1515, 855}},
    {"型钢重量计算", 0, 330, 3015, 3, {195, 3330, 1500, 780}},
    {"螺栓重量计算", 1, 2085, 3015, 2, {1920, 3330, 1500, 780}},
    {"局域网查看工具", 2, 3705, 3015, 6, {3660, 3330, 1500, 780}},
    {"实用计算器", 8, 300, 4335, 7, {180, 4725, 1500, 780}},
    {"挂轮计算", 7, 2280, 4335, 8, {1950, 4725, 1500, 780}},
    {"常用计算单位换算", 6, 3555, 4335, 9, {3690, 4725, 1500, 780}},
}};

// Widths of the caption labels by element.
constexpr std::array<int, 14> kLabelWidths = {1275, 1275, 1590, 1275, 1275, 960,  1830,
                                              945,  1275, 1275, 1275, 1095, 1560, 1560};

}  // namespace

Form10::Form10() : ToolWindow(QStringLiteral("Form10"), QStringLiteral("1.网上搜集的软件"), 7200, 5865) {
    const QFont captionFont = songFont(10.5);
    for (const Slot& s : kSlots) {
        auto* label = makeLabel(this, arrayName(QStringLiteral("Label1"), s.label), QString::fromUtf8(s.caption),
                                {s.labelLeft, s.labelTop, kLabelWidths[static_cast<std::size_t>(s.label)], 285});
        label->setFont(captionFont);
        auto* slot = new ToolSlot(this, QStringLiteral("OLE%1").arg(s.ole));
        place(slot, s.box);
    }
}
