// Reading and writing numbers in text boxes, by the rules of numtext.h.
#pragma once

#include <optional>

class QLineEdit;
class QString;

namespace quorvil {

// A box's text as a calculation reads it: what the user typed into a
// self-formatting box is formatted first, as leaving the box would.
QString boxText(const QLineEdit* box);

std::optional<double> readStrict(const QLineEdit* box);
double readLenient(const QLineEdit* box);
std::optional<double> readLeadingNumber(const QLineEdit* box);

// Shows a text a calculation wrote: a text too long for the box is shown
// from its start, in every box alike (a plain write would show its end).
void showText(QLineEdit* box, const QString& text);

// The writers leave the box unchanged for a value that is not finite, so no
// box can ever show inf or nan; calculations still check their inputs first.
void writePlain(QLineEdit* box, double v);
void writePlainSingle(QLineEdit* box, float v);
void writeSigned(QLineEdit* box, double v);
void writeSignedSingle(QLineEdit* box, float v);

}  // namespace quorvil
