// The thread designation window: a pick in the code list, by mouse or
// keyboard, writes that row's description into the text box.
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include "reference/Form4.h"
#include "reference/threadcodes.h"
#include "shell/launch.h"
#include "uitest.h"
#include "windowtest.h"

using quorvil::test::WindowProbe;

class TestForm4 : public quorvil::test::WindowTest<Form4> {
    Q_OBJECT
private slots:
    void opensAsDesigned();
    void codeListShowsTwoColumnsSideBySide();
    void pickShowsTheRowsText_data();
    void pickShowsTheRowsText();
    void pickReplacesTheWholeText();
    void keyboardMovePicks();
    void typedTextStaysUntilTheNextPick();
    void clickLeavingNothingSelectedChangesNothing();
    void everyTextFitsTheBoxWithoutScrolling();
    void reopensEmpty();

private:
    QString shown() const { return p.get<QPlainTextEdit>("Text1")->toPlainText(); }
};

void TestForm4::opensAsDesigned() {
    QCOMPARE(w->windowTitle(), QStringLiteral("16.各种螺纹代号查询"));
    auto* list1 = p.get<QListWidget>("List1");
    auto* text1 = p.get<QPlainTextEdit>("Text1");
    auto* list2 = p.get<QListWidget>("List2");
    QVERIFY(w->findChildren<QLabel*>().isEmpty());
    QVERIFY(w->findChildren<QPushButton*>().isEmpty());
    QCOMPARE(w->findChildren<QListWidget*>().size(), 2);

    QCOMPARE(list1->count(), 177);
    for (int i = 0; i < 177; ++i) {
        const std::string_view item = quorvil::kThreadDesignations[std::size_t(i)].item;
        QCOMPARE(list1->item(i)->text(), QString::fromUtf8(item.data(), qsizetype(item.size())));
    }
    QCOMPARE(list1->item(98)->text(), QStringLiteral("98-PL"));
    QCOMPARE(list1->item(99)->text(), QStringLiteral("99-PL"));
    QCOMPARE(list2->count(), 56);
    QCOMPARE(list2->item(38)->text(), QStringLiteral("NACE---美国腐蚀工程师学会"));
    QVERIFY(list1->selectedItems().isEmpty());
    QVERIFY(list2->selectedItems().isEmpty());
    QVERIFY(text1->toPlainText().isEmpty());
    QVERIFY(!text1->isReadOnly());

    const QColor navy(0, 0, 128);
    QCOMPARE(list1->palette().color(QPalette::Text), navy);
    QCOMPARE(text1->palette().color(QPalette::Text), navy);
    QCOMPARE(list1->font().pointSizeF(), 10.5);
    QCOMPARE(text1->font().pointSizeF(), 12.0);
    QCOMPARE(text1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(text1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    // One above the other, each nearly as wide as the window.
    QVERIFY(list1->geometry().bottom() < text1->geometry().top());
    QVERIFY(text1->geometry().bottom() < list2->geometry().top());
    QVERIFY(list2->geometry().bottom() < w->height());
    for (QWidget* c : {static_cast<QWidget*>(list1), static_cast<QWidget*>(text1), static_cast<QWidget*>(list2)})
        QVERIFY(c->width() > w->width() * 9 / 10);
}

void TestForm4::codeListShowsTwoColumnsSideBySide() {
    auto* list = p.get<QListWidget>("List1");
    const QRect first = list->visualItemRect(list->item(0));
    int perColumn = 1;
    while (list->visualItemRect(list->item(perColumn)).left() == first.left()) ++perColumn;
    QVERIFY(perColumn >= 5);
    const int viewWidth = list->viewport()->width();
    const QRect second = list->visualItemRect(list->item(perColumn));
    QVERIFY(second.left() > viewWidth / 3 && second.right() <= viewWidth);
    QCOMPARE(second.top(), first.top());
    QVERIFY(list->visualItemRect(list->item(2 * perColumn)).left() >= viewWidth - 2);
    QVERIFY(list->horizontalScrollBar()->maximum() > 0);
}

void TestForm4::pickShowsTheRowsText_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    QTest::newRow("first") << 0 << "玻璃瓶盖螺纹.内螺纹牙形角35°.外螺纹牙形角50°.锥度为0.标记A99.标准号:瑞士SNV 24900";
    QTest::newRow("last") << 176 << "米制锥螺纹.牙形角60°.锥度0.标记度ZM 10";
    QTest::newRow("98-PL") << 98 << "塑料锯齿螺纹.牙型角 °.锥度0.标记PL 10×2 LH.";
    QTest::newRow("99-PL, the same text") << 99 << "塑料锯齿螺纹.牙型角 °.锥度0.标记PL 10×2 LH.";
    QTest::newRow("175, no marking") << 175 << "圆弧螺纹.牙形角30°.锥度0.";
    QTest::newRow("45, ends with the inch mark") << 45 << "惠氏螺纹.牙型角55°.锥度0.标记FR2\"";
    QTest::newRow("42, ends with a blank")
        << 42 << "美国石油学会贯眼型钻杆接头螺纹.牙型角60°.锥度1:4.标记5-1/2 FH.标准号:中国 GB/T9253.1-1999 ";
    QTest::newRow("118, marking of row 117") << 118 << "美国石油学会短型套管圆螺纹.牙型角60°.锥度1:16.标记Rod 6-5/8";
}

void TestForm4::pickShowsTheRowsText() {
    QFETCH(int, row);
    QFETCH(QString, text);
    p.pick("List1", row);
    QCOMPARE(shown(), text);
}

void TestForm4::pickReplacesTheWholeText() {
    p.pick("List1", 17);
    QVERIFY(shown().contains(QStringLiteral("  锯齿螺纹")));
    p.pick("List1", 1);
    QCOMPARE(shown(), QStringLiteral("美制梯形螺纹.牙形角29°.锥度0.标记1-3/4-4ACME-2G.标准号:美国ASME B 1.5-1997"));
}

void TestForm4::keyboardMovePicks() {
    auto* list = p.get<QListWidget>("List1");
    p.pick("List1", 116);
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentRow(), 117);
    QCOMPARE(shown(), QStringLiteral("美国石油学会长型套管圆螺纹.牙型角60°.锥度1:16.标记Rod 6-5/8"));
    QTest::keyClick(list, Qt::Key_Home);
    QVERIFY(shown().startsWith(QStringLiteral("玻璃瓶盖螺纹")));
}

