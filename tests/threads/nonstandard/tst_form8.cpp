#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>

#include "common/ui/printing.h"
#include "common/ui/refusal.h"
#include "common/ui/tabcontainer.h"
#include "threads/nonstandard/Form8.h"
#include "uitest.h"
#include "windowtest.h"

// Every box of the window, by design name.
static const QStringList kBoxes = {"sz1",  "sz2",  "sz3",  "sz4",  "sz5",  "sz6",  "sz7",  "sz8",
                                   "sz10", "sz20", "sz30", "sz40", "sz50", "sz60", "sz70", "sz80"};

class TestForm8 : public quorvil::test::WindowTest<Form8> {
    Q_OBJECT
private slots:
    void opensAsDesigned();
    void buttons_data();
    void buttons();
    void resultBoxesFormatWhatIsTyped_data();
    void resultBoxesFormatWhatIsTyped();
    void wireListsChangeNothing();
    void printsBothTabs();
    void pitchDiameterCaptionKeepsItsWords();

private:
    QMap<QString, QString> allTexts() const { return p.texts(kBoxes); }
};

void TestForm8::opensAsDesigned() {
    QCOMPARE(w->windowTitle(), QStringLiteral("20.通用三针直径M值计算"));
    auto* tabs = p.get<quorvil::TabContainer>("SSTab1");
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->currentIndex(), 1);
    for (const QString& n : kBoxes) QVERIFY2(p.text(n).isEmpty(), qPrintable(n));
    for (const char* name : {"Combo1", "txtw27"}) {
        auto* list = p.get<QComboBox>(name);
        QVERIFY(!list->isEditable());
        QCOMPARE(list->currentIndex(), -1);
        // The standard wires, smallest first (their table is tested with
        // the three-wire formulas).
        QCOMPARE(list->count(), 32);
        QCOMPARE(list->itemText(0), QStringLiteral("0.511"));
        QCOMPARE(list->itemText(31), QStringLiteral("4.773"));
    }
}

