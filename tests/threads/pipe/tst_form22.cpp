#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "common/ui/refusal.h"
#include "threads/pipe/Form22.h"
#include "uitest.h"
#include "windowtest.h"

using quorvil::test::WindowProbe;

namespace {

const QStringList kBoxes = {"w1", "w2",  "w3",  "w4",  "w5",  "w6",  "w7", "w8",
                            "w9", "w10", "w11", "w12", "w13", "w14", "w16"};

// One step of a sequence: "name=text" types, "click" presses 计 算,
// "wire=TEXT" picks that wire from the list.
void run(const WindowProbe& p, const QStringList& steps) {
    for (const QString& s : steps) {
        if (s == QStringLiteral("click")) {
            p.click(QStringLiteral("Command1"));
        } else if (s.startsWith(QStringLiteral("wire="))) {
            auto* list = p.get<QComboBox>(QStringLiteral("txtw15"));
            const int row = list->findText(s.mid(5));
            if (row < 0) qFatal("no wire %s", qPrintable(s));
            p.pick(QStringLiteral("txtw15"), row);
        } else {
            p.type({s});
        }
    }
}

// Size and threads per inch, then a press.
QStringList size(const QString& whole, const QString& num, const QString& den, const QString& n) {
    return {"w1=" + whole, "w2=" + num, "w3=" + den, "w4=" + n, QStringLiteral("click")};
}

}  // namespace

class TestForm22 : public quorvil::test::WindowTest<Form22> {
    Q_OBJECT
private slots:
    void opensAsDesigned();
    void calculations_data();
    void calculations();
    void badInputChangesNoBox_data();
    void badInputChangesNoBox();
    void pressesAnswerForTheInputsOnScreen_data();
    void pressesAnswerForTheInputsOnScreen();
    void resultBoxesFormatWhatIsTyped();
    void usageNoteWrapsIntoFullLines();
};

void TestForm22::opensAsDesigned() {
    QCOMPARE(w->windowTitle(), QStringLiteral("14.英制螺纹"));
    for (const QString& n : kBoxes) {
        QVERIFY2(p.box(n)->text().isEmpty(), qPrintable(n));
        QCOMPARE(p.box(n)->alignment(), Qt::AlignCenter);
    }
    auto* list = p.get<QComboBox>(QStringLiteral("txtw15"));
    QVERIFY(!list->isEditable());
    QCOMPARE(list->currentIndex(), -1);
    // The standard wires, smallest first (their table is tested with the
    // three-wire formulas; the calculations pick wires by their text).
    QCOMPARE(list->count(), 32);
    QCOMPARE(list->itemText(0), QStringLiteral("0.511"));
    QCOMPARE(list->itemText(31), QStringLiteral("4.773"));
    QCOMPARE(p.text(QStringLiteral("Command1")), QStringLiteral("计 算"));
    // The heading, blanks as wide as the design's 31 (each as wide as a
    // digit), then the note.
    const QString note = p.text(QStringLiteral("Label1_2"));
    const QString heading = QStringLiteral(" 使用方法:");
    QVERIFY(note.startsWith(heading));
    const QString body = note.mid(heading.size()).trimmed();
    QCOMPARE(body, QStringLiteral("输入公称直径和螺距及公差级别点计算按钮,"
                                  "螺纹参数和理论三针尺寸显示\r\n"
                                  "出来,选择合适三针后再点计算按钮,M值显示出来."));
    const QFontMetrics fm(p.get<QLabel>(QStringLiteral("Label1_2"))->font());
    const QString blanks = note.mid(heading.size(), note.size() - heading.size() - body.size());
    QCOMPARE(blanks, QString(blanks.size(), u' '));
    QVERIFY(fm.horizontalAdvance(blanks) >= 31 * fm.horizontalAdvance(u'0'));
    // The numerator sits higher than the denominator.
    QVERIFY(p.box(QStringLiteral("w2"))->y() < p.box(QStringLiteral("w3"))->y());
}

