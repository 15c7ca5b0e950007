// Shared metric tables: wire table, three-wire form, gauge tolerance table.
#include <QTest>

#include <cmath>

#include "common/numtext.h"
#include "threads/common/gaugetolerance.h"
#include "threads/common/threewire.h"
#include "threads/metric/wires.h"

using namespace quorvil;
using namespace quorvil::metric;

class TestMetricTables : public QObject {
    Q_OBJECT
private slots:
    void wireLookup_data();
    void wireLookup();
    void wireTableShape();
    void wireTableWithoutPitch6();
    void threeWireForm();
    void gaugeTolerance_data();
    void gaugeTolerance();
};

void TestMetricTables::wireLookup_data() {
    QTest::addColumn<double>("pitch");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("preferred");
    QTest::addColumn<QString>("second");
    QTest::newRow("1") << 1.0 << true << "0.572"
                       << "0.724";
    QTest::newRow("1.5") << 1.5 << true << "0.866"
                         << "1.008";
    QTest::newRow("6") << 6.0 << true << "3.468"
                       << "3.58";
    QTest::newRow("3.5 two decimals") << 3.5 << true << "2.02"
                                      << "2.071";
    QTest::newRow("0.2 equal wires") << 0.2 << true << "0.118"
                                     << "0.118";
    QTest::newRow("0.3 equal wires") << 0.3 << true << "0.17"
                                     << "0.17";
    QTest::newRow("0.5") << 0.5 << true << "0.291"
                         << "0.29";
    QTest::newRow("0.45") << 0.45 << true << "0.26"
                          << "0.29";
    QTest::newRow("1.25 second 0.794") << 1.25 << true << "0.724"
                                       << "0.794";
    QTest::newRow("typed 1.50") << *readStrict("1.50") << true << "0.866"
                                << "1.008";
    QTest::newRow("1.2 between keys") << 1.2 << false << ""
                                      << "";
    QTest::newRow("8 no row") << 8.0 << false << ""
                              << "";
    QTest::newRow("0.1 below") << 0.1 << false << ""
                               << "";
}

void TestMetricTables::wireLookup() {
    QFETCH(double, pitch);
    QFETCH(bool, found);
    QFETCH(QString, preferred);
    QFETCH(QString, second);
    const auto w = wiresForPitch(pitch);
    QCOMPARE(w.has_value(), found);
    if (w) {
        QCOMPARE(QString::fromStdString(plainText(w->preferred)), preferred);
        QCOMPARE(QString::fromStdString(plainText(w->second)), second);
    }
}

// The regularities and irregularities the table is known to have.
void TestMetricTables::wireTableShape() {
    const auto t = wireTable();
    QCOMPARE(t.size(), std::size_t(24));
    QCOMPARE(t.front().pitch, 0.2);
    QCOMPARE(t.back().pitch, 6.0);
    for (std::size_t i = 0; i < t.size(); ++i) {
        QVERIFY2(std::abs(t[i].preferred - 0.57735 * t[i].pitch) <= 0.006 + 1e-12,
                 qPrintable(QString::number(t[i].pitch)));
        if (i > 0) {
            QVERIFY(t[i].pitch > t[i - 1].pitch);
            QVERIFY(t[i].preferred > t[i - 1].preferred);
            QVERIFY(t[i].second >= t[i - 1].second);
        }
        const double p = t[i].pitch;
        if (p == 0.2 || p == 0.3)
            QCOMPARE(t[i].second, t[i].preferred);
        else if (p == 0.5 || p == 0.6)
            QVERIFY(t[i].second < t[i].preferred);
        else
            QVERIFY2(t[i].second > t[i].preferred, qPrintable(QString::number(p)));
    }
}

void TestMetricTables::wireTableWithoutPitch6() {
    const auto all = wireTable();
    const auto t = wireTable(WireRows::WithoutPitch6);
    QCOMPARE(t.size(), std::size_t(23));
    QCOMPARE(t.back().pitch, 5.5);
    for (std::size_t i = 0; i < t.size(); ++i) {
        QCOMPARE(t[i].pitch, all[i].pitch);
        QCOMPARE(t[i].preferred, all[i].preferred);
        QCOMPARE(t[i].second, all[i].second);
    }
    QVERIFY(!wiresForPitch(6, WireRows::WithoutPitch6));
    const auto w = wiresForPitch(5.5, WireRows::WithoutPitch6);
    QVERIFY(w);
    QCOMPARE(w->preferred, 3.177);
    QCOMPARE(w->second, 3.287);
}

void TestMetricTables::threeWireForm() {
    QCOMPARE(QString::fromStdString(plainText(metricThreeWireM(PitchDiameter{9.04322}, Wire{0.866}, Pitch{1.5}))),
             QString("10.34297"));
    // The diameter over the contact uses 0.6495, not 0.64952.
    const double d = 9.04322 + 0.6495 * 1.5;
    QCOMPARE(metricThreeWireM(MajorDiameter{d}, Wire{0.866}, Pitch{1.5}),
             metricThreeWireM(PitchDiameter{9.04322}, Wire{0.866}, Pitch{1.5}));
    QCOMPARE(QString::fromStdString(plainText(metricThreeWireM(MajorDiameter{10}, Wire{0.866}, Pitch{1.5}))),
             QString("10.3255"));
}

void TestMetricTables::gaugeTolerance_data() {
    QTest::addColumn<double>("key");
    QTest::addColumn<int>("band");  // 0: none
    QTest::newRow("0.03") << 0.03 << 1;
    QTest::newRow("0.071") << 0.071 << 2;
    QTest::newRow("0.14") << 0.14 << 4;
    QTest::newRow("0.56") << 0.56 << 7;
    QTest::newRow("0.02") << 0.02 << 0;
    QTest::newRow("0.7") << 0.7 << 0;
    // A key on a bound belongs to the band it closes.
    QTest::newRow("0.024") << 0.024 << 0;
    QTest::newRow("0.05") << 0.05 << 1;
    QTest::newRow("0.08") << 0.08 << 2;
    QTest::newRow("0.125") << 0.125 << 3;
    QTest::newRow("0.2") << 0.2 << 4;
    QTest::newRow("0.315") << 0.315 << 5;
    QTest::newRow("0.5") << 0.5 << 6;
    QTest::newRow("0.67") << 0.67 << 7;
    QTest::newRow("0.6700001") << 0.6700001 << 0;
    QTest::newRow("0.0240001") << 0.0240001 << 1;
    QTest::newRow("read back 0.200") << *readStrict("0.200") << 4;
    QTest::newRow("nan") << std::nan("") << 0;
}

void TestMetricTables::gaugeTolerance() {
    QFETCH(double, key);
    QFETCH(int, band);
    // Z, T, W, W2 of bands 1..7.
    static const double rows[7][4] = {
        {0, 0.006, 0.008, 0.006},       {0.002, 0.007, 0.0095, 0.0075}, {0.006, 0.009, 0.0125, 0.0095},
        {0.012, 0.011, 0.0175, 0.0115}, {0.016, 0.014, 0.021, 0.015},   {0.024, 0.018, 0.027, 0.019},
        {0.032, 0.022, 0.033, 0.023},
    };
    const auto g = quorvil::gaugeTolerance(key);
    QCOMPARE(g.has_value(), band != 0);
    if (g) {
        const double* r = rows[band - 1];
        QCOMPARE(g->Z, r[0]);
        QCOMPARE(g->T, r[1]);
        QCOMPARE(g->W, r[2]);
        QCOMPARE(g->W2, r[3]);
    }
}

QTEST_APPLESS_MAIN(TestMetricTables)
#include "tst_metrictables.moc"
