#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

#include "common/ui/refusal.h"
#include "common/ui/tabcontainer.h"
#include "shell/launch.h"
#include "uitest.h"
#include "windowtest.h"
#include "workshop/Form17.h"
#include "workshop/Form3.h"

using quorvil::test::WindowProbe;

namespace {

// Boxes with their text at opening.
// clang-format off
const QStringList kOpening = {
    "txtq1=", "txtq2=", "txtq3=", "txtq4=", "txtq5=", "txtq6=", "txtq7=", "txtq8=", "txtq9=", "txtqzv11=",
    "txtqzv21=", "txtqzv31=", "txtqzv41=", "txtq10=", "txtq11=", "txtq12=", "txtq13=",
    "txtwg1=", "txtwg2=", "txtwg3=0", "txtwg4=0", "txtwg5=", "txtwg6=0", "txtwg7=", "txtwg8=", "txtwg9=7.85",
    "txtwg11=", "txtwg12=", "txtwg13=", "txtwg14=0", "txtwg15=", "txtwg16=", "txtwg17=", "txtwg18=", "txtwg19=7.85",
    "txtwg01=", "txtwg02=", "txtwg03=7.85", "txtwg04=0", "txtwg05=", "txtwg07=", "txtwg08=",
    "txtwg21=", "txtwg22=", "txtwg23=", "txtwg24=", "txtwg25=", "txtwg26=7.85",
    "txtw60=", "txtw61=", "txtw62=", "txtw63=7.85", "txtw64=", "txtw50=", "txtw51=", "txtw52=", "txtw53=",
    "txtw54=7.85", "txtw55=", "txte1=", "txte2=", "txte3=", "txte4=",
    "txtw90=", "txtw91=", "txtw92=0", "txtw93=7.85", "txtw94=",
    "txtw70=", "txtw71=0", "txtw72=", "txtw73=7.85", "txtw74=", "txtw75=", "txtw76=", "txtw77=", "txtw78=",
    "txtw79=", "txtw80=", "txtw81=", "txtw82=",
    "txtt1=", "txtT2=", "txtT3=", "txtT4=", "txtT5=", "txtT6=", "txtT7=", "txtT8=7.85", "txtT9=",
    "txtT11=", "txtT12=", "txtT13=", "txtT14=", "txtT15=", "txtT16=", "txtT17=", "txtT18=", "txtT19=",
    "txtT20=7.85", "txtT21="};
// clang-format on

QStringList names(const QStringList& assignments) {
    QStringList n;
    for (const QString& a : assignments) n << a.left(a.indexOf(u'='));
    return n;
}

const QStringList turned1 = {"txtwg1=40", "txtwg2=60", "txtwg3=30", "txtwg4=20",
                             "txtwg5=40", "txtwg6=20", "txtwg7=100"};
const QStringList turned2 = {"txtwg11=20", "txtwg12=30", "txtwg13=80", "txtwg14=20",
                             "txtwg15=50", "txtwg16=70", "txtwg17=120"};
const QStringList turned3 = {"txtwg01=40", "txtwg02=60", "txtwg04=20", "txtwg05=40", "txtwg07=100"};
const QStringList turned4 = {"txtwg21=100", "txtwg22=60", "txtwg23=50", "txtwg24=30"};
const QStringList ring = {"txtw90=100", "txtw91=20", "txtw92=60"};
const QStringList body = {"txtw70=20", "txtw72=50", "txtw74=30", "txtw76=40",  "txtw77=40", "txtw75=25",
                          "txtw81=15", "txtw80=60", "txtw79=25", "txtw78=130", "txtw71=10"};

}  // namespace

class TestForm3 : public quorvil::test::WindowTest<Form3> {
    Q_OBJECT
private slots:
    void opensAsDesigned();
    void lists();
    void densitiesStandInOneColumn();
    void launchIndex1();
    void calculate_data();
    void calculate();
    void refused_data();
    void refused();
    void clearButtons_data();
    void clearButtons();
    void enterRunsTheCuboid();
    void steppedFrameAsInForm17_data();
    void steppedFrameAsInForm17();
};

