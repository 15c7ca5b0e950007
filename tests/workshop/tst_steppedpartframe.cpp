// The stepped part weight frame on its own, box by box: both layouts, both
// units, the clear button and input that gives no weight.
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "common/ui/refusal.h"
#include "uitest.h"
#include "windowtest.h"
#include "workshop/steppedpartframe.h"

using quorvil::SteppedPartFrame;
using quorvil::test::WindowProbe;

class TestSteppedPartFrame : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opensEmpty();
    void calculate_data();
    void calculate();
    void refused_data();
    void refused();
    void clearKeepsDensityAndUnit();
    void eachFrameReadsOnlyItsOwnBoxes();

private:
    QWidget* host = nullptr;
};

void TestSteppedPartFrame::init() {
    host = new QWidget;
    host->resize(440, 520);
    auto* three = new SteppedPartFrame(
        host, SteppedPartFrame::Layout::ThreeSections,
        {QStringLiteral("Frame1_1"), QStringLiteral("Commanda"), QStringLiteral("Commandb")}, {90, 0, 6390, 2700});
    auto* four = new SteppedPartFrame(
        host, SteppedPartFrame::Layout::FourSections,
        {QStringLiteral("Frame2_5"), QStringLiteral("Commandd"), QStringLiteral("Commandc")}, {90, 2760, 6390, 3780});
    connect(three->calculateButton(), &QPushButton::clicked, three, &SteppedPartFrame::calculate);
    connect(three->clearButton(), &QPushButton::clicked, three, &SteppedPartFrame::clear);
    connect(four->calculateButton(), &QPushButton::clicked, four, &SteppedPartFrame::calculate);
    connect(four->clearButton(), &QPushButton::clicked, four, &SteppedPartFrame::clear);
    host->show();
}

void TestSteppedPartFrame::cleanup() {
    delete host;
    host = nullptr;
}

void TestSteppedPartFrame::opensEmpty() {
    WindowProbe p(host);
    QVERIFY2(p.matches({"txtt1=",      "txtT2=",     "txtT3=",         "txtT4=",         "txtT5=",   "txtT6=",
                        "txtT7=",      "txtT8=7.85", "txtT9=",         "txtT11=",        "txtT12=",  "txtT13=",
                        "txtT14=",     "txtT15=",    "txtT16=",        "txtT17=",        "txtT18=",  "txtT19=",
                        "txtT20=7.85", "txtT21=",    "Commanda=计 算", "Commandb=清 除", "Op105=mm", "Op106=英寸"}),
             p.why());
    QCOMPARE(p.get<QGroupBox>("Frame1_1")->title(), QStringLiteral("复杂件重量计算"));
    QVERIFY(p.get<QRadioButton>("Op105")->isChecked());
    QVERIFY(p.get<QRadioButton>("Op107")->isChecked());
    for (const char* name : {"txtt1", "txtT9", "txtT21"})
        QCOMPARE(p.box(name)->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
}

void TestSteppedPartFrame::calculate_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("option");  // clicked before the button, or empty
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("expected");

    const QStringList three = {"txtt1=40", "txtT2=60", "txtT3=50", "txtT4=40", "txtT5=50", "txtT6=20", "txtT7=120"};
    const QStringList four = {"txtT11=80", "txtT12=60", "txtT13=50", "txtT14=20", "txtT15=70",
                              "txtT16=20", "txtT17=30", "txtT18=25", "txtT19=150"};
    QTest::newRow("three mm") << three << ""
                              << "Commanda" << QStringList{"txtT9=1.726", "txtT21="};
    QTest::newRow("three density 2.7") << three + QStringList{"txtT8=2.7"} << ""
                                       << "Commanda" << QStringList{"txtT9=0.594"};
    QTest::newRow("four mm") << four << ""
                             << "Commandd" << QStringList{"txtT21=2.996", "txtT9="};
    QTest::newRow("four inch") << four << "Op108"
                               << "Commandd" << QStringList{"txtT21=49100.300"};
    QTest::newRow("three inch 1 by 1") << QStringList{"txtt1=1", "txtT7=1"} << "Op106"
                                       << "Commanda" << QStringList{"txtT9=0.101"};
    QTest::newRow("three inch single-precision weight") << QStringList{"txtt1=30", "txtT7=200"} << "Op106"
                                                        << "Commanda" << QStringList{"txtT9=18185.300"};
    QTest::newRow("three below half a gram") << QStringList{"txtt1=1", "txtT7=1"} << ""
                                             << "Commanda" << QStringList{"txtT9=0.000"};
    // The sections other than the one whose length is the rest, and the
    // bore, may be left out: both their boxes empty count as 0.
    QTest::newRow("four, only section 3") << QStringList{"txtT13=50", "txtT19=150"} << ""
                                          << "Commandd" << QStringList{"txtT21=2.312"};
    QTest::newRow("four, section 4 with 0 typed")
        << QStringList{"txtT13=50", "txtT19=150", "txtT15=70", "txtT18=0"} << ""
        << "Commandd" << QStringList{"txtT21=2.312"};
    QTest::newRow("four, a 0 beside an empty box")
        << QStringList{"txtT13=50", "txtT19=150", "txtT11=0", "txtT17=0"} << ""
        << "Commandd" << QStringList{"txtT21=2.312"};
    QTest::newRow("three bore wider, negative") << QStringList{"txtt1=20", "txtT6=30", "txtT7=100"} << ""
                                                << "Commanda" << QStringList{"txtT9=-0.308"};
    QTest::newRow("leading numbers") << QStringList{"txtt1=40mm", "txtT7=120 ", "txtT8=7.85g"} << ""
                                     << "Commanda" << QStringList{"txtT9=1.184"};
}

