#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include <memory>
#include <set>

#include "common/ui/printing.h"
#include "common/ui/refusal.h"
#include "threads/unified/Form20.h"
#include "threads/unified/seriesbox.h"
#include "threads/unified/unified.h"
#include "uitest.h"
#include "windowtest.h"

using quorvil::test::WindowProbe;

namespace {

// Every box of the window but the inputs and the series text.
// clang-format off
const QStringList kResults = {
    "w5",  "w6",  "w7",  "w8",  "w9",    "w10",   "w11",   "w12",   "w34",   "w13",   "w14",   "w15",
    "w16", "w17", "w18", "w19", "w20",   "w21",   "w22",   "w23",   "w24",   "w25",   "Text1", "Text2",
    "Text4", "Text5", "Text6", "Text8", "A1", "A2", "A3", "A4", "A5", "A6", "A7", "A8", "A10", "A11",
    "A12", "A13", "w32", "w33", "Text3", "Text7", "Text10", "Text11", "w29", "w30", "w31"};
// clang-format on
const QStringList kInputs = {"txtw1", "txtw2", "txtw3", "txtw4"};

// The size typed as whole, numerator, denominator and threads per inch.
QStringList size(const QString& whole, const QString& num, const QString& den, const QString& n) {
    return {"txtw1=" + whole, "txtw2=" + num, "txtw3=" + den, "txtw4=" + n};
}

const char* kClassOption[] = {"Op1", "Op2", "Op3"};

// One press of the calculate button: the size typed, a class picked.
void calculate(const WindowProbe& p, const QStringList& typed, int cls) {
    p.type(typed);
    p.click(kClassOption[cls]);
    p.click("Command1");
}

}  // namespace

class TestForm20 : public quorvil::test::WindowTest<Form20> {
    Q_OBJECT
private slots:
    void opensAsDesigned();
    void examples_data();
    void examples();
    void sizeEntry_data();
    void sizeEntry();
    void staleRowsAreUsed();
    void missingRowsOnAFreshWindow();
    void badInputChangesNoBox_data();
    void badInputChangesNoBox();
    void wireBeyondRangeChangesNoBox();
    void pressesAnswerForTheInputsOnScreen_data();
    void pressesAnswerForTheInputsOnScreen();
    void classTakesEffectAtTheNextPress();
    void seriesTexts();
    void pickingAgainRewritesTheSeriesText();
    void seriesLinesBreakAtSeparators();
    void lineLengthAtSeparators_data();
    void lineLengthAtSeparators();
    void prints();
};

void TestForm20::opensAsDesigned() {
    QCOMPARE(w->windowTitle(), QStringLiteral("12.美制统一螺纹"));
    for (const QString& n : kResults + kInputs) QVERIFY2(p.text(n).isEmpty(), qPrintable(n));
    QVERIFY(p.get<QRadioButton>("Op1")->isChecked());
    QCOMPARE(p.text("Op1"), QStringLiteral("1A(B)"));
    QCOMPARE(p.text("Op2"), QStringLiteral("2A(B)"));
    QCOMPARE(p.text("Op3"), QStringLiteral("3A(B)"));
    QCOMPARE(p.text("Command1"), QStringLiteral("计 算"));
    QCOMPARE(p.text("Command6"), QStringLiteral("打 印"));
    auto* list = p.get<QListWidget>("List111");
    QCOMPARE(list->count(), 34);
    QCOMPARE(list->item(0)->text(), QStringLiteral("1/4(0.25)"));
    QCOMPARE(list->item(33)->text(), QStringLiteral("6(6.0)"));
    QVERIFY(list->selectedItems().isEmpty());
    QVERIFY(p.get<QPlainTextEdit>("txtText111")->toPlainText().isEmpty());
    // The size boxes come first in the tab order.
    auto nextStop = [](QWidget* from) {
        QWidget* next = from->nextInFocusChain();
        while (next->focusPolicy() == Qt::NoFocus) next = next->nextInFocusChain();
        return next;
    };
    QCOMPARE(nextStop(p.box("txtw1")), p.box("txtw2"));
    QCOMPARE(nextStop(p.box("txtw2")), p.box("txtw3"));
    QCOMPARE(nextStop(p.box("txtw3")), p.box("txtw4"));
}

