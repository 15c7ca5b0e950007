// The stored pipe thread tables: 60° taper (sealing) threads, 55° taper
// (sealing) threads and 55° parallel (non-sealing) threads, one row per pipe
// size, each cell the text its box shows. Nothing here is computed: the
// tables are standard data, and their tests check the relations the rows obey.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quorvil::pipe {

// What a box shows where the tables hold no value (gauge data above 2 inch).
inline constexpr std::string_view kNoValue = "--";

// 60° taper pipe thread, lengths in mm; diameters at the gauge plane.
struct Taper60Row {
    std::string_view size;  // designation in inches, "1-1/4"
    std::string_view threadsPerInch, pitch, height;
    std::string_view major, pitchDiameter, minor;
    std::string_view planeTurns, planeDistance;  // gauge plane distance
    std::string_view allowanceTurns, allowance;  // assembly allowance
    std::string_view tapDrill;                   // drill for the internal thread
};

// Taper plain plug and ring gauge of a 60° size up to 2 inch.
struct Taper60Gauge {
    std::string_view plugStep, plugLargeEnd, taperLength, ringStep, ringBore, ringLength;
};

// 55° taper pipe thread, lengths in mm.
struct Taper55Row {
    std::string_view size;
    std::string_view threadsPerInch, pitch, height;
    std::string_view major, pitchDiameter, minor;        // at the gauge plane
    std::string_view planeBasic, planeMax, planeMin;     // gauge plane distance
    std::string_view allowance, allowanceTurns;          // "2-3/4" turns
    std::string_view lengthBasic, lengthMax, lengthMin;  // least useful thread of the external thread
    std::string_view radialLimit, axialLimitTurns;       // limit of the internal thread
};

// Taper plain plug and ring gauge of a 55° taper size up to 2 inch.
struct Taper55Gauge {
    std::string_view shank, plugLargeEnd, plugStep, overallLength, taperLength, ringOuter, ringStep, ringBore,
        ringLength;
};

// A limit of size in thousandths of a mm: the basic size, then "0", then the
// one deviation that is not zero, as the table writes it: "7.142(0/+0.107)".
struct ZeroFirstLimits {
    long long basic, deviation;
};
std::string limitsText(const ZeroFirstLimits& l);

// 55° parallel pipe thread, mm.
struct Parallel55Row {
    std::string_view size;
    std::string_view threadsPerInch, pitch, height;
    std::string_view major;                                   // internal thread
    ZeroFirstLimits pitchDiameter, minor;                     // internal thread
    ZeroFirstLimits externalMajor, pitchClassA, pitchClassB;  // external thread
    std::string_view externalMinor;
};

// GO and NO-GO thread gauges of a 55° parallel size up to 2 inch.
struct Parallel55Gauge {
    ZeroFirstLimits goMajor;
    std::string_view goLength;
    ZeroFirstLimits goPitch;
    std::string_view goMinorMax;
    ZeroFirstLimits noGoMajor;
    std::string_view noGoLength;
    ZeroFirstLimits noGoPitch;
    std::string_view noGoMinorMax;
};

extern const std::array<Taper60Row, 19> kTaper60;
extern const std::array<Taper60Gauge, 10> kTaper60Gauges;  // the first ten sizes
extern const std::array<Taper55Row, 15> kTaper55;
extern const std::array<Taper55Gauge, 10> kTaper55Gauges;
extern const std::array<Parallel55Row, 24> kParallel55;
extern const std::array<Parallel55Gauge, 14> kParallel55Gauges;

// What the boxes of one tab show for a row, in box order; empty for a row
// the table does not have. Gauge boxes without a stored value show kNoValue.
// 60° taper: N1 to N20 (the shank diameter N12, overall length N15 and ring
// outer diameter N17 are not in the table and always show kNoValue).
std::vector<std::string> taper60Texts(std::size_t row);
// 55° taper: R1 to R16, then R20 to R28.
std::vector<std::string> taper55Texts(std::size_t row);
// 55° parallel: G1 to G8, G80, G9, then G10 to G17.
std::vector<std::string> parallel55Texts(std::size_t row);

}  // namespace quorvil::pipe
