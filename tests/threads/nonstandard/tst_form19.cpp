#include <QAbstractButton>
#include <QImage>
#include <QLineEdit>
#include <QRadioButton>
#include <QScopeGuard>

#include "common/ui/printing.h"
#include "common/ui/refusal.h"
#include "common/ui/tabcontainer.h"
#include "threads/nonstandard/Form19.h"
#include "uitest.h"
#include "windowtest.h"

namespace {

// "w3=16.000 w4=-.037": box name and shown text; "_" in a text stands for a
// blank, so " 36" is written "_36".
QList<QPair<QString, QString>> parsePairs(const QString& list) {
    QList<QPair<QString, QString>> out;
    for (const QString& item : list.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const qsizetype eq = item.indexOf(QLatin1Char('='));
        QString value = item.mid(eq + 1);
        value.replace(QLatin1Char('_'), QLatin1Char(' '));
        out.append({item.left(eq), value});
    }
    return out;
}

QStringList metricResultBoxes() {
    QStringList names;
    for (int n = 3; n <= 41; ++n) names << QStringLiteral("w%1").arg(n);
    return names;
}

QStringList trapResultBoxes() {
    QStringList names;
    for (int n = 3; n <= 34; ++n) names << QStringLiteral("txtT%1").arg(n);
    names << QStringLiteral("txtT40") << QStringLiteral("txtT41");
    return names;
}

}  // namespace

class TestForm19 : public quorvil::test::WindowTest<Form19> {
    Q_OBJECT
private slots:
    void openingState();
    void selfFormatting_data();
    void selfFormatting();

    void examples_data();
    void examples();
    void metricRejectedInputs_data();
    void metricRejectedInputs();
    void metricGapTakesRangeBelow();
    void metricWithoutGaugeRow_data();
    void metricWithoutGaugeRow();
    void metricWithoutWireRow();
    void metricTapDrill();

    void trapCoarsePitches_data();
    void trapCoarsePitches();
    void trapRejectedInputs_data();
    void trapRejectedInputs();
    void noTextOfAnEarlierPress_data();
    void noTextOfAnEarlierPress();
    void trapWritesAll34Boxes();
    void classChangeComputesNothing();
    void enterRunsTrapezoidalCalculation();
    void printsTabInFront();

private:
    void fill(const QStringList& names, const QString& text) const {
        for (const QString& n : names) p.type(n, text);
    }
    // Every metric result box "x", but the wire boxes, which a press reads
    // where the wire table has no row: empty, as in a new window.
    void fillMetricResults() const {
        fill(metricResultBoxes(), QStringLiteral("x"));
        fill({"w15", "w19"}, QString());
    }
    QStringList metricResultsButWires() const {
        QStringList names = metricResultBoxes();
        names.removeAll(QStringLiteral("w15"));
        names.removeAll(QStringLiteral("w19"));
        return names;
    }
    void checkBoxes(const QString& list) const {
        QStringList expected;
        for (const auto& [name, text] : parsePairs(list)) expected << name + QLatin1Char('=') + text;
        QVERIFY2(p.matches(expected), p.why());
    }
    QStringList texts(const QStringList& names) const {
        QStringList out;
        for (const QString& n : names) out << p.text(n);
        return out;
    }
    void metric(const QString& d, const QString& P) const {
        p.type({"w1=" + d, "w2=" + P});
        w->Command1_Click();
    }
    void trap(const QString& d, const QString& P) const {
        p.type({"txtt1=" + d, "txtT2=" + P});
        w->Command2_Click();
    }
    void showTab(int index) const { p.get<quorvil::TabContainer>(QStringLiteral("SSTab1"))->setCurrentIndex(index); }
};

