// Metric 60° threads of any diameter and pitch, by the tolerance formulas
// instead of a standard's tables: external classes 6f/6g/6h, internal
// classes 5H/6H/7H and the thread plug gauges of the internal thread, as the
// non-standard thread window gives them. All lengths in millimetres.
//
// The tapping data are the metric family's (threads/metric/); the gauge
// tolerance row, the gauge sizes, the M values over the gauges (the metric
// constant form) and the power terms are the shared ones (threads/common/).
// Nothing here keeps state.
#pragma once

#include <optional>

#include "threads/common/gaugetolerance.h"
#include "threads/common/metricgauge.h"
#include "threads/metric/tapping.h"

namespace quorvil::nonstandard::metric60 {

enum class ExternalClass { c6f, c6g, c6h };
enum class InternalClass { c5H, c6H, c7H };

// Representative diameter by d, held in single precision:
// up to 11: 8.32; 12 to 22: 16.475; 24 to 45: 32.72; 48 to 90: 66.23;
// 95 to 180: 106.1; from 185: 338.86. A d between two ranges
// (11 < d < 12, 22 < d < 24, ...) takes the range below it, so every d,
// 0 and negative values included, has one.
float representativeDiameter(double d);

// Everything of the tab that follows from d, P and the two classes alone;
// the M values also need the wires that the window shows. Needs P > 0.
struct Results {
    // External thread. es is 0 under 6h.
    double es;
    double majorLower;  // es - Td
    double d2;          // basic pitch diameter, also D2
    double pitchLower;  // es - Td2
    double minor;       // d - 1.0825 P: upper limit of d1, D1, gauge minor limit
    // Internal thread.
    float S;     // pitch-diameter tolerance of 6H, single precision
    double TD2;  // 5H: 0.8 S, 6H: S, 7H: 1.25 S
    double TD1;
    metric::TappingData tapping;
    // Gauge tolerance row for TD2; no row when TD2 lies in no band.
    std::optional<GaugeTolerance> gauge;
};

Results compute(double d, double P, ExternalClass external, InternalClass internal);

// GO and NO-GO thread plug gauges of the internal thread (only with a gauge
// row): the metric gauge block, with the wear limits shown as deviations
// from the pitch sizes beside them (not as sizes), and the NO-GO gauge
// wearing by the second allowance W2 (the GO gauge by W). Only the
// preferred wire, as its box shows it, enters the gauge M values.
struct Gauges {
    metric::MetricGaugeBlock sizes;
    metric::GaugeMValues overPreferred;
    double goWear;    // -(T/2 + W)
    double noGoWear;  // -(T/2 + W2)
};

Gauges gauges(double d, double P, double TD2, const GaugeTolerance& g, std::optional<double> preferredWire);

}  // namespace quorvil::nonstandard::metric60
