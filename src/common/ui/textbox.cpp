#include "common/ui/textbox.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>
#include <cmath>

namespace quorvil {

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, [this] { fitMargins(); });
    fitMargins();
}

// A line edit keeps two pixels between its frame and its text; one is the
// design's. It also keeps room on each side for the font's most overhanging
// glyph, and centres a text only when the text fits with that room: in the
// Song face that is seven pixels that the digits never use, so a number that
// plainly fits would be shown off centre. While the text fits the box
// without that room, the room is handed back (the frame is drawn over
// anything that would reach it); a longer text keeps it, so that the caret
// stays in view while the user types.
void TextBox::fitMargins() {
    const QFontMetricsF fm(font());
    QStyleOptionFrame opt;
    opt.initFrom(this);
    opt.rect = rect();
    opt.lineWidth = hasFrame() ? style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, this) : 0;
    const int contents = style()->subElementRect(QStyle::SE_LineEditContents, &opt, this).width();
    constexpr int kLineEditMargin = 2;                    // a line edit's own, each side
    const int room = contents + 2 - 2 * kLineEditMargin;  // with the design's one pixel
    const int keep = alignment() & Qt::AlignRight ? 3 : 0;
    const bool fits = std::lround(fm.horizontalAdvance(text())) + 1 + keep <= room;
    const int left = fits ? std::max(0, -QFontMetrics(font()).minLeftBearing()) : 0;
    int right = fits ? std::max(0, -QFontMetrics(font()).minRightBearing()) : 0;
    // Right-aligned, the text would end right at the frame, where a glyph
    // reaching past its advance ("°") would touch it and one whose ink ends
    // at its advance ("--") would run into it: keep three pixels.
    if (alignment() & Qt::AlignRight) right = std::max(0, right - 3);
    const QMargins margins(-1 - left, 0, -1 - right, 0);
    if (textMargins() != margins) setTextMargins(margins);
}

void TextBox::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) fitMargins();
}

void TextBox::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    fitMargins();
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
