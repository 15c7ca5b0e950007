#include "common/ui/formatbox.h"

namespace quorvil {

FormatBox::FormatBox(Pattern pattern, QWidget* parent) : TextBox(parent), pattern_(pattern) {
    // A key stroke raises textEdited and then textChanged; a write by code
    // only textChanged, inside the write. setText with an unchanged text does
    // not fire again, so the rewrite ends after one nested pass.
    connect(this, &QLineEdit::textEdited, this, [this] { editing_ = true; });
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (editing_) {
            editing_ = false;
            typed_ = true;
            return;
        }
        typed_ = false;
        reformatText();
    });
    connect(this, &QLineEdit::editingFinished, this, [this] { settle(); });
}

void FormatBox::settle() {
    if (!typed_) return;
    typed_ = false;
    reformatText();
}

void FormatBox::focusOutEvent(QFocusEvent* event) {
    TextBox::focusOutEvent(event);
    settle();
}

void FormatBox::reformatText() {
    const QString now = text();
    const QString formatted = QString::fromStdString(reformat(now.toStdString(), pattern_));
    if (formatted != now) setText(formatted);
}

void settleTyping(const QLineEdit* box) {
    // Formatting what the user typed is what leaving the box does; a reader
    // may do it on a box it only reads.
    if (auto* f = qobject_cast<FormatBox*>(const_cast<QLineEdit*>(box))) f->settle();
}

}  // namespace quorvil