void TestForm19::openingState() {
    QCOMPARE(w->windowTitle(), QStringLiteral("10.非标螺纹参数<可输入任意参数计算>"));
    auto* tabs = p.get<quorvil::TabContainer>(QStringLiteral("SSTab1"));
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(tabs->count(), 2);
    for (QLineEdit* b : w->findChildren<QLineEdit*>()) QVERIFY2(b->text().isEmpty(), qPrintable(b->objectName()));
    for (const char* on : {"Op1", "Op4", "Op7e", "Op7"}) QVERIFY(p.get<QRadioButton>(QLatin1String(on))->isChecked());
    for (const char* off : {"Op2", "Op3", "Op5", "Op6", "Op7h", "Op8e", "Op8c", "Op8"})
        QVERIFY(!p.get<QRadioButton>(QLatin1String(off))->isChecked());
    for (const char* b : {"Command1", "Command8", "Command2", "Command4"})
        QVERIFY(p.get<QAbstractButton>(QLatin1String(b))->isEnabled());
    QCOMPARE(w->focusWidget(), p.box(QStringLiteral("w1")));
    // 39 result boxes on tab 0, 34 on tab 1, 4 inputs.
    QCOMPARE(w->findChildren<QLineEdit*>().size(), 39 + 34 + 4);
}

void TestForm19::selfFormatting_data() {
    // typed: the user types the text key by key; otherwise it is written.
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("typing 1") << "w3" << true << "1"
                              << "1.000";
    QTest::newRow("typing letters") << "w9" << true << "abc"
                                    << "abc";
    QTest::newRow("half") << "w12" << false << "0.5"
                          << ".500";
    QTest::newRow("negative") << "w5" << false << "-0.021"
                              << "-.021";
    QTest::newRow("zero") << "txtT5" << false << "0"
                          << ".000";
    QTest::newRow("signed text") << "txtT28" << false << " .0125"
                                 << ".013";
    QTest::newRow("negative half away from zero") << "w29" << false << "-0.0125"
                                                  << "-.013";
    QTest::newRow("thousands") << "w24" << false << "12345.6785"
                               << "12345.679";
    QTest::newRow("input has no pattern") << "w1" << true << "1"
                                          << "1";
    QTest::newRow("raw tab-1 box") << "txtT3" << false << " 1"
                                   << " 1";
    QTest::newRow("raw wire box") << "txtT15" << false << " .5"
                                  << " .5";
    QTest::newRow("raw gauge minor") << "txtT41" << true << "2"
                                     << "2";
}

void TestForm19::selfFormatting() {
    QFETCH(QString, name);
    QFETCH(bool, typed);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QLineEdit* b = p.box(name);
    if (typed) {
        // A typed text stays as typed until the user is done with it.
        p.keys(name, text);
        QCOMPARE(b->text(), text);
        QTest::keyClick(b, Qt::Key_Return);
    } else {
        p.type(name, text);
    }
    QCOMPARE(b->text(), shown);
    b->clear();
    QCOMPARE(b->text(), QString());
}

