// Draws a line sketch (segments in twips) over its parent: it covers the
// parent, lets the mouse through and stays behind the parent's other
// controls, so boxes placed on the sketch remain usable.
#pragma once

#include <QWidget>

#include "common/sketch.h"

namespace quorvil {

class LineSketch : public QWidget {
    Q_OBJECT

public:
    LineSketch(QWidget* parent, Sketch lines);
    const Sketch& lines() const { return lines_; }
    // Where the lines show, in this widget's coordinates: on a frame, inside
    // its border, so that no line cuts into the border or its caption.
    QRect clipRect() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Sketch lines_;
};

}  // namespace quorvil
