// ACME class constants, limits of size, depth, tool tip widths and wires.
#include <QTest>

#include "common/numtext.h"
#include "common/units.h"
#include "texttest.h"
#include "threads/acme/acmelimits.h"

using namespace quorvil;
using namespace quorvil::acme;

namespace {

using quorvil::test::plain;
using quorvil::test::shown;
using quorvil::test::single;

}  // namespace

class TestAcmeLimits : public QObject {
    Q_OBJECT
private slots:
    void unroundedLimits_data();
    void unroundedLimits();
    void fineCoarseBreak_data();
    void fineCoarseBreak();
    void classTolerances();
    void toolTipWidths_data();
    void toolTipWidths();
    void wires_data();
    void wires();
};

Q_DECLARE_METATYPE(quorvil::acme::AcmeClass)

// The boxes that show the 15-digit text: the single-precision crest
// clearance shows in the last digits of the minor diameters.
void TestAcmeLimits::unroundedLimits_data() {
    QTest::addColumn<float>("D");
    QTest::addColumn<double>("n");
    QTest::addColumn<AcmeClass>("cls");
    QTest::addColumn<QStringList>("expected");  // w9 w10 w13 w14 w5 w20
    QTest::newRow("1-5 2G") << 1.0f << 5.0 << AcmeClass::G2
                            << QStringList{"0.892", "0.872583592135001", "0.780000000447035", "0.750875388649537", "1",
                                           "1.02"};
    QTest::newRow("1 1/2-6 3G")
        << 1.5f << 6.0 << AcmeClass::G3
        << QStringList{"1.40931819743832", "1.40017343573193", "1.31333333378037", "1.29961619122078", "1.5", "1.52"};
    QTest::newRow("1-14 4G")
        << 1.0f << 14.0 << AcmeClass::G4
        << QStringList{"0.960285714285714", "0.95561310186659", "0.918571428794946", "0.91156251016626", "1", "1.01"};
}

void TestAcmeLimits::unroundedLimits() {
    QFETCH(float, D);
    QFETCH(double, n);
    QFETCH(AcmeClass, cls);
    QFETCH(QStringList, expected);
    const ExternalLimits e = externalLimits(D, n, classConstants(cls));
    const InternalLimits i = internalLimits(D, n, classConstants(cls));
    const QStringList got{plain(e.pitchMax), plain(e.pitchMin),  plain(e.minorMax),
                          plain(e.minorMin), single(e.majorMax), single(i.majorMin)};
    QCOMPARE(got, expected);
    // The three-wire E is the unrounded millimetre maximum of the pitch diameter.
    QCOMPARE(externalPitchMaxMm(D, n, classConstants(cls)), e.pitchMaxMm);
}

// 12 threads per inch is already fine: crest clearance 0.01 and the fixed
// tolerances; 11 is coarse.
void TestAcmeLimits::fineCoarseBreak_data() {
    QTest::addColumn<double>("n");
    QTest::addColumn<QStringList>("expected");  // w6 w20 w21 w29 w22
    QTest::newRow("12 fine") << 12.0 << QStringList{"0.9950", "1.0100", "1.0200", "0.9217", "25.654"};
    QTest::newRow("11 coarse") << 11.0 << QStringList{"0.9955", "1.0200", "1.0400", "0.9136", "25.908"};
    QTest::newRow("11.999 coarse") << 11.999 << QStringList{"0.9958", "1.0200", "1.0400", "0.9208", "25.908"};
}

void TestAcmeLimits::fineCoarseBreak() {
    QFETCH(double, n);
    QFETCH(QStringList, expected);
    const ExternalLimits e = externalLimits(1.0f, n, kClass2G);
    const InternalLimits i = internalLimits(1.0f, n, kClass2G);
    const QStringList got{shown(e.majorMin, Pattern::Fixed4), shown(i.majorMin, Pattern::Fixed4),
                          shown(i.majorMax, Pattern::Fixed4), shown(i.minorMax, Pattern::Fixed4),
                          shown(i.majorMinMm, Pattern::Fixed3)};
    QCOMPARE(got, expected);
}

