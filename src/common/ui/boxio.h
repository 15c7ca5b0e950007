// Reading and writing numbers in text boxes, by the rules of numtext.h.
#pragma once

#include <optional>

class QLineEdit;

namespace quorvil {

std::optional<double> readStrict(const QLineEdit* box);
double readLenient(const QLineEdit* box);
std::optional<double> readLeadingNumber(const QLineEdit* box);

// The writers leave the box unchanged for a value that is not finite, so no
// box can ever show inf or nan; calculations still check their inputs first.
void writePlain(QLineEdit* box, double v);
void writePlainSingle(QLineEdit* box, float v);
void writeSigned(QLineEdit* box, double v);
void writeSignedSingle(QLineEdit* box, float v);

}  // namespace quorvil
