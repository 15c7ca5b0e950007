#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>

#include "common/ui/refusal.h"
#include "common/ui/tabcontainer.h"
#include "shell/launch.h"
#include "uitest.h"
#include "windowtest.h"
#include "workshop/Form17.h"

namespace {
const QStringList kDimensionBoxes = {
    "txtT30", "txtT31", "txtT32", "txtt35", "txtt36", "txtt50", "txtt51", "txtt52", "txtt60", "txtt61", "txtt62",
    "txtt64", "txtt65", "txtt66", "txtt67", "txtt68", "txtt69", "txtt1",  "txtT2",  "txtT3",  "txtT4",  "txtT5",
    "txtT6",  "txtT7",  "txtT11", "txtT12", "txtT13", "txtT14", "txtT15", "txtT16", "txtT17", "txtT18", "txtT19"};
const QStringList kResultBoxes = {"txtt37", "txtt54", "txtt71", "txtT9", "txtT21"};
const QStringList kDensityBoxes = {"txtT34", "txtt53", "txtt70", "txtT8", "txtT20"};

const QStringList sleeve = {"txtT30=40", "txtt36=100", "txtT31=30", "txtt35=20", "txtT32=20"};
const QStringList disc = {"txtt52=100", "txtt51=80", "txtt50=10"};
const QStringList shaft = {"txtt60=60",  "txtt67=30", "txtt62=50", "txtt68=40", "txtt65=40",
                           "txtt69=120", "txtt61=30", "txtt66=25", "txtt64=20"};
}  // namespace

class TestForm17 : public quorvil::test::WindowTest<Form17> {
    Q_OBJECT
private slots:
    void opensAsDesigned();
    void launchIndex15();
    void calculate_data();
    void calculate();
    void refused_data();
    void refused();
    void clearButtons_data();
    void clearButtons();
};

void TestForm17::opensAsDesigned() {
    QCOMPARE(w->windowTitle(), QStringLiteral("8.复杂件重量计算2"));
    auto* tabs = p.get<quorvil::TabContainer>("SSTab1");
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->currentIndex(), 2);
    QCOMPARE(tabs->tabBar()->tabText(0), QStringLiteral("复杂件重量1"));
    QCOMPARE(tabs->tabBar()->tabText(1), QStringLiteral("复杂件重量2"));
    QCOMPARE(tabs->tabBar()->tabText(2), QStringLiteral("复杂件重量3"));
    for (const char* frame : {"Frame1", "Frame2", "Frame3", "Frame4", "Frame5"})
        QCOMPARE(p.get<QGroupBox>(frame)->title(), QStringLiteral("复杂件重量计算"));
    QVERIFY(p.get<QWidget>("Frame1")->isVisible() && !p.get<QWidget>("Frame3")->isVisible());
    for (const QString& n : kDimensionBoxes + kResultBoxes) QVERIFY2(p.text(n).isEmpty(), qPrintable(n));
    for (const QString& n : kDensityBoxes) QCOMPARE(p.text(n), QStringLiteral("7.85"));
    for (const char* mm : {"Op202", "OpL", "Op303", "Op105", "Op107"})
        QVERIFY2(p.get<QRadioButton>(mm)->isChecked(), mm);
    QVERIFY2(p.matches({"Op202=MM", "Op203=英寸", "OpL=MM", "OpK=英寸", "Op303=mm", "Op304=英寸", "CommandM=计 算",
                        "Command6=清 除", "Command7=计 算", "Command5=清 除", "Command9=计 算", "Command8=清 除",
                        "Command1=计 算", "Command2=清 除", "Command4=计 算", "Command3=清 除"}),
             p.why());
}

void TestForm17::launchIndex15() {
    QPointer<QWidget> launched = quorvil::launchToolWindow(15);
    QVERIFY(dynamic_cast<Form17*>(launched.data()));
    QCOMPARE(quorvil::launchToolWindow(15), launched.data());
    launched->close();
    QTRY_VERIFY(launched.isNull());
}

