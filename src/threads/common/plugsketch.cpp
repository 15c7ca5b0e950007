#include "threads/common/plugsketch.h"

namespace quorvil::inch {

namespace {
constexpr std::uint32_t kGrey = 0x808080;
constexpr int kThick = 2;
}  // namespace

Sketch plugGaugeSketch(int frameHeight) {
    return Sketch{
        {2880, 0, 2880, frameHeight, 1, kGrey},
        // GO body with its crest and root lines.
        {990, 360, 1890, 360, kThick}, {1890, 360, 1890, 1260, kThick}, {1890, 1260, 990, 1260, kThick},
        {990, 1260, 990, 360, kThick}, {990, 450, 1890, 450}, {990, 1170, 1890, 1170},
        // NO-GO body, shorter.
        {3645, 360, 4365, 360, kThick}, {4365, 360, 4365, 1215, kThick}, {4365, 1215, 3645, 1215, kThick},
        {3645, 1215, 3645, 360, kThick}, {3645, 450, 4365, 450}, {3645, 1125, 4365, 1125},
        // Handle.
        {1890, 585, 3645, 585, kThick}, {1890, 960, 3645, 960, kThick},
        // GO major diameter.
        {990, 360, 480, 360}, {990, 1260, 480, 1260}, {585, 360, 585, 1260},
        // NO-GO major diameter.
        {4365, 360, 4920, 360}, {4365, 1215, 4920, 1215}, {4815, 360, 4815, 1215},
        // GO thread length.
        {990, 1260, 990, 1800}, {1890, 1260, 1890, 1800}, {990, 1710, 1890, 1710},
        // NO-GO thread length.
        {3645, 1215, 3645, 1740}, {4545, 1215, 4545, 1740}, {3645, 1650, 4545, 1650},
    };
}

}  // namespace quorvil::inch
