// The hardness conversion window: a pick in the HRC list fills the four value
// boxes from the table, through the mouse or the keyboard.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QScrollBar>

#include "reference/Form9.h"
#include "reference/hardness.h"
#include "shell/launch.h"
#include "uitest.h"
#include "windowtest.h"

using quorvil::test::WindowProbe;

static const QStringList kBoxes = {"HB", "HRA", "HV", "QD"};

class TestForm9 : public quorvil::test::WindowTest<Form9> {
    Q_OBJECT
private slots:
    void opensAsDesigned();
    void listShowsSixColumnsSideBySide();
    void pickWritesTheRow_data();
    void pickWritesTheRow();
    void missingValueReplacesAnEarlierNumber();
    void typedTextStaysUntilTheNextPick();
    void keyboardMovePicks();
    void clickLeavingNothingSelectedChangesNothing();
    void reopensWithEmptyBoxes();
};

void TestForm9::opensAsDesigned() {
    QCOMPARE(w->windowTitle(), QStringLiteral("21.硬度换算表"));
    auto* list = p.get<QListWidget>("List1");
    QCOMPARE(list->count(), 111);
    QCOMPARE(list->item(0)->text(), QStringLiteral("15.0"));
    QCOMPARE(list->item(13)->text(), QStringLiteral("21.5"));
    QCOMPARE(list->item(110)->text(), QStringLiteral("70.0"));
    QVERIFY(list->selectedItems().isEmpty());
    QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
    QVERIFY2(p.matches({"HB=", "HRA=", "HV=", "QD=", "Label1=选择HRC洛氏硬度:", "Label2=HB30D2布氏硬度",
                        "Label3=HRA洛氏硬度", "Label4=HV维氏硬度", "Label5=近似强度"}),
             p.why());
    QCOMPARE(list->toolTip(), QStringLiteral("压头类型:120°金刚石圆锥体,总载荷150Kg,适用范围:一般淬火钢件."));
    QCOMPARE(p.box("HB")->toolTip(),
             QStringLiteral("压头类型:淬硬的直径10mm钢球,总载荷3000Kg,适用范围:各种退火及调质类钢件."));
    QCOMPARE(p.box("HRA")->toolTip(),
             QStringLiteral("压头类型:120°金刚石圆锥体,总载荷60Kg,适用范围:表面淬火钢.硬度合金."));
    QCOMPARE(p.box("HV")->toolTip(),
             QStringLiteral("压头类型:136°金刚石正四棱锥体,总载荷10Kg,适用范围:工件薄的表面硬化层或金属镀层."));
    QCOMPARE(p.box("QD")->toolTip(), QStringLiteral("抗拉强度:金属拉断前的最大应力.单位:MPa"));
    for (const QString& n : kBoxes) QCOMPARE(p.box(n)->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    // Boxes stand left to right in the order HB, HRA, HV, strength, each under its heading.
    for (int i = 0; i < 4; ++i) {
        QLineEdit* box = p.box(kBoxes[i]);
        auto* heading = p.get<QLabel>(QStringLiteral("Label%1").arg(i + 2));
        QVERIFY(heading->geometry().bottom() < box->geometry().top());
        QVERIFY(box->geometry().top() > list->geometry().bottom());
        if (i > 0) QVERIFY(box->geometry().left() > p.box(kBoxes[i - 1])->geometry().right());
    }
}

// The items run down the first column, then the next; six columns are in
// view, the rest is reached by scrolling sideways.
void TestForm9::listShowsSixColumnsSideBySide() {
    auto* list = p.get<QListWidget>("List1");
    const QRect first = list->visualItemRect(list->item(0));
    QCOMPARE(list->visualItemRect(list->item(1)).left(), first.left());
    QVERIFY(list->visualItemRect(list->item(1)).top() > first.top());
    int perColumn = 1;
    while (list->visualItemRect(list->item(perColumn)).left() == first.left()) ++perColumn;
    QVERIFY(perColumn >= 4);  // several rows in view per column
    const int viewWidth = list->viewport()->width();
    QVERIFY(list->visualItemRect(list->item(5 * perColumn)).right() <= viewWidth);
    QVERIFY(list->visualItemRect(list->item(6 * perColumn)).left() >= viewWidth - 2);
    QVERIFY(list->horizontalScrollBar()->isVisible());
    QVERIFY(list->horizontalScrollBar()->maximum() > 0);
}

void TestForm9::pickWritesTheRow_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("15.0, first") << 0 << QStringList{"HB=--", "HRA=57.6", "HV=--", "QD=699"};
    QTest::newRow("16.5, HB equals HV") << 3 << QStringList{"HB=209", "HRA=58.4", "HV=209", "QD=717"};
    QTest::newRow("21.5, whole HRA") << 13 << QStringList{"HB=232", "HRA=61", "HV=234", "QD=791"};
    QTest::newRow("41.5, mended HRA") << 53 << QStringList{"HB=385", "HRA=71.4", "HV=393", "QD=1327"};
    QTest::newRow("47.0, mended HRA") << 64 << QStringList{"HB=449", "HRA=74.2", "HV=463", "QD=1581"};
    QTest::newRow("47.5, no HB") << 65 << QStringList{"HB=--", "HRA=74.5", "HV=470", "QD=1608"};
    QTest::newRow("70.0, last") << 110 << QStringList{"HB=--", "HRA=86.6", "HV=1037", "QD=--"};
}