// Worked examples, box by box, each on a fresh window.
void TestForm20::examples_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<int>("cls");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("1-8 2A(B)") << size("1", "", "", "8") << 1
                               << QStringList{"w5=0.9980",    "w6=0.9830",   "w7=25.349",    "w8=0.381",
                                              "w9=0.9168",    "w10=0.9100",  "w11=23.286",   "w12=0.171",
                                              "w17=0.9188",   "w16=0.9276",  "w18=23.338",   "w19=0.223",
                                              "w21=0.865",    "w20=0.890",   "w22=21.963",   "w23=0.635",
                                              "w15=25.400",   "w34=21.619",  "w13=2.00",     "w24=2.00",
                                              "w14=0.51",     "w25=0.40",    "w29=22.0",     "w30=43.2",
                                              "w31=33.3",     "Text1=1.833", "Text2=26.036", "Text5=2.020",
                                              "Text6=26.597", "Text4=0.171", "Text8=0.171",  "A2=25"};
    // 1A(B) differs from 2A(B) only in the tolerances; its gauge block in full.
    QTest::newRow("1-8 1A(B)") << size("1", "", "", "8") << 0
                               << QStringList{
                                      "w5=0.9980",   "w6=0.9755",   "w7=25.349",     "w8=0.572",      "w9=0.9168",
                                      "w10=0.9067",  "w11=23.286",  "w12=0.257",     "w16=0.9320",    "w17=0.9188",
                                      "w18=23.338",  "w19=0.334",   "w20=0.890",     "w21=0.865",     "w22=21.963",
                                      "w23=0.635",   "w15=25.400",  "Text2=26.036",  "Text6=26.597",  "Text4=0.257",
                                      "Text8=0.257", "A1=25.146",   "A4=0.051",      "A2=25",         "A7=23.338",
                                      "A10=0.020",   "w32=26.087",  "Text3=0.020",   "Text10=26.051", "A11=22.352",
                                      "A5=24.555",   "A13=0.051",   "A6=16",         "A3=23.673",     "A12=0.020",
                                      "w33=26.422",  "Text7=0.020", "Text11=26.366", "A8=22.352",     "w29=22.0"};
    QTest::newRow("1-8 3A(B)") << size("1", "", "", "8") << 2
                               << QStringList{"w5=1.0000",   "w6=0.9850", "w7=25.400",    "w9=0.9188",    "w10=0.9137",
                                              "w11=23.338",  "w12=0.129", "w16=0.9254",   "w19=0.167",    "w21=0.8647",
                                              "w20=0.8797",  "w23=0.381", "Text2=26.087", "Text6=26.648", "Text4=0.129",
                                              "Text8=0.129", "w29=22.0"};
    QTest::newRow("1/4-20 2A(B)") << size("", "1", "4", "20") << 1
                                  << QStringList{"w5=0.2488",  "w6=0.2407",  "w9=0.2163", "w10=0.2123",
                                                 "w17=0.2175", "w16=0.2227", "w21=0.196", "w20=0.207",
                                                 "w12=0.101",  "w19=0.132",  "w23=0.292", "w29=5.0"};
    QTest::newRow("1/4-20 1A(B) wires") << size("", "1", "4", "20") << 0
                                        << QStringList{"Text1=0.786", "Text2=6.753", "Text5=0.866",
                                                       "Text6=6.993", "Text4=0.152", "Text8=0.152"};
    QTest::newRow("1/4-20 3A(B) wires") << size("", "1", "4", "20") << 2
                                        << QStringList{"Text2=6.783", "Text6=7.023", "Text4=0.076"};
    QTest::newRow("1/4-28: pitch under 1 mm") << size("", "1", "4", "28") << 1 << QStringList{"w29=5.4"};
    // 25.4 held in single precision lies just below 25.4: a pitch just over 1 mm.
    QTest::newRow("1-25.4: drill D - 1.06 P") << size("1", "", "", "25.4") << 1 << QStringList{"w29=24.3"};
    QTest::newRow("1-26: drill D - P") << size("1", "", "", "26") << 1 << QStringList{"w29=24.4"};
    QTest::newRow("1/2-13 3A(B)") << size("", "1", "2", "13") << 2
                                  << QStringList{"w20=0.4255", "w23=0.224", "w19=0.097"};
    QTest::newRow("1/2-12 3A(B)") << size("", "1", "2", "12") << 2 << QStringList{"w20=0.4198", "w23=0.254"};
    QTest::newRow("3/8-16 1A(B)") << size("", "3", "8", "16") << 0
                                  << QStringList{"Text1=1.008",  "Text2=10.108", "Text5=1.047",
                                                 "Text6=10.225", "Text4=0.174",  "Text8=0.174"};
    QTest::newRow("3/8-16 2A(B)") << size("", "3", "8", "16") << 1
                                  << QStringList{"Text2=10.108", "Text6=10.225",  "Text4=0.116", "A1=9.398",
                                                 "A4=0.025",     "A2=13",         "A7=8.494",    "A10=0.015",
                                                 "w32=10.143",   "Text10=10.120", "A11=7.899",   "A5=9.093",
                                                 "A13=0.025",    "A6=8",          "A3=8.644",    "A12=0.015",
                                                 "w33=10.293",   "Text11=10.255", "A8=7.899"};
    QTest::newRow("3/8-16 3A(B)") << size("", "3", "8", "16") << 2
                                  << QStringList{"Text2=10.143", "Text6=10.260", "Text4=0.087", "Text8=0.087"};
    // At 9 threads per inch the second wire is the smaller one.
    QTest::newRow("7/8-9 1A(B)") << size("", "7", "8", "9") << 0
                                 << QStringList{"Text1=1.732", "Text2=23.106", "Text5=1.591", "Text6=22.683"};
    QTest::newRow("3-4.5: wire row, no gauge row")
        << size("3", "", "", "4.5") << 0
        << QStringList{"Text1=3.287", "Text5=3.310", "A2=45", "A6=28", "A10=", "A12=", "Text3=", "Text7="};
    QTest::newRow("1-11 and 1-12 share wires")
        << size("1", "", "", "11") << 0 << QStringList{"Text1=1.302", "Text5=1.441"};
    QTest::newRow("1-12 1A(B): fine major allowances")
        << size("1", "", "", "12") << 0
        << QStringList{"Text1=1.302", "Text5=1.441", "A1=25.273", "A4=0.025", "A13=0.025", "A2=17", "A6=11"};
    // w19 shows 0.080, the upper bound of the second band, which it belongs
    // to: the wear amount 0.007 / 2 + 0.0095 comes off the wear limits.
    QTest::newRow("1/4-32 3A(B): key on a bound")
        << size("", "1", "4", "32") << 2
        << QStringList{"w19=0.080", "A1=6.223", "A5=6.152",  "A7=5.834",  "A3=5.916",     "A11=5.382", "A8=5.382",
                       "A2=6",      "A6=4",     "A12=0.015", "w32=6.680", "Text10=6.667", "w33=6.761", "Text11=6.734"};
    // Band 2 with the wear allowance 0.0095.
    QTest::newRow("0.19-32 3A(B)") << size("", "19", "100", "32") << 2
                                   << QStringList{"w19=0.078", "w32=5.156", "Text10=5.143", "w33=5.235",
                                                  "Text11=5.207"};
    // No wear allowance: the wear limits have no M value.
    QTest::newRow("10-4 1A(B): key above all bands")
        << size("10", "", "", "4") << 0
        << QStringList{"w19=0.690", "w32=255.374", "Text10=--", "w33=256.065", "Text11=--", "A2=51", "A6=32", "A10=0.028", "A12=0.028"};
    // 3/4-10: w17 is 0.68505 exactly on its decimal text; the tie goes up.
    QTest::newRow("3/4-10: tie away from zero") << size("", "3", "4", "10") << 1 << QStringList{"w17=0.6851"};
}

