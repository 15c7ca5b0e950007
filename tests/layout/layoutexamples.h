// What the layout test drives each window through, besides its sweep (every
// tab page, every row of every list, every option, every button but print),
// and what each window's design lets pass. Each folder's windows have a file
// windows_<folder>.cpp.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "layoutcheck.h"

namespace quorvil::test {

// Steps, applied in order, the window checked after each: the steps of
// WindowProbe::step, and "sweep", the sweep of the page in front, from the
// boxes as they are.
using Example = QStringList;

struct LayoutWindow {
    // The worked examples and largest sizes.
    QList<Example> examples;
    // What the design means and the check lets pass, each with its reason.
    QList<LayoutAllowance> allowances;
    // Buttons the sweep leaves alone besides the print buttons (they open
    // windows or the browser).
    QStringList sweepSkips;
};

// The window's entry ("Form15"; "Form1" for the main window).
LayoutWindow layoutWindow(const QString& window);

LayoutWindow layoutForm1();
LayoutWindow layoutForm2();
LayoutWindow layoutForm3();
LayoutWindow layoutForm4();
LayoutWindow layoutForm5();
LayoutWindow layoutForm6();
LayoutWindow layoutForm7();
LayoutWindow layoutForm8();
LayoutWindow layoutForm9();
LayoutWindow layoutForm10();
LayoutWindow layoutForm11();
LayoutWindow layoutForm12();
LayoutWindow layoutForm13();
LayoutWindow layoutForm14();
LayoutWindow layoutForm15();
LayoutWindow layoutForm16();
LayoutWindow layoutForm17();
LayoutWindow layoutForm18();
LayoutWindow layoutForm19();
LayoutWindow layoutForm20();
LayoutWindow layoutForm21();
LayoutWindow layoutForm22();

}  // namespace quorvil::test