// Examples of both tabs; "tab" picks the calculation: 0 metric, 1
// trapezoidal. Every result box of the tab shows a text first, so each
// box listed must have been written by the press.
void TestForm19::examples_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("d");
    QTest::addColumn<QString>("P");
    QTest::addColumn<QString>("external");
    QTest::addColumn<QString>("internal");
    QTest::addColumn<QString>("expected");
    QTest::newRow("metric 16x2 6g 6H")
        << 0 << "16"
        << "2"
        << "Op2"
        << "Op5"
        << "w3=16.000 w4=-.037 w5=-.321 w6=14.701 w7=-.037 w8=-.194 w9=13.835 w10=16.000 w11=14.701 w12=.206 "
           "w13=13.835 w14=.374 w15=1.157 w16=16.441 w17=-.037 w18=-.194 w19=1.302 w20=16.876 w21=-.037 "
           "w22=-.194 w23=13.880 w24=27.200 w25=21.000 w26=1.263 w27=.320 w28=16.030 w29=-.028 w30=14.724 "
           "w31=-.014 w32=16.464 w33=-.028 w34=13.835 w35=15.328 w36=-.028 w37=14.921 w38=-.014 w39=16.661 "
           "w40=-.022 w41=13.835";
    QTest::newRow("metric 12x1.75 6f 5H, lower bound of 12-22")
        << 0 << "12"
        << "1.75"
        << "Op1"
        << "Op4"
        << "w4=-.049 w5=-.308 w6=10.863 w8=-.198 w9=10.106 w12=.156 w14=.272 w15=1.008 w16=12.373 w19=1.047 "
           "w20=12.490 w23=10.145 w28=12.023 w29=-.022 w30=10.881 w31=-.011 w32=12.390 w33=-.023 w35=11.386 "
           "w37=11.031 w39=12.540 w40=-.017";
    QTest::newRow("metric 64x4 6h 7H")
        << 0 << "64"
        << "4"
        << "Op3"
        << "Op6"
        << "w4=.000 w7=.000 w17=.000 w21=.000 w5=-.452 w8=-.238 w18=-.238 w22=-.238 w12=.391 w14=.759 "
           "w28=64.042 w30=61.435 w32=64.906 w33=-.036 w35=62.620 w37=61.811 w39=65.282 w40=-.028 w24=108.800 "
           "w25=74.000";
    // Band 2 with its wear allowances 0.0095 and 0.0075:
    // -(0.0035 + 0.0095) and -(0.0035 + 0.0075).
    QTest::newRow("metric 10x0.35 6f 5H, band 2") << 0 << "10"
                                                  << "0.35"
                                                  << "Op1"
                                                  << "Op4"
                                                  << "w12=.077 w28=10.009 w29=-.014 w31=-.007 w33=-.013 w40=-.011";
    QTest::newRow("metric typed 10 reaches w3 and w10") << 0 << "10"
                                                        << "1.5"
                                                        << "Op1"
                                                        << "Op4"
                                                        << "w3=10.000 w10=10.000";
    QTest::newRow("trapezoidal 36x6 7e 7H")
        << 1 << "36"
        << "6"
        << "Op7e"
        << "Op7"
        << "txtT3=_36 txtT4=_0 txtT5=-.375 txtT6=33.000 txtT7=-.116 txtT8=-.443 txtT9=29.000 txtT33=.000 "
           "txtT34=-.524 txtT10=37.000 txtT11=33.000 txtT12=.444 txtT13=30.000 txtT14=.508 txtT15=_3.106 "
           "txtT16=36.912 txtT17=-.116 txtT18=-.443 txtT19=_3.177 txtT20=37.257 txtT21=-.116 txtT22=-.443 "
           "txtT23=36.061 txtT24=-.052 txtT27=36.947 txtT28=.013 txtT29=36.908 txtT40=_29 txtT25=34.683 "
           "txtT26=-.052 txtT30=37.368 txtT31=.013 txtT32=37.340 txtT41=_29";
    QTest::newRow("trapezoidal 36x6 7h") << 1 << "36"
                                         << "6"
                                         << "Op7h"
                                         << "Op7"
                                         << "txtT7=.000 txtT17=.000 txtT21=.000 txtT8=-.326 txtT34=-.408";
    QTest::newRow("trapezoidal 36x6 8c") << 1 << "36"
                                         << "6"
                                         << "Op8c"
                                         << "Op7"
                                         << "txtT7=-.236 txtT8=-.653 txtT34=-.758";
    QTest::newRow("trapezoidal 36x6 8e 8H") << 1 << "36"
                                            << "6"
                                            << "Op8e"
                                            << "Op8"
                                            << "txtT8=-.534 txtT12=.553 txtT23=36.078 txtT24=-.064 txtT25=34.801";
    // No wire row: the wires and every M value over them show "--".
    QTest::newRow("trapezoidal 40x7 8c 8H, no wires")
        << 1 << "40"
        << "7"
        << "Op8c"
        << "Op8"
        << "txtT15=-- txtT19=-- txtT16=-- txtT20=-- txtT27=-- txtT29=-- txtT30=-- txtT32=-- "
           "txtT5=-.425 txtT9=32.000 txtT12=.589 txtT23=40.078";
    QTest::newRow("trapezoidal 8x1.5, no wires") << 1 << "8"
                                                 << "1.5"
                                                 << "Op7e"
                                                 << "Op7"
                                                 << "txtT15=-- txtT9=6.200 txtT40=_6.2 txtT41=_6.2 txtT10=8.300";
    // No row in any pitch table: no Td, no crest clearance, no wires.
    QTest::newRow("trapezoidal 50x11, no rows")
        << 1 << "50"
        << "11"
        << "Op7e"
        << "Op7"
        << "txtT5=-- txtT9=-- txtT10=-- txtT40=-- txtT41=-- txtT15=-- txtT16=-- "
           "txtT19=-- txtT20=-- txtT27=-- txtT29=-- txtT30=-- txtT32=-- "
           "txtT6=44.500 txtT13=39.000 txtT23=50.078 txtT33=.000";
    QTest::newRow("trapezoidal 22.4 on a bound") << 1 << "22.4"
                                                 << "4"
                                                 << "Op7e"
                                                 << "Op7"
                                                 << "txtT3=_22.4";
    QTest::newRow("trapezoidal 6.0000001 is 6 in single precision") << 1 << "36"
                                                                    << "6.0000001"
                                                                    << "Op7e"
                                                                    << "Op7"
                                                                    << "txtT15=_3.106 txtT5=-.375";
    // Single precision: 128.624 in double, 128.625 through the float's text.
    QTest::newRow("trapezoidal 130x7 8H single precision") << 1 << "130"
                                                           << "7"
                                                           << "Op7e"
                                                           << "Op8"
                                                           << "txtT25=128.625";
    QTest::newRow("trapezoidal leading blanks and trailing text") << 1 << "  36mm"
                                                                  << "6 "
                                                                  << "Op7e"
                                                                  << "Op7"
                                                                  << "txtT3=_36 txtT16=36.912";
}

