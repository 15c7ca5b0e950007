// The collected-tools window in either build: fourteen captions over boxes at
// their design places; in the reference build a double-click starts nothing,
// in the packaged build it starts the slot's program and the window stays.
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include "buildsettings.h"
#include "shell/Form10.h"
#include "shell/toolslot.h"
#include "uitest.h"
#include "windowtest.h"

using quorvil::ToolSlot;

class TestForm10 : public quorvil::test::WindowTest<Form10> {
    Q_OBJECT
private slots:
    void design();
    void slotsFollowTheBuild();
    void doubleClickStartsPackagedProgram();
};

void TestForm10::design() {
    QCOMPARE(w->windowTitle(), QStringLiteral("1.网上搜集的软件"));
    QCOMPARE(w->size(), QSize(480, 391));
    const QList<ToolSlot*> slotList = w->findChildren<ToolSlot*>();
    QCOMPARE(slotList.size(), 14);
    // Rows of four, four, three and three boxes, by their tops.
    QMap<int, int> perRow;
    for (ToolSlot* s : slotList) ++perRow[s->y() / 20];
    QCOMPARE(perRow.values(), (QList<int>{4, 4, 3, 3}));
    QCOMPARE(p.get<ToolSlot>(QStringLiteral("OLE11"))->geometry(), QRect(12, 40, 97, 57));
    QCOMPARE(p.get<ToolSlot>(QStringLiteral("OLE9"))->geometry(), QRect(246, 315, 100, 52));
    QVERIFY2(p.matches({"Label1_10=通用量规标准", "Label1_6=常用计算单位换算"}), p.why());
    QCOMPARE(p.get<QLabel>(QStringLiteral("Label1_6"))->width(), 122);
    QCOMPARE(w->findChildren<QLabel*>().size(), 14);
}

void TestForm10::slotsFollowTheBuild() {
    int filled = 0;
    for (ToolSlot* s : w->findChildren<ToolSlot*>()) filled += s->isFilled();
    if (quorvil::build::kPackaged) {
        QVERIFY(filled > 0);
    } else {
        QCOMPARE(filled, 0);
        for (ToolSlot* s : w->findChildren<ToolSlot*>()) {
            QVERIFY(!s->start());
            p.doubleClick(s->objectName());
        }
    }
}

void TestForm10::doubleClickStartsPackagedProgram() {
    if (!quorvil::build::kPackaged) QSKIP("the reference build packages no program");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QPointer<Form10> alive = w;
    int started = 0;
    for (ToolSlot* s : w->findChildren<ToolSlot*>()) {
        if (!s->isFilled()) continue;
        const QString marker = dir.filePath(s->objectName());
        qputenv("QUORVIL_TEST_MARKER", marker.toLocal8Bit());
        p.doubleClick(s->objectName());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 20000);
        QVERIFY(w->isVisible());  // the window stays open and usable
        ++started;
    }
    QVERIFY(started > 0);
    w->close();
    QTRY_VERIFY(alive.isNull());
}

QUORVIL_UI_TEST_MAIN(TestForm10)
#include "tst_form10.moc"
