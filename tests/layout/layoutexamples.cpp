#include "layoutexamples.h"

#include <QHash>

namespace quorvil::test {

LayoutWindow layoutWindow(const QString& window) {
    using Maker = LayoutWindow (*)();
    static const QHash<QString, Maker> makers = {
        {"Form1", layoutForm1},   {"Form2", layoutForm2},   {"Form3", layoutForm3},   {"Form4", layoutForm4},
        {"Form5", layoutForm5},   {"Form6", layoutForm6},   {"Form7", layoutForm7},   {"Form8", layoutForm8},
        {"Form9", layoutForm9},   {"Form10", layoutForm10}, {"Form11", layoutForm11}, {"Form12", layoutForm12},
        {"Form13", layoutForm13}, {"Form14", layoutForm14}, {"Form15", layoutForm15}, {"Form16", layoutForm16},
        {"Form17", layoutForm17}, {"Form18", layoutForm18}, {"Form19", layoutForm19}, {"Form20", layoutForm20},
        {"Form21", layoutForm21}, {"Form22", layoutForm22},
    };
    const Maker make = makers.value(window);
    if (!make) qFatal("no layout entry for %s", qPrintable(window));
    return make();
}

}  // namespace quorvil::test