void TestForm22::calculations_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("expected");

    const QStringList half12 = {"w5=12.49", "w7=11.34", "w9=11.34", "w11=10.30", "w6=1.36",
                                "w10=1.36", "w8=0.35",  "w12=0.35", "w14=1.193", "w13=10.70"};

    // No wire picked: no M value.
    QTest::newRow("0-1/2 at 12, no wire") << size("0", "1", "2", "12") << half12 + QStringList{"w16=--"};
    // Empty parts of the size count as 0.
    QTest::newRow("1/2 at 12, whole inches empty") << size("", "1", "2", "12") << half12 + QStringList{"w16=--"};
    QTest::newRow("1 at 8, fraction empty")
        << size("1", "", "", "8") << QStringList{"w5=25.11", "w14=1.790", "w13=22.50"};
    QTest::newRow("then wire 1.157") << size("0", "1", "2", "12") + QStringList{"wire=1.157", "click"}
                                     << half12 + QStringList{"w16=12.97"};
    QTest::newRow("1-0/0 at 8, wire 1.833")
        << QStringList{"wire=1.833"} + size("1", "0", "0", "8")
        << QStringList{"w5=25.11", "w7=23.37", "w9=23.37",  "w11=21.80", "w6=2.03",  "w10=2.03",
                       "w8=0.53",  "w12=0.53", "w14=1.790", "w16=26.12", "w13=22.50"};
    QTest::newRow("0-3/16 at 24") << size("0", "3", "16", "24") << QStringList{"w13=3.90"};
    QTest::newRow("denominator typed 16.0") << size("0", "3", "16.0", "24") << QStringList{"w13=3.90"};
    QTest::newRow("2-0/0 at 4.5") << size("2", "0", "0", "4.5") << QStringList{"w5=50.33", "w14=3.182", "w13=45.60"};

    // Sizes without a tap drill row show "--", not the last listed size's.
    QTest::newRow("9/16 on a fresh window") << size("0", "9", "16", "12") << QStringList{"w5=14.08", "w13=--"};
    QTest::newRow("2/4 after 1/2") << size("0", "1", "2", "12") + size("0", "2", "4", "12")
                                   << QStringList{"w5=12.49", "w13=--"};
    QTest::newRow("9/16 after 1/2") << size("0", "1", "2", "12") + size("0", "9", "16", "12")
                                    << QStringList{"w5=14.08",  "w7=12.93", "w9=12.93",
                                                   "w11=11.89", "w6=1.36",  "w13=--"};
    QTest::newRow("1-2/2 after 3/16") << size("0", "3", "16", "24") + size("1", "2", "2", "11")
                                      << QStringList{"w5=50.58", "w13=--"};
    QTest::newRow("2-0/0 after 1-2/2") << size("1", "2", "2", "11") + size("2", "0", "0", "11")
                                       << QStringList{"w5=50.58", "w13=45.60"};

    // No range or sign limits.
    QTest::newRow("negative threads per inch")
        << size("0", "1", "2", "-12")
        << QStringList{"w5=12.81", "w7=14.06", "w11=15.10", "w6=-1.36", "w8=-0.35", "w14=-1.193", "w13=10.70"};
    // Without a wire there is no M value, whatever the box held.
    QTest::newRow("typed M value without wire")
        << QStringList{"w16=5"} + size("0", "1", "2", "12") << QStringList{"w16=--", "w5=12.49"};
}

void TestForm22::calculations() {
    QFETCH(QStringList, steps);
    QFETCH(QStringList, expected);
    run(p, steps);
    QVERIFY2(p.matches(expected), p.why());
}

