// The standard trapezoidal sizes of the size list and the limits of size of
// their external threads. Plain C++, no GUI.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/limitstext.h"

namespace quorvil::trapezoidal {

// The size list: 142 items; positions 0 and 64 are series headers.
inline constexpr int kSizeListCount = 142;
inline constexpr int kFirstSeriesHeader = 0;
inline constexpr int kSecondSeriesHeader = 64;

// Item text at a list position (UTF-8); empty outside the list.
std::string_view sizeItem(int position);

// Nominal diameter and pitch of a listed size. All lengths of the external
// limits are whole thousandths of a millimetre, so they are kept as integers
// of micrometres and printed exactly.
struct Size {
    int d;        // mm, always whole
    int pitchUm;  // pitch in micrometres (1500 for 1.5 mm)
    double pitch() const { return pitchUm / 1000.0; }
};

// The size at a list position; nothing for a series header, for no pick (-1)
// or outside the list. Read from the item text itself ("Tr8×1.5..." is 8, 1.5).
std::optional<Size> sizeAt(int position);

// The four external classes, in the order of their buttons.
enum class ExternalClass { c7h, c7e, c8e, c8c };

// Limits of an external thread of the size at `position` in `cls`; nothing
// where sizeAt has nothing.
std::optional<LimitsTexts> externalLimits(int position, ExternalClass cls);

// The same texts as the rules form them, before the exceptions of the
// published table are applied; kept apart so that the exceptions can be
// checked against what they replace.
std::optional<LimitsTexts> formedLimits(int position, ExternalClass cls);

// Number of (position, box, class) cells the published table sets apart
// from the rules.
int departureCellCount();

}  // namespace quorvil::trapezoidal
