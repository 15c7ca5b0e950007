// Internal thread tables, tapping data and gauge block of metric threads.
#include <QTest>

#include <vector>

#include "common/numtext.h"
#include "threads/metric/internaltables.h"
#include "threads/metric/tapping.h"

using namespace quorvil;
using namespace quorvil::metric;

Q_DECLARE_METATYPE(quorvil::metric::InternalClass)

namespace {

const InternalClass kClasses[3] = {InternalClass::c5H, InternalClass::c6H, InternalClass::c7H};

// Every pitch any of the tables knows, and a few that none does.
const std::vector<double> kPitches = {0.2,  0.25, 0.3, 0.35, 0.4, 0.45, 0.5, 0.6, 0.7, 0.75, 0.8, 1, 1.25, 1.5,
                                      1.75, 2,    2.5, 3,    3.5, 4,    4.5, 5,   5.5, 6,    7,   8, 9};

QString text3(std::optional<double> v) {
    return v ? QString::fromStdString(formatPattern(*v, Pattern::Fixed3)) : QStringLiteral("-");
}

}  // namespace

class TestInternalTables : public QObject {
    Q_OBJECT
private slots:
    void lengths_data();
    void lengths();
    void lengthCountsPerBand();
    void pitchDiameter_data();
    void pitchDiameter();
    void pitchDiameterCountsAndShape();
    void minor_data();
    void minor();
    void minorCountsAndShape();
    void tapping_data();
    void tapping();
};

void TestInternalTables::lengths_data() {
    QTest::addColumn<double>("d");
    QTest::addColumn<double>("p");
    QTest::addColumn<QString>("go");  // "-": no entry
    QTest::addColumn<QString>("nogo");
    QTest::newRow("10x1.5 upper bound") << 10.0 << 1.5 << "12" << "10";
    QTest::newRow("10.5x1.5") << 10.5 << 1.5 << "10" << "7.5";
    QTest::newRow("6x1 lower bound") << 6.0 << 1.0 << "-" << "-";
    QTest::newRow("6.5x1") << 6.5 << 1.0 << "10" << "7.5";
    QTest::newRow("8x1.25") << 8.0 << 1.25 << "10" << "9";
    QTest::newRow("12x1.75") << 12.0 << 1.75 << "12" << "9";
    QTest::newRow("16x1.75") << 16.0 << 1.75 << "-" << "-";
    QTest::newRow("24x3") << 24.0 << 3.0 << "20" << "15";
    QTest::newRow("25x2.5") << 25.0 << 2.5 << "-" << "-";
    QTest::newRow("40x4.5") << 40.0 << 4.5 << "30" << "23";
    QTest::newRow("45x4.5") << 45.0 << 4.5 << "30" << "23";
    QTest::newRow("36x3.5 same as P3") << 36.0 << 3.5 << "23" << "18";
    QTest::newRow("36x3") << 36.0 << 3.0 << "23" << "18";
    QTest::newRow("100x6") << 100.0 << 6.0 << "48" << "30";
    QTest::newRow("100.5x6") << 100.5 << 6.0 << "-" << "-";
    QTest::newRow("45x0.5") << 45.0 << 0.5 << "5.5" << "3";
    QTest::newRow("8x0.35") << 8.0 << 0.35 << "5" << "3.2";
    QTest::newRow("8x1.250 typed") << 8.0 << *readStrict("1.250") << "10" << "9";
    QTest::newRow("8x1.26") << 8.0 << 1.26 << "-" << "-";
    QTest::newRow("20x2.5") << 20.0 << 2.5 << "18" << "13";
    QTest::newRow("5x0.8") << 5.0 << 0.8 << "-" << "-";
}

void TestInternalTables::lengths() {
    QFETCH(double, d);
    QFETCH(double, p);
    QFETCH(QString, go);
    QFETCH(QString, nogo);
    const auto l = gaugeThreadLengths(d, p);
    QCOMPARE(QString(l ? l->go : "-"), go);
    QCOMPARE(QString(l ? l->nogo : "-"), nogo);
}

void TestInternalTables::lengthCountsPerBand() {
    const double uppers[7] = {10, 14, 18, 24, 30, 40, 100};
    const int counts[7] = {6, 8, 6, 7, 7, 9, 11};
    int total = 0;
    for (int b = 0; b < 7; ++b) {
        int n = 0;
        for (double p : kPitches) {
            const auto atUpper = gaugeThreadLengths(uppers[b], p);
            const auto inside = gaugeThreadLengths(uppers[b] - 0.5, p);
            QCOMPARE(atUpper.has_value(), inside.has_value());
            if (atUpper) {
                ++n;
                QCOMPARE(QString(atUpper->go), QString(inside->go));
            }
        }
        QCOMPARE(n, counts[b]);
        total += n;
    }
    QCOMPARE(total, 54);
    // (6, 10] is longer than (10, 14] at P 1.
    QCOMPARE(QString(gaugeThreadLengths(10, 1)->go), QString("10"));
    QCOMPARE(QString(gaugeThreadLengths(14, 1)->go), QString("7.5"));
}

