// The trapezoidal thread window as a user works it.
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSignalSpy>

#include "common/ui/captionframe.h"
#include "common/ui/formatbox.h"
#include "common/ui/printing.h"
#include "common/ui/refusal.h"
#include "common/ui/tabcontainer.h"
#include "common/ui/twips.h"
#include "threads/trapezoidal/Form2.h"
#include "uitest.h"
#include "windowtest.h"

namespace {
using Texts = QMap<QString, QString>;

const QStringList kFormatted = {"Text6",  "Text7",  "Text8",  "Text9",  "Text11", "Text12", "Text13",
                                "Text14", "txtT12", "txtT14", "txtT23", "txtT24", "txtT25", "txtT26",
                                "txtT27", "txtT28", "txtT29", "txtT30", "txtT31", "txtT32"};
const QStringList kExternal = {"T1", "T2", "T3", "T4", "T5", "T6", "T7"};
}  // namespace

class TestForm2 : public quorvil::test::WindowTest<Form2> {
    Q_OBJECT
private slots:
    void opensAsDesigned();
    void classButtons();
    void classButtons_data();
    void mValues();
    void mValues_data();
    void clearWritesOneBlank();
    void typingUnpicksTheList();
    void printBothTabs();
    void internal7H();
    void internalOtherClasses();
    void internalOtherClasses_data();
    void refusedInputChangesNothing();
    void refusedInputChangesNothing_data();
    void noRoundedTolerance();
    void wiresFromTheBoxes();
    void coarsePitches();
    void coarsePitches_data();
    void noTextOfAnEarlierPress();
    void noTextOfAnEarlierPress_data();
    void singlePrecisionMinor();
    void optionAloneChangesNothing();
    void enterPressesCalculate();
    void separatorLinesShow_data();
    void separatorLinesShow();

private:
    // Nothing picked (-1) is how the window opens.
    void pick(int position) const {
        if (position >= 0) p.pick(QStringLiteral("Combo2"), position);
    }
    quorvil::TabContainer* tabs() const { return p.get<quorvil::TabContainer>(QStringLiteral("SSTab1")); }
    Texts allBoxes() const {
        Texts t;
        for (QLineEdit* b : w->findChildren<QLineEdit*>())
            if (!b->objectName().isEmpty()) t[b->objectName()] = b->text();
        return t;
    }
    void calculate(const QString& d, const QString& P, const QString& option = "Op7") const {
        p.keys("Text3", d);
        p.keys("Text4", P);
        p.click(option);
        p.click("Command1");
    }
};

void TestForm2::opensAsDesigned() {
    QCOMPARE(w->windowTitle(), QStringLiteral("11.梯形螺纹(牙形角30°)"));
    QCOMPARE(tabs()->count(), 2);
    QCOMPARE(tabs()->currentIndex(), kForm2StartTab);
    auto* combo = p.get<QComboBox>("Combo2");
    QCOMPARE(combo->count(), 142);
    QCOMPARE(combo->currentIndex(), -1);
    QCOMPARE(combo->currentText(), QString());
    QCOMPARE(combo->itemText(0), QStringLiteral("第一系列"));
    QCOMPARE(combo->itemText(64), QStringLiteral("第二系列"));
    QCOMPARE(combo->itemText(141), QStringLiteral("Tr290×12"));
    QVERIFY(p.get<QRadioButton>("Op7")->isChecked());
    QVERIFY(!p.get<QRadioButton>("Op8")->isChecked());
    for (const auto& [name, text] : allBoxes().asKeyValueRange()) QVERIFY2(text.isEmpty(), qPrintable(name));
    int formatted = 0;
    for (QLineEdit* b : w->findChildren<QLineEdit*>()) {
        if (b->objectName().isEmpty()) continue;
        const bool isFormat = dynamic_cast<quorvil::FormatBox*>(b) != nullptr;
        QCOMPARE(isFormat, kFormatted.contains(b->objectName()));
        formatted += isFormat;
    }
    QCOMPARE(formatted, 20);
    // the options can be chosen in turn and back
    p.click("Op9");
    p.click("Op7");
    QVERIFY(p.get<QRadioButton>("Op7")->isChecked());
    QVERIFY(!p.get<QRadioButton>("Op9")->isChecked());
}

