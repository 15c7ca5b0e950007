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
        {"Form15", {"w1=10", "w2=1.5", "click:Command1"}, {"w2=1,5", "click:Command1"}, "w2", comma},
        {"Form15", {"w1=10", "w2=1.5", "click:Command1"}, {"w1=", "click:Command1"}, "w1", number},
        {"Form15", {"w1=10", "w2=1.5", "click:Command1"}, {"w2=0", "click:Command1"}, "w2", positive},
        {"Form15", {"w1=10", "w2=1.5", "click:Command1"}, {"w1=1.5e308", "click:Command1"}, "w1", large},
        // Without a wire row the press reads the wire the box keeps.
        {"Form15", {"w1=10", "w2=1.5", "click:Command1"}, {"w2=0.9", "w15=abc", "click:Command1"}, "w15", number},
        {"Form8",
         {"tab:SSTab1=0", "sz1=1.5", "sz2=60", "click:Command3"},
         {"sz2=0", "click:Command3"},
         "sz2",
         positive},
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
         positive},
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
