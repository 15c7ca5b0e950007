#include "workshop/spring.h"

#include <cmath>

#include "common/numtext.h"

namespace quorvil {

const std::array<std::string_view, 41> kSpringWireDiameters = {
    "0.1", "0.15", "0.2", "0.25", "0.3", "0.35", "0.4", "0.45", "0.5", "0.6", "0.8", "1.0", "1.2",      "1.6",
    "2.0", "2.5",  "3.0", "3.5",  "4.0", "4.5",  "5.0", "6.0",  "8.0", "10",  "12",  "16",  "第二系列", "0.7",
    "0.9", "1.4",  "1.8", "2.2",  "2.8", "3.2",  "3.8", "4.2",  "5.5", "7",   "9",   "14",  "18",
};
const std::array<std::string_view, 68> kSpringMeanDiameters = {
    "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1.0", "1.2", "1.6", "2",   "2.5",      "3.0", "3.5", "4",
    "4.5", "5",   "6",   "7",   "8",   "9",   "10",  "12",  "16",  "20",  "25",       "30",  "35",  "40",
    "45",  "50",  "55",  "60",  "70",  "80",  "90",  "100", "110", "120", "第二系列", "1.4", "1.8", "2.2",
    "2.8", "3.2", "3.8", "4.2", "4.8", "5.5", "6.5", "7.5", "8.5", "9.5", "14",       "18",  "22",  "28",
    "32",  "38",  "42",  "48",  "52",  "58",  "65",  "75",  "85",  "95",  "105",      "115",
};

const std::array<float, 36> kCoilSeries = {2.0f,  2.25f, 2.5f,  2.75f, 3.0f,  3.25f, 3.5f,  3.75f, 4.0f,
                                           4.25f, 4.5f,  4.75f, 5.0f,  5.5f,  6.0f,  6.5f,  7.0f,  7.5f,
                                           8.0f,  8.5f,  9.0f,  9.5f,  10.0f, 10.5f, 11.5f, 12.5f, 13.5f,
                                           14.5f, 15.0f, 16.0f, 18.0f, 20.0f, 22.0f, 25.0f, 28.0f, 30.0f};

float roundToCoilSeries(float n) {
    if (n > 0 && n < kCoilSeries.front()) return kCoilSeries.front();
    for (std::size_t i = 1; i < kCoilSeries.size(); ++i)
        if (n > kCoilSeries[i - 1] && n < kCoilSeries[i]) return kCoilSeries[i];
    return n;
}

std::optional<Spring> designSpring(const SpringInput& in) {
    const double d = in.wire, D2 = in.meanDiameter, H1 = in.installed, s = in.stroke;
    const double F1 = in.minLoad, F2 = in.maxLoad, G = in.shearModulus;
    if (d == 0 || D2 == 0 || s == 0 || F2 == 0 || G == 0 || F1 == F2) return std::nullopt;

    // Deflection under the maximum load: the load over the spring rate.
    const double f2 = F2 / ((F2 - F1) / s);
    // Each result is held in single precision; one beyond its range is no spring.
    SingleValues single;
    Spring r{};
    r.index = single(D2 / d);
    // G d^4 f2 / (8 F2 D2^3), lengths in metres and G in pascals.
    const double coils = (f2 * 0.001) * (D2 * 0.001 * (G * 1e9)) / (std::pow(D2 / d, 4) * (F2 * 8));
    r.activeCoils = roundToCoilSeries(single(coils));
    if (!single.fit() || r.activeCoils == 0) return std::nullopt;
    r.totalCoils = single(double(r.activeCoils) + 2);
    r.freeHeight = single(f2 - s + H1);
    r.pitch = single((double(r.freeHeight) - 1.5 * d) / r.activeCoils);
    // The helix angle is the angle of the coil's slope; pi is 3.14 in the
    // slope and the length, 3.1415 in the degree factor.
    const double slope = double(r.pitch) / (3.14 * D2);
    const double angle = std::atan(slope);
    r.helixAngle = single(angle * (180 / 3.1415));
    r.length = single(3.14 * D2 * double(r.totalCoils) / std::cos(angle));
    r.slenderness = single(double(r.freeHeight) / D2);
    r.outerDiameter = single(D2 + d);
    r.maxLoadHeight = single(H1 - s);
    r.solidHeight = single((double(r.totalCoils) - 0.5) * d);
    r.solidLoad = single((double(r.freeHeight) - r.solidHeight) / f2 * F2);

    if (!single.fit()) return std::nullopt;
    return r;
}

}  // namespace quorvil
