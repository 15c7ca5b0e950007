#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionFrame>

#include "common/ui/printing.h"
#include "reference/Form16.h"
#include "reference/apiflange.h"
#include "texttest.h"
#include "uitest.h"
#include "windowtest.h"

using namespace quorvil::reference;

namespace {

// The seventeen boxes of the sketch.
const QStringList kBoxes = {"Text1",  "Text2",  "Text3",  "Text4",  "Text5",  "Text6",  "Text7",  "Text16", "Text17",
                            "Text18", "Text19", "Text20", "Text21", "Text22", "Text28", "Text26", "Text27"};
const QStringList kPressureOptions = {"Op2000", "Op3000", "Op5000", "Op10000", "Op15000"};

using quorvil::test::q;

// "name=text" for every box, `text` everywhere.
QStringList allBoxes(const QString& text) {
    QStringList out;
    for (const QString& b : kBoxes) out << b + u'=' + text;
    return out;
}

// "name=text" for the boxes a row writes, in writing order.
QStringList written(const FlangeRow& row) {
    const QString groove = hasBxRing(row) ? QStringLiteral("Text28") : QStringLiteral("Text22");
    const QStringList order = {"Text1",  "Text2",  "Text3",  "Text4",  "Text5",  "Text6", "Text7",  "Text16",
                               "Text17", "Text18", "Text19", "Text20", "Text21", groove,  "Text26", "Text27"};
    QStringList out;
    for (qsizetype i = 0; i < order.size(); ++i) out << order[i] + u'=' + q(row.texts[std::size_t(i)]);
    return out;
}

QString pressureOption(int psi) {
    for (std::size_t i = 0; i < kFlangePressuresPsi.size(); ++i)
        if (kFlangePressuresPsi[i] == psi) return kPressureOptions[qsizetype(i)];
    qFatal("no option for %d psi", psi);
}

}  // namespace

class TestForm16 : public quorvil::test::WindowTest<Form16> {
    Q_OBJECT
private slots:
    void opensAsDesigned();
    void controlsStandApart();
    void showsRightAfterOpening();
    void everyPair_data();
    void everyPair();
    void pairsWithoutData_data();
    void pairsWithoutData();
    void grooveBoxOfTheOtherKind();
    void noTextOfAnEarlierPair_data();
    void noTextOfAnEarlierPair();
    void lengthTexts();
    void onlyTheButtonWrites();
    void clearEmptiesEveryBox();
    void prints();

private:
    void show(int psi, int bore) const {
        p.click(pressureOption(psi));
        p.click(QStringLiteral("Option%1").arg(bore));
        p.click("Command11");
    }
};

void TestForm16::opensAsDesigned() {
    QCOMPARE(w->windowTitle(), QStringLiteral("7.API 6A 19版技术资料"));
    QVERIFY2(p.matches(allBoxes(QString())), p.why());
    QVERIFY(p.get<QRadioButton>("Op2000")->isChecked());
    QVERIFY(p.get<QRadioButton>("Option1")->isChecked());
    QVERIFY2(p.matches({"Option0=1-13/16\"(46)",
                        "Option3=3-1/8\"(80)",
                        "Label10=3-1/16\"(78)",
                        "Option7=9\"(228)",
                        "Option13=21-1/4\"(540)",
                        "Op2000=2000PSI(14MPa)",
                        "Op10000=10000PSI(70MPa)",
                        "Op15000=15000PSI(105MPa)",
                        "Command3=先清除",
                        "Command11=再显示",
                        "Command6=打印",
                        "Label11_1=≤",
                        "Label1_0=+3",
                        "Label11_0=+2",
                        "Label2_0=1X45°",
                        "Label9_0=3",
                        "Label9_1=6BX法兰",
                        "Label9_3=R0.8",
                        "Label9_4=R、RX垫环槽倒角23°±30′",
                        "Label9_2=BX垫环槽倒角23°±15′"}),
             p.why());
    // Bore options top to bottom, with the 3-1/16 in label just below Option3.
    for (int i = 1; i < 14; ++i)
        QVERIFY(p.get(QStringLiteral("Option%1").arg(i))->y() > p.get(QStringLiteral("Option%1").arg(i - 1))->y());
    QVERIFY(p.get("Label10")->y() > p.get("Option3")->y());
    QVERIFY(p.get("Label10")->y() < p.get("Option4")->y());
    QVERIFY(p.get("Label10")->x() > p.get("Option3")->x());
    for (const QString& b : kBoxes) {
        const Qt::Alignment want = b == "Text17" ? Qt::AlignRight : Qt::AlignHCenter;
        QVERIFY2((p.box(b)->alignment() & Qt::AlignHorizontal_Mask) == want, qPrintable(b));
    }
}

