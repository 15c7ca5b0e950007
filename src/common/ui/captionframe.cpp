#include "common/ui/captionframe.h"

#include <QPainter>

#include "common/ui/fonts.h"

namespace quorvil {

CaptionFrame::CaptionFrame(const QString& caption, QWidget* parent)
    : QGroupBox(caption, parent), captionFont_(songFont(10.5)), captionColor_(Qt::black) {}

void CaptionFrame::setCaptionFont(const QFont& font) {
    captionFont_ = font;
    update();
}

void CaptionFrame::setCaptionColor(const QColor& color) {
    captionColor_ = color;
    update();
}

QRect CaptionFrame::borderRect() const { return rect().adjusted(0, QFontMetrics(captionFont_).height() / 2, -1, -1); }

// The dark line runs on the border rectangle's edges, the light line one
// pixel right of and below it (on the right and at the bottom, just outside
// the rectangle).
QRect CaptionFrame::innerRect() const { return borderRect().adjusted(2, 2, -1, -1); }

void CaptionFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics fm(captionFont_);
    const QRect textRect(6, 0, fm.horizontalAdvance(title()) + 4, fm.height());
    // The border leaves a gap for the caption, which sits on whatever lies
    // under the frame (the page, or the frame's own colour).
    if (!title().isEmpty()) painter.setClipRegion(QRegion(rect()).subtracted(QRegion(textRect)));
    // An etched border: a dark line with a light one inside it.
    const QRect box = borderRect();
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(box.adjusted(1, 1, 0, 0));
    if (title().isEmpty()) return;
    painter.setClipping(false);
    painter.setFont(captionFont_);
    painter.setPen(captionColor_);
    painter.drawText(textRect, Qt::AlignCenter, title());
}

}  // namespace quorvil
