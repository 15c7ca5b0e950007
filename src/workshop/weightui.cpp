#include "workshop/weightui.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "common/ui/controls.h"
#include "common/ui/formatbox.h"
#include "common/ui/writeplan.h"

namespace quorvil {

void showWeight(QLineEdit* box, std::optional<float> w) {
    WritePlan plan;
    if (w)
        plan.signSingle(box, *w);
    else
        plan.reject();
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

WeightColumn makeWeightColumn(QWidget* frame, int x, const WeightColumnNames& names) {
    WeightColumn c{};
    makeLabel(frame, {}, QStringLiteral("输入比重"), {x, 330, 900, 255});
    c.density = makeBox(frame, names.density, {x, 585, 660, 285});
    c.density->setText(QStringLiteral("7.85"));
    makeLabel(frame, {}, QStringLiteral("显示重量"), {x, 960, 900, 255});
    c.result = makeFormatBox(frame, names.result, Pattern::Fixed3, {x, 1215, 1000, 285});
    makeLabel(frame, {}, QStringLiteral("Kg"), {x + 1015, 1245, 240, 255});
    c.calculate = makeButton(frame, names.calculate, QStringLiteral("计 算"), {x, 1620, 780, 345});
    c.clear = makeButton(frame, names.clear, QStringLiteral("清 除"), {x, 2040, 780, 345});
    return c;
}

QRadioButton* makeUnitOptions(QWidget* frame, const QString& mmName, const QString& mmCaption, const QString& inchName,
                              int x, int y) {
    makeOption(frame, mmName, mmCaption, {x, y, 690, 255})->setChecked(true);
    return makeOption(frame, inchName, QStringLiteral("英寸"), {x, y + 285, 690, 255});
}

}  // namespace quorvil
