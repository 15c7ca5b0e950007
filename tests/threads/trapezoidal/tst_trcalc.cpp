// M values of the size list and the internal thread calculator, without the
// window.
#include <QTest>

#include <cmath>

#include "common/numtext.h"
#include "threads/trapezoidal/tr_internal.h"
#include "threads/trapezoidal/tr_sizes.h"
#include "threads/trapezoidal/tr_wires.h"

using namespace quorvil::trapezoidal;
using quorvil::Pattern;
using IC = InternalClass;
Q_DECLARE_METATYPE(quorvil::trapezoidal::InternalClass)

namespace {
QString plain(double v) { return QString::fromStdString(quorvil::plainText(v)); }
QString fixed3(double v) { return QString::fromStdString(quorvil::formatPattern(v, Pattern::Fixed3)); }
QString fixed3(const std::optional<double>& v) { return v ? fixed3(*v) : QStringLiteral("none"); }
}  // namespace

class TestTrCalc : public QObject {
    Q_OBJECT
private slots:
    void mValueRows();
    void mValueRows_data();
    void mValueKeyedPositions();
    void wireTablesDiffer();
    void commonSteps();
    void commonSteps_data();
    void gaugeLengthPairs();
    void minorToleranceTableNearFormula();
    void classTolerances();
    void classTolerances_data();
    void preferredSeriesBounds();
    void preferredSeriesBounds_data();
    void gaugeSizes7H();
    void gaugeSizesOtherClasses();
    void noRoundedToleranceNoGauges();
    void missingWireGivesNoMValue();
    void tableWiresStandOverTypedOnes();
};

void TestTrCalc::mValueRows_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("w1");
    QTest::addColumn<QString>("m1");
    QTest::addColumn<QString>("w2");
    QTest::addColumn<QString>("m2");
    QTest::addRow("Tr8x1.5") << 1 << "0.796"
                             << "8.32"
                             << "0.866"
                             << "8.66";
    QTest::addRow("Tr10x2") << 2 << "1.047"
                            << "10.36"
                            << "1.157"
                            << "10.9";
    QTest::addRow("Tr60x9") << 34 << "4.4"
                            << "60.11"
                            << "4.773"
                            << "61.92";
    QTest::addRow("Tr40x7") << 22 << "3.666"
                            << "41.27"
                            << "4.091"
                            << "43.34";
    // the published row had lost its second wire; formed like Tr60x9
    QTest::addRow("Tr55x9") << 97 << "4.4"
                            << "55.11"
                            << "4.773"
                            << "56.92";
    QTest::addRow("Tr22x5") << 73 << "2.595"
                            << "22.79"
                            << "2.886"
                            << "24.21";
    QTest::addRow("Tr9x1.5") << 66 << "0.796"
                             << "9.32"
                             << "0.866"
                             << "9.66";
    QTest::addRow("Tr230x8") << 132 << "4.141"
                             << "231.21"
                             << "4.211"
                             << "231.55";
}

void TestTrCalc::mValueRows() {
    QFETCH(int, position);
    const auto row = mValueRow(position);
    QVERIFY(row.has_value());
    QTEST(plain(row->wire1), "w1");
    QTEST(plain(row->m1), "m1");
    QTEST(plain(row->wire2), "w2");
    QTEST(plain(row->m2), "m2");
}

void TestTrCalc::mValueKeyedPositions() {
    // Positions without a row: headers, Tr18x2 and every pitch of 10 or more.
    const QList<int> without = {0,   64,  72,  17,  20,  23,  26,  29,  32,  35,  37,  38,  40,  41,  43,  44,  46,
                                47,  49,  50,  52,  53,  55,  56,  58,  59,  61,  62,  80,  83,  86,  89,  92,  95,
                                98,  100, 101, 103, 104, 106, 107, 109, 110, 112, 113, 115, 116, 118, 119, 121, 122,
                                124, 125, 127, 128, 130, 131, 133, 134, 135, 136, 137, 138, 139, 140, 141};
    int keyed = 0;
    for (int pos = 0; pos < kSizeListCount; ++pos) {
        const auto row = mValueRow(pos);
        const bool has = row.has_value();
        QVERIFY2(has != without.contains(pos), qPrintable(QString::number(pos)));
        // no unrounded M value lies near a half-way point, so rounding to
        // 0.01 cannot depend on the last bit
        if (has) {
            const auto size = sizeAt(pos);
            const double d2 = size->d - 0.5 * size->pitch();
            for (double wire : {row->wire1, row->wire2}) {
                const double hundredths = (d2 + 4.864 * wire - 1.866 * size->pitch()) * 100;
                QVERIFY(std::abs(hundredths - std::floor(hundredths) - 0.5) > 1e-6);
            }
        }
        keyed += has;
    }
    QCOMPARE(keyed, 76);
    QVERIFY(!mValueRow(-1).has_value());
}

