// The kit's control makers and their options: labels and notes, filled
// frames.
#include <QImage>
#include <QLabel>
#include <QTest>

#include "common/ui/captionframe.h"
#include "common/ui/controls.h"
#include "uitest.h"

using namespace quorvil;

class TestMakers : public QObject {
    Q_OBJECT
private slots:
    void labelsAndNotes();
    void filledFrameShowsItsGround();
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

QUORVIL_UI_TEST_MAIN(TestMakers)
#include "tst_makers.moc"
