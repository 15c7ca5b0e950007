// The window tests' probe: it types, clicks, picks and compares as the
// window tests use it.
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "common/ui/controls.h"
#include "sampletoolwindow.h"
#include "uitest.h"
#include "windowtest.h"

using namespace quorvil;

class TestProbe : public QObject {
    Q_OBJECT
private slots:
    void probeTypesClicksPicksAndCompares();
};

void TestProbe::probeTypesClicksPicksAndCompares() {
    Sample s;
    auto* list = makeList(&s, QStringLiteral("List1"), {1200, 100, 1500, 1200});
    list->addItems({QStringLiteral("甲"), QStringLiteral("乙"), QStringLiteral("丙")});
    auto* button = makeButton(&s, QStringLiteral("Command1"), QStringLiteral("计算"), {100, 600, 900, 375});
    QObject::connect(button, &QPushButton::clicked, &s, [&s] { s.box->setText(s.box->text() + u'!'); });
    QObject::connect(list, &QListWidget::itemClicked, &s, [&s](QListWidgetItem* i) { s.box->setText(i->text()); });
    s.show();

    quorvil::test::WindowProbe p(&s);
    p.type({QStringLiteral("box=20")});
    p.click(QStringLiteral("Command1"));
    QVERIFY2(p.matches({QStringLiteral("box=20!")}), p.why());
    p.pick(QStringLiteral("List1"), 2);
    QCOMPARE(list->currentRow(), 2);
    QVERIFY(!p.matches({QStringLiteral("box=甲")}));
    QVERIFY(QString::fromUtf8(p.why()).contains(QStringLiteral("got \"丙\"")));

    // Scripts and snapshots: what a user reads after each step.
    const QMap<QString, QString> before = p.snapshot();
    p.run({QStringLiteral("box=7"), QStringLiteral("click:Command1"), QStringLiteral("pick:List1=0")});
    QCOMPARE(p.text(QStringLiteral("box")), QStringLiteral("甲"));
    p.run({QStringLiteral("keys:box=12"), QStringLiteral("click:Command1")});
    const QMap<QString, QString> after = p.snapshot();
    QCOMPARE(after.value(QStringLiteral("box")), QStringLiteral("12!"));
    QCOMPARE(quorvil::test::snapshotDifferences(after, before),
             QStringLiteral("box shows \"12!\", in a fresh window \"丙\""));
    QVERIFY(quorvil::test::snapshotDifferences(after, before, {QStringLiteral("box")}).isEmpty());
}

QUORVIL_UI_TEST_MAIN(TestProbe)
#include "tst_probe.moc"
