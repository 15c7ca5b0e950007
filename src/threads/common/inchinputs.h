// The mixed-fraction inch entry as a press reads it: each box a part of the
// size (an empty box is 0), the size held in single precision, and the box
// and note a size that cannot be used refuses at.
#pragma once

#include <optional>

class QLineEdit;

namespace quorvil {
class Inputs;
}

namespace quorvil::inch {

// The nominal size of a thread (nominalSingle), which must lie above 0. A
// part that is not a number, a numerator over an empty or zero denominator,
// a size beyond single precision (at the part that makes it so) and a size
// of 0 or less (at its first negative part, else the whole inches) refuse.
std::optional<float> readThreadSize(Inputs& in, QLineEdit* whole, QLineEdit* numerator, QLineEdit* denominator);

}  // namespace quorvil::inch