void TestInternalTables::pitchDiameter_data() {
    QTest::addColumn<double>("d");
    QTest::addColumn<double>("p");
    QTest::addColumn<QString>("h5");
    QTest::addColumn<QString>("h6");
    QTest::addColumn<QString>("h7");
    QTest::newRow("10x1") << 10.0 << 1.0 << "0.118" << "0.150" << "0.190";
    QTest::newRow("16x1.5 7H 0.235") << 16.0 << 1.5 << "0.150" << "0.190" << "0.235";
    QTest::newRow("1.4x0.3 on bound") << 1.4 << 0.3 << "0.060" << "0.075" << "-";
    QTest::newRow("1x0.25") << 1.0 << 0.25 << "0.056" << "-" << "-";
    QTest::newRow("0.99x0.25") << 0.99 << 0.25 << "-" << "-" << "-";
    QTest::newRow("2.8x0.45") << 2.8 << 0.45 << "0.075" << "0.095" << "-";
    QTest::newRow("5.6x0.8") << 5.6 << 0.8 << "0.100" << "0.125" << "0.160";
    QTest::newRow("5.61x0.8") << 5.61 << 0.8 << "-" << "-" << "-";
    QTest::newRow("3x0.35") << 3.0 << 0.35 << "0.071" << "0.090" << "-";
    QTest::newRow("4x0.7") << 4.0 << 0.7 << "0.095" << "0.118" << "0.150";
    QTest::newRow("4x0.75") << 4.0 << 0.75 << "0.095" << "0.118" << "0.150";
    QTest::newRow("355x8") << 355.0 << 8.0 << "0.375" << "0.475" << "0.600";
    QTest::newRow("356x8") << 356.0 << 8.0 << "-" << "-" << "-";
    QTest::newRow("8x1.250") << 8.0 << *readStrict("1.250") << "0.125" << "0.160" << "0.200";
    QTest::newRow("8x1.26") << 8.0 << 1.26 << "-" << "-" << "-";
    QTest::newRow("10x0.5") << 10.0 << 0.5 << "-" << "-" << "-";
    QTest::newRow("10x1.5") << 10.0 << 1.5 << "0.140" << "0.180" << "0.224";
    QTest::newRow("100x6") << 100.0 << 6.0 << "0.315" << "0.400" << "0.500";
    QTest::newRow("-10x1") << -10.0 << 1.0 << "-" << "-" << "-";
}

void TestInternalTables::pitchDiameter() {
    QFETCH(double, d);
    QFETCH(double, p);
    QFETCH(QString, h5);
    QFETCH(QString, h6);
    QFETCH(QString, h7);
    QCOMPARE(text3(internalPitchDiameterTolerance(InternalClass::c5H, d, p)), h5);
    QCOMPARE(text3(internalPitchDiameterTolerance(InternalClass::c6H, d, p)), h6);
    QCOMPARE(text3(internalPitchDiameterTolerance(InternalClass::c7H, d, p)), h7);
}

void TestInternalTables::pitchDiameterCountsAndShape() {
    const double uppers[9] = {1.4, 2.8, 5.6, 11.2, 22.4, 45, 90, 180, 355};
    const int counts[9][3] = {{2, 1, 0}, {4, 3, 0}, {6, 6, 5}, {4, 4, 4}, {6, 6, 6},
                              {7, 7, 7}, {7, 7, 7}, {5, 5, 5}, {4, 4, 4}};
    int totals[3] = {0, 0, 0};
    for (int b = 0; b < 9; ++b) {
        for (int c = 0; c < 3; ++c) {
            int n = 0;
            double last = 0;
            for (double p : kPitches) {
                const auto v = internalPitchDiameterTolerance(kClasses[c], uppers[b], p);
                if (!v) continue;
                ++n;
                // Rises with the pitch, except P 0.7 and 0.75 of (2.8, 5.6].
                if (p == 0.75 && b == 2)
                    QCOMPARE(*v, last);
                else
                    QVERIFY(*v > last);
                last = *v;
                // A class's pairs are within the next-finer class's pairs.
                if (c > 0) QVERIFY(internalPitchDiameterTolerance(kClasses[c - 1], uppers[b], p));
                if (b > 0 && internalPitchDiameterTolerance(kClasses[c], uppers[b - 1], p))
                    QVERIFY(*v > *internalPitchDiameterTolerance(kClasses[c], uppers[b - 1], p));
            }
            QCOMPARE(n, counts[b][c]);
            totals[c] += n;
        }
    }
    QCOMPARE(totals[0], 45);
    QCOMPARE(totals[1], 43);
    QCOMPARE(totals[2], 38);
}

