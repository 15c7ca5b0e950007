// The ACME thread window: inputs, the calculation box by box in the three
// classes, what survives from an earlier calculation, bad input, printing.
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <memory>

#include "common/ui/captionframe.h"
#include "common/ui/formatbox.h"
#include "common/ui/printing.h"
#include "common/ui/refusal.h"
#include "threads/acme/Form21.h"
#include "uitest.h"
#include "windowtest.h"

using quorvil::test::WindowProbe;

namespace {

// Every box a calculation may write.
// clang-format off
const QStringList kResultBoxes = {
    "w5",  "w6",  "w7",  "w8",  "w9",    "w10",   "w11",   "w12",   "w13",   "w14",   "w15",   "w16",
    "w17", "w18", "w20", "w21", "w22",   "w23",   "w24",   "w25",   "w26",   "w27",   "w28",   "w29",
    "w30", "w31", "w32", "w33", "Text1", "Text2", "Text4", "w19",   "Text5", "Text7", "A1",    "A2",
    "A3",  "A4",  "A5",  "A6",  "A7",    "A8",    "A10",   "A11",   "A12",   "A13",   "Text3", "Text6",
    "Text8", "Text9", "Text10", "Text11"};
// clang-format on

// One press of the calculate button: "whole,numerator,denominator,tpi,class"
// with class 2, 3 or 4 (G).
void calculate(const WindowProbe& p, const QString& step) {
    const QStringList f = step.split(u',');
    p.type({"txtw1=" + f[0], "txtw2=" + f[1], "txtw3=" + f[2], "w4=" + f[3]});
    p.click(f[4] == "3" ? "Op2" : f[4] == "4" ? "Op3" : "Op1");
    p.click("Command5");
}

QWidget* nextTabStop(QWidget* w) {
    do w = w->nextInFocusChain();
    while (!(w->focusPolicy() & Qt::TabFocus));
    return w;
}

QMap<QString, QString> snapshot(const WindowProbe& p) { return p.texts(kResultBoxes); }

}  // namespace

class TestForm21 : public quorvil::test::WindowTest<Form21> {
    Q_OBJECT
private slots:
    void freshWindow();
    void calculation_data();
    void calculation();
    void sequence_data();
    void sequence();
    void badInputChangesNoBox_data();
    void badInputChangesNoBox();
    void missingWireOrToleranceShowsDashes();
    void unusableKeptBoxRefuses_data();
    void unusableKeptBoxRefuses();
    void pressesAnswerForTheInputsOnScreen_data();
    void pressesAnswerForTheInputsOnScreen();
    void typedBoxesAreUsed();
    void classPickAloneChangesNothing();
    void prints();
    void deviationZerosStandByTheirOwnBoxes();
};

