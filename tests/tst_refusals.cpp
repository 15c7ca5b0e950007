// Refused presses across the windows: after a good press, an input that
// cannot be used and the same press again change no box but the typed ones;
// the keyboard is in the offending box with its text selected, and the note
// beside it says what is wanted.
#include <QPointer>
#include <QTest>

#include "common/ui/refusal.h"
#include "shell/launch.h"
#include "shell/windows.h"
#include "uitest.h"
#include "windowtest.h"

using namespace quorvil;

namespace {

struct Refusal {
    const char* window;  // "Form13"
    QStringList good;    // steps of a press that works (WindowProbe::step)
    QStringList bad;     // the unusable input typed, then the same press
    const char* at;      // the control refused
    QString note;
};

QList<Refusal> refusals() {
    const QString number = notes::number(), comma = notes::decimalPoint(), positive = notes::positive(),
                  denominator = notes::denominator(), large = notes::tooLarge(), nonZero = notes::nonZero();
    return {
        // ---- metric, three-wire and worm windows
        {"Form15", {"w1=10", "w2=1.5", "click:Command1"}, {"w2=1,5", "click:Command1"}, "w2", comma},
        {"Form15", {"w1=10", "w2=1.5", "click:Command1"}, {"w1=", "click:Command1"}, "w1", number},
        {"Form15", {"w1=10", "w2=1.5", "click:Command1"}, {"w2=0", "click:Command1"}, "w2", nonZero},
        {"Form15", {"w1=10", "w2=1.5", "click:Command1"}, {"w1=1.5e308", "click:Command1"}, "w1", large},
        // Without a wire row the press reads the wire the box keeps.
        {"Form15", {"w1=10", "w2=1.5", "click:Command1"}, {"w2=0.9", "w15=abc", "click:Command1"}, "w15", number},
        {"Form8",
         {"tab:SSTab1=0", "sz1=1.5", "sz2=60", "click:Command3"},
         {"sz2=0", "click:Command3"},
         "sz2",
         nonZero},
        {"Form8", {"sz10=8", "sz20=60", "click:Command6"}, {"sz10=1e-310", "click:Command6"}, "sz10", large},
        {"Form8",
         {"tab:SSTab1=0", "sz4=2", "sz5=60", "sz6=1.157", "sz7=18.701", "click:Command2"},
         {"sz6=abc", "click:Command2"},
         "sz6",
         number},
        {"Form11",
         {"txtdf=22.4", "txtmc=2", "txtz1=1", "click:Command2"},
         {"txtmc=0", "click:Command2"},
         "txtmc",
         nonZero},
        {"Form11",
         {"txtdf=22.4", "txtmc=2", "txtz1=1", "click:Command2"},
         {"txtdf=22,4", "click:Command2"},
         "txtdf",
         comma},
        {"Form11",
         {"txtdf=22.4", "txtmc=2", "txtz1=1", "click:Command2"},
         {"txtz1=", "click:Command2"},
         "txtz1",
         number},

        // ---- trapezoidal and non-standard windows
        {"Form2", {"tab:SSTab1=1", "Text3=40", "Text4=6", "click:Command1"}, {"Text4=", "click:Command1"}, "Text4",
         number},
        {"Form2", {"tab:SSTab1=1", "Text3=40", "Text4=6", "click:Command1"}, {"Text4=6,0", "click:Command1"}, "Text4",
         comma},
        {"Form2", {"tab:SSTab1=1", "Text3=40", "Text4=6", "click:Command1"}, {"Text4=0", "click:Command1"}, "Text4",
         positive},
        {"Form2", {"tab:SSTab1=1", "Text3=40", "Text4=6", "click:Command1"}, {"Text3=1e400", "click:Command1"},
         "Text3", large},
        // A pitch without wires reads the wire boxes, which hold letters.
        {"Form2", {"tab:SSTab1=1", "Text3=40", "Text4=6", "click:Command1"},
         {"Text4=7", "Text5=abc", "click:Command1"}, "Text5", number},
        {"Form19", {"tab:SSTab1=0", "w1=16", "w2=2", "click:Command1"}, {"w1=M16", "click:Command1"}, "w1", number},
        {"Form19", {"tab:SSTab1=0", "w1=16", "w2=2", "click:Command1"}, {"w2=0", "click:Command1"}, "w2", positive},
        {"Form19", {"tab:SSTab1=0", "w1=16", "w2=2", "click:Command1"}, {"w2=1e100", "click:Command1"}, "w2", large},
        {"Form19", {"tab:SSTab1=1", "txtt1=36", "txtT2=6", "click:Command2"}, {"txtT2=1,5", "click:Command2"},
         "txtT2", comma},
        {"Form19", {"tab:SSTab1=1", "txtt1=36", "txtT2=6", "click:Command2"}, {"txtt1=", "click:Command2"}, "txtt1",
         number},
        {"Form19", {"tab:SSTab1=1", "txtt1=36", "txtT2=6", "click:Command2"}, {"txtt1=1e39", "click:Command2"},
         "txtt1", large},

        // ---- unified, ACME, stub ACME, British and pipe windows
        {"Form20", {"txtw1=1", "txtw4=8", "click:Command1"}, {"txtw4=", "click:Command1"}, "txtw4", number},
        {"Form20", {"txtw1=1", "txtw4=8", "click:Command1"}, {"txtw1=1,5", "click:Command1"}, "txtw1", comma},
        {"Form20", {"txtw1=1", "txtw4=8", "click:Command1"}, {"txtw4=0", "click:Command1"}, "txtw4", positive},
        {"Form20",
         {"txtw1=1", "txtw4=8", "click:Command1"},
         {"txtw2=3", "txtw3=0", "click:Command1"},
         "txtw3",
         denominator},
        {"Form20", {"txtw1=1", "txtw4=8", "click:Command1"}, {"txtw1=1e39", "click:Command1"}, "txtw1", large},
        {"Form21", {"txtw1=1", "w4=5", "click:Command5"}, {"w4=abc", "click:Command5"}, "w4", number},
        {"Form21", {"txtw1=1", "w4=5", "click:Command5"}, {"w4=5,0", "click:Command5"}, "w4", comma},
        {"Form21", {"txtw1=1", "w4=5", "click:Command5"}, {"w4=0", "click:Command5"}, "w4", positive},
        {"Form21", {"txtw1=1", "w4=5", "click:Command5"}, {"txtw2=1", "click:Command5"}, "txtw3", denominator},
        {"Form21", {"txtw1=1", "w4=5", "click:Command5"}, {"txtw1=1e39", "click:Command5"}, "txtw1", large},
        {"Form18", {"txts2=1", "txts3=2", "s4=10", "click:Command5"}, {"s4=", "click:Command5"}, "s4", number},
        {"Form18", {"txts2=1", "txts3=2", "s4=10", "click:Command5"}, {"txts2=a", "click:Command5"}, "txts2", number},
        {"Form18", {"txts2=1", "txts3=2", "s4=10", "click:Command5"}, {"s4=0", "click:Command5"}, "s4", positive},
        {"Form18",
         {"txts2=1", "txts3=2", "s4=10", "click:Command5"},
         {"txts3=0", "click:Command5"},
         "txts3",
         denominator},
        {"Form18", {"txts2=1", "txts3=2", "s4=10", "click:Command5"}, {"s4=1e400", "click:Command5"}, "s4", large},
        {"Form22", {"w2=1", "w3=2", "w4=12", "click:Command1"}, {"w4=", "click:Command1"}, "w4", number},
        {"Form22", {"w2=1", "w3=2", "w4=12", "click:Command1"}, {"w4=12牙", "click:Command1"}, "w4", number},
        {"Form22", {"w2=1", "w3=2", "w4=12", "click:Command1"}, {"w3=2,5", "click:Command1"}, "w3", comma},
        {"Form22", {"w2=1", "w3=2", "w4=12", "click:Command1"}, {"w4=0", "click:Command1"}, "w4", notes::nonZero()},
        {"Form22", {"w2=1", "w3=2", "w4=12", "click:Command1"}, {"w3=", "click:Command1"}, "w3", denominator},
        {"Form22", {"w2=1", "w3=2", "w4=12", "click:Command1"}, {"w1=1e300", "click:Command1"}, "w1", large},

        // ---- weight, converter, spring and bolt windows, the main window
        // Bolt: after the worked example, 1.6 MPa typed with a comma must not
        // leave d1 of 1 MPa (10.16 where 12.85 is needed) standing.
        {"Form13",
         {"m1=1", "m2=200", "m3=8", "m5=360", "m6=0.3", "m7=1.6", "m8=1.0", "m9=3.9", "M11=230", "click:Command1",
          "click:Command2"},
         {"m1=1,6", "click:Command1"},
         "m1",
         comma},
        {"Form13",
         {"m1=1", "m2=200", "m3=8", "m5=360", "m6=0.3", "m7=1.6", "m8=1.0", "m9=3.9", "M11=230", "click:Command2"},
         {"M11=0", "click:Command2"},
         "M11",
         positive},
        // Weights: an empty length, a density of 0, a size not picked, a
        // weight beyond the single range, flats wider than the disc.
        {"Form3", {"txtq1=20", "txtq2=1000", "click:Command001"}, {"txtq2=", "click:Command001"}, "txtq2", number},
        {"Form3",
         {"tab:SSTab1=3", "txtw60=100", "txtw61=50", "txtw62=20", "click:Commandw60"},
         {"txtw63=0", "click:Commandw60"},
         "txtw63",
         positive},
        {"Form3",
         {"tab:SSTab1=3", "pick:List101=18", "txte1=6000", "click:Command106"},
         {"txte3=6000", "click:Command202"},
         "List103",
         notes::pickSize()},
        {"Form17",
         {"tab:SSTab1=0", "txtT30=40", "txtt36=100", "click:CommandM"},
         {"txtT30=1e30", "txtt36=1e30", "click:CommandM"},
         "txtT30",
         large},
        {"Form17",
         {"tab:SSTab1=0", "txtt52=100", "txtt51=80", "txtt50=10", "click:Command7"},
         {"txtt51=120", "click:Command7"},
         "txtt51",
         notes::overDiameter()},
        // Converter: a numerator over no denominator, letters.
        {"Form6",
         {"Text1000=1", "text3000=2", "text4000=3", "click:Command1000"},
         {"text4000=", "click:Command1000"},
         "text4000",
         denominator},
        {"Form6", {"c440=30.5", "click:Command121"}, {"c440=30度", "click:Command121"}, "c440", number},
        // Spring: equal loads, a series header for the wire.
        {"Form14",
         {"txtCombo2=4", "txtCombo1=32", "txtA12=60", "txtA21=10", "txtA13=200", "txtA14=400", "txtA10=79",
          "click:Command1"},
         {"txtA13=400", "click:Command1"},
         "txtA14",
         notes::equalLoads()},
        {"Form14",
         {"txtCombo2=4", "txtCombo1=32", "txtA12=60", "txtA21=10", "txtA13=200", "txtA14=400", "txtA10=79",
          "click:Command1"},
         {"txtCombo2=第二系列", "click:Command1"},
         "txtCombo2",
         number},
    };
}

int launchIndex(const QString& window) {
    for (const WindowEntry& e : kWindows)
        if (QString::fromLatin1(e.className.data(), qsizetype(e.className.size())) == window) return e.launchIndex;
    qFatal("no window %s", qPrintable(window));
}

}  // namespace

