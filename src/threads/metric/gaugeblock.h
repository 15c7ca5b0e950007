// The thread plug gauges of the metric thread window's internal thread: the
// metric gauge sizes, the M values over both wires at the gauge pitch sizes,
// and the wear limits as sizes, worked out from the pitch sizes as their
// boxes show them.
#pragma once

#include <optional>

#include "common/numtext.h"
#include "threads/common/metricgauge.h"

namespace quorvil::metric {

// The pitch sizes' boxes show three decimals.
inline constexpr Pattern kGaugePitchPattern = Pattern::Fixed3;

struct PlugGauges {
    MetricGaugeBlock sizes;
    GaugeMValues overPreferred;  // over the preferred wire
    GaugeMValues overSecond;     // over the second wire
    double goWearLimit;
    double noGoWearLimit;
};

// For thread d x p whose pitch-diameter tolerance td2 is as its box shows
// it, with the wires as their boxes show them. No gauges without a
// tolerance, nor for one that lies in no band of the gauge tolerance table.
std::optional<PlugGauges> plugGauges(double d, double p, std::optional<double> td2, std::optional<double> preferredWire,
                                     std::optional<double> secondWire);

// Wear limit of a gauge: the wear allowance plus half the gauge tolerance
// below its pitch size as shown (the rounded size a gauge maker works from).
double gaugeWearLimit(double shownPitch, double wear, double T);

}  // namespace quorvil::metric
