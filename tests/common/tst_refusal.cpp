// A refused press: what each kind of unusable input says, where the note
// shows, where the keyboard goes, and when the note goes again.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "common/ui/controls.h"
#include "common/ui/defaultbutton.h"
#include "common/ui/formatbox.h"
#include "common/ui/refusal.h"
#include "common/ui/tabcontainer.h"
#include "uitest.h"
#include "windowtest.h"

using namespace quorvil;

namespace {

// A window of two boxes, an editable combo box and a button, its left box
// near the right edge and one box at the bottom, for the note's places.
class Sample : public QWidget {
public:
    Sample() {
        setObjectName(QStringLiteral("Sample"));
        resize(400, 200);
        left = makeBox(this, QStringLiteral("left"), {150, 150, 1200, 300});
        right = makeFormatBox(this, QStringLiteral("right"), Pattern::Fixed3, {4500, 150, 1400, 300});
        bottom = makeBox(this, QStringLiteral("bottom"), {150, 2550, 1200, 300});
        combo = makeCombo(this, QStringLiteral("combo"), {150, 900, 1200, 300}, true);
        button = makeButton(this, QStringLiteral("Command1"), QStringLiteral("计算"), {2400, 900, 900, 375});
        enterPressesFocusedButton(this);
    }
    QLineEdit* left;
    FormatBox* right;
    QLineEdit* bottom;
    QComboBox* combo;
    QPushButton* button;
};

}  // namespace

class TestRefusal : public QObject {
    Q_OBJECT
private slots:
    void inputsSayWhy_data();
    void inputsSayWhy();
    void emptyMayStayEmpty();
    void firstFaultRefusesOnce();
    void fractionParts_data();
    void fractionParts();
    void noteStandsBesideItsControlInsideTheWindow();
    void noteGoesAtTheNextKeyOrClick();
    void largestInput();
    void pageOfTheControlComesForward();
};

// What each reader makes of a text: a number, or a refusal with its note.
void TestRefusal::inputsSayWhy_data() {
    QTest::addColumn<QString>("reader");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("value");  // empty: refused
    QTest::addColumn<QString>("note");
    const QString number = notes::number(), comma = notes::decimalPoint(), positive = notes::positive(),
                  large = notes::tooLarge();
    QTest::newRow("number") << "number" << " 1.5" << "1.5" << "";
    QTest::newRow("number empty") << "number" << "" << "" << number;
    QTest::newRow("number letters") << "number" << "abc" << "" << number;
    QTest::newRow("number with unit") << "number" << "12mm" << "" << number;
    QTest::newRow("number comma") << "number" << "1,5" << "" << comma;
    QTest::newRow("number too large") << "number" << "1e400" << "" << large;
    QTest::newRow("number zero") << "number" << "0" << "0" << "";
    QTest::newRow("positive") << "positive" << "6" << "6" << "";
    QTest::newRow("positive zero") << "positive" << "0" << "" << positive;
    QTest::newRow("positive negative") << "positive" << "-1" << "" << positive;
    QTest::newRow("positive comma") << "positive" << "6,0" << "" << comma;
    QTest::newRow("non-zero negative") << "nonZero" << "-1" << "-1" << "";
    QTest::newRow("non-zero zero") << "nonZero" << "0.0" << "" << notes::nonZero();
    QTest::newRow("non-zero empty") << "nonZero" << "" << "" << number;
    QTest::newRow("part empty is 0") << "part" << " " << "0" << "";
    QTest::newRow("part letters") << "part" << "x" << "" << number;
    QTest::newRow("leading with unit") << "leading" << "12mm" << "12" << "";
    QTest::newRow("leading comma") << "leading" << "1,5" << "" << comma;
    QTest::newRow("leading none") << "leading" << "mm" << "" << number;
    QTest::newRow("leading too large") << "leading" << "2e400" << "" << large;
    QTest::newRow("number or empty") << "numberOrEmpty" << "1.5" << "1.5" << "";
    QTest::newRow("number or empty letters") << "numberOrEmpty" << "1.5x" << "" << number;
    QTest::newRow("combo with unit") << "combo" << "3.5mm" << "3.5" << "";
    QTest::newRow("combo header") << "combo" << "第二系列" << "" << number;
}

