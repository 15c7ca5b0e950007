#include "workshop/pressinputs.h"

#include <QComboBox>
#include <QLineEdit>

#include <cmath>

#include "common/numtext.h"
#include "common/ui/boxio.h"

namespace quorvil {

double PressInputs::keep(QWidget* control, std::optional<double> v) {
    if (!v) return 0;
    double held = *v;
    if (held_ == Held::Single) {
        const std::optional<float> single = toSingle(held);
        if (!single) {
            in_.refuse(control, notes::tooLarge());
            return 0;
        }
        held = *single;
    }
    if (std::fabs(held) > largestValue_) {
        largestValue_ = std::fabs(held);
        largest_ = control;
    }
    return held;
}

double PressInputs::number(QLineEdit* box) { return keep(box, in_.number(box)); }

double PressInputs::positive(QLineEdit* box) { return keep(box, in_.positive(box)); }

double PressInputs::part(QLineEdit* box) { return keep(box, in_.part(box)); }

FractionParts PressInputs::fraction(QLineEdit* whole, QLineEdit* numerator, QLineEdit* denominator) {
    const std::optional<FractionParts> f = in_.fraction(whole, numerator, denominator);
    if (!f) return {0, 0, 0};
    return {keep(whole, f->whole), keep(numerator, f->numerator), keep(denominator, f->denominator)};
}

double PressInputs::leading(QLineEdit* box) { return keep(box, in_.leading(box)); }

double PressInputs::leading(QComboBox* combo) { return keep(combo, in_.leading(combo)); }

double PressInputs::leadingOrZero(QLineEdit* box) { return isBlank(box) ? 0 : leading(box); }

std::pair<double, double> PressInputs::leadingSection(QLineEdit* diameter, QLineEdit* length) {
    const double d = leadingOrZero(diameter), l = leadingOrZero(length);
    // Half a section is a box forgotten; a 0 beside an empty box weighs
    // nothing either way.
    if (isBlank(length) && d != 0) in_.refuse(length, notes::number());
    if (isBlank(diameter) && l != 0) in_.refuse(diameter, notes::number());
    return {d, l};
}

double PressInputs::density(QLineEdit* box) {
    const double rho = leading(box);
    require(rho > 0, box, notes::positive());
    return rho;
}

bool PressInputs::require(bool good, QWidget* control, const QString& note) { return in_.require(good, control, note); }

void PressInputs::refuseTooLarge() {
    if (largest_) in_.refuse(largest_, notes::tooLarge());
}

}  // namespace quorvil
