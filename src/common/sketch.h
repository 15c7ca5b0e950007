// A line sketch as data: straight segments in twips, relative to the widget
// (usually a frame) the sketch is drawn on.
#pragma once

#include <cstdint>
#include <vector>

namespace quorvil {

struct SketchLine {
    int x1, y1, x2, y2;          // twips
    int widthPx = 1;             // thick lines are two pixels wide
    std::uint32_t rgb = 0x000000;  // 0xRRGGBB
};

using Sketch = std::vector<SketchLine>;

}  // namespace quorvil
