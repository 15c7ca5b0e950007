// The external thread page of the metric thread window.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>

#include "common/ui/printing.h"
#include "common/ui/tabcontainer.h"
#include "threads/metric/Form15.h"
#include "uitest.h"
#include "windowtest.h"

namespace {

struct StoredCase {
    const char* option;
    int position;
    const char* box;
    const char* text;
};

// Stored texts: class option, position, box, text.
const StoredCase kStoredCases[] = {
    {"Op6hh", 2, "M12", "0.870-0.048"},
    {"Op6hh", 9, "M11", "2.5-0.10"},
    {"Op6hh", 15, "M12", "4.480-0.095"},
    {"Op6hh", 17, "M12", "5.350-0.112"},
    {"Op6hh", 18, "M12", "5.513-0.10"},
    {"Op6hh", 24, "M12", "9.350-0.112"},
    {"Op6hh", 32, "M12", "15.350-0.118"},
    {"Op6hh", 36, "M12", "19.350-0.118"},
    {"Op6hh", 40, "M12", "23.350-0.125"},
    {"Op6g", 40, "M12", "23.350(-0.026/-0.151)"},
    {"Op6hh", 44, "M12", "29.350-0.125"},
    {"Op6hh", 51, "M12", "40.051-0.20"},
    {"Op6hh", 83, "M12", "96.103-0.30"},
    {"Op6hh", 92, "M12", "121.103-0.30"},
    {"Op6hh", 132, "M11", "2.2-0.10"},
    {"Op6hh", 136, "M11", "4.5-0.140"},
    {"Op6hh", 139, "M12", "6.513-0.10"},
    {"Op6hh", 152, "M12", "25.051-0.20"},
    {"Op6hh", 160, "M12", "37.051-0.20"},
    {"Op6hh", 163, "M11", "45-0.50"},
    {"Op6hh", 165, "M12", "43.051-0.20"},
    {"Op6hh", 178, "M11", "68-0.60"},
    {"Op6hh", 183, "M11", "76-0.60"},
    {"Op6hh", 188, "M11", "85-0.60"},
    {"Op6hh", 192, "M11", "95-0.60"},
    {"Op6hh", 192, "M12", "91.103-0.30"},
    {"Op6hh", 196, "M11", "105-0.60"},
    {"Op6hh", 196, "M12", "101.103-0.30"},
    {"Op6hh", 200, "M12", "111.103-0.30"},
    {"Op6hh", 204, "M11", "120-0.60"},
    {"Op6hh", 204, "M12", "116.103-0.30"},
    {"Op6hh", 209, "M11", "130-0.60"},
    {"Op6hh", 209, "M12", "126.103-0.30"},
    {"Op6hh", 214, "M11", "150-0.60"},
    {"Op6hh", 214, "M12", "146.103-0.30"},
    {"Op6hh", 219, "M11", "170-0.60"},
    {"Op6hh", 219, "M12", "166.103-0.30"},
    {"Op6hh", 223, "M11", "190-0.60"},
    {"Op6hh", 235, "M11", "260-0.60"},
    {"Op6hh", 238, "M11", "300-0.60"},
    {"Op6e", 15, "M11", "5(-0.06/-0.210)"},
    {"Op6e", 20, "M11", "8(-0.060/-0.24)"},
    {"Op6e", 33, "M12", "18.376(-0.08/-0.250)"},
    {"Op6e", 36, "M11", "20(-0.060/-0.24)"},
    {"Op6e", 49, "M11", "42(-0.10/-0.60)"},
    {"Op6e", 49, "M12", "39.077(-0.10/-0.336)"},
    {"Op6e", 121, "M12", " 274.804(-0.14/-0.495)"},
    {"Op6e", 148, "M12", "20.376(-0.08/-0.250)"},
    {"Op6e", 163, "M11", "45(-0.1/-0.60)"},
    {"Op6e", 189, "M11", "85(-0.095/-0.570)"},
    {"Op6e", 199, "M12", "103.701(-0.071 /-0.261 )"},
    {"Op6e", 208, "M12", " 124.804(-0.14/-0.475)"},
    {"Op6e", 214, "M11", "150(-0.118/-0. 718)"},
    {"Op6e", 227, "M11", "210(-0.118 /-0.718)"},
    {"Op6f", 15, "M12", "4.480(-0.038/-0.133)"},
    {"Op6f", 44, "M12", "29.350(-0.04/-0.165)"},
    {"Op6f", 93, "M11", "125(-0.075/-0.550)"},
};

const QStringList kBoxes = {"M11", "M12", "M13", "M14", "M15", "M16", "M17"};

}  // namespace

