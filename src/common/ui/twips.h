// Design places and sizes are kept in twips exactly as designed; this is the
// one place that turns them into pixels (15 twips = 1 pixel at 96 dpi).
#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace quorvil {

constexpr int px(int twips) { return twips >= 0 ? (twips + 7) / 15 : -((-twips + 7) / 15); }

// A design rectangle in twips: left, top, width, height.
struct Tw {
    int left, top, width, height;
    QRect rect() const { return {px(left), px(top), px(width), px(height)}; }
};

inline QSize twipsSize(int width, int height) { return {px(width), px(height)}; }

void place(QWidget* w, Tw geo);

}  // namespace quorvil
