#include "workshop/bolt.h"

#include <cmath>

#include "common/numtext.h"

namespace quorvil {

namespace {

std::optional<double> rootOf(double v) {
    if (v < 0) return std::nullopt;
    return finiteValue(std::sqrt(v));
}

}  // namespace

std::optional<double> boltWorkingLoad(double pressure, double bore, double bolts) {
    if (bolts == 0) return std::nullopt;
    return finiteValue(3.14 * bore * bore * pressure / (bolts * 4));
}

std::optional<double> staticMinorDiameter(double load, double stiffness, double preload, double yieldStrength) {
    if (yieldStrength == 0) return std::nullopt;
    return rootOf(load * (preload + stiffness) * 1.66 / (yieldStrength / 3));
}

std::optional<double> fatigueMinorDiameter(double load, double stiffness, double stressConcentration, double sizeFactor,
                                           double fatigueStrength) {
    if (fatigueStrength == 0 || sizeFactor == 0) return std::nullopt;
    return rootOf(stiffness * (stressConcentration * (load * 3)) / (fatigueStrength * sizeFactor * 1.57));
}

}  // namespace quorvil
