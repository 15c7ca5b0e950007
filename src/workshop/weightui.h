// What the frames of the weight windows share: showing a weight and reading
// the unit option.
#pragma once

#include <optional>

#include "workshop/weights.h"

class QLineEdit;
class QRadioButton;

namespace quorvil {

// Writes the weight as its sign-blank text (seven digits for a single-precision
// weight, fifteen for a double) through a write plan; no weight writes nothing.
void showWeight(QLineEdit* box, std::optional<float> w);
void showWeight(QLineEdit* box, std::optional<double> w);

// Inches when the frame's inch option is selected.
weight::Unit unitOf(const QRadioButton* inchOption);

}  // namespace quorvil