void TestInternalTables::minor_data() {
    QTest::addColumn<double>("p");
    QTest::addColumn<QString>("h5");
    QTest::addColumn<QString>("h6");
    QTest::addColumn<QString>("h7");
    QTest::newRow("1") << 1.0 << "0.190" << "0.236" << "0.300";
    QTest::newRow("1.25 6H 0.255") << 1.25 << "0.212" << "0.255" << "0.335";
    QTest::newRow("8") << 8.0 << "0.800" << "1.000" << "1.250";
    QTest::newRow("0.45") << 0.45 << "0.100" << "0.125" << "-";
    QTest::newRow("0.25") << 0.25 << "0.056" << "-" << "-";
    QTest::newRow("0.35") << 0.35 << "0.080" << "0.100" << "-";
    QTest::newRow("0.5") << 0.5 << "0.112" << "0.140" << "0.180";
    QTest::newRow("0.2") << 0.2 << "-" << "-" << "-";
    QTest::newRow("1.250 typed") << *readStrict("1.250") << "0.212" << "0.255" << "0.335";
    QTest::newRow("1.3") << 1.3 << "-" << "-" << "-";
    QTest::newRow("1.5") << 1.5 << "0.236" << "0.300" << "0.375";
    QTest::newRow("7") << 7.0 << "-" << "-" << "-";
}

void TestInternalTables::minor() {
    QFETCH(double, p);
    QFETCH(QString, h5);
    QFETCH(QString, h6);
    QFETCH(QString, h7);
    QCOMPARE(text3(internalMinorDiameterTolerance(InternalClass::c5H, p)), h5);
    QCOMPARE(text3(internalMinorDiameterTolerance(InternalClass::c6H, p)), h6);
    QCOMPARE(text3(internalMinorDiameterTolerance(InternalClass::c7H, p)), h7);
}

void TestInternalTables::minorCountsAndShape() {
    const int counts[3] = {24, 23, 19};
    for (int c = 0; c < 3; ++c) {
        int n = 0;
        double last = 0;
        for (double p : kPitches) {
            const auto v = internalMinorDiameterTolerance(kClasses[c], p);
            if (!v) continue;
            ++n;
            QVERIFY(*v > last);
            last = *v;
        }
        QCOMPARE(n, counts[c]);
    }
}

void TestInternalTables::tapping_data() {
    QTest::addColumn<double>("d");
    QTest::addColumn<double>("p");
    QTest::addColumn<QString>("drill");
    QTest::addColumn<QString>("drillDepth");
    QTest::addColumn<QString>("tappedDepth");
    QTest::addColumn<QString>("tip");
    QTest::addColumn<QString>("depth");  // as its "0.00" box shows it
    QTest::newRow("10x1.5") << 10.0 << 1.5 << "8.41" << "17" << "13.75" << "0.24" << "0.95";
    QTest::newRow("6x1 (P 1 takes d - P)") << 6.0 << 1.0 << "5" << "10.2" << "8.5" << "0.16" << "0.63";
    QTest::newRow("8x1.25") << 8.0 << 1.25 << "6.675" << "13.6" << "11.125" << "0.2" << "0.79";
}

void TestInternalTables::tapping() {
    QFETCH(double, d);
    QFETCH(double, p);
    QFETCH(QString, drill);
    QFETCH(QString, drillDepth);
    QFETCH(QString, tappedDepth);
    QFETCH(QString, tip);
    QFETCH(QString, depth);
    const TappingData t = tappingData(d, p);
    QCOMPARE(QString::fromStdString(plainText(t.tapDrill)), drill);
    QCOMPARE(QString::fromStdString(plainText(t.drillDepth)), drillDepth);
    QCOMPARE(QString::fromStdString(plainText(t.tappedDepth)), tappedDepth);
    QCOMPARE(QString::fromStdString(plainText(t.toolTipWidth)), tip);
    QCOMPARE(QString::fromStdString(formatPattern(t.threadDepth, Pattern::Fixed2)), depth);
}

QTEST_APPLESS_MAIN(TestInternalTables)
#include "tst_internaltables.moc"
