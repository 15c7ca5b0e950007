#include "common/ui/formatbox.h"

namespace quorvil {

FormatBox::FormatBox(Pattern pattern, QWidget* parent) : TextBox(parent), pattern_(pattern) {
    // textChanged fires for writes by code and for typing alike, inside the
    // write; setText with an unchanged text does not fire again, so the
    // rewrite ends after one nested pass.
    connect(this, &QLineEdit::textChanged, this, [this] { reformatText(); });
}

void FormatBox::reformatText() {
    const QString now = text();
    const QString formatted = QString::fromStdString(reformat(now.toStdString(), pattern_));
    if (formatted != now) setText(formatted);
}

}  // namespace quorvil
