#include "layoutexamples.h"

namespace quorvil::test {

LayoutWindow layoutForm1() {
    LayoutWindow w;
    // The converter's own examples (an empty box shows 0), then inch sizes
    // as a user types them: fractions to the 64th and the longest lengths.
    w.examples = {{"txtT1=1", "txtT1=0.5", "txtT1=0.01", "txtT1=-1", "txtT1="},
                  {"txtT1=0.015625", "txtT1=47.96875", "txtT1=-47.96875", "txtT1=999.9999", "txtT1=-9999.999"}};
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