void TestForm2::classButtons_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("texts");  // empty: nothing written
    QTest::addRow("Tr8x1.5 7h") << 1 << "CommandT7h" << QStringList{"8-0.15", "7.25-0.17", "6.2-0.212"};
    QTest::addRow("Tr8x1.5 7e") << 1 << "CommandT7e" << QStringList{"8-0.15", "7.25(-0.067/-0.237)", "6.2-0.279"};
    QTest::addRow("Tr8x1.5 8e") << 1 << "CommandT8e" << QStringList{"8-0.15", "7.25(-0.067/-0.279)", "6.2-0.332"};
    QTest::addRow("Tr8x1.5 8c") << 1 << "CommandT8c" << QStringList{"8-0.15", "7.25(-0.14/-0.352)", "6.2-0.405"};
    QTest::addRow("Tr80x4 8e") << 42 << "CommandT8e" << QStringList{"80-0.3", "78(-0.095/-0.47)", "75.5-0.564"};
    QTest::addRow("Tr200x18 8e") << 61 << "CommandT8e" << QStringList{"200-0.80", "191(-0.20/-1.0)", "180-1.2"};
    QTest::addRow("Tr290x44 7h") << 140 << "CommandT7h" << QStringList{"290-1.4", "268-0.90", "244-1.125"};
    QTest::addRow("first header") << 0 << "CommandT7h" << QStringList{};
    QTest::addRow("second header") << 64 << "CommandT8c" << QStringList{};
    QTest::addRow("no pick") << -1 << "CommandT7e" << QStringList{};
}

void TestForm2::classButtons() {
    QFETCH(int, position);
    QFETCH(QString, button);
    QFETCH(QStringList, texts);
    for (const char* n : {"T1", "T2", "T3"}) p.type(QLatin1String(n), QStringLiteral("earlier ") + QLatin1String(n));
    pick(position);
    p.click(button);
    if (texts.isEmpty()) texts = QStringList{"earlier T1", "earlier T2", "earlier T3"};
    QCOMPARE(p.text("T1"), texts[0]);
    QCOMPARE(p.text("T2"), texts[1]);
    QCOMPARE(p.text("T3"), texts[2]);
    for (const char* n : {"T4", "T5", "T6", "T7"}) QCOMPARE(p.text(n), QString());
}

void TestForm2::mValues_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QStringList>("texts");  // empty: nothing written
    const QStringList none{"--", "--", "--", "--"};
    QTest::addRow("Tr8x1.5") << 1 << QStringList{"0.796", "8.32", "0.866", "8.66"};
    QTest::addRow("Tr10x2") << 2 << QStringList{"1.047", "10.36", "1.157", "10.9"};
    QTest::addRow("Tr60x9") << 34 << QStringList{"4.4", "60.11", "4.773", "61.92"};
    QTest::addRow("Tr55x9") << 97 << QStringList{"4.4", "55.11", "4.773", "56.92"};
    QTest::addRow("Tr230x8") << 132 << QStringList{"4.141", "231.21", "4.211", "231.55"};
    QTest::addRow("Tr32x10, no row") << 17 << none;
    QTest::addRow("Tr18x2, no row") << 72 << none;
    QTest::addRow("header") << 64 << QStringList{};
    QTest::addRow("no pick") << -1 << QStringList{};
}

void TestForm2::mValues() {
    QFETCH(int, position);
    QFETCH(QStringList, texts);
    p.click("CommandT1");
    pick(position);
    p.click("CommandTM");
    if (texts.isEmpty()) texts = QStringList{" ", " ", " ", " "};
    QCOMPARE(p.text("T4"), texts[0]);
    QCOMPARE(p.text("T5"), texts[1]);
    QCOMPARE(p.text("T6"), texts[2]);
    QCOMPARE(p.text("T7"), texts[3]);
    QCOMPARE(p.text("T1"), QStringLiteral(" "));
}

