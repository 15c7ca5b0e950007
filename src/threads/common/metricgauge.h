// Basic sizes of a metric 60° internal thread and the sizes of its GO and
// NO-GO thread plug gauges, mm: the metric thread window and the metric tab
// of the non-standard thread window build the same gauges, and differ in
// the wear limits and the wires they show with them.
#pragma once

#include <optional>

#include "threads/common/gaugetolerance.h"

namespace quorvil::metric {

// D2 = d - 0.64952 p.
double basicPitchDiameter(double d, double p);
// D1 = d - 1.0825 p (the four-decimal factor, also the gauges' minor limit).
double basicMinorDiameter(double d, double p);

// Gauge sizes; each lower deviation goes with an upper deviation of 0.
struct MetricGaugeBlock {
    double goMajor;            // (d + Z) + T
    double goMajorLowerDev;    // -2T
    double goPitch;            // (D2 + Z) + T/2
    double goPitchLowerDev;    // -T
    double noGoMajor;          // ((TD2 + D2) + 3T/2) + 0.2 p
    double noGoMajorLowerDev;  // -2T
    double noGoPitch;          // (TD2 + D2) + T
    double noGoPitchLowerDev;  // -T
};

// For thread d x p whose pitch-diameter tolerance is td2, with the gauge
// tolerances g of td2's band.
MetricGaugeBlock metricGaugeBlock(double d, double p, double td2, const GaugeTolerance& g);

// The three-wire M values (the metric constant form) over a wire at the GO
// and NO-GO pitch sizes; none without a wire.
struct GaugeMValues {
    std::optional<double> go;
    std::optional<double> noGo;
};
GaugeMValues gaugeMValues(const MetricGaugeBlock& b, double p, std::optional<double> wire);

}  // namespace quorvil::metric
