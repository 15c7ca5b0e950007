#include <QTest>

#include <cmath>

#include "common/numtext.h"
#include "threads/metric/wires.h"
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
    void workedExamples_data();
    void workedExamples();
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
    const auto row = quorvil::gaugeToleranceSingle(key);
    QCOMPARE(row.has_value(), T != 0);
    if (row) QCOMPARE(row->T, T);
}

// Results as the non-standard window shows them ("#.000"), with the gauges
// over the preferred wire of the pitch.
void TestMetric60::workedExamples_data() {
    QTest::addColumn<double>("d");
    QTest::addColumn<double>("P");
    QTest::addColumn<ExternalClass>("external");
    QTest::addColumn<InternalClass>("internal");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("16x2 6g 6H") << 16.0 << 2.0 << ExternalClass::c6g << InternalClass::c6H
                                << QStringList{"es -.037",           "majorLower -.321",  "d2 14.701",
                                               "pitchLower -.194",   "minor 13.835",      "TD2 .206",
                                               "TD1 .374",           "tapDrill 13.880",   "drillDepth 27.200",
                                               "tappedDepth 21.000", "threadDepth 1.263", "toolTip .320",
                                               "goMajor 16.030",     "goMajorDev -.028",  "goPitch 14.724",
                                               "goPitchDev -.014",   "goM 16.464",        "goWear -.028",
                                               "noGoMajor 15.328",   "noGoPitch 14.921",  "noGoM 16.661",
                                               "noGoWear -.022"};
    QTest::newRow("12x1.75 6f 5H") << 12.0 << 1.75 << ExternalClass::c6f << InternalClass::c5H
                                   << QStringList{"es -.049",         "majorLower -.308", "d2 10.863",
                                                  "pitchLower -.198", "minor 10.106",     "TD2 .156",
                                                  "TD1 .272",         "tapDrill 10.145",  "goMajor 12.023",
                                                  "goMajorDev -.022", "goPitch 10.881",   "goPitchDev -.011",
                                                  "goM 12.390",       "goWear -.023",     "noGoMajor 11.386",
                                                  "noGoPitch 11.031", "noGoM 12.540",     "noGoWear -.017"};
    QTest::newRow("64x4 6h 7H") << 64.0 << 4.0 << ExternalClass::c6h << InternalClass::c7H
                                << QStringList{"es .000",          "majorLower -.452",   "pitchLower -.238",
                                               "TD2 .391",         "TD1 .759",           "goMajor 64.042",
                                               "goPitch 61.435",   "goM 64.906",         "goWear -.036",
                                               "noGoMajor 62.620", "noGoPitch 61.811",   "noGoM 65.282",
                                               "noGoWear -.028",   "drillDepth 108.800", "tappedDepth 74.000"};
    // Band 2 wears by 0.0095 and 0.0075: -(0.0035 + 0.0095), -(0.0035 + 0.0075).
    QTest::newRow("10x0.35 6f 5H, band 2") << 10.0 << 0.35 << ExternalClass::c6f << InternalClass::c5H
                                           << QStringList{"TD2 .077",         "goMajor 10.009", "goMajorDev -.014",
                                                          "goPitchDev -.007", "goWear -.013",   "noGoWear -.011"};
}

void TestMetric60::workedExamples() {
    QFETCH(double, d);
    QFETCH(double, P);
    QFETCH(ExternalClass, external);
    QFETCH(InternalClass, internal);
    QFETCH(QStringList, shown);
    const Results r = compute(d, P, external, internal);
    const auto hash3 = [](double v) { return QString::fromStdString(reformat(plainText(v), Pattern::Hash3)); };
    QMap<QString, QString> got{
        {"es", hash3(r.es)},
        {"majorLower", hash3(r.majorLower)},
        {"d2", hash3(r.d2)},
        {"pitchLower", hash3(r.pitchLower)},
        {"minor", hash3(r.minor)},
        // 6H shows its tolerance as the single-precision value.
        {"TD2", internal == InternalClass::c6H ? QString::fromStdString(reformat(plainTextSingle(r.S), Pattern::Hash3))
                                               : hash3(r.TD2)},
        {"TD1", hash3(r.TD1)},
        {"tapDrill", hash3(r.tapping.tapDrill)},
        {"drillDepth", hash3(r.tapping.drillDepth)},
        {"tappedDepth", hash3(r.tapping.tappedDepth)},
        {"threadDepth", hash3(r.tapping.threadDepth)},
        {"toolTip", hash3(r.tapping.toolTipWidth)},
    };
    QVERIFY(r.gauge);
    const auto wires = quorvil::metric::wiresForPitch(P, quorvil::metric::WireRows::WithoutPitch6);
    QVERIFY(wires);
    const Gauges g = gauges(d, P, r.TD2, *r.gauge, wires->preferred);
    got.insert({{"goMajor", hash3(g.sizes.goMajor)},
                {"goMajorDev", hash3(g.sizes.goMajorLowerDev)},
                {"goPitch", hash3(g.sizes.goPitch)},
                {"goPitchDev", hash3(g.sizes.goPitchLowerDev)},
                {"goM", hash3(g.overPreferred.go.value())},
                {"goWear", hash3(g.goWear)},
                {"noGoMajor", hash3(g.sizes.noGoMajor)},
                {"noGoPitch", hash3(g.sizes.noGoPitch)},
                {"noGoM", hash3(g.overPreferred.noGo.value())},
                {"noGoWear", hash3(g.noGoWear)}});
    for (const QString& s : shown) {
        const qsizetype sp = s.indexOf(' ');
        QCOMPARE(got.value(s.left(sp), "(none)"), s.mid(sp + 1));
    }
}

QTEST_APPLESS_MAIN(TestMetric60)
#include "tst_metric60.moc"
