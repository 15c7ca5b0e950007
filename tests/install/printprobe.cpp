// Preloaded into the installed program by installed.sh (LD_PRELOAD): as the
// user would, it waits for the main window, opens the tool windows from
// their launch buttons until one has a print button, presses it, and closes
// every window. It says on stderr what it saw, and which print module the
// program loaded (from /proc/self/maps). It uses only Qt: the program
// itself is not changed for the test.
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QRegularExpression>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

void say(const QString& line) {
    std::fprintf(stderr, "printprobe: %s\n", qPrintable(line));
    std::fflush(stderr);
}

QWidget* topLevel(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible()) return w;
    return nullptr;
}

QAbstractButton* visiblePrintButton() {
    static const QRegularExpression caption(QStringLiteral("^打\\s*印$"));
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || w->objectName() == QStringLiteral("Form1")) continue;
        for (QAbstractButton* b : w->findChildren<QAbstractButton*>())
            if (b->isVisible() && caption.match(b->text()).hasMatch()) return b;
    }
    return nullptr;
}

QString loadedPrintModule() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly)) return {};
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const qsizetype slash = line.indexOf('/');
        if (slash >= 0 && line.endsWith("/libquorvil_print.so")) return QString::fromLocal8Bit(line.mid(slash));
    }
    return {};
}

void closeEverything() {
    QApplication::closeAllWindows();
    // The main window quits the program as it closes; should anything stay
    // open, the program still ends.
    QTimer::singleShot(5000, qApp, [] {
        say(QStringLiteral("windows still open after closing; quitting"));
        QCoreApplication::exit(3);
    });
}

void press() {
    QWidget* main = topLevel(QStringLiteral("Form1"));
    if (!main) {
        QTimer::singleShot(100, qApp, press);
        return;
    }
    say(QStringLiteral("main window shown"));
    QAbstractButton* print = nullptr;
    for (int i = 0; !print; ++i) {
        auto* launch = main->findChild<QAbstractButton*>(QStringLiteral("Command1_%1").arg(i));
        if (!launch) break;
        launch->click();
        QApplication::processEvents();
        print = visiblePrintButton();
    }
    if (!print) {
        say(QStringLiteral("no window has a print button"));
        closeEverything();
        return;
    }
    say(QStringLiteral("pressing print in ") + print->window()->objectName());
    // Without a default printer the print dialog asks; cancel it.
    QTimer::singleShot(0, qApp, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            say(QStringLiteral("print dialog ") + QString::fromLatin1(dialog->metaObject()->className()));
            dialog->reject();
        }
    });
    print->click();
    say(QStringLiteral("print module ") + loadedPrintModule());
    closeEverything();
}

void start() { QTimer::singleShot(0, qApp, press); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(start)
