#include "workshop/Form3.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>

#include "common/ui/controls.h"
#include "common/ui/defaultbutton.h"
#include "common/ui/fonts.h"
#include "common/ui/formatbox.h"
#include "common/ui/labels.h"
#include "common/ui/linesketch.h"
#include "common/ui/lookuplist.h"
#include "common/ui/refusal.h"
#include "common/ui/tabcontainer.h"
#include "common/ui/viewtext.h"
#include "workshop/pressinputs.h"
#include "workshop/steppedpartframe.h"
#include "workshop/weightsketches.h"
#include "workshop/weighttables.h"
#include "workshop/weightui.h"

using namespace quorvil;
using namespace quorvil::partsketch;

namespace {

constexpr int kTurnedColumn = 4650;  // the right-hand column of turned parts 一, 三 and 四
constexpr std::uint32_t kBlue = 0x0000FF, kDarkBlue = 0x000080;

// This window's result boxes have "Kg" 30 twips behind them.
constexpr int kKgGap = 30;

weight::Material materialOf(const std::array<QRadioButton*, 4>& options) {
    constexpr weight::Material order[] = {weight::Material::CarbonSteel, weight::Material::Copper,
                                          weight::Material::Brass, weight::Material::Aluminium};
    for (std::size_t i = 0; i < options.size(); ++i)
        if (options[i]->isChecked()) return order[i];
    return weight::Material::CarbonSteel;  // one option is always selected
}

// Draws list items on the grid the density list was written for: blanks as
// wide as a digit, a Chinese character as wide as two, a tab stop every
// eight blanks. Each run of characters between blanks and tabs starts at its
// place on that grid, so the densities stand in one column whatever the
// widths of the letters before them.
class GridDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QWidget* view = opt.widget;
        QStyle* style = view ? view->style() : QApplication::style();
        // The text where the style would put it, with the style's margin.
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
        const QRect area =
            style->subElementRect(QStyle::SE_ItemViewItemText, &opt, view).adjusted(margin, 0, -margin, 0);
        const QString text = opt.text;
        opt.text.clear();  // the style draws the background, selection and focus
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, view);

        const QPalette::ColorGroup group = !(opt.state & QStyle::State_Enabled) ? QPalette::Disabled
                                           : (opt.state & QStyle::State_Active) ? QPalette::Active
                                                                                : QPalette::Inactive;
        painter->save();
        painter->setFont(opt.font);
        painter->setPen(opt.palette.color(
            group, (opt.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text));
        const qreal cell = QFontMetricsF(opt.font).horizontalAdvance(QLatin1Char('0'));
        int column = 0;  // in blanks
        for (qsizetype i = 0; i < text.size();) {
            if (text[i] == u'\t') {
                column = (column / 8 + 1) * 8;
                ++i;
            } else if (text[i] == u' ') {
                ++column;
                ++i;
            } else {
                const qsizetype start = i;
                const int startColumn = column;
                for (; i < text.size() && text[i] != u'\t' && text[i] != u' '; ++i) column += isWide(text[i]) ? 2 : 1;
                painter->drawText(QRectF(area.left() + startColumn * cell, area.top(), area.width(), area.height()),
                                  Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text.mid(start, i - start));
            }
        }
        painter->restore();
    }

private:
    // Chinese characters, their punctuation and full-width forms.
    static bool isWide(QChar c) {
        const char16_t u = c.unicode();
        return (u >= 0x2E80 && u <= 0xA4CF) || (u >= 0xF900 && u <= 0xFAFF) || (u >= 0xFE30 && u <= 0xFE4F) ||
               (u >= 0xFF00 && u <= 0xFF60) || (u >= 0xFFE0 && u <= 0xFFE6);
    }
};

}  // namespace

Form3::Form3() : ToolWindow(QStringLiteral("Form3"), QStringLiteral("15.重量计算1"), 6570, 7725) {
    SSTab1 = new TabContainer(this, QStringLiteral("SSTab1"), {0, 0, 6570, 7725});
    buildBars(SSTab1->addPage(QStringLiteral("型钢重")));
    buildTurnedParts12(SSTab1->addPage(QStringLiteral("重量1")));
    buildTurnedParts34(SSTab1->addPage(QStringLiteral("重量2")));
    buildBlocksAndSections(SSTab1->addPage(QStringLiteral("重量3")));
    buildRings(SSTab1->addPage(QStringLiteral("重量4")));

    QWidget* stepped = SSTab1->addPage(QStringLiteral("重量5"));
    steppedThree = new SteppedPartFrame(
        stepped, SteppedPartFrame::Layout::ThreeSections,
        {arrayName(QStringLiteral("Frame1"), 1), QStringLiteral("Commanda"), QStringLiteral("Commandb")},
        {kWeightFrameLeft, 450, kWeightFrameWidth, 2700});
    steppedFour = new SteppedPartFrame(
        stepped, SteppedPartFrame::Layout::FourSections,
        {arrayName(QStringLiteral("Frame2"), 5), QStringLiteral("Commandd"), QStringLiteral("Commandc")},
        {kWeightFrameLeft, 3240, kWeightFrameWidth, 3780});
    connect(steppedThree->calculateButton(), &QPushButton::clicked, this, [this] { Commanda_Click(); });
    connect(steppedThree->clearButton(), &QPushButton::clicked, this, [this] { Commandb_Click(); });
    connect(steppedFour->calculateButton(), &QPushButton::clicked, this, [this] { Commandd_Click(); });
    connect(steppedFour->clearButton(), &QPushButton::clicked, this, [this] { Commandc_Click(); });

    buildDensityList(SSTab1->addPage(QStringLiteral("比重")));
    SSTab1->setCurrentIndex(0);
}

