// Window "6.米制普通螺纹(牙形角60°)": metric 60° threads. Page 0 computes an
// internal thread (limits, tapping data, thread plug gauges) from a typed
// diameter and pitch; page 1 shows standard external thread limits and
// three-wire data for a size picked from a list.
#pragma once

#include <optional>

#include "common/ui/toolwindow.h"
#include "threads/metric/externaltables.h"
#include "threads/metric/gaugeblock.h"
#include "threads/metric/tapping.h"

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace quorvil {
class FormatBox;
class TabContainer;
class WritePlan;
}  // namespace quorvil

class Form15 : public quorvil::ToolWindow {
public:
    Form15();

    // Page 0: calculate and print.
    void Command1_Click();
    void Command8_Click();

    // Page 1: class options, M values, clear and print.
    void Op6hh_Click();
    void Op6e_Click();
    void Op6f_Click();
    void Op6g_Click();
    void CommandM_Click();
    void CommandMQ_Click();
    void CommandMD_Click();

    quorvil::TabContainer* SSTab1 = nullptr;

private:
    void buildInternalPage(QWidget* page);
    void stageGaugeBlock(quorvil::WritePlan& plan, const std::optional<quorvil::metric::PlugGauges>& g);
    void stageTapping(quorvil::WritePlan& plan, const quorvil::metric::TappingData& tap);
    void buildExternalPage(QWidget* page);
    void fillLimits(quorvil::metric::ExternalClass cls);

    // Page 0.
    QLineEdit *w1 = nullptr, *w2 = nullptr;
    QRadioButton *Op5H = nullptr, *Op6H = nullptr, *Op7H = nullptr;
    QLineEdit* w10 = nullptr;
    quorvil::FormatBox *w11 = nullptr, *w12 = nullptr, *w13 = nullptr, *w14 = nullptr;
    QLineEdit *w23 = nullptr, *w24 = nullptr, *w25 = nullptr, *w27 = nullptr;
    quorvil::FormatBox* w26 = nullptr;
    QLineEdit *Text1 = nullptr, *Text2 = nullptr, *w15 = nullptr, *w19 = nullptr;
    QLineEdit *w28 = nullptr, *w29 = nullptr, *w31 = nullptr, *w33 = nullptr;
    QLineEdit *w36 = nullptr, *w38 = nullptr, *w40 = nullptr;
    quorvil::FormatBox *w30 = nullptr, *w32 = nullptr, *w34 = nullptr, *w35 = nullptr;
    quorvil::FormatBox *w37 = nullptr, *w39 = nullptr, *w41 = nullptr;
    quorvil::FormatBox *Text11 = nullptr, *Text12 = nullptr;

    // Page 1.
    QComboBox* Combo1 = nullptr;
    QRadioButton *Op6hh = nullptr, *Op6e = nullptr, *Op6f = nullptr, *Op6g = nullptr;
    QLineEdit *M11 = nullptr, *M12 = nullptr, *M13 = nullptr;
    QLineEdit *M14 = nullptr, *M15 = nullptr, *M16 = nullptr, *M17 = nullptr;
};
