// The weights of bars, sections and turned parts from their dimensions, as
// the two weight windows compute them.
//
// Dimensions are millimetres, or inches with Unit::Inch; densities g/cm3;
// weights kilograms (mm3 * g/cm3 * 1e-6). The shown digits depend on how each
// calculation holds its numbers, so every function keeps its own:
//  - where the inputs are held in single precision, each typed value is
//    rounded to a float first and the arithmetic then runs in double;
//  - a single-precision weight is rounded to a float at the end;
//  - pi is 3.1415 (pi/4 is 0.785375), and the inch conversion is either
//    16387.064 (25.4 cubed) or three multiplications by 25.4 in a row.
//
// A function gives no weight, so that the window writes nothing, for an input
// or a weight beyond the range of its precision, for a typed density of 0 or
// less, and for a disc whose flats do not cut it.
#pragma once

#include <optional>

namespace quorvil::weight {

enum class Unit { Millimetre, Inch };
enum class Material { CarbonSteel, Copper, Brass, Aluminium };
enum class Bar { Round, Square, Hexagon };

inline constexpr double kPi = 3.1415;
inline constexpr double kQuarterPi = 0.785375;
inline constexpr double kCubicInch = 16387.064;  // mm3 in a cubic inch

// kg per metre per mm2 of the bar's size.
double barConstant(Bar bar, Material m);
// g/cm3 of the tube and plate materials.
double materialDensity(Material m);

// Stepped part: three outer sections (the left one's length is the rest of
// L) or four (section 3's length is the rest), one bore over the whole length.
struct ThreeSectionPart {
    double d1, d2, l2, l3, d3, b, L, rho;
};
struct FourSectionPart {
    double d1, d2, d3, b, d4, l1, l2, l4, L, rho;
};
std::optional<float> threeSectionWeight(const ThreeSectionPart& p, Unit u);
std::optional<float> fourSectionWeight(const FourSectionPart& p, Unit u);

// Bars, tube and plate of a listed material; bars and plate in double precision.
std::optional<double> barWeight(Bar bar, Material m, double a, double L);
std::optional<float> tubeWeight(Material m, double D, double d, double L);
std::optional<double> plateWeight(Material m, double L, double B, double T);

std::optional<float> cuboidWeight(double l, double h, double t, double rho, Unit u);
// A right trapezoid plate: top edge a, bottom edge b, height h, thickness t; always mm.
std::optional<float> trapezoidWeight(double a, double b, double h, double t, double rho);
// A rolled section of L mm.
std::optional<float> sectionWeight(double L, double kgPerMetre);

// Turned part 一: two sections, a bore from the left end face h1 deep and a
// narrower one on to the right end face.
struct TwoBoreTurnedPart {
    double l1, D1, d1, d2, D2, h1, L, rho;
};
// Turned part 二: sections A, B (the rest of L), C; a through bore.
struct ThreeSectionTurnedPart {
    double lA, lC, DA, d, DB, DC, L, rho;
};
// Turned part 三: section 1 and section 2 (the rest of L); a through bore.
struct TwoSectionTurnedPart {
    double l1, D1, d, D2, L, rho;
};
// Turned part 四: a cylinder with a blind bore h deep; double-precision weight.
struct BlindBoredCylinder {
    double L, D, h, d, rho;
};
std::optional<float> twoBoreTurnedWeight(const TwoBoreTurnedPart& p, Unit u);
std::optional<float> threeSectionTurnedWeight(const ThreeSectionTurnedPart& p, Unit u);
std::optional<float> twoSectionTurnedWeight(const TwoSectionTurnedPart& p, Unit u);
std::optional<double> blindBoredCylinderWeight(const BlindBoredCylinder& p, Unit u);

struct Ring {
    double D, L, d, rho;
};
// Five sections (section 2 is the rest of L) and a through bore.
struct BodyOfRevolution {
    double l1, D1, D2, D3, l3, D4, l4, D5, l5, L, d, rho;
};
std::optional<float> ringWeight(const Ring& p, Unit u);
std::optional<float> bodyOfRevolutionWeight(const BodyOfRevolution& p, Unit u);

// A sleeve: a wide bore l1 deep from the left, a narrow one on to the right.
struct SteppedBoreSleeve {
    double D, d1, d2, l1, L, rho;
};
// A disc of diameter D and thickness t with two flats s apart; needs 0 < s <= D.
struct FlattedDisc {
    double t, s, D, rho;
};
// Three sections (the right one is the rest of L), a counterbore b1 deep and
// a narrower bore on through the rest.
struct SteppedBoreShaft {
    double D1, d1, D2, d2, D3, b1, l1, l2, L, rho;
};
std::optional<float> sleeveWeight(const SteppedBoreSleeve& p, Unit u);
std::optional<float> flattedDiscWeight(const FlattedDisc& p, Unit u);
std::optional<float> steppedBoreShaftWeight(const SteppedBoreShaft& p, Unit u);

}  // namespace quorvil::weight