void TestForm20::examples() {
    QFETCH(QStringList, typed);
    QFETCH(int, cls);
    QFETCH(QStringList, expected);
    calculate(p, typed, cls);
    QVERIFY2(p.matches(expected), p.why());
}

// The same size typed in different ways gives the same boxes.
void TestForm20::sizeEntry_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("same");
    QTest::newRow("1.5 in the whole box") << size("1.5", "", "", "8") << size("1", "1", "2", "8");
    QTest::newRow("0.25 in the whole box") << size("0.25", "", "", "20") << size("", "1", "4", "20");
    QTest::newRow("8.0 threads per inch") << size("1", "", "", "8.0") << size("1", "", "", "8");
    QTest::newRow("0 over 0 adds nothing") << size("1", "0", "0", "8") << size("1", "", "", "8");
    QTest::newRow("16.0 selects the 16 row") << size("", "3", "8", "16.0") << size("", "3", "8", "16");
    QTest::newRow("text after the threads per inch") << size("1", "", "", "8tpi") << size("1", "", "", "8");
}

void TestForm20::sizeEntry() {
    QFETCH(QStringList, typed);
    QFETCH(QStringList, same);
    calculate(p, same, 0);
    const auto want = p.texts(kResults);
    QVERIFY(!want.value("w5").isEmpty());
    // The other way of typing on a window of its own.
    std::unique_ptr<Form20> other(new Form20);
    other->show();
    const WindowProbe q(other.get());
    calculate(q, typed, 0);
    QCOMPARE(q.texts(kResults), want);
}