void TestTrCalc::wireTablesDiffer() {
    // P 1.5 in both of this window's tables, not in the family's; 7 and 9
    // only for the size list; 10 and 12 only for the calculator.
    QVERIFY(!quorvil::trapezoidal::wires(1.5));
    QCOMPARE(calculatorWires(1.5)->preferred, 0.796);
    QCOMPARE(sizeListWires(1.5)->second, 0.866);
    QVERIFY(!calculatorWires(7) && !calculatorWires(9));
    QCOMPARE(sizeListWires(7)->preferred, 3.666);
    QCOMPARE(sizeListWires(9)->second, 4.773);
    QVERIFY(calculatorWires(12) && !sizeListWires(12));
    QCOMPARE(calculatorWires(8)->preferred, quorvil::trapezoidal::wires(8)->preferred);
    QVERIFY(!calculatorWires(1.49));
}

void TestTrCalc::commonSteps_data() {
    QTest::addColumn<double>("d");
    QTest::addColumn<double>("P");
    QTest::addColumn<double>("dr");
    QTest::addColumn<QString>("lengths");  // "GO/NO-GO" or "none"
    QTest::addColumn<double>("ac");        // -1: no value
    QTest::addColumn<double>("D2");
    QTest::addColumn<double>("D1");
    QTest::addColumn<double>("TD1");  // -1: no value
    QTest::addRow("8 x 1.5") << 8.0 << 1.5 << 9.38 << "12/8" << 0.15 << 7.25 << 6.5 << 0.19;
    QTest::addRow("40 x 7") << 40.0 << 7.0 << 32.496 << "56/32" << 0.5 << 36.5 << 33.0 << 0.56;
    QTest::addRow("100 x 20") << 100.0 << 20.0 << 130.767 << "140/90" << 1.0 << 90.0 << 80.0 << 1.18;
    QTest::addRow("14 x 3") << 14.0 << 3.0 << 16.248 << "24/14" << 0.25 << 12.5 << 11.0 << 0.315;
    QTest::addRow("22 x 3") << 22.0 << 3.0 << 16.248 << "24/15" << 0.25 << 20.5 << 19.0 << 0.315;
    QTest::addRow("20 x 4") << 20.0 << 4.0 << 16.248 << "32/18" << 0.25 << 18.0 << 16.0 << 0.375;
    QTest::addRow("65 x 4") << 65.0 << 4.0 << 64.343 << "32/20" << 0.25 << 63.0 << 61.0 << 0.375;
    QTest::addRow("8 x 2, no pair") << 8.0 << 2.0 << 9.38 << "none" << 0.25 << 7.0 << 6.0 << 0.236;
    // the minor-diameter tolerance table ends at P 22, the crest clearance at 44
    QTest::addRow("200 x 24") << 200.0 << 24.0 << 238.746 << "none" << 1.0 << 188.0 << 176.0 << -1.0;
    QTest::addRow("200 x 26") << 200.0 << 26.0 << 238.746 << "none" << -1.0 << 187.0 << 174.0 << -1.0;
    QTest::addRow("d 11.2") << 11.2 << 2.0 << 9.38 << "none" << 0.25 << 10.2 << 9.2 << 0.236;
    QTest::addRow("d 11.21") << 11.21 << 2.0 << 16.248 << "none" << 0.25 << 10.21 << 9.21 << 0.236;
    QTest::addRow("d 180") << 180.0 << 12.0 << 130.767 << "none" << 0.5 << 174.0 << 168.0 << 0.8;
    QTest::addRow("d 180.01") << 180.01 << 12.0 << 238.746 << "none" << 0.5 << 174.01 << 168.01 << 0.8;
    QTest::addRow("d 0") << 0.0 << 2.0 << 9.38 << "none" << 0.25 << -1.0 << -2.0 << 0.236;
    QTest::addRow("P 1.49") << 8.0 << 1.49 << 9.38 << "none" << -1.0 << 7.255 << 6.51 << -1.0;
}

