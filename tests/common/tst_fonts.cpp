// The faces the design's font names map to: Latin letters as dark as the
// Chinese beside them, Chinese from the Chinese faces, digits as wide as the
// design's.
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QTest>
#include <QTextLayout>

#include "common/ui/fonts.h"
#include "uitest.h"

using namespace quorvil;

namespace {

// The coverage of a text's pixels, summed: black on white, one for a fully
// covered pixel.
double ink(const QFont& font, const QString& text) {
    QImage image(200, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(10, 40, text);
    }
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) sum += (255 - qGray(image.pixel(x, y))) / 255.0;
    return sum;
}

// The family the glyph of a character is drawn from (a family reached
// through the design's name comes in lower case).
QString familyOf(const QFont& font, QChar c) {
    QTextLayout layout(c, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    return runs.size() == 1 ? runs[0].rawFont().familyName().toLower() : QString();
}

QFont bare(const QString& family, double pointSize) {
    QFont f;
    f.setFamilies({family});
    f.setPointSizeF(pointSize);
    return f;
}

}  // namespace

class TestFonts : public QObject {
    Q_OBJECT
private slots:
    void latinIsAsDarkAsTheDesigns_data();
    void latinIsAsDarkAsTheDesigns();
    void chineseComesFromTheChineseFaces();
    void digitsAreHalfWidth_data();
    void digitsAreHalfWidth();
    void designBlanksSpanTheDesignsWidth();
};

void TestFonts::latinIsAsDarkAsTheDesigns_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("M") << QStringLiteral("M");
    QTest::newRow("mm") << QStringLiteral("mm");
    QTest::newRow("5H") << QStringLiteral("5H");
}

// The Chinese face's own Latin letters are faint and small; the design's
// Song face draws them about twice as dark.
void TestFonts::latinIsAsDarkAsTheDesigns() {
    QFETCH(QString, text);
    const double shown = ink(songFont(9), text);
    const double chineseFacesOwn = ink(bare(QStringLiteral("AR PL UMing CN"), 9), text);
    QVERIFY2(shown >= 1.6 * chineseFacesOwn, qPrintable(QStringLiteral("%1 against %2").arg(shown).arg(chineseFacesOwn)));
}

// Latin letters and digits from the Latin face, Chinese from the Chinese
// face of each font, in whichever order the fonts are first drawn.
void TestFonts::chineseComesFromTheChineseFaces() {
    const QString latin = QStringLiteral("liberation serif"), song = QStringLiteral("ar pl uming cn"),
                  kai = QStringLiteral("ar pl ukai cn");
    // What the design calls its fonts reaches the same faces.
    QFont songByName(QStringLiteral("宋体")), kaiByName(QStringLiteral("楷体_GB2312"));
    songByName.setPointSizeF(10.5);
    kaiByName.setPointSizeF(12);
    const struct {
        QFont font;
        QString chinese;
    } fonts[] = {{kaiFont(9), kai},    {songFont(9), song},          {songFont(10.5), song},
                 {kaiFont(10.5), kai}, {songFont(10.5, true), song}, {songByName, song},
                 {kaiByName, kai}};
    for (const auto& f : fonts) {
        const QString what = f.font.toString();
        QVERIFY2(familyOf(f.font, u'公') == f.chinese, qPrintable(what));
        QVERIFY2(familyOf(f.font, u'值') == f.chinese, qPrintable(what));
        QVERIFY2(familyOf(f.font, u'M') == latin, qPrintable(what));
        QVERIFY2(familyOf(f.font, u'5') == latin, qPrintable(what));
    }
}

void TestFonts::digitsAreHalfWidth_data() {
    QTest::addColumn<QFont>("font");
    QTest::newRow("宋体 9") << songFont(9);
    QTest::newRow("宋体 10.5") << songFont(10.5);
    QTest::newRow("宋体 10.5 bold") << songFont(10.5, true);
    QTest::newRow("宋体 12") << songFont(12);
    QTest::newRow("宋体 15") << songFont(15);
    QTest::newRow("楷体_GB2312 10.5") << kaiFont(10.5);
}

// The design's boxes were sized for digits half as wide as a Chinese
// character: a digit keeps that advance.
void TestFonts::digitsAreHalfWidth() {
    QFETCH(QFont, font);
    const QFontMetricsF fm(font);
    const double half = fm.horizontalAdvance(QStringLiteral("公")) / 2;
    for (QChar digit : QStringLiteral("0123456789")) QCOMPARE(fm.horizontalAdvance(digit), half);
}

void TestFonts::designBlanksSpanTheDesignsWidth() {
    for (const QFont& font : {songFont(9), songFont(15)}) {
        const QFontMetricsF fm(font);
        const double designWidth = 31 * fm.horizontalAdvance(u'0');
        const QString blanks = designBlanks(31, font);
        QCOMPARE(blanks, QString(blanks.size(), u' '));
        QVERIFY(fm.horizontalAdvance(blanks) >= designWidth);
        QVERIFY(fm.horizontalAdvance(blanks) < designWidth + fm.horizontalAdvance(u' '));
    }
}

QUORVIL_UI_TEST_MAIN(TestFonts)
#include "tst_fonts.moc"