void TestForm21::freshWindow() {
    QCOMPARE(w->windowTitle(), QString("13.ACME螺纹"));
    QCOMPARE(w->size(), QSize(447, 628));
    QVERIFY(p.get<QRadioButton>("Op1")->isChecked());
    QVERIFY(!p.get<QRadioButton>("Op2")->isChecked() && !p.get<QRadioButton>("Op3")->isChecked());
    for (const QString& n : kResultBoxes + QStringList{"txtw1", "txtw2", "txtw3", "w4"}) {
        QVERIFY2(p.text(n).isEmpty(), qPrintable(n));
        const Qt::Alignment a = p.box(n)->alignment() & Qt::AlignHorizontal_Mask;
        QCOMPARE(a, n == "w20" ? Qt::AlignLeft : Qt::AlignHCenter);
    }
    QCOMPARE(p.get<quorvil::CaptionFrame>("Fra12")->title(), QString("输入螺纹尺寸(牙形角29°)"));
    QCOMPARE(p.get<quorvil::CaptionFrame>("Frame3_11")->title(), QString("螺纹规参数"));
    QCOMPARE(p.text("Command5"), QString("计 算"));
    QCOMPARE(p.text("Commandacme"), QString("打 印"));

    // The 41 self-formatting boxes and their patterns; no other box formats itself.
    const QMap<QString, quorvil::Pattern> patterns = [] {
        QMap<QString, quorvil::Pattern> m;
        for (const char* n : {"w5", "w6", "w20", "w21", "w24", "w25", "w28", "w29"}) m[n] = quorvil::Pattern::Fixed4;
        for (const char* n : {"w17", "w18", "w32", "w33"}) m[n] = quorvil::Pattern::Fixed2;
        for (const char* n : {"A2", "A6"}) m[n] = quorvil::Pattern::Fixed0;
        for (const char* n : {"w7",  "w8",  "w11", "w12",   "w15",   "w16",   "w22",   "w23",    "w26",
                              "w27", "w30", "w31", "A3",    "A4",    "A5",    "A7",    "A8",     "A10",
                              "A11", "A12", "A13", "Text2", "Text3", "Text5", "Text9", "Text10", "Text11"})
            m[n] = quorvil::Pattern::Fixed3;
        return m;
    }();
    QCOMPARE(patterns.size(), 41);
    const auto formatting = w->findChildren<quorvil::FormatBox*>();
    QCOMPARE(formatting.size(), 41);
    for (const quorvil::FormatBox* b : formatting) {
        QVERIFY2(patterns.contains(b->objectName()), qPrintable(b->objectName()));
        QCOMPARE(int(b->pattern()), int(patterns[b->objectName()]));
    }

    // Tab runs through the inputs, then the two buttons, then the results.
    QStringList order;
    QWidget* x = p.box("txtw1");
    for (int i = 0; i < 7; ++i, x = nextTabStop(x)) order << x->objectName();
    QCOMPARE(order, (QStringList{"txtw1", "txtw2", "txtw3", "w4", "Command5", "Commandacme", "w5"}));
}

