#include "common/ui/boxio.h"

#include <QComboBox>
#include <QLineEdit>

#include "common/numtext.h"
#include "common/ui/formatbox.h"
#include "common/ui/writeplan.h"

namespace quorvil {

QString boxText(const QLineEdit* box) {
    settleTyping(box);
    return box->text();
}

bool isBlank(const QLineEdit* box) { return strictFault(boxText(box).toStdString()) == ReadFault::Empty; }

std::optional<double> readStrict(const QLineEdit* box) { return readStrict(boxText(box).toStdString()); }
double readLenient(const QLineEdit* box) { return readLenient(boxText(box).toStdString()); }
std::optional<double> readLeadingNumber(const QLineEdit* box) { return readLeadingNumber(boxText(box).toStdString()); }
double readLenient(const QComboBox* combo) { return readLenient(combo->currentText().toStdString()); }
std::optional<double> readLeadingNumber(const QComboBox* combo) {
    return readLeadingNumber(combo->currentText().toStdString());
}

void showText(QLineEdit* box, const QString& text) {
    box->setText(text);
    box->setCursorPosition(0);
}

// One-box write plans: the finiteness rule and the texts stay in one place.
void writePlain(QLineEdit* box, std::optional<double> v) {
    WritePlan plan;
    plan.plain(box, v);
    plan.commit();
}

void writeSigned(QLineEdit* box, std::optional<double> v) {
    WritePlan plan;
    plan.sign(box, v);
    plan.commit();
}

void writeSignedSingle(QLineEdit* box, std::optional<float> v) {
    WritePlan plan;
    plan.signSingle(box, v);
    plan.commit();
}

}  // namespace quorvil
