#include "common/limitstext.h"

#include <cmath>
#include <cstdlib>

namespace quorvil {

std::string scaledText(long long v, int decimals) {
    long long scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    std::string s = v < 0 ? "-" : "";
    const long long a = std::llabs(v);
    s += std::to_string(a / scale);
    std::string frac = std::to_string(a % scale);
    frac.insert(0, static_cast<std::size_t>(decimals) - frac.size(), '0');
    while (!frac.empty() && frac.back() == '0') frac.pop_back();
    if (!frac.empty()) s += "." + frac;
    return s;
}

long long thousandths(double v) { return std::llround(v * 1000); }

std::string thousandthsText(long long v) { return scaledText(v, 3); }

std::string twoPlaceText(long long v) {
    std::string s = thousandthsText(v);
    std::size_t point = s.find('.');
    if (point == std::string::npos) {
        point = s.size();
        s += '.';
    }
    const std::size_t decimals = s.size() - point - 1;
    if (decimals < 2) s.append(2 - decimals, '0');
    return s;
}

namespace {
std::string deviationText(long long v) {
    std::string text = thousandthsText(v);
    if (v > 0) text.insert(text.begin(), '+');
    return text;
}
}  // namespace

std::string minusStyleText(long long basic, long long tolerance) {
    return thousandthsText(basic) + "-" + thousandthsText(tolerance);
}

std::string bracketStyleText(long long basic, long long upper, long long lower) {
    return thousandthsText(basic) + "(" + deviationText(upper) + "/" + deviationText(lower) + ")";
}

}  // namespace quorvil