void TestForm19::examples() {
    QFETCH(int, tab);
    QFETCH(QString, d);
    QFETCH(QString, P);
    QFETCH(QString, external);
    QFETCH(QString, internal);
    QFETCH(QString, expected);
    p.click(external);
    p.click(internal);
    if (tab == 0) {
        fillMetricResults();
        metric(d, P);
    } else {
        fill(trapResultBoxes(), QStringLiteral("x"));
        trap(d, P);
    }
    checkBoxes(expected);
}

void TestForm19::metricRejectedInputs_data() {
    using quorvil::notes::decimalPoint;
    using quorvil::notes::number;
    using quorvil::notes::positive;
    using quorvil::notes::tooLarge;
    QTest::addColumn<QString>("d");
    QTest::addColumn<QString>("P");
    QTest::addColumn<QString>("at");
    QTest::addColumn<QString>("note");
    QTest::newRow("empty d") << "" << "2" << "w1" << number();
    QTest::newRow("empty P") << "16" << "" << "w2" << number();
    QTest::newRow("letters") << "M16" << "2" << "w1" << number();
    QTest::newRow("P with unit") << "16" << "2mm" << "w2" << number();
    QTest::newRow("decimal comma") << "16" << "1,5" << "w2" << decimalPoint();
    QTest::newRow("P zero") << "16" << "0" << "w2" << positive();
    QTest::newRow("P negative") << "16" << "-1" << "w2" << positive();
    QTest::newRow("d beyond a double") << "1e400" << "2" << "w1" << tooLarge();
    QTest::newRow("d overflows") << "1.5e308" << "2" << "w1" << tooLarge();
    QTest::newRow("P overflows") << "16" << "1e308" << "w2" << tooLarge();
    // Every double result finite, but the single-precision tolerance S not.
    QTest::newRow("tolerance beyond single") << "16" << "1e100" << "w2" << tooLarge();
}