void TestTrCalc::commonSteps() {
    QFETCH(double, d);
    QFETCH(double, P);
    QFETCH(double, ac);
    QFETCH(double, TD1);
    const auto r = calculateInternal(d, P, IC::c7H, std::nullopt, std::nullopt);
    QTEST(r.dr, "dr");
    const auto& len = r.lengths;
    QTEST(len ? QStringLiteral("%1/%2").arg(len->go).arg(len->noGo) : QStringLiteral("none"), "lengths");
    QCOMPARE(r.ac.has_value(), ac >= 0);
    QCOMPARE(r.D4.has_value(), ac >= 0);
    QCOMPARE(r.gaugeMinor.has_value(), ac >= 0);
    if (r.ac) {
        QCOMPARE(*r.ac, ac);
        QCOMPARE(*r.D4, d + 2 * ac);
        QCOMPARE(*r.gaugeMinor, d - P - 2 * ac);
    }
    QTEST(r.D2, "D2");
    QTEST(r.D1, "D1");
    QCOMPARE(r.TD1.has_value(), TD1 >= 0);
    if (r.TD1) QCOMPARE(*r.TD1, TD1);
}

void TestTrCalc::gaugeLengthPairs() {
    int pairs = 0;
    const double pitches[] = {1.5, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 14, 16, 18, 20, 22, 24};
    for (int d = 0; d <= 300; ++d)
        for (double P : pitches) pairs += gaugeLengths(d, P).has_value();
    QCOMPARE(pairs, 95);
    QVERIFY(!gaugeLengths(8.5, 1.5));
    QCOMPARE(gaugeLengths(100, 12)->go, 85);
    QCOMPARE(gaugeLengths(60, 9)->noGo, 40);
}

void TestTrCalc::minorToleranceTableNearFormula() {
    int rows = 0;
    for (double P : {1.5, 2.0, 3.0, 4.0, 5.0, 6.0, 7.0, 8.0, 9.0, 10.0, 12.0, 14.0, 16.0, 18.0, 20.0, 22.0}) {
        const auto t = minorToleranceTable(P);
        QVERIFY(t.has_value());
        QVERIFY2(std::abs(*t - quorvil::trapezoidal::minorTolerance(P)) <= 0.0251, qPrintable(QString::number(P)));
        ++rows;
    }
    QCOMPARE(rows, 16);
    QCOMPARE(*minorToleranceTable(12), 0.8);
    QVERIFY(!minorToleranceTable(11) && !minorToleranceTable(24));
}

void TestTrCalc::classTolerances_data() {
    QTest::addColumn<double>("d");
    QTest::addColumn<double>("P");
    QTest::addColumn<IC>("cls");
    QTest::addColumn<QString>("computed");
    QTest::addColumn<double>("TD2");
    QTest::addColumn<double>("T");
    QTest::addRow("40x6 7H") << 40.0 << 6.0 << IC::c7H << "0.444" << 0.45 << 0.026;
    QTest::addRow("40x6 8H") << 40.0 << 6.0 << IC::c8H << "0.553" << 0.56 << 0.032;
    QTest::addRow("40x6 9H") << 40.0 << 6.0 << IC::c9H << "0.692" << 0.71 << 0.032;
    // the 7H series has no 0.315
    QTest::addRow("20x3 7H") << 20.0 << 3.0 << IC::c7H << "0.314" << 0.3 << 0.02;
    QTest::addRow("20x3 8H") << 20.0 << 3.0 << IC::c8H << "0.391" << 0.4 << 0.026;
    QTest::addRow("20x3 9H") << 20.0 << 3.0 << IC::c9H << "0.489" << 0.5 << 0.026;
    QTest::addRow("10x2 8H") << 10.0 << 2.0 << IC::c8H << "0.315" << 0.315 << 0.02;
    QTest::addRow("200x10 9H") << 200.0 << 10.0 << IC::c9H << "1.036" << 1.06 << 0.038;
    QTest::addRow("150x12 9H") << 150.0 << 12.0 << IC::c9H << "1.049" << 1.06 << 0.038;
    QTest::addRow("200x12 9H") << 200.0 << 12.0 << IC::c9H << "1.114" << 1.12 << 0.038;
    QTest::addRow("8x1.5 7H") << 8.0 << 1.5 << IC::c7H << "0.225" << 0.224 << 0.02;
}