void TestForm3::opensAsDesigned() {
    QCOMPARE(w->windowTitle(), QStringLiteral("15.重量计算1"));
    auto* tabs = p.get<quorvil::TabContainer>("SSTab1");
    QCOMPARE(tabs->count(), 7);
    QCOMPARE(tabs->currentIndex(), 0);
    const QStringList captions = {"型钢重", "重量1", "重量2", "重量3", "重量4", "重量5", "比重"};
    for (int i = 0; i < 7; ++i) QCOMPARE(tabs->tabBar()->tabText(i), captions[i]);
    QVERIFY2(p.matches(kOpening), p.why());
    // clang-format off
    const QMap<QString, QString> frames = {
        {"Frame1_0", "1、圆钢类"}, {"Frame2_1", "2、四方钢类"}, {"Frame2_2", "3.六角钢类"}, {"Frame1_2", "4.钢管类"},
        {"Frame2_0", "5.钢板类"}, {"复杂件重量计算", "复杂件重量计算一"}, {"Frame2_3", "复杂件重量计算二"},
        {"Frame5", "复杂件重量计算三"}, {"Frame1_3", "复杂件重量计算四"}, {"Frame1_6", "立方体重量"},
        {"Frame1_7", "梯形产品重量"}, {"Frame108", "等边角钢重量计算"}, {"Frame109", "普通槽钢重量计算"},
        {"Frame2_4", "环类产品重量"}, {"Frame1_4", "旋转体重量"}, {"Frame1_1", "复杂件重量计算"},
        {"Frame2_5", "复杂件重量计算"}};
    // clang-format on
    for (auto it = frames.begin(); it != frames.end(); ++it) QCOMPARE(p.get<QGroupBox>(it.key())->title(), it.value());
    for (const char* o : {"Option1", "Option5", "Option9", "Option13", "Option17", "Option21", "Option23", "Option26",
                          "Option27", "Option29", "Option31", "Option34", "Op105", "Op107"})
        QVERIFY2(p.get<QRadioButton>(o)->isChecked(), o);
    QVERIFY2(p.matches({"Option1=碳素钢", "Option2=紫铜", "Option3=黄铜", "Option4=铝", "Option34=MM", "Option33=英寸",
                        "Commandwg=显 示", "Commandwg1=清 除", "Commandw90=计 算", "Commandw81=清 除",
                        "Command202=计算", "Command106=计 算", "Commanda=计 算", "Commandc=清 除"}),
             p.why());
    QVERIFY(p.get<QWidget>("Frame1_0")->isVisible() && !p.get<QWidget>("Frame1_6")->isVisible());
}

// The densities of the material list stand in one column, whatever tabs and
// blanks lead to them: each item is drawn twice, with and without its
// density, and the density's ink starts where the two first differ.
void TestForm3::densitiesStandInOneColumn() {
    p.get<quorvil::TabContainer>("SSTab1")->setCurrentIndex(6);
    auto* list = p.get<QListWidget>("List3");
    static const QRegularExpression density(QStringLiteral("[0-9][0-9.~]*(?=\\s*$)"));
    QMap<int, QStringList> byStart;
    for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem* item = list->item(i);
        const QString text = item->text();
        const QRegularExpressionMatch m = density.match(text);
        QVERIFY2(m.hasMatch(), qPrintable(text));
        list->scrollToItem(item);
        const QRect row = list->visualItemRect(item);
        const QImage shown = list->viewport()->grab(row).toImage();
        item->setText(QString(text).replace(m.capturedStart(), m.capturedLength(), QString(m.capturedLength(), u' ')));
        const QImage without = list->viewport()->grab(row).toImage();
        item->setText(text);
        int start = -1;
        for (int x = 0; x < shown.width() && start < 0; ++x)
            for (int y = 0; y < shown.height(); ++y)
                if (shown.pixel(x, y) != without.pixel(x, y)) {
                    start = x;
                    break;
                }
        QVERIFY2(start >= 0, qPrintable(text));
        byStart[start] << text;
    }
    // Digits differ in their left bearing by a pixel at most.
    QString starts;
    for (auto it = byStart.cbegin(); it != byStart.cend(); ++it)
        starts += QStringLiteral(" at %1 px: %2 items, first \"%3\";").arg(it.key()).arg(it->size()).arg(it->first());
    QVERIFY2(byStart.lastKey() - byStart.firstKey() <= 1, qPrintable(starts));
}

