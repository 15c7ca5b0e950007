#include <QTest>

#include <cmath>

#include "common/numtext.h"
#include "threads/common/threewire.h"
#include "threads/trapezoidal/tr_family.h"

using namespace quorvil;
using namespace quorvil::trapezoidal;

namespace {

// A value as a "0.000" box shows it.
QString shown(double v) { return QString::fromStdString(formatPattern(v, Pattern::Fixed3)); }

// The gauge block of d, P under 8H, in double precision throughout.
GaugeBlock b(double d, double P) {
    const double dr = representativeDiameter(d);
    const double D2 = pitchDiameter(d, P);
    const double TD2 = pitchTolerance(kInternal8H, P, dr);
    return gaugeBlock(d, P, D2, D2 + TD2, 0, gaugeRow(TD2));
}

}  // namespace

class TestTrapFamily : public QObject {
    Q_OBJECT
private slots:
    void representativeDiameterBands_data();
    void representativeDiameterBands();
    void representativeDiameterInSinglePrecision();
    void pitchTables_data();
    void pitchTables();
    void fundamentalDeviations_data();
    void fundamentalDeviations();
    void gaugeRowBands_data();
    void gaugeRowBands();
    void gaugeRowInSinglePrecision();
    void workedExample();
    void otherClassesOfTheExample();
    void singlePrecisionPath();
    void singlePrecisionMissingRows();
};

void TestTrapFamily::representativeDiameterBands_data() {
    QTest::addColumn<double>("d");
    QTest::addColumn<double>("dr");
    QTest::newRow("negative") << -5.0 << 9.38;
    QTest::newRow("zero") << 0.0 << 9.38;
    QTest::newRow("11.2 bound") << 11.2 << 9.38;
    QTest::newRow("above 11.2") << 11.21 << 16.248;
    QTest::newRow("22.4 bound") << 22.4 << 16.248;
    QTest::newRow("above 22.4") << 22.41 << 32.496;
    QTest::newRow("45 bound") << 45.0 << 32.496;
    QTest::newRow("above 45") << 45.001 << 64.343;
    QTest::newRow("90 bound") << 90.0 << 64.343;
    QTest::newRow("above 90") << 90.5 << 130.767;
    QTest::newRow("180 bound") << 180.0 << 130.767;
    QTest::newRow("above 180") << 180.01 << 238.746;
    QTest::newRow("huge") << 1e30 << 238.746;
}

void TestTrapFamily::representativeDiameterBands() {
    QFETCH(double, d);
    QFETCH(double, dr);
    QCOMPARE(representativeDiameter(d), dr);
    QCOMPARE(representativeDiameter(static_cast<float>(d)), dr);
}

void TestTrapFamily::representativeDiameterInSinglePrecision() {
    // The float just above the single-precision 11.2 is past the bound.
    QCOMPARE(representativeDiameter(std::nextafter(11.2f, 100.0f)), 16.248);
    QCOMPARE(representativeDiameter(std::nextafter(22.4f, 100.0f)), 32.496);
}

void TestTrapFamily::pitchTables_data() {
    QTest::addColumn<double>("P");
    QTest::addColumn<double>("Td");  // -1: no row
    QTest::addColumn<double>("ac");  // -1: no row
    QTest::addColumn<double>("w1");  // -1: no row
    QTest::addColumn<double>("w2");
    QTest::newRow("1.5 no wires") << 1.5 << 0.15 << 0.15 << -1.0 << -1.0;
    QTest::newRow("2") << 2.0 << 0.18 << 0.25 << 1.047 << 1.157;
    QTest::newRow("6") << 6.0 << 0.375 << 0.5 << 3.106 << 3.177;
    QTest::newRow("7 no wires") << 7.0 << 0.425 << 0.5 << -1.0 << -1.0;
    QTest::newRow("12 last wire row") << 12.0 << 0.6 << 0.5 << 6.212 << 6.585;
    QTest::newRow("14") << 14.0 << 0.67 << 1.0 << -1.0 << -1.0;
    QTest::newRow("22") << 22.0 << 0.9 << 1.0 << -1.0 << -1.0;
    // The coarse pitches of the standard sizes: Td and ac, but no wires.
    QTest::newRow("24") << 24.0 << 0.95 << 1.0 << -1.0 << -1.0;
    QTest::newRow("28") << 28.0 << 1.06 << 1.0 << -1.0 << -1.0;
    QTest::newRow("32") << 32.0 << 1.12 << 1.0 << -1.0 << -1.0;
    QTest::newRow("36") << 36.0 << 1.25 << 1.0 << -1.0 << -1.0;
    QTest::newRow("40") << 40.0 << 1.32 << 1.0 << -1.0 << -1.0;
    QTest::newRow("44 last row") << 44.0 << 1.4 << 1.0 << -1.0 << -1.0;
    QTest::newRow("11 none") << 11.0 << -1.0 << -1.0 << -1.0 << -1.0;
    QTest::newRow("26 none") << 26.0 << -1.0 << -1.0 << -1.0 << -1.0;
    QTest::newRow("48 none") << 48.0 << -1.0 << -1.0 << -1.0 << -1.0;
    QTest::newRow("near 6 is not 6") << 6.0000001 << -1.0 << -1.0 << -1.0 << -1.0;
}

