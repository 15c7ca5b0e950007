#include "threads/trapezoidal/tr_sizes.h"

#include <array>

#include "common/limitstext.h"
#include "threads/trapezoidal/tr_family.h"

namespace quorvil::trapezoidal {

namespace {

// A size of the list: its item text with the nominal diameter (mm) and the
// pitch (mm) it names; the series headers hold none.
struct SizeRow {
    std::string_view item;
    int d;
    double p;
};

// clang-format off
constexpr std::array<SizeRow, kSizeListCount> kSizes{{
    {"第一系列", 0, 0},  // 0
    {"Tr8×1.5(优选螺距)", 8, 1.5},  // 1
    {"Tr10×2(优选螺距)", 10, 2},  // 2
    {"Tr10×1.5", 10, 1.5},  // 3
    {"Tr12×3(优选螺距)", 12, 3},  // 4
    {"Tr12×2", 12, 2},  // 5
    {"Tr16×4(优选螺距)", 16, 4},  // 6
    {"Tr16×2", 16, 2},  // 7
    {"Tr20×4(优选螺距)", 20, 4},  // 8
    {"Tr20×2", 20, 2},  // 9
    {"Tr24×5(优选螺距)", 24, 5},  // 10
    {"Tr24×8", 24, 8},  // 11
    {"Tr24×3", 24, 3},  // 12
    {"Tr28×5(优选螺距)", 28, 5},  // 13
    {"Tr28×8", 28, 8},  // 14
    {"Tr28×3", 28, 3},  // 15
    {"Tr32×6(优选螺距)", 32, 6},  // 16
    {"Tr32×10", 32, 10},  // 17
    {"Tr32×3", 32, 3},  // 18
    {"Tr36×6(优选螺距)", 36, 6},  // 19
    {"Tr36×10", 36, 10},  // 20
    {"Tr36×3", 36, 3},  // 21
    {"Tr40×7(优选螺距)", 40, 7},  // 22
    {"Tr40×10", 40, 10},  // 23
    {"Tr40×3", 40, 3},  // 24
    {"Tr44×7(优选螺距)", 44, 7},  // 25
    {"Tr44×12", 44, 12},  // 26
    {"Tr44×3", 44, 3},  // 27
    {"Tr48×8(优选螺距)", 48, 8},  // 28
    {"Tr48×12", 48, 12},  // 29
    {"Tr48×3", 48, 3},  // 30
    {"Tr52×8(优选螺距)", 52, 8},  // 31
    {"Tr52×12", 52, 12},  // 32
    {"Tr52×3", 52, 3},  // 33
    {"Tr60×9(优选螺距)", 60, 9},  // 34
    {"Tr60×14", 60, 14},  // 35
    {"Tr60×3", 60, 3},  // 36
    {"Tr70×10(优选螺距)", 70, 10},  // 37
    {"Tr70×16", 70, 16},  // 38
    {"Tr70×4", 70, 4},  // 39
    {"Tr80×10(优选螺距)", 80, 10},  // 40
    {"Tr80×16", 80, 16},  // 41
    {"Tr80×4", 80, 4},  // 42
    {"Tr90×12(优选螺距)", 90, 12},  // 43
    {"Tr90×18", 90, 18},  // 44
    {"Tr90×4", 90, 4},  // 45
    {"Tr100×12(优选螺距)", 100, 12},  // 46
    {"Tr100×20", 100, 20},  // 47
    {"Tr100×4", 100, 4},  // 48
    {"Tr120×14(优选螺距)", 120, 14},  // 49
    {"Tr120×22", 120, 22},  // 50
    {"Tr120×6", 120, 6},  // 51
    {"Tr140×14(优选螺距)", 140, 14},  // 52
    {"Tr140×24", 140, 24},  // 53
    {"Tr140×6", 140, 6},  // 54
    {"Tr160×16(优选螺距)", 160, 16},  // 55
    {"Tr160×28", 160, 28},  // 56
    {"Tr160×6", 160, 6},  // 57
    {"Tr180×18(优选螺距)", 180, 18},  // 58
    {"Tr180×28", 180, 28},  // 59
    {"Tr180×8", 180, 8},  // 60
    {"Tr200×18(优选螺距)", 200, 18},  // 61
    {"Tr200×32", 200, 32},  // 62
    {"Tr200×8", 200, 8},  // 63
    {"第二系列", 0, 0},  // 64
    {"Tr9×2(优选螺距)", 9, 2},  // 65
    {"Tr9×1.5", 9, 1.5},  // 66
    {"Tr11×2(优选螺距)", 11, 2},  // 67
    {"Tr11×3", 11, 3},  // 68
    {"Tr14×3(优选螺距)", 14, 3},  // 69
    {"Tr14×2", 14, 2},  // 70
    {"Tr18×4(优选螺距)", 18, 4},  // 71
    {"Tr18×2", 18, 2},  // 72
    {"Tr22×5(优选螺距)", 22, 5},  // 73
    {"Tr22×8", 22, 8},  // 74
    {"Tr22×3", 22, 3},  // 75
    {"Tr26×5(优选螺距)", 26, 5},  // 76
    {"Tr26×8", 26, 8},  // 77
    {"Tr26×3", 26, 3},  // 78
    {"Tr30×6(优选螺距)", 30, 6},  // 79
    {"Tr30×10", 30, 10},  // 80
    {"Tr30×3", 30, 3},  // 81
    {"Tr34×6(优选螺距)", 34, 6},  // 82
    {"Tr34×10", 34, 10},  // 83
    {"Tr34×3", 34, 3},  // 84
    {"Tr38×7(优选螺距)", 38, 7},  // 85
    {"Tr38×10", 38, 10},  // 86
    {"Tr38×3", 38, 3},  // 87
    {"Tr42×7(优选螺距)", 42, 7},  // 88
    {"Tr42×10", 42, 10},  // 89
    {"Tr42×3", 42, 3},  // 90
    {"Tr46×8(优选螺距)", 46, 8},  // 91
    {"Tr46×12", 46, 12},  // 92
    {"Tr46×3", 46, 3},  // 93
    {"Tr50×8(优选螺距)", 50, 8},  // 94
    {"Tr50×12", 50, 12},  // 95
    {"Tr50×3", 50, 3},  // 96
    {"Tr55×9(优选螺距)", 55, 9},  // 97
    {"Tr55×14", 55, 14},  // 98
    {"Tr55×3", 55, 3},  // 99
    {"Tr65×10(优选螺距)", 65, 10},  // 100
    {"Tr65×16", 65, 16},  // 101
    {"Tr65×4", 65, 4},  // 102
    {"Tr75×10(优选螺距)", 75, 10},  // 103
    {"Tr75×16", 75, 16},  // 104
    {"Tr75×4", 75, 4},  // 105
    {"Tr85×12(优选螺距)", 85, 12},  // 106
    {"Tr85×18", 85, 18},  // 107
    {"Tr85×4", 85, 4},  // 108
    {"Tr95×12(优选螺距)", 95, 12},  // 109
    {"Tr95×18", 95, 18},  // 110
    {"Tr95×4", 95, 4},  // 111
    {"Tr110×12(优选螺距)", 110, 12},  // 112
    {"Tr110×20", 110, 20},  // 113
    {"Tr110×4", 110, 4},  // 114
    {"Tr130×14(优选螺距)", 130, 14},  // 115
    {"Tr130×22", 130, 22},  // 116
    {"Tr130×6", 130, 6},  // 117
    {"Tr150×16(优选螺距)", 150, 16},  // 118
    {"Tr150×24", 150, 24},  // 119
    {"Tr150×6", 150, 6},  // 120
    {"Tr170×16(优选螺距)", 170, 16},  // 121
    {"Tr170×28", 170, 28},  // 122
    {"Tr170×6", 170, 6},  // 123
    {"Tr190×18(优选螺距)", 190, 18},  // 124
    {"Tr190×32", 190, 32},  // 125
    {"Tr190×8", 190, 8},  // 126
    {"Tr210×20(优选螺距)", 210, 20},  // 127
    {"Tr210×36", 210, 36},  // 128
    {"Tr210×8", 210, 8},  // 129
    {"Tr230×20(优选螺距)", 230, 20},  // 130
    {"Tr230×36", 230, 36},  // 131
    {"Tr230×8", 230, 8},  // 132
    {"Tr250×22(优选螺距)", 250, 22},  // 133
    {"Tr250×40", 250, 40},  // 134
    {"Tr250×12", 250, 12},  // 135
    {"Tr270×24(优选螺距)", 270, 24},  // 136
    {"Tr270×40", 270, 40},  // 137
    {"Tr270×12", 270, 12},  // 138
    {"Tr290×24(优选螺距)", 290, 24},  // 139
    {"Tr290×44", 290, 44},  // 140
    {"Tr290×12", 290, 12},  // 141
}};
// clang-format on

// Per diameter range and pitch: pitch-diameter tolerances of grades 7 and 8
// and the minor-diameter tolerances of 7e and 8e. The 7e/8e minor values are
// 1.25 x Td2 + |es(e)| to the thousandth; the table decides the halfway cases,
// so they are stored rather than computed.
struct RangeRow {
    int dLow;
    int dHigh;
    double p;
    double td2Grade7;
    double td2Grade8;
    double td3Class7e;
    double td3Class8e;
};

enum class Box { Major, Pitch, Minor };
constexpr unsigned k7h = 1u << 0;
constexpr unsigned k7e = 1u << 1;
constexpr unsigned k8e = 1u << 2;
constexpr unsigned k8c = 1u << 3;

// A text of the published table that does not follow the rules (another
// rounding, a trailing zero dropped or added, "22.0" for 22), shown as
// published; `classes` holds one bit per class it stands in.
struct StoredText {
    int position;
    Box box;
    unsigned classes;
    const char* text;
};

// clang-format off
constexpr RangeRow kRangeRows[] = {
    {8, 11, 1.5, 0.17, 0.212, 0.279, 0.332},
    {8, 11, 2, 0.19, 0.236, 0.309, 0.366},
    {8, 11, 3, 0.212, 0.265, 0.35, 0.416},
    {12, 22, 2, 0.2, 0.25, 0.321, 0.383},
    {12, 22, 3, 0.224, 0.28, 0.365, 0.435},
    {12, 22, 4, 0.265, 0.335, 0.426, 0.514},
    {12, 22, 5, 0.28, 0.355, 0.456, 0.55},
    {12, 22, 8, 0.355, 0.45, 0.576, 0.695},
    {24, 44, 3, 0.25, 0.315, 0.397, 0.479},
    {24, 44, 5, 0.3, 0.375, 0.481, 0.575},
    {24, 44, 6, 0.335, 0.425, 0.537, 0.649},
    {24, 44, 7, 0.355, 0.45, 0.569, 0.688},
    {24, 44, 8, 0.375, 0.475, 0.601, 0.726},
    {24, 44, 10, 0.4, 0.5, 0.65, 0.775},
    {24, 44, 12, 0.425, 0.53, 0.691, 0.823},
    {46, 90, 3, 0.265, 0.335, 0.416, 0.504},
    {46, 90, 4, 0.3, 0.375, 0.47, 0.564},
    {46, 90, 8, 0.4, 0.5, 0.632, 0.757},
    {46, 90, 9, 0.425, 0.53, 0.671, 0.803},
    {46, 90, 10, 0.425, 0.53, 0.681, 0.813},
    {46, 90, 12, 0.475, 0.6, 0.754, 0.91},
    {46, 90, 14, 0.5, 0.63, 0.805, 0.967},
    {46, 90, 16, 0.53, 0.67, 0.853, 1.028},
    {46, 90, 18, 0.56, 0.71, 0.9, 1.088},
    {95, 180, 4, 0.315, 0.4, 0.489, 0.595},
    {95, 180, 6, 0.375, 0.475, 0.587, 0.712},
    {95, 180, 8, 0.425, 0.53, 0.663, 0.795},
    {95, 180, 12, 0.5, 0.63, 0.785, 0.947},
    {95, 180, 14, 0.53, 0.67, 0.843, 1.018},
    {95, 180, 16, 0.56, 0.71, 0.89, 1.078},
    {95, 180, 18, 0.6, 0.75, 0.95, 1.138},
    {95, 180, 20, 0.6, 0.75, 0.962, 1.15},
    {95, 180, 22, 0.63, 0.8, 1.011, 1.224},
    {95, 180, 24, 0.67, 0.85, 1.074, 1.299},
    {95, 180, 28, 0.71, 0.9, 1.138, 1.375},
    {190, 290, 8, 0.45, 0.56, 0.695, 0.832},
    {190, 290, 12, 0.53, 0.67, 0.823, 0.998},
    {190, 290, 18, 0.63, 0.8, 0.987, 1.2},
    {190, 290, 20, 0.67, 0.85, 1.05, 1.275},
    {190, 290, 22, 0.67, 0.85, 1.062, 1.287},
    {190, 290, 24, 0.71, 0.9, 1.124, 1.361},
    {190, 290, 32, 0.8, 1, 1.265, 1.515},
    {190, 290, 36, 0.85, 1.06, 1.343, 1.605},
    {190, 290, 40, 0.85, 1.06, 1.363, 1.625},
    {190, 290, 44, 0.9, 1.12, 1.44, 1.715},
};
constexpr StoredText kStoredTexts[] = {
    {4, Box::Minor, k8c, "8.5-0.520"},  // Tr12×3
    {5, Box::Pitch, k8c, "11(-0.15/-0.40)"},  // Tr12×2
    {7, Box::Pitch, k8c, "15(-0.15/-0.40)"},  // Tr16×2
    {9, Box::Pitch, k8c, "19(-0.15/-0.40)"},  // Tr20×2
    {42, Box::Major, k7e | k8e | k8c, "80-0.3"},  // Tr80×4
    {43, Box::Major, k7e | k8e | k8c, "90-0.6"},  // Tr90×12
    {44, Box::Major, k7e | k8e | k8c, "90-0.8"},  // Tr90×18
    {45, Box::Major, k7e | k8e | k8c, "90-0.3"},  // Tr90×4
    {46, Box::Major, k7e | k8e | k8c, "100-0.6"},  // Tr100×12
    {48, Box::Major, k7e | k8e | k8c, "100-0.3"},  // Tr100×4
    {50, Box::Major, k7e | k8e | k8c, "120-0.9"},  // Tr120×22
    {58, Box::Major, k7e | k8e | k8c, "180-0.8"},  // Tr180×18
    {58, Box::Pitch, k7e, "171(-0.20/-0.80)"},  // Tr180×18
    {58, Box::Pitch, k8e, "171(-0.20/-0.95)"},  // Tr180×18
    {58, Box::Pitch, k8c, "171(-0.40/-1.15)"},  // Tr180×18
    {61, Box::Pitch, k7e, "191(-0.20/-0.83)"},  // Tr200×18
    {61, Box::Pitch, k8e, "191(-0.20/-1.0)"},  // Tr200×18
    {61, Box::Pitch, k8c, "191(-0.40/-1.2)"},  // Tr200×18
    {73, Box::Minor, k7h, "16.5-0.350"},  // Tr22×5
    {77, Box::Pitch, k7h, "22.0-0.375"},  // Tr26×8
    {80, Box::Pitch, k7h, "25.0-0.40"},  // Tr30×10
    {83, Box::Pitch, k8c, "29(-0.30/-0.8)"},  // Tr34×10
    {86, Box::Pitch, k7h, "33.0-0.40"},  // Tr38×10
    {89, Box::Pitch, k7h, "37.0-0.40"},  // Tr42×10
    {89, Box::Pitch, k8c, "37(-0.30/-0.8)"},  // Tr42×10
    {92, Box::Pitch, k7h, "40.0-0.475"},  // Tr46×12
    {100, Box::Pitch, k8c, "60(-0.30/-0.83)"},  // Tr65×10
    {107, Box::Minor, k7e, "65-0.90"},  // Tr85×18
    {112, Box::Major, k7h | k7e | k8e | k8c, "110-0.6"},  // Tr110×12
    {124, Box::Pitch, k8e, "181(-0.2/-1.0)"},  // Tr190×18
    {125, Box::Minor, k7h, "156-1.0"},  // Tr190×32
};
// clang-format on

unsigned classBit(ExternalClass c) { return 1u << static_cast<unsigned>(c); }

// 1.25 x v to the thousandth, an exact half going to the even thousandth.
long long timesOneQuarterEven(long long v) {
    const long long x = v * 5;
    long long q = x / 4;
    const long long r = x % 4;
    if (r * 2 > 4 || (r * 2 == 4 && q % 2 != 0)) ++q;
    return q;
}

const RangeRow* rangeRow(int d, int pitchUm) {
    for (const auto& r : kRangeRows)
        if (d >= r.dLow && d <= r.dHigh && thousandths(r.p) == pitchUm) return &r;
    return nullptr;
}

}  // namespace

std::string_view sizeItem(int position) {
    if (position < 0 || position >= kSizeListCount) return {};
    return kSizes[static_cast<std::size_t>(position)].item;
}

std::optional<Size> sizeAt(int position) {
    if (position < 0 || position >= kSizeListCount) return std::nullopt;
    const SizeRow& row = kSizes[static_cast<std::size_t>(position)];
    if (row.p <= 0) return std::nullopt;
    return Size{row.d, static_cast<int>(thousandths(row.p))};
}

std::optional<LimitsTexts> externalLimitsByRule(int position, ExternalClass cls) {
    const auto size = sizeAt(position);
    if (!size) return std::nullopt;
    // The major-diameter tolerance, the crest clearance and the fundamental
    // deviations are the family's pitch table; the pitch-diameter and
    // minor-diameter tolerances this list's range table.
    const PitchRow* pr = pitchRow(size->pitch());
    const RangeRow* rr = rangeRow(size->d, size->pitchUm);
    if (!pr || !rr) return std::nullopt;

    const long long d = size->d * 1000LL;
    const long long d2 = d - size->pitchUm / 2;
    const long long d3 = d - size->pitchUm - 2 * thousandths(pr->ac);
    const bool grade7 = cls == ExternalClass::c7h || cls == ExternalClass::c7e;
    const long long td2 = thousandths(grade7 ? rr->td2Grade7 : rr->td2Grade8);

    LimitsTexts t;
    t.major = thousandthsText(d) + "-" + std::string(pr->tdText);
    if (cls == ExternalClass::c7h) {
        t.pitch = thousandthsText(d2) + "-" + twoPlaceText(td2);
        t.minor = thousandthsText(d3) + "-" + twoPlaceText(timesOneQuarterEven(td2));
        return t;
    }
    const long long es = thousandths(cls == ExternalClass::c8c ? pr->esC : pr->esE);
    t.pitch = bracketStyleText(d2, -es, -(es + td2));
    long long td3 = 0;
    switch (cls) {
    case ExternalClass::c7e: td3 = thousandths(rr->td3Class7e); break;
    case ExternalClass::c8e: td3 = thousandths(rr->td3Class8e); break;
    default: td3 = thousandths(rr->td3Class8e) + thousandths(pr->esC) - thousandths(pr->esE); break;
    }
    t.minor = minusStyleText(d3, td3);
    return t;
}

std::optional<LimitsTexts> externalLimits(int position, ExternalClass cls) {
    auto t = externalLimitsByRule(position, cls);
    if (!t) return t;
    for (const StoredText& st : kStoredTexts) {
        if (st.position != position || (st.classes & classBit(cls)) == 0) continue;
        switch (st.box) {
        case Box::Major: t->major = st.text; break;
        case Box::Pitch: t->pitch = st.text; break;
        case Box::Minor: t->minor = st.text; break;
        }
    }
    return t;
}

}  // namespace quorvil::trapezoidal
