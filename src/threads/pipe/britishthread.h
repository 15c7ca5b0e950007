// 55° inch (British) screw threads: the size typed as a mixed fraction of an
// inch, the thread dimensions from the window's own fixed constants, and the
// tap drills of the common sizes.
#pragma once

#include <optional>

namespace quorvil {

// The British window's mixed-fraction size entry: the double-precision form
// of inch::nominalDouble (threads/common/inchentry.h), not the unified
// window's single-precision one. Here the denominator gets an ε of 0.000001
// rather than 1e-12, and the quotient and the sum are worked out in double
// precision with only the sum held in single precision (the unified entry
// holds every part in single precision). The single-precision sum is
// behaviour: 1/2 inch is 0.49999976, so D is 12.6999939 mm.
//
// No size for a non-zero numerator over a denominator of 0 (the ε would
// make 1/0 inch a million inches), for a denominator that the ε turns into
// 0 (britishDenominatorCancels), or for a size that is not a finite
// single-precision number.
std::optional<float> britishSizeInches(double whole, double numerator, double denominator);
bool britishDenominatorCancels(double denominator);

// The results of one calculation, in mm. The M value is absent when no wire
// is given: an M value over no wire is no M value.
struct BritishThread {
    double majorDiameter;  // external thread
    double pitchDiameter;  // external and internal thread
    double minorDiameter;  // internal thread
    double threadDepth;    // external and internal thread
    double tipWidth;       // tool tip, external and internal thread
    double bestWire;
    std::optional<double> mValue;
};

// The thread of size `inches` with `threadsPerInch` threads per inch,
// measured over `wire` (mm, single precision as the list text is read).
// No result for 0 threads per inch or when any result is not finite.
std::optional<BritishThread> britishThread(float inches, double threadsPerInch, std::optional<float> wire);

// The tap drill (mm) of a size in the table, matched on the three typed
// numbers exactly as typed (an empty box is 0): 0-1/2 has a row, 0-2/4 has
// none.
std::optional<double> britishTapDrill(double whole, double numerator, double denominator);

}  // namespace quorvil