void TestRefusal::inputsSayWhy() {
    QFETCH(QString, reader);
    QFETCH(QString, text);
    QFETCH(QString, value);
    QFETCH(QString, note);
    Sample s;
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    s.left->setText(text);
    s.combo->setEditText(text);
    Inputs in;
    std::optional<double> v;
    if (reader == QStringLiteral("number")) v = in.number(s.left);
    if (reader == QStringLiteral("positive")) v = in.positive(s.left);
    if (reader == QStringLiteral("nonZero")) v = in.nonZero(s.left);
    if (reader == QStringLiteral("part")) v = in.part(s.left);
    if (reader == QStringLiteral("leading")) v = in.leading(s.left);
    if (reader == QStringLiteral("numberOrEmpty")) v = in.numberOrEmpty(s.left);
    if (reader == QStringLiteral("combo")) v = in.leading(s.combo);
    test::WindowProbe p(&s);
    if (value.isEmpty()) {
        QVERIFY(!v);
        QVERIFY(!in.ok());
        QVERIFY2(p.refused(reader == QStringLiteral("combo") ? QStringLiteral("combo") : QStringLiteral("left"), note),
                 p.why());
    } else {
        QCOMPARE(v, value.toDouble());
        QVERIFY(in.ok());
        QVERIFY(!shownRefusal(&s));
    }
}

// An empty box that a press may find empty gives no value and refuses nothing.
void TestRefusal::emptyMayStayEmpty() {
    Sample s;
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    s.left->setText(QStringLiteral(" "));
    Inputs in;
    QVERIFY(!in.numberOrEmpty(s.left));
    QVERIFY(in.ok());
    QVERIFY(!shownRefusal(&s));
}

// Later faults of the same press do not move the keyboard or the note.
void TestRefusal::firstFaultRefusesOnce() {
    Sample s;
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    s.left->setText(QStringLiteral("abc"));
    s.right->setText(QStringLiteral("0"));
    Inputs in;
    QVERIFY(!in.number(s.left));
    QVERIFY(!in.positive(s.right));
    QVERIFY(!in.require(false, s.bottom, notes::tooLarge()));
    test::WindowProbe p(&s);
    QVERIFY2(p.refused(QStringLiteral("left"), notes::number()), p.why());
}

// A compound entry: empty parts count as 0, a numerator over no denominator
// is refused at the denominator.
void TestRefusal::fractionParts_data() {
    QTest::addColumn<QStringList>("texts");  // whole, numerator, denominator
    QTest::addColumn<QString>("value");      // "w n q", or empty: refused
    QTest::addColumn<QString>("at");
    QTest::addColumn<QString>("note");
    QTest::newRow("1/2, whole empty") << QStringList{"", "1", "2"} << "0 1 2" << "" << "";
    QTest::newRow("whole alone") << QStringList{"3", "", ""} << "3 0 0" << "" << "";
    QTest::newRow("0 over 0") << QStringList{"1", "0", "0"} << "1 0 0" << "" << "";
    QTest::newRow("over empty") << QStringList{"", "1", ""} << "" << "combo" << notes::denominator();
    QTest::newRow("over zero") << QStringList{"1", "3", "0"} << "" << "combo" << notes::denominator();
    QTest::newRow("letters") << QStringList{"", "a", "2"} << "" << "bottom" << notes::number();
}

void TestRefusal::fractionParts() {
    QFETCH(QStringList, texts);
    QFETCH(QString, value);
    QFETCH(QString, at);
    QFETCH(QString, note);
    Sample s;
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    QLineEdit* boxes[] = {s.left, s.bottom, s.combo->lineEdit()};
    for (int i = 0; i < 3; ++i) boxes[i]->setText(texts[i]);
    Inputs in;
    const auto f = in.fraction(boxes[0], boxes[1], boxes[2]);
    if (value.isEmpty()) {
        QVERIFY(!f);
        test::WindowProbe p(&s);
        QVERIFY2(p.refused(at, note), p.why());
        return;
    }
    QVERIFY(f);
    QCOMPARE(QStringLiteral("%1 %2 %3").arg(f->whole).arg(f->numerator).arg(f->denominator), value);
}

