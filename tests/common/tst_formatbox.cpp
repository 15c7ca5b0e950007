// The self-formatting box: every change by code is shown in the box's
// pattern at once; what the user types is formatted when the user is done
// (leaves the box, presses a button, presses Enter).
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "common/ui/boxio.h"
#include "common/ui/controls.h"
#include "common/ui/defaultbutton.h"
#include "common/ui/formatbox.h"
#include "uitest.h"

using namespace quorvil;

class TestFormatBox : public QObject {
    Q_OBJECT
private slots:
    void formatBoxRewritesEveryChange();
    void formatBoxReadBackGetsRoundedValue();
    void formatBoxFormatsTypingWhenTheUserIsDone_data();
    void formatBoxFormatsTypingWhenTheUserIsDone();
};

void TestFormatBox::formatBoxRewritesEveryChange() {
    QWidget parent;
    FormatBox box(Pattern::Fixed3, &parent);
    box.setText(QStringLiteral("9.0260000001"));
    QCOMPARE(box.text(), QStringLiteral("9.026"));
    box.setText(QStringLiteral("0.15"));
    QCOMPARE(box.text(), QStringLiteral("0.150"));
    box.setText(QString());
    QCOMPARE(box.text(), QString());
    box.setText(QStringLiteral("abc"));
    QCOMPARE(box.text(), QStringLiteral("abc"));
    box.setText(QStringLiteral(" 25.4"));  // a leading blank does not survive
    QCOMPARE(box.text(), QStringLiteral("25.400"));

    FormatBox hash(Pattern::Hash3, &parent);
    hash.setText(QStringLiteral("0.5"));
    QCOMPARE(hash.text(), QStringLiteral(".500"));
    FormatBox two(Pattern::Fixed2, &parent);
    two.setText(QStringLiteral("0.947"));
    QCOMPARE(two.text(), QStringLiteral("0.95"));
}

void TestFormatBox::formatBoxReadBackGetsRoundedValue() {
    QWidget parent;
    FormatBox box(Pattern::Fixed3, &parent);
    int changes = 0;
    connect(&box, &QLineEdit::textChanged, &box, [&] { ++changes; });
    writePlain(&box, 10 - 0.64952 * 1.5);
    QCOMPARE(readStrict(&box).value(), 9.026);
    QVERIFY(changes <= 2);  // the write and at most one nested rewrite
}

void TestFormatBox::formatBoxFormatsTypingWhenTheUserIsDone_data() {
    QTest::addColumn<int>("pattern");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("0.000") << int(Pattern::Fixed3) << "2.5"
                           << "2.500";
    QTest::newRow("0.000 small") << int(Pattern::Fixed3) << "0.05"
                                 << "0.050";
    QTest::newRow("0") << int(Pattern::Fixed0) << "12.5"
                       << "13";
    QTest::newRow("0.0000") << int(Pattern::Fixed4) << "-1.23456"
                            << "-1.2346";
    QTest::newRow("#.000") << int(Pattern::Hash3) << "0.5"
                           << ".500";
    QTest::newRow("not a number") << int(Pattern::Fixed3) << "2.5x"
                                  << "2.5x";
}

void TestFormatBox::formatBoxFormatsTypingWhenTheUserIsDone() {
    QFETCH(int, pattern);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    // A window with the box, a box to move to and a button whose handler
    // reads the box as a calculation does.
    QWidget w;
    FormatBox* box = makeFormatBox(&w, QStringLiteral("f"), Pattern(pattern), {0, 0, 1500, 300});
    QLineEdit* next = makeBox(&w, QStringLiteral("next"), {0, 450, 1500, 300});
    QPushButton* calc = makeButton(&w, QStringLiteral("calc"), QStringLiteral("算"), {0, 900, 900, 300});
    QString seenByCalculation;
    QObject::connect(calc, &QPushButton::clicked, [&] {
        // What the box shows as the handler starts, and what it reads.
        const QString showing = box->text();
        seenByCalculation = showing + u'|' + boxText(box);
    });
    setDefaultButton(&w, calc, {.drawnAsDefault = false});
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    const auto typeAnew = [&] {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, typed);
        seenByCalculation.clear();
    };

    // While typing, the box holds what was typed; the user keeps typing.
    typeAnew();
    QCOMPARE(box->text(), typed);
    QCOMPARE(box->cursorPosition(), typed.size());

    // Leaving the box formats it.
    QTest::keyClick(box, Qt::Key_Tab);
    QCOMPARE(box->text(), shown);
    QVERIFY(next->hasFocus());

    // A click on the calculation's button: the box shows the formatted text
    // before the handler reads it.
    typeAnew();
    QTest::mouseClick(calc, Qt::LeftButton);
    QCOMPARE(seenByCalculation, shown + u'|' + shown);

    // Enter in the box presses the default button, the box formatted first.
    typeAnew();
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(seenByCalculation, shown + u'|' + shown);

    // A press through accessibility moves no focus: the box is formatted as
    // the calculation reads it, before anything is written.
    typeAnew();
    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(calc);
    QVERIFY(button && button->actionInterface());
    button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_VERIFY(!seenByCalculation.isEmpty());
    QCOMPARE(seenByCalculation, typed + u'|' + shown);
    QCOMPARE(box->text(), shown);

    // A write by code formats at once, even while the box has the keyboard.
    typeAnew();
    box->setText(QStringLiteral("1"));
    QCOMPARE(box->text(), QString::fromStdString(reformat("1", Pattern(pattern))));
}

QUORVIL_UI_TEST_MAIN(TestFormatBox)
#include "tst_formatbox.moc"
