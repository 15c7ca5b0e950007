// The captioned frame: its caption sits on the page it is on.
#include <QTest>

#include "common/ui/captionframe.h"
#include "common/ui/controls.h"
#include "uitest.h"

using namespace quorvil;

class TestCaptionFrame : public QObject {
    Q_OBJECT
private slots:
    void frameCaptionSitsOnThePage();
};

void TestCaptionFrame::frameCaptionSitsOnThePage() {
    QWidget page;
    page.resize(200, 200);
    page.setAutoFillBackground(true);
    page.setPalette(QPalette(Qt::white));
    CaptionFrame* frame = makeFrame(&page, QStringLiteral("Frame1"), QStringLiteral("框框"), {0, 0, 3000, 3000});
    // The frame's own background colour differs from the page (a tab page is
    // painted lighter than the window colour) and is not filled.
    QPalette grey = frame->palette();
    grey.setColor(QPalette::Window, Qt::gray);
    frame->setPalette(grey);
    const QImage img = page.grab().toImage();
    // Around the caption's glyphs the page shows, not a patch of another colour.
    QCOMPARE(img.pixelColor(7, 1), QColor(Qt::white));
}

QUORVIL_UI_TEST_MAIN(TestCaptionFrame)
#include "tst_captionframe.moc"
