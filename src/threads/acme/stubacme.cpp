#include "threads/acme/stubacme.h"

#include "common/units.h"
#include "threads/acme/acmelimits.h"

namespace quorvil::acme {

namespace {

constexpr std::optional<double> kNoValue = std::nullopt;

// n, external major max/min, pitch max/min, minor max/min, internal major
// min/max, pitch min/max, minor min/max (inch), wire and M value (mm).
constexpr std::array<StubAcmeSize, kStubAcmeSizeCount> kSizes{{
    {"1/4", 16, 0.25, 0.2469, 0.2272, 0.2167, 0.2024, 0.1919, 0.26, 0.2705, 0.2312, 0.2417, 0.2125, 0.2156, 0.866,
     7.027},
    {"5/16", 14, 0.3125, 0.3089, 0.2871, 0.2757, 0.2597, 0.2483, 0.3225, 0.3339, 0.2911, 0.3025, 0.2696, 0.2732, 1.008,
     8.819},
    {"3/8", 12, 0.375, 0.3708, 0.3451, 0.3328, 0.315, 0.3027, 0.385, 0.3973, 0.35, 0.3623, 0.325, 0.3292, 1.157,
     10.452},
    {"7/16", 12, 0.4375, 0.4333, 0.4076, 0.395, 0.3775, 0.3649, 0.4475, 0.4601, 0.4125, 0.4251, 0.3875, 0.3917, 1.157,
     12.039},
    {"1/2", 10, 0.5, 0.495, 0.4643, 0.4506, 0.42, 0.4063, 0.52, 0.5337, 0.47, 0.4837, 0.44, 0.445, 1.441, 14.079},
    {"5/8", 8, 0.625, 0.6188, 0.5812, 0.5658, 0.53, 0.5146, 0.645, 0.6604, 0.5875, 0.6029, 0.55, 0.5562, 1.732, 17.273},
    {"3/4", 6, 0.75, 0.7417, 0.6931, 0.6757, 0.63, 0.6126, 0.77, 0.7874, 0.7, 0.7174, 0.65, 0.6583, 2.217, 20.493},
    {"7/8", 6, 0.875, 0.8667, 0.8175, 0.7996, 0.755, 0.7371, 0.895, 0.9129, 0.825, 0.8429, 0.775, 0.7833, 2.217,
     23.653},
    {"1", 5, 1, 0.99, 0.932, 0.9126, 0.86, 0.8406, 1.02, 1.0394, 0.94, 0.9594, 0.88, 0.89, 2.595, 26.811},
    {"1-1/8", 5, 1.125, 1.115, 1.0565, 1.0367, 0.985, 0.9652, 1.145, 1.1648, 1.065, 1.0848, 1.005, 1.015, 2.595,
     29.973},
    {"1-1/4", 5, 1.25, 1.24, 1.1811, 1.161, 1.11, 1.0899, 1.27, 1.2901, 1.19, 1.2101, 1.13, 1.14, 2.595, 33.138},
    {"1-3/8", 4, 1.375, 1.3625, 1.2906, 1.2686, 1.205, 1.183, 1.395, 1.417, 1.3, 1.322, 1.225, 1.2375, 3.287, 36.919},
    {"1-1/2", 4, 1.5, 1.4875, 1.4152, 1.3929, 1.33, 1.3077, 1.52, 1.5423, 1.425, 1.4473, 1.35, 1.3625, 3.287, 40.084},
    {"1-3/4", 4, 1.75, 1.7375, 1.6645, 1.6416, 1.58, 1.5571, 1.77, 1.7929, 1.675, 1.6979, 1.6, 1.6125, 3.287, 46.416},
    {"2", 4, 2, 1.9875, 1.9137, 1.8902, 1.83, 1.8065, 2.02, 2.0435, 1.925, 1.9485, 1.85, 1.8625, 3.287, 52.746},
    {"2-1/4", 3, 2.25, 2.2333, 2.138, 2.1117, 2.03, 2.0037, 2.27, 2.2963, 2.15, 2.1763, 2.05, 2.0667, 4.4, 59.911},
    {"2-1/2", 3, 2.5, 2.4833, 2.3874, 2.3606, 2.28, 2.2532, 2.52, 2.5468, 2.4, 2.4268, 2.3, 2.3167, 4.4, 66.246},
    {"2-3/4", 3, 2.75, 2.7333, 2.6367, 2.6094, 2.53, 2.5027, 2.77, 2.7973, 2.65, 2.6773, 2.55, 2.5667, 4.4, 72.578},
    {"3", 2, 3, 2.975, 2.836, 2.8044, 2.68, 2.6484, 3.02, 3.0516, 2.85, 2.8816, 2.7, 2.725, kNoValue, kNoValue},
    {"3-1/2", 2, 3.5, 3.475, 3.335, 3.3026, 3.18, 3.1476, 3.52, 3.5524, 3.35, 3.3824, 3.2, 3.225, kNoValue, kNoValue},
    {"4", 2, 4, 3.975, 3.834, 3.8008, 3.68, 3.6468, 4.02, 4.0532, 3.85, 3.8832, 3.7, 3.725, kNoValue, kNoValue},
    {"4-1/2", 2, 4.5, 4.475, 4.333, 4.2991, 4.18, 4.1461, 4.52, 4.5539, 4.35, 4.3839, 4.2, 4.225, kNoValue, kNoValue},
    {"5", 2, 5, 4.975, 4.8319, 4.7973, 4.68, 4.6454, 5.02, 5.0546, 4.85, 4.8846, 4.7, 4.725, kNoValue, kNoValue},
}};

}  // namespace

const std::array<StubAcmeSize, kStubAcmeSizeCount>& stubAcmeSizes() { return kSizes; }

StubAcmeLimits stubAcmeLimits(float D, double n) {
    const ClassConstants& k = kClass2G;
    const double d = D;
    const double P = 1 / n;
    const double a = allowance(k, D);
    const double T = pitchDiameterTolerance(k, D, n);
    const double c = stubCrestClearance(n);
    StubAcmeLimits s{};
    s.extMajorMin = d - 0.05 * P;
    s.extMajorMaxMm = kMillimetresPerInch * d;
    s.extPitchMax = d - 0.3 * P - a;
    s.extPitchMin = d - 0.3 * P - T - a;
    s.extPitchMaxMm = kMillimetresPerInch * (d - 0.3 * P - a);
    s.pitchTolMm = kMillimetresPerInch * T;
    s.extMinorMax = d - 0.6 * P - c;
    s.extMinorMin = d - 0.6 * P - c - T;
    s.extMinorMaxMm = kMillimetresPerInch * (d - 0.6 * P - c);
    s.intMajorMin = d + c;
    s.intMajorMax = d + c + T;
    s.intMajorMinMm = kMillimetresPerInch * (d + c);
    s.intPitchMin = d - 0.3 * P;
    s.intPitchMax = d - 0.3 * P + T;
    s.intPitchMinMm = kMillimetresPerInch * (d - 0.3 * P);
    s.intMinorMin = d - 0.6 * P;
    s.intMinorMax = d - 0.6 * P + 0.05 * P;
    s.intMinorMinMm = kMillimetresPerInch * (d - 0.6 * P);
    return s;
}

}  // namespace quorvil::acme
