// The wire table of 60° metric threads by pitch.
#pragma once

#include <optional>
#include <span>

namespace quorvil::metric {

// One row of the metric wire table: pitch (the key) and the two wires, mm.
struct WireRow {
    double pitch;
    double preferred;
    double second;
};

// The two wires of one pitch, mm.
struct WirePair {
    double preferred;
    double second;
};

// Which rows of the wire table a window offers. The non-standard thread
// window measures metric threads only up to pitch 5.5 and so has no row for
// pitch 6; every other row is the same.
enum class WireRows {
    All,            // 24 rows, pitch 0.2 to 6
    WithoutPitch6,  // 23 rows, pitch 0.2 to 5.5
};

// The rows, pitch ascending; the last one is pitch 6.
std::span<const WireRow> wireTable(WireRows rows = WireRows::All);

// The wires of the row whose pitch equals `pitch` exactly (as doubles, so a
// typed 1.50 finds 1.5 but 1.2 finds nothing), or no row.
std::optional<WirePair> wiresForPitch(double pitch, WireRows rows = WireRows::All);

// The M value over these wires is metricThreeWireM (threads/common/threewire.h).

}  // namespace quorvil::metric
