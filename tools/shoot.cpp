// Developer tool: opens the main window (or a tool window by launch index),
// applies steps and saves a screenshot of the window, to look at a window as a
// user sees it. Run under Xvfb for a real window, e.g.
//   xvfb-run -a build/shoot out.png 13 w1=10 w2=1.5 click:Command1 tab:SSTab1=1
// The window is given by its launch index or its class name (Form15), or
// "main" / "main:TAB" for the main window.
// Steps: NAME=TEXT types TEXT into the box NAME; click:NAME clicks it;
// pick:NAME=I picks entry I of a list; tab:NAME=I shows tab page I;
// popup:NAME opens the drop-down list NAME; menu:NAME opens the right-click
// menu of the box NAME. With a list or menu open, the picture is taken from
// the screen and covers the window and what lies open over it.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QScreen>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <cstdio>

#include "common/ui/application.h"
#include "common/ui/tabcontainer.h"
#include "shell/Form1.h"
#include "shell/launch.h"
#include "shell/windows.h"

// A launch index, or the launch index of a window class.
static int launchIndexOf(const QString& which) {
    for (const quorvil::WindowEntry& e : quorvil::kWindows)
        if (which == QLatin1String(e.className.data(), qsizetype(e.className.size()))) return e.launchIndex;
    return which.toInt();
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    quorvil::initApplication(app);
    if (argc < 3) {
        std::fprintf(stderr, "usage: shoot OUT.png INDEX|CLASS|main[:TAB] [steps...]\n");
        return 2;
    }
    auto* main = new Form1();
    main->show();
    QWidget* w = main;
    QWidget* overlay = nullptr;  // an open drop-down list or menu
    const QString which = QString::fromLocal8Bit(argv[2]);
    if (which.startsWith(QStringLiteral("main:")))
        main->findChild<quorvil::TabContainer*>()->setCurrentIndex(which.mid(5).toInt());
    else if (which != QStringLiteral("main"))
        w = quorvil::launchToolWindow(launchIndexOf(which));
    if (!QTest::qWaitForWindowExposed(w)) std::fprintf(stderr, "window not exposed\n");
    for (int i = 3; i < argc; ++i) {
        const QString step = QString::fromLocal8Bit(argv[i]);
        const int eq = step.indexOf(QLatin1Char('='));
        if (step.startsWith(QStringLiteral("click:"))) {
            auto* b = w->findChild<QAbstractButton*>(step.mid(6));
            if (b)
                b->click();
            else
                std::fprintf(stderr, "no button %s\n", qPrintable(step));
        } else if (step.startsWith(QStringLiteral("pick:"))) {
            const QString name = step.mid(5, eq - 5);
            const int row = step.mid(eq + 1).toInt();
            if (auto* c = w->findChild<QComboBox*>(name)) {
                c->setCurrentIndex(row);
                emit c->activated(row);
            } else if (auto* l = w->findChild<QListWidget*>(name)) {
                l->setCurrentRow(row);
                emit l->itemClicked(l->item(row));
            } else
                std::fprintf(stderr, "no list %s\n", qPrintable(name));
        } else if (step.startsWith(QStringLiteral("popup:"))) {
            if (auto* c = w->findChild<QComboBox*>(step.mid(6))) {
                c->showPopup();
                overlay = c->view()->window();
            } else
                std::fprintf(stderr, "no list %s\n", qPrintable(step));
        } else if (step.startsWith(QStringLiteral("menu:"))) {
            if (auto* box = w->findChild<QLineEdit*>(step.mid(5))) {
                QMenu* menu = box->createStandardContextMenu();
                menu->popup(box->mapToGlobal(box->rect().center()));
                overlay = menu;
            } else
                std::fprintf(stderr, "no box %s\n", qPrintable(step));
        } else if (step.startsWith(QStringLiteral("tab:"))) {
            auto* t = w->findChild<quorvil::TabContainer*>(step.mid(4, eq - 4));
            if (t)
                t->setCurrentIndex(step.mid(eq + 1).toInt());
            else
                std::fprintf(stderr, "no tabs %s\n", qPrintable(step));
        } else if (eq > 0) {
            auto* box = w->findChild<QLineEdit*>(step.left(eq));
            if (box) {
                box->clear();
                QTest::keyClicks(box, step.mid(eq + 1));
            } else
                std::fprintf(stderr, "no box %s\n", qPrintable(step));
        }
    }
    QTest::qWait(200);
    const QString out = QString::fromLocal8Bit(argv[1]);
    if (overlay && overlay->isVisible()) {
        const QRect area = QRect(w->mapToGlobal(QPoint(0, 0)), w->size()).united(overlay->frameGeometry());
        QScreen* screen = w->screen();
        const QRect onScreen = area.intersected(screen->geometry()).translated(-screen->geometry().topLeft());
        const bool ok =
            screen->grabWindow(0, onScreen.x(), onScreen.y(), onScreen.width(), onScreen.height()).save(out);
        return ok ? 0 : 1;
    }
    // The whole window with its frame when a window manager draws one;
    // the client area otherwise.
    const bool ok = w->grab().save(out);
    return ok ? 0 : 1;
}
