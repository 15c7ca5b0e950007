#include "threads/metric/wires.h"

#include <array>

namespace quorvil::metric {

namespace {

// The wires are stated sizes, not computed; each preferred wire lies within
// 0.006 of the best wire 0.57735 P.
// clang-format off
constexpr std::array<WireRow, 24> kWires{{
    {0.2, 0.118, 0.118},
    {0.25, 0.142, 0.17},
    {0.3, 0.17, 0.17},
    {0.35, 0.201, 0.22},
    {0.4, 0.232, 0.25},
    {0.45, 0.26, 0.29},
    {0.5, 0.291, 0.29},
    {0.6, 0.343, 0.335},
    {0.7, 0.402, 0.455},
    {0.75, 0.433, 0.461},
    {0.8, 0.461, 0.511},
    {1, 0.572, 0.724},
    {1.25, 0.724, 0.794},
    {1.5, 0.866, 1.008},
    {1.75, 1.008, 1.047},
    {2, 1.157, 1.302},
    {2.5, 1.441, 1.553},
    {3, 1.732, 1.833},
    {3.5, 2.02, 2.071},
    {4, 2.311, 2.595},
    {4.5, 2.595, 2.886},
    {5, 2.886, 3.106},
    {5.5, 3.177, 3.287},
    {6, 3.468, 3.58},
}};
// clang-format on

}  // namespace

std::span<const WireRow> wireTable(WireRows rows) {
    std::span<const WireRow> all(kWires);
    return rows == WireRows::All ? all : all.first(all.size() - 1);
}

std::optional<WirePair> wiresForPitch(double pitch, WireRows rows) {
    for (const WireRow& r : wireTable(rows)) {
        if (r.pitch == pitch) return WirePair{r.preferred, r.second};
    }
    return std::nullopt;
}

}  // namespace quorvil::metric
