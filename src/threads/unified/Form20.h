// Window "12.美制统一螺纹": unified inch screw threads. From a mixed-fraction
// nominal size, the threads per inch and a tolerance class it shows the
// external and internal limits of size, the three-wire measurement, the
// thread plug gauges and the tapping data; beside it a list of the standard
// sizes shows the thread series of each.
#pragma once

#include "common/ui/toolwindow.h"
#include "threads/unified/unified.h"

class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QRadioButton;

namespace quorvil {
class FormatBox;
class Inputs;
class WritePlan;
}  // namespace quorvil

class Form20 : public quorvil::ToolWindow {
public:
    Form20();

    void Command1_Click();  // calculate
    void Command6_Click();  // print
    void List111_Click();   // series text of the picked size

private:
    quorvil::unified::ThreadClass selectedClass() const;
    void stageLimits(quorvil::WritePlan& plan, float D, float n, const quorvil::unified::Limits& L);
    void stageGauges(quorvil::Inputs& in, quorvil::WritePlan& plan, const quorvil::inch::GaugeBlock& g);
    void buildInput();
    void buildExternal();
    void buildInternal();
    void buildWires();
    void buildGauge();
    void buildTapping();
    void buildSeries();

    QLineEdit *txtw1 = nullptr, *txtw2 = nullptr, *txtw3 = nullptr, *txtw4 = nullptr;
    QRadioButton *Op1 = nullptr, *Op2 = nullptr, *Op3 = nullptr;

    // External thread.
    quorvil::FormatBox *w5 = nullptr, *w6 = nullptr, *w7 = nullptr, *w8 = nullptr;
    quorvil::FormatBox *w9 = nullptr, *w10 = nullptr, *w11 = nullptr, *w12 = nullptr;
    quorvil::FormatBox *w34 = nullptr, *w13 = nullptr, *w14 = nullptr;
    // Internal thread.
    quorvil::FormatBox *w15 = nullptr, *w16 = nullptr, *w17 = nullptr, *w18 = nullptr, *w19 = nullptr;
    quorvil::FormatBox *w20 = nullptr, *w21 = nullptr;
    quorvil::FormatBox *w22 = nullptr, *w23 = nullptr, *w24 = nullptr, *w25 = nullptr;
    // Three wires.
    QLineEdit *Text1 = nullptr, *Text4 = nullptr, *Text8 = nullptr;
    quorvil::FormatBox *Text2 = nullptr, *Text5 = nullptr, *Text6 = nullptr;
    // Gauges.
    quorvil::FormatBox *A1 = nullptr, *A2 = nullptr, *A3 = nullptr, *A4 = nullptr, *A5 = nullptr, *A6 = nullptr;
    quorvil::FormatBox *A7 = nullptr, *A8 = nullptr, *A10 = nullptr, *A11 = nullptr, *A12 = nullptr, *A13 = nullptr;
    quorvil::FormatBox *w32 = nullptr, *w33 = nullptr, *Text10 = nullptr, *Text11 = nullptr;
    QLineEdit *Text3 = nullptr, *Text7 = nullptr;
    // Tapping.
    quorvil::FormatBox *w29 = nullptr, *w30 = nullptr, *w31 = nullptr;
    // Series.
    QListWidget* List111 = nullptr;
    QPlainTextEdit* txtText111 = nullptr;
};
