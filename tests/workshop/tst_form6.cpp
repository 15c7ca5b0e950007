#include <QPushButton>

#include "common/ui/refusal.h"
#include "uitest.h"
#include "windowtest.h"
#include "workshop/Form6.h"

namespace {

const QStringList kBoxes = {"Text1000", "text3000", "text4000", "Text2000", "Text1", "qzv1", "qzv2", "qzv3", "qzv4",
                            "qzv5",     "qzv6",     "qzv7",     "qzv8",     "c1",    "c2",   "c3",   "c44",  "c440",
                            "c10",      "c20",      "c30",      "qzv55",    "qzv66", "x1",   "x2"};

}  // namespace

class TestForm6 : public quorvil::test::WindowTest<Form6> {
    Q_OBJECT
private slots:
    void opensEmpty();
    void conversions_data();
    void conversions();
    void badInputChangesNoBox_data();
    void badInputChangesNoBox();
    void clearButtonsEmptyTheirOwnFrame();
    void enterPressesTheDegreesToDmsButton();
};

void TestForm6::opensEmpty() {
    QCOMPARE(w->windowTitle(), QStringLiteral("18.公英制、角度转换"));
    for (const QString& n : kBoxes) {
        QVERIFY2(p.text(n).isEmpty(), qPrintable(n));
        QCOMPARE(p.box(n)->alignment(), Qt::AlignCenter);
    }
    // The numerator sits higher than the denominator.
    QVERIFY(p.box("text3000")->y() < p.box("text4000")->y());
}

