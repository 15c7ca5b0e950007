#include "threads/metric/internaltables.h"

#include <array>

#include "threads/common/tolerance.h"

namespace quorvil::metric {

namespace {

struct LengthEntry {
    int band;
    double pitch;
    const char* go;
    const char* nogo;
};

// No entry for the class in this row.
constexpr double kNone = -1;

// TD2 of 5H, 6H and 7H for one pair of band and pitch.
struct PitchDiameterEntry {
    int band;
    double pitch;
    double td2[3];
};

// TD1 of 5H, 6H and 7H for one pitch.
struct MinorEntry {
    double pitch;
    double td1[3];
};

// The values are kept as given, including those unlike the ISO series: the
// 7H TD2 of (11.2, 22.4] with P 1.5 is 0.235 and the 6H TD1 of P 1.25 is
// 0.255. The gauge lengths of (6, 10] are longer than those of (10, 14].
// Diameter bands (lower, upper] of the gauge thread lengths.
constexpr std::array<DiameterBand, 7> kLengthBands{{
    {6, 10},
    {10, 14},
    {14, 18},
    {18, 24},
    {24, 30},
    {30, 40},
    {40, 100},
}};
// clang-format off
constexpr std::array<LengthEntry, 54> kLengths{{
    {0, 0.35, "5", "3.2"},
    {1, 0.35, "3.2", "1.7"},
    {0, 0.5, "6", "4"},
    {1, 0.5, "4", "2.5"},
    {2, 0.5, "4", "2.5"},
    {3, 0.5, "4", "2.5"},
    {4, 0.5, "5", "2.5"},
    {5, 0.5, "5.5", "3"},
    {6, 0.5, "5.5", "3"},
    {0, 0.75, "8", "6"},
    {1, 0.75, "6", "3.7"},
    {2, 0.75, "6", "3.7"},
    {3, 0.75, "6", "3.7"},
    {4, 0.75, "6", "3.7"},
    {5, 0.75, "7", "4.5"},
    {6, 0.75, "7", "4.5"},
    {0, 1, "10", "7.5"},
    {1, 1, "7.5", "5"},
    {2, 1, "7.5", "5"},
    {3, 1, "7.5", "5"},
    {4, 1, "8", "5"},
    {5, 1, "9", "6"},
    {6, 1, "9", "6"},
    {0, 1.25, "10", "9"},
    {1, 1.25, "9", "6.5"},
    {0, 1.5, "12", "10"},
    {1, 1.5, "10", "7.5"},
    {2, 1.5, "11", "7.5"},
    {3, 1.5, "11", "7.5"},
    {4, 1.5, "11", "7.5"},
    {5, 1.5, "13", "9"},
    {6, 1.5, "13", "9"},
    {1, 1.75, "12", "9"},
    {1, 2, "14", "10"},
    {2, 2, "14", "10"},
    {3, 2, "14", "10"},
    {4, 2, "14", "10"},
    {5, 2, "16", "12"},
    {6, 2, "16", "12"},
    {2, 2.5, "18", "13"},
    {3, 2.5, "18", "13"},
    {3, 3, "20", "15"},
    {4, 3, "20", "15"},
    {5, 3, "23", "18"},
    {6, 3, "23", "18"},
    {4, 3.5, "23", "18"},
    {5, 3.5, "23", "18"},
    {5, 4, "26", "20"},
    {6, 4, "26", "20"},
    {5, 4.5, "30", "23"},
    {6, 4.5, "30", "23"},
    {6, 5, "40", "25"},
    {6, 5.5, "44", "28"},
    {6, 6, "48", "30"},
}};
// clang-format on
// clang-format off
constexpr std::array<PitchDiameterEntry, 45> kPitchDiameterTolerances{{
    {0, 0.25, {0.056, kNone, kNone}},
    {0, 0.3, {0.060, 0.075, kNone}},
    {1, 0.25, {0.060, kNone, kNone}},
    {1, 0.35, {0.067, 0.085, kNone}},
    {1, 0.4, {0.071, 0.090, kNone}},
    {1, 0.45, {0.075, 0.095, kNone}},
    {2, 0.35, {0.071, 0.090, kNone}},
    {2, 0.5, {0.080, 0.100, 0.125}},
    {2, 0.6, {0.090, 0.112, 0.140}},
    {2, 0.7, {0.095, 0.118, 0.150}},
    {2, 0.75, {0.095, 0.118, 0.150}},
    {2, 0.8, {0.100, 0.125, 0.160}},
    {3, 0.75, {0.106, 0.132, 0.170}},
    {3, 1, {0.118, 0.150, 0.190}},
    {3, 1.25, {0.125, 0.160, 0.200}},
    {3, 1.5, {0.140, 0.180, 0.224}},
    {4, 1, {0.125, 0.160, 0.200}},
    {4, 1.25, {0.140, 0.180, 0.224}},
    {4, 1.5, {0.150, 0.190, 0.235}},
    {4, 1.75, {0.160, 0.200, 0.250}},
    {4, 2, {0.170, 0.212, 0.265}},
    {4, 2.5, {0.180, 0.224, 0.280}},
    {5, 1, {0.132, 0.170, 0.212}},
    {5, 1.5, {0.160, 0.200, 0.250}},
    {5, 2, {0.180, 0.224, 0.280}},
    {5, 3, {0.212, 0.265, 0.335}},
    {5, 3.5, {0.224, 0.280, 0.355}},
    {5, 4, {0.236, 0.300, 0.375}},
    {5, 4.5, {0.250, 0.315, 0.400}},
    {6, 1.5, {0.170, 0.212, 0.265}},
    {6, 2, {0.190, 0.236, 0.300}},
    {6, 3, {0.224, 0.280, 0.355}},
    {6, 4, {0.250, 0.315, 0.400}},
    {6, 5, {0.265, 0.335, 0.425}},
    {6, 5.5, {0.280, 0.355, 0.450}},
    {6, 6, {0.300, 0.375, 0.475}},
    {7, 2, {0.200, 0.250, 0.315}},
    {7, 3, {0.236, 0.300, 0.375}},
    {7, 4, {0.265, 0.335, 0.425}},
    {7, 6, {0.315, 0.400, 0.500}},
    {7, 8, {0.355, 0.450, 0.560}},
    {8, 3, {0.265, 0.335, 0.425}},
    {8, 4, {0.300, 0.375, 0.475}},
    {8, 6, {0.335, 0.425, 0.530}},
    {8, 8, {0.375, 0.475, 0.600}},
}};
// clang-format on
// clang-format off
constexpr std::array<MinorEntry, 24> kMinorTolerances{{
    {0.25, {0.056, kNone, kNone}},
    {0.3, {0.067, 0.085, kNone}},
    {0.35, {0.080, 0.100, kNone}},
    {0.4, {0.090, 0.112, kNone}},
    {0.45, {0.100, 0.125, kNone}},
    {0.5, {0.112, 0.140, 0.180}},
    {0.6, {0.125, 0.160, 0.200}},
    {0.7, {0.140, 0.180, 0.224}},
    {0.75, {0.150, 0.190, 0.236}},
    {0.8, {0.160, 0.200, 0.250}},
    {1, {0.190, 0.236, 0.300}},
    {1.25, {0.212, 0.255, 0.335}},
    {1.5, {0.236, 0.300, 0.375}},
    {1.75, {0.265, 0.335, 0.425}},
    {2, {0.300, 0.375, 0.475}},
    {2.5, {0.355, 0.450, 0.560}},
    {3, {0.400, 0.500, 0.630}},
    {3.5, {0.450, 0.560, 0.710}},
    {4, {0.475, 0.600, 0.750}},
    {4.5, {0.530, 0.670, 0.850}},
    {5, {0.560, 0.710, 0.900}},
    {5.5, {0.600, 0.750, 0.950}},
    {6, {0.630, 0.800, 1.000}},
    {8, {0.800, 1.000, 1.250}},
}};
// clang-format on

std::optional<double> entryValue(double v) { return v == kNone ? std::nullopt : std::optional<double>(v); }

}  // namespace

std::optional<GaugeLengths> gaugeThreadLengths(double d, double p) {
    const auto band = bandBetween(d, std::span<const DiameterBand>(kLengthBands));
    if (!band) return std::nullopt;
    for (const LengthEntry& e : kLengths) {
        if (e.band == *band && e.pitch == p) return GaugeLengths{e.go, e.nogo};
    }
    return std::nullopt;
}

std::optional<double> internalPitchDiameterTolerance(InternalClass c, double d, double p) {
    const auto band = bandBetween(d, std::span<const DiameterBand>(kToleranceBands));
    if (!band) return std::nullopt;
    for (const PitchDiameterEntry& e : kPitchDiameterTolerances) {
        if (e.band == *band && e.pitch == p) return entryValue(e.td2[static_cast<int>(c)]);
    }
    return std::nullopt;
}

std::optional<double> internalMinorDiameterTolerance(InternalClass c, double p) {
    for (const MinorEntry& e : kMinorTolerances) {
        if (e.pitch == p) return entryValue(e.td1[static_cast<int>(c)]);
    }
    return std::nullopt;
}

}  // namespace quorvil::metric
