// What the presses of the inch thread windows read: the mixed-fraction inch
// entry, each box a part of the size (an empty box is 0), with the box and
// note a size that cannot be used refuses at; and the results taken over a
// wire box (tableOrKept reads the wire).
#pragma once

#include <optional>

#include "threads/common/inchentry.h"

class QLineEdit;

namespace quorvil {
class Inputs;
class WritePlan;
}  // namespace quorvil

namespace quorvil::inch {

// The nominal size of a thread (nominalSingle), which must lie above 0. A
// part that is not a number, a numerator over an empty or zero denominator,
// a size beyond single precision (at the part that makes it so) and a size
// of 0 or less (at its first negative part, else the whole inches) refuse.
std::optional<float> readThreadSize(Inputs& in, QLineEdit* whole, QLineEdit* numerator, QLineEdit* denominator);

// The box of the entry that `part` names.
QLineEdit* entryBox(EntryBox part, QLineEdit* whole, QLineEdit* numerator, QLineEdit* denominator);

// Threads per inch, the whole text of the box one number above 0 whose
// pitch, its reciprocal, is a number too ("1e-320" refuses as too large).
std::optional<double> readThreadsPerInch(Inputs& in, QLineEdit* box);
// The same read by its leading number ("8牙" is 8) and held in single
// precision, which it must fit (threadsPerInchSingle).
std::optional<float> readThreadsPerInchSingle(Inputs& in, QLineEdit* box);

// Stages `box` with an M value over the wire of `wireBox`, or "--" without
// one. An M value that is not finite refuses the press at the wire box.
void stageOverWire(Inputs& in, WritePlan& plan, QLineEdit* box, QLineEdit* wireBox, std::optional<double> m);

}  // namespace quorvil::inch