void TestForm6::conversions_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("expected");

    const QString fraction = "Command1000";
    QTest::newRow("1-2/3 inch") << QStringList{"Text1000=1", "text3000=2", "text4000=3"} << fraction
                                << QStringList{"Text2000=42.333", "Text1=1.667"};
    QTest::newRow("3/8 inch") << QStringList{"Text1000=0", "text3000=3", "text4000=8"} << fraction
                              << QStringList{"Text2000=9.525", "Text1=0.375"};
    QTest::newRow("2-0/1 inch") << QStringList{"Text1000=2", "text3000=0", "text4000=1"} << fraction
                                << QStringList{"Text2000=50.800", "Text1=2.000"};
    QTest::newRow("2-0/0 inch") << QStringList{"Text1000=2", "text3000=0", "text4000=0"} << fraction
                                << QStringList{"Text2000=50.800", "Text1=2.000"};
    // Empty parts of the entry count as 0.
    QTest::newRow("2 inch, fraction empty") << QStringList{"Text1000=2", "text3000=", "text4000="} << fraction
                                            << QStringList{"Text2000=50.800", "Text1=2.000"};
    QTest::newRow("2 inch, numerator empty") << QStringList{"Text1000=2", "text3000=", "text4000=1"} << fraction
                                             << QStringList{"Text2000=50.800", "Text1=2.000"};
    QTest::newRow("3/8 inch, whole empty") << QStringList{"Text1000=", "text3000=3", "text4000=8"} << fraction
                                           << QStringList{"Text2000=9.525", "Text1=0.375"};
    // Exact halves round away from zero.
    QTest::newRow("5/16 inch") << QStringList{"Text1000=0", "text3000=5", "text4000=16"} << fraction
                               << QStringList{"Text2000=7.938", "Text1=0.313"};

    const QStringList lowHigh = {"qzv3=31.242", "qzv6=0.508", "qzv4=31.496", "qzv7=0.254", "qzv5=31.750", "qzv8=0.508"};
    QTest::newRow("range 1.23 1.25") << QStringList{"qzv1=1.23", "qzv2=1.25"} << "Command4" << lowHigh;
    QTest::newRow("range 1.25 1.23") << QStringList{"qzv1=1.25", "qzv2=1.23"} << "Command4" << lowHigh;
    QTest::newRow("range 10.5 9.5") << QStringList{"qzv1=10.5", "qzv2=9.5"} << "Command4"
                                    << QStringList{"qzv3=241.300", "qzv6=25.400",  "qzv4=254.000",
                                                   "qzv7=12.700",  "qzv5=266.700", "qzv8=25.400"};
    QTest::newRow("range equal limits") << QStringList{"qzv1=2", "qzv2=2"} << "Command4"
                                        << QStringList{"qzv3=50.800", "qzv6=0.000",  "qzv4=50.800",
                                                       "qzv7=0.000",  "qzv5=50.800", "qzv8=0.000"};

    QTest::newRow("8 5 8 to degrees") << QStringList{"c1=8", "c2=5", "c3=8"} << "Command101"
                                      << QStringList{"c44=8.08555555555556"};
    QTest::newRow("10 30 0 to degrees") << QStringList{"c1=10", "c2=30", "c3=0"} << "Command101"
                                        << QStringList{"c44=10.5"};
    QTest::newRow("negative minutes") << QStringList{"c1=1", "c2=-30", "c3=0"} << "Command101"
                                      << QStringList{"c44=0.5"};
    // Minutes or seconds left empty count as 0.
    QTest::newRow("30 15 without seconds")
        << QStringList{"c1=30", "c2=15", "c3="} << "Command101" << QStringList{"c44=30.25"};
    QTest::newRow("10 without minutes, 36 seconds")
        << QStringList{"c1=10", "c2= ", "c3=36"} << "Command101" << QStringList{"c44=10.01"};

    QTest::newRow("30.5 to dms") << QStringList{"c440=30.5"} << "Command121"
                                 << QStringList{"c10=30", "c20=30", "c30=0"};
    QTest::newRow("8.08555 to dms") << QStringList{"c440=8.08555"} << "Command121"
                                    << QStringList{"c10=8", "c20=5", "c30=7.98"};
    QTest::newRow("-8.08555 to dms") << QStringList{"c440=-8.08555"} << "Command121"
                                     << QStringList{"c10=-9", "c20=54", "c30=52.02"};
    QTest::newRow("2.3 to dms") << QStringList{"c440=2.3"} << "Command121" << QStringList{"c10=2", "c20=18", "c30=0"};
    QTest::newRow("45.51 to dms") << QStringList{"c440=45.51"} << "Command121"
                                  << QStringList{"c10=45", "c20=30", "c30=36"};

    QTest::newRow("60 to radians") << QStringList{"qzv55=60"} << "Command789" << QStringList{"qzv66=1.04719753333333"};
    QTest::newRow("30 to radians") << QStringList{"qzv55=30"} << "Command789" << QStringList{"qzv66=0.523598766666667"};
    QTest::newRow("180 to radians") << QStringList{"qzv55=180"} << "Command789" << QStringList{"qzv66=3.1415926"};

    QTest::newRow("1.047198 to degrees") << QStringList{"x1=1.047198"} << "Command1" << QStringList{"x2=60.000"};
    QTest::newRow("3.1415926 to degrees") << QStringList{"x1=3.1415926"} << "Command1" << QStringList{"x2=180.000"};
}

// Every other box holds a decoy, so a converter that read or wrote another
// frame's boxes would show it.
void TestForm6::conversions() {
    QFETCH(QStringList, typed);
    QFETCH(QString, button);
    QFETCH(QStringList, expected);
    for (const QString& n : kBoxes) p.type(n, "7");
    p.type(typed);
    auto before = p.texts(kBoxes);
    p.click(button);
    QVERIFY2(p.matches(expected), p.why());
    for (const QString& e : expected) before[e.left(e.indexOf('='))] = e.mid(e.indexOf('=') + 1);
    QCOMPARE(p.texts(kBoxes), before);
}

