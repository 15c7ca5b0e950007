#include <QTest>

#include <limits>

#include "threads/nonstandard/worm.h"

using namespace quorvil;
using namespace quorvil::nonstandard;

class TestWorm : public QObject {
    Q_OBJECT
private slots:
    void wireTable_data();
    void wireTable();
    void degMinSec_data();
    void degMinSec();
    void noDimensions_data();
    void noDimensions();
    void withoutWireRow();
};

void TestWorm::wireTable_data() {
    QTest::addColumn<double>("module");
    QTest::addColumn<double>("wire");  // 0: no row
    const double rows[][2] = {{0.3, 0.511}, {0.4, 0.724}, {0.5, 0.866}, {0.6, 1.008}, {0.7, 1.441}, {0.8, 1.441},
                              {1, 1.732},   {1.25, 2.311}, {1.5, 2.595}, {2, 3.468},  {2.5, 4.211}, {3, 5.176}};
    for (const auto& r : rows) QTest::addRow("m %g", r[0]) << r[0] << r[1];
    QTest::newRow("2.01 has no row") << 2.01 << 0.0;
    QTest::newRow("5 has no row") << 5.0 << 0.0;
    QTest::newRow("0 has no row") << 0.0 << 0.0;
}

void TestWorm::wireTable() {
    QFETCH(double, module);
    QFETCH(double, wire);
    // The module arrives as the float of what was typed.
    const auto dw = wormWireDiameter(static_cast<float>(module));
    if (wire == 0) {
        QVERIFY(!dw);
    } else {
        QVERIFY(dw);
        QCOMPARE(*dw, static_cast<float>(wire));
    }
}

void TestWorm::degMinSec_data() {
    QTest::addColumn<double>("degrees");
    QTest::addColumn<int>("d");
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("s");
    QTest::newRow("d1 22.4 m 2 z1 1") << 5.10216542582249 << 5 << 6 << 8;
    QTest::newRow("d1 50 m 5 z1 4") << 21.801409858243773 << 21 << 48 << 5;
    QTest::newRow("zero") << 0.0 << 0 << 0 << 0;
    // Seconds that round to 60 carry into the minutes, and on into the degrees.
    QTest::newRow("60 seconds carry") << 0.9166542720217239 << 0 << 55 << 0;
    QTest::newRow("carry to a degree") << 0.9999993314796906 << 1 << 0 << 0;
    QTest::newRow("30.49 seconds") << 30.49 / 3600 << 0 << 0 << 30;
    QTest::newRow("30.51 seconds") << 30.51 / 3600 << 0 << 0 << 31;
    QTest::newRow("negative angle") << -0.5 << -1 << 30 << 0;
}

void TestWorm::degMinSec() {
    QFETCH(double, degrees);
    QFETCH(int, d);
    QFETCH(int, m);
    QFETCH(int, s);
    const DegMinSec a = toDegMinSec(degrees);
    QCOMPARE(int(a.degrees), d);
    QCOMPARE(int(a.minutes), m);
    QCOMPARE(int(a.seconds), s);
}

void TestWorm::noDimensions_data() {
    QTest::addColumn<float>("d1");
    QTest::addColumn<float>("m");
    QTest::addColumn<float>("z1");
    const float inf = std::numeric_limits<float>::infinity();
    const float big = std::numeric_limits<float>::max();
    QTest::newRow("module 0") << 22.4f << 0.0f << 1.0f;
    QTest::newRow("diameter 0") << 0.0f << 2.0f << 1.0f;
    QTest::newRow("all 0") << 0.0f << 0.0f << 0.0f;
    QTest::newRow("input beyond single") << inf << 2.0f << 1.0f;
    QTest::newRow("tip beyond single") << big << 2e38f << 1.0f;
    QTest::newRow("tooth depth beyond single") << 1.0f << big << 1.0f;
}

void TestWorm::noDimensions() {
    QFETCH(float, d1);
    QFETCH(float, m);
    QFETCH(float, z1);
    QVERIFY(!wormDimensions(d1, m, z1));
}

void TestWorm::withoutWireRow() {
    const auto r = wormDimensions(50, 5, 4);
    QVERIFY(r);
    QVERIFY(!r->wire);
    QVERIFY(!r->overWires);
    QCOMPARE(r->diameterQuotient, 10.0f);
    QCOMPARE(int(r->leadAngle.degrees), 21);
}

QTEST_APPLESS_MAIN(TestWorm)
#include "tst_worm.moc"
