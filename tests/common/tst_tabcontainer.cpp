// The tab container: pages at the design's places, and no border cut off at
// its window's edge.
#include <QLineEdit>
#include <QTabBar>
#include <QTest>

#include "common/ui/controls.h"
#include "common/ui/tabcontainer.h"
#include "uitest.h"

using namespace quorvil;

class TestTabContainer : public QObject {
    Q_OBJECT
private slots:
    void tabContainerKeepsDesignPlaces();
    void tabContainerEndsAtItsWindowsEdge();
};

void TestTabContainer::tabContainerKeepsDesignPlaces() {
    QWidget w;
    w.resize(400, 300);
    TabContainer tabs(&w, QStringLiteral("SSTab1"), {0, 0, 6000, 4500});
    QWidget* p0 = tabs.addPage(QStringLiteral("甲"));
    QWidget* p1 = tabs.addPage(QStringLiteral("乙"));
    auto* b = makeBox(p1, QStringLiteral("b"), {450, 480, 900, 300});
    QCOMPARE(tabs.count(), 2);
    QCOMPARE(p1->geometry(), tabs.rect());  // pages cover the container, tab row included
    QCOMPARE(b->mapTo(&tabs, QPoint(0, 0)), QPoint(30, 32));
    tabs.setCurrentIndex(1);
    w.show();
    QVERIFY(p1->isVisible());
    QVERIFY(!p0->isVisible());
    QCOMPARE(tabs.tabBar()->tabText(1), QStringLiteral("乙"));
}

void TestTabContainer::tabContainerEndsAtItsWindowsEdge() {
    QWidget w;
    w.resize(400, 300);
    // Two pixels wider and taller than its window: right and bottom borders
    // would be cut off.
    TabContainer tabs(&w, QStringLiteral("SSTab1"), {0, 0, 6030, 4530});
    QCOMPARE(tabs.geometry(), w.rect());
    QCOMPARE(tabs.addPage(QStringLiteral("甲"))->geometry(), w.rect());
    // Inside another widget the design's size stands.
    QWidget page(&w);
    page.resize(100, 100);
    TabContainer inner(&page, QStringLiteral("SSTab2"), {0, 0, 3000, 3000});
    QCOMPARE(inner.size(), QSize(200, 200));
}

QUORVIL_UI_TEST_MAIN(TestTabContainer)
#include "tst_tabcontainer.moc"