// Typed text is nobody's input: it stays, also through picks in the
// standards body list, until the next pick of a code.
void TestForm4::typedTextStaysUntilTheNextPick() {
    auto* text1 = p.get<QPlainTextEdit>("Text1");
    p.pick("List1", 5);
    text1->clear();
    QTest::keyClicks(text1, QStringLiteral("note"));
    p.pick("List2", 3);
    p.pick("List2", 55);
    QCOMPARE(shown(), QStringLiteral("note"));
    p.pick("List1", 5);
    QCOMPARE(shown(), QStringLiteral(
                          "美国石油学会短型套管圆螺纹.牙形角60°.锥度1:16.标记4-1/2API CSG.标准号:美国API Std 5B-1987"));
}

void TestForm4::clickLeavingNothingSelectedChangesNothing() {
    auto* list = p.get<QListWidget>("List1");
    p.pick("List1", 3);
    const QString before = shown();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      list->visualItemRect(list->item(3)).center());
    QVERIFY(list->selectedItems().isEmpty());
    QCOMPARE(shown(), before);
    w->List1_Click();
    QCOMPARE(shown(), before);
}

// The box has no scroll bars: every description, the two-in-one rows
// included, must fit in it whole.
void TestForm4::everyTextFitsTheBoxWithoutScrolling() {
    auto* text1 = p.get<QPlainTextEdit>("Text1");
    int mostLines = 0;
    for (int i = 0; i < 177; ++i) {
        p.pick("List1", i);
        QApplication::processEvents();
        QVERIFY2(text1->verticalScrollBar()->maximum() == 0, qPrintable(QString::number(i)));
        mostLines = std::max(mostLines, text1->document()->firstBlock().layout()->lineCount());
    }
    QVERIFY(mostLines >= 3);  // the longest texts really wrap
    QVERIFY(mostLines * text1->fontMetrics().lineSpacing() <= text1->viewport()->height());
}

void TestForm4::reopensEmpty() {
    QPointer<QWidget> first = quorvil::launchToolWindow(2);
    const WindowProbe launched(first);
    QCOMPARE(first->objectName(), QStringLiteral("Form4"));
    launched.pick("List1", 10);
    QVERIFY(!launched.get<QPlainTextEdit>("Text1")->toPlainText().isEmpty());
    first->close();
    QTRY_VERIFY(first.isNull());
    QPointer<QWidget> again = quorvil::launchToolWindow(2);
    const WindowProbe reopened(again);
    QVERIFY(reopened.get<QPlainTextEdit>("Text1")->toPlainText().isEmpty());
    QVERIFY(reopened.get<QListWidget>("List1")->selectedItems().isEmpty());
    again->close();
    QTRY_VERIFY(again.isNull());
}

QUORVIL_UI_TEST_MAIN(TestForm4)
#include "tst_form4.moc"