// Tables without a row for n write nothing; the next steps use what the
// boxes still hold.
void TestForm20::staleRowsAreUsed() {
    calculate(p, size("", "9", "16", "12"), 0);
    QVERIFY2(p.matches({"A10=0.015", "A12=0.015"}), p.why());
    calculate(p, size("", "1", "2", "13"), 0);
    QVERIFY2(p.matches({"A10=0.015", "A12=0.015", "Text3=0.015", "Text7=0.015", "A3=11.626", "w33=13.405", "A7=11.430",
                        "w32=13.209", "Text10=13.186", "Text11=13.367"}),
             p.why());

    // A tolerance typed into A12 while n has no row is used as typed (key by
    // key: the box formats it once the user is done).
    p.keys("A12", "0.05");
    calculate(p, size("", "1", "2", "13"), 0);
    QVERIFY2(p.matches({"A12=0.050", "Text7=0.050", "Text11=13.332"}), p.why());

    // Wires of 4 threads per inch stay for 3, and the M values use them; the
    // same calculation twice gives the same texts.
    calculate(p, size("3", "", "", "4"), 0);
    QVERIFY2(p.matches({"Text1=3.666", "Text5=4.091"}), p.why());
    calculate(p, size("3", "", "", "3"), 0);
    const auto once = p.texts(kResults);
    QVERIFY2(p.matches({"Text1=3.666", "Text5=4.091", "A10=0.033", "A12=0.033"}), p.why());
    QVERIFY(!p.text("Text2").isEmpty());
    calculate(p, size("3", "", "", "3"), 0);
    QCOMPARE(p.texts(kResults), once);

    // Without a row, a wire typed by the user is used as typed.
    p.keys("Text1", "1.5");
    p.keys("Text5", "2.5");
    calculate(p, size("3", "", "", "3"), 0);
    QVERIFY2(p.matches({"Text1=1.5", "Text5=2.500"}), p.why());
    QVERIFY(p.text("w32") != once.value("w32"));
    QVERIFY(p.text("Text2") != once.value("Text2"));
    QVERIFY(p.text("Text6") != once.value("Text6"));

    // A wire typed into Text1 is replaced when n has a row.
    p.type("Text1", "1.5");
    calculate(p, size("1", "", "", "8"), 0);
    QVERIFY2(p.matches({"Text1=1.833", "w32=26.087"}), p.why());
}

// On a fresh window a missing row leaves its boxes empty, the results that
// need it show "--", and the rest of the calculation still runs.
void TestForm20::missingRowsOnAFreshWindow() {
    calculate(p, size("", "1", "4", "20"), 1);
    QVERIFY2(p.matches({"A10=", "A12=", "Text3=", "Text7=", "Text11=--", "w29=5.0", "w30=10.8", "w31=9.5",
                        "Text1=0.786", "w32=6.783", "Text10=6.760", "A2=10", "A6=6"}),
             p.why());
    for (const char* n : {"A1", "A3", "A5", "A7", "A8", "A11", "A13", "w32", "w33"})
        QVERIFY2(!p.text(n).isEmpty(), qPrintable(n));

    std::unique_ptr<Form20> fresh(new Form20);
    fresh->show();
    const WindowProbe q(fresh.get());
    calculate(q, size("3", "", "", "3"), 0);
    QVERIFY2(q.matches({"Text1=", "Text5=", "Text2=--", "Text6=--", "w32=--", "w33=--", "Text10=--", "Text11=--",
                        "A10=0.033", "A12=0.033", "Text3=0.033", "Text7=0.033", "A2=68", "A6=42"}),
             q.why());
    QVERIFY(!q.text("w29").isEmpty());
}

