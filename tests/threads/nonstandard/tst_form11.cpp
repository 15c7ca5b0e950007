#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>

#include "common/ui/captionframe.h"
#include "common/ui/printing.h"
#include "common/ui/refusal.h"
#include "threads/nonstandard/Form11.h"
#include "uitest.h"
#include "windowtest.h"

static const QStringList kInputs = {"txtdf", "txtmc", "txtz1"};
static const QStringList kResults = {"txtde1", "txtdi1", "txtText1", "txttn",  "txtan", "txtq",
                                     "txtsn",  "txthx",  "txtsc",    "txtf",   "txtw",  "txth",
                                     "txtd0",  "txtc10", "txtc20",   "txtc30", "txtm5"};
static const QString kUntouched = QStringLiteral("x");  // no number, so no box re-formats it

class TestForm11 : public quorvil::test::WindowTest<Form11> {
    Q_OBJECT
private slots:
    void opensAsDesigned();
    void calculate_data();
    void calculate();
    void noTextOfAnEarlierPress_data();
    void noTextOfAnEarlierPress();
    void resultBoxesFormatWhatIsTyped_data();
    void resultBoxesFormatWhatIsTyped();
    void prints();
};

void TestForm11::opensAsDesigned() {
    QCOMPARE(w->windowTitle(), QStringLiteral("2.阿基米德蜗杆"));
    for (const QString& n : kInputs + kResults) QVERIFY2(p.text(n).isEmpty(), qPrintable(n));
    for (const char* name : {"Frame1", "Frame2", "Frame3"}) {
        auto* f = p.get<QGroupBox>(name);
        QVERIFY(f->autoFillBackground());
        QCOMPARE(f->palette().color(QPalette::Window), QColor(0, 255, 255));
    }
    QCOMPARE(p.get<quorvil::CaptionFrame>("Frame2")->captionColor(), QColor(0, 0, 255));
}