class TestForm15External : public quorvil::test::WindowTest<Form15> {
    Q_OBJECT
private slots:
    void freshPage();
    void sizeListItems();
    void limits_data();
    void limits();
    void storedTexts();
    void noSizeKeepsText_data();
    void noSizeKeepsText();
    void sizeWithoutRow_data();
    void sizeWithoutRow();
    void pickAloneChangesNothing();
    void clickOnSelectedOptionFillsAgain();
    void mValues();
    void clearKeepsPickAndOption();
    void typedTextStaysUntilNextFill();
    void printsThePage();

private:
    // Picks a list item on the external thread page, brought to the front.
    void pick(int position) const {
        w->SSTab1->setCurrentIndex(1);
        p.pick(QStringLiteral("Combo1"), position);
    }
    QStringList texts() const {
        QStringList t;
        for (const QString& n : kBoxes) t << p.text(n);
        return t;
    }
};

void TestForm15External::freshPage() {
    QCOMPARE(p.get<QComboBox>("Combo1")->currentIndex(), -1);
    for (const char* o : {"Op6hh", "Op6e", "Op6f", "Op6g"}) QVERIFY(!p.get<QRadioButton>(o)->isChecked());
    for (const QString& n : kBoxes) QVERIFY(p.box(n)->text().isEmpty());
    // Nothing picked: no class and no M values.
    for (const char* b : {"Op6g", "Op6hh", "Op6e", "Op6f", "CommandM"}) p.click(b);
    for (const QString& n : kBoxes) QVERIFY(p.box(n)->text().isEmpty());
}

void TestForm15External::sizeListItems() {
    auto* c = p.get<QComboBox>("Combo1");
    QCOMPARE(c->count(), 241);
    QVERIFY(!c->isEditable());
    QCOMPARE(c->itemText(0), QString("第一系列"));
    QCOMPARE(c->itemText(22), QString("M10×1.5-粗牙"));
    QCOMPARE(c->itemText(17), QString("M6×1  --粗牙"));
    QCOMPARE(c->itemText(125), QString("第二系列"));
    QCOMPARE(c->itemText(139), QString("M7.0×0.75"));
    QCOMPARE(c->itemText(240), QString("\t"));
}

void TestForm15External::limits_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("m11");
    QTest::addColumn<QString>("m12");
    QTest::addColumn<QString>("m13");
    QTest::newRow("22 6h") << 22 << "Op6hh"
                           << "10-0.236"
                           << "9.026-0.132"
                           << "8.376";
    QTest::newRow("22 6g") << 22 << "Op6g"
                           << "10(-0.032/-0.268)"
                           << "9.026(-0.032/-0.164)"
                           << "8.376";
    QTest::newRow("22 6e") << 22 << "Op6e"
                           << "10(-0.067/-0.303)"
                           << "9.026(-0.067/-0.199)"
                           << "8.376";
    QTest::newRow("22 6f") << 22 << "Op6f"
                           << "10(-0.045/-0.281)"
                           << "9.026(-0.045/-0.177)"
                           << "8.376";
    QTest::newRow("1 6h") << 1 << "Op6hh"
                          << "1-0.067"
                          << "0.838-0.053"
                          << "0.729";
    QTest::newRow("138 M7.0 6h") << 138 << "Op6hh"
                                 << "7-0.18"
                                 << "6.35-0.112"
                                 << "5.917";
    QTest::newRow("121 6g") << 121 << "Op6g"
                            << "280(-0.1/-0.81)"
                            << "274.804(-0.1/-0.455)"
                            << "271.34";
    QTest::newRow("9 6f") << 9 << "Op6f"
                          << "2.5(-0.035/-0.135)"
                          << "2.208(-0.035/-0.106)"
                          << "2.013";
    QTest::newRow("200 6h rule") << 200 << "Op6hh"
                                 << "115-0.6"
                                 << "111.103-0.30"
                                 << "108.505";
    QTest::newRow("20 6e") << 20 << "Op6e"
                           << "8(-0.060/-0.24)"
                           << "7.35(-0.06/-0.172)"
                           << "6.917";
}

void TestForm15External::limits() {
    QFETCH(int, position);
    QFETCH(QString, option);
    pick(position);
    p.click(option);
    QFETCH(QString, m11);
    QFETCH(QString, m12);
    QFETCH(QString, m13);
    QCOMPARE(p.box("M11")->text(), m11);
    QCOMPARE(p.box("M12")->text(), m12);
    QCOMPARE(p.box("M13")->text(), m13);
}

void TestForm15External::storedTexts() {
    for (const StoredCase& c : kStoredCases) {
        p.click("CommandMQ");
        pick(c.position);
        p.click(c.option);
        QCOMPARE(p.box(c.box)->text(), QString::fromUtf8(c.text));
    }
}

// Nothing picked, a series header or the blank last item: there is no size,
// and the boxes keep the previous size's texts.
void TestForm15External::noSizeKeepsText_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("button");
    for (int pos : {0, 125, 240}) {
        for (const char* b : {"Op6hh", "Op6g", "Op6e", "Op6f", "CommandM"}) QTest::addRow("%d %s", pos, b) << pos << b;
    }
}

void TestForm15External::noSizeKeepsText() {
    QFETCH(int, position);
    QFETCH(QString, button);
    pick(22);
    p.click("Op6f");
    p.click("CommandM");
    const QStringList before = texts();
    pick(position);
    p.click(button);
    QCOMPARE(texts(), before);
}

