#include "layoutexamples.h"

namespace quorvil::test {

LayoutWindow layoutForm20() {
    LayoutWindow w;
    // The worked examples and the largest sizes, each in every class (the
    // sweep also picks every size of the series list).
    const auto size = [](const char* whole, const char* num, const char* den, const char* tpi) {
        return Example{QStringLiteral("txtw1=%1").arg(QLatin1String(whole)),
                       QStringLiteral("txtw2=%1").arg(QLatin1String(num)),
                       QStringLiteral("txtw3=%1").arg(QLatin1String(den)),
                       QStringLiteral("txtw4=%1").arg(QLatin1String(tpi)), QStringLiteral("sweep")};
    };
    w.examples = {
        size("1", "", "", "8"),
        size("1", "", "", "12"),
        size("", "3", "8", "16"),
        size("", "1", "4", "20"),
        size("", "1", "4", "28"),
        size("", "1", "4", "32"),
        size("", "7", "8", "9"),
        size("", "1", "2", "13"),
        size("", "1", "2", "12"),
        size("", "19", "100", "32"),
        size("1", "", "", "4.5"),
        size("6", "", "", "4"),
        size("4", "3", "4", "4"),
        size("10", "", "", "4"),
        // Wires kept from an earlier calculation.
        {"txtw1=1", "txtw2=", "txtw3=", "txtw4=4", "click:Command1", "txtw4=3", "click:Command1"},
        // Refused presses: the note beside each kind of box.
        {"txtw1=1", "txtw2=", "txtw3=", "txtw4=8,0", "click:Command1", "txtw4=8", "txtw2=1", "click:Command1",
         "txtw2=", "txtw1=1e39", "click:Command1", "txtw1=1", "txtw4=3", "Text5=x", "click:Command1"},
    };
    return w;
}

}  // namespace quorvil::test