void TestForm21::calculation_data() {
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("expected");
    const QString limits1x5_2G =
        "w17=2.79 w32=2.79 w18=1.75 w33=1.75 w5=1.0000 w6=0.9900 w7=25.400 w8=0.254 w9=0.892 w10=0.872583592135001 "
        "w11=22.657 w12=0.493 w13=0.780000000447035 w14=0.750875388649537 w15=19.812 w16=0.740 w20=1.0200 "
        "w21=1.0400 w22=25.908 w23=0.508 w24=0.9000 w25=0.9194 w26=22.860 w27=0.493 w28=0.8000 w29=0.8100 "
        "w30=20.320 w31=0.254";
    // The boxes of the 1-5 size that no class changes.
    const QString common1x5 =
        "w17=2.79 w32=2.79 w18=1.75 w33=1.75 w5=1.0000 w6=0.9900 w7=25.400 w8=0.254 w13=0.780000000447035 "
        "w15=19.812 w20=1.0200 w21=1.0400 w22=25.908 w23=0.508 w24=0.9000 w26=22.860 w28=0.8000 w29=0.8100 "
        "w30=20.320 w31=0.254 Text1=2.595 w19=2.886 A1=25.654 A4=0.051 A2=41 A3=22.860 Text3=25.998 "
        "A11=20.066 A5=24.130 A13=0.051 A6=25 A8=20.066";
    QTest::newRow("1-5 2G") << "1,,,5,2"
                            << limits1x5_2G +
                                   " Text1=2.595 w19=2.886 Text2=25.795 Text5=27.248 Text4=0.493 "
                                   "Text7=0.493 A1=25.654 A4=0.051 A2=41 A3=22.860 A10=0.025 "
                                   "Text3=25.998 Text6=0.025 Text10=25.962 A11=20.066 A5=24.130 "
                                   "A13=0.051 A6=25 A7=23.353 A12=0.025 Text9=26.491 Text8=0.025 "
                                   "Text11=26.430 A8=20.066";
    QTest::newRow("1-5 3G") << "1,,,5,3"
                            << common1x5 +
                                   " w25=0.9091 w12=0.230 w27=0.230 Text2=25.845 Text5=27.299 Text4=0.230 "
                                   "Text7=0.230 A10=0.020 Text6=0.020 Text10=25.970 A7=23.091 A12=0.020 "
                                   "Text9=26.229 Text8=0.020 Text11=26.181";
    QTest::newRow("1-5 4G") << "1,,,5,4"
                            << common1x5 +
                                   " w25=0.9065 w12=0.164 w27=0.164 Text2=25.896 Text5=27.349 Text4=0.164 "
                                   "Text7=0.164 A10=0.020 Text6=0.020 Text10=25.975 A7=23.025 A12=0.020 "
                                   "Text9=26.163 Text8=0.020 Text11=26.120";
    QTest::newRow("1 1/2-6 3G")
        << "1,1,2,6,3"
        << "w17=2.37 w32=2.37 w18=1.44 w33=1.44 w5=1.5000 w6=1.4917 w7=38.100 w8=0.211 w9=1.40931819743832 "
           "w10=1.40017343573193 w11=35.797 w12=0.232 w13=1.31333333378037 w14=1.29961619122078 w15=33.359 "
           "w16=0.348 w20=1.5200 w21=1.5400 w22=38.608 w23=0.508 w24=1.4167 w25=1.4258 w26=35.983 w27=0.232 "
           "w28=1.3333 w29=1.3417 w30=33.867 w31=0.213 "
           "A1=38.354 A4=0.051 A2=34 A3=35.984 A10=0.018 Text3=38.871 Text10=38.843 A11=33.612 A5=37.042 "
           "A13=0.051 A6=21 A7=36.215 A12=0.018 Text9=39.102 Text11=39.056 A8=33.612 Text1=2.217 w19=2.071";
    QTest::newRow("1-14 4G")
        << "1,,,14,4"
        << "w17=1.16 w32=1.16 w18=0.54 w33=0.54 w5=1.0000 w6=0.9950 w7=25.400 w8=0.127 w9=0.960285714285714 "
           "w10=0.95561310186659 w11=24.391 w12=0.119 w13=0.918571428794946 w14=0.91156251016626 w15=23.332 "
           "w16=0.178 w20=1.0100 w21=1.0200 w22=25.654 w23=0.254 w24=0.9643 w25=0.9690 w26=24.493 w27=0.119 "
           "w28=0.9286 w29=0.9336 w30=23.586 w31=0.127 "
           "A1=25.527 A4=0.025 A2=15 A3=24.493 A10=0.013 Text3=26.019 Text10=26.002 A11=23.332 A5=24.946 "
           "A13=0.025 A6=9 A7=24.613 A12=0.013 Text9=26.139 Text11=26.109 A8=23.332 Text1=1.008 w19=1.047";
    QTest::newRow("1/2-10 2G") << ",1,2,10,2"
                               << "Text1=1.441 w19=1.302 Text2=13.572 Text5=12.878 Text4=0.349 Text7=0.349 "
                                  "A1=12.954 A4=0.051 A13=0.051 A10=0.018 A12=0.018";
    QTest::newRow("1/2-10 4G: the coarse gauge allowances in every class") << ",1,2,10,4"
                                                                           << "A1=12.954 A4=0.051 A13=0.051 "
                                                                              "A10=0.015 A12=0.015";
    QTest::newRow("1/4-16 2G") << ",1,4,16,2"
                               << "Text1=0.866 w19=0.796 Text2=6.710 Text5=6.361 Text4=0.267 Text7=0.267 "
                                  "w17=1.05 w32=1.05 w18=0.46 w33=0.46 A10=0.015 A12=0.015 Text6=0.015";
    QTest::newRow("1/4-16 3G") << ",1,4,16,3"
                               << "A10=0.013 A12=0.013 Text8=0.013";
    QTest::newRow("16.0 is 16") << ",1,4,16.0,2"
                                << "Text1=0.866 w19=0.796 Text2=6.710 w18=0.46 A10=0.015";
    // A1 keeps the text as written; the boxes around it show three decimals.
    QTest::newRow("5/16-14 4G") << ",5,16,14,4"
                                << "w20=0.3225 A1=8.0645 A4=0.025";
    QTest::newRow("1-12 2G: 12 is fine") << "1,,,12,2"
                                         << "w6=0.9950 w20=1.0100 w21=1.0200 w29=0.9217 A1=25.527 A4=0.025 "
                                            "A13=0.025 A10=0.015 Text1=1.157 w19=1.047";
    // Crest clearance still coarse at 11, gauge allowances already fine; the
    // external major tolerance comes from the two shown limits.
    QTest::newRow("1-11 2G") << "1,,,11,2"
                             << "w6=0.9955 w20=1.0200 w21=1.0400 w29=0.9136 w8=0.114 A1=25.781 A4=0.025 A13=0.025";
    QTest::newRow("3 tpi") << "2,,,3,2"
                           << "Text1=4.4 w19=4.733 w18=3.01 A10=0.033";
    QTest::newRow("4 tpi") << "2,,,4,3"
                           << "Text1=3.287 w19=3.31 w18=2.22 A10=0.020";
    QTest::newRow("2 tpi 2G") << "5,,,2,2"
                              << "w17=6.60 w32=6.60 w18=4.58 w33=4.58 A10=0.038 A12=0.038 A2=102";
    QTest::newRow("2 tpi 4G") << "5,,,2,4"
                              << "A10=0.025 A12=0.025";
    // 0.4375 x 25.4 is written 11.1125: the tie rounds away from zero.
    QTest::newRow("7/16: a tie in the pattern") << ",7,16,16,2"
                                                << "w7=11.113";
    QTest::newRow("3/4, whole empty") << ",3,4,8,2"
                                      << "w5=0.7500";
    QTest::newRow("decimal size in the whole box") << "1.5,,,6,3"
                                                   << "w5=1.5000 A1=38.354";
}

