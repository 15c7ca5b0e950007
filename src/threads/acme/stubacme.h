// Stub ACME threads (29 degrees, thread height 0.3 P, class 2G only): the
// table of the twenty-three standard sizes, and the limits of size of any
// size by formula.
//
// The standard table is data as published: some of its pitch-diameter limits
// differ from the formulas below by up to 0.0005 inch (5/16, 7/16, 1-3/4, 3
// and 5 inch), and the table is what a user compares a drawing with, so the
// stored values are shown, never recomputed.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "threads/acme/acmeclass.h"

namespace quorvil::acme {

// Limits in inches, the wire and the M value over it in mm.
struct StubAcmeSize {
    std::string_view size;  // designation as the size list shows it, without the inch mark
    int threadsPerInch;
    double extMajorMax, extMajorMin, extPitchMax, extPitchMin, extMinorMax, extMinorMin;
    double intMajorMin, intMajorMax, intPitchMin, intPitchMax, intMinorMin, intMinorMax;
    // The preferred three-wire diameter and M value; none at 2 threads per
    // inch, for which there is no wire.
    std::optional<double> wireMm;
    std::optional<double> mValueMm;
};

inline constexpr std::size_t kStubAcmeSizeCount = 23;
const std::array<StubAcmeSize, kStubAcmeSizeCount>& stubAcmeSizes();

// The stub thread's crest clearance: 0.01 inch above 10 threads per inch,
// 0.02 inch at 10 and coarser. Unlike the general-purpose thread's clearance
// (single precision, fine from 12) it is the double nearest each value.
inline double stubCrestClearance(double threadsPerInch) { return threadsPerInch > 10 ? 0.01 : 0.02; }

// Limits of size of a stub ACME pair of class 2G, D the nominal diameter in
// inches (single precision), n the threads per inch. Each keeps its formula's
// own order of operations, since several are shown with 15 digits.
struct StubAcmeLimits {
    double extMajorMin;    // D - 0.05 P
    double extMajorMaxMm;  // 25.4 D
    double extPitchMax;    // D - 0.3 P - a
    double extPitchMin;    // D - 0.3 P - T - a
    double extPitchMaxMm;
    double pitchTolMm;   // 25.4 T
    double extMinorMax;  // D - 0.6 P - c
    double extMinorMin;  // D - 0.6 P - c - T
    double extMinorMaxMm;
    double intMajorMin;  // D + c
    double intMajorMax;  // D + c + T
    double intMajorMinMm;
    double intPitchMin;  // D - 0.3 P
    double intPitchMax;  // D - 0.3 P + T
    double intPitchMinMm;
    double intMinorMin;  // D - 0.6 P
    double intMinorMax;  // D - 0.6 P + 0.05 P
    double intMinorMinMm;
};

StubAcmeLimits stubAcmeLimits(float D, double n);

}  // namespace quorvil::acme
