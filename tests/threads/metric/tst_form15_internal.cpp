// The internal thread page of the metric thread window.
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>

#include "common/ui/printing.h"
#include "common/ui/refusal.h"
#include "common/ui/tabcontainer.h"
#include "threads/metric/Form15.h"
#include "uitest.h"
#include "windowtest.h"

namespace {

const QStringList kResultBoxes = {"w10", "w11", "w12",   "w13",   "w14", "w15", "w19", "w23",    "w24", "w25",
                                  "w26", "w27", "Text1", "Text2", "w28", "w29", "w30", "w31",    "w32", "Text11",
                                  "w33", "w34", "w35",   "w36",   "w37", "w38", "w39", "Text12", "w40", "w41"};

const char* kGo5H = "w28=10.023 w29=-0.022 w30=9.043 w31=-0.011 w32=10.343 Text11=10.769 w33=9.02";

}  // namespace

class TestForm15Internal : public quorvil::test::WindowTest<Form15> {
    Q_OBJECT
private slots:
    void freshWindow();
    void calculation_data();
    void calculation();
    void unusableInputIsRefused_data();
    void unusableInputIsRefused();
    void typedGaugeInputs_data();
    void typedGaugeInputs();
    void noTextOfAnEarlierPress_data();
    void noTextOfAnEarlierPress();
    void classChangeAloneChangesNothing();
    void selfFormattingWhileTyping();
    void printsThePage();

private:
    // One press: "D,P,class", class 5, 6 or 7.
    void press(const QString& step) const {
        const QStringList parts = step.split(',');
        p.type({"w1=" + parts[0], "w2=" + parts[1]});
        p.click("Op" + parts[2].trimmed() + "H");
        p.click("Command1");
    }
    // "name=text name=text ..." with "" for an empty box.
    void expectBoxes(const QString& expected) const {
        QStringList pairs = expected.split(' ', Qt::SkipEmptyParts);
        for (QString& pair : pairs) pair.replace("=\"\"", "=");
        QVERIFY2(p.matches(pairs), p.why());
    }
    QMap<QString, QString> snapshot() const { return p.texts(kResultBoxes); }
};

void TestForm15Internal::freshWindow() {
    QCOMPARE(w->windowTitle(), QString("6.米制普通螺纹(牙形角60°)"));
    QCOMPARE(w->SSTab1->currentIndex(), 0);
    QCOMPARE(w->SSTab1->count(), 2);
    QVERIFY(p.get<QRadioButton>("Op5H")->isChecked());
    for (const QString& n : kResultBoxes) QVERIFY2(p.text(n).isEmpty(), qPrintable(n));
}