// The lists hold their items as stored, and no size is selected at opening.
void TestForm3::lists() {
    auto* densities = p.get<QListWidget>("List3");
    // The table's items in order, tabs and blanks kept (the table itself is
    // tested with the weights).
    QCOMPARE(densities->count(), 140);
    QCOMPARE(densities->item(0)->text(), QStringLiteral("灰口铸铁\t\t6.6~7.4"));
    QCOMPARE(densities->item(75)->text(), QStringLiteral("BA113-3\t白铜            8.50 "));
    QCOMPARE(densities->item(139)->text(), QStringLiteral("泡沫塑料                0.200"));
    auto* angle = p.get<QListWidget>("List101");
    auto* channel = p.get<QListWidget>("List103");
    QCOMPARE(angle->count(), 51);
    QCOMPARE(channel->count(), 15);
    QCOMPARE(angle->item(18)->text(), QStringLiteral("5#-50*5"));
    QCOMPARE(channel->item(4)->text(), QStringLiteral("12.6#126*53"));
    QVERIFY(angle->selectedItems().isEmpty() && channel->selectedItems().isEmpty());
    QCOMPARE(angle->selectionMode(), QAbstractItemView::SingleSelection);
}

void TestForm3::launchIndex1() {
    QPointer<QWidget> launched = quorvil::launchToolWindow(1);
    QVERIFY(dynamic_cast<Form3*>(launched.data()));
    launched->close();
    QTRY_VERIFY(launched.isNull());
}

