#include "common/numtext.h"

#include <locale.h>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace quorvil {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the longest beginning of `s` that forms a number by the grammar
// (sign, digits with at most one point, optional exponent); 0 when no digit
// of the mantissa was found.
std::size_t scanNumber(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    bool digits = false;
    while (i < s.size() && isDigit(s[i])) {
        ++i;
        digits = true;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
            digits = true;
        }
    }
    if (!digits) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j])) ++j;
            i = j;
        }
    }
    return i;
}

// Converts text already accepted by scanNumber. Independent of the process
// locale (the GUI library sets it from the environment).
double convert(std::string_view accepted) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    const std::string copy(accepted);
    return strtod_l(copy.c_str(), nullptr, cLocale);
}

// A finite value as `sig` significant decimal digits: value = d.ddd x 10^exp.
struct Decimal {
    bool negative = false;
    std::string digits;  // exactly `sig` digits, or "0" for zero
    int exp = 0;
};

Decimal toDecimal(double v, int sig) {
    Decimal d;
    d.negative = std::signbit(v);
    if (v == 0) {
        d.digits.assign(1, '0');
        d.negative = false;
        return d;
    }
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, sig - 1);
    std::string_view t(buf, static_cast<std::size_t>(r.ptr - buf));
    const std::size_t e = t.find('e');
    for (std::size_t i = 0; i < e; ++i)
        if (t[i] != '.') d.digits += t[i];
    d.exp = std::atoi(std::string(t.substr(e + 1)).c_str());
    return d;
}

std::string stripZeros(std::string s) {
    while (s.size() > 1 && s.back() == '0') s.pop_back();
    return s;
}

// Shortest text of a decimal; leadingZero decides "0.5" or ".5".
std::string decimalText(const Decimal& d, bool leadingZero) {
    const std::string digits = stripZeros(d.digits);
    std::string out = d.negative ? "-" : "";
    if (digits == "0") return "0";
    if (d.exp >= 15 || d.exp < -5) {
        out += digits[0];
        if (digits.size() > 1) {
            out += '.';
            out += digits.substr(1);
        }
        const int e = std::abs(d.exp);
        out += d.exp < 0 ? "E-" : "E+";
        if (e < 10) out += '0';
        out += std::to_string(e);
        return out;
    }
    if (d.exp >= 0) {
        std::string whole = digits.substr(0, std::min<std::size_t>(digits.size(), d.exp + 1));
        whole.append(static_cast<std::size_t>(d.exp + 1) - whole.size(), '0');
        out += whole;
        if (digits.size() > static_cast<std::size_t>(d.exp + 1)) {
            out += '.';
            out += digits.substr(d.exp + 1);
        }
    } else {
        if (leadingZero) out += '0';
        out += '.';
        out.append(static_cast<std::size_t>(-d.exp - 1), '0');
        out += digits;
    }
    return out;
}

std::string withSignBlank(std::string plain, bool negative) { return negative ? plain : " " + plain; }

}  // namespace

