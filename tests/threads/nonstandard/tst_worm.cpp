#include <QTest>

#include <limits>

#include "common/numtext.h"
#include "threads/nonstandard/worm.h"

using namespace quorvil;
using namespace quorvil::nonstandard;

class TestWorm : public QObject {
    Q_OBJECT
private slots:
    void wireTable_data();
    void wireTable();
    void degMinSec_data();
    void degMinSec();
    void noDimensions_data();
    void noDimensions();
    void withoutWireRow();
    void workedExamples_data();
    void workedExamples();
};

void TestWorm::wireTable_data() {
    QTest::addColumn<double>("module");
    QTest::addColumn<double>("wire");  // 0: no row
    const double rows[][2] = {{0.3, 0.511}, {0.4, 0.724},  {0.5, 0.866}, {0.6, 1.008}, {0.7, 1.441}, {0.8, 1.441},
                              {1, 1.732},   {1.25, 2.311}, {1.5, 2.595}, {2, 3.468},   {2.5, 4.211}, {3, 5.176}};
    for (const auto& r : rows) QTest::addRow("m %g", r[0]) << r[0] << r[1];
    QTest::newRow("2.01 has no row") << 2.01 << 0.0;
    QTest::newRow("5 has no row") << 5.0 << 0.0;
    QTest::newRow("0 has no row") << 0.0 << 0.0;
}

void TestWorm::wireTable() {
    QFETCH(double, module);
    QFETCH(double, wire);
    // The module arrives as the float of what was typed.
    const auto dw = wormWireDiameter(static_cast<float>(module));
    if (wire == 0) {
        QVERIFY(!dw);
    } else {
        QVERIFY(dw);
        QCOMPARE(*dw, static_cast<float>(wire));
    }
}

void TestWorm::degMinSec_data() {
    QTest::addColumn<double>("degrees");
    QTest::addColumn<int>("d");
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("s");
    QTest::newRow("d1 22.4 m 2 z1 1") << 5.10216542582249 << 5 << 6 << 8;
    QTest::newRow("d1 50 m 5 z1 4") << 21.801409858243773 << 21 << 48 << 5;
    QTest::newRow("zero") << 0.0 << 0 << 0 << 0;
    // Seconds that round to 60 carry into the minutes, and on into the degrees.
    QTest::newRow("60 seconds carry") << 0.9166542720217239 << 0 << 55 << 0;
    QTest::newRow("carry to a degree") << 0.9999993314796906 << 1 << 0 << 0;
    QTest::newRow("30.49 seconds") << 30.49 / 3600 << 0 << 0 << 30;
    QTest::newRow("30.51 seconds") << 30.51 / 3600 << 0 << 0 << 31;
    QTest::newRow("negative angle") << -0.5 << -1 << 30 << 0;
}

void TestWorm::degMinSec() {
    QFETCH(double, degrees);
    QFETCH(int, d);
    QFETCH(int, m);
    QFETCH(int, s);
    const DegMinSec a = toDegMinSec(degrees);
    QCOMPARE(int(a.degrees), d);
    QCOMPARE(int(a.minutes), m);
    QCOMPARE(int(a.seconds), s);
}

void TestWorm::noDimensions_data() {
    QTest::addColumn<float>("d1");
    QTest::addColumn<float>("m");
    QTest::addColumn<float>("z1");
    const float inf = std::numeric_limits<float>::infinity();
    const float big = std::numeric_limits<float>::max();
    QTest::newRow("module 0") << 22.4f << 0.0f << 1.0f;
    QTest::newRow("diameter 0") << 0.0f << 2.0f << 1.0f;
    QTest::newRow("all 0") << 0.0f << 0.0f << 0.0f;
    QTest::newRow("input beyond single") << inf << 2.0f << 1.0f;
    QTest::newRow("tip beyond single") << big << 2e38f << 1.0f;
    QTest::newRow("tooth depth beyond single") << 1.0f << big << 1.0f;
}

