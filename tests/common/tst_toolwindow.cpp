// The tool window: one at a time, brought forward when opened again,
// destroyed on close; its design size, caption and buttons.
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "sampletoolwindow.h"
#include "uitest.h"

using namespace quorvil;

class TestToolWindow : public QObject {
    Q_OBJECT
private slots:
    void toolWindowLifecycle();
    void toolWindowRules();
    void toolWindowsPressAFocusedButtonOnEnter();
};

void TestToolWindow::toolWindowLifecycle() {
    Sample* first = showToolWindow<Sample>();
    QVERIFY(first->isVisible());
    QVERIFY(!first->parentWidget());  // modeless, no owner
    first->box->setText(QStringLiteral("12"));
    QCOMPARE(showToolWindow<Sample>(), first);  // brought forward, not created again
    QCOMPARE(first->box->text(), QStringLiteral("12"));

    first->showMinimized();
    QCOMPARE(showToolWindow<Sample>(), first);
    QVERIFY(!first->isMinimized());

    QPointer<Sample> closed = first;
    QVERIFY(first->close());
    QTRY_VERIFY(closed.isNull());  // destroyed on close
    Sample* fresh = showToolWindow<Sample>();
    QCOMPARE(fresh->box->text(), QString());  // starts from the design values
    fresh->close();
}

void TestToolWindow::toolWindowRules() {
    Sample w;
    QCOMPARE(w.windowTitle(), QStringLiteral("99.样例"));
    QCOMPARE(w.objectName(), QStringLiteral("Sample"));
    QCOMPARE(w.size(), QSize(200, 100));
    QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(w.windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(w.box->geometry(), QRect(7, 7, 67, 20));
}

void TestToolWindow::toolWindowsPressAFocusedButtonOnEnter() {
    Sample sample;
    int clicks = 0;
    QObject::connect(sample.button, &QPushButton::clicked, [&] { ++clicks; });
    sample.show();
    QVERIFY(QTest::qWaitForWindowActive(&sample));
    sample.button->setFocus();
    QTest::keyClick(sample.button, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(clicks, 1);
}

QUORVIL_UI_TEST_MAIN(TestToolWindow)
#include "tst_toolwindow.moc"