void TestForm17::calculate_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("clicks");  // options, then the calculate button
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("sleeve mm") << sleeve << QStringList{"CommandM"}
                               << QStringList{"txtt37=0.678", "txtt54=", "txtt71="};
    QTest::newRow("sleeve inch") << sleeve << QStringList{"Op203", "CommandM"} << QStringList{"txtt37=11113.240"};
    // The bores may be left out.
    QTest::newRow("sleeve without bores")
        << QStringList{"txtT30=40", "txtt36=100"} << QStringList{"CommandM"} << QStringList{"txtt37=0.986"};
    QTest::newRow("sleeve bore wider, negative") << QStringList{"txtT30=0", "txtT32=20", "txtt36=100"}
                                                 << QStringList{"CommandM"} << QStringList{"txtt37=-0.247"};

    QTest::newRow("disc mm") << disc << QStringList{"Command7"} << QStringList{"txtt54=0.552", "txtt37="};
    QTest::newRow("disc inch") << disc << QStringList{"OpK", "Command7"} << QStringList{"txtt54=9051.315"};
    QTest::newRow("disc flats vanish") << QStringList{"txtt52=100", "txtt51=100", "txtt50=10"}
                                       << QStringList{"Command7"} << QStringList{"txtt54=0.617"};

    QTest::newRow("shaft mm") << shaft << QStringList{"Command9"} << QStringList{"txtt71=1.403"};
    QTest::newRow("shaft inch") << shaft << QStringList{"Op304", "Command9"} << QStringList{"txtt71=22984.190"};
    QTest::newRow("shaft, only the right section") << QStringList{"txtt65=40", "txtt69=120", "txtt64=20"}
                                                   << QStringList{"Command9"} << QStringList{"txtt71=0.888"};

    QTest::newRow("three-section") << QStringList{"txtt1=40", "txtT2=60", "txtT3=50", "txtT4=40",
                                                  "txtT5=50", "txtT6=20", "txtT7=120"}
                                   << QStringList{"Command1"} << QStringList{"txtT9=1.726", "txtT21="};
    QTest::newRow("four-section inch") << QStringList{"txtT11=80", "txtT12=60", "txtT13=50", "txtT14=20", "txtT15=70",
                                                      "txtT16=20", "txtT17=30", "txtT18=25", "txtT19=150"}
                                       << QStringList{"Op108", "Command4"} << QStringList{"txtT21=49100.300", "txtT9="};
}

void TestForm17::calculate() {
    QFETCH(QStringList, typed);
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, expected);
    p.type(typed);
    for (const QString& c : clicks) p.click(c);
    QVERIFY2(p.matches(expected), p.why());
}

void TestForm17::refused_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("at");  // the box refused
    QTest::addColumn<QString>("note");
    using namespace quorvil::notes;

    QTest::newRow("sleeve empty") << QStringList{} << "CommandM"
                                  << "txtT30" << number();
    QTest::newRow("sleeve, bore depth without its diameter") << sleeve + QStringList{"txtT31="} << "CommandM"
                                                             << "txtT31" << number();
    QTest::newRow("sleeve density 0") << sleeve + QStringList{"txtT34=0"} << "CommandM"
                                      << "txtT34" << positive();
    QTest::newRow("sleeve input beyond single") << QStringList{"txtT30=4e38", "txtt36=1"} << "CommandM"
                                                << "txtT30" << tooLarge();
    QTest::newRow("disc width empty") << QStringList{"txtt52=100", "txtt50=10"} << "Command7"
                                      << "txtt51" << number();
    QTest::newRow("disc width 0") << QStringList{"txtt52=100", "txtt51=0", "txtt50=10"} << "Command7"
                                  << "txtt51" << positive();
    QTest::newRow("disc width over diameter") << QStringList{"txtt52=100", "txtt51=120", "txtt50=10"} << "Command7"
                                              << "txtt51" << overDiameter();
    QTest::newRow("disc density emptied") << disc + QStringList{"txtt53="} << "Command7"
                                          << "txtt53" << number();
    QTest::newRow("disc thickness, decimal comma") << disc + QStringList{"txtt50=10,5"} << "Command7"
                                                   << "txtt50" << decimalPoint();
    QTest::newRow("shaft empty") << QStringList{} << "Command9"
                                 << "txtt65" << number();
    QTest::newRow("shaft, a section's length without its diameter") << shaft + QStringList{"txtt62="} << "Command9"
                                                                    << "txtt62" << number();
    QTest::newRow("shaft weight beyond single")
        << QStringList{"txtt60=1e30", "txtt67=2e30", "txtt65=1", "txtt69=1"} << "Command9"
        << "txtt67" << tooLarge();
}