void TestTrapFamily::pitchTables() {
    QFETCH(double, P);
    QFETCH(double, Td);
    QFETCH(double, ac);
    QFETCH(double, w1);
    QFETCH(double, w2);
    const auto td = majorDiameterTolerance(P);
    const auto a = crestClearance(P);
    const auto w = wires(P);
    QCOMPARE(td.has_value(), Td >= 0);
    QCOMPARE(a.has_value(), ac >= 0);
    QCOMPARE(w.has_value(), w1 >= 0);
    if (td) QCOMPARE(*td, Td);
    if (a) QCOMPARE(*a, ac);
    if (w) {
        QCOMPARE(w->preferred, w1);
        QCOMPARE(w->second, w2);
    }
}

void TestTrapFamily::fundamentalDeviations_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<double>("P");
    QTest::addColumn<QString>("es");
    QTest::newRow("h") << int(Position::h) << 6.0 << ".000";
    QTest::newRow("e at 3 linear") << int(Position::e) << 3.0 << "-.083";
    QTest::newRow("e at 4 root") << int(Position::e) << 4.0 << "-.095";
    QTest::newRow("e at 6") << int(Position::e) << 6.0 << "-.116";
    QTest::newRow("c at 2 linear") << int(Position::c) << 2.0 << "-.147";
    QTest::newRow("c at 3 root") << int(Position::c) << 3.0 << "-.168";
    QTest::newRow("c at 6") << int(Position::c) << 6.0 << "-.236";
}

void TestTrapFamily::fundamentalDeviations() {
    QFETCH(int, position);
    QFETCH(double, P);
    QFETCH(QString, es);
    QCOMPARE(QString::fromStdString(formatPattern(fundamentalDeviation(Position(position), P), Pattern::Hash3)), es);
}

void TestTrapFamily::gaugeRowBands_data() {
    QTest::addColumn<double>("TD2");
    QTest::addColumn<double>("T");
    QTest::addColumn<double>("Z");
    QTest::addColumn<double>("WG");
    QTest::addColumn<double>("WN");
    QTest::newRow("zero") << 0.0 << 0.013 << 0.009 << 0.018 << 0.014;
    QTest::newRow("0.125 bound") << 0.125 << 0.013 << 0.009 << 0.018 << 0.014;
    QTest::newRow("above 0.125") << 0.126 << 0.016 << 0.017 << 0.025 << 0.017;
    QTest::newRow("0.2 bound") << 0.2 << 0.016 << 0.017 << 0.025 << 0.017;
    QTest::newRow("0.315 bound") << 0.315 << 0.020 << 0.023 << 0.030 << 0.022;
    QTest::newRow("0.5 bound") << 0.5 << 0.026 << 0.035 << 0.039 << 0.028;
    QTest::newRow("0.8 bound") << 0.8 << 0.032 << 0.046 << 0.048 << 0.033;
    QTest::newRow("above 0.8") << 0.81 << 0.038 << 0.054 << 0.057 << 0.039;
}

void TestTrapFamily::gaugeRowBands() {
    QFETCH(double, TD2);
    QFETCH(double, T);
    QFETCH(double, Z);
    QFETCH(double, WG);
    QFETCH(double, WN);
    for (const GaugeRow g : {gaugeRow(TD2), gaugeRow(static_cast<float>(TD2))}) {
        QCOMPARE(g.T, T);
        QCOMPARE(g.Z, Z);
        QCOMPARE(g.WG, WG);
        QCOMPARE(g.WN, WN);
    }
}

void TestTrapFamily::gaugeRowInSinglePrecision() {
    // The float 0.2 lies above the double 0.2: compared in single precision
    // it is on the bound and stays in the lower band; as a double it is past.
    const float f = 0.2f;
    QCOMPARE(gaugeRow(f).T, 0.016);
    QCOMPARE(gaugeRow(static_cast<double>(f)).T, 0.020);
}

