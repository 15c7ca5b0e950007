#include "threads/common/threewire.h"

#include <cmath>

#include "common/numtext.h"
#include "common/units.h"

namespace quorvil {

double threeWireHalfAngle(FlankAngle angle) { return ((angle.degrees / 2) * kThreeWirePi) / 180; }

double pitchOfThreadsPerInch(double threadsPerInch) { return kMillimetresPerInch / threadsPerInch; }

std::optional<double> threeWireM(FlankAngle angle, PitchDiameter E, Wire w, Pitch P) {
    const double h = threeWireHalfAngle(angle);
    const double overWires = E.mm + w.mm * ((1 / std::sin(h)) + 1);
    const double flankDrop = (P.mm / 2) * (1 / std::tan(h));
    return finiteValue(overWires - flankDrop);
}

double metricThreeWireM(MajorDiameter d, Wire w, Pitch P) { return (d.mm - 1.515 * P.mm) + 3 * w.mm; }

double metricThreeWireM(PitchDiameter E, Wire w, Pitch P) {
    return metricThreeWireM(MajorDiameter{E.mm + 0.6495 * P.mm}, w, P);
}

double trapezoidalThreeWireM(PitchDiameter E, Wire w, Pitch P) { return (E.mm + 4.864 * w.mm) - 1.866 * P.mm; }

double threeWireM(HalfAngle h, PitchDiameter E, Wire w, Pitch P) {
    return E.mm + w.mm * (1 / h.sine + 1) - P.mm / (2 * h.tangent);
}

std::optional<double> bestWireDiameter(FlankAngle angle, Pitch P) {
    if (angle.degrees == 0) return std::nullopt;
    const double c = std::cos(threeWireHalfAngle(angle));
    return finiteValue(P.mm / (c + c));
}

// clang-format off
const std::array<std::string_view, 32> kStandardWires = {
    "0.511",
    "0.572",
    "0.724",
    "0.796",
    "0.866",
    "1.008",
    "1.047",
    "1.157",
    "1.302",
    "1.441",
    "1.553",
    "1.591",
    "1.732",
    "1.833",
    "2.020",
    "2.071",
    "2.217",
    "2.311",
    "2.595",
    "2.886",
    "3.106",
    "3.177",
    "3.287",
    "3.310",
    "3.468",
    "3.580",
    "3.666",
    "4.091",
    "4.141",
    "4.211",
    "4.400",
    "4.773",
};
// clang-format on

}  // namespace quorvil