// A press that cannot use what is typed changes no box and says why, at
// the box to mend.
void TestForm20::badInputChangesNoBox_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("at");
    QTest::addColumn<QString>("note");
    using namespace quorvil::notes;
    QTest::newRow("threads per inch empty") << size("1", "", "", "") << "txtw4" << number();
    QTest::newRow("threads per inch 0") << size("1", "", "", "0") << "txtw4" << positive();
    QTest::newRow("threads per inch negative") << size("1", "", "", "-8") << "txtw4" << positive();
    QTest::newRow("threads per inch not a number") << size("1", "", "", "abc") << "txtw4" << number();
    QTest::newRow("threads per inch 8,0") << size("1", "", "", "8,0") << "txtw4" << decimalPoint();
    QTest::newRow("threads per inch too large") << size("1", "", "", "1e400") << "txtw4" << tooLarge();
    QTest::newRow("threads per inch beyond single") << size("1", "", "", "1e39") << "txtw4" << tooLarge();
    QTest::newRow("all size boxes empty") << size("", "", "", "8") << "txtw1" << positive();
    QTest::newRow("negative size") << size("-1", "", "", "8") << "txtw1" << positive();
    QTest::newRow("letters in a size box") << size("1in", "", "", "8") << "txtw1" << number();
    QTest::newRow("decimal comma in a size box") << size("1,5", "", "", "8") << "txtw1" << decimalPoint();
    QTest::newRow("numerator over empty denominator") << size("1", "3", "", "8") << "txtw3" << denominator();
    QTest::newRow("numerator over 0") << size("", "3", "0", "8") << "txtw3" << denominator();
    QTest::newRow("size too large") << size("1e300", "", "", "8") << "txtw1" << tooLarge();
    QTest::newRow("numerator too large") << size("", "1e39", "2", "8") << "txtw2" << tooLarge();
    // Read only where the table has no row: a wire and a NO-GO tolerance.
    QTest::newRow("wire not a number") << size("1", "", "", "3") + QStringList{"Text1=1.5x"} << "Text1" << number();
    QTest::newRow("second wire 1,5") << size("1", "", "", "3") + QStringList{"Text5=1,5"} << "Text5" << decimalPoint();
    QTest::newRow("NO-GO tolerance not a number")
        << size("1", "", "", "13") + QStringList{"A12=x"} << "A12" << number();
}

void TestForm20::badInputChangesNoBox() {
    QFETCH(QStringList, typed);
    QFETCH(QString, at);
    QFETCH(QString, note);
    calculate(p, typed, 0);
    QVERIFY2(p.refused(at, note), p.why());
    for (const QString& n : kResults)
        if (n != at) QVERIFY2(p.text(n).isEmpty(), qPrintable(n));

    calculate(p, size("1", "", "", "8"), 1);
    p.type(typed);
    p.click("Op3");
    const auto before = p.texts(kResults);
    p.click("Command1");
    QVERIFY2(p.refused(at, note), p.why());
    QCOMPARE(p.texts(kResults), before);
}

// Without a wire row the M values are taken over the wire typed into Text1;
// one so large that an M value is not finite refuses the press at that box.
void TestForm20::wireBeyondRangeChangesNoBox() {
    calculate(p, size("3", "", "", "3"), 0);
    p.type("Text1", "1e308");
    const auto before = p.texts(kResults);
    calculate(p, size("1", "", "", "3"), 1);
    QVERIFY2(p.refused("Text1", quorvil::notes::tooLarge()), p.why());
    QCOMPARE(p.texts(kResults), before);
    // A wire in range: the same press goes through.
    p.type("Text1", "4");
    calculate(p, size("1", "", "", "3"), 1);
    QVERIFY(p.texts(kResults) != before);
}

