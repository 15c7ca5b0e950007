#include <QTest>

#include <limits>

#include "common/numtext.h"
#include "common/units.h"
#include "threads/common/inchentry.h"
#include "threads/common/inchgauge.h"

using namespace quorvil;
using namespace quorvil::inch;

// What a "0.000" box shows for a value written as plain text.
static QString shown3(std::optional<double> v) {
    if (!v) return QStringLiteral("none");
    return QString::fromStdString(reformat(plainText(*v), Pattern::Fixed3));
}

class TestInch : public QObject {
    Q_OBJECT
private slots:
    void nominalSingle_data();
    void nominalSingle();
    void nominalDouble_data();
    void nominalDouble();
    void refusedSizePointsAtItsPart_data();
    void refusedSizePointsAtItsPart();
    void threadsPerInch();
    void pitchTolerance_data();
    void pitchTolerance();
    void majorAllowances_data();
    void majorAllowances();
    void unifiedGaugeBlock();
    void acmeGaugeBlock();
    void bands_data();
    void bands();
};

void TestInch::nominalSingle_data() {
    QTest::addColumn<double>("whole");
    QTest::addColumn<double>("numerator");
    QTest::addColumn<double>("denominator");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<float>("expected");
    QTest::newRow("1, empty fraction") << 1.0 << 0.0 << 0.0 << true << 1.0f;
    QTest::newRow("1-1/2") << 1.0 << 1.0 << 2.0 << true << 1.5f;
    QTest::newRow("3/8") << 0.0 << 3.0 << 8.0 << true << 0.375f;
    QTest::newRow("decimal in the whole box") << 0.25 << 0.0 << 0.0 << true << 0.25f;
    QTest::newRow("19/100 in single precision") << 0.0 << 19.0 << 100.0 << true << 0.19f;
    QTest::newRow("all empty") << 0.0 << 0.0 << 0.0 << true << 0.0f;
    QTest::newRow("empty numerator over a denominator") << 2.0 << 0.0 << 8.0 << true << 2.0f;
    // Some 10^12 inches: no size anyone means.
    QTest::newRow("numerator over empty denominator") << 1.0 << 3.0 << 0.0 << false << 0.0f;
    QTest::newRow("numerator over too small a denominator") << 0.0 << 1.0 << 1e-50 << false << 0.0f;
    QTest::newRow("beyond single precision") << 1e39 << 0.0 << 0.0 << false << 0.0f;
    // Each part is held in single precision: no part may lie beyond it.
    QTest::newRow("numerator beyond single precision") << 1.0 << 1e39 << 2.0 << false << 0.0f;
    QTest::newRow("denominator beyond single precision") << 1.0 << 1.0 << 1e39 << false << 0.0f;
}

void TestInch::nominalSingle() {
    QFETCH(double, whole);
    QFETCH(double, numerator);
    QFETCH(double, denominator);
    QFETCH(bool, valid);
    QFETCH(float, expected);
    const std::optional<float> D = inch::nominalSingle({whole, numerator, denominator});
    QCOMPARE(D.has_value(), valid);
    if (valid) QCOMPARE(*D, expected);
}

void TestInch::nominalDouble_data() {
    QTest::addColumn<double>("numerator");
    QTest::addColumn<double>("denominator");
    QTest::addColumn<double>("epsilon");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("expected");
    QTest::newRow("1-1/2, epsilon 0.00001") << 1.0 << 2.0 << 1e-5 << true << 1 + 1 / (2 + 1e-5);
    QTest::newRow("whole only") << 0.0 << 0.0 << 1e-6 << true << 1.0;
    QTest::newRow("numerator over 0") << 3.0 << 0.0 << 1e-6 << false << 0.0;
    QTest::newRow("divisor cancels to 0") << 3.0 << -1e-6 << 1e-6 << false << 0.0;
    QTest::newRow("empty numerator, divisor 0") << 0.0 << -1e-6 << 1e-6 << true << 1.0;
}

void TestInch::nominalDouble() {
    QFETCH(double, numerator);
    QFETCH(double, denominator);
    QFETCH(double, epsilon);
    QFETCH(bool, valid);
    QFETCH(double, expected);
    const std::optional<double> D = inch::nominalDouble({1.0, numerator, denominator}, epsilon);
    QCOMPARE(D.has_value(), valid);
    if (valid) QCOMPARE(*D, expected);
}

