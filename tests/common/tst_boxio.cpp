// Writing numbers into boxes: no value shows "--", a value that is not
// finite changes nothing, and a long text shows from its start.
#include <QLineEdit>
#include <QTest>

#include <cmath>
#include <limits>

#include "common/ui/boxio.h"
#include "common/ui/controls.h"
#include "common/ui/formatbox.h"
#include "common/ui/writeplan.h"
#include "uitest.h"

using namespace quorvil;

class TestBoxIo : public QObject {
    Q_OBJECT
private slots:
    void writersSkipNonFinite();
    void longTextShowsFromItsStart();
};

void TestBoxIo::writersSkipNonFinite() {
    QWidget parent;
    QLineEdit box(&parent);
    box.setText(QStringLiteral("keep"));
    writePlain(&box, std::numeric_limits<double>::infinity());
    writeSigned(&box, std::nan(""));
    writeSignedSingle(&box, -std::numeric_limits<float>::infinity());
    WritePlan single;
    single.plainSingle(&box, std::numeric_limits<float>::infinity());
    QVERIFY(!single.commit());
    QCOMPARE(box.text(), QStringLiteral("keep"));
    writeSigned(&box, 0.254);
    QCOMPARE(box.text(), QStringLiteral(" .254"));
    QCOMPARE(readLenient(&box), 0.254);
    writePlain(&box, std::nullopt);  // no value for these inputs
    QCOMPARE(box.text(), QStringLiteral("--"));
}

void TestBoxIo::longTextShowsFromItsStart() {
    QWidget parent;
    QLineEdit* plain = makeBox(&parent, QStringLiteral("a"), {0, 0, 300, 300});
    FormatBox* formatting = makeFormatBox(&parent, QStringLiteral("b"), Pattern::Fixed3, {0, 0, 300, 300});
    parent.show();
    writePlain(plain, 123456.123456);
    QCOMPARE(plain->cursorPosition(), 0);
    WritePlan plan;
    plan.plain(formatting, 123456.123456);
    plan.text(plain, QStringLiteral("(+0.107/0)"));
    QVERIFY(plan.commit());
    QCOMPARE(formatting->text(), QStringLiteral("123456.123"));
    QCOMPARE(formatting->cursorPosition(), 0);
    QCOMPARE(plain->cursorPosition(), 0);
    // Typing is left alone.
    plain->clear();
    QTest::keyClicks(plain, QStringLiteral("12"));
    QCOMPARE(plain->text(), QStringLiteral("12"));
    QCOMPARE(plain->cursorPosition(), 2);
}

QUORVIL_UI_TEST_MAIN(TestBoxIo)
#include "tst_boxio.moc"