void TestTrCalc::classTolerances() {
    QFETCH(double, d);
    QFETCH(double, P);
    QFETCH(IC, cls);
    const auto r = calculateInternal(d, P, cls, 1.0, 1.0);
    QTEST(fixed3(r.computedTolerance), "computed");
    QVERIFY(r.TD2.has_value());
    QTEST(*r.TD2, "TD2");
    QVERIFY(r.gauge.has_value());
    QTEST(r.gauge->constants.T, "T");
}

void TestTrCalc::preferredSeriesBounds_data() {
    QTest::addColumn<double>("computed");
    QTest::addColumn<IC>("cls");
    QTest::addColumn<double>("TD2");  // 0: no value
    const double below = 1e-12;
    QTest::addRow("0.2 itself") << 0.2 << IC::c7H << 0.0;
    QTest::addRow("above 0.2") << 0.2 + below << IC::c7H << 0.224;
    QTest::addRow("on 0.237") << 0.237 << IC::c9H << 0.0;
    QTest::addRow("below 0.237") << 0.237 - below << IC::c9H << 0.224;
    QTest::addRow("above 0.237") << 0.237 + below << IC::c9H << 0.25;
    QTest::addRow("on 0.3075 7H") << 0.3075 << IC::c7H << 0.3;
    QTest::addRow("on 0.3075 8H") << 0.3075 << IC::c8H << 0.0;
    QTest::addRow("on 0.3175 8H") << 0.3175 << IC::c8H << 0.315;
    QTest::addRow("on 0.3175 7H") << 0.3175 << IC::c7H << 0.0;
    QTest::addRow("0.32 9H") << 0.32 << IC::c9H << 0.335;
    QTest::addRow("0.32 8H") << 0.32 << IC::c8H << 0.315;
    QTest::addRow("on 0.325 8H") << 0.325 << IC::c8H << 0.0;
    QTest::addRow("on 0.345") << 0.345 << IC::c8H << 0.0;
    QTest::addRow("below 1.5") << 1.5 - below << IC::c9H << 1.25;
    QTest::addRow("1.5 itself") << 1.5 << IC::c9H << 0.0;
    QTest::addRow("above 1.5") << 1.607 << IC::c9H << 0.0;
    QTest::addRow("below 0.2") << 0.19 << IC::c8H << 0.0;
}

void TestTrCalc::preferredSeriesBounds() {
    QFETCH(double, computed);
    QFETCH(IC, cls);
    QFETCH(double, TD2);
    const auto r = preferredTolerance(computed, cls);
    QCOMPARE(r.has_value(), TD2 != 0);
    if (r) QCOMPARE(*r, TD2);
}

