// What the layout test drives each window through, besides its sweep (every
// tab page, every row of every list, every option, every button but print),
// and what each window's design lets pass.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "layoutcheck.h"

namespace quorvil::test {

// Steps, applied in order, the window checked after each:
//   "tab:NAME=I"   shows page I of the tab container NAME;
//   "NAME=TEXT"    types TEXT into the box or editable combo NAME (as a
//                  finished entry: the box formats it);
//   "click:NAME"   clicks the button or option NAME;
//   "pick:NAME=I"  picks row I of the list or combo NAME;
//   "sweep"        the sweep of the page in front, from the boxes as they are.
using Example = QStringList;

// The worked examples and largest sizes of a window ("Form15"; "Form1" for
// the main window).
QList<Example> layoutExamples(const QString& window);

// What the window's design means and the check lets pass.
QList<LayoutAllowance> layoutAllowances(const QString& window);

// Buttons the sweep leaves alone besides the print buttons (they open
// windows or the browser).
QStringList sweepSkips(const QString& window);

}  // namespace quorvil::test
