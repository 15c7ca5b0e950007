#include "common/dimensionline.h"

namespace quorvil {

void arrowHead(Sketch& s, int x, int y, Pointing towards, ArrowHead head) {
    // Back from the tip, against the pointing...
    const int backX = towards == Pointing::Left ? 1 : towards == Pointing::Right ? -1 : 0;
    const int backY = towards == Pointing::Up ? 1 : towards == Pointing::Down ? -1 : 0;
    // ...and across the line, the side of smaller coordinates first.
    for (const int side : {-1, 1}) {
        const int acrossX = backX == 0 ? side * head.halfWidth : 0, acrossY = backY == 0 ? side * head.halfWidth : 0;
        s.push_back({x, y, x + backX * head.length + acrossX, y + backY * head.length + acrossY, 1, kBlackLine});
    }
}

void horizontalDimensionLine(Sketch& s, int x1, int x2, int y, ArrowHead head) {
    s.push_back({x1, y, x2, y, 1, kBlackLine});
    arrowHead(s, x1, y, Pointing::Left, head);
    arrowHead(s, x2, y, Pointing::Right, head);
}

void verticalDimensionLine(Sketch& s, int x, int y1, int y2, ArrowHead head) {
    s.push_back({x, y1, x, y2, 1, kBlackLine});
    arrowHead(s, x, y1, Pointing::Up, head);
    arrowHead(s, x, y2, Pointing::Down, head);
}

}  // namespace quorvil
