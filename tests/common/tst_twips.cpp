// Design places and sizes in twips to pixels: 15 twips to the pixel, a
// value between two pixels to the nearer one, alike on both sides of zero.
#include <QTest>

#include "common/ui/twips.h"

using namespace quorvil;

class TestTwips : public QObject {
    Q_OBJECT
private slots:
    void pixels_data();
    void pixels();
    void rectangles();
};

void TestTwips::pixels_data() {
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("zero") << 0 << 0;
    QTest::newRow("one pixel") << 15 << 1;
    QTest::newRow("just under half") << 7 << 0;
    QTest::newRow("just over half") << 8 << 1;
    QTest::newRow("1.47 px") << 22 << 1;
    QTest::newRow("1.53 px") << 23 << 2;
    QTest::newRow("window width") << 4500 << 300;
    QTest::newRow("66.67 px") << 1000 << 67;
    QTest::newRow("73.33 px") << 1100 << 73;
    QTest::newRow("negative under half") << -7 << 0;
    QTest::newRow("negative over half") << -8 << -1;
    QTest::newRow("negative") << -120 << -8;
}

void TestTwips::pixels() {
    QFETCH(int, twips);
    QFETCH(int, pixels);
    QCOMPARE(px(twips), pixels);
}

// Each of the four numbers is rounded on its own: the right edge follows
// from the rounded left and width, not from the twips sum.
void TestTwips::rectangles() {
    QCOMPARE((Tw{100, 100, 1000, 300}.rect()), QRect(7, 7, 67, 20));
    QCOMPARE((Tw{8, 7, 8, 7}.rect()), QRect(1, 0, 1, 0));
    QCOMPARE((Tw{-8, 0, 6030, 4530}.rect()), QRect(-1, 0, 402, 302));
    QCOMPARE(twipsSize(3000, 1500), QSize(200, 100));
}

QTEST_APPLESS_MAIN(TestTwips)
#include "tst_twips.moc"
