// Window "8.复杂件重量计算2": the weights of a stepped-bore sleeve, a disc
// with two flats, a stepped-bore shaft and the two stepped part frames, each
// typed on a sketch of the part.
#pragma once

#include "common/ui/toolwindow.h"

class QLineEdit;
class QRadioButton;

namespace quorvil {
class FormatBox;
class SteppedPartFrame;
class TabContainer;
}  // namespace quorvil

class Form17 : public quorvil::ToolWindow {
public:
    Form17();

    void Command1_Click();  // three-section stepped part
    void Command2_Click();  // its clear button
    void Command4_Click();  // four-section stepped part
    void Command3_Click();  // its clear button
    void CommandM_Click();  // stepped-bore sleeve
    void Command6_Click();
    void Command7_Click();  // disc with two flats
    void Command5_Click();
    void Command9_Click();  // stepped-bore shaft
    void Command8_Click();

private:
    void buildSleeve(QWidget* page);
    void buildDisc(QWidget* page);
    void buildShaft(QWidget* page);

    quorvil::TabContainer* SSTab1;
    quorvil::SteppedPartFrame *Frame1, *Frame2;
    // sleeve
    QLineEdit *txtT30, *txtT31, *txtT32, *txtt35, *txtt36, *txtT34;
    quorvil::FormatBox* txtt37;
    QRadioButton* Op203;
    // disc with two flats
    QLineEdit *txtt50, *txtt51, *txtt52, *txtt53;
    quorvil::FormatBox* txtt54;
    QRadioButton* OpK;
    // stepped-bore shaft
    QLineEdit *txtt60, *txtt61, *txtt62, *txtt64, *txtt65, *txtt66, *txtt67, *txtt68, *txtt69, *txtt70;
    quorvil::FormatBox* txtt71;
    QRadioButton* Op304;
};
