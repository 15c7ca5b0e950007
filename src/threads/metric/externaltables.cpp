#include "threads/metric/externaltables.h"

#include <array>
#include <cmath>
#include <cstdlib>

#include "common/limitstext.h"
#include "threads/common/tolerance.h"

namespace quorvil::metric {

namespace {

// Values in thousandths of a millimetre, so that deviations subtract exactly.
constexpr int kNoRow = 1;

struct SizeRow {
    std::string_view item;
    double d;
    double p;
};

struct PitchRow {
    double p;
    int td;  // major-diameter tolerance of grade 6
    int esG;
    int esE;
    int esF;
};

struct Td2Entry {
    int band;
    double p;
    int td2;
};

enum class Box { Major, Pitch };

// A text of the published table that does not follow the rule (another
// rounding, a trailing zero dropped or added, a stray blank), shown as published.
struct StoredText {
    int position;
    Box box;
    ExternalClass cls;
    const char* text;
};

// The M-value table keeps its own wires. They are those of the shared
// metric wire table (wires.h) except at pitch 0.6, whose second wire here is
// 0.402 (0.335 there), and pitch 0.5, which has no second wire here.
struct MWires {
    double p;
    int wire1;
    int wire2;
};

struct StoredM {
    int position;
    const char* m1;
};

// The size list, by position: each item with the nominal diameter and pitch
// of its size; the headers and the last item hold none.
// clang-format off
constexpr std::array<SizeRow, kSizeListCount> kSizes{{
    {"第一系列", 0, 0},  // 0
    {"M1×0.25-粗牙", 1, 0.25},
    {"M1×0.2", 1, 0.2},
    {"M1.2×0.25粗牙", 1.2, 0.25},
    {"M1.2×0.2", 1.2, 0.2},
    {"M1.6×0.35粗牙", 1.6, 0.35},
    {"M1.6×0.2", 1.6, 0.2},
    {"M2×0.4 -粗牙", 2, 0.4},
    {"M2×0.25", 2, 0.25},
    {"M2.5×0.45粗牙", 2.5, 0.45},
    {"M2.5×0.35", 2.5, 0.35},  // 10
    {"M3×0.5 -粗牙", 3, 0.5},
    {"M3×0.35", 3, 0.35},
    {"M4×0.7 -粗牙", 4, 0.7},
    {"M4×0.5", 4, 0.5},
    {"M5×0.8 -粗牙", 5, 0.8},
    {"M5×0.5", 5, 0.5},
    {"M6×1  --粗牙", 6, 1},
    {"M6×0.75", 6, 0.75},
    {"M8×1.25-粗牙", 8, 1.25},
    {"M8×1", 8, 1},  // 20
    {"M8×0.75", 8, 0.75},
    {"M10×1.5-粗牙", 10, 1.5},
    {"M10×1.25", 10, 1.25},
    {"M10×1", 10, 1},
    {"M10×0.75", 10, 0.75},
    {"M12×1.75-粗牙", 12, 1.75},
    {"M12×1.5", 12, 1.5},
    {"M12×1.25", 12, 1.25},
    {"M12×1", 12, 1},
    {"M16×2  -粗牙", 16, 2},  // 30
    {"M16×1.5", 16, 1.5},
    {"M16×1", 16, 1},
    {"M20×2.5-粗牙", 20, 2.5},
    {"M20×2", 20, 2},
    {"M20×1.5", 20, 1.5},
    {"M20×1", 20, 1},
    {"M24×3 -粗牙", 24, 3},
    {"M24×2", 24, 2},
    {"M24×1.5", 24, 1.5},
    {"M24×1", 24, 1},  // 40
    {"M30×3.5-粗牙", 30, 3.5},
    {"M30×2", 30, 2},
    {"M30×1.5", 30, 1.5},
    {"M30×1", 30, 1},
    {"M36×4 -粗牙", 36, 4},
    {"M36×3", 36, 3},
    {"M36×2", 36, 2},
    {"M36×1.5", 36, 1.5},
    {"M42×4.5-粗牙", 42, 4.5},
    {"M42×4", 42, 4},  // 50
    {"M42×3", 42, 3},
    {"M42×2", 42, 2},
    {"M42×1.5", 42, 1.5},
    {"M48×5--粗牙", 48, 5},
    {"M48×4", 48, 4},
    {"M48×3", 48, 3},
    {"M48×2", 48, 2},
    {"M48×1.5", 48, 1.5},
    {"M56×5.5-粗牙", 56, 5.5},
    {"M56×4", 56, 4},  // 60
    {"M56×3", 56, 3},
    {"M56×2", 56, 2},
    {"M56×1.5", 56, 1.5},
    {"M64×6 -粗牙", 64, 6},
    {"M64×4", 64, 4},
    {"M64×3", 64, 3},
    {"M64×2", 64, 2},
    {"M64×1.5", 64, 1.5},
    {"M72×6", 72, 6},
    {"M72×4", 72, 4},  // 70
    {"M72×3", 72, 3},
    {"M72×2", 72, 2},
    {"M72×1.5", 72, 1.5},
    {"M80×6", 80, 6},
    {"M80×4", 80, 4},
    {"M80×3", 80, 3},
    {"M80×2", 80, 2},
    {"M80×1.5", 80, 1.5},
    {"M90×6", 90, 6},
    {"M90×4", 90, 4},  // 80
    {"M90×3", 90, 3},
    {"M90×2", 90, 2},
    {"M100×6", 100, 6},
    {"M100×4", 100, 4},
    {"M100×3", 100, 3},
    {"M100×2", 100, 2},
    {"M110×6", 110, 6},
    {"M110×4", 110, 4},
    {"M110×3", 110, 3},
    {"M110×2", 110, 2},  // 90
    {"M125×8", 125, 8},
    {"M125×6", 125, 6},
    {"M125×4", 125, 4},
    {"M125×3", 125, 3},
    {"M125×2", 125, 2},
    {"M140×8", 140, 8},
    {"M140×6", 140, 6},
    {"M140×4", 140, 4},
    {"M140×3", 140, 3},
    {"M140×2", 140, 2},  // 100
    {"M160×8", 160, 8},
    {"M160×6", 160, 6},
    {"M160×4", 160, 4},
    {"M160×3", 160, 3},
    {"M180×8", 180, 8},
    {"M180×6", 180, 6},
    {"M180×4", 180, 4},
    {"M180×3", 180, 3},
    {"M200×8", 200, 8},
    {"M200×6", 200, 6},  // 110
    {"M200×4", 200, 4},
    {"M200×3", 200, 3},
    {"M220×8", 220, 8},
    {"M220×6", 220, 6},
    {"M220×4", 220, 4},
    {"M220×3", 220, 3},
    {"M250×8", 250, 8},
    {"M250×6", 250, 6},
    {"M250×4", 250, 4},
    {"M250×3", 250, 3},  // 120
    {"M280×8", 280, 8},
    {"M280×6", 280, 6},
    {"M280×4", 280, 4},
    {"M280×3", 280, 3},
    {"第二系列", 0, 0},
    {"M1.1×0.25粗牙", 1.1, 0.25},
    {"M1.1×0.2", 1.1, 0.2},
    {"M1.4×0.3粗牙", 1.4, 0.3},
    {"M1.4×0.2", 1.4, 0.2},
    {"M1.8×0.35粗牙", 1.8, 0.35},  // 130
    {"M1.8×0.2", 1.8, 0.2},
    {"M2.2×0.45粗牙", 2.2, 0.45},
    {"M2.2×0.25", 2.2, 0.25},
    {"M3.5×0.6粗牙", 3.5, 0.6},
    {"M3.5×0.35", 3.5, 0.35},
    {"M4.5×0.75粗牙", 4.5, 0.75},
    {"M4.5×0.5", 4.5, 0.5},
    {"M7.0×1粗牙", 7.0, 1},
    {"M7.0×0.75", 7.0, 0.75},
    {"M14×2 -粗牙", 14, 2},  // 140
    {"M14×1.5", 14, 1.5},
    {"M14×1.25", 14, 1.25},
    {"M14×1", 14, 1},
    {"M18×2.5-粗牙", 18, 2.5},
    {"M18×2", 18, 2},
    {"M18×1.5", 18, 1.5},
    {"M18×1", 18, 1},
    {"M22×2.5-粗牙", 22, 2.5},
    {"M22×2", 22, 2},
    {"M22×1.5", 22, 1.5},  // 150
    {"M22×1", 22, 1},
    {"M27×3 -粗牙", 27, 3},
    {"M27×2", 27, 2},
    {"M27×1.5", 27, 1.5},
    {"M27×1", 27, 1},
    {"M33×3.5-粗牙", 33, 3.5},
    {"M33×2", 33, 2},
    {"M33×1.5", 33, 1.5},
    {"M39×4 -粗牙", 39, 4},
    {"M39×3", 39, 3},  // 160
    {"M39×2", 39, 2},
    {"M39×1.5", 39, 1.5},
    {"M45×4.5-粗牙", 45, 4.5},
    {"M45×4", 45, 4},
    {"M45×3", 45, 3},
    {"M45×2", 45, 2},
    {"M45×1.5", 45, 1.5},
    {"M52×5 -粗牙", 52, 5},
    {"M52×4", 52, 4},
    {"M52×3", 52, 3},  // 170
    {"M52×2", 52, 2},
    {"M52×1.5", 52, 1.5},
    {"M60×5.5-粗牙", 60, 5.5},
    {"M60×4", 60, 4},
    {"M60×3", 60, 3},
    {"M60×2", 60, 2},
    {"M60×1.5", 60, 1.5},
    {"M68×6 -粗牙", 68, 6},
    {"M68×4", 68, 4},
    {"M68×3", 68, 3},  // 180
    {"M68×2", 68, 2},
    {"M68×1.5", 68, 1.5},
    {"M76×6", 76, 6},
    {"M76×4", 76, 4},
    {"M76×3", 76, 3},
    {"M76×2", 76, 2},
    {"M76×1.5", 76, 1.5},
    {"M85×6", 85, 6},
    {"M85×4", 85, 4},
    {"M85×3", 85, 3},  // 190
    {"M85×2", 85, 2},
    {"M95×6", 95, 6},
    {"M95×4", 95, 4},
    {"M95×3", 95, 3},
    {"M95×2", 95, 2},
    {"M105×6", 105, 6},
    {"M105×4", 105, 4},
    {"M105×3", 105, 3},
    {"M105×2", 105, 2},
    {"M115×6", 115, 6},  // 200
    {"M115×4", 115, 4},
    {"M115×3", 115, 3},
    {"M115×2", 115, 2},
    {"M120×6", 120, 6},
    {"M120×4", 120, 4},
    {"M120×3", 120, 3},
    {"M120×2", 120, 2},
    {"M130×8", 130, 8},
    {"M130×6", 130, 6},
    {"M130×4", 130, 4},  // 210
    {"M130×3", 130, 3},
    {"M130×2", 130, 2},
    {"M150×8", 150, 8},
    {"M150×6", 150, 6},
    {"M150×4", 150, 4},
    {"M150×3", 150, 3},
    {"M150×2", 150, 2},
    {"M170×8", 170, 8},
    {"M170×6", 170, 6},
    {"M170×4", 170, 4},  // 220
    {"M170×3", 170, 3},
    {"M190×8", 190, 8},
    {"M190×6", 190, 6},
    {"M190×4", 190, 4},
    {"M190×3", 190, 3},
    {"M210×8", 210, 8},
    {"M210×6", 210, 6},
    {"M210×4", 210, 4},
    {"M210×3", 210, 3},
    {"M240×8", 240, 8},  // 230
    {"M240×6", 240, 6},
    {"M240×4", 240, 4},
    {"M240×3", 240, 3},
    {"M260×8", 260, 8},
    {"M260×6", 260, 6},
    {"M260×4", 260, 4},
    {"M300×8", 300, 8},
    {"M300×6", 300, 6},
    {"M300×4", 300, 4},
    {"\t", 0, 0},  // 240
}};
// clang-format on
// Per pitch: major-diameter tolerance Td of grade 6 and the fundamental
// deviations es of positions g, e and f, in thousandths; kNoRow: the class has no row.
// clang-format off
constexpr std::array<PitchRow, 25> kPitchRows{{
    {0.2, 56, -17, kNoRow, kNoRow},
    {0.25, 67, -18, kNoRow, kNoRow},
    {0.3, 75, -18, kNoRow, kNoRow},
    {0.35, 85, -19, kNoRow, -34},
    {0.4, 95, -19, kNoRow, -34},
    {0.45, 100, -20, kNoRow, -35},
    {0.5, 106, -20, -50, -36},
    {0.6, 125, -21, -53, -36},
    {0.7, 140, -22, -56, -38},
    {0.75, 140, -22, -56, -38},
    {0.8, 150, -24, -60, -38},
    {1, 180, -26, -60, -40},
    {1.25, 212, -28, -63, -42},
    {1.5, 236, -32, -67, -45},
    {1.75, 265, -34, -71, -48},
    {2, 280, -38, -71, -52},
    {2.5, 335, -42, -80, -58},
    {3, 375, -48, -85, -63},
    {3.5, 425, -53, -90, -70},
    {4, 475, -60, -95, -75},
    {4.5, 500, -63, -100, -80},
    {5, 530, -71, -106, -85},
    {5.5, 560, -75, -112, -90},
    {6, 600, -80, -118, -95},
    {8, 710, -100, -140, -118},
}};
// clang-format on
// Pitch-diameter tolerance Td2 of grade 6 by band and pitch, thousandths.
// clang-format off
constexpr std::array<Td2Entry, 47> kTd2{{
    {0, 0.2, 48},
    {0, 0.25, 53},
    {0, 0.3, 56},
    {1, 0.2, 50},
    {1, 0.25, 56},
    {1, 0.35, 63},
    {1, 0.4, 67},
    {1, 0.45, 71},
    {2, 0.35, 67},
    {2, 0.5, 75},
    {2, 0.6, 85},
    {2, 0.7, 90},
    {2, 0.75, 90},
    {2, 0.8, 95},
    {3, 0.75, 100},
    {3, 1, 112},
    {3, 1.25, 118},
    {3, 1.5, 132},
    {4, 1, 118},
    {4, 1.25, 132},
    {4, 1.5, 140},
    {4, 1.75, 150},
    {4, 2, 160},
    {4, 2.5, 170},
    {5, 1, 125},
    {5, 1.5, 150},
    {5, 2, 170},
    {5, 3, 200},
    {5, 3.5, 212},
    {5, 4, 224},
    {5, 4.5, 236},
    {6, 1.5, 160},
    {6, 2, 180},
    {6, 3, 212},
    {6, 4, 236},
    {6, 5, 250},
    {6, 5.5, 265},
    {6, 6, 280},
    {7, 2, 190},
    {7, 3, 224},
    {7, 4, 250},
    {7, 6, 300},
    {7, 8, 335},
    {8, 3, 250},
    {8, 4, 280},
    {8, 6, 315},
    {8, 8, 355},
}};
// clang-format on
// Stored texts that differ from the rule, kept as they are.
// clang-format off
const std::array<StoredText, 57> kStoredTexts{{
    {2, Box::Pitch, ExternalClass::c6h, "0.870-0.048"},  // M1×0.2
    {9, Box::Major, ExternalClass::c6h, "2.5-0.10"},  // M2.5×0.45
    {15, Box::Pitch, ExternalClass::c6h, "4.480-0.095"},  // M5×0.8
    {17, Box::Pitch, ExternalClass::c6h, "5.350-0.112"},  // M6×1
    {18, Box::Pitch, ExternalClass::c6h, "5.513-0.10"},  // M6×0.75
    {24, Box::Pitch, ExternalClass::c6h, "9.350-0.112"},  // M10×1
    {32, Box::Pitch, ExternalClass::c6h, "15.350-0.118"},  // M16×1
    {36, Box::Pitch, ExternalClass::c6h, "19.350-0.118"},  // M20×1
    {40, Box::Pitch, ExternalClass::c6h, "23.350-0.125"},  // M24×1
    {40, Box::Pitch, ExternalClass::c6g, "23.350(-0.026/-0.151)"},  // M24×1
    {44, Box::Pitch, ExternalClass::c6h, "29.350-0.125"},  // M30×1
    {51, Box::Pitch, ExternalClass::c6h, "40.051-0.20"},  // M42×3
    {83, Box::Pitch, ExternalClass::c6h, "96.103-0.30"},  // M100×6
    {92, Box::Pitch, ExternalClass::c6h, "121.103-0.30"},  // M125×6
    {132, Box::Major, ExternalClass::c6h, "2.2-0.10"},  // M2.2×0.45
    {136, Box::Major, ExternalClass::c6h, "4.5-0.140"},  // M4.5×0.75
    {139, Box::Pitch, ExternalClass::c6h, "6.513-0.10"},  // M7.0×0.75
    {152, Box::Pitch, ExternalClass::c6h, "25.051-0.20"},  // M27×3
    {160, Box::Pitch, ExternalClass::c6h, "37.051-0.20"},  // M39×3
    {163, Box::Major, ExternalClass::c6h, "45-0.50"},  // M45×4.5
    {165, Box::Pitch, ExternalClass::c6h, "43.051-0.20"},  // M45×3
    {178, Box::Major, ExternalClass::c6h, "68-0.60"},  // M68×6
    {183, Box::Major, ExternalClass::c6h, "76-0.60"},  // M76×6
    {188, Box::Major, ExternalClass::c6h, "85-0.60"},  // M85×6
    {192, Box::Major, ExternalClass::c6h, "95-0.60"},  // M95×6
    {192, Box::Pitch, ExternalClass::c6h, "91.103-0.30"},  // M95×6
    {196, Box::Major, ExternalClass::c6h, "105-0.60"},  // M105×6
    {196, Box::Pitch, ExternalClass::c6h, "101.103-0.30"},  // M105×6
    {200, Box::Pitch, ExternalClass::c6h, "111.103-0.30"},  // M115×6
    {204, Box::Major, ExternalClass::c6h, "120-0.60"},  // M120×6
    {204, Box::Pitch, ExternalClass::c6h, "116.103-0.30"},  // M120×6
    {209, Box::Major, ExternalClass::c6h, "130-0.60"},  // M130×6
    {209, Box::Pitch, ExternalClass::c6h, "126.103-0.30"},  // M130×6
    {214, Box::Major, ExternalClass::c6h, "150-0.60"},  // M150×6
    {214, Box::Pitch, ExternalClass::c6h, "146.103-0.30"},  // M150×6
    {219, Box::Major, ExternalClass::c6h, "170-0.60"},  // M170×6
    {219, Box::Pitch, ExternalClass::c6h, "166.103-0.30"},  // M170×6
    {223, Box::Major, ExternalClass::c6h, "190-0.60"},  // M190×6
    {235, Box::Major, ExternalClass::c6h, "260-0.60"},  // M260×6
    {238, Box::Major, ExternalClass::c6h, "300-0.60"},  // M300×6
    {15, Box::Major, ExternalClass::c6e, "5(-0.06/-0.210)"},  // M5×0.8
    {20, Box::Major, ExternalClass::c6e, "8(-0.060/-0.24)"},  // M8×1
    {33, Box::Pitch, ExternalClass::c6e, "18.376(-0.08/-0.250)"},  // M20×2.5
    {36, Box::Major, ExternalClass::c6e, "20(-0.060/-0.24)"},  // M20×1
    {49, Box::Major, ExternalClass::c6e, "42(-0.10/-0.60)"},  // M42×4.5
    {49, Box::Pitch, ExternalClass::c6e, "39.077(-0.10/-0.336)"},  // M42×4.5
    {121, Box::Pitch, ExternalClass::c6e, " 274.804(-0.14/-0.495)"},  // M280×8
    {148, Box::Pitch, ExternalClass::c6e, "20.376(-0.08/-0.250)"},  // M22×2.5
    {163, Box::Major, ExternalClass::c6e, "45(-0.1/-0.60)"},  // M45×4.5
    {189, Box::Major, ExternalClass::c6e, "85(-0.095/-0.570)"},  // M85×4
    {199, Box::Pitch, ExternalClass::c6e, "103.701(-0.071 /-0.261 )"},  // M105×2
    {208, Box::Pitch, ExternalClass::c6e, " 124.804(-0.14/-0.475)"},  // M130×8
    {214, Box::Major, ExternalClass::c6e, "150(-0.118/-0. 718)"},  // M150×6
    {227, Box::Major, ExternalClass::c6e, "210(-0.118 /-0.718)"},  // M210×6
    {15, Box::Pitch, ExternalClass::c6f, "4.480(-0.038/-0.133)"},  // M5×0.8
    {44, Box::Pitch, ExternalClass::c6f, "29.350(-0.04/-0.165)"},  // M30×1
    {93, Box::Major, ExternalClass::c6f, "125(-0.075/-0.550)"},  // M125×4
}};
// clang-format on
// Wires of the M-value table by pitch, thousandths; kNoRow: no second wire.
constexpr std::array<MWires, 16> kMWires{{
    {0.5, 291, kNoRow},
    {0.6, 343, 402},
    {0.75, 433, 461},
    {0.8, 461, 511},
    {1, 572, 724},
    {1.25, 724, 794},
    {1.5, 866, 1008},
    {1.75, 1008, 1047},
    {2, 1157, 1302},
    {2.5, 1441, 1553},
    {3, 1732, 1833},
    {3.5, 2020, 2071},
    {4, 2311, 2595},
    {4.5, 2595, 2886},
    {5, 2886, 3106},
    {5.5, 3177, 3287},
}};
// M values over the preferred wire stored with three decimals.
constexpr std::array<StoredM, 3> kStoredM{{
    {15, "5.171"},  // M5×0.8
    {18, "6.162"},  // M6×0.75
    {19, "8.278"},  // M8×1.25
}};

const PitchRow* pitchRow(double p) {
    for (const PitchRow& r : kPitchRows) {
        if (r.p == p) return &r;
    }
    return nullptr;
}

std::optional<int> td2Of(double d, double p) {
    const auto band = bandBetween(d, std::span<const DiameterBand>(kToleranceBands));
    if (!band) return std::nullopt;
    for (const Td2Entry& e : kTd2) {
        if (e.band == *band && e.p == p) return e.td2;
    }
    return std::nullopt;
}

}  // namespace

std::string_view sizeItem(int position) {
    if (position < 0 || position >= kSizeListCount) return {};
    return kSizes[static_cast<std::size_t>(position)].item;
}

bool isSizePosition(int position) {
    return position >= 0 && position < static_cast<int>(kSizes.size()) && kSizes[position].p > 0;
}

std::optional<LimitsTexts> externalLimitsByRule(int position, ExternalClass c) {
    if (!isSizePosition(position)) return std::nullopt;
    const SizeRow& s = kSizes[static_cast<std::size_t>(position)];
    const PitchRow* row = pitchRow(s.p);
    const std::optional<int> td2 = td2Of(s.d, s.p);
    if (!row || !td2) return std::nullopt;
    // Basic pitch and minor diameters from the exact factors 3√3/8 and 5√3/8.
    const long long d = thousandths(s.d);
    const long long d2 = thousandths(s.d - 3 * std::sqrt(3.0) / 8 * s.p);
    const long long d1 = thousandths(s.d - 5 * std::sqrt(3.0) / 8 * s.p);
    LimitsTexts out;
    out.minor = thousandthsText(d1);
    if (c == ExternalClass::c6h) {
        out.major = minusStyleText(d, row->td);
        out.pitch = minusStyleText(d2, *td2);
        return out;
    }
    const int es = c == ExternalClass::c6g ? row->esG : c == ExternalClass::c6e ? row->esE : row->esF;
    if (es == kNoRow) return std::nullopt;
    out.major = bracketStyleText(d, es, es - row->td);
    out.pitch = bracketStyleText(d2, es, es - *td2);
    return out;
}

std::optional<LimitsTexts> externalLimits(int position, ExternalClass c) {
    std::optional<LimitsTexts> out = externalLimitsByRule(position, c);
    if (!out) return out;
    for (const StoredText& t : kStoredTexts) {
        if (t.position == position && t.cls == c) (t.box == Box::Major ? out->major : out->pitch) = t.text;
    }
    return out;
}

std::optional<MValues> metricMValues(int position) {
    // Sizes of pitch 0.75 to 5.5 except M300×4, and M3.5×0.6 and M4.5×0.5.
    if (!isSizePosition(position)) return std::nullopt;
    const SizeRow& s = kSizes[static_cast<std::size_t>(position)];
    const bool covered = (s.p >= 0.75 && s.p <= 5.5 && position != 239) || position == 134 || position == 137;
    const MWires* wires = nullptr;
    for (const MWires& w : kMWires) {
        if (w.p == s.p) wires = &w;
    }
    if (!covered || !wires) return std::nullopt;

    // M = d - 1.515 P + 3 w at the basic pitch diameter, worked out exactly
    // in millionths and rounded half up to 0.01 (37.725 shows 37.73).
    const long long d = thousandths(s.d);
    const long long p = thousandths(s.p);
    auto mText = [&](int wire) {
        const long long m = d * 1000 - 1515 * p + 3LL * wire * 1000;
        return scaledText((m + 5000) / 10000, 2);
    };
    MValues out;
    out.wire1 = thousandthsText(wires->wire1);
    out.m1 = mText(wires->wire1);
    for (const StoredM& m : kStoredM) {
        if (m.position == position) out.m1 = m.m1;
    }
    if (wires->wire2 != kNoRow) {
        out.wire2 = thousandthsText(wires->wire2);
        out.m2 = mText(wires->wire2);
    }
    return out;
}

}  // namespace quorvil::metric