// The tolerances of the three classes for 1 inch, 5 threads per inch, as the
// boxes show them in mm, and the allowances in inches.
void TestAcmeLimits::classTolerances() {
    QCOMPARE(shown(pitchDiameterTolerance(kClass2G, 1.0f, 5) * kMillimetresPerInch, Pattern::Fixed3), QString("0.493"));
    QCOMPARE(shown(pitchDiameterTolerance(kClass3G, 1.0f, 5) * kMillimetresPerInch, Pattern::Fixed3), QString("0.230"));
    QCOMPARE(shown(pitchDiameterTolerance(kClass4G, 1.0f, 5) * kMillimetresPerInch, Pattern::Fixed3), QString("0.164"));
    QCOMPARE(allowance(kClass2G, 4.0f), 0.016);
    QCOMPARE(allowance(kClass3G, 4.0f), 0.012);
    QCOMPARE(allowance(kClass4G, 4.0f), 0.008);
    QCOMPARE(&classConstants(AcmeClass::G2), &kClass2G);
    QCOMPARE(double(crestClearance(12)), double(0.01f));
    QCOMPARE(double(crestClearance(11)), double(0.02f));
    QVERIFY(double(kCrestClearanceFine) != 0.01);
}

void TestAcmeLimits::toolTipWidths_data() {
    QTest::addColumn<double>("n");
    QTest::addColumn<QString>("width");  // "" for no row
    QTest::addColumn<QString>("depth");  // "" when not checked
    const QStringList widths{"0.46", "0.54", "0.66", "0.81", "1.05", "1.44", "1.75", "2.22", "3.01", "4.58"};
    const QList<double> keys{16, 14, 12, 10, 8, 6, 5, 4, 3, 2};
    for (qsizetype r = 0; r < keys.size(); ++r) {
        const double n = keys[r];
        QTest::addRow("%g", n) << n << widths[r] << QString();
    }
    QTest::newRow("16 depth") << 16.0 << "0.46"
                              << "1.05";
    QTest::newRow("5 depth") << 5.0 << "1.75"
                             << "2.79";
    QTest::newRow("2 depth") << 2.0 << "4.58"
                             << "6.60";
    QTest::newRow("6 depth") << 6.0 << "1.44"
                             << "2.37";
    QTest::newRow("16.5") << 16.5 << "" << QString();
    QTest::newRow("7") << 7.0 << ""
                       << "2.07";
    QTest::newRow("32") << 32.0 << ""
                        << "0.65";
}

void TestAcmeLimits::toolTipWidths() {
    QFETCH(double, n);
    QFETCH(QString, width);
    QFETCH(QString, depth);
    const auto w = toolTipWidthMm(n);
    QCOMPARE(w ? shown(*w, Pattern::Fixed2) : QString(), width);
    if (!depth.isEmpty()) QCOMPARE(shown(threadDepthMm(n), Pattern::Fixed2), depth);
}

void TestAcmeLimits::wires_data() {
    QTest::addColumn<double>("n");
    QTest::addColumn<QString>("preferred");  // plain text as the wire boxes show it; "" for no row
    QTest::addColumn<QString>("second");
    QTest::newRow("16") << 16.0 << "0.866"
                        << "0.796";
    QTest::newRow("14") << 14.0 << "1.008"
                        << "1.047";
    QTest::newRow("12") << 12.0 << "1.157"
                        << "1.047";
    QTest::newRow("10") << 10.0 << "1.441"
                        << "1.302";
    QTest::newRow("8") << 8.0 << "1.732"
                       << "1.591";
    QTest::newRow("6") << 6.0 << "2.217"
                       << "2.071";
    QTest::newRow("5") << 5.0 << "2.595"
                       << "2.886";
    QTest::newRow("4") << 4.0 << "3.287"
                       << "3.31";
    QTest::newRow("3") << 3.0 << "4.4"
                       << "4.733";
    QTest::newRow("2 has none") << 2.0 << ""
                                << "";
    QTest::newRow("32 has none") << 32.0 << ""
                                 << "";
    QTest::newRow("16.5 has none") << 16.5 << ""
                                   << "";
}

void TestAcmeLimits::wires() {
    QFETCH(double, n);
    QFETCH(QString, preferred);
    QFETCH(QString, second);
    const auto w = acmeWires(n);
    QCOMPARE(w ? plain(w->preferred) : QString(), preferred);
    QCOMPARE(w ? plain(w->second) : QString(), second);
}

QTEST_APPLESS_MAIN(TestAcmeLimits)
#include "tst_acmelimits.moc"