void TestWorm::noDimensions() {
    QFETCH(float, d1);
    QFETCH(float, m);
    QFETCH(float, z1);
    QVERIFY(!wormDimensions(d1, m, z1));
}

void TestWorm::withoutWireRow() {
    const auto r = wormDimensions(50, 5, 4);
    QVERIFY(r);
    QVERIFY(!r->wire);
    QVERIFY(!r->overWires);
    QCOMPARE(r->diameterQuotient, 10.0f);
    QCOMPARE(int(r->leadAngle.degrees), 21);
}

// The dimensions as the window shows them: single-precision sign-blank texts,
// two decimals where the box formats ("0.00").
void TestWorm::workedExamples_data() {
    QTest::addColumn<float>("d1");
    QTest::addColumn<float>("m");
    QTest::addColumn<float>("z1");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("d1 22.4 m 2 z1 1") << 22.4f << 2.0f << 1.0f
                                      << QStringList{"wire  3.468",      "q  11.2",      "lead  5  6  8",
                                                     "tip 26.40",        "root 17.60",   "axialPitch 6.28",
                                                     "normalPitch 6.26", "alphaN 19.93", "sn 3.13",
                                                     "hx 2.00",          "sc 3.14",      "crest 1.69",
                                                     "rootWidth 1.39",   "depth 4.40",   "M 27.41"};
    QTest::newRow("no wire row") << 50.0f << 5.0f << 4.0f
                                 << QStringList{"q  10",        "lead  21  48  5",  "tip 60.00",
                                                "root 38.00",   "axialPitch 15.71", "normalPitch 14.58",
                                                "alphaN 18.67", "sn 7.29",          "hx 5.00",
                                                "sc 7.85",      "crest 4.22",       "rootWidth 3.49",
                                                "depth 11.00"};
    QTest::newRow("seconds carry into degrees")
        << 57.29f << 1.0f << 1.0f << QStringList{"wire  1.732", "lead  1  0  0"};
    // 21.114996 held as a float shows 21.115 and so 21.12 (a double: 21.11).
    QTest::newRow("single-precision M value") << 20.0f << 0.4f << 1.0f << QStringList{"wire  .724", "q  50", "M 21.12"};
}

void TestWorm::workedExamples() {
    QFETCH(float, d1);
    QFETCH(float, m);
    QFETCH(float, z1);
    QFETCH(QStringList, shown);
    const auto r = wormDimensions(d1, m, z1);
    QVERIFY(r);
    const auto plain = [](float v) { return QString::fromStdString(signedTextSingle(v)); };
    const auto fixed2 = [](float v) { return QString::fromStdString(reformat(signedTextSingle(v), Pattern::Fixed2)); };
    QMap<QString, QString> got{
        {"q", plain(r->diameterQuotient)},
        {"lead", QString::fromStdString(signedText(r->leadAngle.degrees) + " " + signedText(r->leadAngle.minutes) +
                                        " " + signedText(r->leadAngle.seconds))},
        {"tip", fixed2(r->tipDiameter)},
        {"root", fixed2(r->rootDiameter)},
        {"axialPitch", fixed2(r->axialPitch)},
        {"normalPitch", fixed2(r->normalPitch)},
        {"alphaN", fixed2(r->normalProfileAngle)},
        {"sn", fixed2(r->normalChordalThickness)},
        {"hx", fixed2(r->chordalHeight)},
        {"sc", fixed2(r->axialThickness)},
        {"crest", fixed2(r->crestWidth)},
        {"rootWidth", fixed2(r->rootWidth)},
        {"depth", fixed2(r->toothDepth)},
    };
    if (r->wire) got["wire"] = plain(*r->wire);
    if (r->overWires) got["M"] = fixed2(*r->overWires);
    for (const QString& s : shown) {
        const qsizetype sp = s.indexOf(' ');
        QCOMPARE(got.value(s.left(sp), "(none)"), s.mid(sp + 1));
    }
}

QTEST_APPLESS_MAIN(TestWorm)
#include "tst_worm.moc"