// A button with the boxes typed before it; `expected` is the text of its
// result box afterwards. Boxes of other frames are filled with numbers that
// would change the result if they were read.
void TestForm8::buttons_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("typed");  // name=text
    QTest::addColumn<QString>("resultBox");
    QTest::addColumn<QString>("expected");  // the result, or the box refused
    QTest::addColumn<QString>("note");      // the note of a refused press

    QTest::newRow("best wire mm 1.5 60") << "Command3" << QStringList{"sz1=1.5", "sz2=60"} << "sz3"
                                         << "0.866" << QString();
    QTest::newRow("best wire mm 8 55") << "Command3" << QStringList{"sz1=8", "sz2=55"} << "sz3"
                                       << "4.509" << QString();
    QTest::newRow("best wire mm blanks and .5") << "Command3" << QStringList{"sz1= .5 ", "sz2=60"} << "sz3"
                                                << "0.289" << QString();
    QTest::newRow("best wire tpi 8 60") << "Command6" << QStringList{"sz10=8", "sz20=60"} << "sz30"
                                        << "1.833" << QString();
    QTest::newRow("best wire tpi 4 29") << "Command6" << QStringList{"sz10=4", "sz20=29"} << "sz30"
                                        << "3.279" << QString();

    QTest::newRow("M mm 60") << "Command2" << QStringList{"sz4=2", "sz5=60", "sz6=1.157", "sz7=18.701"} << "sz8"
                             << "20.440" << QString();
    QTest::newRow("M mm 30") << "Command2" << QStringList{"sz4=2", "sz5=30", "sz6=1.047", "sz7=9"} << "sz8"
                             << "10.360" << QString();
    QTest::newRow("M mm negative") << "Command2" << QStringList{"sz4=1", "sz5=60", "sz6=0.1", "sz7=0.5"} << "sz8"
                                   << "-0.066" << QString();
    QTest::newRow("M tpi 8 60") << "Command5" << QStringList{"sz40=8", "sz50=60", "sz60=1.833", "sz70=18"} << "sz80"
                                << "20.749" << QString();
    QTest::newRow("M tpi 6 29") << "Command5" << QStringList{"sz40=6", "sz50=29", "sz60=2.217", "sz70=40"} << "sz80"
                                << "42.887" << QString();

    // Negative numbers are computed with as typed.
    QTest::newRow("best wire negative pitch") << "Command3" << QStringList{"sz1=-1.5", "sz2=60"} << "sz3"
                                              << "-0.866" << QString();

    // Inputs that give no result are refused: every box stays as it was, and
    // the note stands beside the box named.
    const QString number = quorvil::notes::number(), positive = quorvil::notes::nonZero(),
                  large = quorvil::notes::tooLarge();
    QTest::newRow("best wire empty pitch") << "Command3" << QStringList{"sz2=60"} << "sz3"
                                           << "sz1" << number;
    QTest::newRow("best wire letters") << "Command3" << QStringList{"sz1=1.5mm", "sz2=60"} << "sz3"
                                       << "sz1" << number;
    QTest::newRow("best wire decimal comma") << "Command3" << QStringList{"sz1=1,5", "sz2=60"} << "sz3"
                                             << "sz1" << quorvil::notes::decimalPoint();
    QTest::newRow("best wire angle 0") << "Command3" << QStringList{"sz1=1.5", "sz2=0"} << "sz3"
                                       << "sz2" << positive;
    QTest::newRow("best wire pitch 0") << "Command3" << QStringList{"sz1=0", "sz2=60"} << "sz3"
                                       << "sz1" << positive;
    QTest::newRow("best wire overflow") << "Command3" << QStringList{"sz1=1e308", "sz2=179"} << "sz3"
                                        << "sz1" << large;
    QTest::newRow("best wire angle overflow") << "Command3" << QStringList{"sz1=1", "sz2=1.7e308"} << "sz3"
                                              << "sz2" << large;
    QTest::newRow("best wire tpi 0") << "Command6" << QStringList{"sz10=0", "sz20=60"} << "sz30"
                                     << "sz10" << positive;
    QTest::newRow("best wire tiny tpi") << "Command6" << QStringList{"sz10=1e-310", "sz20=60"} << "sz30"
                                        << "sz10" << large;
    QTest::newRow("best wire tpi lone minus") << "Command6" << QStringList{"sz10=-", "sz20=60"} << "sz30"
                                              << "sz10" << number;
    QTest::newRow("M angle 0") << "Command2" << QStringList{"sz4=2", "sz5=0", "sz6=1.157", "sz7=18.701"} << "sz8"
                               << "sz5" << positive;
    QTest::newRow("M angle near 0") << "Command2" << QStringList{"sz4=2", "sz5=1e-320", "sz6=1.157", "sz7=18.701"}
                                    << "sz8"
                                    << "sz5" << large;
    QTest::newRow("M empty wire") << "Command2" << QStringList{"sz4=2", "sz5=60", "sz7=18.701"} << "sz8"
                                  << "sz6" << number;
    QTest::newRow("M overflow") << "Command2" << QStringList{"sz4=1", "sz5=60", "sz6=1e308", "sz7=1.5e308"} << "sz8"
                                << "sz7" << large;
    QTest::newRow("M tpi 0") << "Command5" << QStringList{"sz40=0", "sz50=60", "sz60=1.833", "sz70=18"} << "sz80"
                             << "sz40" << positive;
    QTest::newRow("M tpi empty diameter") << "Command5" << QStringList{"sz40=8", "sz50=60", "sz60=1.833"} << "sz80"
                                          << "sz70" << number;
}