// Right of the box where there is room, else left, else below; never over
// the box itself and never past the window's edge.
void TestRefusal::noteStandsBesideItsControlInsideTheWindow() {
    Sample s;
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    for (QWidget* c : {static_cast<QWidget*>(s.left), static_cast<QWidget*>(s.right),
                       static_cast<QWidget*>(s.bottom), static_cast<QWidget*>(s.combo),
                       static_cast<QWidget*>(s.button)}) {
        refuse(c, notes::denominator());
        const QLabel* note = shownRefusal(&s);
        QVERIFY(note);
        QCOMPARE(note->accessibleName(), notes::denominator());
        QVERIFY2(s.rect().contains(note->geometry()), qPrintable(c->objectName()));
        QVERIFY2(!note->geometry().intersects(c->geometry()), qPrintable(c->objectName()));
        QVERIFY(note->width() >= note->fontMetrics().horizontalAdvance(note->text()));
    }
    refuse(s.left, notes::number());
    QCOMPARE(shownRefusal(&s)->x(), s.left->geometry().right() + 4);  // right of it
    refuse(s.right, notes::number());
    QVERIFY(shownRefusal(&s)->geometry().right() < s.right->x());  // no room to the right
    // One note per window: the latest.
    QCOMPARE(s.findChildren<QLabel*>(QStringLiteral("refusalNote")).size(), 1);
}

void TestRefusal::noteGoesAtTheNextKeyOrClick() {
    Sample s;
    s.show();
    QVERIFY(QTest::qWaitForWindowActive(&s));
    int presses = 0;
    QObject::connect(s.button, &QPushButton::clicked, &s, [&] {
        ++presses;
        Inputs in;
        in.positive(s.right);
    });
    s.right->setText(QStringLiteral("0"));

    // Refused by a click: the note stays after the click that made it.
    QTest::mouseClick(s.button, Qt::LeftButton);
    test::WindowProbe p(&s);
    QVERIFY2(p.refused(QStringLiteral("right"), notes::positive()), p.why());
    // The next key replaces the selected text and takes the note away.
    QTest::keyClick(s.right, Qt::Key_5);
    QVERIFY(!shownRefusal(&s));
    QCOMPARE(s.right->text(), QStringLiteral("5"));

    // Refused by Enter on the button (a key press, where a click presses on
    // the release): the same, and a click takes it away.
    s.right->setText(QStringLiteral("-2"));
    s.button->setFocus();
    QTest::keyClick(s.button, Qt::Key_Return);
    QCOMPARE(presses, 2);
    QVERIFY2(p.refused(QStringLiteral("right"), notes::positive()), p.why());
    QTest::mouseClick(s.left, Qt::LeftButton);
    QVERIFY(!shownRefusal(&s));
}

// A result too large to show is refused at the input of largest magnitude;
// an input without a number is passed over, the first of equals taken.
void TestRefusal::largestInput() {
    Sample s;
    QCOMPARE(largestOf({{s.left, 3.0}, {s.right, -1e300}, {s.bottom, 2e299}}), s.right);
    QCOMPARE(largestOf({{s.left, std::nullopt}, {s.right, 0.0}}), s.right);
    QCOMPARE(largestOf({{s.left, 5.0}, {s.right, -5.0}}), s.left);
    QCOMPARE(largestOf({{s.left, std::nullopt}}), nullptr);
}

// Enter may press a default button of a page that is not in front: the
// refusal shows the page of its box, which takes the keyboard.
void TestRefusal::pageOfTheControlComesForward() {
    QWidget w;
    w.resize(300, 200);
    auto* tabs = new TabContainer(&w, QStringLiteral("SSTab1"), {0, 0, 4500, 3000});
    QLineEdit* front = makeBox(tabs->addPage(QStringLiteral("一")), QStringLiteral("front"), {150, 600, 1200, 300});
    QLineEdit* behind = makeBox(tabs->addPage(QStringLiteral("二")), QStringLiteral("behind"), {150, 600, 1200, 300});
    tabs->setCurrentIndex(0);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    front->setFocus();
    behind->setText(QStringLiteral("0"));
    refuse(behind, notes::positive());
    QCOMPARE(tabs->currentIndex(), 1);
    test::WindowProbe p(&w);
    QVERIFY2(p.refused(QStringLiteral("behind"), notes::positive()), p.why());
}

QUORVIL_UI_TEST_MAIN(TestRefusal)
#include "tst_refusal.moc"
