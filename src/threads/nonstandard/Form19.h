// Window "10.非标螺纹参数<可输入任意参数计算>": metric 60° (tab 0) and
// trapezoidal 30° (tab 1) threads of any typed diameter and pitch, worked
// out by the tolerance formulas: limits of size, wires and M values,
// tapping data (metric) and thread plug gauges.
#pragma once

#include <array>

#include "common/ui/toolwindow.h"
#include "threads/nonstandard/metric60.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quorvil {
class TabContainer;
class WritePlan;
}  // namespace quorvil

class Form19 : public quorvil::ToolWindow {
public:
    Form19();

    void Command1_Click();  // metric calculation (tab 0)
    void Command2_Click();  // trapezoidal calculation (tab 1), also Enter
    void Command8_Click();  // print (tab 0)
    void Command4_Click();  // print (tab 1)

private:
    void stageMetricThread(quorvil::WritePlan& plan, const quorvil::nonstandard::metric60::Results& r,
                           bool tolerance6H);
    void stageMetricGauges(quorvil::WritePlan& plan, const quorvil::nonstandard::metric60::Gauges& g);
    void buildMetricTab(QWidget* page);
    void buildTrapezoidalTab(QWidget* page);

    quorvil::TabContainer* SSTab1 = nullptr;
    // Tab 0: w[1] .. w[41]; tab 1: t[1] is txtt1, t[n] is txtTn.
    std::array<QLineEdit*, 42> w{};
    std::array<QLineEdit*, 42> t{};
    QRadioButton *Op1 = nullptr, *Op2 = nullptr, *Op3 = nullptr;
    QRadioButton *Op4 = nullptr, *Op5 = nullptr, *Op6 = nullptr;
    QRadioButton *Op7h = nullptr, *Op7e = nullptr, *Op8e = nullptr, *Op8c = nullptr;
    QRadioButton *Op7 = nullptr, *Op8 = nullptr;
    QPushButton *Command1 = nullptr, *Command8 = nullptr, *Command2 = nullptr, *Command4 = nullptr;
};
