// ACME thread classes 2G, 3G and 4G: the allowance and the pitch-diameter
// tolerance of each class, and the crest clearance between the external
// thread's minor diameter and the internal thread's major diameter.
//
// Kept apart from any window: the general-purpose ACME window uses all three
// classes, the stub ACME windows the 2G constants and the two crest
// clearances (each stub window with its own break between them).
#pragma once

#include <cmath>

namespace quorvil::acme {

// In inches, D the nominal diameter and P = 1/n the pitch:
//   allowance a                   = sqrt(D) * allowance
//   pitch-diameter tolerance T    = sqrt(P) * pitchTerm + sqrt(D) * diameterTerm
struct ClassConstants {
    double allowance;
    double pitchTerm;
    double diameterTerm;
};

inline constexpr ClassConstants kClass2G{0.008, 0.030, 0.006};
inline constexpr ClassConstants kClass3G{0.006, 0.014, 0.0028};
inline constexpr ClassConstants kClass4G{0.004, 0.010, 0.002};

enum class AcmeClass { G2, G3, G4 };

constexpr const ClassConstants& classConstants(AcmeClass c) {
    switch (c) {
    case AcmeClass::G3: return kClass3G;
    case AcmeClass::G4: return kClass4G;
    case AcmeClass::G2: break;
    }
    return kClass2G;
}

// D is held in single precision and widened exactly wherever it enters.
inline double allowance(const ClassConstants& k, float D) { return std::sqrt(double(D)) * k.allowance; }

// sqrt(P) is the root of the quotient 1/n.
inline double pitchDiameterTolerance(const ClassConstants& k, float D, double threadsPerInch) {
    return std::sqrt(1 / threadsPerInch) * k.pitchTerm + std::sqrt(double(D)) * k.diameterTerm;
}

// The crest clearance is a single-precision constant, so it carries its
// binary error into the double results (0.78 inch shows 0.780000000447035).
inline constexpr float kCrestClearanceFine = 0.01f;    // inch
inline constexpr float kCrestClearanceCoarse = 0.02f;  // inch

// A fine ACME thread has 12 or more threads per inch.
inline bool isFineThread(double threadsPerInch) { return threadsPerInch >= 12; }

inline float crestClearance(double threadsPerInch) {
    return isFineThread(threadsPerInch) ? kCrestClearanceFine : kCrestClearanceCoarse;
}

}  // namespace quorvil::acme