void TestForm2::clearWritesOneBlank() {
    calculate("40", "6");
    const Texts internal = allBoxes();
    tabs()->setCurrentIndex(0);
    pick(22);
    p.click("CommandT8c");
    p.click("CommandTM");
    p.click("CommandT1");
    for (const QString& n : kExternal) QCOMPARE(p.text(n), QStringLiteral(" "));
    QCOMPARE(p.get<QComboBox>("Combo2")->currentIndex(), 22);
    Texts after = allBoxes();
    for (const QString& n : kExternal) after.remove(n);
    Texts before = internal;
    for (const QString& n : kExternal) before.remove(n);
    QCOMPARE(after, before);
    // the size is still picked, so the buttons fill the boxes again
    p.click("CommandT8c");
    p.click("CommandTM");
    QCOMPARE(p.text("T2"), QStringLiteral("36.5(-0.25/-0.7)"));
    QCOMPARE(p.text("T4"), QStringLiteral("3.666"));
}

void TestForm2::typingUnpicksTheList() {
    auto* combo = p.get<QComboBox>("Combo2");
    pick(1);
    QTest::keyClicks(combo->lineEdit(), "x");
    QCOMPARE(combo->currentIndex(), -1);
    QCOMPARE(combo->currentText(), QStringLiteral("Tr8×1.5(优选螺距)x"));
    // the exact text of an item picks nothing either, also with Enter
    combo->lineEdit()->selectAll();
    QTest::sendKeyEvent(QTest::Click, combo->lineEdit(), Qt::Key_unknown, QStringLiteral("Tr10×2(优选螺距)"),
                        Qt::NoModifier);
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    QCOMPARE(combo->currentIndex(), -1);
    QCOMPARE(combo->count(), 142);
    p.click("CommandT7h");
    p.click("CommandTM");
    for (const QString& n : kExternal) QCOMPARE(p.text(n), QString());
    pick(2);
    p.click("CommandT7h");
    QCOMPARE(p.text("T3"), QStringLiteral("7.5-0.238"));
}

void TestForm2::printBothTabs() {
    QList<QImage> printed;
    quorvil::setPrintSink([&](const QImage& img) { printed << img; });
    const auto noSink = qScopeGuard([] { quorvil::setPrintSink({}); });
    pick(1);
    p.click("CommandT7h");
    const QImage external = w->grab().toImage();
    p.click("Commandtd");
    tabs()->setCurrentIndex(1);
    calculate("40", "6");
    const Texts before = allBoxes();
    const QImage internal = w->grab().toImage();
    p.click("Command3");
    QCOMPARE(printed.size(), 2);
    QCOMPARE(printed[0].convertToFormat(QImage::Format_RGB32), external.convertToFormat(QImage::Format_RGB32));
    QCOMPARE(printed[1].convertToFormat(QImage::Format_RGB32), internal.convertToFormat(QImage::Format_RGB32));
    QVERIFY(printed[0] != printed[1]);
    QCOMPARE(tabs()->currentIndex(), 1);
    QCOMPARE(allBoxes(), before);
}

void TestForm2::internal7H() {
    calculate("40", "6");
    // d 40 has no gauge thread lengths for P 6
    const Texts expected = {
        {"Text5", "3.106"},   {"Text10", "3.177"},  {"Text1", ""},        {"Text2", ""},        {"txtT10", " 41"},
        {"txtT11", " 37"},    {"txtT12", "0.450"},  {"txtT13", " 34"},    {"txtT14", "0.500"},  {"txtT23", "40.061"},
        {"txtT24", "-0.052"}, {"txtT25", "38.689"}, {"txtT26", "-0.052"}, {"Text6", "37.048"},  {"txtT28", "-0.026"},
        {"Text7", "37.476"},  {"txtT31", "-0.026"}, {"txtT27", "40.960"}, {"Text11", "41.305"}, {"txtT30", "41.388"},
        {"Text12", "41.733"}, {"Text8", "36.996"},  {"Text9", "37.435"},  {"txtT29", "40.908"}, {"Text13", "41.253"},
        {"txtT32", "41.347"}, {"Text14", "41.692"}, {"txtT40", " 33"},    {"txtT41", " 33"},    {"Text3", "40"},
        {"Text4", "6"},
    };
    Texts shown = allBoxes();
    for (const QString& n : kExternal) QCOMPARE(shown.take(n), QString());
    QCOMPARE(shown, expected);
}

