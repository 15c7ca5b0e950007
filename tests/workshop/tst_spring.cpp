#include <QTest>

#include <cmath>
#include <limits>

#include "workshop/spring.h"

using namespace quorvil;

class TestSpring : public QObject {
    Q_OBJECT
private slots:
    void coilSeriesRounding_data();
    void coilSeriesRounding();
    void seriesAndLists();
    void workedExample();
    void noSpringWithoutDivisors_data();
    void noSpringWithoutDivisors();
    void noSpringBeyondSinglePrecision();
};

void TestSpring::coilSeriesRounding_data() {
    QTest::addColumn<float>("n");
    QTest::addColumn<float>("rounded");

    QTest::newRow("3.857 up to 4") << 3.857f << 4.0f;
    QTest::newRow("4 stays") << 4.0f << 4.0f;
    QTest::newRow("10.7 skips 11") << 10.7f << 11.5f;
    QTest::newRow("14.8") << 14.8f << 15.0f;
    QTest::newRow("15.2 skips 15.5") << 15.2f << 16.0f;
    QTest::newRow("16.1 skips 17") << 16.1f << 18.0f;
    QTest::newRow("29") << 29.0f << 30.0f;
    QTest::newRow("30 stays") << 30.0f << 30.0f;
    QTest::newRow("0.5 up to 2") << 0.5f << 2.0f;
    QTest::newRow("just above 0") << 1e-30f << 2.0f;
    QTest::newRow("0 stays") << 0.0f << 0.0f;
    QTest::newRow("31 stays") << 31.0f << 31.0f;
    QTest::newRow("-3 stays") << -3.0f << -3.0f;
    QTest::newRow("2.0000002 up to 2.25") << std::nextafter(2.0f, 3.0f) << 2.25f;
    QTest::newRow("just below 2.25") << std::nextafter(2.25f, 0.0f) << 2.25f;
}

void TestSpring::coilSeriesRounding() {
    QFETCH(float, n);
    QFETCH(float, rounded);
    QCOMPARE(roundToCoilSeries(n), rounded);
}

// Every value of the series stays, and everything between two values goes
// to the upper one.
void TestSpring::seriesAndLists() {
    QCOMPARE(kCoilSeries.size(), std::size_t(36));
    for (std::size_t i = 0; i < kCoilSeries.size(); ++i) {
        QCOMPARE(roundToCoilSeries(kCoilSeries[i]), kCoilSeries[i]);
        if (i > 0) {
            QVERIFY(kCoilSeries[i - 1] < kCoilSeries[i]);
            QCOMPARE(roundToCoilSeries((kCoilSeries[i - 1] + kCoilSeries[i]) / 2), kCoilSeries[i]);
        }
    }
    for (float gap : {11.0f, 15.5f, 17.0f}) QVERIFY(roundToCoilSeries(gap) != gap);

    QCOMPARE(kSpringWireDiameters[26], std::string_view("第二系列"));
    QCOMPARE(kSpringMeanDiameters[38], std::string_view("第二系列"));
    QCOMPARE(kSpringWireDiameters.back(), std::string_view("18"));
    QCOMPARE(kSpringMeanDiameters.back(), std::string_view("115"));
}

void TestSpring::workedExample() {
    const auto s = designSpring({4, 32, 60, 10, 200, 400, 79});
    QVERIFY(s);
    QCOMPARE(s->index, 8.0f);
    QCOMPARE(s->activeCoils, 4.0f);  // 3.857 on the series
    QCOMPARE(s->totalCoils, 6.0f);
    QCOMPARE(s->freeHeight, 70.0f);
    QCOMPARE(s->pitch, 16.0f);
    // The angle of the slope 16 / (3.14 * 32), in degrees with pi 3.1415.
    QVERIFY(std::abs(s->helixAngle - 9.0486f) < 1e-3f);
    QVERIFY(std::abs(s->length - 610.48f) < 0.01f);
    QCOMPARE(s->slenderness, 2.1875f);
    QCOMPARE(s->outerDiameter, 36.0f);
    QCOMPARE(s->maxLoadHeight, 50.0f);
    QCOMPARE(s->solidHeight, 22.0f);
    QCOMPARE(s->solidLoad, 960.0f);
}

void TestSpring::noSpringWithoutDivisors_data() {
    QTest::addColumn<float>("d");
    QTest::addColumn<float>("D2");
    QTest::addColumn<float>("s");
    QTest::addColumn<float>("F1");
    QTest::addColumn<float>("F2");
    QTest::addColumn<float>("G");

    const float inf = std::numeric_limits<float>::infinity();
    QTest::newRow("d 0") << 0.0f << 32.0f << 10.0f << 200.0f << 400.0f << 79.0f;
    QTest::newRow("D2 0") << 4.0f << 0.0f << 10.0f << 200.0f << 400.0f << 79.0f;
    QTest::newRow("s 0") << 4.0f << 32.0f << 0.0f << 200.0f << 400.0f << 79.0f;
    QTest::newRow("F1 = F2") << 4.0f << 32.0f << 10.0f << 400.0f << 400.0f << 79.0f;
    QTest::newRow("F2 0") << 4.0f << 32.0f << 10.0f << 200.0f << 0.0f << 79.0f;
    QTest::newRow("G 0") << 4.0f << 32.0f << 10.0f << 200.0f << 400.0f << 0.0f;
    QTest::newRow("fresh window") << 0.0f << 0.0f << 0.0f << 0.0f << 0.0f << 0.0f;
    QTest::newRow("beyond single precision") << 4.0f << 32.0f << 1e-30f << 200.0f << 3e38f << 79.0f;
    QTest::newRow("infinite input") << 4.0f << 32.0f << 10.0f << 200.0f << inf << 79.0f;
}

void TestSpring::noSpringWithoutDivisors() {
    QFETCH(float, d);
    QFETCH(float, D2);
    QFETCH(float, s);
    QFETCH(float, F1);
    QFETCH(float, F2);
    QFETCH(float, G);
    QVERIFY(!designSpring({d, D2, 60, s, F1, F2, G}));
}

// Every input fits single precision, but the solid load of a spring
// installed 3e38 mm high (about 6e39 N) does not.
void TestSpring::noSpringBeyondSinglePrecision() {
    QVERIFY(designSpring({4, 32, 60, 10, 200, 400, 79}));
    QVERIFY(!designSpring({4, 32, 3e38f, 10, 200, 400, 79}));
}

QTEST_APPLESS_MAIN(TestSpring)
#include "tst_spring.moc"
