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
                  denominator = notes::denominator(), large = notes::tooLarge();
    return {
        // ---- metric, three-wire and worm windows

        // ---- trapezoidal and non-standard windows

        // ---- unified, ACME, stub ACME, British and pipe windows

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
    if (refusals().isEmpty()) QSKIP("no rows yet");  // TEMPORARY until the windows refuse
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