void TestForm2::internalOtherClasses_data() {
    QTest::addColumn<QString>("d");
    QTest::addColumn<QString>("P");
    QTest::addColumn<QString>("option");
    QTest::addColumn<Texts>("expected");
    QTest::addRow("40x6 8H") << "40"
                             << "6"
                             << "Op8" << Texts{{"txtT12", "0.560"}, {"txtT24", "-0.064"}, {"Text6", "37.062"},
                                               {"Text7", "37.592"}, {"txtT25", "38.808"}, {"txtT23", "40.078"},
                                               {"Text8", "36.998"}, {"Text9", "37.543"}};
    QTest::addRow("40x6 9H")
        << "40"
        << "6"
        << "Op9" << Texts{{"txtT12", "0.710"}, {"txtT24", "-0.064"}, {"Text7", "37.742"}, {"txtT25", "38.958"}};
    // the 7H series has no 0.315
    QTest::addRow("20x3 7H") << "20"
                             << "3"
                             << "Op7" << Texts{{"txtT12", "0.300"}, {"txtT28", "-0.020"}};
    QTest::addRow("20x3 8H") << "20"
                             << "3"
                             << "Op8" << Texts{{"txtT12", "0.400"}, {"txtT28", "-0.026"}};
    QTest::addRow("20x3 9H") << "20"
                             << "3"
                             << "Op9" << Texts{{"txtT12", "0.500"}, {"txtT28", "-0.026"}};
    // computed just below 0.315: the bound of the gauge band belongs below
    QTest::addRow("10x2 8H")
        << "10"
        << "2"
        << "Op8"
        << Texts{{"txtT12", "0.315"}, {"txtT28", "-0.020"}, {"Text6", "9.033"}, {"Text8", "8.993"}, {"Text9", "9.303"}};
    QTest::addRow("200x10 9H") << "200"
                               << "10"
                               << "Op9" << Texts{{"txtT12", "1.060"}, {"txtT28", "-0.038"}};
    QTest::addRow("150x12 9H") << "150"
                               << "12"
                               << "Op9" << Texts{{"txtT12", "1.060"}};
    QTest::addRow("200x12 9H") << "200"
                               << "12"
                               << "Op9" << Texts{{"txtT12", "1.120"}};
    QTest::addRow("8x1.5 7H") << "8"
                              << "1.5"
                              << "Op7"
                              << Texts{{"txtT12", "0.224"}, {"txtT40", " 6.2"}, {"txtT41", " 6.2"}, {"Text5", "0.796"},
                                       {"Text10", "0.866"}, {"Text1", "12"},    {"Text2", "8"},     {"txtT10", " 8.3"},
                                       {"txtT11", " 7.25"}, {"txtT13", " 6.5"}, {"txtT14", "0.190"}};
    QTest::addRow("100x20 7H") << "100"
                               << "20"
                               << "Op7" << Texts{{"Text1", "140"},  {"Text2", "90"},   {"txtT10", " 102"},
                                                 {"txtT11", " 90"}, {"txtT13", " 80"}, {"txtT14", "1.180"}};
}

void TestForm2::internalOtherClasses() {
    QFETCH(QString, d);
    QFETCH(QString, P);
    QFETCH(QString, option);
    QFETCH(Texts, expected);
    calculate(d, P, option);
    const Texts shown = allBoxes();
    for (const auto& [name, text] : expected.asKeyValueRange()) QCOMPARE(shown.value(name), text);
}

void TestForm2::refusedInputChangesNothing_data() {
    using quorvil::notes::decimalPoint;
    using quorvil::notes::number;
    using quorvil::notes::positive;
    using quorvil::notes::tooLarge;
    QTest::addColumn<QString>("d");
    QTest::addColumn<QString>("P");
    QTest::addColumn<QString>("at");
    QTest::addColumn<QString>("note");
    QTest::addRow("empty d") << "" << "6" << "Text3" << number();
    QTest::addRow("empty P") << "40" << "" << "Text4" << number();
    QTest::addRow("letters") << "abc" << "6" << "Text3" << number();
    QTest::addRow("trailing text") << "40" << "6mm" << "Text4" << number();
    QTest::addRow("decimal comma d") << "1,5" << "6" << "Text3" << decimalPoint();
    QTest::addRow("decimal comma P") << "40" << "6,0" << "Text4" << decimalPoint();
    QTest::addRow("P 0") << "40" << "0" << "Text4" << positive();
    QTest::addRow("P negative") << "40" << "-6" << "Text4" << positive();
    QTest::addRow("d beyond a double") << "1e999" << "6" << "Text3" << tooLarge();
    // the single-precision gauge minor diameter would overflow
    QTest::addRow("d too large") << "1e300" << "2" << "Text3" << tooLarge();
    QTest::addRow("D1 overflows") << "-1.7e308" << "1e308" << "Text3" << tooLarge();
}