void TestForm3::calculate_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("clicks");  // options or "pick:List=row", then the button
    QTest::addColumn<QStringList>("expected");

    // Tab 0
    QTest::newRow("round steel") << QStringList{"txtq1=20", "txtq2=1000"} << QStringList{"Command001"}
                                 << QStringList{"txtq3=2.466"};
    QTest::newRow("round aluminium") << QStringList{"txtq1=20", "txtq2=1000"} << QStringList{"Option4", "Command001"}
                                     << QStringList{"txtq3=0.861"};
    QTest::newRow("square steel") << QStringList{"txtq4=10", "txtq5=1000"} << QStringList{"Command002"}
                                  << QStringList{"txtq6=0.785"};
    QTest::newRow("square copper") << QStringList{"txtq4=10", "txtq5=1000"} << QStringList{"Option6", "Command002"}
                                   << QStringList{"txtq6=0.890"};
    QTest::newRow("hexagon steel") << QStringList{"txtq7=24", "txtq8=1000"} << QStringList{"Command1"}
                                   << QStringList{"txtq9=3.917"};
    QTest::newRow("hexagon brass") << QStringList{"txtq7=24", "txtq8=1000"} << QStringList{"Option11", "Command1"}
                                   << QStringList{"txtq9=4.241"};
    QTest::newRow("bar double precision")
        << QStringList{"txtq1=1e30", "txtq2=1000"} << QStringList{"Command001"}
        << QStringList{"txtq3=6165000000000000000000000000000000000000000000000000000000.000"};
    QTest::newRow("bar size with a unit")
        << QStringList{"txtq1=20mm", "txtq2=1000"} << QStringList{"Command001"} << QStringList{"txtq3=2.466"};
    QTest::newRow("tube steel") << QStringList{"txtqzv11=60", "txtqzv21=50", "txtqzv31=1000"}
                                << QStringList{"Command123"} << QStringList{"txtqzv41=6.782"};
    QTest::newRow("tube bore wider") << QStringList{"txtqzv11=50", "txtqzv21=60", "txtqzv31=1000"}
                                     << QStringList{"Command123"} << QStringList{"txtqzv41=-6.782"};
    QTest::newRow("plate steel") << QStringList{"txtq10=1000", "txtq11=500", "txtq12=10"} << QStringList{"Command2"}
                                 << QStringList{"txtq13=39.250"};
    QTest::newRow("plate aluminium") << QStringList{"txtq10=1000", "txtq11=500", "txtq12=10"}
                                     << QStringList{"Option20", "Command2"} << QStringList{"txtq13=13.710"};
    // Tab 3
    QTest::newRow("cuboid mm, as written") << QStringList{"txtw60=100", "txtw61=50", "txtw62=20"}
                                           << QStringList{"Commandw60"} << QStringList{"txtw64= .785"};
    QTest::newRow("cuboid inch") << QStringList{"txtw60=100", "txtw61=50", "txtw62=20"}
                                 << QStringList{"Option33", "Commandw60"} << QStringList{"txtw64= 12863.84"};
    QTest::newRow("trapezoid") << QStringList{"txtw50=100", "txtw53=200", "txtw51=50", "txtw52=10"}
                               << QStringList{"Commandw10"} << QStringList{"txtw55= .58875"};
    QTest::newRow("angle 5#-50*5") << QStringList{"txte1=6000"} << QStringList{"pick:List101=18", "Command106"}
                                   << QStringList{"txte2=22.620", "txte4="};
    QTest::newRow("angle last") << QStringList{"txte1=1000"} << QStringList{"pick:List101=50", "Command106"}
                                << QStringList{"txte2=23.257"};
    QTest::newRow("channel 10#-100*48") << QStringList{"txte3=6000"} << QStringList{"pick:List103=3", "Command202"}
                                        << QStringList{"txte4=60.000", "txte2="};
    // Tabs 1 and 2
    QTest::newRow("turned 一") << turned1 << QStringList{"Commandwg"} << QStringList{"txtwg8=1.171"};
    QTest::newRow("turned 一 no bores") << QStringList{"txtwg1=40", "txtwg2=60", "txtwg5=40", "txtwg7=100"}
                                        << QStringList{"Commandwg"} << QStringList{"txtwg8=1.480"};
    // Bores and the sections other than the rest may be left empty.
    QTest::newRow("turned 一 depth emptied, bore still 0")
        << QStringList{"txtwg1=40", "txtwg2=60", "txtwg5=40", "txtwg6=", "txtwg7=100"} << QStringList{"Commandwg"}
        << QStringList{"txtwg8=1.480"};
    QTest::newRow("turned 一 bores emptied")
        << QStringList{"txtwg1=40", "txtwg2=60", "txtwg3=", "txtwg4=", "txtwg5=40", "txtwg6=", "txtwg7=100"}
        << QStringList{"Commandwg"} << QStringList{"txtwg8=1.480"};
    QTest::newRow("turned 二 a plain cylinder") << QStringList{"txtwg14=", "txtwg15=50", "txtwg17=120"}
                                                << QStringList{"Commandwg2"} << QStringList{"txtwg18=1.850"};
    QTest::newRow("turned 一 inch") << turned1 << QStringList{"Option22", "Commandwg"}
                                    << QStringList{"txtwg8=19195.590"};
    QTest::newRow("turned 二") << turned2 << QStringList{"Commandwg2"} << QStringList{"txtwg18=2.478"};
    QTest::newRow("turned 三") << turned3 << QStringList{"Commandwg0"} << QStringList{"txtwg08=1.233"};
    QTest::newRow("turned 四") << turned4 << QStringList{"Commandwg5"} << QStringList{"txtwg25=1.942"};
    QTest::newRow("turned 四 2.7") << turned4 + QStringList{"txtwg26=2.7"} << QStringList{"Commandwg5"}
                                   << QStringList{"txtwg25=0.668"};
    QTest::newRow("turned 四 inch, double")
        << QStringList{"txtwg21=100", "txtwg22=60"} << QStringList{"Option28", "Commandwg5"}
        << QStringList{"txtwg25=36370.592"};
    // Tab 4
    QTest::newRow("ring") << ring << QStringList{"Commandw90"} << QStringList{"txtw94=0.789"};
    QTest::newRow("ring inch") << ring << QStringList{"Option30", "Commandw90"} << QStringList{"txtw94=12931.770"};
    QTest::newRow("ring without bore") << QStringList{"txtw90=100", "txtw91=20", "txtw92="} << QStringList{"Commandw90"}
                                       << QStringList{"txtw94=1.233"};
    QTest::newRow("body") << body << QStringList{"Commandw80"} << QStringList{"txtw82=1.402"};
    QTest::newRow("body inch") << body << QStringList{"Option32", "Commandw80"} << QStringList{"txtw82=22971.560"};
    QTest::newRow("body, section 2 alone") << QStringList{"txtw74=30", "txtw78=130", "txtw71="}
                                           << QStringList{"Commandw80"} << QStringList{"txtw82=0.721"};
    // Tab 5
    QTest::newRow("three-section") << QStringList{"txtt1=40", "txtT2=60", "txtT3=50", "txtT4=40",
                                                  "txtT5=50", "txtT6=20", "txtT7=120"}
                                   << QStringList{"Commanda"} << QStringList{"txtT9=1.726"};
    QTest::newRow("four-section") << QStringList{"txtT11=80", "txtT12=60", "txtT13=50", "txtT14=20", "txtT15=70",
                                                 "txtT16=20", "txtT17=30", "txtT18=25", "txtT19=150"}
                                  << QStringList{"Commandd"} << QStringList{"txtT21=2.996"};
}