void TestForm19::metricRejectedInputs() {
    QFETCH(QString, d);
    QFETCH(QString, P);
    QFETCH(QString, at);
    QFETCH(QString, note);
    fillMetricResults();
    metric(d, P);
    for (const QString& t : texts(metricResultsButWires())) QCOMPARE(t, QStringLiteral("x"));
    QCOMPARE(texts({"w15", "w19"}), QStringList({QString(), QString()}));
    QVERIFY2(p.refused(at, note), p.why());
}

void TestForm19::metricGapTakesRangeBelow() {
    // 11 < d < 12 takes dr of the range up to 11: every tolerance the same.
    const QStringList dependent{"w8", "w12", "w14", "w29", "w31", "w33"};
    p.click(QStringLiteral("Op5"));
    metric(QStringLiteral("11"), QStringLiteral("1.5"));
    const QStringList at11 = texts(dependent);
    metric(QStringLiteral("11.5"), QStringLiteral("1.5"));
    QCOMPARE(texts(dependent), at11);
    metric(QStringLiteral("12"), QStringLiteral("1.5"));
    QVERIFY(texts({"w8"}) != at11.mid(0, 1));
    // The other gaps likewise.
    for (const auto& [below, gap] :
         {std::pair{"22", "23"}, std::pair{"45", "47"}, std::pair{"90", "94"}, std::pair{"180", "184.9"}}) {
        metric(QLatin1String(below), QStringLiteral("1.5"));
        const QString w12 = p.text(QStringLiteral("w12"));
        metric(QLatin1String(gap), QStringLiteral("1.5"));
        QCOMPARE(p.text(QStringLiteral("w12")), w12);
    }
}

void TestForm19::metricWithoutGaugeRow_data() {
    QTest::addColumn<QString>("d");
    QTest::addColumn<QString>("P");
    QTest::addColumn<QString>("internal");
    QTest::newRow("key at most 0.024") << "1"
                                       << "0.01"
                                       << "Op5";
    QTest::newRow("key above 0.67") << "200"
                                    << "12"
                                    << "Op6";
}

void TestForm19::metricWithoutGaugeRow() {
    QFETCH(QString, d);
    QFETCH(QString, P);
    QFETCH(QString, internal);
    p.click(internal);
    fillMetricResults();
    metric(d, P);
    // The gauge constants are unknown: every gauge box that needs them shows
    // "--", never sizes over constants of 0; the rest is computed.
    for (int n : {28, 29, 30, 31, 32, 33, 35, 36, 37, 38, 39, 40})
        QCOMPARE(p.box(QStringLiteral("w%1").arg(n))->text(), QStringLiteral("--"));
    for (int n : {3, 4, 5, 6, 9, 11, 12, 13, 14, 23, 34, 41}) {
        const QString shown = p.box(QStringLiteral("w%1").arg(n))->text();
        QVERIFY2(shown != QStringLiteral("x") && shown != QStringLiteral("--"), qPrintable(QString::number(n)));
    }
}

