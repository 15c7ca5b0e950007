#include "threads/nonstandard/metric60.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <span>

#include "common/numtext.h"
#include "threads/common/tolerance.h"

namespace quorvil::nonstandard::metric60 {

namespace {

struct DiameterRange {
    double from;  // the range starts here (bound included)
    float dr;
};

// The ranges 12-22, 24-45, 48-90, 95-180 and 185- leave gaps below each of
// their lower bounds; a d in a gap belongs to the range below it.
constexpr DiameterRange kRanges[] = {
    {-std::numeric_limits<double>::infinity(), 8.32f},
    {12, 16.475f},
    {24, 32.72f},
    {48, 66.23f},
    {95, 106.1f},
    {185, 338.86f},
};

}  // namespace

float representativeDiameter(double d) { return bandFrom(d, std::span<const DiameterRange>(kRanges)).dr; }

Results compute(double d, double P, ExternalClass external, InternalClass internal) {
    Results r{};
    const float dr = representativeDiameter(d);
    const double p04 = powP04(P);
    const double dr01 = powDr01(dr);
    const double p07 = powP07(P);

    // External thread: es = -(11P + c)/1000, c 30 for 6f and 15 for 6g.
    const double Td2 = 90 * p04 * dr01 / 1000;
    const double rootTerm = 3.15 / std::sqrt(P);
    if (external == ExternalClass::c6h) {
        r.es = 0;
        r.majorLower = -(180 * powP23(P) - rootTerm) / 1000;
        r.pitchLower = -Td2;
    } else {
        const double c = external == ExternalClass::c6f ? 30 : 15;
        r.es = -(11 * P + c) / 1000;
        r.majorLower = -(180 * powP23(P) + (11 * P + c) - rootTerm) / 1000;
        r.pitchLower = -((11 * P + c) / 1000 + Td2);
    }
    r.d2 = metric::basicPitchDiameter(d, P);
    r.minor = metric::basicMinorDiameter(d, P);

    // Internal thread.
    // Held in single precision; beyond its range the tolerance is not
    // finite, so that nothing computed from it is shown.
    r.S = toSingle(118 * p04 * dr01 / 1000).value_or(std::numeric_limits<float>::infinity());
    switch (internal) {
    case InternalClass::c5H:
        r.TD2 = 0.8 * r.S;
        r.TD1 = 184 * p07 / 1000;
        r.gauge = gaugeTolerance(r.TD2);
        break;
    case InternalClass::c6H:
        r.TD2 = r.S;
        r.TD1 = 230 * p07 / 1000;
        r.gauge = gaugeToleranceSingle(r.S);
        break;
    case InternalClass::c7H:
        r.TD2 = 1.25 * r.S;
        r.TD1 = 230 * p07 / 1000 * 1.25;
        r.gauge = gaugeTolerance(r.TD2);
        break;
    }

    r.tapping = metric::tappingData(d, P);
    return r;
}

Gauges gauges(double d, double P, double TD2, const GaugeTolerance& g, std::optional<double> preferredWire) {
    Gauges k{};
    k.sizes = metric::metricGaugeBlock(d, P, TD2, g);
    k.overPreferred = metric::gaugeMValues(k.sizes, P, preferredWire);
    k.goWear = -(g.T / 2 + g.W);
    k.noGoWear = -(g.T / 2 + g.W2);
    return k;
}

}  // namespace quorvil::nonstandard::metric60