// ---- Tab 0: bars, tube and plate of a listed material ------------------------

void Form3::buildBars(QWidget* page) {
    struct Input {
        QString name, caption;
    };
    // One frame: caption, four material options, inputs left to right, the
    // result and the buttons. `firstOption` numbers the options Option1..20.
    auto frame = [page](const QString& name, const QString& caption, std::uint32_t colour, int top, int firstOption,
                        std::initializer_list<Input> inputs, std::vector<QLineEdit*>& boxes, Materials& material) {
        CaptionFrame* f = makeFrame(page, name, caption, {kWeightFrameLeft, top, kWeightFrameWidth, 1350});
        f->setCaptionColor(QColor::fromRgb(colour));
        static const QString names[] = {QStringLiteral("碳素钢"), QStringLiteral("紫铜"), QStringLiteral("黄铜"),
                                        QStringLiteral("铝")};
        for (int i = 0; i < std::ssize(names); ++i)
            material[std::size_t(i)] = makeOption(f, QStringLiteral("Option") + QString::number(firstOption + i),
                                                  names[i], {240 + 1200 * i, 285, 900, 255});
        material[0]->setChecked(true);
        int x = 120;
        for (const Input& in : inputs) {
            label(f, in.caption, {x, 630, 1200, 255});
            boxes.push_back(makeBox(f, in.name, {x, 900, 900, kWeightBoxHeight}));
            label(f, QStringLiteral("mm"), {x + 930, 930, 300, 255});
            x += 1290;
        }
        return std::pair{f, x};
    };

    // The three bars: size and length, the weight, one button.
    struct BarFrame {
        QString name, caption;
        int top, firstOption;
        QString size, sizeCaption, length, result, button;
        void (Form3::*click)();
        Materials* material;
        QLineEdit **sizeBox, **lengthBox;
        FormatBox** resultBox;
    };
    // clang-format off
    const BarFrame bars[] = {
        {arrayName(QStringLiteral("Frame1"), 0), QStringLiteral("1、圆钢类"), 450, 1,
         QStringLiteral("txtq1"), QStringLiteral("输入直径"), QStringLiteral("txtq2"), QStringLiteral("txtq3"),
         QStringLiteral("Command001"), &Form3::Command001_Click, &roundMaterial, &txtq1, &txtq2, &txtq3},
        {arrayName(QStringLiteral("Frame2"), 1), QStringLiteral("2、四方钢类"), 1860, 5,
         QStringLiteral("txtq4"), QStringLiteral("输入四方"), QStringLiteral("txtq5"), QStringLiteral("txtq6"),
         QStringLiteral("Command002"), &Form3::Command002_Click, &squareMaterial, &txtq4, &txtq5, &txtq6},
        {arrayName(QStringLiteral("Frame2"), 2), QStringLiteral("3.六角钢类"), 3270, 9,
         QStringLiteral("txtq7"), QStringLiteral("输入对边宽"), QStringLiteral("txtq8"), QStringLiteral("txtq9"),
         QStringLiteral("Command1"), &Form3::Command1_Click, &hexagonMaterial, &txtq7, &txtq8, &txtq9},
    };
    // clang-format on
    std::vector<QLineEdit*> b;
    for (const BarFrame& bar : bars) {
        b.clear();
        auto [f, x] = frame(bar.name, bar.caption, kBlue, bar.top, bar.firstOption,
                            {{bar.size, bar.sizeCaption}, {bar.length, QStringLiteral("输入长度")}}, b, *bar.material);
        *bar.sizeBox = b[0];
        *bar.lengthBox = b[1];
        *bar.resultBox = makeWeightResult(f, bar.result, x, 900, kKgGap);
        connect(makeButton(f, bar.button, QStringLiteral("计 算"), {x + 1290, 870, 780, 345}), &QPushButton::clicked,
                this, [this, click = bar.click] { (this->*click)(); });
    }
    // The round bar's diameter is typed in dark blue.
    QPalette darkBlue = txtq1->palette();
    darkBlue.setColor(QPalette::Text, QColor::fromRgb(kDarkBlue));
    txtq1->setPalette(darkBlue);

    b.clear();
    auto [tube, tx] = frame(arrayName(QStringLiteral("Frame1"), 2), QStringLiteral("4.钢管类"), kDarkBlue, 4680, 13,
                            {{QStringLiteral("txtqzv11"), QStringLiteral("输入外圆直径")},
                             {QStringLiteral("txtqzv21"), QStringLiteral("输入内孔直径")},
                             {QStringLiteral("txtqzv31"), QStringLiteral("输入零件长度")}},
                            b, tubeMaterial);
    txtqzv11 = b[0];
    txtqzv21 = b[1];
    txtqzv31 = b[2];
    label(tube, QStringLiteral("显示零件重量"), {tx, 630, 1200, 255});
    txtqzv41 = makeWeightResult(tube, QStringLiteral("txtqzv41"), tx, 900, kKgGap);
    connect(makeButton(tube, QStringLiteral("Command123"), QStringLiteral("计 算"), {tx + 1290, 510, 780, 345}),
            &QPushButton::clicked, this, [this] { Command123_Click(); });
    connect(makeButton(tube, QStringLiteral("Command456"), QStringLiteral("清 除"), {tx + 1290, 915, 780, 345}),
            &QPushButton::clicked, this, [this] { Command456_Click(); });

    b.clear();
    auto [plate, px] = frame(arrayName(QStringLiteral("Frame2"), 0), QStringLiteral("5.钢板类"), kBlue, 6090, 17,
                             {{QStringLiteral("txtq10"), QStringLiteral("输入长度")},
                              {QStringLiteral("txtq11"), QStringLiteral("输入宽度")},
                              {QStringLiteral("txtq12"), QStringLiteral("输入厚度")}},
                             b, plateMaterial);
    txtq10 = b[0];
    txtq11 = b[1];
    txtq12 = b[2];
    label(plate, QStringLiteral("显示重量"), {px, 630, 1200, 255});
    txtq13 = makeWeightResult(plate, QStringLiteral("txtq13"), px, 900, kKgGap);
    connect(makeButton(plate, QStringLiteral("Command2"), QStringLiteral("计 算"), {px + 1290, 870, 780, 345}),
            &QPushButton::clicked, this, [this] { Command2_Click(); });
}