void TestForm21::calculation() {
    QFETCH(QString, step);
    QFETCH(QString, expected);
    calculate(p, step);
    QVERIFY2(p.matches(expected.split(u' ', Qt::SkipEmptyParts)), p.why());
}

// The wire and gauge tolerance boxes keep what an earlier calculation wrote
// when the threads per inch have no row, and the later steps use those
// texts; the tool tip widths, which nothing reads, show "--".
void TestForm21::sequence_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("expected");
    QTest::newRow("1-11 after 1-10")
        << QStringList{"1,,,10,2", "1,,,11,2"}
        << "w20=1.0200 A1=25.781 A4=0.025 A13=0.025 A10=0.018 A12=0.018 Text6=0.018 Text8=0.018 Text11=27.306 "
           "Text1=1.441 w19=1.302 w18=-- w33=--";
    // The key 0.880 lies above every band: no wear allowance, so the wear
    // limits have no M value.
    QTest::newRow("5-2 after 5-3")
        << QStringList{"5,,,3,2", "5,,,2,2"}
        << "Text1=4.4 w19=4.733 Text3=118.069 Text10=-- Text9=118.948 Text11=-- A12=0.038 A2=102 "
           "w27=0.880";
    // The key 0.070 lies in the band (0.05, 0.08], wear allowance 0.0095.
    QTest::newRow("1/4-32 after 1/4-16")
        << QStringList{",1,4,16,4", ",1,4,32,4"}
        << "Text1=0.866 w12=0.070 Text3=8.744 Text10=8.731 Text9=8.812 Text11=8.786 A10=0.013 A12=0.013";
    QTest::newRow("7 after 8 keeps the tables of 8")
        << QStringList{"1,,,8,2", "1,,,7,2"}
        << "w18=-- w33=-- Text1=1.732 w19=1.591 A10=0.020 A12=0.020 Text6=0.020 Text8=0.020 w17=2.07";
    QTest::newRow("16.5 after 16") << QStringList{",1,4,16,2", ",1,4,16.5,2"}
                                   << "w18=-- Text1=0.866 w19=0.796 A10=0.015";
    QTest::newRow("2 after 4: the wires of 4") << QStringList{"5,,,4,2", "5,,,2,2"} << "Text1=3.287 w19=3.31 w18=4.58";
    // Same results whichever class ran before.
    QTest::newRow("3G after 2G") << QStringList{"1,,,5,2", "1,,,5,3"}
                                 << "w25=0.9091 Text2=25.845 Text4=0.230 A7=23.091 A10=0.020 Text11=26.181";
    QTest::newRow("twice the same") << QStringList{"1,,,5,4", "1,,,5,4"} << "Text10=25.975 Text11=26.120";
}