void TestForm2::refusedInputChangesNothing() {
    QFETCH(QString, d);
    QFETCH(QString, P);
    QFETCH(QString, at);
    QFETCH(QString, note);
    calculate("8", "1.5");
    p.type({"Text3=" + d, "Text4=" + P});
    const Texts before = allBoxes();
    p.click("Command1");
    QCOMPARE(allBoxes(), before);
    QVERIFY2(p.refused(at, note), p.why());
}

void TestForm2::noRoundedTolerance() {
    calculate("200", "12", "Op9");
    calculate("200", "30", "Op9");  // computed 1.607, above the series
    // D2 and D1 as always; no tolerance, so no gauge constants: every gauge
    // size and M value "--"; no crest clearance and no minor tolerance
    // either. The wires of P 12 stay in their boxes.
    Texts expected = {{"txtT11", " 185"}, {"txtT13", " 170"}, {"Text5", "6.212"}, {"Text10", "6.585"},
                      {"Text1", ""},      {"Text2", ""},      {"Text3", "200"},   {"Text4", "30"}};
    for (const char* n : {"txtT10", "txtT12", "txtT14", "txtT40", "txtT41", "Text6", "Text7", "Text8", "Text9", "Text11",
                          "Text12", "Text13", "Text14", "txtT23", "txtT24", "txtT25", "txtT26", "txtT27", "txtT28",
                          "txtT29", "txtT30", "txtT31", "txtT32"})
        expected[QLatin1String(n)] = QStringLiteral("--");
    Texts shown = allBoxes();
    for (const QString& n : kExternal) QCOMPARE(shown.take(n), QString());
    QCOMPARE(shown, expected);
}

void TestForm2::wiresFromTheBoxes() {
    // a new window and a pitch without wires: the wire boxes stay empty, the
    // M values over them have no value, the rest is filled
    calculate("40", "7");
    QCOMPARE(p.text("Text5"), QString());
    QCOMPARE(p.text("Text1"), QStringLiteral("56"));
    QCOMPARE(p.text("txtT12"), QStringLiteral("0.475"));
    QCOMPARE(p.text("Text6"), QStringLiteral("36.548"));
    for (const char* n : {"txtT27", "Text11", "txtT30", "Text12", "txtT29", "Text13", "txtT32", "Text14"})
        QCOMPARE(p.text(n), QStringLiteral("--"));
    // wires the user types are used, one without the other too
    p.type({"Text5=3.666"});
    p.click("Command1");
    QCOMPARE(p.text("txtT27"), QStringLiteral("41.317"));
    QCOMPARE(p.text("Text11"), QStringLiteral("--"));
    p.type({"Text10=4.091"});
    p.click("Command1");
    QCOMPARE(p.text("Text11"), QStringLiteral("43.385"));
    // the wires of an earlier press stay and are used again
    calculate("40", "6");
    calculate("40", "7");
    QCOMPARE(p.text("Text5"), QStringLiteral("3.106"));
    QCOMPARE(p.text("Text10"), QStringLiteral("3.177"));
    // a wire box the press reads must hold a number
    p.type("Text10", "4,091");
    Texts before = allBoxes();
    p.click("Command1");
    QCOMPARE(allBoxes(), before);
    QVERIFY2(p.refused("Text10", quorvil::notes::decimalPoint()), p.why());
    // a typed wire so large that its M values overflow: refused at the wire
    p.type({"Text10=4.091", "Text5=1e308"});
    before = allBoxes();
    p.click("Command1");
    QCOMPARE(allBoxes(), before);
    QVERIFY2(p.refused("Text5", quorvil::notes::tooLarge()), p.why());
}

