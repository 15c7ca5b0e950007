#include "threads/common/tolerance.h"

#include <cmath>

namespace quorvil {

double powP04(double P) {
    const double fifthRoot = std::exp(std::log(P) / 5);
    return fifthRoot * fifthRoot;
}

double powDr01(double dr) { return std::exp(std::log(dr) / 10); }

double powP07(double P) { return std::pow(std::exp(std::log(P) / 10), 7); }

double powP23(double P) {
    const double cubeRoot = std::exp(std::log(P) / 3);
    return cubeRoot * cubeRoot;
}

}  // namespace quorvil