// Results shown in every frame, then a refused press changes no box.
void TestForm17::refused() {
    QFETCH(QStringList, typed);
    QFETCH(QString, button);
    QFETCH(QString, at);
    QFETCH(QString, note);
    for (const QString& r : kResultBoxes) p.type(r, "5");
    p.type(typed);
    const QMap<QString, QString> before = p.snapshot();
    p.click(button);
    QCOMPARE(p.snapshot(), before);
    QVERIFY2(p.refused(at, note), p.why());
}

// Each clear button empties its frame's dimensions and result and keeps the
// density and the unit; the next calculation asks for the dimensions.
void TestForm17::clearButtons_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("inch");
    QTest::addColumn<QString>("calculate");
    QTest::addColumn<QString>("clear");
    QTest::addColumn<QStringList>("emptied");
    QTest::addColumn<QString>("density");
    QTest::addColumn<QString>("refusedAt");  // a calculation after clearing: the first empty box it needs

    QTest::newRow("sleeve") << sleeve + QStringList{"txtT34=2.7"} << "Op203"
                            << "CommandM"
                            << "Command6" << QStringList{"txtT30", "txtT31", "txtT32", "txtt35", "txtt36", "txtt37"}
                            << "txtT34"
                            << "txtT30";
    QTest::newRow("shaft") << shaft + QStringList{"txtt70=2.7"} << "Op304"
                           << "Command9"
                           << "Command8" << QStringList{"txtt60", "txtt61", "txtt62", "txtt64", "txtt65",
                                                        "txtt66", "txtt67", "txtt68", "txtt69", "txtt71"}
                           << "txtt70"
                           << "txtt65";
    QTest::newRow("disc") << disc + QStringList{"txtt53=2.7"} << "OpK"
                          << "Command7"
                          << "Command5" << QStringList{"txtt50", "txtt51", "txtt52", "txtt54"} << "txtt53"
                          << "txtt50";
    QTest::newRow("three-section") << QStringList{"txtt1=40", "txtT7=120", "txtT8=2.7"} << "Op106"
                                   << "Command1"
                                   << "Command2" << QStringList{"txtt1", "txtT2", "txtT3", "txtT4",
                                                                "txtT5", "txtT6", "txtT7", "txtT9"}
                                   << "txtT8"
                                   << "txtt1";
    QTest::newRow("four-section") << QStringList{"txtT11=40", "txtT19=120", "txtT20=2.7"} << "Op108"
                                  << "Command4"
                                  << "Command3" << QStringList{"txtT11", "txtT12", "txtT13", "txtT14", "txtT15",
                                                               "txtT16", "txtT17", "txtT18", "txtT19", "txtT21"}
                                  << "txtT20"
                                  << "txtT13";
}

void TestForm17::clearButtons() {
    QFETCH(QStringList, typed);
    QFETCH(QString, inch);
    QFETCH(QString, calculate);
    QFETCH(QString, clear);
    QFETCH(QStringList, emptied);
    QFETCH(QString, density);
    QFETCH(QString, refusedAt);
    p.type(typed);
    p.click(inch);
    p.click(calculate);
    const QMap<QString, QString> before = p.texts(kDimensionBoxes + kResultBoxes + kDensityBoxes);
    p.click(clear);
    for (auto it = before.begin(); it != before.end(); ++it) {
        const QString want = emptied.contains(it.key()) ? QString() : it.value();
        QCOMPARE(p.text(it.key()), want);
    }
    QCOMPARE(p.text(density), QStringLiteral("2.7"));
    QVERIFY(p.get<QRadioButton>(inch)->isChecked());
    const QMap<QString, QString> cleared = p.snapshot();
    p.click(calculate);
    QCOMPARE(p.snapshot(), cleared);
    QVERIFY2(p.refused(refusedAt, quorvil::notes::number()), p.why());
}

QUORVIL_UI_TEST_MAIN(TestForm17)
#include "tst_form17.moc"
