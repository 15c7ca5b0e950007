#include <QComboBox>
#include <QPushButton>

#include "common/ui/refusal.h"
#include "uitest.h"
#include "windowtest.h"
#include "workshop/Form14.h"

using quorvil::test::WindowProbe;

namespace {

const QStringList kInputs = {"txtA10", "txtA12", "txtA13", "txtA14", "txtA18", "txtA21"};
const QStringList kResults = {"txtA1", "txtA2",  "txtA3",  "txtA4",   "txtA5",  "txtA6",  "txtA7", "txtA8",
                              "txtA9", "txtA15", "txtA16", "txtA170", "txtA20", "txtA22", "txtA25"};

// The worked example, every result box.
const QStringList kExample = {"txtA20=8.00", "txtA16=4.0", "txtA170=6.0", "txtA9=70",    "txtA8=16.00",
                              "txtA25=9.05", "txtA15=610", "txtA22=2.19", "txtA7=36.00", "txtA4=22",
                              "txtA1=960",   "txtA2= 400", "txtA3= 200",  "txtA5= 50",   "txtA6= 60"};

}  // namespace

class TestForm14 : public quorvil::test::WindowTest<Form14> {
    Q_OBJECT
private slots:
    void opensAsDesigned();
    void calculations_data();
    void calculations();
    void badInputChangesNoBox_data();
    void badInputChangesNoBox();
    void clearKeepsTheCombos();
    void enterCalculates();
    void typedKeysAreWhatIsRead();

private:
    void typeExample() {
        p.type({"txtCombo2=4", "txtCombo1=32", "txtA12=60", "txtA21=10", "txtA13=200", "txtA14=400", "txtA10=79"});
    }
};

void TestForm14::opensAsDesigned() {
    QCOMPARE(w->windowTitle(), QStringLiteral("5.压缩弹簧设计计算"));
    for (const QString& n : kInputs + kResults) {
        QVERIFY2(p.text(n).isEmpty(), qPrintable(n));
        QCOMPARE(p.box(n)->alignment(), Qt::AlignCenter);
    }
    for (const auto& [name, count, header] : {std::tuple{"txtCombo2", 41, 26}, std::tuple{"txtCombo1", 68, 38}}) {
        auto* c = p.get<QComboBox>(name);
        QVERIFY(c->isEditable());
        QCOMPARE(c->count(), count);
        QCOMPARE(c->currentText(), QStringLiteral("第一系列"));
        QCOMPARE(c->findText(QStringLiteral("第一系列")), -1);
        QCOMPARE(c->itemText(header), QStringLiteral("第二系列"));
    }
    QVERIFY(p.get<QWidget>("Image1")->isVisible());
    QVERIFY(p.get<QPushButton>("Command1")->isDefault());
}

void TestForm14::calculations_data() {
    QTest::addColumn<QStringList>("typed");  // over the worked example
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("worked example") << QStringList{} << kExample;
    // Picked items read as numbers: "1.0" is item 11 of the wire list.
    QTest::newRow("items and units after digits")
        << QStringList{"txtCombo2=3.5mm", "txtCombo1=28"} << QStringList{"txtA20=8.00", "txtA7=31.50"};
    QTest::newRow("shear stress changes nothing") << QStringList{"txtA18=abc"} << kExample;
    QTest::newRow("shear stress a number") << QStringList{"txtA18=450"} << kExample;
    // Twice the shear modulus: twice the coils, 7.714 raised to 8.
    QTest::newRow("G 158") << QStringList{"txtA10=158"}
                           << QStringList{"txtA16=8.0", "txtA170=10.0", "txtA4=38", "txtA8=8.00"};
    QTest::newRow("F1 above F2 goes through")
        << QStringList{"txtA13=600"}
        << QStringList{"txtA2= 400", "txtA3= 600", "txtA9=30", "txtA16=-3.9", "txtA170=-1.9"};
    QTest::newRow("negative stroke") << QStringList{"txtA21=-10"} << QStringList{"txtA5= 70", "txtA9=50", "txtA6= 60"};
}

void TestForm14::calculations() {
    QFETCH(QStringList, typed);
    QFETCH(QStringList, expected);
    typeExample();
    p.type(typed);
    p.click("Command1");
    QVERIFY2(p.matches(expected), p.why());
}

