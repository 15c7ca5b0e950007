// Tapping data of a metric internal thread of nominal diameter d and pitch
// p, mm: the tap drill, how deep to drill and to tap, and the tool figures.
#pragma once

namespace quorvil::metric {

struct TappingData {
    double tapDrill;      // d - p for p up to 1 (1 included), else d - 1.06 p
    double drillDepth;    // d + 0.7 d
    double tappedDepth;   // d + 2.5 p
    double threadDepth;   // 0.63145 p
    double toolTipWidth;  // 0.16 p
};

TappingData tappingData(double d, double p);

}  // namespace quorvil::metric
