// The typed values of one press of a workshop calculator, read in order
// through the press's Inputs: the first box whose text cannot be used refuses
// the press and says why, and later reads refuse nothing more. A value that
// cannot be used reads as 0 meanwhile; the press checks ok() before it
// computes.
//
// It remembers the box of the largest value read: a result too large to show
// is refused there, as the typed number most likely to have made it so.
//
//     PressInputs v(Held::Single);
//     const double D = v.leading(txtT30), d = v.leadingOrZero(txtT31);
//     const double rho = v.density(txtT34);
//     if (!v.ok()) return;
//     const auto w = sleeveWeight(...);
//     if (!w) return v.refuseTooLarge();
#pragma once

#include <QString>

#include <utility>

#include "common/ui/refusal.h"

class QComboBox;
class QLineEdit;
class QWidget;

namespace quorvil {

// How the calculation holds what is typed: a single-precision input refuses
// a number beyond its range ("数值过大"), and every value read is the one
// held (rounded to single precision).
enum class Held { Double, Single };

class PressInputs {
public:
    explicit PressInputs(Held held = Held::Double) : held_(held) {}

    // Strict reading: the whole text one number.
    double number(QLineEdit* box);
    // A number above 0.
    double positive(QLineEdit* box);
    // A part of a compound entry: empty counts as 0.
    double part(QLineEdit* box);
    // A mixed fraction of an inch; a numerator over an empty or zero
    // denominator refuses at the denominator.
    FractionParts fraction(QLineEdit* whole, QLineEdit* numerator, QLineEdit* denominator);

    // Lenient reading: the leading number ("12mm" gives 12); an empty box,
    // no number, a decimal comma or a number too large refuses.
    double leading(QLineEdit* box);
    double leading(QComboBox* combo);
    // A dimension the part may leave out: an empty box counts as 0.
    double leadingOrZero(QLineEdit* box);
    // A section or bore the part may leave out, its diameter and its length
    // (or depth): an empty box counts as 0, but a number other than 0 in one
    // with the other empty refuses at the empty one.
    std::pair<double, double> leadingSection(QLineEdit* diameter, QLineEdit* length);
    // A density in g/cm3, read leniently: above 0.
    double density(QLineEdit* box);

    // Refuses at `control` with `note` unless `good`; returns `good`.
    bool require(bool good, QWidget* control, const QString& note);
    // True while every value read so far can be used.
    bool ok() const { return in_.ok(); }
    // Refuses the press at the box of the largest value read: "数值过大".
    void refuseTooLarge();

private:
    // The value as held, remembered for refuseTooLarge; 0 for no value.
    double keep(QWidget* control, std::optional<double> v);

    Inputs in_;
    Held held_;
    QWidget* largest_ = nullptr;
    double largestValue_ = -1;
};

}  // namespace quorvil