// A size without a row shows "--" where the row would be, never the texts of
// the previous size: after a first pick and click and a second one, the page
// shows what the second alone shows in a fresh window.
void TestForm15External::sizeWithoutRow_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("shown");
    const QStringList noLimits = {"--", "--", "--"}, noM = {"--", "--", "--", "--"};
    QTest::newRow("M2.5x0.45 6e") << 9 << "Op6e" << noLimits;
    QTest::newRow("M1.4x0.3 6e") << 128 << "Op6e" << noLimits;
    QTest::newRow("M1.4x0.3 6f") << 128 << "Op6f" << noLimits;
    QTest::newRow("M1.6x0.2 6f") << 6 << "Op6f" << noLimits;
    for (int pos : {64, 237, 7, 16, 135, 239}) QTest::addRow("%d M values", pos) << pos << "CommandM" << noM;
    QTest::newRow("M4.5x0.5 has no second wire") << 137 << "CommandM" << QStringList{"0.291", "4.62", "--", "--"};
}

void TestForm15External::sizeWithoutRow() {
    QFETCH(int, position);
    QFETCH(QString, button);
    QFETCH(QStringList, shown);
    const QStringList first = {"tab:SSTab1=1", "pick:Combo1=22", "click:" + button};
    const QStringList second = {"tab:SSTab1=1", "pick:Combo1=" + QString::number(position), "click:" + button};
    const QString stale = staleAfter(first, second);
    QVERIFY2(stale.isEmpty(), qPrintable(stale));
    QCOMPARE(button == "CommandM" ? texts().mid(3) : texts().mid(0, 3), shown);
}

void TestForm15External::pickAloneChangesNothing() {
    pick(22);
    p.click("Op6g");
    p.click("CommandM");
    const QStringList before = texts();
    pick(26);
    QCOMPARE(texts(), before);
}

void TestForm15External::clickOnSelectedOptionFillsAgain() {
    pick(22);
    p.click("Op6g");
    pick(26);
    p.click("Op6g");
    QVERIFY(p.get<QRadioButton>("Op6g")->isChecked());
    QCOMPARE(p.box("M11")->text(), QString("12(-0.034/-0.299)"));
    QCOMPARE(p.box("M13")->text(), QString("10.106"));
}

void TestForm15External::mValues() {
    pick(22);
    p.click("CommandM");
    QCOMPARE(texts().mid(3), QStringList({"0.866", "10.33", "1.008", "10.75"}));
    // The class options leave the M values alone.
    for (const char* o : {"Op6hh", "Op6e", "Op6f", "Op6g"}) p.click(o);
    QCOMPARE(texts().mid(3), QStringList({"0.866", "10.33", "1.008", "10.75"}));
    pick(45);
    p.click("CommandM");
    QCOMPARE(texts().mid(3), QStringList({"2.311", "36.87", "2.595", "37.73"}));
    pick(134);
    p.click("CommandM");
    QCOMPARE(texts().mid(3), QStringList({"0.343", "3.62", "0.402", "3.8"}));
    pick(15);
    p.click("CommandM");
    QCOMPARE(texts().mid(3), QStringList({"0.461", "5.171", "0.511", "5.32"}));
}

void TestForm15External::clearKeepsPickAndOption() {
    p.type("w1", "10");
    pick(22);
    p.click("Op6g");
    p.click("CommandM");
    p.click("CommandMQ");
    QCOMPARE(texts(), QStringList({"", "", "", "", "", "", ""}));
    QCOMPARE(p.get<QComboBox>("Combo1")->currentIndex(), 22);
    QVERIFY(p.get<QRadioButton>("Op6g")->isChecked());
    QCOMPARE(p.box("w1")->text(), QString("10"));
    p.click("CommandM");
    QCOMPARE(texts(), QStringList({"", "", "", "0.866", "10.33", "1.008", "10.75"}));
}

void TestForm15External::typedTextStaysUntilNextFill() {
    pick(22);
    p.keys("M12", "abc");
    p.click("CommandM");
    QCOMPARE(p.box("M12")->text(), QString("abc"));
    p.click("Op6hh");
    QCOMPARE(p.box("M12")->text(), QString("9.026-0.132"));
}

void TestForm15External::printsThePage() {
    w->SSTab1->setCurrentIndex(1);
    pick(22);
    p.click("Op6g");
    const QStringList before = texts();
    QImage printed;
    quorvil::setPrintSink([&](const QImage& img) { printed = img; });
    const auto noSink = qScopeGuard([] { quorvil::setPrintSink({}); });
    p.click("CommandMD");
    QVERIFY(!printed.isNull());
    QCOMPARE(printed.size() / printed.devicePixelRatio(), w->size());
    QCOMPARE(texts(), before);
    QCOMPARE(w->SSTab1->currentIndex(), 1);
}

QUORVIL_UI_TEST_MAIN(TestForm15External)
#include "tst_form15_external.moc"