// The pitch table reaches P 44, as the size list does: the size list's
// limits and the internal calculator have a major-diameter tolerance and a
// crest clearance for every pitch of the list; the minor-diameter tolerance
// table ends at P 22 and the wires at P 12.
void TestForm2::coarsePitches_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("d");
    QTest::addColumn<QString>("P");
    QTest::addColumn<QString>("major");  // T1, 7e
    QTest::addColumn<QString>("minor");  // T3, 7e
    QTest::addColumn<QString>("D4");
    QTest::addColumn<QString>("gaugeMinor");
    QTest::addRow("Tr150x24") << 119 << "150" << "24" << "150-0.95" << "124-1.074" << " 152" << " 124";
    QTest::addRow("Tr170x28") << 122 << "170" << "28" << "170-1.06" << "140-1.138" << " 172" << " 140";
    QTest::addRow("Tr190x32") << 125 << "190" << "32" << "190-1.12" << "156-1.265" << " 192" << " 156";
    QTest::addRow("Tr210x36") << 128 << "210" << "36" << "210-1.25" << "172-1.343" << " 212" << " 172";
    QTest::addRow("Tr250x40") << 134 << "250" << "40" << "250-1.32" << "208-1.363" << " 252" << " 208";
    QTest::addRow("Tr290x44") << 140 << "290" << "44" << "290-1.4" << "244-1.44" << " 292" << " 244";
}

void TestForm2::coarsePitches() {
    QFETCH(int, position);
    QFETCH(QString, d);
    QFETCH(QString, P);
    QFETCH(QString, D4);
    QFETCH(QString, gaugeMinor);
    tabs()->setCurrentIndex(0);
    pick(position);
    p.click("CommandT7e");
    QTEST(p.text("T1"), "major");
    QTEST(p.text("T3"), "minor");
    tabs()->setCurrentIndex(1);
    calculate(d, P);
    QCOMPARE(p.text("txtT10"), D4);
    QCOMPARE(p.text("txtT40"), gaugeMinor);
    QCOMPARE(p.text("txtT41"), gaugeMinor);
    QCOMPARE(p.text("txtT14"), QStringLiteral("--"));
}

// Every press answers for the inputs on screen: after an earlier press, the
// texts are what the second press alone gives, but for the boxes the window
// keeps (wires and gauge lengths the user may type) and, on the internal
// tab, the M values computed over the wires kept.
void TestForm2::noTextOfAnEarlierPress_data() {
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("second");
    QTest::addColumn<QStringList>("keeps");
    const QStringList internal{"tab:SSTab1=1"};
    const QStringList wires{"Text5", "Text10"};
    const QStringList overWires{"txtT27", "txtT29", "txtT30", "txtT32", "Text11", "Text12", "Text13", "Text14"};
    QTest::newRow("200x12 9H, then 200x30 without a preferred tolerance")
        << internal + QStringList{"Text3=200", "Text4=12", "click:Op9", "click:Command1"}
        << internal + QStringList{"Text3=200", "Text4=30", "click:Op9", "click:Command1"} << wires;
    QTest::newRow("40x6, then 100x26 without crest clearance or minor tolerance")
        << internal + QStringList{"Text3=40", "Text4=6", "click:Command1"}
        << internal + QStringList{"Text3=100", "Text4=26", "click:Command1"} << wires + overWires;
    QTest::newRow("100x20 with gauge lengths, then 100x24")
        << internal + QStringList{"Text3=100", "Text4=20", "click:Command1"}
        << internal + QStringList{"Text3=100", "Text4=24", "click:Command1"}
        << QStringList{"Text1", "Text2"};
    QTest::newRow("Tr36x6 M values, then Tr32x10 without")
        << QStringList{"tab:SSTab1=0", "pick:Combo2=19", "click:CommandTM"}
        << QStringList{"tab:SSTab1=0", "pick:Combo2=17", "click:CommandTM"} << QStringList{};
}

