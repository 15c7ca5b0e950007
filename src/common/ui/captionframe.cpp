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

void CaptionFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics fm(captionFont_);
    const int lineY = fm.height() / 2;
    // An etched border: a dark line with a light one inside it.
    const QRect box = rect().adjusted(0, lineY, -1, -1);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(box.adjusted(1, 1, 0, 0));
    if (title().isEmpty()) return;
    const int left = 6;
    const QRect textRect(left, 0, fm.horizontalAdvance(title()) + 4, fm.height());
    painter.fillRect(textRect, palette().color(backgroundRole()));
    painter.setFont(captionFont_);
    painter.setPen(captionColor_);
    painter.drawText(textRect, Qt::AlignCenter, title());
}

}  // namespace quorvil
