// One way for a calculation to keep the rule "check every result before the
// first write": compute everything, stage each box's write in a WritePlan,
// then commit. The commit writes every staged box in staging order, or, when
// any staged number is not finite, writes none of them.
//
//     WritePlan plan;
//     plan.plain(w11, d2);
//     plan.plain(w12, td2);          // std::optional: no row, nothing staged
//     plan.sign(w13, es);
//     plan.commit();
//
// A box written through a plan shows what the box makes of the text (a
// FormatBox rewrites it in its pattern), from its start (showText). When a later result must be computed
// from what an earlier box will show (the rounding is behaviour), use
// shownAfterWrite() before staging, so that the check still comes first.
#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <vector>

#include "common/numtext.h"

class QLineEdit;

namespace quorvil {

class WritePlan {
public:
    // Plain 15-digit text (7 digits for single precision).
    void plain(QLineEdit* box, double v);
    void plainSingle(QLineEdit* box, float v);
    // Sign-blank text (" 25.4", "-.5").
    void sign(QLineEdit* box, double v);
    void signSingle(QLineEdit* box, float v);
    // No value (a table without a row): nothing is staged, the box keeps its text.
    void plain(QLineEdit* box, std::optional<double> v);
    void sign(QLineEdit* box, std::optional<double> v);
    void plainSingle(QLineEdit* box, std::optional<float> v);
    void signSingle(QLineEdit* box, std::optional<float> v);
    // A literal text, written as it stands.
    void text(QLineEdit* box, const QString& t);
    // Any other change (a label, a tool tip), run in order at commit.
    void action(std::function<void()> f);
    // Marks the plan as not writable: commit() will write nothing.
    void reject() { ok_ = false; }

    // True while every staged number is finite and nothing rejected the plan.
    bool ok() const { return ok_; }
    // Writes everything staged, in order, if ok(); returns ok().
    bool commit();

private:
    void stage(QLineEdit* box, bool finite, const std::string& text);
    std::vector<std::function<void()>> steps_;
    bool ok_ = true;
};

// The number a box holds after `v` is written into it as plain text: a
// self-formatting box keeps its rounded text, a plain box the 15-digit text.
// No value for a value that is not finite.
std::optional<double> shownAfterWrite(double v, std::optional<Pattern> pattern);
std::optional<double> shownAfterWrite(const QLineEdit* box, double v);

}  // namespace quorvil
