#include "common/ui/boxio.h"

#include <QLineEdit>

#include <cmath>

#include "common/numtext.h"

namespace quorvil {

std::optional<double> readStrict(const QLineEdit* box) { return readStrict(box->text().toStdString()); }
double readLenient(const QLineEdit* box) { return readLenient(box->text().toStdString()); }
std::optional<double> readLeadingNumber(const QLineEdit* box) { return readLeadingNumber(box->text().toStdString()); }

void showText(QLineEdit* box, const QString& text) {
    box->setText(text);
    box->setCursorPosition(0);
}

namespace {
void write(QLineEdit* box, bool finite, const std::string& text) {
    if (finite) showText(box, QString::fromStdString(text));
}
}  // namespace

void writePlain(QLineEdit* box, double v) { write(box, std::isfinite(v), plainText(v)); }
void writePlainSingle(QLineEdit* box, float v) { write(box, std::isfinite(v), plainTextSingle(v)); }
void writeSigned(QLineEdit* box, double v) { write(box, std::isfinite(v), signedText(v)); }
void writeSignedSingle(QLineEdit* box, float v) { write(box, std::isfinite(v), signedTextSingle(v)); }

}  // namespace quorvil
