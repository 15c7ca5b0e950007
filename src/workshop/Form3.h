// Window "15.重量计算1": the weights of bars, tube and plate by material, of
// blocks, trapezoid plates and steel sections, and of turned parts typed on
// sketches of the part; a list of material densities for reference.
#pragma once

#include <array>

#include "common/ui/toolwindow.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace quorvil {
class FormatBox;
class SteppedPartFrame;
class TabContainer;
}  // namespace quorvil

class Form3 : public quorvil::ToolWindow {
public:
    Form3();

    // tab 0: bars, tube, plate
    void Command001_Click();  // round bar
    void Command002_Click();  // square bar
    void Command1_Click();    // hexagon bar
    void Command123_Click();  // tube
    void Command456_Click();  // tube clear
    void Command2_Click();    // plate
    // tab 1: turned parts 一 and 二
    void Commandwg_Click();
    void Commandwg1_Click();
    void Commandwg2_Click();
    void Commandwg3_Click();
    // tab 2: turned parts 三 and 四
    void Commandwg0_Click();
    void Command3_Click();
    void Commandwg5_Click();
    void Commandwg6_Click();
    // tab 3: cuboid (the default button), trapezoid, angle and channel steel
    void Commandw60_Click();
    void Commandw10_Click();
    void Command106_Click();
    void Command202_Click();
    // tab 4: ring, body of revolution
    void Commandw90_Click();
    void Commandw80_Click();
    void Commandw81_Click();
    // tab 5: the stepped part frames
    void Commanda_Click();
    void Commandb_Click();
    void Commandd_Click();
    void Commandc_Click();

private:
    using Materials = std::array<QRadioButton*, 4>;  // 碳素钢, 紫铜, 黄铜, 铝

    void buildBars(QWidget* page);
    void buildTurnedParts12(QWidget* page);
    void buildTurnedParts34(QWidget* page);
    void buildBlocksAndSections(QWidget* page);
    void buildRings(QWidget* page);
    void buildDensityList(QWidget* page);

    quorvil::TabContainer* SSTab1;
    // tab 0
    Materials roundMaterial, squareMaterial, hexagonMaterial, tubeMaterial, plateMaterial;
    QLineEdit *txtq1, *txtq2, *txtq4, *txtq5, *txtq7, *txtq8, *txtqzv11, *txtqzv21, *txtqzv31, *txtq10, *txtq11,
        *txtq12;
    quorvil::FormatBox *txtq3, *txtq6, *txtq9, *txtqzv41, *txtq13;
    // tab 1
    QLineEdit *txtwg1, *txtwg2, *txtwg3, *txtwg4, *txtwg5, *txtwg6, *txtwg7, *txtwg9;
    quorvil::FormatBox* txtwg8;
    QRadioButton* Option22;
    QLineEdit *txtwg11, *txtwg12, *txtwg13, *txtwg14, *txtwg15, *txtwg16, *txtwg17, *txtwg19;
    quorvil::FormatBox* txtwg18;
    QRadioButton* Option24;
    // tab 2
    QLineEdit *txtwg01, *txtwg02, *txtwg03, *txtwg04, *txtwg05, *txtwg07;
    quorvil::FormatBox* txtwg08;
    QRadioButton* Option25;
    QLineEdit *txtwg21, *txtwg22, *txtwg23, *txtwg24, *txtwg26;
    quorvil::FormatBox* txtwg25;
    QRadioButton* Option28;
    // tab 3
    QLineEdit *txtw60, *txtw61, *txtw62, *txtw63, *txtw64;
    QRadioButton* Option33;
    QPushButton* Commandw60;
    QLineEdit *txtw50, *txtw51, *txtw52, *txtw53, *txtw54, *txtw55;
    QListWidget *List101, *List103;
    QLineEdit *txte1, *txte3;
    quorvil::FormatBox *txte2, *txte4;
    // tab 4
    QLineEdit *txtw90, *txtw91, *txtw92, *txtw93;
    quorvil::FormatBox* txtw94;
    QRadioButton* Option30;
    QLineEdit *txtw70, *txtw71, *txtw72, *txtw73, *txtw74, *txtw75, *txtw76, *txtw77, *txtw78, *txtw79, *txtw80,
        *txtw81;
    quorvil::FormatBox* txtw82;
    QRadioButton* Option32;
    // tab 5
    quorvil::SteppedPartFrame *steppedThree, *steppedFour;
};