void TestForm6::badInputChangesNoBox_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("at");  // the box refused
    QTest::addColumn<QString>("note");
    using namespace quorvil::notes;

    QTest::newRow("numerator over 0") << QStringList{"Text1000=1", "text3000=1", "text4000=0"} << "Command1000"
                                      << "text4000" << denominator();
    QTest::newRow("numerator over empty") << QStringList{"Text1000=1", "text3000=1", "text4000="} << "Command1000"
                                          << "text4000" << denominator();
    QTest::newRow("inch letters") << QStringList{"Text1000=1in", "text3000=1", "text4000=2"} << "Command1000"
                                  << "Text1000" << number();
    QTest::newRow("inch too large in mm") << QStringList{"Text1000=1e307", "text3000=1", "text4000=2"} << "Command1000"
                                          << "Text1000" << tooLarge();
    QTest::newRow("range empty") << QStringList{"qzv1=1.23", "qzv2="} << "Command4"
                                 << "qzv2" << number();
    QTest::newRow("range decimal comma") << QStringList{"qzv1=1,23", "qzv2=1.25"} << "Command4"
                                         << "qzv1" << decimalPoint();
    QTest::newRow("range overflow") << QStringList{"qzv1=1e308", "qzv2=1e308"} << "Command4"
                                    << "qzv1" << tooLarge();
    QTest::newRow("dms degrees empty") << QStringList{"c1=", "c2=5", "c3=8"} << "Command101"
                                       << "c1" << number();
    QTest::newRow("dms seconds letters") << QStringList{"c1=8", "c2=5", "c3=8s"} << "Command101"
                                         << "c3" << number();
    QTest::newRow("dms overflow") << QStringList{"c1=1.79e308", "c2=1.79e308", "c3=0"} << "Command101"
                                  << "c1" << tooLarge();
    QTest::newRow("degrees empty") << QStringList{"c440="} << "Command121"
                                   << "c440" << number();
    QTest::newRow("degrees letters") << QStringList{"c440=30°"} << "Command121"
                                     << "c440" << number();
    QTest::newRow("radians overflow") << QStringList{"qzv55=1e308"} << "Command789"
                                      << "qzv55" << tooLarge();
    QTest::newRow("radians to degrees, a point") << QStringList{"x1=."} << "Command1"
                                                 << "x1" << number();
}

// A refused conversion changes no box and says why at the box.
void TestForm6::badInputChangesNoBox() {
    QFETCH(QStringList, typed);
    QFETCH(QString, button);
    QFETCH(QString, at);
    QFETCH(QString, note);
    for (const QString& n : kBoxes) p.type(n, "7");
    p.type(typed);
    const auto before = p.texts(kBoxes);
    p.click(button);
    QCOMPARE(p.texts(kBoxes), before);
    QVERIFY2(p.refused(at, note), p.why());
}

void TestForm6::clearButtonsEmptyTheirOwnFrame() {
    for (const QString& n : kBoxes) p.type(n, "7");
    p.click("Command201");
    for (const QString& n : kBoxes) {
        const bool cleared = QStringList{"c1", "c2", "c3", "c44"}.contains(n);
        QVERIFY2(p.text(n).isEmpty() == cleared, qPrintable(n));
    }
    for (const QString& n : kBoxes) p.type(n, "7");
    p.click("Command20");
    for (const QString& n : kBoxes) {
        const bool cleared = QStringList{"c10", "c20", "c30", "c440"}.contains(n);
        QVERIFY2(p.text(n).isEmpty() == cleared, qPrintable(n));
    }
}

// Enter in any box runs the degrees-to-dms conversion; a focused button takes
// Enter itself.
void TestForm6::enterPressesTheDegreesToDmsButton() {
    p.type({"c440=30.5", "x1=3.1415926"});
    for (const char* focus : {"Text1000", "x1", "c440", "qzv2"}) {
        p.type({"c10=", "c20=", "c30="});
        p.box(focus)->setFocus();
        QTest::keyClick(p.box(focus), Qt::Key_Return);
        QVERIFY2(p.matches({"c10=30", "c20=30", "c30=0", "x2="}), p.why());
    }
    p.type({"c10="});
    auto* other = p.get<QPushButton>("Command1");
    other->setFocus();
    QTest::keyClick(other, Qt::Key_Return);
    QVERIFY2(p.matches({"c10=", "x2=180.000"}), p.why());
    QVERIFY(p.get<QPushButton>("Command121")->isDefault());
}

QUORVIL_UI_TEST_MAIN(TestForm6)
#include "tst_form6.moc"