void TestForm9::pickWritesTheRow() {
    QFETCH(int, row);
    QFETCH(QStringList, expected);
    p.pick("List1", row);
    QVERIFY2(p.matches(expected), p.why());
}

void TestForm9::missingValueReplacesAnEarlierNumber() {
    p.pick("List1", 90);
    QVERIFY2(p.matches({"QD=2607"}), p.why());
    p.pick("List1", 91);
    QVERIFY2(p.matches({"HB=--", "HRA=81.4", "HV=726", "QD=--"}), p.why());
}

void TestForm9::typedTextStaysUntilTheNextPick() {
    p.pick("List1", 8);
    p.type({"HB=abc", "QD="});
    QVERIFY2(p.matches({"HB=abc", "HRA=59.7", "QD="}), p.why());
    p.pick("List1", 8);  // the same item again writes its texts again
    QVERIFY2(p.matches({"HB=220", "HRA=59.7", "HV=221", "QD=752"}), p.why());
}

void TestForm9::keyboardMovePicks() {
    auto* list = p.get<QListWidget>("List1");
    p.pick("List1", 12);
    QTest::keyClick(list, Qt::Key_Down);
    QVERIFY2(p.matches({"HB=232", "HRA=61", "HV=234", "QD=791"}), p.why());
    QTest::keyClick(list, Qt::Key_End);
    QVERIFY2(p.matches({"HB=--", "HRA=86.6", "HV=1037", "QD=--"}), p.why());
}

// A control-click on the selected item leaves the list with no selection:
// the boxes keep what they show (no fall-back to the last row).
void TestForm9::clickLeavingNothingSelectedChangesNothing() {
    auto* list = p.get<QListWidget>("List1");
    p.pick("List1", 5);
    p.type({"HV=typed"});
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      list->visualItemRect(list->item(5)).center());
    QVERIFY(list->selectedItems().isEmpty());
    QVERIFY2(p.matches({"HB=214", "HRA=58.9", "HV=typed", "QD=731"}), p.why());
    w->List1_Click();
    QVERIFY2(p.matches({"HB=214", "HRA=58.9", "HV=typed", "QD=731"}), p.why());
}

void TestForm9::reopensWithEmptyBoxes() {
    QPointer<QWidget> first = quorvil::launchToolWindow(7);
    const WindowProbe launched(first);
    QCOMPARE(first->objectName(), QStringLiteral("Form9"));
    launched.pick("List1", 20);
    QVERIFY(!launched.text("HB").isEmpty());
    first->close();
    QTRY_VERIFY(first.isNull());
    QPointer<QWidget> again = quorvil::launchToolWindow(7);
    const WindowProbe reopened(again);
    QVERIFY2(reopened.matches({"HB=", "HRA=", "HV=", "QD="}), reopened.why());
    QVERIFY(reopened.get<QListWidget>("List1")->selectedItems().isEmpty());
    again->close();
    QTRY_VERIFY(again.isNull());
}

QUORVIL_UI_TEST_MAIN(TestForm9)
#include "tst_form9.moc"