namespace {
// A bar of a listed material: its size and length.
void showBarWeight(weight::Bar bar, const std::array<QRadioButton*, 4>& material, QLineEdit* size, QLineEdit* length,
                   QLineEdit* result) {
    PressInputs v;
    const double a = v.leading(size), L = v.leading(length);
    if (!v.ok()) return;
    showWeight(v, result, weight::barWeight(bar, materialOf(material), a, L));
}
}  // namespace

void Form3::Command001_Click() { showBarWeight(weight::Bar::Round, roundMaterial, txtq1, txtq2, txtq3); }
void Form3::Command002_Click() { showBarWeight(weight::Bar::Square, squareMaterial, txtq4, txtq5, txtq6); }
void Form3::Command1_Click() { showBarWeight(weight::Bar::Hexagon, hexagonMaterial, txtq7, txtq8, txtq9); }

void Form3::Command123_Click() {
    PressInputs v(Held::Single);
    const double D = v.leading(txtqzv11), d = v.leading(txtqzv21), L = v.leading(txtqzv31);
    if (!v.ok()) return;
    showWeight(v, txtqzv41, weight::tubeWeight(materialOf(tubeMaterial), D, d, L));
}

void Form3::Command456_Click() {
    for (QLineEdit* b : {txtqzv11, txtqzv21, txtqzv31}) b->clear();
    txtqzv41->clear();
}

void Form3::Command2_Click() {
    PressInputs v;
    const double L = v.leading(txtq10), B = v.leading(txtq11), T = v.leading(txtq12);
    if (!v.ok()) return;
    showWeight(v, txtq13, weight::plateWeight(materialOf(plateMaterial), L, B, T));
}

// ---- Tab 1: turned parts 一 and 二 ------------------------------------------

