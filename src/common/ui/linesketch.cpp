#include "common/ui/linesketch.h"

#include <QPainter>

#include "common/ui/captionframe.h"
#include "common/ui/twips.h"

namespace quorvil {

LineSketch::LineSketch(QWidget* parent, Sketch lines) : QWidget(parent), lines_(std::move(lines)) {
    setObjectName(QStringLiteral("sketch"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(parent->rect());
    lower();
}

void LineSketch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // On a frame a line the design starts above the top border (a divider
    // from the frame's top edge) starts below it.
    if (const auto* frame = qobject_cast<const CaptionFrame*>(parentWidget()))
        painter.setClipRect(rect().adjusted(0, frame->borderRect().top() + 2, 0, 0));
    for (const SketchLine& l : lines_) {
        QPen pen(QColor::fromRgb(static_cast<QRgb>(l.rgb)));
        pen.setWidth(l.widthPx);
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        painter.drawLine(px(l.x1), px(l.y1), px(l.x2), px(l.y2));
    }
}

}  // namespace quorvil
