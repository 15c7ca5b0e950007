#include "layoutexamples.h"

namespace quorvil::test {

// Weights: every frame's worked example, the inch results (the largest
// weights a frame shows) and the longest sizes a shop types.
LayoutWindow layoutForm3() {
    LayoutWindow w;
    w.examples = {
        // Bars, tube and plate.
        {"tab:SSTab1=0", "txtq1=20", "txtq2=1000", "click:Command001", "txtq4=10", "txtq5=1000", "click:Command002",
         "txtq7=24", "txtq8=1000", "click:Command1", "txtqzv11=60", "txtqzv21=50", "txtqzv31=1000", "click:Command123",
         "txtq10=1000", "txtq11=500", "txtq12=10", "click:Command2"},
        {"tab:SSTab1=0",  "click:Option2",  "txtq1=300",        "txtq2=12000",      "click:Command001",
         "click:Option6", "txtq4=250",      "txtq5=12000",      "click:Command002", "click:Option10",
         "txtq7=200",     "txtq8=12000",    "click:Command1",   "click:Option14",   "txtqzv11=1020",
         "txtqzv21=0",    "txtqzv31=12000", "click:Command123", "click:Option18",   "txtq10=12000",
         "txtq11=2500",   "txtq12=200",     "click:Command2"},
        // Turned parts 一 and 二.
        {"tab:SSTab1=1", "txtwg1=40", "txtwg2=60", "txtwg3=30", "txtwg4=20", "txtwg5=40", "txtwg6=20", "txtwg7=100",
         "click:Commandwg", "txtwg11=20", "txtwg12=30", "txtwg13=80", "txtwg14=20", "txtwg15=50", "txtwg16=70",
         "txtwg17=120", "click:Commandwg2"},
        {"tab:SSTab1=1", "click:Option22", "txtwg1=40", "txtwg2=60", "txtwg3=0", "txtwg4=0", "txtwg5=40", "txtwg6=0",
         "txtwg7=100", "click:Commandwg", "click:Option24", "txtwg11=20", "txtwg12=30", "txtwg13=80", "txtwg14=0",
         "txtwg15=50", "txtwg16=70", "txtwg17=120", "click:Commandwg2"},
        // Turned parts 三 and 四.
        {"tab:SSTab1=2", "txtwg01=40", "txtwg02=60", "txtwg04=20", "txtwg05=40", "txtwg07=100", "click:Commandwg0",
         "txtwg21=100", "txtwg22=60", "txtwg23=50", "txtwg24=30", "click:Commandwg5", "txtwg26=2.7",
         "click:Commandwg5"},
        {"tab:SSTab1=2", "click:Option25", "txtwg01=40", "txtwg02=60", "txtwg04=0", "txtwg05=40", "txtwg07=100",
         "click:Commandwg0", "click:Option28", "txtwg21=100", "txtwg22=60", "txtwg23=0", "txtwg24=0", "txtwg26=7.85",
         "click:Commandwg5"},
        // Cuboid, trapezoid, angle and channel steel.
        {"tab:SSTab1=3", "txtw60=100", "txtw61=50", "txtw62=20", "click:Commandw60", "click:Option33",
         "click:Commandw60", "txtw50=100", "txtw53=200", "txtw51=50", "txtw52=10", "click:Commandw10",
         "pick:List101=18", "txte1=6000", "click:Command106", "pick:List103=3", "txte3=6000", "click:Command202"},
        {"tab:SSTab1=3", "click:Option34", "txtw60=2000", "txtw61=1000", "txtw62=500", "click:Commandw60",
         "txtw50=1500", "txtw53=2000", "txtw51=1000", "txtw52=200", "click:Commandw10", "pick:List101=50",
         "txte1=12000", "click:Command106", "pick:List103=14", "txte3=12000", "click:Command202"},
        // Ring and body of revolution.
        {"tab:SSTab1=4", "txtw90=100", "txtw91=20", "txtw92=60", "click:Commandw90", "txtw70=20", "txtw72=50",
         "txtw74=30", "txtw76=40", "txtw77=40", "txtw75=25", "txtw81=15", "txtw80=60", "txtw79=25", "txtw78=130",
         "txtw71=10", "click:Commandw80"},
        {"tab:SSTab1=4", "click:Option30", "txtw90=100", "txtw91=20", "txtw92=60", "click:Commandw90", "click:Option32",
         "txtw70=20", "txtw72=50", "txtw74=30", "txtw76=40", "txtw77=40", "txtw75=25", "txtw81=15", "txtw80=60",
         "txtw79=25", "txtw78=130", "txtw71=10", "click:Commandw80"},
        // The stepped part frames.
        {"tab:SSTab1=5", "txtt1=40", "txtT2=60", "txtT3=50", "txtT4=40", "txtT5=50", "txtT6=20", "txtT7=120",
         "click:Commanda", "txtT11=80", "txtT12=60", "txtT13=50", "txtT14=20", "txtT15=70", "txtT16=20", "txtT17=30",
         "txtT18=25", "txtT19=150", "click:Commandd"},
        {"tab:SSTab1=5", "click:Commandb", "click:Op106", "txtt1=30", "txtT7=200", "click:Commanda", "click:Commandc",
         "click:Op108", "txtT11=80", "txtT12=60", "txtT13=50", "txtT14=20", "txtT15=70", "txtT16=20", "txtT17=30",
         "txtT18=25", "txtT19=150", "click:Commandd"},
        {"tab:SSTab1=5", "click:Commandb", "click:Op105", "txtt1=20", "txtT6=30", "txtT7=100", "click:Commanda"},
        {"tab:SSTab1=6", "pick:List3=139"},
    };
    return w;
}

// Complex parts: the worked examples, and the inch results.
LayoutWindow layoutForm17() {
    LayoutWindow w;
    w.examples = {
        {"tab:SSTab1=0", "txtT30=40", "txtt36=100", "txtT31=30", "txtt35=20", "txtT32=20", "click:CommandM",
         "click:Op203", "click:CommandM", "txtt52=100", "txtt51=80", "txtt50=10", "click:Command7", "click:OpK",
         "click:Command7"},
        {"tab:SSTab1=0", "click:Op202", "txtT30=1200", "txtt36=6000", "txtT31=1000", "txtt35=2000", "txtT32=800",
         "click:CommandM", "click:OpL", "txtt52=1200", "txtt51=1000", "txtt50=300", "click:Command7"},
        {"tab:SSTab1=1", "txtt60=60", "txtt67=30", "txtt62=50", "txtt68=40", "txtt65=40", "txtt69=120", "txtt61=30",
         "txtt66=25", "txtt64=20", "click:Command9", "click:Op304", "click:Command9"},
        {"tab:SSTab1=2", "txtt1=40", "txtT2=60", "txtT3=50", "txtT4=40", "txtT5=50", "txtT6=20", "txtT7=120",
         "click:Command1", "txtT11=80", "txtT12=60", "txtT13=50", "txtT14=20", "txtT15=70", "txtT16=20", "txtT17=30",
         "txtT18=25", "txtT19=150", "click:Command4"},
        {"tab:SSTab1=2", "click:Command2", "click:Op106", "txtt1=30", "txtT7=200", "click:Command1", "click:Op108",
         "click:Command4"},
    };
    return w;
}

// Converter: the examples of each frame, a size of 9999-63/64 inches (the
// widest whole inches the box shows) and long degree and radian texts.
LayoutWindow layoutForm6() {
    LayoutWindow w;
    w.examples = {
        {"Text1000=1", "text3000=2", "text4000=3", "click:Command1000", "qzv1=1.23", "qzv2=1.25", "click:Command4",
         "c1=8", "c2=5", "c3=8", "click:Command101", "c440=8.08555", "click:Command121", "qzv55=60", "click:Command789",
         "x1=1.047198", "click:Command1"},
        {"Text1000=9999", "text3000=63", "text4000=64", "click:Command1000", "qzv1=10.5", "qzv2=9.5", "click:Command4",
         "c1=-359", "c2=59.99", "c3=59.999", "click:Command101", "c440=-8.08555", "click:Command121", "qzv55=-359.999",
         "click:Command789", "x1=-6.2831852", "click:Command1"},
        {"Text1000=99", "text3000=63", "text4000=64", "click:Command1000", "qzv1=99.9995", "qzv2=100.0005",
         "click:Command4", "c440=359.99999", "click:Command121", "click:Command201", "click:Command20"},
    };
    return w;
}

// Spring: the worked example and the largest series sizes.
LayoutWindow layoutForm14() {
    LayoutWindow w;
    w.examples = {
        {"txtCombo2=4", "txtCombo1=32", "txtA12=60", "txtA21=10", "txtA13=200", "txtA14=400", "txtA10=79",
         "click:Command1"},
        {"pick:txtCombo2=40", "pick:txtCombo1=37", "txtA12=600", "txtA21=150", "txtA13=8000", "txtA14=20000",
         "txtA18=500", "txtA10=79", "click:Command1"},
        {"pick:txtCombo2=0", "pick:txtCombo1=37", "txtA12=1000", "txtA21=1", "txtA13=0.5", "txtA14=1", "txtA10=79",
         "click:Command1", "click:Command2"},
    };
    return w;
}

// Bolt: the worked example and a large cylinder.
LayoutWindow layoutForm13() {
    LayoutWindow w;
    w.examples = {
        {"m1=1", "m2=200", "m3=8", "m5=360", "m6=0.3", "m7=1.6", "m8=1.0", "m9=3.9", "M11=230", "click:Command1",
         "click:Command2"},
        {"m1=31.5", "m2=1250", "m3=4", "m5=210", "m6=0.9", "m7=4", "m8=0.5", "m9=5.2", "M11=130", "click:Command1",
         "click:Command2"},
    };
    // The check takes a label's text as one rectangle over all its lines;
    // these boxes stand in that rectangle, on no text (tst_form13 holds them
    // to the blanks and above the second line).
    w.allowances = {
        {LayoutAllowance::Overlap, "Label1_17", "m5",
         "the box stands in the 24 blanks that open the label's first line"},
        {LayoutAllowance::Overlap, "Label1_15", "m6",
         "the box stands in the 14 blanks that open the label's first line"},
    };
    return w;
}

}  // namespace quorvil::test