// Each row runs its presses on a fresh window and then checks the boxes.
void TestForm15Internal::calculation_data() {
    QTest::addColumn<QStringList>("presses");
    QTest::addColumn<QString>("expected");

    const QString common10 =
        "w10=10 w11=9.026 w13=8.376 w34=8.376 w41=8.376 w26=0.95 w27=0.24 w23=8.41 w24=17 w25=13.75 "
        "Text1=12 Text2=10 w15=0.866 w19=1.008 ";
    QTest::newRow("M10x1.5 5H") << QStringList{"10,1.5,5"}
                                << common10 + "w12=0.140 w14=0.236 " + kGo5H +
                                       " w35=9.482 w36=-0.022 w37=9.177 w38=-0.011 w39=10.476 Text12=10.902 w40=9.154";
    QTest::newRow("M10x1.5 6H") << QStringList{"10,1.5,6"}
                                << common10 + "w12=0.180 w14=0.300 " + kGo5H +
                                       " w35=9.522 w36=-0.022 w37=9.217 w38=-0.011 w39=10.516 Text12=10.942 w40=9.194";
    QTest::newRow("M10x1.5 7H") << QStringList{"10,1.5,7"}
                                << common10 +
                                       "w12=0.224 w14=0.375 w28=10.03 w29=-0.028 w30=9.049 w31=-0.014 w32=10.348 "
                                       "Text11=10.774 w33=9.021 w35=9.571 w36=-0.028 w37=9.264 w38=-0.014 w39=10.563 "
                                       "Text12=10.989 w40=9.236";
    // Band 2 wears 0.0095: both wear limits lie 0.013 below the shown pitch diameters.
    QTest::newRow("M2x0.4 5H band 2")
        << QStringList{"2,0.4,5"}
        << "w10=2 w11=1.740 w13=1.567 w26=0.25 w27=0.064 w23=1.6 w24=3.4 w25=3 Text1=\"\" Text2=\"\" "
           "w15=0.232 w19=0.25 w12=0.071 w14=0.090 w30=1.746 w33=1.733 w37=1.818 w40=1.805 w32=2.095 "
           "Text11=2.149 w39=2.168 Text12=2.222 w28=2.009 w35=1.902 w29=-0.014 w36=-0.014 w31=-0.007 "
           "w38=-0.007";
    QTest::newRow("M6x1 tap drill d-P")
        << QStringList{"6,1,5"} << "w23=5 w24=10.2 w25=8.5 w27=0.16 w26=0.63 w11=5.350 w12=0.118 w14=0.190 Text1=\"\"";
    QTest::newRow("M8x1.25 tap drill d-1.06P")
        << QStringList{"8,1.25,6"} << "w23=6.675 Text1=10 Text2=9 w12=0.160 w14=0.255 w15=0.724 w19=0.794";
    QTest::newRow("M16x1.5 7H 0.235") << QStringList{"16,1.5,7"} << "w12=0.235 w14=0.375 Text1=11 Text2=7.5";
    QTest::newRow("M12x1.75 6H on band bound")
        << QStringList{"12,1.75,6"} << "w12=0.200 w28=12.023 w29=-0.022 w31=-0.011 w38=-0.011";
    QTest::newRow("w10 as typed") << QStringList{"10.0,1.50,5"} << "w10=10.0 w15=0.866 Text1=12 w12=0.140";
    QTest::newRow("negative result shown") << QStringList{"0.5,1,5"} << "w11=-0.150 w13=-0.583 w23=-0.5";

    // Lookups without a row keep the earlier text; later steps read it.
    QTest::newRow("P 0.5 keeps w12") << QStringList{"10,1.5,5", "10,0.5,5"}
                                     << "w12=0.140 w30=9.693 w37=9.826 w14=0.112 w15=0.291 w19=0.29 Text1=6 Text2=4";
    QTest::newRow("D 5 keeps gauge lengths") << QStringList{"10,1.5,5", "5,1.5,5"}
                                             << "Text1=12 Text2=10 w10=5 w11=4.026 w13=3.376 w23=3.41 w24=8.5 w25=8.75";
    QTest::newRow("D 5 P 0.8 keeps 18/13") << QStringList{"20,2.5,5", "5,0.8,5"} << "Text1=18 Text2=13";
    QTest::newRow("P 8 fresh: no wires, no M values")
        << QStringList{"100,8,5"}
        << "w15=\"\" w19=\"\" w12=0.355 w14=0.800 w28=100.042 w30=94.837 w33=94.801 w35=96.786 w40=95.141 "
           "w32=-- Text11=-- w39=-- Text12=-- w11=94.804 w34=91.340 w23=91.52";
    QTest::newRow("P 8 after P 1.5 uses kept wires")
        << QStringList{"10,1.5,5", "100,8,5"} << "w15=0.866 w19=1.008 w12=0.355 w30=94.837 w32=90.511 Text11=90.937";
    QTest::newRow("fresh, no TD2 row: no gauge sizes")
        << QStringList{"10,0.5,5"}
        << "w12=\"\" w14=0.112 w15=0.291 w28=-- w29=-- w30=-- w31=-- w32=-- Text11=-- w33=-- w35=-- w36=-- w37=-- "
           "w38=-- w39=-- Text12=-- w40=-- w11=9.675";
    QTest::newRow("5H 0.056 kept under 6H") << QStringList{"1,0.25,5", "1,0.25,6"} << "w14=0.056 w12=0.056";
    QTest::newRow("class change rewrites the gauge block")
        << QStringList{"10,1.5,7", "10,1.5,5"} << QString(kGo5H) + " w37=9.177 w40=9.154 w12=0.140";
    QTest::newRow("P 2 then P 8 keeps wires") << QStringList{"20,2,5", "20,8,5"} << "w15=1.157 w19=1.302";
}

