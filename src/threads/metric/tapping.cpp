#include "threads/metric/tapping.h"

namespace quorvil::metric {

TappingData tappingData(double d, double p) {
    TappingData t{};
    t.tapDrill = p <= 1 ? d - p : d - p * 1.06;
    t.drillDepth = d + d * 0.7;
    t.tappedDepth = d + p * 2.5;
    t.threadDepth = p * 0.63145;
    t.toolTipWidth = p * 0.16;
    return t;
}

}  // namespace quorvil::metric
