// What the frames of the weight windows share: showing a weight and reading
// the unit option.
#pragma once

#include <optional>

#include "workshop/weights.h"

#include <QString>

class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace quorvil {

class FormatBox;

// Writes the weight as its sign-blank text (seven digits for a single-precision
// weight, fifteen for a double) through a write plan; no weight writes nothing.
void showWeight(QLineEdit* box, std::optional<float> w);
void showWeight(QLineEdit* box, std::optional<double> w);

// Inches when the frame's inch option is selected.
weight::Unit unitOf(const QRadioButton* inchOption);

// The column at a frame's right edge: "输入比重" over the density box
// ("7.85"), "显示重量" over the "0.000" result box with "Kg", then the
// calculate and clear buttons; x is the column's left edge in twips, and
// the column takes 1290 twips.
struct WeightColumn {
    QLineEdit* density;
    FormatBox* result;
    QPushButton* calculate;
    QPushButton* clear;
};
struct WeightColumnNames {
    QString density, result, calculate, clear;
};
WeightColumn makeWeightColumn(QWidget* frame, int x, const WeightColumnNames& names);

// The unit option pair, the millimetre option (selected) above the inch
// option "英寸"; gives the inch option.
QRadioButton* makeUnitOptions(QWidget* frame, const QString& mmName, const QString& mmCaption, const QString& inchName,
                              int x, int y);

}  // namespace quorvil
