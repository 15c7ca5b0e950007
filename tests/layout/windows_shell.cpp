#include "layoutexamples.h"

namespace quorvil::test {

LayoutWindow layoutForm1() {
    LayoutWindow w;
    w.examples = {{"txtT1=1", "txtT1=12.375", "txtT1=-0.5"}};
    w.allowances = {
        {LayoutAllowance::Overlap, "Label1_0", "Image1", "the advertisement is written on the picture"},
    };
    // The launch buttons open windows; the web and mail buttons the browser.
    for (int i = 0; i <= 20; ++i) w.sweepSkips << QStringLiteral("Command1_%1").arg(i);
    w.sweepSkips << "Command11"
                 << "Command21";
    return w;
}

// The window holds captions over empty tool slots only: nothing to drive
// beyond looking at it fresh.
LayoutWindow layoutForm10() { return {}; }

}  // namespace quorvil::test