void TestForm19::metricWithoutWireRow() {
    // A new window and a pitch without a wire row: the wire boxes hold no
    // number, so the M values over them have none either.
    metric(QStringLiteral("36"), QStringLiteral("6"));
    checkBoxes(QStringLiteral("w15= w19= w16=-- w20=-- w32=-- w39=--"));
    QCOMPARE(p.text(QStringLiteral("w28")).isEmpty(), false);
    // The M values use the wire that the box shows: here one the user typed.
    p.type(QStringLiteral("w15"), QStringLiteral("3.5"));
    metric(QStringLiteral("36"), QStringLiteral("6"));
    checkBoxes(QStringLiteral("w15=3.500 w19= w16=37.410 w20=--"));  // 36 - 9.09 + 10.5
    QVERIFY(p.text(QStringLiteral("w32")) != QStringLiteral("--"));
    // After a pitch with a row, a pitch without one keeps those wires.
    metric(QStringLiteral("10"), QStringLiteral("1.5"));
    checkBoxes(QStringLiteral("w15=.866 w19=1.008"));
    metric(QStringLiteral("10"), QStringLiteral("0.9"));
    checkBoxes(QStringLiteral("w15=.866 w19=1.008 w16=11.235 w20=11.661"));  // 10 - 1.3635 + 3w
    // A wire box the press must read that holds no number refuses the press.
    p.type(QStringLiteral("w19"), QStringLiteral("1,0"));
    fill(metricResultsButWires(), QStringLiteral("x"));
    metric(QStringLiteral("10"), QStringLiteral("0.9"));
    QVERIFY2(p.refused(QStringLiteral("w19"), quorvil::notes::decimalPoint()), p.why());
    QCOMPARE(p.text(QStringLiteral("w16")), QStringLiteral("x"));
    // A wire so large that its M value cannot be shown: refused at the wire.
    p.type(QStringLiteral("w19"), QStringLiteral("1e308"));
    metric(QStringLiteral("10"), QStringLiteral("0.9"));
    QVERIFY2(p.refused(QStringLiteral("w19"), quorvil::notes::tooLarge()), p.why());
    QCOMPARE(p.text(QStringLiteral("w16")), QStringLiteral("x"));
}

void TestForm19::metricTapDrill() {
    metric(QStringLiteral("10"), QStringLiteral("1"));
    checkBoxes(QStringLiteral("w23=9.000 w24=17.000 w25=12.500"));
    metric(QStringLiteral("10"), QStringLiteral("1.25"));
    checkBoxes(QStringLiteral("w23=8.675"));
}

// The pitch table reaches P 44, as the trapezoidal sizes do: major-diameter
// tolerance and crest clearance for every pitch of the list, no wires past 12.
void TestForm19::trapCoarsePitches_data() {
    QTest::addColumn<QString>("P");
    QTest::addColumn<QString>("expected");
    QTest::newRow("24") << "24" << "txtT5=-.950 txtT9=74.000 txtT10=102.000 txtT40=_74 txtT41=_74";
    QTest::newRow("28") << "28" << "txtT5=-1.060 txtT9=70.000 txtT10=102.000 txtT40=_70 txtT41=_70";
    QTest::newRow("32") << "32" << "txtT5=-1.120 txtT9=66.000 txtT10=102.000 txtT40=_66 txtT41=_66";
    QTest::newRow("36") << "36" << "txtT5=-1.250 txtT9=62.000 txtT10=102.000 txtT40=_62 txtT41=_62";
    QTest::newRow("40") << "40" << "txtT5=-1.320 txtT9=58.000 txtT10=102.000 txtT40=_58 txtT41=_58";
    QTest::newRow("44") << "44" << "txtT5=-1.400 txtT9=54.000 txtT10=102.000 txtT40=_54 txtT41=_54";
    QTest::newRow("26, no row") << "26" << "txtT5=-- txtT9=-- txtT10=-- txtT40=-- txtT41=--";
}

void TestForm19::trapCoarsePitches() {
    QFETCH(QString, P);
    QFETCH(QString, expected);
    showTab(1);
    p.keys(QStringLiteral("txtt1"), QStringLiteral("100"));
    p.keys(QStringLiteral("txtT2"), P);
    p.click(QStringLiteral("Command2"));
    checkBoxes(expected + QStringLiteral(" txtT15=-- txtT19=-- txtT16=-- txtT27=-- txtT32=--"));
}

