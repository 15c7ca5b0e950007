// Reading and writing numbers in text boxes, by the rules of numtext.h.
#pragma once

#include <optional>

class QComboBox;
class QLineEdit;
class QString;

namespace quorvil {

// A box's text as a calculation reads it: what the user typed into a
// self-formatting box is formatted first, as leaving the box would.
QString boxText(const QLineEdit* box);
// True when the box holds no number's worth of text: empty, or blanks only.
bool isBlank(const QLineEdit* box);

std::optional<double> readStrict(const QLineEdit* box);
double readLenient(const QLineEdit* box);
std::optional<double> readLeadingNumber(const QLineEdit* box);
// The same of the text an editable or a plain combo box shows.
double readLenient(const QComboBox* combo);
std::optional<double> readLeadingNumber(const QComboBox* combo);

// Shows a text a calculation wrote: a text too long for the box is shown
// from its start, in every box alike (a plain write would show its end).
void showText(QLineEdit* box, const QString& text);

// One-box writes, for a calculation with a single result: no value shows
// "--"; a value that is not finite changes nothing, so no box can ever show
// inf or nan (calculations check their inputs first and refuse such a
// press). Several results are written together through a WritePlan.
void writePlain(QLineEdit* box, std::optional<double> v);
void writeSigned(QLineEdit* box, std::optional<double> v);
void writeSignedSingle(QLineEdit* box, std::optional<float> v);

}  // namespace quorvil