void Form3::buildTurnedParts12(QWidget* page) {
    {
        QWidget* f = makeFrame(page, QStringLiteral("复杂件重量计算"), QStringLiteral("复杂件重量计算一"),
                               {kWeightFrameLeft, 450, kWeightFrameWidth, 3330});
        new LineSketch(f, twoBoreTurnedSketch());

        txtwg7 = makeBox(f, QStringLiteral("txtwg7"), {2010, 338, 600, kWeightBoxHeight});
        txtwg1 = makeBox(f, QStringLiteral("txtwg1"), {1500, 668, 600, kWeightBoxHeight});
        txtwg2 = makeBox(f, QStringLiteral("txtwg2"), {390, 1747, 540, kWeightBoxHeight});
        txtwg5 = makeBox(f, QStringLiteral("txtwg5"), {3750, 1747, 600, kWeightBoxHeight});
        txtwg3 = makeBoreBox(f, QStringLiteral("txtwg3"), {1410, 1747, 540, kWeightBoxHeight});
        txtwg4 = makeBoreBox(f, QStringLiteral("txtwg4"), {2640, 1747, 540, kWeightBoxHeight});
        txtwg6 = makeBoreBox(f, QStringLiteral("txtwg6"), {2130, 2828, 600, kWeightBoxHeight});
        Option22 =
            makeUnitOptions(f, QStringLiteral("Option21"), QStringLiteral("MM"), QStringLiteral("Option22"), 120, 300);
        const WeightColumn c =
            makeWeightColumn(f, kTurnedColumn,
                             {QStringLiteral("txtwg9"), QStringLiteral("txtwg8"), QStringLiteral("Commandwg"),
                              QStringLiteral("Commandwg1"), QStringLiteral("输入比重:")},
                             WeightColumnLayout::Noted);
        txtwg9 = c.density;
        txtwg8 = c.result;
        connect(c.calculate, &QPushButton::clicked, this, [this] { Commandwg_Click(); });
        connect(c.clear, &QPushButton::clicked, this, [this] { Commandwg1_Click(); });
    }
    {
        QWidget* f = makeFrame(page, arrayName(QStringLiteral("Frame2"), 3), QStringLiteral("复杂件重量计算二"),
                               {kWeightFrameLeft, 3870, kWeightFrameWidth, 3330});
        new LineSketch(f, threeSectionTurnedSketch());

        txtwg11 = makeBox(f, QStringLiteral("txtwg11"), {1470, 668, 600, kWeightBoxHeight});
        txtwg12 = makeBox(f, QStringLiteral("txtwg12"), {3750, 668, 600, kWeightBoxHeight});
        txtwg13 = makeBox(f, QStringLiteral("txtwg13"), {840, 1747, 540, kWeightBoxHeight});
        txtwg15 = makeBox(f, QStringLiteral("txtwg15"), {2460, 1335, 600, kWeightBoxHeight});
        txtwg16 = makeBox(f, QStringLiteral("txtwg16"), {4890, 1747, 600, kWeightBoxHeight});
        txtwg14 = makeBoreBox(f, QStringLiteral("txtwg14"), {3060, 1747, 480, kWeightBoxHeight});
        txtwg17 = makeBox(f, QStringLiteral("txtwg17"), {2670, 2798, 600, kWeightBoxHeight});
        Option24 =
            makeUnitOptions(f, QStringLiteral("Option23"), QStringLiteral("MM"), QStringLiteral("Option24"), 120, 300);
        const WeightColumn c = makeWeightColumn(
            f, 4560, {{}, QStringLiteral("txtwg18"), QStringLiteral("Commandwg2"), QStringLiteral("Commandwg3")},
            WeightColumnLayout::ButtonRow);
        txtwg18 = c.result;
        connect(c.calculate, &QPushButton::clicked, this, [this] { Commandwg2_Click(); });
        connect(c.clear, &QPushButton::clicked, this, [this] { Commandwg3_Click(); });
        txtwg19 = makeDensityBox(f, QStringLiteral("txtwg19"), QStringLiteral("输入比重:"), 120, 2685);
        makeDensityNote(f, {3360, 3000, 2820, 255});
    }
}

// The turned parts, the ring and the body of revolution: the section whose
// length is the rest of the overall length, and that length, make the part;
// the other sections and the bores may be left empty (a bore box opens with
// 0), both boxes of a section or a bore with its depth together.

void Form3::Commandwg_Click() {
    PressInputs v(Held::Single);
    const auto [D1, l1] = v.leadingSection(txtwg2, txtwg1);
    const auto [d1, h1] = v.leadingSection(txtwg3, txtwg6);
    const double d2 = v.leadingOrZero(txtwg4), D2 = v.leading(txtwg5), L = v.leading(txtwg7);
    const double rho = v.density(txtwg9);
    if (!v.ok()) return;
    showWeight(v, txtwg8, weight::twoBoreTurnedWeight({l1, D1, d1, d2, D2, h1, L, rho}, unitOf(Option22)));
}

void Form3::Commandwg1_Click() {
    for (QLineEdit* b : {txtwg1, txtwg2, txtwg3, txtwg4, txtwg5, txtwg6, txtwg7}) b->clear();
    txtwg8->clear();
    txtwg9->clear();
}

