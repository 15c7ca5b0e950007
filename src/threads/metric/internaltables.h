// Tables of the metric internal thread (classes 5H, 6H, 7H) and of its
// thread plug gauges, keyed by nominal diameter D and pitch P in mm.
//
// Diameter bands are (lower, upper]; pitches match only when equal as
// doubles (a typed 1.250 finds 1.25, 1.26 finds nothing).
#pragma once

#include <optional>

namespace quorvil::metric {

enum class InternalClass { c5H, c6H, c7H };

// Thread lengths of the GO and NO-GO gauge as the texts the boxes show
// ("12", "7.5").
struct GaugeLengths {
    const char* go;
    const char* nogo;
};

// By D in (6, 100] and P; no entry outside.
std::optional<GaugeLengths> gaugeThreadLengths(double d, double p);

// Pitch-diameter tolerance TD2 of the class, by D in (0.99, 355] and P.
std::optional<double> internalPitchDiameterTolerance(InternalClass c, double d, double p);

// Minor-diameter tolerance TD1 of the class, by P alone.
std::optional<double> internalMinorDiameterTolerance(InternalClass c, double p);

}  // namespace quorvil::metric