std::optional<double> readStrict(std::string_view text) {
    std::size_t b = 0, e = text.size();
    while (b < e && isBlank(text[b])) ++b;
    while (e > b && isBlank(text[e - 1])) --e;
    const std::string_view core = text.substr(b, e - b);
    const std::size_t n = scanNumber(core);
    if (n == 0 || n != core.size()) return std::nullopt;
    const double v = convert(core);
    if (!std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<double> readLeadingNumber(std::string_view text) {
    std::size_t b = 0;
    while (b < text.size() && isBlank(text[b])) ++b;
    const std::string_view rest = text.substr(b);
    const std::size_t n = scanNumber(rest);
    if (n == 0) return std::nullopt;
    return convert(rest.substr(0, n));
}

double readLenient(std::string_view text) { return readLeadingNumber(text).value_or(0.0); }

namespace {
// The fault of a text whose leading number is `n` characters of `core`.
ReadFault faultAfterNumber(std::string_view core, std::size_t n) {
    if (n == 0) {
        if (core.empty()) return ReadFault::Empty;
        // ",5" or "-,5" is a decimal comma as much as "1,5" is.
        const std::size_t c = core.find(',');
        if (c == std::string::npos || c > 1) return ReadFault::NotANumber;
        std::string pointed(core);
        pointed[c] = '.';
        return scanNumber(pointed) > c + 1 ? ReadFault::DecimalComma : ReadFault::NotANumber;
    }
    if (n < core.size() && core[n] == ',') return ReadFault::DecimalComma;
    if (!std::isfinite(convert(core.substr(0, n)))) return ReadFault::TooLarge;
    return ReadFault::None;
}
}  // namespace

ReadFault strictFault(std::string_view text) {
    std::size_t b = 0, e = text.size();
    while (b < e && isBlank(text[b])) ++b;
    while (e > b && isBlank(text[e - 1])) --e;
    const std::string_view core = text.substr(b, e - b);
    const std::size_t n = scanNumber(core);
    const ReadFault f = faultAfterNumber(core, n);
    if (f != ReadFault::None) return f;
    return n == core.size() ? ReadFault::None : ReadFault::NotANumber;
}

ReadFault leadingFault(std::string_view text) {
    std::size_t b = 0;
    while (b < text.size() && isBlank(text[b])) ++b;
    std::string_view rest = text.substr(b);
    std::size_t e = rest.size();
    while (e > 0 && isBlank(rest[e - 1])) --e;
    rest = rest.substr(0, e);
    return faultAfterNumber(rest, scanNumber(rest));
}

std::string plainText(double v) {
    if (!std::isfinite(v)) return {};
    return decimalText(toDecimal(v, 15), true);
}

std::string plainTextSingle(float v) {
    if (!std::isfinite(v)) return {};
    return decimalText(toDecimal(v, 7), true);
}

std::string signedText(double v) {
    if (!std::isfinite(v)) return {};
    const Decimal d = toDecimal(v, 15);
    return withSignBlank(decimalText(d, false), d.negative);
}

std::string signedTextSingle(float v) {
    if (!std::isfinite(v)) return {};
    const Decimal d = toDecimal(v, 7);
    return withSignBlank(decimalText(d, false), d.negative);
}

std::string formatPattern(double v, Pattern p) {
    if (!std::isfinite(v)) return {};
    int decimals = 3;
    switch (p) {
    case Pattern::Fixed3:
    case Pattern::Hash3: decimals = 3; break;
    case Pattern::Fixed4: decimals = 4; break;
    case Pattern::Fixed2: decimals = 2; break;
    case Pattern::Fixed1: decimals = 1; break;
    case Pattern::Fixed0: decimals = 0; break;
    }
    const Decimal d = toDecimal(v, 15);

    // Digits of the value from the units place down to `decimals` places,
    // as one whole number string, rounded half away from zero.
    std::string whole;  // the rounded value times 10^decimals
    if (d.digits != "0") {
        const int keep = d.exp + 1 + decimals;  // digits of d.digits kept
        if (keep >= 0) {
            if (keep >= static_cast<int>(d.digits.size())) {
                whole = d.digits;
                whole.append(static_cast<std::size_t>(keep) - d.digits.size(), '0');
            } else {
                whole = d.digits.substr(0, keep);
                if (d.digits[keep] >= '5') {
                    int i = static_cast<int>(whole.size()) - 1;
                    while (i >= 0 && whole[i] == '9') whole[i--] = '0';
                    if (i < 0)
                        whole.insert(whole.begin(), '1');
                    else
                        ++whole[i];
                }
            }
        }
    }
    const std::size_t nz = whole.find_first_not_of('0');
    const bool zero = nz == std::string::npos;
    whole = zero ? std::string() : whole.substr(nz);
    if (whole.size() < static_cast<std::size_t>(decimals) + 1)
        whole.insert(0, static_cast<std::size_t>(decimals) + 1 - whole.size(), '0');

    std::string intPart = whole.substr(0, whole.size() - decimals);
    const std::string frac = whole.substr(whole.size() - decimals);
    if (p == Pattern::Hash3 && intPart == "0") intPart.clear();

    std::string out = (d.negative && !zero) ? "-" : "";
    out += intPart;
    if (decimals > 0) {
        out += '.';
        out += frac;
    }
    return out;
}

std::string reformat(std::string_view text, Pattern p) {
    if (auto v = readStrict(text)) return formatPattern(*v, p);
    return std::string(text);
}

double shownAs(double v, Pattern p) {
    if (const std::optional<double> shown = readStrict(formatPattern(v, p))) return *shown;
    // Not finite, or rounded up beyond the double range: no number shows.
    return std::isfinite(v) ? std::copysign(std::numeric_limits<double>::infinity(), v) : v;
}

double shownAsSingle(float v, Pattern p) {
    // Seven digits of a single always read back as a finite double.
    return std::isfinite(v) ? shownAs(*readStrict(plainTextSingle(v)), p) : v;
}

std::optional<double> finiteValue(double v) {
    if (!std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<float> toSingle(double v) {
    if (!std::isfinite(v) || std::fabs(v) > static_cast<double>(std::numeric_limits<float>::max())) return std::nullopt;
    return static_cast<float>(v);
}

}  // namespace quorvil