void Form3::Commandwg2_Click() {
    PressInputs v(Held::Single);
    const auto [DA, lA] = v.leadingSection(txtwg13, txtwg11);
    const auto [DC, lC] = v.leadingSection(txtwg16, txtwg12);
    const double d = v.leadingOrZero(txtwg14), DB = v.leading(txtwg15), L = v.leading(txtwg17);
    const double rho = v.density(txtwg19);
    if (!v.ok()) return;
    showWeight(v, txtwg18, weight::threeSectionTurnedWeight({lA, lC, DA, d, DB, DC, L, rho}, unitOf(Option24)));
}

void Form3::Commandwg3_Click() {
    for (QLineEdit* b : {txtwg11, txtwg12, txtwg13, txtwg14, txtwg15, txtwg16, txtwg17}) b->clear();
    txtwg18->clear();
}

// ---- Tab 2: turned parts 三 and 四 ------------------------------------------

void Form3::buildTurnedParts34(QWidget* page) {
    {
        QWidget* f = makeFrame(page, QStringLiteral("Frame5"), QStringLiteral("复杂件重量计算三"),
                               {kWeightFrameLeft, 450, kWeightFrameWidth, 3300});
        new LineSketch(f, twoSectionTurnedSketch());

        txtwg07 = makeBox(f, QStringLiteral("txtwg07"), {2070, 308, 600, kWeightBoxHeight});
        txtwg01 = makeBox(f, QStringLiteral("txtwg01"), {1560, 638, 600, kWeightBoxHeight});
        txtwg02 = makeBox(f, QStringLiteral("txtwg02"), {450, 1717, 540, kWeightBoxHeight});
        txtwg05 = makeBox(f, QStringLiteral("txtwg05"), {3810, 1717, 600, kWeightBoxHeight});
        txtwg04 = makeBoreBox(f, QStringLiteral("txtwg04"), {2760, 1717, 540, kWeightBoxHeight});
        Option25 =
            makeUnitOptions(f, QStringLiteral("Option26"), QStringLiteral("MM"), QStringLiteral("Option25"), 120, 300);
        const WeightColumn c = makeWeightColumn(f, kTurnedColumn,
                                                {QStringLiteral("txtwg03"), QStringLiteral("txtwg08"),
                                                 QStringLiteral("Commandwg0"), QStringLiteral("Command3")},
                                                WeightColumnLayout::Noted);
        txtwg03 = c.density;
        txtwg08 = c.result;
        connect(c.calculate, &QPushButton::clicked, this, [this] { Commandwg0_Click(); });
        connect(c.clear, &QPushButton::clicked, this, [this] { Command3_Click(); });
    }
    {
        QWidget* f = makeFrame(page, arrayName(QStringLiteral("Frame1"), 3), QStringLiteral("复杂件重量计算四"),
                               {kWeightFrameLeft, 3840, kWeightFrameWidth, 3360});
        new LineSketch(f, blindBoredCylinderSketch());

        txtwg21 = makeBox(f, QStringLiteral("txtwg21"), {2220, 638, 600, kWeightBoxHeight});
        txtwg22 = makeBox(f, QStringLiteral("txtwg22"), {840, 1777, 540, kWeightBoxHeight});
        txtwg23 = makeBox(f, QStringLiteral("txtwg23"), {2490, 1777, 600, kWeightBoxHeight});
        txtwg24 = makeBox(f, QStringLiteral("txtwg24"), {3990, 1777, 600, kWeightBoxHeight});
        Option28 =
            makeUnitOptions(f, QStringLiteral("Option27"), QStringLiteral("MM"), QStringLiteral("Option28"), 120, 300);
        const WeightColumn c = makeWeightColumn(
            f, kTurnedColumn,
            {QStringLiteral("txtwg26"), {}, QStringLiteral("Commandwg5"), QStringLiteral("Commandwg6")},
            WeightColumnLayout::Noted);
        txtwg26 = c.density;
        label(f, QStringLiteral("显示重量"), {120, 2745, 900, 255});
        txtwg25 = makeWeightResult(f, QStringLiteral("txtwg25"), 120, 3000, kKgGap);  // at the bottom left
        connect(c.calculate, &QPushButton::clicked, this, [this] { Commandwg5_Click(); });
        connect(c.clear, &QPushButton::clicked, this, [this] { Commandwg6_Click(); });
    }
}

void Form3::Commandwg0_Click() {
    PressInputs v(Held::Single);
    const auto [D1, l1] = v.leadingSection(txtwg02, txtwg01);
    const double d = v.leadingOrZero(txtwg04), D2 = v.leading(txtwg05), L = v.leading(txtwg07);
    const double rho = v.density(txtwg03);
    if (!v.ok()) return;
    showWeight(v, txtwg08, weight::twoSectionTurnedWeight({l1, D1, d, D2, L, rho}, unitOf(Option25)));
}

