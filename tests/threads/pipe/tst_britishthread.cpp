#include <QTest>

#include <cmath>

#include "threads/pipe/britishthread.h"

using quorvil::britishSizeInches;
using quorvil::britishTapDrill;
using quorvil::britishThread;

class TestBritishThread : public QObject {
    Q_OBJECT
private slots:
    void sizeEntry_data();
    void sizeEntry();
    void sizeHeldInSinglePrecision();
    void dimensionsOfTheWorkedSizes();
    void noThreadWithoutThreads();
    void tapDrills_data();
    void tapDrills();
};

void TestBritishThread::sizeEntry_data() {
    QTest::addColumn<double>("whole");
    QTest::addColumn<double>("numerator");
    QTest::addColumn<double>("denominator");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<float>("inches");

    QTest::newRow("whole inch typed 1-0/0") << 1.0 << 0.0 << 0.0 << true << 1.0f;
    QTest::newRow("zero over a negative denominator") << 2.0 << 0.0 << -4.0 << true << 2.0f;
    QTest::newRow("negative size goes through") << -1.0 << 0.0 << 0.0 << true << -1.0f;
    QTest::newRow("numerator over 0 is no size") << 0.0 << 1.0 << 0.0 << false << 0.0f;
    QTest::newRow("denominator the epsilon cancels") << 0.0 << 1.0 << -0.000001 << false << 0.0f;
    QTest::newRow("zero over the cancelled denominator") << 0.0 << 0.0 << -0.000001 << false << 0.0f;
    QTest::newRow("beyond single precision") << 1e300 << 0.0 << 0.0 << false << 0.0f;
}

void TestBritishThread::sizeEntry() {
    QFETCH(double, whole);
    QFETCH(double, numerator);
    QFETCH(double, denominator);
    QFETCH(bool, valid);
    QFETCH(float, inches);
    const auto e = britishSizeInches(whole, numerator, denominator);
    QCOMPARE(bool(e), valid);
    if (valid) QCOMPARE(*e, inches);
}

// The epsilon is not negligible in single precision: 1/2 inch is 0.49999976
// and its diameter 12.6999939 mm; 2/4 inch is a different float.
void TestBritishThread::sizeHeldInSinglePrecision() {
    const auto half = britishSizeInches(0, 1, 2);
    QVERIFY(half);
    QCOMPARE(*half, 0.49999976f);
    QVERIFY(*half != 0.5f);
    QVERIFY(std::abs(static_cast<double>(*half) * 25.4 - 12.6999939) < 5e-7);
    const auto twoQuarters = britishSizeInches(0, 2, 4);
    QVERIFY(twoQuarters && *twoQuarters != *half);
}

void TestBritishThread::dimensionsOfTheWorkedSizes() {
    // 0-1/2 at 12 with the wire 1.157, unrounded.
    const auto t = britishThread(*britishSizeInches(0, 1, 2), 12, 1.157f);
    QVERIFY(t);
    QVERIFY(std::abs(t->majorDiameter - 12.491244) < 1e-6);
    QVERIFY(std::abs(t->pitchDiameter - 11.344629) < 1e-6);
    QVERIFY(std::abs(t->minorDiameter - 10.302530) < 1e-6);
    QVERIFY(std::abs(t->threadDepth - 1.355365) < 1e-6);
    QVERIFY(std::abs(t->tipWidth - 0.352848) < 1e-6);
    QVERIFY(std::abs(t->bestWire - 1.193165) < 1e-6);
    QVERIFY(t->mValue && std::abs(*t->mValue - 12.974285) < 1e-6);

    // 1-0/0 at 8 over 1.833.
    const auto one = britishThread(*britishSizeInches(1, 0, 0), 8, 1.833f);
    QVERIFY(one && one->mValue);
    QVERIFY(std::abs(one->majorDiameter - 25.111875) < 1e-6);
    QVERIFY(std::abs(*one->mValue - 26.120093) < 1e-6);

    // No wire, no M value; everything else is there.
    const auto bare = britishThread(*britishSizeInches(0, 1, 2), 12, std::nullopt);
    QVERIFY(bare && !bare->mValue);
    QCOMPARE(bare->majorDiameter, t->majorDiameter);
}

void TestBritishThread::noThreadWithoutThreads() {
    QVERIFY(!britishThread(1.0f, 0, 1.157f));
    QVERIFY(!britishThread(1.0f, -0.0, std::nullopt));
    QVERIFY(!britishThread(1.0f, 1e-320, std::nullopt));  // 16.26 / n overflows
    QVERIFY(britishThread(1.0f, -12, std::nullopt));      // negative values go through
}

void TestBritishThread::tapDrills_data() {
    QTest::addColumn<double>("whole");
    QTest::addColumn<double>("numerator");
    QTest::addColumn<double>("denominator");
    QTest::addColumn<double>("drill");  // 0: no row

    QTest::newRow("3/16") << 0.0 << 3.0 << 16.0 << 3.9;
    QTest::newRow("1/4") << 0.0 << 1.0 << 4.0 << 5.2;
    QTest::newRow("5/16") << 0.0 << 5.0 << 16.0 << 6.7;
    QTest::newRow("3/8") << 0.0 << 3.0 << 8.0 << 8.1;
    QTest::newRow("1/2") << 0.0 << 1.0 << 2.0 << 10.7;
    QTest::newRow("5/8") << 0.0 << 5.0 << 8.0 << 13.8;
    QTest::newRow("3/4") << 0.0 << 3.0 << 4.0 << 16.8;
    QTest::newRow("7/8") << 0.0 << 7.0 << 8.0 << 19.7;
    QTest::newRow("1") << 1.0 << 0.0 << 0.0 << 22.5;
    QTest::newRow("1 1/8") << 1.0 << 1.0 << 8.0 << 25.2;
    QTest::newRow("1 1/4") << 1.0 << 1.0 << 4.0 << 28.4;
    QTest::newRow("1 1/2") << 1.0 << 1.0 << 2.0 << 34.2;
    QTest::newRow("1 3/4") << 1.0 << 3.0 << 4.0 << 39.7;
    QTest::newRow("2") << 2.0 << 0.0 << 0.0 << 45.6;
    // The same sizes written otherwise have no row.
    QTest::newRow("2/4") << 0.0 << 2.0 << 4.0 << 0.0;
    QTest::newRow("1-2/2") << 1.0 << 2.0 << 2.0 << 0.0;
    QTest::newRow("1-0/1") << 1.0 << 0.0 << 1.0 << 0.0;
    QTest::newRow("9/16") << 0.0 << 9.0 << 16.0 << 0.0;
    QTest::newRow("3/16 with whole 1") << 1.0 << 3.0 << 16.0 << 0.0;
}

void TestBritishThread::tapDrills() {
    QFETCH(double, whole);
    QFETCH(double, numerator);
    QFETCH(double, denominator);
    QFETCH(double, drill);
    const auto d = britishTapDrill(whole, numerator, denominator);
    if (drill == 0)
        QVERIFY(!d);
    else
        QCOMPARE(d, std::optional<double>(drill));
}

QTEST_APPLESS_MAIN(TestBritishThread)
#include "tst_britishthread.moc"
