#include "workshop/weightui.h"

#include <QRadioButton>

#include "common/ui/writeplan.h"

namespace quorvil {

void showWeight(QLineEdit* box, std::optional<float> w) {
    WritePlan plan;
    if (w) plan.signSingle(box, *w);
    else plan.reject();
    plan.commit();
}

void showWeight(QLineEdit* box, std::optional<double> w) {
    WritePlan plan;
    plan.sign(box, w);
    plan.commit();
}

weight::Unit unitOf(const QRadioButton* inchOption) {
    return inchOption->isChecked() ? weight::Unit::Inch : weight::Unit::Millimetre;
}

}  // namespace quorvil
