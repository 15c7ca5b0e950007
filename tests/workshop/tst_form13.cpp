#include <QLabel>
#include <QPushButton>

#include "common/ui/refusal.h"
#include "uitest.h"
#include "windowtest.h"
#include "workshop/Form13.h"

namespace {

const QStringList kBoxes = {"m1", "m2", "m3", "m4", "m5", "m6", "m7", "m8", "m9", "M11", "m10"};
const QStringList kExample = {"m1=1", "m2=200", "m3=8", "m5=360", "m6=0.3", "m7=1.6", "m9=3.9", "m8=1.0", "M11=230"};

}  // namespace

class TestForm13 : public quorvil::test::WindowTest<Form13> {
    Q_OBJECT
private slots:
    void opensAsDesigned();
    void calculations_data();
    void calculations();
    void badInputChangesNoBox_data();
    void badInputChangesNoBox();
    void enterRunsTheStaticCalculation();
    void boxesStandInTheBlanksOfTheirGuidance();
};

void TestForm13::opensAsDesigned() {
    QCOMPARE(w->windowTitle(), QStringLiteral("4.螺栓设计及计算"));
    for (const QString& n : kBoxes) {
        QVERIFY2(p.text(n).isEmpty(), qPrintable(n));
        QCOMPARE(p.box(n)->alignment(), Qt::AlignCenter);
    }
    QCOMPARE(p.text("Label1_10"), QStringLiteral("\"O\"形圈"));
    // Both open with blanks (how wide: boxesStandInTheBlanksOfTheirGuidance).
    QVERIFY(p.text("Label1_17").startsWith(u' ') && p.text("Label1_17").trimmed().startsWith(QStringLiteral("如:10号钢")));
    QVERIFY(p.text("Label1_15").startsWith(u' ') && p.text("Label1_15").trimmed().startsWith(QStringLiteral("1.钢板联接")));
    QVERIFY(p.text("Label1_22").startsWith(QStringLiteral(" 如:10号钢")));
    QVERIFY(p.get<QPushButton>("Command1")->isDefault());
}

void TestForm13::calculations_data() {
    QTest::addColumn<QStringList>("typed");  // over the worked example
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QStringList>("expected");

    const QStringList both = {"Command1", "Command2"};
    QTest::newRow("worked example") << QStringList{} << both << QStringList{"m4=10.16", "m10=6.18"};
    QTest::newRow("static only") << QStringList{} << QStringList{"Command1"} << QStringList{"m4=10.16", "m10="};
    QTest::newRow("fatigue only") << QStringList{} << QStringList{"Command2"} << QStringList{"m4=", "m10=6.18"};
    QTest::newRow("same coefficient sum")
        << QStringList{"m6=0.9", "m7=1.0"} << QStringList{"Command1"} << QStringList{"m4=10.16"};
    // Ko and the yield strength belong to the static way alone.
    QTest::newRow("Ko and yield leave fatigue")
        << QStringList{"m7=3", "m5=240"} << both << QStringList{"m4=16.39", "m10=6.18"};
    // ε, Kσ and the fatigue strength belong to the fatigue way alone.
    QTest::newRow("fatigue inputs leave static")
        << QStringList{"m8=0.75", "m9=3", "M11=140"} << both << QStringList{"m4=10.16", "m10=8.02"};
    QTest::newRow("Kc changes both") << QStringList{"m6=0.9"} << both << QStringList{"m4=11.65", "m10=10.70"};
    // A whole result still shows two decimals: with F = 78.5 and Ko + Kc = 2,
    // this yield strength gives d1 = 12.
    QTest::newRow("a result of 12") << QStringList{"m2=10", "m3=1", "m6=1", "m7=1", "m5=5.42958333333333"}
                                    << QStringList{"Command1"} << QStringList{"m4=12.00"};
}

void TestForm13::calculations() {
    QFETCH(QStringList, typed);
    QFETCH(QStringList, buttons);
    QFETCH(QStringList, expected);
    p.type(kExample);
    p.type(typed);
    for (const QString& b : buttons) p.click(b);
    QVERIFY2(p.matches(expected), p.why());
}

