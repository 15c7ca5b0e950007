// Line sketches: the design's lines drawn over a page or a frame, inside
// the frame's border.
#include <QTest>

#include "common/ui/captionframe.h"
#include "common/ui/controls.h"
#include "common/ui/linesketch.h"
#include "uitest.h"

using namespace quorvil;

class TestLineSketch : public QObject {
    Q_OBJECT
private slots:
    void lineSketchDrawsSegments();
    void sketchOnFrameStartsBelowTheBorder();
};

void TestLineSketch::lineSketchDrawsSegments() {
    QWidget frame;
    frame.resize(100, 100);
    frame.setAutoFillBackground(true);
    frame.setPalette(QPalette(Qt::white));
    auto* sketch = new LineSketch(&frame, {{150, 750, 1350, 750, 2, 0xFF0000}});
    QCOMPARE(sketch->geometry(), frame.rect());
    QVERIFY(sketch->testAttribute(Qt::WA_TransparentForMouseEvents));
    const QImage img = frame.grab().toImage();
    QCOMPARE(img.pixelColor(50, 50), QColor(Qt::red));
    QCOMPARE(img.pixelColor(50, 20), QColor(Qt::white));
}

void TestLineSketch::sketchOnFrameStartsBelowTheBorder() {
    QWidget page;
    page.resize(200, 200);
    page.setAutoFillBackground(true);
    page.setPalette(QPalette(Qt::white));
    CaptionFrame* frame = makeFrame(&page, QStringLiteral("Frame1"), QStringLiteral("框"), {0, 0, 3000, 3000});
    new LineSketch(frame, {{1500, 0, 1500, 3000, 1, 0xFF0000}});  // from the frame's top edge
    const QImage img = page.grab().toImage();
    const int top = frame->borderRect().top();
    QVERIFY(top > 2);
    for (int y = 0; y <= top + 1; ++y)
        QVERIFY2(img.pixelColor(100, y) != QColor(Qt::red), qPrintable(QString::number(y)));
    QCOMPARE(img.pixelColor(100, 100), QColor(Qt::red));
}

QUORVIL_UI_TEST_MAIN(TestLineSketch)
#include "tst_linesketch.moc"