void TestInch::threadsPerInch() {
    QCOMPARE(*threadsPerInchSingle(8.0), 8.0f);
    // 25.4 held in single precision lies below 25.4, so its pitch exceeds 1 mm.
    QVERIFY(kMillimetresPerInch / static_cast<double>(*threadsPerInchSingle(25.4)) > 1.0);
    QVERIFY(!threadsPerInchSingle(0.0));
    QVERIFY(!threadsPerInchSingle(-8.0));
    QVERIFY(!threadsPerInchSingle(1e300));
    QVERIFY(!threadsPerInchSingle(std::numeric_limits<double>::quiet_NaN()));
}

// Which box a size that cannot be used points at.
void TestInch::refusedSizePointsAtItsPart_data() {
    QTest::addColumn<double>("whole");
    QTest::addColumn<double>("numerator");
    QTest::addColumn<double>("denominator");
    QTest::addColumn<QString>("oversized");
    QTest::addColumn<QString>("nonPositive");
    QTest::newRow("whole too large") << 1e39 << 1.0 << 2.0 << "whole" << "whole";
    QTest::newRow("numerator too large") << 1.0 << 1e39 << 2.0 << "numerator" << "whole";
    QTest::newRow("denominator too small") << 1.0 << 1.0 << 1e-50 << "denominator" << "whole";
    QTest::newRow("denominator too large") << 1.0 << 1.0 << 1e39 << "denominator" << "whole";
    QTest::newRow("sum too large") << 3e38 << 1e38 << 1.0 << "whole" << "whole";
    QTest::newRow("nothing typed") << 0.0 << 0.0 << 0.0 << "whole" << "whole";
    QTest::newRow("negative whole") << -1.0 << 0.0 << 0.0 << "whole" << "whole";
    QTest::newRow("negative numerator") << 0.0 << -1.0 << 2.0 << "numerator" << "numerator";
    QTest::newRow("negative denominator") << 0.0 << 1.0 << -2.0 << "numerator" << "denominator";
}

void TestInch::refusedSizePointsAtItsPart() {
    QFETCH(double, whole);
    QFETCH(double, numerator);
    QFETCH(double, denominator);
    QFETCH(QString, oversized);
    QFETCH(QString, nonPositive);
    const auto name = [](EntryBox b) {
        return b == EntryBox::Whole ? QStringLiteral("whole")
               : b == EntryBox::Numerator ? QStringLiteral("numerator") : QStringLiteral("denominator");
    };
    QCOMPARE(name(oversizedPart({whole, numerator, denominator})), oversized);
    QCOMPARE(name(nonPositivePart({whole, numerator, denominator})), nonPositive);
}

void TestInch::pitchTolerance_data() {
    QTest::addColumn<double>("n");
    QTest::addColumn<QString>("standard");
    QTest::addColumn<QString>("acmeFine");
    QTest::newRow("32") << 32.0 << "0.01524" << "0.0127";
    QTest::newRow("12: both columns alike") << 12.0 << "0.01524" << "0.01524";
    QTest::newRow("10") << 10.0 << "0.01778" << "0.01524";
    QTest::newRow("8") << 8.0 << "0.02032" << "0.01778";
    QTest::newRow("5") << 5.0 << "0.0254" << "0.02032";
    QTest::newRow("4") << 4.0 << "0.02794" << "0.02032";
    QTest::newRow("2") << 2.0 << "0.0381" << "0.0254";
    QTest::newRow("no row: 20") << 20.0 << "" << "";
    QTest::newRow("no row: 4.5") << 4.5 << "" << "";
    QTest::newRow("no row: 16.5") << 16.5 << "" << "";
}

void TestInch::pitchTolerance() {
    QFETCH(double, n);
    QFETCH(QString, standard);
    QFETCH(QString, acmeFine);
    auto text = [](std::optional<double> v) { return v ? QString::fromStdString(plainText(*v)) : QString(); };
    QCOMPARE(text(gaugePitchToleranceMm(n, GaugeColumn::Standard)), standard);
    QCOMPARE(text(gaugePitchToleranceMm(n, GaugeColumn::AcmeFineClass)), acmeFine);
}

void TestInch::majorAllowances_data() {
    QTest::addColumn<double>("n");
    QTest::addColumn<QString>("goMajor");
    QTest::addColumn<QString>("tolerance");
    QTest::addColumn<QString>("goLength");
    QTest::addColumn<QString>("noGoLength");
    // GO major from an internal major of 25.400 mm read back; 10 is still coarse.
    QTest::newRow("8") << 8.0 << "25.146" << "0.051" << "25" << "16";
    QTest::newRow("10") << 10.0 << "25.146" << "0.051" << "20" << "13";
    QTest::newRow("12") << 12.0 << "25.273" << "0.025" << "17" << "11";
    QTest::newRow("4.5") << 4.5 << "25.146" << "0.051" << "45" << "28";
}

