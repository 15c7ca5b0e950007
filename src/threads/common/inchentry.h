// A nominal inch size typed as whole inches, numerator and denominator
// ("1" "-" "1" / "2" for 1-1/2"), and the threads per inch beside it.
//
// The windows that take such a size differ in how they hold it: how the
// three boxes are read (leniently or strictly) is the window's own, but the
// small number added to the denominator and the precision of the parts and of
// the sum are stated here, one function per form, side by side, so that each
// window's choice stays visible where it is called.
#pragma once

#include <optional>

namespace quorvil::inch {

// The three numbers as the window read them from its boxes.
struct MixedFraction {
    double whole;
    double numerator;
    double denominator;
};

// The number the single-precision form adds to the denominator.
inline constexpr double kSingleEpsilon = 1e-12;

// Single-precision form (the unified, ACME and custom stub ACME windows):
// each part rounded to single precision, the divisor Q + 1e-12 rounded to
// single precision (Q itself for a denominator of 1 or more), then
// W + N / divisor in double precision, rounded to single precision. An empty
// fraction adds nothing, so a whole or decimal size may stand in the whole
// box alone.
//
// No value when a numerator that is not 0 stands over a zero denominator
// (the sum would be some 10^12 inches), nor when a part or the size is not
// a finite single-precision number.
std::optional<float> nominalSingle(MixedFraction f);

// Double-precision form with the window's own epsilon: W + N / (Q + epsilon),
// quotient and sum in double precision. A window that holds the sum in single
// precision rounds the result itself. No value for a numerator that is not 0
// over a zero denominator, over a divisor Q + epsilon of 0, or for a result
// that is not finite.
std::optional<double> nominalDouble(MixedFraction f, double epsilon);

// The box of the entry that a refused size points at.
enum class EntryBox { Whole, Numerator, Denominator };

// For a size that gives no value although no numerator stands over a zero
// denominator: the part that puts it beyond what can be computed with. A
// part beyond single precision on its own; else the whole inches when they
// outweigh the fraction; else the denominator when it lies below 1 in size
// (it makes the quotient large); else the numerator.
EntryBox oversizedPart(MixedFraction f);

// For a size of 0 or less, where the thread needs one above 0: the first
// part that is negative, else the whole inches (nothing typed, or 0).
EntryBox nonPositivePart(MixedFraction f);

// Threads per inch held in single precision: no value unless it is a finite
// number above 0 (the pitch is its reciprocal, and cube roots of the pitch
// follow).
std::optional<float> threadsPerInchSingle(double n);

}  // namespace quorvil::inch