// After one press and then another, every box shows what the second press
// alone shows in a fresh window, but the boxes its table keeps (a wire or a
// gauge tolerance the table has no row for) and what is computed over them.
void TestForm20::pressesAnswerForTheInputsOnScreen_data() {
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("second");
    QTest::addColumn<QStringList>("keeps");
    const auto press = [](const QStringList& typed) { return typed + QStringList{"click:Command1"}; };
    QTest::newRow("wires emptied, 3 threads per inch")
        << press(size("1", "", "", "8")) << QStringList{"Text1=", "Text5="} + press(size("1", "", "", "3"))
        << QStringList{};
    QTest::newRow("NO-GO tolerance emptied, 13 threads per inch")
        << press(size("1", "", "", "8")) << QStringList{"A12="} + press(size("1", "", "", "13"))
        << QStringList{"A10", "Text3"};
}

void TestForm20::pressesAnswerForTheInputsOnScreen() {
    QFETCH(QStringList, first);
    QFETCH(QStringList, second);
    QFETCH(QStringList, keeps);
    const QString stale = staleAfter(first, second, keeps);
    QVERIFY2(stale.isEmpty(), qPrintable(stale));
}

void TestForm20::classTakesEffectAtTheNextPress() {
    calculate(p, size("1", "", "", "8"), 0);
    const auto first = p.texts(kResults);
    QVERIFY2(p.matches({"w20=0.890", "w21=0.865"}), p.why());
    p.click("Op3");
    QCOMPARE(p.texts(kResults), first);
    p.type({"txtw1=2", "txtw4=4"});
    QCOMPARE(p.texts(kResults), first);
    p.type({"txtw1=1", "txtw4=8"});
    p.click("Command1");
    QVERIFY2(p.matches({"w20=0.8797", "w21=0.8647", "A11=22.090"}), p.why());
    // w20 and w21 format by the class selected when their text changes.
    p.click("Op2");
    p.type("w20", "0.12345");
    QVERIFY2(p.matches({"w20=0.123", "w21=0.8647"}), p.why());
    p.click("Op3");
    p.type("w21", "0.12345");
    QVERIFY2(p.matches({"w21=0.1235"}), p.why());
    // Any other result box formats what is typed, and the plain boxes keep it.
    p.type({"Text2=1.23456", "Text1=1.23456", "A2=24.5", "w13=abc"});
    QVERIFY2(p.matches({"Text2=1.235", "Text1=1.23456", "A2=25", "w13=abc"}), p.why());
}

void TestForm20::seriesTexts() {
    using quorvil::unified::kSeriesTexts;
    auto* text = p.get<QPlainTextEdit>("txtText111");
    calculate(p, size("", "3", "4", "10"), 1);
    const auto results = p.texts(kResults + kInputs);
    std::set<QString> distinct;
    for (int i = 0; i < 34; ++i) {
        p.pick("List111", i);
        const std::string_view want = kSeriesTexts[std::size_t(i)];
        QCOMPARE(text->toPlainText(), QString::fromUtf8(want.data(), qsizetype(want.size())));
        distinct.insert(text->toPlainText());
    }
    QCOMPARE(distinct.size(), std::size_t(19));
    // A pick changes nothing else.
    QCOMPARE(p.texts(kResults + kInputs), results);

    auto shown = [&](int row) {
        p.pick("List111", row);
        return text->toPlainText();
    };
    QCOMPARE(shown(0), QStringLiteral("粗牙:20UNC.细牙:28UNF.超细牙:32UNEF"));
    QCOMPARE(shown(9), QStringLiteral("粗牙:8UNC.细牙:12UNF.超细牙:20UNEF.其它系列:16UN.28UN.32UN"));
    QCOMPARE(shown(14), QStringLiteral("超细牙:18UNEF.其它系列:6UN.8UN.12UN.16UN.20UN"));
    QCOMPARE(shown(16), QStringLiteral("6UN.8UN.12UN.16UN.20UN"));
    QCOMPARE(shown(17), QStringLiteral("粗牙:4-1/2UNC.其它系列:6UN.8UN.12UN.16UN.20UN"));
    QCOMPARE(shown(33), QStringLiteral("4UN.6UN.8UN.12UN.16UN"));
    QCOMPARE(shown(10), shown(11));
    QCOMPARE(shown(12), shown(13));
    QCOMPARE(shown(17), shown(18));
    for (int r : {19, 20, 21}) QCOMPARE(shown(r), QStringLiteral("粗牙:4UNC.其它系列:6UN.8UN.12UN.16UN.20UN"));
    for (int r : {22, 23, 24, 25}) QCOMPARE(shown(r), QStringLiteral("粗牙:4UNC.其它系列:6UN.8UN.12UN.16UN"));
    for (int r = 26; r <= 32; ++r) QCOMPARE(shown(r), shown(33));
}

