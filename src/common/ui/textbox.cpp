#include "common/ui/textbox.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace quorvil {

// A line edit keeps two pixels between its frame and its text area; one is
// the design's. It places a text in that area by its advance alone (left,
// centred, or ending two pixels before the right end), so a glyph that
// reaches past its advance may touch the frame.
TextBox::TextBox(QWidget* parent) : QLineEdit(parent) { setTextMargins(-1, 0, -1, 0); }

void TextBox::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    // The text may reach the frame; draw the frame again over it.
    QPainter painter(this);
    QStyleOptionFrame opt;
    initStyleOption(&opt);
    style()->drawPrimitive(QStyle::PE_FrameLineEdit, &opt, &painter, this);
}

}  // namespace quorvil
