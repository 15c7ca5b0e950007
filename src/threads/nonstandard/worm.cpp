#include "threads/nonstandard/worm.h"

#include <array>
#include <cmath>
#include <optional>
#include <utility>

#include "common/numtext.h"
#include "threads/common/threewire.h"

namespace quorvil::nonstandard {

namespace {

constexpr double kPi = 3.1415;         // in every dimension
constexpr double kPiLead = 3.1415926;  // in the lead angle
constexpr double kTan20 = 0.3639;
constexpr double kRadPerDegree = 0.01745;

// Measuring wire by axial module.
constexpr std::array<std::pair<float, float>, 12> kModuleWires = {{
    {0.3f, 0.511f},
    {0.4f, 0.724f},
    {0.5f, 0.866f},
    {0.6f, 1.008f},
    {0.7f, 1.441f},
    {0.8f, 1.441f},
    {1.0f, 1.732f},
    {1.25f, 2.311f},
    {1.5f, 2.595f},
    {2.0f, 3.468f},
    {2.5f, 4.211f},
    {3.0f, 5.176f},
}};

}  // namespace

std::optional<float> wormWireDiameter(float module) {
    for (const auto& [m, dw] : kModuleWires)
        if (m == module) return dw;
    return std::nullopt;
}

DegMinSec toDegMinSec(double degrees) {
    double d = std::floor(degrees);
    const double minutesExact = (degrees - d) * 60;
    double n = std::floor(minutesExact);
    // Nearest whole second, a half to the even one.
    const double secondsExact = (minutesExact - n) * 60;
    double s = std::floor(secondsExact);
    const double rest = secondsExact - s;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(s, 2) != 0)) s += 1;
    if (s >= 60) {
        s -= 60;
        n += 1;
    }
    if (n >= 60) {
        n -= 60;
        d += 1;
    }
    return {static_cast<std::int16_t>(d), static_cast<std::int16_t>(n), static_cast<std::int16_t>(s)};
}

std::optional<WormDimensions> wormDimensions(float referenceDiameter, float module, float starts) {
    const double d1 = referenceDiameter;
    const double m = module;
    const double z1 = starts;
    if (!finiteValue(d1) || !finiteValue(m) || !finiteValue(z1) || m == 0 || d1 == 0) return std::nullopt;

    WormDimensions r;
    r.wire = wormWireDiameter(module);

    const double q = d1 / m;
    const double leadDegrees = std::atan(z1 / (d1 / m)) * 180 / kPiLead;
    const double gamma = std::atan(m * z1 / d1);
    const double cosGamma = std::cos(gamma);
    const double alphaN = std::atan(kTan20 * cosGamma);

    SingleValues single;
    r.diameterQuotient = single(q);
    r.toothDepth = single(2.2 * m);
    r.normalPitch = single(kPi * m * cosGamma);
    r.normalProfileAngle = single(alphaN / kRadPerDegree);
    r.normalChordalThickness = single(cosGamma * kPi * m / 2);
    r.chordalHeight = single(m);
    r.tipDiameter = single(d1 + 2 * m);
    r.axialPitch = single(kPi * m);
    r.rootDiameter = single(d1 - 2.4 * m);
    r.crestWidth = single(0.843 * m);
    r.rootWidth = single(0.697 * m);
    r.axialThickness = single(kPi * m / 2);
    if (r.wire) {
        // The last term is half the normal pitch over the tangent of the
        // normal profile angle; cos gamma cancels out of it.
        const double dw = *r.wire;
        r.overWires =
            single(threeWireM(HalfAngle{std::sin(alphaN), kTan20}, PitchDiameter{d1}, Wire{dw}, Pitch{kPi * m}));
    }
    if (!single.fit() || !finiteValue(leadDegrees)) return std::nullopt;
    r.leadAngle = toDegMinSec(leadDegrees);
    return r;
}

}  // namespace quorvil::nonstandard