void TestForm13::badInputChangesNoBox_data() {
    QTest::addColumn<QStringList>("typed");  // over the worked example
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("at");  // the box refused
    QTest::addColumn<QString>("note");
    using namespace quorvil::notes;

    // 1.6 MPa needs d1 12.85: the 10.16 of 1 MPa must not stand beside it.
    QTest::newRow("static, decimal comma") << QStringList{"m1=1,6"} << "Command1"
                                           << "m1" << decimalPoint();
    QTest::newRow("static, no bolts") << QStringList{"m3=0"} << "Command1"
                                      << "m3" << positive();
    QTest::newRow("static, yield 0") << QStringList{"m5=0"} << "Command1"
                                     << "m5" << positive();
    QTest::newRow("static, empty Ko") << QStringList{"m7="} << "Command1"
                                      << "m7" << number();
    QTest::newRow("static, negative pressure") << QStringList{"m1=-1"} << "Command1"
                                               << "m1" << positive();
    QTest::newRow("static, negative Ko") << QStringList{"m7=-1"} << "Command1"
                                         << "m7" << positive();
    QTest::newRow("static, letters") << QStringList{"m2=200mm"} << "Command1"
                                     << "m2" << number();
    // Bore and pressure read in that order: the first fault is shown.
    QTest::newRow("static, two faults") << QStringList{"m1=abc", "m2="} << "Command1"
                                        << "m2" << number();
    QTest::newRow("static, overflow") << QStringList{"m1=1e308", "m2=1e308"} << "Command1"
                                      << "m2" << tooLarge();
    QTest::newRow("static, beyond the double range") << QStringList{"m5=1e400"} << "Command1"
                                                     << "m5" << tooLarge();
    QTest::newRow("fatigue, no bolts") << QStringList{"m3=0"} << "Command2"
                                       << "m3" << positive();
    QTest::newRow("fatigue, ε 0") << QStringList{"m8=0"} << "Command2"
                                  << "m8" << positive();
    QTest::newRow("fatigue, strength 0") << QStringList{"M11=0"} << "Command2"
                                         << "M11" << positive();
    QTest::newRow("fatigue, empty Kc") << QStringList{"m6="} << "Command2"
                                       << "m6" << number();
    QTest::newRow("fatigue, negative Kσ") << QStringList{"m9=-3.9"} << "Command2"
                                          << "m9" << positive();
}

// Both results shown, then a press with bad input changes no box and says
// why at the box.
void TestForm13::badInputChangesNoBox() {
    QFETCH(QStringList, typed);
    QFETCH(QString, button);
    QFETCH(QString, at);
    QFETCH(QString, note);
    p.type(kExample);
    p.click("Command1");
    p.click("Command2");
    p.type(typed);
    const auto before = p.texts(kBoxes);
    p.click(button);
    QCOMPARE(p.texts(kBoxes), before);
    QVERIFY2(p.matches({"m4=10.16", "m10=6.18"}), p.why());
    QVERIFY2(p.refused(at, note), p.why());
}

void TestForm13::enterRunsTheStaticCalculation() {
    p.type(kExample);
    p.box("M11")->setFocus();
    QTest::keyClick(p.box("M11"), Qt::Key_Return);
    QVERIFY2(p.matches({"m4=10.16", "m10="}), p.why());
}

// The yield strength and stiffness boxes stand in the blanks that open their
// guidance label, as wide as the design's blanks (each as wide as a digit):
// each box ends before the label's first word and above its second line, so
// the box hides none of its text.
void TestForm13::boxesStandInTheBlanksOfTheirGuidance() {
    const struct {
        const char *box, *label;
        int blanks;
    } pairs[] = {{"m5", "Label1_17", 24}, {"m6", "Label1_15", 14}};
    for (const auto& pair : pairs) {
        const QRect box = p.box(pair.box)->geometry();
        auto* label = p.get<QLabel>(pair.label);
        QCOMPARE(label->parentWidget(), p.box(pair.box)->parentWidget());
        const QFontMetrics fm(label->font());
        QVERIFY2(label->heightForWidth(label->width()) > fm.height(), pair.label);  // it does wrap
        const QString text = label->text();
        qsizetype blanks = 0;
        while (blanks < text.size() && text[blanks] == u' ') ++blanks;
        const int opening = fm.horizontalAdvance(text.left(blanks));
        QVERIFY2(opening >= pair.blanks * fm.horizontalAdvance(u'0'), pair.label);
        QVERIFY2(box.right() < label->x() + opening, pair.box);
        QVERIFY2(box.bottom() < label->y() + fm.height(), pair.box);
    }
}

QUORVIL_UI_TEST_MAIN(TestForm13)
#include "tst_form13.moc"