void TestForm21::sequence() {
    QFETCH(QStringList, steps);
    QFETCH(QString, expected);
    for (const QString& s : steps) calculate(p, s);
    QVERIFY2(p.matches(expected.split(u' ', Qt::SkipEmptyParts)), p.why());
}

// After a good calculation, a press with bad input leaves every box as it
// was and says why, at the box to mend.
void TestForm21::badInputChangesNoBox_data() {
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("at");
    QTest::addColumn<QString>("note");
    using namespace quorvil::notes;
    QTest::newRow("tpi empty") << "1,,,,2"
                               << "w4" << number();
    QTest::newRow("tpi 0") << "1,,,0,2"
                           << "w4" << positive();
    QTest::newRow("tpi negative") << "1,,,-5,3"
                                  << "w4" << positive();
    QTest::newRow("tpi not a number") << "1,,,abc,2"
                                      << "w4" << number();
    QTest::newRow("tpi with trailing text") << "1,,,8x,2"
                                            << "w4" << number();
    QTest::newRow("tpi so small its pitch overflows") << "1,,,1e-320,2"
                                                      << "w4" << tooLarge();
    QTest::newRow("all three inch boxes empty") << ",,,8,2"
                                                << "txtw1" << positive();
    QTest::newRow("negative size") << "-1,,,8,2"
                                   << "txtw1" << positive();
    QTest::newRow("whole box not a number") << "abc,3,4,8,2"
                                            << "txtw1" << number();
    QTest::newRow("text after a number") << "1,1y,2,6,3"
                                         << "txtw2" << number();
    QTest::newRow("numerator over empty denominator") << "1,1,,8,2"
                                                      << "txtw3" << denominator();
    QTest::newRow("numerator over zero denominator") << ",3,0,8,4"
                                                     << "txtw3" << denominator();
    QTest::newRow("size beyond single precision") << "1e39,,,8,2"
                                                  << "txtw1" << tooLarge();
}

void TestForm21::badInputChangesNoBox() {
    QFETCH(QString, step);
    QFETCH(QString, at);
    QFETCH(QString, note);
    calculate(p, "1,,,5,2");
    const auto before = snapshot(p);
    calculate(p, step);
    QVERIFY2(p.refused(at, note), p.why());
    QCOMPARE(snapshot(p), before);
}

// On a fresh window without a wire row or a gauge tolerance row, the boxes
// that need the missing value show "--"; the rest is written.
void TestForm21::missingWireOrToleranceShowsDashes() {
    {
        calculate(p, ",1,4,32,2");
        QVERIFY2(p.matches({"Text1=", "w19=", "Text2=--", "Text5=--", "Text3=--", "Text9=--", "Text10=--", "Text11=--",
                            "A10=0.015", "A12=0.015", "Text6=0.015", "Text8=0.015", "A3=5.954", "w18=--", "A2=6"}),
                 p.why());
    }
    {
        std::unique_ptr<Form21> fresh(new Form21);
        const WindowProbe q(fresh.get());
        calculate(q, "1,,,7,2");
        QVERIFY2(q.matches({"A10=", "A12=", "Text6=", "Text8=", "Text11=--", "Text1=", "Text2=--", "w18=--", "w17=2.07",
                            "w5=1.0000"}),
                 q.why());
    }
    {
        // A wire of 1-14 stays; only A12 is missing at 13.
        std::unique_ptr<Form21> fresh(new Form21);
        const WindowProbe q(fresh.get());
        calculate(q, "1,,,14,2");
        q.type("A12", "");
        const QString goWear = q.text("Text10");
        calculate(q, "1,,,13,2");
        QVERIFY2(q.matches({"A12=", "Text8=", "Text11=--", "Text1=1.008"}), q.why());
        QVERIFY(q.text("Text10") != goWear);
    }
}

