#include <QTest>

#include <limits>

#include "common/numtext.h"
#include "workshop/conversions.h"

using namespace quorvil;

class TestConversions : public QObject {
    Q_OBJECT
private slots:
    void inchFraction_data();
    void inchFraction();
    void degreesToDms_data();
    void degreesToDms();
    void noAnswerForOverflow();
};

void TestConversions::inchFraction_data() {
    QTest::addColumn<double>("whole");
    QTest::addColumn<double>("numerator");
    QTest::addColumn<double>("denominator");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("inches");

    QTest::newRow("exact fraction") << 0.0 << 5.0 << 16.0 << true << 0.3125;
    QTest::newRow("zero numerator over 0") << 2.0 << 0.0 << 0.0 << true << 2.0;
    QTest::newRow("zero numerator over anything") << 2.0 << 0.0 << -0.00001 << true << 2.0;
    QTest::newRow("numerator over 0") << 1.0 << 1.0 << 0.0 << false << 0.0;
    QTest::newRow("tiny denominator is a number") << 0.0 << 1.0 << -0.00001 << true << -100000.0;
    QTest::newRow("overflow") << 0.0 << 1e308 << 1e-308 << false << 0.0;
}

void TestConversions::inchFraction() {
    QFETCH(double, whole);
    QFETCH(double, numerator);
    QFETCH(double, denominator);
    QFETCH(bool, valid);
    QFETCH(double, inches);
    const auto r = mixedFractionInches(whole, numerator, denominator);
    QCOMPARE(bool(r), valid);
    if (valid) QCOMPARE(*r, inches);
}

// Seconds to three decimals, half away from zero, with the carries.
void TestConversions::degreesToDms_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("dms");  // plain texts "D M S"

    QTest::newRow("30.5") << 30.5 << "30 30 0";
    QTest::newRow("2.3 carries 60 seconds") << 2.3 << "2 18 0";
    QTest::newRow("45.51") << 45.51 << "45 30 36";
    QTest::newRow("8.08555") << 8.08555 << "8 5 7.98";
    QTest::newRow("negative takes the degree below") << -8.08555 << "-9 54 52.02";
    QTest::newRow("carry into the degree") << 9.9999999 << "10 0 0";
    QTest::newRow("half a thousandth rounds up") << 1.0 / 7200000 * 5 << "0 0 0.003";  // 0.0025 s
    QTest::newRow("whole") << -3.0 << "-3 0 0";
}

void TestConversions::degreesToDms() {
    QFETCH(double, x);
    QFETCH(QString, dms);
    const auto r = dmsOfDegrees(x);
    QVERIFY(r);
    const QString got =
        QString::fromStdString(plainText(r->degrees) + " " + plainText(r->minutes) + " " + plainText(r->seconds));
    QCOMPARE(got, dms);
}

void TestConversions::noAnswerForOverflow() {
    QVERIFY(!degreesOfDms(1.79e308, 1.79e308, 0));
    QVERIFY(!radiansOfDegrees(1e308));
    QVERIFY(!degreesOfRadians(1e307));
    QVERIFY(!inchRangeMillimetres(1e308, 1e308));
    QVERIFY(!dmsOfDegrees(std::numeric_limits<double>::infinity()));
}

QTEST_APPLESS_MAIN(TestConversions)
#include "tst_conversions.moc"