void TestInch::majorAllowances() {
    QFETCH(double, n);
    QFETCH(QString, goMajor);
    QFETCH(QString, tolerance);
    QFETCH(QString, goLength);
    QFETCH(QString, noGoLength);
    QCOMPARE(shown3(goMajorDiameterMm(25.400 / kMillimetresPerInch, n)), goMajor);
    QCOMPARE(shown3(majorToleranceMm(n)), tolerance);
    auto whole = [](double v) { return QString::fromStdString(reformat(plainText(v), Pattern::Fixed0)); };
    QCOMPARE(whole(goThreadLengthMm(n)), goLength);
    QCOMPARE(whole(noGoThreadLengthMm(n)), noGoLength);
}

// 1 inch, 8 threads per inch, unified class 1A(B): the limits as the boxes
// show them, and the gauges built on them.
void TestInch::unifiedGaugeBlock() {
    const FlankAngle a{60};
    const double n = 8, wire = 1.833;
    QCOMPARE(shown3(noGoMajorDiameterMm(0.9980, n)), "24.555");
    QCOMPARE(shown3(gaugeMinorDiameterMm(0.890)), "22.352");
    const double go = 23.338, noGo = 23.673;  // 0.9188 and 0.9320 inch, as shown
    QCOMPARE(shown3(gaugeM(a, 0.9188 * kMillimetresPerInch, wire, n)), "26.087");
    QCOMPARE(shown3(gaugeM(a, 0.9320 * kMillimetresPerInch, wire, n)), "26.422");
    const double wear = wearAmountMm(gaugeTolerance(0.334)).value();
    QCOMPARE(wear, 0.018 / 2 + 0.027);
    QCOMPARE(shown3(goWearLimitM(a, go, wear, wire, n)), "26.051");
    QCOMPARE(shown3(noGoWearLimitM(a, noGo, 0.020, wear, wire, n)), "26.366");
}

// 1 inch, 5 threads per inch, ACME class 2G at 29 degrees.
void TestInch::acmeGaugeBlock() {
    const FlankAngle h{29};
    const double n = 5, wire = 2.595;
    QCOMPARE(shown3(goMajorDiameterMm(1.0200, n)), "25.654");
    QCOMPARE(shown3(noGoMajorDiameterMm(1.0000, n)), "24.130");
    QCOMPARE(shown3(gaugeMinorDiameterMm(0.8000)), "20.066");
    QCOMPARE(shown3(gaugeM(h, 22.860, wire, n)), "25.998");
    QCOMPARE(shown3(gaugeM(h, 23.353, wire, n)), "26.491");
    const double wear = wearAmountMm(gaugeTolerance(0.493)).value();
    QCOMPARE(shown3(goWearLimitM(h, 22.860, wear, wire, n)), "25.962");
    QCOMPARE(shown3(noGoWearLimitM(h, 23.353, 0.025, wear, wire, n)), "26.430");
}

void TestInch::bands_data() {
    QTest::addColumn<double>("key");
    // -1: the key lies in no band, and there is no wear allowance.
    QTest::addColumn<double>("wear");
    QTest::newRow("0.049") << 0.049 << 0.006 / 2 + 0.008;
    // A key on a bound belongs to the band that it closes.
    QTest::newRow("0.05 closes band 1") << 0.05 << 0.006 / 2 + 0.008;
    QTest::newRow("0.078 in band 2") << 0.078 << 0.007 / 2 + 0.0095;
    QTest::newRow("0.08 closes band 2") << 0.080 << 0.007 / 2 + 0.0095;
    QTest::newRow("0.67 closes the last band") << 0.67 << 0.022 / 2 + 0.033;
    QTest::newRow("0.690 above all") << 0.690 << -1.0;
    QTest::newRow("0.024 below all") << 0.024 << -1.0;
}

void TestInch::bands() {
    QFETCH(double, key);
    QFETCH(double, wear);
    const std::optional<double> amount = wearAmountMm(gaugeTolerance(key));
    if (wear < 0)
        QVERIFY(!amount);
    else
        QCOMPARE(amount, wear);
}

QTEST_APPLESS_MAIN(TestInch)
#include "tst_inch.moc"
