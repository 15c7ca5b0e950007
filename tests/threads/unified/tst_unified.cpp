#include <QTest>

#include <cmath>
#include <set>
#include <string>

#include "threads/unified/unified.h"

using namespace quorvil::unified;

class TestUnified : public QObject {
    Q_OBJECT
private slots:
    void lengthOfEngagement_data();
    void lengthOfEngagement();
    void baseTolerance_data();
    void baseTolerance();
    void wireTable();
    void seriesTable();
};

void TestUnified::lengthOfEngagement_data() {
    QTest::addColumn<float>("n");
    QTest::addColumn<float>("LE");
    const float D = 1.375f;
    for (float n : {4.0f, 6.0f, 8.0f, 10.0f}) QTest::addRow("%g: D", double(n)) << n << D;
    QTest::newRow("12") << 12.0f << 0.75f;
    QTest::newRow("16") << 16.0f << 0.5625f;
    QTest::newRow("20") << 20.0f << 0.45f;
    QTest::newRow("28") << 28.0f << 0.321428f;
    QTest::newRow("32") << 32.0f << 0.28125f;
    for (float n : {4.5f, 5.0f, 7.0f, 9.0f, 11.0f, 13.0f, 14.0f, 18.0f, 24.0f})
        QTest::addRow("%g: none", double(n)) << n << 0.0f;
}

void TestUnified::lengthOfEngagement() {
    QFETCH(float, n);
    QFETCH(float, LE);
    QCOMPARE(quorvil::unified::lengthOfEngagement(n, 1.375f), LE);
}

void TestUnified::baseTolerance_data() {
    QTest::addColumn<float>("D");
    QTest::addColumn<float>("n");
    QTest::addColumn<double>("T");  // 0: no value
    QTest::newRow("1-8") << 1.0f << 8.0f << 0.00675;
    QTest::newRow("1/4-20") << 0.25f << 20.0f << 0.0039870;
    QTest::newRow("1/2-13, no engagement length") << 0.5f << 13.0f << 0.0039036;
    QTest::newRow("1/2-12") << 0.5f << 12.0f << 0.0053514;
    QTest::newRow("D 0") << 0.0f << 8.0f << 0.0;
    QTest::newRow("D negative") << -1.0f << 8.0f << 0.0;
    QTest::newRow("n 0") << 1.0f << 0.0f << 0.0;
    QTest::newRow("n negative") << 1.0f << -8.0f << 0.0;
}

void TestUnified::baseTolerance() {
    QFETCH(float, D);
    QFETCH(float, n);
    QFETCH(double, T);
    const auto t = quorvil::unified::baseTolerance(D, n, quorvil::unified::lengthOfEngagement(n, D));
    QCOMPARE(t.has_value(), T != 0);
    if (t) QVERIFY2(std::abs(double(*t) - T) < 5e-8, qPrintable(QString::number(double(*t), 'g', 9)));
}

void TestUnified::wireTable() {
    int rows = 0;
    for (float n = 1; n <= 40; n += 0.5f) {
        if (const auto w = wires(n)) {
            ++rows;
            // Only at 9 threads per inch is the second wire the smaller one.
            QCOMPARE(w->second < w->preferred, n == 9.0f);
        }
    }
    QCOMPARE(rows, 18);
    QCOMPARE(wires(20)->preferred, 0.786);
    QCOMPARE(wires(4.5f)->second, 3.31);
    QCOMPARE(wires(11)->preferred, wires(12)->preferred);
    QCOMPARE(wires(11)->second, wires(12)->second);
    QVERIFY(!wires(3));
    QVERIFY(!wires(2));
    QVERIFY(!wires(16.5f));
    QVERIFY(!wires(4.75f));
}

void TestUnified::seriesTable() {
    std::set<std::string_view> distinct(kSeriesTexts.begin(), kSeriesTexts.end());
    QCOMPARE(distinct.size(), std::size_t(19));
    for (std::string_view t : kSeriesTexts) {
        QVERIFY(t.find('\n') == std::string_view::npos);
        QVERIFY(t.find("：") == std::string_view::npos);  // one-byte colons only
    }
    // No selection, or the last size selected: the text of the last size.
    QCOMPARE(seriesText(std::nullopt), kSeriesTexts[33]);
    QCOMPARE(seriesText(33), std::string_view("4UN.6UN.8UN.12UN.16UN"));
    QCOMPARE(seriesText(15), std::string_view("粗牙:5UNC.其它系列:6UN.8UN.12UN.16UN.20UN"));
    QCOMPARE(seriesText(0), std::string_view("粗牙:20UNC.细牙:28UNF.超细牙:32UNEF"));
}

QTEST_APPLESS_MAIN(TestUnified)
#include "tst_unified.moc"