void Form3::Command3_Click() {
    for (QLineEdit* b : {txtwg01, txtwg02, txtwg03, txtwg04, txtwg05, txtwg07}) b->clear();
    txtwg08->clear();
}

void Form3::Commandwg5_Click() {
    PressInputs v(Held::Single);
    const double L = v.leading(txtwg21), D = v.leading(txtwg22);
    const auto [d, h] = v.leadingSection(txtwg24, txtwg23);
    const double rho = v.density(txtwg26);
    if (!v.ok()) return;
    showWeight(v, txtwg25, weight::blindBoredCylinderWeight({L, D, h, d, rho}, unitOf(Option28)));
}

void Form3::Commandwg6_Click() {
    for (QLineEdit* b : {txtwg21, txtwg22, txtwg23, txtwg24}) b->clear();
    txtwg25->clear();
}

// ---- Tab 3: cuboid, trapezoid, angle and channel steel -----------------------

void Form3::buildBlocksAndSections(QWidget* page) {
    {
        CaptionFrame* f = makeFrame(page, arrayName(QStringLiteral("Frame1"), 6), QStringLiteral("立方体重量"),
                                    {kWeightFrameLeft, 450, kWeightFrameWidth, 2130});
        new LineSketch(f, cuboidSketch());

        txtw60 = makeBox(f, QStringLiteral("txtw60"), {2122, 458, 600, kWeightBoxHeight});
        txtw61 = makeBox(f, QStringLiteral("txtw61"), {870, 1297, 540, kWeightBoxHeight});
        label(f, QStringLiteral("输入厚度"), {2040, 1110, 900, 255});
        txtw62 = makeBox(f, QStringLiteral("txtw62"), {2122, 1380, 600, kWeightBoxHeight});
        Option33 =
            makeUnitOptions(f, QStringLiteral("Option34"), QStringLiteral("MM"), QStringLiteral("Option33"), 120, 300);
        txtw63 = makeDensityBox(f, QStringLiteral("txtw63"), QStringLiteral("输入比重"), 3690, 390);
        makeDensityNote(f, {3690, 960, 2640, 480});
        txtw64 = makeBox(f, QStringLiteral("txtw64"), {3690, 1560, 1200, kWeightBoxHeight});
        label(f, QStringLiteral("Kg"), {4920, 1590, 240, 255});
        Commandw60 = makeButton(f, QStringLiteral("Commandw60"), QStringLiteral("计 算"), {5280, 1530, 780, 345});
        // The window's default button: Enter runs the cuboid from any control
        // but another command button, whichever tab is shown.
        setDefaultButton(this, Commandw60, {.onlyWhileShown = false});
        connect(Commandw60, &QPushButton::clicked, this, [this] { Commandw60_Click(); });
    }
    {
        CaptionFrame* f = makeFrame(page, arrayName(QStringLiteral("Frame1"), 7), QStringLiteral("梯形产品重量"),
                                    {kWeightFrameLeft, 2640, kWeightFrameWidth, 2130});
        new LineSketch(f, trapezoidSketch());

        txtw50 = makeBox(f, QStringLiteral("txtw50"), {1740, 338, 600, kWeightBoxHeight});
        txtw53 = makeBox(f, QStringLiteral("txtw53"), {2010, 1748, 600, kWeightBoxHeight});
        txtw51 = makeBox(f, QStringLiteral("txtw51"), {780, 1057, 540, kWeightBoxHeight});
        label(f, QStringLiteral("输入厚度"), {1680, 900, 900, 255});
        txtw52 = makeBox(f, QStringLiteral("txtw52"), {1740, 1170, 600, kWeightBoxHeight});
        txtw54 = makeDensityBox(f, QStringLiteral("txtw54"), QStringLiteral("输入比重"), 3690, 390);
        makeDensityNote(f, {3690, 960, 2640, 480});
        txtw55 = makeBox(f, QStringLiteral("txtw55"), {3690, 1560, 1200, kWeightBoxHeight});
        label(f, QStringLiteral("Kg"), {4920, 1590, 240, 255});
        connect(makeButton(f, QStringLiteral("Commandw10"), QStringLiteral("计 算"), {5280, 1530, 780, 345}),
                &QPushButton::clicked, this, [this] { Commandw10_Click(); });
    }
    // The two section frames: a list of sizes, the length, the weight.
    auto sectionFrame = [this, page](const QString& frameName, const QString& caption, const QString& pick,
                                     const QString& listName, const QString& lengthName, const QString& resultName,
                                     const QString& buttonName, const QString& buttonCaption, int top, auto items) {
        CaptionFrame* f = makeFrame(page, frameName, caption, {kWeightFrameLeft, top, kWeightFrameWidth, 1380});
        label(f, pick, {120, 270, 1575, 255});
        QListWidget* list = makeList(f, listName, {120, 540, 1575, 780});
        for (const SteelSection& item : items) list->addItem(fromView(item.item));
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        label(f, QStringLiteral("输入长度"), {1920, 540, 900, 255});
        QLineEdit* length = makeBox(f, lengthName, {1920, 810, 900, kWeightBoxHeight});
        label(f, QStringLiteral("MM"), {2850, 840, 315, 255});
        label(f, QStringLiteral("显示重量"), {3330, 540, 900, 255});
        FormatBox* result = makeWeightResult(f, resultName, 3330, 810, kKgGap);
        QPushButton* b = makeButton(f, buttonName, buttonCaption, {4950, 360, 600, 900});
        return std::tuple{list, length, result, b};
    };
    QPushButton* angle;
    std::tie(List101, txte1, txte2, angle) =
        sectionFrame(QStringLiteral("Frame108"), QStringLiteral("等边角钢重量计算"), QStringLiteral("选择角钢规格"),
                     QStringLiteral("List101"), QStringLiteral("txte1"), QStringLiteral("txte2"),
                     QStringLiteral("Command106"), QStringLiteral("计 算"), 4830, kAngleSteel);
    connect(angle, &QPushButton::clicked, this, [this] { Command106_Click(); });
    QPushButton* channel;
    std::tie(List103, txte3, txte4, channel) =
        sectionFrame(QStringLiteral("Frame109"), QStringLiteral("普通槽钢重量计算"), QStringLiteral("选择槽钢规格"),
                     QStringLiteral("List103"), QStringLiteral("txte3"), QStringLiteral("txte4"),
                     QStringLiteral("Command202"), QStringLiteral("计算"), 6270, kChannelSteel);
    connect(channel, &QPushButton::clicked, this, [this] { Command202_Click(); });
}

