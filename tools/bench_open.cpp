// Times the first opening of one tool window in a fresh program: the main
// window is shown and exposed first, with the page of launch buttons in front,
// as when the user clicks a launch button; then the time from the launch call
// until the tool window is exposed (and so painted) is printed in
// milliseconds. Usage: bench_open INDEX
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QWindow>

#include <cstdio>

#include "common/ui/application.h"
#include "common/ui/tabcontainer.h"
#include "shell/Form1.h"
#include "shell/launch.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    quorvil::initApplication(app);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_open INDEX\n");
        return 2;
    }
    auto* main = new Form1();
    main->show();
    if (!QTest::qWaitForWindowExposed(main)) return 1;
    QTest::qWait(50);
    main->findChild<quorvil::TabContainer*>(QStringLiteral("SSTab1"))->setCurrentIndex(1);
    QTest::qWait(50);

    QElapsedTimer t;
    t.start();
    QWidget* w = quorvil::launchToolWindow(QString::fromLocal8Bit(argv[1]).toInt());
    if (!w) return 2;
    while (!(w->windowHandle() && w->windowHandle()->isExposed())) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        if (t.elapsed() > 5000) return 1;
    }
    std::printf("%.2f\n", double(t.nsecsElapsed()) / 1e6);
    return 0;
}