void TestForm19::trapRejectedInputs_data() {
    using quorvil::notes::decimalPoint;
    using quorvil::notes::number;
    using quorvil::notes::positive;
    using quorvil::notes::tooLarge;
    QTest::addColumn<QString>("d");
    QTest::addColumn<QString>("P");
    QTest::addColumn<QString>("at");
    QTest::addColumn<QString>("note");
    QTest::newRow("empty d") << "" << "6" << "txtt1" << number();
    QTest::newRow("empty P") << "36" << "" << "txtT2" << number();
    QTest::newRow("letters d") << "Tr36" << "6" << "txtt1" << number();
    QTest::newRow("letters P") << "36" << "abc" << "txtT2" << number();
    // Read leniently, yet a decimal comma is no end of a number: 1,5 is not 1.
    QTest::newRow("decimal comma") << "10" << "1,5" << "txtT2" << decimalPoint();
    QTest::newRow("decimal comma 6,0") << "36" << "6,0" << "txtT2" << decimalPoint();
    QTest::newRow("P zero") << "36" << "0" << "txtT2" << positive();
    QTest::newRow("P zero with unit") << "36" << "0mm" << "txtT2" << positive();
    QTest::newRow("P negative") << "36" << "-6" << "txtT2" << positive();
    QTest::newRow("d beyond a double") << "1e400" << "6" << "txtt1" << tooLarge();
    QTest::newRow("d beyond single") << "1e39" << "6" << "txtt1" << tooLarge();
    QTest::newRow("P beyond single") << "36" << "1e39" << "txtT2" << tooLarge();
    // Both within the single range, D1 = d - P beyond it.
    QTest::newRow("result beyond single") << "-3e38" << "3.1e38" << "txtT2" << tooLarge();
}

void TestForm19::trapRejectedInputs() {
    QFETCH(QString, d);
    QFETCH(QString, P);
    QFETCH(QString, at);
    QFETCH(QString, note);
    showTab(1);
    fill(trapResultBoxes(), QStringLiteral("x"));
    trap(d, P);
    for (const QString& t : texts(trapResultBoxes())) QCOMPARE(t, QStringLiteral("x"));
    QVERIFY2(p.refused(at, note), p.why());
}

// Every press answers for the inputs on screen: after an earlier press, the
// texts are what the second press alone gives, but for the wire boxes the
// metric tab keeps (and the M values it computes over them).
void TestForm19::noTextOfAnEarlierPress_data() {
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("second");
    QTest::addColumn<QStringList>("keeps");
    const QStringList trap{"tab:SSTab1=1"};
    const QStringList metric{"tab:SSTab1=0"};
    QTest::newRow("Tr36x6, then Tr8x1.5 without wires")
        << trap + QStringList{"txtt1=36", "txtT2=6", "click:Command2"}
        << trap + QStringList{"txtt1=8", "txtT2=1.5", "click:Command2"} << QStringList{};
    QTest::newRow("Tr100x12, then Tr100x24")
        << trap + QStringList{"txtt1=100", "txtT2=12", "click:Command2"}
        << trap + QStringList{"txtt1=100", "txtT2=24", "click:Command2"} << QStringList{};
    QTest::newRow("Tr40x7, then 40x11 without any row")
        << trap + QStringList{"txtt1=40", "txtT2=7", "click:Command2"}
        << trap + QStringList{"txtt1=40", "txtT2=11", "click:Command2"} << QStringList{};
    QTest::newRow("M16x2 6H, then 200x12 7H without a gauge band")
        << metric + QStringList{"w1=16", "w2=2", "click:Op5", "click:Command1"}
        << metric + QStringList{"w1=200", "w2=12", "click:Op6", "click:Command1"}
        << QStringList{"w15", "w19", "w16", "w20"};
    QTest::newRow("M1x0.01 5H without a band, after M10x0.35 in band 2")
        << metric + QStringList{"w1=10", "w2=0.35", "click:Op4", "click:Command1"}
        << metric + QStringList{"w1=1", "w2=0.01", "click:Op5", "click:Command1"}
        << QStringList{"w15", "w19", "w16", "w20"};
}