void Form3::Commandw60_Click() {
    PressInputs v(Held::Single);
    const double l = v.leading(txtw60), h = v.leading(txtw61), t = v.leading(txtw62), rho = v.density(txtw63);
    if (!v.ok()) return;
    showWeight(v, txtw64, weight::cuboidWeight(l, h, t, rho, unitOf(Option33)));
}

void Form3::Commandw10_Click() {
    PressInputs v(Held::Single);
    const double a = v.leading(txtw50), h = v.leading(txtw51), t = v.leading(txtw52), b = v.leading(txtw53);
    const double rho = v.density(txtw54);
    if (!v.ok()) return;
    showWeight(v, txtw55, weight::trapezoidWeight(a, b, h, t, rho));
}

namespace {
// The weight of the selected section; a press with no size selected is
// refused at the list.
template <std::size_t N>
void showSectionWeight(QListWidget* list, QLineEdit* length, FormatBox* result,
                       const std::array<SteelSection, N>& table) {
    PressInputs v(Held::Single);
    const std::optional<int> row = firstSelectedRow(list);
    v.require(row && *row < int(N), list, notes::pickSize());
    const double L = v.leading(length);
    if (!v.ok()) return;
    showWeight(v, result, weight::sectionWeight(L, table[std::size_t(*row)].kgPerMetre));
}
}  // namespace

void Form3::Command106_Click() { showSectionWeight(List101, txte1, txte2, kAngleSteel); }
void Form3::Command202_Click() { showSectionWeight(List103, txte3, txte4, kChannelSteel); }

// ---- Tab 4: ring and body of revolution -------------------------------------

