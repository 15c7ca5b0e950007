// The tolerance beside a pair of inch limit boxes, as the ACME windows show
// it: the difference of the two limits as their boxes will show them once
// the plan is written (see shownRangeMm).
#pragma once

#include <optional>

#include "common/ui/writeplan.h"
#include "threads/acme/acmelimits.h"

namespace quorvil::acme {

// No value while either box shows no number; a staged limit that is not
// finite shows none, and then the plan writes nothing anyway.
inline std::optional<double> shownRangeMm(const WritePlan& plan, const QLineEdit* upper, const QLineEdit* lower) {
    const std::optional<double> u = plan.shown(upper), l = plan.shown(lower);
    if (!u || !l) return std::nullopt;
    return shownRangeMm(*u, *l);
}

}  // namespace quorvil::acme