void TestForm3::calculate() {
    QFETCH(QStringList, typed);
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, expected);
    p.type(typed);
    for (const QString& c : clicks) {
        if (c.startsWith(QStringLiteral("pick:"))) {
            const qsizetype eq = c.indexOf(u'=');
            p.pick(c.mid(5, eq - 5), c.mid(eq + 1).toInt());
        } else {
            p.click(c);
        }
    }
    QVERIFY2(p.matches(expected), p.why());
    // Nothing else changed: every other box holds what was typed or what it opened with.
    QStringList others;
    const QStringList changed = names(expected);
    for (const QString& a : kOpening) {
        const QString n = a.left(a.indexOf(u'='));
        if (changed.contains(n)) continue;
        const QStringList t = typed.filter(QRegularExpression(QStringLiteral("^%1=").arg(n)));
        others << (t.isEmpty() ? a : t.last());
    }
    QVERIFY2(p.matches(others), p.why());
}

void TestForm3::refused_data() {
    QTest::addColumn<QStringList>("steps");  // typing, picks and options, then the button
    QTest::addColumn<QString>("at");         // the control refused
    QTest::addColumn<QString>("note");
    using namespace quorvil::notes;

    QTest::newRow("bar length empty") << QStringList{"txtq1=20", "click:Command001"} << "txtq2" << number();
    QTest::newRow("bar overflow") << QStringList{"txtq1=1e200", "txtq2=1e201", "click:Command001"} << "txtq2"
                                  << tooLarge();
    QTest::newRow("tube bore empty") << QStringList{"txtqzv11=60", "txtqzv31=1000", "click:Command123"} << "txtqzv21"
                                     << number();
    QTest::newRow("plate width, decimal comma")
        << QStringList{"txtq10=1000", "txtq11=500,5", "txtq12=10", "click:Command2"} << "txtq11" << decimalPoint();
    QTest::newRow("cuboid density 0") << QStringList{"txtw60=100", "txtw61=50", "txtw62=20", "txtw63=0",
                                                     "click:Commandw60"}
                                      << "txtw63" << positive();
    QTest::newRow("trapezoid density emptied")
        << QStringList{"txtw50=100", "txtw53=200", "txtw51=50", "txtw52=10", "txtw54=", "click:Commandw10"} << "txtw54"
        << number();
    QTest::newRow("angle none selected") << QStringList{"txte1=6000", "click:Command106"} << "List101" << pickSize();
    QTest::newRow("channel none selected") << QStringList{"txte3=6000", "click:Command202"} << "List103" << pickSize();
    QTest::newRow("angle length beyond single")
        << QStringList{"txte1=1e39", "pick:List101=0", "click:Command106"} << "txte1" << tooLarge();
    QTest::newRow("turned 一 a section's diameter without its length")
        << QStringList{"txtwg2=60", "txtwg5=40", "txtwg7=100", "click:Commandwg"} << "txtwg1" << number();
    QTest::newRow("turned 二 density 0") << turned2 + QStringList{"txtwg19=0", "click:Commandwg2"} << "txtwg19"
                                         << positive();
    QTest::newRow("turned 三 no overall length")
        << QStringList{"txtwg01=40", "txtwg02=60", "txtwg05=40", "click:Commandwg0"} << "txtwg07" << number();
    QTest::newRow("turned 四 input beyond single")
        << QStringList{"txtwg21=1e39", "txtwg22=60", "click:Commandwg5"} << "txtwg21" << tooLarge();
    QTest::newRow("ring density negative")
        << ring + QStringList{"txtw93=-1", "click:Commandw90"} << "txtw93" << positive();
    QTest::newRow("body, a length without its diameter")
        << body + QStringList{"txtw76=", "click:Commandw80"} << "txtw76" << number();
    QTest::newRow("three-section letters")
        << QStringList{"txtt1=d40", "txtT7=120", "click:Commanda"} << "txtt1" << number();
}