class TestRefusals : public QObject {
    Q_OBJECT
private slots:
    void refused_data();
    void refused();
};

void TestRefusals::refused_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("good");
    QTest::addColumn<QStringList>("bad");
    QTest::addColumn<QString>("at");
    QTest::addColumn<QString>("note");
    for (const Refusal& r : refusals())
        QTest::addRow("%s: %s", r.window, qPrintable(r.bad.join(u' ')))
            << QString::fromLatin1(r.window) << r.good << r.bad << QString::fromLatin1(r.at) << r.note;
}

void TestRefusals::refused() {
    QFETCH(QString, window);
    QFETCH(QStringList, good);
    QFETCH(QStringList, bad);
    QFETCH(QString, at);
    QFETCH(QString, note);
    QPointer<QWidget> w = launchToolWindow(launchIndex(window));
    QVERIFY(QTest::qWaitForWindowExposed(w));
    test::WindowProbe p(w);
    p.run(good);
    QVERIFY2(!shownRefusal(w), "the good press was refused");
    const QMap<QString, QString> before = p.snapshot();

    p.run(bad);
    QVERIFY2(p.refused(at, note), p.why());
    // Only what was typed differs.
    QStringList typed;
    for (const QString& s : bad)
        if (const qsizetype eq = s.indexOf(u'='); eq > 0 && !s.startsWith(QStringLiteral("pick:")) &&
                                                  !s.startsWith(QStringLiteral("tab:")))
            typed << s.left(eq).section(u':', -1);
    const QString changed = test::snapshotDifferences(p.snapshot(), before, typed);
    QVERIFY2(changed.isEmpty(), qPrintable(changed));
    w->close();
}

QUORVIL_UI_TEST_MAIN(TestRefusals)
#include "tst_refusals.moc"
