#include "threads/common/inchinputs.h"

#include <QLineEdit>

#include "common/ui/refusal.h"
#include "threads/common/inchentry.h"

namespace quorvil::inch {

std::optional<float> readThreadSize(Inputs& in, QLineEdit* whole, QLineEdit* numerator, QLineEdit* denominator) {
    const std::optional<FractionParts> parts = in.fraction(whole, numerator, denominator);
    if (!parts) return std::nullopt;
    const MixedFraction f{parts->whole, parts->numerator, parts->denominator};
    const auto box = [&](EntryBox b) {
        return b == EntryBox::Whole ? whole : b == EntryBox::Numerator ? numerator : denominator;
    };
    const std::optional<float> D = nominalSingle(f);
    if (!D) {
        in.refuse(box(oversizedPart(f)), notes::tooLarge());
        return std::nullopt;
    }
    if (!in.require(*D > 0, box(nonPositivePart(f)), notes::positive())) return std::nullopt;
    return D;
}

}  // namespace quorvil::inch
