// The write plan: every staged box is written, or none; what a box will
// show is known before anything is written.
#include <QLineEdit>
#include <QTest>

#include <cmath>
#include <limits>

#include "common/ui/controls.h"
#include "common/ui/formatbox.h"
#include "common/ui/writeplan.h"
#include "uitest.h"

using namespace quorvil;

class TestWritePlan : public QObject {
    Q_OBJECT
private slots:
    void writePlanWritesAllOrNothing();
    void writePlanTellsWhatABoxWillShow();
};

void TestWritePlan::writePlanWritesAllOrNothing() {
    QWidget parent;
    FormatBox a(Pattern::Fixed3, &parent);
    QLineEdit b(&parent), c(&parent);
    a.setText(QStringLiteral("keep a"));
    b.setText(QStringLiteral("keep b"));
    c.setText(QStringLiteral("keep c"));

    // One bad value anywhere in the plan: nothing is written, earlier boxes included.
    WritePlan bad;
    bad.plain(&a, 1.23456);
    bad.text(&b, QStringLiteral("x"));
    bad.sign(&c, std::numeric_limits<double>::infinity());
    QVERIFY(!bad.ok());
    QVERIFY(!bad.commit());
    QCOMPARE(a.text(), QStringLiteral("keep a"));
    QCOMPARE(b.text(), QStringLiteral("keep b"));
    QCOMPARE(c.text(), QStringLiteral("keep c"));

    // A good plan writes in order; a missing value shows "--", in a
    // self-formatting box too, and reads back as no number.
    WritePlan good;
    good.plain(&a, 2.0625);
    good.sign(&b, 0.5);
    good.plain(&c, std::optional<double>());
    QVERIFY(good.commit());
    QCOMPARE(a.text(), QStringLiteral("2.063"));
    QCOMPARE(b.text(), QStringLiteral(" .5"));
    QCOMPARE(c.text(), QStringLiteral("--"));
    WritePlan none;
    none.signSingle(&a, std::optional<float>());
    QCOMPARE(none.shownText(&a), QStringLiteral("--"));
    QCOMPARE(none.shown(&a), std::nullopt);
    QVERIFY(none.commit());
    QCOMPARE(a.text(), QStringLiteral("--"));

    // What a box will show is known before it is written.
    WritePlan next;
    next.plain(&a, 2.0625);
    next.plain(&b, 2.0625);
    QCOMPARE(next.shown(&a), std::optional<double>(2.063));
    QCOMPARE(next.shown(&b), std::optional<double>(2.0625));
    next.plain(&b, std::nan(""));
    QVERIFY(!next.shown(&b));
}

void TestWritePlan::writePlanTellsWhatABoxWillShow() {
    QWidget w;
    FormatBox* f = makeFormatBox(&w, QStringLiteral("f"), Pattern::Fixed3, {0, 0, 1500, 300});
    QLineEdit* plain = makeBox(&w, QStringLiteral("p"), {0, 450, 1500, 300});
    FormatBox* typed = makeFormatBox(&w, QStringLiteral("t"), Pattern::Fixed3, {0, 900, 1500, 300});
    plain->setText(QStringLiteral("7"));
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    typed->setFocus();
    QTest::keyClicks(typed, QStringLiteral("2.5"));

    WritePlan plan;
    plan.plain(f, 10 - 0.64952 * 1.5);  // staged, in the box's pattern
    QCOMPARE(plan.shownText(f), QStringLiteral("9.026"));
    QCOMPARE(plan.shown(f), 9.026);
    plan.plainSingle(f, 1.0f / 3);  // the last staging counts, single precision included
    QCOMPARE(plan.shown(f), 0.333);
    QCOMPARE(plan.shown(plain), 7.0);  // nothing staged: what it holds
    QCOMPARE(plan.shown(typed), 2.5);  // what the user typed, formatted first
    QCOMPARE(typed->text(), QStringLiteral("2.500"));
    plan.text(plain, QStringLiteral("(+0.1/0)"));
    QCOMPARE(plan.shownText(plain), QStringLiteral("(+0.1/0)"));
    QCOMPARE(plan.shown(plain), std::nullopt);
    plan.plain(plain, std::numeric_limits<double>::infinity());
    QCOMPARE(plan.shownText(plain), std::nullopt);
    QVERIFY(!plan.commit());
    QCOMPARE(f->text(), QString());  // nothing was written

    // A later step computes from what a staged box shows, or copies it.
    WritePlan later;
    later.plain(f, 2.0625);
    QCOMPARE(later.shown(f), 2.063);
    later.copy(plain, f);
    QCOMPARE(later.shownText(plain), QStringLiteral("2.063"));
    QVERIFY(later.ok());
    later.plain(f, std::nan(""));
    QCOMPARE(later.shown(f), std::nullopt);  // the plan writes nothing
    QVERIFY(!later.commit());
    QCOMPARE(plain->text(), QStringLiteral("7"));
}

QUORVIL_UI_TEST_MAIN(TestWritePlan)
#include "tst_writeplan.moc"
