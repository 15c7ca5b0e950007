// A cylindrical helical compression spring of round wire: its coils, heights,
// pitch, helix angle, wire length and loads from the wire and coil diameters,
// the installed height, the working stroke, the two working loads and the
// shear modulus. Inputs and results are single-precision numbers; the
// arithmetic between them is double precision.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace quorvil {

// The standard wire and mean coil diameters offered for picking: the first
// series, the header "第二系列", the second series.
extern const std::array<std::string_view, 41> kSpringWireDiameters;
extern const std::array<std::string_view, 68> kSpringMeanDiameters;

// Active coil counts a spring is made with.
extern const std::array<float, 36> kCoilSeries;

// n raised to the next value of the coil series when it lies between two of
// them (or between 0 and 2); a value of the series, 0 or less, or above 30
// stays.
float roundToCoilSeries(float n);

struct SpringInput {
    float wire;          // d, mm
    float meanDiameter;  // D2, mm
    float installed;     // H1, mm
    float stroke;        // s = H1 - H2, mm
    float minLoad;       // F1, N
    float maxLoad;       // F2, N
    float shearModulus;  // G, GPa
};

struct Spring {
    float index;          // C = D2 / d
    float activeCoils;    // n, on the coil series
    float totalCoils;     // n1 = n + 2
    float freeHeight;     // H0
    float pitch;          // t
    float helixAngle;     // γ, degrees
    float length;         // unrolled wire length L
    float slenderness;    // b = H0 / D2
    float outerDiameter;  // D2 + d
    float maxLoadHeight;  // H2 = H1 - s
    float solidHeight;    // H3
    float solidLoad;      // F3
};

// No spring when a divisor would be zero (d, D2, s, F2 or G of 0, F1 = F2,
// or no active coils) or a result is not a finite single-precision number.
std::optional<Spring> designSpring(const SpringInput& in);

}  // namespace quorvil