void TestTrapFamily::workedExample() {
    // d 36, P 6, classes 7e and 7H.
    const double d = 36, P = 6;
    const double dr = representativeDiameter(d);
    QCOMPARE(dr, 32.496);
    const double ac = *crestClearance(P);
    QCOMPARE(ac, 0.5);
    const double d2 = pitchDiameter(d, P);
    QCOMPARE(d2, 33.0);
    QCOMPARE(externalMinorDiameter(d, P, ac), 29.0);
    QCOMPARE(internalMajorDiameter(d, ac), 37.0);
    QCOMPARE(internalMinorDiameter(d, P), 30.0);
    QCOMPARE(*majorDiameterTolerance(P), 0.375);
    const double es = fundamentalDeviation(kExternal7e.position, P);
    QCOMPARE(shown(es), "-0.116");
    QCOMPARE(shown(pitchLowerDeviation(kExternal7e.k, P, dr, es)), "-0.443");
    QCOMPARE(shown(es - pitchTolerance(kExternal7e.k, P, dr)), "-0.443");
    QCOMPARE(shown(minorLowerDeviation(kExternal7e.k, P, dr, es)), "-0.524");
    const double TD2 = pitchTolerance(kInternal7H, P, dr);
    QCOMPARE(shown(TD2), "0.444");
    QCOMPARE(shown(minorTolerance(P)), "0.508");
    const WirePair w = *wires(P);
    QCOMPARE(shown(trapezoidalThreeWireM(PitchDiameter{d2}, Wire{w.preferred}, Pitch{P})), "36.912");
    QCOMPARE(shown(trapezoidalThreeWireM(PitchDiameter{d2}, Wire{w.second}, Pitch{P})), "37.257");

    const GaugeRow g = gaugeRow(TD2);
    QCOMPARE(g.T, 0.026);
    QCOMPARE(g.Z, 0.035);
    QCOMPARE(g.WG, 0.039);
    QCOMPARE(g.WN, 0.028);
    const GaugeBlock b = gaugeBlock(d, P, d2, d2 + TD2, w.preferred, g);
    QCOMPARE(shown(b.goMajor), "36.061");
    QCOMPARE(shown(b.noGoMajor), "34.683");
    QCOMPARE(shown(b.majorDeviation), "-0.052");
    QCOMPARE(shown(b.goM), "36.947");
    QCOMPARE(shown(b.noGoM), "37.368");
    QCOMPARE(shown(b.pitchTolerance), "0.013");
    QCOMPARE(shown(b.goWearM), "36.908");
    QCOMPARE(shown(b.noGoWearM), "37.340");
    QCOMPARE(shown(b.goPitch), "33.035");
    QCOMPARE(shown(b.goWear), "32.996");
    // The M values are the three-wire form over the pitch sizes and wear limits.
    QCOMPARE(b.goM, trapezoidalThreeWireM(PitchDiameter{b.goPitch}, Wire{w.preferred}, Pitch{P}));
    QCOMPARE(b.noGoWearM, trapezoidalThreeWireM(PitchDiameter{b.noGoWear}, Wire{w.preferred}, Pitch{P}));
}

void TestTrapFamily::otherClassesOfTheExample() {
    const double d = 36, P = 6;
    const double dr = representativeDiameter(d);
    const auto lower = [&](ExternalTolerance c) {
        return shown(pitchLowerDeviation(c.k, P, dr, fundamentalDeviation(c.position, P)));
    };
    const auto minor = [&](ExternalTolerance c) {
        return shown(minorLowerDeviation(c.k, P, dr, fundamentalDeviation(c.position, P)));
    };
    QCOMPARE(lower(kExternal7h), "-0.326");
    QCOMPARE(minor(kExternal7h), "-0.408");
    QCOMPARE(lower(kExternal8c), "-0.653");
    QCOMPARE(minor(kExternal8c), "-0.758");
    QCOMPARE(lower(kExternal8e), "-0.534");
    QCOMPARE(shown(pitchTolerance(kInternal8H, P, dr)), "0.553");
    QCOMPARE(gaugeRow(pitchTolerance(kInternal8H, P, dr)).T, 0.032);
}

void TestTrapFamily::singlePrecisionPath() {
    // d 130, P 7, 8H: the NO-GO major is 128.624 at three decimals in double
    // precision, but its float has a seven-digit text ending in 5.
    const SingleResults r = computeSingle(130, 7, kExternal7e, kInternal8H);
    const QString text = QString::fromStdString(signedTextSingle(r.noGoMajor));
    QCOMPARE(QString::fromStdString(reformat(text.toStdString(), Pattern::Hash3)), "128.625");
    QVERIFY(text.endsWith(QLatin1Char('5')));
    QCOMPARE(QString::fromStdString(formatPattern(b(130, 7).noGoMajor, Pattern::Hash3)), "128.624");
}

void TestTrapFamily::singlePrecisionMissingRows() {
    // P 7: Td and ac have rows, the wires none; nothing that needs a wire is there.
    SingleResults r = computeSingle(40, 7, kExternal8c, kInternal8H);
    QVERIFY(r.majorLower && r.d3 && r.D4);
    QVERIFY(!r.w1 && !r.w2 && !r.M1 && !r.M2 && !r.goM && !r.noGoM && !r.goWearM && !r.noGoWearM);
    QCOMPARE(*r.d3, 32.0f);
    // P 11: no row anywhere.
    r = computeSingle(40, 11, kExternal7e, kInternal7H);
    QVERIFY(!r.majorLower && !r.d3 && !r.D4 && !r.w1);
    QCOMPARE(r.D1, 29.0f);
}

QTEST_APPLESS_MAIN(TestTrapFamily)
#include "tst_trfamily.moc"