void Form3::buildRings(QWidget* page) {
    {
        QWidget* f = makeFrame(page, arrayName(QStringLiteral("Frame2"), 4), QStringLiteral("环类产品重量"),
                               {kWeightFrameLeft, 450, kWeightFrameWidth, 2250});
        new LineSketch(f, ringSketch());

        txtw90 = makeBox(f, QStringLiteral("txtw90"), {2002, 638, 600, kWeightBoxHeight});
        txtw92 = makeBoreBox(f, QStringLiteral("txtw92"), {2010, 1718, 600, kWeightBoxHeight});
        txtw91 = makeBox(f, QStringLiteral("txtw91"), {750, 1177, 540, kWeightBoxHeight});
        Option30 =
            makeUnitOptions(f, QStringLiteral("Option29"), QStringLiteral("MM"), QStringLiteral("Option30"), 120, 300);
        txtw93 = makeDensityBox(f, QStringLiteral("txtw93"), QStringLiteral("输入比重"), 3690, 330);
        makeDensityNote(f, {3690, 930, 2640, 480});
        txtw94 = makeWeightResult(f, QStringLiteral("txtw94"), 3690, 1500, kKgGap);
        connect(makeButton(f, QStringLiteral("Commandw90"), QStringLiteral("计 算"), {5280, 1470, 780, 345}),
                &QPushButton::clicked, this, [this] { Commandw90_Click(); });
    }
    {
        QWidget* f = makeFrame(page, arrayName(QStringLiteral("Frame1"), 4), QStringLiteral("旋转体重量"),
                               {kWeightFrameLeft, 2790, kWeightFrameWidth, 4380});
        new LineSketch(f, bodyOfRevolutionSketch());

        txtw70 = makeBox(f, QStringLiteral("txtw70"), {1290, 638, 600, kWeightBoxHeight});
        txtw72 = makeBox(f, QStringLiteral("txtw72"), {480, 1837, 540, kWeightBoxHeight});
        txtw74 = makeBox(f, QStringLiteral("txtw74"), {1830, 330, 540, kWeightBoxHeight});
        txtw76 = makeBox(f, QStringLiteral("txtw76"), {2520, 1455, 540, kWeightBoxHeight});
        txtw77 = makeBox(f, QStringLiteral("txtw77"), {2490, 3120, 600, kWeightBoxHeight});
        txtw75 = makeBox(f, QStringLiteral("txtw75"), {3210, 900, 540, kWeightBoxHeight});
        txtw81 = makeBox(f, QStringLiteral("txtw81"), {3900, 2918, 540, kWeightBoxHeight});
        txtw80 = makeBox(f, QStringLiteral("txtw80"), {4620, 1837, 540, kWeightBoxHeight});
        txtw79 = makeBox(f, QStringLiteral("txtw79"), {3780, 638, 600, kWeightBoxHeight});  // right of the D4 box
        txtw78 = makeBox(f, QStringLiteral("txtw78"), {2490, 3540, 600, kWeightBoxHeight});
        txtw71 = makeBoreBox(f, QStringLiteral("txtw71"), {480, 2340, 540, kWeightBoxHeight});
        Option32 =
            makeUnitOptions(f, QStringLiteral("Option31"), QStringLiteral("MM"), QStringLiteral("Option32"), 120, 300);
        txtw73 = makeDensityBox(f, QStringLiteral("txtw73"), QStringLiteral("输入比重"), 120, 3720);
        makeDensityNote(f, {900, 4005, 2700, 255});
        txtw82 = makeWeightResult(f, QStringLiteral("txtw82"), 4200, 3990, kKgGap);
        connect(makeButton(f, QStringLiteral("Commandw80"), QStringLiteral("计 算"), {5310, 600, 780, 345}),
                &QPushButton::clicked, this, [this] { Commandw80_Click(); });
        connect(makeButton(f, QStringLiteral("Commandw81"), QStringLiteral("清 除"), {5310, 1020, 780, 345}),
                &QPushButton::clicked, this, [this] { Commandw81_Click(); });
    }
}

void Form3::Commandw90_Click() {
    PressInputs v(Held::Single);
    const double D = v.leading(txtw90), L = v.leading(txtw91), d = v.leadingOrZero(txtw92), rho = v.density(txtw93);
    if (!v.ok()) return;
    showWeight(v, txtw94, weight::ringWeight({D, L, d, rho}, unitOf(Option30)));
}

void Form3::Commandw80_Click() {
    PressInputs v(Held::Single);
    const auto [D1, l1] = v.leadingSection(txtw72, txtw70);
    const double D2 = v.leading(txtw74);
    const auto [D3, l3] = v.leadingSection(txtw76, txtw77);
    const auto [D4, l4] = v.leadingSection(txtw75, txtw81);
    const auto [D5, l5] = v.leadingSection(txtw80, txtw79);
    const double L = v.leading(txtw78), d = v.leadingOrZero(txtw71), rho = v.density(txtw73);
    if (!v.ok()) return;
    showWeight(v, txtw82,
               weight::bodyOfRevolutionWeight({l1, D1, D2, D3, l3, D4, l4, D5, l5, L, d, rho}, unitOf(Option32)));
}

void Form3::Commandw81_Click() {
    for (QLineEdit* b :
         {txtw70, txtw71, txtw72, txtw73, txtw74, txtw75, txtw76, txtw77, txtw78, txtw79, txtw80, txtw81})
        b->clear();
    txtw82->clear();
}

// ---- Tab 5: the stepped part frames -----------------------------------------

void Form3::Commanda_Click() { steppedThree->calculate(); }
void Form3::Commandb_Click() { steppedThree->clear(); }
void Form3::Commandd_Click() { steppedFour->calculate(); }
void Form3::Commandc_Click() { steppedFour->clear(); }

// ---- Tab 6: the density list ------------------------------------------------

void Form3::buildDensityList(QWidget* page) {
    QListWidget* list = makeList(page, QStringLiteral("List3"), {720, 690, 5025, 5940});
    list->setFont(songFont(10.5));
    for (std::string_view item : kMaterialDensities) list->addItem(fromView(item));
    list->setItemDelegate(new GridDelegate(list));
}
