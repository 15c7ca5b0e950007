#include "layoutexamples.h"

namespace quorvil::test {

LayoutWindow layoutForm19() {
    LayoutWindow w;
    w.examples = {
        // The metric tab: the worked examples, then M600 with the coarsest
        // pitch of the wire table and a pitch beyond it, in every class.
        {"tab:SSTab1=0", "w1=16", "w2=2", "click:Op2", "click:Op5", "click:Command1"},
        {"tab:SSTab1=0", "w1=12", "w2=1.75", "click:Op1", "click:Op4", "click:Command1"},
        {"tab:SSTab1=0", "w1=64", "w2=4", "click:Op3", "click:Op6", "click:Command1"},
        {"tab:SSTab1=0", "w1=10", "w2=0.35", "click:Op1", "click:Op4", "click:Command1"},
        {"tab:SSTab1=0", "w1=600", "w2=5.5", "click:Op1", "click:Op4", "click:Command1", "click:Op2", "click:Op5",
         "click:Command1", "click:Op3", "click:Op6", "click:Command1"},
        {"tab:SSTab1=0", "w1=600", "w2=6", "click:Op1", "click:Op6", "click:Command1"},
        // A tolerance in no gauge band: the gauge boxes show "--".
        {"tab:SSTab1=0", "w1=200", "w2=12", "click:Op6", "click:Command1"},
        // The trapezoidal tab: the worked examples in every class, then the
        // largest diameter with the largest pitches of the tables and beyond.
        {"tab:SSTab1=1", "txtt1=36", "txtT2=6", "click:Op7e", "click:Op7", "click:Command2", "click:Op7h",
         "click:Command2", "click:Op8c", "click:Command2", "click:Op8e", "click:Op8", "click:Command2"},
        {"tab:SSTab1=1", "txtt1=40", "txtT2=7", "click:Op8c", "click:Op8", "click:Command2"},
        {"tab:SSTab1=1", "txtt1=8", "txtT2=1.5", "click:Command2", "txtt1=22.4", "click:Command2"},
        {"tab:SSTab1=1", "txtt1=130", "txtT2=7", "click:Op8", "click:Command2"},
        {"tab:SSTab1=1", "txtt1=290", "txtT2=44", "click:Op8c", "click:Op8", "click:Command2"},
        {"tab:SSTab1=1", "txtt1=300", "txtT2=22", "click:Op8c", "click:Op8", "click:Command2", "txtT2=12",
         "click:Command2", "click:Op7h", "click:Op7", "click:Command2"},
        // A pitch in no pitch table: Td, d3, D4 and the wires show "--".
        {"tab:SSTab1=1", "txtt1=100", "txtT2=26", "click:Command2"},
    };
    return w;
}

LayoutWindow layoutForm8() {
    LayoutWindow w;
    w.examples = {
        // The mm tab: the worked examples, then the largest pitch diameters
        // a user types.
        {"tab:SSTab1=0", "sz1=1.5", "sz2=60", "click:Command3", "sz1=8", "sz2=55", "click:Command3"},
        {"tab:SSTab1=0", "sz4=2", "sz5=60", "sz6=1.157", "sz7=18.701", "click:Command2", "sz5=30", "sz6=1.047", "sz7=9",
         "click:Command2", "sz4=1", "sz5=60", "sz6=0.1", "sz7=0.5", "click:Command2"},
        {"tab:SSTab1=0", "sz4=6", "sz5=60", "sz6=4.773", "sz7=268.000", "click:Command2", "sz7=318.123",
         "click:Command2"},
        // The threads-per-inch tab likewise.
        {"tab:SSTab1=1", "sz10=8", "sz20=60", "click:Command6", "sz10=0.25", "sz20=29", "click:Command6"},
        {"tab:SSTab1=1", "sz40=8", "sz50=60", "sz60=1.833", "sz70=18", "click:Command5", "sz40=4", "sz60=4.773",
         "sz70=318.123", "click:Command5", "sz70=268.000", "click:Command5"},
    };
    return w;
}

LayoutWindow layoutForm11() {
    LayoutWindow w;
    w.examples = {
        // The worked examples, the quotient with the most digits, and a
        // large worm.
        {"txtdf=22.4", "txtmc=2", "txtz1=1", "click:Command2"},
        {"txtdf=50", "txtmc=5", "txtz1=4", "click:Command2"},
        {"txtdf=125", "txtmc=2", "txtz1=1", "click:Command2"},
        {"txtdf=22.4", "txtmc=0.3", "txtz1=0", "click:Command2"},
        {"txtdf=35.5", "txtmc=1.5", "txtz1=4", "click:Command2"},
        {"txtdf=-35.5", "txtmc=1.5", "txtz1=4", "click:Command2"},
        {"txtdf=400", "txtmc=25", "txtz1=4", "click:Command2", "txtdf=355.5", "txtmc=1.5", "click:Command2"},
    };
    return w;
}

}  // namespace quorvil::test
