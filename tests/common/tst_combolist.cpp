// Drop-down lists and list boxes: an editable combo keeps what is typed; a
// list opens below its box, twelve rows tall; a list box shows nothing
// picked until the user picks, and runs its pick once per pick.
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>

#include "common/ui/controls.h"
#include "common/ui/fonts.h"
#include "common/ui/listpick.h"
#include "uitest.h"

using namespace quorvil;

class TestComboList : public QObject {
    Q_OBJECT
private slots:
    void editableComboKeepsWhatIsTyped();
    void comboListOpensBelowTwelveRowsTall_data();
    void comboListOpensBelowTwelveRowsTall();
    void listShowsNothingPickedUntilPicked();
    void listPickRunsOncePerPick();
};

void TestComboList::editableComboKeepsWhatIsTyped() {
    QWidget w;
    QComboBox* combo = makeCombo(&w, QStringLiteral("c"), {0, 0, 1500, 300}, true);
    combo->addItems({QStringLiteral("10"), QStringLiteral("110"), QStringLiteral("第一系列")});
    combo->setCurrentIndex(1);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    int activated = 0;
    QObject::connect(combo, &QComboBox::activated, [&] { ++activated; });
    // No completion from the list, and typing leaves no item picked.
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("11"));
    QCOMPARE(combo->currentText(), QStringLiteral("11"));
    QCOMPARE(combo->currentIndex(), -1);
    QCOMPARE(combo->count(), 3);
    // Enter on a text equal to an item picks nothing and adds nothing.
    combo->lineEdit()->clear();
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("10"));
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    QCOMPARE(combo->currentText(), QStringLiteral("10"));
    QCOMPARE(combo->currentIndex(), -1);
    QCOMPARE(combo->count(), 3);
    QCOMPARE(activated, 0);
    // Typing in the middle keeps the caret where the key went.
    combo->setCurrentIndex(2);
    combo->lineEdit()->setCursorPosition(2);
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("x"));
    QCOMPARE(combo->currentText(), QStringLiteral("第一x系列"));
    QCOMPARE(combo->lineEdit()->cursorPosition(), 3);
}

void TestComboList::comboListOpensBelowTwelveRowsTall_data() {
    QTest::addColumn<bool>("editable");
    QTest::addColumn<double>("pointSize");
    QTest::newRow("list, 9 points") << false << 9.0;
    QTest::newRow("editable, 10.5 points") << true << 10.5;
}

// A long list opens below its box as twelve rows with a scroll bar, each
// row taller than its font's line; the keys pick as before.
void TestComboList::comboListOpensBelowTwelveRowsTall() {
    QFETCH(bool, editable);
    QFETCH(double, pointSize);
    QWidget w;
    w.resize(300, 100);
    QComboBox* combo = makeCombo(&w, QStringLiteral("c"), {150, 150, 3000, 300}, editable);
    combo->setFont(songFont(pointSize));
    for (int i = 0; i < 40; ++i) combo->addItem(QStringLiteral("M%1×1.5-粗牙(优选)").arg(i));
    combo->setCurrentIndex(3);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    int activated = -1;
    QObject::connect(combo, &QComboBox::activated, [&](int index) { activated = index; });

    combo->showPopup();
    QAbstractItemView* view = combo->view();
    QWidget* popup = view->window();
    QVERIFY(QTest::qWaitForWindowExposed(popup));
    QVERIFY(popup->geometry().top() >= combo->mapToGlobal(combo->rect().bottomLeft()).y());
    const int row = view->visualRect(view->model()->index(0, 0)).height();
    QVERIFY2(row > QFontMetrics(combo->font()).height() + 1, qPrintable(QString::number(row)));
    QCOMPARE(view->viewport()->height() / row, 12);
    QVERIFY(view->verticalScrollBar()->isVisible());

    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Return);
    QVERIFY(!popup->isVisible());
    QCOMPARE(combo->currentIndex(), 4);
    QCOMPARE(activated, 4);
}

void TestComboList::listShowsNothingPickedUntilPicked() {
    QWidget w;
    QListWidget* list = makeList(&w, QStringLiteral("l"), {0, 0, 1500, 1500});
    list->addItems({QStringLiteral("一"), QStringLiteral("二")});
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    list->setFocus(Qt::TabFocusReason);
    QVERIFY(list->hasFocus());
    QVERIFY(!list->currentIndex().isValid());
    QVERIFY(list->selectedItems().isEmpty());
    // The keyboard still picks from the first item on.
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentRow(), 0);
    QVERIFY(list->item(0)->isSelected());
}

void TestComboList::listPickRunsOncePerPick() {
    QWidget w;
    QListWidget* list = makeList(&w, QStringLiteral("l"), {0, 0, 1500, 1500});
    list->addItems({QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三")});
    QList<int> runs;  // the selected row at each run
    onListPick(list,
               [&] { runs << (list->selectedItems().isEmpty() ? -1 : list->row(list->selectedItems().first())); });
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    const auto clickRow = [&](int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    };
    clickRow(1);  // the press picks, the release is the same pick
    QCOMPARE(runs, QList<int>({1}));
    clickRow(1);  // a click on the picked row runs again, once
    QCOMPARE(runs, QList<int>({1, 1}));
    QTest::keyClick(list, Qt::Key_Down);  // the keyboard picks too
    QCOMPARE(runs, QList<int>({1, 1, 2}));
    clickRow(0);
    QCOMPARE(runs, QList<int>({1, 1, 2, 0}));
}

QUORVIL_UI_TEST_MAIN(TestComboList)
#include "tst_combolist.moc"
