// Window "11.梯形螺纹(牙形角30°)": limits and M values of the standard
// trapezoidal sizes (external tab) and internal tolerances with thread plug
// gauges for a typed diameter and pitch (internal tab).
#pragma once

#include "buildsettings.h"

#include "common/ui/toolwindow.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quorvil {
class TabContainer;
class WritePlan;
namespace trapezoidal {
enum class ExternalClass;
struct InternalResult;
}  // namespace trapezoidal
}  // namespace quorvil

// The tab in front when the window opens is a setting of the build.
inline constexpr int kForm2StartTab = quorvil::build::kTrapezoidalStartTab;

class Form2 : public quorvil::ToolWindow {
public:
    Form2();

    void CommandT7h_Click();
    void CommandT7e_Click();
    void CommandT8e_Click();
    void CommandT8c_Click();
    void CommandTM_Click();
    void CommandT1_Click();
    void Commandtd_Click();
    void Command1_Click();
    void Command3_Click();

private:
    void buildExternalTab(QWidget* page);
    void buildInternalTab(QWidget* page);
    void showLimits(quorvil::trapezoidal::ExternalClass cls);
    // Stages every box of the internal tab with one press's results.
    void stageInternal(quorvil::WritePlan& plan, const quorvil::trapezoidal::InternalResult& r);

    quorvil::TabContainer* SSTab1 = nullptr;

    // external tab
    QComboBox* Combo2 = nullptr;
    QLineEdit* T1 = nullptr;
    QLineEdit* T2 = nullptr;
    QLineEdit* T3 = nullptr;
    QLineEdit* T4 = nullptr;
    QLineEdit* T5 = nullptr;
    QLineEdit* T6 = nullptr;
    QLineEdit* T7 = nullptr;

    // internal tab
    QLineEdit* Text3 = nullptr;
    QLineEdit* Text4 = nullptr;
    QPushButton* Command1 = nullptr;
    QRadioButton* Op7 = nullptr;
    QRadioButton* Op8 = nullptr;
    QRadioButton* Op9 = nullptr;
    QLineEdit* txtT10 = nullptr;
    QLineEdit* txtT11 = nullptr;
    QLineEdit* txtT12 = nullptr;
    QLineEdit* txtT13 = nullptr;
    QLineEdit* txtT14 = nullptr;
    QLineEdit* txtT23 = nullptr;
    QLineEdit* txtT24 = nullptr;
    QLineEdit* txtT25 = nullptr;
    QLineEdit* txtT26 = nullptr;
    QLineEdit* txtT27 = nullptr;
    QLineEdit* txtT28 = nullptr;
    QLineEdit* txtT29 = nullptr;
    QLineEdit* txtT30 = nullptr;
    QLineEdit* txtT31 = nullptr;
    QLineEdit* txtT32 = nullptr;
    QLineEdit* txtT40 = nullptr;
    QLineEdit* txtT41 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text5 = nullptr;
    QLineEdit* Text6 = nullptr;
    QLineEdit* Text7 = nullptr;
    QLineEdit* Text8 = nullptr;
    QLineEdit* Text9 = nullptr;
    QLineEdit* Text10 = nullptr;
    QLineEdit* Text11 = nullptr;
    QLineEdit* Text12 = nullptr;
    QLineEdit* Text13 = nullptr;
    QLineEdit* Text14 = nullptr;
};
