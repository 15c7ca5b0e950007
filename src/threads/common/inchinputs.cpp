#include "threads/common/inchinputs.h"

#include <QLineEdit>

#include <cmath>

#include "common/ui/refusal.h"
#include "common/ui/writeplan.h"

namespace quorvil::inch {

QLineEdit* entryBox(EntryBox part, QLineEdit* whole, QLineEdit* numerator, QLineEdit* denominator) {
    return part == EntryBox::Whole ? whole : part == EntryBox::Numerator ? numerator : denominator;
}

std::optional<float> readThreadSize(Inputs& in, QLineEdit* whole, QLineEdit* numerator, QLineEdit* denominator) {
    const std::optional<FractionParts> parts = in.fraction(whole, numerator, denominator);
    if (!parts) return std::nullopt;
    const MixedFraction f{parts->whole, parts->numerator, parts->denominator};
    const auto box = [&](EntryBox b) { return entryBox(b, whole, numerator, denominator); };
    const std::optional<float> D = nominalSingle(f);
    if (!D) {
        in.refuse(box(oversizedPart(f)), notes::tooLarge());
        return std::nullopt;
    }
    if (!in.require(*D > 0, box(nonPositivePart(f)), notes::positive())) return std::nullopt;
    return D;
}

std::optional<double> readThreadsPerInch(Inputs& in, QLineEdit* box) {
    const std::optional<double> n = in.positive(box);
    if (!n || !in.require(std::isfinite(1 / *n), box, notes::tooLarge())) return std::nullopt;
    return n;
}

std::optional<float> readThreadsPerInchSingle(Inputs& in, QLineEdit* box) {
    const std::optional<double> typed = in.leading(box);
    if (!typed || !in.require(*typed > 0, box, notes::positive())) return std::nullopt;
    const std::optional<float> n = threadsPerInchSingle(*typed);
    if (!in.require(n && std::isfinite(1 / *n), box, notes::tooLarge())) return std::nullopt;
    return n;
}

void stageOverWire(Inputs& in, WritePlan& plan, QLineEdit* box, QLineEdit* wireBox, std::optional<double> m) {
    if (m && !std::isfinite(*m)) in.refuse(wireBox, notes::tooLarge());
    plan.plain(box, m);
}

}  // namespace quorvil::inch
