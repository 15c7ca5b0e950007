#include <QTest>

#include <cmath>
#include <limits>

#include "common/numtext.h"
#include "threads/common/threewire.h"

using namespace quorvil;

// What a result box of the three-wire calculator shows for a value: the plain
// number text, re-formatted with three decimals.
static QString shown(double v) { return QString::fromStdString(reformat(plainText(v), Pattern::Fixed3)); }

class TestThreeWire : public QObject {
    Q_OBJECT
private slots:
    void bestWire_data();
    void bestWire();
    void overWires_data();
    void overWires();
    void noValue_data();
    void noValue();
    void standardWires();
};

void TestThreeWire::bestWire_data() {
    QTest::addColumn<double>("pitch");
    QTest::addColumn<double>("threadsPerInch");  // used instead of the pitch when not 0
    QTest::addColumn<double>("angle");
    QTest::addColumn<QString>("expected");
    QTest::newRow("metric 1.5") << 1.5 << 0.0 << 60.0 << "0.866";
    // 3.1415 for pi: the exact formula would show 4.510.
    QTest::newRow("55 degrees, pi 3.1415") << 8.0 << 0.0 << 55.0 << "4.509";
    QTest::newRow("8 threads per inch") << 0.0 << 8.0 << 60.0 << "1.833";
    QTest::newRow("trapezoidal") << 6.0 << 0.0 << 30.0 << "3.106";
    QTest::newRow("negative angle as typed") << 1.5 << 0.0 << -60.0 << "0.866";
}

void TestThreeWire::bestWire() {
    QFETCH(double, pitch);
    QFETCH(double, threadsPerInch);
    QFETCH(double, angle);
    QFETCH(QString, expected);
    const double p = threadsPerInch != 0 ? pitchOfThreadsPerInch(threadsPerInch) : pitch;
    const auto w = bestWireDiameter(FlankAngle{angle}, Pitch{p});
    QVERIFY(w);
    QCOMPARE(shown(*w), expected);
}

void TestThreeWire::overWires_data() {
    QTest::addColumn<double>("pitch");
    QTest::addColumn<double>("threadsPerInch");
    QTest::addColumn<double>("angle");
    QTest::addColumn<double>("wire");
    QTest::addColumn<double>("pitchDiameter");
    QTest::addColumn<QString>("expected");
    QTest::newRow("metric M20x2") << 2.0 << 0.0 << 60.0 << 1.157 << 18.701 << "20.440";
    QTest::newRow("30 degrees") << 2.0 << 0.0 << 30.0 << 1.047 << 9.0 << "10.360";
    QTest::newRow("8 threads per inch") << 0.0 << 8.0 << 60.0 << 1.833 << 18.0 << "20.749";
    QTest::newRow("negative result") << 1.0 << 0.0 << 60.0 << 0.1 << 0.5 << "-0.066";
    QTest::newRow("whole result keeps decimals") << 2.0 << 0.0 << 90.0 << 0.0 << 2.5 << "1.500";
}

void TestThreeWire::overWires() {
    QFETCH(double, pitch);
    QFETCH(double, threadsPerInch);
    QFETCH(double, angle);
    QFETCH(double, wire);
    QFETCH(double, pitchDiameter);
    QFETCH(QString, expected);
    const double p = threadsPerInch != 0 ? pitchOfThreadsPerInch(threadsPerInch) : pitch;
    const auto m = threeWireM(FlankAngle{angle}, PitchDiameter{pitchDiameter}, Wire{wire}, Pitch{p});
    QVERIFY(m);
    QCOMPARE(shown(*m), expected);
}

// Inputs that would divide by zero or overflow give no value, never inf or nan.
void TestThreeWire::noValue_data() {
    QTest::addColumn<double>("pitch");
    QTest::addColumn<double>("angle");
    QTest::addColumn<double>("wire");
    QTest::addColumn<double>("pitchDiameter");
    QTest::addColumn<bool>("noM");
    QTest::addColumn<bool>("noBestWire");
    const double huge = std::numeric_limits<double>::max();
    QTest::newRow("flank angle 0") << 1.5 << 0.0 << 0.866 << 10.0 << true << true;
    QTest::newRow("flank angle -0") << 1.5 << -0.0 << 0.866 << 10.0 << true << true;
    QTest::newRow("0 threads per inch") << pitchOfThreadsPerInch(0) << 60.0 << 1.0 << 10.0 << true << true;
    QTest::newRow("tiny threads per inch") << pitchOfThreadsPerInch(1e-310) << 60.0 << 1.0 << 10.0 << true << true;
    QTest::newRow("huge pitch, small angle") << huge << 1.0 << 1.0 << 10.0 << true << false;
    QTest::newRow("huge pitch, angle near 180") << huge << 179.99 << 1.0 << 10.0 << false << true;
    QTest::newRow("huge wire") << 1.0 << 60.0 << huge << 10.0 << true << false;
    QTest::newRow("huge against huge") << huge << 60.0 << huge << huge << true << false;
}

void TestThreeWire::noValue() {
    QFETCH(double, pitch);
    QFETCH(double, angle);
    QFETCH(double, wire);
    QFETCH(double, pitchDiameter);
    QFETCH(bool, noM);
    QFETCH(bool, noBestWire);
    QCOMPARE(!threeWireM(FlankAngle{angle}, PitchDiameter{pitchDiameter}, Wire{wire}, Pitch{pitch}), noM);
    QCOMPARE(!bestWireDiameter(FlankAngle{angle}, Pitch{pitch}), noBestWire);
}

void TestThreeWire::standardWires() {
    QCOMPARE(kStandardWires.size(), std::size_t(32));
    QCOMPARE(QString::fromUtf8(kStandardWires.front().data(), kStandardWires.front().size()), "0.511");
    QCOMPARE(QString::fromUtf8(kStandardWires.back().data(), kStandardWires.back().size()), "4.773");
    double previous = 0;
    for (std::string_view w : kStandardWires) {
        const auto v = readStrict(w);
        QVERIFY(v);
        QVERIFY2(*v > previous, w.data());
        // Each item is its own three-decimal text.
        QCOMPARE(reformat(w, Pattern::Fixed3), std::string(w));
        previous = *v;
    }
}

QTEST_APPLESS_MAIN(TestThreeWire)
#include "tst_threewire.moc"