void TestForm22::badInputChangesNoBox_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("at");
    QTest::addColumn<QString>("note");
    using namespace quorvil::notes;
    QTest::newRow("numerator over 0") << QStringList{"w1=0", "w2=1", "w3=0", "w4=12"} << "w3" << denominator();
    QTest::newRow("numerator over empty") << QStringList{"w1=", "w2=1", "w3=", "w4=12"} << "w3" << denominator();
    QTest::newRow("denominator -0.000001")
        << QStringList{"w1=0", "w2=1", "w3=-0.000001", "w4=12"} << "w3" << denominator();
    QTest::newRow("zero threads per inch") << QStringList{"w1=0", "w2=1", "w3=2", "w4=0"} << "w4" << nonZero();
    QTest::newRow("empty threads per inch") << QStringList{"w1=0", "w2=1", "w3=2", "w4="} << "w4" << number();
    QTest::newRow("letters") << QStringList{"w1=0", "w2=1", "w3=2", "w4=12牙"} << "w4" << number();
    QTest::newRow("letters in the whole box") << QStringList{"w1=a", "w2=1", "w3=2", "w4=12"} << "w1" << number();
    QTest::newRow("decimal comma") << QStringList{"w1=0", "w2=1", "w3=2,5", "w4=12"} << "w3" << decimalPoint();
    QTest::newRow("overflow") << QStringList{"w1=1e300", "w2=0", "w3=0", "w4=12"} << "w1" << tooLarge();
    QTest::newRow("numerator too large") << QStringList{"w1=0", "w2=1e39", "w3=1", "w4=12"} << "w2" << tooLarge();
    QTest::newRow("threads per inch too small")
        << QStringList{"w1=1", "w2=0", "w3=0", "w4=1e-320"} << "w4" << tooLarge();
}

// From a calculated window with a wire, a bad press changes nothing at all
// and says why, at the box to mend.
void TestForm22::badInputChangesNoBox() {
    QFETCH(QStringList, typed);
    QFETCH(QString, at);
    QFETCH(QString, note);
    run(p, QStringList{"wire=1.157"} + size("0", "1", "2", "12"));
    p.type(typed);
    const auto before = p.texts(kBoxes);
    QVERIFY(!before.value("w16").isEmpty());
    p.click(QStringLiteral("Command1"));
    QVERIFY2(p.refused(at, note), p.why());
    QCOMPARE(p.texts(kBoxes), before);
}

// After one press and then another, every box shows what the second press
// alone shows in a fresh window.
void TestForm22::pressesAnswerForTheInputsOnScreen_data() {
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("second");
    const auto press = [](const char* whole, const char* num, const char* den, const char* n) {
        return QStringList{QStringLiteral("w1=%1").arg(whole), QStringLiteral("w2=%1").arg(num),
                           QStringLiteral("w3=%1").arg(den), QStringLiteral("w4=%1").arg(n), "click:Command1"};
    };
    QTest::newRow("9/16, whole inches empty, after 1/2") << press("0", "1", "2", "12") << press("", "9", "16", "12");
    QTest::newRow("2/4 after 1/2") << press("0", "1", "2", "12") << press("0", "2", "4", "12");
}

void TestForm22::pressesAnswerForTheInputsOnScreen() {
    QFETCH(QStringList, first);
    QFETCH(QStringList, second);
    const QString stale = staleAfter(first, second);
    QVERIFY2(stale.isEmpty(), qPrintable(stale));
}

void TestForm22::resultBoxesFormatWhatIsTyped() {
    p.type({"w5=10.3", "w14=1", "w13=abc", "w1=10.3"});
    QVERIFY2(p.matches({"w5=10.30", "w14=1.000", "w13=abc", "w1=10.3"}), p.why());
}

// The usage note as its label wraps it: the first paragraph fills two lines
// and ends with "显示", which does not stand alone on a third.
void TestForm22::usageNoteWrapsIntoFullLines() {
    auto* label = p.get<QLabel>(QStringLiteral("Label1_2"));
    QVERIFY(label->wordWrap());
    QList<QStringList> paragraphs;
    for (const QString& paragraph : label->text().split(QStringLiteral("\r\n")))
        paragraphs << quorvil::test::wrappedLines(paragraph, label->font(), label->contentsRect().width());
    QCOMPARE(paragraphs.size(), 2);
    QCOMPARE(paragraphs[0].size(), 2);
    QVERIFY2(paragraphs[0][1].startsWith(QStringLiteral("和螺距")), qPrintable(paragraphs[0][1]));
    QVERIFY(paragraphs[0][1].endsWith(QStringLiteral("尺寸显示")));
    QCOMPARE(paragraphs[1].size(), 1);
}

QUORVIL_UI_TEST_MAIN(TestForm22)
#include "tst_form22.moc"