// The boxes and captions of the sketch lie inside the result frame and cover
// none of each other, and each box is wide enough for its longest text.
void TestForm16::controlsStandApart() {
    QWidget* frame = p.get("Frame1");
    QList<QWidget*> controls;
    for (const QString& b : kBoxes) controls << p.box(b);
    for (QLabel* l : frame->findChildren<QLabel*>()) controls << l;
    controls << p.get("Fra6_0");
    QCOMPARE(controls.size(), 17 + 9 + 1);
    for (qsizetype i = 0; i < controls.size(); ++i) {
        QWidget* a = controls[i];
        QCOMPARE(a->parentWidget(), frame);
        QVERIFY2(frame->rect().contains(a->geometry()), qPrintable(a->objectName()));
        for (qsizetype j = i + 1; j < controls.size(); ++j)
            QVERIFY2(!a->geometry().intersects(controls[j]->geometry()),
                     qPrintable(a->objectName() + " covers " + controls[j]->objectName()));
    }
    for (const FlangeRow& r : flangeTable()) {
        show(r.psi, r.bore);
        for (const QString& b : kBoxes) {
            QLineEdit* box = p.box(b);
            QStyleOptionFrame opt;
            opt.initFrom(box);
            opt.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, box);
            const QRect inside = box->style()->subElementRect(QStyle::SE_LineEditContents, &opt, box);
            const int room = inside.width() - 2 * 2;  // a line edit keeps 2 pixels clear on each side
            QVERIFY2(box->fontMetrics().horizontalAdvance(box->text()) <= room,
                     qPrintable(QStringLiteral("%1 clips \"%2\"").arg(b, box->text())));
        }
    }
}

void TestForm16::showsRightAfterOpening() {
    p.click("Command11");
    QVERIFY2(p.matches({"Text1=53.2", "Text2=33.4", "Text3=165±2", "Text4=127±0.5", "Text5=108.0", "Text6=84",
                        "Text7=25.4", "Text16=R23", "Text17=3X45°", "Text18=R3", "Text19=R3", "Text20=8-￠20",
                        "Text21=295±2", "Text22=82.55±0.13", "Text26=11.91±0.2", "Text27=7.9+0.5", "Text28=--"}),
             p.why());
}

// Every pair with data writes its sixteen texts verbatim, also over typed
// text, and "--" in the groove box of the other ring type; a second press
// changes nothing.
void TestForm16::everyPair_data() {
    QTest::addColumn<int>("psi");
    QTest::addColumn<int>("bore");
    for (const FlangeRow& r : flangeTable()) QTest::addRow("%d psi, bore %d", r.psi, r.bore) << r.psi << r.bore;
}

void TestForm16::everyPair() {
    QFETCH(int, psi);
    QFETCH(int, bore);
    const FlangeRow& row = *findFlange(psi, bore);
    p.type(allBoxes("typed"));
    show(psi, bore);
    QVERIFY2(p.matches(written(row)), p.why());
    const QString other = hasBxRing(row) ? "Text22" : "Text28";
    QCOMPARE(p.text(other), QStringLiteral("--"));
    p.click("Command11");
    QVERIFY2(p.matches(written(row)), p.why());
}

void TestForm16::pairsWithoutData_data() {
    QTest::addColumn<int>("psi");
    QTest::addColumn<int>("bore");
    const std::pair<int, int> empty[] = {{2000, 0}, {2000, 11}, {2000, 12},  {3000, 0},   {3000, 11},  {3000, 13},
                                         {5000, 0}, {5000, 12}, {10000, 12}, {15000, 10}, {15000, 12}, {15000, 13}};
    for (auto [psi, bore] : empty) QTest::addRow("%d psi, bore %d", psi, bore) << psi << bore;
}

