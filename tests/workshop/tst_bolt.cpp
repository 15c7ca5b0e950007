#include <QTest>

#include <cmath>

#include "workshop/bolt.h"
#include "workshop/cylindersketch.h"

using namespace quorvil;

class TestBolt : public QObject {
    Q_OBJECT
private slots:
    void workedExample();
    void noDiameterWithoutDivisorOrRoot();
    void sketchHasItsLines();
};

void TestBolt::workedExample() {
    const auto f = boltWorkingLoad(1, 200, 8);
    QVERIFY(f);
    QCOMPARE(*f, 3925.0);
    const auto d1 = staticMinorDiameter(*f, 0.3, 1.6, 360);
    QVERIFY(d1 && std::abs(*d1 - 10.1569) < 1e-4);
    // Only the sum of the two coefficients counts.
    QCOMPARE(staticMinorDiameter(*f, 0.9, 1.0, 360), d1);
    const auto fatigue = fatigueMinorDiameter(*f, 0.3, 3.9, 1.0, 230);
    QVERIFY(fatigue && std::abs(*fatigue - 6.1767) < 1e-4);
}

void TestBolt::noDiameterWithoutDivisorOrRoot() {
    QVERIFY(!boltWorkingLoad(1, 200, 0));
    QVERIFY(!boltWorkingLoad(1e308, 1e308, 1));
    QVERIFY(!staticMinorDiameter(3925, 0.3, 1.6, 0));
    QVERIFY(!staticMinorDiameter(-3925, 0.3, 1.6, 360));  // negative pressure
    QVERIFY(!staticMinorDiameter(3925, 0.3, -1.6, 360));  // coefficient sum below 0
    QVERIFY(!staticMinorDiameter(3925, 0.3, 1.6, 1e-320));
    QVERIFY(!fatigueMinorDiameter(3925, 0.3, 3.9, 0, 230));
    QVERIFY(!fatigueMinorDiameter(3925, 0.3, 3.9, 1, 0));
    QVERIFY(!fatigueMinorDiameter(3925, -0.3, 3.9, 1, 230));
    QCOMPARE(staticMinorDiameter(0, 0.3, 1.6, 360), std::optional<double>(0.0));
}

// The drawing is made of 71 lines, all inside its frame.
void TestBolt::sketchHasItsLines() {
    const Sketch s = cylinderSketch();
    QCOMPARE(s.size(), std::size_t(71));
    for (const SketchLine& l : s) {
        for (int x : {l.x1, l.x2}) QVERIFY(x > 0 && x < 3300);
        for (int y : {l.y1, l.y2}) QVERIFY(y > 300 && y < 2700);
    }
}

QTEST_APPLESS_MAIN(TestBolt)
#include "tst_bolt.moc"
