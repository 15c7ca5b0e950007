// The tool-window rule: one live instance per window class, shown modeless
// and without an owner, brought forward when launched again, destroyed when
// closed (so the next launch starts from the design values).
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

namespace quorvil {

// A top-level window with a fixed caption and a fixed client area in twips,
// no maximise button, placed where the windowing system places new windows.
class ToolWindow : public QWidget {
    Q_OBJECT

public:
    // `name` is the class's design name ("Form15"), used as objectName.
    ToolWindow(const QString& name, const QString& caption, int clientWidthTwips, int clientHeightTwips);
};

// Shows the window class W's one instance, creating it on first use or after
// it was closed, and brings it to the front.
template <class W>
W* showToolWindow() {
    static QPointer<W> instance;
    if (!instance) instance = new W();
    W* w = instance.data();
    if (w->isMinimized())
        w->showNormal();
    else
        w->show();
    w->raise();
    w->activateWindow();
    return w;
}

// Window flags shared by the main window and every tool window.
void applyWindowRules(QWidget* window, const QString& caption, int clientWidthTwips, int clientHeightTwips);

}  // namespace quorvil
