// The bolts of a pressure cylinder's cover: the working load on one bolt and
// the smallest admissible minor diameter of its thread, under static load
// from the yield strength and under pulsating load from the fatigue strength.
// pi is 3.14; the safety factors are 3 for both ways.
#pragma once

#include <optional>

namespace quorvil {

// 3.14 · D · D · p / (z · 4): the pressure on the bore shared by z bolts, N.
// No value for z = 0.
std::optional<double> boltWorkingLoad(double pressure, double bore, double bolts);

// √(F · (Ko + Kc) · 1.66 / (σs / 3)), mm. No value for a yield strength of 0
// or a negative root.
std::optional<double> staticMinorDiameter(double load, double stiffness, double preload, double yieldStrength);

// √(Kc · (Kσ · (F · 3)) / (σ−1t · ε · 1.57)), mm. No value for a fatigue
// strength or size factor of 0 or a negative root.
std::optional<double> fatigueMinorDiameter(double load, double stiffness, double stressConcentration, double sizeFactor,
                                           double fatigueStrength);

}  // namespace quorvil
