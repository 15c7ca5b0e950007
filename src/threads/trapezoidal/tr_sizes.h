// The standard trapezoidal sizes of the size list and the limits of size of
// their external threads. Plain C++, no GUI.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/limitstext.h"

namespace quorvil::trapezoidal {

// The size list: the header "第一系列" at 0, the first series at 1-63, the
// header "第二系列" at 64 and the second series at 65-141.
inline constexpr int kSizeListCount = 142;

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
// or outside the list.
std::optional<Size> sizeAt(int position);

// The four external classes, in the order of their buttons.
enum class ExternalClass { c7h, c7e, c8e, c8c };

// Limits of an external thread of the size at `position` in class `c`, or
// none where sizeAt has none.
std::optional<LimitsTexts> externalLimits(int position, ExternalClass c);

// The same texts as the rules alone form them, before the stored texts of
// the published table that replace some of them are applied; kept apart so
// that the stored texts can be checked against what they replace.
std::optional<LimitsTexts> externalLimitsByRule(int position, ExternalClass c);

}  // namespace quorvil::trapezoidal
