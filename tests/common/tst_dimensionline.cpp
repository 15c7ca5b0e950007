// Dimension lines of the sketches: the line itself and, at each end, an
// arrow head whose two thin strokes run from the tip back along the line,
// one to each side.
#include <QTest>

#include <algorithm>

#include "common/dimensionline.h"

using namespace quorvil;

namespace {

// The strokes as "x1,y1>x2,y2", with their width and colour where these are
// not those of a thin black line; sorted, as the drawing order shows nowhere.
QStringList strokes(const Sketch& s) {
    QStringList out;
    for (const SketchLine& l : s) {
        QString t = QStringLiteral("%1,%2>%3,%4").arg(l.x1).arg(l.y1).arg(l.x2).arg(l.y2);
        if (l.widthPx != 1 || l.rgb != kBlackLine) t += QStringLiteral(" w%1 #%2").arg(l.widthPx).arg(l.rgb, 0, 16);
        out << t;
    }
    std::sort(out.begin(), out.end());
    return out;
}

QStringList sorted(QStringList l) {
    std::sort(l.begin(), l.end());
    return l;
}

}  // namespace

class TestDimensionLine : public QObject {
    Q_OBJECT
private slots:
    void arrowHeads_data();
    void arrowHeads();
    void dimensionLines();
};

void TestDimensionLine::arrowHeads_data() {
    QTest::addColumn<Pointing>("towards");
    QTest::addColumn<QStringList>("expected");  // tip at 1000,2000; 90 long, 35 to each side

    QTest::newRow("left") << Pointing::Left << QStringList{"1000,2000>1090,1965", "1000,2000>1090,2035"};
    QTest::newRow("right") << Pointing::Right << QStringList{"1000,2000>910,1965", "1000,2000>910,2035"};
    QTest::newRow("up") << Pointing::Up << QStringList{"1000,2000>965,2090", "1000,2000>1035,2090"};
    QTest::newRow("down") << Pointing::Down << QStringList{"1000,2000>965,1910", "1000,2000>1035,1910"};
}

void TestDimensionLine::arrowHeads() {
    QFETCH(Pointing, towards);
    QFETCH(QStringList, expected);
    Sketch s;
    arrowHead(s, 1000, 2000, towards, {90, 35});
    QCOMPARE(strokes(s), sorted(expected));
}

// The heads point outwards, their tips on the ends given; the sketch keeps
// what it held before.
void TestDimensionLine::dimensionLines() {
    Sketch s{{0, 0, 10, 10, 2, kGreyLine}};
    horizontalDimensionLine(s, 100, 400, 50, {110, 40});
    QCOMPARE(strokes(s), sorted({"0,0>10,10 w2 #808080", "100,50>400,50", "100,50>210,10", "100,50>210,90",
                                 "400,50>290,10", "400,50>290,90"}));

    s.clear();
    verticalDimensionLine(s, 300, 600, 900, {90, 45});
    QCOMPARE(strokes(s),
             sorted({"300,600>300,900", "300,600>255,690", "300,600>345,690", "300,900>255,810", "300,900>345,810"}));
}

QTEST_APPLESS_MAIN(TestDimensionLine)
#include "tst_dimensionline.moc"
