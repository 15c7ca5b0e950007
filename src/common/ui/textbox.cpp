#include "common/ui/textbox.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace quorvil {

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    // A line edit keeps two pixels between its frame and its text; one is
    // the design's.
    setTextMargins(-1, 0, -1, 0);
}

void TextBox::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    // The text may reach the frame; draw the frame again over it.
    QPainter painter(this);
    QStyleOptionFrame opt;
    initStyleOption(&opt);
    style()->drawPrimitive(QStyle::PE_FrameLineEdit, &opt, &painter, this);
}

}  // namespace quorvil