void TestForm19::noTextOfAnEarlierPress() {
    QFETCH(QStringList, first);
    QFETCH(QStringList, second);
    QFETCH(QStringList, keeps);
    const QString stale = staleAfter(first, second, keeps);
    QVERIFY2(stale.isEmpty(), qPrintable(stale));
}

void TestForm19::trapWritesAll34Boxes() {
    fill(trapResultBoxes(), QStringLiteral("x"));
    trap(QStringLiteral("36"), QStringLiteral("6"));
    const QStringList first = texts(trapResultBoxes());
    QVERIFY(!first.contains(QStringLiteral("x")));
    trap(QStringLiteral("52"), QStringLiteral("8"));
    const QStringList second = texts(trapResultBoxes());
    QVERIFY(!second.contains(QStringLiteral("x")));
    QCOMPARE(second.at(0), QStringLiteral(" 52"));
    QCOMPARE(second.size(), 34);
}

void TestForm19::classChangeComputesNothing() {
    metric(QStringLiteral("16"), QStringLiteral("2"));
    trap(QStringLiteral("36"), QStringLiteral("6"));
    const QStringList before = texts(metricResultBoxes() + trapResultBoxes());
    for (const char* op : {"Op3", "Op6", "Op8c", "Op8"}) p.click(QLatin1String(op));
    showTab(1);
    QCOMPARE(texts(metricResultBoxes() + trapResultBoxes()), before);
}

void TestForm19::enterRunsTrapezoidalCalculation() {
    p.type({"txtt1=36", "txtT2=6", "w1=16", "w2=2"});
    // Tab 0 in front, focus in a metric input box.
    QTest::keyClick(p.box(QStringLiteral("w1")), Qt::Key_Return);
    QCOMPARE(p.text(QStringLiteral("txtT16")), QStringLiteral("36.912"));
    for (const QString& t : texts(metricResultBoxes())) QVERIFY(t.isEmpty());
    // On an option too.
    p.box(QStringLiteral("txtT16"))->clear();
    QTest::keyClick(p.get<QRadioButton>(QStringLiteral("Op2")), Qt::Key_Enter);
    QCOMPARE(p.text(QStringLiteral("txtT16")), QStringLiteral("36.912"));
    // Enter on a button presses that button.
    p.box(QStringLiteral("txtT16"))->clear();
    auto* command1 = p.get<QAbstractButton>(QStringLiteral("Command1"));
    command1->setFocus();
    QTest::keyClick(command1, Qt::Key_Return);
    QCOMPARE(p.text(QStringLiteral("w16")), QStringLiteral("16.441"));
    QCOMPARE(p.text(QStringLiteral("txtT16")), QString());
}

void TestForm19::printsTabInFront() {
    QList<QImage> printed;
    quorvil::setPrintSink([&](const QImage& img) { printed.append(img); });
    const auto noSink = qScopeGuard([] { quorvil::setPrintSink({}); });
    metric(QStringLiteral("16"), QStringLiteral("2"));
    trap(QStringLiteral("36"), QStringLiteral("6"));
    const QStringList before = texts(metricResultBoxes() + trapResultBoxes());
    p.click(QStringLiteral("Command8"));
    QCOMPARE(printed.size(), 1);
    const QImage tab0 = w->grab().toImage();
    showTab(1);
    const QImage tab1 = w->grab().toImage();
    p.click(QStringLiteral("Command4"));
    QCOMPARE(printed.size(), 2);
    QCOMPARE(printed.at(0).size(), w->grab().toImage().size());
    QCOMPARE(printed.at(0), tab0);
    QCOMPARE(printed.at(1), tab1);
    QVERIFY(tab0 != tab1);
    QCOMPARE(texts(metricResultBoxes() + trapResultBoxes()), before);
}

QUORVIL_UI_TEST_MAIN(TestForm19)
#include "tst_form19.moc"
