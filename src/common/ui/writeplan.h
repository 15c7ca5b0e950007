// One way for a calculation to keep the rule "check every result before the
// first write": compute everything, stage each box's write in a WritePlan,
// then commit. The commit writes every staged box in staging order, or, when
// any staged number is not finite, writes none of them.
//
//     WritePlan plan;
//     plan.plain(w11, d2);
//     plan.plain(w12, td2);          // std::optional: no row shows "--"
//     plan.sign(w13, es);
//     plan.commit();
//
// A box written through a plan shows what the box makes of the text (a
// FormatBox rewrites it in its pattern), from its start (showText). When a
// later result must be computed from what an earlier box will show (the
// rounding is behaviour), stage the earlier box and ask the plan what it
// will show (shown()), so that the check still comes before any write:
//
//     plan.plain(w12, td2);                          // maybe no row: "--"
//     const std::optional<double> t = plan.shown(w12); // staged, or as it is

#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "common/numtext.h"

class QLineEdit;

namespace quorvil {

// What a box shows where the inputs on screen give it no value.
QString missingText();

class WritePlan {
public:
    // Plain 15-digit text (7 digits for single precision).
    void plain(QLineEdit* box, double v);
    void plainSingle(QLineEdit* box, float v);
    // Sign-blank text (" 25.4", "-.5").
    void sign(QLineEdit* box, double v);
    void signSingle(QLineEdit* box, float v);
    // No value (a table without a row, no band, no data): the box shows
    // "--", never a 0 standing in and never an earlier press's text. A box
    // that keeps its text without a value (a wire the user may type) is
    // staged only when there is one.
    void plain(QLineEdit* box, std::optional<double> v);
    void sign(QLineEdit* box, std::optional<double> v);
    void plainSingle(QLineEdit* box, std::optional<float> v);
    void signSingle(QLineEdit* box, std::optional<float> v);
    // A literal text, written as it stands.
    void text(QLineEdit* box, const QString& t);
    // "--": the inputs on screen have no value for this box.
    void missing(QLineEdit* box);
    // Marks the plan as not writable: commit() will write nothing.
    void reject() { ok_ = false; }

    // What `box` will show once the plan is written: the text staged last for
    // it as the box formats it, or, with nothing staged, the box's own text
    // (what the user typed into it formatted first). A staged number that is
    // not finite shows nothing, and the plan writes nothing anyway.
    std::optional<QString> shownText(const QLineEdit* box) const;
    // The same read back as a number (strict reading).
    std::optional<double> shown(const QLineEdit* box) const;
    // Stages `to` with what `from` will show.
    void copy(QLineEdit* to, const QLineEdit* from);

    // True while every staged number is finite and nothing rejected the plan.
    bool ok() const { return ok_; }
    // Writes everything staged, in order, if ok(); returns ok().
    bool commit();

private:
    void stage(QLineEdit* box, bool finite, const std::string& text);
    std::vector<std::function<void()>> steps_;
    // The text staged last for each box; no text for a number not finite.
    std::vector<std::pair<const QLineEdit*, std::optional<QString>>> staged_;
    bool ok_ = true;
};

}  // namespace quorvil