// The three inputs as typed, and the texts of the result boxes afterwards
// (every box is written), or, for a refused press, the box refused and its
// note (no box is written).
void TestForm11::calculate_data() {
    QTest::addColumn<QString>("d1");
    QTest::addColumn<QString>("m");
    QTest::addColumn<QString>("z1");
    QTest::addColumn<QStringList>("shown");  // name=text
    QTest::addColumn<QString>("at");
    QTest::addColumn<QString>("note");

    const QStringList example1 = {"txtd0= 3.468", "txtq= 11.2",   "txtc10= 5",     "txtc20= 6",  "txtc30= 8",
                                  "txtde1=26.40", "txtdi1=17.60", "txtText1=6.28", "txttn=6.26", "txtan=19.93",
                                  "txtsn=3.13",   "txthx=2.00",   "txtsc=3.14",    "txtf=1.69",  "txtw=1.39",
                                  "txth=4.40",    "txtm5=27.41"};
    QTest::newRow("d1 22.4 m 2 z1 1") << "22.4"
                                      << "2"
                                      << "1" << example1 << QString() << QString();
    // The lenient reading takes the leading number of each box.
    QTest::newRow("leading numbers") << " 22.4mm"
                                     << "2.00"
                                     << "1头" << example1 << QString() << QString();

    // Module 5 has no wire row: no wire and no M value over it.
    QTest::newRow("no wire row") << "50"
                                 << "5"
                                 << "4" << QStringList{"txtd0=--",       "txtm5=--",    "txtq= 10",     "txtc10= 21",
                                                       "txtc20= 48",     "txtc30= 5",   "txtde1=60.00", "txtdi1=38.00",
                                                       "txtText1=15.71", "txttn=14.58", "txtan=18.67",  "txtsn=7.29",
                                                       "txthx=5.00",     "txtsc=7.85",  "txtf=4.22",    "txtw=3.49",
                                                       "txth=11.00"}
                                 << QString() << QString();
    QTest::newRow("2.01 has no wire row")
        << "40"
        << "2.01"
        << "1" << QStringList{"txtd0=--", "txtm5=--", "txtq= 19.9005", "txtde1=44.02", "txth=4.42"} << QString()
        << QString();
    // Seconds that round to 60 carry into the minutes, and on into the degrees.
    QTest::newRow("0 54 60 shows 0 55 0")
        << "125"
        << "2"
        << "1" << QStringList{"txtd0= 3.468",  "txtq= 62.5",    "txtc10= 0",  "txtc20= 55",  "txtc30= 0",
                              "txtde1=129.00", "txtdi1=120.20", "txttn=6.28", "txtan=20.00", "txtm5=129.98"}
        << QString() << QString();
    QTest::newRow("0 59 60 shows 1 0 0") << "57.29"
                                         << "1"
                                         << "1" << QStringList{"txtd0= 1.732", "txtc10= 1", "txtc20= 0", "txtc30= 0"}
                                         << QString() << QString();
    // Single precision: q keeps 7 digits, and the M value 21.114996 stored as
    // a float shows 21.115 and then 21.12 (a double would show 21.11).
    QTest::newRow("m 0.3 wire without leading zero")
        << "20"
        << "0.3"
        << "1" << QStringList{"txtd0= .511", "txtq= 66.66666", "txtc10= 0", "txtc20= 51", "txtc30= 34",
                              "txtf=0.25",   "txtw=0.21",      "txth=0.66", "txtm5=20.71"}
        << QString() << QString();
    QTest::newRow("single-precision M value")
        << "20"
        << "0.4"
        << "1" << QStringList{"txtd0= .724", "txtq= 50", "txtm5=21.12"} << QString() << QString();
    QTest::newRow("m 0.7") << "30"
                           << "0.7"
                           << "2" << QStringList{"txtd0= 1.441", "txtq= 42.85714"} << QString() << QString();
    QTest::newRow("m 0.8") << "30"
                           << "0.8"
                           << "2" << QStringList{"txtd0= 1.441", "txtq= 37.5"} << QString() << QString();
    QTest::newRow("no starts") << "50"
                               << "2"
                               << "0" << QStringList{"txtc10= 0",     "txtc20= 0",   "txtc30= 0", "txttn=6.28",
                                                     "txtText1=6.28", "txtan=20.00", "txtsn=3.14"}
                               << QString() << QString();
    QTest::newRow("negative starts") << "50"
                                     << "2"
                                     << "-1" << QStringList{"txtc10=-3", "txtc20= 42", "txtc30= 34", "txtq= 25"}
                                     << QString() << QString();

    // Refused: a module or reference diameter of 0, a box without a leading
    // number or with a decimal comma, a number beyond single precision.
    const QString number = quorvil::notes::number(), positive = quorvil::notes::nonZero(),
                  large = quorvil::notes::tooLarge();
    QTest::newRow("module 0") << "22.4"
                              << "0"
                              << "1" << QStringList{} << "txtmc" << positive;
    QTest::newRow("diameter 0") << "0"
                                << "2"
                                << "1" << QStringList{} << "txtdf" << positive;
    QTest::newRow("empty boxes") << ""
                                 << ""
                                 << "" << QStringList{} << "txtmc" << number;
    QTest::newRow("empty starts") << "22.4"
                                  << "2"
                                  << "" << QStringList{} << "txtz1" << number;
    QTest::newRow("letters") << "abc"
                             << "m2"
                             << "1" << QStringList{} << "txtmc" << number;
    QTest::newRow("decimal comma") << "22,4"
                                   << "2"
                                   << "1" << QStringList{} << "txtdf" << quorvil::notes::decimalPoint();
    QTest::newRow("beyond single precision") << "1e39"
                                             << "2"
                                             << "1" << QStringList{} << "txtdf" << large;
    QTest::newRow("root diameter beyond single precision") << "-3e38"
                                                           << "2e37"
                                                           << "1" << QStringList{} << "txtdf" << large;
    QTest::newRow("quotient beyond single precision") << "1e10"
                                                      << "1e-30"
                                                      << "1" << QStringList{} << "txtmc" << large;
}

