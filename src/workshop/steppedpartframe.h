// The stepped part weight frame: a turned part of three or four coaxial
// sections with one bore through its whole length, typed on a sketch of the
// part. Both weight windows carry one frame of each layout under the same
// control names; only the frame and its two buttons are named by the window.
#pragma once

#include <QString>

#include <vector>

#include "common/ui/captionframe.h"
#include "common/ui/twips.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quorvil {

class FormatBox;

class SteppedPartFrame : public CaptionFrame {
    Q_OBJECT

public:
    enum class Layout { ThreeSections, FourSections };
    // The design names the window gives the frame and its buttons.
    struct Names {
        QString frame, calculate, clear;
    };

    SteppedPartFrame(QWidget* parent, Layout layout, const Names& names, Tw geo);

    QPushButton* calculateButton() const { return calculate_; }
    QPushButton* clearButton() const { return clear_; }

    // Reads the frame's boxes and unit option and shows the weight; input
    // that gives no weight refuses the press and changes nothing.
    void calculate();
    // Empties the dimension boxes and the result; density and unit stay.
    void clear();

private:
    void buildThreeSections();
    void buildFourSections();

    Layout layout_;
    std::vector<QLineEdit*> dimensions_;  // in the order of the weight's inputs
    QLineEdit* density_ = nullptr;
    FormatBox* result_ = nullptr;
    QRadioButton* inch_ = nullptr;
    QPushButton* calculate_ = nullptr;
    QPushButton* clear_ = nullptr;
};

}  // namespace quorvil
