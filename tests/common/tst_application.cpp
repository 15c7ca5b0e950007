// What the application set-up gives every window.
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <memory>

#include "uitest.h"

using namespace quorvil;

class TestApplication : public QObject {
    Q_OBJECT
private slots:
    void qtsOwnTextsAreChinese();
};

// A box's right-click menu, as Qt makes it, reads in Chinese.
void TestApplication::qtsOwnTextsAreChinese() {
    QLineEdit box;
    box.setText(QStringLiteral("10"));
    const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    QStringList texts;
    for (const QAction* a : menu->actions()) texts << a->text();
    const QString all = texts.join(u'|');
    QVERIFY2(all.contains(QStringLiteral("复制")) && all.contains(QStringLiteral("粘贴")) &&
                 all.contains(QStringLiteral("全选")) && !all.contains(QStringLiteral("Copy")),
             qPrintable(all));
}

QUORVIL_UI_TEST_MAIN(TestApplication)
#include "tst_application.moc"
