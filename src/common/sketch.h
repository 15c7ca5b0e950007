// A line sketch as data: straight segments in twips, relative to the widget
// (usually a frame) the sketch is drawn on.
#pragma once

#include <cstdint>
#include <vector>

namespace quorvil {

struct SketchLine {
    int x1, y1, x2, y2;            // twips
    int widthPx = 1;               // thick lines are two pixels wide
    std::uint32_t rgb = 0x000000;  // 0xRRGGBB
};

using Sketch = std::vector<SketchLine>;

// The colours of the design's sketch lines, 0xRRGGBB.
inline constexpr std::uint32_t kBlackLine = 0x000000;
inline constexpr std::uint32_t kGreyLine = 0x808080;  // the grey pen
inline constexpr std::uint32_t kLightGreyLine = 0xC0C0C0;
// Not a colour: the line inverts what lies under it, so it shows dark on
// the light page and light on anything dark.
inline constexpr std::uint32_t kInvertedLine = 0x1000000;

}  // namespace quorvil
