#include "workshop/weightui.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "common/ui/boxio.h"
#include "common/ui/controls.h"
#include "common/ui/formatbox.h"
#include "common/ui/labels.h"
#include "workshop/pressinputs.h"

namespace quorvil {

void showWeight(PressInputs& inputs, QLineEdit* box, std::optional<float> w) {
    if (w)
        writeSignedSingle(box, *w);
    else
        inputs.refuseTooLarge();
}

void showWeight(PressInputs& inputs, QLineEdit* box, std::optional<double> w) {
    if (w)
        writeSigned(box, *w);
    else
        inputs.refuseTooLarge();
}

weight::Unit unitOf(const QRadioButton* inchOption) {
    return inchOption->isChecked() ? weight::Unit::Inch : weight::Unit::Millimetre;
}

QLineEdit* makeBoreBox(QWidget* frame, const QString& name, Tw geo) {
    QLineEdit* b = makeBox(frame, name, geo);
    b->setText(QStringLiteral("0"));
    return b;
}

QLineEdit* makeDensityBox(QWidget* frame, const QString& name, const QString& caption, int x, int y) {
    label(frame, caption, {x, y, 900, 255});
    QLineEdit* b = makeBox(frame, name, {x, y + 255, 660, kWeightBoxHeight});
    b->setText(QStringLiteral("7.85"));
    return b;
}

QLabel* makeDensityNote(QWidget* frame, Tw geo) {
    return makeWrappedLabel(frame, QString(), QStringLiteral("可输入各种材料的比重进行计算."), geo);
}

FormatBox* makeWeightResult(QWidget* frame, const QString& name, int x, int y, int kgGap) {
    FormatBox* b = makeFormatBox(frame, name, Pattern::Fixed3, {x, y, 1000, kWeightBoxHeight});
    label(frame, QStringLiteral("Kg"), {x + 1000 + kgGap, y + 30, 240, 255});
    return b;
}

WeightColumn makeWeightColumn(QWidget* frame, int x, const WeightColumnNames& names, WeightColumnLayout layout) {
    WeightColumn c{};
    if (layout == WeightColumnLayout::ButtonRow) {
        c.result = makeWeightResult(frame, names.result, x, 285, 30);
        c.calculate = makeButton(frame, names.calculate, QStringLiteral("显 示"), {x, 630, 750, 345});
        c.clear = makeButton(frame, names.clear, QStringLiteral("清 除"), {x + 810, 630, 750, 345});
        return c;
    }
    c.density = makeDensityBox(frame, names.density, names.densityCaption, x, 330);
    const bool noted = layout == WeightColumnLayout::Noted;
    if (noted) {
        makeDensityNote(frame, {x, 930, 1500, 480});
        if (!names.result.isEmpty()) c.result = makeWeightResult(frame, names.result, x, 1500, 30);
    } else {
        label(frame, QStringLiteral("显示重量"), {x, 960, 900, 255});
        c.result = makeWeightResult(frame, names.result, x, 1215, 15);
    }
    const int buttonsTop = noted ? 1950 : 1620;
    c.calculate = makeButton(frame, names.calculate, noted ? QStringLiteral("显 示") : QStringLiteral("计 算"),
                             {x, buttonsTop, 780, 345});
    c.clear = makeButton(frame, names.clear, QStringLiteral("清 除"), {x, buttonsTop + 420, 780, 345});
    return c;
}

QRadioButton* makeUnitOptions(QWidget* frame, const QString& mmName, const QString& mmCaption, const QString& inchName,
                              int x, int y) {
    makeOption(frame, mmName, mmCaption, {x, y, 690, 255})->setChecked(true);
    return makeOption(frame, inchName, QStringLiteral("英寸"), {x, y + 285, 690, 255});
}

}  // namespace quorvil