void TestSteppedPartFrame::calculate() {
    QFETCH(QStringList, typed);
    QFETCH(QString, option);
    QFETCH(QString, button);
    QFETCH(QStringList, expected);
    WindowProbe p(host);
    p.type(typed);
    if (!option.isEmpty()) p.click(option);
    p.click(button);
    QVERIFY2(p.matches(expected), p.why());
    QVERIFY2(p.matches(typed.filter(QRegularExpression("^txtT(8|20)="))), "the density stays as typed");
}

void TestSteppedPartFrame::refused_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("at");  // the box refused
    QTest::addColumn<QString>("note");
    using namespace quorvil::notes;

    const QStringList three = {"txtt1=40", "txtT2=60", "txtT3=50", "txtT4=40", "txtT5=50", "txtT6=20", "txtT7=120"};
    const QStringList four = {"txtT11=80", "txtT12=60", "txtT13=50", "txtT14=20", "txtT15=70",
                              "txtT16=20", "txtT17=30", "txtT18=25", "txtT19=150"};
    QTest::newRow("three all empty") << QStringList{} << "Commanda"
                                     << "txtt1" << number();
    QTest::newRow("four all empty") << QStringList{} << "Commandd"
                                    << "txtT13" << number();
    QTest::newRow("three, no overall length") << three + QStringList{"txtT7="} << "Commanda"
                                              << "txtT7" << number();
    QTest::newRow("three, a diameter without its length") << three + QStringList{"txtT3="} << "Commanda"
                                                          << "txtT3" << number();
    QTest::newRow("four, a length without its diameter") << four + QStringList{"txtT15= "} << "Commandd"
                                                         << "txtT15" << number();
    QTest::newRow("three, letters") << three + QStringList{"txtT6=abc"} << "Commanda"
                                    << "txtT6" << number();
    QTest::newRow("four, decimal comma") << four + QStringList{"txtT19=150,5"} << "Commandd"
                                         << "txtT19" << decimalPoint();
    QTest::newRow("three density emptied") << three + QStringList{"txtT8="} << "Commanda"
                                           << "txtT8" << number();
    QTest::newRow("four density 0") << four + QStringList{"txtT20=0"} << "Commandd"
                                    << "txtT20" << positive();
    QTest::newRow("four density negative") << four + QStringList{"txtT20=-7.85"} << "Commandd"
                                           << "txtT20" << positive();
    QTest::newRow("input beyond single") << QStringList{"txtt1=1e39", "txtT7=1"} << "Commanda"
                                         << "txtt1" << tooLarge();
    QTest::newRow("weight beyond single") << QStringList{"txtt1=1e30", "txtT7=2e30"} << "Commanda"
                                          << "txtT7" << tooLarge();
}

// A press that cannot use what is typed keeps the result it showed and
// says why at the box.
void TestSteppedPartFrame::refused() {
    QFETCH(QStringList, typed);
    QFETCH(QString, button);
    QFETCH(QString, at);
    QFETCH(QString, note);
    WindowProbe p(host);
    p.type({"txtT9=9", "txtT21=9"});
    p.type(typed);
    const QMap<QString, QString> before = p.snapshot();
    p.click(button);
    QCOMPARE(p.snapshot(), before);
    QVERIFY2(p.refused(at, note), p.why());
}

void TestSteppedPartFrame::clearKeepsDensityAndUnit() {
    WindowProbe p(host);
    p.type({"txtt1=40", "txtT2=60", "txtT3=50", "txtT4=40", "txtT5=50", "txtT6=20", "txtT7=120", "txtT8=2.7"});
    p.type({"txtT11=1", "txtT12=2", "txtT13=3", "txtT14=4", "txtT15=5", "txtT16=6", "txtT17=7", "txtT18=8", "txtT19=9",
            "txtT20=8.9"});
    p.click("Op106");
    p.click("Commanda");
    p.click("Commandd");
    p.click("Commandb");
    QVERIFY2(p.matches({"txtt1=", "txtT2=", "txtT3=", "txtT4=", "txtT5=", "txtT6=", "txtT7=", "txtT8=2.7",
                        "txtT9=", "txtT11=1", "txtT19=9", "txtT20=8.9"}),
             p.why());
    QVERIFY(p.get<QRadioButton>("Op106")->isChecked());
    QVERIFY(!p.text("txtT21").isEmpty());
    p.click("Commandc");
    QVERIFY2(p.matches({"txtT11=", "txtT12=", "txtT13=", "txtT14=", "txtT15=", "txtT16=", "txtT17=", "txtT18=",
                        "txtT19=", "txtT20=8.9", "txtT21="}),
             p.why());
    // The density is still there: the next calculation gives a weight.
    p.type({"txtt1=1", "txtT7=1"});
    p.click("Commanda");
    QVERIFY2(p.matches({"txtT9=0.035"}), p.why());
}

void TestSteppedPartFrame::eachFrameReadsOnlyItsOwnBoxes() {
    WindowProbe p(host);
    p.type({"txtt1=40", "txtT7=120", "txtT11=80", "txtT19=150", "txtT20=1"});
    p.click("Commanda");
    QVERIFY2(p.matches({"txtT9=1.184", "txtT21="}), p.why());
    p.click("Op108");
    QVERIFY(p.get<QRadioButton>("Op105")->isChecked());
    p.click("Commanda");
    QVERIFY2(p.matches({"txtT9=1.184"}), p.why());
}

QUORVIL_UI_TEST_MAIN(TestSteppedPartFrame)
#include "tst_steppedpartframe.moc"