void TestForm2::noTextOfAnEarlierPress() {
    QFETCH(QStringList, first);
    QFETCH(QStringList, second);
    QFETCH(QStringList, keeps);
    const QString stale = staleAfter(first, second, keeps);
    QVERIFY2(stale.isEmpty(), qPrintable(stale));
}

void TestForm2::singlePrecisionMinor() {
    calculate("123.45678", "2");
    QCOMPARE(p.text("txtT40"), QStringLiteral(" 120.95678"));
    QCOMPARE(p.text("txtT41"), QStringLiteral(" 120.9568"));
    // far beyond any thread, but within the single range: still shown
    calculate("1e30", "2");
    QCOMPARE(p.text("txtT40"), QStringLiteral(" 1E+30"));
    QCOMPARE(p.text("txtT41"), QStringLiteral(" 1E+30"));
}

void TestForm2::optionAloneChangesNothing() {
    calculate("40", "6");
    const Texts before = allBoxes();
    p.click("Op8");
    tabs()->setCurrentIndex(0);
    tabs()->setCurrentIndex(1);
    QCOMPARE(allBoxes(), before);
    p.click("Command1");
    QCOMPARE(p.text("txtT12"), QStringLiteral("0.560"));
}

void TestForm2::enterPressesCalculate() {
    tabs()->setCurrentIndex(1);
    p.keys("Text3", "40");
    p.keys("Text4", "6");
    QTest::keyClick(p.box("Text4"), Qt::Key_Return);
    QCOMPARE(p.text("txtT12"), QStringLiteral("0.450"));
}

void TestForm2::separatorLinesShow_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QLine>("line");   // twips within the frame
    QTest::addColumn<int>("maxGray");  // how dark the line shows on the light page
    QTest::addRow("Line21(2)") << 0 << "Frame3_1" << QLine(0, 720, 3000, 720) << 64;
    QTest::addRow("Line21(3)") << 0 << "Frame3_1" << QLine(0, 1200, 3000, 1200) << 64;
    QTest::addRow("Line21(4)") << 0 << "Frame3_1" << QLine(0, 1740, 3000, 1740) << 64;
    QTest::addRow("Line21(1)") << 1 << "Frame3_3" << QLine(1800, 150, 1800, 945) << 64;
    QTest::addRow("Line21(0)") << 1 << "Frame3_3" << QLine(2700, 150, 2700, 945) << 64;
    QTest::addRow("Line4") << 1 << "Frame3_3" << QLine(4365, 150, 4365, 945) << 200;
}

// The separator lines show on the light page and end inside their frame,
// leaving its border whole.
void TestForm2::separatorLinesShow() {
    QFETCH(int, tab);
    QFETCH(QString, frame);
    QFETCH(QLine, line);
    QFETCH(int, maxGray);
    using quorvil::px;
    tabs()->setCurrentIndex(tab);
    auto* f = p.get<quorvil::CaptionFrame>(frame);
    const QImage image = f->grab().toImage();
    const QPoint a(px(line.x1()), px(line.y1())), b(px(line.x2()), px(line.y2()));
    const int pageGray = qGray(image.pixel(a + QPoint(5, 5)));
    QVERIFY2(qGray(image.pixel((a + b) / 2)) <= maxGray,
             qPrintable(QStringLiteral("gray %1 on a page of %2").arg(qGray(image.pixel((a + b) / 2))).arg(pageGray)));
    // The border's two lines (dark, then light to the right or below) where
    // the separator meets them are as they are a few pixels along.
    const QRect border = f->borderRect();
    const bool across = a.y() == b.y();
    const QPoint along = across ? QPoint(0, 4) : QPoint(4, 0);
    QList<QPoint> borderPixels;
    if (across) {
        for (int x : {border.left(), border.left() + 1, border.right(), border.right() + 1})
            borderPixels << QPoint(x, a.y());
    } else {
        for (int y : {border.top(), border.top() + 1, border.bottom(), border.bottom() + 1})
            borderPixels << QPoint(a.x(), y);
    }
    for (const QPoint& q : borderPixels)
        QVERIFY2(image.pixel(q) == image.pixel(q + along),
                 qPrintable(QStringLiteral("border at %1,%2").arg(q.x()).arg(q.y())));
}

QUORVIL_UI_TEST_MAIN(TestForm2)
#include "tst_form2.moc"