void TestForm20::pickingAgainRewritesTheSeriesText() {
    auto* text = p.get<QPlainTextEdit>("txtText111");
    p.pick("List111", 9);
    const QString shown = text->toPlainText();
    text->setPlainText(QStringLiteral("typed over"));
    p.pick("List111", 9);
    QCOMPARE(text->toPlainText(), shown);
}

namespace {

// The lines the box shows its text in.
QStringList shownLines(QPlainTextEdit* box) {
    // Where the box lays the block out, as it does before painting it.
    const QTextBlock block = box->document()->firstBlock();
    box->document()->documentLayout()->blockBoundingRect(block);
    QStringList lines;
    const QTextLayout* layout = block.layout();
    for (int i = 0; i < layout->lineCount(); ++i)
        lines << block.text().mid(layout->lineAt(i).textStart(), layout->lineAt(i).textLength());
    return lines;
}

}  // namespace

// Every series text is shown whole, without scrolling, in lines that break
// only after the "." between two series; the box's text stays as written.
void TestForm20::seriesLinesBreakAtSeparators() {
    auto* text = p.get<QPlainTextEdit>("txtText111");
    for (int i = 0; i < 34; ++i) {
        p.pick("List111", i);
        QApplication::processEvents();
        const QStringList lines = shownLines(text);
        const QString why = QStringLiteral("row %1: %2").arg(i).arg(lines.join(u'|'));
        QCOMPARE(lines.join(QString()), text->toPlainText());
        for (qsizetype k = 0; k + 1 < lines.size(); ++k) QVERIFY2(lines[k].endsWith(u'.'), qPrintable(why));
        QVERIFY2(text->verticalScrollBar()->maximum() == 0, qPrintable(why));
    }
    // The longest texts: each series on a line of its own where two do not fit.
    p.pick("List111", 6);
    QApplication::processEvents();
    QCOMPARE(shownLines(text), (QStringList{"粗牙:11UNC.", "细牙:18UNF.", "超细牙:24UNEF.", "其它系列:12UN.",
                                            "16UN.20UN.", "28UN.32UN"}));
    // A typed part longer than a line fills its lines.
    text->setPlainText(QStringLiteral("1234567890123456789012345.6UN"));
    QApplication::processEvents();
    const QStringList typed = shownLines(text);
    QVERIFY(typed.size() >= 2);
    QCOMPARE(typed.join(QString()), text->toPlainText());
    QVERIFY(!typed.first().contains(u'.'));
}

void TestForm20::lineLengthAtSeparators_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("fits");
    QTest::addColumn<int>("length");
    QTest::addRow("back to the last separator") << "12UN.16UN.20UN" << 0 << 8 << 5;
    QTest::addRow("ends at a separator") << "12UN.16UN.20UN" << 0 << 10 << 10;
    QTest::addRow("rest of the text") << "12UN.16UN.20UN" << 5 << 9 << 9;
    QTest::addRow("from inside the text") << "12UN.16UN.20UN" << 5 << 7 << 5;
    QTest::addRow("no separator: fills") << "123456789.UN" << 0 << 6 << 6;
}

void TestForm20::lineLengthAtSeparators() {
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, fits);
    QFETCH(int, length);
    QCOMPARE(quorvil::unified::lineLengthAtSeparators(text, start, fits), length);
}

void TestForm20::prints() {
    QList<QImage> printed;
    quorvil::setPrintSink([&](const QImage& img) { printed.append(img); });
    const auto noSink = qScopeGuard([] { quorvil::setPrintSink({}); });
    p.click("Command6");  // before any calculation too
    QCOMPARE(printed.size(), 1);
    calculate(p, size("", "1", "2", "13"), 1);
    const auto before = p.texts(kResults + kInputs);
    p.click("Command6");
    QCOMPARE(printed.size(), 2);
    QCOMPARE(printed.at(1).size(), w->grab().toImage().size());
    QVERIFY(printed.at(0) != printed.at(1));
    QCOMPARE(p.texts(kResults + kInputs), before);
}

QUORVIL_UI_TEST_MAIN(TestForm20)
#include "tst_form20.moc"