void TestTrCalc::gaugeSizes7H() {
    // P 6 has table wires, 3.106 and 3.177: the M values are over them.
    const auto r = calculateInternal(40, 6, IC::c7H, std::nullopt, std::nullopt);
    QVERIFY(r.gauge.has_value());
    const GaugeSizes& g = *r.gauge;
    QCOMPARE(g.constants.Z, 0.035);
    QCOMPARE(g.constants.WG, 0.039);
    QCOMPARE(g.constants.WN, 0.028);
    QCOMPARE(fixed3(*r.TD2), QStringLiteral("0.450"));
    QCOMPARE(fixed3(*r.TD1), QStringLiteral("0.500"));
    QCOMPARE(fixed3(g.goMajor), QStringLiteral("40.061"));
    QCOMPARE(fixed3(g.majorDeviation), QStringLiteral("-0.052"));
    QCOMPARE(fixed3(g.noGoMajor), QStringLiteral("38.689"));
    QCOMPARE(fixed3(g.goPitch), QStringLiteral("37.048"));
    QCOMPARE(fixed3(g.pitchDeviation), QStringLiteral("-0.026"));
    QCOMPARE(fixed3(g.noGoPitch), QStringLiteral("37.476"));
    QCOMPARE(fixed3(g.goM.overW1), QStringLiteral("40.960"));
    QCOMPARE(fixed3(g.goM.overW2), QStringLiteral("41.305"));
    QCOMPARE(fixed3(g.noGoM.overW1), QStringLiteral("41.388"));
    QCOMPARE(fixed3(g.noGoM.overW2), QStringLiteral("41.733"));
    QCOMPARE(fixed3(g.goWear), QStringLiteral("36.996"));
    QCOMPARE(fixed3(g.noGoWear), QStringLiteral("37.435"));
    QCOMPARE(fixed3(g.goWearM.overW1), QStringLiteral("40.908"));
    QCOMPARE(fixed3(g.goWearM.overW2), QStringLiteral("41.253"));
    QCOMPARE(fixed3(g.noGoWearM.overW1), QStringLiteral("41.347"));
    QCOMPARE(fixed3(g.noGoWearM.overW2), QStringLiteral("41.692"));
    QCOMPARE(*r.D4, 41.0);
    QCOMPARE(*r.gaugeMinor, 33.0);
}

void TestTrCalc::gaugeSizesOtherClasses() {
    const auto r8 = calculateInternal(40, 6, IC::c8H, std::nullopt, std::nullopt);
    QCOMPARE(r8.gauge->constants.Z, 0.046);
    QCOMPARE(r8.gauge->constants.WG, 0.048);
    QCOMPARE(r8.gauge->constants.WN, 0.033);
    QCOMPARE(fixed3(r8.gauge->goPitch), QStringLiteral("37.062"));
    QCOMPARE(fixed3(r8.gauge->noGoPitch), QStringLiteral("37.592"));
    QCOMPARE(fixed3(r8.gauge->noGoMajor), QStringLiteral("38.808"));
    const auto r9 = calculateInternal(40, 6, IC::c9H, std::nullopt, std::nullopt);
    QCOMPARE(fixed3(r9.gauge->noGoPitch), QStringLiteral("37.742"));
    QCOMPARE(fixed3(r9.gauge->noGoMajor), QStringLiteral("38.958"));
    QCOMPARE(r9.gauge->constants.T, 0.032);
}

void TestTrCalc::noRoundedToleranceNoGauges() {
    // computed 1.607 lies above the series: no TD2, so no gauge constants and
    // no gauge sizes rather than sizes over the constants of a zero tolerance
    const auto r = calculateInternal(200, 30, IC::c9H, 6.212, 6.585);
    QCOMPARE(fixed3(r.computedTolerance), QStringLiteral("1.607"));
    QVERIFY(!r.TD2 && !r.gauge);
    QVERIFY(!r.ac && !r.D4 && !r.TD1 && !r.gaugeMinor);
    QCOMPARE(r.D2, 185.0);
    QCOMPARE(r.D1, 170.0);
}

void TestTrCalc::missingWireGivesNoMValue() {
    const auto r = calculateInternal(40, 7, IC::c7H, std::nullopt, 4.0);
    QVERIFY(r.gauge.has_value());
    for (const WireMs* m : {&r.gauge->goM, &r.gauge->noGoM, &r.gauge->goWearM, &r.gauge->noGoWearM}) {
        QVERIFY(!m->overW1);
        QVERIFY(m->overW2);
    }
}

// Typed wires count only for a pitch without table wires (P 7 has none).
void TestTrCalc::tableWiresStandOverTypedOnes() {
    const auto table = calculateInternal(40, 6, IC::c7H, 9.0, 9.0);
    QVERIFY(table.tableWires.has_value());
    QCOMPARE(table.w1, 3.106);
    QCOMPARE(table.w2, 3.177);
    QCOMPARE(fixed3(table.gauge->goM.overW1), QStringLiteral("40.960"));
    const auto typed = calculateInternal(40, 7, IC::c7H, 3.666, 4.091);
    QVERIFY(!typed.tableWires.has_value());
    QCOMPARE(typed.w1, 3.666);
    QCOMPARE(typed.w2, 4.091);
}

QTEST_APPLESS_MAIN(TestTrCalc)
#include "tst_trcalc.moc"
