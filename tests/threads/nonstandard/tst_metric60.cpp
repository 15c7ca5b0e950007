#include <QTest>

#include <cmath>

#include "threads/nonstandard/metric60.h"

using namespace quorvil;
using namespace quorvil::nonstandard::metric60;

class TestMetric60 : public QObject {
    Q_OBJECT
private slots:
    void representativeDiameterRanges_data();
    void representativeDiameterRanges();
    void singlePrecisionGaugeKey_data();
    void singlePrecisionGaugeKey();
};

void TestMetric60::representativeDiameterRanges_data() {
    QTest::addColumn<double>("d");
    QTest::addColumn<float>("dr");
    QTest::newRow("negative") << -3.0 << 8.32f;
    QTest::newRow("0") << 0.0 << 8.32f;
    QTest::newRow("11") << 11.0 << 8.32f;
    QTest::newRow("gap 11-12 takes range below") << 11.5 << 8.32f;
    QTest::newRow("12") << 12.0 << 16.475f;
    QTest::newRow("22") << 22.0 << 16.475f;
    QTest::newRow("gap 22-24") << 23.9 << 16.475f;
    QTest::newRow("24") << 24.0 << 32.72f;
    QTest::newRow("45") << 45.0 << 32.72f;
    QTest::newRow("gap 45-48") << 46.0 << 32.72f;
    QTest::newRow("48") << 48.0 << 66.23f;
    QTest::newRow("90") << 90.0 << 66.23f;
    QTest::newRow("gap 90-95") << 94.99 << 66.23f;
    QTest::newRow("95") << 95.0 << 106.1f;
    QTest::newRow("180") << 180.0 << 106.1f;
    QTest::newRow("gap 180-185") << 182.0 << 106.1f;
    QTest::newRow("185") << 185.0 << 338.86f;
    QTest::newRow("huge") << 1e300 << 338.86f;
}

void TestMetric60::representativeDiameterRanges() {
    QFETCH(double, d);
    QFETCH(float, dr);
    QCOMPARE(representativeDiameter(d), dr);
}

void TestMetric60::singlePrecisionGaugeKey_data() {
    // Expected T of the row, 0 for no row.
    QTest::addColumn<float>("key");
    QTest::addColumn<double>("T");
    // 0.2f lies above 0.2: on the bound in single precision, so band 4
    // (0.125, 0.2]; as a double it would be past the bound.
    QTest::newRow("float of 0.2") << 0.2f << 0.011;
    QTest::newRow("next float above 0.2") << std::nextafter(0.2f, 1.0f) << 0.014;
    // 0.05f lies above 0.05 as well.
    QTest::newRow("float of 0.05") << 0.05f << 0.006;
    QTest::newRow("float of 0.67, last bound") << 0.67f << 0.022;
    QTest::newRow("above 0.67") << std::nextafter(0.67f, 1.0f) << 0.0;
    // 0.315f and 0.08f lie below their bounds: the same in both precisions.
    QTest::newRow("float of 0.315") << 0.315f << 0.014;
    QTest::newRow("above float of 0.315") << std::nextafter(0.315f, 1.0f) << 0.018;
    QTest::newRow("float of 0.08") << 0.08f << 0.007;
    QTest::newRow("0.125 exact") << 0.125f << 0.009;
    QTest::newRow("0.024f lower end") << 0.024f << 0.0;
    QTest::newRow("inside band") << 0.206f << 0.014;
    QTest::newRow("zero") << 0.0f << 0.0;
}

void TestMetric60::singlePrecisionGaugeKey() {
    QFETCH(float, key);
    QFETCH(double, T);
    const auto row = quorvil::metric::gaugeToleranceSingle(key);
    QCOMPARE(row.has_value(), T != 0);
    if (row) QCOMPARE(row->T, T);
}

QTEST_APPLESS_MAIN(TestMetric60)
#include "tst_metric60.moc"
