// Standard metric external threads, keyed by position in the size list:
// limits of classes 6h, 6g, 6e and 6f, and the three-wire measurement data.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "common/limitstext.h"

namespace quorvil::metric {

// The 241 items of the size list (UTF-8), in list order: the header
// "第一系列" at 0, the first series at 1-124, the header "第二系列" at 125,
// the second series at 126-239 and a lone tab at 240.
std::span<const char* const> metricSizeItems();

enum class ExternalClass { c6h, c6g, c6e, c6f };

// A class row shows its limits texts; the minor text is the basic minor
// diameter.
// The row shown for the class at a list position, or none (headers, the tab
// item, nothing picked, or a pitch the class does not cover).
std::optional<LimitsTexts> externalLimits(ExternalClass c, int position);

// The same row as the rule alone builds it, before the stored texts that
// replace some of its strings are applied.
std::optional<LimitsTexts> externalLimitsByRule(ExternalClass c, int position);

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
