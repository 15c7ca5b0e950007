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