void TestForm15Internal::calculation() {
    QFETCH(QStringList, presses);
    QFETCH(QString, expected);
    for (const QString& step : presses) press(step);
    expectBoxes(expected);
}

void TestForm15Internal::unusableInputIsRefused_data() {
    QTest::addColumn<QString>("d");
    QTest::addColumn<QString>("P");
    QTest::addColumn<QString>("at");
    QTest::addColumn<QString>("note");
    const QString number = quorvil::notes::number(), large = quorvil::notes::tooLarge();
    QTest::newRow("D empty") << ""
                             << "1.5"
                             << "w1" << number;
    QTest::newRow("P empty") << "10"
                             << ""
                             << "w2" << number;
    QTest::newRow("D letters") << "abc"
                               << "1.5"
                               << "w1" << number;
    QTest::newRow("P with unit") << "10"
                                 << "1.5mm"
                                 << "w2" << number;
    QTest::newRow("D inf") << "inf"
                           << "1.5"
                           << "w1" << number;
    QTest::newRow("P nan") << "10"
                           << "nan"
                           << "w2" << number;
    QTest::newRow("P decimal comma") << "10"
                                     << "1,5"
                                     << "w2" << quorvil::notes::decimalPoint();
    QTest::newRow("P 0") << "10"
                         << "0"
                         << "w2" << quorvil::notes::nonZero();
    QTest::newRow("D too large to read") << "1e400"
                                         << "1.5"
                                         << "w1" << large;
    QTest::newRow("drill depth overflows") << "1.5e308"
                                           << "1"
                                           << "w1" << large;
    QTest::newRow("tapped depth overflows") << "10"
                                            << "1e308"
                                            << "w2" << large;
}

void TestForm15Internal::unusableInputIsRefused() {
    QFETCH(QString, d);
    QFETCH(QString, P);
    QFETCH(QString, at);
    QFETCH(QString, note);
    press("10,1.5,5");
    const auto before = snapshot();
    p.type({"w1=" + d, "w2=" + P});
    p.click("Command1");
    QVERIFY2(p.refused(at, note), p.why());
    QCOMPARE(snapshot(), before);
}

// Texts typed into w12, w15 or w19 between presses, read by the gauge block
// of a press whose lookups leave those boxes alone (D 10, P 0.9: no rows).
// The boxes after it, or the box refused with its note.
void TestForm15Internal::typedGaugeInputs_data() {
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("refusal");
    const QString missing =
        "w28=-- w29=-- w30=-- w31=-- w32=-- Text11=-- w33=-- w35=-- w36=-- w37=-- w38=-- w39=-- "
        "Text12=-- w40=--";
    QTest::newRow("w12 outside every band") << "w12"
                                            << "5"
                                            << "w12=5.000 w11=9.415 " + missing << "";
    QTest::newRow("w12 on lowest bound") << "w12"
                                         << "0.024" << missing << "";
    QTest::newRow("w12 0.67 closes band 7")
        << "w12"
        << "0.67"
        << "w12=0.670 w28=10.054 w29=-0.044 w30=9.458 w37=10.107 w33=9.414 w40=10.063"
        << "";
    QTest::newRow("w15 empty: no M values over it") << "w15"
                                                    << ""
                                                    << "w15= w30=9.433 w32=-- w39=-- Text11=11.678 Text12=11.811"
                                                    << "";
    QTest::newRow("w19 own wire") << "w19"
                                  << "1.1"
                                  << "w19=1.1 w32=11.252 Text11=11.954"
                                  << "";
    QTest::newRow("w12 letters") << "w12"
                                 << "abc"
                                 << "" << quorvil::notes::number();
    QTest::newRow("w15 decimal comma") << "w15"
                                       << "0,866"
                                       << "" << quorvil::notes::decimalPoint();
    QTest::newRow("w15 overflowing M") << "w15"
                                       << "1e308"
                                       << "" << quorvil::notes::tooLarge();
}