void TestForm14::badInputChangesNoBox_data() {
    QTest::addColumn<QStringList>("typed");  // over the worked example
    QTest::addColumn<QString>("at");         // the control refused
    QTest::addColumn<QString>("note");
    using namespace quorvil::notes;

    // The mean diameter is read first.
    QTest::newRow("fresh combos") << QStringList{"txtCombo2=第一系列", "txtCombo1=第一系列"} << "txtCombo1" << number();
    QTest::newRow("wire header") << QStringList{"txtCombo2=第二系列"} << "txtCombo2" << number();
    QTest::newRow("mean diameter 0") << QStringList{"txtCombo1=0"} << "txtCombo1" << nonZero();
    QTest::newRow("wire 0 in single precision") << QStringList{"txtCombo2=1e-50"} << "txtCombo2" << nonZero();
    QTest::newRow("stroke empty") << QStringList{"txtA21="} << "txtA21" << number();
    QTest::newRow("stroke 0") << QStringList{"txtA21=0"} << "txtA21" << nonZero();
    QTest::newRow("installed height, decimal comma") << QStringList{"txtA12=60,5"} << "txtA12" << decimalPoint();
    QTest::newRow("F1 = F2") << QStringList{"txtA13=400"} << "txtA14" << equalLoads();
    QTest::newRow("F2 letters") << QStringList{"txtA14=abc"} << "txtA14" << number();
    QTest::newRow("F2 0") << QStringList{"txtA14=0"} << "txtA14" << nonZero();
    QTest::newRow("G empty") << QStringList{"txtA10="} << "txtA10" << number();
    QTest::newRow("G 0") << QStringList{"txtA10=0"} << "txtA10" << nonZero();
    QTest::newRow("beyond single precision") << QStringList{"txtA14=1e39"} << "txtA14" << tooLarge();
    QTest::newRow("results beyond single precision")
        << QStringList{"txtA21=1e-30", "txtA14=3e38"} << "txtA14" << tooLarge();
    QTest::newRow("solid load beyond single precision") << QStringList{"txtA12=3e38"} << "txtA12" << tooLarge();
}

// A calculated window keeps every box when a press has no spring to show,
// and says why.
void TestForm14::badInputChangesNoBox() {
    QFETCH(QStringList, typed);
    QFETCH(QString, at);
    QFETCH(QString, note);
    typeExample();
    p.click("Command1");
    p.type(typed);
    const auto before = p.texts(kInputs + kResults);
    p.click("Command1");
    QCOMPARE(p.texts(kInputs + kResults), before);
    QVERIFY2(p.matches(kExample), p.why());
    QVERIFY2(p.refused(at, note), p.why());
}

void TestForm14::clearKeepsTheCombos() {
    p.pick("txtCombo2", 18);  // "4.0"
    p.pick("txtCombo1", 56);  // "32"
    p.type({"txtA12=60", "txtA21=10", "txtA13=200", "txtA14=400", "txtA10=79", "txtA18=300"});
    p.click("Command1");
    QVERIFY2(p.matches(kExample), p.why());
    // Typing into a result box changes nothing of the next calculation.
    p.type({"txtA20=1", "txtA9=5"});
    p.click("Command1");
    QVERIFY2(p.matches(kExample), p.why());

    p.click("Command2");
    for (const QString& n : kInputs + kResults) QVERIFY2(p.text(n).isEmpty(), qPrintable(n));
    QVERIFY2(p.matches({"txtCombo2=4.0", "txtCombo1=32"}), p.why());
}

void TestForm14::enterCalculates() {
    typeExample();
    QLineEdit* stroke = p.box("txtA21");
    stroke->setFocus();
    QTest::keyClick(stroke, Qt::Key_Return);
    QVERIFY2(p.matches(kExample), p.why());
    p.click("Command2");
    typeExample();
    QLineEdit* comboText = p.get<QComboBox>("txtCombo1")->lineEdit();
    comboText->setFocus();
    QTest::keyClick(comboText, Qt::Key_Return);
    QVERIFY2(p.matches(kExample), p.why());
    QCOMPARE(p.get<QComboBox>("txtCombo1")->count(), 68);  // Enter added no item
}

// Typed key by key, a series combo holds exactly the keys: 11 is not
// completed to the list's 110.
void TestForm14::typedKeysAreWhatIsRead() {
    typeExample();
    p.keys("txtCombo2", "1.6");
    p.keys("txtCombo1", "11");
    QCOMPARE(p.text("txtCombo1"), QStringLiteral("11"));
    p.click("Command1");
    QVERIFY2(p.matches({"txtCombo1=11", "txtA20=6.88"}), p.why());
}

QUORVIL_UI_TEST_MAIN(TestForm14)
#include "tst_form14.moc"
