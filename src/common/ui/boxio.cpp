#include "common/ui/boxio.h"

#include <QLineEdit>

#include "common/numtext.h"
#include "common/ui/writeplan.h"

namespace quorvil {

std::optional<double> readStrict(const QLineEdit* box) { return readStrict(box->text().toStdString()); }
double readLenient(const QLineEdit* box) { return readLenient(box->text().toStdString()); }
std::optional<double> readLeadingNumber(const QLineEdit* box) { return readLeadingNumber(box->text().toStdString()); }

void showText(QLineEdit* box, const QString& text) {
    box->setText(text);
    box->setCursorPosition(0);
}

// One-box write plans: the finiteness rule and the texts stay in one place.
void writePlain(QLineEdit* box, double v) {
    WritePlan plan;
    plan.plain(box, v);
    plan.commit();
}
void writePlainSingle(QLineEdit* box, float v) {
    WritePlan plan;
    plan.plainSingle(box, v);
    plan.commit();
}
void writeSigned(QLineEdit* box, double v) {
    WritePlan plan;
    plan.sign(box, v);
    plan.commit();
}
void writeSignedSingle(QLineEdit* box, float v) {
    WritePlan plan;
    plan.signSingle(box, v);
    plan.commit();
}

}  // namespace quorvil