void TestForm15Internal::typedGaugeInputs() {
    QFETCH(QString, boxName);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QFETCH(QString, refusal);
    press("10,1.5,5");
    p.type(boxName, typed);
    const auto before = snapshot();
    press("10,0.9,5");
    if (!refusal.isEmpty()) {
        QVERIFY2(p.refused(boxName, refusal), p.why());
        QCOMPARE(snapshot(), before);
        return;
    }
    expectBoxes(expected);
    // The boxes without a row keep their text.
    for (const char* kept : {"Text1", "Text2", "w14", "w15", "w19"}) QCOMPARE(p.text(kept), before[kept]);
}

// Every press answers for the inputs on screen: after a first press and a
// second one, the page shows what the second alone shows in a fresh window,
// but for the boxes that keep their text without a row.
void TestForm15Internal::noTextOfAnEarlierPress_data() {
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("second");
    QTest::addColumn<QStringList>("keeps");
    const QStringList m10 = {"w1=10", "w2=1.5", "click:Command1"};
    QTest::newRow("a typed tolerance without a gauge band")
        << m10 << QStringList{"w1=10", "w2=0.9", "w12=5", "w15=0.5", "w19=0.6", "click:Command1"}
        << QStringList{"Text1", "Text2", "w14"};
    QTest::newRow("cleared wires, no wire row")
        << m10 << QStringList{"w1=100", "w2=8", "w15=", "w19=", "click:Command1"} << QStringList{"Text1", "Text2"};
    QTest::newRow("cleared tolerance, no tolerance row")
        << m10 << QStringList{"w1=10", "w2=0.5", "w12=", "click:Command1"} << QStringList{};
}

void TestForm15Internal::noTextOfAnEarlierPress() {
    QFETCH(QStringList, first);
    QFETCH(QStringList, second);
    QFETCH(QStringList, keeps);
    const QString stale = staleAfter(first, second, keeps);
    QVERIFY2(stale.isEmpty(), qPrintable(stale));
}

void TestForm15Internal::classChangeAloneChangesNothing() {
    press("10,1.5,5");
    const auto before = snapshot();
    p.click("Op7H");
    p.click("Op6H");
    QCOMPARE(snapshot(), before);
}

void TestForm15Internal::selfFormattingWhileTyping() {
    // A typed number is formatted once the user is done with it.
    p.keys("w11", "9.5");
    QCOMPARE(p.text("w11"), QString("9.5"));
    QTest::keyClick(p.box("w11"), Qt::Key_Return);
    QCOMPARE(p.text("w11"), QString("9.500"));
    p.keys("w26", "x");
    QCOMPARE(p.text("w26"), QString("x"));
    p.keys("w10", "9");
    QCOMPARE(p.text("w10"), QString("9"));
    p.keys("w23", "8.5");
    QCOMPARE(p.text("w23"), QString("8.5"));
}

void TestForm15Internal::printsThePage() {
    press("10,1.5,5");
    const auto before = snapshot();
    QImage printed;
    quorvil::setPrintSink([&](const QImage& img) { printed = img; });
    const auto noSink = qScopeGuard([] { quorvil::setPrintSink({}); });
    p.click("Command8");
    QVERIFY(!printed.isNull());
    QCOMPARE(printed.size() / printed.devicePixelRatio(), w->size());
    QCOMPARE(snapshot(), before);
    QCOMPARE(w->SSTab1->currentIndex(), 0);
}

QUORVIL_UI_TEST_MAIN(TestForm15Internal)
#include "tst_form15_internal.moc"
