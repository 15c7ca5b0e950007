// What the frames of the weight windows share: their places, showing a
// weight, reading the unit option, and the density box, result box and
// buttons that most frames stand in a column.
#pragma once

#include <QString>

#include <optional>

#include "common/ui/twips.h"
#include "workshop/weights.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace quorvil {

class FormatBox;
class PressInputs;

// Every frame of the weight windows spans its page, kWeightFrameLeft from
// the page's left edge and kWeightFrameWidth wide; every text box in them is
// kWeightBoxHeight tall (twips).
constexpr int kWeightFrameLeft = 90, kWeightFrameWidth = 6390;
constexpr int kWeightBoxHeight = 285;

// Shows the weight of a press whose inputs could all be used, as its
// sign-blank text (seven digits for a single-precision weight, fifteen for a
// double). No weight, one beyond the range of its precision, refuses the
// press at its largest input and writes nothing.
void showWeight(PressInputs& inputs, QLineEdit* box, std::optional<float> w);
void showWeight(PressInputs& inputs, QLineEdit* box, std::optional<double> w);

// Inches when the frame's inch option is selected.
weight::Unit unitOf(const QRadioButton* inchOption);

// A box for the diameter or depth of a bore, which a part may leave out: it
// opens with "0".
QLineEdit* makeBoreBox(QWidget* frame, const QString& name, Tw geo);
// The density box ("7.85") under its caption, whose top left is (x, y).
QLineEdit* makeDensityBox(QWidget* frame, const QString& name, const QString& caption, int x, int y);
// The note under a density box that any material's density may be typed.
QLabel* makeDensityNote(QWidget* frame, Tw geo);
// A "0.000" result box, 1000 twips wide, its top left at (x, y), with "Kg"
// kgGap twips behind it.
FormatBox* makeWeightResult(QWidget* frame, const QString& name, int x, int y, int kgGap);

// The column at a frame's right edge, x its left edge in twips: the density
// box under its caption at the top, the result box, then the calculate and
// clear buttons.
// Room for a captioned column at a frame's right edge: result box, "Kg" and
// the frame's border.
constexpr int kCaptionedWeightColumn = 1305;
enum class WeightColumnLayout {
    // "显示重量" over the result, the buttons "计 算" and "清 除"; the column
    // takes kCaptionedWeightColumn twips.
    Captioned,
    // The density note between density and result, the buttons "显 示" and
    // "清 除" lower down.
    Noted,
    // No density box: the result at the frame's top with the buttons "显 示"
    // and "清 除" side by side under it; the frame places its density box.
    ButtonRow,
};
struct WeightColumn {
    QLineEdit* density;  // none in a ButtonRow column
    FormatBox* result;   // none where the frame places its result elsewhere
    QPushButton* calculate;
    QPushButton* clear;
};
struct WeightColumnNames {
    QString density, result, calculate, clear;  // no result name: no result box (Noted only)
    QString densityCaption = QStringLiteral("输入比重");
};
WeightColumn makeWeightColumn(QWidget* frame, int x, const WeightColumnNames& names,
                              WeightColumnLayout layout = WeightColumnLayout::Captioned);

// The unit option pair, the millimetre option (selected) above the inch
// option "英寸"; gives the inch option.
QRadioButton* makeUnitOptions(QWidget* frame, const QString& mmName, const QString& mmCaption, const QString& inchName,
                              int x, int y);

}  // namespace quorvil
