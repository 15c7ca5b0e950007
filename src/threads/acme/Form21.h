// Window "13.ACME螺纹": a general-purpose ACME thread (29°) of class 2G, 3G
// or 4G from a nominal size typed as a mixed inch fraction and the threads
// per inch: limits of size of the external and internal thread, thread depth
// and tool tip width, three-wire measurement, and the GO and NO-GO thread
// plug gauges.
#pragma once

#include "common/ui/toolwindow.h"
#include "threads/acme/acmelimits.h"

class QLineEdit;
class QRadioButton;

namespace quorvil {
class FormatBox;
class Inputs;
class WritePlan;
}  // namespace quorvil

class Form21 : public quorvil::ToolWindow {
public:
    Form21();

    void Command5_Click();     // calculate
    void Commandacme_Click();  // print

private:
    quorvil::acme::AcmeClass selectedClass() const;
    void stageLimits(quorvil::WritePlan& plan, const quorvil::acme::ExternalLimits& e,
                     const quorvil::acme::InternalLimits& i);
    void stageGauges(quorvil::Inputs& in, quorvil::WritePlan& plan, const quorvil::inch::GaugeBlock& g);
    void buildInput();
    void buildExternal();
    void buildInternal();
    void buildWires();
    void buildGauges();

    using Box = QLineEdit;
    using FBox = quorvil::FormatBox;

    // Input.
    Box *txtw1 = nullptr, *txtw2 = nullptr, *txtw3 = nullptr, *w4 = nullptr;
    QRadioButton *Op1 = nullptr, *Op2 = nullptr, *Op3 = nullptr;
    // External thread.
    FBox *w5 = nullptr, *w6 = nullptr, *w7 = nullptr, *w8 = nullptr;
    Box *w9 = nullptr, *w10 = nullptr;
    FBox *w11 = nullptr, *w12 = nullptr;
    Box *w13 = nullptr, *w14 = nullptr;
    FBox *w15 = nullptr, *w16 = nullptr, *w17 = nullptr, *w18 = nullptr;
    // Internal thread.
    FBox *w20 = nullptr, *w21 = nullptr, *w22 = nullptr, *w23 = nullptr;
    FBox *w24 = nullptr, *w25 = nullptr, *w26 = nullptr, *w27 = nullptr;
    FBox *w28 = nullptr, *w29 = nullptr, *w30 = nullptr, *w31 = nullptr;
    FBox *w32 = nullptr, *w33 = nullptr;
    // Three wires.
    Box *Text1 = nullptr, *Text4 = nullptr, *w19 = nullptr, *Text7 = nullptr;
    FBox *Text2 = nullptr, *Text5 = nullptr;
    // Gauges: GO on the left, NO-GO on the right.
    Box *A1 = nullptr, *Text6 = nullptr, *Text8 = nullptr;
    FBox *A2 = nullptr, *A3 = nullptr, *A4 = nullptr, *A10 = nullptr, *A11 = nullptr;
    FBox *Text3 = nullptr, *Text10 = nullptr;
    FBox *A5 = nullptr, *A6 = nullptr, *A7 = nullptr, *A8 = nullptr, *A12 = nullptr, *A13 = nullptr;
    FBox *Text9 = nullptr, *Text11 = nullptr;
};
