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

QRect LineSketch::clipRect() const {
    // The design runs dividers from border to border of their frame (and
    // some from its top edge); they end inside the etched border.
    if (const auto* frame = qobject_cast<const CaptionFrame*>(parentWidget())) return frame->innerRect();
    return rect();
}

void LineSketch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setClipRect(clipRect());
    for (const SketchLine& l : lines_) {
        const bool inverted = l.rgb == kInvertedLine;
        // White xor-ed onto the pixels below inverts them.
        painter.setCompositionMode(inverted ? QPainter::RasterOp_SourceXorDestination
                                            : QPainter::CompositionMode_SourceOver);
        QPen pen(inverted ? QColor(Qt::white) : QColor::fromRgb(static_cast<QRgb>(l.rgb)));
        pen.setWidth(l.widthPx);
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        painter.drawLine(px(l.x1), px(l.y1), px(l.x2), px(l.y2));
    }
}

}  // namespace quorvil
