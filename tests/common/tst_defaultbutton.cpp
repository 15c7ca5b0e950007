// Enter in a window: a focused button takes it, else the default button
// while it is shown.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <utility>

#include "common/ui/controls.h"
#include "common/ui/defaultbutton.h"
#include "uitest.h"

using namespace quorvil;

class TestDefaultButton : public QObject {
    Q_OBJECT
private slots:
    void enterPressesButtons();
};

void TestDefaultButton::enterPressesButtons() {
    QWidget w;
    QLineEdit* box = makeBox(&w, QStringLiteral("a"), {0, 0, 900, 300});
    QPushButton* def = makeButton(&w, QStringLiteral("def"), QStringLiteral("算"), {0, 600, 900, 300});
    QPushButton* other = makeButton(&w, QStringLiteral("other"), QStringLiteral("印"), {0, 1200, 900, 300});
    int defClicks = 0, otherClicks = 0;
    QObject::connect(def, &QPushButton::clicked, [&] { ++defClicks; });
    QObject::connect(other, &QPushButton::clicked, [&] { ++otherClicks; });
    const auto enterOn = [&](QWidget* focus, Qt::Key key = Qt::Key_Return, Qt::KeyboardModifiers m = {}) {
        focus->setFocus();
        QTest::keyClick(focus, key, m);
        return std::pair(defClicks, otherClicks);
    };
    using Clicks = std::pair<int, int>;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));

    // A window without a default button: a focused button takes Enter, as it
    // takes Space; Enter in a box presses nothing.
    enterPressesFocusedButton(&w);
    QCOMPARE(enterOn(other), Clicks(0, 1));
    QCOMPARE(enterOn(other, Qt::Key_Space), Clicks(0, 2));
    QCOMPARE(enterOn(box), Clicks(0, 2));

    // With a default button: Enter anywhere else presses it.
    setDefaultButton(&w, def, {.onlyWhileShown = true, .drawnAsDefault = false});
    QCOMPARE(enterOn(box), Clicks(1, 2));
    QCOMPARE(enterOn(box, Qt::Key_Enter, Qt::KeypadModifier), Clicks(2, 2));
    QCOMPARE(enterOn(box, Qt::Key_Return, Qt::ShiftModifier), Clicks(2, 2));  // not Enter
    QCOMPARE(enterOn(other), Clicks(2, 3));                                   // the focused button, not the default
    QCOMPARE(enterOn(def), Clicks(3, 3));
    // Only while it is shown: on a tab page behind, nothing.
    def->hide();
    QCOMPARE(enterOn(box), Clicks(3, 3));
    other->setEnabled(false);
    QCOMPARE(enterOn(box), Clicks(3, 3));
}

QUORVIL_UI_TEST_MAIN(TestDefaultButton)
#include "tst_defaultbutton.moc"