// Every result holds a text; a press that cannot use what is typed changes
// none of them and says why at the control.
void TestForm3::refused() {
    QFETCH(QStringList, steps);
    QFETCH(QString, at);
    QFETCH(QString, note);
    for (const char* r : {"txtq3", "txtq6", "txtq9", "txtqzv41", "txtq13", "txtwg8", "txtwg18", "txtwg08", "txtwg25",
                          "txtw64", "txtw55", "txte2", "txte4", "txtw94", "txtw82", "txtT9", "txtT21"})
        p.type(QString::fromLatin1(r), "5");
    const QStringList typing = steps.filter(QRegularExpression(QStringLiteral("^\\w+=")));
    p.run(typing);
    const QMap<QString, QString> before = p.snapshot();
    p.run(steps.mid(typing.size()));
    QCOMPARE(p.snapshot(), before);
    QVERIFY2(p.refused(at, note), p.why());
}

void TestForm3::clearButtons_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("calculate");
    QTest::addColumn<QString>("clear");
    QTest::addColumn<QString>("inch");       // an option that must stay selected
    QTest::addColumn<QStringList>("after");  // every box of the frame after clearing
    QTest::addColumn<QString>("next");       // the result after typing the dimensions again and calculating
    QTest::addColumn<QString>("refusedAt");  // where that calculation is refused, if it is

    QTest::newRow("tube") << QStringList{"txtqzv11=60", "txtqzv21=50", "txtqzv31=1000"} << "Command123"
                          << "Command456"
                          << "Option14" << QStringList{"txtqzv11=", "txtqzv21=", "txtqzv31=", "txtqzv41="}
                          << "txtqzv41=7.689"
                          << "";
    QTest::newRow("一 empties the density")
        << turned1 << "Commandwg"
        << "Commandwg1"
        << "Option22" << QStringList{"txtwg1=", "txtwg2=", "txtwg3=", "txtwg4=", "txtwg5=",
                                     "txtwg6=", "txtwg7=", "txtwg8=", "txtwg9="}
        << "txtwg8="
        << "txtwg9";
    QTest::newRow("二 keeps the density")
        << turned2 << "Commandwg2"
        << "Commandwg3"
        << "Option24" << QStringList{"txtwg11=", "txtwg12=", "txtwg13=", "txtwg14=",    "txtwg15=",
                                     "txtwg16=", "txtwg17=", "txtwg18=", "txtwg19=7.85"}
        << "txtwg18=40613.830"
        << "";
    QTest::newRow("三 empties the density")
        << turned3 << "Commandwg0"
        << "Command3"
        << "Option25" << QStringList{"txtwg01=", "txtwg02=", "txtwg03=", "txtwg04=", "txtwg05=", "txtwg07=", "txtwg08="}
        << "txtwg08="
        << "txtwg03";
    QTest::newRow("四 keeps the density")
        << turned4 << "Commandwg5"
        << "Commandwg6"
        << "Option28" << QStringList{"txtwg21=", "txtwg22=", "txtwg23=", "txtwg24=", "txtwg25=", "txtwg26=7.85"}
        << "txtwg25=31824.268"
        << "";
    QTest::newRow("body empties the density")
        << body << "Commandw80"
        << "Commandw81"
        << "Option32" << QStringList{"txtw70=", "txtw71=", "txtw72=", "txtw73=", "txtw74=", "txtw75=", "txtw76=",
                                     "txtw77=", "txtw78=", "txtw79=", "txtw80=", "txtw81=", "txtw82="}
        << "txtw82="
        << "txtw73";
}

// A clear button empties its frame's boxes; a frame whose density it empties
// then asks for a density (its result stays empty).
void TestForm3::clearButtons() {
    QFETCH(QStringList, typed);
    QFETCH(QString, calculate);
    QFETCH(QString, clear);
    QFETCH(QString, inch);
    QFETCH(QStringList, after);
    QFETCH(QString, next);
    QFETCH(QString, refusedAt);
    p.click(inch);
    p.type(typed);
    p.click(calculate);
    QVERIFY(!p.text(names({next})[0]).isEmpty());
    p.click(clear);
    QVERIFY2(p.matches(after), p.why());
    QVERIFY(p.get<QRadioButton>(inch)->isChecked());
    p.type(typed);
    p.click(calculate);
    QVERIFY2(p.matches({next}), p.why());
    if (!refusedAt.isEmpty()) QVERIFY2(p.refused(refusedAt, quorvil::notes::number()), p.why());
}

