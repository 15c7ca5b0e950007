// Standard metric external threads, keyed by position in the size list:
// limits of classes 6h, 6g, 6e and 6f, and the three-wire measurement data.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/limitstext.h"

namespace quorvil::metric {

// The size list: the header "第一系列" at 0, the first series at 1-124, the
// header "第二系列" at 125, the second series at 126-239 and a lone tab at 240.
inline constexpr int kSizeListCount = 241;

// Item text at a list position (UTF-8); empty outside the list.
std::string_view sizeItem(int position);

// Whether the item at `position` is a size: not a series header, not the
// blank last item, and not -1 (nothing picked).
bool isSizePosition(int position);

enum class ExternalClass { c6h, c6g, c6e, c6f };

// Limits of an external thread of the size at `position` in class `c` (the
// minor text is the basic minor diameter), or none (headers, the tab item,
// nothing picked, or a pitch the class does not cover).
std::optional<LimitsTexts> externalLimits(int position, ExternalClass c);

// The same texts as the rule alone forms them, before the stored texts of
// the published table that replace some of them are applied; kept apart so
// that the stored texts can be checked against what they replace.
std::optional<LimitsTexts> externalLimitsByRule(int position, ExternalClass c);

// Three-wire data of a size: preferred wire and the M value over it, second
// wire and its M value (none for one size), as shown.
struct MValues {
    std::string wire1;
    std::string m1;
    std::optional<std::string> wire2;
    std::optional<std::string> m2;
};

std::optional<MValues> metricMValues(int position);

}  // namespace quorvil::metric
