#include "workshop/weights.h"

#include <cmath>

#include "common/numtext.h"
#include "common/units.h"

namespace quorvil::weight {

namespace {

// Holds typed values in single precision and remembers whether one of them
// did not fit, or a density was none.
class Single : public SingleValues {
public:
    // A density must be a density: read as 0 or less (an empty box) it gives no weight.
    double density(double v) {
        const double rho = (*this)(v);
        if (!(rho > 0)) density_ = false;
        return rho;
    }
    bool ok() const { return fit() && density_; }

private:
    bool density_ = true;
};

// With the inch option the dimensions are inches: most frames multiply the
// millimetre weight by the cubic millimetres of a cubic inch...
double perCubicInch(double w, Unit u) { return u == Unit::Inch ? w * kCubicInch : w; }
// ...the turned parts multiply by 25.4 three times in a row.
double perInchCubed(double w, Unit u) { return u == Unit::Inch ? w * kMillimetresPerInch * kMillimetresPerInch * kMillimetresPerInch : w; }

std::optional<float> singleWeight(const Single& s, double w) {
    if (!s.ok()) return std::nullopt;
    return toSingle(w);
}

}  // namespace

double barConstant(Bar bar, Material m) {
    static constexpr double k[3][4] = {
        {0.006165, 0.00699, 0.006675, 0.002153},  // round
        {0.00785, 0.0089, 0.0085, 0.002742},      // square
        {0.0068, 0.007709, 0.007363, 0.002375},   // hexagon
    };
    return k[static_cast<int>(bar)][static_cast<int>(m)];
}

double materialDensity(Material m) {
    static constexpr double rho[4] = {7.85, 8.9, 8.5, 2.742};
    return rho[static_cast<int>(m)];
}

std::optional<float> threeSectionWeight(const ThreeSectionPart& p, Unit u) {
    Single s;
    const double d1 = s(p.d1), d2 = s(p.d2), l2 = s(p.l2), l3 = s(p.l3), d3 = s(p.d3), b = s(p.b), L = s(p.L);
    const double rho = s.density(p.rho);
    const double v = (L - l2 - l3) * d1 * d1 + l2 * d2 * d2 + l3 * d3 * d3 - L * b * b;
    return singleWeight(s, perCubicInch(v * (rho * kPi * 0.25) * 1e-6, u));
}

std::optional<float> fourSectionWeight(const FourSectionPart& p, Unit u) {
    Single s;
    const double d1 = s(p.d1), d2 = s(p.d2), d3 = s(p.d3), b = s(p.b), d4 = s(p.d4);
    const double l1 = s(p.l1), l2 = s(p.l2), l4 = s(p.l4), L = s(p.L);
    const double rho = s.density(p.rho);
    const double v = (L - l1 - l2 - l4) * d3 * d3 + l2 * d2 * d2 + l1 * d1 * d1 + l4 * d4 * d4 - L * b * b;
    return singleWeight(s, perCubicInch(v * (rho * kPi * 0.25) * 1e-6, u));
}

std::optional<double> barWeight(Bar bar, Material m, double a, double L) {
    const double k = barConstant(bar, m);
    return finiteValue(a * k * a * L / 1000);
}

std::optional<float> tubeWeight(Material m, double D, double d, double L) {
    Single s;
    const double outer = s(D), bore = s(d), len = s(L);
    const double rho = materialDensity(m);
    const double w =
        (outer / 2) * (outer / 2) * kPi * rho * len * 1e-6 - (bore / 2) * (bore / 2) * kPi * rho * len * 1e-6;
    return singleWeight(s, w);
}

std::optional<double> plateWeight(Material m, double L, double B, double T) {
    return finiteValue(L * materialDensity(m) * B * T / 1000000);
}

std::optional<float> cuboidWeight(double l, double h, double t, double rho, Unit u) {
    Single s;
    const double len = s(l), height = s(h), thick = s(t);
    const double density = s.density(rho);
    return singleWeight(s, perCubicInch(height * len * thick * density / 1000000, u));
}

std::optional<float> trapezoidWeight(double a, double b, double h, double t, double rho) {
    Single s;
    const double top = s(a), bottom = s(b), height = s(h), thick = s(t);
    const double density = s.density(rho);
    return singleWeight(s, (bottom + top) * height / 2 * thick * density / 1000000);
}

std::optional<float> sectionWeight(double L, double kgPerMetre) {
    Single s;
    const double len = s(L);
    return singleWeight(s, len * 0.001 * kgPerMetre);
}

std::optional<float> twoBoreTurnedWeight(const TwoBoreTurnedPart& p, Unit u) {
    Single s;
    const double l1 = s(p.l1), D1 = s(p.D1), d1 = s(p.d1), d2 = s(p.d2), D2 = s(p.D2), h1 = s(p.h1), L = s(p.L);
    const double rho = s.density(p.rho);
    const double w = ((D2 / 2) * (D2 / 2) * kPi * rho * (L - l1) + l1 * rho * (D1 / 2) * (D1 / 2) * kPi -
                      rho * (d1 / 2) * (d1 / 2) * kPi * h1 - rho * (d2 / 2) * (d2 / 2) * kPi * (L - h1)) *
                     1e-6;
    return singleWeight(s, perInchCubed(w, u));
}

std::optional<float> threeSectionTurnedWeight(const ThreeSectionTurnedPart& p, Unit u) {
    Single s;
    const double lA = s(p.lA), lC = s(p.lC), DA = s(p.DA), d = s(p.d), DB = s(p.DB), DC = s(p.DC), L = s(p.L);
    const double rho = s.density(p.rho);
    const double w = ((DC / 2) * (DC / 2) * rho * kPi * lC + rho * (DA / 2) * (DA / 2) * kPi * lA +
                      rho * (DB / 2) * (DB / 2) * kPi * (L - lA - lC) - L * rho * (d / 2) * (d / 2) * kPi) *
                     1e-6;
    return singleWeight(s, perInchCubed(w, u));
}

std::optional<float> twoSectionTurnedWeight(const TwoSectionTurnedPart& p, Unit u) {
    Single s;
    const double l1 = s(p.l1), D1 = s(p.D1), d = s(p.d), D2 = s(p.D2), L = s(p.L);
    const double rho = s.density(p.rho);
    const double w = ((D2 / 2) * (D2 / 2) * rho * kPi * (L - l1) + l1 * rho * (D1 / 2) * (D1 / 2) * kPi -
                      L * rho * (d / 2) * (d / 2) * kPi) *
                     1e-6;
    return singleWeight(s, perInchCubed(w, u));
}

std::optional<double> blindBoredCylinderWeight(const BlindBoredCylinder& p, Unit u) {
    Single s;
    const double L = s(p.L), D = s(p.D), h = s(p.h), d = s(p.d);
    const double rho = s.density(p.rho);
    if (!s.ok()) return std::nullopt;
    const double w = ((D / 2) * (D / 2) * rho * kPi * L - (d / 2) * (d / 2) * rho * kPi * h) * 1e-6;
    return finiteValue(perInchCubed(w, u));
}

std::optional<float> ringWeight(const Ring& p, Unit u) {
    Single s;
    const double D = s(p.D), L = s(p.L), d = s(p.d);
    const double c = s.density(p.rho) * kQuarterPi;
    const double w = D * D * c * L / 1000000 - L * (c * d * d) / 1000000;
    return singleWeight(s, perCubicInch(w, u));
}

std::optional<float> bodyOfRevolutionWeight(const BodyOfRevolution& p, Unit u) {
    Single s;
    const double l1 = s(p.l1), D1 = s(p.D1), D2 = s(p.D2), D3 = s(p.D3), l3 = s(p.l3), D4 = s(p.D4), l4 = s(p.l4);
    const double D5 = s(p.D5), l5 = s(p.l5), L = s(p.L), d = s(p.d);
    const double rho = s.density(p.rho);
    const double c = kQuarterPi;
    const double w = D1 * D1 * rho * c * l1 / 1000000 + (L - l1 - l5 - l4 - l3) * D2 * D2 * c * rho / 1000000 +
                     D3 * D3 * l3 * c * rho / 1000000 + D4 * D4 * l4 * c * rho / 1000000 +
                     D5 * D5 * l5 * c * rho / 1000000 - d * d * L * c * rho / 1000000;
    return singleWeight(s, perCubicInch(w, u));
}

std::optional<float> sleeveWeight(const SteppedBoreSleeve& p, Unit u) {
    Single s;
    const double D = s(p.D), d1 = s(p.d1), d2 = s(p.d2), l1 = s(p.l1), L = s(p.L);
    const double rho = s.density(p.rho);
    const double v = D * D * L - d1 * d1 * l1 - (L - l1) * d2 * d2;
    return singleWeight(s, perCubicInch(v * (rho * kPi * 0.25) * 1e-6, u));
}

std::optional<float> flattedDiscWeight(const FlattedDisc& p, Unit u) {
    Single s;
    const double t = s(p.t), across = s(p.s), D = s(p.D);
    const double rho = s.density(p.rho);
    // Without 0 < s <= D the flats cut no segment off a real disc.
    if (!s.ok() || !(across > 0 && across <= D)) return std::nullopt;
    const double R = D / 2, b = across / 2;
    const double h = std::sqrt(R * R - b * b);  // half the length of one flat
    const double theta = std::atan(h / b);      // half the central angle of its arc
    const double segment = (R * R * kPi / 360) * (theta * 180 / kPi) * 2 - b * h;
    const double area = R * R * kPi - 2 * segment;
    return singleWeight(s, perCubicInch(area * t * 1e-6 * rho, u));
}

std::optional<float> steppedBoreShaftWeight(const SteppedBoreShaft& p, Unit u) {
    Single s;
    const double D1 = s(p.D1), d1 = s(p.d1), D2 = s(p.D2), d2 = s(p.d2), D3 = s(p.D3), b1 = s(p.b1);
    const double l1 = s(p.l1), l2 = s(p.l2), L = s(p.L);
    const double rho = s.density(p.rho);
    const double v = D1 * D1 * l1 + D2 * D2 * l2 + D3 * D3 * (L - l1 - l2) - d1 * d1 * b1 - d2 * d2 * (L - b1);
    return singleWeight(s, perCubicInch(v * (rho * kPi * 0.25) * 1e-6, u));
}

}  // namespace quorvil::weight