void TestForm3::enterRunsTheCuboid() {
    p.type({"txtw60=100", "txtw61=50", "txtw62=20", "txtq10=1000", "txtq11=500", "txtq12=10"});
    // Enter in the plate's length box on tab 0 runs the cuboid of tab 3.
    QTest::keyClick(p.box("txtq10"), Qt::Key_Return);
    QVERIFY2(p.matches({"txtw64= .785", "txtq13="}), p.why());
    // From an option or a list as well, and with the keypad's Enter.
    p.type("txtw62", "40");
    QTest::keyClick(p.get<QRadioButton>("Option18"), Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY2(p.matches({"txtw64= 1.57", "txtq13="}), p.why());
    // Enter on another command button presses that button.
    auto* plate = p.get<QPushButton>("Command2");
    plate->setFocus();
    p.type("txtw62", "60");
    QTest::keyClick(plate, Qt::Key_Return);
    QVERIFY2(p.matches({"txtq13=39.250", "txtw64= 1.57"}), p.why());
    // A cuboid without a density: Enter on tab 0 changes no box, shows tab 3
    // and asks for the density there.
    p.type("txtw63", "");
    p.box("txtq10")->setFocus();
    QTest::keyClick(p.box("txtq10"), Qt::Key_Return);
    QVERIFY2(p.matches({"txtw64= 1.57", "txtq13=39.250"}), p.why());
    QCOMPARE(p.get<quorvil::TabContainer>("SSTab1")->currentIndex(), 3);
    QVERIFY2(p.refused("txtw63", quorvil::notes::number()), p.why());
}

void TestForm3::steppedFrameAsInForm17_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("inch");

    QTest::newRow("three and four, mm") << QStringList{"txtt1=40",  "txtT2=60",  "txtT3=50",  "txtT4=40",  "txtT5=50",
                                                       "txtT6=20",  "txtT7=120", "txtT8=2.7", "txtT11=80", "txtT12=60",
                                                       "txtT13=50", "txtT14=20", "txtT15=70", "txtT16=20", "txtT17=30",
                                                       "txtT18=25", "txtT19=150"}
                                        << "";
    QTest::newRow("inch") << QStringList{"txtt1=30", "txtT7=200", "txtT13=1.5", "txtT19=2.25", "txtT20=8.9"} << "Op106";
    QTest::newRow("negative") << QStringList{"txtt1=20", "txtT6=30", "txtT7=100", "txtT13=20", "txtT14=90", "txtT19=9"}
                              << "Op108";
    QTest::newRow("no density") << QStringList{"txtt1=20", "txtT7=100", "txtT8=", "txtT9=3", "txtT20=-1", "txtT21=4"}
                                << "";
}

// The stepped part frames of tab 5 and those of Form17 give the same texts.
void TestForm3::steppedFrameAsInForm17() {
    QFETCH(QStringList, typed);
    QFETCH(QString, inch);
    Form17 other;
    other.show();
    WindowProbe there(&other);
    for (const WindowProbe* probe : {&p, &there}) {
        probe->type(typed);
        if (!inch.isEmpty()) probe->click(inch);
    }
    p.click("Commanda");
    p.click("Commandd");
    there.click("Command1");
    there.click("Command4");
    const QStringList boxes = {"txtt1",  "txtT2",  "txtT3",  "txtT4",  "txtT5",  "txtT6",  "txtT7",
                               "txtT8",  "txtT9",  "txtT11", "txtT12", "txtT13", "txtT14", "txtT15",
                               "txtT16", "txtT17", "txtT18", "txtT19", "txtT20", "txtT21"};
    QCOMPARE(p.texts(boxes), there.texts(boxes));
    QVERIFY(!p.text("txtT9").isEmpty() && !p.text("txtT21").isEmpty());
    p.click("Commandb");
    p.click("Commandc");
    there.click("Command2");
    there.click("Command3");
    QCOMPARE(p.texts(boxes), there.texts(boxes));
}

QUORVIL_UI_TEST_MAIN(TestForm3)
#include "tst_form3.moc"