void TestForm8::buttons() {
    QFETCH(QString, button);
    QFETCH(QStringList, typed);
    QFETCH(QString, resultBox);
    QFETCH(QString, expected);
    QFETCH(QString, note);

    // Decoys: every box that the button must not read holds a number, so a
    // handler that read across frames or tabs would show a wrong result.
    for (const QString& n : kBoxes) p.type(n, "7");
    for (const char* n : {"sz3", "sz8", "sz30", "sz80"}) p.type(n, "9.999");
    // Clear the button's own frame, then type what the row gives.
    const QMap<QString, QStringList> frame = {{"Command3", {"sz1", "sz2"}},
                                              {"Command6", {"sz10", "sz20"}},
                                              {"Command2", {"sz4", "sz5", "sz6", "sz7"}},
                                              {"Command5", {"sz40", "sz50", "sz60", "sz70"}}};
    for (const QString& n : frame[button]) p.type(n, QString());
    for (const QString& t : typed) {
        const int eq = int(t.indexOf('='));
        p.keys(t.left(eq), t.mid(eq + 1));
    }
    const auto before = allTexts();

    p.click(button);

    auto after = allTexts();
    if (!note.isEmpty()) {
        QVERIFY2(p.refused(expected, note), p.why());
        QCOMPARE(after, before);
    } else {
        QCOMPARE(after[resultBox], expected);
        after[resultBox] = before[resultBox];
        QCOMPARE(after, before);  // no other box changed
    }
}

void TestForm8::resultBoxesFormatWhatIsTyped_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("whole number") << "sz3"
                                  << "1.5"
                                  << "1.500";
    QTest::newRow("rounds half away") << "sz8"
                                      << "2.0625"
                                      << "2.063";
    QTest::newRow("negative") << "sz30"
                              << "-.0655"
                              << "-0.066";
    QTest::newRow("no number stays") << "sz80"
                                     << "abc"
                                     << "abc";
}

void TestForm8::resultBoxesFormatWhatIsTyped() {
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    p.type(name, typed);
    QCOMPARE(p.text(name), shown);
    // The input boxes keep what is typed.
    p.type("sz1", typed);
    QCOMPARE(p.text("sz1"), typed);
}

void TestForm8::wireListsChangeNothing() {
    p.type({"sz6=1.157", "sz60=1.833"});
    const auto before = allTexts();
    for (const char* name : {"Combo1", "txtw27"})
        for (int i : {0, 13, 31}) p.pick(name, i);
    QCOMPARE(allTexts(), before);
}

void TestForm8::printsBothTabs() {
    QList<QImage> printed;
    quorvil::setPrintSink([&printed](const QImage& image) { printed.append(image); });
    const auto noSink = qScopeGuard([] { quorvil::setPrintSink({}); });
    p.type("sz8", "20.44");
    const auto before = allTexts();
    auto* tabs = p.get<quorvil::TabContainer>("SSTab1");
    tabs->setCurrentIndex(0);
    p.click("Command1");
    tabs->setCurrentIndex(1);
    p.click("Command4");
    QCOMPARE(printed.size(), 2);
    for (const QImage& image : printed) QCOMPARE(image.size() / image.devicePixelRatio(), w->size());
    QVERIFY(printed[0] != printed[1]);  // each shows the tab in front
    QCOMPARE(allTexts(), before);
    QCOMPARE(tabs->currentIndex(), 1);
}

// The long caption of the pitch diameter box reads in two lines, "中径" and
// the bracket whole on the second, in the installed face: no word split and
// no last character left alone on a third line.
void TestForm8::pitchDiameterCaptionKeepsItsWords() {
    const QString caption = QStringLiteral("输入外螺纹理论中径值(不含公差)");
    int found = 0;
    for (QLabel* l : w->findChildren<QLabel*>()) {
        QString text = l->text();
        if (text.remove(u'\n') != caption) continue;
        ++found;
        QStringList lines;
        for (const QString& paragraph : l->text().split(u'\n'))
            lines << quorvil::test::wrappedLines(paragraph, l->font(), l->contentsRect().width());
        QCOMPARE(lines, QStringList({QStringLiteral("输入外螺纹理论"), QStringLiteral("中径值(不含公差)")}));
        QVERIFY(lines.size() * QFontMetrics(l->font()).lineSpacing() <= l->contentsRect().height());
    }
    QCOMPARE(found, 2);  // one on each tab
}

QUORVIL_UI_TEST_MAIN(TestForm8)
#include "tst_form8.moc"
