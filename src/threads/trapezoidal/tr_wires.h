// Measuring wires and M values of the trapezoidal thread window. The wires
// are those of the trapezoidal tolerance family with this window's extra
// rows on top. Plain C++, no GUI.
#pragma once

#include <optional>

#include "threads/trapezoidal/tr_family.h"

namespace quorvil::trapezoidal {

// Wires of the internal calculator: the family's rows (P 2 to 12) and one
// row more, P 1.5 (0.796, 0.866). No row for P 7 or 9.
std::optional<WirePair> calculatorWires(double P);

// Wires of the M-value table of the size list: the family's rows and P 1.5
// as above, and also P 7 (3.666, 4.091) and P 9 (4.4, 4.773), which the
// calculator does not have. The table covers pitches up to 9 only.
std::optional<WirePair> sizeListWires(double P);

// One row of the M-value table: each wire with the M value over the basic
// pitch diameter, rounded to 0.01 mm.
struct MValueRow {
    double wire1;
    double m1;
    double wire2;
    double m2;
};

// The row for a position of the size list: sizes with a pitch up to 9 mm,
// except Tr18x2 (position 72), which the published table lacks. Nothing for
// a series header, no pick or a size without a row.
std::optional<MValueRow> mValueRow(int position);

}  // namespace quorvil::trapezoidal