// A wire or tolerance the table has none for, typed so that it cannot be
// used, or a wire too large to compute over, refuses the press there.
void TestForm21::unusableKeptBoxRefuses_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("note");
    QTest::newRow("wire letters") << "Text1"
                                  << "abc" << quorvil::notes::number();
    QTest::newRow("second wire 1,5") << "w19"
                                     << "1,5" << quorvil::notes::decimalPoint();
    QTest::newRow("NO-GO tolerance letters") << "A12"
                                             << "x" << quorvil::notes::number();
    QTest::newRow("wire too large") << "Text1"
                                    << "1e308" << quorvil::notes::tooLarge();
}

void TestForm21::unusableKeptBoxRefuses() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, note);
    calculate(p, "5,,,8,2");
    p.type(box, typed);
    const auto before = snapshot(p);
    calculate(p, "5,,,7,2");
    QVERIFY2(p.refused(box, note), p.why());
    QCOMPARE(snapshot(p), before);
}

// After one press and then another, every box shows what the second press
// alone shows in a fresh window, but the boxes their table keeps (a wire or
// a gauge tolerance the table has no row for) and what is computed over
// them.
void TestForm21::pressesAnswerForTheInputsOnScreen_data() {
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("second");
    QTest::addColumn<QStringList>("keeps");
    const auto press = [](const char* whole, const char* tpi) {
        return QStringList{QStringLiteral("txtw1=%1").arg(whole), "txtw2=", "txtw3=", QStringLiteral("w4=%1").arg(tpi),
                           "click:Command5"};
    };
    // 7 has neither tool tip width, wire nor gauge tolerance.
    QTest::newRow("7 after 8") << press("1", "8") << press("1", "7")
                               << QStringList{"Text1",  "w19",    "Text2", "Text5", "Text3", "Text9",
                                              "Text10", "Text11", "A10",   "A12",   "Text6", "Text8"};
    QTest::newRow("wires emptied, 32 after 16")
        << press("1", "16") << QStringList{"Text1=", "w19="} + press("1", "32") << QStringList{};
    QTest::newRow("NO-GO tolerance emptied, 13 after 14")
        << press("1", "14") << QStringList{"A12="} + press("1", "13")
        << QStringList{"A10", "Text6", "Text1", "w19", "Text2", "Text5", "Text3", "Text9", "Text10"};
}

void TestForm21::pressesAnswerForTheInputsOnScreen() {
    QFETCH(QStringList, first);
    QFETCH(QStringList, second);
    QFETCH(QStringList, keeps);
    const QString stale = staleAfter(first, second, keeps);
    QVERIFY2(stale.isEmpty(), qPrintable(stale));
}

// A wire or gauge tolerance typed by the user is used while n has no row,
// and a row replaces it.
void TestForm21::typedBoxesAreUsed() {
    calculate(p, "5,,,3,2");
    const QString overTableWire = p.text("Text2");
    p.type("Text1", "9");
    calculate(p, "5,,,3,2");
    QVERIFY2(p.matches({"Text1=4.4", "Text2=" + overTableWire}), p.why());

    // No row for 7: the typed wire and the typed NO-GO tolerance are used.
    p.type({"Text1=5", "A12=0"});
    calculate(p, "5,,,7,2");
    QVERIFY2(p.matches({"Text1=5", "A12=0.000", "Text8=0.000"}), p.why());
    const double wear0 = p.text("Text11").toDouble();
    const QString overTypedWire = p.text("Text2");
    p.type("A12", "0.1");
    calculate(p, "5,,,7,2");
    QVERIFY2(p.matches({"A12=0.100", "Text8=0.100", "Text2=" + overTypedWire}), p.why());
    QCOMPARE(qRound((wear0 - p.text("Text11").toDouble()) * 1000), 100);
    p.type("Text1", "4.4");
    calculate(p, "5,,,7,2");
    QVERIFY(p.text("Text2") != overTypedWire);
}