void TestForm11::calculate() {
    QFETCH(QString, d1);
    QFETCH(QString, m);
    QFETCH(QString, z1);
    QFETCH(QStringList, shown);
    QFETCH(QString, at);
    QFETCH(QString, note);

    for (const QString& n : kResults) p.type(n, kUntouched);
    // Pasted, as typing cannot enter every character.
    p.box("txtdf")->insert(d1);
    p.box("txtmc")->insert(m);
    p.box("txtz1")->insert(z1);

    p.click("Command2");

    QSet<QString> expected;
    for (const QString& s : shown) {
        expected.insert(s.left(s.indexOf('=')));
        QVERIFY2(kResults.contains(s.left(s.indexOf('='))), qPrintable(s));
    }
    for (const QString& s : shown) {
        const int eq = int(s.indexOf('='));
        QCOMPARE(p.text(s.left(eq)), s.mid(eq + 1));
    }
    // A refused press changes no box; otherwise every box was written.
    if (!note.isEmpty()) QVERIFY2(p.refused(at, note), p.why());
    for (const QString& n : kResults) {
        if (!note.isEmpty())
            QCOMPARE(p.text(n), kUntouched);
        else
            QVERIFY2(p.text(n) != kUntouched, qPrintable(n));
    }
    QCOMPARE(p.text("txtdf"), d1);
    QCOMPARE(p.text("txtmc"), m);
    QCOMPARE(p.text("txtz1"), z1);
}

// Every press answers for the inputs on screen: after a first press and a
// second one, the window shows what the second alone shows in a fresh one.
void TestForm11::noTextOfAnEarlierPress_data() {
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("second");
    const QStringList withWire = {"txtdf=22.4", "txtmc=2", "txtz1=1", "click:Command2"};
    QTest::newRow("module 5 has no wire row")
        << withWire << QStringList{"txtdf=50", "txtmc=5", "txtz1=4", "click:Command2"};
    QTest::newRow("module 2.01 has no wire row")
        << withWire << QStringList{"txtdf=40", "txtmc=2.01", "txtz1=1", "click:Command2"};
}

void TestForm11::noTextOfAnEarlierPress() {
    QFETCH(QStringList, first);
    QFETCH(QStringList, second);
    const QString stale = staleAfter(first, second);
    QVERIFY2(stale.isEmpty(), qPrintable(stale));
}

void TestForm11::resultBoxesFormatWhatIsTyped_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("formats") << "txtde1"
                             << "3"
                             << "3.00";
    QTest::newRow("half away from zero") << "txtm5"
                                         << "-.005"
                                         << "-0.01";
    QTest::newRow("no number") << "txtan"
                               << "abc"
                               << "abc";
    QTest::newRow("quotient keeps its text") << "txtq"
                                             << "3"
                                             << "3";
    QTest::newRow("seconds keep their text") << "txtc30"
                                             << " 60"
                                             << " 60";
}

void TestForm11::resultBoxesFormatWhatIsTyped() {
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    p.box(name)->insert(typed);
    QTest::keyClick(p.box(name), Qt::Key_Return);
    QCOMPARE(p.text(name), shown);
}

void TestForm11::prints() {
    QList<QImage> printed;
    quorvil::setPrintSink([&printed](const QImage& image) { printed.append(image); });
    const auto noSink = qScopeGuard([] { quorvil::setPrintSink({}); });
    p.type("txtdf", "22.4");
    p.click("Command1");
    QCOMPARE(printed.size(), 1);
    QCOMPARE(printed[0].size() / printed[0].devicePixelRatio(), w->size());
    QCOMPARE(p.text("txtdf"), QStringLiteral("22.4"));
    QCOMPARE(p.text("txtde1"), QString());
}

QUORVIL_UI_TEST_MAIN(TestForm11)
#include "tst_form11.moc"
