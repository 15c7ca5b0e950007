// API 6A (19th edition) flange and ring-groove dimensions: for each rated
// pressure and nominal bore that the standard lists, the sixteen texts shown
// on the flange sketch, exactly as they are to appear (blanks included).
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace quorvil::reference {

// Rated pressures in the order of the window's pressure options.
inline constexpr std::array<int, 5> kFlangePressuresPsi = {2000, 3000, 5000, 10000, 15000};

// A bore option: nominal size in inches and bore in millimetres.
struct FlangeBore {
    std::string_view inches, mm;
};
// The fourteen bore options in index order. Index 3 stands for 3-1/8 in at
// up to 5000 psi and for 3-1/16 in (kFlangeBore3HighPressure) above.
extern const std::array<FlangeBore, 14> kFlangeBores;
inline constexpr FlangeBore kFlangeBore3HighPressure = {"3-1/16", "78"};

// Positions in FlangeRow::texts, which are in writing order: maximum bore,
// total thickness, outside diameter, bolt circle, raised face, hub diameter,
// basic thickness, ring number, edge chamfer, hub fillet, raised face edge
// radius, bolt holes, overall length, ring-groove diameter, groove width,
// groove depth.
inline constexpr std::size_t kRingNumber = 7;
inline constexpr std::size_t kGrooveDiameter = 13;

struct FlangeRow {
    int psi;
    int bore;  // index of the bore option
    std::array<std::string_view, 16> texts;
};

// Every pair with data, by pressure, then bore.
std::span<const FlangeRow> flangeTable();
// The row of a pair, or nullptr where the standard gives no flange.
const FlangeRow* findFlange(int psi, int bore);
// BX rings give the groove's outside diameter, R rings its pitch diameter.
bool hasBxRing(const FlangeRow& row);

}  // namespace quorvil::reference