void TestForm21::classPickAloneChangesNothing() {
    calculate(p, "1,,,5,2");
    const auto before = snapshot(p);
    p.click("Op2");
    p.click("Op3");
    QCOMPARE(snapshot(p), before);
    p.click("Command5");
    QVERIFY2(p.matches({"Text2=25.896", "A7=23.025", "Text4=0.164"}), p.why());
}

void TestForm21::prints() {
    QList<QImage> printed;
    quorvil::setPrintSink([&printed](const QImage& image) { printed.append(image); });
    p.click("Commandacme");  // empty boxes print too
    calculate(p, "1,,,5,3");
    const auto before = snapshot(p);
    p.click("Commandacme");
    quorvil::setPrintSink({});
    QCOMPARE(printed.size(), 2);
    QCOMPARE(printed[1].size() / printed[1].devicePixelRatio(), w->size());
    QVERIFY(printed[0] != printed[1]);
    QCOMPARE(snapshot(p), before);
}

// The "0" of each tolerance is its other deviation: above the box outside
// (0 over minus the tolerance), below it inside (plus the tolerance over 0).
// It must read as its own box's, not lie on it nor nearer the tolerance of
// the next row in the column.
void TestForm21::deviationZerosStandByTheirOwnBoxes() {
    const struct {
        const char* frame;
        QStringList column;  // top to bottom
        bool above;
    } grids[] = {{"Fra32_0", {"w8", "w12", "w16"}, true}, {"Fra32_1", {"w23", "w27", "w31"}, false}};
    for (const auto& g : grids) {
        // Where each "0" lands: its glyph, on the line the label centres.
        QList<QRect> zeros;
        for (const QLabel* l : p.get<QWidget>(g.frame)->findChildren<QLabel*>()) {
            if (l->text() != "0") continue;
            QVERIFY(l->alignment() & Qt::AlignVCenter);
            const QFontMetrics fm(l->font());
            const int baseline = l->y() + (l->height() - fm.height()) / 2 + fm.ascent();
            zeros << fm.tightBoundingRect("0").translated(l->x(), baseline);
        }
        QCOMPARE(zeros.size(), g.column.size());
        for (qsizetype i = 0; i < g.column.size(); ++i) {
            const QRect box = p.box(g.column[i])->geometry();
            // The nearest "0" on its side, over or under the box.
            const QRect* zero = nullptr;
            for (const QRect& z : zeros) {
                if (z.center().x() < box.left() || z.center().x() > box.right()) continue;
                if (g.above ? z.bottom() < box.top() && (!zero || z.bottom() > zero->bottom())
                            : z.top() > box.bottom() && (!zero || z.top() < zero->top()))
                    zero = &z;
            }
            QVERIFY2(zero, qPrintable(g.column[i]));
            const qsizetype n = g.above ? i - 1 : i + 1;
            if (n < 0 || n >= g.column.size()) continue;
            const QRect next = p.box(g.column[n])->geometry();
            const int own = g.above ? box.top() - zero->center().y() : zero->center().y() - box.bottom();
            const int other = g.above ? zero->center().y() - next.bottom() : next.top() - zero->center().y();
            QVERIFY2(own < other, qPrintable(g.column[i]));
        }
    }
}

QUORVIL_UI_TEST_MAIN(TestForm21)
#include "tst_form21.moc"