// A pair the standard does not list shows "--" in every box: neither the
// texts of the pair shown before nor typed ones stay.
void TestForm16::pairsWithoutData() {
    QFETCH(int, psi);
    QFETCH(int, bore);
    QVERIFY(!findFlange(psi, bore));
    show(10000, 0);
    p.type("Text22", "typed");
    show(psi, bore);
    QVERIFY2(p.matches(allBoxes("--")), p.why());
}

void TestForm16::grooveBoxOfTheOtherKind() {
    show(10000, 0);
    QVERIFY2(p.matches({"Text7=  ", "Text28=77.77+0.1", "Text22=--", "Text16=BX151"}), p.why());
    show(2000, 1);
    QVERIFY2(p.matches({"Text7=25.4", "Text22=82.55±0.13", "Text28=--"}), p.why());
    show(10000, 3);
    QVERIFY2(p.matches({"Text1=78.6", "Text16=BX154", "Text28=119+0.1", "Text22=--"}), p.why());
}

// The texts after two presses are those of the second alone in a fresh
// window.
void TestForm16::noTextOfAnEarlierPair_data() {
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("second");
    const auto pair = [](const char* pressure, const char* bore) {
        return QStringList{QStringLiteral("click:") + pressure, QStringLiteral("click:") + bore, "click:Command11"};
    };
    QTest::newRow("a flange, then a pair without data") << pair("Op10000", "Option0") << pair("Op2000", "Option0");
    QTest::newRow("BX ring, then R ring") << pair("Op10000", "Option0") << pair("Op2000", "Option1");
    QTest::newRow("R ring, then BX ring") << pair("Op3000", "Option12") << pair("Op15000", "Option11");
}

void TestForm16::noTextOfAnEarlierPair() {
    QFETCH(QStringList, first);
    QFETCH(QStringList, second);
    const QString stale = staleAfter(first, second);
    QVERIFY2(stale.isEmpty(), qPrintable(stale));
}

void TestForm16::lengthTexts() {
    show(2000, 6);
    QCOMPARE(p.text("Text21"), QStringLiteral(" 664±2"));
    show(2000, 7);
    QCOMPARE(p.text("Text21"), QStringLiteral(" ±2"));
    show(2000, 8);
    QCOMPARE(p.text("Text21"), QStringLiteral(" "));
}

// Picking options, or typing, writes nothing until "再显示" is pressed.
void TestForm16::onlyTheButtonWrites() {
    show(3000, 5);
    p.type("Text4", "typed");
    const auto before = p.texts(kBoxes);
    p.click("Op15000");
    p.click("Option9");
    p.click("Option0");
    QCOMPARE(p.texts(kBoxes), before);
    p.click("Command11");
    QVERIFY2(p.matches(written(*findFlange(15000, 0))), p.why());
}

void TestForm16::clearEmptiesEveryBox() {
    show(2000, 1);
    show(10000, 0);
    p.type("Text26", "typed");
    p.click("Command3");
    QVERIFY2(p.matches(allBoxes(QString())), p.why());
    QVERIFY(p.get<QRadioButton>("Op10000")->isChecked());
    QVERIFY(p.get<QRadioButton>("Option0")->isChecked());
    p.click("Command11");
    QVERIFY2(p.matches(written(*findFlange(10000, 0))), p.why());
}

void TestForm16::prints() {
    show(5000, 9);
    const auto before = p.texts(kBoxes);
    QList<QImage> printed;
    quorvil::setPrintSink([&printed](const QImage& image) { printed << image; });
    p.click("Command6");
    quorvil::setPrintSink({});
    QCOMPARE(printed.size(), 1);
    QCOMPARE(printed[0].size() / printed[0].devicePixelRatio(), w->size());
    QCOMPARE(p.texts(kBoxes), before);
}

QUORVIL_UI_TEST_MAIN(TestForm16)
#include "tst_form16.moc"
