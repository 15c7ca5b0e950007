// The kit's control makers and their options: labels and notes, filled
// frames, size lists in columns and in a font of their own, and the combo box
// readers.
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <optional>

#include "common/ui/boxio.h"
#include "common/ui/captionframe.h"
#include "common/ui/controls.h"
#include "common/ui/fonts.h"
#include "common/ui/listpick.h"
#include "common/ui/lookuplist.h"
#include "uitest.h"

using namespace quorvil;

class TestMakers : public QObject {
    Q_OBJECT
private slots:
    void labelsAndNotes();
    void filledFrameShowsItsGround();
    void sizeListKeepsOneColumnAndTheInheritedFont();
    void sizeListInColumnsAndItsOwnFont();
    void comboReadersReadTheShownText_data();
    void comboReadersReadTheShownText();
};

void TestMakers::labelsAndNotes() {
    QWidget w;
    QLabel* plain = makeLabel(&w, QStringLiteral("Label1_3"), QStringLiteral("输入"), {150, 300, 900, 255});
    QCOMPARE(plain->objectName(), QStringLiteral("Label1_3"));
    QCOMPARE(plain->geometry(), QRect(10, 20, 60, 17));
    QCOMPARE(plain->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
    QVERIFY(!plain->wordWrap());

    QLabel* right =
        makeLabel(&w, QString(), QStringLiteral("头数"), {0, 0, 900, 255}, Qt::AlignRight | Qt::AlignVCenter);
    QCOMPARE(right->alignment(), Qt::AlignRight | Qt::AlignVCenter);
    QVERIFY(right->objectName().isEmpty());

    QLabel* note = makeNote(&w, QStringLiteral("注:一段会换行的说明"), {0, 0, 900, 600}, QStringLiteral("Label3_22"));
    QCOMPARE(note->objectName(), QStringLiteral("Label3_22"));
    QCOMPARE(note->text(), QStringLiteral("注:一段会换行的说明"));
    QCOMPARE(note->alignment(), Qt::AlignLeft | Qt::AlignTop);
    QVERIFY(note->wordWrap());
    QVERIFY(makeNote(&w, QStringLiteral("注"), {0, 0, 900, 600})->objectName().isEmpty());
}

void TestMakers::filledFrameShowsItsGround() {
    QWidget w;
    w.resize(300, 200);
    const QColor ground(192, 255, 192);
    CaptionFrame* f =
        makeFilledFrame(&w, QStringLiteral("Frame3"), QStringLiteral("输入参数"), {150, 150, 3000, 1500}, ground);
    QCOMPARE(f->objectName(), QStringLiteral("Frame3"));
    QCOMPARE(f->title(), QStringLiteral("输入参数"));
    // The ground shows inside the border, where a plain frame shows the page.
    const QImage image = w.grab().toImage();
    QVERIFY(w.palette().color(QPalette::Window) != ground);
    QCOMPARE(image.pixelColor(f->geometry().center()), ground);
}

void TestMakers::sizeListKeepsOneColumnAndTheInheritedFont() {
    QWidget w;
    w.setFont(songFont(9));
    int picks = 0;
    QListWidget* list = makeSizeList(&w, QStringLiteral("ListN"), {0, 0, 1500, 1500},
                                     {QStringLiteral("1/8\""), QStringLiteral("1/4\"")}, [&] { ++picks; });
    QCOMPARE(list->objectName(), QStringLiteral("ListN"));
    QCOMPARE(list->font(), songFont(9));
    QVERIFY(!list->isWrapping());
    QCOMPARE(list->palette().color(QPalette::Text), QColor(0, 0, 128));
    QCOMPARE(list->count(), 2);
    QCOMPARE(firstSelectedRow(list), std::nullopt);
    list->setCurrentRow(1);
    QCOMPARE(picks, 1);
    QCOMPARE(firstSelectedRow(list), std::optional<int>(1));
}

void TestMakers::sizeListInColumnsAndItsOwnFont() {
    QWidget w;
    w.resize(500, 200);
    QStringList items;
    for (int i = 0; i < 40; ++i) items << QString::number(20 + i);
    int picks = 0;
    QListWidget* list = makeSizeList(&w, QStringLiteral("List1"), {0, 0, 6360, 2475}, items, [&] { ++picks; },
                                     {.columns = 6, .font = songFont(12)});
    QCOMPARE(list->font(), songFont(12));
    QCOMPARE(list->palette().color(QPalette::Text), QColor(0, 0, 128));
    QCOMPARE(firstSelectedRow(list), std::nullopt);
    // Six columns share the width; the rows follow the list's own font.
    QVERIFY(list->isWrapping());
    const QSize grid = list->gridSize();
    QCOMPARE(grid.width(), (list->width() - 2 * list->frameWidth()) / 6);
    QCOMPARE(grid.height(), QFontMetrics(songFont(12)).height() + 2);
    // The items run down the first column, then on in the next.
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const int rows = list->viewport()->height() / grid.height();
    QVERIFY(rows > 1 && rows < 40);
    const QRect first = list->visualItemRect(list->item(0));
    QCOMPARE(list->visualItemRect(list->item(rows - 1)).left(), first.left());
    QCOMPARE(list->visualItemRect(list->item(rows)).left(), first.left() + grid.width());
    QCOMPARE(list->visualItemRect(list->item(rows)).top(), first.top());
    list->setCurrentRow(rows);
    QCOMPARE(picks, 1);
}

void TestMakers::comboReadersReadTheShownText_data() {
    QTest::addColumn<bool>("editable");
    QTest::addColumn<int>("picked");  // -1: none
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("lenient");
    QTest::addColumn<std::optional<double>>("leading");
    QTest::newRow("picked") << false << 1 << QString() << 1.5 << std::optional<double>(1.5);
    QTest::newRow("none picked") << false << -1 << QString() << 0.0 << std::optional<double>();
    QTest::newRow("typed with a unit") << true << -1 << QStringLiteral("12.5mm") << 12.5 << std::optional<double>(12.5);
    QTest::newRow("typed over a pick") << true << 0 << QStringLiteral("3") << 3.0 << std::optional<double>(3);
    QTest::newRow("typed text") << true << -1 << QStringLiteral("第一系列") << 0.0 << std::optional<double>();
}

void TestMakers::comboReadersReadTheShownText() {
    QFETCH(bool, editable);
    QFETCH(int, picked);
    QFETCH(QString, typed);
    QFETCH(double, lenient);
    QFETCH(std::optional<double>, leading);
    QWidget w;
    QComboBox* c = makeCombo(&w, QStringLiteral("c"), {0, 0, 1500, 300}, editable);
    c->addItems({QStringLiteral("0.866"), QStringLiteral("1.5")});
    c->setCurrentIndex(picked);
    if (editable) c->setEditText(typed);
    QCOMPARE(readLenient(c), lenient);
    QCOMPARE(readLeadingNumber(c), leading);
}

QUORVIL_UI_TEST_MAIN(TestMakers)
#include "tst_makers.moc"
